#include "AccessBook.h"

#include "AddressBook.h"
#include "AddresseeExchange.h"
#include "StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
const QString customer = QStringLiteral("customer");
const QString personal = QStringLiteral("personal");

QStringList customerColumns() {
    QStringList columns;
    for (int f = 0; f < AddresseeFields::Count; ++f)
        columns << AddresseeFields::column(f);
    return columns;
}

qsizetype indexOf(const QStringList& names, const QString& name) {
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// The table's records with its columns in the order given.
QList<QStringList> inOrder(const AccessFile::Table& table, const QStringList& columns) {
    QList<qsizetype> from;
    for (const QString& column : columns)
        from << indexOf(table.columns, column);
    QList<QStringList> records;
    records.reserve(table.records.size());
    for (const QStringList& record : table.records) {
        QStringList row;
        for (const qsizetype c : from)
            row << record.value(c, QString(QLatin1String("")));
        records << row;
    }
    return records;
}

bool hasColumns(const AccessFile::Table* table, const QStringList& columns) {
    if (!table)
        return false;
    for (const QString& column : columns)
        if (indexOf(table->columns, column) < 0)
            return false;
    return true;
}
} // namespace

QStringList AccessBook::senderColumns() {
    QStringList columns;
    for (const SenderFields::Field& field : SenderFields::fields)
        columns << QString::fromLatin1(field.column);
    return columns;
}

bool AccessBook::isOwnBook(const AccessFile::Contents& contents) {
    return hasColumns(contents.table(customer), customerColumns()) &&
           hasColumns(contents.table(personal), senderColumns());
}

AccessBook::OwnBook AccessBook::ownBook(const AccessFile::Contents& contents) {
    OwnBook book;
    book.addressees.format = QStringLiteral("Access, %1").arg(contents.generation);
    book.addressees.rows = inOrder(*contents.table(customer), customerColumns());
    const QList<QStringList> senders = inOrder(*contents.table(personal), senderColumns());
    if (!senders.isEmpty() && !senders.first().join(QString()).isEmpty())
        book.sender = senders.first();
    return book;
}

bool AccessBook::hasSender(const Connection& book) {
    QSqlQuery q(book.db());
    if (!q.exec(QStringLiteral("select * from personal limit 1")))
        throw StoreError(book.describe(q.lastError()));
    if (!q.next())
        return false;
    for (int i = 0; i < q.record().count(); ++i)
        if (!q.value(i).toString().isEmpty())
            return true;
    return false;
}

QString AccessBook::convert(const QString& path, const AccessFile::Contents& contents,
                            const AddresseeExchange::Progress& progress) {
    if (!isOwnBook(contents))
        throw StoreError(QStringLiteral("%1 파일은 Access 데이터베이스이지만 주소록의 표(customer, "
                                        "personal)가 없어 주소록으로 바꿀 수 없습니다.\n"
                                        "이 파일을 다른 곳으로 옮기면 새 주소록이 만들어지고, "
                                        "\"자료관리\" 메뉴로 그 표를 가져올 수 있습니다")
                             .arg(QDir::toNativeSeparators(path)));
    const OwnBook own = ownBook(contents);
    const QFileInfo info(path);
    // The new book is made under a name of its own beside the old one.
    QTemporaryFile made(info.dir().filePath(QStringLiteral("orvaneit-access-변환중-XXXXXX.mdb")));
    if (!made.open())
        throw StoreError(QStringLiteral("%1 폴더에 새 주소록을 만들지 못했습니다.\n%2")
                             .arg(QDir::toNativeSeparators(info.path()), made.errorString()));
    const QString madePath = made.fileName();
    made.close();
    made.remove();
    const auto giveUp = [&](const QString& why) {
        QFile::remove(madePath);
        throw StoreError(QStringLiteral("Access 주소록을 바꾸지 못했습니다. %1 파일은 그대로 "
                                        "있습니다.\n%2")
                             .arg(QDir::toNativeSeparators(path), why));
    };
    try {
        const auto book = AddressBook::openOrCreate(madePath);
        if (!AddresseeExchange::add(*book, own.addressees.rows, QStringLiteral("0"), progress,
                                    own.sender))
            giveUp(QStringLiteral("바꾸기를 그만두었습니다"));
    } catch (const StoreError& e) {
        giveUp(e.message());
    }
    QString kept = info.dir().filePath(QStringLiteral("orvaneit-access-원본.mdb"));
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = info.dir().filePath(QStringLiteral("orvaneit-access-원본-%1.mdb").arg(n));
    QFile original(path);
    if (!original.copy(kept))
        giveUp(original.errorString());
    // One step puts the new book in the old one's place.
    if (std::rename(QFile::encodeName(madePath).constData(), QFile::encodeName(path).constData()) !=
        0)
        giveUp(QString::fromLocal8Bit(std::strerror(errno)));
    return kept;
}
