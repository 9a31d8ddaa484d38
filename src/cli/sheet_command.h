// qx720 sheet: the commissioning sheet or the channel card of a clone file, as PDF.
#pragma once

#include <string>

#include "cli/commands.h"

namespace qx::cli {

struct SheetArguments {
    std::string paper = "a4";
    std::string vessel;
    std::string callSign;
    std::string language = "en";  // en, de, nl or fr: texts, dates and decimal marks
    bool card = false;
};

// Exit 2 for a clone file that cannot be read or an output that is the clone file, 1 when the
// PDF cannot be made or written (an old file is then left as it was).
int CmdSheet(Context& ctx, const std::string& file, const std::string& output, const SheetArguments& sheet);

}  // namespace qx::cli
