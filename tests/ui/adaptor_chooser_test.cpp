// Several adaptors in the window, offscreen: "USB Port Status" counts them, Clone / Adaptor...
// chooses one, and the window keeps to it while it stays plugged in.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "gui/dialogs/adaptor_dialog.h"
#include "window_rig.h"

namespace qx::test {
namespace {

struct TwoAdaptors : WindowRig {
    VirtualRadio second;
    TwoAdaptors()
    {
        VirtualInterface badge;
        badge.path = "/dev/hidraw-badge";
        badge.product = "LED Badge";
        badge.lengths = {9, 9};
        backend.AddInterface(badge);
        VirtualInterface other;
        other.path = "/dev/hidraw-second";
        other.serial = "B2";
        other.usbBus = "1";
        other.usbPort = "1.2";
        other.radio = &second;
        backend.AddInterface(other);
    }
    // Answers Clone / Adaptor... by choosing the line that starts with `path`.
    void Choose(const QString& path)
    {
        W().Dialogs().run = [path](QDialog& dialog) {
            auto& chooser = dynamic_cast<AdaptorDialog&>(dialog);
            QListWidget* list = chooser.list();
            EXPECT_EQ(list->count(), 3);
            for (int i = 0; i < list->count(); ++i) {
                QListWidgetItem* item = list->item(i);
                if (item->text().contains("not a clone adaptor")) {
                    EXPECT_FALSE(item->flags() & Qt::ItemIsEnabled) << "a badge is never offered";
                    EXPECT_FALSE(item->flags() & Qt::ItemIsSelectable);
                }
                if (item->text().startsWith(path)) {
                    list->setCurrentItem(item);
                    item->setSelected(true);
                }
            }
            if (!chooser.okButton()->isEnabled()) return static_cast<int>(QDialog::Rejected);
            chooser.okButton()->click();
            return chooser.result();
        };
        Action("chooseAdaptor")->trigger();
    }
};

TEST(AdaptorChooser, SeveralAdaptorsAreCountedAndOneIsChosen)
{
    TwoAdaptors rig;
    rig.Open();
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Adaptor().Text(), "2 adaptors");
    EXPECT_EQ(rig.W().Status().Text(), "2 clone adaptors are connected: choose one with Clone / Adaptor...");
    EXPECT_EQ(Shown(rig.Action("chooseAdaptor")), "Adaptor...");
    // No guess: a HandShake reaches neither radio.
    rig.W().Clone().OnHandShake();
    rig.WaitForRun();
    EXPECT_EQ(rig.radio.SentenceCount() + rig.second.SentenceCount(), 0);

    rig.Choose("/dev/hidraw-second");
    EXPECT_EQ(rig.W().Adaptor().Text(), "Detected");
    EXPECT_EQ(rig.W().Adaptor().ToolTip(),
              "Clone adaptor: /dev/hidraw-second, serial B2, bus 1, port 1.2 (chosen with Clone / Adaptor...)");
    EXPECT_EQ(rig.W().Status().Text(), "Clone adaptor: /dev/hidraw-second, serial B2, bus 1, port 1.2");
    rig.W().Clone().OnHandShake();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "HandShake OK.");
    EXPECT_GT(rig.second.SentenceCount(), 0);
    EXPECT_EQ(rig.radio.SentenceCount(), 0);
    const std::vector<std::string> opened = rig.backend.OpenedPaths();
    EXPECT_EQ(std::count(opened.begin(), opened.end(), "/dev/hidraw-badge"), 0);
}

TEST(AdaptorChooser, AnUnpluggedChoiceIsWaitedForNotMovedToTheOtherAdaptor)
{
    TwoAdaptors rig;
    rig.Open();
    rig.Ticks(1);
    rig.Choose("/dev/hidraw-second");
    ASSERT_EQ(rig.W().Adaptor().Text(), "Detected");

    rig.second.Unplug();
    rig.Ticks(2);
    EXPECT_EQ(rig.W().Adaptor().Text(), "--------");
    EXPECT_TRUE(rig.W().Status().Text().startsWith("The chosen clone adaptor (/dev/hidraw-second, serial B2"))
        << rig.W().Status().Text().toStdString();
    EXPECT_TRUE(rig.W().Adaptor().ToolTip().contains("is not connected"));
    rig.W().Clone().OnHandShake();
    rig.WaitForRun();
    EXPECT_EQ(rig.radio.SentenceCount(), 0) << "the only adaptor left is not the chosen one";

    rig.second.Plug();
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Adaptor().Text(), "Detected");

    // Choosing again offers the one in use first, and Cancel changes nothing.
    rig.W().Dialogs().run = [](QDialog& dialog) {
        auto& chooser = dynamic_cast<AdaptorDialog&>(dialog);
        EXPECT_TRUE(chooser.list()->currentItem()->text().startsWith("/dev/hidraw-second"));
        EXPECT_TRUE(chooser.okButton()->isEnabled());
        return static_cast<int>(QDialog::Rejected);
    };
    rig.Action("chooseAdaptor")->trigger();
    EXPECT_EQ(rig.adaptor.OpenInterface().path, "/dev/hidraw-second");
}

}  // namespace
}  // namespace qx::test
