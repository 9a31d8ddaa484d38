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
    ASSERT_EQ(rig.C().status->text(), "Read OK.");
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
    rig.C().canNarrow->click();
    rig.W().Clone().OnWriteToRadio();
    ASSERT_TRUE(rig.W().Clone().IsRunning());
    PressKey(&rig.W(), Qt::Key_Escape);  // ignored while the write runs
    EXPECT_TRUE(rig.services.boxes.empty());
    rig.services.answers = {MsgAnswer::Cancel};
    rig.W().reject();  // the close box: asked first, cancelled
    EXPECT_FALSE(rig.W().HasClosed());
    EXPECT_FALSE(rig.stopEvent.IsSet());
    rig.WaitForRun();
    EXPECT_EQ(rig.C().status->text(), "Write OK.");
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
    rig.C().intNarrow->click();
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
    ASSERT_TRUE(rig.C().mmsi->isEnabled());
    Type(rig.C().mmsi, "211234567");
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
    rig.C().can->click();
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
    EXPECT_TRUE(rig.C().modelUsa->isChecked());
    EXPECT_EQ(rig.services.Texts(), QStringList(3, "Do you want to save?"));

    // No: the defaults come, and they are unsaved work of their own.
    rig.services.answers = {MsgAnswer::No};
    rig.W().Files().OnLoadDefault();
    EXPECT_TRUE(rig.C().modelEurope->isChecked());
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
    PressKey(rig.C().channels, Qt::Key_Return);
    PressKey(rig.C().channels, Qt::Key_Enter);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(rig.W().Doc().Config().listPosition, 1);
    EXPECT_FALSE(rig.W().Clone().IsRunning());

    // A plan line answers as a double click does.
    rig.SelectBand("INT");
    rig.SelectLine(0);
    PressKey(rig.C().channels, Qt::Key_Return);
    EXPECT_EQ(rig.services.Texts(), QStringList({"Only Private Channel Can be Modified!"}));
    EXPECT_FALSE(rig.W().Clone().IsRunning());

    // A focused push button takes Enter itself.
    rig.SelectBand("Private");
    PressKey(rig.C().add, Qt::Key_Return);
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
    EXPECT_EQ(rig.C().status->text(), "Write Error.");

    // Stopped by the user once blocks go to the radio.
    rig.radio.Plug();
    rig.Ticks(1);
    rig.C().writeButton->click();
    rig.RunToWriteStage();
    rig.gate.stopAfter = 5;  // the HandShake and four blocks
    rig.WaitForRun();
    EXPECT_EQ(rig.C().status->text(), "User Cancel.");
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
    for (QAction* menu : rig.C().menuBar->actions()) {
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

    const auto& c = rig.C();
    auto expectStandard = [](QAction* action, QKeySequence::StandardKey key, const char* fallback) {
        const QList<QKeySequence> platform = QKeySequence::keyBindings(key);
        EXPECT_EQ(action->shortcut(), platform.isEmpty() ? QKeySequence(fallback) : platform.first())
            << test::Shown(action).toStdString();
    };
    expectStandard(c.open, QKeySequence::Open, "Ctrl+O");
    expectStandard(c.save, QKeySequence::Save, "Ctrl+S");
    expectStandard(c.undo, QKeySequence::Undo, "Ctrl+Z");
    expectStandard(c.redo, QKeySequence::Redo, "Ctrl+Shift+Z");
    expectStandard(c.saveAs, QKeySequence::SaveAs, "Ctrl+Shift+S");
    expectStandard(c.exit, QKeySequence::Quit, "Ctrl+Q");

    // Read and Write have keys of their own, which collide with nothing and are not Close.
    QList<QKeySequence> all;
    for (QAction* menu : c.menuBar->actions())
        for (QAction* item : menu->menu()->actions()) all += item->shortcuts();
    for (QAction* action : {c.readFromRadio, c.writeToRadio}) {
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
    rig.C().usaNarrow->click();  // the PC now differs from the radio
    rig.W().Clone().OnVerify();
    rig.WaitForRun();
    const QString report = rig.File("Verify.txt");
    EXPECT_EQ(rig.C().status->text(), "Verify Error. Report: " + report);
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].caption, "Verify Error");
    EXPECT_TRUE(rig.services.boxes[0].text.contains(report)) << rig.services.boxes[0].text.toStdString();
    EXPECT_FALSE(rig.services.boxes[0].informative.isEmpty());

    rig.W().Tools().OnExportFreqTable();
    const QString table = rig.File("FreqTabl.txt");
    EXPECT_EQ(rig.C().status->text(), "Report: " + table);
    ASSERT_EQ(rig.services.boxes.size(), 2u);
    EXPECT_TRUE(rig.services.boxes[1].text.contains(table));
}

