// The service tools against the virtual radio, driven through their operations directly.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "../support/temp_dir.h"
#include "backups/backup_store.h"
#include "clone/pc_clone.h"
#include "dialog_rig.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/config_dialog.h"
#include "gui/dialogs/eeprom_tools_dialog.h"
#include "gui/dialogs/feature_setup_dialog.h"
#include "gui/dialogs/user_dialog.h"
#include "scripted_services.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace qx {
namespace {

using test::ScriptedServices;
using test::TempDir;

struct ServiceRig : test::DialogRig {
    ModelConfig config{};
    RadioSettings document{};

    ServiceRig() : DialogRig("service") { ResetSettings(document, 0); }

    static EepromBytes Pattern()
    {
        EepromBytes bytes{};
        for (int i = 0; i < kEepromSize; ++i) bytes[i] = static_cast<uint8_t>((i * 7 + (i >> 8)) & 0xFF);
        return bytes;
    }
};

// Turns the event loop until the dialog's radio job has come back.
template <class Dialog>
void Finish(Dialog& dialog)
{
    while (dialog.isBusy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

std::vector<char> Bytes(const EepromBytes& e) { return std::vector<char>(e.begin(), e.end()); }

// What the dialog looks like the first time its event loop turns during an exchange.
struct BusySnapshot {
    bool seen = false;
    bool dialogBusy = false;
    bool controlsEnabled = true;
    bool jobRunning = false;
};

// --- EEPROM tools -----------------------------------------------------------------------

TEST(EpromToolsDialog, ReadThenVerifyAgainstTheSameFileIsOk)
{
    ServiceRig rig;
    rig.radio.SetContents(ServiceRig::Pattern());
    EpromToolsDialog dialog(nullptr, rig.app, rig.config);
    EXPECT_EQ(dialog.statusText(), "Ready.");

    int highest = 0;
    QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, [&](int v) { highest = std::max(highest, v); });
    BusySnapshot during;
    QTimer::singleShot(0, [&] {
        during = {true, dialog.isBusy(), dialog.cancelButton()->isEnabled(), rig.radioJobs.IsRunning()};
    });

    const QString dump = rig.File("radio.Bin");
    rig.services.saveAnswers = {dump};
    dialog.DoRead();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Read OK!");
    EXPECT_TRUE(rig.services.boxes.empty());
    EXPECT_EQ(test::ReadAll(dump.toStdString()), Bytes(rig.radio.Contents()));

    ASSERT_EQ(rig.services.saveRequests.size(), 1u);
    EXPECT_EQ(rig.services.saveRequests[0].directory, rig.app.startDirectory);
    EXPECT_EQ(rig.services.saveRequests[0].pattern, "*.Bin");
    EXPECT_EQ(rig.services.saveRequests[0].defaultSuffix, "Bin");

    // The window kept turning while the radio was read, with the controls locked.
    EXPECT_TRUE(during.seen);
    EXPECT_TRUE(during.dialogBusy);
    EXPECT_FALSE(during.controlsEnabled);
    EXPECT_TRUE(during.jobRunning);
    EXPECT_EQ(highest, kEepromTransferBlocks);
    EXPECT_EQ(dialog.progressBar()->value(), 0);
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    EXPECT_FALSE(dialog.isBusy());
    EXPECT_TRUE(dialog.cancelButton()->isEnabled());
    EXPECT_EQ(rig.services.waitCursorDepth, 0);

    rig.services.openAnswers = {dump};
    dialog.DoVerify();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Verify OK!");
    EXPECT_TRUE(rig.services.boxes.empty());
}

TEST(EpromToolsDialog, VerifyCountsTheDifferingBytes)
{
    ServiceRig rig;
    EepromBytes contents = ServiceRig::Pattern();
    rig.radio.SetContents(contents);
    contents[0] ^= 0xFF;
    contents[0x1234] ^= 0x01;
    contents[kEepromSize - 1] ^= 0x80;
    const QString dump = rig.File("changed.Bin");
    test::WriteAll(dump.toStdString(), contents.data(), contents.size());

    EpromToolsDialog dialog(nullptr, rig.app, rig.config);
    rig.services.openAnswers = {dump};
    dialog.DoVerify();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "Difference = 3");
    EXPECT_EQ(rig.services.boxes[0].caption, "Verify Error");
    EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(dialog.statusText(), "Verify Error!");
}

TEST(EpromToolsDialog, WriteKeepsTheRadioWholeThenSendsTheDump)
{
    ServiceRig rig;
    const EepromBytes previous = rig.radio.Contents();
    const EepromBytes pattern = ServiceRig::Pattern();
    const QString dump = rig.File("radio.Bin");
    test::WriteAll(dump.toStdString(), pattern.data(), pattern.size());

    EpromToolsDialog dialog(nullptr, rig.app, rig.config);
    // The status while the blocks move: the radio is read first, then, once it has answered
    // the write's HandShake, written.
    QStringList whileMoving;
    QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, [&](int v) {
        if (v == 1) whileMoving << dialog.statusText();
    });
    rig.services.openAnswers = {dump};
    dialog.DoWrite();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Write OK!");
    EXPECT_TRUE(rig.services.boxes.empty());  // the radio held no identity: nothing to ask
    EXPECT_EQ(rig.radio.Contents(), pattern);
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    EXPECT_EQ(rig.services.waitCursorDepth, 0);
    // The whole EEPROM as it was, kept in the backups folder first.
    const std::vector<BackupEntry> kept = ListBackups(rig.app.backupFolder.toStdString());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(test::ReadAll(kept[0].path), Bytes(previous));

