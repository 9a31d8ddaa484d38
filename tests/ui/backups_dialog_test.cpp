// The backups dialog against a folder of fake backups and the virtual radio.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include "../support/temp_dir.h"
#include "backups/backup_store.h"
#include "dialog_rig.h"
#include "gui/base/radio_job_runner.h"
#include "gui/dialogs/backups_dialog.h"
#include "gui/dialogs/service_dialogs.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "operations/eeprom_operations.h"
#include "scripted_services.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace qx {
namespace {

using test::ScriptedServices;
using test::TempDir;

struct BackupsRig : test::DialogRig {
    TempDir& work = DialogRig::folder;
    QString folder = QString::fromStdString(work.Path());
    ModelConfig options = [] {
        ModelConfig config;
        ResetModelConfig(config);
        return config;
    }();

    // The radio holds no identity unless a test gives it one.
    BackupsRig() : DialogRig("backups-ui")
    {
        // Names the backups a restore takes.
        environment.clock = [] { return LocalTime{2026, 12, 7, 9, 5, 3, 120}; };
        EepromBytes contents{};
        contents.fill(0x3C);
        contents[kAddrAtisPresent] = 0;
        contents[kAddrMmsiPresent] = 0;
        radio.SetContents(contents);
    }

    // A backup named for `stamp` ("YYYYMMDD-HHMMSS[-N]") holding `bytes` whole or its first `size`.
    std::string Put(const std::string& stamp, const EepromBytes& bytes, std::size_t size = kEepromSize)
    {
        const std::string path = work.File("qx720-backup-" + stamp + ".bin");
        test::WriteAll(path, bytes.data(), size);
        return path;
    }
    // A backup of the clone range of `bytes`, as a write takes it.
    std::string PutRange(const std::string& stamp, const EepromBytes& bytes)
    {
        const std::string path = work.File("qx720-backup-" + stamp + ".bin");
        test::WriteAll(path, bytes.data() + kCloneFirst, kCloneRangeBackupBytes);
        return path;
    }
};

EepromBytes Dump(uint8_t seed, const char* mmsi)
{
    EepromBytes bytes{};
    for (int i = 0; i < kEepromSize; ++i) bytes[i] = static_cast<uint8_t>((i * 7 + seed) & 0xFF);
    bytes[kAddrMmsiPresent] = mmsi != nullptr ? 1 : 0;
    if (mmsi != nullptr) {
        const IdentityBytes packed = *PackMmsi(mmsi);
        std::copy(packed.begin(), packed.end(), bytes.begin() + kAddrMmsi);
    }
    return bytes;
}

constexpr int kKindColumnInTest = 2;
constexpr int kFileColumnInTest = 4;

QStringList Row(const QTreeWidget* list, int row)
{
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c) texts << list->topLevelItem(row)->text(c);
    return texts;
}

QString Native(const std::string& path) { return QDir::toNativeSeparators(QString::fromStdString(path)); }

