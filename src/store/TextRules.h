#pragma once

#include <QString>
#include <QStringView>

// Small rules about text that the windows, the lists and the printed pages
// share.
namespace TextRules {
// The text without its trailing blanks (leading ones stay).
QString withoutTrailingBlanks(const QString& text);
// A name with nothing but blanks: the row is nameless.
bool isNameless(const QString& name);
// The name as lists of addressees start with it: followed by two blanks, or
// for a nameless row twelve blanks where it would stand.
QString nameColumn(const QString& name);
// Empty text or exactly one blank: how the zip code table and the printed
// pages mark a value that is not there.
bool isBlank(const QString& text);
// A list line that stands for a row: the shown text, then the row's key
// behind a run of blanks long enough to push it out of sight.
QString keyedLine(const QString& text, int blanks, const QString& key);
// What a keyed line shows: the line without its key and the blanks that
// hide it. A line without a key behind such blanks (a message) shows whole.
QString shownText(const QString& line);
// The key a keyed line ends with: its last five characters without their
// leading blanks.
QString lineKey(const QString& line);
// How many characters the text holds: a character outside the BMP (an
// emoji, a rare Hanja) counts once, as the user sees it.
qsizetype characters(const QString& text);
// The first `count` characters of the text, counted as characters() counts
// them: a character outside the BMP is kept whole or left out whole.
QString leftCharacters(const QString& text, qsizetype count);
// The number a text starts with (addressee numbers are decimal text): "12"
// and "12a" give 12, a text without leading digits 0.
qint64 leadingNumber(QStringView text);
// The number a typed count starts with (the copies box, printcondition on
// printed pages): blanks anywhere are ignored, a sign and a fraction are
// read, and the value is rounded half to even into 16 bits; 0 without one.
int numberAtStart(const QString& text);
} // namespace TextRules
