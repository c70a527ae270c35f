#pragma once

#include "Printer.h"

#include <QString>
#include <functional>
#include <optional>

class Recordset;

// Where one pre-printed letter form expects each block (twips, points).
struct LetterForm {
    int senderX;
    int senderTop;
    double senderCompanySize;
    double bodySize;
    const char* mobileLabel;
    int addresseeX;
    int addresseeZipX;
    int addresseeTopWithCompany;
    int addresseeTopWithoutCompany;
    int postscriptX;
    int senderOnlyPostscriptY;
    // Unset: the postscript follows the addressee block.
    std::optional<int> addresseePostscriptY;
};

namespace LetterForms {
extern const LetterForm QA3801;
extern const LetterForm QB3802;
extern const LetterForm QC3803;
extern const LetterForm QD3805;

// Empty on a printed page: no value, the empty text or exactly one blank.
bool isEmpty(const QString& field);
// Trailing blanks removed.
QString trimmed(const QString& field);
// Characters 1 to 3, a blank, character 4, a blank, characters 5 to 7.
QString zipLine(const QString& zipcode);
// The number at the start of a text, blanks ignored, rounded half to even.
int numberAtStart(const QString& text);

// The sender's block; without a sender row nothing is printed.
void printSender(Printer& printer, const LetterForm& form, const Recordset* sender);
// The addressee's block and the postscript after it.
void printAddressee(Printer& printer, const LetterForm& form, const Recordset& addressee,
                    const QString& postscript);
// The postscript of a page without addressee.
void printSenderOnlyPostscript(Printer& printer, const LetterForm& form, const QString& postscript);
} // namespace LetterForms
