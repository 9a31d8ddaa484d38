#include "cli/identity_commands.h"

#include <ostream>

#include "cli/record_view.h"
#include "identity/maritime_identity.h"

namespace qx::cli {

namespace {

Json Nullable(bool present, const Json& value) { return present ? value : Json(nullptr); }

// ", MID 235, United Kingdom..." or ", MID 200 (not allocated)"; empty without a MID.
std::string MidText(int mid, bool allocated, const std::string& administration)
{
    if (mid < 0) return {};
    return ", " + MidLabel(mid) + (allocated ? ", " + administration : " (not allocated)");
}

int Status(bool radioAccepts, bool fits)
{
    if (!radioAccepts) return kExitUsage;
    return fits ? kExitOk : kExitFailed;
}

void PrintWarnings(std::ostream& out, const std::vector<std::string>& warnings)
{
    for (const std::string& warning : warnings) out << "warning: " << warning << "\n";
}

// What the MMSI and ATIS ID reports share, after their own first fields.
template <class Info>
void AddMidFields(Json& out, const Info& info)
{
    out["mid"] = Nullable(info.mid >= 0, info.mid);
    out["administration"] = Nullable(info.allocated, info.administration);
    out["allocated"] = info.allocated;
    out["radioAccepts"] = info.radioAccepts;
    out["warnings"] = info.warnings;
}

std::string Dump(const Json& json) { return json.dump(2, ' ', false, Json::error_handler_t::replace); }

}  // namespace

int CmdMmsi(Context& ctx, const std::string& number, bool json)
{
    const MmsiInfo info = ClassifyMmsi(number);
    if (json) {
        Json out = {{"mmsi", info.mmsi}, {"kind", MmsiKindName(info.kind)}};
        AddMidFields(out, info);
        ctx.out << Dump(out) << "\n";
    } else {
        ctx.out << info.mmsi << ": " << MmsiKindText(info.kind)
                << MidText(info.mid, info.allocated, info.administration) << "\n";
        PrintWarnings(ctx.out, info.warnings);
    }
    return Status(info.radioAccepts, info.Fits());
}

int CmdAtis(Context& ctx, const std::string& number, bool json)
{
    const AtisInfo info = ClassifyAtis(number);
    if (json) {
        Json out = {{"atis", Nullable(!info.atis.empty(), info.atis)}};
        AddMidFields(out, info);
        ctx.out << Dump(out) << "\n";
    } else {
        ctx.out << (info.atis.empty() ? number + ": not an ATIS ID" : info.atis + ": ATIS ID")
                << MidText(info.mid, info.allocated, info.administration) << "\n";
        PrintWarnings(ctx.out, info.warnings);
    }
    return Status(info.radioAccepts, info.Fits());
}

void PrintIdentityWarnings(Context& ctx, const RadioSettings& record)
{
    if (record.mmsiByUser == 0) {
        const std::string mmsi = MmsiText(record);
        if (!mmsi.empty())
            for (const std::string& warning : ClassifyMmsi(mmsi).warnings)
                ctx.err << "warning: MMSI " << mmsi << ": " << warning << "\n";
    }
    if (record.atisByUser == 0) {
        const std::string atis = AtisText(record);
        if (!atis.empty())
            for (const std::string& warning : ClassifyAtis(atis).warnings)
                ctx.err << "warning: ATIS ID 9" << atis << ": " << warning << "\n";
    }
}

}  // namespace qx::cli
