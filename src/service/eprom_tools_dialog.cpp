#include "service/eprom_tools_dialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "document/atomic_file.h"

namespace qx {

EpromToolsDialog::EpromToolsDialog(QWidget* parent, AppContext& app, ModelConfig& config)
    : QDialog(parent), app_(app), config_(config)
{
    setWindowTitle(QStringLiteral("Eprom Tools Dialog"));

    menuBar_ = new QMenuBar(this);
    QMenu* clone = menuBar_->addMenu(QStringLiteral("Clone"));
    write_ = clone->addAction(QStringLiteral("Write"));
    read_ = clone->addAction(QStringLiteral("Read"));
    verify_ = clone->addAction(QStringLiteral("Verify"));
    connect(write_, &QAction::triggered, this, &EpromToolsDialog::DoWrite);
    connect(read_, &QAction::triggered, this, &EpromToolsDialog::DoRead);
    connect(verify_, &QAction::triggered, this, &EpromToolsDialog::DoVerify);

    auto* statusLabel = new QLabel(QStringLiteral("Status:"), this);
    status_ = new QLabel(QStringLiteral("Ready."), this);
    status_->setObjectName(QStringLiteral("statusText"));
    status_->setMinimumWidth(status_->fontMetrics().horizontalAdvance(QStringLiteral("Verify Error!")) * 2);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, kEepromBlocks);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMinimumWidth(320);
    sink_.Attach(progress_);

    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
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

QString EpromToolsDialog::statusText() const
{
    return status_->text();
}

void EpromToolsDialog::reject()
{
    // A transfer ends by itself; the dialog closes only between operations.
    if (busy_) return;
    QDialog::reject();
}

void EpromToolsDialog::closeEvent(QCloseEvent* event)
{
    if (busy_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

FileDialogRequest EpromToolsDialog::DumpFileRequest()
{
    FileDialogRequest request;
    request.directory = app_.services.CurrentDirectory();
    request.pattern = QStringLiteral("*.Bin");
    request.filter = QStringLiteral("EEPROM files (*.Bin)");
    request.defaultSuffix = QStringLiteral("Bin");
    return request;
}

void EpromToolsDialog::SetStatus(const QString& text)
{
    status_->setText(text);
}

void EpromToolsDialog::SetBusy(bool busy)
{
    busy_ = busy;
    menuBar_->setEnabled(!busy);
    cancel_->setEnabled(!busy);
    if (busy) {
        app_.busyEvent.Set();
        app_.services.ShowWaitCursor();
    } else {
        app_.services.HideWaitCursor();
        app_.busyEvent.Reset();
    }
}

CloneResult EpromToolsDialog::Run(CPcClone& clone, const std::function<CloneResult(CPcClone&)>& step)
{
    return RunOffUiThread([&] { return step(clone); });
}

void EpromToolsDialog::PrepareProgress()
{
    progress_->setRange(0, kEepromBlocks);
    sink_.SetStep(1);
    progress_->setValue(0);
}

void EpromToolsDialog::EmptyProgress()
{
    progress_->setValue(0);
}

void EpromToolsDialog::ShowOpenFileError(const QString& path)
{
    app_.services.MessageBox(this, QStringLiteral("Open File Error:\n%1").arg(QDir::toNativeSeparators(path)),
                             QStringLiteral("Open File Error"), MsgButtons::Ok, MsgIcon::Warning);
}

void EpromToolsDialog::ShowFailure(const QString& caption, CloneResult code)
{
    app_.services.MessageBox(this, QString::fromStdString(DescribeResult(code)), caption, MsgButtons::Ok,
                             MsgIcon::Information);
}

// Loads a dump into the write image. A file shorter than the EEPROM is refused: its missing
// tail would otherwise be whatever an earlier operation left in the image.
bool EpromToolsDialog::LoadDumpFile(const QString& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path.toStdString(), bytes, kEepromSize)) {
        ShowOpenFileError(path);
        return false;
    }
    if (bytes.size() < static_cast<std::size_t>(kEepromSize)) {
        app_.services.MessageBox(this, QString::fromStdString(DescribeResult(kResultUnknownFormat)),
                                 QStringLiteral("Open File Error"), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), app_.clone.writeImage.begin());
    return true;
}

void EpromToolsDialog::DoWrite()
{
    if (busy_) return;
    const QString path = app_.services.ChooseOpenFile(this, DumpFileRequest());
    if (path.isEmpty()) return;
    if (!LoadDumpFile(path)) return;

    CPcClone clone(app_.clone);
    clone.options = &config_;
    clone.progress = &sink_;
    clone.directory = app_.startDirectory.toStdString();
    // A stop left over from an earlier run must not cancel this one before it starts.
    app_.clone.stopEvent.Reset();

    SetBusy(true);
    CloneResult code = Run(clone, [](CPcClone& c) { return c.HandShake(); });
    PrepareProgress();
    if (code == kResultOk) {
        SetStatus(QStringLiteral("Writing..."));
        code = Run(clone, [](CPcClone& c) { return c.WriteRange(0, kEepromSize); });
    }
    SetBusy(false);

    if (code != kResultOk) {
        SetStatus(QStringLiteral("Write Error!"));
        ShowFailure(QStringLiteral("Write Error"), code);
    } else {
        SetStatus(QStringLiteral("Write OK!"));
    }
    EmptyProgress();
}

void EpromToolsDialog::DoRead()
{
    if (busy_) return;
    const QString path = app_.services.ChooseSaveFile(this, DumpFileRequest());
    if (path.isEmpty()) return;
    SetStatus(QStringLiteral("Reading..."));

    CPcClone clone(app_.clone);
    clone.options = &config_;
    clone.progress = &sink_;
    clone.directory = app_.startDirectory.toStdString();
    app_.clone.stopEvent.Reset();

    SetBusy(true);
    CloneResult code = Run(clone, [](CPcClone& c) { return c.HandShake(); });
    PrepareProgress();
    app_.clone.readImage.fill(0);
    if (code == kResultOk) code = Run(clone, [](CPcClone& c) { return c.ReadRange(0, kEepromSize); });
    SetBusy(false);

    if (code == kResultOk) {
        if (WriteFileAtomically(path.toStdString(), app_.clone.readImage.data(), kEepromSize)) {
            SetStatus(QStringLiteral("Read OK!"));
        } else {
            ShowOpenFileError(path);
            code = kResultOpenFileError;
        }
    }
    if (code != kResultOk) {
        SetStatus(QStringLiteral("Read Error!"));
        ShowFailure(QStringLiteral("Read Error"), code);
    }
    EmptyProgress();
}

void EpromToolsDialog::DoVerify()
{
    if (busy_) return;
    const QString path = app_.services.ChooseOpenFile(this, DumpFileRequest());
    if (path.isEmpty()) return;
    if (!LoadDumpFile(path)) return;

    CPcClone clone(app_.clone);
    clone.options = &config_;
    clone.progress = &sink_;
    clone.directory = app_.startDirectory.toStdString();
    app_.clone.stopEvent.Reset();

    SetBusy(true);
    CloneResult code = Run(clone, [](CPcClone& c) { return c.HandShake(); });
    PrepareProgress();
    if (code == kResultOk) {
        SetStatus(QStringLiteral("Verifing..."));
        app_.clone.readImage.fill(0);
        code = Run(clone, [](CPcClone& c) { return c.ReadRange(0, kEepromSize); });
    }
    SetBusy(false);

    if (code != kResultOk) {
        SetStatus(QStringLiteral("Verify Error!"));
        ShowFailure(QStringLiteral("Verify Error"), code);
    } else {
        const auto& written = app_.clone.writeImage;
        const auto& read = app_.clone.readImage;
        int differences = 0;
        for (int i = 0; i < kEepromSize; ++i)
            if (written[i] != read[i]) ++differences;
        if (differences != 0) {
            app_.services.MessageBox(this, QStringLiteral("Difference = %1").arg(differences),
                                     QStringLiteral("Verify Error"), MsgButtons::Ok, MsgIcon::Information);
            SetStatus(QStringLiteral("Verify Error!"));
        } else {
            SetStatus(QStringLiteral("Verify OK!"));
        }
    }
    EmptyProgress();
}

}  // namespace qx
