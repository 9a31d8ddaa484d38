#include "gui/base/sheet_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace qx {

namespace {

// A light grey, as the PDF draws shaded cells.
const QColor kShade(224, 224, 224);

class Painter {
public:
    Painter(QPainter& painter, double unitsPerMm) : p_(painter), k_(unitsPerMm) {}

    void Draw(const SheetItem& item)
    {
        switch (item.kind) {
        case SheetItem::Kind::Rule:
            p_.setPen(Pen(item.lineMm));
            p_.drawLine(QPointF(D(item.x), D(item.y)), QPointF(D(item.x + item.width), D(item.y + item.height)));
            break;
        case SheetItem::Kind::Cell: {
            const QRectF box(D(item.x), D(item.y), D(item.width), D(item.height));
            if (item.shaded) p_.fillRect(box, kShade);
            if (item.border) {
                p_.setPen(Pen(item.lineMm));
                p_.setBrush(Qt::NoBrush);
                p_.drawRect(box);
            }
            Text(item.text, item.style, item.x + kCellPaddingMm, item.y, item.width - 2 * kCellPaddingMm, item.height);
            break;
        }
        case SheetItem::Kind::Text: Text(item.text, item.style, item.x, item.y, item.width, item.height); break;
        }
    }

private:
    double D(double mm) const { return mm * k_; }

    QPen Pen(double lineMm) const
    {
        QPen pen(Qt::black);
        pen.setWidthF(D(lineMm));
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }

    void Text(const std::string& text, const TextStyle& style, double x, double y, double width, double height)
    {
        if (text.empty() || width <= 0) return;
        QFont font(style.monospace ? QStringLiteral("Monospace") : QStringLiteral("Sans"));
        font.setStyleHint(style.monospace ? QFont::Monospace : QFont::SansSerif);
        font.setBold(style.bold);
        // Points are resolved at the device's own resolution, so the size holds on any device.
        font.setPointSizeF(style.sizePt);
        p_.setFont(font);
        p_.setPen(Qt::black);
        const QRectF box(D(x), D(y), D(width), D(height));
        // The layout fits texts by an estimate; a font wider than it is cut, never overlaps.
        const QString shown = QFontMetricsF(font, p_.device())
                                  .elidedText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                              Qt::ElideRight, box.width());
        const Qt::Alignment align = style.align == TextAlign::Right    ? Qt::AlignRight
                                    : style.align == TextAlign::Center ? Qt::AlignHCenter
                                                                       : Qt::AlignLeft;
        p_.drawText(box, static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine), shown);
    }

    QPainter& p_;
    double k_;
};

}  // namespace

PaperSize SheetPaper(const QPageSize& pageSize)
{
    return pageSize.id() == QPageSize::Letter ? PaperSize::Letter : PaperSize::A4;
}

QPageSize SheetPageSize(const SheetDocument& document)
{
    const QSizeF mm(document.widthMm, document.heightMm);
    // The named size where it is one, so that a printer picks the right tray.
    const QPageSize::PageSizeId id = QPageSize::id(mm, QPageSize::Millimeter, QPageSize::FuzzyMatch);
    if (id != QPageSize::Custom) return QPageSize(id);
    return QPageSize(mm, QPageSize::Millimeter, QString::fromStdString(document.title));
}

void PaintSheetPage(QPainter& painter, const SheetPage& page, double unitsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Painter drawer(painter, unitsPerMm);
    for (const SheetItem& item : page.items) drawer.Draw(item);
    painter.restore();
}

bool PaintSheet(QPagedPaintDevice& device, const SheetDocument& document)
{
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setFullPage(true);
    device.setPageLayout(QPageLayout(SheetPageSize(document), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double unitsPerMm = device.logicalDpiX() / 25.4;
    bool first = true;
    for (const SheetPage& page : document.pages) {
        if (!first && !device.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        PaintSheetPage(painter, page, unitsPerMm);
    }
    return painter.end();
}

QImage SheetPageImage(const SheetDocument& document, int pageIndex, double dotsPerMm)
{
    QImage image(qRound(document.widthMm * dotsPerMm), qRound(document.heightMm * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    if (pageIndex < 0 || pageIndex >= static_cast<int>(document.pages.size())) return image;
    QPainter painter(&image);
    PaintSheetPage(painter, document.pages[static_cast<std::size_t>(pageIndex)], dotsPerMm);
    return image;
}

}  // namespace qx
