#include "cli/sheet_command.h"

#include <ostream>

#include "cli/command_support.h"
#include "cli/sheet_pdf.h"
#include "clone/clock.h"
#include "files/atomic_file.h"
#include "reports/sheet_layout.h"

namespace qx::cli {

int CmdSheet(Context& ctx, const std::string& file, const std::string& output, const SheetArguments& sheet)
{
    SheetOptions options;
    if (!PaperSizeFromName(sheet.paper, options.paper)) {
        ctx.err << "Unknown paper size \"" << sheet.paper << "\": a4 or letter.\n";
        return kExitUsage;
    }
    if (!OutputsApartFromInputs(ctx, {{output, "the PDF"}}, {{file, "the clone file"}})) return kExitUsage;
    RadioSettings record;
    if (!LoadRecord(ctx, file, record)) return kExitUsage;

    options.language = SheetLanguageKnown(sheet.language) ? sheet.language : "en";
    options.vesselName = sheet.vessel;
    options.callSign = sheet.callSign;
    options.programVersion = QX_VERSION;
    options.printed = SystemLocalTime();
    const SheetDocument document = sheet.card ? BuildChannelCard(record, options)
                                              : BuildCommissioningSheet(record, options);
    const std::string pdf = SheetPdf(document);
    if (pdf.empty()) {
        ctx.err << "The PDF could not be made.\n";
        return kExitFailed;
    }
    if (!WriteFileAtomically(output, pdf.data(), pdf.size())) {
        ctx.err << "Can't Create file:\n" << Absolute(output) << "\n";
        return kExitFailed;
    }
    ctx.out << "Wrote " << (sheet.card ? "the channel card " : "the commissioning sheet ") << Absolute(output) << "\n";
    return kExitOk;
}

}  // namespace qx::cli
