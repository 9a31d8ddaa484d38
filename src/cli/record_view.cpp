#include "cli/record_view.h"

#include <cmath>

#include <charconv>
#include <cstdio>

#include "channels/channel_csv.h"
#include "model/channel_plan.h"
#include "model/checksum.h"

namespace qx::cli {

namespace {

struct GroupField {
    const char* key;
    int32_t RadioSettings::*field;
};

constexpr GroupField kGroups[] = {
    {"USA", &RadioSettings::usaEnabled},     {"USANAR", &RadioSettings::usaNarrowEnabled},
    {"INT", &RadioSettings::intEnabled},     {"INTNAR", &RadioSettings::intNarrowEnabled},
    {"CAN", &RadioSettings::canEnabled},     {"CANNAR", &RadioSettings::canNarrowEnabled},
    {"PRI", &RadioSettings::privateEnabled}, {"WX", &RadioSettings::wxEnabled},
};

struct FlagField {
    const char* key;
    int32_t ChannelEntry::*field;
};

constexpr FlagField kChannelFlags[] = {
    {"lowPowerOnly", &ChannelEntry::lowPowerOnly}, {"rxOnly", &ChannelEntry::rxOnly},
    {"oneWattAtis", &ChannelEntry::oneWattAtis},   {"rxAtis", &ChannelEntry::rxAtis},
    {"pttHigh", &ChannelEntry::pttHigh},
};

const char* StepName(int32_t step)
{
    switch (step) {
    case 1: return "12.5KHz";
    case 2: return "25KHz";
    default: return "6.25KHz";
    }
}

// The shortest text that reads back as the same double: two files differ exactly when
// their texts do.
std::string ExactNumber(double value)
{
    char text[64];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string("?");
}

std::string ValueText(const Json& value)
{
    if (value.is_null()) return "-";
    if (value.is_string()) return "\"" + value.get<std::string>() + "\"";
    if (value.is_number_float()) return ExactNumber(value.get<double>());
    return value.dump();
}

void Add(std::vector<FieldDifference>& out, const std::string& field, const Json& a, const Json& b)
{
    if (a != b) out.push_back({field, a, b});
}

}  // namespace

std::string RecordText(const RadioSettings& record)
{
    std::string text;
    char line[256];
    std::snprintf(line, sizeof line, "Model type:  %d (%s)\n", record.modelType,
                  IsEuropeModel(record) ? "Europe" : "USA");
    text += line;
    text += "Brand name:  " + FieldText(record.brandName) + "\n";
    text += "Model name:  " + FieldText(record.modelName) + "\n";
    text += "MMSI:        " + MmsiText(record) + (record.mmsiByUser ? " (entry by user)" : "") + "\n";
    text += "ATIS ID:     " + AtisText(record) + (record.atisByUser ? " (entry by user)" : "") + "\n";
    text += "Groups:     ";
    for (const GroupField& g : kGroups) {
        std::snprintf(line, sizeof line, " %s=%d", g.key, record.*g.field);
        text += line;
    }
    text += "\n";
    std::snprintf(line, sizeof line, "PLL steps:   TX %s (%d), RX %s (%d)\n", StepName(record.txStep), record.txStep,
                  StepName(record.rxStep), record.rxStep);
    text += line;
    text += ChecksumText(SettingsChecksum(record)) + "\n";
    const int count = PrivateListLength(record);
    std::snprintf(line, sizeof line, "Private channels: %d\n", count);
    text += line;
    for (int i = 0; i < count; ++i) text += FormatPrivateLine(record.channels[kPrivateBlock + i]) + "\n";
    return text;
}

Json RecordJson(const RadioSettings& record)
{
    Json groups = Json::object();
    for (const GroupField& g : kGroups) groups[g.key] = record.*g.field;

    Json channels = Json::array();
    const int count = PrivateListLength(record);
    for (int i = 0; i < count; ++i) {
        const ChannelEntry& e = record.channels[kPrivateBlock + i];
        Json c = {
            {"name", ChannelName(e)},    {"usageCode", static_cast<int>(e.usageCode)},
            {"usageText", UsageText(e)}, {"txMHz", e.txMHz},
            {"rxMHz", e.rxMHz},
        };
        for (const FlagField& f : kChannelFlags) c[f.key] = e.*f.field;
        channels.push_back(std::move(c));
    }

    return {
        {"modelType", record.modelType},
        {"atisByUser", record.atisByUser},
        {"atisText", AtisText(record)},
        {"mmsiByUser", record.mmsiByUser},
        {"mmsiText", MmsiText(record)},
        {"txStep", record.txStep},
        {"rxStep", record.rxStep},
        {"groups", groups},
        {"brandName", FieldText(record.brandName)},
        {"modelName", FieldText(record.modelName)},
        {"checksum", ChecksumHex(SettingsChecksum(record))},
        {"private", channels},
    };
}

namespace {

// A frequency at the radio's own resolution (10 Hz, 5 decimals in MHz): float noise from
// arithmetic is no difference, and prints as the frequency it is.
Json RadioMHz(double mhz) { return Json(std::round(mhz * 1e5) / 1e5); }

}  // namespace

std::vector<FieldDifference> DiffRecords(const RadioSettings& a, const RadioSettings& b)
{
    std::vector<FieldDifference> out;
    auto number = [](int32_t v) { return Json(v); };
    auto text = [](const std::string& v) { return Json(v); };
    Add(out, "modelType", number(a.modelType), number(b.modelType));
    Add(out, "atisByUser", number(a.atisByUser), number(b.atisByUser));
    Add(out, "atisText", text(AtisText(a)), text(AtisText(b)));
    Add(out, "mmsiByUser", number(a.mmsiByUser), number(b.mmsiByUser));
    Add(out, "mmsiText", text(MmsiText(a)), text(MmsiText(b)));
    for (const GroupField& g : kGroups)
        Add(out, std::string("groups.") + g.key, number(a.*g.field), number(b.*g.field));
    Add(out, "txStep", number(a.txStep), number(b.txStep));
    Add(out, "rxStep", number(a.rxStep), number(b.rxStep));
    Add(out, "brandName", text(FieldText(a.brandName)), text(FieldText(b.brandName)));
    Add(out, "modelName", text(FieldText(a.modelName)), text(FieldText(b.modelName)));

    const int countA = PrivateListLength(a);
    const int countB = PrivateListLength(b);
    for (int i = 0; i < std::max(countA, countB); ++i) {
        const ChannelEntry& ea = a.channels[kPrivateBlock + i];
        const ChannelEntry& eb = b.channels[kPrivateBlock + i];
        const std::string prefix = "private[" + std::to_string(i) + "]";
        if (i >= countA || i >= countB) {
            out.push_back(
                {prefix, i < countA ? Json(ChannelName(ea)) : Json(), i < countB ? Json(ChannelName(eb)) : Json()});
            continue;
        }
        Add(out, prefix + ".name", text(ChannelName(ea)), text(ChannelName(eb)));
        Add(out, prefix + ".usageCode", Json(static_cast<int>(ea.usageCode)), Json(static_cast<int>(eb.usageCode)));
        Add(out, prefix + ".usageText", text(UsageText(ea)), text(UsageText(eb)));
        Add(out, prefix + ".txMHz", RadioMHz(ea.txMHz), RadioMHz(eb.txMHz));
        Add(out, prefix + ".rxMHz", RadioMHz(ea.rxMHz), RadioMHz(eb.rxMHz));
        for (const FlagField& f : kChannelFlags)
            Add(out, prefix + "." + f.key, number(ea.*f.field), number(eb.*f.field));
    }
    return out;
}

std::string DifferenceLine(const FieldDifference& d)
{
    return d.field + ": " + ValueText(d.a) + " -> " + ValueText(d.b);
}

}  // namespace qx::cli
