#pragma once

#include "Connection.h"

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <memory>
#include <optional>

// One row of table zip, every column as text. An empty ri, st_bunji or
// ed_bunji holds a single blank.
struct ZipRow {
    QString seq, zipcode, sido, gugun, dong, ri, st_bunji, ed_bunji;

    // The list line: the address, the house-number part, and the key behind
    // 90 blanks, out of sight.
    QString listLine() const;
    // The first address line: sido, gugun, two blanks, dong.
    QString address1() const;
};

// The zip code file, zipcode.mdb in the program's folder, opened read only.
// Every failure is a StoreError worded for the user.
class ZipCodes {
  public:
    ZipCodes();

    // The rows whose district (dong) is the text or, when there is none,
    // whose village (ri) is; in the order sido, gugun, dong, ri, st_bunji.
    QList<ZipRow> search(const QString& text);
    // The row with the key, if the file still has it.
    std::optional<ZipRow> find(const QString& seq);

  private:
    QList<ZipRow> run(QSqlQuery& query, const QString& value);

    std::shared_ptr<Connection> file;
    QSqlQuery byDong;
    QSqlQuery byRi;
    QSqlQuery bySeq;
};
