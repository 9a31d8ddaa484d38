// The clone commands end to end against the virtual radio.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <memory>

#include "model/radio_image.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

// After every worker the clone controls read idle.
void ExpectIdle(WindowRig& rig)
{
    EXPECT_FALSE(rig.W().Clone().IsRunning());
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    EXPECT_EQ(rig.W().Clone().RunningKind(), CloneKind::None);
    // Found by their idle captions: a button still reading "Stop" fails here.
    EXPECT_TRUE(rig.Find<QPushButton>("Write to Radio")->isEnabled());
    EXPECT_TRUE(rig.Find<QPushButton>("Read From Radio")->isEnabled());
    const std::pair<QAction*, const char*> items[] = {{rig.Action("menuReadFromRadio"), "Read from Radio"},
                                                      {rig.Action("menuWriteToRadio"), "Write to Radio"},
                                                      {rig.Action("menuVerify"), "Verify"},
                                                      {rig.Action("menuHandShake"), "HandShake"}};
    for (const auto& [action, text] : items) {
        EXPECT_EQ(test::Shown(action), text);
        EXPECT_TRUE(action->isEnabled()) << text;
    }
    EXPECT_TRUE(rig.Action("configDialog")->isEnabled());
    EXPECT_TRUE(rig.Action("epromTools")->isEnabled());
    for (QAction* action : {rig.Action("open"), rig.Action("loadDefault"), rig.Action("featureSetup")})
        EXPECT_TRUE(action->isEnabled());
    for (QWidget* control : std::initializer_list<QWidget*>{
             rig.Find<QPushButton>("Edit"), rig.Find<QPushButton>("Add"), rig.Find<QPushButton>("Remove"),
             rig.Find<QCheckBox>("MMSI entry by user"), rig.Find<QCheckBox>("ATIS entry by user"),
             rig.Find<QCheckBox>("USA"), rig.Find<QCheckBox>("INT"), rig.Find<QCheckBox>("CAN"),
             rig.Find<QRadioButton>("USA"), rig.Find<QComboBox>("TX PLL step")})
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_EQ(rig.services.waitCursorDepth, 0);
    EXPECT_EQ(rig.Only<QProgressBar>()->value(), 0);
}

// The window's document as a Europe record with three private channels on the 6.25 kHz raster.
void LoadEuropeDocument(WindowRig& rig)
{
    RadioSettings record;
    ResetSettings(record, 1);
    const char* names[] = {"L1", "F2", "A5"};
    const double tx[] = {155.5, 155.775, 157.55};
    for (int i = 0; i < 3; ++i) {
        ChannelEntry& e = record.channels[kPrivateBlock + i];
        SetChannelName(e, names[i]);
        e.txMHz = e.rxMHz = tx[i];
        e.usageCode = 34;
        e.rxAtis = 1;  // what a read-back of an ATIS channel gives
        e.inUse = 1;
    }
    rig.services.openAnswers = {rig.SaveRecord(record, "eur.dat")};
    rig.W().Files().OnOpen();
}

TEST(CloneWorkers, WriteThenVerifyIsOk)
{
    WindowRig rig;
    rig.Open();
    rig.Type(rig.Find<QLineEdit>("MMSI"), "211234567");
    rig.Find<QCheckBox>("MMSI entry by user")->click();  // off: the MMSI is programmed
    rig.W().Clone().OnWriteToRadio();
    EXPECT_TRUE(rig.W().Clone().IsRunning());
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
    EXPECT_EQ(rig.W().Status().Countdown(), 10);
    EXPECT_TRUE(rig.services.boxes.empty());
    ExpectIdle(rig);
    const EepromBytes eeprom = rig.radio.Contents();
    EXPECT_EQ(eeprom[kAddrMmsiPresent] != 0, true);

    rig.W().Clone().OnVerify();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Verify OK.");
    EXPECT_TRUE(rig.services.boxes.empty());
    EXPECT_TRUE(rig.services.openedTextFiles.isEmpty());
    EXPECT_TRUE(QFile::exists(rig.File("Verify.txt")));
    ExpectIdle(rig);

    rig.W().Clone().OnHandShake();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "HandShake OK.");
    ExpectIdle(rig);
}

