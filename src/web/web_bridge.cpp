// The page's one interface to the core: the document it edits, the radio it talks to (the
// clone adaptor through WebHID, or the virtual radio compiled in), and the clone operations.
// Every answer is JSON text the page parses; the radio calls are awaited by the page.
#include <emscripten.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "backends/webhid/webhid_backend.h"
#include "backups/backup_store.h"
#include "clone/eeprom_transfer.h"
#include "clone/hid_adaptor.h"
#include "clone/pc_clone.h"
#include "files/clone_file.h"
#include "identity/maritime_identity.h"
#include "identity/radio_identity.h"
#include "model/channel_plan.h"
#include "model/checksum.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "reports/freq_table.h"
#include "reports/verify_report.h"
#include "result/clone_result.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"
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

// The blocks of the clone span, as the progress bar counts them.
constexpr int kCloneSteps = 77;

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

// The radio the page talks to, and what every clone run shares.
struct RadioLink {
    WebHidBackend webhid;
    VirtualRadio virtualRadio;
    VirtualHidBackend virtualBackend{virtualRadio};
    CHidAdaptor usb{webhid};
    CHidAdaptor simulated{virtualBackend};
    ManualResetEvent stop;
    std::unique_ptr<RadioImage> writeImage = std::make_unique<RadioImage>();
    std::unique_ptr<RadioImage> readImage = std::make_unique<RadioImage>();
    int32_t adjustMode = 0;
    bool useVirtual = false;
    PageProgress progress;

    RadioLink()
    {
        // The virtual radio starts as a radio fresh from the factory would: the USA defaults.
        RadioSettings defaults{};
        ResetSettings(defaults, 0);
        auto image = std::make_unique<RadioImage>();
        EncodeSettings(defaults, 0, *image);
        EepromBytes contents{};
        std::memcpy(contents.data(), image->data(), contents.size());
        virtualRadio.SetContents(contents);
    }
    CHidAdaptor& Adaptor() { return useVirtual ? simulated : usb; }
    CloneEnvironment Environment() { return CloneEnvironment{Adaptor(), stop, *writeImage, *readImage, adjustMode}; }
};

RadioLink& Link()
{
    static RadioLink link;
    return link;
}

std::string& Answer()
{
    static std::string answer;
    return answer;
}

const char* Reply(const JsonText& json)
{
    Answer() = json.Str();
    return Answer().c_str();
}

// The bytes a call hands back (a saved file, a backup), kept until the next such call.
std::vector<uint8_t>& Bytes()
{
    static std::vector<uint8_t> bytes;
    return bytes;
}

JsonText Outcome(CloneResult code)
{
    JsonText json;
    json.Begin().Field("code", code).Field("message", code == kResultOk ? std::string() : DescribeResult(code));
    const std::string reason = Link().Adaptor().LastError();
    if (code != kResultOk && !reason.empty()) json.Field("reason", reason);
    return json;
}

void Bind(CPcClone& clone, RadioSettings& record, ModelConfig& config)
{
    clone.settings = &record;
    clone.options = &config;
    clone.progress = &Link().progress;
}

// The radio's whole EEPROM, kept for the page to store before anything is written.
struct Prepared {
    bool done = false;
    std::vector<uint8_t> eeprom;
    RadioIdentities radio;
};
Prepared& Preparation()
{
    static Prepared prepared;
    return prepared;
}

}  // namespace

}  // namespace qx::web

using namespace qx;
using namespace qx::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE void qx_use_virtual(int on)
{
    Link().useVirtual = on != 0;
    Link().Adaptor().CloseAll();
}

// Looks for the granted adaptor (or the virtual radio) and opens it.
EMSCRIPTEN_KEEPALIVE const char* qx_discover()
{
    CHidAdaptor& adaptor = Link().Adaptor();
    const bool found = adaptor.Discover();
    JsonText json;
    json.Begin().Field("found", found).Field("virtual", Link().useVirtual);
    json.Field("adaptors", CountAdaptors(adaptor.LastDiscovery().candidates));
    json.Field("permissionDenied", adaptor.PermissionDenied());
    if (adaptor.PermissionDenied()) json.Field("hint", kPermissionDeniedHint);
    json.Field("reason", adaptor.LastError());
    return Reply(json.End());
}

