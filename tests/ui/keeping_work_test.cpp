// The window against losing work to one key: the save question, Enter, the menus' keys, a
// partly written radio, reports without a viewer, the identity box, and edits during a Read.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include "../support/records.h"
#include "files/clone_file.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "model/channel_plan.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

void PressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

// Types text into a field as the keyboard does, so the field reports a user edit.
void Type(QWidget* field, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
    }
}

QString OpenRecord(WindowRig& rig, const RadioSettings& record, const char* name)
{
    const QString path = rig.SaveRecord(record, name);
    rig.services.openAnswers.push_back(path);
    rig.W().Files().OnOpen();
    return path;
}

RadioSettings EuropeWithPrivate(int count)
{
    RadioSettings r;
    ResetSettings(r, 1);
    for (int i = 0; i < count; ++i) r.channels[kPrivateBlock + i] = test::InUseChannel("L1", 156.025, 156.025, 13);
    return r;
}

// Accepts the model wizard with the Europe (INT) defaults.
int AcceptEuropeWizard(QDialog& d)
{
    auto& wizard = dynamic_cast<ModelWizardDialog&>(d);
    wizard.EurIntButton()->click();
    wizard.accept();
    return wizard.result();
}

// --- 1: the save question -------------------------------------------------------------------

TEST(SaveQuestion, EscAfterAReadAsksAndCancelKeepsEverything)
{
    WindowRig rig;
    rig.Open();
    rig.W().show();
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.W().Status().Text(), "Read OK.");
    const RadioSettings read = rig.W().Doc().Record();

    rig.services.answers = {MsgAnswer::Cancel};
    PressKey(&rig.W(), Qt::Key_Escape);
    EXPECT_FALSE(rig.W().HasClosed());
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "Do you want to save?");
    EXPECT_EQ(rig.services.boxes[0].caption, "WARNING");
    EXPECT_EQ(rig.services.boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(rig.services.boxes[0].icon, MsgIcon::Question);
    EXPECT_EQ(std::memcmp(&read, &rig.W().Doc().Record(), sizeof read), 0);
    EXPECT_EQ(rig.W().Doc().IsModified(), true);

    rig.services.answers = {MsgAnswer::No};
    PressKey(&rig.W(), Qt::Key_Escape);
    EXPECT_TRUE(rig.W().HasClosed());
    EXPECT_TRUE(rig.services.saveRequests.empty());
}

TEST(SaveQuestion, CancelWhileAWriteRunsLetsItFinishAndEscCannotStopIt)
{
    WindowRig rig;
    rig.Open();
    rig.W().show();
    rig.Find<QCheckBox>("CAN_narrow")->click();
    rig.W().Clone().OnWriteToRadio();
    ASSERT_TRUE(rig.W().Clone().IsRunning());
    PressKey(&rig.W(), Qt::Key_Escape);  // ignored while the write runs
    EXPECT_TRUE(rig.services.boxes.empty());
    rig.services.answers = {MsgAnswer::Cancel};
    rig.W().reject();  // the close box: asked first, cancelled
    EXPECT_FALSE(rig.W().HasClosed());
    EXPECT_FALSE(rig.stopEvent.IsSet());
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
    EXPECT_EQ(rig.services.Texts(), QStringList({"Do you want to save?"}));

    // Esc works again once the write is over.
    rig.services.answers = {MsgAnswer::No};
    PressKey(&rig.W(), Qt::Key_Escape);
    EXPECT_TRUE(rig.W().HasClosed());
}

TEST(SaveQuestion, YesOnUntitledWorkRunsSaveAsAndACancelledChooserKeepsTheWindow)
{
    WindowRig rig;
    rig.Open();
    rig.Find<QCheckBox>("INT_narrow")->click();
    rig.services.answers = {MsgAnswer::Yes};
    rig.W().reject();  // Yes, then the chooser is cancelled
    EXPECT_FALSE(rig.W().HasClosed());
    EXPECT_EQ(rig.services.saveRequests.size(), 1u);

    rig.services.answers = {MsgAnswer::Yes};
    rig.services.saveAnswers = {rig.File("kept.dat")};
    rig.W().reject();
    EXPECT_TRUE(rig.W().HasClosed());
    RadioSettings onDisk;
    ASSERT_EQ(ReadCloneRecord(rig.folder.File("kept.dat"), onDisk), kResultOk);
    EXPECT_EQ(onDisk.intNarrowEnabled, 1);
    EXPECT_EQ(rig.services.Texts(), QStringList({"Do you want to save?", "Do you want to save?"}));
}

