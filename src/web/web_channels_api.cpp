// The channel list the page shows, and the private channels under the editor's rules: Add after
// the selected line, Edit in place, Remove closing the gap, each one undoable step.
#include "channels/channel_csv.h"
#include "model/channel_plan.h"
#include "model/model_variant.h"
#include "web/bridge_reply.h"
#include "web/web_document.h"

namespace qx::web {
namespace {

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

// The WX and private groups follow the model, as the window shows them.
bool Shown(const RadioSettings& record, const Band& band)
{
    if (band.group == kGroupWx) return VariantOf(record).weather;
    if (band.group == kGroupPrivate) return VariantOf(record).privateChannels;
    return record.*band.enabled != 0;
}

const char* Refusal(const EditRefusal& refusal)
{
    // The message with "%1", then a line with its argument, for the page to translate.
    return Reply(refusal ? refusal.text + (refusal.arg.empty() ? "" : "\n" + refusal.arg) : std::string());
}

PrivateChannelFields Fields(const char* name, int usageCode, const char* tx, int duplex)
{
    return {name, usageCode, tx, duplex != 0};
}

}  // namespace

void ChannelBands(JsonText& json, const RadioSettings& record)
{
    json.Key("groups").Begin();
    for (const Band& band : kBands) json.Field(band.name, Shown(record, band));
    json.End().Key("bands").Begin('[');
    for (const Band& band : kBands) {
        if (!Shown(record, band)) continue;
        json.Begin().Field("name", band.name).Key("lines").Begin('[');
        if (band.group == kGroupPrivate) {
            for (int p = 0; p < PrivateListLength(record); ++p)
                json.Text(FormatPrivateLine(record.channels[kPrivateBlock + p]));
        } else {
            for (const ChannelPlanRow& row : PlanRows(band.group, kChannelListMaxRows)) json.Text(FormatPlanLine(row));
        }
        json.End(']').End();
    }
    json.End(']');
}

}  // namespace qx::web

using namespace qx;
using namespace qx::web;

extern "C" {

// The usage names a private channel may carry, from the first usage code on.
QX_EXPORT const char* qx_private_usages()
{
    JsonText json;
    json.Begin().Field("first", kFirstPrivateUsageCode).Field("nameChars", kPrivateNameChars);
    json.Field("digits", kPrivateNameDigits).Key("names").Begin('[');
    for (int code = kFirstPrivateUsageCode; code <= kLastPrivateUsageCode; ++code) json.Text(UsageName(code));
    return Reply(json.End(']').End().Str());
}

QX_EXPORT const char* qx_private_entry(int position)
{
    const RadioSettings& record = Document().Record();
    JsonText json;
    if (position < 0 || position >= PrivateListLength(record)) return Reply("{}");
    const ChannelEntry& entry = record.channels[kPrivateBlock + position];
    json.Begin()
        .Field("name", ChannelName(entry))
        .Field("usageCode", static_cast<int>(entry.usageCode))
        .Field("tx", entry.txMHz)
        .Field("rx", entry.rxMHz)
        .Field("duplex", entry.rxMHz - entry.txMHz > 0.00001 || entry.txMHz - entry.rxMHz > 0.00001);
    return Reply(json.End().Str());
}

// A new channel after the selected line (at the end without one): "" or the refusal.
QX_EXPORT const char* qx_private_add(int selected, const char* name, int usageCode, const char* tx, int duplex)
{
    return Refusal(Document().editor.AddPrivateChannel(selected, Fields(name, usageCode, tx, duplex)));
}

QX_EXPORT const char* qx_private_edit(int position, const char* name, int usageCode, const char* tx, int duplex)
{
    return Refusal(Document().editor.EditPrivateChannel(position, Fields(name, usageCode, tx, duplex)));
}

QX_EXPORT const char* qx_private_remove(int position)
{
    return Refusal(Document().editor.RemovePrivateChannel(position));
}

QX_EXPORT const char* qx_csv_export() { return Reply(ExportChannelsCsv(Document().Record())); }

// Replaces the private channels by a CSV file's bytes, as `qx720 channels import` takes the
// file: {"ok", "count", "problems" (the first 20), "more", "shared"}.
QX_EXPORT const char* qx_csv_import(const uint8_t* bytes, int length)
{
    constexpr std::size_t kProblemsShown = 20;
    const CsvFileImport outcome = Document().editor.ImportCsv(
        std::string_view(reinterpret_cast<const char*>(bytes), length > 0 ? static_cast<std::size_t>(length) : 0));
    JsonText json;
    json.Begin().Field("ok", outcome.imported).Field("count", PrivateListLength(Document().Record()));
    json.Key("problems").Begin('[');
    for (std::size_t i = 0; i < outcome.problems.size() && i < kProblemsShown; ++i) json.Text(outcome.problems[i]);
    const std::size_t more = outcome.problems.size() > kProblemsShown ? outcome.problems.size() - kProblemsShown : 0;
    json.End(']').Field("more", static_cast<int>(more)).Key("shared").Begin('[');
    for (const SharedName& shared : outcome.sharedNames) json.Text(SharedNameText(shared));
    return Reply(json.End(']').End().Str());
}

}  // extern "C"
