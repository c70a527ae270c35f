#include "TextRules.h"

#include <algorithm>

QString TextRules::withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

bool TextRules::isBlank(const QString& text) {
    return text.isEmpty() || text == QStringLiteral(" ");
}

QString TextRules::keyedLine(const QString& text, int blanks, const QString& key) {
    return text + QString(blanks, QLatin1Char(' ')) + key;
}

QString TextRules::lineKey(const QString& line) {
    QString key = line.right(5);
    while (key.startsWith(QLatin1Char(' ')))
        key.remove(0, 1);
    return key;
}

qint64 TextRules::leadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && trimmed[digits].isDigit())
        ++digits;
    return trimmed.left(digits).toLongLong();
}

qsizetype TextRules::characters(const QString& text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isLowSurrogate(); });
}

QString TextRules::shownText(const QString& line) {
    // The lists hide their keys behind 90 blanks or more.
    constexpr qsizetype hidingBlanks = 90;
    const qsizetype keyStart = line.size() - lineKey(line).size();
    const QString shown = withoutTrailingBlanks(line.left(keyStart));
    return keyStart - shown.size() >= hidingBlanks ? shown : line;
}
