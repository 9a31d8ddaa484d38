#include "gui/window/tool_commands.h"

#include <QDir>
#include <QStringList>
#include <memory>

#include "channels/channel_csv.h"
#include "files/atomic_file.h"
#include "gui/base/clone_controller.h"
#include "gui/base/core_texts.h"
#include "gui/base/qt_window_services.h"
#include "gui/document/clone_document.h"
#include "gui/window/channel_panel.h"
#include "gui/window/status_box.h"
#include "model/channel_plan.h"
#include "model/checksum.h"
#include "reports/freq_table.h"
#include "result/clone_result.h"

namespace qx {

namespace {

// The box lists this many problems; the rest are in its details.
constexpr int kProblemsShown = 10;

}  // namespace

ToolCommands::ToolCommands(WindowServices& services, CloneDocument& document, const CloneController& clone,
                           StatusBox& status, ChannelPanel& channels, QWidget* window)
    : QObject(window),
      services_(services),
      document_(document),
      clone_(clone),
      status_(status),
      channels_(channels),
      window_(window)
{
}

bool ToolCommands::HasPrivateChannels(const QString& caption)
{
    if (IsEuropeModel(document_.Record())) return true;
    services_.MessageBox(window_, tr("A USA-model record has no private channels."), caption, MsgButtons::Ok,
                         MsgIcon::Information);
    return false;
}

void ToolCommands::OnExportFreqTable()
{
    const QString path = QDir(services_.CurrentDirectory()).filePath(kFreqTableFileName);
    if (!WriteFreqTable(ToNativePath(path), document_.Record(), services_.Now())) {
        services_.MessageBox(window_, tr("Can't Create file:\n%1").arg(path), tr("Error"), MsgButtons::Ok,
                             MsgIcon::Stop);
        return;
    }
    ShowReport(path, QString(), tr("Export Freq Table"));
}

void ToolCommands::ShowReport(const QString& path, const QString& outcome, const QString& caption)
{
    if (services_.OpenTextFile(path)) return;
    // Without a viewer the report would go unseen: say where it is.
    QString status = tr("Report: %1").arg(path);
    if (!outcome.isEmpty()) status = outcome + " " + status;
    status_.SetStatus(status);
    services_.MessageBoxWithInfo(window_, tr("The report is saved as:\n%1").arg(path),
                                 tr("No program opened it; open the file with any text editor."), caption,
                                 MsgButtons::Ok, MsgIcon::Information);
}

void ToolCommands::OnViewCheckSum()
{
    std::string text = ChecksumText(SettingsChecksum(document_.Record()));
    services_.MessageBox(window_, QString::fromLatin1(text.c_str()), tr("CheckSum"), MsgButtons::Ok, MsgIcon::None);
}
FileDialogRequest ToolCommands::CsvFileRequest() const
{
    FileDialogRequest request;
    request.directory = document_.StartDirectory();
    request.pattern = "*.csv";
    request.filter = tr("CSV files (*.csv)");
    request.defaultSuffix = "csv";
    return request;
}

void ToolCommands::OnExportChannels()
{
    document_.Editor().CommitEdits();
    if (!HasPrivateChannels(tr("Export Channels"))) return;
    const QString path = services_.ChooseSaveFile(window_, CsvFileRequest());
    if (path.isEmpty()) return;
    const std::string csv = ExportChannelsCsv(document_.Record());
    const CloneResult saved = SaveFileAtomically(ToNativePath(path), csv.data(), csv.size());
    if (saved != kResultOk) {
        services_.MessageBoxWithInfo(window_, tr("Can't Create file:\n%1").arg(path), ResultText(saved), tr("Error"),
                                     MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    status_.SetStatus(tr("Exported %1 private channels.").arg(PrivateListLength(document_.Record())));
}

void ToolCommands::OnImportChannels()
{
    if (clone_.RunningKind() == CloneKind::Read) return;  // the read's end would replace the imported channels
    document_.Editor().CommitEdits();
    if (!HasPrivateChannels(tr("Import Channels"))) return;
    const QString path = services_.ChooseOpenFile(window_, CsvFileRequest());
    if (path.isEmpty()) return;
    const CsvFileImport outcome = document_.Editor().ImportCsvFile(ToNativePath(path));
    if (!outcome.imported) {
        QStringList all;
        for (const std::string& problem : outcome.problems) all << QString::fromStdString(problem);
        QStringList shown = all.mid(0, kProblemsShown);
        if (all.size() > kProblemsShown)
            shown << tr("... and %1 more (see the details).").arg(all.size() - kProblemsShown);
        services_.MessageBoxWithDetail(window_, tr("Nothing was imported: %1 has problems.").arg(path),
                                       shown.join('\n'), all.join('\n'), tr("Import Channels"), MsgButtons::Ok,
                                       MsgIcon::Warning);
        return;
    }
    channels_.ShowBand(kGroupPrivate);  // the imported channels in view
    status_.SetStatus(tr("Imported %1 private channels.").arg(PrivateListLength(document_.Record())));
    if (!outcome.sharedNames.empty()) {
        QStringList shared;
        for (const SharedName& name : outcome.sharedNames)
            shared << tr("Lines %1 and %2 of the file both have the name \"%3\".")
                          .arg(name.first)
                          .arg(name.second)
                          .arg(QString::fromStdString(name.name));
        services_.MessageBoxWithInfo(window_, shared.join('\n'),
                                     tr("The radio takes channels of the same name, but you may have meant two."),
                                     tr("Import Channels"), MsgButtons::Ok, MsgIcon::Warning);
    }
}

}  // namespace qx