    // Verify takes the first 8192 bytes of a longer file.
    std::vector<uint8_t> longer(pattern.begin(), pattern.end());
    longer.resize(kEepromSize + 300, 0x5A);
    const QString longFile = rig.File("long.Bin");
    test::WriteAll(longFile.toStdString(), longer.data(), longer.size());
    rig.services.openAnswers = {longFile};
    dialog.DoVerify();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Verify OK!");
    EXPECT_EQ(whileMoving, QStringList({"Reading the radio...", "Writing...", "Verifing..."}));
}

TEST(EpromToolsDialog, WriteTakesOnlyAFileOfExactlyTheEepromsSize)
{
    for (const std::size_t size : {std::size_t{0}, std::size_t{kCloneRangeBackupBytes}, std::size_t{kEepromSize - 1},
                                   std::size_t{kEepromSize + 1}, std::size_t{2 * kEepromSize}}) {
        SCOPED_TRACE(size);
        ServiceRig rig;
        rig.radio.SetContents(ServiceRig::Pattern());
        const QString file = rig.File("odd.Bin");
        const std::vector<uint8_t> bytes(size, 0x11);
        test::WriteAll(file.toStdString(), bytes.data(), bytes.size());

        EpromToolsDialog dialog(nullptr, rig.app, rig.config);
        rig.services.openAnswers = {file};
        dialog.DoWrite();
        Finish(dialog);
        ASSERT_EQ(rig.services.boxes.size(), 1u);
        EXPECT_EQ(rig.services.boxes[0].text, "Unknown File Format.");
        EXPECT_EQ(rig.services.boxes[0].caption, "Open File Error");
        EXPECT_EQ(dialog.statusText(), "Ready.");
        EXPECT_EQ(rig.radio.SentenceCount(), 0);
        EXPECT_EQ(rig.radio.Contents(), ServiceRig::Pattern());
        EXPECT_TRUE(ListBackups(rig.app.backupFolder.toStdString()).empty());
    }
}

TEST(EpromToolsDialog, ShortOrMissingFileIsRefusedBeforeAnythingIsSent)
{
    ServiceRig rig;
    rig.radio.SetContents(ServiceRig::Pattern());
    const QString dump = rig.File("short.Bin");
    std::vector<uint8_t> file(kEepromSize - 1, 0x11);
    test::WriteAll(dump.toStdString(), file.data(), file.size());
    const QString missing = rig.File("missing.Bin");

    EpromToolsDialog dialog(nullptr, rig.app, rig.config);
    rig.services.openAnswers = {dump, dump, missing};
    dialog.DoWrite();
    Finish(dialog);
    dialog.DoVerify();
    Finish(dialog);
    dialog.DoWrite();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 3u);
    EXPECT_EQ(rig.services.boxes[0].text, "Unknown File Format.");
    EXPECT_EQ(rig.services.boxes[1].text, "Unknown File Format.");
    EXPECT_EQ(rig.services.boxes[2].text, "Open File Error:\n" + missing);
    for (const auto& box : rig.services.boxes) {
        EXPECT_EQ(box.caption, "Open File Error");
        EXPECT_EQ(box.icon, MsgIcon::Warning);
    }
    EXPECT_EQ(dialog.statusText(), "Ready.");
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
    EXPECT_EQ(rig.radio.Contents(), ServiceRig::Pattern());
}

