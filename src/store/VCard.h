#pragma once

#include "AddresseeFields.h"

#include <QByteArray>

// Addressees as electronic business cards (vCard), the format phones and
// contact services exchange.
//
// Written as vCard 3.0 in UTF-8:
//   FN and N           name (N carries the whole name as family name)
//   ORG                company;department
//   TITLE              departposition
//   EMAIL              email
//   TEL CELL           mobilephone
//   TEL HOME,VOICE     hometelephone
//   TEL WORK,VOICE     companytelephone, then "," and extentionnumber when
//                      there is one (a phone dials it after a pause)
//   TEL WORK,FAX       facsimile
//   ADR                ;address2;address1;;;zipcode;
//   NOTE               remark
//   X-ORVANEIT-PRINTCONDITION  printcondition
// Empty fields are left out; seq is not written (an addressee that comes in
// gets a new number).
namespace VCard {
QByteArray write(const QList<QStringList>& rows);

// Reads vCard 2.1, 3.0 and 4.0: folded lines, QUOTED-PRINTABLE values and
// any CHARSET (EUC-KR as old phones write it). Properties without a field
// are named in the result; text without a card is refused (StoreError).
AddresseeFields::FileRows read(const QByteArray& bytes);
// Whether the text starts with a card.
bool looksLikeVCard(const QByteArray& bytes);
} // namespace VCard
