// The main window: start-up, title, channel list, identity entry, File commands, tools.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QMenuBar>
#include <filesystem>

#include "../support/records.h"
#include "files/clone_file.h"
#include "files/model_config.h"
#include "gui/dialogs/channel_setup_dialog.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "model/channel_plan.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

ChannelEntry Private(const char* name, double tx, double rx, int usage = 13)
{
    return test::InUseChannel(name, tx, rx, usage);
}

// A Europe document holding the named private channels.
RadioSettings EuropeRecord(std::initializer_list<const char*> names)
{
    RadioSettings r;
    ResetSettings(r, 1);
    int i = 0;
    for (const char* n : names) {
        const double mhz = 156.025 + i * 0.025;
        r.channels[kPrivateBlock + i++] = Private(n, mhz, mhz);
    }
    return r;
}

// Opens a clone file through the File menu's "Open".
void OpenFile(WindowRig& rig, const QString& path)
{
    rig.services.openAnswers.push_back(path);
    rig.W().Files().OnOpen();
}

void ShowPrivate(WindowRig& rig, std::initializer_list<const char*> names)
{
    OpenFile(rig, rig.SaveRecord(EuropeRecord(names), "private.dat"));
    rig.SelectBand("Private");
}

// Answers the channel setup dialog: optional Tx text and name, then OK (or Cancel).
std::function<int(QDialog&)> AnswerChannel(const char* tx, const char* first = nullptr, bool ok = true,
                                           int* opened = nullptr)
{
    return [=](QDialog& d) {
        auto& dialog = dynamic_cast<ChannelSetupDialog&>(d);
        if (opened) ++*opened;
        if (tx) dialog.TxField()->setText(tx);
        if (first) dialog.NameFirst()->setCurrentText(first);
        if (ok)
            dialog.accept();
        else
            dialog.reject();
        return dialog.result();
    };
}

// --- Start-up and title ---------------------------------------------------------------------

TEST(MainWindowStart, FirstRunShowsTheUsaDefaultsUntitled)
{
    WindowRig rig;
    rig.Open();
    EXPECT_EQ(rig.W().windowTitle(), "QX720 V1.10");
    EXPECT_EQ(rig.W().Identity().title(), "QX720");
    EXPECT_FALSE(rig.Action("save")->isEnabled());
    EXPECT_TRUE(rig.Find<QRadioButton>("USA")->isChecked());
    EXPECT_TRUE(rig.Find<QCheckBox>("WX Channels")->isChecked());
    EXPECT_FALSE(rig.Find<QCheckBox>("Private")->isChecked());
    EXPECT_FALSE(rig.Find<QCheckBox>("WX Channels")->isEnabled());
    EXPECT_FALSE(rig.Find<QCheckBox>("Private")->isEnabled());
    EXPECT_EQ(rig.W().Adaptor().Text(), "--------");
    EXPECT_EQ(rig.W().Status().Text(), "Ready");
    EXPECT_EQ(rig.W().Status().OptionText(), "");
    EXPECT_EQ(rig.Find<QComboBox>("TX PLL step")->currentText(), "6.25KHz");
    EXPECT_EQ(rig.Find<QComboBox>("RX PLL step")->currentText(), "12.5KHz");
    EXPECT_EQ(rig.W().Doc().IsModified(), false);

    // The first tick finds the virtual adaptor.
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Adaptor().Text(), "Detected");
    rig.radio.Unplug();
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Adaptor().Text(), "--------");
}

TEST(MainWindowStart, AVirtualRadioSaysSoInTheUsbPortStatus)
{
    WindowRig rig;
    rig.app.virtualRadio = true;  // QX720Clone --radio virtual:FILE
    rig.Open();
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Adaptor().Text(), "Virtual");
    rig.radio.Unplug();
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Adaptor().Text(), "--------");
}

TEST(MainWindowStart, StateFileChoosesTheModelAndIsWrittenFirstAtClose)
{
    WindowRig rig;
    ModelConfig stored;
    ResetModelConfig(stored);
    stored.modelType = 2;
    stored.logoFlag = 1;
    ASSERT_TRUE(WriteStateFile(rig.app.stateFilePath.toStdString(), stored));
    rig.Open();
    EXPECT_TRUE(rig.Find<QRadioButton>("Europe")->isChecked());
    EXPECT_TRUE(rig.Find<QCheckBox>("Private")->isChecked());
    EXPECT_TRUE(rig.Find<QCheckBox>("CAN")->isChecked());
    EXPECT_EQ(rig.W().Status().OptionText(), "");  // service options start off at every run

    rig.W().reject();
    EXPECT_TRUE(rig.W().HasClosed());
    ModelConfig written;
    ASSERT_TRUE(ReadStateFile(rig.app.stateFilePath.toStdString(), written));
    EXPECT_EQ(written.modelType, 2);
    EXPECT_EQ(written.logoFlag, 0);
    EXPECT_TRUE(rig.services.boxes.empty());
}

