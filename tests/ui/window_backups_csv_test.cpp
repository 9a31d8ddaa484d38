// The window's backup before Write, File / Backups... and the private channels as CSV.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QSettings>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "../support/records.h"
#include "backups/backup_store.h"
#include "channels/channel_csv.h"
#include "gui/dialogs/channel_setup_dialog.h"
#include "model/radio_image.h"
#include "operations/eeprom_operations.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

EepromBytes Pattern()
{
    EepromBytes bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

RadioSettings EuropeWith(int channels) { return test::EuropeWithChannels(channels, '2'); }

void OpenRecord(WindowRig& rig, const RadioSettings& record)
{
    rig.services.openAnswers.push_back(rig.SaveRecord(record, "boat.dat"));
    rig.W().Files().OnOpen();
}

TEST(WindowBackup, AWriteFirstKeepsTheRadioAsItWas)
{
    WindowRig rig;
    rig.backups = true;
    rig.Open();
    EXPECT_TRUE(rig.Action("backupBeforeWrite")->isChecked());
    const EepromBytes previous = Pattern();
    rig.radio.SetContents(previous);

    rig.W().Clone().OnWriteToRadio();
    EXPECT_EQ(rig.W().Status().Text(), "Backing up the radio...");
    // The second stage shows once the backup is made.
    rig.RunToWriteStage();
    EXPECT_EQ(rig.W().Status().Text(), "Writing...");
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
    const std::vector<BackupEntry> list = ListBackups(rig.app.backupFolder.toStdString());
    ASSERT_EQ(list.size(), 1u);
    // What the write replaces: the clone range, as the radio held it.
    const std::vector<uint8_t> kept = FileBytes(list[0].path);
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(kCloneRangeBackupBytes));
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), previous.begin() + kCloneFirst));
    EXPECT_NE(rig.radio.Contents(), previous);  // and then the write went on

    // Turned off: the next write makes no backup.
    rig.Action("backupBeforeWrite")->setChecked(false);
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    EXPECT_EQ(ListBackups(rig.app.backupFolder.toStdString()).size(), 1u);
}

TEST(WindowBackup, TheWholeEepromIsKeptOnlyWhenAskedFor)
{
    const struct {
        bool whole;
        std::size_t bytes;  // of the backup file
        int first;          // the radio's address of its first byte
        int steps;          // the progress bar's scale while it is taken
    } cases[] = {
        {false, static_cast<std::size_t>(kCloneRangeBackupBytes), kCloneFirst, 77},
        {true, static_cast<std::size_t>(kEepromSize), 0, kEepromTransferBlocks},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.whole);
        WindowRig rig;
        rig.backups = true;
        rig.Open();
        rig.Action("wholeBackup")->setChecked(c.whole);
        const EepromBytes previous = Pattern();
        rig.radio.SetContents(previous);
        int firstScale = 0;
        QProgressBar* progress = rig.Only<QProgressBar>();
        QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
            if (value == 1 && firstScale == 0) firstScale = progress->maximum();
        });
        rig.W().Clone().OnWriteToRadio();
        rig.WaitForRun();
        EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
        EXPECT_EQ(firstScale, c.steps);
        const std::vector<BackupEntry> list = ListBackups(rig.app.backupFolder.toStdString());
        ASSERT_EQ(list.size(), 1u);
        const std::vector<uint8_t> kept = FileBytes(list[0].path);
        ASSERT_EQ(kept.size(), c.bytes);
        EXPECT_TRUE(std::equal(kept.begin(), kept.end(), previous.begin() + c.first));
    }
}

TEST(WindowBackup, TheChoicesAreKeptAcrossRuns)
{
    WindowRig rig;
    QSettings settings(rig.File("settings.ini"), QSettings::IniFormat);
    rig.app.settings = &settings;
    {
        MainWindow first(rig.app);
        EXPECT_TRUE(test::Action(first, "backupBeforeWrite")->isChecked());  // on unless turned off
        EXPECT_FALSE(test::Action(first, "wholeBackup")->isChecked());       // off unless turned on
        EXPECT_TRUE(test::Action(first, "wholeBackup")->isEnabled());
        test::Action(first, "wholeBackup")->trigger();
        test::Action(first, "backupBeforeWrite")->trigger();
        // What a backup keeps cannot be chosen while none is taken.
        EXPECT_FALSE(test::Action(first, "wholeBackup")->isEnabled());
        first.reject();
    }
    MainWindow second(rig.app);
    EXPECT_FALSE(test::Action(second, "backupBeforeWrite")->isChecked());
    EXPECT_TRUE(test::Action(second, "wholeBackup")->isChecked());
    EXPECT_FALSE(test::Action(second, "wholeBackup")->isEnabled());
    second.reject();
}

