// Every way the window writes a radio goes through the gate: another boat's identity is replaced
// only on a deliberate Yes, a write that does not go keeps no backup, the radio stays held while
// the question is open, and a radio that another program holds is named and left alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "../support/records.h"
#include "backups/backup_store.h"
#include "files/file_system.h"
#include "gui/base/qt_window_services.h"
#include "gui/dialogs/backups_dialog.h"
#include "gui/dialogs/eeprom_tools_dialog.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "operations/radio_claim.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

constexpr const char* kOurs = "235012345";    // what the user writes
constexpr const char* kTheirs = "257012345";  // what the radio holds: another boat's (Norway)

EepromBytes Holding(const char* mmsi)
{
    EepromBytes bytes{};
    const IdentityBytes packed = *PackMmsi(mmsi);
    std::copy(packed.begin(), packed.end(), bytes.begin() + kAddrMmsi);
    bytes[kAddrMmsiPresent] = 1;
    return bytes;
}

bool HoldsMmsi(const EepromBytes& bytes, const char* mmsi)
{
    const IdentityBytes packed = *PackMmsi(mmsi);
    return bytes[kAddrMmsiPresent] == 1 && std::equal(packed.begin(), packed.end(), bytes.begin() + kAddrMmsi);
}

// A window whose radio is claimed as the program claims a real one: under a name of this test's
// own, with the lock files in this test's own runtime folder.
struct GateRig : WindowRig {
    std::optional<std::string> savedRuntime;
    std::string radioName;

