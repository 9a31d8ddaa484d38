#include "gui/document/clone_document.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "files/clone_file.h"
#include "gui/base/core_texts.h"
#include "gui/base/qt_window_services.h"
#include "model/identity.h"
#include "result/clone_result.h"

namespace qx {

namespace {

// Each step keeps two whole records (about 88 KB): a hundred steps stay under 9 MB.
constexpr int kHistorySteps = 100;

bool PathFits(const QString& path) { return ToNativePath(path).size() <= kMaxPathChars; }

int Slot(IdentityKind which) { return which == IdentityKind::Mmsi ? 0 : 1; }

std::string RecordIdentity(const RadioSettings& record, IdentityKind which)
{
    return which == IdentityKind::Mmsi ? MmsiText(record) : AtisText(record);
}

// The identity as the field shows it: what the record holds, also a number the radio would
// refuse (from an old file, a hand-made one or a radio's damaged memory), so that it can be
// seen and mended instead of being written unseen.
std::string ShownIdentity(const RadioSettings& record, IdentityKind which) { return RecordIdentity(record, which); }

bool LeftToUser(const RadioSettings& record, IdentityKind which)
{
    return (which == IdentityKind::Mmsi ? record.mmsiByUser : record.atisByUser) != 0;
}

// A valid identity as the window has always stored it (the first 10 bytes cleared, the digits
// and their NUL); an empty one clears those bytes.
void StoreIdentity(RadioSettings& record, IdentityKind which, const std::string& digits)
{
    char* field = which == IdentityKind::Mmsi ? record.mmsiText : record.atisText;
    // The field's terminating zero is among the ten bytes cleared first.
    std::memset(field, 0, 10);
    std::copy_n(digits.data(), std::min<std::size_t>(digits.size(), 9), field);
}

}  // namespace

// One step of the history: the state before and after it.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(CloneDocument& document, const QString& text, const DocumentState& after)
        : QUndoCommand(text), document_(document), before_(document.State()), after_(after)
    {
    }
    void undo() override { document_.Apply(before_); }
    void redo() override { document_.Apply(after_); }

private:
    CloneDocument& document_;
    DocumentState before_;
    DocumentState after_;
};

CloneDocument::CloneDocument(WindowServices& services, const QString& startDirectory, QObject* parent)
    : QObject(parent), services_(services), startDirectory_(startDirectory)
{
    std::memset(&record_, 0, sizeof record_);
    std::memset(&config_, 0, sizeof config_);
    history_.setUndoLimit(kHistorySteps);
    // A step, an undo or a redo decides anew: undoing back to the saved state clears the mark.
    connect(&history_, &QUndoStack::indexChanged, this, [this] {
        marked_ = false;
        if (history_.index() < readIndex_) {
            proposedName_.clear();  // the read is undone: its name no longer fits
            readIndex_ = -1;
        }
        UpdateModified();
    });
}

CloneDocument::~CloneDocument() { history_.blockSignals(true); }

void CloneDocument::Start(const QString& stateFilePath)
{
    if (!ReadStateFile(ToNativePath(stateFilePath), config_)) ResetModelConfig(config_);
    config_.logoFlag = 0;
    config_.romMapFlag = 0;
    config_.bandIndex = 0;
    config_.uiReadOnly = 0;
    untitled_ = true;
    readOnly_ = config_.readOnlyFile == 1;
    ResetSettings(record_, config_.modelType);
    NormalizeSteps(record_);
    StartHistory();
    modified_ = false;
    emit recordChanged(true);
    emit stateChanged();
}

