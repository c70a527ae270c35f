#include "Recordset.h"

#include "SeqNumbers.h"
#include "Statement.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <memory>
#include <sqlite3.h>

namespace {
const QString noCurrentRecord = QStringLiteral("현재 레코드가 없습니다");
const QString cannotSave = QStringLiteral("저장하지 못했습니다");

const QString rowChanged =
    QStringLiteral("이 데이타가 그 사이에 지워졌거나 다른 곳에서 바뀌었습니다");

// Bound text must never turn into SQL NULL: an empty box is stored as "".
QString notNull(const QString& text) {
    return text.isNull() ? QString(QLatin1String("")) : text;
}

// The file orders text by its UTF-8 bytes, that is by code point. UTF-16
// puts a character beyond U+FFFF (two surrogates, D800 to DFFF) before
// U+E000 to U+FFFF; moving the surrogates above them gives code point order.
int compareCodePoints(QStringView a, QStringView b) {
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x == y)
            continue;
        if (x >= 0xD800 && y >= 0xD800) {
            x += x >= 0xE000 ? -0x800 : 0x2000;
            y += y >= 0xE000 ? -0x800 : 0x2000;
        }
        return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
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
    static const QRegularExpression orderBy(
        QStringLiteral("\\border\\s+by\\s+(\\w+(?:\\s*,\\s*\\w+)*)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto order = orderBy.match(query);
    if (order.hasMatch()) {
        for (const QString& column : order.captured(1).split(QLatin1Char(',')))
            orderColumns << columnIndex(column.trimmed());
    }
    load();
}

Recordset::Row::Row(qint64 id, const QStringList& values) : rowid(id) {
    qsizetype length = 0;
    for (const QString& value : values)
        length += value.size();
    const bool wide = length > 0xFFFF;
    text.reserve(1 + (wide ? 2 : 1) * values.size() + length);
    text += QChar(char16_t(values.size()));
    qsizetype end = 0;
    for (const QString& value : values) {
        end += value.size();
        if (wide)
            text += QChar(char16_t(end >> 16));
        text += QChar(char16_t(end));
    }
    for (const QString& value : values)
        text += value;
}

QStringView Recordset::Row::view(int column) const {
    const qsizetype count = text[0].unicode();
    // Ends in two characters leave more than 0xFFFF characters behind one
    // character a value.
    const bool wide = text.size() - 1 - count > 0xFFFF;
    const auto end = [&](int c) -> qsizetype {
        if (c < 0)
            return 0;
        if (!wide)
            return text[1 + c].unicode();
        return qsizetype(text[1 + 2 * c].unicode()) << 16 | text[2 + 2 * c].unicode();
    };
    const qsizetype start = end(column - 1);
    return QStringView(text).sliced(1 + (wide ? 2 : 1) * count + start, end(column) - start);
}

QString Recordset::Row::at(int column) const {
    // Never a null text: a value bound for the file must not become NULL.
    return notNull(view(column).toString());
}

QStringList Recordset::Row::values() const {
    QStringList all;
    for (int c = 0; c < text[0].unicode(); ++c)
        all << at(c);
    return all;
}

Recordset::~Recordset() {
    if (observer)
        observer->cursorGone();
}

void Recordset::fail(bool failed, const QString& what, const QSqlQuery& query) const {
    if (failed)
        throw StoreError(what + QLatin1Char('\n') + connection->describe(query.lastError()));
}

void Recordset::numberNewRows(const QString& column) {
    numbered = columnIndex(column);
}

void Recordset::readSchema() {
    static const QRegularExpression width(QStringLiteral("\\((\\d+)\\)"));
    QSqlQuery info(connection->db());
    info.setForwardOnly(true);
    fail(!info.exec(QStringLiteral("pragma table_info(") + table + QLatin1Char(')')),
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
    // Read through SQLite itself: the driver hands every value over as a
    // variant of UTF-16 text, which takes twice as long.
    const QString what = QStringLiteral("%1 테이블을 읽을 수 없습니다").arg(table);
    sqlite3* const handle = connection->handle();
    if (!handle)
        throw StoreError(what);
    const auto failure = [&] {
        const QSqlError error(QString(), QString::fromUtf8(sqlite3_errmsg(handle)),
                              QSqlError::StatementError,
                              QString::number(sqlite3_extended_errcode(handle)));
        return StoreError(what + QLatin1Char('\n') + connection->describe(error));
    };
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, query.toUtf8().constData(), -1, &statement, nullptr) !=
        SQLITE_OK)
        throw failure();
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalize(statement,
                                                                         sqlite3_finalize);
    QVector<int> map;
    for (const QString& column : columns) {
        map << -1;
        for (int i = 1; i < sqlite3_column_count(statement) && map.last() < 0; ++i) {
            if (column.compare(QString::fromUtf8(sqlite3_column_name(statement, i)),
                               Qt::CaseInsensitive) == 0)
                map.last() = i;
        }
    }
    // The columns hold text: a number stored there reads as its text.
    const auto text = [statement](int i) {
        const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
        return Statement::fromUtf8(QByteArrayView(utf8, sqlite3_column_bytes(statement, i)));
    };
    QVector<Row> fresh;
    fresh.reserve(rows.size());
    QStringList values;
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        values.clear();
        for (int i : map)
            values << (i < 0 ? QString() : text(i));
        fresh.push_back(Row(sqlite3_column_int64(statement, 0), values));
    }
    if (step != SQLITE_DONE)
        throw failure();
    if (observer)
        observer->rowsReplacing();
    dropIndex();
    rows.swap(fresh);
    position = rows.isEmpty() ? -1 : 0;
    if (observer)
        observer->rowsReplaced();
}

