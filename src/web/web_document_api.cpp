// The page's calls on its document: what it shows, the edits of its controls, undo and redo,
// clone files, channel CSV and the frequency table.
#include <emscripten.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "channels/channel_csv.h"
#include "files/clone_file.h"
#include "identity/maritime_identity.h"
#include "model/channel_plan.h"
#include "model/checksum.h"
#include "model/identity.h"
#include "model/private_sets.h"
#include "reports/freq_table.h"
#include "web/bridge_reply.h"
#include "web/json_text.h"
#include "web/web_document.h"

namespace qx::web {
namespace {

std::vector<uint8_t>& FileBytes()
{
    static std::vector<uint8_t> bytes;
    return bytes;
}

// The core reads and writes clone files by path: the page's bytes pass through the module's
// own in-memory file system.
const char kScratchFile[] = "/tmp/page.dat";

bool WriteScratch(const uint8_t* bytes, int length)
{
    std::ofstream out(kScratchFile, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes), length);
    return static_cast<bool>(out);
}

bool ReadScratch(std::vector<uint8_t>& bytes)
{
    std::ifstream in(kScratchFile, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return static_cast<bool>(in) || in.eof();
}

// Groups in the band list's order, with the record's switch of each.
struct Band {
    const char* name;
    int group;
    int32_t RadioSettings::*enabled;
};
constexpr Band kBands[] = {
    {"INT", kGroupInt, &RadioSettings::intEnabled},
    {"USA", kGroupUsa, &RadioSettings::usaEnabled},
    {"CAN", kGroupCan, &RadioSettings::canEnabled},
    {"INT_Narrow", kGroupIntNarrow, &RadioSettings::intNarrowEnabled},
    {"USA_Narrow", kGroupUsaNarrow, &RadioSettings::usaNarrowEnabled},
    {"CAN_Narrow", kGroupCanNarrow, &RadioSettings::canNarrowEnabled},
    {"WX", kGroupWx, &RadioSettings::wxEnabled},
    {"Private", kGroupPrivate, &RadioSettings::privateEnabled},
};

void ChannelLines(JsonText& json, const RadioSettings& record, int group)
{
    json.Begin('[');
    if (group == kGroupPrivate) {
        // The list ends at the first free entry or the first with a three-character name.
        for (int p = 0; p < kChannelsPerBlock; ++p) {
            const ChannelEntry& entry = record.channels[kPrivateBlock + p];
            if (entry.inUse == 0 || entry.name[2] != '\0') break;
            json.Text(FormatPrivateLine(entry));
        }
    } else {
        for (const ChannelPlanRow& row : PlanRows(group, kChannelListMaxRows)) json.Text(FormatPlanLine(row));
    }
    json.End(']');
}

// The WX and private groups follow the model, as the window shows them.
bool Shown(const RadioSettings& record, const Band& band)
{
    if (band.group == kGroupWx) return record.modelType == 0;
    if (band.group == kGroupPrivate) return record.modelType != 0;
    return record.*band.enabled != 0;
}

int StepShown(int32_t step) { return step >= 0 && step <= 2 ? step : 0; }

std::string ShownIdentity(const std::string& text) { return IsValidId(text) ? text : std::string(); }

// A typed identity: a valid one is stored, an empty field clears it, anything else leaves the
// record as it was (the field keeps the text and Write refuses it).
void StoreIdentity(char* field, const std::string& typed)
{
    if (typed.empty()) {
        std::memset(field, 0, 12);
    } else if (IsValidId(typed)) {
        std::memset(field, 0, 10);
        std::memcpy(field, typed.data(), 9);
    }
}

}  // namespace
}  // namespace qx::web

