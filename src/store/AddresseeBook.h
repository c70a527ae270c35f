#pragma once

#include "AddresseeExchange.h"
#include "AddresseeFields.h"
#include "Connection.h"
#include "Recordset.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>

// The addressees of the address book and their numbers: the one owner of
// the customer rows. The rows are kept in list order (by name, then
// company, then in the order they were added) and read where they are;
// callers name an addressee by its seq, or by its place in that order for
// walks over all of them.
class AddresseeBook {
  public:
    explicit AddresseeBook(std::shared_ptr<Connection> connection);

    // The book the windows share, opened by startUp() from the program's
    // folder (made there when missing); nullptr before. A failure to open is
    // a StoreError and leaves the file as it is.
    static AddresseeBook* shared();
    static void startUp();
    static void shutDown();

    const Connection& connection() const { return *file; }

    int count() const { return rows.recordCount(); }
    // A value of the addressee at the place: without a copy, valid until
    // the rows change.
    QStringView view(int place, AddresseeFields::Index field) const {
        return rows.view(place, columns[field]);
    }
    QString value(int place, AddresseeFields::Index field) const {
        return rows.value(place, columns[field]);
    }
    // The place of the addressee with the seq (the first, should two hold
    // it), or -1.
    int placeOf(const QString& seq) const;
    // The same through an index of the seqs made at the first call after the
    // rows changed: for runs of many look-ups.
    int indexedPlaceOf(const QString& seq) const;

    // Stores a new addressee from the values (AddresseeFields order; the
    // seq given is not used) under the next number, and returns that seq.
    QString add(const QStringList& values);
    // Stores the values of every field but seq into the addressee.
    void update(const QString& seq, const QStringList& values);
    void remove(const QString& seq);
    // An addressee's zip code and address.
    struct Address {
        QString zipcode, address1, address2;
    };
    // Moves the addressee with the seq from one address to another when the
    // file still holds the first; false when it does not (changed or removed
    // meanwhile, here or by another program). Part of a transaction the
    // caller holds on connection(); the rows are read again by reload().
    bool moveAddress(const QString& seq, const Address& from, const Address& to);
    // Adds the rows of a file as AddresseeExchange::add does, numbered on
    // from the last number; none when cancelled.
    std::optional<AddresseeExchange::Added> addAll(const QList<QStringList>& values,
                                                   const AddresseeExchange::Progress& progress,
                                                   const QStringList& sender = {});

    // The places of the addressees with exactly this name.
    QList<int> withName(QStringView name) const;
    // The places of the addressees whose whole name is the text; when there
    // is none, of those whose name or company begins with it.
    QList<int> search(QStringView text) const;

    // The number a new addressee gets: the next free one after the last
    // handed out, from 1 again after 99999. A StoreError when every number
    // is held says so and what the user can do.
    QString nextSeq() const;
    QString lastSeq() const { return last; }

    // Puts the content of a backup in place of the book's (BookBackup) and
    // takes the last number from it; returns where the content before is
    // kept. The rows are read again by reload().
    QString restore(const QString& copy);
    // Reads the rows again.
    void reload() { rows.requery(); }
    // Lets go of the rows until reload().
    void close() { rows.close(); }
    bool isOpen() const { return rows.isOpen(); }
    void setObserver(RowObserver* observer) { rows.setObserver(observer); }

  private:
    std::shared_ptr<Connection> file;
    mutable Recordset rows;
    int columns[AddresseeFields::Count];
    // The number last handed out.
    QString last;
    // Stands the rows on the addressee with the seq, or fails (StoreError).
    void standOn(const QString& seq);
    // Stores the values into the pending new row or edit.
    void store(const QStringList& values);
};
