#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The columns of an addressee row in the order the customer table holds
// them, each with the caption the addressee window shows for it and the most
// characters it holds (0: no limit). The table is made, its boxes limited
// and imported values cut by these widths alone. Files going in and out of
// the program carry rows as lists of these sixteen values.
namespace AddresseeFields {
struct Field {
    const char* column;
    const char* caption;
    int width;
};
enum Index {
    Seq,
    Name,
    Email,
    MobilePhone,
    PrintCondition,
    Company,
    Department,
    DepartPosition,
    HomeTelephone,
    CompanyTelephone,
    ExtentionNumber,
    Facsimile,
    Zipcode,
    Address1,
    Address2,
    Remark,
    Count
};
extern const Field fields[Count];

QString column(int index);
QString caption(int index);
int width(Index index);
// The printcondition as the addressee window's box reads it: "사용" for
// "1", "미사용" otherwise.
QString printConditionWord(const QString& code);
// The printcondition a file gives, as a code or as a word: "1" for "1" or
// "사용", "2" for anything else.
QString printConditionCode(const QString& value);
// A row of Count empty texts.
QStringList emptyRow();

// What a file from elsewhere holds: full rows, the columns or properties
// that had no field to go to, and the format found ("CSV, UTF-8", ...).
struct FileRows {
    QList<QStringList> rows;
    QStringList ignored;
    QString format;
};
} // namespace AddresseeFields

// The columns of the sender's row in the order the personal table holds
// them, each with the most characters it holds.
namespace SenderFields {
struct Field {
    const char* column;
    int width;
};
enum Index {
    Name,
    Company,
    Department,
    DepartPosition,
    Email,
    Telephone,
    Facsimile,
    MobilePhone,
    Zipcode,
    Address1,
    Address2,
    Count
};
extern const Field fields[Count];

int width(Index index);
} // namespace SenderFields
