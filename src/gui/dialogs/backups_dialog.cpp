#include "gui/dialogs/backups_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

#include "gui/base/core_texts.h"
#include "gui/dialogs/eeprom_job.h"

namespace qx {

namespace {

enum Column { kTimeColumn, kMmsiColumn, kSizeColumn, kFileColumn };

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
    progress_->setRange(0, kEepromTransferBlocks);
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

    empty_->setVisible(backups_.empty());
    list_->setVisible(!backups_.empty());
    UpdateButtons();
}

BackupsDialog::~BackupsDialog()
{
    // The job reports to this dialog: let it end first.
    ending_ = true;
    if (busy_) app_.radioJobs.StopAndWait();
}

// One row a backup, in the order ListBackups gives (newest first); the newest is chosen.
void BackupsDialog::BuildList()
{
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("backupList"));
    list_->setHeaderLabels({tr("Time"), tr("MMSI"), tr("Size"), tr("File")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t i = 0; i < backups_.size(); ++i) {
        const BackupEntry& b = backups_[i];
        auto* row = new QTreeWidgetItem(list_);
        row->setText(kTimeColumn, QString::fromStdString(BackupTimeText(b.time)));
        row->setText(kMmsiColumn, b.mmsi.empty() ? QStringLiteral("-") : QString::fromStdString(b.mmsi));
        row->setText(kSizeColumn, QString::number(b.size));
        row->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(kFileColumn, QDir::toNativeSeparators(QString::fromStdString(b.path)));
        row->setToolTip(kFileColumn, row->text(kFileColumn));
        row->setData(kTimeColumn, Qt::UserRole, static_cast<qulonglong>(i));
    }
    // A long path loses its middle, so that the file's own name stays in sight.
    list_->setTextElideMode(Qt::ElideMiddle);
    for (int column : {kTimeColumn, kMmsiColumn, kSizeColumn}) {
        list_->resizeColumnToContents(column);
        list_->setColumnWidth(column, list_->columnWidth(column) + 16);
    }
    list_->setMinimumWidth(760);
    if (!backups_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
    connect(list_, &QTreeWidget::currentItemChanged, this, &BackupsDialog::UpdateButtons);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { DoOpen(); });
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
    const QString question = tr("Write the backup of %1 (MMSI %2) back to the radio? The radio's whole "
                                "memory is replaced by it.")
                                 .arg(QString::fromStdString(BackupTimeText(chosen->time)),
                                      chosen->mmsi.empty() ? tr("none") : QString::fromStdString(chosen->mmsi));
    if (!app_.services.ConfirmRisk(this, question, tr("Restore to Radio"))) return;

    // The file is read now, whole, so that nothing is sent from a backup that is not one.
    std::vector<uint8_t> dump;
    std::string problem;
    if (!LoadBackupDump(chosen->path, dump, problem)) {
        ShowRestoreError(QString::fromStdString(problem), false);
        return;
    }

    // What the radio holds now is kept first, as before every write.
    status_->setText(tr("Backing up the radio..."));
    stopAsked_ = false;
    SetBusy(true);
    auto made = std::make_shared<ops::WritePreparation>();
    auto shared = std::make_shared<const std::vector<uint8_t>>(std::move(dump));
    const LocalTime now = app_.clone.clock();
    auto operation = [made, shared, folder = folder_, now](const OperationContext& run) {
        *made = ops::PrepareRestore(run, *shared, folder, now);
        return made->code;
    };
    auto done = [this, made, shared](CloneResult code) {
        if (code == kResultOk) {
            RestoreAfterBackup(shared, *made);
            return;
        }
        SetBusy(false);
        progress_->setValue(0);
        const std::string& problem = made->backup.problem;
        ShowRestoreError(problem.empty() ? ResultText(code) : QString::fromStdString(problem), false);
        emit idle();
    };
    if (!StartEepromJob(app_, this, progress_, options_, QString(), std::move(operation), std::move(done))) {
        SetBusy(false);
        status_->setText(tr("Ready."));
    }
}

void BackupsDialog::RestoreAfterBackup(const std::shared_ptr<const std::vector<uint8_t>>& dump,
                                       const ops::WritePreparation& made)
{
    progress_->setValue(0);
    // A Stop that came as the backup ended still counts: nothing has been sent yet.
    if (ending_ || stopAsked_) {
        SetBusy(false);
        status_->setText(tr("User Cancel."));
        emit idle();
        return;
    }
    if (!made.replaced.empty() &&
        !app_.services.ConfirmRisk(this, IdentityQuestion(made.replaced), tr("Restore to Radio"))) {
        SetBusy(false);
        status_->setText(tr("Restore cancelled: identity kept."));
        emit idle();
        return;
    }
    status_->setText(tr("Waiting for the radio..."));
    auto operation = [dump, made](const OperationContext& run) { return ops::FinishRestore(run, *dump, made).code; };
    auto done = [this](CloneResult code) {
        SetBusy(false);
        if (code == kResultOk)
            status_->setText(tr("Restore OK."));
        else
            ShowRestoreError(ResultText(code), true);
        progress_->setValue(0);
        emit idle();
    };
    if (!StartEepromJob(app_, this, progress_, options_, tr("Restoring..."), std::move(operation), std::move(done))) {
        SetBusy(false);
        status_->setText(tr("Ready."));
        emit idle();
    }
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