    GateRig()
    {
        if (const char* v = std::getenv("XDG_RUNTIME_DIR")) savedRuntime = v;
        ::setenv("XDG_RUNTIME_DIR", folder.Path().c_str(), 1);
        radioName = "virtual:" + folder.File("radio.eeprom");
        environment.radioName = [name = radioName] { return name; };
        backups = true;
        radio.SetContents(Holding(kTheirs));
    }
    ~GateRig()
    {
        if (savedRuntime)
            ::setenv("XDG_RUNTIME_DIR", savedRuntime->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }
    std::string LockFile() const { return folder.File(ops::ClaimFileName(radioName)); }
    // Whether another program could take the radio now.
    bool RadioFree() const
    {
        const int handle = fsys::OpenLockFile(LockFile());
        bool busy = false;
        const bool locked = handle >= 0 && fsys::TryLockExclusive(handle, busy);
        if (handle >= 0) fsys::Close(handle);
        return locked;
    }
    std::vector<BackupEntry> Backups() const { return ListBackups(app.backupFolder.toStdString()); }
};

// Another program on the same radio, holding it.
struct OtherProgram {
    int handle;
    explicit OtherProgram(const GateRig& rig) : handle(fsys::OpenLockFile(rig.LockFile()))
    {
        bool busy = false;
        EXPECT_TRUE(fsys::TryLockExclusive(handle, busy));
        fsys::Overwrite(handle, "qx720 (process 4242)\n");
    }
    ~OtherProgram() { fsys::Close(handle); }
};

template <class Dialog>
QString RunDialog(GateRig& rig, Dialog& dialog, const std::function<void()>& start)
{
    rig.gate.open.Set();
    start();
    while (dialog.isBusy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    rig.gate.open.Reset();
    return dialog.statusText();
}

// One way of writing the radio from the window, with what it shows.
struct EntryPoint {
    const char* name;
    int questionsFirst;       // asked before the radio is read (a restore's own question)
    const char* written;      // the status once written (its start)
    const char* declined;     // after a No to the identity question
    const char* failed;       // after a failure
    const char* caption;      // of the failure's box
    std::size_t backupBytes;  // of the backup taken before the write
    std::function<void(GateRig&)> prepare;
    std::function<QString(GateRig&)> run;  // to its end; the status it shows
};

std::vector<EntryPoint> EntryPoints()
{
    return {
        {"Write to Radio", 0, "Write OK.", "Write cancelled: identity kept.", "Write Error.", "Write Error",
         static_cast<std::size_t>(kCloneRangeBackupBytes),
         [](GateRig& rig) {
             RadioSettings record = test::EuropeWithChannels(2);
             SetMmsiText(record, kOurs);
             record.mmsiByUser = 0;
             rig.W().Doc().Editor().Change({"Edit", {}}, record);
         },
         [](GateRig& rig) {
             rig.W().Clone().OnWriteToRadio();
             rig.WaitForRun();
             return rig.W().Status().Text();
         }},
        {"Backups / Restore to Radio", 1, "Restore OK.", "Restore cancelled: identity kept.", "Restore failed.",
         "Restore Error", static_cast<std::size_t>(kEepromSize),
         [](GateRig& rig) {
             const std::string folder = rig.app.backupFolder.toStdString();
             std::filesystem::create_directories(folder);
             const EepromBytes ours = Holding(kOurs);
             test::WriteAll(folder + "/qx720-backup-20261201-120000.bin", ours.data(), ours.size());
         },
         [](GateRig& rig) {
             ModelConfig options;
             ResetModelConfig(options);
             BackupsDialog dialog(nullptr, rig.app, options, rig.app.backupFolder);
             // The restore's own question is about the oldest backup, the one made above.
             dialog.list()->setCurrentItem(dialog.list()->topLevelItem(dialog.list()->topLevelItemCount() - 1));
             return RunDialog(rig, dialog, [&] { dialog.DoRestore(); });
         }},
        {"Eprom Tools / Write", 0, "Write OK!", "Write cancelled: identity kept.", "Write Error!", "Write Error",
         static_cast<std::size_t>(kEepromSize),
         [](GateRig& rig) {
             const EepromBytes ours = Holding(kOurs);
             test::WriteAll(rig.folder.File("ours.Bin"), ours.data(), ours.size());
         },
         [](GateRig& rig) {
             ModelConfig options;
             ResetModelConfig(options);
             EpromToolsDialog dialog(nullptr, rig.app, options);
             rig.services.openAnswers = {rig.File("ours.Bin")};
             return RunDialog(rig, dialog, [&] { dialog.DoWrite(); });
         }},
    };
}

enum class Answer { No, Default, Yes };

TEST(WriteGate, AnotherBoatsMmsiIsReplacedOnlyOnAYesAndOnlyAWriteKeepsABackup)
{
    for (const EntryPoint& entry : EntryPoints()) {
        for (const Answer answer : {Answer::No, Answer::Default, Answer::Yes}) {
            SCOPED_TRACE(std::string(entry.name) + " answered " + std::to_string(static_cast<int>(answer)));
            GateRig rig;
            rig.Open();
            entry.prepare(rig);
            const std::size_t before = rig.Backups().size();
            const EepromBytes theirs = rig.radio.Contents();

            rig.services.answers.assign(entry.questionsFirst, MsgAnswer::Yes);
            // Default: the script runs dry, as the box's default and Esc answer (No).
            if (answer == Answer::No) rig.services.answers.push_back(MsgAnswer::No);
            if (answer == Answer::Yes) rig.services.answers.push_back(MsgAnswer::Yes);
            int asked = 0;
            bool heldWhileAsked = false;
            rig.services.whileAsking = [&] {
                const test::RecordedBox& box = rig.services.boxes.back();
                if (!box.text.startsWith(QString("The radio holds MMSI %1").arg(kTheirs))) return;
                ++asked;
                EXPECT_EQ(box.buttons, MsgButtons::YesNoSafe);  // No is the default and Esc
                heldWhileAsked = !rig.RadioFree();
            };

            const QString status = entry.run(rig);
            EXPECT_EQ(asked, 1);
            EXPECT_TRUE(heldWhileAsked) << "the radio is held from its read to its write";
            EXPECT_TRUE(rig.RadioFree()) << "and let go at the end";
            const std::vector<BackupEntry> backups = rig.Backups();
            if (answer == Answer::Yes) {
                EXPECT_TRUE(status.startsWith(entry.written)) << status.toStdString();
                EXPECT_TRUE(HoldsMmsi(rig.radio.Contents(), kOurs));
                ASSERT_EQ(backups.size(), before + 1);
                EXPECT_EQ(backups[0].size, entry.backupBytes);
                EXPECT_EQ(backups[0].mmsi, kTheirs);
            } else {
                EXPECT_EQ(status, entry.declined);
                EXPECT_EQ(rig.radio.Contents(), theirs);
                EXPECT_EQ(backups.size(), before);
            }
        }
    }
}

TEST(WriteGate, ARadioHeldByAnotherProgramIsNamedAndLeftAlone)
{
    for (const EntryPoint& entry : EntryPoints()) {
        SCOPED_TRACE(entry.name);
        GateRig rig;
        rig.Open();
        entry.prepare(rig);
        const std::size_t before = rig.Backups().size();
        const EepromBytes theirs = rig.radio.Contents();
        OtherProgram other(rig);
        rig.services.answers.assign(entry.questionsFirst + 1, MsgAnswer::Yes);

        const QString status = entry.run(rig);
        EXPECT_EQ(status, entry.failed);
        ASSERT_EQ(rig.services.boxes.size(), static_cast<std::size_t>(entry.questionsFirst + 1));
        const test::RecordedBox& box = rig.services.boxes.back();
        EXPECT_EQ(box.caption, entry.caption);
        EXPECT_EQ(box.text, "The radio is in use by another program.\nProgram: qx720 (process 4242)");
        EXPECT_EQ(rig.radio.SentenceCount(), 0);
        EXPECT_EQ(rig.radio.Contents(), theirs);
        EXPECT_EQ(rig.Backups().size(), before);
    }
}

TEST(WriteGate, TheDesktopsQuestionBoxDefaultsToNoAndEscAnswersNo)
{
    QtWindowServices services;
    for (const int key : {Qt::Key_Escape, Qt::Key_Return}) {
        SCOPED_TRACE(key);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            seen = true;
            EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
            EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &press);
        });
        // Whatever happens above, the box does not stay open.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (QWidget* open = QApplication::activeModalWidget()) open->close();
        });
        guard.start(5000);
        EXPECT_FALSE(services.ConfirmRisk(nullptr, "The radio holds MMSI 257012345. Write over it?", "Write"));
        EXPECT_TRUE(seen);
    }
}

}  // namespace
}  // namespace qx
