// The Tools commands: the frequency table, the checksum, and the private channels as CSV
// through the same code as `qx720 channels`.
#include <QAction>
#include <QComboBox>
#include <QDir>

#include "channels/channel_csv.h"
#include "files/atomic_file.h"
#include "gui/base/core_texts.h"
#include "gui/base/qt_window_services.h"
#include "gui/window/main_window.h"
#include "model/channel_plan.h"
#include "model/checksum.h"
#include "reports/freq_table.h"
#include "result/clone_result.h"

namespace qx {

namespace {

// The box lists this many problems; the rest are in its details.
constexpr int kProblemsShown = 10;

// A USA-model record has no private channels to export or to take an import: says so.
bool HasPrivateChannels(WindowServices& services, QWidget* parent, const RadioSettings& record, const QString& caption)
{
    if (IsEuropeModel(record)) return true;
    services.MessageBox(parent, MainWindow::tr("A USA-model record has no private channels."), caption, MsgButtons::Ok,
                        MsgIcon::Information);
    return false;
}

}  // namespace

void MainWindow::OnExportFreqTable()
{
    const QString path = QDir(services_.CurrentDirectory()).filePath(kFreqTableFileName);
    if (!WriteFreqTable(ToNativePath(path), doc_.Record(), services_.Now())) {
        services_.MessageBox(this, tr("Can't Create file:\n%1").arg(path), tr("Error"), MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    ShowReport(path, QString(), tr("Export Freq Table"));
}

void MainWindow::ShowReport(const QString& path, const QString& outcome, const QString& caption)
{
    if (services_.OpenTextFile(path)) return;
    // Without a viewer the report would go unseen: say where it is.
    QString status = tr("Report: %1").arg(path);
    if (!outcome.isEmpty()) status = outcome + " " + status;
    SetStatus(status);
    services_.MessageBoxWithInfo(this, tr("The report is saved as:\n%1").arg(path),
                                 tr("No program opened it; open the file with any text editor."), caption,
                                 MsgButtons::Ok, MsgIcon::Information);
}

void MainWindow::OnViewCheckSum()
{
    std::string text = ChecksumText(SettingsChecksum(doc_.Record()));
    services_.MessageBox(this, QString::fromLatin1(text.c_str()), tr("CheckSum"), MsgButtons::Ok, MsgIcon::None);
}
FileDialogRequest MainWindow::CsvFileRequest() const
{
    FileDialogRequest request;
    request.directory = doc_.StartDirectory();
    request.pattern = "*.csv";
    request.filter = tr("CSV files (*.csv)");
    request.defaultSuffix = "csv";
    return request;
}

void MainWindow::OnExportChannels()
{
    GatherControls();
    if (!HasPrivateChannels(services_, this, doc_.Record(), tr("Export Channels"))) return;
    const QString path = services_.ChooseSaveFile(this, CsvFileRequest());
    if (path.isEmpty()) return;
    const std::string csv = ExportChannelsCsv(doc_.Record());
    const CloneResult saved = SaveFileAtomically(ToNativePath(path), csv.data(), csv.size());
    if (saved != kResultOk) {
        services_.MessageBoxWithInfo(this, tr("Can't Create file:\n%1").arg(path), ResultText(saved), tr("Error"),
                                     MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    SetStatus(tr("Exported %1 private channels.").arg(PrivateListLength(doc_.Record())));
}

void MainWindow::OnImportChannels()
{
    if (IsReading()) return;  // the read's end would replace the imported channels
    GatherControls();
    if (!HasPrivateChannels(services_, this, doc_.Record(), tr("Import Channels"))) return;
    const QString path = services_.ChooseOpenFile(this, CsvFileRequest());
    if (path.isEmpty()) return;
    auto imported = std::make_unique<RadioSettings>(doc_.Record());
    const CsvFileImport outcome = ImportChannelsCsvFile(ToNativePath(path), *imported);
    if (!outcome.imported) {
        QStringList all;
        for (const std::string& problem : outcome.problems) all << QString::fromStdString(problem);
        QStringList shown = all.mid(0, kProblemsShown);
        if (all.size() > kProblemsShown)
            shown << tr("... and %1 more (see the details).").arg(all.size() - kProblemsShown);
        services_.MessageBoxWithDetail(this, tr("Nothing was imported: %1 has problems.").arg(path), shown.join('\n'),
                                       all.join('\n'), tr("Import Channels"), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    doc_.Change(tr("Import Channels (CSV)"), *imported);
    MarkModified();
    // The imported channels in view.
    const int privateBand = ui_.band->findData(kGroupPrivate);
    if (privateBand >= 0) {
        QSignalBlocker block(ui_.band);
        ui_.band->setCurrentIndex(privateBand);
    }
    FillChannelList();
    SetStatus(tr("Imported %1 private channels.").arg(PrivateListLength(doc_.Record())));
    if (!outcome.sharedNames.empty()) {
        QStringList shared;
        for (const SharedName& name : outcome.sharedNames)
            shared << tr("Lines %1 and %2 of the file both have the name \"%3\".")
                          .arg(name.first)
                          .arg(name.second)
                          .arg(QString::fromStdString(name.name));
        services_.MessageBoxWithInfo(this, shared.join('\n'),
                                     tr("The radio takes channels of the same name, but you may have meant two."),
                                     tr("Import Channels"), MsgButtons::Ok, MsgIcon::Warning);
    }
}

}  // namespace qx