TEST(MainWindowTitle, ShowsShortenedPathReadOnlyModifiedAndModel)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    OpenFile(rig, rig.SaveRecord(record, "boat.dat"));
    EXPECT_EQ(rig.W().windowTitle(), "/boat.dat - QX720USA V1.10");
    EXPECT_EQ(rig.W().Identity().title(), "");
    EXPECT_TRUE(rig.Action("save")->isEnabled());

    rig.Find<QCheckBox>("INT")->click();
    EXPECT_EQ(rig.W().windowTitle(), "/boat.dat* - QX720USA V1.10");

    // Read only file, and the model type the options remember (Load Default chose Europe)
    // rather than the document's.
    std::filesystem::permissions(rig.folder.File("boat.dat"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    rig.W().Dialogs().run = [](QDialog& d) {
        auto& wizard = dynamic_cast<ModelWizardDialog&>(d);
        wizard.EurIntButton()->click();
        wizard.accept();
        return wizard.result();
    };
    rig.services.answers = {MsgAnswer::No, MsgAnswer::No};
    rig.W().Files().OnLoadDefault();
    ASSERT_EQ(rig.W().Doc().Config().modelType, 1);
    OpenFile(rig, rig.File("boat.dat"));
    EXPECT_EQ(rig.W().windowTitle(), "/boat.dat(Read only) - QX720EUR V1.10");
}

TEST(MainWindowTitle, PathOutsideTheStartDirectoryIsShownWhole)
{
    WindowRig rig;
    test::TempDir other;
    RadioSettings record;
    ResetSettings(record, 0);
    test::WriteAll(other.File("far.dat"), &record, sizeof record);
    // A start directory that differs only in letter case does not shorten the path either.
    rig.app.startDirectory = rig.app.startDirectory.toUpper();
    rig.Open();
    const QString far = QString::fromStdString(other.File("far.dat"));
    OpenFile(rig, far);
    EXPECT_EQ(rig.W().windowTitle(), far + " - QX720USA V1.10");
    const QString near = rig.SaveRecord(record, "near.dat");
    OpenFile(rig, near);
    EXPECT_EQ(rig.W().windowTitle(), near + " - QX720USA V1.10");
}

TEST(MainWindowTitle, StatusCountdownReturnsToReadyAndRestarts)
{
    WindowRig rig;
    rig.Open();
    rig.W().Status().SetStatus("Open file OK.");
    rig.Ticks(9);
    EXPECT_EQ(rig.W().Status().Text(), "Open file OK.");
    rig.W().Status().SetStatus("Save file OK.");
    rig.Ticks(9);
    EXPECT_EQ(rig.W().Status().Text(), "Save file OK.");
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Status().Text(), "Ready.");
}

// --- Showing and gathering ------------------------------------------------------------------

TEST(MainWindowDocument, KeepsA25KHzStepAndMapsOddStepsTo625)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    record.txStep = 2;
    record.rxStep = 7;
    OpenFile(rig, rig.SaveRecord(record, "steps.dat"));
    EXPECT_EQ(rig.Find<QComboBox>("TX PLL step")->currentText(), "25KHz");
    EXPECT_EQ(rig.Find<QComboBox>("RX PLL step")->currentText(), "6.25KHz");
    EXPECT_EQ(rig.W().Doc().Record().txStep, 2);
    EXPECT_EQ(rig.W().Doc().Record().rxStep, 0);
    EXPECT_EQ(rig.W().Doc().IsModified(), false);

    // Changing a list changes the document at once.
    rig.Find<QComboBox>("TX PLL step")->setCurrentIndex(1);
    EXPECT_EQ(rig.W().windowTitle(), "/steps.dat* - QX720USA V1.10");
    EXPECT_EQ(rig.W().Doc().Record().txStep, 1);
}

TEST(MainWindowDocument, ModelType2ShowsEuropeAndGathersAs1)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 2);
    record.wxEnabled = 1;  // not consulted
    OpenFile(rig, rig.SaveRecord(record, "eur.dat"));
    EXPECT_TRUE(rig.Find<QRadioButton>("Europe")->isChecked());
    EXPECT_FALSE(rig.Find<QCheckBox>("WX Channels")->isChecked());
    rig.W().Doc().Editor().CommitEdits();
    EXPECT_EQ(rig.W().Doc().Record().modelType, 1);
    EXPECT_EQ(rig.W().Doc().Record().wxEnabled, 0);
    EXPECT_EQ(rig.W().Doc().Record().privateEnabled, 1);
}

