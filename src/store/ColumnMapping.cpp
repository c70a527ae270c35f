#include "ColumnMapping.h"

namespace {
using namespace AddresseeFields;

// Names other programs and spreadsheets give the fields, besides the
// window's captions and the book's column names.
struct Synonym {
    const char* name;
    int field;
};
constexpr Synonym synonyms[] = {
    {"성명", Name},
    {"회사", Company},
    {"직장", Company},
    {"소속", Company},
    {"부서", Department},
    {"학과", Department},
    {"직위", DepartPosition},
    {"직급", DepartPosition},
    {"직책", DepartPosition},
    {"핸드폰", MobilePhone},
    {"휴대전화", MobilePhone},
    {"집전화", HomeTelephone},
    {"회사전화", CompanyTelephone},
    {"직장전화", CompanyTelephone},
    {"내선", ExtentionNumber},
    {"상세주소", Address2},
    {"전자우편", Email},
    {"e-mail", Email},
    {"비고", Remark},
    {"전화", MobilePhone},
    {"mobile", MobilePhone},
    {"zip", Zipcode},
    {"address", Address1},
    {"주소1", Address1},
    {"주소2", Address2},
};

QString comparable(const QString& name) {
    QString text = name.toCaseFolded();
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}
} // namespace

namespace {
// The field a name stands for by caption or column name, or else (when
// asked) by a synonym.
int match(const QString& column, bool bySynonym) {
    const QString name = comparable(column);
    if (name.isEmpty())
        return ColumnMapping::Ignored;
    for (int i = 0; i < Count; ++i) {
        if (name == comparable(caption(i)) || name == comparable(AddresseeFields::column(i)))
            return i;
    }
    if (bySynonym) {
        for (const Synonym& synonym : synonyms) {
            if (name == comparable(QString::fromUtf8(synonym.name)))
                return synonym.field;
        }
    }
    return ColumnMapping::Ignored;
}
} // namespace

int ColumnMapping::fieldFor(const QString& column) {
    return match(column, true);
}

ColumnMapping::Mapping ColumnMapping::guess(const QStringList& columns) {
    Mapping mapping(columns.size(), Ignored);
    // Captions and column names first: a "메모" column keeps the memo even
    // after a "비고" column.
    for (const bool bySynonym : {false, true}) {
        for (qsizetype c = 0; c < columns.size(); ++c) {
            int field = match(columns[c], bySynonym);
            // A second address column holds the rest of the address.
            if (field == Address1 && mapping.contains(Address1))
                field = Address2;
            if (mapping[c] == Ignored && !mapping.contains(field))
                mapping[c] = field;
        }
    }
    return mapping;
}

bool ColumnMapping::anyUnknown(const QStringList& columns, const Mapping& mapping) {
    return !ignoredColumns(columns, mapping).isEmpty();
}

QStringList ColumnMapping::ignoredColumns(const QStringList& columns, const Mapping& mapping) {
    QStringList ignored;
    for (qsizetype c = 0; c < columns.size(); ++c) {
        if (mapping.value(c, Ignored) == Ignored && !columns[c].trimmed().isEmpty())
            ignored << columns[c].trimmed();
    }
    return ignored;
}

AddresseeFields::FileRows ColumnMapping::apply(const ForeignTable& table, const Mapping& mapping) {
    FileRows result;
    result.format = table.format;
    result.ignored = ignoredColumns(table.columns, mapping);
    result.rows.reserve(table.records.size());
    for (const QStringList& record : table.records) {
        QStringList row = emptyRow();
        bool any = false;
        for (qsizetype c = 0; c < record.size() && c < mapping.size(); ++c) {
            if (mapping[c] != Ignored && !record[c].isEmpty()) {
                row[mapping[c]] = record[c];
                any = true;
            }
        }
        // Spreadsheets leave rows of empty cells behind; they hold no addressee.
        if (any)
            result.rows << row;
    }
    return result;
}

QList<QStringList> ColumnMapping::samples(const ForeignTable& table, int count) {
    return table.records.mid(0, count);
}
