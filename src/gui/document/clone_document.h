// The document the window edits: the record, its options and file state, its history of
// undoable steps, and every File-command decision (open, save, save as, load default, the
// save questions). It talks to the user only through WindowServices and has no widgets.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>
#include <string>

#include "files/model_config.h"
#include "gui/base/window_services.h"
#include "gui/document/control_values.h"
#include "identity/radio_identity.h"
#include "model/radio_settings.h"

namespace qx {

// What one step of the history changes: the record, and the model the options remember
// (Load Default chooses one).
struct DocumentState {
    RadioSettings record;
    int32_t modelType = 0;
    int32_t europeanSet = 0;
};

class CloneDocument : public QObject {
    Q_OBJECT

public:
    // `startDirectory`: where the file choosers start and what the title leaves out of a path.
    CloneDocument(WindowServices& services, const QString& startDirectory, QObject* parent = nullptr);
    // The history goes quietly: whoever listens may be going away too.
    ~CloneDocument() override;

    // The widget the document's boxes and choosers belong to.
    void SetBoxParent(QWidget* parent) { boxParent_ = parent; }

    // The document changes only through its own commands: these are for reading.
    const RadioSettings& Record() const { return record_; }
    // The options (model, service switches, the clone file's path, the list's place). Its
    // modified, untitled and read-only fields are only filled in for the state file.
    const ModelConfig& Config() const { return config_; }
    QUndoStack& History() { return history_; }
    const QString& StartDirectory() const { return startDirectory_; }

    bool IsModified() const { return modified_; }
    bool IsUntitled() const { return untitled_; }
    bool IsReadOnly() const { return readOnly_; }

    // The service switches of the User dialog (log, ROM map, UI read only): the other fields of
    // `options` are not taken.
    void SetServiceOptions(const ModelConfig& options);
    // Where the channel list stands: its band and line, as the channel editor and the state
    // file know them.
    void SetListPlace(int bandIndex, int listPosition);
    void SetBandIndex(int bandIndex) { config_.bandIndex = bandIndex; }

    // Start-up: the options the state file kept (or the defaults), a fresh record of the
    // remembered model, untitled and unmodified, with no history.
    void Start(const QString& stateFilePath);
    bool SaveState(const QString& stateFilePath) const;

    // The window title and the identity box's caption, from the file state.
    QString Title(const QString& version) const;
    QString IdentityCaption() const;
    QString ShownPath() const;

    // Modified without a step of its own (a control clicked to what it already showed).
    void MarkModified();
    // One undoable step named `text`: the record becomes `after`. False, and no step, when
    // nothing changes. `resetView`: the view shows
    // the new record from the first band on.
    bool Change(const QString& text, const RadioSettings& after, bool resetView = false);
    bool Change(const QString& text, const DocumentState& after, bool resetView = false);
    // Before a command works on the record: typed identities become steps, and the record
    // takes the form its controls show (the model decides the WX and private groups, only a
    // valid identity is stored), without a step of its own.
    void CommitEdits();
    // A control's edit (the model, a channel group, a PLL step, an "entry by user" box): one
    // step named after what changed, and the document marked modified. A new model or group
    // set shows the channel list from its first band.
    void Edit(const ControlValues& values);
    // The Edit menu's commands: edits are committed first, so a typed identity is undone first.
    void Undo();
    void Redo();
    DocumentState State() const;

    // The identity fields. What a field shows is what the document holds: while the user types,
    // the text is the document's entry for that identity (the document is modified while it
    // differs from the record's); when the field is left, a valid number or an emptied field
    // becomes one undoable step, and a number the radio refuses stays the entry, keeping the
    // document modified until it is mended or dropped.
    void TypeIdentity(IdentityKind which, const QString& text);
    void CommitIdentities();
    // The entry being typed or refused, else what the record holds.
    QString IdentityEntry(IdentityKind which) const;
    // Its "entry by user" box: a valid typed number becomes a step first; a ticked box drops an
    // entry the radio would refuse (the greyed field shows what the record holds).
    void SetIdentityByUser(IdentityKind which, bool byUser);
    // The check that guards Write to Radio and Save: a typed valid number becomes a step first;
    // shows the refusal of one the radio would not take ("Invalid MMIS ID:..."); an identity
    // left to the radio's user is not looked at. True when nothing is refused.
    bool CheckIdentities();