TEST(MainWindowDocument, IdentityFieldsShowExactlyWhatTheDocumentHolds)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    SetMmsiText(record, "123456789");
    SetAtisText(record, "12345");  // not a valid identity: shown as it is, to be mended
    record.mmsiByUser = 1;
    rig.Type(rig.Find<QLineEdit>("ATIS ID"), "987654321");
    OpenFile(rig, rig.SaveRecord(record, "ids.dat"));
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "123456789");
    EXPECT_EQ(rig.Find<QLineEdit>("ATIS ID")->text(), "12345");  // nothing left from before the file was opened
    EXPECT_EQ(rig.W().Doc().IsModified(), false);
    EXPECT_TRUE(rig.Find<QCheckBox>("MMSI entry by user")->isChecked());
    EXPECT_FALSE(rig.Find<QLineEdit>("MMSI")->isEnabled());  // the field follows its box from the start

    rig.Type(rig.Find<QLineEdit>("MMSI"), "");  // an emptied field clears the identity, as it shows
    rig.W().Doc().Editor().CommitIdentities();  // the field's editing finished
    EXPECT_EQ(MmsiText(rig.W().Doc().Record()), "");

    rig.Find<QCheckBox>("MMSI entry by user")->click();
    EXPECT_TRUE(rig.Find<QLineEdit>("MMSI")->isEnabled());
    rig.Find<QCheckBox>("MMSI entry by user")->click();
    EXPECT_FALSE(rig.Find<QLineEdit>("MMSI")->isEnabled());
}

TEST(MainWindowDocument, ARefusedNumberStaysShownModifiedAndIsNeverSaved)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    record.mmsiByUser = 0;
    const QString path = rig.SaveRecord(record, "boat.dat");
    OpenFile(rig, path);
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    rig.Type(rig.Find<QLineEdit>("MMSI"), "235012345");
    QCoreApplication::sendEvent(rig.Find<QLineEdit>("MMSI"), &tab);
    for (const QString& refused : {QString("002350123"), QString("12345")}) {
        SCOPED_TRACE(refused.toStdString());
        rig.Type(rig.Find<QLineEdit>("MMSI"), refused);
        QCoreApplication::sendEvent(rig.Find<QLineEdit>("MMSI"), &tab);
        EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), refused);
        EXPECT_EQ(rig.W().windowTitle(), "/boat.dat* - QX720USA V1.10");
        rig.services.saveAnswers = {rig.File("other.dat")};
        rig.W().Files().OnSaveAs();
        rig.W().Files().OnSave();
        ASSERT_EQ(rig.services.boxes.size(), 2u);
        EXPECT_EQ(rig.services.boxes[0].text, "Invalid MMIS ID:" + refused + "\nMake sure 9 digitals.");
        EXPECT_TRUE(rig.services.saveRequests.empty());
        EXPECT_FALSE(QFile::exists(rig.File("other.dat")));
        EXPECT_NE(rig.W().Status().Text(), "Save as file OK.");
        rig.services.boxes.clear();
    }
    // The file still holds the opened record; the accepted number is one undo step.
    RadioSettings saved{};
    ModelConfig config{};
    ASSERT_EQ(LoadCloneFile(path.toStdString(), saved, config), kResultOk);
    EXPECT_EQ(MmsiText(saved), "");
    EXPECT_EQ(test::Shown(rig.Action("undo")), "Undo MMSI");
}

TEST(MainWindowDocument, LeavingAnIdentityFieldUnchangedMarksNothing)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    OpenFile(rig, rig.SaveRecord(record, "tab.dat"));
    QFocusEvent deactivate(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(rig.Find<QLineEdit>("ATIS ID"), &deactivate);
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(rig.Find<QLineEdit>("ATIS ID"), &tab);
    QCoreApplication::sendEvent(rig.Find<QLineEdit>("MMSI"), &tab);
    EXPECT_EQ(rig.W().Doc().IsModified(), false);
    EXPECT_EQ(rig.W().windowTitle(), "/tab.dat - QX720USA V1.10");
    EXPECT_FALSE(rig.Action("undo")->isEnabled());
}

// --- Identity check -------------------------------------------------------------------------

TEST(IdentityCheck, RefusesInMmsiThenAtisOrder)
{
    WindowRig rig;
    rig.Open();
    if (rig.Find<QCheckBox>("MMSI entry by user")->isChecked()) rig.Find<QCheckBox>("MMSI entry by user")->click();
    if (rig.Find<QCheckBox>("ATIS entry by user")->isChecked()) rig.Find<QCheckBox>("ATIS entry by user")->click();
    rig.Type(rig.Find<QLineEdit>("MMSI"), "12345");
    rig.Type(rig.Find<QLineEdit>("ATIS ID"), "012345678");
    EXPECT_FALSE(rig.W().Doc().CheckIdentities());
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "Invalid MMIS ID:12345\nMake sure 9 digitals.");
    EXPECT_EQ(rig.services.boxes[0].caption, "Error");
    EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::Stop);

    rig.Type(rig.Find<QLineEdit>("MMSI"), "");  // empty passes
    EXPECT_FALSE(rig.W().Doc().CheckIdentities());
    EXPECT_EQ(rig.services.boxes.back().text, "Invalid ATIS ID:012345678\nMake sure 9 digitals.");

    rig.Find<QCheckBox>("ATIS entry by user")->click();  // a field entered by the user is not looked at
    EXPECT_EQ(rig.Find<QLineEdit>("ATIS ID")->text(), "");
    rig.Type(rig.Find<QLineEdit>("MMSI"), "12345678A");
    rig.Find<QCheckBox>("MMSI entry by user")->click();
    EXPECT_TRUE(rig.W().Doc().CheckIdentities());
    rig.Find<QCheckBox>("MMSI entry by user")->click();
    rig.Type(rig.Find<QLineEdit>("MMSI"), "123456789");
    EXPECT_TRUE(rig.W().Doc().CheckIdentities());
    EXPECT_EQ(rig.services.boxes.size(), 2u);
}

