// The document the window edits: the editor of the core under Qt signals, the file state
// (its path, untitled, read-only), and every File-command decision (open, save, save as, load
// default, the save questions). It talks to the user only through WindowServices.
#pragma once

#include <QObject>
#include <QString>

#include "editing/document_editor.h"
#include "files/model_config.h"
#include "gui/base/window_services.h"

namespace qx {

class CloneDocument : public QObject {
    Q_OBJECT

public:
    // `startDirectory`: where the file choosers start and what the title leaves out of a path.
    CloneDocument(WindowServices& services, const QString& startDirectory, QObject* parent = nullptr);

    // The widget the document's boxes and choosers belong to.
    void SetBoxParent(QWidget* parent) { boxParent_ = parent; }

    // Every edit goes through the editor; the document follows it with its signals.
    DocumentEditor& Editor() { return editor_; }
    const RadioSettings& Record() const { return editor_.Record(); }
    // The options (model, service switches, the clone file's path, the list's place). Its
    // modified, untitled and read-only fields are only filled in for the state file.
    const ModelConfig& Config() const;
    const QString& StartDirectory() const { return startDirectory_; }

    bool IsModified() const { return editor_.IsModified(); }
    bool IsUntitled() const { return untitled_; }
    bool IsReadOnly() const { return readOnly_; }

    // The service switches of the User dialog (log, ROM map, UI read only).
    void SetServiceOptions(const ModelConfig& options);
    // Where the channel list stands, as the channel editor and the state file know them.
    void SetListPlace(int bandIndex, int listPosition);
    void SetBandIndex(int bandIndex) { config_.bandIndex = bandIndex; }

    // Start-up: the options the state file kept (or the defaults), a fresh record of the
    // remembered model, untitled and unmodified, with no history.
    void Start(const QString& stateFilePath);
    bool SaveState(const QString& stateFilePath) const;

    QString Title(const QString& version) const;
    QString IdentityCaption() const;
    QString ShownPath() const;

    // The editor's texts in the user's language.
    static QString Text(const std::string& english, const std::string& arg = {});
    QString UndoText() const;
    QString RedoText() const;

    // The check that guards Write to Radio and Save: shows the refusal of an identity the
    // radio would not take ("Invalid MMIS ID:..."). True when nothing is refused.
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
    // What a Read brought: one step, modified and untitled (a Save must never put one radio
    // into the file another came from). Save as proposes "<MMSI>.dat", or "radio.dat".
    void TakeRead(const RadioSettings& record);
    // The name Save as proposes; empty: none.
    const QString& ProposedName() const { return proposedName_; }

    // The save question before work not yet in a file is replaced or dropped: Yes/No/Cancel.
    // True when the command may go on (nothing unsaved, No, or Yes and saved).
    bool AskToSave(const QString& titledQuestion);
    // After a Yes: saves in place, or through Save as for a read-only file or an untitled
    // document. False when nothing was saved: the command that asked must not go on.
    bool SaveOffer();
    // Closing: the state file, then the save question. False when the window must stay.
    bool CloseSteps(const QString& stateFilePath);

signals:
    // The record changed: the view shows it once. `resetView`: from the first band on.
    void recordChanged(bool resetView);
    // Modified, untitled, read-only, the file or the history changed: the title, Save and the
    // Edit menu follow.
    void stateChanged();
    // For the status line; `timed` arms the countdown back to "Ready.".
    void status(const QString& text, bool timed);

private:
    enum class SaveAsOutcome { Written, Cancelled, WriteFailed };

    WindowServices& services_;
    QWidget* boxParent_ = nullptr;
    QString startDirectory_;
    DocumentEditor editor_;
    mutable ModelConfig config_{};
    bool untitled_ = true;
    bool readOnly_ = false;  // the opened file may not be written
    QString proposedName_;
    std::size_t readIndex_ = 0;  // the history's index just after the read that proposed the name

    void Message(const QString& text);
    bool PrepareToSave();
    void SetUntitled(bool untitled);
    FileDialogRequest CloneFileRequest() const;
    bool SaveTo(const QString& path);
    SaveAsOutcome SaveAsFlow();
};

}  // namespace qx
