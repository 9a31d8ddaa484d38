// The backups dialog against a folder of fake backups and the virtual radio.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
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
    test::WriteAll(rig.work.File("notes.txt"), "x", 1);

    BackupsDialog dialog(nullptr, rig.app, rig.options, rig.folder);
    EXPECT_EQ(dialog.windowTitle(), "Backups");
    QTreeWidget* list = dialog.findChild<QTreeWidget*>("backupList");
    ASSERT_EQ(list, dialog.list());
    QStringList header;
    for (int c = 0; c < list->columnCount(); ++c) header << list->headerItem()->text(c);
    EXPECT_EQ(header, QStringList({"Time", "MMSI", "Size", "File"}));

    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(Row(list, 0), QStringList({"2026-12-07 09:05:03", "-", "8192", Native(newest)}));
    EXPECT_EQ(Row(list, 1), QStringList({"2026-12-06 12:00:00", "-", "100", Native(shortOne)}));
    EXPECT_EQ(Row(list, 2), QStringList({"2026-12-05 18:00:00", "235012345", "8192", Native(older)}));
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
    EXPECT_EQ(dialog.statusText(), "Restore OK.");
    EXPECT_EQ(rig.radio.Contents(), dump);

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
    EXPECT_EQ(rig.services.boxes[3].text,
              QString::fromStdString(shortOne + " is not a whole backup: it holds fewer than 8192 bytes"));
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
    EXPECT_EQ(dialog.statusText(), "Restore OK.");
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
    // The radio's own contents were kept first, as before every write.
    const std::vector<BackupEntry> kept = ListBackups(rig.folder.toStdString());
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_TRUE(kept[0].mmsi == "257012345" || kept[1].mmsi == "257012345");

    rig.services.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    dialog.DoRestore();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Restore OK.");
    EXPECT_EQ(rig.radio.Contents(), theirs);
}

}  // namespace
}  // namespace qx
