// The one gate every change of a radio passes: consent, backups, claims, against the virtual radio.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "backups/backup_store.h"
#include "clone/clone_fixture.h"
#include "files/atomic_file.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "operations/radio_gate.h"
#include "operations/radio_operations.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> AsVector(const EepromBytes& bytes) { return {bytes.begin(), bytes.end()}; }

RadioSettings Record(const std::string& mmsi, int byUser = -1)
{
    RadioSettings record{};
    ResetSettings(record, 0);
    record.mmsiByUser = byUser >= 0 ? byUser : mmsi.empty() ? 1 : 0;
    SetMmsiText(record, mmsi);
    return record;
}

struct GateRig : testing::CloneRig {
    test::TempDir dir{"gate"};
    OperationContext Context() { return OperationContext{environment, &options, &progress, {}}; }
    ops::BackupPlan Plan(ops::BackupKind kind = ops::BackupKind::Written)
    {
        ops::BackupPlan plan;
        plan.kind = kind;
        plan.folder = dir.File("backups");
        plan.time = LocalTime{2026, 12, 8, 10, 0, 0, 0};
        return plan;
    }
    std::size_t BackupCount() const
    {
        std::error_code ec;
        std::size_t n = 0;
        for (fs::directory_iterator it(dir.File("backups"), ec), end; !ec && it != end; it.increment(ec)) ++n;
        return n;
    }
    std::vector<uint8_t> Eeprom() const { return AsVector(radio.Contents()); }
};

enum class Entry { Write, EepromWrite, RestoreClonePart };
enum class Say { Keep, AskNo, AskYes, Replace };

ops::RadioChange ChangeFor(Entry entry, const std::string& mmsi)
{
    const std::vector<uint8_t> dump = AsVector(testing::HoldingMmsi(mmsi, 0x11));
    switch (entry) {
    case Entry::Write: return ops::RadioChange::Record(Record(mmsi), 0);
    case Entry::EepromWrite: return ops::RadioChange::Bytes(0, dump);
    case Entry::RestoreClonePart: break;
    }
    return ops::RadioChange::Bytes(kCloneFirst,
                                   std::vector<uint8_t>(dump.begin() + kCloneFirst, dump.begin() + kCloneLast + 1));
}

TEST(RadioGate, AnotherBoatsMmsiIsReplacedOnlyWithConsentAndARefusalKeepsNoBackup)
{
    for (const Entry entry : {Entry::Write, Entry::EepromWrite, Entry::RestoreClonePart}) {
        for (const Say say : {Say::Keep, Say::AskNo, Say::AskYes, Say::Replace}) {
            SCOPED_TRACE(::testing::Message()
                         << "entry " << static_cast<int>(entry) << ", say " << static_cast<int>(say));
            GateRig rig;
            const EepromBytes before = testing::HoldingMmsi("257012345", 0xA5);
            rig.radio.SetContents(before);
            int asked = 0;
            const ops::Consent consent = say == Say::Keep      ? ops::Consent::Keep()
                                         : say == Say::Replace ? ops::Consent::Replace()
                                                               : ops::Consent::Ask([&](const auto& replaced) {
                                                                     ++asked;
                                                                     EXPECT_EQ(replaced.at(0).held, "257012345");
                                                                     EXPECT_EQ(replaced.at(0).written, "235012345");
                                                                     return say == Say::AskYes;
                                                                 });
            const ops::ChangeOutcome out = ops::ChangeRadio(rig.Context(), ChangeFor(entry, "235012345"), rig.Plan(),
                                                            consent);
            EXPECT_EQ(asked, say == Say::AskNo || say == Say::AskYes ? 1 : 0);
            const bool goes = say == Say::AskYes || say == Say::Replace;
            EXPECT_EQ(out.refused, !goes);
            EXPECT_EQ(out.sent, goes);
            if (!goes) {
                EXPECT_EQ(out.code, kResultUserCancel);
                EXPECT_EQ(rig.radio.Contents(), before) << "nothing was sent";
                EXPECT_EQ(rig.BackupCount(), 0u) << "a radio left alone needs no backup";
                continue;
            }
            ASSERT_TRUE(out.Ok()) << DescribeResult(out.code);
            EXPECT_EQ(ImageIdentities(rig.Eeprom()).mmsi, "235012345");
            // The backup holds exactly what the change replaced.
            std::vector<uint8_t> kept;
            ASSERT_TRUE(ReadFileBytes(out.backup.path, kept, 1 << 16));
            const int first = entry == Entry::EepromWrite ? 0 : kCloneFirst;
            const int end = entry == Entry::EepromWrite ? kEepromSize : kCloneLast + 1;
            EXPECT_EQ(out.backupFirst, first);
            EXPECT_EQ(kept, std::vector<uint8_t>(before.begin() + first, before.begin() + end));
        }
    }
}