// --- Channel list ---------------------------------------------------------------------------

TEST(ChannelList, BandOrderIsFixedAndFollowsTheBoxes)
{
    WindowRig rig;
    rig.Open();
    for (QCheckBox* box :
         {rig.Find<QCheckBox>("CAN_narrow"), rig.Find<QCheckBox>("USA_narrow"), rig.Find<QCheckBox>("INT_narrow")})
        box->click();
    rig.Find<QCheckBox>("Private")->setChecked(true);
    rig.W().Channels().FillBandList();
    EXPECT_EQ(rig.Bands(),
              QStringList({"INT", "USA", "CAN", "INT_Narrow", "USA_Narrow", "CAN_Narrow", "WX", "Private"}));

    rig.Find<QCheckBox>("INT")->click();
    EXPECT_EQ(rig.Bands().first(), "USA");
    EXPECT_EQ(rig.Find<QComboBox>("Band")->currentIndex(), 0);
    EXPECT_EQ(rig.W().Channels().CurrentGroup(), kGroupUsa);
    EXPECT_EQ(rig.Lines().size(), static_cast<int>(PlanRows(kGroupUsa).size()));

    // Europe swaps WX for Private.
    rig.Find<QRadioButton>("Europe")->click();
    EXPECT_FALSE(rig.Bands().contains("WX"));
    EXPECT_TRUE(rig.Bands().contains("Private"));
    EXPECT_TRUE(rig.Find<QCheckBox>("Private")->isChecked());

    for (QCheckBox* box : {rig.Find<QCheckBox>("USA"), rig.Find<QCheckBox>("CAN"), rig.Find<QCheckBox>("USA_narrow"),
                           rig.Find<QCheckBox>("INT_narrow"), rig.Find<QCheckBox>("CAN_narrow")})
        box->click();
    rig.Find<QCheckBox>("Private")->setChecked(false);
    rig.W().Channels().FillBandList();
    rig.W().Channels().FillChannelList();
    EXPECT_TRUE(rig.Bands().isEmpty());
    EXPECT_TRUE(rig.Lines().isEmpty());
}

TEST(ChannelList, IntShows57LinesInPlanFormat)
{
    WindowRig rig;
    rig.Open();
    rig.SelectBand("INT");
    const QStringList lines = rig.Lines();
    ASSERT_EQ(lines.size(), 57);
    const QString sixteen = QString("16, TX:156.8000  RX:156.8000,") + UsageName(17);
    EXPECT_TRUE(lines.contains(sixteen)) << sixteen.toStdString();
    EXPECT_EQ(rig.W().Doc().Config().bandIndex, kGroupInt);
    EXPECT_EQ(rig.W().Channels().SelectedChannel(), -1);
}

TEST(ChannelList, PrivateLinesStopAtAThreeCharacterNameAndBlankOddUsage)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record = EuropeRecord({"L1", "F2", "C3", "A4"});
    record.channels[kPrivateBlock].txMHz = record.channels[kPrivateBlock].rxMHz = 156.025;
    record.channels[kPrivateBlock + 1].usageCode = -5;
    std::memcpy(record.channels[kPrivateBlock + 2].name, "ABC", 3);
    OpenFile(rig, rig.SaveRecord(record, "odd.dat"));
    rig.SelectBand("Private");
    const QStringList lines = rig.Lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString(" L1,TX:156.0250  RX:156.0250 ") + UsageName(13));
    EXPECT_TRUE(lines[1].endsWith(" ")) << lines[1].toStdString();  // code -5: no usage text
}

TEST(ChannelList, AddInsertsAtTheEndOrAfterTheSelectedLine)
{
    WindowRig rig;
    rig.Open();
    ShowPrivate(rig, {"L1", "L2", "L3", "L4", "L5"});
    rig.W().Dialogs().run = AnswerChannel("157.85", "M");
    rig.W().Channels().OnAdd();
    ASSERT_EQ(rig.Lines().size(), 6);
    EXPECT_EQ(ChannelName(rig.W().Doc().Record().channels[kPrivateBlock + 5]), "M0");
    EXPECT_EQ(rig.W().Doc().Record().channels[kPrivateBlock + 5].inUse, 1);

    rig.SelectLine(1);
    rig.W().Dialogs().run = AnswerChannel("156.8", "A");
    rig.W().Channels().OnAdd();
    const ChannelEntry* p = &rig.W().Doc().Record().channels[kPrivateBlock];
    EXPECT_EQ(ChannelName(p[2]), "A0");
    EXPECT_EQ(ChannelName(p[3]), "L3");
    EXPECT_EQ(ChannelName(p[6]), "M0");
    EXPECT_EQ(rig.Lines().size(), 7);
    EXPECT_EQ(rig.W().Doc().IsModified(), true);

    // Cancel adds nothing.
    rig.W().Dialogs().run = AnswerChannel(nullptr, nullptr, false);
    rig.W().Channels().OnAdd();
    EXPECT_EQ(rig.Lines().size(), 7);
}

