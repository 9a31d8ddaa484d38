// The page parses every answer of the bridge with JSON.parse: one misplaced comma or an
// unescaped character in a channel name or a reason would stop the page.
#include <gtest/gtest.h>

#include "web/json_text.h"

namespace qx::web {
namespace {

TEST(JsonText, NestsObjectsAndArraysWithCommasOnlyBetweenMembers)
{
    JsonText json;
    json.Begin().Field("a", 1).Key("list").Begin('[').Text("x").Number(2.5).Bool(false).End(']');
    json.Key("empty").Begin('[').End(']').Key("inner").Begin().Field("b", true).End().Field("c", "d").End();
    EXPECT_EQ(json.Str(), R"({"a":1,"list":["x",2.5,false],"empty":[],"inner":{"b":true},"c":"d"})");
}

TEST(JsonText, EscapesQuotesBackslashesAndControlCharacters)
{
    JsonText json;
    json.Begin().Field("t", std::string("a\"b\\c\nd\x01") + "\xC3\xA9").End();
    EXPECT_EQ(json.Str(), "{\"t\":\"a\\\"b\\\\c\\u000ad\\u0001\xC3\xA9\"}");
}

TEST(JsonText, WritesLargeUnsignedCodesAndFractionsExactly)
{
    JsonText json;
    json.Begin('[').Number(4294967295.0).Number(157.85).Number(0x1000E).End(']');
    EXPECT_EQ(json.Str(), "[4294967295,157.85,65550]");
}

}  // namespace
}  // namespace qx::web
