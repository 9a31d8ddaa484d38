#include "editing/document_editor.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "files/clone_file.h"
#include "identity/identity_advice.h"
#include "model/identity.h"
#include "model/private_sets.h"

namespace qx {

namespace {

int Slot(IdentityKind which) { return which == IdentityKind::Mmsi ? 0 : 1; }

std::string RecordIdentity(const RadioSettings& record, IdentityKind which)
{
    return which == IdentityKind::Mmsi ? MmsiText(record) : AtisText(record);
}

bool LeftToUser(const RadioSettings& record, IdentityKind which)
{
    return (which == IdentityKind::Mmsi ? record.mmsiByUser : record.atisByUser) != 0;
}

// A typed identity as the window has always stored it: the first 10 bytes cleared, then the
// digits and their NUL; an emptied field leaves those bytes clear.
void StoreIdentity(RadioSettings& record, IdentityKind which, const std::string& digits)
{
    char* field = which == IdentityKind::Mmsi ? record.mmsiText : record.atisText;
    std::memset(field, 0, 10);
    std::copy_n(digits.data(), std::min<std::size_t>(digits.size(), 9), field);
}

int ShownStep(int32_t step) { return step >= 0 && step <= 2 ? step : 0; }

// The record in the form its controls show: steps outside the lists' three positions as
// 6.25 kHz, the WX and private groups as the model has them.
void StoreControls(const DocumentControls& c, RadioSettings& record)
{
    const ModelVariantInfo& model = VariantInfo(c.model);
    record.usaEnabled = c.usa ? 1 : 0;
    record.intEnabled = c.intl ? 1 : 0;
    record.canEnabled = c.can ? 1 : 0;
    record.usaNarrowEnabled = c.usaNarrow ? 1 : 0;
    record.intNarrowEnabled = c.intNarrow ? 1 : 0;
    record.canNarrowEnabled = c.canNarrow ? 1 : 0;
    record.modelType = model.type;
    record.wxEnabled = model.weather ? 1 : 0;
    record.privateEnabled = model.privateChannels ? 1 : 0;
    record.txStep = c.txStep;
    record.rxStep = c.rxStep;
    record.atisByUser = c.atisByUser ? 1 : 0;
    record.mmsiByUser = c.mmsiByUser ? 1 : 0;
}

void NormalizeSteps(RadioSettings& record)
{
    record.txStep = ShownStep(record.txStep);
    record.rxStep = ShownStep(record.rxStep);
}

StepName ChangeName(const RadioSettings& before, const RadioSettings& after)
{
    const DocumentControls a = ControlsOf(before);
    const DocumentControls b = ControlsOf(after);
    if (MmsiText(before) != MmsiText(after)) return {"MMSI", {}};
    if (AtisText(before) != AtisText(after)) return {"ATIS ID", {}};
    if (a.mmsiByUser != b.mmsiByUser) return {"MMSI entry by user", {}};
    if (a.atisByUser != b.atisByUser) return {"ATIS entry by user", {}};
    if (VariantInfo(a.model).europe != VariantInfo(b.model).europe) return {"Model", {}};
    if (a.txStep != b.txStep) return {"TX PLL step", {}};
    if (a.rxStep != b.rxStep) return {"RX PLL step", {}};
    const std::pair<bool, const char*> groups[] = {
        {a.usa != b.usa, "USA"},
        {a.intl != b.intl, "INT"},
        {a.can != b.can, "CAN"},
        {a.usaNarrow != b.usaNarrow, "USA_narrow"},
        {a.intNarrow != b.intNarrow, "INT_narrow"},
        {a.canNarrow != b.canNarrow, "CAN_narrow"},
    };
    for (const auto& [changed, name] : groups)
        if (changed) return {"%1 channels", name};
    return {"Edit", {}};
}

bool SameState(const DocumentState& a, const DocumentState& b)
{
    // The record is the clone file's byte image, padding included: the bytes decide.
    // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison)
    return std::memcmp(&a.record, &b.record, sizeof a.record) == 0 && a.modelType == b.modelType &&
           a.europeanSet == b.europeanSet;
}

}  // namespace

DocumentControls ControlsOf(const RadioSettings& record)
{
    DocumentControls c;
    // The panel has two buttons: whichever European variant, a stored Europe record is EUR (INT).
    c.model = PanelVariant(VariantOf(record).europe);
    c.usa = record.usaEnabled != 0;
    c.intl = record.intEnabled != 0;
    c.can = record.canEnabled != 0;
    c.usaNarrow = record.usaNarrowEnabled != 0;
    c.intNarrow = record.intNarrowEnabled != 0;
    c.canNarrow = record.canNarrowEnabled != 0;
    c.txStep = ShownStep(record.txStep);
    c.rxStep = ShownStep(record.rxStep);
    c.mmsiByUser = record.mmsiByUser != 0;
    c.atisByUser = record.atisByUser != 0;
    return c;
}

DocumentState DefaultState(ModelVariant model, int setIndex, int32_t keptSet)
{
    const ModelVariantInfo& info = VariantInfo(model);
    DocumentState state{{}, info.type, keptSet};
    ResetSettings(state.record, info.type);
    if (info.privateSets && setIndex >= 0 && setIndex < kPrivateSetCount) {
        LoadPrivateSet(setIndex, state.record);
        state.europeanSet = setIndex;
    }
    return state;
}

std::string StepName::English() const
{
    std::string said = text;
    if (const auto at = said.find("%1"); at != std::string::npos) said.replace(at, 2, arg);
    return said;
}

DocumentEditor::DocumentEditor() { std::memset(&state_.record, 0, sizeof state_.record); }

DocumentEditor::~DocumentEditor() = default;

void DocumentEditor::Apply(const DocumentState& state, bool resetView)
{
    state_ = state;
    NormalizeSteps(state_.record);
    if (recordChanged) recordChanged(resetView);
}

void DocumentEditor::UpdateModified()
{
    const bool modified = marked_ || clean_ != index_ || entries_[0] || entries_[1];
    modified_ = modified;
    if (stateChanged) stateChanged();
}

void DocumentEditor::ForgetEntries()
{
    entries_[0].reset();
    entries_[1].reset();
    marked_ = false;
}

void DocumentEditor::StartHistory()
{
    steps_.clear();
    index_ = 0;
    clean_ = 0;
}

void DocumentEditor::Reset(const DocumentState& state)
{
    ForgetEntries();
    StartHistory();
    Apply(state, true);
    UpdateModified();
}

void DocumentEditor::ResetModified(const RadioSettings& record)
{
    ForgetEntries();
    StartHistory();
    clean_.reset();
    marked_ = true;
    DocumentState state = state_;
    state.record = record;
    Apply(state, true);
    UpdateModified();
}

void DocumentEditor::LoadDefault(const DocumentState& defaults)
{
    ForgetEntries();
    if (!Change({"Load Default", {}}, defaults, true)) Apply(state_, true);
    // The defaults exist in no file: no undo makes them the saved file again.
    clean_.reset();
    MarkModified();
}

void DocumentEditor::TakeRead(const RadioSettings& record)
{
    ForgetEntries();
    // Shown anew from the first band, whatever was in view before.
    if (!Change({"Read from Radio", {}}, record, true)) Apply(state_, true);
    // Even the same bytes again count: the document now stands for the radio, not the file.
    MarkModified();
}

bool DocumentEditor::Change(const StepName& name, const RadioSettings& after, bool resetView)
{
    DocumentState state = state_;
    state.record = after;
    return Change(name, state, resetView);
}

bool DocumentEditor::Change(const StepName& name, const DocumentState& after, bool resetView)
{
    if (SameState(state_, after)) return false;
    auto step = std::make_unique<Step>();
    step->name = name;
    step->before = state_;
    step->after = after;
    NormalizeSteps(step->after.record);
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(index_), steps_.end());
    if (clean_ && *clean_ > index_) clean_.reset();  // the saved state was among the redone steps
    steps_.push_back(std::move(step));
    ++index_;
    if (steps_.size() > kHistorySteps) {
        steps_.pop_front();
        --index_;
        if (clean_) clean_ = *clean_ == 0 ? std::nullopt : std::optional<std::size_t>(*clean_ - 1);
    }
    marked_ = false;
    Apply(steps_[index_ - 1]->after, resetView);
    UpdateModified();
    return true;
}