TEST(WindowBackup, NoBackupNoWrite)
{
    WindowRig rig;
    rig.backups = true;
    // The backups "folder" is a file: no backup can be made there.
    std::ofstream(rig.folder.File("blocker")) << "x";
    rig.app.backupFolder = rig.File("blocker");
    rig.Open();
    rig.radio.SetContents(Pattern());

    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.radio.Contents(), Pattern());
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].caption, "Write Error");
    EXPECT_TRUE(
        rig.services.boxes[0].text.startsWith("No backup of the radio could be made, so nothing was written to it.\n"));
    EXPECT_EQ(rig.W().Status().Text(), "Write Error.");
}

TEST(WindowBackup, ARadioThatFailsTheBackupGetsItsOwnBox)
{
    WindowRig rig(true);  // plugged in, but refused to this user
    rig.backups = true;
    rig.Open();
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    const test::RecordedBox& box = rig.services.boxes[0];
    EXPECT_EQ(box.caption, "Write Error");
    EXPECT_TRUE(box.text.startsWith(QString::fromStdString(DescribeResult(kResultRadioNotDetected))));
    EXPECT_TRUE(box.text.contains(kPermissionDeniedHint));
    EXPECT_EQ(box.informative, "Nothing was written to the radio: it was being backed up first.");
}

TEST(WindowBackup, NoFolderForBackupsNoWrite)
{
    // Neither variable gives a folder; both come back as they were.
    struct SavedVariable {
        const char* name;
        std::optional<std::string> value;
        explicit SavedVariable(const char* n) : name(n)
        {
            if (const char* v = std::getenv(n)) value = v;
            ::unsetenv(n);
        }
        ~SavedVariable()
        {
            if (value) ::setenv(name, value->c_str(), 1);
        }
    } home("HOME"), data("XDG_DATA_HOME");
    WindowRig rig;
    rig.backups = true;
    rig.app.backupFolder.clear();
    rig.Open();
    rig.radio.SetContents(Pattern());
    rig.W().Clone().OnWriteToRadio();
    EXPECT_FALSE(rig.W().Clone().IsRunning());
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_TRUE(rig.services.boxes[0].text.startsWith("No backups folder"));
    EXPECT_EQ(rig.radio.Contents(), Pattern());
}

TEST(WindowBackup, StoppedDuringTheBackupWritesNothingAndKeepsNoBackup)
{
    WindowRig rig;
    rig.backups = true;
    rig.Open();
    auto* writeButton = rig.Find<QPushButton>("Write to Radio");
    rig.radio.SetContents(Pattern());
    rig.W().Clone().OnWriteToRadio();
    rig.W().Clone().OnWriteToRadio();  // Stop, before the radio has sent a block
    rig.WaitForRun();
    EXPECT_EQ(rig.radio.Contents(), Pattern());
    EXPECT_TRUE(ListBackups(rig.app.backupFolder.toStdString()).empty());
    EXPECT_TRUE(rig.services.boxes.empty());  // the user stopped it: no box
    EXPECT_EQ(rig.W().Status().Text(), "User Cancel.");
    EXPECT_EQ(writeButton->text(), "Write to Radio");
}

TEST(WindowBackup, BackupsOpensADumpAsAnUntitledDocument)
{
    WindowRig rig;
    rig.Open();
    // A backup of a radio that holds a Europe record with an MMSI.
    RadioSettings record = EuropeWith(2);
    SetMmsiText(record, "235012345");
    record.mmsiByUser = 0;
    rig.W().Doc().Editor().Change({"Edit", {}}, record);
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    const std::string folder = rig.app.backupFolder.toStdString();
    std::filesystem::create_directories(folder);
    const std::string dump = folder + "/qx720-backup-20261207-090503.bin";
    {
        const EepromBytes bytes = rig.radio.Contents();
        std::ofstream(dump, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    RadioSettings other = EuropeWith(0);
    SetMmsiText(other, "211234567");
    other.mmsiByUser = 0;
    rig.W().Doc().Editor().Change({"Edit", {}}, other);

    QString shownFolder;
    rig.W().Dialogs().backups = [&](QWidget*, AppContext&, const ModelConfig&, const QString& f, QString& open) {
        shownFolder = f;
        open = QString::fromStdString(dump);
        return int(QDialog::Accepted);
    };
    rig.services.answers = {MsgAnswer::No};  // the unsaved document is dropped
    rig.W().Files().OnBackups();
    EXPECT_EQ(shownFolder, rig.app.backupFolder);
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "235012345");
    EXPECT_EQ(MmsiText(rig.W().Doc().Record()), "235012345");
    EXPECT_EQ(PrivateListLength(rig.W().Doc().Record()), 2);
    EXPECT_TRUE(rig.Find<QRadioButton>("Europe")->isChecked());
    EXPECT_TRUE(rig.W().Doc().IsUntitled());
    EXPECT_EQ(rig.W().Doc().IsModified(), true);
    EXPECT_FALSE(rig.Action("undo")->isEnabled());
}

TEST(WindowChannelsCsv, ExportThenImportIsOneUndoableStep)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(3));
    const QString csv = rig.File("channels.csv");
    rig.services.saveAnswers = {csv};
    rig.W().Tools().OnExportChannels();
    EXPECT_EQ(rig.W().Status().Text(), "Exported 3 private channels.");
    const std::vector<uint8_t> written = FileBytes(csv.toStdString());
    EXPECT_EQ(std::string(written.begin(), written.end()), ExportChannelsCsv(rig.W().Doc().Record()));

    // Into a document with no private channels: the same channels, one step, undone at once.
    OpenRecord(rig, EuropeWith(0));
    const RadioSettings before = rig.W().Doc().Record();
    rig.services.openAnswers = {csv};
    rig.W().Tools().OnImportChannels();
    EXPECT_EQ(rig.W().Status().Text(), "Imported 3 private channels.");
    EXPECT_EQ(PrivateListLength(rig.W().Doc().Record()), 3);
    EXPECT_EQ(rig.Find<QComboBox>("Band")->currentText(), "Private");  // the imported channels in view
    EXPECT_EQ(rig.Find<QListWidget>("Channel list")->count(), 3);
    EXPECT_EQ(test::Shown(rig.Action("undo")), "Undo Import Channels (CSV)");
    rig.W().Files().OnUndo();
    EXPECT_EQ(std::memcmp(&before, &rig.W().Doc().Record(), sizeof before), 0);
}

