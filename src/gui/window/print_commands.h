// File / Print..., Print Preview... and Export PDF...: the commissioning sheet or the channel
// card of the document's current record, laid out by the core and drawn by Qt.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "gui/base/clone_controller.h"
#include "gui/dialogs/sheet_dialog.h"
#include "reports/sheet_layout.h"

class QPrinter;
class QWidget;

namespace qx {

class CloneDocument;
class StatusBox;
struct AppContext;
struct WindowDialogs;

// The system's print dialogs, replaced in tests so that none ever opens.
struct PrintDialogs {
    // The print dialog: true when the user chose to print (with the printer set up as chosen).
    std::function<bool(QWidget*, QPrinter&)> print;
    // The preview: calls `paint` for the printer as often as the preview needs its pages.
    std::function<void(QWidget*, QPrinter&, const std::function<void(QPrinter&)>& paint)> preview;

    static PrintDialogs Defaults();
};

class PrintCommands : public QObject {
    Q_OBJECT

public:
    PrintCommands(AppContext& app, CloneDocument& document, WindowDialogs& dialogs, StatusBox& status, QWidget* window);

    void OnPrint();
    void OnPrintPreview();
    void OnExportPdf();

    PrintDialogs& Dialogs() { return print_; }
    // The sheet or the card of the current record on `paper`, printed now.
    SheetDocument Build(const SheetChoice& choice, PaperSize paper) const;
    // Follows the radio's runs: a Write, then a Verify that finds the radio holding the same
    // document, puts "Written and verified" on its sheet.
    void NoteFinished(const CloneOutcome& outcome);

private:
    AppContext& app_;
    CloneDocument& document_;
    WindowDialogs& dialogs_;
    StatusBox& status_;
    QWidget* window_;
    PrintDialogs print_;
    SheetChoice last_;                   // offered again: the same vessel is often printed twice
    std::vector<uint8_t> written_;       // what the last Write OK sent (the clone range)
    std::optional<LocalTime> verified_;  // when a Verify OK found the radio holding it

    bool Ask(const QString& caption, SheetChoice& choice);
    void Failed(const QString& text, const QString& caption);
};

}  // namespace qx
