#include "gui/window/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QUndoStack>
#include <cstring>
#include <memory>

#include "clone/hid_adaptor.h"
#include "gui/base/accessible_names.h"
#include "gui/base/app_version.h"
#include "gui/base/core_texts.h"
#include "gui/base/radio_job_runner.h"
#include "gui/dialogs/service_dialogs.h"
#include "model/identity.h"

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

constexpr int kStatusTicks = 10;
constexpr int kTimerIntervalMs = 1000;

}  // namespace

MainWindow::MainWindow(AppContext& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      services_(app.services),
      doc_(app.services, app.startDirectory.isEmpty() ? app.services.CurrentDirectory() : app.startDirectory),
      dialogs_(WindowDialogs::Defaults())
{
    InstallAccessibleNames();
    statusCountdown_ = 0;
    app_.busyEvent.Reset();
    app_.clone.stopEvent.Reset();
    app_.adjustMode = 0;

    BuildWindow();
    BindDocument();
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
    connect(&doc_, &CloneDocument::recordChanged, this, [this](bool newDocument) { ShowRecord(!newDocument); });
    connect(&doc_, &CloneDocument::stateChanged, this, &MainWindow::UpdateTitle);
    connect(&doc_, &CloneDocument::status, this, [this](const QString& text, bool timed) {
        if (timed)
            SetStatus(text);
        else
            SetStatusText(text);
    });
    connect(&doc_, &CloneDocument::pendingEditsNeeded, this, &MainWindow::GatherControls);
    // A Write's second stage, after its backup.
    connect(&app_.radioJobs, &RadioJobRunner::noted, this, [this](const QString& text) {
        if (IsCloneRunning()) SetStatusText(text);
    });
    QUndoStack* history = &doc_.History();
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(history, signal, this, &MainWindow::UpdateUndoActions);
    for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(history, signal, this, &MainWindow::UpdateUndoActions);
}

MainWindow::~MainWindow()
{
    // The document outlives nothing of the window: it must not call back into it now.
    disconnect(&doc_, nullptr, this, nullptr);
    disconnect(&doc_.History(), nullptr, this, nullptr);
    // Normally the close steps have already waited for the run; this covers a window
    // destroyed without being closed: no question and no second job from here.
    closing_ = true;
    if (IsCloneRunning()) app_.radioJobs.StopAndWait();
}

// ---------------------------------------------------------------------------------------
// Controls and document

ControlValues MainWindow::ReadControls() const
{
    ControlValues v;
    v.usaModel = ui_.modelUsa->isChecked();
    v.usa = ui_.usa->isChecked();
    v.intl = ui_.intl->isChecked();
    v.can = ui_.can->isChecked();
    v.usaNarrow = ui_.usaNarrow->isChecked();
    v.intNarrow = ui_.intNarrow->isChecked();
    v.canNarrow = ui_.canNarrow->isChecked();
    v.txStep = ui_.txStep->currentIndex();
    v.rxStep = ui_.rxStep->currentIndex();
    v.mmsiByUser = ui_.mmsiByUser->isChecked();
    v.atisByUser = ui_.atisByUser->isChecked();
    return v;
}

void MainWindow::GatherControls()
{
    // Read before the typed identity becomes its own step: that step redraws the controls.
    ControlValues controls = ReadControls();
    // The fields push their text as it is typed, so the record's identities are what they hold.
    doc_.CommitIdentities();
    const RadioSettings& record = doc_.Record();
    const ControlValues showing = ValuesOf(record);
    controls.mmsi = showing.mmsi;
    controls.atis = showing.atis;
    auto gathered = std::make_unique<RadioSettings>(record);
    StoreValues(controls, *gathered);
    // What the controls would store if they only showed the record: the same bytes mean the
    // user changed nothing, and the record takes the controls' form without a step.
    auto shown = std::make_unique<RadioSettings>(record);
    StoreValues(showing, *shown);
    // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison): the record's bytes are the file's
    if (std::memcmp(gathered.get(), shown.get(), sizeof(RadioSettings)) == 0) {
        doc_.Normalize(*gathered);
        return;
    }
    // The step holds the user's change alone: what the controls merely show goes in first.
    doc_.Normalize(*shown);
    doc_.Change(ChangeText(*shown, *gathered), *gathered);
}

void MainWindow::ShowDocument() { ShowRecord(false); }

void MainWindow::ShowIdentity(QLineEdit* field, IdentityKind which)
{
    // Exactly what the document holds: its entry being typed, its valid identity, or nothing.
    const QString text = doc_.IdentityEntry(which);
    if (field->text() != text) field->setText(text);
}

void MainWindow::ShowRecord(bool keepView)
{
    RadioSettings& record = doc_.Record();
    const ControlValues v = ValuesOf(record);
    ui_.atisByUser->setChecked(v.atisByUser);
    ShowIdentity(ui_.atis, IdentityKind::Atis);
    ui_.mmsiByUser->setChecked(v.mmsiByUser);
    ShowIdentity(ui_.mmsi, IdentityKind::Mmsi);

    ui_.usa->setChecked(v.usa);
    ui_.intl->setChecked(v.intl);
    ui_.can->setChecked(v.can);
    ui_.usaNarrow->setChecked(v.usaNarrow);
    ui_.intNarrow->setChecked(v.intNarrow);
    ui_.canNarrow->setChecked(v.canNarrow);
    ui_.modelUsa->setChecked(v.usaModel);
    ui_.modelEurope->setChecked(!v.usaModel);
    ui_.wx->setChecked(v.usaModel);
    ui_.privateGroup->setChecked(!v.usaModel);

    // Steps outside the three list positions act as 6.25 kHz; 25 kHz (2) is a real step.
    record.txStep = v.txStep;
    record.rxStep = v.rxStep;
    {
        QSignalBlocker blockTx(ui_.txStep);
        QSignalBlocker blockRx(ui_.rxStep);
        ui_.txStep->setCurrentIndex(v.txStep);
        ui_.rxStep->setCurrentIndex(v.rxStep);
    }

    const QString band = ui_.band->currentText();
    const int line = SelectedChannel();
    FillBandList();
    const int keptBand = keepView ? ui_.band->findText(band) : -1;
    if (keptBand > 0) {
        QSignalBlocker block(ui_.band);
        ui_.band->setCurrentIndex(keptBand);
    }
    FillChannelList();
    if (keepView && keptBand >= 0 && line >= 0 && line < ui_.channels->count()) ui_.channels->setCurrentRow(line);
    UpdateEditControls();  // the identity fields follow the boxes just set
}

void MainWindow::UpdateTitle()
{
    setWindowTitle(doc_.Title(QString::fromLatin1(kVersionText)));
    SetIdentityCaption(doc_.IdentityCaption());
    ui_.save->setEnabled(!doc_.IsUntitled());
    QString options;
    const ModelConfig& config = doc_.Config();
    if (config.logoFlag == 1) options += tr("Logo;");
    if (config.romMapFlag == 1) options += tr("Save RomMap;");
    ui_.optionLine->setText(options);
}

void MainWindow::SetIdentityCaption(const QString& caption)
{
    ui_.identityBox->setTitle(caption);
    // The window has a fixed size: a box that gave up its caption's line would move the fields.
    QMargins margins = identityMargins_;
    if (caption.isEmpty()) margins.setTop(margins.top() + identityCaptionHeight_);
    ui_.identityBox->layout()->setContentsMargins(margins);
}

void MainWindow::MarkModified() { doc_.MarkModified(); }

void MainWindow::StoreBandSelection() { doc_.Config().bandIndex = ui_.band->currentIndex(); }

void MainWindow::SetStatusText(const QString& text) { ui_.status->setText(text); }

void MainWindow::SetStatus(const QString& text)
{
    SetStatusText(text);
    statusCountdown_ = kStatusTicks;
}

// ---------------------------------------------------------------------------------------
// Identities

bool MainWindow::CheckIdentities()
{
    doc_.CommitIdentities();
    return doc_.CheckIdentityEntries();
}

void MainWindow::OnIdentityBoxClicked()
{
    GatherControls();
    // An identity left to the radio's user keeps no entry of its own: the greyed field shows
    // what the record holds.
    if (ui_.mmsiByUser->isChecked()) doc_.DropIdentityEntry(IdentityKind::Mmsi);
    if (ui_.atisByUser->isChecked()) doc_.DropIdentityEntry(IdentityKind::Atis);
    MarkModified();
    UpdateEditControls();
}

bool MainWindow::IsReading() const { return app_.busyEvent.IsSet() && cloneKind_ == CloneKind::Read; }

void MainWindow::UpdateEditControls()
{
    const bool editable = !IsReading();
    for (QAction* action : {ui_.open, ui_.loadDefault, ui_.featureSetup}) action->setEnabled(editable);
    const std::initializer_list<QWidget*> editors = {
        ui_.edit,      ui_.add,       ui_.remove,    ui_.mmsiByUser, ui_.atisByUser,  ui_.usa,    ui_.intl,  ui_.can,
        ui_.usaNarrow, ui_.intNarrow, ui_.canNarrow, ui_.modelUsa,   ui_.modelEurope, ui_.txStep, ui_.rxStep};
    for (QWidget* control : editors) control->setEnabled(editable);
    ui_.mmsi->setEnabled(editable && !ui_.mmsiByUser->isChecked());
    ui_.atis->setEnabled(editable && !ui_.atisByUser->isChecked());
    ui_.importChannels->setEnabled(editable);
    UpdateUndoActions();
}

void MainWindow::OnIdentityFieldLeft() { doc_.CommitIdentities(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == ui_.mmsi || watched == ui_.atis)) {
        // Leaving the field counts; the window losing activation (a box, another program) does not.
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) OnIdentityFieldLeft();
    }
    if (event->type() == QEvent::KeyPress && watched == ui_.channels) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnChannelDoubleClicked();
            return true;
        }
    }
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

