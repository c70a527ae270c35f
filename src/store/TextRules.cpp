#include "TextRules.h"

#include <algorithm>
#include <cmath>

QString TextRules::withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

bool TextRules::isNameless(const QString& name) {
    return withoutTrailingBlanks(name).isEmpty();
}

QString TextRules::nameColumn(const QString& name) {
    return isNameless(name) ? QString(12, QLatin1Char(' ')) : name + QStringLiteral("  ");
}

bool TextRules::isBlank(const QString& text) {
    return text.isEmpty() || text == QStringLiteral(" ");
}

QString TextRules::keyedLine(const QString& text, int blanks, const QString& key) {
    // Made in one piece of its own length: a list may hold a hundred
    // thousand lines.
    QString line;
    line.reserve(text.size() + blanks + key.size());
    line += text;
    line += QString(blanks, QLatin1Char(' '));
    line += key;
    return line;
}

QString TextRules::lineKey(const QString& line) {
    QString key = line.right(5);
    while (key.startsWith(QLatin1Char(' ')))
        key.remove(0, 1);
    return key;
}

namespace {
// How long the number is that the text starts with: its digits and, when
// `decimal`, a sign before them and one decimal point among them.
qsizetype numberLength(QStringView text, bool decimal) {
    qsizetype end = 0;
    if (decimal && end < text.size() &&
        (text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))
        ++end;
    bool point = !decimal;
    while (end < text.size() &&
           (text[end].isDigit() || (text[end] == QLatin1Char('.') && !point))) {
        point = point || text[end] == QLatin1Char('.');
        ++end;
    }
    return end;
}
} // namespace

qint64 TextRules::leadingNumber(QStringView text) {
    const QStringView trimmed = text.trimmed();
    return trimmed.left(numberLength(trimmed, false)).toLongLong();
}

int TextRules::numberAtStart(const QString& text) {
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    compact.remove(QLatin1Char('\t'));
    bool ok = false;
    const double value = compact.left(numberLength(compact, true)).toDouble(&ok);
    if (!ok)
        return 0;
    // nearbyint rounds a half to the even neighbour.
    return int(std::nearbyint(std::clamp(value, -32768.0, 32767.0)));
}

qsizetype TextRules::characters(const QString& text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isLowSurrogate(); });
}

QString TextRules::leftCharacters(const QString& text, qsizetype count) {
    qsizetype end = 0;
    for (qsizetype kept = 0; end < text.size(); ++end) {
        // A low surrogate belongs to the character before it.
        if (!text[end].isLowSurrogate() && kept++ == count)
            break;
    }
    return text.left(end);
}

QString TextRules::shownText(const QString& line) {
    // The lists hide their keys behind 90 blanks or more.
    constexpr qsizetype hidingBlanks = 90;
    const qsizetype keyStart = line.size() - lineKey(line).size();
    const QString shown = withoutTrailingBlanks(line.left(keyStart));
    return keyStart - shown.size() >= hidingBlanks ? shown : line;
}
