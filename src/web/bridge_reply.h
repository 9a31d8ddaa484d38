// Where the bridge's calls put the text they hand the page: one buffer, which the page copies
// out at once, so each answer lives until the next call.
#pragma once

#include <string>

#include "web/json_text.h"

// The page's calls; natively (the parity test) they are plain functions.
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#define QX_EXPORT EMSCRIPTEN_KEEPALIVE
#else
#define QX_EXPORT
#endif

namespace qx::web {

inline const char* Reply(const std::string& text)
{
    static std::string answer;
    answer = text;
    return answer.c_str();
}

inline const char* Reply(const JsonText& json) { return Reply(json.Str()); }

}  // namespace qx::web
