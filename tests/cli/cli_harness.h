// Runs the built qx720 in a scratch folder of its own and collects what it printed.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../support/temp_dir.h"
#include "model/radio_settings.h"

namespace qx::clitest {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
    std::string all() const { return out + err; }
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `qx720 ARGS` with the scratch folder as current folder; stdin is empty.
    ToolRun Qx(const std::string& args);
    // "--radio virtual:<scratch>/radio.bin,fast[,OPTIONS]": no pause between command and
    // reply, so that a test waits only where the radio is silent.
    std::string Radio(const std::string& options = "") const;
    // The same at the real protocol timings, for the few runs that keep them.
    std::string RealTimedRadio(const std::string& options = "") const;

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<uint8_t> Bytes(const std::string& name) const;
    std::string Text(const std::string& name) const;
    void Put(const std::string& name, const std::vector<uint8_t>& bytes) const;
    void PutRecord(const std::string& name, const RadioSettings& record) const;
    RadioSettings Record(const std::string& name) const;

    std::unique_ptr<test::TempDir> scratch_;
    std::filesystem::path dir_;
};

// Shell quoting for a path.
std::string Quote(const std::string& text);

}  // namespace qx::clitest
