// The commands on clone files, without a radio: defaults, checksum, export, show, plan, diff.
#include "cli/commands.h"

#include <ostream>
#include <vector>

#include "cli/command_support.h"
#include "cli/identity_commands.h"
#include "cli/record_view.h"
#include "editing/document_editor.h"
#include "files/atomic_file.h"
#include "files/clone_file.h"
#include "model/channel_plan.h"
#include "model/checksum.h"
#include "model/private_sets.h"
#include "reports/freq_table.h"

namespace qx::cli {

int PrivateSetFromName(const std::string& name)
{
    static const char* const names[] = {"all",    "uk",      "denmark", "finland", "norway",
                                        "sweden", "holland", "belgium", "none"};
    for (int i = 0; i < 9; ++i)
        if (name == names[i]) return i;
    return -1;
}

int PlanGroupFromName(const std::string& name)
{
    if (name == "int") return kGroupInt;
    if (name == "usa") return kGroupUsa;
    if (name == "can") return kGroupCan;
    if (name == "int-narrow") return kGroupIntNarrow;
    if (name == "usa-narrow") return kGroupUsaNarrow;
    if (name == "can-narrow") return kGroupCanNarrow;
    if (name == "wx") return kGroupWx;
    return -1;
}

int CmdDefaults(Context& ctx, const std::string& output, const std::string& model, const std::string& set)
{
    const ModelVariantInfo* variant = VariantNamed(model);
    const int setIndex = PrivateSetFromName(set);
    if (variant == nullptr || setIndex < 0) {
        ctx.err << "unknown " << (variant == nullptr ? "model \"" + model : "set \"" + set) << "\"\n";
        return kExitUsage;
    }
    // As the model wizard's OK builds it: the set only for the European models.
    const RadioSettings record = DefaultState(variant->variant, setIndex).record;

    if (!SaveRecord(ctx, output, record)) return kExitFailed;
    ctx.out << "Saved " << output << " (" << PrivateChannelCount(record) << " private channels)\n";
    return kExitOk;
}

int CmdChecksum(Context& ctx, const std::string& file)
{
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    ctx.out << ChecksumText(SettingsChecksum(record)) << "\n";
    return kExitOk;
}

int CmdExport(Context& ctx, const std::string& file, const std::string& output)
{
    const std::string path = output.empty() ? JoinPath(CurrentDirectory(), kFreqTableFileName) : output;
    if (!OutputsApartFromInputs(ctx, {{path, "the frequency table"}}, {{file, "the clone file"}})) return kExitUsage;
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    if (!WriteFreqTable(path, record, SystemLocalTime())) {
        ctx.err << "Can't Create file:\n" << Absolute(path) << "\n";
        return kExitFailed;
    }
    ctx.out << "Exported " << Absolute(path) << "\n";
    return kExitOk;
}

int CmdShow(Context& ctx, const std::string& file, bool json)
{
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    PrintIdentityWarnings(ctx, record);
    if (json)
        // Texts from files need not be UTF-8: replace what is not rather than fail.
        ctx.out << RecordJson(record).dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
    else
        ctx.out << RecordText(record);
    return kExitOk;
}

int CmdPlan(Context& ctx, const std::string& group)
{
    const int number = PlanGroupFromName(group);
    if (number < 0) {
        ctx.err << "unknown group \"" << group << "\" (int, usa, can, int-narrow, usa-narrow, can-narrow, wx)\n";
        return kExitUsage;
    }
    for (const ChannelPlanRow& row : PlanRows(number)) ctx.out << FormatPlanLine(row) << "\n";
    return kExitOk;
}

int CmdDiff(Context& ctx, const std::string& fileA, const std::string& fileB, bool json)
{
    RadioSettings a, b;
    if (!LoadRecord(ctx, fileA, a) || !LoadRecord(ctx, fileB, b)) return kExitUsage;
    std::vector<FieldDifference> differences = DiffRecords(a, b);
    if (json) {
        Json list = Json::array();
        for (const FieldDifference& d : differences) list.push_back({{"field", d.field}, {"a", d.a}, {"b", d.b}});
        Json result = {{"equal", differences.empty()}, {"differences", list}};
        ctx.out << result.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
    } else {
        for (const FieldDifference& d : differences) ctx.out << DifferenceLine(d) << "\n";
        if (differences.empty()) ctx.out << "The files are equal.\n";
    }
    return differences.empty() ? kExitOk : kExitFailed;
}

}  // namespace qx::cli