TEST(CloneWorkers, VerifyDifferenceOpensTheReport)
{
    WindowRig rig;
    rig.Open();
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    rig.Find<QCheckBox>("USA_narrow")->click();  // the PC now differs from the radio
    rig.W().Clone().OnVerify();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Verify Error.");
    EXPECT_EQ(rig.services.openedTextFiles, QStringList({rig.File("Verify.txt")}));
    EXPECT_TRUE(rig.services.boxes.empty());
    ExpectIdle(rig);
}

TEST(CloneWorkers, ReadReplacesTheDocumentAndStatusReturnsAfterTenTicks)
{
    WindowRig rig;
    rig.Open();
    LoadEuropeDocument(rig);
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.W().Status().Text(), "Write OK.");

    // Back to the defaults, then read the radio's channels back.
    rig.services.openAnswers = {};
    auto cleared = std::make_unique<RadioSettings>(rig.W().Doc().Record());
    cleared->channels[kPrivateBlock].inUse = 0;
    rig.W().Doc().Editor().Change({"Edit", {}}, *cleared);
    rig.W().Files().OnSave();  // an unmodified document
    ASSERT_FALSE(rig.W().Doc().IsModified());
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Read OK.");
    EXPECT_EQ(rig.W().Doc().IsModified(), true);
    // A read is a document of its own: Save cannot put this radio into eur.dat.
    EXPECT_EQ(rig.W().windowTitle(), "QX720 V1.10");
    EXPECT_FALSE(rig.Action("save")->isEnabled());
    EXPECT_EQ(PrivateChannelCount(rig.W().Doc().Record()), 3);
    EXPECT_EQ(ChannelName(rig.W().Doc().Record().channels[kPrivateBlock + 2]), "A5");
    rig.SelectBand("Private");
    EXPECT_EQ(rig.Lines().size(), 3);
    ExpectIdle(rig);

    rig.Ticks(9);
    EXPECT_EQ(rig.W().Status().Text(), "Read OK.");
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Status().Text(), "Ready.");
}

TEST(CloneWorkers, WriteSendsTheDocumentAsItWasWhenItStarted)
{
    WindowRig rig;
    rig.Open();
    LoadEuropeDocument(rig);
    rig.W().Clone().OnWriteToRadio();
    // Once "Writing..." shows, the worker has taken its copy: edits made now are too late.
    while (rig.W().Status().Text() != "Writing...") QCoreApplication::processEvents();
    auto late = std::make_unique<RadioSettings>(rig.W().Doc().Record());
    late->channels[kPrivateBlock + 3] = late->channels[kPrivateBlock];
    SetChannelName(late->channels[kPrivateBlock + 3], "M2");
    rig.W().Doc().Editor().Change({"Add private channel", {}}, *late);
    rig.WaitForRun();
    ASSERT_EQ(rig.W().Status().Text(), "Write OK.");
    EXPECT_EQ(rig.radio.Contents()[kAddrChannelCount], 3);
}

TEST(CloneWorkers, SecondClickOnWriteStopsIt)
{
    WindowRig rig;
    rig.Open();
    const EepromBytes before = rig.radio.Contents();
    auto* write = rig.Find<QPushButton>("Write to Radio");
    write->click();
    write->click();  // reads "Stop" by now
    rig.WaitForRun();
    // Stopped while the radio was being read first: nothing was written, no box to say so.
    EXPECT_TRUE(rig.services.boxes.empty());
    EXPECT_EQ(rig.W().Status().Text(), "User Cancel.");
    EXPECT_EQ(rig.radio.Contents(), before);
    ExpectIdle(rig);
}