int Recordset::placeOf(const Row& row) const {
    const auto before = [this](const Row& a, const Row& b) {
        for (int c : orderColumns) {
            if (const int order = compareCodePoints(a.view(c), b.view(c)))
                return order < 0;
        }
        return a.rowid < b.rowid;
    };
    if (orderColumns.isEmpty())
        return int(rows.size());
    return int(std::lower_bound(rows.cbegin(), rows.cend(), row, before) - rows.cbegin());
}

void Recordset::place(Row row) {
    position = placeOf(row);
    if (observer)
        observer->rowInserting(position);
    dropIndex();
    rows.insert(position, std::move(row));
    if (observer)
        observer->rowInserted();
}

void Recordset::removeRow(int at) {
    if (observer)
        observer->rowRemoving(at);
    dropIndex();
    rows.removeAt(at);
    if (observer)
        observer->rowRemoved();
}

void Recordset::dropIndex() {
    indexed = -1;
    index = {};
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

int Recordset::find(const QString& column, const QString& value) const {
    const int c = columnIndex(column);
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i].view(c) == value)
            return i;
    }
    return -1;
}

bool Recordset::seek(const QString& column, const QString& value) {
    const int c = columnIndex(column);
    if (indexed != c) {
        index.clear();
        index.reserve(rows.size());
        // Made from the last row up: a value held by several rows keeps the first.
        for (int i = int(rows.size()) - 1; i >= 0; --i)
            index.insert(rows[i].view(c), i);
        indexed = c;
    }
    const auto found = index.constFind(value);
    if (found == index.cend())
        return false;
    position = *found;
    return true;
}

bool Recordset::findFirst(const QString& column, const QString& value) {
    const int row = find(column, value);
    if (row >= 0)
        position = row;
    return row >= 0;
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
    return current().at(c);
}

void Recordset::addNew() {
    pending = Pending::Adding;
    buffer = QStringList();
    for (int i = 0; i < columns.size(); ++i)
        buffer << QString(QLatin1String(""));
    touched = QVector<bool>(columns.size(), false);
}

void Recordset::edit() {
    buffer = current().values();
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
        if (touched[i] && widths[i] > 0 && TextRules::characters(buffer[i]) > widths[i])
            throw StoreError(QStringLiteral("%1 항목은 %2자를 넘을 수 없습니다 (%3자)")
                                 .arg(columns[i])
                                 .arg(widths[i])
                                 .arg(TextRules::characters(buffer[i])));
    }
    if (mode == Pending::Adding) {
        insert();
        return;
    }
    QStringList sets;
    QStringList values;
    for (int i = 0; i < columns.size(); ++i) {
        if (touched[i]) {
            sets << columns[i] + QStringLiteral("=?");
            values << buffer[i];
        }
    }
    if (sets.isEmpty())
        return;
    if (write(QStringLiteral("update %1 set %2 where rowid=%3")
                  .arg(table, sets.join(QLatin1Char(',')), sameRow()),
              values, true, cannotSave) != 1)
        throw StoreError(cannotSave + QStringLiteral(".\n") + rowChanged);
    Row row{rows[position].rowid, buffer};
    const bool moves = std::any_of(orderColumns.cbegin(), orderColumns.cend(),
                                   [&](int c) { return row.view(c) != rows[position].view(c); });
    if (!moves) {
        dropIndex();
        rows[position] = std::move(row);
        if (observer)
            observer->rowChanged(position);
        return;
    }
    removeRow(position);
    place(std::move(row));
}

