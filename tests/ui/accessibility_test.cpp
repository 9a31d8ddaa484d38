// Everyone can reach every control: every focusable widget of the window and of each dialog
// has a name a screen reader announces (its own text, its label's, or an accessible name),
// never a box's caption for a field, and every menu item has an underlined letter.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <functional>
#include <memory>

#include "../support/records.h"
#include "dialog_rig.h"
#include "every_dialog.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::AnnouncedName;

// The focusable widgets of `top` that a screen reader would not name, and the menu items
// without a mnemonic.
QStringList Unreachable(QWidget* top)
{
    QStringList faults;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(top) || !(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (qobject_cast<QMenu*>(widget) != nullptr || qobject_cast<QMenuBar*>(widget) != nullptr) continue;
        // A combo box's popup view and a scroll area's viewport belong to their owner.
        if (widget->parentWidget() != nullptr && widget->parentWidget()->inherits("QComboBox")) continue;
        // On Linux a drop-down list is announced by its current value unless it has a name.
        const QString name = widget->inherits("QComboBox") ? widget->accessibleName() : AnnouncedName(widget);
        auto* box = qobject_cast<QGroupBox*>(widget->parentWidget());
        // Qt's fallback for a field in a box is the box's caption ("QX720"): no name of its own.
        const bool caption = box != nullptr && !box->title().isEmpty() && name == box->title() &&
                             !widget->inherits("QAbstractButton") && widget->accessibleName().isEmpty();
        if (name.trimmed().isEmpty() || caption)
            faults << QString("%1 %2: \"%3\"").arg(widget->metaObject()->className(), widget->objectName(), name);
    }
    for (QMenuBar* bar : top->findChildren<QMenuBar*>()) {
        for (QAction* menu : bar->actions()) {
            if (!menu->text().contains('&')) faults << "menu " + menu->text();
            if (menu->menu() == nullptr) continue;
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator() && !item->text().contains('&')) faults << "item " + item->text();
        }
    }
    return faults;
}

TEST(Accessibility, EveryControlOfTheWindowHasANameAndEveryMenuItemAMnemonic)
{
    test::WindowRig rig;
    rig.Open();
    EXPECT_EQ(Unreachable(&rig.W()), QStringList());  // untitled: the identity box has a caption
    rig.services.openAnswers = {rig.SaveRecord(test::EuropeWithChannels(2), "named.dat")};
    rig.W().Files().OnOpen();
    EXPECT_EQ(Unreachable(&rig.W()), QStringList());
    // By object name here: the names are what is tested.
    const std::pair<const char*, const char*> named[] = {
        {"mmsi", "MMSI"}, {"atis", "ATIS ID"}, {"txStep", "TX PLL step"}, {"channels", "Channel list"}};
    for (const auto& [object, name] : named) {
        QWidget* widget = rig.W().findChild<QWidget*>(object);
        ASSERT_NE(widget, nullptr) << object;
        EXPECT_EQ(AnnouncedName(widget), name) << object;
    }
}

// The tests' lookups stop a test at a name the window has not, or has twice.
TEST(Accessibility, TheTestsLookupsRefuseAMissingOrSharedName)
{
    test::WindowRig rig;
    rig.Open();
    const struct {
        std::function<void()> lookup;
        const char* says;
    } cases[] = {
        {[&] { rig.Find<QCheckBox>("Weather"); }, "the window has no QCheckBox named \"Weather\""},
        // The model's radio button is no check box.
        {[&] { rig.Find<QCheckBox>("Europe"); }, "the window has no QCheckBox named \"Europe\""},
        // The model's USA and the USA channel group.
        {[&] { rig.Find<QAbstractButton>("USA"); }, "the window has 2 QAbstractButton named \"USA\": a test must"},
        // A menu item goes by its object name, not its text.
        {[&] { rig.Action("Save"); }, "the window has no menu item with the object name \"Save\""},
        {[&] { rig.Only<QLabel>(); }, ": a test must name exactly one"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        EXPECT_NONFATAL_FAILURE(EXPECT_THROW(c.lookup(), test::LookupFailed), c.says);
    }
    // What the window does have, once.
    EXPECT_EQ(rig.Find<QCheckBox>("USA")->objectName(), "usa");
    EXPECT_EQ(rig.Find<QRadioButton>("USA")->objectName(), "modelUsa");
    EXPECT_EQ(rig.Action("save")->text(), "&Save");
}

TEST(Accessibility, EveryDialogToo)
{
    test::DialogRig rig;
    ModelConfig config;
    ResetModelConfig(config);
    RadioSettings record = test::EuropeWithChannels(2);
    std::vector<std::unique_ptr<QDialog>> dialogs = test::EveryDialog(rig, config, record);
    for (auto& dialog : dialogs) {
        SCOPED_TRACE(dialog->metaObject()->className());
        EXPECT_EQ(Unreachable(dialog.get()), QStringList());
    }
}

TEST(SmallScreens, TheControlsScrollOnlyWhenTheWindowDoesNotFit)
{
    test::WindowRig rig;
    rig.Open();
    const QScreen* screen = rig.W().screen();
    ASSERT_NE(screen, nullptr);
    const QSize available = screen->availableGeometry().size();
    if (available.width() < 1000 || available.height() < 800) GTEST_SKIP() << "a screen smaller than a desktop's";
    // A desktop's screen: the window keeps its fixed size and nothing scrolls.
    EXPECT_EQ(rig.W().findChild<QScrollArea*>("contentScroll"), nullptr);
    const QSize whole = rig.W().size();
    EXPECT_EQ(rig.W().minimumSize(), whole);
    EXPECT_EQ(rig.W().maximumSize(), whole);

    // A screen smaller than the window (a large scale factor on a small screen).
    rig.W().FitTo(QSize(whole.width() / 2, whole.height() / 2));
    auto* scroll = rig.W().findChild<QScrollArea*>("contentScroll");
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(rig.W().width(), whole.width() / 2);
    EXPECT_LE(rig.W().height(), whole.height() / 2);
    rig.W().show();
    QWidget* last = rig.Find<QPushButton>("Read From Radio");  // bottom right: the control furthest out of sight
    ASSERT_TRUE(scroll->widget()->isAncestorOf(last));
    scroll->ensureWidgetVisible(last);
    const QRect seen = scroll->viewport()->rect();
    const QRect at(last->mapTo(scroll->viewport(), QPoint(0, 0)), last->size());
    EXPECT_TRUE(seen.contains(at)) << at.x() << "," << at.y();
    rig.W().hide();
}

}  // namespace
}  // namespace qx
