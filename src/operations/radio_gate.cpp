#include "operations/radio_gate.h"

#include <algorithm>
#include <cstring>

#include "backups/backup_name.h"
#include "clone/pc_clone.h"
#include "clone/progress_sink.h"
#include "files/atomic_file.h"
#include "model/radio_image.h"
#include "operations/eeprom_operations.h"
#include "operations/radio_operations.h"
#include "operations/radio_writes.h"

namespace qx::ops {

Consent Consent::Ask(Question question) { return Consent(Way::Ask, std::move(question)); }
Consent Consent::Keep() { return Consent(Way::Keep, {}); }
Consent Consent::Replace() { return Consent(Way::Replace, {}); }

bool Consent::Allows(const std::vector<IdentityReplacement>& replaced) const
{
    if (replaced.empty()) return true;
    switch (way_) {
    case Way::Replace: return true;
    case Way::Ask: return question_ && question_(replaced);
    case Way::Keep: break;
    }
    return false;
}

RadioChange RadioChange::Record(const RadioSettings& record, int32_t adjustMode)
{
    RadioChange change;
    change.record_ = std::make_shared<const RadioSettings>(record);
    change.first_ = kCloneFirst;
    change.end_ = kCloneLast + 1;
    change.adjustMode_ = adjustMode;
    return change;
}

RadioChange RadioChange::Bytes(int first, std::vector<uint8_t> bytes)
{
    RadioChange change;
    change.first_ = first;
    change.end_ = first + static_cast<int>(std::min<std::size_t>(bytes.size(), kEepromSize + 1));
    change.bytes_ = std::move(bytes);
    return change;
}

namespace {

bool Fits(const RadioChange& change)
{
    return change.First() >= 0 && change.End() <= kEepromSize && change.First() < change.End() &&
           static_cast<int>(change.Data().size()) == (change.IsRecord() ? 0 : change.End() - change.First());
}

bool Overlaps(int first, int end, int otherFirst, int otherEnd) { return first < otherEnd && otherFirst < end; }

// The span the first step reads: what the backup keeps, and always the identities when the
// change reaches them.
void ReadSpan(const RadioChange& change, BackupKind kind, int& first, int& end)
{
    switch (kind) {
    case BackupKind::Whole:
        first = 0;
        end = kEepromSize;
        return;
    case BackupKind::None:
        first = kIdentityBlockFirst;
        end = kIdentityBlockEnd;
        return;
    case BackupKind::Written: break;
    }
    first = change.First();
    end = change.End();
    if (Overlaps(first, end, kIdentityBlockFirst, kIdentityBlockEnd)) {
        first = std::min(first, kIdentityBlockFirst);
        end = std::max(end, kIdentityBlockEnd);
    }
}

RadioIdentities WrittenBy(const RadioChange& change, const RadioImage& radio)
{
    if (change.IsRecord()) return WrittenIdentities(*change.Settings());
    auto image = std::make_unique<RadioImage>(radio);
    std::copy(change.Data().begin(), change.Data().end(), image->begin() + change.First());
    return ImageIdentities(image->data(), kEepromSize);
}

void Stage(const OperationContext& ctx, const char* name, int steps)
{
    if (ctx.stage) ctx.stage(name, steps);
}

constexpr int kBlockBytes = 20;  // the data of one clone sentence
int Blocks(int bytes) { return (bytes + kBlockBytes - 1) / kBlockBytes; }

// Keeps the backup where the plan says; false with the problem in `backup`.
bool Keep(const BackupPlan& plan, int first, BackupResult& backup)
{
    if (plan.kind == BackupKind::None) return true;
    if (!plan.folder.empty()) {
        if (!MakeBackupFolder(plan.folder, backup.problem)) {
            backup.result = kResultOpenFileError;
            return false;
        }
        SaveDetail detail;
        backup.result = SaveBackupFile(plan.folder, plan.name, plan.time, backup.eeprom, backup.path, &detail);
        if (backup.result == kResultOk) return true;
        backup.reason = detail.reason;
        backup.problem = BackupPath(plan.folder, plan.name, plan.time, 1) + ": the backup could not be written" +
                         (detail.reason.empty() ? "" : ": " + detail.reason);
        return false;
    }
    backup.problem = plan.keep ? plan.keep(backup.eeprom, first, backup.radio) : "no place to keep the backup";
    if (backup.problem.empty()) return true;
    backup.result = kResultWriteFileError;
    return false;
}

CloneResult WriteChange(const OperationContext& ctx, const RadioChange& change)
{
    if (change.IsRecord()) {
        Stage(ctx, "Writing", kCloneSteps);
        // The encoder writes into the record it is bound to: a copy of its own.
        auto record = std::make_unique<RadioSettings>(*change.Settings());
        const int32_t adjustMode = change.AdjustMode();
        CloneEnvironment environment{ctx.env.adaptor, ctx.env.stopEvent, ctx.env.writeImage, ctx.env.readImage,
                                     adjustMode,      ctx.env.clock,     ctx.env.timing};
        // The clone run steps a progress bar; a caller without one gets a silent bar, never a
        // refusal after the backup was kept.
        NoProgress silent;
        ProgressSink* progress = ctx.progress != nullptr ? ctx.progress : &silent;
        CPcClone clone(environment, CloneBinding{record.get(), ctx.options, progress, ctx.logDirectory});
        clone.OpenCommLog();
        return clone.WriteRadio();
    }
    const int size = change.End() - change.First();
    Stage(ctx, "Writing", Blocks(size));
    std::copy(change.Data().begin(), change.Data().end(), ctx.env.writeImage.begin() + change.First());
    return internal::WriteEepromSpan(ctx, change.First(), change.End());
}

}  // namespace

OpenChange::~OpenChange() = default;

OpenChange Open(const OperationContext& ctx, RadioChange change, BackupPlan plan)
{
    OpenChange open(std::move(change), std::move(plan));
    ChangeOutcome& found = open.found_;
    // A record is encoded for the options' model: without them nothing could be written, so
    // nothing is read or kept either.
    if (!Fits(open.change_) || (open.change_.IsRecord() && ctx.options == nullptr)) {
        found.code = kResultParameterError;
        return open;
    }
    open.claim_ = ClaimRadio(ctx.env);
    if (!open.claim_.Ok()) {
        found.code = open.claim_.Result();
        found.reason = open.claim_.Holder();
        return open;
    }
    int first = 0;
    int end = 0;
    ReadSpan(open.change_, open.plan_.kind, first, end);
    const bool backup = open.plan_.kind != BackupKind::None;
    Stage(ctx, backup ? "Backing up" : "Reading the identities", Blocks(end - first));
    const CloneResult read = ReadEepromSpan(ctx, first, end);
    if (read != kResultOk) {
        found.code = read;
        found.reason = FailureReason(ctx.env, read);
        found.backup.result = read;
        return open;
    }
    found.complete = true;
    found.backupFirst = first;
    if (backup) found.backup.eeprom.assign(ctx.env.readImage.begin() + first, ctx.env.readImage.begin() + end);
    found.backup.radio = ImageIdentities(ctx.env.readImage.data(), kEepromSize);
    found.replaced = ReplacedIdentities(found.backup.radio, WrittenBy(open.change_, ctx.env.readImage));
    return open;
}

ChangeOutcome Pass(const OperationContext& ctx, OpenChange&& open, const Consent& consent)
{
    // The radio stays claimed until this change is over, whatever the outcome.
    OpenChange change = std::move(open);
    ChangeOutcome out = change.found_;
    if (!out.Ok() || !out.complete) {
        if (out.Ok()) out.code = kResultParameterError;
        return out;
    }
    if (!consent.Allows(out.replaced)) {
        out.refused = true;
        out.code = kResultUserCancel;
        return out;
    }
    // A Stop asked for while the question was open: nothing is kept or sent.
    if (ctx.env.stopEvent.IsSet()) {
        out.code = kResultUserCancel;
        return out;
    }
    if (!Keep(change.plan_, out.backupFirst, out.backup)) {
        out.code = out.backup.result;
        return out;
    }
    if (change.plan_.kept) change.plan_.kept(out.backup);
    out.sent = true;
    out.code = WriteChange(ctx, change.change_);
    out.reason = FailureReason(ctx.env, out.code);
    return out;
}

ChangeOutcome ChangeRadio(const OperationContext& ctx, RadioChange change, BackupPlan plan, const Consent& consent)
{
    return Pass(ctx, Open(ctx, std::move(change), std::move(plan)), consent);
}

}  // namespace qx::ops
