// Where the bridge's calls put the text they hand the page: one buffer, which the page copies
// out at once, so each answer lives until the next call.
#pragma once

#include <string>

#include "web/json_text.h"

namespace qx::web {

inline const char* Reply(const std::string& text)
{
    static std::string answer;
    answer = text;
    return answer.c_str();
}

inline const char* Reply(const JsonText& json) { return Reply(json.Str()); }

}  // namespace qx::web
