#include "gui/dialogs/eeprom_tools_dialog.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <string>

#include "gui/base/core_texts.h"

namespace qx {

EpromToolsDialog::EpromToolsDialog(QWidget* parent, AppContext& app, ModelConfig& config)
    : RadioJobDialog(parent), app_(app), config_(config)
{
    setWindowTitle(tr("Eprom Tools Dialog"));

    menuBar_ = new QMenuBar(this);
    // Underlined letters for the keyboard; the texts stay the classic ones.
    QMenu* clone = menuBar_->addMenu(tr("&Clone"));
    write_ = clone->addAction(tr("&Write"));
    read_ = clone->addAction(tr("&Read"));
    verify_ = clone->addAction(tr("&Verify"));
    connect(write_, &QAction::triggered, this, &EpromToolsDialog::DoWrite);
    connect(read_, &QAction::triggered, this, &EpromToolsDialog::DoRead);
    connect(verify_, &QAction::triggered, this, &EpromToolsDialog::DoVerify);

    auto* statusLabel = new QLabel(tr("Status:"), this);
    status_ = new QLabel(tr("Ready."), this);
    status_->setObjectName(QStringLiteral("statusText"));
    status_->setMinimumWidth(status_->fontMetrics().horizontalAdvance(tr("Verify Error!")) * 2);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, kEepromTransferBlocks);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMinimumWidth(320);
    // The HandShake's answer reaches the status while the blocks still move.
    connect(&app_.radioJobs, &RadioJobRunner::noted, this, [this](const QString& text) {
        if (busy_) SetStatus(text);
    });

    cancel_ = new QPushButton(tr("Cancel"), this);
    connect(cancel_, &QPushButton::clicked, this, &EpromToolsDialog::reject);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(statusLabel);
    statusRow->addWidget(status_, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addLayout(statusRow);
    layout->addWidget(progress_);
    layout->addSpacing(8);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString EpromToolsDialog::statusText() const { return status_->text(); }

FileDialogRequest EpromToolsDialog::DumpFileRequest()
{
    FileDialogRequest request;
    request.directory = app_.services.CurrentDirectory();
    request.pattern = QStringLiteral("*.Bin");
    request.filter = tr("EEPROM files (*.Bin)");
    request.defaultSuffix = QStringLiteral("Bin");
    return request;
}

void EpromToolsDialog::SetStatus(const QString& text) { status_->setText(text); }

void EpromToolsDialog::SetBusy(bool busy)
{
    busy_ = busy;
    menuBar_->setEnabled(!busy);
    cancel_->setEnabled(!busy);
    MarkRadioBusy(app_, busy);
}

// One whole-EEPROM operation as a radio job, with the controls locked meanwhile.
// `afterHandShake` is the status shown once the radio has answered the HandShake; `then`
// shows the outcome.
void EpromToolsDialog::Run(const QString& afterHandShake, Operation operation, std::function<void(CloneResult)> then)
{
    SetBusy(true);
    auto done = [this, then = std::move(then)](CloneResult code) {
        SetBusy(false);
        then(code);
        EmptyProgress();
        emit idle();
    };
    if (!StartEepromJob(app_, this, progress_, config_, afterHandShake, std::move(operation), std::move(done)))
        SetBusy(false);
}

void EpromToolsDialog::EmptyProgress() { progress_->setValue(0); }

void EpromToolsDialog::ShowOpenFileError(const QString& path)
{
    app_.services.MessageBox(this, tr("Open File Error:\n%1").arg(QDir::toNativeSeparators(path)),
                             tr("Open File Error"), MsgButtons::Ok, MsgIcon::Warning);
}

void EpromToolsDialog::ShowFailure(const QString& caption, CloneResult code)
{
    app_.services.MessageBox(this, ResultText(code), caption, MsgButtons::Ok, MsgIcon::Information);
}

// The dump that "Write" and "Verify" work from. A file shorter than the EEPROM is refused: its
// missing tail would otherwise be whatever an earlier operation left in the write image.
bool EpromToolsDialog::ChooseDumpFile(std::vector<uint8_t>& bytes)
{
    const QString path = app_.services.ChooseOpenFile(this, DumpFileRequest());
    if (path.isEmpty()) return false;
    const CloneResult code = LoadEepromFile(path.toStdString(), bytes);
    if (code == kResultOpenFileError) {
        ShowOpenFileError(path);
    } else if (code != kResultOk) {
        app_.services.MessageBox(this, ResultText(code), tr("Open File Error"), MsgButtons::Ok, MsgIcon::Warning);
    }
    return code == kResultOk;
}

void EpromToolsDialog::DoWrite()
{
    if (busy_) return;
    std::vector<uint8_t> bytes;
    if (!ChooseDumpFile(bytes)) return;

    Run(
        tr("Writing..."), [bytes = std::move(bytes)](const OperationContext& run) { return WriteEeprom(run, bytes); },
        [this](CloneResult code) {
            if (code != kResultOk) {
                SetStatus(tr("Write Error!"));
                ShowFailure(tr("Write Error"), code);
            } else {
                SetStatus(tr("Write OK!"));
            }
        });
}

void EpromToolsDialog::DoRead()
{
    if (busy_) return;
    const QString path = app_.services.ChooseSaveFile(this, DumpFileRequest());
    if (path.isEmpty()) return;
    SetStatus(tr("Reading..."));

    // The file is written atomically and only after a complete read; a read never fails with
    // the file's own code, so that code means the file could not be written.
    const std::string target = path.toStdString();
    Run(
        QString(), [target](const OperationContext& run) { return ReadEepromToFile(run, target); },
        [this, path](CloneResult code) {
            if (code == kResultOpenFileError) ShowOpenFileError(path);
            if (code != kResultOk) {
                SetStatus(tr("Read Error!"));
                ShowFailure(tr("Read Error"), code);
            } else {
                SetStatus(tr("Read OK!"));
            }
        });
}

void EpromToolsDialog::DoVerify()
{
    if (busy_) return;
    std::vector<uint8_t> bytes;
    if (!ChooseDumpFile(bytes)) return;

    // Written by the job, read by the outcome after the job has ended.
    auto differences = std::make_shared<int>(0);
    Run(
        tr("Verifing..."),
        [bytes = std::move(bytes), differences](const OperationContext& run) {
            return VerifyEeprom(run, bytes, *differences);
        },
        [this, differences](CloneResult code) {
            if (code != kResultOk) {
                SetStatus(tr("Verify Error!"));
                ShowFailure(tr("Verify Error"), code);
            } else if (*differences != 0) {
                app_.services.MessageBox(this, tr("Difference = %1").arg(*differences), tr("Verify Error"),
                                         MsgButtons::Ok, MsgIcon::Information);
                SetStatus(tr("Verify Error!"));
            } else {
                SetStatus(tr("Verify OK!"));
            }
        });
}

}  // namespace qx