TEST(ChannelList, AddStopsAt99Channels)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 1);
    for (int i = 0; i < 98; ++i) record.channels[kPrivateBlock + i] = Private("C1", 156.8, 156.8);
    OpenFile(rig, rig.SaveRecord(record, "full.dat"));
    rig.SelectBand("Private");
    rig.W().Dialogs().run = AnswerChannel(nullptr);
    rig.W().Channels().OnAdd();
    EXPECT_EQ(rig.Lines().size(), 99);
    EXPECT_TRUE(rig.services.boxes.empty());
    rig.W().Channels().OnAdd();
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "Channel Number Limit!");
    EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(rig.Lines().size(), 99);
}

TEST(ChannelList, HundredStoredChannelsAreAllListed)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 1);
    for (int i = 0; i < 100; ++i) record.channels[kPrivateBlock + i] = Private("F1", 155.625, 155.625);
    OpenFile(rig, rig.SaveRecord(record, "hundred.dat"));
    rig.SelectBand("Private");
    EXPECT_EQ(rig.Lines().size(), 100);
}

TEST(ChannelList, RemoveKeepsOneUnbrokenRun)
{
    WindowRig rig;
    rig.Open();
    ShowPrivate(rig, {"L1"});
    rig.W().Channels().OnRemove();
    EXPECT_EQ(rig.services.boxes.back().text, "Please Select a Channel!");
    rig.SelectLine(0);
    rig.W().Channels().OnRemove();
    EXPECT_TRUE(rig.Lines().isEmpty());
    rig.W().Channels().OnRemove();
    EXPECT_EQ(rig.services.boxes.back().text, "NO Channel!");

    ShowPrivate(rig, {"L1", "L2", "L3"});
    rig.SelectLine(0);
    rig.W().Channels().OnRemove();
    const ChannelEntry* p = &rig.W().Doc().Record().channels[kPrivateBlock];
    EXPECT_EQ(ChannelName(p[0]), "L2");
    EXPECT_EQ(ChannelName(p[1]), "L3");
    EXPECT_EQ(p[2].inUse, 0);
    EXPECT_EQ(ChannelName(p[2]), "L3");  // only the in-use flag of the freed entry is cleared
    EXPECT_EQ(rig.Lines().size(), 2);
}

TEST(ChannelList, OnlyPrivateChannelsCanBeChangedAndReadOnlyBlocksDoubleClick)
{
    WindowRig rig;
    rig.Open();
    int opened = 0;
    rig.W().Dialogs().run = AnswerChannel(nullptr, nullptr, true, &opened);
    rig.SelectBand("INT");
    rig.SelectLine(3);
    rig.W().Channels().OnChannelDoubleClicked();
    rig.W().Channels().OnEdit();
    rig.W().Channels().OnAdd();
    rig.W().Channels().OnRemove();
    EXPECT_EQ(rig.services.Texts(), QStringList(4, "Only Private Channel Can be Modified!"));
    EXPECT_EQ(opened, 0);

    ShowPrivate(rig, {"L1", "L2"});
    rig.services.boxes.clear();
    rig.W().Channels().OnEdit();
    EXPECT_EQ(rig.services.Texts(), QStringList({"Please Select a Channel First!"}));
    rig.W().Channels().OnChannelDoubleClicked();  // no selection: silent
    EXPECT_EQ(rig.services.boxes.size(), 1u);

    ModelConfig options = rig.W().Doc().Config();
    options.uiReadOnly = 1;
    rig.W().Doc().SetServiceOptions(options);
    rig.SelectLine(1);
    rig.W().Channels().OnChannelDoubleClicked();
    EXPECT_EQ(rig.services.boxes.back().text, "UI Read Only!");
    EXPECT_EQ(opened, 0);
    rig.W().Channels().OnEdit();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(rig.W().Doc().Config().listPosition, 1);
    EXPECT_EQ(rig.W().Doc().Config().bandIndex, kGroupPrivate);
    EXPECT_EQ(rig.W().Doc().IsModified(), true);
}

// --- File commands --------------------------------------------------------------------------

