#pragma once

#include "Connection.h"
#include "PostalCodes.h"

#include <QList>
#include <QString>

class AddresseeBook;

// Bringing a book up to date: for the addressees and the sender whose zip
// code still has six digits, today's five-digit code and road-name address
// found from what the book holds. Found by these rules, the first that
// gives exactly one answer winning:
//  1. the lot number in the address with the dong (or ri) before it, among
//     the lots of the building DB's buildings in that dong of the address's
//     시군구;
//  2. a building name in the address, among the buildings of that 시군구
//     (several: those of a dong the address names);
//  3. the old code, when all its buildings have one new code (the address
//     stays as it is).
// An address none of them answers is left alone, with the reasons.
struct PostcodeProposal {
    QString seq; // the addressee's; empty for the sender
    QString name;
    QString zipcode, address1, address2;          // as the book holds them
    QString newZipcode, newAddress1, newAddress2; // proposed; no code when none
    QString reason; // how the proposal was found, or why there is none

    bool isSender() const { return seq.isEmpty(); }
    bool proposes() const { return !newZipcode.isEmpty(); }
};

namespace PostcodeUpdate {
// Whether the zip code is of the six-digit kind ("135-806", "135806").
bool isOldCode(const QString& zipcode);
// Fills in the proposal for what the row holds.
void propose(const PostalCodes& postal, PostcodeProposal& row);
// The sender first, then the addressees in the list's order: every one
// whose code has six digits, with its proposal or the reasons for none.
QList<PostcodeProposal> proposals(const Connection& book, const PostalCodes& postal);
// Writes the accepted proposals in one transaction on the book's connection,
// the addressees through the book. When a row has changed since it was
// proposed, nothing is written (StoreError). The book's rows are read again
// by reload().
void apply(AddresseeBook& book, const QList<PostcodeProposal>& accepted);
// The proposals as CSV (AddresseeCsv's quoting).
QByteArray csv(const QList<PostcodeProposal>& proposals);
} // namespace PostcodeUpdate