void Finish(BackupsDialog& dialog)
{
    while (dialog.isBusy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST(BackupsDialog, ListsTheBackupsNewestFirstWithTheirColumns)
{
    BackupsRig rig;
    const std::string older = rig.Put("20261205-180000", Dump(1, "235012345"));
    const std::string newest = rig.Put("20261207-090503", Dump(2, nullptr));
    const std::string shortOne = rig.Put("20261206-120000", Dump(3, "235012345"), 100);
    const std::string range = rig.PutRange("20261206-110000", Dump(4, "211234567"));
    test::WriteAll(rig.work.File("notes.txt"), "x", 1);

    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    EXPECT_EQ(dialog.windowTitle(), "Backups");
    QTreeWidget* list = dialog.findChild<QTreeWidget*>("backupList");
    ASSERT_EQ(list, dialog.list());
    QStringList header;
    for (int c = 0; c < list->columnCount(); ++c) header << list->headerItem()->text(c);
    EXPECT_EQ(header, QStringList({"Time", "MMSI", "Kind", "Size", "File"}));

    ASSERT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(Row(list, 0), QStringList({"2026-12-07 09:05:03", "-", "Whole EEPROM", "8192", Native(newest)}));
    EXPECT_EQ(Row(list, 1), QStringList({"2026-12-06 12:00:00", "-", "Unknown", "100", Native(shortOne)}));
    EXPECT_EQ(Row(list, 2), QStringList({"2026-12-06 11:00:00", "211234567", "Settings", "1536", Native(range)}));
    EXPECT_EQ(Row(list, 3), QStringList({"2026-12-05 18:00:00", "235012345", "Whole EEPROM", "8192", Native(older)}));
    // The newest is chosen, ready to open or restore.
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_TRUE(dialog.findChild<QPushButton*>("openBackup")->isEnabled());
    EXPECT_TRUE(dialog.findChild<QPushButton*>("restoreBackup")->isEnabled());
    EXPECT_TRUE(dialog.findChild<QLabel*>("noBackups")->isHidden());
}

TEST(BackupsDialog, AnEmptyFolderSaysSoAndOffersNothingToOpen)
{
    BackupsRig rig;
    for (const QString& folder : {rig.folder, QString::fromStdString(rig.work.File("never-made"))}) {
        BackupsDialog dialog(nullptr, rig.app, rig.options, folder);
        const QLabel* empty = dialog.findChild<QLabel*>("noBackups");
        EXPECT_FALSE(empty->isHidden());
        EXPECT_EQ(empty->text(), "No backups yet. One is made before every write to the radio.");
        EXPECT_TRUE(dialog.list()->isHidden());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("openBackup")->isEnabled());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("restoreBackup")->isEnabled());
        EXPECT_TRUE(dialog.closeButton()->isEnabled());
        dialog.DoOpen();
        dialog.DoRestore();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(rig.services.boxes.empty());
    }
}

TEST(BackupsDialog, OpenHandsTheChosenBackupsPathToTheCaller)
{
    BackupsRig rig;
    rig.Put("20261207-090503", Dump(2, nullptr));
    const std::string older = rig.Put("20261205-180000", Dump(1, "235012345"));

    // Through the entry point the window calls, with the dialog running modally.
    QString opened = "untouched";
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<BackupsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
        dialog->findChild<QPushButton*>("openBackup")->click();
    });
    EXPECT_EQ(RunBackupsDialog(nullptr, rig.app, rig.options, rig.folder, opened), QDialog::Accepted);
    EXPECT_EQ(opened, QString::fromStdString(older));

    // Closed without a choice: the caller's path stays as it was.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(RunBackupsDialog(nullptr, rig.app, rig.options, rig.folder, opened), QDialog::Rejected);
    EXPECT_EQ(opened, QString::fromStdString(older));
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
}

TEST(BackupsDialog, RestoreAnsweredNoWritesNothing)
{
    BackupsRig rig;
    rig.Put("20261207-090503", Dump(1, "235012345"));
    const EepromBytes before = rig.radio.Contents();

    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    rig.services.answers = {MsgAnswer::No};
    dialog.DoRestore();
    EXPECT_FALSE(dialog.isBusy());
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text,
              "Write the backup of 2026-12-07 09:05:03 (MMSI 235012345) back to the radio? The radio's whole memory "
              "is replaced by it.");
    EXPECT_EQ(rig.services.boxes[0].buttons, MsgButtons::YesNoSafe);  // No is the default
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
    EXPECT_EQ(rig.radio.Contents(), before);
    EXPECT_EQ(dialog.statusText(), "Ready.");
}