void DocumentEditor::Edit(const DocumentControls& controls)
{
    CommitEdits();
    const DocumentControls before = Controls();
    RadioSettings after = state_.record;
    StoreControls(controls, after);
    const auto groups = [](const DocumentControls& c) {
        return std::array<bool, 7>{
            VariantInfo(c.model).europe, c.usa, c.intl, c.can, c.usaNarrow, c.intNarrow, c.canNarrow};
    };
    Change(ChangeName(state_.record, after), after, groups(before) != groups(controls));
    // A control clicked to what it already showed still counts as an edit.
    MarkModified();
}

void DocumentEditor::TypeIdentity(IdentityKind which, std::string_view text)
{
    const std::string typed = TypedIdentity(text);
    // Typed back to what the record holds: no edit after all.
    if (typed == RecordIdentity(state_.record, which))
        entries_[Slot(which)].reset();
    else
        entries_[Slot(which)] = typed;
    UpdateModified();
}

std::string DocumentEditor::IdentityEntry(IdentityKind which) const
{
    const auto& entry = entries_[Slot(which)];
    return entry ? *entry : RecordIdentity(state_.record, which);
}

void DocumentEditor::CommitIdentities()
{
    for (IdentityKind which : {IdentityKind::Mmsi, IdentityKind::Atis}) {
        auto& entry = entries_[Slot(which)];
        if (!entry || (!entry->empty() && !IsValidId(*entry))) continue;  // the radio would refuse it
        RadioSettings after = state_.record;
        StoreIdentity(after, which, *entry);
        entry.reset();
        if (!Change({which == IdentityKind::Mmsi ? "MMSI" : "ATIS ID", {}}, after)) UpdateModified();
    }
}

