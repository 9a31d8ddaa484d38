// What keeps one boat's identity out of another boat's radio or file: no key writes the radio
// by accident, a write asks before it replaces the identity a radio holds, a read never takes
// over the file it was read into.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "../support/records.h"
#include "backups/backup_store.h"
#include "gui/window/identity_hint.h"
#include "model/identity.h"
#include "model/radio_image.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

void PressEnter(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

EepromBytes RadioHolding(const char* mmsi)
{
    EepromBytes bytes{};
    const IdentityBytes packed = *PackMmsi(mmsi);
    std::copy(packed.begin(), packed.end(), bytes.begin() + kAddrMmsi);
    bytes[kAddrMmsiPresent] = 1;
    return bytes;
}

// The user's editing of a field finishes: the focus goes elsewhere.
void LeaveField(QLineEdit* field)
{
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &tab);
}

// A document whose MMSI is typed as the user types it, and the field left.
void TypeMmsi(WindowRig& rig, const QString& mmsi)
{
    if (rig.Find<QCheckBox>("MMSI entry by user")->isChecked()) rig.Find<QCheckBox>("MMSI entry by user")->click();
    WindowRig::Type(rig.Find<QLineEdit>("MMSI"), mmsi);
    LeaveField(rig.Find<QLineEdit>("MMSI"));
}

TEST(StrayKeys, EnterWritesOnlyFromTheIdentityFields)
{
    WindowRig rig;
    rig.Open();
    rig.Find<QRadioButton>("Europe")->click();
    const std::initializer_list<QWidget*> controls = {rig.Find<QCheckBox>("CAN"),
                                                      rig.Find<QRadioButton>("Europe"),
                                                      rig.Find<QComboBox>("Band"),
                                                      rig.Find<QComboBox>("TX PLL step"),
                                                      rig.Find<QListWidget>("Channel list"),
                                                      rig.Find<QPushButton>("Add"),
                                                      rig.Find<QPushButton>("Write to Radio")};
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        PressEnter(control);
        EXPECT_FALSE(rig.W().Clone().IsRunning());
    }
    EXPECT_EQ(rig.radio.SentenceCount(), 0);

    // The identity field's own Enter writes, through the identity check.
    TypeMmsi(rig, "235012345");
    rig.services.boxes.clear();
    PressEnter(rig.Find<QLineEdit>("MMSI"));
    EXPECT_TRUE(rig.W().Clone().IsRunning());
    PressEnter(rig.Find<QLineEdit>("MMSI"));  // a second Enter is no Stop
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
}

TEST(IdentityQuestion, AWriteAsksBeforeReplacingTheRadiosMmsi)
{
    WindowRig rig;
    rig.backups = true;
    rig.Open();
    const EepromBytes norway = RadioHolding("257012345");
    rig.radio.SetContents(norway);
    TypeMmsi(rig, "235012345");

    rig.services.answers = {MsgAnswer::No};
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text.toStdString(),
              "The radio holds MMSI 257012345 (Norway). Write MMSI 235012345 (United Kingdom of Great Britain and "
              "Northern Ireland) over it?");
    EXPECT_EQ(rig.services.boxes[0].buttons, MsgButtons::YesNoSafe);
    EXPECT_EQ(rig.W().Status().Text(), "Write cancelled: identity kept.");
    EXPECT_EQ(rig.radio.Contents(), norway);
    EXPECT_TRUE(ListBackups(rig.app.backupFolder.toStdString()).empty());  // a declined write keeps none
    EXPECT_FALSE(rig.W().Clone().IsRunning());

    // Yes writes; the same identity again asks nothing, and so does a radio without one.
    rig.services.answers = {MsgAnswer::Yes};
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
    EXPECT_EQ(MmsiText(rig.W().Doc().Record()), "235012345");
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    rig.radio.SetContents(EepromBytes{});
    rig.Action("backupBeforeWrite")->setChecked(false);
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
    EXPECT_EQ(rig.services.boxes.size(), 2u);

    // Without backups the radio's identity is read all the same; clearing it asks too.
    rig.radio.SetContents(norway);
    WindowRig::Type(rig.Find<QLineEdit>("MMSI"), "");  // the document now holds no MMSI...
    LeaveField(rig.Find<QLineEdit>("MMSI"));
    rig.Find<QCheckBox>("MMSI entry by user")->click();  // ...and leaves it to the radio's user
    rig.services.answers = {MsgAnswer::No};
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.services.boxes.size(), 3u);
    EXPECT_TRUE(rig.services.boxes[2].text.endsWith("Write over it and clear it?"));
    EXPECT_EQ(rig.radio.Contents(), norway);
}

TEST(ReadIsUntitled, SaveCannotPutTheRadioIntoTheOpenedFile)
{
    WindowRig rig;
    rig.Open();
    rig.services.openAnswers = {rig.SaveRecord(test::EuropeWithChannels(2), "uk.dat")};
    rig.W().Files().OnOpen();
    rig.radio.SetContents(RadioHolding("235012345"));
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Read OK.");
    EXPECT_EQ(rig.W().windowTitle(), "QX720 V1.10");
    EXPECT_FALSE(rig.Action("save")->isEnabled());
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "235012345");
    rig.W().Files().OnSaveAs();
    ASSERT_EQ(rig.services.saveRequests.size(), 1u);
    EXPECT_EQ(rig.services.saveRequests[0].name, "235012345.dat");

    rig.radio.SetContents(EepromBytes{});
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.Find<QLineEdit>("MMSI")->text(), "");  // nothing left from the radio before
    rig.W().Files().OnSaveAs();
    EXPECT_EQ(rig.services.saveRequests.back().name, "radio.dat");
}

// A number pasted as it is printed on a licence: its digits, in both fields; anything else
// stays the field's to refuse (the ATIS field takes digits only).
TEST(PastedIdentities, AreTakenAsTheirDigits)
{
    WindowRig rig;
    rig.Open();
    const struct {
        const char* field;
        const char* pasted;
        const char* shown;
    } cases[] = {
        {"MMSI", "235 012 345", "235012345"},
        {"MMSI", "235-012-345", "235012345"},
        {"ATIS ID", "211 234 567", "211234567"},
        {"ATIS ID", "21123456x", ""},
        {"MMSI", "1234567890", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.pasted);
        auto* field = rig.Find<QLineEdit>(c.field);
        field->setEnabled(true);
        field->clear();
        field->insert(c.pasted);  // as a paste inserts
        EXPECT_EQ(field->text(), c.shown);
    }
}

}  // namespace
}  // namespace qx
