// Local date and time with milliseconds, injectable so that logs and reports are testable.
#pragma once

#include <functional>

namespace qx {

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

using Clock = std::function<LocalTime()>;

LocalTime SystemLocalTime();

}  // namespace qx
