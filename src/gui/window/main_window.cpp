#include "gui/window/main_window.h"

#include "gui/window/print_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <memory>

#include "gui/base/accessible_names.h"
#include "gui/base/app_version.h"
#include "gui/base/radio_job_runner.h"
#include "gui/dialogs/service_dialogs.h"
#include "gui/window/adaptor_status.h"
#include "gui/window/channel_panel.h"
#include "gui/window/feature_panel.h"
#include "gui/window/file_commands.h"
#include "gui/window/identity_box.h"
#include "gui/window/status_box.h"
#include "gui/window/tool_commands.h"

namespace qx {

WindowDialogs WindowDialogs::Defaults()
{
    WindowDialogs d;
    d.run = [](QDialog& dialog) { return dialog.exec(); };
    d.about = RunAboutDialog;
    d.user = RunUserDialog;
    d.featureSetup = RunFeatureSetupDialog;
    d.epromTools = RunEpromToolsDialog;
    d.config = RunConfigDialog;
    d.backups = RunBackupsDialog;
    return d;
}

namespace {

constexpr int kTimerIntervalMs = 1000;

}  // namespace

MainWindow::MainWindow(AppContext& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      doc_(app.services, app.startDirectory.isEmpty() ? app.services.CurrentDirectory() : app.startDirectory),
      dialogs_(WindowDialogs::Defaults())
{
    InstallAccessibleNames();
    app_.clone.stopEvent.Reset();
    app_.adjustMode = 0;

    BuildParts();
    BuildMenus();
    BuildPage();
    FillControls();
    BindDocument();
    BindClone();
    doc_.Start(app_.stateFilePath);

    // The window keeps the size of its contents; it opens centred on its screen.
    adjustSize();
    const QScreen* shown = screen();
    FitTo(shown != nullptr ? shown->availableGeometry().size() : sizeHint());

    timer_ = new QTimer(this);
    timer_->setInterval(kTimerIntervalMs);
    connect(timer_, &QTimer::timeout, this, &MainWindow::OnTimerTick);
    timer_->start();
}

void MainWindow::FitTo(const QSize& available)
{
    const QSize whole = sizeHint();
    if (scroll_ == nullptr && whole.width() <= available.width() && whole.height() <= available.height()) {
        setFixedSize(whole);
        return;
    }
    // Too large for the screen (a large scale factor on a small one): the page scrolls, and the
    // window may be made as large as its contents, no larger.
    if (scroll_ == nullptr) {
        auto* outer = static_cast<QVBoxLayout*>(layout());
        outer->removeWidget(content_);
        scroll_ = new QScrollArea;
        scroll_->setObjectName("contentScroll");
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setWidgetResizable(true);
        scroll_->setWidget(content_);
        outer->addWidget(scroll_);
    }
    setMinimumSize(0, 0);
    setMaximumSize(whole);
    resize(whole.boundedTo(available));
}

void MainWindow::BindDocument()
{
    doc_.SetBoxParent(this);
    connect(&doc_, &CloneDocument::recordChanged, this, &MainWindow::ShowRecord);
    connect(&doc_, &CloneDocument::stateChanged, this, &MainWindow::UpdateTitle);
    connect(&doc_, &CloneDocument::status, this, [this](const QString& text, bool timed) {
        if (timed)
            status_->SetStatus(text);
        else
            status_->SetStatusText(text);
    });
    connect(&doc_, &CloneDocument::stateChanged, this, &MainWindow::UpdateUndoActions);
    connect(identity_, &IdentityBox::writeRequested, this, [this] {
        // Enter never stops a running write, which a second Enter would leave half written.
        if (!clone_->IsRunning()) clone_->OnWriteToRadio();
    });
    connect(adaptor_, &AdaptorStatus::advice, status_, &StatusBox::SetStatus);
}

void MainWindow::BindClone()
{
    // At once: no edit may slip in before a read takes over.
    connect(controller_, &CloneController::started, this, &MainWindow::UpdateCloneUi);
    connect(controller_, &CloneController::finished, this, &MainWindow::UpdateCloneUi);
    connect(controller_, &CloneController::finished, print_, &PrintCommands::NoteFinished);
    // Any job on the radio, the service dialogs' too, keeps the other radio tools waiting.
    connect(&app_.radioJobs, &RadioJobRunner::runningChanged, this, &MainWindow::UpdateCloneUi);
}

MainWindow::~MainWindow()
{
    // The document outlives nothing of the window: it must not call back into it now.
    disconnect(&doc_, nullptr, this, nullptr);
    // Normally the close steps have already waited for the run; this covers a window
    // destroyed without being closed: no question and no second job from here.
    closing_.closing = true;
    if (clone_->IsRunning()) app_.radioJobs.StopAndWait();
    // The runner outlives the window: nothing of it may reach the window from here on.
    disconnect(&app_.radioJobs, nullptr, this, nullptr);
    // The controls go before the document they show.
    delete content_;
}

// ---------------------------------------------------------------------------------------
// Showing the document

void MainWindow::ShowRecord(bool resetView)
{
    identity_->Show();
    features_->Show(doc_.Record());
    channels_->Show(!resetView);
    UpdateEditControls();
}

void MainWindow::UpdateTitle()
{
    setWindowTitle(doc_.Title(QString::fromLatin1(kVersionText)));
    identity_->SetCaption(doc_.IdentityCaption());
    ui_.save->setEnabled(!doc_.IsUntitled());
    status_->ShowOptions(doc_.Config());
}

void MainWindow::UpdateEditControls()
{
    const bool editable = clone_->RunningKind() != CloneKind::Read;
    for (QAction* action : {ui_.open, ui_.loadDefault, ui_.featureSetup, ui_.importChannels})
        action->setEnabled(editable);
    identity_->SetEditable(editable);
    features_->SetEditable(editable);
    channels_->SetEditable(editable);
    UpdateUndoActions();
}

void MainWindow::UpdateUndoActions()
{
    const bool editable = clone_->RunningKind() != CloneKind::Read;
    const DocumentEditor& editor = doc_.Editor();
    ui_.undo->setEnabled(editable && editor.CanUndo());
    ui_.redo->setEnabled(editable && editor.CanRedo());
    ui_.undo->setText(editor.CanUndo() ? tr("&Undo %1").arg(doc_.UndoText()) : tr("&Undo"));
    ui_.redo->setText(editor.CanRedo() ? tr("&Redo %1").arg(doc_.RedoText()) : tr("&Redo"));
}

void MainWindow::UpdateCloneUi()
{
    const CloneKind running = clone_->RunningKind();
    ui_.writeButton->setText(running == CloneKind::Write ? tr("Stop") : tr("Write to Radio"));
    ui_.writeButton->setEnabled(running == CloneKind::None || running == CloneKind::Write);
    ui_.readButton->setText(running == CloneKind::Read ? tr("Stop") : tr("Read From Radio"));
    ui_.readButton->setEnabled(running == CloneKind::None || running == CloneKind::Read);

    struct Item {
        QAction* action;
        CloneKind kind;
        const char* idle;
        const char* stop;
    };
    const Item items[] = {
        {ui_.readFromRadio, CloneKind::Read, QT_TR_NOOP("&Read from Radio"), QT_TR_NOOP("Stop &Read")},
        {ui_.writeToRadio, CloneKind::Write, QT_TR_NOOP("&Write to Radio"), QT_TR_NOOP("Stop &Write")},
        {ui_.verify, CloneKind::Verify, QT_TR_NOOP("&Verify"), QT_TR_NOOP("Stop &Verify")},
        {ui_.handShake, CloneKind::HandShake, QT_TR_NOOP("&HandShake"), QT_TR_NOOP("Stop &HandShake")},
    };
    for (const Item& item : items) {
        const bool own = running == item.kind;
        item.action->setText(tr(own ? item.stop : item.idle));
        item.action->setEnabled(running == CloneKind::None || own);
    }
    // The service tools talk to the radio too: one user of the adaptor at a time.
    const bool radioFree = running == CloneKind::None && !app_.radioJobs.IsRunning();
    for (QAction* action : {ui_.configDialog, ui_.epromTools, ui_.backups}) action->setEnabled(radioFree);
    UpdateEditControls();
}

// ---------------------------------------------------------------------------------------
// Keys, the timer, Help and Service

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        // The window has no default button: Enter on a button presses that button, and only
        // the identity fields' own Enter writes the radio (after the identity checks). Never
        // the Write button itself, which turns into Stop under the same key.
        auto* button = qobject_cast<QPushButton*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (button != ui_.writeButton && button->isEnabled()) button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MainWindow::OnTimerTick()
{
    status_->Tick();
    adaptor_->Tick(clone_->IsRunning());
}

void MainWindow::OnAbout()
{
    if (!app_.services.CtrlHeld()) {
        dialogs_.about(this, app_);
        return;
    }
    ModelConfig options = doc_.Config();
    if (dialogs_.user(this, app_, options) == QDialog::Accepted) doc_.SetServiceOptions(options);
}

void MainWindow::OnSystemAbout() { dialogs_.about(this, app_); }

void MainWindow::OnFeatureSetup()
{
    if (clone_->RunningKind() == CloneKind::Read) return;  // the read's end would drop the change
    doc_.Editor().CommitEdits();
    // The dialog edits a copy: its OK makes one undoable step.
    auto edited = std::make_unique<RadioSettings>(doc_.Record());
    ModelConfig options = doc_.Config();
    if (dialogs_.featureSetup(this, app_, options, *edited) != QDialog::Accepted) return;
    doc_.Editor().Change({"Feature Setup", {}}, *edited);
    doc_.Editor().MarkModified();
}

// The service dialogs read the options and the record; they change neither.
void MainWindow::OnConfig()
{
    ModelConfig options = doc_.Config();
    auto record = std::make_unique<RadioSettings>(doc_.Record());
    dialogs_.config(this, app_, options, *record);
}

void MainWindow::OnEpromTools()
{
    ModelConfig options = doc_.Config();
    dialogs_.epromTools(this, app_, options);
}

// ---------------------------------------------------------------------------------------
// Closing

bool MainWindow::RunCloseSteps()
{
    doc_.SetBandIndex(channels_->BandIndex());
    if (!doc_.IsUntitled()) doc_.Editor().CommitEdits();
    return doc_.CloseSteps(app_.stateFilePath);
}

void MainWindow::reject()
{
    if (closing_.Leaving()) return;
    const bool ticking = timer_->isActive();
    timer_->stop();
    // The question comes before a running clone run is stopped: a Cancel leaves it alone.
    closing_.asking = true;
    const bool mayClose = RunCloseSteps();
    closing_.asking = false;
    if (!mayClose) {
        // Cancelled, or the offered save failed: stay open so the work can still be saved.
        if (ticking) timer_->start();
        return;
    }
    closing_.closing = true;
    // A running clone run is asked to stop; its outcome arrives before the window ends.
    if (clone_->IsRunning()) app_.radioJobs.StopAndWait();
    closing_.closed = true;
    QDialog::reject();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc would close the window and so stop the run: a write would be left half done.
    // Stop and the close box stay for that.
    if (event->key() == Qt::Key_Escape && clone_->IsRunning()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace qx