using namespace qx;
using namespace qx::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* qx_document()
{
    const WebDocument& doc = Document();
    const RadioSettings& r = doc.Record();
    JsonText json;
    json.Begin()
        .Field("name", doc.Name())
        .Field("modified", doc.Modified())
        .Field("untitled", doc.Config().untitled != 0)
        .Field("modelName", FieldText(r.modelName))
        .Field("usaModel", r.modelType == 0)
        .Field("mmsi", ShownIdentity(MmsiText(r)))
        .Field("atis", ShownIdentity(AtisText(r)))
        .Field("mmsiByUser", r.mmsiByUser != 0)
        .Field("atisByUser", r.atisByUser != 0)
        .Field("txStep", StepShown(r.txStep))
        .Field("rxStep", StepShown(r.rxStep))
        .Field("checksum", static_cast<double>(static_cast<uint32_t>(SettingsChecksum(r))))
        .Field("canUndo", doc.CanUndo())
        .Field("canRedo", doc.CanRedo());
    json.Key("groups").Begin();
    for (const Band& band : kBands) json.Field(band.name, Shown(r, band));
    json.End();
    json.Key("bands").Begin('[');
    for (const Band& band : kBands) {
        if (!Shown(r, band)) continue;
        json.Begin().Field("name", band.name).Key("lines");
        ChannelLines(json, r, band.group);
        json.End();
    }
    json.End(']');
    return Reply(json.End().Str());
}

// The controls' state, as the window's gathering stores it: the model decides the WX and
// private groups.
EMSCRIPTEN_KEEPALIVE void qx_set_controls(int usaModel, int groups, int txStep, int rxStep, int mmsiByUser,
                                          int atisByUser, const char* mmsi, const char* atis)
{
    RadioSettings record = Document().Record();
    for (int i = 0; i < 6; ++i) record.*kBands[i].enabled = (groups >> i) & 1;
    record.modelType = usaModel ? 0 : 1;
    record.wxEnabled = usaModel ? 1 : 0;
    record.privateEnabled = usaModel ? 0 : 1;
    record.txStep = txStep;
    record.rxStep = rxStep;
    record.mmsiByUser = mmsiByUser ? 1 : 0;
    record.atisByUser = atisByUser ? 1 : 0;
    StoreIdentity(record.mmsiText, mmsi);
    StoreIdentity(record.atisText, atis);
    // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison): the record's bytes are the file's
    if (std::memcmp(&record, &Document().Record(), sizeof record) != 0) Document().Change(record);
}

EMSCRIPTEN_KEEPALIVE void qx_load_default(int modelType, int setIndex) { Document().LoadDefault(modelType, setIndex); }

