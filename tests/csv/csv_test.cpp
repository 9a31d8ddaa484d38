// The RFC 4180 reader and writer.
#include <gtest/gtest.h>

#include "csv/csv.h"

namespace qx {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows Fields(const std::vector<CsvRecord>& records)
{
    Rows rows;
    for (const CsvRecord& r : records) rows.push_back(r.fields);
    return rows;
}

std::vector<CsvRecord> Parse(std::string_view text)
{
    std::vector<CsvRecord> records;
    CsvError error;
    EXPECT_TRUE(ParseCsv(text, records, error)) << error.line << ": " << error.message;
    return records;
}

TEST(ParseCsv, LineEndsBomAndEmptyFields)
{
    const Rows expected = {{"unit", "mmsi", "atis"}, {"A", "", "9"}, {"B", "2", ""}};
    EXPECT_EQ(Fields(Parse("unit,mmsi,atis\nA,,9\nB,2,\n")), expected);
    EXPECT_EQ(Fields(Parse("unit,mmsi,atis\r\nA,,9\r\nB,2,")), expected);
    EXPECT_EQ(Fields(Parse("\xEF\xBB\xBFunit,mmsi,atis\r\nA,,9\nB,2,\r\n")), expected);
    // A lone CR ends a line as well, as older Macintosh programs save files.
    EXPECT_EQ(Fields(Parse("unit,mmsi,atis\rA,,9\rB,2,\r")), expected);
    EXPECT_EQ(Fields(Parse("unit,mmsi,atis\rA,,9\r\nB,2,\n")), expected);
}

TEST(ParseCsv, LinesEndedByCrAloneAreCountedAndKeptInsideQuotes)
{
    std::vector<CsvRecord> records = Parse("h\r\r\"two\rlines\",x\rlast\r");
    EXPECT_EQ(Fields(records), (Rows{{"h"}, {"two\rlines", "x"}, {"last"}}));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[2].line, 5);

    // A fault names where its record starts, byte order mark included.
    CsvError error;
    EXPECT_FALSE(
        ParseCsv("\xEF\xBB\xBF"
                 "a\rb,\"open\n",
                 records, error));
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.recordStart, 5u);
}

TEST(ParseCsv, QuotedFieldsHoldCommasQuotesAndLineBreaks)
{
    std::vector<CsvRecord> records = Parse(
        "name,note\r\n\"Smith, J\",\"say \"\"hi\"\"\"\n\"two\r\nlines\",x\nlast,\"\"\n");
    EXPECT_EQ(Fields(records),
              (Rows{{"name", "note"}, {"Smith, J", "say \"hi\""}, {"two\r\nlines", "x"}, {"last", ""}}));
    // Line numbers count the breaks inside quoted fields.
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[2].line, 3);
    EXPECT_EQ(records[3].line, 5);
}

TEST(ParseCsv, EmptyLinesAreSkippedButCounted)
{
    std::vector<CsvRecord> records = Parse("h\n\n\r\nx\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].line, 4);
    EXPECT_TRUE(Parse("").empty());
    EXPECT_TRUE(Parse("\xEF\xBB\xBF").empty());
}

TEST(ParseCsv, MalformedQuotingIsRefusedWithItsLine)
{
    struct Case {
        const char* text;
        int line;
    } cases[] = {{"a\n\"open,b\nc\n", 2}, {"a\nb\"c\n", 2}, {"a\n\"b\"c,d\n", 2}, {"\"x\ny\"z\n", 2}};
    for (const Case& c : cases) {
        std::vector<CsvRecord> records;
        CsvError error;
        EXPECT_FALSE(ParseCsv(c.text, records, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_FALSE(error.message.empty());
    }
}

TEST(PrintableText, EscapesWhatATerminalWouldObey)
{
    EXPECT_EQ(PrintableText("Boat 1 \xC3\x84"), "Boat 1 \xC3\x84");  // UTF-8 stays as it is
    EXPECT_EQ(PrintableText("a\x1b[2Jb\a"), "a\\x1b[2Jb\\x07");
    EXPECT_EQ(PrintableText("del\x7f c1\xC2\x9b bidi\xE2\x80\xAE"), "del\\x7f c1\\u009b bidi\\u202e");
    EXPECT_EQ(PrintableText("latin1 \xC4 \x9b"), "latin1 \\xc4 \\x9b");

    EXPECT_FALSE(HoldsControlCharacter("Boat \xC3\x84 \xE2\x80\xAE"));
    using namespace std::string_literals;
    for (const std::string& text : {"tab\t"s, "nul\0x"s, "\x1b"s, "\x7f"s, "\xC2\x85"s, "\x9b"s})
        EXPECT_TRUE(HoldsControlCharacter(text)) << PrintableText(text);
    EXPECT_TRUE(HoldsBidiControl("a\xE2\x80\xAE"));
    EXPECT_TRUE(HoldsBidiControl("a\xE2\x81\xA6"));
    EXPECT_FALSE(HoldsBidiControl("a\xE2\x80\x94"));  // a dash
}

TEST(CsvLine, WhatItWritesReadsBackUnchanged)
{
    const std::vector<std::string> fields = {"plain", "a,b", "say \"x\"", "two\nlines", " padded", "", "0x0000ABCD"};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"x\"\"\",\"two\nlines\",\" padded\",,0x0000ABCD\n");
    std::vector<CsvRecord> records = Parse(line + line);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, fields);
    EXPECT_EQ(records[1].fields, fields);
}

}  // namespace
}  // namespace qx
