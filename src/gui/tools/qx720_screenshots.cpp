// Renders the pictures in docs/: the main window, a write to the virtual radio in progress,
// the editing dialogs, the service tools, the backups and the refused-adaptor hint.
// Usage: qx720_screenshots <output folder>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "backends/radio_stack.h"
#include "backups/backup_store.h"
#include "clone/hid_adaptor.h"
#include "files/clone_file.h"
#include "gui/base/language.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/radio_job_runner.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/adaptor_dialog.h"
#include "gui/dialogs/backups_dialog.h"
#include "gui/dialogs/channel_setup_dialog.h"
#include "gui/dialogs/config_dialog.h"
#include "gui/dialogs/eeprom_tools_dialog.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "gui/dialogs/user_dialog.h"
#include "gui/window/channel_panel.h"
#include "gui/window/main_window.h"
#include "model/channel_plan.h"
#include "model/identity.h"
#include "model/private_sets.h"
#include "model/radio_image.h"
#include "operations/backup_operations.h"
#include "operations/radio_gate.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace {

bool Save(QWidget& widget, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The widget of `top` that a screen reader announces as `name`: the tool finds what it
// works with as a user would, in any language.
template <class T>
T* Named(QWidget& top, const QString& name)
{
    for (T* widget : top.findChildren<T*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face != nullptr && face->text(QAccessible::Name) == name) return widget;
    }
    std::fprintf(stderr, "no control named \"%s\"\n", qPrintable(name));
    return nullptr;
}

void Settle()
{
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// The real services, but file choosers answer at once and boxes never block the run; a
// question whose Yes cannot be taken back is shown for real, pictured and answered with Esc.
class ToolServices : public qx::QtWindowServices {
public:
    QString dumpFile;
    QString questionShot;  // where the next such question's picture goes; empty: not shown
    qx::MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption, qx::MsgButtons buttons,
                             qx::MsgIcon icon) override
    {
        if (buttons != qx::MsgButtons::YesNoSafe || questionShot.isEmpty()) return qx::MsgAnswer::Ok;
        const QString path = std::exchange(questionShot, QString());
        QTimer::singleShot(200, [path] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) return;
            if (box->grab().save(path))
                std::printf("%s\n", qPrintable(path));
            else
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &escape);
        });
        return qx::QtWindowServices::MessageBoxWithDetail(parent, text, {}, {}, caption, buttons, icon);
    }
    qx::MsgAnswer MessageBoxWithInfo(QWidget*, const QString&, const QString&, const QString&, qx::MsgButtons,
                                     qx::MsgIcon) override
    {
        return qx::MsgAnswer::Ok;
    }
    QString ChooseSaveFile(QWidget*, const qx::FileDialogRequest&) override { return dumpFile; }
    QString ChooseOpenFile(QWidget*, const qx::FileDialogRequest&) override { return dumpFile; }
};

// A write of a record reports its blocks somewhere; here nobody watches them.
using qx::NoProgress;

// The virtual radio and the program-wide objects the windows and dialogs share.
struct ToolRig {
    QTemporaryDir start;
    qx::VirtualRadio radio;
    qx::VirtualHidBackend backend{radio};
    qx::RadioStack stack{backend};
    qx::CloneEnvironment& clone = stack.Environment();
    int32_t& adjustMode = stack.AdjustMode();
    ToolServices services;
    qx::RadioJobRunner radioJobs{stack.StopEvent()};
    qx::AppContext app{services, clone, adjustMode, start.path(), start.filePath("QX720Clone.Bin"), radioJobs};
    std::unique_ptr<qx::RadioSettings> record = std::make_unique<qx::RadioSettings>();

    ToolRig()
    {
        services.dumpFile = start.filePath("dump.Bin");
        // Backups go to the scratch folder, never into the user's own.
        app.backupFolder = start.filePath("backups");
        // A Europe document with the full set of European private channels.
        qx::ResetSettings(*record, 1);
        qx::LoadPrivateSet(0, *record);
        qx::SetMmsiText(*record, "235012345");
        record->mmsiByUser = 0;
    }
};

// The window on a saved Europe document, its private channels in view.
bool ShowBoat(ToolRig& rig, qx::MainWindow& window)
{
    qx::ModelConfig scratchConfig{};
    const QString boat = rig.start.filePath("boat.dat");
    if (qx::WriteCloneFile(qx::ToNativePath(boat), *rig.record, scratchConfig) != qx::kResultOk) {
        std::fprintf(stderr, "cannot write %s\n", qx::ToNativePath(boat).c_str());
        return false;
    }
    window.Timer()->stop();
    window.Dialogs().run = [](QDialog&) { return int(QDialog::Rejected); };
    if (!window.Doc().Load(boat)) return false;
    window.Channels().ShowBand(qx::kGroupPrivate);
    auto* lines = Named<QListWidget>(window, QCoreApplication::translate("qx::ChannelPanel", "Channel list"));
    if (lines == nullptr || lines->count() <= 9) return false;
    lines->item(9)->setSelected(true);
    window.OnTimerTick();
    window.show();
    Settle();
    return true;
}

