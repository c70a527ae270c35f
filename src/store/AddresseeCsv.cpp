#include "AddresseeCsv.h"

#include "AddresseeFields.h"
#include "ColumnMapping.h"
#include "StoreError.h"
#include "TextEncoding.h"

#include <algorithm>

namespace {
// A spreadsheet runs a cell that starts with one of these as a formula.
bool startsFormula(QStringView value) {
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !value.isEmpty() && starts.contains(value.front());
}

// Whether the value goes out behind an apostrophe: a formula, and a value
// that would read back as one that went out so ('=..., ''=...). Spreadsheets
// take the leading apostrophe as the mark of text.
bool guarded(QStringView value) {
    while (value.startsWith(QLatin1Char('\'')))
        value = value.mid(1);
    return startsFormula(value);
}

void appendField(QString& out, const QString& text) {
    const QString value = guarded(text) ? QLatin1Char('\'') + text : text;
    // Semicolons and tabs too: spreadsheets may be set to split at them.
    static const QString special = QStringLiteral(",\"\r\n;\t");
    bool quote = false;
    for (const QChar c : value)
        quote = quote || special.contains(c);
    if (!quote) {
        out += value;
        return;
    }
    out += QLatin1Char('"');
    for (const QChar c : value) {
        if (c == QLatin1Char('"'))
            out += QLatin1Char('"');
        out += c;
    }
    out += QLatin1Char('"');
}

void appendLine(QString& out, const QStringList& values) {
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        appendField(out, values[i]);
    }
    out += QLatin1String("\r\n");
}

// Splits the text into records of fields. A quoted field may hold commas,
// quotes (doubled) and line breaks; records end at CR LF, LF or CR.
QList<QStringList> parse(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    int quoteLine = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == QLatin1Char(',')) {
            record << field;
            field.clear();
            fieldStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            ++line;
            if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
                record << field;
                records << record;
            }
            record.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
        }
    }
    if (quoted)
        throw StoreError(
            QStringLiteral("%1번째 줄에서 시작한 따옴표(\")가 닫히지 않았습니다").arg(quoteLine));
    if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
        record << field;
        records << record;
    }
    return records;
}

StoreError notEitherFormat(const QString& why) {
    return StoreError(why + QStringLiteral("\n가져올 수 있는 파일은 첫 줄에 항목 제목(이름, "
                                           "직장/학교 ...)이 있는 CSV 파일과, BEGIN:VCARD로 "
                                           "시작하는 vCard 파일입니다"));
}
} // namespace

QByteArray AddresseeCsv::write(const QList<QStringList>& rows) {
    QStringList header;
    for (int i = 0; i < AddresseeFields::Count; ++i)
        header << AddresseeFields::caption(i);
    QList<QStringList> lines{header};
    for (QStringList row : rows) {
        // As the window's box reads it, not as a code.
        row[AddresseeFields::PrintCondition] =
            AddresseeFields::printConditionWord(row[AddresseeFields::PrintCondition]);
        lines << row;
    }
    return table(lines);
}

QByteArray AddresseeCsv::table(const QList<QStringList>& lines) {
    QString out;
    for (const QStringList& line : lines)
        appendLine(out, line);
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

ForeignTable AddresseeCsv::readTable(const QByteArray& bytes) {
    TextEncoding::Decoded decoded;
    try {
        decoded = TextEncoding::decode(bytes);
    } catch (const StoreError& e) {
        throw notEitherFormat(e.message());
    }
    ForeignTable table;
    table.format = QStringLiteral("CSV, %1").arg(decoded.encoding);
    table.records = parse(decoded.text);
    if (!table.records.isEmpty())
        table.columns = table.records.takeFirst();
    // The apostrophe write() put before a formula comes off.
    for (QStringList& record : table.records) {
        for (QString& value : record) {
            if (value.startsWith(QLatin1Char('\'')) && guarded(QStringView(value).mid(1)))
                value.remove(0, 1);
        }
    }
    const ColumnMapping::Mapping known = ColumnMapping::guess(table.columns);
    if (std::none_of(known.begin(), known.end(),
                     [](int field) { return field != ColumnMapping::Ignored; }))
        throw notEitherFormat(QStringLiteral("CSV 파일도 vCard 파일도 아닙니다."));
    return table;
}

AddresseeFields::FileRows AddresseeCsv::read(const QByteArray& bytes) {
    const ForeignTable table = readTable(bytes);
    return ColumnMapping::apply(table, ColumnMapping::guess(table.columns));
}