TEST(RadioGate, AWriteBacksUpOnlyWhatItReplacesAndThatBackupPutsTheRadioBack)
{
    for (const ops::BackupKind kind : {ops::BackupKind::Written, ops::BackupKind::Whole}) {
        GateRig rig;
        EepromBytes before = testing::HoldingMmsi("257012345", 0);
        for (int i = 0; i < kEepromSize; ++i)
            if (i < kAddrMmsiPresent || i > kAddrMmsi + 5) before[i] = static_cast<uint8_t>(i * 7 + 3);
        rig.radio.SetContents(before);
        const ops::ChangeOutcome written = ops::ChangeRadio(
            rig.Context(), ops::RadioChange::Record(Record("257012345"), 0), rig.Plan(kind), ops::Consent::Keep());
        ASSERT_TRUE(written.Ok()) << DescribeResult(written.code);
        ASSERT_NE(rig.Eeprom(), AsVector(before));
        // The default reads 77 blocks, not 410: a write takes a third of the time it did.
        const int reads = kind == ops::BackupKind::Written ? 77 : 410;
        EXPECT_EQ(rig.radio.SentenceCount(), 1 + reads + 1 + 77);

        std::vector<uint8_t> dump;
        std::string problem;
        int first = -1;
        ASSERT_TRUE(LoadBackupDump(written.backup.path, dump, problem, &first)) << problem;
        EXPECT_EQ(first, kind == ops::BackupKind::Written ? kCloneFirst : 0);
        EXPECT_EQ(DumpMmsi(dump), "257012345");
        const ops::ChangeOutcome restored = ops::ChangeRadio(rig.Context(), ops::RadioChange::Bytes(first, dump),
                                                             rig.Plan(), ops::Consent::Keep());
        ASSERT_TRUE(restored.Ok()) << DescribeResult(restored.code);
        EXPECT_EQ(rig.Eeprom(), AsVector(before)) << "byte for byte";
    }
}