// The main window on a saved Europe document, then a write to the radio half way.
bool ShootMainWindow(ToolRig& rig, qx::MainWindow& window, const QDir& out)
{
    if (!ShowBoat(rig, window)) return false;
    bool ok = Save(window, out, "main-window.png");

    qx::RadioFaults slow;
    slow.replyDelayMs = 25;  // slow enough to catch the progress bar half way
    rig.radio.SetFaults(slow);
    // Menu items go by their object names, the same in every language.
    auto* backup = window.findChild<QAction*>("backupBeforeWrite");
    auto* progress = window.findChild<QProgressBar*>();  // the window's only one
    if (backup == nullptr || progress == nullptr) {
        window.reject();
        return false;
    }
    backup->setChecked(false);  // the picture shows the write itself
    window.Clone().OnWriteToRadio();
    while (window.Clone().IsRunning() && progress->value() < 40) QCoreApplication::processEvents();
    Settle();
    ok = Save(window, out, "clone-progress.png") && ok;
    window.reject();
    rig.radio.SetFaults(qx::RadioFaults{});
    return ok;
}

bool ShootEditingDialogs(ToolRig& rig, const QDir& out)
{
    qx::ModelConfig config{};
    config.bandIndex = 3;
    config.listPosition = 9;
    qx::ChannelSetupDialog channel(rig.services, *rig.record, config, false);
    channel.show();
    Settle();
    bool ok = Save(channel, out, "channel-setup-dialog.png");

    auto scratch = std::make_unique<qx::RadioSettings>();
    config.modelType = 1;
    qx::ModelWizardDialog wizard(rig.services, scratch.get(), &config);
    wizard.SetList()->setCurrentIndex(0);
    wizard.show();
    Settle();
    return Save(wizard, out, "model-wizard-dialog.png") && ok;
}

// The EEPROM tools half way through reading the radio into a dump file, then the other
// service dialogs.
bool ShootServiceDialogs(ToolRig& rig, qx::MainWindow& window, const QDir& out)
{
    qx::ModelConfig options = window.Doc().Config();
    qx::EpromToolsDialog eprom(nullptr, rig.app, options);
    eprom.show();
    Settle();
    bool ok = true;
    bool epromShot = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!epromShot && eprom.progressBar()->value() >= qx::kEepromTransferBlocks / 2) {
            epromShot = true;
            ok = Save(eprom, out, "eeprom-tools.png") && ok;
        }
    });
    poll.start(10);
    eprom.DoRead();
    while (eprom.isBusy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    poll.stop();
    ok = epromShot && ok;

    // A dump of this boat written into a radio that holds another boat's MMSI: the question,
    // then the dialog as the answer No leaves it.
    auto dump = std::make_unique<qx::EepromBytes>();
    dump->fill(0);
    auto theirs = std::make_unique<qx::EepromBytes>(*dump);
    const qx::IdentityBytes ours = *qx::PackMmsi("235012345");
    const qx::IdentityBytes other = *qx::PackMmsi("257012345");
    std::copy(ours.begin(), ours.end(), dump->begin() + qx::kAddrMmsi);
    std::copy(other.begin(), other.end(), theirs->begin() + qx::kAddrMmsi);
    (*dump)[qx::kAddrMmsiPresent] = 1;
    (*theirs)[qx::kAddrMmsiPresent] = 1;
    rig.radio.SetContents(*theirs);
    QFile file(rig.services.dumpFile);
    ok = file.open(QIODevice::WriteOnly) &&
         file.write(reinterpret_cast<const char*>(dump->data()), qx::kEepromSize) == qx::kEepromSize && ok;
    file.close();
    rig.services.questionShot = out.filePath("eeprom-tools-question.png");
    eprom.DoWrite();
    while (eprom.isBusy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ok = rig.services.questionShot.isEmpty() && ok;
    ok = Save(eprom, out, "eeprom-tools-kept.png") && ok;

    auto record = std::make_unique<qx::RadioSettings>(window.Doc().Record());
    qx::ConfigDialog configDialog(nullptr, rig.app, options, *record);
    configDialog.show();
    Settle();
    ok = Save(configDialog, out, "config-dialog.png") && ok;

    qx::UserDialog user(nullptr, options, rig.adjustMode);
    user.show();
    Settle();
    ok = Save(user, out, "user-dialog.png") && ok;

    qx::AboutDialog about;
    about.show();
    Settle();
    return Save(about, out, "about-dialog.png") && ok;
}

// Three whole backups of the radio and the clone range a write keeps, listed.
bool ShootBackups(ToolRig& rig, const QDir& out)
{
    bool ok = true;
    qx::ModelConfig config{};
    for (int minute : {12, 40, 41}) {
        const qx::BackupResult made = qx::BackUpRadio(qx::OperationContext{rig.clone, &config, nullptr, {}},
                                                      rig.app.backupFolder.toStdString(),
                                                      qx::LocalTime{2026, 12, 7, 9, minute, 3, 0});
        ok = made.result == qx::kResultOk && ok;
    }
    // A Write to Radio keeps the clone range it replaces.
    NoProgress progress;
    qx::ops::BackupPlan plan;
    plan.folder = rig.app.backupFolder.toStdString();
    plan.time = qx::LocalTime{2026, 12, 7, 10, 2, 3, 0};
    const qx::ops::ChangeOutcome written = qx::ops::ChangeRadio(qx::OperationContext{rig.clone, &config, &progress, {}},
                                                                qx::ops::RadioChange::Record(*rig.record, 0), plan,
                                                                qx::ops::Consent::Replace());
    if (!written.Ok()) std::fprintf(stderr, "the clone range backup failed: 0x%X\n", written.code);
    ok = written.Ok() && ok;
    qx::BackupsDialog backupsDialog(nullptr, rig.app, config, rig.app.backupFolder);
    backupsDialog.show();
    Settle();
    return Save(backupsDialog, out, "backups-dialog.png") && ok;
}

// An adaptor that is plugged in but refused to this user: the status names the fix.
bool ShootRefusedAdaptor(ToolRig& rig, const QDir& out)
{
    qx::VirtualHidBackend refusedBackend;
    qx::VirtualInterface refusedInterface;
    refusedInterface.path = "/dev/hidraw-virtual0";
    refusedInterface.radio = &rig.radio;
    refusedInterface.permissionDenied = true;
    refusedBackend.AddInterface(refusedInterface);
    qx::RadioStack refused{refusedBackend, {}, qx::SystemLocalTime, &rig.stack.StopEvent()};
    qx::AppContext refusedApp{rig.services,           refused.Environment(), rig.adjustMode,
                              rig.app.startDirectory, rig.app.stateFilePath, rig.radioJobs};
    refusedApp.backupFolder = rig.app.backupFolder;
    qx::MainWindow refusedWindow(refusedApp);
    refusedWindow.Timer()->stop();
    refusedWindow.OnTimerTick();
    refusedWindow.show();
    Settle();
    const bool ok = Save(refusedWindow, out, "adaptor-refused.png");
    refusedWindow.reject();
    return ok;
}

}  // namespace