TEST(SaveQuestion, TypingIsAnEditEvenWithoutLeavingTheField)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    record.mmsiByUser = 0;
    const QString path = OpenRecord(rig, record, "typed.dat");
    ASSERT_TRUE(rig.Find<QLineEdit>("MMSI")->isEnabled());
    Type(rig.Find<QLineEdit>("MMSI"), "211234567");
    EXPECT_EQ(rig.W().windowTitle(), "/typed.dat* - QX720USA V1.10");

    rig.services.answers = {MsgAnswer::Yes};
    rig.W().reject();
    EXPECT_EQ(rig.services.Texts(), QStringList({"File is Modify. Do you want to save?"}));
    RadioSettings onDisk;
    ASSERT_EQ(ReadCloneRecord(path.toStdString(), onDisk), kResultOk);
    EXPECT_EQ(MmsiText(onDisk), "211234567");
}

TEST(SaveQuestion, OpenAndLoadDefaultAskForUntitledWork)
{
    WindowRig rig;
    rig.Open();
    rig.Find<QCheckBox>("CAN")->click();
    const RadioSettings edited = rig.W().Doc().Record();

    // Open: Cancel shows no chooser; No goes on to it.
    rig.services.answers = {MsgAnswer::Cancel};
    rig.W().Files().OnOpen();
    EXPECT_TRUE(rig.services.openRequests.empty());
    rig.services.answers = {MsgAnswer::No};
    rig.W().Files().OnOpen();
    EXPECT_EQ(rig.services.openRequests.size(), 1u);

    // Load Default: the wizard's OK, then Cancel: document and model stay.
    rig.W().Dialogs().run = AcceptEuropeWizard;
    rig.services.answers = {MsgAnswer::Cancel};
    rig.W().Files().OnLoadDefault();
    EXPECT_EQ(std::memcmp(&edited, &rig.W().Doc().Record(), sizeof edited), 0);
    EXPECT_EQ(rig.W().Doc().Config().modelType, 0);
    EXPECT_TRUE(rig.Find<QRadioButton>("USA")->isChecked());
    EXPECT_EQ(rig.services.Texts(), QStringList(3, "Do you want to save?"));

    // No: the defaults come, and they are unsaved work of their own.
    rig.services.answers = {MsgAnswer::No};
    rig.W().Files().OnLoadDefault();
    EXPECT_TRUE(rig.Find<QRadioButton>("Europe")->isChecked());
    rig.services.boxes.clear();
    rig.W().reject();
    EXPECT_EQ(rig.services.Texts(), QStringList({"Do you want to save?"}));
}

// --- 2: Enter -------------------------------------------------------------------------------

TEST(EnterKey, OnTheChannelListEditsTheChannelAndNeverWrites)
{
    WindowRig rig;
    rig.Open();
    rig.W().show();
    OpenRecord(rig, EuropeWithPrivate(3), "enter.dat");
    rig.SelectBand("Private");
    rig.SelectLine(1);
    int opened = 0;
    rig.W().Dialogs().run = [&](QDialog& d) {
        ++opened;
        d.reject();
        return d.result();
    };
    PressKey(rig.Find<QListWidget>("Channel list"), Qt::Key_Return);
    PressKey(rig.Find<QListWidget>("Channel list"), Qt::Key_Enter);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(rig.W().Doc().Config().listPosition, 1);
    EXPECT_FALSE(rig.W().Clone().IsRunning());

    // A plan line answers as a double click does.
    rig.SelectBand("INT");
    rig.SelectLine(0);
    PressKey(rig.Find<QListWidget>("Channel list"), Qt::Key_Return);
    EXPECT_EQ(rig.services.Texts(), QStringList({"Only Private Channel Can be Modified!"}));
    EXPECT_FALSE(rig.W().Clone().IsRunning());

    // A focused push button takes Enter itself.
    rig.SelectBand("Private");
    PressKey(rig.Find<QPushButton>("Add"), Qt::Key_Return);
    EXPECT_EQ(opened, 3);
    EXPECT_FALSE(rig.W().Clone().IsRunning());
}

