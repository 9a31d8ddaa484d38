// qx720 channels export / import: a record's private channels as CSV.
#pragma once

#include <string>

#include "cli/commands.h"

namespace qx::cli {

// The private channels as CSV on standard output or into `output`.
int CmdChannelsExport(Context& ctx, const std::string& file, const std::string& output);
// The CSV's rows replace the private channels of `file`; saved to `output`, or to `file` itself.
// Exit 2 with "line N: ..." for every problem, and nothing written; a CSV without rows is such a
// problem unless `allowEmpty`.
int CmdChannelsImport(Context& ctx, const std::string& file, const std::string& csv, const std::string& output,
                      bool allowEmpty);

}  // namespace qx::cli