// Clone / Adaptor... on a hub with two adaptors and a badge that shares their USB ID.
bool ShootAdaptorChooser(const QDir& out)
{
    qx::VirtualRadio first, second;
    qx::VirtualHidBackend hub;
    hub.AddInterface({"/dev/hidraw3",
                      qx::kAdaptorVendorId,
                      qx::kAdaptorProductId,
                      {33, 33},
                      "A1B2C3",
                      "Clone adaptor",
                      "1",
                      "1.2",
                      false,
                      &first});
    hub.AddInterface({"/dev/hidraw4",
                      qx::kAdaptorVendorId,
                      qx::kAdaptorProductId,
                      {33, 33},
                      "D4E5F6",
                      "Clone adaptor",
                      "1",
                      "1.3",
                      false,
                      &second});
    hub.AddInterface({"/dev/hidraw5",
                      qx::kAdaptorVendorId,
                      qx::kAdaptorProductId,
                      {9, 9},
                      "",
                      "LED badge",
                      "1",
                      "1.4",
                      false,
                      nullptr});
    qx::RadioStack stack(hub);
    qx::AdaptorDialog chooser(
        nullptr, [&stack] { return stack.Adaptor().Candidates(); }, qx::HidInterfaceInfo{});
    chooser.show();
    Settle();
    return Save(chooser, out, "adaptor-dialog.png");
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc < 2) {
        std::fprintf(stderr, "usage: qx720_screenshots <output folder>\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) return 1;
    ToolRig rig;
    if (!rig.start.isValid()) return 1;

    // The window remembers a Europe model, as its title shows.
    qx::ModelConfig state{};
    qx::ResetModelConfig(state);
    state.modelType = 1;
    if (!qx::WriteStateFile(qx::ToNativePath(rig.app.stateFilePath), state)) return 1;
    qx::MainWindow window(rig.app);
    bool ok = ShootMainWindow(rig, window, out);
    ok = ShootEditingDialogs(rig, out) && ok;
    ok = ShootServiceDialogs(rig, window, out) && ok;
    ok = ShootBackups(rig, out) && ok;
    ok = ShootRefusedAdaptor(rig, out) && ok;
    ok = ShootAdaptorChooser(out) && ok;

    // The same window in German, for the README's languages.
    qx::UseLanguage("de");
    qx::MainWindow german(rig.app);
    ok = ShowBoat(rig, german) && Save(german, out, "main-window-de.png") && ok;
    german.reject();
    return ok ? 0 : 1;
}
