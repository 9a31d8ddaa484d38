// The one gate every change of a radio's EEPROM passes: a Write to Radio, a restore, the EEPROM
// tools' write, a fleet unit. It claims the radio, reads what the change replaces, decides from
// the front end's consent whether a valid identity the radio holds may be replaced, keeps the
// backup, writes and reports. Nothing else in the program sends a write to a radio.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backups/backup_store.h"
#include "clone/clock.h"
#include "identity/radio_identity.h"
#include "model/radio_settings.h"
#include "operations/backup_operations.h"
#include "operations/operation_context.h"
#include "operations/radio_claim.h"
#include "result/clone_result.h"

namespace qx::ops {

// How a front end consents to a change that replaces (or clears) a valid identity the radio
// holds: another boat's MMSI is its legal identity. There is no default; every caller says.
class Consent {
public:
    using Question = std::function<bool(const std::vector<IdentityReplacement>&)>;
    // Asks, only when an identity would be replaced; true replaces it. Called on the thread that
    // runs the change, after the radio was read and before anything is kept or sent.
    static Consent Ask(Question question);
    // Nobody to ask: a change that would replace an identity is refused.
    static Consent Keep();
    // The user has already said so (--force; a Yes to the question asked before).
    static Consent Replace();

    [[nodiscard]] bool Allows(const std::vector<IdentityReplacement>& replaced) const;

private:
    enum class Way { Ask, Keep, Replace };
    Consent(Way way, Question question) : way_(way), question_(std::move(question)) {}
    Way way_;
    Question question_;
};

// What the gate writes.
class RadioChange {
public:
    // The record into the clone range, as Write to Radio encodes it (`adjustMode` reaches 0x02FF).
    static RadioChange Record(const RadioSettings& record, int32_t adjustMode);
    // `bytes` from address `first` on: a whole EEPROM (8192 bytes from 0, an EEPROM dump or a whole
    // backup) or a clone range backup. Anything that does not fit in the EEPROM is refused.
    static RadioChange Bytes(int first, std::vector<uint8_t> bytes);

    [[nodiscard]] bool IsRecord() const { return record_ != nullptr; }
    [[nodiscard]] int First() const { return first_; }
    [[nodiscard]] int End() const { return end_; }
    [[nodiscard]] const RadioSettings* Settings() const { return record_.get(); }
    [[nodiscard]] const std::vector<uint8_t>& Data() const { return bytes_; }
    [[nodiscard]] int32_t AdjustMode() const { return adjustMode_; }

private:
    RadioChange() = default;
    std::shared_ptr<const RadioSettings> record_;  // on the heap: 43 KB
    std::vector<uint8_t> bytes_;
    int first_ = 0;
    int end_ = 0;
    int32_t adjustMode_ = 0;
};

// What a change keeps of the radio before it writes.
enum class BackupKind {
    Written,  // the bytes the change is about to write (a Write: the clone range, identities included)
    Whole,    // the whole EEPROM (--full-backup)
    None,     // nothing: the identities alone are read first (a record written with backups turned off)
};

struct BackupPlan {
    BackupKind kind = BackupKind::Written;
    std::string folder;  // where the backup file goes (created on first use)
    std::string name = kBackupBaseName;
    LocalTime time{};  // names the backup file
    // Keeps the backup somewhere else than a folder (the page's browser storage); "" when it is
    // kept, else the problem. Used when `folder` is "".
    std::function<std::string(const std::vector<uint8_t>& bytes, int first, const RadioIdentities& held)> keep;
    // Hears of the backup once it is kept, before the first block is sent.
    std::function<void(const BackupResult&)> kept;
};

struct ChangeOutcome {
    CloneResult code = kResultOk;
    std::string reason;                         // the adaptor's words for its failure, or who holds the radio
    bool complete = false;                      // the radio was read completely: the gate knew what it replaces
    bool refused = false;                       // not written: it would have replaced `replaced` without consent
    bool sent = false;                          // blocks may have reached the radio (it may hold part of the change)
    BackupResult backup;                        // what was kept (path, or the problem), the identities the radio held
    int backupFirst = 0;                        // the backup's first address: 0 for a whole EEPROM
    std::vector<IdentityReplacement> replaced;  // valid identities the change replaces or clears
    [[nodiscard]] bool Ok() const { return code == kResultOk; }
};

// A change between its two steps: the radio claimed (until the change goes), what it replaces
// read, nothing kept and nothing sent. For a front end that asks its question between them.
class OpenChange {
public:
    OpenChange(OpenChange&&) noexcept = default;
    OpenChange& operator=(OpenChange&&) noexcept = default;
    ~OpenChange();
    [[nodiscard]] const ChangeOutcome& Found() const { return found_; }
    // The bytes a backup keeps (read from the radio), from Found().backupFirst on.
    [[nodiscard]] const std::vector<uint8_t>& BackupBytes() const { return found_.backup.eeprom; }

private:
    friend OpenChange Open(const OperationContext& ctx, RadioChange change, BackupPlan plan);
    friend ChangeOutcome Pass(const OperationContext& ctx, OpenChange&& open, const Consent& consent);
    OpenChange(RadioChange change, BackupPlan plan) : change_(std::move(change)), plan_(std::move(plan)) {}
    RadioChange change_;
    BackupPlan plan_;
    RadioClaim claim_;
    ChangeOutcome found_;
};

// The first step: claims the radio and reads what the change replaces (and what its backup
// keeps). Nothing is kept or sent.
OpenChange Open(const OperationContext& ctx, RadioChange change, BackupPlan plan);
// The second step: decides from `consent`, keeps the backup, writes, lets the radio go. Nothing
// is kept or sent when the first step failed or the consent refuses.
ChangeOutcome Pass(const OperationContext& ctx, OpenChange&& open, const Consent& consent);
// Both steps.
ChangeOutcome ChangeRadio(const OperationContext& ctx, RadioChange change, BackupPlan plan, const Consent& consent);

}  // namespace qx::ops