TEST(BackupsDialog, RestoreAnsweredYesWritesTheWholeDumpWithTheButtonsLocked)
{
    BackupsRig rig;
    const EepromBytes dump = Dump(9, nullptr);
    rig.Put("20261207-090503", dump);

    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    int highest = 0;
    QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, [&](int v) { highest = std::max(highest, v); });
    struct {
        bool seen = false, open = true, restore = true, close = false, jobRunning = false;
        QString closeText;
    } during;
    QTimer::singleShot(0, [&] {
        during.seen = true;
        during.open = dialog.findChild<QPushButton*>("openBackup")->isEnabled();
        during.restore = dialog.findChild<QPushButton*>("restoreBackup")->isEnabled();
        during.close = dialog.closeButton()->isEnabled();
        during.closeText = dialog.closeButton()->text();
        during.jobRunning = rig.radioJobs.IsRunning();
    });

    rig.services.answers = {MsgAnswer::Yes};
    dialog.DoRestore();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text,
              "Write the backup of 2026-12-07 09:05:03 (MMSI none) back to the radio? The radio's whole memory is "
              "replaced by it.");
    // The way back names the backup taken just before, which the list now shows.
    EXPECT_EQ(dialog.statusText(),
              "Restore OK. The radio's previous contents were saved to qx720-backup-20261207-090503-2.bin.");
    EXPECT_EQ(rig.radio.Contents(), dump);
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 2);

    EXPECT_TRUE(during.seen);
    EXPECT_FALSE(during.open);
    EXPECT_FALSE(during.restore);
    EXPECT_TRUE(during.close);
    EXPECT_EQ(during.closeText, "Stop");
    EXPECT_TRUE(during.jobRunning);

    EXPECT_EQ(highest, kEepromTransferBlocks);
    EXPECT_EQ(dialog.progressBar()->value(), 0);
    EXPECT_EQ(dialog.closeButton()->text(), "Close");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("restoreBackup")->isEnabled());
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    EXPECT_EQ(rig.services.waitCursorDepth, 0);
}

TEST(BackupsDialog, AFailedRestoreShowsWhyAndAShortBackupIsNeverSent)
{
    BackupsRig rig;
    rig.Put("20261207-090503", Dump(9, nullptr));
    const std::string shortOne = rig.Put("20261206-120000", Dump(3, nullptr), kEepromSize - 1);

    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    rig.radio.Unplug();
    rig.services.answers = {MsgAnswer::Yes};
    dialog.DoRestore();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 2u);
    EXPECT_EQ(rig.services.boxes[1].text, QString::fromStdString(DescribeResult(kResultRadioNotDetected)));
    EXPECT_EQ(rig.services.boxes[1].caption, "Restore Error");
    EXPECT_EQ(rig.services.boxes[1].icon, MsgIcon::Warning);
    EXPECT_EQ(dialog.statusText(), "Restore failed.");

    rig.radio.Plug();
    rig.radio.ClearLog();
    const EepromBytes before = rig.radio.Contents();
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    rig.services.answers = {MsgAnswer::Yes};
    dialog.DoRestore();
    EXPECT_FALSE(dialog.isBusy());
    ASSERT_EQ(rig.services.boxes.size(), 4u);
    EXPECT_TRUE(rig.services.boxes[3].text.startsWith(QString::fromStdString(shortOne + " is not a backup")));
    EXPECT_EQ(rig.services.boxes[3].caption, "Restore Error");
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
    EXPECT_EQ(rig.radio.Contents(), before);
}

TEST(BackupsDialog, EscDuringARestoreLetsItFinish)
{
    BackupsRig rig;
    const EepromBytes dump = Dump(9, nullptr);
    rig.Put("20261207-090503", dump);

    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    int closed = 0;
    QObject::connect(&dialog, &QDialog::rejected, [&] { ++closed; });
    bool wasBusy = false;
    QTimer::singleShot(0, [&] {
        wasBusy = dialog.isBusy();
        dialog.reject();  // Esc or the close box
    });
    rig.services.answers = {MsgAnswer::Yes};
    dialog.DoRestore();
    Finish(dialog);
    EXPECT_TRUE(wasBusy);
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(dialog.statusText().startsWith("Restore OK."));
    EXPECT_EQ(rig.radio.Contents(), dump);
    dialog.reject();
    EXPECT_EQ(closed, 1);
}

