#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/frequency.h"

using namespace qx;

TEST(PrivateWords, WorkedExamples)
{
    EXPECT_EQ(TxWord(156.800, 0), 25088);
    EXPECT_EQ(RxWord(156.800, 1), 10972);
    EXPECT_EQ(TxWord(156.050, 0), 24968);
    EXPECT_EQ(RxWord(160.650, 1), 11280);
    EXPECT_EQ(RxWord(160.650, 0), 22560);
    EXPECT_EQ(TxWord(157.850, 2), 6314);
    EXPECT_EQ(TxWord(156.80625, 1), 12544);
    EXPECT_DOUBLE_EQ(TxFromWord(12544, 1), 156.8);
    EXPECT_EQ(TxWord(136.0, 0), 21760);
    EXPECT_EQ(TxWord(174.0, 0), 27840);
    EXPECT_EQ(TxWord(0.0, 2), 0);
    EXPECT_DOUBLE_EQ(TxFromWord(25088, 0), 156.8);
    EXPECT_NEAR(RxFromWord(10972, 1), 156.8, 1e-9);
    EXPECT_NEAR(RxFromWord(11280, 1), 160.65, 1e-9);
}

TEST(PrivateWords, UnknownStepIndexesActAsSixPointTwoFive)
{
    for (int step : {0, 3, -1, 1000}) {
        EXPECT_EQ(TxWord(156.8, step), 25088) << step;
        EXPECT_DOUBLE_EQ(TxFromWord(25088, step), 156.8) << step;
        EXPECT_EQ(RxWord(160.65, step), 22560) << step;
    }
}

TEST(PrivateWords, DamagedValuesGiveADefinedWord)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TxWord(nan, 0), 0);
    EXPECT_EQ(TxWord(inf, 0), 0);
    EXPECT_EQ(TxWord(-inf, 1), 0);
    EXPECT_EQ(RxWord(1e300, 2), 0);
    EXPECT_EQ(RxWord(nan, 1), 0);
    // In range of an integer but not of a word: the low 16 bits, as ever.
    EXPECT_EQ(TxWord(500.0, 0), (80000) & 0xFFFF);
    EXPECT_EQ(TxWord(-1.0, 0), static_cast<uint16_t>(-159 & 0xFFFF));
}

TEST(PlanWords, TextsAreComputedInIntegers)
{
    EXPECT_EQ(PlanTxText(25088), "156.8000");
    EXPECT_EQ(PlanTxText(24970), "156.0625");
    EXPECT_EQ(PlanTxText(24961), "156.0062");
    EXPECT_EQ(PlanTxText(24971), "156.0687");
    EXPECT_EQ(PlanTxText(0), "0.0000");
    EXPECT_EQ(PlanRxText(9436), "156.8000");
    EXPECT_EQ(PlanRxText(9745), "160.6625");
    EXPECT_EQ(PlanRxText(9954), "163.2750");
    EXPECT_DOUBLE_EQ(PlanTxMHz(25088), 156.8);
    EXPECT_DOUBLE_EQ(PlanRxMHz(9436), 156.8);
    EXPECT_NEAR(PlanSetTxMHz(25240), 157.75, 1e-9);
    EXPECT_NEAR(PlanSetRxMHz(9864), 162.15, 1e-9);
}
