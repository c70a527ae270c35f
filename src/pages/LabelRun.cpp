#include "LabelRun.h"

#include "LetterForm.h"
#include "PageRenderer.h"
#include "store/TextRules.h"

#include <QRegularExpression>
#include <map>

namespace {
using TextRules::isBlank;
constexpr auto trimmed = &TextRules::withoutTrailingBlanks;

// The lines a label prints, empty ones left out.
QStringList filled(std::initializer_list<QString> lines) {
    QStringList kept;
    for (const QString& line : lines) {
        if (!isBlank(line) && !trimmed(line).isEmpty())
            kept << trimmed(line);
    }
    return kept;
}

double widest(const QStringList& lines, const QString& face, double size) {
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, PageRenderer::lineWidth(face, size, line));
    return widest;
}

// A line broken at blanks into lines no wider than `width`; a word wider
// than that stands on a line of its own.
QStringList wrapped(const QString& line, const QString& face, double size, double width) {
    static const QRegularExpression blanks(QStringLiteral(" +"));
    QStringList lines;
    QString current;
    for (const QString& word : line.split(blanks, Qt::SkipEmptyParts)) {
        const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && PageRenderer::lineWidth(face, size, longer) > width) {
            lines << current;
            current = word;
        } else {
            current = longer;
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}
} // namespace

LabelText LabelTexts::addressee(const Addressee& to) {
    const bool withCompany = TextRules::numberAtStart(to.printCondition) == 1;
    const QString affiliation =
        withCompany ? trimmed(to.company) + QLatin1Char(' ') + trimmed(to.department) : QString();
    const QString name = LetterForms::addresseeNameLine(to.name, to.position);
    return LabelText{trimmed(to.name).isEmpty() ? trimmed(affiliation) : trimmed(to.name),
                     filled({to.zipcode, to.address1, to.address2, affiliation.trimmed(), name})};
}

LabelText LabelTexts::sender(const Sender& from) {
    return LabelText{
        trimmed(from.name),
        filled({from.zipcode, from.address1, from.address2, from.company,
                LetterForms::senderNameLine(from.department, from.position, from.name)})};
}

FittedText LabelRun::fit(const QStringList& lines, const QString& face, QSizeF room) {
    const auto inside = [&](QSizeF size) {
        return size.width() <= room.width() && size.height() <= room.height();
    };
    const auto height = [&](const QStringList& set, double size) {
        return set.size() * double(PageRenderer::lineHeight(face, size));
    };
    // Widths grow in step with the size, so the lines measured once at the
    // largest size tell where to look; only the sizes there are measured.
    const double widestLargest = widest(lines, face, LargestSize);
    std::map<double, double> widths{{LargestSize, widestLargest}};
    const auto extent = [&](double size) {
        auto known = widths.find(size);
        if (known == widths.end())
            known = widths.emplace(size, widest(lines, face, size)).first;
        return QSizeF(known->second, height(lines, size));
    };
    double size = LargestSize;
    while (size >= SmallestSize &&
           !inside({widestLargest * size / LargestSize, height(lines, size)}))
        size -= Step;
    // The size estimated is measured: lowered while it does not fit, or
    // else raised while the next size up fits too.
    bool lowered = false;
    for (; size >= SmallestSize && !inside(extent(size)); size -= Step)
        lowered = true;
    while (!lowered && size < LargestSize && inside(extent(size + Step)))
        size += Step;
    if (size >= SmallestSize)
        return FittedText{size, lines, false, extent(size)};
    QStringList set;
    for (const QString& line : lines)
        set << wrapped(line, face, SmallestSize, room.width());
    const QSizeF wrappedExtent(widest(set, face, SmallestSize), height(set, SmallestSize));
    return FittedText{SmallestSize, set, !inside(wrappedExtent), wrappedExtent};
}

LabelRun::LabelRun(LabelSheet sheet, QString face, int start)
    : sheet(std::move(sheet)), places(this->sheet.labels()), face(std::move(face)),
      start(std::clamp(start, 0, int(places.size()) - 1)) {}

void LabelRun::add(const LabelText& text) {
    const double margin = sheet.margin;
    const QRectF slot = places[(start + labels.size()) % places.size()];
    const QSizeF room(slot.width() - 2 * margin, slot.height() - 2 * margin);
    labels << Placed{text.who, fit(text.lines, face, room),
                     slot.topLeft() + QPointF(margin, margin)};
}

int LabelRun::sheetCount() const {
    return labels.isEmpty() ? 0 : int((start + labels.size() - 1) / places.size()) + 1;
}

QStringList LabelRun::overflowing() const {
    QStringList who;
    for (const Placed& label : labels) {
        if (label.text.overflows)
            who << label.who;
    }
    return who;
}

QStringList LabelRun::outsidePrintable(const Sheet& where) const {
    QStringList who;
    for (const Placed& label : labels) {
        const QRectF ink(where.origin() + label.at, label.text.extent);
        if (!where.printable.contains(ink))
            who << label.who;
    }
    return who;
}

Sheet LabelRun::withOutlines(Sheet where) const {
    where.outlines = places;
    return where;
}

void LabelRun::print(Printer& printer, const std::function<bool(int labels)>& done) const {
    const int perSheet = int(places.size());
    int next = 0;
    while (next < labels.size()) {
        const int onThisSheet =
            std::min(int(labels.size()) - next, perSheet - (next == 0 ? start : 0));
        printer.startPage(sheet.sheetPaper());
        printer.setFontName(face);
        for (int i = next; i < next + onThisSheet; ++i) {
            const Placed& label = labels[i];
            printer.setFontSize(label.text.size);
            const int height = PageRenderer::lineHeight(face, label.text.size);
            for (int line = 0; line < label.text.lines.size(); ++line) {
                printer.setCurrentX(qRound(label.at.x()));
                printer.setCurrentY(qRound(label.at.y() + line * height));
                printer.print(label.text.lines[line]);
            }
        }
        printer.endPage();
        next += onThisSheet;
        if (!done(next))
            return;
    }
}