TEST(EpromToolsDialog, CancelledChooserChangesNothing)
{
    ServiceRig rig;
    EpromToolsDialog dialog(nullptr, rig.app, rig.config);
    dialog.DoWrite();
    Finish(dialog);
    dialog.DoRead();
    Finish(dialog);
    dialog.DoVerify();
    Finish(dialog);
    EXPECT_EQ(rig.services.openRequests.size(), 2u);
    EXPECT_EQ(rig.services.saveRequests.size(), 1u);
    EXPECT_TRUE(rig.services.boxes.empty());
    EXPECT_EQ(dialog.statusText(), "Ready.");
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
}

TEST(EpromToolsDialog, NoAdaptorFailsEachOperationAtTheHandShake)
{
    ServiceRig rig;
    rig.radio.Unplug();
    const QString good = rig.File("good.Bin");
    const EepromBytes pattern = ServiceRig::Pattern();
    test::WriteAll(good.toStdString(), pattern.data(), pattern.size());
    const QString target = rig.File("never.Bin");

    EpromToolsDialog dialog(nullptr, rig.app, rig.config);
    rig.services.openAnswers = {good, good};
    rig.services.saveAnswers = {target};

    dialog.DoWrite();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Write Error!");
    dialog.DoRead();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Read Error!");
    EXPECT_FALSE(std::filesystem::exists(target.toStdString()));
    dialog.DoVerify();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Verify Error!");

    ASSERT_EQ(rig.services.boxes.size(), 3u);
    const char* captions[] = {"Write Error", "Read Error", "Verify Error"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rig.services.boxes[i].text, "Radio is not detected!");
        EXPECT_EQ(rig.services.boxes[i].caption, captions[i]);
        EXPECT_EQ(rig.services.boxes[i].icon, MsgIcon::Information);
    }
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    EXPECT_EQ(rig.services.waitCursorDepth, 0);
}

TEST(EpromToolsDialog, ReadIntoAnUncreatableFileReportsBothBoxes)
{
    ServiceRig rig;
    EpromToolsDialog dialog(nullptr, rig.app, rig.config);
    const QString target = rig.File("no-such-folder/radio.Bin");
    rig.services.saveAnswers = {target};
    dialog.DoRead();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 2u);
    EXPECT_EQ(rig.services.boxes[0].text, "Open File Error:\n" + target);
    EXPECT_EQ(rig.services.boxes[0].caption, "Open File Error");
    EXPECT_EQ(rig.services.boxes[1].text, "Open File Error.");
    EXPECT_EQ(rig.services.boxes[1].caption, "Read Error");
    EXPECT_EQ(dialog.statusText(), "Read Error!");
}

TEST(EpromToolsDialog, ReadReplacesAnExistingFileWhole)
{
    ServiceRig rig;
    rig.radio.SetContents(ServiceRig::Pattern());
    const QString dump = rig.File("old.Bin");
    std::vector<uint8_t> old(kEepromSize * 2, 0xEE);
    test::WriteAll(dump.toStdString(), old.data(), old.size());

    EpromToolsDialog dialog(nullptr, rig.app, rig.config);
    // A stop left signalled by an earlier run must not cancel this one.
    rig.stopEvent.Set();
    rig.services.saveAnswers = {dump};
    dialog.DoRead();
    Finish(dialog);
    EXPECT_EQ(dialog.statusText(), "Read OK!");
    EXPECT_EQ(test::ReadAll(dump.toStdString()), Bytes(ServiceRig::Pattern()));
}

// --- Handset test mode ------------------------------------------------------------------

