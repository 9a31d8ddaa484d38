// The core's English texts (result messages, hints) as the window shows them: in the user's
// language where the catalog has them, as they are otherwise.
#pragma once

#include <QString>
#include <string>

#include <vector>

#include "clone/clone_environment.h"
#include "identity/radio_identity.h"
#include "result/clone_result.h"

namespace qx {

// DescribeResult's text for `result`, translated.
QString ResultText(CloneResult result);
// The same for a failed run's box; when another program holds the radio, also which one
// (`holder`, as the run gave it; asked again when it gave none).
QString FailureText(const CloneEnvironment& env, CloneResult result, const std::string& holder = {});
// One of the core's fixed texts (listed in core_texts.cpp for the catalogs), translated.
QString CoreText(const char* text);
QString CoreText(const std::string& text);
// The question before a write replaces the identities a radio holds, one sentence each.
QString IdentityQuestion(const std::vector<IdentityReplacement>& replaced);

}  // namespace qx
