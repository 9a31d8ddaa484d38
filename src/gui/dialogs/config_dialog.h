// Handset test mode: "Enable", "Disable" and "Check", each one HandShake with the radio.
#pragma once

#include <functional>
#include <memory>

#include "gui/base/app_context.h"
#include "gui/base/radio_job_runner.h"
#include "gui/dialogs/radio_job_dialog.h"
#include "operations/radio_operations.h"

class QProgressBar;
class QPushButton;

namespace qx {

class ConfigDialog : public RadioJobDialog {
    Q_OBJECT
public:
    ConfigDialog(QWidget* parent, AppContext& app, ModelConfig& config, RadioSettings& document);
    ~ConfigDialog() override;

    // The three buttons' operations (the buttons call these). Each runs one HandShake as a
    // radio job: the outcome shows, and `idle` is signalled, when it comes back.
    void DoEnable();
    void DoDisable();
    void DoCheck();

    QPushButton* enableButton() const { return enable_; }
    QPushButton* disableButton() const { return disable_; }
    QPushButton* checkButton() const { return check_; }
    QProgressBar* progressBar() const { return progress_; }

public slots:
    void accept() override;

private:
    AppContext& app_;
    QPushButton* enable_;
    QPushButton* disable_;
    QPushButton* check_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QProgressBar* progress_;
    std::unique_ptr<ops::TestModeLink> link_;  // lives as long as the dialog, with its log
    bool ending_ = false;                      // destroyed while a HandShake runs: its outcome is not shown

    void RunHandShake(std::function<void(CloneResult)> then);
    void SetBusy(bool busy);
    void TestModeHandShake(const QString& successText);
};

}  // namespace qx
