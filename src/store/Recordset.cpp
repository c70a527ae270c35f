#include "Recordset.h"

#include "StoreError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
const QString noCurrentRecord = QStringLiteral("현재 레코드가 없습니다");

QString describe(const QSqlQuery& query) {
    return query.lastError().text();
}

void failIf(bool failed, const QString& what, const QSqlQuery& query) {
    if (failed)
        throw StoreError(what + QLatin1Char('\n') + describe(query));
}

// Bound text must never turn into SQL NULL: an empty box is stored as "".
QString notNull(const QString& text) {
    return text.isNull() ? QString(QLatin1String("")) : text;
}
} // namespace

Recordset::Recordset(std::shared_ptr<Connection> conn, const QString& source)
    : connection(std::move(conn)) {
    static const QRegularExpression select(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(\\w+)(.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto match = select.match(source);
    if (match.hasMatch()) {
        table = match.captured(1);
        query = QStringLiteral("select rowid, * from ") + table + match.captured(2);
    } else {
        table = source.trimmed();
        query = QStringLiteral("select rowid, * from ") + table;
    }
    readSchema();
    load();
}

void Recordset::readSchema() {
    static const QRegularExpression width(QStringLiteral("\\((\\d+)\\)"));
    QSqlQuery info(connection->db());
    info.setForwardOnly(true);
    failIf(!info.exec(QStringLiteral("pragma table_info(") + table + QLatin1Char(')')),
           QStringLiteral("%1 테이블을 읽을 수 없습니다").arg(table), info);
    while (info.next()) {
        columns << info.value(1).toString();
        const auto m = width.match(info.value(2).toString());
        widths << (m.hasMatch() ? m.captured(1).toInt() : 0);
    }
    if (columns.isEmpty())
        throw StoreError(QStringLiteral("%1 테이블이 없습니다").arg(table));
}

void Recordset::load() {
    QSqlQuery q(connection->db());
    q.setForwardOnly(true);
    failIf(!q.exec(query), QStringLiteral("%1 테이블을 읽을 수 없습니다").arg(table), q);
    const QSqlRecord record = q.record();
    QVector<int> map;
    for (const QString& column : columns)
        map << record.indexOf(column);
    QVector<Row> fresh;
    fresh.reserve(rows.size());
    while (q.next()) {
        Row row;
        row.rowid = q.value(0).toLongLong();
        row.values.reserve(columns.size());
        for (int i : map)
            row.values << (i < 0 ? QString(QLatin1String("")) : notNull(q.value(i).toString()));
        fresh.push_back(std::move(row));
    }
    failIf(q.lastError().isValid(), QStringLiteral("%1 테이블을 읽을 수 없습니다").arg(table), q);
    rows.swap(fresh);
    position = rows.isEmpty() ? -1 : 0;
}

bool Recordset::bof() const {
    return rows.isEmpty() || position < 0;
}
bool Recordset::eof() const {
    return rows.isEmpty() || position >= rows.size();
}

void Recordset::moveFirst() {
    if (rows.isEmpty())
        throw StoreError(noCurrentRecord);
    position = 0;
}

void Recordset::moveLast() {
    if (rows.isEmpty())
        throw StoreError(noCurrentRecord);
    position = int(rows.size()) - 1;
}

void Recordset::moveNext() {
    if (eof())
        throw StoreError(noCurrentRecord);
    ++position;
}

void Recordset::movePrevious() {
    if (bof())
        throw StoreError(noCurrentRecord);
    --position;
}

bool Recordset::findFirst(const QString& column, const QString& value) {
    const int c = columnIndex(column);
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].values[c] == value) {
            position = i;
            return true;
        }
    }
    return false;
}

int Recordset::columnIndex(const QString& column) const {
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw StoreError(QStringLiteral("%1 테이블에 %2 항목이 없습니다").arg(table, column));
}

const Recordset::Row& Recordset::current() const {
    if (bof() || eof())
        throw StoreError(noCurrentRecord);
    return rows[position];
}

QString Recordset::field(const QString& column) const {
    return field(columnIndex(column));
}

QString Recordset::field(int c) const {
    if (pending != Pending::None && touched[c])
        return buffer[c];
    return current().values[c];
}

void Recordset::addNew() {
    pending = Pending::Adding;
    buffer = QStringList();
    for (int i = 0; i < columns.size(); ++i)
        buffer << QString(QLatin1String(""));
    touched = QVector<bool>(columns.size(), false);
}

void Recordset::edit() {
    buffer = current().values;
    touched = QVector<bool>(columns.size(), false);
    pending = Pending::Editing;
}

void Recordset::setField(const QString& column, const QString& value) {
    if (pending == Pending::None)
        throw StoreError(QStringLiteral("저장 준비가 되지 않았습니다"));
    const int c = columnIndex(column);
    buffer[c] = notNull(value);
    touched[c] = true;
}

void Recordset::cancelUpdate() {
    pending = Pending::None;
}

void Recordset::update() {
    if (pending == Pending::None)
        throw StoreError(QStringLiteral("저장 준비가 되지 않았습니다"));
    const Pending mode = pending;
    pending = Pending::None;
    for (int i = 0; i < columns.size(); ++i) {
        if (touched[i] && widths[i] > 0 && buffer[i].size() > widths[i])
            throw StoreError(QStringLiteral("%1 항목은 %2자를 넘을 수 없습니다 (%3자)")
                                 .arg(columns[i])
                                 .arg(widths[i])
                                 .arg(buffer[i].size()));
    }
    QSqlQuery q(connection->db());
    if (mode == Pending::Adding) {
        // Every column is written: a column left unset is stored as empty text.
        QStringList marks;
        for (qsizetype i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        q.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (const QString& value : buffer)
            q.addBindValue(value);
        failIf(!q.exec(), QStringLiteral("저장하지 못했습니다"), q);
        Row row;
        row.rowid = q.lastInsertId().toLongLong();
        row.values = buffer;
        rows.push_back(row);
        position = int(rows.size()) - 1;
        return;
    }
    Row& row = rows[position];
    QStringList sets;
    for (int i = 0; i < columns.size(); ++i) {
        if (touched[i])
            sets << columns[i] + QStringLiteral("=?");
    }
    if (sets.isEmpty())
        return;
    q.prepare(
        QStringLiteral("update %1 set %2 where rowid=?").arg(table, sets.join(QLatin1Char(','))));
    for (int i = 0; i < columns.size(); ++i) {
        if (touched[i])
            q.addBindValue(buffer[i]);
    }
    q.addBindValue(row.rowid);
    failIf(!q.exec(), QStringLiteral("저장하지 못했습니다"), q);
    if (q.numRowsAffected() != 1)
        throw StoreError(QStringLiteral("저장하지 못했습니다.\n해당 데이타가 이미 삭제되었습니다"));
    row.values = buffer;
}

void Recordset::deleteCurrent() {
    const Row& row = current();
    QSqlQuery q(connection->db());
    q.prepare(QStringLiteral("delete from %1 where rowid=?").arg(table));
    q.addBindValue(row.rowid);
    failIf(!q.exec(), QStringLiteral("삭제하지 못했습니다"), q);
    rows.removeAt(position);
    if (position >= rows.size())
        position = int(rows.size());
}

void Recordset::requery() {
    load();
}

void Recordset::close() {
    rows.clear();
    position = -1;
    open = false;
}