// The European private channel sets of Load Default, by index.
EMSCRIPTEN_KEEPALIVE const char* qx_private_sets()
{
    JsonText json;
    json.Begin('[');
    for (int i = 0; i < kPrivateSetCount; ++i) json.Text(PrivateSetName(i));
    return Reply(json.End(']').Str());
}
EMSCRIPTEN_KEEPALIVE int qx_undo() { return Document().Undo() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int qx_redo() { return Document().Redo() ? 1 : 0; }

// The window's check before a write: {} when the typed identities may go to the radio, else
// the message's text with "%1" for the typed number, so that the page can translate it. An
// identity whose "entry by user" box is ticked is not sent at all, whatever its field holds.
EMSCRIPTEN_KEEPALIVE const char* qx_identity_check(int mmsiByUser, int atisByUser, const char* mmsi, const char* atis)
{
    const std::string m = mmsi, a = atis;
    JsonText json;
    json.Begin();
    if (!mmsiByUser && !m.empty() && !IsValidId(m))
        json.Field("text", "Invalid MMIS ID:%1\nMake sure 9 digitals.").Field("value", m);
    else if (!atisByUser && !a.empty() && !IsValidId(a))
        json.Field("text", "Invalid ATIS ID:%1\nMake sure 9 digitals.").Field("value", a);
    return Reply(json.End());
}

// The hint under an identity field: the country, or why the number looks wrong for a handset.
EMSCRIPTEN_KEEPALIVE const char* qx_identity_hint(int atisField, const char* typed)
{
    const std::string digits = typed;
    JsonText json;
    json.Begin();
    if (digits.size() != 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return Reply(json.Field("text", "").End().Str());
    std::string administration;
    std::vector<std::string> warnings;
    if (atisField) {
        const AtisInfo info = ClassifyAtis(digits);
        administration = info.administration;
        warnings = info.warnings;
    } else {
        const MmsiInfo info = ClassifyMmsi(digits);
        administration = info.administration;
        warnings = info.warnings;
    }
    std::string refusal;
    if (digits[0] == '0')
        refusal = atisField
                      ? "an ATIS ID cannot start with 90"
                      : (digits[1] == '0' ? "a coast station's MMSI starts with 00" : "a group's MMSI starts with 0");
    std::string all;
    for (const std::string& w : warnings) all += (all.empty() ? "" : "\n") + w;
    if (!refusal.empty()) {
        const std::string text = "The radio refuses this number: " + refusal + ".";
        json.Field("text", text).Field("refused", true).Field("warning", true).Field("detail", text + "\n" + all);
        json.Field("refusal", refusal);  // for the page's language: "The radio refuses this number: %1."
    } else if (!warnings.empty()) {
        json.Field("text", warnings.front()).Field("warning", true).Field("detail", all);
    } else {
        json.Field("text", administration).Field("warning", false).Field("detail", administration);
    }
    return Reply(json.End().Str());
}

EMSCRIPTEN_KEEPALIVE const char* qx_atis_from_mmsi(const char* mmsi) { return Reply(AtisFromMmsi(mmsi)); }

// Opens a clone file's bytes: the result code (0 when the document now holds it).
EMSCRIPTEN_KEEPALIVE unsigned qx_open_dat(const uint8_t* bytes, int length, const char* name)
{
    if (!WriteScratch(bytes, length)) return kResultOpenFileError;
    RadioSettings record{};
    ModelConfig config = Document().Config();
    const CloneResult code = LoadCloneFile(kScratchFile, record, config);
    std::remove(kScratchFile);
    if (code == kResultOk) Document().ReplaceWithFile(record, name);
    return code;
}

// Why the document may not be saved as a clone file ("" when it may): the check files are
// opened by, so that a saved file always opens.
EMSCRIPTEN_KEEPALIVE const char* qx_save_problem() { return Reply(CloneRecordProblem(Document().Record())); }

// Saves the document as a clone file; the bytes are then at qx_file_bytes().
EMSCRIPTEN_KEEPALIVE unsigned qx_save_dat(const char* name)
{
    if (!CloneRecordProblem(Document().Record()).empty()) return kResultUnknownFormat;
    ModelConfig config = Document().Config();
    CloneResult code = WriteCloneFile(kScratchFile, Document().Record(), config);
    if (code == kResultOk && !ReadScratch(FileBytes())) code = kResultReadFileError;
    std::remove(kScratchFile);
    if (code == kResultOk) Document().MarkSaved(name);
    return code;
}

EMSCRIPTEN_KEEPALIVE const uint8_t* qx_file_bytes() { return FileBytes().data(); }
EMSCRIPTEN_KEEPALIVE int qx_file_length() { return static_cast<int>(FileBytes().size()); }

EMSCRIPTEN_KEEPALIVE const char* qx_freq_table()
{
    return Reply(FreqTableText(Document().Record(), SystemLocalTime()));
}

EMSCRIPTEN_KEEPALIVE const char* qx_csv_export() { return Reply(ExportChannelsCsv(Document().Record())); }

// Replaces the private channels by the CSV's rows: {"ok":..., "problems":[...]}.
EMSCRIPTEN_KEEPALIVE const char* qx_csv_import(const char* csv)
{
    RadioSettings record = Document().Record();
    std::vector<std::string> problems;
    const bool ok = ImportChannelsCsv(csv, record, problems);
    if (ok) {
        const std::string problem = CloneRecordProblem(record);
        if (!problem.empty()) problems.push_back(problem);
    }
    const bool imported = ok && problems.empty();
    if (imported) Document().Change(record);
    JsonText json;
    json.Begin().Field("ok", imported).Key("problems").Begin('[');
    for (const std::string& p : problems) json.Text(p);
    json.End(']');
    return Reply(json.End().Str());
}

}  // extern "C"
