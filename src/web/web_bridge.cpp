// The page's one interface to the core: the document it edits, the radio it talks to (the
// clone adaptor through WebHID, or the virtual radio compiled in), and the clone operations.
// Every answer is JSON text the page parses; the radio calls are awaited by the page.
#include <emscripten.h>

#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/radio_stack.h"
#include "backups/backup_store.h"
#include "identity/radio_identity.h"
#include "model/radio_image.h"
#include "operations/radio_gate.h"
#include "operations/radio_operations.h"
#include "result/clone_result.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"
#include "web/bridge_reply.h"
#include "web/json_text.h"
#include "web/verified_write.h"
#include "web/web_document.h"

namespace qx::web {

EM_JS(void, qx_page_progress, (int position, int maximum), {
    if (Module.onProgress) Module.onProgress(position, maximum);
});
EM_JS(void, qx_page_stage, (const char* name, int blocks), {
    if (Module.onStage) Module.onStage(UTF8ToString(name), blocks);
});
// Stores a backup in the page's own storage and waits until it is there for good: 1 and the
// backup's name in `answer`, or 0 and the browser's reason.
// clang-format off
EM_ASYNC_JS(int, qx_page_keep_backup, (const uint8_t* bytes, int length, const char* mmsi, char* answer, int capacity), {
    const copy = HEAPU8.slice(bytes, bytes + length);
    let kept = 1;
    let text = "";
    try {
        text = String(await Module.keepBackup(copy, UTF8ToString(mmsi)));
    } catch (error) {
        kept = 0;
        text = String(error && error.message || error || "");
    }
    stringToUTF8(text, answer, capacity);
    return kept;
});
// clang-format on

namespace {

class PageProgress : public ProgressSink {
public:
    void SetRange(int minimum, int maximum) override
    {
        minimum_ = minimum;
        maximum_ = maximum;
        Show();
    }
    void SetStep(int step) override { step_ = step; }
    void Step() override
    {
        position_ += step_;
        Show();
    }
    void SetPosition(int position) override
    {
        position_ = position;
        Show();
    }

private:
    int minimum_ = 0, maximum_ = 100, step_ = 1, position_ = 0;
    void Show() { qx_page_progress(position_ - minimum_, maximum_ - minimum_); }
};

// The radios the page talks to: the clone adaptor through WebHID, or the virtual radio.
struct RadioLink {
    std::unique_ptr<RadioStack> usb;
    VirtualRadio virtualRadio;
    VirtualHidBackend virtualBackend{virtualRadio};
    RadioStack simulated{virtualBackend};
    bool useVirtual = false;
    PageProgress progress;

    RadioLink()
    {
        std::string error;
        RadioStack::OpenChoices choices;
        // Nothing is listed until the page asks: listing waits for the browser.
        choices.refuseSeveral = false;
        usb = RadioStack::Open(RadioOption{}, error, choices);
        // The virtual radio starts as a radio fresh from the factory would: the USA defaults.
        auto defaults = std::make_unique<RadioSettings>();
        ResetSettings(*defaults, 0);
        auto image = std::make_unique<RadioImage>();
        EncodeSettings(*defaults, 0, *image);
        EepromBytes contents{};
        std::memcpy(contents.data(), image->data(), contents.size());
        virtualRadio.SetContents(contents);
    }
    RadioStack& Stack() { return useVirtual ? simulated : *usb; }
};

RadioLink& Link()
{
    static RadioLink link;
    return link;
}

// The bytes a call hands back (the virtual radio's EEPROM), kept until the next such call.
std::vector<uint8_t>& Bytes()
{
    static std::vector<uint8_t> bytes;
    return bytes;
}

JsonText Outcome(CloneResult code, const std::string& reason)
{
    JsonText json;
    json.Begin().Field("code", code).Field("message", code == kResultOk ? std::string() : DescribeResult(code));
    if (code != kResultOk && !reason.empty()) json.Field("reason", reason);
    return json;
}
JsonText Outcome(const ops::Outcome& outcome) { return Outcome(outcome.code, outcome.reason); }

// One operation's context: the stack of the radio in use, the document's options, the page's
// progress bar. A new operation starts with no stop request; the second step of a change keeps
// a Stop asked for since its first.
struct Run {
    ModelConfig options = Document().Config();
    OperationContext ctx{.env = Link().Stack().Environment(),
                         .options = &options,
                         .progress = &Link().progress,
                         .stage = [](const char* name, int steps) { qx_page_stage(name, steps); }};

