#pragma once

#include "Printer.h"

#include <QFont>
#include <QImage>

class QPainter;

// Draws printed pages: the same code for the printer, the preview and PDF
// files, so that what is shown is what is printed. The painter's device
// has its origin at the sheet's top-left corner; its resolution gives the
// scale.
namespace PageRenderer {
// A face name ("@" for vertical setting allowed) at a size in points.
QFont font(const QString& face, double size);
// Height of one line in twips, from the face's metrics at printing
// resolution.
int lineHeight(const QString& face, double size);
// Width of a line of text in twips, measured the same way.
double lineWidth(const QString& face, double size, const QString& text);

// One character of a vertical line: the cell it owns along the line and
// the box its glyph takes inside it, in twips from the page origin.
struct Cell {
    QString glyph;
    QRectF cell;
    QRectF box;
    // Turned upright on the turned sheet; brackets and dashes lie along
    // the line instead.
    bool upright;
};
// How a vertical line is set: each character in a cell of its own, the
// cells one after another along the line.
QList<Cell> verticalCells(const Printer::Line& line);

// Draws the page with its positions counted from `origin` (twips from the
// sheet's corner).
void draw(QPainter& painter, const Printer::Page& page, QPointF origin);
// The sheet as a preview shows it, as an image at a resolution in dots per
// inch: white paper, the printable area and the sheet's outlines marked,
// the page drawn as it would be printed.
QImage sheetImage(const Printer::Page& page, const Sheet& sheet, double dpi);
} // namespace PageRenderer