TEST(FileCommands, OpenFailuresShowTheirTextInStatusAndBox)
{
    WindowRig rig;
    rig.Open();
    const std::vector<char> before(reinterpret_cast<const char*>(&rig.W().Doc().Record()),
                                   reinterpret_cast<const char*>(&rig.W().Doc().Record()) + sizeof(RadioSettings));
    OpenFile(rig, rig.File("missing.dat"));
    EXPECT_EQ(rig.W().Status().Text(), "Open File Error.");
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "Open File Error.");
    EXPECT_EQ(rig.services.boxes[0].caption, "Error");
    EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::None);

    RadioSettings bad = EuropeRecord({"L1"});
    bad.channels[kPrivateBlock].rxMHz = 174.1;
    OpenFile(rig, rig.SaveRecord(bad, "bad.dat"));
    EXPECT_EQ(rig.W().Status().Text(), "Unknown File Format.");
    EXPECT_EQ(rig.W().Status().Countdown(), 10);
    EXPECT_EQ(rig.W().windowTitle(), "QX720 V1.10");
    EXPECT_EQ(std::memcmp(before.data(), &rig.W().Doc().Record(), sizeof(RadioSettings)), 0);

    // The chooser starts in the start directory listing clone files.
    ASSERT_FALSE(rig.services.openRequests.empty());
    EXPECT_EQ(rig.services.openRequests[0].directory, rig.app.startDirectory);
    EXPECT_EQ(rig.services.openRequests[0].pattern, "*.dat");
    EXPECT_EQ(rig.services.openRequests[0].defaultSuffix, "dat");
}

TEST(FileCommands, SaveOnAReadOnlyFileFailsAndLeavesItAlone)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    const QString path = rig.SaveRecord(record, "locked.dat");
    std::filesystem::permissions(path.toStdString(), std::filesystem::perms::owner_read);
    OpenFile(rig, path);
    rig.Find<QCheckBox>("CAN")->click();
    rig.W().Files().OnSave();
    EXPECT_EQ(rig.W().Status().Text(), "Save file error.");
    EXPECT_EQ(rig.W().Doc().IsModified(), true);
    RadioSettings onDisk;
    ASSERT_EQ(ReadCloneRecord(path.toStdString(), onDisk), kResultOk);
    EXPECT_EQ(onDisk.canEnabled, 1);

    // A save offer on a read-only file asks for a new name instead.
    rig.services.answers = {MsgAnswer::Yes};
    rig.services.saveAnswers = {rig.File("copy.dat")};
    rig.W().reject();
    ASSERT_EQ(rig.services.saveRequests.size(), 1u);
    ASSERT_EQ(ReadCloneRecord(rig.folder.File("copy.dat"), onDisk), kResultOk);
    EXPECT_EQ(onDisk.canEnabled, 0);
}

TEST(FileCommands, SaveAndSaveAs)
{
    WindowRig rig;
    rig.Open();
    rig.W().Files().OnSave();  // untitled: nothing
    EXPECT_EQ(rig.W().Status().Text(), "Ready");

    rig.W().Files().OnSaveAs();  // cancelled: nothing changes
    EXPECT_EQ(rig.W().Status().Text(), "Ready");
    EXPECT_FALSE(rig.Action("save")->isEnabled());

    rig.Type(rig.Find<QLineEdit>("MMSI"), "211234567");
    rig.services.saveAnswers = {rig.File("new.dat")};
    rig.W().Files().OnSaveAs();
    EXPECT_EQ(rig.W().Status().Text(), "Save as file OK.");
    EXPECT_TRUE(rig.Action("save")->isEnabled());
    EXPECT_EQ(rig.W().windowTitle(), "/new.dat - QX720USA V1.10");
    RadioSettings onDisk;
    ASSERT_EQ(ReadCloneRecord(rig.folder.File("new.dat"), onDisk), kResultOk);
    EXPECT_EQ(MmsiText(onDisk), "211234567");
    EXPECT_EQ(std::memcmp(&onDisk, &rig.W().Doc().Record(), sizeof onDisk), 0);

    rig.Find<QCheckBox>("USA_narrow")->click();
    rig.W().Files().OnSave();
    EXPECT_EQ(rig.W().Status().Text(), "Save file OK.");
    EXPECT_EQ(rig.W().windowTitle(), "/new.dat - QX720USA V1.10");
    ASSERT_EQ(ReadCloneRecord(rig.folder.File("new.dat"), onDisk), kResultOk);
    EXPECT_EQ(onDisk.usaNarrowEnabled, 1);

    rig.services.saveAnswers = {rig.File("no-such-folder/x.dat")};
    rig.W().Files().OnSaveAs();
    EXPECT_EQ(rig.W().Status().Text(), "Save as file error.");
}

// A radio read with a channel the clone file check refuses is the user's data, but no clone file
// is saved of it: such a file would never open again.
TEST(FileCommands, ADocumentTheFileCheckRefusesIsNotSaved)
{
    WindowRig rig;
    rig.Open();
    RadioSettings radio{};
    ResetSettings(radio, 1);
    ChannelEntry& past = radio.channels[kPrivateBlock];
    SetChannelName(past, "P1");
    past.inUse = 1;
    past.txMHz = 170.0;
    past.rxMHz = 174.6;
    RadioImage image{};
    EncodeSettings(radio, 0, image);
    EepromBytes contents{};
    std::copy_n(image.begin(), contents.size(), contents.begin());
    rig.radio.SetContents(contents);
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    rig.services.boxes.clear();
    rig.services.saveAnswers = {rig.File("past.dat")};
    rig.W().Files().OnSaveAs();
    ASSERT_FALSE(rig.services.boxes.empty());
    EXPECT_TRUE(
        rig.services.boxes.back().text.startsWith("This document cannot be saved as a clone file: private "
                                                  "channel 1 receives on 174.6"))
        << rig.services.boxes.back().text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(rig.folder.File("past.dat")));
}

