// The commissioning sheet and the channel card from the window: Qt draws the core's pages,
// File / Print Preview... renders offscreen, Export PDF... saves a PDF that holds the record.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QBuffer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>

#include "../support/records.h"
#include "gui/base/sheet_painter.h"
#include "gui/dialogs/sheet_dialog.h"
#include "gui/window/print_commands.h"
#include "model/private_sets.h"
#include "window_rig.h"

namespace qx {
namespace {

using test::WindowRig;

RadioSettings UkRecord() { return test::UkWithIdentities(); }

QStringList PrivateNames(const RadioSettings& r)
{
    QStringList names;
    for (int i = kPrivateBlock; i < kChannelCount && r.channels[i].inUse; ++i)
        names << QString::fromStdString(ChannelName(r.channels[i]));
    return names;
}

// A poppler tool's output for `pdf`; empty when the tool is missing or fails.
QString Poppler(const char* tool, const QStringList& arguments)
{
    const QString program = QString("/usr/bin/") + tool;
    if (!QFile::exists(program)) return {};
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool HavePoppler() { return QFile::exists("/usr/bin/pdftotext") && QFile::exists("/usr/bin/pdfinfo"); }

int InkedPixels(const QImage& image)
{
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++inked;
    return inked;
}

// Answers the sheet's dialog as the user would: the card or the sheet, vessel and call sign.
void Answer(WindowRig& rig, bool card, const QString& vessel, const QString& callSign, int* asked = nullptr)
{
    rig.W().Dialogs().run = [=](QDialog& dialog) {
        auto* sheet = qobject_cast<SheetDialog*>(&dialog);
        if (sheet == nullptr) return int(QDialog::Rejected);
        if (asked != nullptr) ++*asked;
        (card ? sheet->CardButton() : sheet->SheetButton())->setChecked(true);
        sheet->VesselName()->setText(vessel);
        sheet->CallSign()->setText(callSign);
        return int(QDialog::Accepted);
    };
}

void OpenRecord(WindowRig& rig, const RadioSettings& record)
{
    rig.services.openAnswers.push_back(rig.SaveRecord(record, "boat.dat"));
    rig.W().Files().OnOpen();
}

TEST(SheetPainter, DrawsEveryPageOnAnImageAndAPdfOnTheLayoutsPaper)
{
    SheetOptions options;
    options.paper = PaperSize::Letter;
    const RadioSettings record = UkRecord();
    for (const SheetDocument& document :
         {BuildCommissioningSheet(record, options), BuildChannelCard(record, options)}) {
        SCOPED_TRACE(document.title);
        ASSERT_FALSE(document.pages.empty());
        EXPECT_EQ(SheetPageSize(document).id(), QPageSize::Letter);
        const QImage image = SheetPageImage(document, 0, 4.0);
        EXPECT_EQ(image.width(), qRound(document.widthMm * 4.0));
        EXPECT_GT(InkedPixels(image), 2000);

        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&bytes);
            ASSERT_TRUE(PaintSheet(writer, document));
        }
        EXPECT_TRUE(bytes.data().startsWith("%PDF"));
        EXPECT_EQ(bytes.data().count("/Type /Page\n") + bytes.data().count("/Type /Page\r"),
                  static_cast<qsizetype>(document.pages.size()));
    }
    // The printer's paper as the layout knows it.
    EXPECT_EQ(SheetPaper(QPageSize(QPageSize::Letter)), PaperSize::Letter);
    EXPECT_EQ(SheetPaper(QPageSize(QPageSize::A4)), PaperSize::A4);
    EXPECT_EQ(SheetPaper(QPageSize(QPageSize::A3)), PaperSize::A4);
}

TEST(WindowPrinting, TheFileMenuOffersPrintPreviewAndPdfByName)
{
    WindowRig rig;
    rig.Open();
    QAction* print = rig.Action("print");
    QAction* printPreview = rig.Action("printPreview");
    QAction* exportPdf = rig.Action("exportPdf");
    QMenu* file = rig.Only<QMenuBar>()->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->actions().contains(print));
    EXPECT_TRUE(file->actions().contains(printPreview));
    EXPECT_TRUE(file->actions().contains(exportPdf));
    // What a screen reader announces for each item of the menu.
    QStringList announced;
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(file);
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i < menu->childCount(); ++i) announced << menu->child(i)->text(QAccessible::Name);
    for (const char* name : {"Print...", "Print Preview...", "Export PDF..."})
        EXPECT_TRUE(announced.contains(name)) << name;
}

