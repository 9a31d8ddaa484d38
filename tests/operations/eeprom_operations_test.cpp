#include <gtest/gtest.h>

#include <random>

#include "clone/clone_fixture.h"
#include "files/atomic_file.h"
#include "files/eeprom_dump.h"
#include "operations/eeprom_operations.h"
#include "operations/radio_writes.h"

namespace qx::testing {
namespace {

EepromBytes RandomEeprom(unsigned seed)
{
    std::mt19937 gen(seed);
    EepromBytes bytes;
    for (auto& b : bytes) b = static_cast<uint8_t>(gen());
    return bytes;
}

std::vector<uint8_t> AsVector(const EepromBytes& bytes) { return {bytes.begin(), bytes.end()}; }

// The gate's raw transfer, without its claim, question and backup: the transfer itself is tested.
CloneResult WriteEeprom(const OperationContext& run, const std::vector<uint8_t>& bytes)
{
    std::copy(bytes.begin(), bytes.end(), run.env.writeImage.begin());
    return ops::internal::WriteEepromSpan(run, 0, kEepromSize);
}

struct EepromRig : CloneRig {
    OperationContext Transfer()
    {
        return OperationContext{environment, &options, &progress, [this] { ++handshakes; }};
    }
    int handshakes = 0;
};

TEST(EepromTransfer, WriteSendsHandShakeAnd410BlocksWithProgress)
{
    EepromRig rig;
    const EepromBytes image = RandomEeprom(1);
    ASSERT_EQ(WriteEeprom(rig.Transfer(), AsVector(image)), kResultOk);
    EXPECT_EQ(rig.radio.Contents(), image);
    EXPECT_EQ(rig.handshakes, 1);

    std::vector<SentenceBytes> sent = rig.Sent();
    ASSERT_EQ(sent.size(), 411u);
    EXPECT_EQ(sent[0][7], 'A');
    EXPECT_EQ(sent[410][7], 'W');
    EXPECT_EQ(sent[410][8], 12);
    EXPECT_EQ(SentenceAddress(sent[410]), 0x1FF4);

    const std::vector<std::string>& calls = rig.progress.calls;
    ASSERT_EQ(calls.size(), 3u + 410u + 1u);
    EXPECT_EQ(calls[0], "range 0 410");
    EXPECT_EQ(calls[1], "step 1");
    EXPECT_EQ(calls[2], "pos 0");
    EXPECT_EQ(calls.back(), "pos 0");
}

TEST(EepromTransfer, ReadAndVerifyCountDifferingBytes)
{
    EepromRig rig;
    const EepromBytes image = RandomEeprom(2);
    rig.radio.SetContents(image);

    std::vector<uint8_t> read;
    ASSERT_EQ(ReadEeprom(rig.Transfer(), read), kResultOk);
    EXPECT_EQ(read, AsVector(image));

    int differences = -1;
    ASSERT_EQ(VerifyEeprom(rig.Transfer(), read, differences), kResultOk);
    EXPECT_EQ(differences, 0);
    read[5] ^= 1;
    read[4000] ^= 0x80;
    read[8191] ^= 0xFF;
    ASSERT_EQ(VerifyEeprom(rig.Transfer(), read, differences), kResultOk);
    EXPECT_EQ(differences, 3);
}

TEST(EepromTransfer, FailuresSendNothingOrWriteNoFile)
{
    ScratchFolder folder;
    EepromRig rig;
    const EepromBytes image = RandomEeprom(3);
    rig.radio.SetContents(image);

    std::vector<uint8_t> shortFile(8191, 0x11);
    ASSERT_TRUE(WriteFileAtomically(folder.File("short.bin"), shortFile.data(), shortFile.size()));
    int differences = 0;
    EXPECT_EQ(VerifyEepromWithFile(rig.Transfer(), folder.File("short.bin"), differences), kResultUnknownFormat);
    EXPECT_EQ(VerifyEepromWithFile(rig.Transfer(), folder.File("missing.bin"), differences), kResultOpenFileError);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
    EXPECT_EQ(rig.radio.Contents(), image);

    // A radio that goes away part way: no dump file at all.
    RadioFaults faults;
    faults.unplugAfter = 50;
    rig.radio.SetFaults(faults);
    EXPECT_EQ(ReadEepromToFile(rig.Transfer(), folder.File("dump.bin")), kResultRadioNotDetected);
    EXPECT_FALSE(std::filesystem::exists(folder.File("dump.bin")));
    rig.radio.Plug();

    SaveDetail detail;
    EXPECT_EQ(ReadEepromToFile(rig.Transfer(), folder.File("no/such/dump.bin"), &detail), kResultOpenFileError);
    EXPECT_EQ(detail.reason, "No such file or directory");
    // A full disk is no open error: the file was made, filling it failed.
    SetWriteFaultHookForTesting([](std::size_t) { return false; });
    EXPECT_EQ(ReadEepromToFile(rig.Transfer(), folder.File("dump.bin"), &detail), kResultWriteFileError);
    SetWriteFaultHookForTesting({});
    EXPECT_EQ(detail.reason, "No space left on device");
    EXPECT_FALSE(std::filesystem::exists(folder.File("dump.bin")));
    ASSERT_EQ(ReadEepromToFile(rig.Transfer(), folder.File("dump.bin")), kResultOk);
    std::vector<uint8_t> dump;
    ASSERT_TRUE(ReadFileBytes(folder.File("dump.bin"), dump, 10000));
    EXPECT_EQ(dump, AsVector(image));
}

TEST(EepromFiles, OnlyAWholeEepromIsWrittenWhileALongerFileStillVerifies)
{
    ScratchFolder folder;
    EepromRig rig;
    std::vector<uint8_t> bytes = AsVector(RandomEeprom(4));
    ASSERT_EQ(WriteEeprom(rig.Transfer(), bytes), kResultOk);
    // A clone file (43816 bytes) typed for a dump, or any other size, is no dump to write.
    for (const std::size_t size : {std::size_t{8191}, std::size_t{8193}, std::size_t{43816}, std::size_t{0}}) {
        std::vector<uint8_t> file = bytes;
        file.resize(size, 0xEE);
        ASSERT_TRUE(WriteFileAtomically(folder.File("other.bin"), file.data(), file.size()));
        std::vector<uint8_t> loaded;
        EXPECT_EQ(LoadExactEepromFile(folder.File("other.bin"), loaded), kResultUnknownFormat) << size;
    }
    std::vector<uint8_t> loaded;
    ASSERT_TRUE(WriteFileAtomically(folder.File("exact.bin"), bytes.data(), bytes.size()));
    EXPECT_EQ(LoadExactEepromFile(folder.File("exact.bin"), loaded), kResultOk);
    EXPECT_EQ(loaded, bytes);
    EXPECT_EQ(LoadExactEepromFile(folder.File("missing.bin"), loaded), kResultOpenFileError);

    bytes.resize(9000, 0xEE);
    ASSERT_TRUE(WriteFileAtomically(folder.File("long.bin"), bytes.data(), bytes.size()));
    int differences = -1;
    EXPECT_EQ(VerifyEepromWithFile(rig.Transfer(), folder.File("long.bin"), differences), kResultOk);
    EXPECT_EQ(differences, 0);
}

TEST(EepromTransfer, StopEventCancelsWithBlocksWrittenSoFar)
{
    EepromRig rig;
    const EepromBytes image = RandomEeprom(5);
    rig.progress.onStep = [&](int steps) {
        if (steps == 100) rig.stopEvent.Set();
    };
    EXPECT_EQ(WriteEeprom(rig.Transfer(), AsVector(image)), kResultUserCancel);
    const EepromBytes after = rig.radio.Contents();
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + 2000, image.begin()));
    EXPECT_TRUE(AllEqual(after, 2020, after.size(), 0));
    EXPECT_EQ(rig.progress.calls.back(), "pos 0");
}

TEST(EepromTransfer, KeepProgressLeavesTheBarWhereTheTransferEnded)
{
    EepromRig rig;
    OperationContext run = rig.Transfer();
    run.keepProgress = true;
    std::vector<uint8_t> read;
    ASSERT_EQ(ReadEeprom(run, read), kResultOk);
    EXPECT_EQ(rig.progress.calls.size(), 3u + 410u);
    EXPECT_EQ(rig.progress.calls.back(), "+");
}

}  // namespace
}  // namespace qx::testing
