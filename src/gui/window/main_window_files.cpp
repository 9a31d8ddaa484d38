// The File commands, the save offers and the close steps.
#include <QDir>
#include <QFileInfo>

#include "document/clone_file.h"
#include "gui/base/qt_window_services.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "gui/window/main_window.h"
#include "result/clone_result.h"

namespace qx {

namespace {

bool PathFits(const QString& path) { return ToNativePath(path).size() <= kMaxPathChars; }

}  // namespace

FileDialogRequest MainWindow::CloneFileRequest() const
{
    FileDialogRequest request;
    request.directory = startDirectory_;
    request.pattern = "*.dat";
    request.filter = "*.dat";
    request.defaultSuffix = "dat";
    return request;
}

bool MainWindow::SaveDocumentTo(const QString& path)
{
    // Saving replaces the file through a temporary one, which would also replace a file the
    // user has made read-only; such a file counts as one that cannot be written.
    if (QFileInfo::exists(path) && !services_.MayWriteFile(path)) return false;
    return WriteCloneFile(ToNativePath(path), document_, config_) == kResultOk;
}

MainWindow::SaveAsOutcome MainWindow::SaveAsFlow()
{
    GatherControls();
    const QString path = services_.ChooseSaveFile(this, CloneFileRequest());
    if (path.isEmpty()) return SaveAsOutcome::Cancelled;
    // The state record keeps at most 259 characters of a path; a longer one would later
    // save to a cut-off name.
    if (!PathFits(path) || !SaveDocumentTo(path)) return SaveAsOutcome::WriteFailed;
    config_.readOnlyFile = 0;
    SetClonePath(config_, ToNativePath(path));
    return SaveAsOutcome::Written;
}

bool MainWindow::SaveOffer()
{
    const char* failure = nullptr;
    if (config_.readOnlyFile == 1 || config_.untitled == 1) {
        // Yes asked for the work to be kept: a cancelled chooser holds the command up too.
        switch (SaveAsFlow()) {
        case SaveAsOutcome::Cancelled: return false;
        case SaveAsOutcome::Written:
            SetUntitled(0);
            UpdateTitle();  // the title follows the new file
            return true;
        case SaveAsOutcome::WriteFailed: failure = "Save as file error."; break;
        }
    } else {
        GatherControls();
        if (SaveDocumentTo(FromNativePath(ClonePath(config_)))) {
            UpdateTitle();  // the modified mark goes, even if the command is cancelled next
            return true;
        }
        failure = "Save file error.";
    }
    // The user asked for the edits to be kept: going on silently would throw them away.
    SetStatus(failure);
    services_.MessageBox(this, failure, "Error", MsgButtons::Ok, MsgIcon::Stop);
    return false;
}

bool MainWindow::AskToSave(const char* titledQuestion)
{
    if (config_.modified != 1) return true;
    // A titled document keeps the question of its command; work never saved to a file gets
    // the plain one.
    const QString question = config_.untitled == 1 ? QString("Do you want to save?") : QString(titledQuestion);
    switch (services_.AskYesNoCancel(this, question, "WARNING")) {
    case MsgAnswer::Yes: return SaveOffer();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

void MainWindow::OnOpen()
{
    if (IsReading()) return;  // the read would replace the opened file's contents
    if (!AskToSave("Do you want to save?")) return;
    const QString path = services_.ChooseOpenFile(this, CloneFileRequest());
    if (path.isEmpty()) return;

    CloneResult result = PathFits(path) ? LoadCloneFile(ToNativePath(path), document_, config_) : kResultOpenFileError;
    if (result != kResultOk) {
        char text[288];
        DescribeResult(text, sizeof text, result);
        const QString message = QString::fromLatin1(text);
        SetStatusText(message);
        services_.MessageBox(this, message, "Error", MsgButtons::Ok, MsgIcon::None);
        statusCountdown_ = 10;
        return;
    }
    SetStatus("Open file OK.");
    SetUntitled(0);
    ShowDocument();
    UpdateTitle();
}

void MainWindow::OnSave()
{
    if (config_.untitled == 1) return;
    GatherControls();
    if (SaveDocumentTo(FromNativePath(ClonePath(config_)))) {
        UpdateTitle();
        SetStatus("Save file OK.");
    } else {
        SetStatus("Save file error.");
    }
}

void MainWindow::OnSaveAs()
{
    switch (SaveAsFlow()) {
    case SaveAsOutcome::Written:
        SetStatus("Save as file OK.");
        SetUntitled(0);
        UpdateTitle();
        break;
    case SaveAsOutcome::WriteFailed: SetStatus("Save as file error."); break;
    case SaveAsOutcome::Cancelled: break;
    }
}

void MainWindow::OnLoadDefault()
{
    if (IsReading()) return;
    // The wizard fills a record of its own; the document changes only after its OK.
    auto scratch = std::make_unique<RadioSettings>();
    const int32_t modelType = config_.modelType;
    const int32_t europeanSet = config_.europeanSet;
    ModelWizardDialog wizard(services_, scratch.get(), &config_, this);
    if (dialogs_.run(wizard) != QDialog::Accepted) return;

    if (!AskToSave("File is modified. Do you want to save?")) {
        // The unsaved document stays; so does the model it was made for.
        config_.modelType = modelType;
        config_.europeanSet = europeanSet;
        return;
    }
    document_ = *scratch;
    // The defaults exist in no file yet: closing or opening another file offers to save them.
    config_.modified = 1;
    SetUntitled(1);
    UpdateTitle();
    ShowDocument();
}

bool MainWindow::RunCloseSteps()
{
    StoreBandSelection();
    WriteStateFile(ToNativePath(app_.stateFilePath), config_);
    if (config_.untitled == 0) GatherControls();
    return AskToSave("File is Modify. Do you want to save?");
}

}  // namespace qx
