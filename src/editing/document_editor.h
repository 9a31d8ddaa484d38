// The editor of one document, for every front end: the record, what the user typed into each
// identity field, the model's group rules, channel edits under the clone file's rules, CSV
// import, and a bounded history of named steps. A front end shows what it holds and passes
// on what the user did; it never changes a record by a rule of its own.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "channels/channel_csv.h"
#include "editing/private_channels.h"
#include "identity/radio_identity.h"
#include "model/model_variant.h"
#include "model/radio_settings.h"

namespace qx {

// What one step of the history changes: the record, and the model the options remember
// (Load Default chooses one).
struct DocumentState {
    RadioSettings record;
    int32_t modelType = 0;
    int32_t europeanSet = 0;
};

// What the controls show for a record: the model, the channel groups, the PLL steps and the
// "entry by user" boxes. The identities have fields of their own (TypeIdentity).
struct DocumentControls {
    ModelVariant model = ModelVariant::Usa;
    bool usa = false, intl = false, can = false;
    bool usaNarrow = false, intNarrow = false, canNarrow = false;
    int txStep = 0, rxStep = 0;
    bool mmsiByUser = false, atisByUser = false;

    bool operator==(const DocumentControls&) const = default;
};

DocumentControls ControlsOf(const RadioSettings& record);

// Load Default as the model wizard builds it: the model's defaults, and the European private
// channel set `setIndex` for a model that has private channels (none when out of range); the
// options keep `keptSet` for one that has none.
DocumentState DefaultState(ModelVariant model, int setIndex, int32_t keptSet = 0);

// A step's name in English with at most one argument ("%1 channels", "USA"): front ends
// translate both parts.
struct StepName {
    std::string text;
    std::string arg;
    std::string English() const;
    bool operator==(const StepName&) const = default;
};

// An identity the radio would refuse, as the check says it: `text` has "%1" for the number.
struct IdentityRefusal {
    IdentityKind kind = IdentityKind::Mmsi;
    std::string number;
    std::string text;
};

class DocumentEditor {
public:
    // Each step keeps two whole records (about 88 KB): a hundred steps stay under 9 MB.
    static constexpr std::size_t kHistorySteps = 100;

    DocumentEditor();
    ~DocumentEditor();
    DocumentEditor(const DocumentEditor&) = delete;
    DocumentEditor& operator=(const DocumentEditor&) = delete;

    // Called after the record changed (`resetView`: show it from the first band on: a new
    // document, a read, another model or set of groups) and after the modified flag or the
    // history changed. Either may be empty.
    std::function<void(bool resetView)> recordChanged;
    std::function<void()> stateChanged;

    const RadioSettings& Record() const { return state_.record; }
    const DocumentState& State() const { return state_; }
    DocumentControls Controls() const { return ControlsOf(state_.record); }

    // A new document with no history, unmodified (start-up, Open). PLL steps outside the
    // lists' three positions are kept as 6.25 kHz.
    void Reset(const DocumentState& state);
    // A record from elsewhere (a backup) as a new document: no history, modified.
    void ResetModified(const RadioSettings& record);
    // The model wizard's defaults as one step; modified even when undone to the saved bytes.
    void LoadDefault(const DocumentState& defaults);
    // What a read brought, as one step: modified even when the bytes are the same.
    void TakeRead(const RadioSettings& record);

    // One step named `name`; false and no step when nothing changes.
    bool Change(const StepName& name, const DocumentState& after, bool resetView = false);
    bool Change(const StepName& name, const RadioSettings& after, bool resetView = false);
    // The controls' edit: one step named after what changed. The model decides the WX and
    // private groups; a new model or set of groups shows the channel list from its first band.
    void Edit(const DocumentControls& controls);

    // The identity fields. A field shows IdentityEntry: the text being typed, else the
    // record's. Leaving a field (CommitIdentities) makes a valid number or an emptied field one
    // step; a number the radio would refuse stays the entry and keeps the document modified.
    void TypeIdentity(IdentityKind which, std::string_view text);
    std::string IdentityEntry(IdentityKind which) const;
    void CommitIdentities();
    // A ticked box drops an entry the radio would refuse; a valid one becomes a step first.
    void SetIdentityByUser(IdentityKind which, bool byUser);
    // Before a command works on the record: typed identities become steps and the record takes
    // the form its controls show, without a step of its own.
    void CommitEdits();
    // The check before Write and Save: an identity the radio would refuse, typed or held,
    // unless it is left to the radio's user.
    std::optional<IdentityRefusal> RefusedIdentity();

    // The private channels, as the channel list shows them. "" or the refusal (an English
    // text, the same the window and the page translate).
    EditRefusal AddPrivateChannel(int selected, const PrivateChannelFields& fields, int* placed = nullptr);
    EditRefusal EditPrivateChannel(int position, const PrivateChannelFields& fields);
    // The same with an entry the window's dialog has already checked.
    EditRefusal AddPrivateEntry(int selected, const ChannelEntry& entry, int* placed = nullptr);
    EditRefusal SetPrivateEntry(int position, const ChannelEntry& entry);
    EditRefusal RemovePrivateChannel(int position);
    // Replaces the private channels by a CSV file's bytes: one step when imported.
    CsvFileImport ImportCsv(std::string_view bytes);
    CsvFileImport ImportCsvFile(const std::string& path);

    bool Undo();
    bool Redo();
    bool CanUndo() const { return index_ > 0; }
    bool CanRedo() const { return index_ < steps_.size(); }
    // The step an Undo or a Redo would take; empty when none.
    StepName UndoName() const;
    StepName RedoName() const;
    // Counts steps from the document's start (it goes down as the oldest steps are dropped).
    std::size_t Index() const { return index_; }

    // Modified: a mark, a step since the save, or an identity entry not in the record.
    bool IsModified() const { return modified_; }
    void MarkModified();
    // The document is now what its file holds.
    void MarkSaved();

private:
    struct Step {
        StepName name;
        DocumentState before, after;
    };

    DocumentState state_{};
    std::optional<std::string> entries_[2];  // [0] the MMSI, [1] the ATIS ID
    std::deque<std::unique_ptr<Step>> steps_;
    std::size_t index_ = 0;
    // The index the file's bytes are at; none when no undo leads back to them.
    std::optional<std::size_t> clean_ = 0;
    bool marked_ = false;
    bool modified_ = false;

    void Apply(const DocumentState& state, bool resetView);
    void UpdateModified();
    void ForgetEntries();
    void StartHistory();
    EditRefusal StoreList(const StepName& name, const RadioSettings& after);
};

}  // namespace qx
