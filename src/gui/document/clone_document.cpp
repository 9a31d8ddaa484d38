#include "gui/document/clone_document.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>

#include "files/clone_file.h"
#include "gui/base/core_texts.h"
#include "gui/base/qt_window_services.h"
#include "model/identity.h"
#include "result/clone_result.h"

namespace qx {

namespace {

bool PathFits(const QString& path) { return ToNativePath(path).size() <= kMaxPathChars; }

}  // namespace

CloneDocument::CloneDocument(WindowServices& services, const QString& startDirectory, QObject* parent)
    : QObject(parent), services_(services), startDirectory_(startDirectory)
{
    std::memset(&config_, 0, sizeof config_);
    editor_.recordChanged = [this](bool resetView) { emit recordChanged(resetView); };
    editor_.stateChanged = [this] {
        // The read is undone: its name no longer fits.
        if (editor_.Index() < readIndex_) {
            proposedName_.clear();
            readIndex_ = 0;
        }
        emit stateChanged();
    };
}

const ModelConfig& CloneDocument::Config() const
{
    config_.modelType = editor_.State().modelType;
    config_.europeanSet = editor_.State().europeanSet;
    return config_;
}

QString CloneDocument::Text(const std::string& english, const std::string& arg)
{
    const QString text = QCoreApplication::translate("qx::Editing", english.c_str());
    return arg.empty() ? text : text.arg(QCoreApplication::translate("qx::Editing", arg.c_str()));
}

QString CloneDocument::UndoText() const { return Text(editor_.UndoName().text, editor_.UndoName().arg); }

QString CloneDocument::RedoText() const { return Text(editor_.RedoName().text, editor_.RedoName().arg); }

void CloneDocument::Start(const QString& stateFilePath)
{
    if (!ReadStateFile(ToNativePath(stateFilePath), config_)) ResetModelConfig(config_);
    config_.logoFlag = 0;
    config_.romMapFlag = 0;
    config_.bandIndex = 0;
    config_.uiReadOnly = 0;
    untitled_ = true;
    readOnly_ = config_.readOnlyFile == 1;
    DocumentState state{{}, config_.modelType, config_.europeanSet};
    ResetSettings(state.record, config_.modelType);
    editor_.Reset(state);
}

bool CloneDocument::SaveState(const QString& stateFilePath) const
{
    // The state file keeps the document's state where it always has.
    ModelConfig state = Config();
    state.modified = IsModified() ? 1 : 0;
    state.untitled = untitled_ ? 1 : 0;
    state.readOnlyFile = readOnly_ ? 1 : 0;
    return WriteStateFile(ToNativePath(stateFilePath), state);
}

void CloneDocument::SetServiceOptions(const ModelConfig& options)
{
    config_.logoFlag = options.logoFlag;
    config_.romMapFlag = options.romMapFlag;
    config_.uiReadOnly = options.uiReadOnly;
    emit stateChanged();
}

void CloneDocument::SetListPlace(int bandIndex, int listPosition)
{
    config_.bandIndex = bandIndex;
    config_.listPosition = listPosition;
}

void CloneDocument::SetUntitled(bool untitled)
{
    untitled_ = untitled;
    emit stateChanged();
}

void CloneDocument::Message(const QString& text)
{
    services_.MessageBox(boxParent_, text, tr("Error"), MsgButtons::Ok, MsgIcon::Stop);
}

bool CloneDocument::CheckIdentities()
{
    const std::optional<IdentityRefusal> refused = editor_.RefusedIdentity();
    if (refused) Message(Text(refused->text).arg(QString::fromLatin1(refused->number.c_str())));
    return !refused;
}

bool CloneDocument::PrepareToSave()
{
    if (!CheckIdentities()) return false;
    editor_.CommitEdits();  // what is saved is what the controls show
    // Saved only by the rule files are opened by: a file that never opens again is no save.
    if (const std::string problem = CloneRecordProblem(Record()); !problem.empty()) {
        Message(tr("This document cannot be saved as a clone file: %1, and such a file would not open "
                   "again. Edit or remove that channel first.")
                    .arg(QString::fromStdString(problem)));
        return false;
    }
    return true;
}

QString CloneDocument::ShownPath() const
{
    QString path = FromNativePath(ClonePath(config_));
    if (startDirectory_.isEmpty()) return path;
    const int at = path.lastIndexOf(startDirectory_, -1, Qt::CaseSensitive);
    return at < 0 ? path : path.mid(at + startDirectory_.size());
}

QString CloneDocument::IdentityCaption() const
{
    return IsUntitled() ? QString::fromLatin1(FieldText(Record().modelName).c_str()) : QString();
}

QString CloneDocument::Title(const QString& version) const
{
    if (IsUntitled()) return IdentityCaption() + " " + version;
    QString title = ShownPath();
    if (IsReadOnly()) title += tr("(Read only)");
    if (IsModified()) title += "*";
    return title + " - " + VariantOfType(Config().modelType).titleName + " " + version;
}

FileDialogRequest CloneDocument::CloneFileRequest() const
{
    FileDialogRequest request;
    request.directory = startDirectory_;
    request.pattern = "*.dat";
    request.filter = "*.dat";
    request.defaultSuffix = "dat";
    request.name = proposedName_;
    return request;
}

bool CloneDocument::SaveTo(const QString& path)
{
    // Saving replaces the file through a temporary one, which would also replace a file the
    // user has made read-only; such a file counts as one that cannot be written.
    if (QFileInfo::exists(path) && !services_.MayWriteFile(path)) return false;
    Config();  // the model the history holds
    if (WriteCloneFile(ToNativePath(path), Record(), config_) != kResultOk) return false;
    editor_.MarkSaved();
    return true;
}

CloneDocument::SaveAsOutcome CloneDocument::SaveAsFlow()
{
    // An identity the radio would refuse is never saved: its box has been shown.
    if (!PrepareToSave()) return SaveAsOutcome::Cancelled;
    const QString path = services_.ChooseSaveFile(boxParent_, CloneFileRequest());
    if (path.isEmpty()) return SaveAsOutcome::Cancelled;
    // The state record keeps at most 259 characters of a path; a longer one would later
    // save to a cut-off name.
    if (!PathFits(path) || !SaveTo(path)) return SaveAsOutcome::WriteFailed;
    readOnly_ = false;
    SetClonePath(config_, ToNativePath(path));
    proposedName_.clear();
    SetUntitled(false);  // the title follows the new file
    return SaveAsOutcome::Written;
}

bool CloneDocument::SaveOffer()
{
    QString failure;
    if (IsReadOnly() || IsUntitled()) {
        // Yes asked for the work to be kept: a cancelled chooser holds the command up too.
        switch (SaveAsFlow()) {
        case SaveAsOutcome::Cancelled: return false;
        case SaveAsOutcome::Written: return true;
        case SaveAsOutcome::WriteFailed: failure = tr("Save as file error."); break;
        }
    } else {
        if (!PrepareToSave()) return false;
        if (SaveTo(FromNativePath(ClonePath(config_)))) return true;
        failure = tr("Save file error.");
    }
    // The user asked for the edits to be kept: going on silently would throw them away.
    emit status(failure, true);
    Message(failure);
    return false;
}

bool CloneDocument::AskToSave(const QString& titledQuestion)
{
    if (!IsModified()) return true;
    // A titled document keeps the question of its command; work never saved to a file gets
    // the plain one.
    const QString question = IsUntitled() ? tr("Do you want to save?") : titledQuestion;
    switch (services_.AskYesNoCancel(boxParent_, question, tr("WARNING"))) {
    case MsgAnswer::Yes: return SaveOffer();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

void CloneDocument::Open()
{
    if (!AskToSave(tr("Do you want to save?"))) return;
    const QString path = services_.ChooseOpenFile(boxParent_, CloneFileRequest());
    if (!path.isEmpty()) Load(path);
}

bool CloneDocument::Load(const QString& path)
{
    DocumentState state;
    ModelConfig config = config_;
    const CloneResult result = PathFits(path) ? LoadCloneFile(ToNativePath(path), state.record, config)
                                              : kResultOpenFileError;
    if (result != kResultOk) {
        const QString message = ResultText(result);
        emit status(message, false);
        services_.MessageBox(boxParent_, message, tr("Error"), MsgButtons::Ok, MsgIcon::None);
        emit status(message, true);  // the countdown starts once the box is gone
        return false;
    }
    emit status(tr("Open file OK."), true);
    config_ = config;
    readOnly_ = config_.readOnlyFile == 1;
    untitled_ = false;
    proposedName_.clear();
    // A new file starts a new history: its steps cannot be undone into another file.
    state.modelType = config_.modelType;
    state.europeanSet = config_.europeanSet;
    editor_.Reset(state);
    return true;
}

void CloneDocument::Save()
{
    if (IsUntitled() || !PrepareToSave()) return;
    emit status(SaveTo(FromNativePath(ClonePath(config_))) ? tr("Save file OK.") : tr("Save file error."), true);
}

void CloneDocument::SaveAs()
{
    switch (SaveAsFlow()) {
    case SaveAsOutcome::Written: emit status(tr("Save as file OK."), true); break;
    case SaveAsOutcome::WriteFailed: emit status(tr("Save as file error."), true); break;
    case SaveAsOutcome::Cancelled: break;
    }
}

bool CloneDocument::LoadDefault(const DocumentState& defaults)
{
    if (!AskToSave(tr("File is modified. Do you want to save?"))) return false;
    proposedName_.clear();
    untitled_ = true;
    editor_.LoadDefault(defaults);
    return true;
}

bool CloneDocument::OpenUntitled(const RadioSettings& record, const QString& statusText)
{
    if (!AskToSave(tr("Do you want to save?"))) return false;
    proposedName_.clear();
    untitled_ = true;
    editor_.ResetModified(record);
    emit status(statusText, true);
    return true;
}

void CloneDocument::TakeRead(const RadioSettings& record)
{
    SetClonePath(config_, "");
    readOnly_ = false;
    untitled_ = true;
    readIndex_ = 0;
    editor_.TakeRead(record);
    const std::string mmsi = MmsiText(Record());
    proposedName_ = QString::fromLatin1(IsValidId(mmsi) ? (mmsi + ".dat").c_str() : "radio.dat");
    readIndex_ = editor_.Index();
}

bool CloneDocument::CloseSteps(const QString& stateFilePath)
{
    SaveState(stateFilePath);
    return AskToSave(tr("File is Modify. Do you want to save?"));
}

}  // namespace qx
