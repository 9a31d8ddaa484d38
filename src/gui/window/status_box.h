// The window's "Status" box: the status line with its countdown back to "Ready.", the service
// options at its right, and the progress bar of the running clone run.
#pragma once

#include <QGroupBox>

#include "files/model_config.h"

class QLabel;
class QProgressBar;

namespace qx {

class StatusBox : public QGroupBox {
    Q_OBJECT

public:
    explicit StatusBox(QWidget* parent = nullptr);

    // Also arms the ten-tick countdown back to "Ready.".
    void SetStatus(const QString& text);
    // Without the countdown; a countdown left from an earlier message goes on.
    void SetStatusText(const QString& text);
    // The status line as it reads now.
    QString Text() const;
    // A countdown left from an earlier message must not put "Ready." over a running job.
    void StopCountdown() { countdown_ = 0; }
    int Countdown() const { return countdown_; }
    // The one-second tick.
    void Tick();
    void ShowOptions(const ModelConfig& options);
    // The service options that are on, as the line at the right names them.
    QString OptionText() const;

    // The running job's progress.
    void SetProgressRange(int minimum, int maximum);
    void SetProgress(int position);
    // Past the top the bar stays full rather than wrapping to the bottom.
    void StepProgress(int step);

private:
    QLabel* status_ = nullptr;
    QLabel* options_ = nullptr;
    QProgressBar* progress_ = nullptr;
    int countdown_ = 0;
};

}  // namespace qx