TEST(ConfigDialog, EachButtonMakesOneHandShakeAndShowsItsBox)
{
    ServiceRig rig;
    ConfigDialog dialog(nullptr, rig.app, rig.config, rig.document);
    BusySnapshot during;
    QTimer::singleShot(0, [&] {
        during = {true, dialog.isBusy(), dialog.enableButton()->isEnabled(), rig.radioJobs.IsRunning()};
    });
    dialog.DoCheck();
    Finish(dialog);
    EXPECT_TRUE(during.seen);
    EXPECT_TRUE(during.jobRunning);
    EXPECT_FALSE(during.controlsEnabled);
    EXPECT_FALSE(rig.radioJobs.IsRunning());

    dialog.DoEnable();
    Finish(dialog);
    dialog.DoDisable();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 3u);
    EXPECT_EQ(rig.services.boxes[0].text, "The radio answered: HandShake OK.");
    EXPECT_EQ(rig.services.boxes[0].caption, "Check");
    EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(rig.services.boxes[1].text, "Enable Handset Test Mode OK.");
    EXPECT_EQ(rig.services.boxes[2].text, "Disable Handset Test Mode OK.");
    for (std::size_t i = 1; i < rig.services.boxes.size(); ++i) {
        EXPECT_EQ(rig.services.boxes[i].caption, "Write OK");
        EXPECT_EQ(rig.services.boxes[i].icon, MsgIcon::None);
    }
    const auto sent = rig.radio.SentenceLog();
    ASSERT_EQ(sent.size(), 3u);
    for (const auto& s : sent) EXPECT_EQ(s[7], 'A');
    EXPECT_EQ(dialog.progressBar()->value(), 0);
    EXPECT_TRUE(dialog.enableButton()->isEnabled());
}

TEST(ConfigDialog, HasNoDefaultButtonSoEnterSendsNothing)
{
    ServiceRig rig;
    ConfigDialog dialog(nullptr, rig.app, rig.config, rig.document);
    dialog.show();
    QCoreApplication::processEvents();
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
    // Enter right after the dialog opens, wherever the focus is, and on each button.
    std::vector<QWidget*> targets = {&dialog};
    if (QWidget* focus = dialog.focusWidget()) targets.push_back(focus);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) targets.push_back(button);
    for (QWidget* target : targets) {
        for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &press);
        }
    }
    EXPECT_FALSE(dialog.isBusy());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
    EXPECT_TRUE(rig.services.boxes.empty());
}

TEST(ConfigDialog, NoAdaptorShowsOneFailureBoxPerButton)
{
    ServiceRig rig;
    rig.radio.Unplug();
    ConfigDialog dialog(nullptr, rig.app, rig.config, rig.document);
    dialog.DoEnable();
    Finish(dialog);
    dialog.DoDisable();
    Finish(dialog);
    dialog.DoCheck();
    Finish(dialog);
    ASSERT_EQ(rig.services.boxes.size(), 3u);
    const char* captions[] = {"Write Error", "Write Error", "Read Error"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rig.services.boxes[i].text, "Radio is not detected!");
        EXPECT_EQ(rig.services.boxes[i].caption, captions[i]);
        EXPECT_EQ(rig.services.boxes[i].icon, MsgIcon::Warning);
    }
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    EXPECT_EQ(rig.services.waitCursorDepth, 0);
}

TEST(ConfigDialog, KeepsTheCommLogForItsLifetimeWhenTheLogoFlagIsSet)
{
    ServiceRig rig;
    const std::string log = rig.folder.File("CommLogo.bin");
    {
        ConfigDialog quiet(nullptr, rig.app, rig.config, rig.document);
        quiet.DoCheck();
        Finish(quiet);
    }
    EXPECT_FALSE(std::filesystem::exists(log));

    rig.config.logoFlag = 1;
    {
        ConfigDialog dialog(nullptr, rig.app, rig.config, rig.document);
        dialog.DoCheck();
        Finish(dialog);
        dialog.DoEnable();
        Finish(dialog);
    }
    EXPECT_EQ(std::filesystem::file_size(log), 2u * kLogRecordSize);
}

// --- User, feature setup and about ------------------------------------------------------

TEST(UserDialog, CancelStoresNothingAndOkStoresAllFour)
{
    ServiceRig rig;
    rig.config.romMapFlag = 1;
    {
        UserDialog dialog(nullptr, rig.config, rig.adjustMode);
        EXPECT_FALSE(dialog.adjustModeBox()->isChecked());
        EXPECT_TRUE(dialog.romMapBox()->isChecked());
        dialog.adjustModeBox()->setChecked(true);
        dialog.logoBox()->setChecked(true);
        dialog.romMapBox()->setChecked(false);
        dialog.uiReadOnlyBox()->setChecked(true);
        dialog.reject();
    }
    EXPECT_EQ(rig.adjustMode, 0);
    EXPECT_EQ(rig.config.logoFlag, 0);
    EXPECT_EQ(rig.config.romMapFlag, 1);
    EXPECT_EQ(rig.config.uiReadOnly, 0);

    UserDialog dialog(nullptr, rig.config, rig.adjustMode);
    dialog.adjustModeBox()->setChecked(true);
    dialog.logoBox()->setChecked(true);
    dialog.romMapBox()->setChecked(false);
    dialog.uiReadOnlyBox()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(rig.adjustMode, 1);
    EXPECT_EQ(rig.config.logoFlag, 1);
    EXPECT_EQ(rig.config.romMapFlag, 0);
    EXPECT_EQ(rig.config.uiReadOnly, 1);
}

