// Qt's drawing of the commissioning sheet and the channel card: the page description of the
// core, placed in millimetres, drawn on a printer, a PDF writer or an image.
#pragma once

#include <QPageSize>

#include "reports/sheet_layout.h"

class QImage;
class QPagedPaintDevice;
class QPainter;

namespace qx {

// The core's paper for the printer's: Letter stays Letter, everything else is drawn on A4.
PaperSize SheetPaper(const QPageSize& pageSize);

// The page size of `document`, exactly as the layout placed it.
QPageSize SheetPageSize(const SheetDocument& document);

// Draws one page with `painter`, whose origin is the paper's top left corner, at `unitsPerMm`
// device units to a millimetre.
void PaintSheetPage(QPainter& painter, const SheetPage& page, double unitsPerMm);

// Gives `device` the document's paper without margins and draws every page on it; false when
// the device could not be painted on. A QPrinter is switched to its full page first.
bool PaintSheet(QPagedPaintDevice& device, const SheetDocument& document);

// One page as a white image at `dotsPerMm` (for a preview or a picture).
QImage SheetPageImage(const SheetDocument& document, int pageIndex, double dotsPerMm);

}  // namespace qx