TEST(CloneWorkers, ControlsWhileRunning)
{
    WindowRig rig;
    rig.Open();
    auto* writeButton = rig.Find<QPushButton>("Write to Radio");
    auto* readButton = rig.Find<QPushButton>("Read From Radio");
    rig.W().Clone().OnReadFromRadio();
    // Let the worker's first call (the busy state of the controls) through, then look.
    while (test::Shown(rig.Action("menuReadFromRadio")) != "Stop Read") QCoreApplication::processEvents();
    EXPECT_FALSE(writeButton->isEnabled());
    EXPECT_TRUE(readButton->isEnabled());  // as Stop
    EXPECT_EQ(readButton->text(), "Stop");
    EXPECT_FALSE(rig.Action("menuWriteToRadio")->isEnabled());
    EXPECT_FALSE(rig.Action("menuVerify")->isEnabled());
    EXPECT_FALSE(rig.Action("menuHandShake")->isEnabled());
    EXPECT_TRUE(rig.Action("menuReadFromRadio")->isEnabled());
    // The service tools that talk to the radio wait for the adaptor to be free.
    EXPECT_FALSE(rig.Action("configDialog")->isEnabled());
    EXPECT_FALSE(rig.Action("epromTools")->isEnabled());
    // Feature Setup edits the document, which the read's end replaces.
    EXPECT_FALSE(rig.Action("featureSetup")->isEnabled());
    readButton->click();  // Stop
    rig.WaitForRun();
    EXPECT_EQ(rig.services.Texts(), QStringList({"User Cancel."}));
    EXPECT_EQ(rig.services.boxes[0].caption, "Read");
    EXPECT_EQ(rig.W().Status().Text(), "User Cancel.");
    EXPECT_EQ(readButton->text(), "Read From Radio");
    ExpectIdle(rig);
}

// Whether the radio is in use comes from the job runner: another job (a service dialog's) keeps
// the window's radio tools waiting too.
TEST(CloneWorkers, AnyJobOnTheRadioKeepsTheServiceToolsWaiting)
{
    WindowRig rig;
    rig.Open();
    ASSERT_TRUE(rig.radioJobs.Start(nullptr, nullptr, [](RadioJobContext&) { return kResultOk; }, {}));
    for (QAction* action : {rig.Action("configDialog"), rig.Action("epromTools"), rig.Action("backups")})
        EXPECT_FALSE(action->isEnabled()) << test::Shown(action).toStdString();
    QElapsedTimer clock;  // bounded: a job that never ends fails the test
    clock.start();
    while (rig.radioJobs.IsRunning() && clock.elapsed() < 20000) QCoreApplication::processEvents();
    ExpectIdle(rig);
}

TEST(CloneWorkers, StoppedVerifyAndHandShake)
{
    WindowRig rig;
    rig.Open();
    rig.W().Clone().OnVerify();
    rig.W().Clone().OnVerify();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "User Cancel.");
    EXPECT_TRUE(rig.services.boxes.empty());
    ExpectIdle(rig);

    rig.W().Clone().OnHandShake();
    rig.W().Clone().OnHandShake();
    rig.WaitForRun();
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].caption, "HandShake Error.");
    EXPECT_EQ(rig.W().Status().Text(), "Readt.");
    EXPECT_EQ(rig.W().Status().Countdown(), 0);
    ExpectIdle(rig);
}

TEST(CloneWorkers, NoAdaptorLeavesTheDocumentUnchanged)
{
    WindowRig rig;
    rig.radio.Unplug();
    rig.Open();
    const RadioSettings before = rig.W().Doc().Record();
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].text, "Radio is not detected!");
    EXPECT_EQ(rig.services.boxes[0].caption, "Read Error");
    EXPECT_EQ(rig.W().Status().Text(), "Read Error.");
    EXPECT_EQ(std::memcmp(&before, &rig.W().Doc().Record(), sizeof before), 0);
    EXPECT_EQ(rig.W().Doc().IsModified(), false);
    ExpectIdle(rig);

    rig.W().Clone().OnVerify();
    rig.WaitForRun();
    EXPECT_EQ(rig.services.boxes.back().caption, "Verify Error");
    EXPECT_EQ(rig.W().Status().Text(), "Verify Error.");
    ExpectIdle(rig);
}

TEST(CloneWorkers, RefusedAdaptorNamesTheFix)
{
    WindowRig rig(/*adaptorRefused=*/true);
    rig.Open();
    rig.Ticks(1);
    EXPECT_EQ(rig.W().Adaptor().Text(), "--------");
    EXPECT_TRUE(rig.W().Status().Text().contains("70-qx720-clone.rules"));
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_TRUE(rig.services.boxes[0].text.startsWith("Radio is not detected!\n"));
    EXPECT_TRUE(rig.services.boxes[0].text.contains("udev rule 70-qx720-clone.rules"));
    ExpectIdle(rig);
}

