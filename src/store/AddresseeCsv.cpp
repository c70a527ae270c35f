#include "AddresseeCsv.h"

#include "AddresseeFields.h"
#include "StoreError.h"
#include "TextEncoding.h"

#include <algorithm>

namespace {
void appendField(QString& out, const QString& value) {
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
                                           "직장/학교 ...)이 있는 CSV 파일과 vCard 파일 "
                                           "(BEGIN:VCARD 로 시작) 입니다"));
}
} // namespace

QByteArray AddresseeCsv::write(const QList<QStringList>& rows) {
    QString out;
    QStringList header;
    for (int i = 0; i < AddresseeFields::Count; ++i)
        header << AddresseeFields::caption(i);
    appendLine(out, header);
    for (const QStringList& row : rows)
        appendLine(out, row);
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

AddresseeFields::FileRows AddresseeCsv::read(const QByteArray& bytes) {
    TextEncoding::Decoded decoded;
    try {
        decoded = TextEncoding::decode(bytes);
    } catch (const StoreError& e) {
        throw notEitherFormat(e.message());
    }
    AddresseeFields::FileRows table;
    table.format = QStringLiteral("CSV (%1)").arg(decoded.encoding);
    const QList<QStringList> records = parse(decoded.text);
    QList<int> fieldOf;
    if (!records.isEmpty()) {
        for (const QString& header : records.first()) {
            const int field = AddresseeFields::byHeader(header);
            fieldOf << field;
            if (field < 0 && !header.trimmed().isEmpty())
                table.ignored << header.trimmed();
        }
    }
    if (std::none_of(fieldOf.begin(), fieldOf.end(), [](int f) { return f >= 0; }))
        throw notEitherFormat(QStringLiteral("CSV 파일도 vCard 파일도 아닙니다."));
    table.rows.reserve(records.size());
    for (qsizetype r = 1; r < records.size(); ++r) {
        QStringList row = AddresseeFields::emptyRow();
        bool any = false;
        const QStringList& record = records[r];
        for (qsizetype c = 0; c < record.size() && c < fieldOf.size(); ++c) {
            if (fieldOf[c] >= 0 && !record[c].isEmpty()) {
                row[fieldOf[c]] = record[c];
                any = true;
            }
        }
        // Spreadsheets leave rows of empty cells behind; they hold no addressee.
        if (any)
            table.rows << row;
    }
    return table;
}
