#include <gtest/gtest.h>

#include "model/radio_settings.h"

TEST(Placeholder, Builds) { SUCCEED(); }