TEST(FileCommands, TitledDocumentsKeepTheirQuestionsWithACancel)
{
    {
        WindowRig rig;  // titled, unchanged: no question
        rig.Open();
        RadioSettings record;
        ResetSettings(record, 0);
        OpenFile(rig, rig.SaveRecord(record, "a.dat"));
        rig.W().reject();
        EXPECT_TRUE(rig.services.boxes.empty());
    }
    {
        WindowRig rig;  // titled and modified: asked at open and at close; Yes saves
        rig.Open();
        RadioSettings record;
        ResetSettings(record, 0);
        const QString path = rig.SaveRecord(record, "b.dat");
        OpenFile(rig, path);
        rig.Find<QCheckBox>("CAN")->click();
        rig.W().Files().OnOpen();  // answered No, chooser cancelled
        EXPECT_EQ(rig.services.Texts(), QStringList({"Do you want to save?"}));
        EXPECT_EQ(rig.services.boxes[0].caption, "WARNING");
        EXPECT_EQ(rig.services.boxes[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::Question);
        rig.services.answers = {MsgAnswer::Yes};
        rig.W().reject();
        EXPECT_EQ(rig.services.Texts().last(), "File is Modify. Do you want to save?");
        EXPECT_EQ(rig.services.boxes.back().buttons, MsgButtons::YesNoCancel);
        RadioSettings onDisk;
        ASSERT_EQ(ReadCloneRecord(path.toStdString(), onDisk), kResultOk);
        EXPECT_EQ(onDisk.canEnabled, 0);
    }
}

TEST(FileCommands, AFailedSaveOfferKeepsTheEdits)
{
    WindowRig rig;
    rig.Open();
    // A file whose folder disappears after it was opened: it can no longer be written.
    std::filesystem::create_directory(rig.folder.File("gone"));
    RadioSettings record;
    ResetSettings(record, 0);
    test::WriteAll(rig.folder.File("gone/d.dat"), &record, sizeof record);
    OpenFile(rig, rig.File("gone/d.dat"));
    std::filesystem::remove_all(rig.folder.File("gone"));
    rig.Find<QCheckBox>("CAN")->click();
    ASSERT_EQ(rig.W().Doc().IsModified(), true);
    const int edited = rig.Find<QCheckBox>("CAN")->isChecked() ? 1 : 0;
    ASSERT_NE(edited, record.canEnabled);

    // Open: Yes to save, the save fails: the failure shows and no file is chosen.
    rig.services.answers = {MsgAnswer::Yes};
    rig.services.openAnswers = {rig.SaveRecord(record, "other.dat")};
    rig.W().Files().OnOpen();
    EXPECT_EQ(rig.services.Texts(), QStringList({"Do you want to save?", "Save file error."}));
    EXPECT_EQ(rig.services.boxes[1].caption, "Error");
    EXPECT_EQ(rig.services.openRequests.size(), 1u);  // only the first open above
    EXPECT_EQ(rig.W().Status().Text(), "Save file error.");
    EXPECT_EQ(rig.W().Doc().Record().canEnabled, edited);

    // Load Default: the wizard's OK, Yes to save, the save fails: the document stays.
    rig.W().Dialogs().run = [](QDialog& d) {
        auto& wizard = dynamic_cast<ModelWizardDialog&>(d);
        wizard.EurIntButton()->click();
        wizard.accept();
        return wizard.result();
    };
    rig.services.boxes.clear();
    rig.services.answers = {MsgAnswer::Yes};
    rig.W().Files().OnLoadDefault();
    EXPECT_EQ(rig.services.Texts(), QStringList({"File is modified. Do you want to save?", "Save file error."}));
    EXPECT_EQ(rig.W().Doc().Record().canEnabled, edited);
    EXPECT_EQ(rig.W().Doc().Config().modelType, 0);
    EXPECT_EQ(rig.W().windowTitle(), "/gone/d.dat* - QX720USA V1.10");

    // Close: Yes to save, the save fails: the window stays open; No then closes it.
    rig.services.boxes.clear();
    rig.services.answers = {MsgAnswer::Yes};
    rig.W().reject();
    EXPECT_EQ(rig.services.Texts(), QStringList({"File is Modify. Do you want to save?", "Save file error."}));
    EXPECT_FALSE(rig.W().HasClosed());
    rig.services.answers = {MsgAnswer::No};
    rig.W().reject();
    EXPECT_TRUE(rig.W().HasClosed());
}

TEST(FileCommands, LoadDefaultAsksOnlyAfterTheWizardsOk)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    OpenFile(rig, rig.SaveRecord(record, "c.dat"));
    rig.Find<QCheckBox>("CAN")->click();

    rig.W().Dialogs().run = [](QDialog& d) {
        d.reject();
        return d.result();
    };
    rig.W().Files().OnLoadDefault();
    EXPECT_TRUE(rig.services.boxes.empty());
    EXPECT_EQ(rig.W().windowTitle(), "/c.dat* - QX720USA V1.10");

    rig.W().Dialogs().run = [](QDialog& d) {
        auto& wizard = dynamic_cast<ModelWizardDialog&>(d);
        wizard.EurIntButton()->click();
        wizard.SetList()->setCurrentIndex(1);  // UK
        wizard.accept();
        return wizard.result();
    };
    rig.W().Files().OnLoadDefault();
    EXPECT_EQ(rig.services.Texts(), QStringList({"File is modified. Do you want to save?"}));
    EXPECT_EQ(rig.W().windowTitle(), "QX720 V1.10");
    EXPECT_FALSE(rig.Action("save")->isEnabled());
    EXPECT_EQ(rig.W().Doc().IsModified(), true);  // the defaults are in no file yet
    EXPECT_EQ(rig.W().Doc().Config().modelType, 1);
    EXPECT_TRUE(rig.Find<QRadioButton>("Europe")->isChecked());
    rig.SelectBand("Private");
    EXPECT_EQ(rig.Lines().size(), 2);

    rig.W().Files().OnLoadDefault();  // untitled now: the plain question
    EXPECT_EQ(rig.services.Texts().last(), "Do you want to save?");
    EXPECT_EQ(rig.services.boxes.size(), 2u);
}

