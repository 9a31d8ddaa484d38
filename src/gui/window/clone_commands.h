// The Clone commands of the window: Write to Radio, Read from Radio, Verify and HandShake. Each
// starts a run of the clone controller when none runs, or asks the running one to stop; the
// outcome comes back to the document, the status line and, where it must be read, a box.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "gui/base/clone_controller.h"

namespace qx {

class CloneDocument;
class StatusBox;
class ToolCommands;
struct AppContext;

// Where the window stands on closing: no boxes for a window the user has left, and no write
// begun while its close question is open.
struct WindowClosing {
    bool asking = false;  // the close steps' save question is open
    bool closing = false;
    bool closed = false;
    bool Leaving() const { return asking || closing || closed; }
};

// File / Back up the radio before writing, and whether that backup keeps the whole EEPROM.
struct BackupChoice {
    bool wanted = true;
    bool whole = false;
};

class CloneCommands : public QObject {
    Q_OBJECT

public:
    // `backupChoice`: the File menu's backup settings as they are now.
    CloneCommands(AppContext& app, CloneDocument& document, CloneController& controller, StatusBox& status,
                  ToolCommands& tools, const WindowClosing& closing, std::function<BackupChoice()> backupChoice,
                  QWidget* window);

    void OnWriteToRadio();
    void OnReadFromRadio();
    void OnVerify();
    void OnHandShake();

    bool IsRunning() const { return controller_.IsRunning(); }
    CloneKind RunningKind() const { return controller_.RunningKind(); }
    bool IsWriting() const { return controller_.IsWriting(); }

private:
    AppContext& app_;
    CloneDocument& document_;
    CloneController& controller_;
    StatusBox& status_;
    ToolCommands& tools_;
    const WindowClosing& closing_;
    std::function<BackupChoice()> backupChoice_;
    QWidget* window_;

    void StartOrStop(CloneKind kind);
    // Between the Write's two jobs: a radio that holds another boat's identity is written only
    // after a deliberate Yes.
    CloneController::WriteGo AskToWrite(const std::vector<IdentityReplacement>& replaced);
    void Finished(const CloneOutcome& outcome);
    void FinishRead(const CloneOutcome& outcome);
    void FinishVerify(const CloneOutcome& outcome);
    void FinishWrite(const CloneOutcome& outcome);
    void ShowFailure(const CloneOutcome& outcome, const QString& caption, const QString& informative = {});
};

}  // namespace qx
