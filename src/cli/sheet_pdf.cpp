#include "cli/sheet_pdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <memory>

namespace qx::cli {

namespace {

constexpr double kPtPerMm = 72.0 / 25.4;

// Millimetres of the layout in the surface's points.
double Pt(double mm) { return mm * kPtPerMm; }

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

struct FontDeleter {
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};

class Painter {
public:
    explicit Painter(cairo_t* cr) : cr_(cr), layout_(pango_cairo_create_layout(cr))
    {
        // A PDF has no pixels: glyphs stay where the font puts them, unrounded and unhinted.
        pango_context_set_round_glyph_positions(pango_layout_get_context(layout_), FALSE);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(pango_layout_get_context(layout_), options);
        cairo_font_options_destroy(options);
        pango_layout_set_ellipsize(layout_, PANGO_ELLIPSIZE_END);
        pango_layout_set_single_paragraph_mode(layout_, TRUE);
    }
    ~Painter() { g_object_unref(layout_); }
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void Draw(const SheetItem& item)
    {
        switch (item.kind) {
        case SheetItem::Kind::Rule:
            cairo_set_source_rgb(cr_, 0, 0, 0);
            cairo_set_line_width(cr_, Pt(item.lineMm));
            cairo_move_to(cr_, Pt(item.x), Pt(item.y));
            cairo_line_to(cr_, Pt(item.x + item.width), Pt(item.y + item.height));
            cairo_stroke(cr_);
            break;
        case SheetItem::Kind::Cell:
            cairo_rectangle(cr_, Pt(item.x), Pt(item.y), Pt(item.width), Pt(item.height));
            if (item.shaded) {
                cairo_set_source_rgb(cr_, 0.88, 0.88, 0.88);
                cairo_fill_preserve(cr_);
            }
            cairo_set_source_rgb(cr_, 0, 0, 0);
            cairo_set_line_width(cr_, Pt(item.lineMm));
            if (item.border)
                cairo_stroke(cr_);
            else
                cairo_new_path(cr_);
            Text(item.text, item.style, item.x + kCellPaddingMm, item.y, item.width - 2 * kCellPaddingMm, item.height);
            break;
        case SheetItem::Kind::Text: Text(item.text, item.style, item.x, item.y, item.width, item.height); break;
        }
    }

private:
    void Text(const std::string& text, const TextStyle& style, double x, double y, double width, double height)
    {
        if (text.empty() || width <= 0) return;
        std::unique_ptr<PangoFontDescription, FontDeleter> font(pango_font_description_new());
        pango_font_description_set_family(font.get(), style.monospace ? "Monospace" : "Sans");
        pango_font_description_set_weight(font.get(), style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        // The surface's unit is the point, the size's own unit.
        pango_font_description_set_absolute_size(font.get(), style.sizePt * PANGO_SCALE);
        pango_layout_set_font_description(layout_, font.get());
        pango_layout_set_width(layout_, static_cast<int>(Pt(width) * PANGO_SCALE));
        pango_layout_set_alignment(layout_, style.align == TextAlign::Right    ? PANGO_ALIGN_RIGHT
                                            : style.align == TextAlign::Center ? PANGO_ALIGN_CENTER
                                                                               : PANGO_ALIGN_LEFT);
        pango_layout_set_text(layout_, text.c_str(), static_cast<int>(text.size()));
        PangoRectangle logical;
        pango_layout_get_extents(layout_, nullptr, &logical);
        const double textHeight = static_cast<double>(logical.height) / PANGO_SCALE;
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_move_to(cr_, Pt(x), Pt(y) + (Pt(height) - textHeight) / 2);
        pango_cairo_show_layout(cr_, layout_);
    }

    cairo_t* cr_;
    PangoLayout* layout_;
};

}  // namespace

std::string SheetPdf(const SheetDocument& document)
{
    std::string bytes;
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(Append, &bytes, Pt(document.widthMm),
                                                                   Pt(document.heightMm));
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, document.title.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "qx720");
    cairo_t* cr = cairo_create(surface);
    {
        Painter painter(cr);
        for (const SheetPage& page : document.pages) {
            for (const SheetItem& item : page.items) painter.Draw(item);
            cairo_show_page(cr);
        }
    }
    const bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool finished = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!drawn || !finished) bytes.clear();
    return bytes;
}

}  // namespace qx::cli
