// The document's history: every change to the document one undoable step, the saved state
// clean, a new history for each opened file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolButton>
#include <cstring>
#include <vector>

#include "../support/records.h"
#include "files/clone_file.h"
#include "files/model_config.h"
#include "gui/dialogs/channel_setup_dialog.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "gui/document/clone_document.h"
#include "model/identity.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

bool Same(const RadioSettings& a, const RadioSettings& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

RadioSettings EuropeWith(int channels) { return test::EuropeWithChannels(channels, '1'); }

void OpenRecord(WindowRig& rig, const RadioSettings& record, const char* name = "boat.dat")
{
    rig.services.openAnswers.push_back(rig.SaveRecord(record, name));
    rig.W().Files().OnOpen();
}

QString UndoText(WindowRig& rig) { return test::Shown(rig.Action("undo")); }

// Types into a field as a user does (the field's own text edit, not a program's).
void Type(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &erase);
    for (QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &key);
    }
}

// Undoes the last step and checks the record went back to `before`; redo brings `after` back.
void ExpectUndoRedo(WindowRig& rig, const RadioSettings& before, const QString& name)
{
    SCOPED_TRACE(name.toStdString());
    const RadioSettings after = rig.W().Doc().Record();
    ASSERT_FALSE(Same(before, after));
    EXPECT_EQ(UndoText(rig), "Undo " + name);
    rig.W().Files().OnUndo();
    EXPECT_TRUE(Same(rig.W().Doc().Record(), before));
    EXPECT_EQ(test::Shown(rig.Action("redo")), "Redo " + name);
    rig.W().Files().OnRedo();
    EXPECT_TRUE(Same(rig.W().Doc().Record(), after));
}

TEST(CloneDocumentHistory, StepsCleanStateAndNewHistoryWithoutAWindow)
{
    test::ScriptedServices services;
    test::TempDir folder("document");
    services.currentDirectory = QString::fromStdString(folder.Path());
    CloneDocument doc(services, services.currentDirectory);
    int newDocuments = 0;
    QObject::connect(&doc, &CloneDocument::recordChanged, [&](bool fresh) { newDocuments += fresh ? 1 : 0; });
    doc.Start(QString::fromStdString(folder.File("state.Bin")));
    EXPECT_TRUE(doc.IsUntitled());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.Editor().CanUndo());

    const RadioSettings start = doc.Record();
    RadioSettings edited = start;
    edited.canEnabled = edited.canEnabled ? 0 : 1;
    EXPECT_FALSE(doc.Editor().Change({"Nothing", {}}, start));  // no change, no step
    ASSERT_TRUE(doc.Editor().Change({"CAN channels", {}}, edited));
    EXPECT_TRUE(doc.IsModified());

    // Saved: clean. Undo leaves the saved state (modified), redo comes back to it (clean).
    services.saveAnswers = {QString::fromStdString(folder.File("a.dat"))};
    doc.SaveAs();
    EXPECT_FALSE(doc.IsModified());
    doc.Editor().Undo();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(Same(doc.Record(), start));
    doc.Editor().Redo();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(Same(doc.Record(), edited));

    // A Read is a step; undoing it puts back the document, still modified if it was not saved.
    RadioSettings fromRadio = start;
    SetMmsiText(fromRadio, "235012345");
    doc.TakeRead(fromRadio);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.UndoText(), "Read from Radio");
    doc.Editor().Undo();
    EXPECT_TRUE(Same(doc.Record(), edited));
    EXPECT_FALSE(doc.IsModified());

    // Load Default makes an untitled document that no undo makes the saved file again.
    DocumentState defaults;
    ResetSettings(defaults.record, 1);
    defaults.modelType = 1;
    ASSERT_TRUE(doc.LoadDefault(defaults));
    EXPECT_TRUE(doc.IsUntitled());
    EXPECT_EQ(doc.Config().modelType, 1);
    doc.Editor().Undo();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Config().modelType, 0);  // the model the options remember comes back too

    // Opening a file starts a new history.
    ModelConfig options = doc.Config();
    ASSERT_EQ(WriteCloneFile(folder.File("b.dat"), start, options), kResultOk);
    services.answers = {MsgAnswer::No};
    services.openAnswers = {QString::fromStdString(folder.File("b.dat"))};
    doc.Open();
    EXPECT_FALSE(doc.Editor().CanUndo());
    EXPECT_FALSE(doc.Editor().CanRedo());
    EXPECT_FALSE(doc.IsModified());
    // The start, the read, the defaults and the opened file are shown from the first band on;
    // the steps and their undo kept the view.
    EXPECT_EQ(newDocuments, 4);
}

