// Old home of the result codes, kept only while the window's sources still include it;
// new code includes "result/clone_result.h".
#pragma once

#include "result/clone_result.h"
