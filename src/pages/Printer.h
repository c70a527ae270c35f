#pragma once

#include <QList>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <stdexcept>

// A printer that cannot take the page: missing, no default set, or the job
// was refused. The message is worded for the user.
class PrinterError : public std::runtime_error {
  public:
    explicit PrinterError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    QString message() const { return text; }

  private:
    QString text;
};

// The paper a page is printed on, as it lies: the forms on landscape A4,
// label sheets upright on their own paper.
struct Paper {
    QPageSize::PageSizeId size = QPageSize::A4;
    bool landscape = true;
    // Positions count from the paper's corner, as a label sheet's maker
    // measures it, not from the printable area as on the forms.
    bool fromEdge = false;
    // Width and height in twips.
    QSizeF twips() const;
    bool operator==(const Paper&) const = default;
};

// Where pages land on one printer, in twips on the sheet of paper, counted
// from the sheet's top-left corner.
struct Sheet {
    QString printer;
    // The area the printer's driver can print on.
    QRectF printable;
    // The user's print position adjustment for this printer.
    QPointF shift;
    Paper paper;
    // Drawn by the preview over the page, never printed: the labels of a
    // label sheet.
    QList<QRectF> outlines;
    // Where positions on a page count from.
    QPointF origin() const { return (paper.fromEdge ? QPointF() : printable.topLeft()) + shift; }
    static constexpr double Width = 16838;  // 297 mm
    static constexpr double Height = 11906; // 210 mm
};

// The operations the print window and the page layouts drive the printer
// with. Positions are twips from the top-left corner of the printable area
// of the landscape page; sizes are points.
//
// A face name that begins with "@" sets each character turned a quarter
// turn, so that a line running along the landscape page reads from top to
// bottom once the sheet is turned upright.
class Printer {
  public:
    virtual ~Printer() = default;

    // The installed fonts; fails with PrinterError when there is no printer
    // or no default printer.
    virtual QStringList fonts() = 0;
    // The page goes to the printer that is the system's default now.
    virtual void followDefaultPrinter() = 0;
    // Everything printed since the last end goes to the printer as one job.
    virtual void endPage() = 0;
    // Where pages on the paper land on the default printer; fails with
    // PrinterError like fonts().
    virtual Sheet sheetFor(const Paper& paper) = 0;
    // The same for the forms' paper.
    Sheet sheet() { return sheetFor(Paper()); }
    // The start of every page: the default printer, landscape A4, position
    // (0, 0).
    void startPage();
    // The start of a page on other paper than the forms'.
    void startPage(const Paper& paper);
    // The paper of the page being printed.
    const Paper& paper() const { return pagePaper; }

    void setFontName(const QString& face) { fontName = face; }
    void setFontSize(double points) { fontSize = points; }
    void setCurrentX(int twips) { x = twips; }
    void setCurrentY(int twips) { y = twips; }
    int currentX() const { return x; }
    int currentY() const { return y; }

    // Sets the items one after another with one blank between them; then X
    // is 0 and Y one line height lower.
    void print(const QStringList& items);
    void print(const QString& text) { print(QStringList{text}); }
    // Moves one line height lower; nothing is printed.
    void printBlankLine();

    struct Line {
        QString face; // as given, "@" included
        double size;
        int x;
        int y;
        QString text;
        bool vertical;
    };
    // The lines of one printed page.
    using Page = QList<Line>;

  protected:
    // Height of one line in the given face and size, in twips: the face's
    // own metrics unless a test printer says otherwise.
    virtual int lineHeight(const QString& face, double size);
    virtual void draw(const Line& line) = 0;

  private:
    Paper pagePaper;
    QString fontName;
    double fontSize = 12;
    int x = 0;
    int y = 0;
};

namespace PrinterLayer {
// The face of horizontal lines for a face name: without a leading "@" (and
// then at most 50 characters, without trailing blanks).
QString horizontalFace(const QString& face);
} // namespace PrinterLayer
