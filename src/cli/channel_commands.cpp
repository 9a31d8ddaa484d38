#include "cli/channel_commands.h"

#include <ostream>
#include <vector>

#include "channels/channel_csv.h"
#include "cli/command_support.h"
#include "files/atomic_file.h"

namespace qx::cli {

namespace {

bool RefuseUsaModel(Context& ctx, const std::string& path, const RadioSettings& record)
{
    if (IsEuropeModel(record)) return false;
    ctx.err << path << ": " << kUsaModelHasNoPrivateChannels << "\n";
    return true;
}

}  // namespace

int CmdChannelsExport(Context& ctx, const std::string& file, const std::string& output)
{
    if (!OutputsApartFromInputs(ctx, {{output, "the CSV file"}}, {{file, "the clone file"}})) return kExitUsage;
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    if (RefuseUsaModel(ctx, file, record)) return kExitUsage;
    const std::string csv = ExportChannelsCsv(record);
    if (output.empty()) {
        ctx.out << csv;
        return kExitOk;
    }
    const CloneResult saved = SaveFileAtomically(output, csv.data(), csv.size());
    if (saved != kResultOk) {
        ctx.err << DescribeResult(saved) << "\n" << output << ": the CSV file could not be written\n";
        return kExitFailed;
    }
    ctx.out << "Exported " << PrivateListLength(record) << " private channels to " << output << "\n";
    return kExitOk;
}

int CmdChannelsImport(Context& ctx, const std::string& file, const std::string& csv, const std::string& output,
                      bool allowEmpty)
{
    // The clone file itself is the default output: a changed copy of what was read is the point.
    if (!OutputsApartFromInputs(ctx, {{output.empty() ? file : output, "the clone file written"}},
                                {{csv, "the CSV file"}}))
        return kExitUsage;
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;
    if (RefuseUsaModel(ctx, file, record)) return kExitUsage;
    RadioSettings imported = record;
    const CsvFileImport outcome = ImportChannelsCsvFile(csv, imported, allowEmpty);
    if (!outcome.imported) {
        for (const std::string& problem : outcome.problems) ctx.err << problem << "\n";
        if (outcome.noRows) ctx.err << "--allow-empty imports it, removing every private channel.\n";
        if (!outcome.unreadable) ctx.err << "Nothing was written.\n";
        return kExitUsage;
    }
    const std::string target = output.empty() ? file : output;
    if (!SaveRecord(ctx, target, imported)) return kExitFailed;
    ctx.out << "Imported " << PrivateListLength(imported) << " private channels into " << target << "\n";
    // Kept, as the radio keeps them: but the user may have meant two channels.
    for (const SharedName& shared : outcome.sharedNames) ctx.err << "Warning: " << SharedNameText(shared) << ".\n";
    return kExitOk;
}

}  // namespace qx::cli
