#pragma once

#include "LabelSheet.h"
#include "PrintedValues.h"
#include "Printer.h"

#include <QStringList>
#include <functional>

// What one label says, top to bottom, and whom it is for, to name the
// label in reports.
struct LabelText {
    QString who;
    QStringList lines;
};

namespace LabelTexts {
// An addressee's label: zip code, address lines, company and department
// when the addressee has them and is printed with them (as on the forms),
// and the name line with the forms' honorific.
LabelText addressee(const Addressee& addressee);
// The sender's own label: zip code, address lines, company and the forms'
// sender name line.
LabelText sender(const Sender& sender);
} // namespace LabelTexts

// Text set to fit inside a label: the largest size from 12 down to 7
// points at which every line fits; at 7 points a line that is too long
// wraps at a blank. What does not fit even so overflows.
struct FittedText {
    double size;
    QStringList lines;
    bool overflows;
    QSizeF extent; // of the lines set, in twips
};

// Labels laid out on sheets of one kind, in the face chosen, from the label
// `start` (0-based) of the first sheet on; the labels before it are gone.
class LabelRun {
  public:
    static constexpr double LargestSize = 12;
    static constexpr double SmallestSize = 7;
    static constexpr double Step = 0.5;
    static FittedText fit(const QStringList& lines, const QString& face, QSizeF room);

    LabelRun(LabelSheet sheet, QString face, int start);
    void add(const LabelText& text);
    int labelCount() const { return int(labels.size()); }
    Paper paper() const { return sheet.sheetPaper(); }
    int sheetCount() const;
    // Whom the labels are for whose text overflows its label.
    QStringList overflowing() const;
    // Whom the labels are for with text where the printer cannot print.
    QStringList outsidePrintable(const Sheet& where) const;
    // The sheet as the preview shows it: the labels outlined.
    Sheet withOutlines(Sheet where) const;
    // Prints sheet by sheet, each a page of its own. After each sheet `done`
    // is told how many labels are printed and says whether to go on.
    void print(Printer& printer, const std::function<bool(int labels)>& done) const;

  private:
    struct Placed {
        QString who;
        FittedText text;
        // The top-left corner of the text, twips from the paper's corner.
        QPointF at;
    };
    LabelSheet sheet;
    QList<QRectF> places;
    QString face;
    int start;
    QList<Placed> labels;
};