// --- 6: the identity box --------------------------------------------------------------------

TEST(IdentityBox, FieldsFollowTheirBoxesFromTheStartAndAfterOpen)
{
    WindowRig rig;
    rig.Open();
    const auto& c = rig.C();
    ASSERT_TRUE(c.mmsiByUser->isChecked() || c.atisByUser->isChecked());  // else this proves nothing
    EXPECT_EQ(c.mmsi->isEnabled(), !c.mmsiByUser->isChecked());
    EXPECT_EQ(c.atis->isEnabled(), !c.atisByUser->isChecked());

    RadioSettings record;
    ResetSettings(record, 0);
    record.mmsiByUser = 0;
    record.atisByUser = 1;
    OpenRecord(rig, record, "ids.dat");
    EXPECT_TRUE(c.mmsi->isEnabled());
    EXPECT_FALSE(c.atis->isEnabled());
    record.mmsiByUser = 1;
    record.atisByUser = 0;
    OpenRecord(rig, record, "ids2.dat");
    EXPECT_FALSE(c.mmsi->isEnabled());
    EXPECT_TRUE(c.atis->isEnabled());
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
    const QPoint field = rig.C().mmsi->mapTo(&rig.W(), QPoint(0, 0));
    const QRect box = rig.C().identityBox->geometry();
    ASSERT_EQ(rig.C().identityBox->title(), "QX720");

    RadioSettings record;
    ResetSettings(record, 0);
    OpenRecord(rig, record, "caption.dat");
    settle();
    ASSERT_EQ(rig.C().identityBox->title(), "");
    EXPECT_EQ(rig.W().size(), size);
    EXPECT_EQ(rig.C().identityBox->geometry(), box);
    EXPECT_EQ(rig.C().mmsi->mapTo(&rig.W(), QPoint(0, 0)), field);
}

// --- 7: editing while a Read runs -----------------------------------------------------------

TEST(EditingDuringRead, CommandsThatReplaceOrEditTheDocumentWaitForTheRead)
{
    WindowRig rig;
    rig.Open();
    rig.W().show();
    const auto& c = rig.C();
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
    for (QAction* action : {c.open, c.loadDefault, c.featureSetup})
        EXPECT_FALSE(action->isEnabled()) << test::Shown(action).toStdString();
    const std::initializer_list<QWidget*> editors = {
        c.edit, c.add,       c.remove,    c.mmsiByUser, c.mmsi,     c.atisByUser,  c.atis,   c.usa,   c.intl,
        c.can,  c.usaNarrow, c.intNarrow, c.canNarrow,  c.modelUsa, c.modelEurope, c.txStep, c.rxStep};
    for (QWidget* control : editors) EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    // Reading the document stays possible: saving it, looking through the bands.
    for (QAction* action : {c.save, c.saveAs, c.exportFreqTable, c.viewCheckSum}) EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(c.band->isEnabled());
    EXPECT_TRUE(c.channels->isEnabled());

    // Reached by other ways, the commands do nothing either.
    rig.services.openAnswers = {other};
    rig.W().Files().OnOpen();
    rig.W().Files().OnLoadDefault();
    rig.W().Channels().OnChannelDoubleClicked();
    PressKey(c.channels, Qt::Key_Return);
    rig.W().Channels().OnEdit();
    rig.W().Channels().OnAdd();
    rig.W().Channels().OnRemove();
    rig.W().OnFeatureSetup();
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(rig.services.openRequests.size(), 1u);  // the open before the read
    EXPECT_TRUE(rig.services.boxes.empty());

    rig.WaitForRun();
    ASSERT_EQ(c.status->text(), "Read OK.");
    EXPECT_EQ(rig.W().windowTitle(), "QX720 V1.10");
    for (QAction* action : {c.open, c.loadDefault, c.featureSetup}) EXPECT_TRUE(action->isEnabled());
    for (QWidget* control : editors) {
        if (control == c.mmsi || control == c.atis) continue;  // these follow their boxes
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    }
    EXPECT_EQ(c.mmsi->isEnabled(), !c.mmsiByUser->isChecked());
    EXPECT_EQ(c.atis->isEnabled(), !c.atisByUser->isChecked());

    // A write only reads the document: everything stays available.
    rig.W().Clone().OnWriteToRadio();
    EXPECT_TRUE(c.open->isEnabled());
    EXPECT_TRUE(c.add->isEnabled());
    EXPECT_TRUE(c.mmsiByUser->isEnabled());
    rig.WaitForRun();
}

}  // namespace
}  // namespace qx