TEST(CloneWorkers, InvalidMmsiNeitherStartsNorStopsAWrite)
{
    WindowRig rig;
    rig.Open();
    rig.Find<QCheckBox>("MMSI entry by user")->click();
    rig.Type(rig.Find<QLineEdit>("MMSI"), "12345");
    rig.W().Clone().OnWriteToRadio();
    EXPECT_FALSE(rig.W().Clone().IsRunning());
    EXPECT_EQ(rig.services.Texts(), QStringList({"Invalid MMIS ID:12345\nMake sure 9 digitals."}));

    rig.Type(rig.Find<QLineEdit>("MMSI"), "");
    rig.W().Clone().OnWriteToRadio();
    ASSERT_TRUE(rig.W().Clone().IsRunning());
    rig.Type(rig.Find<QLineEdit>("MMSI"), "12345");
    rig.W().Clone().OnWriteToRadio();  // refused again; the write goes on
    EXPECT_FALSE(rig.stopEvent.IsSet());
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
    EXPECT_EQ(rig.services.boxes.size(), 2u);
    ExpectIdle(rig);
}

TEST(CloneWorkers, ClosingDuringAWriteEndsCleanly)
{
    WindowRig rig;
    rig.Open();
    RadioSettings record;
    ResetSettings(record, 0);
    rig.services.openAnswers = {rig.SaveRecord(record, "w.dat")};
    rig.W().Files().OnOpen();
    rig.Find<QCheckBox>("CAN")->click();
    rig.services.answers = {MsgAnswer::No};
    rig.W().Clone().OnWriteToRadio();
    rig.W().reject();
    EXPECT_TRUE(rig.W().HasClosed());
    EXPECT_FALSE(rig.W().Clone().IsRunning());
    EXPECT_FALSE(rig.radioJobs.IsRunning());
    // No outcome box for a window the user has left; the close question still comes.
    EXPECT_EQ(rig.services.Texts(), QStringList({"File is Modify. Do you want to save?"}));
    EXPECT_TRUE(QFile::exists(rig.app.stateFilePath));
    EXPECT_EQ(rig.services.waitCursorDepth, 0);
}

TEST(CloneWorkers, EnterInATextFieldStartsAWriteAfterTheIdentityCheck)
{
    WindowRig rig;
    rig.Open();
    rig.W().show();
    rig.Find<QCheckBox>("MMSI entry by user")->click();
    rig.Type(rig.Find<QLineEdit>("MMSI"), "1234");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(rig.Find<QLineEdit>("MMSI"), &enter);
    EXPECT_FALSE(rig.W().Clone().IsRunning());
    EXPECT_EQ(rig.services.Texts(), QStringList({"Invalid MMIS ID:1234\nMake sure 9 digitals."}));
    rig.Type(rig.Find<QLineEdit>("MMSI"), "211234567");
    QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(rig.Find<QLineEdit>("MMSI"), &again);
    EXPECT_TRUE(rig.W().Clone().IsRunning());
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Write OK.");
}

TEST(CloneWorkers, AdjustModeReachesTheRadio)
{
    WindowRig rig;
    rig.Open();
    rig.adjustMode = 1;
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.radio.Contents()[kAddrAdjustMode], 1);
    rig.adjustMode = 0;
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.radio.Contents()[kAddrAdjustMode], 0);
}

}  // namespace
}  // namespace qx

namespace qx {
namespace {

TEST(CloneWorkers, ReadOfAnErasedRadioKeepsItAndWarnsAfterReadOk)
{
    WindowRig rig;
    rig.Open();
    rig.radio.Fill(0xFF);
    rig.W().Clone().OnReadFromRadio();
    rig.WaitForRun();
    EXPECT_EQ(rig.W().Status().Text(), "Read OK.");
    EXPECT_EQ(rig.W().Doc().IsModified(), true);
    ASSERT_EQ(rig.services.boxes.size(), 1u);
    EXPECT_EQ(rig.services.boxes[0].caption, "Read OK.");
    EXPECT_TRUE(rig.services.boxes[0].text.startsWith("Warning: what the radio holds fails the clone file check"))
        << rig.services.boxes[0].text.toStdString();
    EXPECT_TRUE(rig.services.boxes[0].text.contains("Eprom Tools"));
}

}  // namespace
}  // namespace qx
