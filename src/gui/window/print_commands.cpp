#include "gui/window/print_commands.h"

#include <memory>

#include <QBuffer>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "files/atomic_file.h"
#include "gui/base/app_context.h"
#include "gui/base/core_texts.h"
#include "gui/base/language.h"
#include "gui/base/qt_window_services.h"
#include "gui/base/sheet_painter.h"
#include "gui/document/clone_document.h"
#include "gui/window/status_box.h"
#include "gui/window/window_dialogs.h"
#include "model/radio_image.h"
#include "result/clone_result.h"

namespace qx {

PrintDialogs PrintDialogs::Defaults()
{
    PrintDialogs d;
    d.print = [](QWidget* parent, QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    d.preview = [](QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&paint](QPrinter* shown) { paint(*shown); });
        dialog.exec();
    };
    return d;
}

PrintCommands::PrintCommands(AppContext& app, CloneDocument& document, WindowDialogs& dialogs, StatusBox& status,
                             QWidget* window)
    : QObject(window),
      app_(app),
      document_(document),
      dialogs_(dialogs),
      status_(status),
      window_(window),
      print_(PrintDialogs::Defaults())
{
}

SheetDocument PrintCommands::Build(const SheetChoice& choice, PaperSize paper) const
{
    SheetOptions options;
    options.paper = paper;
    options.vesselName = choice.vesselName.toStdString();
    options.callSign = choice.callSign.toStdString();
    options.programVersion = QX_VERSION;
    options.printed = app_.services.Now();
    // The sheet speaks the window's language.
    const std::string language = ChosenLanguage(app_.settings).toStdString();
    if (SheetLanguageKnown(language)) options.language = language;
    const RadioSettings& record = document_.Record();
    if (verified_ && !written_.empty() && EncodedCloneRange(record) == written_) options.writtenAndVerified = verified_;
    return choice.card ? BuildChannelCard(record, options) : BuildCommissioningSheet(record, options);
}

void PrintCommands::NoteFinished(const CloneOutcome& outcome)
{
    if (outcome.kind == CloneKind::Write) {
        verified_.reset();
        written_.clear();
        if (outcome.code == kResultOk) written_ = EncodedCloneRange(document_.Record());
    } else if (outcome.kind == CloneKind::Verify && outcome.code == kResultOk && outcome.comparison == 0 &&
               !written_.empty() && EncodedCloneRange(document_.Record()) == written_) {
        verified_ = app_.services.Now();
    }
}

bool PrintCommands::Ask(const QString& caption, SheetChoice& choice)
{
    document_.Editor().CommitEdits();
    SheetDialog dialog(window_, caption, last_);
    if (dialogs_.run(dialog) != QDialog::Accepted) return false;
    choice = last_ = dialog.Choice();
    return true;
}

void PrintCommands::Failed(const QString& text, const QString& caption)
{
    app_.services.MessageBox(window_, text, caption, MsgButtons::Ok, MsgIcon::Stop);
}

void PrintCommands::OnPrint()
{
    SheetChoice choice;
    if (!Ask(tr("Print"), choice)) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!print_.print(window_, printer)) return;
    const SheetDocument sheet = Build(choice, SheetPaper(printer.pageLayout().pageSize()));
    printer.setDocName(QString::fromStdString(sheet.title));
    if (!PaintSheet(printer, sheet)) {
        Failed(tr("The printer could not be used."), tr("Print"));
        return;
    }
    status_.SetStatus(tr("Sent to the printer."));
}

void PrintCommands::OnPrintPreview()
{
    SheetChoice choice;
    if (!Ask(tr("Print Preview"), choice)) return;
    QPrinter printer(QPrinter::HighResolution);
    // Built again for each paint: the preview's page setup may change the paper.
    print_.preview(window_, printer, [this, &choice](QPrinter& shown) {
        const SheetDocument sheet = Build(choice, SheetPaper(shown.pageLayout().pageSize()));
        shown.setDocName(QString::fromStdString(sheet.title));
        PaintSheet(shown, sheet);
    });
}

void PrintCommands::OnExportPdf()
{
    SheetChoice choice;
    if (!Ask(tr("Export PDF"), choice)) return;
    FileDialogRequest request;
    request.directory = document_.StartDirectory();
    request.pattern = "*.pdf";
    request.filter = tr("PDF files (*.pdf)");
    request.defaultSuffix = "pdf";
    request.name = choice.card ? tr("channel-card.pdf") : tr("commissioning-sheet.pdf");
    const QString path = app_.services.ChooseSaveFile(window_, request);
    if (path.isEmpty()) return;

    // The paper of the default printer, as a print would have it.
    const PaperSize paper = SheetPaper(QPrinter(QPrinter::HighResolution).pageLayout().pageSize());
    const SheetDocument sheet = Build(choice, paper);
    // Drawn in memory and saved as every file of the program is: whole or not at all.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&bytes);
        writer.setTitle(QString::fromStdString(sheet.title));
        writer.setCreator(QStringLiteral("QX720 Clone"));
        writer.setResolution(1200);
        drawn = PaintSheet(writer, sheet);
    }
    const QByteArray& pdf = bytes.data();
    const CloneResult saved = drawn ? SaveFileAtomically(ToNativePath(path), pdf.constData(),
                                                         static_cast<std::size_t>(pdf.size()))
                                    : kResultWriteFileError;
    if (saved != kResultOk) {
        app_.services.MessageBoxWithInfo(window_, tr("Can't Create file:\n%1").arg(path), ResultText(saved),
                                         tr("Error"), MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    status_.SetStatus(tr("Saved %1.").arg(path));
}

}  // namespace qx
