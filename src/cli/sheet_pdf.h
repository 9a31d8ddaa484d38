// Draws a laid-out sheet as PDF with cairo and pango. It decides nothing of the layout: it
// places what the core placed, and only cuts a text the fonts make wider than its box.
#pragma once

#include <string>

#include "reports/sheet_layout.h"

namespace qx::cli {

// The document as the bytes of a PDF file; empty when cairo failed.
std::string SheetPdf(const SheetDocument& document);

}  // namespace qx::cli
