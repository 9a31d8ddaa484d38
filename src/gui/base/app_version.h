// The version text shown in the window title and the dialog captions.
#pragma once

namespace qx {

inline constexpr char kVersionText[] = "V1.10";

}  // namespace qx
