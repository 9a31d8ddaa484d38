// The identity advice beside the main window's MMSI and ATIS fields, and "from MMSI".
#include <gtest/gtest.h>

#include <QToolButton>

#include "gui/window/identity_hint.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

const QString kUk = "United Kingdom of Great Britain and Northern Ireland";

TEST(AdviseIdentity, AdministrationWarningsOrNothingWhileIncomplete)
{
    IdentityAdvice ship = AdviseIdentity(IdentityField::Mmsi, "235012345");
    EXPECT_EQ(ship.text, kUk);
    EXPECT_FALSE(ship.warning);

    IdentityAdvice sar = AdviseIdentity(IdentityField::Mmsi, "111200001");
    EXPECT_TRUE(sar.warning);
    EXPECT_EQ(sar.text, "the number of a search-and-rescue aircraft, not of a ship's radio");
    EXPECT_EQ(sar.toolTip, sar.text + "\nMID 200 is not allocated to any country");

    // The ATIS field holds the digits after the "9".
    EXPECT_EQ(AdviseIdentity(IdentityField::Atis, "235012345").text, kUk);
    EXPECT_TRUE(AdviseIdentity(IdentityField::Atis, "200012345").warning);

    for (const char* partial : {"", "23501234", "2350123456", "23501234x"}) {
        EXPECT_EQ(AdviseIdentity(IdentityField::Mmsi, partial).text, "") << partial;
        EXPECT_FALSE(AdviseIdentity(IdentityField::Atis, partial).warning) << partial;
    }
}

TEST(IdentityHints, FollowTheFieldsInTheWindow)
{
    WindowRig rig;
    rig.Open();
    auto* mmsiHint = rig.W().findChild<IdentityHint*>("mmsiHint");
    auto* atisHint = rig.W().findChild<IdentityHint*>("atisHint");
    ASSERT_NE(mmsiHint, nullptr);
    ASSERT_NE(atisHint, nullptr);

    rig.C().mmsi->setText("235012345");
    EXPECT_EQ(mmsiHint->FullText(), kUk);
    EXPECT_FALSE(mmsiHint->IsWarning());
    rig.C().mmsi->setText("200012345");
    EXPECT_TRUE(mmsiHint->IsWarning());
    EXPECT_EQ(mmsiHint->toolTip(), "MID 200 is not allocated to any country");

    rig.C().atis->setText("211234567");
    EXPECT_EQ(atisHint->FullText(), "Germany (Federal Republic of)");
    // A long administration never widens the fixed-size window.
    const QSize before = rig.W().size();
    rig.C().mmsi->setText("306123456");
    EXPECT_EQ(rig.W().size(), before);
}

TEST(AtisFromMmsi, FillsTheAtisFieldUndoablyAndMarksModified)
{
    WindowRig rig;
    rig.Open();
    auto* button = rig.W().findChild<QToolButton*>("atisFromMmsi");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "from MMSI");

    rig.C().atis->setText("211234567");
    rig.C().mmsi->setText("2350123");
    EXPECT_FALSE(button->isEnabled());
    rig.C().mmsi->setText("235012345");
    ASSERT_TRUE(button->isEnabled());
    ASSERT_FALSE(rig.W().Doc().IsModified());
    button->click();
    EXPECT_EQ(rig.C().atis->text(), "235012345");
    EXPECT_EQ(rig.W().Doc().IsModified(), true);
    rig.C().atis->undo();
    EXPECT_EQ(rig.C().atis->text(), "211234567");

    // Not while the ATIS ID is left to the user.
    rig.C().atis->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
}

}  // namespace
}  // namespace qx