// --- 3: a partly written radio --------------------------------------------------------------

TEST(PartlyWritten, AFailedOrStoppedWriteSaysWhatTheRadioMayHold)
{
    WindowRig rig;
    rig.Open();
    // The adaptor goes away half way through the write.
    RadioFaults faults;
    faults.unplugAfter = 20;
    rig.radio.SetFaults(faults);
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "Radio is not detected!");  // the described message stays
    EXPECT_EQ(rig.services.boxes[0].caption, "Write Error");
    const QString info = rig.services.boxes[0].informative;
    EXPECT_TRUE(info.startsWith("The radio may now hold part of the new settings.")) << info.toStdString();
    EXPECT_TRUE(info.simplified().contains("Service / Eprom Tools")) << info.toStdString();
    EXPECT_EQ(rig.W().Status().Text(), "Write Error.");

    // Stopped by the user once blocks go to the radio.
    rig.radio.Plug();
    rig.Ticks(1);
    rig.Find<QPushButton>("Write to Radio")->click();
    rig.RunToWriteStage();
    rig.gate.stopAfter = 5;  // the HandShake and four blocks
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "User Cancel.");
    ASSERT_EQ(rig.services.boxes.size(), 2u);
    EXPECT_EQ(rig.services.boxes[1].text, "User Cancel.");
    EXPECT_EQ(rig.services.boxes[1].informative, info);

    // A failed read leaves the radio alone and says nothing of the kind.
    rig.radio.Unplug();
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.services.boxes.size(), 3u);
    EXPECT_EQ(rig.services.boxes[2].caption, "Read Error");
    EXPECT_TRUE(rig.services.boxes[2].informative.isEmpty());
}

// --- 4: keyboard access to the menus --------------------------------------------------------

TEST(MenuKeys, EveryMenuAndItemHasAMnemonicAndTheMainCommandsHaveKeys)
{
    WindowRig rig;
    rig.Open();
    auto mnemonic = [](const QAction* a) {
        const int at = a->text().indexOf('&');
        return at < 0 || at + 1 >= a->text().size() ? QChar() : a->text()[at + 1].toLower();
    };
    QSet<QChar> titles;
    for (QAction* menu : rig.Only<QMenuBar>()->actions()) {
        const QChar key = mnemonic(menu);
        EXPECT_FALSE(key.isNull()) << test::Shown(menu).toStdString();
        titles.insert(key);
        QSet<QChar> keys;
        int items = 0;
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            ++items;
            EXPECT_FALSE(mnemonic(item).isNull()) << test::Shown(item).toStdString();
            keys.insert(mnemonic(item));
        }
        EXPECT_EQ(keys.size(), items) << "mnemonics repeat in " << test::Shown(menu).toStdString();
    }
    EXPECT_EQ(titles.size(), 6);

    auto expectStandard = [](QAction* action, QKeySequence::StandardKey key, const char* fallback) {
        const QList<QKeySequence> platform = QKeySequence::keyBindings(key);
        EXPECT_EQ(action->shortcut(), platform.isEmpty() ? QKeySequence(fallback) : platform.first())
            << test::Shown(action).toStdString();
    };
    expectStandard(rig.Action("open"), QKeySequence::Open, "Ctrl+O");
    expectStandard(rig.Action("save"), QKeySequence::Save, "Ctrl+S");
    expectStandard(rig.Action("undo"), QKeySequence::Undo, "Ctrl+Z");
    expectStandard(rig.Action("redo"), QKeySequence::Redo, "Ctrl+Shift+Z");
    expectStandard(rig.Action("saveAs"), QKeySequence::SaveAs, "Ctrl+Shift+S");
    expectStandard(rig.Action("exit"), QKeySequence::Quit, "Ctrl+Q");

    // Read and Write have keys of their own, which collide with nothing and are not Close.
    QList<QKeySequence> all;
    for (QAction* menu : rig.Only<QMenuBar>()->actions())
        for (QAction* item : menu->menu()->actions()) all += item->shortcuts();
    for (QAction* action : {rig.Action("menuReadFromRadio"), rig.Action("menuWriteToRadio")}) {
        ASSERT_FALSE(action->shortcut().isEmpty()) << test::Shown(action).toStdString();
        EXPECT_EQ(all.count(action->shortcut()), 1);
        EXPECT_FALSE(QKeySequence::keyBindings(QKeySequence::Close).contains(action->shortcut()));
    }
    EXPECT_EQ(QSet<QKeySequence>(all.begin(), all.end()).size(), all.size());
}

