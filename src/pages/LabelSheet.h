#pragma once

#include "Printer.h"

#include <QList>
#include <QRectF>
#include <QString>

class QIODevice;

// One kind of label sheet: where each label lies on the upright paper, in
// twips from the paper's top-left corner, and the margin its text keeps
// inside each label.
struct LabelSheet {
    // "Avery" and "L7163"; a sheet the user defined has no brand and its
    // name as part.
    QString brand;
    QString part;
    QString description;
    QPageSize::PageSizeId paper = QPageSize::A4;
    // One label.
    double width = 0;
    double height = 0;
    double margin = 0;
    // Labels in rows and columns, the first at (left, top), the next ones
    // `across` and `down` further. Most sheets have one grid.
    struct Grid {
        int columns;
        int rows;
        double left;
        double top;
        double across;
        double down;
    };
    QList<Grid> grids;
    bool userDefined = false;

    // "Avery L7163", or the name the user gave.
    QString name() const;
    Paper sheetPaper() const { return Paper{paper, false, true}; }
    // Every label, in the order they are filled: across each row, then down.
    QList<QRectF> labels() const;
    // The row and column (from 1) of a label in the order of labels().
    QPoint rowColumn(int label) const;
    // Whether every label lies on the paper.
    bool fitsPaper() const;
};

namespace LabelSheets {
constexpr double TwipsPerMm = 1440 / 25.4;
// Where Debian's glabels-data installs its sheet definitions.
QString templateFolder();
// The rectangular sheets on A4 and US Letter paper defined in the folder's
// XML files, sorted by name. A missing folder gives none.
QList<LabelSheet> readTemplates(const QString& folder);
// The same from one file's text; templates that are equivalent to another
// ("equiv") take its dimensions from `known` or from the same file.
QList<LabelSheet> parseTemplates(QIODevice& xml, const QList<LabelSheet>& known = {});

// The sheets the user defined, kept in the settings file, in the order
// they were added; entries that are damaged or do not fit their paper are
// left out.
QList<LabelSheet> userSheets();
void setUserSheets(const QList<LabelSheet>& sheets);
// A sheet the user defines, its lengths in millimetres.
LabelSheet userSheet(const QString& name, QPageSize::PageSizeId paper, int columns, int rows,
                     QSizeF label, QPointF firstLabel, QSizeF pitch, double margin);
} // namespace LabelSheets
