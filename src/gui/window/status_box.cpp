#include "gui/window/status_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace qx {

namespace {

constexpr int kStatusTicks = 10;

}  // namespace

StatusBox::StatusBox(QWidget* parent) : QGroupBox(tr("Status"), parent)
{
    auto* layout = new QVBoxLayout(this);
    // The service options sit at the right of the status line: empty unless one is on.
    auto* row = new QHBoxLayout;
    status_ = new QLabel(tr("Ready"));
    status_->setObjectName("status");
    status_->setWordWrap(true);  // long hints wrap instead of widening the window
    options_ = new QLabel;
    options_->setObjectName("optionLine");
    options_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(status_, 1);
    row->addWidget(options_);
    layout->addLayout(row);
    progress_ = new QProgressBar;
    progress_->setObjectName("progress");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    layout->addWidget(progress_);
}

void StatusBox::SetStatus(const QString& text)
{
    SetStatusText(text);
    countdown_ = kStatusTicks;
}

void StatusBox::SetStatusText(const QString& text) { status_->setText(text); }

QString StatusBox::Text() const { return status_->text(); }

void StatusBox::Tick()
{
    if (countdown_ <= 0) return;
    if (--countdown_ == 0) SetStatusText(tr("Ready."));
}

void StatusBox::ShowOptions(const ModelConfig& options)
{
    QString text;
    if (options.logoFlag == 1) text += tr("Logo;");
    if (options.romMapFlag == 1) text += tr("Save RomMap;");
    options_->setText(text);
}

QString StatusBox::OptionText() const { return options_->text(); }

void StatusBox::SetProgressRange(int minimum, int maximum) { progress_->setRange(minimum, maximum); }

void StatusBox::SetProgress(int position) { progress_->setValue(position); }

void StatusBox::StepProgress(int step)
{
    progress_->setValue(std::min(progress_->value() + step, progress_->maximum()));
}

}  // namespace qx