void DocumentEditor::SetIdentityByUser(IdentityKind which, bool byUser)
{
    CommitIdentities();
    if (byUser) entries_[Slot(which)].reset();
    DocumentControls controls = Controls();
    (which == IdentityKind::Mmsi ? controls.mmsiByUser : controls.atisByUser) = byUser;
    Edit(controls);
}

void DocumentEditor::CommitEdits()
{
    CommitIdentities();
    StoreControls(Controls(), state_.record);
}

std::optional<IdentityRefusal> DocumentEditor::RefusedIdentity()
{
    CommitIdentities();
    for (IdentityKind which : {IdentityKind::Mmsi, IdentityKind::Atis}) {
        // What is typed, else what the record holds: neither may reach a file or a radio when
        // the radio would refuse it.
        const std::string text = IdentityEntry(which);
        if (text.empty() || IsValidId(text) || LeftToUser(state_.record, which)) continue;
        return IdentityRefusal{which, text,
                               which == IdentityKind::Mmsi ? "Invalid MMIS ID:%1\nMake sure 9 digitals."
                                                           : "Invalid ATIS ID:%1\nMake sure 9 digitals."};
    }
    return std::nullopt;
}

EditRefusal DocumentEditor::StoreList(const StepName& name, const RadioSettings& after)
{
    Change(name, after);
    MarkModified();
    return {};
}

