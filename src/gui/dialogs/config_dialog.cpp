#include "gui/dialogs/config_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/base/core_texts.h"
#include "gui/dialogs/dialog_frame.h"

namespace qx {

ConfigDialog::ConfigDialog(QWidget* parent, AppContext& app, ModelConfig& config,
                           [[maybe_unused]] RadioSettings& document)
    : RadioJobDialog(parent), app_(app)
{
    setWindowTitle(tr("Config Dialog"));

    auto* group = new QGroupBox(tr("HandSet Test Mode"), this);
    enable_ = new QPushButton(tr("Enable"), group);
    disable_ = new QPushButton(tr("Disable"), group);
    check_ = new QPushButton(tr("Check"), group);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(enable_);
    groupLayout->addWidget(disable_);
    groupLayout->addWidget(check_);
    connect(enable_, &QPushButton::clicked, this, &ConfigDialog::DoEnable);
    connect(disable_, &QPushButton::clicked, this, &ConfigDialog::DoDisable);
    connect(check_, &QPushButton::clicked, this, &ConfigDialog::DoCheck);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    auto* left = new QVBoxLayout;
    left->addWidget(group);
    left->addWidget(progress_);
    left->addStretch(1);
    const OkCancelButtons buttons = FrameWithOkCancel(*this, left);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;
    // No default button: every button here talks to the radio or closes the dialog, and an
    // Enter meant for something else must do neither.
    for (QPushButton* button : {enable_, disable_, check_, ok_, cancel_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    link_ = std::make_unique<ops::TestModeLink>(app_.clone, config, app_.startDirectory.toStdString());
    app_.clone.stopEvent.Reset();
}

ConfigDialog::~ConfigDialog()
{
    // The run uses this dialog's link to the radio: let it end first.
    ending_ = true;
    if (!busy_) return;
    app_.radioJobs.StopAndWait();
    app_.services.HideWaitCursor();
}

void ConfigDialog::accept()
{
    if (busy_) return;
    QDialog::accept();
}

void ConfigDialog::SetBusy(bool busy)
{
    busy_ = busy;
    for (QPushButton* button : {enable_, disable_, check_, ok_, cancel_}) button->setEnabled(!busy);
    if (busy)
        app_.services.ShowWaitCursor();
    else
        app_.services.HideWaitCursor();
}

void ConfigDialog::RunHandShake(std::function<void(CloneResult)> then)
{
    SetBusy(true);
    ops::TestModeLink* link = link_.get();
    auto work = [link](RadioJobContext& context) { return link->HandShake(&context.Progress()).code; };
    auto done = [this, then = std::move(then)](CloneResult code) {
        if (ending_) return;
        SetBusy(false);
        then(code);
        emit idle();
    };
    if (!app_.radioJobs.Start(this, progress_, std::move(work), std::move(done))) SetBusy(false);
}

void ConfigDialog::TestModeHandShake(const QString& successText)
{
    if (busy_) return;
    RunHandShake([this, successText](CloneResult code) {
        if (code == kResultOk)
            app_.services.MessageBox(this, successText, tr("Write OK"), MsgButtons::Ok, MsgIcon::None);
        else
            app_.services.MessageBox(this, FailureText(app_.clone, code), tr("Write Error"), MsgButtons::Ok,
                                     MsgIcon::Warning);
    });
}

void ConfigDialog::DoEnable() { TestModeHandShake(tr("Enable Handset Test Mode OK.")); }

void ConfigDialog::DoDisable() { TestModeHandShake(tr("Disable Handset Test Mode OK.")); }

void ConfigDialog::DoCheck()
{
    if (busy_) return;
    app_.clone.stopEvent.Reset();
    RunHandShake([this](CloneResult code) {
        // Said either way: a check that says nothing looks like one that never ran.
        if (code == kResultOk)
            app_.services.MessageBox(this, tr("The radio answered: HandShake OK."), tr("Check"), MsgButtons::Ok,
                                     MsgIcon::Information);
        else
            app_.services.MessageBox(this, FailureText(app_.clone, code), tr("Read Error"), MsgButtons::Ok,
                                     MsgIcon::Warning);
    });
}

}  // namespace qx
