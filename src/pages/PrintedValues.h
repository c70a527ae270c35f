#pragma once

#include <QString>

// What printed pages take of an addressee and of the sender: plain values,
// read before the page is laid out.
struct Addressee {
    QString name;
    QString position;
    QString company;
    QString department;
    QString zipcode;
    QString address1;
    QString address2;
    // "1" when the company and department are printed on letter forms.
    QString printCondition;
};

struct Sender {
    QString name;
    QString company;
    QString department;
    QString position;
    QString email;
    QString telephone;
    QString facsimile;
    QString mobilePhone;
    QString zipcode;
    QString address1;
    QString address2;
};

class AddresseeBook;
class Recordset;

namespace PrintedValues {
// The addressee at the place of the book's list order.
Addressee addresseeAt(const AddresseeBook& book, int place);
// The sender row the cursor stands on.
Sender senderOf(const Recordset& personal);
} // namespace PrintedValues
