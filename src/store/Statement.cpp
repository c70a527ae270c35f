#include "Statement.h"

#include "StoreError.h"

#include <QStringDecoder>
#include <sqlite3.h>

Statement::Statement(const Connection& c, const QString& sql) : connection(c) {
    sqlite3* handle = connection.handle();
    if (!handle)
        throw StoreError(connection.describe(QSqlError()));
    if (sqlite3_prepare_v2(handle, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        fail();
}

Statement::~Statement() {
    sqlite3_finalize(statement);
}

void Statement::bind(int parameter, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_bind_text(statement, parameter, utf8.isNull() ? "" : utf8.constData(),
                          int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail();
}

void Statement::bind(int parameter, qint64 number) {
    if (sqlite3_bind_int64(statement, parameter, number) != SQLITE_OK)
        fail();
}

bool Statement::next() {
    const int step = sqlite3_step(statement);
    if (step == SQLITE_ROW)
        return true;
    if (step != SQLITE_DONE)
        fail();
    return false;
}

qint64 Statement::run() {
    while (next()) {
    }
    reset();
    return sqlite3_changes64(connection.handle());
}

void Statement::reset() {
    sqlite3_reset(statement);
}

QString Statement::text(int column) const {
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return fromUtf8(QByteArrayView(utf8, sqlite3_column_bytes(statement, column)));
}

QString Statement::fromUtf8(QByteArrayView bytes) {
    // QString::fromUtf8() would drop a leading U+FEFF.
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes);
    return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)
        .decode(bytes);
}

void Statement::fail() const {
    sqlite3* handle = connection.handle();
    const QSqlError error(QString(), QString::fromUtf8(sqlite3_errmsg(handle)),
                          QSqlError::StatementError,
                          QString::number(sqlite3_extended_errcode(handle)));
    throw StoreError(connection.describe(error));
}