TEST(RadioGate, NothingIsSentWithoutACompleteFirstStepOrAKeptBackup)
{
    GateRig rig;
    const EepromBytes before = testing::HoldingMmsi("257012345", 0xA5);
    rig.radio.SetContents(before);
    const ops::RadioChange change = ops::RadioChange::Record(Record("257012345"), 0);
    struct Case {
        const char* name;
        std::function<void()> arrange, undo;
        CloneResult code;
    };
    const Case cases[] = {
        {"full disk", [] { SetWriteFaultHookForTesting([](std::size_t) { return false; }); },
         [] { SetWriteFaultHookForTesting({}); }, kResultWriteFileError},
        {"unplugged while read",
         [&] {
             RadioFaults faults;
             faults.unplugAfter = 30;
             rig.radio.SetFaults(faults);
         },
         [&] {
             rig.radio.SetFaults({});
             rig.radio.Plug();
         },
         kResultRadioNotDetected},
        {"stopped", [&] { rig.stopEvent.Set(); }, [&] { rig.stopEvent.Reset(); }, kResultUserCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        const ops::ChangeOutcome out = ops::ChangeRadio(rig.Context(), change, rig.Plan(), ops::Consent::Replace());
        c.undo();
        EXPECT_EQ(out.code, c.code);
        EXPECT_FALSE(out.sent);
        EXPECT_EQ(rig.radio.Contents(), before);
        EXPECT_EQ(rig.BackupCount(), 0u);
    }
    // A change that does not fit the EEPROM is refused before the radio is asked anything.
    rig.radio.ClearLog();
    for (const auto& [first, size] : {std::pair{8000, 200}, std::pair{-1, 10}, std::pair{0, 0}}) {
        const ops::ChangeOutcome out = ops::ChangeRadio(rig.Context(),
                                                        ops::RadioChange::Bytes(first, std::vector<uint8_t>(size)),
                                                        rig.Plan(), ops::Consent::Replace());
        EXPECT_EQ(out.code, kResultParameterError);
    }
    // Nor is a record without the options that encode it; no progress bar is no reason to fail.
    OperationContext bare = rig.Context();
    bare.options = nullptr;
    EXPECT_EQ(ops::ChangeRadio(bare, change, rig.Plan(), ops::Consent::Replace()).code, kResultParameterError);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
    OperationContext silent = rig.Context();
    silent.progress = nullptr;
    EXPECT_TRUE(ops::ChangeRadio(silent, change, rig.Plan(), ops::Consent::Replace()).Ok());
}

TEST(RadioGate, ATickedEntryByUserBoxSendsNoNumber)
{
    // A coast station's number, or the one read before, kept under a ticked box.
    for (const std::string hidden : {"001234567", "235012345"}) {
        GateRig rig;
        rig.radio.SetContents(testing::HoldingMmsi("257012345", 0xA5));
        const RadioSettings record = Record(hidden, 1);
        const ops::ChangeOutcome refused = ops::ChangeRadio(rig.Context(), ops::RadioChange::Record(record, 0),
                                                            rig.Plan(), ops::Consent::Keep());
        ASSERT_TRUE(refused.refused);
        EXPECT_EQ(refused.replaced.at(0).written, "") << "the write clears the radio's MMSI: that is asked";

        rig.radio.SetContents(EepromBytes{});
        ASSERT_TRUE(
            ops::ChangeRadio(rig.Context(), ops::RadioChange::Record(record, 0), rig.Plan(), ops::Consent::Keep())
                .Ok());
        EXPECT_EQ(rig.radio.Contents()[kAddrMmsiPresent], 0);
        EXPECT_EQ(ImageIdentities(rig.Eeprom()).mmsi, "");
    }
}

// A run claims its radio against other programs: a second is refused at once and told who holds
// it; a holder that dies lets the radio go.
TEST(RadioClaim, ASecondProgramIsRefusedUntilTheHolderEndsOrDies)
{
    test::TempDir runtime{"runtime"};
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string restore = saved != nullptr ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    GateRig rig;
    rig.environment.radioName = [] { return std::string("virtual:/boats/one.bin"); };

    for (const bool dies : {false, true}) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const ops::RadioClaim held = ops::ClaimRadio(rig.environment);
            const char byte = held.Ok() ? 'y' : 'n';
            (void)!::write(ready[1], &byte, 1);
            ::pause();  // until killed
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ASSERT_EQ(byte, 'y');
        rig.radio.ClearLog();

        const ops::Outcome refused = ops::HandShake(rig.Context());
        EXPECT_EQ(refused.code, kResultRadioInUse);
        EXPECT_EQ(DescribeResult(refused.code), "The radio is in use by another program.");
        EXPECT_NE(refused.reason.find("process " + std::to_string(child)), std::string::npos) << refused.reason;
        EXPECT_EQ(rig.radio.SentenceCount(), 0);
        const ops::ChangeOutcome write = ops::ChangeRadio(rig.Context(), ops::RadioChange::Record(Record(""), 0),
                                                          rig.Plan(), ops::Consent::Replace());
        EXPECT_EQ(write.code, kResultRadioInUse);
        EXPECT_EQ(rig.BackupCount(), 0u);

        ::kill(child, dies ? SIGKILL : SIGTERM);
        ::waitpid(child, nullptr, 0);
        EXPECT_TRUE(ops::HandShake(rig.Context()).Ok());
    }
    // Within one program the claims of one run nest; another radio is another lock.
    const ops::RadioClaim outer = ops::ClaimRadio(rig.environment);
    EXPECT_TRUE(outer.Ok());
    EXPECT_TRUE(ops::HandShake(rig.Context()).Ok());
    EXPECT_NE(ops::ClaimFileName("virtual:/a b"), ops::ClaimFileName("virtual:/a_b"));
    if (saved != nullptr)
        ::setenv("XDG_RUNTIME_DIR", restore.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace qx