    // File commands.
    void Open();
    // Open without the question and the chooser; a failure is shown. False when not loaded.
    bool Load(const QString& path);
    void Save();
    void SaveAs();
    // After the wizard's OK: the save question, then the defaults as one step of an untitled
    // document. False when the question was cancelled or the offered save failed.
    bool LoadDefault(const DocumentState& defaults);
    // A record from elsewhere (a backup) as an untitled document with a new history; asks
    // to save first. False when the user kept the current document.
    bool OpenUntitled(const RadioSettings& record, const QString& status);
    // What a Read brought: one step (undo puts back the document as it was), modified, and
    // untitled: a Save must never put one radio into the file another came from. Save as
    // proposes "<MMSI>.dat", or "radio.dat".
    void TakeRead(const RadioSettings& record);
    // The name Save as proposes; empty: none.
    const QString& ProposedName() const { return proposedName_; }

    // The save question before work not yet in a file is replaced or dropped: Yes/No/Cancel.
    // True when the command may go on (nothing unsaved, No, or Yes and saved).
    bool AskToSave(const QString& titledQuestion);
    // After a Yes to a save question: saves in place, or through Save as for a read-only file
    // or an untitled document. False when nothing was saved (a failure has been shown, or the
    // chooser was cancelled): the command that asked must not go on and discard the edits.
    bool SaveOffer();
    // Closing: the state file, then the save question. False when the window must stay.
    bool CloseSteps(const QString& stateFilePath);

signals:
    // The record changed: the view shows it once. `resetView`: from the first band on (a new
    // document, a read, another set of groups); else the band and line stay (an edit, an undo).
    void recordChanged(bool resetView);
    // Modified, untitled, read-only or the file changed: the title and Save follow.
    void stateChanged();
    // For the status line; `timed` arms the countdown back to "Ready.".
    void status(const QString& text, bool timed);

private:
    enum class SaveAsOutcome { Written, Cancelled, WriteFailed };

    WindowServices& services_;
    QWidget* boxParent_ = nullptr;
    QString startDirectory_;
    RadioSettings record_{};
    ModelConfig config_{};
    QUndoStack history_;
    // Identity entries not (or not yet) in the record: [0] the MMSI, [1] the ATIS ID.
    std::optional<std::string> entries_[2];
    bool marked_ = false;  // modified by more than the history says (a read of the same bytes)
    bool modified_ = false;
    bool untitled_ = true;
    bool readOnly_ = false;       // the opened file may not be written
    bool resetNextView_ = false;  // the step being pushed shows its record from the first band
    QString proposedName_;
    int readIndex_ = -1;  // the history's index just after the read that proposed the name

    friend class DocumentStep;
    void Apply(const DocumentState& state);
    // PLL steps outside the lists' three positions are kept as 6.25 kHz.
    static void NormalizeSteps(RadioSettings& record);
    bool PrepareToSave();
    void PushStep(const QString& text, const DocumentState& after, bool resetView);
    void SetModified(bool modified);
    // Modified: a mark, a step since the save, or an identity entry not in the record.
    void UpdateModified();
    void SetUntitled(bool untitled);
    void StartHistory();
    // A new record replaces the old one: typed entries and a proposed name belong to that.
    void NewRecord();
    FileDialogRequest CloneFileRequest() const;
    bool SaveTo(const QString& path);
    SaveAsOutcome SaveAsFlow();
};

}  // namespace qx