TEST(UserDialog, HistoryListsTenVersionsWithNumberedNotes)
{
    const QStringList lines = VersionHistoryLines();
    const QStringList headers = {"QX720Clone_V101_130104.exe", "QX720Clone_V102_130115.exe",
                                 "QX720Clone_V103_130117.exe", "QX720Clone_V104_130118.exe",
                                 "QX720Clone_V105_130118.exe", "QX720Clone_V106_130122.exe",
                                 "QX720Clone_V107_130126.exe", "QX720Clone_V108_130521.exe",
                                 "QX720Clone_V109_130820.exe", "QX720Clone_V110_130822.exe"};
    // Blocks separated by a one-blank line, each a header and notes numbered from 1.
    QList<QStringList> blocks(1);
    for (const QString& line : lines) {
        if (line == " ")
            blocks.append(QStringList());
        else
            blocks.last() << line;
    }
    ASSERT_EQ(blocks.size(), headers.size());
    for (int v = 0; v < blocks.size(); ++v) {
        ASSERT_GE(blocks[v].size(), 2) << headers[v].toStdString();
        EXPECT_EQ(blocks[v][0], headers[v]);
        for (int n = 1; n < blocks[v].size(); ++n)
            EXPECT_TRUE(blocks[v][n].startsWith(QString::number(n) + ". ")) << blocks[v][n].toStdString();
    }

    ServiceRig rig;
    UserDialog dialog(nullptr, rig.config, rig.adjustMode);
    EXPECT_EQ(dialog.historyList()->count(), lines.size());
}

TEST(FeatureSetupDialog, OkStoresTheEditedNamesCancelNothing)
{
    ServiceRig rig;
    {
        FeatureSetupDialog dialog(nullptr, rig.config, rig.document);
        EXPECT_EQ(dialog.brandEdit()->text(), "Corvelstone");
        EXPECT_EQ(dialog.modelEdit()->text(), "QX720");
        EXPECT_EQ(dialog.brandEdit()->maxLength(), kNameEditLimit);
        EXPECT_FALSE(dialog.gpsAlertBox()->isEnabled());
        EXPECT_FALSE(dialog.wxAlertBox()->isEnabled());
        dialog.brandEdit()->selectAll();
        dialog.brandEdit()->insert("Changed");
        dialog.reject();
    }
    EXPECT_EQ(FieldText(rig.document.brandName), "Corvelstone");

    FeatureSetupDialog dialog(nullptr, rig.config, rig.document);
    dialog.brandEdit()->selectAll();
    dialog.brandEdit()->del();
    dialog.modelEdit()->selectAll();
    dialog.modelEdit()->insert("ABCDEFGHIJKLMNOP");  // the edit stops at 12
    dialog.accept();
    EXPECT_EQ(FieldText(rig.document.brandName), "");
    EXPECT_EQ(FieldText(rig.document.modelName), "ABCDEFGHIJKL");
}

TEST(FeatureSetupDialog, ReadOnlyKeepsEvenALongNameWhole)
{
    ServiceRig rig;
    rig.config.uiReadOnly = 1;
    StoreFieldText(rig.document.modelName, 16, 16, 15, "FIFTEEN-CHARS-X");
    const RadioSettings before = rig.document;

    FeatureSetupDialog dialog(nullptr, rig.config, rig.document);
    EXPECT_FALSE(dialog.brandEdit()->isEnabled());
    EXPECT_FALSE(dialog.modelEdit()->isEnabled());
    EXPECT_EQ(dialog.modelEdit()->text(), "FIFTEEN-CHARS-X");
    dialog.accept();
    EXPECT_EQ(std::memcmp(&before, &rig.document, sizeof before), 0);
}

TEST(AboutDialog, CaptionCarriesTheProgramVersion)
{
    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), "About Dialog V1.10");
}

}  // namespace
}  // namespace qx
