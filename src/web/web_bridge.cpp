// The page's one interface to the core: the document it edits, the radio it talks to (the
// clone adaptor through WebHID, or the virtual radio compiled in), and the clone operations.
// Every answer is JSON text the page parses; the radio calls are awaited by the page.
#include <emscripten.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "backends/radio_stack.h"
#include "backups/backup_store.h"
#include "identity/radio_identity.h"
#include "model/radio_image.h"
#include "operations/radio_operations.h"
#include "result/clone_result.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"
#include "web/bridge_reply.h"
#include "web/json_text.h"
#include "web/web_document.h"

namespace qx::web {

EM_JS(void, qx_page_progress, (int position, int maximum), {
    if (Module.onProgress) Module.onProgress(position, maximum);
});
EM_JS(void, qx_page_stage, (const char* name, int blocks), {
    if (Module.onStage) Module.onStage(UTF8ToString(name), blocks);
});

namespace {

// The restore's backup goes through a folder of the module's in-memory file system: the bytes
// are taken from there into the browser's storage, and the file is removed.
const char kScratchBackups[] = "/tmp/backups";

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

// The bytes a call hands back (a backup), kept until the next such call.
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
// progress bar. A new operation starts with no stop request.
struct Run {
    ModelConfig options = Document().Config();
    OperationContext ctx{.env = Link().Stack().Environment(),
                         .options = &options,
                         .progress = &Link().progress,
                         .stage = [](const char* name, int steps) { qx_page_stage(name, steps); }};

    Run() { Link().Stack().StopEvent().Reset(); }
};

// The first step of a write or a restore, until its second step or the next first step.
struct Pending {
    bool restore = false;
    ops::WriteRequest request;
    ops::WritePreparation prepared;
    std::vector<uint8_t> dump;
};
std::unique_ptr<Pending>& Preparation()
{
    static std::unique_ptr<Pending> pending;
    return pending;
}

// What the first step found: its outcome, the identities a write would replace, and the
// backup's bytes at qx_bytes() for the page to store before the second step.
const char* Prepared(const Pending& pending)
{
    JsonText json = Outcome(pending.prepared);
    if (!pending.prepared.backup.problem.empty()) json.Field("problem", pending.prepared.backup.problem);
    json.Key("replaced").Begin('[');
    for (const IdentityReplacement& r : pending.prepared.replaced) {
        json.Begin()
            .Field("kind", r.kind == IdentityKind::Mmsi ? "MMSI" : "ATIS")
            .Field("held", IdentityText(r.kind, r.held))
            .Field("written", IdentityText(r.kind, r.written))
            .End();
    }
    json.End(']');
    json.Field("mmsi", pending.prepared.backup.radio.mmsi);
    Bytes() = pending.prepared.backup.eeprom;
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
        Document().ReplaceWithRead(read.record);
        json.Field("problem", read.fileCheckProblem);
    }
    return Reply(json.End());
}

// The first step of a write: the radio's whole EEPROM (kept here, not in a file: the page
// stores it), and what the write would replace.
EMSCRIPTEN_KEEPALIVE const char* qx_prepare_write()
{
    Run run;
    auto pending = std::make_unique<Pending>();
    pending->request.record = Document().Record();
    pending->request.adjustMode = Link().Stack().AdjustMode();
    pending->request.time = SystemLocalTime();
    pending->prepared = ops::PrepareWrite(run.ctx, pending->request);
    Preparation() = std::move(pending);
    return Prepared(*Preparation());
}

// The first step of a restore: the radio backed up as before every write.
EMSCRIPTEN_KEEPALIVE const char* qx_prepare_restore(const uint8_t* bytes, int length)
{
    Run run;
    auto pending = std::make_unique<Pending>();
    pending->restore = true;
    if (length < kEepromSize) {
        pending->prepared.code = kResultUnknownFormat;
    } else {
        pending->dump.assign(bytes, bytes + kEepromSize);
        pending->prepared = ops::PrepareRestore(run.ctx, pending->dump, kScratchBackups, SystemLocalTime());
        if (!pending->prepared.backup.path.empty()) std::remove(pending->prepared.backup.path.c_str());
    }
    Preparation() = std::move(pending);
    return Prepared(*Preparation());
}

// The second step of a write or a restore: only after a complete first one.
EMSCRIPTEN_KEEPALIVE const char* qx_finish()
{
    const std::unique_ptr<Pending> pending = std::move(Preparation());
    if (!pending) return Reply(Outcome(kResultParameterError, {}).End());
    Run run;
    const ops::WriteOutcome written = pending->restore ? ops::FinishRestore(run.ctx, pending->dump, pending->prepared)
                                                       : ops::FinishWrite(run.ctx, pending->request, pending->prepared);
    return Reply(Outcome(written).Field("sent", written.sent).End());
}

EMSCRIPTEN_KEEPALIVE const char* qx_verify()
{
    Run run;
    ops::VerifyRequest request;
    request.record = Document().Record();
    request.time = SystemLocalTime();
    // The record's own model decides how the radio's channels compare.
    run.options.modelType = request.record.modelType;
    const ops::VerifyOutcome verified = ops::Verify(run.ctx, request);
    JsonText json = Outcome(verified);
    if (verified.Ok()) json.Field("report", verified.reportText).Field("same", verified.comparison == 0);
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
