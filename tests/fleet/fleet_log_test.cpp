// The fleet log as people and crashes leave it: re-saved by a spreadsheet, cut short, and
// held by one run at a time.
#include <gtest/gtest.h>

#include "fleet/fleet_log.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

const std::string kHeader = std::string(kFleetLogHeader) + "\n";

FleetLogEntry Ok(const std::string& unit)
{
    return {"2026-12-07 12:04:05", unit, "235000001", "", "OK", "0x0000ABCD", "", ""};
}

std::string Text(const std::string& path)
{
    std::vector<char> bytes = test::ReadAll(path);
    return {bytes.begin(), bytes.end()};
}

std::vector<std::string> OkUnits(const std::string& path)
{
    FleetLogOk ok;
    std::string error;
    EXPECT_TRUE(ReadFleetLogOk(path, ok, error)) << error;
    std::vector<std::string> units;
    for (const auto& [unit, entry] : ok) units.push_back(unit);
    return units;
}

TEST(FleetLog, ANewLineIsNeverGluedOntoAnUnfinishedOne)
{
    test::TempDir dir;
    const std::string log = dir.File("log.csv");
    std::string error;

    // A spreadsheet's save: every field quoted, CR LF, no line end after the last line.
    const std::string saved =
        "\"time\",\"unit\",\"mmsi\",\"atis\",\"result\",\"checksum\",\"backup\"\r\n"
        "\"2026-12-07 12:04:05\",\"A1\",\"235000001\",\"\",\"OK\",\"0x0000ABCD\",\"\"";
    test::WriteAll(log, saved.data(), saved.size());
    EXPECT_EQ(OkUnits(log), std::vector<std::string>{"A1"});
    ASSERT_TRUE(AppendFleetLog(log, Ok("B1"), error)) << error;
    EXPECT_EQ(Text(log), saved + "\n2026-12-07 12:04:05,B1,235000001,,OK,0x0000ABCD,,\n");
    EXPECT_EQ(OkUnits(log), (std::vector<std::string>{"A1", "B1"}));

    // Cut inside quotes by a full disk: that line is lost, the log stays readable.
    const std::string cut = kHeader + "2026-12-07 12:04:05,\"boat, o";
    test::WriteAll(log, cut.data(), cut.size());
    EXPECT_EQ(OkUnits(log), std::vector<std::string>{});
    ASSERT_TRUE(AppendFleetLog(log, Ok("C1"), error)) << error;
    EXPECT_EQ(Text(log), cut + "\"\n2026-12-07 12:04:05,C1,235000001,,OK,0x0000ABCD,,\n");
    EXPECT_EQ(OkUnits(log), std::vector<std::string>{"C1"});

    // Lines ended by CR alone are ended already.
    const std::string mac = "time,unit,mmsi,atis,result,checksum,backup\r2026-12-07 12:04:05,D1,,,OK,0x1,\r";
    test::WriteAll(log, mac.data(), mac.size());
    ASSERT_TRUE(AppendFleetLog(log, Ok("E1"), error)) << error;
    EXPECT_EQ(Text(log), mac + "2026-12-07 12:04:05,E1,235000001,,OK,0x0000ABCD,,\n");
    EXPECT_EQ(OkUnits(log), (std::vector<std::string>{"D1", "E1"}));
}

TEST(FleetLog, KeepsEachUnitsLastOkLineUntilAFailureAfterIt)
{
    FleetLogOk ok;
    std::string error;
    ASSERT_TRUE(ParseFleetLog(kHeader + "t1,A,235000001,,OK,0x1,a1.bin\n"
                                        "t2,A,235000009,,OK,0x2,a2.bin\n"
                                        "t3,A,,,REFUSED,,a3.bin\n"
                                        "t4,B,235000002,,OK,0x3,b1.bin\n"
                                        "t5,B,235000002,,FAILED,,b2.bin\n"
                                        "t6,C,235000003,,OK\n",  // cut after its result
                              ok, error))
        << error;
    ASSERT_EQ(ok.size(), 2u);
    EXPECT_EQ(ok["A"].mmsi, "235000009");
    EXPECT_EQ(ok["A"].checksum, "0x2");
    EXPECT_EQ(ok["C"].checksum, "");

    EXPECT_FALSE(ParseFleetLog("unit,mmsi\nA,1\n", ok, error));
    EXPECT_EQ(error, "not a fleet log (its first line is not time,unit,mmsi,atis,result,checksum,backup,digest)");
    EXPECT_FALSE(ParseFleetLog(kHeader + "t,\"A\"x,1\n", ok, error));
    EXPECT_EQ(error, "line 2: text after the closing quote of a field");
}

TEST(FleetLogLock, OneRunAtATime)
{
    test::TempDir dir;
    const std::string log = dir.File("log.csv");
    std::string error;
    {
        FleetLogLock first;
        ASSERT_EQ(first.Take(log, error), FleetLogLock::Outcome::Held) << error;
        EXPECT_EQ(Text(log), "");  // made, still empty
        FleetLogLock second;
        EXPECT_EQ(second.Take(log, error), FleetLogLock::Outcome::InUse);
        EXPECT_EQ(error, log + ": the log is in use by another fleet run");
        // The run holding it appends as usual.
        ASSERT_TRUE(AppendFleetLog(log, Ok("A1"), error)) << error;
    }
    FleetLogLock again;
    EXPECT_EQ(again.Take(log, error), FleetLogLock::Outcome::Held) << error;

    FleetLogLock nowhere;
    EXPECT_EQ(nowhere.Take(dir.File("missing/log.csv"), error), FleetLogLock::Outcome::Failed);
    EXPECT_EQ(error, dir.File("missing/log.csv") + ": the log cannot be written: No such file or directory");
}

}  // namespace
}  // namespace qx