    explicit Run(bool fresh = true)
    {
        if (fresh) Link().Stack().StopEvent().Reset();
    }
};

// What the page keeps of the radio before a change: the clone range a write replaces, the
// whole EEPROM, or nothing (the self-test).
enum PageBackup { kBackupWritten = 0, kBackupWhole = 1, kBackupNone = 2 };

// A change between its two steps: the radio held, what it replaces read, nothing kept or sent.
// The page asks its question in between; the next first step or a drop lets it go.
struct Pending {
    std::optional<ops::OpenChange> open;
    bool record = false;     // a Write of the document, not a restore
    std::string backupName;  // the name the page's storage gave the backup, once it is kept
};
}  // namespace

VerifiedWriteState& VerifiedWrite()
{
    static VerifiedWriteState state;
    return state;
}

namespace {

std::unique_ptr<Pending>& Preparation()
{
    static std::unique_ptr<Pending> pending;
    return pending;
}

// The gate's plan for a change from the page: the backup goes to the browser's storage, after
// the decision and before the first block is sent.
ops::BackupPlan PagePlan(Pending& pending, int kind)
{
    ops::BackupPlan plan;
    plan.kind = kind == kBackupWhole ? ops::BackupKind::Whole
                                     : (kind == kBackupNone ? ops::BackupKind::None : ops::BackupKind::Written);
    plan.keep = [&pending](const std::vector<uint8_t>& bytes, int, const RadioIdentities& held) -> std::string {
        std::array<char, 512> answer{};
        const int kept = qx_page_keep_backup(bytes.data(), static_cast<int>(bytes.size()), held.mmsi.c_str(),
                                             answer.data(), static_cast<int>(answer.size()));
        if (kept == 1) {
            pending.backupName = answer.data();
            return {};
        }
        return answer[0] != '\0' ? std::string(answer.data()) : std::string("the browser did not store the backup");
    };
    return plan;
}

void ReplacedList(JsonText& json, const std::vector<IdentityReplacement>& replaced)
{
    json.Key("replaced").Begin('[');
    for (const IdentityReplacement& r : replaced) {
        json.Begin()
            .Field("kind", r.kind == IdentityKind::Mmsi ? "MMSI" : "ATIS")
            .Field("held", IdentityText(r.kind, r.held))
            .Field("written", IdentityText(r.kind, r.written))
            .Field("clears", r.written.empty())
            .End();
    }
    json.End(']');
}

// Opens the change; the page gets what the first step found: its outcome, the identities the
// change would replace and the MMSI the radio holds. A failed first step holds nothing.
const char* OpenForPage(ops::RadioChange change, int kind)
{
    Preparation().reset();
    Run run;
    auto pending = std::make_unique<Pending>();
    pending->record = change.IsRecord();
    ops::BackupPlan plan = PagePlan(*pending, kind);
    pending->open.emplace(ops::Open(run.ctx, std::move(change), std::move(plan)));
    const ops::ChangeOutcome& found = pending->open->Found();
    JsonText json = Outcome(found.code, found.reason);
    if (!found.backup.problem.empty()) json.Field("problem", found.backup.problem);
    ReplacedList(json, found.replaced);
    json.Field("mmsi", found.backup.radio.mmsi);
    if (found.Ok() && found.complete) Preparation() = std::move(pending);
    return Reply(json.End());
}

}  // namespace

}  // namespace qx::web

using namespace qx;
using namespace qx::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE void qx_use_virtual(int on)
{
    Link().useVirtual = on != 0;
    Link().Stack().Adaptor().CloseAll();
}

// Looks for the granted adaptor (or the virtual radio) and opens it.
EMSCRIPTEN_KEEPALIVE const char* qx_discover()
{
    RadioStack& stack = Link().Stack();
    const bool found = stack.Adaptor().Discover();
    JsonText json;
    json.Begin().Field("found", found).Field("virtual", Link().useVirtual);
    json.Field("adaptors", CountAdaptors(stack.Adaptor().LastDiscovery().candidates));
    json.Field("permissionDenied", stack.PermissionDenied());
    if (stack.PermissionDenied()) json.Field("hint", kPermissionDeniedHint);
    json.Field("reason", stack.AdaptorError());
    return Reply(json.End());
}

EMSCRIPTEN_KEEPALIVE int qx_present() { return Link().Stack().Adaptor().IsPresent() ? 1 : 0; }

// From the page's Stop, while an operation waits for the radio.
EMSCRIPTEN_KEEPALIVE void qx_stop() { Link().Stack().StopEvent().Set(); }

EMSCRIPTEN_KEEPALIVE const char* qx_handshake()
{
    Run run;
    return Reply(Outcome(ops::HandShake(run.ctx)).End());
}