TEST(WindowChannelsCsv, ChannelsOfOneNameAreTakenWithAWarning)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(0));
    const QString csv = rig.File("twice.csv");
    std::ofstream(csv.toStdString(), std::ios::binary)
        << "Name,Usage,TX MHz\r\nM1,distress,157.0\r\nM1,distress,157.1\r\n";
    rig.services.openAnswers = {csv};
    rig.W().Tools().OnImportChannels();
    EXPECT_EQ(PrivateListLength(rig.W().Doc().Record()), 2);
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "Lines 2 and 3 of the file both have the name \"M1\".");
    EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::Warning);

    // Add in the window: the new channel's twin is named.
    rig.SelectBand("Private");
    rig.SelectLine(1);
    rig.W().Dialogs().run = [](QDialog& d) {
        auto& dialog = dynamic_cast<ChannelSetupDialog&>(d);
        dialog.NameFirst()->setCurrentText("M");
        dialog.NameSecond()->setCurrentText("1");
        dialog.accept();
        return dialog.result();
    };
    rig.W().Channels().OnAdd();
    ASSERT_EQ(PrivateListLength(rig.W().Doc().Record()), 3);
    ASSERT_EQ(rig.services.boxes.size(), 2u);
    EXPECT_EQ(rig.services.boxes[1].text,
              "Lines 1 and 3 both have the name \"M1\".\nLines 2 and 3 both have the name \"M1\".");
}

TEST(WindowChannelsCsv, AnImportWithErrorsShowsThemAllAndChangesNothing)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(2));
    const RadioSettings before = rig.W().Doc().Record();
    const QString csv = rig.File("bad.csv");
    {
        std::ofstream out(csv.toStdString(), std::ios::binary);
        out << "Name,Usage,TX MHz\r\n";
        for (int i = 0; i < 12; ++i) out << "Z" << i << ",NOPE,999\r\n";
    }
    rig.services.openAnswers = {csv};
    rig.W().Tools().OnImportChannels();
    EXPECT_EQ(std::memcmp(&before, &rig.W().Doc().Record(), sizeof before), 0);
    EXPECT_FALSE(rig.Action("undo")->isEnabled());
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    const test::RecordedBox& box = rig.services.boxes[0];
    EXPECT_EQ(box.caption, "Import Channels");
    EXPECT_TRUE(box.text.startsWith("Nothing was imported"));
    // Every problem is in the details; the box itself shows the first ten.
    EXPECT_TRUE(box.detail.contains("line 2: ")) << box.detail.toStdString();
    EXPECT_TRUE(box.detail.contains("line 13: ")) << box.detail.toStdString();
    EXPECT_TRUE(box.informative.contains("more (see the details)"));

    // A USA-model document has no private channels to take them.
    auto usa = std::make_unique<RadioSettings>(rig.W().Doc().Record());
    usa->modelType = 0;
    rig.W().Doc().Editor().Change({"Model", {}}, *usa);
    rig.W().Tools().OnImportChannels();
    EXPECT_EQ(rig.services.boxes.back().text, "A USA-model record has no private channels.");
}

TEST(WindowChannelsCsv, AFileWithoutRowsIsRefusedAsOnTheCommandLine)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(2));
    const RadioSettings before = rig.W().Doc().Record();
    const QString csv = rig.File("header.csv");
    std::ofstream(csv.toStdString(), std::ios::binary) << "Name,Usage,TX MHz\r\n";
    rig.services.openAnswers = {csv};
    rig.W().Tools().OnImportChannels();
    EXPECT_EQ(std::memcmp(&before, &rig.W().Doc().Record(), sizeof before), 0);
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_TRUE(rig.services.boxes[0].detail.contains("line 1: no channel rows"))
        << rig.services.boxes[0].detail.toStdString();
}

}  // namespace
}  // namespace qx