// A control's edit is one named step that redraws the view once, from the first band only
// when the groups on offer change; the document's own state reaches the state file.
TEST(CloneDocumentHistory, ControlEditsAreOneStepEachAndTheStateFileKeepsTheDocumentState)
{
    test::ScriptedServices services;
    test::TempDir folder("document");
    services.currentDirectory = QString::fromStdString(folder.Path());
    CloneDocument doc(services, services.currentDirectory);
    std::vector<bool> redraws;
    QObject::connect(&doc, &CloneDocument::recordChanged, [&](bool reset) { redraws.push_back(reset); });
    const QString state = QString::fromStdString(folder.File("state.Bin"));
    doc.Start(state);
    redraws.clear();

    DocumentControls values = doc.Editor().Controls();
    values.can = !values.can;
    doc.Editor().Edit(values);
    EXPECT_EQ(doc.UndoText(), "CAN channels");
    values.txStep = 2;
    doc.Editor().Edit(values);
    EXPECT_EQ(doc.UndoText(), "TX PLL step");
    EXPECT_EQ(doc.Record().txStep, 2);
    // A valid number still being typed is kept when its box is ticked; a refused one goes.
    doc.Editor().SetIdentityByUser(IdentityKind::Mmsi, false);
    doc.Editor().TypeIdentity(IdentityKind::Mmsi, "211234567");
    doc.Editor().TypeIdentity(IdentityKind::Atis, "12345");
    doc.Editor().SetIdentityByUser(IdentityKind::Mmsi, true);
    EXPECT_EQ(doc.UndoText(), "MMSI entry by user");
    EXPECT_EQ(MmsiText(doc.Record()), "211234567");
    doc.Editor().SetIdentityByUser(IdentityKind::Atis, true);
    EXPECT_EQ(QString::fromStdString(doc.Editor().IdentityEntry(IdentityKind::Atis)),
              QString::fromStdString(AtisText(doc.Record())));
    EXPECT_EQ(redraws, std::vector<bool>({true, false, false, false, false, false}));

    // Modified and untitled are the document's; the state file gets them where it keeps them.
    ASSERT_TRUE(doc.SaveState(state));
    ModelConfig written;
    ASSERT_TRUE(ReadStateFile(state.toStdString(), written));
    EXPECT_EQ(written.modified, 1);
    EXPECT_EQ(written.untitled, 1);
    EXPECT_EQ(written.readOnlyFile, 0);
    EXPECT_EQ(doc.Config().modified, 0);  // the options never held it
    services.saveAnswers = {QString::fromStdString(folder.File("a.dat"))};
    doc.SaveAs();
    ASSERT_TRUE(doc.SaveState(state));
    ASSERT_TRUE(ReadStateFile(state.toStdString(), written));
    EXPECT_EQ(written.modified, 0);
    EXPECT_EQ(written.untitled, 0);
}

