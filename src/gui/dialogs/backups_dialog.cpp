#include "gui/dialogs/backups_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

#include "gui/base/core_texts.h"
#include "gui/dialogs/eeprom_job.h"
#include "operations/radio_gate.h"

namespace qx {

namespace {

enum Column { kTimeColumn, kMmsiColumn, kKindColumn, kSizeColumn, kFileColumn };

// A burst of changes (a backup written through a temporary file) is listed once.
constexpr int kRefreshDelayMs = 200;

}  // namespace

BackupsDialog::BackupsDialog(QWidget* parent, AppContext& app, const ModelConfig& options, const QString& folder)
    : RadioJobDialog(parent),
      app_(app),
      options_(options),
      folder_(folder.toStdString()),
      backups_(ListBackups(folder_))
{
    setWindowTitle(tr("Backups"));

    auto* where = new QLabel(tr("Folder: %1").arg(QDir::toNativeSeparators(folder)), this);
    where->setObjectName(QStringLiteral("backupFolder"));
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    empty_ = new QLabel(tr("No backups yet. One is made before every write to the radio."), this);
    empty_->setObjectName(QStringLiteral("noBackups"));
    BuildList();

    auto* statusLabel = new QLabel(tr("Status:"), this);
    status_ = new QLabel(tr("Ready."), this);
    status_->setObjectName(QStringLiteral("statusText"));
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(statusLabel);
    statusRow->addWidget(status_, 1);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);  // each step sets its own scale
    progress_->setValue(0);
    progress_->setTextVisible(false);
    // The HandShake's answer reaches the status while the blocks still move.
    connect(&app_.radioJobs, &RadioJobRunner::noted, this, [this](const QString& text) {
        if (busy_) status_->setText(text);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(empty_);
    layout->addWidget(list_, 1);
    layout->addLayout(statusRow);
    layout->addWidget(progress_);
    layout->addWidget(BuildButtons());

    // A backup written meanwhile (a write from the command line, a fleet run) shows up.
    watcher_ = new QFileSystemWatcher(this);
    auto* delay = new QTimer(this);
    delay->setSingleShot(true);
    delay->setInterval(kRefreshDelayMs);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, delay, qOverload<>(&QTimer::start));
    connect(delay, &QTimer::timeout, this, &BackupsDialog::Refresh);
    Watch();

    empty_->setVisible(backups_.empty());
    list_->setVisible(!backups_.empty());
    UpdateButtons();
}

void BackupsDialog::Watch()
{
    const QString folder = QString::fromStdString(folder_);
    // A folder not made yet is watched once a restore has made it.
    if (watcher_->directories().isEmpty() && QFileInfo(folder).isDir()) watcher_->addPath(folder);
}

void BackupsDialog::Refresh()
{
    if (busy_) {
        refreshWanted_ = true;
        return;
    }
    refreshWanted_ = false;
    const BackupEntry* chosen = Chosen();
    const std::string chosenPath = chosen != nullptr ? chosen->path : std::string();
    backups_ = ListBackups(folder_);
    FillList(chosenPath);
    empty_->setVisible(backups_.empty());
    list_->setVisible(!backups_.empty());
    UpdateButtons();
    Watch();
}

BackupsDialog::~BackupsDialog()
{
    // The job reports to this dialog: let it end first.
    ending_ = true;
    if (busy_) app_.radioJobs.StopAndWait();
}

void BackupsDialog::BuildList()
{
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("backupList"));
    list_->setHeaderLabels({tr("Time"), tr("MMSI"), tr("Kind"), tr("Size"), tr("File")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // A long path loses its middle, so that the file's own name stays in sight.
    list_->setTextElideMode(Qt::ElideMiddle);
    list_->setMinimumWidth(860);
    FillList({});
    connect(list_, &QTreeWidget::currentItemChanged, this, &BackupsDialog::UpdateButtons);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { DoOpen(); });
}

// One row a backup, in the order ListBackups gives (newest first); the backup at `chosenPath`
// is chosen, else the newest.
void BackupsDialog::FillList(const std::string& chosenPath)
{
    list_->clear();
    QTreeWidgetItem* chosen = nullptr;
    for (std::size_t i = 0; i < backups_.size(); ++i) {
        const BackupEntry& b = backups_[i];
        auto* row = new QTreeWidgetItem(list_);
        row->setText(kTimeColumn, QString::fromStdString(BackupTimeText(b.time)));
        row->setText(kMmsiColumn, b.mmsi.empty() ? QStringLiteral("-") : QString::fromStdString(b.mmsi));
        // What a restore of it replaces: the radio's whole memory, or only the settings a write
        // sends.
        row->setText(kKindColumn, b.Whole() ? tr("Whole EEPROM") : b.Usable() ? tr("Settings") : tr("Unknown"));
        row->setText(kSizeColumn, QString::number(b.size));
        row->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(kFileColumn, QDir::toNativeSeparators(QString::fromStdString(b.path)));
        row->setToolTip(kFileColumn, row->text(kFileColumn));
        row->setData(kTimeColumn, Qt::UserRole, static_cast<qulonglong>(i));
        if (b.path == chosenPath) chosen = row;
    }
    for (int column : {kTimeColumn, kMmsiColumn, kKindColumn, kSizeColumn}) {
        list_->resizeColumnToContents(column);
        list_->setColumnWidth(column, list_->columnWidth(column) + 16);
    }
    if (chosen == nullptr && !backups_.empty()) chosen = list_->topLevelItem(0);
    if (chosen != nullptr) list_->setCurrentItem(chosen);
}

QWidget* BackupsDialog::BuildButtons()
{
    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    restore_ = buttons->addButton(tr("Restore to Radio"), QDialogButtonBox::ActionRole);
    close_ = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    open_->setObjectName(QStringLiteral("openBackup"));
    restore_->setObjectName(QStringLiteral("restoreBackup"));
    close_->setObjectName(QStringLiteral("closeBackups"));
    connect(open_, &QPushButton::clicked, this, &BackupsDialog::DoOpen);
    connect(restore_, &QPushButton::clicked, this, &BackupsDialog::DoRestore);
    connect(close_, &QPushButton::clicked, this, &BackupsDialog::OnCloseClicked);
    return buttons;
}

QString BackupsDialog::statusText() const { return status_->text(); }

const BackupEntry* BackupsDialog::Chosen() const
{
    const QTreeWidgetItem* row = list_->currentItem();
    if (row == nullptr) return nullptr;
    const auto index = row->data(kTimeColumn, Qt::UserRole).toULongLong();
    return index < backups_.size() ? &backups_[index] : nullptr;
}

void BackupsDialog::UpdateButtons()
{
    const bool chosen = !busy_ && Chosen() != nullptr;
    open_->setEnabled(chosen);
    restore_->setEnabled(chosen);
    list_->setEnabled(!busy_);
}

void BackupsDialog::SetBusy(bool busy)
{
    busy_ = busy;
    close_->setText(busy ? tr("Stop") : tr("Close"));
    UpdateButtons();
    MarkRadioBusy(app_, busy);
    if (!busy && refreshWanted_) Refresh();
}

void BackupsDialog::DoOpen()
{
    const BackupEntry* chosen = Chosen();
    if (busy_ || chosen == nullptr) return;
    chosenPath_ = QString::fromStdString(chosen->path);
    accept();
}

void BackupsDialog::ShowRestoreError(const QString& text, bool sent)
{
    status_->setText(tr("Restore failed."));
    if (ending_) return;
    // A transfer that started may have replaced part of the radio's memory.
    const QString informative = sent ? tr("The radio may now hold part of the backup. Restore it again to finish.")
                                     : tr("Nothing was written to the radio.");
    app_.services.MessageBoxWithInfo(this, text, informative, tr("Restore Error"), MsgButtons::Ok, MsgIcon::Warning);
}

void BackupsDialog::DoRestore()
{
    const BackupEntry* chosen = Chosen();
    if (busy_ || chosen == nullptr) return;
    const QString when = QString::fromStdString(BackupTimeText(chosen->time));
    const QString mmsi = chosen->mmsi.empty() ? tr("none") : QString::fromStdString(chosen->mmsi);
    const QString question = chosen->Whole()
                                 ? tr("Write the backup of %1 (MMSI %2) back to the radio? The radio's whole "
                                      "memory is replaced by it.")
                                       .arg(when, mmsi)
                                 : tr("Write the backup of %1 (MMSI %2) back to the radio? The radio's settings are "
                                      "replaced by it.")
                                       .arg(when, mmsi);
    if (!app_.services.ConfirmRisk(this, question, tr("Restore to Radio"))) return;

    // The file is read now, whole, so that nothing is sent from a backup that is not one.
    std::vector<uint8_t> dump;
    std::string problem;
    int first = 0;
    if (!LoadBackupDump(chosen->path, dump, problem, &first)) {
        ShowRestoreError(QString::fromStdString(problem), false);
        return;
    }

    // First what the radio holds now is read, while it is held for this restore; it is kept
    // only once the restore goes on.
    status_->setText(tr("Reading the radio..."));
    stopAsked_ = false;
    SetBusy(true);
    auto restore = std::make_shared<GateSteps>();
    ops::BackupPlan plan;
    plan.kind = ops::BackupKind::Written;  // what the restore replaces: the whole EEPROM or the clone range
    plan.folder = folder_;
    plan.time = app_.clone.clock();
    auto done = [this, restore](CloneResult code) {
        if (code == kResultOk) {
            RestoreAfterRead(restore);
            return;
        }
        const std::string reason = restore->Reason();
        restore->open.reset();
        SetBusy(false);
        progress_->setValue(0);
        ShowRestoreError(FailureText(app_.clone, code, reason), false);
        emit idle();
    };
    if (!StartOpenJob(app_, this, progress_, options_, restore, ops::RadioChange::Bytes(first, std::move(dump)),
                      std::move(plan), std::move(done))) {
        SetBusy(false);
        status_->setText(tr("Ready."));
    }
}

void BackupsDialog::RestoreAfterRead(const std::shared_ptr<GateSteps>& restore)
{
    progress_->setValue(0);
    // A Stop that came as the read ended still counts: nothing has been kept or sent yet.
    if (ending_ || stopAsked_) {
        restore->open.reset();
        SetBusy(false);
        status_->setText(tr("User Cancel."));
        emit idle();
        return;
    }
    const std::vector<IdentityReplacement>& replaced = restore->open->Found().replaced;
    if (!replaced.empty() && !AskToReplace(IdentityQuestion(replaced))) {
        // The radio goes free as it was, and no backup of it is kept.
        restore->open.reset();
        SetBusy(false);
        status_->setText(tr("Restore cancelled: identity kept."));
        emit idle();
        return;
    }
    status_->setText(tr("Waiting for the radio..."));
    auto done = [this, restore](CloneResult code) { RestoreDone(restore, code); };
    if (!StartPassJob(app_, this, progress_, options_, tr("Restoring..."), restore, std::move(done))) {
        restore->open.reset();
        SetBusy(false);
        status_->setText(tr("Ready."));
        emit idle();
    }
}

void BackupsDialog::RestoreDone(const std::shared_ptr<GateSteps>& restore, CloneResult code)
{
    restore->open.reset();
    SetBusy(false);
    progress_->setValue(0);
    const ops::ChangeOutcome& passed = restore->passed;
    if (code == kResultOk) {
        // The way back from this restore, named while the user still looks.
        const QString kept = QFileInfo(QString::fromStdString(passed.backup.path)).fileName();
        status_->setText(kept.isEmpty() ? tr("Restore OK.")
                                        : tr("Restore OK. The radio's previous contents were saved to %1.").arg(kept));
    } else if (!passed.sent && !passed.backup.problem.empty()) {
        ShowRestoreError(tr("No backup of the radio could be made, so nothing was written to it.\n%1")
                             .arg(QString::fromStdString(passed.backup.problem)),
                         false);
    } else {
        ShowRestoreError(FailureText(app_.clone, code, passed.reason), passed.sent);
    }
    // The backup taken before the restore joins the list.
    Refresh();
    emit idle();
}

bool BackupsDialog::AskToReplace(const QString& question)
{
    // The radio waits, claimed, while the user reads: no wait cursor over the question.
    MarkRadioBusy(app_, false);
    const bool yes = app_.services.ConfirmRisk(this, question, tr("Restore to Radio"));
    MarkRadioBusy(app_, true);
    return yes;
}

void BackupsDialog::OnCloseClicked()
{
    if (!busy_) {
        reject();
        return;
    }
    // The outcome comes back as any other: the radio holds part of the backup by then.
    status_->setText(tr("Stopping..."));
    stopAsked_ = true;
    app_.radioJobs.Stop();
}

}  // namespace qx
