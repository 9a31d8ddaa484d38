// A whole-EEPROM transfer run as a radio job, as the EEPROM tools and the backups dialog run
// one: the controls they lock, the radio job and its progress.
#pragma once

#include <QString>
#include <functional>

#include "gui/base/app_context.h"
#include "gui/base/radio_job_runner.h"
#include "operations/eeprom_operations.h"

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

}  // namespace qx