TEST(BackupsDialog, DestroyedDuringARestoreStopsItAndWaitsWithoutBoxes)
{
    BackupsRig rig;
    rig.Put("20261207-090503", Dump(9, nullptr));
    {
        BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
        rig.services.answers = {MsgAnswer::Yes};
        dialog.DoRestore();
        ASSERT_TRUE(dialog.isBusy());
    }
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    EXPECT_EQ(rig.services.waitCursorDepth, 0);
    EXPECT_EQ(rig.services.boxes.size(), 1u);  // the question only
}

TEST(BackupsDialog, ARestoreBacksTheRadioUpAndAsksBeforeReplacingItsMmsi)
{
    BackupsRig rig;
    const EepromBytes theirs = Dump(3, "235012345");
    rig.Put("20261207-090503", theirs);
    EepromBytes ours = Dump(5, "257012345");
    rig.radio.SetContents(ours);

    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    rig.services.answers = {MsgAnswer::Yes, MsgAnswer::No};
    dialog.DoRestore();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 2u);
    EXPECT_EQ(rig.services.boxes[1].text.toStdString(),
              "The radio holds MMSI 257012345 (Norway). Write MMSI 235012345 (United Kingdom of Great Britain and "
              "Northern Ireland) over it?");
    EXPECT_EQ(rig.services.boxes[1].buttons, MsgButtons::YesNoSafe);
    EXPECT_EQ(dialog.statusText(), "Restore cancelled: identity kept.");
    EXPECT_EQ(rig.radio.Contents(), ours);
    EXPECT_EQ(ListBackups(rig.folder.toStdString()).size(), 1u);  // a declined restore keeps nothing

    rig.services.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    dialog.DoRestore();
    Finish(dialog);
    EXPECT_TRUE(dialog.statusText().startsWith("Restore OK."));
    EXPECT_EQ(rig.radio.Contents(), theirs);
    // The radio's own contents were kept first, as before every write.
    const std::vector<BackupEntry> kept = ListBackups(rig.folder.toStdString());
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_TRUE(kept[0].mmsi == "257012345" || kept[1].mmsi == "257012345");
}

TEST(BackupsDialog, ACloneRangeBackupIsRestoredByteForByteAndNothingElse)
{
    BackupsRig rig;
    const EepromBytes before = Dump(5, "235012345");
    rig.radio.SetContents(before);
    const EepromBytes saved = Dump(8, "235012345");  // the same boat, other settings
    rig.PutRange("20261201-080000", saved);

    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    rig.services.answers = {MsgAnswer::Yes};
    dialog.DoRestore();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text,
              "Write the backup of 2026-12-01 08:00:00 (MMSI 235012345) back to the radio? The radio's settings "
              "are replaced by it.");
    EXPECT_EQ(dialog.statusText(),
              "Restore OK. The radio's previous contents were saved to qx720-backup-20261207-090503.bin.");

    EepromBytes expected = before;
    std::copy(saved.begin() + kCloneFirst, saved.begin() + kCloneLast + 1, expected.begin() + kCloneFirst);
    EXPECT_EQ(rig.radio.Contents(), expected);
    // What the restore replaced is kept as a clone range backup of its own, and listed.
    const std::vector<BackupEntry> list = ListBackups(rig.folder.toStdString());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].size, static_cast<std::uintmax_t>(kCloneRangeBackupBytes));
    const std::vector<char> kept = test::ReadAll(list[0].path);
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), before.begin() + kCloneFirst,
                           [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; }));
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 2);
    EXPECT_EQ(Row(dialog.list(), 0)[kKindColumnInTest], "Settings");
}

TEST(BackupsDialog, ABackupWrittenWhileItIsOpenIsListed)
{
    BackupsRig rig;
    rig.Put("20261205-180000", Dump(1, nullptr));
    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    const QString chosen = dialog.list()->currentItem()->text(kFileColumnInTest);
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 1);

    // Another program's write (the command line's) lands in the folder.
    rig.PutRange("20261207-100000", Dump(2, nullptr));
    QElapsedTimer clock;
    clock.start();
    while (dialog.list()->topLevelItemCount() < 2 && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(dialog.list()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.list()->currentItem()->text(kFileColumnInTest), chosen);  // the choice stays
}

}  // namespace
}  // namespace qx