// --- 5: a report without a viewer -----------------------------------------------------------

TEST(ReportWithoutViewer, VerifyAndFreqTableNameTheFullPath)
{
    WindowRig rig;
    rig.Open();
    rig.services.viewerWorks = false;
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    rig.Find<QCheckBox>("USA_narrow")->click();  // the PC now differs from the radio
    rig.W().Clone().OnVerify();
    rig.WaitForRun();
    const QString report = rig.File("Verify.txt");
    EXPECT_EQ(rig.W().Status().Text(), "Verify Error. Report: " + report);
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].caption, "Verify Error");
    EXPECT_TRUE(rig.services.boxes[0].text.contains(report)) << rig.services.boxes[0].text.toStdString();
    EXPECT_FALSE(rig.services.boxes[0].informative.isEmpty());

    rig.W().Tools().OnExportFreqTable();
    const QString table = rig.File("FreqTabl.txt");
    EXPECT_EQ(rig.W().Status().Text(), "Report: " + table);
    ASSERT_EQ(rig.services.boxes.size(), 2u);
    EXPECT_TRUE(rig.services.boxes[1].text.contains(table));
}

// --- 6: the identity box --------------------------------------------------------------------

TEST(IdentityBox, FieldsFollowTheirBoxesFromTheStartAndAfterOpen)
{
    WindowRig rig;
    rig.Open();
    ASSERT_TRUE(rig.Find<QCheckBox>("MMSI entry by user")->isChecked() ||
                rig.Find<QCheckBox>("ATIS entry by user")->isChecked());  // else this proves nothing
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->isEnabled(), !rig.Find<QCheckBox>("MMSI entry by user")->isChecked());
    EXPECT_EQ(rig.Find<QLineEdit>("ATIS ID")->isEnabled(), !rig.Find<QCheckBox>("ATIS entry by user")->isChecked());

    RadioSettings record;
    ResetSettings(record, 0);
    record.mmsiByUser = 0;
    record.atisByUser = 1;
    OpenRecord(rig, record, "ids.dat");
    EXPECT_TRUE(rig.Find<QLineEdit>("MMSI")->isEnabled());
    EXPECT_FALSE(rig.Find<QLineEdit>("ATIS ID")->isEnabled());
    record.mmsiByUser = 1;
    record.atisByUser = 0;
    OpenRecord(rig, record, "ids2.dat");
    EXPECT_FALSE(rig.Find<QLineEdit>("MMSI")->isEnabled());
    EXPECT_TRUE(rig.Find<QLineEdit>("ATIS ID")->isEnabled());
}

TEST(IdentityBox, AnEmptyCaptionKeepsItsRoom)
{
    WindowRig rig;
    rig.Open();
    rig.W().show();
    auto settle = [&] {
        rig.W().layout()->activate();
        QCoreApplication::processEvents();
    };
    settle();
    const QSize size = rig.W().size();
    const QPoint field = rig.Find<QLineEdit>("MMSI")->mapTo(&rig.W(), QPoint(0, 0));
    const QRect box = rig.W().Identity().geometry();
    ASSERT_EQ(rig.W().Identity().title(), "QX720");

    RadioSettings record;
    ResetSettings(record, 0);
    OpenRecord(rig, record, "caption.dat");
    settle();
    ASSERT_EQ(rig.W().Identity().title(), "");
    EXPECT_EQ(rig.W().size(), size);
    EXPECT_EQ(rig.W().Identity().geometry(), box);
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->mapTo(&rig.W(), QPoint(0, 0)), field);
}

// --- 7: editing while a Read runs -----------------------------------------------------------

