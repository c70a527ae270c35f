#include "AddressBook.h"

#include "AddresseeFields.h"
#include "AppPaths.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <algorithm>
#include <vector>

namespace {
template <class Field, std::size_t n> QStringList columnsOf(const Field (&fields)[n]) {
    QStringList names;
    for (const Field& field : fields)
        names << QString::fromLatin1(field.column);
    return names;
}

// Every column holds text of at most its width: the remark, without one, is
// a text column too, so that a numeric-looking note such as "007" comes back
// exactly as typed.
template <class Field, std::size_t n>
QString createStatement(const QString& table, const Field (&fields)[n]) {
    QStringList columns;
    for (const Field& field : fields)
        columns << (field.width > 0
                        ? QStringLiteral("%1 text(%2)").arg(field.column).arg(field.width)
                        : QStringLiteral("%1 text").arg(field.column));
    return QStringLiteral("create table %1(%2)").arg(table, columns.join(QStringLiteral(", ")));
}

const QStringList tables = {QStringLiteral("customer"), QStringLiteral("personal")};

// The book is made under a temporary name beside it, readable and writable
// by its owner only, and put in place once both tables exist: a start cut
// short leaves no half-made book behind. What it leaves under that name, the
// file and the database's journal of it, the next start removes; only the
// copy that holds the book's lock makes a book, so none is being made
// meanwhile.
const QString makingSuffix = QStringLiteral(".making-");

void removeLeftovers(const QString& path) {
    const QFileInfo book(path);
    const QRegularExpression leftover(
        QStringLiteral("^%1[A-Za-z0-9]{6}(-journal)?$")
            .arg(QRegularExpression::escape(book.fileName() + makingSuffix)));
    QDir folder = book.dir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (leftover.match(name).hasMatch())
            folder.remove(name);
}

void create(const QString& path) {
    removeLeftovers(path);
    QTemporaryFile file(path + makingSuffix + QStringLiteral("XXXXXX"));
    if (!file.open())
        throw StoreError(QStringLiteral("%1 파일을 만들 수 없습니다.\n%2")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    file.close();
    const QString name = QStringLiteral("orvane-create");
    bool ok = false;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file.fileName());
        if (db.open()) {
            QSqlQuery q(db);
            ok = db.transaction() && q.exec(createStatement(tables[0], AddresseeFields::fields)) &&
                 q.exec(createStatement(tables[1], SenderFields::fields)) && db.commit();
            if (!ok)
                error = q.lastError().text() + db.lastError().text();
        } else {
            error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    // A book another program made meanwhile is kept, not replaced.
    if (ok && file.rename(path))
        file.setAutoRemove(false);
    else if (ok && !QFileInfo::exists(path))
        error = file.errorString();
    if (!QFileInfo::exists(path))
        throw StoreError(QStringLiteral("%1 파일을 만들 수 없습니다.\n%2")
                             .arg(QDir::toNativeSeparators(path), error));
}
} // namespace

std::shared_ptr<Connection> AddressBook::openOrCreate() {
    return openOrCreate(AppPaths::addressBookPath());
}

std::shared_ptr<Connection> AddressBook::openOrCreate(const QString& path) {
    if (!QFileInfo::exists(path))
        create(path);
    auto connection = open(path);
    // A new addressee's number is looked up before it is stored; without an
    // index every save reads the whole book. A book made before the index
    // gets it here. Where it cannot be made (the book busy, the disk full)
    // the book works as before, only slower, so the failure is not reported.
    QSqlQuery(connection->db())
        .exec(QStringLiteral("create index if not exists customer_by_seq on customer(seq)"));
    return connection;
}

std::shared_ptr<Connection> AddressBook::open() {
    return open(AppPaths::addressBookPath());
}

std::shared_ptr<Connection> AddressBook::open(const QString& path, bool readOnly) {
    auto connection = Connection::open(path, tables, readOnly);
    connection->requireColumns(tables[0], columnsOf(AddresseeFields::fields));
    connection->requireColumns(tables[1], columnsOf(SenderFields::fields));
    return connection;
}

QString AddressBook::lastSeqOf(const Connection& book) {
    QSqlQuery q(book.db());
    if (!q.exec(QStringLiteral("select seq from customer order by rowid desc limit 1")))
        throw StoreError(QStringLiteral("주소록을 읽지 못했습니다.\n") + q.lastError().text());
    return QString::number(q.next() ? TextRules::leadingNumber(q.value(0).toString()) : 0);
}
