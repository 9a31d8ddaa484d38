// A whole-EEPROM transfer run as a radio job, as the EEPROM tools and the backups dialog run
// one: the controls they lock, the radio job and its progress.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "gui/base/app_context.h"
#include "gui/base/radio_job_runner.h"
#include "operations/eeprom_operations.h"
#include "operations/radio_gate.h"

class QObject;
class QProgressBar;

namespace qx {

using EepromOperation = std::function<CloneResult(const OperationContext&)>;

// The wait cursor while the program is busy with the radio (whether a job runs is the runner's), or not.
void MarkRadioBusy(AppContext& app, bool busy);

// Starts `operation` on the radio job runner with a copy of `options`; its blocks drive `bar`.
// The bar stays where the transfer ended, for `done` to empty after showing the outcome.
// `afterHandShake` (unless empty) is noted once the radio has answered the HandShake. False
// when another job runs.
bool StartEepromJob(AppContext& app, QObject* owner, QProgressBar* bar, const ModelConfig& options,
                    const QString& afterHandShake, EepromOperation operation, RadioJobRunner::Done done);

// A change of the radio's EEPROM through the gate as two radio jobs, with the user's question
// between them on the UI thread: the radio stays claimed from the first job to the end of the
// second, or until `open` is dropped (which keeps nothing and sends nothing).
struct GateSteps {
    std::unique_ptr<ops::OpenChange> open;  // after the first job: the radio claimed and read
    ops::ChangeOutcome passed;              // after the second
    // The words for a failure of either job: the adaptor's, or who holds the radio.
    [[nodiscard]] std::string Reason() const { return open ? open->Found().reason : passed.reason; }
};

// The first job: claims the radio and reads what `change` replaces into `steps->open`.
bool StartOpenJob(AppContext& app, QObject* owner, QProgressBar* bar, const ModelConfig& options,
                  const std::shared_ptr<GateSteps>& steps, ops::RadioChange change, ops::BackupPlan plan,
                  RadioJobRunner::Done done);
// The second, once the user has agreed (or nothing is replaced): keeps the backup and writes.
bool StartPassJob(AppContext& app, QObject* owner, QProgressBar* bar, const ModelConfig& options,
                  const QString& afterHandShake, const std::shared_ptr<GateSteps>& steps, RadioJobRunner::Done done);

}  // namespace qx