TEST(WindowUndo, ControlsAreOneStepEachWithTheirNames)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(2));
    EXPECT_FALSE(rig.Action("undo")->isEnabled());

    RadioSettings before = rig.W().Doc().Record();
    rig.Find<QCheckBox>("CAN")->click();
    ExpectUndoRedo(rig, before, "CAN channels");

    before = rig.W().Doc().Record();
    rig.Find<QRadioButton>("USA")->click();
    ExpectUndoRedo(rig, before, "Model");
    EXPECT_TRUE(rig.Find<QRadioButton>("USA")->isChecked());
    rig.W().Files().OnUndo();
    EXPECT_TRUE(rig.Find<QRadioButton>("Europe")->isChecked());  // the controls follow the record

    before = rig.W().Doc().Record();
    rig.Find<QComboBox>("TX PLL step")->setCurrentIndex(2);
    ExpectUndoRedo(rig, before, "TX PLL step");

    before = rig.W().Doc().Record();
    rig.Find<QCheckBox>("MMSI entry by user")->click();
    ExpectUndoRedo(rig, before, "MMSI entry by user");

    // Typing is one step when the field is left, not one per key.
    before = rig.W().Doc().Record();
    Type(rig.Find<QLineEdit>("MMSI"), "235012345");
    EXPECT_EQ(UndoText(rig), "Undo MMSI entry by user");  // not a step per key
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(rig.Find<QLineEdit>("MMSI"), &leave);
    ExpectUndoRedo(rig, before, "MMSI");
    rig.W().Files().OnUndo();
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "");  // the field shows the record without the typed MMSI

    // A number still being typed survives another control's step and its undo.
    rig.Type(rig.Find<QLineEdit>("MMSI"), "2350");
    rig.Find<QCheckBox>("INT_narrow")->click();
    rig.W().Files().OnUndo();
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "2350");

    // "from MMSI" is one step too.
    rig.Type(rig.Find<QLineEdit>("MMSI"), "235012345");
    if (rig.Find<QCheckBox>("ATIS entry by user")->isChecked()) rig.Find<QCheckBox>("ATIS entry by user")->click();
    rig.W().Doc().Editor().CommitIdentities();  // the field's editing finished
    before = rig.W().Doc().Record();
    rig.Find<QToolButton>("from MMSI")->click();
    ExpectUndoRedo(rig, before, "ATIS ID");
}

TEST(WindowUndo, ATypedIdentityIsKeptByRedoAndOtherCommands)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(2));
    if (rig.Find<QCheckBox>("MMSI entry by user")->isChecked()) rig.Find<QCheckBox>("MMSI entry by user")->click();
    rig.Find<QCheckBox>("CAN")->click();
    rig.W().Files().OnUndo();
    Type(rig.Find<QLineEdit>("MMSI"), "235012345");  // then Edit / Redo from the menu: the field never lost focus
    rig.W().Files().OnRedo();
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "235012345");
    EXPECT_EQ(MmsiText(rig.W().Doc().Record()), "235012345");
    EXPECT_EQ(UndoText(rig), "Undo MMSI");  // its own step; what was to redo gave way to it

    Type(rig.Find<QLineEdit>("MMSI"), "211234567");
    rig.W().Dialogs().featureSetup = [](QWidget*, AppContext&, ModelConfig&, RadioSettings& doc) {
        std::strcpy(doc.modelName, "QX720X");
        return int(QDialog::Accepted);
    };
    rig.W().OnFeatureSetup();
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "211234567");
    EXPECT_EQ(MmsiText(rig.W().Doc().Record()), "211234567");
}

TEST(WindowUndo, NoNumberIsLeftFromTheLastFile)
{
    WindowRig rig;
    rig.Open();
    RadioSettings first = EuropeWith(1);
    SetMmsiText(first, "211234567");
    first.mmsiByUser = 0;
    OpenRecord(rig, first, "first.dat");
    RadioSettings second = EuropeWith(1);  // holds no MMSI
    second.mmsiByUser = 0;
    OpenRecord(rig, second, "second.dat");
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "");
    rig.Find<QCheckBox>("INT_narrow")->click();
    EXPECT_EQ(UndoText(rig), "Undo INT_narrow channels");
    rig.W().Files().OnUndo();
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "");
    rig.W().reject();
    EXPECT_TRUE(rig.services.boxes.empty());  // nothing the user did is unsaved: no question
}

