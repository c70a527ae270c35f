#include "AddresseeBook.h"

#include "AddressBook.h"
#include "BookBackup.h"
#include "SeqNumbers.h"
#include "Statement.h"
#include "StoreError.h"
#include "TextRules.h"

#include <QCoreApplication>
#include <vector>

using namespace AddresseeFields;

namespace {
std::unique_ptr<AddresseeBook> sharedBook;
} // namespace

AddresseeBook::AddresseeBook(std::shared_ptr<Connection> connection)
    : file(std::move(connection)), rows(file, AddressBook::CustomerOrder),
      last(AddressBook::lastSeqOf(*file)) {
    for (int i = 0; i < Count; ++i)
        columns[i] = rows.columnIndex(column(i));
    rows.numberNewRows(column(Seq));
}

AddresseeBook* AddresseeBook::shared() {
    return sharedBook.get();
}

void AddresseeBook::startUp() {
    // The book must be let go while the application, and with it the
    // database driver, still exists.
    static const bool cleanupRegistered = (qAddPostRoutine(shutDown), true);
    Q_UNUSED(cleanupRegistered);
    sharedBook.reset();
    sharedBook = std::make_unique<AddresseeBook>(AddressBook::openOrCreate());
}

void AddresseeBook::shutDown() {
    sharedBook.reset();
}

int AddresseeBook::placeOf(const QString& seq) const {
    return rows.find(column(Seq), seq);
}

int AddresseeBook::indexedPlaceOf(const QString& seq) const {
    return rows.seek(column(Seq), seq) ? rows.absolutePosition() : -1;
}

void AddresseeBook::standOn(const QString& seq) {
    if (!rows.findFirst(column(Seq), seq))
        throw StoreError(QStringLiteral("이 데이타가 그 사이에 지워졌습니다"));
}

void AddresseeBook::store(const QStringList& values) {
    try {
        for (int i = Seq + 1; i < Count; ++i)
            rows.setField(column(i), values[i]);
        rows.update();
    } catch (const StoreError&) {
        rows.cancelUpdate();
        throw;
    }
}

QString AddresseeBook::add(const QStringList& values) {
    rows.addNew();
    try {
        rows.setField(column(Seq), nextSeq());
    } catch (const StoreError&) {
        rows.cancelUpdate();
        throw;
    }
    store(values);
    // The rows stand on the stored row, whose number the write may have moved on.
    last = rows.field(columns[Seq]);
    return last;
}

void AddresseeBook::update(const QString& seq, const QStringList& values) {
    standOn(seq);
    rows.edit();
    store(values);
}

void AddresseeBook::remove(const QString& seq) {
    standOn(seq);
    rows.deleteCurrent();
    if (count() == 0)
        last = QStringLiteral("0");
}

bool AddresseeBook::moveAddress(const QString& seq, const Address& from, const Address& to) {
    Statement statement(*file, QStringLiteral("update customer set zipcode = ?, address1 = ?,"
                                              " address2 = ? where seq = ? and zipcode = ?"
                                              " and address1 = ? and address2 = ?"));
    int parameter = 0;
    for (const QString& text :
         {to.zipcode, to.address1, to.address2, seq, from.zipcode, from.address1, from.address2})
        statement.bind(++parameter, text);
    return statement.run() == 1;
}

std::optional<AddresseeExchange::Added>
AddresseeBook::addAll(const QList<QStringList>& values, const AddresseeExchange::Progress& progress,
                      const QStringList& sender) {
    std::optional<AddresseeExchange::Added> added =
        AddresseeExchange::add(*file, values, last, progress, sender);
    if (added)
        last = added->lastSeq;
    return added;
}

QString AddresseeBook::restore(const QString& copy) {
    const QString kept = BookBackup::restore(*file, copy);
    last = AddressBook::lastSeqOf(*file);
    return kept;
}

QList<int> AddresseeBook::withName(QStringView name) const {
    QList<int> places;
    for (int place = 0; place < count(); ++place) {
        if (view(place, Name) == name)
            places << place;
    }
    return places;
}

QList<int> AddresseeBook::search(QStringView text) const {
    QList<int> places = withName(text);
    if (!places.isEmpty())
        return places;
    for (int place = 0; place < count(); ++place) {
        if (view(place, Name).startsWith(text) || view(place, Company).startsWith(text))
            places << place;
    }
    return places;
}

QString AddresseeBook::nextSeq() const {
    // The number after the last is looked for in the rows as they are;
    // only when it is held are all the rows' numbers gathered.
    std::vector<bool> held;
    const auto isHeld = [&](qint64 number) {
        if (held.empty()) {
            if (rows.find(column(Seq), QString::number(number)) < 0)
                return false;
            held.assign(SeqNumbers::Highest + 1, false);
            for (int place = 0; place < count(); ++place) {
                const qint64 n = TextRules::leadingNumber(view(place, Seq));
                if (n > 0 && n <= SeqNumbers::Highest)
                    held[n] = true;
            }
        }
        return bool(held[number]);
    };
    const auto next = SeqNumbers::nextFree(last.toLongLong(), isHeld, true);
    if (!next)
        throw StoreError(QStringLiteral("주소록에 더 이상 번호를 매길 수 없습니다.\n"
                                        "데이타마다 붙는 번호(1부터 99999까지)를 모두 썼습니다.\n"
                                        "더 필요 없는 데이타를 삭제하신 후 다시 입력하십시요."));
    return QString::number(*next);
}
