#include "ZipCodes.h"

#include "AppPaths.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QSqlError>

namespace {
// Rows in the order sido, gugun, dong, ri, st_bunji; rows alike in all five
// keep the table's own order.
const QString selectRows =
    QStringLiteral("select seq, zipcode, sido, gugun, dong, ri, st_bunji, ed_bunji from zip ");
const QString inListOrder = QStringLiteral(" order by sido, gugun, dong, ri, st_bunji, rowid");
} // namespace

QString ZipRow::listLine() const {
    const QChar blank = QLatin1Char(' ');
    QString line = zipcode + blank + sido + blank + gugun + blank + dong + blank + ri;
    if (!TextRules::isBlank(st_bunji)) {
        line += blank + st_bunji;
        if (!TextRules::isBlank(ed_bunji))
            line += QStringLiteral(" ~ ") + ed_bunji;
    }
    return TextRules::keyedLine(line, 90, seq);
}

QString ZipRow::address1() const {
    return sido + QLatin1Char(' ') + gugun + QStringLiteral("  ") + dong;
}

ZipCodes::ZipCodes()
    : file(Connection::open(AppPaths::zipcodePath(), {QStringLiteral("zip")}, true)) {
    const struct {
        QSqlQuery* query;
        QString sql;
    } statements[] = {{&byDong, selectRows + QStringLiteral("where dong = ?") + inListOrder},
                      {&byRi, selectRows + QStringLiteral("where ri = ?") + inListOrder},
                      {&bySeq, selectRows + QStringLiteral("where seq = ?")}};
    for (const auto& s : statements) {
        *s.query = QSqlQuery(file->db());
        s.query->setForwardOnly(true);
        if (!s.query->prepare(s.sql))
            throw StoreError(
                QStringLiteral("zipcode.mdb 파일의 zip 테이블이 올바르지 않습니다.\n") +
                s.query->lastError().text());
    }
}

QList<ZipRow> ZipCodes::run(QSqlQuery& query, const QString& value) {
    query.bindValue(0, value);
    if (!query.exec())
        throw StoreError(QStringLiteral("zipcode.mdb 파일을 읽을 수 없습니다.\n") +
                         query.lastError().text());
    QList<ZipRow> rows;
    while (query.next()) {
        ZipRow row;
        QString* columns[] = {&row.seq,  &row.zipcode, &row.sido,     &row.gugun,
                              &row.dong, &row.ri,      &row.st_bunji, &row.ed_bunji};
        for (int c = 0; c < 8; ++c)
            *columns[c] = query.value(c).toString();
        rows << row;
    }
    query.finish();
    return rows;
}

QList<ZipRow> ZipCodes::search(const QString& text) {
    // The blank that marks "no village" names no place: searching for it
    // would list tens of thousands of unrelated rows.
    if (TextRules::isBlank(text))
        return {};
    QList<ZipRow> rows = run(byDong, text);
    return rows.isEmpty() ? run(byRi, text) : rows;
}

std::optional<ZipRow> ZipCodes::find(const QString& seq) {
    const QList<ZipRow> rows = run(bySeq, seq);
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}
