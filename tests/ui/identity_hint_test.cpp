// The identity advice beside the main window's MMSI and ATIS fields, and "from MMSI".
#include <gtest/gtest.h>

#include <QToolButton>

#include "gui/window/identity_hint.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

const QString kUk = "United Kingdom of Great Britain and Northern Ireland";

TEST(IdentityHints, FollowTheFieldsInTheWindow)
{
    WindowRig rig;
    rig.Open();
    auto* mmsiHint = rig.W().findChild<IdentityHint*>("mmsiHint");
    auto* atisHint = rig.W().findChild<IdentityHint*>("atisHint");
    ASSERT_NE(mmsiHint, nullptr);
    ASSERT_NE(atisHint, nullptr);

    rig.Find<QLineEdit>("MMSI")->setText("235012345");
    EXPECT_EQ(mmsiHint->FullText(), kUk);
    EXPECT_FALSE(mmsiHint->IsWarning());
    rig.Find<QLineEdit>("MMSI")->setText("200012345");
    EXPECT_TRUE(mmsiHint->IsWarning());
    EXPECT_EQ(mmsiHint->toolTip(), "MID 200 is not allocated to any country");

    rig.Find<QLineEdit>("ATIS ID")->setText("211234567");
    EXPECT_EQ(atisHint->FullText(), "Germany (Federal Republic of)");
    // A long administration never widens the fixed-size window.
    const QSize before = rig.W().size();
    rig.Find<QLineEdit>("MMSI")->setText("306123456");
    EXPECT_EQ(rig.W().size(), before);
}

TEST(AtisFromMmsi, FillsTheAtisFieldUndoablyAndMarksModified)
{
    WindowRig rig;
    rig.Open();
    auto* button = rig.Find<QToolButton>("from MMSI");

    rig.Find<QLineEdit>("ATIS ID")->setText("211234567");
    rig.Find<QLineEdit>("MMSI")->setText("2350123");
    EXPECT_FALSE(button->isEnabled());
    rig.Find<QLineEdit>("MMSI")->setText("235012345");
    ASSERT_TRUE(button->isEnabled());
    ASSERT_FALSE(rig.W().Doc().IsModified());
    button->click();
    EXPECT_EQ(rig.Find<QLineEdit>("ATIS ID")->text(), "235012345");
    EXPECT_EQ(rig.W().Doc().IsModified(), true);
    rig.Find<QLineEdit>("ATIS ID")->undo();
    EXPECT_EQ(rig.Find<QLineEdit>("ATIS ID")->text(), "211234567");

    // Not while the ATIS ID is left to the user.
    rig.Find<QLineEdit>("ATIS ID")->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
}

}  // namespace
}  // namespace qx