// --- Tools and Help -------------------------------------------------------------------------

TEST(ToolsMenu, CheckSumAndFrequencyTable)
{
    WindowRig rig;
    rig.Open();
    rig.W().Tools().OnViewCheckSum();
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "CheckSum=0x000005DD");
    EXPECT_EQ(rig.services.boxes[0].caption, "CheckSum");
    EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::None);

    rig.W().Tools().OnExportFreqTable();
    const QString table = rig.File("FreqTabl.txt");
    EXPECT_EQ(rig.services.openedTextFiles, QStringList({table}));
    const std::vector<char> text = test::ReadAll(table.toStdString());
    EXPECT_EQ(std::string(text.begin(), text.begin() + 24), "Date:2026.12.7\t\tTime:9:5");

    rig.services.currentDirectory = rig.File("no-such-folder");
    rig.W().Tools().OnExportFreqTable();
    EXPECT_EQ(rig.services.boxes.back().text, "Can't Create file:\n" + rig.File("no-such-folder/FreqTabl.txt"));
    EXPECT_EQ(rig.services.boxes.back().icon, MsgIcon::Stop);
    EXPECT_EQ(rig.services.openedTextFiles.size(), 1);
}

TEST(HelpMenu, CtrlOpensTheUserDialogWhoseOkRefreshesTheOptionLine)
{
    WindowRig rig;
    rig.Open();
    int about = 0, user = 0;
    rig.W().Dialogs().about = [&](QWidget*, AppContext&) {
        ++about;
        return int(QDialog::Accepted);
    };
    rig.W().Dialogs().user = [&](QWidget*, AppContext&, ModelConfig& config) {
        ++user;
        config.logoFlag = 1;
        config.romMapFlag = 1;
        return int(QDialog::Accepted);
    };
    rig.W().OnAbout();
    EXPECT_EQ(about, 1);
    rig.services.ctrl = true;
    rig.W().OnSystemAbout();
    EXPECT_EQ(about, 2);
    rig.W().OnAbout();
    EXPECT_EQ(user, 1);
    EXPECT_EQ(rig.W().Status().OptionText(), "Logo;Save RomMap;");

    rig.W().Dialogs().featureSetup = [](QWidget*, AppContext&, ModelConfig&, RadioSettings& doc) {
        std::strcpy(doc.modelName, "QX720X");
        return int(QDialog::Accepted);
    };
    rig.W().OnFeatureSetup();
    EXPECT_EQ(rig.W().Doc().IsModified(), true);
}

TEST(MainWindowMenus, TextsAndOrderAreExact)
{
    WindowRig rig;
    rig.Open();
    QStringList menus;
    for (QAction* a : rig.Only<QMenuBar>()->actions()) menus << test::Shown(a);
    EXPECT_EQ(menus, QStringList({"File", "Edit", "Clone", "Tools", "Service", "Help"}));
    QStringList items;
    for (QAction* a : rig.Only<QMenuBar>()->actions()[0]->menu()->actions())
        if (!a->isSeparator()) items << test::Shown(a);
    EXPECT_EQ(items, QStringList({"Load Default", "Open", "Save", "Save as", "Print...", "Print Preview...",
                                  "Export PDF...", "Back up the radio before writing",
                                  "Back up the whole EEPROM before a write", "Backups...", "Exit"}));
    // No default button: a stray Enter never writes the radio.
    for (QPushButton* button : rig.W().findChildren<QPushButton*>()) EXPECT_FALSE(button->isDefault());
}

}  // namespace
}  // namespace qx
