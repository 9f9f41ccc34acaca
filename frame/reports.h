#pragma once

// The two ways a study prints: text lines on a scaled page, or the image of a
// widget fitted to the page.

#include "report_lines.h"

class QPrinter;
class QPainter;
class QWidget;

namespace torvel {

// A4, and the orientation that suits a page of the given width and height.
void preparePrinter(QPrinter& printer, bool landscape);

// Draws report lines on a printer: a user scale of 850 × 1000 units, one line
// after another from 100 units down, each 100 units from the left, in the
// report font (12 points), a new page when the page is full.
// Returns false when the printer cannot be opened.
bool paintReportLines(QPrinter& printer, const ReportLines& lines);

// Draws the widget with its children, scaled to fit the printable page and
// centred at the top. The painter is active on the printer.
void paintWidgetPage(QPainter& painter, QPrinter& printer, QWidget* widget);

}  // namespace torvel
