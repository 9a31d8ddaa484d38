// The window's four clone commands (Read, Write, Verify, HandShake) as runs on the program's one
// radio job runner. A run works on copies taken when it starts; its start, progress and outcome
// come back as signals on the UI thread. A Write passes the gate in two jobs: the radio is
// claimed and read first; then, once the window has agreed to any identity the write replaces,
// backed up and written. Between them the run holds the radio.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clone/clone_environment.h"
#include "files/model_config.h"
#include "identity/radio_identity.h"
#include "model/radio_settings.h"
#include "operations/backup_operations.h"
#include "result/clone_result.h"

namespace qx {

class RadioJobContext;
class RadioJobRunner;

enum class CloneKind : int { None = 0, Write = 1, Read = 2, Verify = 3, HandShake = 4 };

// What a run starts with, copied from the window before it starts: edits made meanwhile
// cannot reach it.
struct CloneRequest {
    CloneKind kind = CloneKind::None;
    RadioSettings record{};  // Write: what is sent; Verify: what the radio should hold
    ModelConfig options{};
    // The User dialog may change the adjust mode during a run: the run keeps the value it
    // started with.
    int32_t adjustMode = 0;
    std::string directory;     // the communication log, the ROM maps and the verify report
    std::string backupFolder;  // Write: the radio is backed up here first; "": not backed up
    bool wholeBackup = false;  // Write: the backup keeps the whole EEPROM, not only what the write replaces
};

// What a run brought back.
struct CloneOutcome {
    CloneKind kind = CloneKind::None;
    CloneResult code = kResultOk;
    std::string reason;            // the operating system's words for an adaptor failure
    RadioSettings record{};        // Read: what the radio holds
    std::string fileCheckProblem;  // Read: why a clone file of it would not open again
    int comparison = 0;            // Verify: the report's outcome
    std::string reportPath;        // Verify: the report
    bool backupAsked = false;      // Write: the radio was to be backed up first
    BackupResult backup;           // Write: the backup, and the identities the radio held
    bool sent = false;             // Write: blocks may have reached the radio
    bool identityKept = false;     // Write: the window said No to replacing an identity
};

class CloneController : public QObject {
    Q_OBJECT

public:
    // Between a Write's two jobs, on the UI thread.
    enum class WriteGo { Write, KeepIdentity, Stop };
    using WriteQuestion = std::function<WriteGo(const std::vector<IdentityReplacement>& replaced)>;

    CloneController(CloneEnvironment& environment, RadioJobRunner& runner, QObject* parent = nullptr);
    ~CloneController() override;

    // Asked before a Write sends anything; without it a write that would change or clear an
    // identity the radio holds keeps it and sends nothing.
    void SetWriteQuestion(WriteQuestion question) { question_ = std::move(question); }

    // Starts a run unless one runs or the runner is busy with another job (then false).
    bool Start(const CloneRequest& request);
    // Asks the running run to stop; it ends at its next check.
    void Stop();
    // A run has started and its outcome has not come back (also between a Write's two jobs).
    bool IsRunning() const { return run_ != nullptr; }
    CloneKind RunningKind() const;
    // A Write past its question: the backup is being kept, or blocks are reaching the radio.
    bool IsWriting() const;

signals:
    void started(CloneKind kind);
    // A Write's blocks start to go to the radio.
    void writing();
    void noted(const QString& text);
    // The job's progress, as the runner reports it.
    void progressRangeChanged(int minimum, int maximum);
    void progressChanged(int position);
    void progressStepped(int step);
    void finished(const CloneOutcome& outcome);

private:
    struct Run;

    CloneEnvironment& environment_;
    RadioJobRunner& runner_;
    WriteQuestion question_;
    std::shared_ptr<Run> run_;

    void StartJob();
    void JobDone(CloneResult result);
    void Finish(CloneResult result);
    static CloneResult Work(Run& run, CloneEnvironment& shared, RadioJobContext& context);
};

}  // namespace qx
