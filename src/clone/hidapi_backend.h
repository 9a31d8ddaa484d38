// Old home of the hidapi backend, kept only while the window's sources still include it;
// new code includes "backends/hidapi/hidapi_backend.h" (and links qx720::hidapi).
#pragma once

#include "backends/hidapi/hidapi_backend.h"
