#include "PrintedValues.h"

#include "store/AddresseeBook.h"
#include "store/Recordset.h"

Addressee PrintedValues::addresseeAt(const AddresseeBook& book, int place) {
    using enum AddresseeFields::Index;
    return {.name = book.value(place, Name),
            .position = book.value(place, DepartPosition),
            .company = book.value(place, Company),
            .department = book.value(place, Department),
            .zipcode = book.value(place, Zipcode),
            .address1 = book.value(place, Address1),
            .address2 = book.value(place, Address2),
            .printCondition = book.value(place, PrintCondition)};
}

Sender PrintedValues::senderOf(const Recordset& personal) {
    const auto field = [&personal](SenderFields::Index index) {
        return personal.field(QString::fromLatin1(SenderFields::fields[index].column));
    };
    using enum SenderFields::Index;
    return {.name = field(Name),
            .company = field(Company),
            .department = field(Department),
            .position = field(DepartPosition),
            .email = field(Email),
            .telephone = field(Telephone),
            .facsimile = field(Facsimile),
            .mobilePhone = field(MobilePhone),
            .zipcode = field(Zipcode),
            .address1 = field(Address1),
            .address2 = field(Address2)};
}
