#include "cli_harness.h"

#include <sys/wait.h>

#include <cstdlib>
#include <cstring>

#include "files/atomic_file.h"

namespace qx::clitest {

namespace fs = std::filesystem;

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

void CliTest::SetUp()
{
    scratch_ = std::make_unique<test::TempDir>("cli");
    dir_ = scratch_->Root();
    // qx720 write keeps a backup in the user's data folder: the scratch folder stands in for it.
    ::setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
    // The radios' locks too: two runs of the suite never see each other's.
    fs::create_directory(Path("run"));
    ::setenv("XDG_RUNTIME_DIR", Path("run").c_str(), 1);
}

void CliTest::TearDown() { scratch_.reset(); }

ToolRun CliTest::Qx(const std::string& args)
{
    const std::string out = Path(".stdout");
    const std::string err = Path(".stderr");
    const std::string command = "cd " + Quote(dir_.string()) + " && " + Quote(QX720_PATH) + " " + args + " >" +
                                Quote(out) + " 2>" + Quote(err) + " </dev/null";
    ToolRun run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Text(".stdout");
    run.err = Text(".stderr");
    return run;
}

std::string CliTest::Radio(const std::string& options) const
{
    return RealTimedRadio(options.empty() ? "fast" : "fast," + options);
}

std::string CliTest::RealTimedRadio(const std::string& options) const
{
    return "--radio " + Quote("virtual:" + Path("radio.bin") + (options.empty() ? "" : "," + options));
}

std::vector<uint8_t> CliTest::Bytes(const std::string& name) const
{
    std::vector<uint8_t> bytes;
    ReadFileBytes(Path(name), bytes, 1 << 20);
    return bytes;
}

std::string CliTest::Text(const std::string& name) const
{
    std::vector<uint8_t> bytes = Bytes(name);
    return std::string(bytes.begin(), bytes.end());
}

void CliTest::Put(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    ASSERT_TRUE(WriteFileAtomically(Path(name), bytes.data(), bytes.size()));
}

void CliTest::PutRecord(const std::string& name, const RadioSettings& record) const
{
    ASSERT_TRUE(WriteFileAtomically(Path(name), &record, sizeof record));
}

RadioSettings CliTest::Record(const std::string& name) const
{
    RadioSettings record{};
    std::vector<uint8_t> bytes = Bytes(name);
    EXPECT_EQ(bytes.size(), sizeof record) << name;
    if (bytes.size() == sizeof record) std::memcpy(&record, bytes.data(), sizeof record);
    return record;
}

}  // namespace qx::clitest