TEST(WindowUndo, PrivateChannelCommandsKeepTheListInView)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(3));
    rig.SelectBand("Private");
    rig.W().Dialogs().run = [](QDialog& d) {
        auto& dialog = dynamic_cast<ChannelSetupDialog&>(d);
        dialog.TxField()->setText("157.000");
        dialog.accept();
        return dialog.result();
    };

    RadioSettings before = rig.W().Doc().Record();
    rig.SelectLine(1);
    rig.W().Channels().OnEdit();
    ExpectUndoRedo(rig, before, "Edit private channel");

    before = rig.W().Doc().Record();
    rig.SelectLine(0);
    rig.W().Channels().OnAdd();
    EXPECT_EQ(rig.Lines().size(), 4);
    ExpectUndoRedo(rig, before, "Add private channel");

    before = rig.W().Doc().Record();
    rig.SelectLine(0);
    rig.W().Channels().OnRemove();
    EXPECT_EQ(rig.Lines().size(), 3);
    EXPECT_EQ(UndoText(rig), "Undo Remove private channel");
    rig.W().Files().OnUndo();
    EXPECT_EQ(rig.Find<QComboBox>("Band")->currentText(), "Private");  // undo keeps the band in view
    EXPECT_EQ(rig.Lines().size(), 4);
}

TEST(WindowUndo, SavingMarksCleanAndOpeningStartsANewHistory)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(1));
    const QString title = rig.W().windowTitle();
    rig.Find<QCheckBox>("USA_narrow")->click();
    EXPECT_TRUE(rig.W().windowTitle().contains('*'));
    rig.W().Files().OnSave();
    EXPECT_EQ(rig.W().windowTitle(), title);
    rig.Find<QCheckBox>("INT_narrow")->click();
    rig.W().Files().OnUndo();  // back to what was saved: no modified mark, no save question
    EXPECT_EQ(rig.W().windowTitle(), title);
    EXPECT_EQ(rig.W().Doc().IsModified(), false);
    rig.W().Files().OnUndo();  // before the save: modified again
    EXPECT_TRUE(rig.W().windowTitle().contains('*'));

    rig.services.answers = {MsgAnswer::No};
    OpenRecord(rig, EuropeWith(2), "other.dat");
    EXPECT_FALSE(rig.Action("undo")->isEnabled());
    EXPECT_FALSE(rig.Action("redo")->isEnabled());
    EXPECT_EQ(UndoText(rig), "Undo");
}

TEST(WindowUndo, LoadDefaultFeatureSetupAndReadAreUndoable)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, EuropeWith(2));

    RadioSettings before = rig.W().Doc().Record();
    rig.W().Dialogs().run = [](QDialog& d) {
        auto& wizard = dynamic_cast<ModelWizardDialog&>(d);
        wizard.UsaButton()->click();
        wizard.accept();
        return wizard.result();
    };
    rig.W().Files().OnLoadDefault();
    EXPECT_TRUE(rig.Find<QRadioButton>("USA")->isChecked());
    ExpectUndoRedo(rig, before, "Load Default");
    rig.W().Files().OnUndo();

    before = rig.W().Doc().Record();
    rig.W().Dialogs().featureSetup = [](QWidget*, AppContext&, ModelConfig&, RadioSettings& doc) {
        std::strcpy(doc.modelName, "QX720X");
        return int(QDialog::Accepted);
    };
    rig.W().OnFeatureSetup();
    ExpectUndoRedo(rig, before, "Feature Setup");

    // A Read replaces the document; undo puts back what was there and never touches the radio.
    before = rig.W().Doc().Record();
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.W().Status().Text(), "Read OK.");
    const EepromBytes radio = rig.radio.Contents();
    ExpectUndoRedo(rig, before, "Read from Radio");
    EXPECT_EQ(rig.radio.Contents(), radio);
}

TEST(WindowUndo, NotWhileAReadRuns)
{
    WindowRig rig;
    rig.Open();
    rig.Find<QCheckBox>("CAN")->click();
    ASSERT_TRUE(rig.Action("undo")->isEnabled());
    rig.W().Clone().OnReadFromRadio();
    EXPECT_FALSE(rig.Action("undo")->isEnabled());
    const RadioSettings during = rig.W().Doc().Record();
    rig.W().Files().OnUndo();
    EXPECT_TRUE(Same(rig.W().Doc().Record(), during));
    rig.WaitForRun();
    EXPECT_TRUE(rig.Action("undo")->isEnabled());
}

}  // namespace
}  // namespace qx