TEST(WindowPrinting, ThePreviewAndThePrintDrawTheRecordOnThePrintersPaper)
{
    if (!HavePoppler()) GTEST_SKIP() << "no pdftotext / pdfinfo";
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, UkRecord());
    int asked = 0;
    Answer(rig, false, "Sea Breeze", "MABC7", &asked);

    // The preview stands in for its dialog: it paints into a PDF offscreen.
    const QString previewed = rig.File("preview.pdf");
    int paints = 0;
    rig.W().Printing().Dialogs().preview = [&](QWidget*, QPrinter& printer,
                                               const std::function<void(QPrinter&)>& paint) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(previewed);
        paint(printer);
        ++paints;
    };
    rig.W().Printing().OnPrintPreview();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(paints, 1);
    const QString text = Poppler("pdftotext", {"-layout", previewed, "-"});
    EXPECT_TRUE(text.contains("Sea Breeze"));
    EXPECT_TRUE(text.contains("MABC7"));
    EXPECT_TRUE(text.contains("235012345"));

    // A printer with Letter paper gets a Letter page.
    const QString printed = rig.File("printed.pdf");
    rig.W().Printing().Dialogs().print = [&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return true;
    };
    rig.W().Printing().OnPrint();
    EXPECT_TRUE(Poppler("pdfinfo", {printed}).contains("612 x 792 pts")) << Poppler("pdfinfo", {printed}).toStdString();

    // Cancelled in the print dialog or in the sheet's own: nothing is printed.
    QFile::remove(printed);
    rig.W().Printing().Dialogs().print = [](QWidget*, QPrinter&) { return false; };
    rig.W().Printing().OnPrint();
    EXPECT_FALSE(QFile::exists(printed));
    rig.W().Dialogs().run = [](QDialog&) { return int(QDialog::Rejected); };
    rig.W().Printing().OnPrintPreview();
    EXPECT_EQ(paints, 1);
}

TEST(WindowPrinting, ExportPdfSavesTheSheetAndTheCardWithEveryPrivateChannel)
{
    WindowRig rig;
    rig.Open();
    const RadioSettings record = UkRecord();
    OpenRecord(rig, record);
    const QStringList names = PrivateNames(record);
    ASSERT_FALSE(names.isEmpty());

    for (bool card : {false, true}) {
        SCOPED_TRACE(card ? "card" : "sheet");
        Answer(rig, card, {}, {});
        const QString path = rig.File(card ? "card.pdf" : "sheet.pdf");
        rig.services.saveAnswers = {path};
        rig.W().Printing().OnExportPdf();
        ASSERT_EQ(rig.services.saveRequests.size(), card ? 2u : 1u);
        EXPECT_EQ(rig.services.saveRequests.back().defaultSuffix, "pdf");
        EXPECT_TRUE(rig.services.boxes.empty()) << rig.services.Texts().join('\n').toStdString();
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
        if (!HavePoppler()) continue;
        const QString text = Poppler("pdftotext", {"-layout", path, "-"});
        if (!card) {
            EXPECT_TRUE(text.contains("235012345"));
        }
        for (const QString& name : names) EXPECT_TRUE(text.contains(name)) << name.toStdString();
    }
    if (!HavePoppler()) GTEST_SKIP() << "the PDFs' texts unread: no pdftotext";

    // Cancelled in the file chooser: nothing is written, nothing is said.
    rig.services.saveAnswers.clear();
    rig.W().Printing().OnExportPdf();
    EXPECT_TRUE(rig.services.boxes.empty());
}

// "Written and verified" only for the document a Write put on the radio and a Verify found there.
TEST(WindowPrinting, AVerifiedWriteIsOnTheSheetAndGoesWithTheNextChange)
{
    WindowRig rig;
    rig.Open();
    OpenRecord(rig, UkRecord());
    if (!HavePoppler()) GTEST_SKIP() << "no pdftotext";
    auto sheetText = [&](const char* name) {
        Answer(rig, false, {}, {});
        rig.services.saveAnswers = {rig.File(name)};
        rig.W().Printing().OnExportPdf();
        return Poppler("pdftotext", {rig.File(name), "-"});
    };
    rig.W().Clone().OnWriteToRadio();
    rig.WaitForRun();
    // Qt's PDF draws "fi" as one ligature, which pdftotext gives back as such.
    EXPECT_FALSE(sheetText("written.pdf").contains("Written and veri")) << "written, not yet verified";
    rig.W().Clone().OnVerify();
    rig.WaitForRun();
    ASSERT_EQ(rig.W().Status().Text(), "Verify OK.");
    const QString verified = sheetText("verified.pdf");
    EXPECT_TRUE(verified.contains("Written and veri")) << verified.toStdString();
    rig.Find<QCheckBox>("USA_narrow")->click();  // the document is no longer what the radio holds
    EXPECT_FALSE(sheetText("changed.pdf").contains("Written and veri"));
}

}  // namespace
}  // namespace qx