EditRefusal DocumentEditor::AddPrivateEntry(int selected, const ChannelEntry& entry, int* placed)
{
    CommitEdits();
    RadioSettings after = state_.record;
    const int n = PrivateListLength(after);
    if (n >= kMaxPrivateLines) return {"Channel Number Limit!", {}};
    if (EditRefusal refusal = PrivateEntryRefusal(entry)) return refusal;
    // After the selected line; at the end without one.
    const int at = selected < 0 || selected >= n - 1 ? n : selected + 1;
    ChannelEntry* block = &after.channels[kPrivateBlock];
    for (int i = n - 1; i >= at; --i) block[i + 1] = block[i];
    block[at] = entry;
    if (placed != nullptr) *placed = at;
    return StoreList({"Add private channel", {}}, after);
}

EditRefusal DocumentEditor::AddPrivateChannel(int selected, const PrivateChannelFields& fields, int* placed)
{
    // The blank of a new entry: in use, everything else zero.
    ChannelEntry entry{};
    entry.inUse = 1;
    if (EditRefusal refusal = FillPrivateChannel(entry, fields)) return refusal;
    return AddPrivateEntry(selected, entry, placed);
}

EditRefusal DocumentEditor::SetPrivateEntry(int position, const ChannelEntry& entry)
{
    CommitEdits();
    if (position < 0 || position >= PrivateListLength(state_.record)) return {"Please Select a Channel First!", {}};
    if (EditRefusal refusal = PrivateEntryRefusal(entry)) return refusal;
    RadioSettings after = state_.record;
    after.channels[kPrivateBlock + position] = entry;
    return StoreList({"Edit private channel", {}}, after);
}

EditRefusal DocumentEditor::EditPrivateChannel(int position, const PrivateChannelFields& fields)
{
    if (position < 0 || position >= PrivateListLength(state_.record)) return {"Please Select a Channel First!", {}};
    ChannelEntry entry = state_.record.channels[kPrivateBlock + position];
    if (EditRefusal refusal = FillPrivateChannel(entry, fields)) return refusal;
    return SetPrivateEntry(position, entry);
}

EditRefusal DocumentEditor::RemovePrivateChannel(int position)
{
    CommitEdits();
    RadioSettings after = state_.record;
    const int n = PrivateListLength(after);
    if (n == 0) return {"NO Channel!", {}};
    if (position < 0 || position >= n) return {"Please Select a Channel!", {}};
    ChannelEntry* block = &after.channels[kPrivateBlock];
    for (int i = position + 1; i <= n - 1; ++i) block[i - 1] = block[i];
    block[n - 1].inUse = 0;
    return StoreList({"Remove private channel", {}}, after);
}

CsvFileImport DocumentEditor::ImportCsv(std::string_view bytes)
{
    CommitEdits();
    RadioSettings after = state_.record;
    CsvFileImport outcome = ImportChannelsCsvBytes(bytes, after);
    if (outcome.imported) StoreList({"Import Channels (CSV)", {}}, after);
    return outcome;
}

CsvFileImport DocumentEditor::ImportCsvFile(const std::string& path)
{
    CommitEdits();
    RadioSettings after = state_.record;
    CsvFileImport outcome = ImportChannelsCsvFile(path, after);
    if (outcome.imported) StoreList({"Import Channels (CSV)", {}}, after);
    return outcome;
}

bool DocumentEditor::Undo()
{
    CommitEdits();
    if (!CanUndo()) return false;
    const Step& step = *steps_[--index_];
    marked_ = false;
    Apply(step.before, false);  // an undo keeps the view where it is
    UpdateModified();
    return true;
}

bool DocumentEditor::Redo()
{
    CommitEdits();
    if (!CanRedo()) return false;
    const Step& step = *steps_[index_++];
    marked_ = false;
    Apply(step.after, false);
    UpdateModified();
    return true;
}

StepName DocumentEditor::UndoName() const { return CanUndo() ? steps_[index_ - 1]->name : StepName{}; }

StepName DocumentEditor::RedoName() const { return CanRedo() ? steps_[index_]->name : StepName{}; }

void DocumentEditor::MarkModified()
{
    marked_ = true;
    UpdateModified();
}

void DocumentEditor::MarkSaved()
{
    clean_ = index_;
    marked_ = false;
    UpdateModified();
}

}  // namespace qx