EMSCRIPTEN_KEEPALIVE int qx_present() { return Link().Adaptor().IsPresent() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void qx_stop() { Link().stop.Set(); }

EMSCRIPTEN_KEEPALIVE const char* qx_handshake()
{
    Link().stop.Reset();
    CloneEnvironment env = Link().Environment();
    CPcClone clone(env);
    return Reply(Outcome(clone.HandShake()).End());
}

EMSCRIPTEN_KEEPALIVE const char* qx_read()
{
    Link().stop.Reset();
    WebDocument& doc = Document();
    RadioSettings scratch{};
    ModelConfig config = doc.Config();
    CloneEnvironment env = Link().Environment();
    CPcClone clone(env);
    Bind(clone, scratch, config);
    qx_page_stage("Reading", kCloneSteps);
    const CloneResult code = clone.ReadRadio();
    JsonText json = Outcome(code);
    if (code == kResultOk) {
        doc.ReplaceWithRead(scratch);
        json.Field("problem", CloneRecordProblem(scratch));
    }
    return Reply(json.End());
}

// The first step of a write: the radio's whole EEPROM, and what the write would replace.
EMSCRIPTEN_KEEPALIVE const char* qx_prepare_write()
{
    Link().stop.Reset();
    Prepared& prepared = Preparation();
    prepared = Prepared{};
    ModelConfig config = Document().Config();
    CloneEnvironment env = Link().Environment();
    std::vector<uint8_t> eeprom;
    qx_page_stage("Backing up", kEepromTransferBlocks);
    const CloneResult code = ReadEeprom(EepromTransfer{env, &config, &Link().progress, {}}, eeprom);
    JsonText json = Outcome(code);
    if (code == kResultOk) {
        prepared.done = true;
        prepared.eeprom = eeprom;
        prepared.radio = ImageIdentities(eeprom);
        Bytes() = eeprom;
        json.Key("replaced").Begin('[');
        for (const IdentityReplacement& r :
             ReplacedIdentities(prepared.radio, WrittenIdentities(Document().Record()))) {
            json.Begin()
                .Field("kind", r.kind == IdentityKind::Mmsi ? "MMSI" : "ATIS")
                .Field("held", IdentityText(r.kind, r.held))
                .Field("written", IdentityText(r.kind, r.written))
                .End();
        }
        json.End(']');
        json.Field("mmsi", DumpMmsi(eeprom));
    }
    return Reply(json.End());
}

// The second step: only after a complete first one.
EMSCRIPTEN_KEEPALIVE const char* qx_finish_write()
{
    if (!Preparation().done) return Reply(Outcome(kResultParameterError).End());
    Preparation().done = false;
    Link().stop.Reset();
    RadioSettings record = Document().Record();
    ModelConfig config = Document().Config();
    CloneEnvironment env = Link().Environment();
    CPcClone clone(env);
    Bind(clone, record, config);
    qx_page_stage("Writing", kCloneSteps);
    return Reply(Outcome(clone.WriteRadio()).End());
}

EMSCRIPTEN_KEEPALIVE const char* qx_verify()
{
    Link().stop.Reset();
    const RadioSettings& pc = Document().Record();
    RadioSettings radio{};
    ModelConfig config = Document().Config();
    config.modelType = pc.modelType;
    CloneEnvironment env = Link().Environment();
    CPcClone clone(env);
    Bind(clone, radio, config);
    qx_page_stage("Verifying", kCloneSteps);
    const CloneResult code = clone.ReadRadio();
    JsonText json = Outcome(code);
    if (code == kResultOk) {
        const bool europe = IsEuropeModel(pc);
        int flags = 0;
        json.Field("report", VerifyReportText(AsTheRadioHoldsIt(pc, europe), radio, europe, SystemLocalTime(), &flags));
        json.Field("same", flags == 0);
    }
    return Reply(json.End());
}

// Puts a whole-EEPROM backup back into the radio.
EMSCRIPTEN_KEEPALIVE const char* qx_restore(const uint8_t* bytes, int length)
{
    Link().stop.Reset();
    if (length < kEepromSize) return Reply(Outcome(kResultUnknownFormat).End());
    const std::vector<uint8_t> eeprom(bytes, bytes + kEepromSize);
    ModelConfig config = Document().Config();
    CloneEnvironment env = Link().Environment();
    qx_page_stage("Restoring", kEepromTransferBlocks);
    return Reply(Outcome(WriteEeprom(EepromTransfer{env, &config, &Link().progress, {}}, eeprom)).End());
}

EMSCRIPTEN_KEEPALIVE const uint8_t* qx_bytes() { return Bytes().data(); }
EMSCRIPTEN_KEEPALIVE int qx_bytes_length() { return static_cast<int>(Bytes().size()); }

// The virtual radio's EEPROM, for a look at what a write left there.
EMSCRIPTEN_KEEPALIVE void qx_virtual_eeprom()
{
    const EepromBytes contents = Link().virtualRadio.Contents();
    Bytes().assign(contents.begin(), contents.end());
}

EMSCRIPTEN_KEEPALIVE const char* qx_describe(unsigned code)
{
    Answer() = DescribeResult(code);
    return Answer().c_str();
}

}  // extern "C"