TEST(EditingDuringRead, CommandsThatReplaceOrEditTheDocumentWaitForTheRead)
{
    WindowRig rig;
    rig.Open();
    rig.W().show();
    OpenRecord(rig, EuropeWithPrivate(2), "mine.dat");
    rig.SelectBand("Private");
    rig.SelectLine(0);
    const QString other = rig.SaveRecord(EuropeWithPrivate(1), "other.dat");
    int dialogs = 0;
    rig.W().Dialogs().run = [&](QDialog& d) {
        ++dialogs;
        d.reject();
        return d.result();
    };
    rig.W().Dialogs().featureSetup = [&](QWidget*, AppContext&, ModelConfig&, RadioSettings&) {
        ++dialogs;
        return int(QDialog::Rejected);
    };

    rig.W().Clone().OnReadFromRadio();
    ASSERT_TRUE(rig.W().Clone().IsRunning());
    for (QAction* action : {rig.Action("open"), rig.Action("loadDefault"), rig.Action("featureSetup")})
        EXPECT_FALSE(action->isEnabled()) << test::Shown(action).toStdString();
    const std::initializer_list<QWidget*> editors = {
        rig.Find<QPushButton>("Edit"),     rig.Find<QPushButton>("Add"),
        rig.Find<QPushButton>("Remove"),   rig.Find<QCheckBox>("MMSI entry by user"),
        rig.Find<QLineEdit>("MMSI"),       rig.Find<QCheckBox>("ATIS entry by user"),
        rig.Find<QLineEdit>("ATIS ID"),    rig.Find<QCheckBox>("USA"),
        rig.Find<QCheckBox>("INT"),        rig.Find<QCheckBox>("CAN"),
        rig.Find<QCheckBox>("USA_narrow"), rig.Find<QCheckBox>("INT_narrow"),
        rig.Find<QCheckBox>("CAN_narrow"), rig.Find<QRadioButton>("USA"),
        rig.Find<QRadioButton>("Europe"),  rig.Find<QComboBox>("TX PLL step"),
        rig.Find<QComboBox>("RX PLL step")};
    for (QWidget* control : editors) EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    // Reading the document stays possible: saving it, looking through the bands.
    for (QAction* action :
         {rig.Action("save"), rig.Action("saveAs"), rig.Action("exportFreqTable"), rig.Action("viewCheckSum")})
        EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(rig.Find<QComboBox>("Band")->isEnabled());
    EXPECT_TRUE(rig.Find<QListWidget>("Channel list")->isEnabled());

    // Reached by other ways, the commands do nothing either.
    rig.services.openAnswers = {other};
    rig.W().Files().OnOpen();
    rig.W().Files().OnLoadDefault();
    rig.W().Channels().OnChannelDoubleClicked();
    PressKey(rig.Find<QListWidget>("Channel list"), Qt::Key_Return);
    rig.W().Channels().OnEdit();
    rig.W().Channels().OnAdd();
    rig.W().Channels().OnRemove();
    rig.W().OnFeatureSetup();
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(rig.services.openRequests.size(), 1u);  // the open before the read
    EXPECT_TRUE(rig.services.boxes.empty());

    rig.WaitForRun();
    ASSERT_EQ(rig.W().Status().Text(), "Read OK.");
    EXPECT_EQ(rig.W().windowTitle(), "QX720 V1.10");
    for (QAction* action : {rig.Action("open"), rig.Action("loadDefault"), rig.Action("featureSetup")})
        EXPECT_TRUE(action->isEnabled());
    for (QWidget* control : editors) {
        if (control == rig.Find<QLineEdit>("MMSI") || control == rig.Find<QLineEdit>("ATIS ID"))
            continue;  // these follow their boxes
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    }
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->isEnabled(), !rig.Find<QCheckBox>("MMSI entry by user")->isChecked());
    EXPECT_EQ(rig.Find<QLineEdit>("ATIS ID")->isEnabled(), !rig.Find<QCheckBox>("ATIS entry by user")->isChecked());

    // A write only reads the document: everything stays available.
    rig.W().Clone().OnWriteToRadio();
    EXPECT_TRUE(rig.Action("open")->isEnabled());
    EXPECT_TRUE(rig.Find<QPushButton>("Add")->isEnabled());
    EXPECT_TRUE(rig.Find<QCheckBox>("MMSI entry by user")->isEnabled());
    rig.WaitForRun();
}

}  // namespace
}  // namespace qx
