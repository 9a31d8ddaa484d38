// The advice beside the identity fields of the window and the page.
#include <gtest/gtest.h>

#include "identity/identity_advice.h"

namespace qx {
namespace {

const char kUk[] = "United Kingdom of Great Britain and Northern Ireland";

TEST(AdviseIdentity, AdministrationWarningsRefusalOrNothingWhileIncomplete)
{
    const IdentityAdvice ship = AdviseIdentity(IdentityKind::Mmsi, "235012345");
    EXPECT_EQ(ship.text, kUk);
    EXPECT_FALSE(ship.warning);

    const IdentityAdvice sar = AdviseIdentity(IdentityKind::Mmsi, "111200001");
    EXPECT_TRUE(sar.warning);
    EXPECT_EQ(sar.text, "the number of a search-and-rescue aircraft, not of a ship's radio");
    EXPECT_EQ(sar.detail, sar.text + "\nMID 200 is not allocated to any country");

    // The ATIS field holds the digits after the "9".
    EXPECT_EQ(AdviseIdentity(IdentityKind::Atis, "235012345").text, kUk);
    EXPECT_TRUE(AdviseIdentity(IdentityKind::Atis, "200012345").warning);

    for (const char* partial : {"", "23501234", "2350123456", "23501234x"}) {
        EXPECT_EQ(AdviseIdentity(IdentityKind::Mmsi, partial).text, "") << partial;
        EXPECT_FALSE(AdviseIdentity(IdentityKind::Atis, partial).warning) << partial;
    }

    // The radio's own refusal comes first.
    const IdentityAdvice coast = AdviseIdentity(IdentityKind::Mmsi, "002350123");
    EXPECT_TRUE(coast.refused);
    EXPECT_EQ(coast.text, "The radio refuses this number: a coast station's MMSI starts with 00.");
    EXPECT_EQ(coast.refusal, "a coast station's MMSI starts with 00");
    EXPECT_TRUE(AdviseIdentity(IdentityKind::Atis, "012345678").refused);
    const IdentityAdvice handheld = AdviseIdentity(IdentityKind::Mmsi, "200012345");
    EXPECT_TRUE(handheld.warning);
    EXPECT_FALSE(handheld.refused);
}

}  // namespace
}  // namespace qx