bool CloneDocument::SaveState(const QString& stateFilePath) const
{
    // The state file keeps the document's state where it always has.
    ModelConfig state = config_;
    state.modified = modified_ ? 1 : 0;
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

void CloneDocument::NormalizeSteps(RadioSettings& record)
{
    const ControlValues shown = ValuesOf(record);
    record.txStep = shown.txStep;
    record.rxStep = shown.rxStep;
}

void CloneDocument::CommitEdits()
{
    CommitIdentities();
    StoreValues(ValuesOf(record_), record_);
}

DocumentState CloneDocument::State() const
{
    DocumentState state;
    state.record = record_;
    state.modelType = config_.modelType;
    state.europeanSet = config_.europeanSet;
    return state;
}

void CloneDocument::Apply(const DocumentState& state)
{
    record_ = state.record;
    NormalizeSteps(record_);
    config_.modelType = state.modelType;
    config_.europeanSet = state.europeanSet;
    const bool reset = resetNextView_;
    resetNextView_ = false;
    emit recordChanged(reset);
    emit stateChanged();  // the title may name the record's model
}

void CloneDocument::SetModified(bool modified)
{
    if (modified_ == modified) return;
    modified_ = modified;
    emit stateChanged();
}

void CloneDocument::SetUntitled(bool untitled)
{
    untitled_ = untitled;
    emit stateChanged();
}

void CloneDocument::StartHistory()
{
    history_.clear();
    history_.setClean();
}

void CloneDocument::MarkModified()
{
    marked_ = true;
    UpdateModified();
}

void CloneDocument::UpdateModified() { SetModified(marked_ || !history_.isClean() || entries_[0] || entries_[1]); }

void CloneDocument::NewRecord()
{
    entries_[0].reset();
    entries_[1].reset();
    proposedName_.clear();
    readIndex_ = -1;
    marked_ = false;
}

void CloneDocument::TypeIdentity(IdentityKind which, const QString& text)
{
    const std::string typed = text.toLatin1().toStdString();
    // Typed back to what the record holds: no edit after all.
    if (typed == ShownIdentity(record_, which))
        entries_[Slot(which)].reset();
    else
        entries_[Slot(which)] = typed;
    UpdateModified();
}

QString CloneDocument::IdentityEntry(IdentityKind which) const
{
    const auto& entry = entries_[Slot(which)];
    return QString::fromLatin1(entry ? entry->c_str() : ShownIdentity(record_, which).c_str());
}

void CloneDocument::SetIdentityByUser(IdentityKind which, bool byUser)
{
    // A valid number typed into the field is kept as its own step; one the radio would refuse
    // goes with the field.
    CommitIdentities();
    if (byUser) entries_[Slot(which)].reset();
    ControlValues values = ValuesOf(record_);
    (which == IdentityKind::Mmsi ? values.mmsiByUser : values.atisByUser) = byUser;
    Edit(values);
}

void CloneDocument::Edit(const ControlValues& values)
{
    CommitEdits();
    const ControlValues before = ValuesOf(record_);
    ControlValues wanted = values;
    // The identities come from their fields alone.
    wanted.mmsi = before.mmsi;
    wanted.atis = before.atis;
    auto after = std::make_unique<RadioSettings>(record_);
    StoreValues(wanted, *after);
    const auto groups = [](const ControlValues& v) {
        return std::array<bool, 7>{v.usaModel, v.usa, v.intl, v.can, v.usaNarrow, v.intNarrow, v.canNarrow};
    };
    Change(ChangeText(record_, *after), *after, groups(before) != groups(wanted));
    MarkModified();
}

void CloneDocument::Undo()
{
    CommitEdits();
    history_.undo();
}

void CloneDocument::Redo()
{
    CommitEdits();
    history_.redo();
}

void CloneDocument::CommitIdentities()
{
    for (IdentityKind which : {IdentityKind::Mmsi, IdentityKind::Atis}) {
        auto& entry = entries_[Slot(which)];
        if (!entry || (!entry->empty() && !IsValidId(*entry))) continue;  // the radio would refuse it
        auto after = std::make_unique<RadioSettings>(record_);
        StoreIdentity(*after, which, *entry);
        entry.reset();
        if (!Change(which == IdentityKind::Mmsi ? tr("MMSI") : tr("ATIS ID"), *after)) UpdateModified();
    }
}

bool CloneDocument::CheckIdentities()
{
    CommitIdentities();
    const struct {
        IdentityKind which;
        const char* refusal;
    } checks[] = {
        {IdentityKind::Mmsi, QT_TR_NOOP("Invalid MMIS ID:%1\nMake sure 9 digitals.")},
        {IdentityKind::Atis, QT_TR_NOOP("Invalid ATIS ID:%1\nMake sure 9 digitals.")},
    };
    for (const auto& check : checks) {
        // What is typed, else what the record holds: neither may reach a file or a radio when
        // the radio would refuse it.
        const auto& entry = entries_[Slot(check.which)];
        const std::string text = entry ? *entry : RecordIdentity(record_, check.which);
        if (text.empty() || IsValidId(text) || LeftToUser(record_, check.which)) continue;
        services_.MessageBox(boxParent_, tr(check.refusal).arg(QString::fromLatin1(text.c_str())), tr("Error"),
                             MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    return true;
}

bool CloneDocument::PrepareToSave()
{
    if (!CheckIdentities()) return false;
    CommitEdits();  // what is saved is what the controls show
    // Saved only by the rule files are opened by: a file that never opens again is no save.
    if (const std::string problem = CloneRecordProblem(record_); !problem.empty()) {
        services_.MessageBox(boxParent_,
                             tr("This document cannot be saved as a clone file: %1, and such a file would not open "
                                "again. Edit or remove that channel first.")
                                 .arg(QString::fromStdString(problem)),
                             tr("Error"), MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    return true;
}

bool CloneDocument::Change(const QString& text, const RadioSettings& after, bool resetView)
{
    DocumentState state = State();
    state.record = after;
    return Change(text, state, resetView);
}

bool CloneDocument::Change(const QString& text, const DocumentState& after, bool resetView)
{
    // The record is the clone file's byte image, padding included: the bytes decide.
    // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison)
    if (std::memcmp(&record_, &after.record, sizeof after.record) == 0 && config_.modelType == after.modelType &&
        config_.europeanSet == after.europeanSet)
        return false;
    PushStep(text, after, resetView);
    return true;
}

void CloneDocument::PushStep(const QString& text, const DocumentState& after, bool resetView)
{
    resetNextView_ = resetView;  // for the step's first redo, as it is pushed
    history_.push(new DocumentStep(*this, text, after));
    resetNextView_ = false;
}

// ---------------------------------------------------------------------------------------
// Title

QString CloneDocument::ShownPath() const
{
    QString path = FromNativePath(ClonePath(config_));
    if (startDirectory_.isEmpty()) return path;
    const int at = path.lastIndexOf(startDirectory_, -1, Qt::CaseSensitive);
    if (at < 0) return path;
    return path.mid(at + startDirectory_.size());
}

QString CloneDocument::IdentityCaption() const
{
    return IsUntitled() ? QString::fromLatin1(FieldText(record_.modelName).c_str()) : QString();
}

QString CloneDocument::Title(const QString& version) const
{
    if (IsUntitled()) return IdentityCaption() + " " + version;
    QString title = ShownPath();
    if (IsReadOnly()) title += tr("(Read only)");
    if (IsModified()) title += "*";
    title += " - ";
    title += config_.modelType == 0 ? "QX720USA" : "QX720EUR";
    return title + " " + version;
}

// ---------------------------------------------------------------------------------------
// Files

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
    if (WriteCloneFile(ToNativePath(path), record_, config_) != kResultOk) return false;
    history_.setClean();
    marked_ = false;
    UpdateModified();
    emit stateChanged();
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
        // The modified mark goes, even if the command is cancelled next.
        if (SaveTo(FromNativePath(ClonePath(config_)))) return true;
        failure = tr("Save file error.");
    }
    // The user asked for the edits to be kept: going on silently would throw them away.
    emit status(failure, true);
    services_.MessageBox(boxParent_, failure, tr("Error"), MsgButtons::Ok, MsgIcon::Stop);
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
    const CloneResult result = PathFits(path) ? LoadCloneFile(ToNativePath(path), record_, config_)
                                              : kResultOpenFileError;
    if (result != kResultOk) {
        const QString message = ResultText(result);
        emit status(message, false);
        services_.MessageBox(boxParent_, message, tr("Error"), MsgButtons::Ok, MsgIcon::None);
        emit status(message, true);  // the countdown starts once the box is gone
        return false;
    }
    emit status(tr("Open file OK."), true);
    // A new file starts a new history: its steps cannot be undone into another file.
    NormalizeSteps(record_);
    readOnly_ = config_.readOnlyFile == 1;
    NewRecord();
    StartHistory();
    modified_ = false;
    SetUntitled(false);
    emit recordChanged(true);
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
    // The defaults exist in no file yet: closing or opening another file offers to save them,
    // and no undo makes them the saved file again.
    NewRecord();
    if (!Change(tr("Load Default"), defaults, true)) emit recordChanged(true);
    history_.resetClean();
    MarkModified();
    SetUntitled(true);
    return true;
}

bool CloneDocument::OpenUntitled(const RadioSettings& record, const QString& statusText)
{
    if (!AskToSave(tr("Do you want to save?"))) return false;
    NewRecord();
    record_ = record;
    NormalizeSteps(record_);
    StartHistory();
    history_.resetClean();
    MarkModified();
    SetUntitled(true);
    emit recordChanged(true);
    emit status(statusText, true);
    return true;
}

void CloneDocument::TakeRead(const RadioSettings& record)
{
    NewRecord();
    // The record read as it is shown anew, whatever was in view before.
    if (!Change(tr("Read from Radio"), record, true)) emit recordChanged(true);
    // Even the same bytes again count: the document now stands for the radio, not the file.
    MarkModified();
    SetClonePath(config_, "");
    readOnly_ = false;
    SetUntitled(true);
    const std::string mmsi = MmsiText(record_);
    proposedName_ = QString::fromLatin1(IsValidId(mmsi) ? (mmsi + ".dat").c_str() : "radio.dat");
    readIndex_ = history_.index();
}

bool CloneDocument::CloseSteps(const QString& stateFilePath)
{
    SaveState(stateFilePath);
    return AskToSave(tr("File is Modify. Do you want to save?"));
}

}  // namespace qx