QString Recordset::sameRow() const {
    QStringList same;
    for (const QString& column : columns)
        same << QStringLiteral("ifnull(%1,'')=?").arg(column);
    // The row read, found by its rowid; when that holds other values now (the
    // file was compacted, say), the first row holding the same values.
    return QStringLiteral("ifnull((select rowid from %1 where rowid=? and %2),"
                          "(select rowid from %1 where %2 limit 1))")
        .arg(table, same.join(QStringLiteral(" and ")));
}

qint64 Recordset::write(const QString& sql, const QStringList& texts, bool andSameRow,
                        const QString& what) const {
    try {
        Statement statement(*connection, sql);
        int parameter = 0;
        for (const QString& text : texts)
            statement.bind(++parameter, text);
        if (andSameRow) {
            const QStringList values = current().values();
            statement.bind(++parameter, current().rowid);
            for (int twice = 0; twice < 2; ++twice) {
                for (const QString& value : values)
                    statement.bind(++parameter, value);
            }
        }
        return statement.run();
    } catch (const StoreError& e) {
        throw StoreError(what + QLatin1Char('\n') + e.message());
    }
}

void Recordset::insert() {
    QSqlDatabase db = connection->db();
    QSqlQuery q(db);
    // The number check and the insert are one write: no other connection
    // can hand out the same number in between.
    fail(!q.exec(QStringLiteral("begin immediate")), cannotSave, q);
    try {
        if (numbered >= 0)
            settleNumber(q);
        // Every column is written: a column left unset is stored as empty text.
        QStringList marks;
        for (qsizetype i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        write(QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
              buffer, false, cannotSave);
        const qint64 rowid = sqlite3_last_insert_rowid(connection->handle());
        fail(!q.exec(QStringLiteral("commit")), cannotSave, q);
        place(Row{rowid, buffer});
    } catch (const StoreError&) {
        QSqlQuery(db).exec(QStringLiteral("rollback"));
        throw;
    }
}

void Recordset::settleNumber(QSqlQuery& q) {
    const QString column = columns[numbered];
    const auto taken = [&](const QString& number) {
        q.prepare(QStringLiteral("select 1 from %1 where %2=? limit 1").arg(table, column));
        q.addBindValue(number);
        fail(!q.exec(), cannotSave, q);
        return q.next();
    };
    if (!taken(buffer[numbered]))
        return;
    fail(
        !q.exec(QStringLiteral("select %1 from %2 order by rowid desc limit 1").arg(column, table)),
        cannotSave, q);
    const auto number = SeqNumbers::nextFree(
        q.next() ? TextRules::leadingNumber(q.value(0).toString()) : 0,
        [&](qint64 n) { return taken(QString::number(n)); }, false);
    if (!number)
        throw StoreError(cannotSave +
                         QStringLiteral(".\n새 데이타에 붙일 번호가 남아 있지 "
                                        "않습니다.\n더 필요 없는 데이타를 삭제하신 후 다시 "
                                        "입력하십시요."));
    buffer[numbered] = QString::number(*number);
}

void Recordset::deleteCurrent() {
    if (write(QStringLiteral("delete from %1 where rowid=%2").arg(table, sameRow()), {}, true,
              QStringLiteral("삭제하지 못했습니다")) != 1)
        throw StoreError(QStringLiteral("삭제하지 못했습니다.\n") + rowChanged);
    removeRow(position);
    if (position >= rows.size())
        position = int(rows.size());
}

void Recordset::requery() {
    load();
}

void Recordset::close() {
    if (observer)
        observer->rowsReplacing();
    dropIndex();
    rows.clear();
    position = -1;
    open = false;
    if (observer)
        observer->rowsReplaced();
}
