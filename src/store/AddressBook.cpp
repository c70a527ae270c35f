#include "AddressBook.h"

#include "AppPaths.h"
#include "StoreError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// The remark is a text column: a numeric-looking note such as "007" must
// come back exactly as typed.
const QString createCustomer = QStringLiteral(
    "create table customer(seq text(5), name text(40), email text(40), mobilephone text(20),"
    "printcondition text(1), company text(40), department text(40), departposition text(20),"
    "hometelephone text(20), companytelephone text(20), extentionnumber text(10),"
    "facsimile text(20), zipcode text(7), address1 text(50), address2 text(50), remark text)");
const QString createPersonal =
    QStringLiteral("create table personal(name text(40), company text(40), department text(40),"
                   "departposition text(20), email text(40), telephone text(20), facsimile "
                   "text(20), mobilephone text(20),"
                   "zipcode text(7), address1 text(50), address2 text(50))");
const QStringList tables = {QStringLiteral("customer"), QStringLiteral("personal")};

void create(const QString& path) {
    const QString name = QStringLiteral("orvane-create");
    bool ok = false;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            ok =
                db.transaction() && q.exec(createCustomer) && q.exec(createPersonal) && db.commit();
            if (!ok)
                error = q.lastError().text() + db.lastError().text();
        } else {
            error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok) {
        QFile::remove(path);
        throw StoreError(QStringLiteral("orvaneit.mdb 파일을 만들 수 없습니다.\n%1").arg(error));
    }
}
} // namespace

std::shared_ptr<Connection> AddressBook::openOrCreate() {
    const QString path = AppPaths::addressBookPath();
    if (!QFileInfo::exists(path))
        create(path);
    return open();
}

std::shared_ptr<Connection> AddressBook::open() {
    return Connection::open(AppPaths::addressBookPath(), tables);
}

namespace {
// The shared connection must be let go while the application, and with it
// the database driver, still exists.
void releaseSharedState() {
    Module1::CustomerCursor.reset();
    Module1::AddressBookDb.reset();
}
} // namespace

void AddressBook::startUp() {
    using namespace Module1;
    static const bool cleanupRegistered = (qAddPostRoutine(releaseSharedState), true);
    Q_UNUSED(cleanupRegistered);
    AddressBookDb = openOrCreate();
    Recordset natural(AddressBookDb, QStringLiteral("customer"));
    if (natural.recordCount() > 0) {
        natural.moveLast();
        // Leading digits only, as a number.
        const QString seq = natural.field(QStringLiteral("seq")).trimmed();
        qsizetype digits = 0;
        while (digits < seq.size() && seq[digits].isDigit())
            ++digits;
        LastSeq = QString::number(seq.left(digits).toLongLong());
    }
    CustomerCursor = std::make_unique<Recordset>(AddressBookDb, CustomerOrder);
}

QString AddressBook::nextSeq() {
    return QString::number(Module1::LastSeq.toLongLong() + 1);
}