EMSCRIPTEN_KEEPALIVE const char* qx_read()
{
    Run run;
    const ops::ReadOutcome read = ops::Read(run.ctx);
    JsonText json = Outcome(read);
    if (read.Ok()) {
        Document().TakeRead(read.record);
        json.Field("problem", read.fileCheckProblem);
    }
    return Reply(json.End());
}

// The first step of a write: the clone range the record replaces (or the whole EEPROM) read,
// and the radio held until qx_finish or qx_drop.
EMSCRIPTEN_KEEPALIVE const char* qx_prepare_write(int backupKind)
{
    Document().editor.CommitEdits();  // what is written is what the controls show
    return OpenForPage(ops::RadioChange::Record(Document().Record(), Link().Stack().AdjustMode()), backupKind);
}

// The first step of a restore: a backup's bytes back where they came from. A whole backup
// (8192 bytes) starts at address 0, a clone range backup (1536) at the clone range; anything
// else is no backup of this radio.
EMSCRIPTEN_KEEPALIVE const char* qx_prepare_restore(const uint8_t* bytes, int length)
{
    // Exactly one of a backup's two sizes, as every restore takes them.
    const int first = length == kEepromSize || length == kCloneRangeBackupBytes
                          ? BackupFirstAddress(static_cast<std::uintmax_t>(length))
                          : -1;
    if (first < 0) {
        Preparation().reset();
        JsonText json = Outcome(kResultUnknownFormat, {});
        ReplacedList(json, {});
        return Reply(json.End());
    }
    const std::size_t size = first == 0 ? kEepromSize : kCloneRangeBackupBytes;
    return OpenForPage(ops::RadioChange::Bytes(first, std::vector<uint8_t>(bytes, bytes + size)), kBackupWritten);
}

// The second step, with the user's answer to the identity question (1: replace it). The
// backup is kept first; nothing is kept or sent without a complete first step.
EMSCRIPTEN_KEEPALIVE const char* qx_finish(int replace)
{
    const std::unique_ptr<Pending> pending = std::move(Preparation());
    if (!pending || !pending->open) return Reply(Outcome(kResultParameterError, {}).End());
    Run run(false);
    const ops::ChangeOutcome done = ops::Pass(run.ctx, std::move(*pending->open),
                                              replace != 0 ? ops::Consent::Replace() : ops::Consent::Keep());
    // What a Write put on the radio, for the sheet's "Written and verified" once a Verify finds it.
    VerifiedWrite() = {};
    if (pending->record && done.Ok()) VerifiedWrite().sent = EncodedCloneRange(Document().Record());
    JsonText json = Outcome(done.code, done.reason);
    json.Field("sent", done.sent).Field("refused", done.refused).Field("backup", pending->backupName);
    if (!done.backup.problem.empty()) json.Field("problem", done.backup.problem);
    return Reply(json.End());
}

// The user declined: the change goes, with nothing kept and nothing sent.
EMSCRIPTEN_KEEPALIVE void qx_drop() { Preparation().reset(); }

EMSCRIPTEN_KEEPALIVE const char* qx_verify()
{
    Run run;
    ops::VerifyRequest request;
    Document().editor.CommitEdits();
    request.record = Document().Record();
    request.time = SystemLocalTime();
    // The record's own model decides how the radio's channels compare.
    run.options.modelType = request.record.modelType;
    const ops::VerifyOutcome verified = ops::Verify(run.ctx, request);
    JsonText json = Outcome(verified);
    if (verified.Ok()) json.Field("report", verified.reportText).Field("same", verified.comparison == 0);
    if (verified.Ok() && verified.comparison == 0 && !VerifiedWrite().sent.empty() &&
        VerifiedWrite().sent == EncodedCloneRange(request.record))
        VerifiedWrite().verified = request.time;
    return Reply(json.End());
}

EMSCRIPTEN_KEEPALIVE const uint8_t* qx_bytes() { return Bytes().data(); }
EMSCRIPTEN_KEEPALIVE int qx_bytes_length() { return static_cast<int>(Bytes().size()); }

// The virtual radio's EEPROM, for a look at what a write left there.
EMSCRIPTEN_KEEPALIVE void qx_virtual_eeprom()
{
    const EepromBytes contents = Link().virtualRadio.Contents();
    Bytes().assign(contents.begin(), contents.end());
}

EMSCRIPTEN_KEEPALIVE const char* qx_describe(unsigned code) { return Reply(DescribeResult(code)); }

}  // extern "C"
