// The four clone commands and their worker thread.
//
// The worker reaches the window only through RunOnUi, which runs the call on the UI thread
// and waits for it; the UI thread never waits for the worker except while closing, and then
// it keeps turning the event loop so those calls still complete.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <memory>

#include "clone/pc_clone.h"
#include "clone/progress_sink.h"
#include "document/clone_file.h"
#include "gui/window/main_window.h"
#include "gui/base/qt_window_services.h"

#include "reports/verify_report.h"

namespace qx {

namespace {

// Drives the window's progress bar from the worker; every call waits for the UI thread.
class WindowProgressSink : public ProgressSink {
public:
    WindowProgressSink(QProgressBar* bar, std::function<void(const std::function<void()>&)> runOnUi)
        : bar_(bar), runOnUi_(std::move(runOnUi))
    {
    }
    void SetRange(int minimum, int maximum) override
    {
        runOnUi_([&] { bar_->setRange(minimum, maximum); });
    }
    void SetStep(int step) override { step_ = step; }
    void Step() override
    {
        runOnUi_([&] { bar_->setValue(std::min(bar_->value() + step_, bar_->maximum())); });
    }
    void SetPosition(int position) override
    {
        runOnUi_([&] { bar_->setValue(position); });
    }

private:
    QProgressBar* bar_;
    std::function<void(const std::function<void()>&)> runOnUi_;
    int step_ = 1;  // only the worker touches it
};

// Under the message of a failed or stopped write: the radio was being overwritten. The menu
// paths keep together (no-break spaces) when the box wraps the line.
constexpr const char* kPartlyWrittenInfo =
    "The radio may now hold part of the new settings. Write again, or write back a saved copy: "
    "a clone file through File\u00A0/\u00A0Open, or an EEPROM dump through "
    "Service\u00A0/\u00A0Eprom\u00A0Tools.";

const char* StartText(CloneKind kind)
{
    switch (kind) {
    case CloneKind::Write: return "Writing...";
    case CloneKind::Read: return "Reading...";
    case CloneKind::Verify: return "Verifying...";
    default: return "HandShaking...";
    }
}

}  // namespace

void MainWindow::RunOnUi(const std::function<void()>& call)
{
    if (QThread::currentThread() == thread()) {
        call();
        return;
    }
    QMetaObject::invokeMethod(this, [&call] { call(); }, Qt::BlockingQueuedConnection);
}

void MainWindow::OnWriteToRadio()
{
    // The identity check comes first, also while a write runs: a failing check stops nothing.
    if (!CheckIdentities()) return;
    StartOrStop(CloneKind::Write);
}

void MainWindow::OnReadFromRadio() { StartOrStop(CloneKind::Read); }

void MainWindow::OnVerify() { StartOrStop(CloneKind::Verify); }

void MainWindow::OnHandShake() { StartOrStop(CloneKind::HandShake); }

void MainWindow::StartOrStop(CloneKind kind)
{
    if (app_.busyEvent.IsSet()) {
        app_.clone.stopEvent.Set();
        return;
    }
    if (closing_ || closed_) return;
    // A previous worker has made its last call to the window before it cleared the busy
    // event, so it is ending or has ended; joining it does not wait on the window.
    if (worker_.joinable()) worker_.join();

    app_.clone.stopEvent.Reset();
    cloneKind_ = kind;
    app_.busyEvent.Set();
    workerActive_ = true;
    // At once, not at the worker's first call: no edit may slip in before a read takes over.
    UpdateCloneUi();
    try {
        worker_ = std::thread([this, kind] { CloneWorkerMain(kind); });
    } catch (const std::system_error&) {
        app_.busyEvent.Reset();
        cloneKind_ = CloneKind::None;
        workerActive_ = false;
        UpdateCloneUi();
    }
}

void MainWindow::UpdateCloneUi()
{
    const bool busy = app_.busyEvent.IsSet();
    CloneKind running = busy ? cloneKind_ : CloneKind::None;
    if (busy && running != CloneKind::Write && running != CloneKind::Read && running != CloneKind::Verify)
        running = CloneKind::HandShake;

    ui_.writeButton->setText(running == CloneKind::Write ? "Stop" : "Write to Radio");
    ui_.writeButton->setEnabled(running == CloneKind::None || running == CloneKind::Write);
    ui_.readButton->setEnabled(running == CloneKind::None);

    struct Item {
        QAction* action;
        CloneKind kind;
        const char* idle;
        const char* stop;
    };
    const Item items[] = {
        {ui_.readFromRadio, CloneKind::Read, "&Read from Radio", "Stop &Read"},
        {ui_.writeToRadio, CloneKind::Write, "&Write to Radio", "Stop &Write"},
        {ui_.verify, CloneKind::Verify, "&Verify", "Stop &Verify"},
        {ui_.handShake, CloneKind::HandShake, "&HandShake", "Stop &HandShake"},
    };
    for (const Item& item : items) {
        const bool own = running == item.kind;
        item.action->setText(own ? item.stop : item.idle);
        item.action->setEnabled(running == CloneKind::None || own);
    }
    // The service tools talk to the radio too: one user of the adaptor at a time.
    ui_.configDialog->setEnabled(running == CloneKind::None);
    ui_.epromTools->setEnabled(running == CloneKind::None);
    UpdateEditControls();
}

void MainWindow::WaitForCloneWorker()
{
    // The worker's last call clears workerActive_; until then its calls arrive as events.
    while (workerActive_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    if (worker_.joinable()) worker_.join();
}

void MainWindow::CloneWorkerMain(CloneKind kind)
{
    auto runOnUi = [this](const std::function<void()>& call) { RunOnUi(call); };
    // The User dialog may change the adjust mode on the UI thread during a run: the run uses
    // the value it started with, read on the UI thread, never the live flag.
    int32_t adjustMode = 0;
    CloneEnvironment environment{app_.clone.adaptor,    app_.clone.stopEvent, app_.clone.writeImage,
                                 app_.clone.readImage, adjustMode,           app_.clone.clock,
                                 app_.clone.timing};
    auto clone = std::make_unique<CPcClone>(environment);
    // The worker's own copies: Write sends what the document held when it started, Read and
    // Verify fill a cleared record, and edits made meanwhile cannot reach the run.
    auto record = std::make_unique<RadioSettings>();
    auto pcRecord = std::make_unique<RadioSettings>();
    auto options = std::make_unique<ModelConfig>();
    std::string directory;

    runOnUi([&] {
        UpdateCloneUi();
        StoreBandSelection();
        if (kind != CloneKind::HandShake && config_.modified) GatherControls();
        if (kind == CloneKind::Write || kind == CloneKind::HandShake) *record = document_;
        *pcRecord = document_;
        *options = config_;
        adjustMode = app_.adjustMode;
        directory = ToNativePath(startDirectory_);
    });

    WindowProgressSink progress(ui_.progress, runOnUi);
    clone->settings = record.get();
    clone->options = options.get();
    clone->progress = &progress;
    clone->directory = directory;
    clone->OpenCommLog();

    runOnUi([&] {
        services_.ShowWaitCursor();
        if (kind == CloneKind::Write) ui_.writeButton->setText("Stop");
        SetStatusText(StartText(kind));
        // A countdown left from an earlier message must not put "Ready." over a running job.
        statusCountdown_ = 0;
    });

    CloneResult result = kResultOk;
    switch (kind) {
    case CloneKind::Write: result = clone->WriteRadio(); break;
    case CloneKind::Read:
    case CloneKind::Verify: result = clone->ReadRadio(); break;
    default: result = clone->HandShake(); break;
    }

    runOnUi([&] { services_.HideWaitCursor(); });

    // The verify report is file work: it runs here, the window only shows its outcome.
    int comparison = 0;
    QString reportPath;
    if (kind == CloneKind::Verify && result == kResultOk) {
        reportPath = QDir(FromNativePath(directory)).filePath(kVerifyReportFileName);
        const bool europe = options->modelType != 0;
        comparison = WriteVerifyReport(ToNativePath(reportPath), AsTheRadioHoldsIt(*pcRecord, europe), *record,
                                       europe, app_.clone.clock());
    }

    runOnUi([&] {
        // A window that is closing shows no boxes and opens no viewer: the user has left.
        const bool quiet = closing_;
        auto box = [&](const char* caption, const char* informative = "") {
            if (quiet) return;
            QString text = QString::fromStdString(DescribeResult(result));
            // "Radio is not detected!" alone would send the user looking for a cable fault.
            if (result == kResultRadioNotDetected && app_.clone.adaptor.PermissionDenied())
                text += QString("\n") + kPermissionDeniedHint;
            services_.MessageBoxWithInfo(this, text, informative, caption, MsgButtons::Ok, MsgIcon::Warning);
        };
        switch (kind) {
        case CloneKind::HandShake:
            if (result == kResultOk) {
                SetStatusText("HandShake OK.");
            } else {
                box("HandShake Error.");
                SetStatusText("Readt.");
            }
            break;
        case CloneKind::Write:
            if (result == kResultOk) {
                SetStatus("Write OK.");
            } else {
                box("Write Error", kPartlyWrittenInfo);
                SetStatus("Ready.");
            }
            break;
        case CloneKind::Read:
            if (result == kResultOk) {
                SetStatus("Read OK.");
                document_ = *record;
                config_.modified = 1;
                ShowDocument();
                UpdateTitle();
                // The user's data, kept; but a file saved from it would not open again.
                const std::string problem = CloneRecordProblem(*record);
                if (!problem.empty() && !quiet)
                    services_.MessageBox(
                        this,
                        QString::fromStdString("Warning: what the radio holds fails the clone file check (" +
                                               problem +
                                               "), so a clone file saved from it will not open again. Make a "
                                               "complete backup of the radio with Service / Eprom Tools... (Read)."),
                        "Read OK.", MsgButtons::Ok, MsgIcon::Warning);
            } else {
                box("Read Error");
                SetStatus("Read Error.");
            }
            break;
        case CloneKind::Verify:
            if (result == kResultOk) {
                if (comparison == 0) {
                    SetStatus("Verify OK.");
                } else {
                    if (comparison == -1 && !quiet)
                        services_.MessageBox(this, QString("Can't Create file:\n%1").arg(reportPath), "Error",
                                             MsgButtons::Ok, MsgIcon::Stop);
                    SetStatus("Verify Error.");
                    // A report that could not be created is not worth a viewer.
                    if (comparison != -1 && !quiet) ShowReport(reportPath, "Verify Error.", "Verify Error");
                }
            } else if (result == kResultUserCancel) {
                SetStatus("User Cancel.");
            } else {
                SetStatus("Verify Error.");
                box("Verify Error");
            }
            break;
        case CloneKind::None:
            break;
        }
    });

    clone.reset();  // closes the communication log

    runOnUi([&] {
        app_.busyEvent.Reset();
        cloneKind_ = CloneKind::None;
        UpdateCloneUi();
        workerActive_ = false;
    });
}

}  // namespace qx