// ---------------------------------------------------------------------------------------
// Timer

void MainWindow::OnTimerTick()
{
    if (statusCountdown_ > 0) {
        --statusCountdown_;
        if (statusCountdown_ == 0) SetStatusText(tr("Ready."));
    }
    CHidAdaptor& adaptor = app_.clone.adaptor;
    if (!adaptor.IsPresent()) adaptor.Discover();
    ShowAdaptorState(adaptor.IsPresent());
}

// ---------------------------------------------------------------------------------------
// Tools, Help and Service

void MainWindow::OnAbout()
{
    if (services_.CtrlHeld()) {
        if (dialogs_.user(this, app_, doc_.Config()) == QDialog::Accepted) UpdateTitle();
    } else {
        dialogs_.about(this, app_);
    }
}

void MainWindow::OnSystemAbout() { dialogs_.about(this, app_); }

void MainWindow::OnFeatureSetup()
{
    if (IsReading()) return;  // the read's end would drop the change
    GatherControls();
    // The dialog edits a copy: its OK makes one undoable step.
    auto edited = std::make_unique<RadioSettings>(doc_.Record());
    if (dialogs_.featureSetup(this, app_, doc_.Config(), *edited) != QDialog::Accepted) return;
    doc_.Change(tr("Feature Setup"), *edited);
    MarkModified();
}

void MainWindow::OnConfig() { dialogs_.config(this, app_, doc_.Config(), doc_.Record()); }

void MainWindow::OnEpromTools() { dialogs_.epromTools(this, app_, doc_.Config()); }

// ---------------------------------------------------------------------------------------
// Closing

void MainWindow::reject()
{
    if (closing_ || closed_ || askingToClose_) return;
    const bool ticking = timer_->isActive();
    timer_->stop();
    // The question comes before a running clone run is stopped: a Cancel leaves it alone.
    askingToClose_ = true;
    const bool mayClose = RunCloseSteps();
    askingToClose_ = false;
    if (!mayClose) {
        // Cancelled, or the offered save failed: stay open so the work can still be saved.
        if (ticking) timer_->start();
        return;
    }
    closing_ = true;
    // A running clone run is asked to stop; its outcome arrives before the window ends.
    if (IsCloneRunning()) app_.radioJobs.StopAndWait();
    closed_ = true;
    QDialog::reject();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc would close the window and so stop the run: a write would be left half done.
    // Stop and the close box stay for that.
    if (event->key() == Qt::Key_Escape && IsCloneRunning()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace qx
