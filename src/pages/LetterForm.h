#pragma once

#include "PrintedValues.h"
#include "Printer.h"

#include <QString>
#include <functional>
#include <optional>

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

// A five-digit code as it is; any other code as characters 1 to 3, a blank,
// character 4, a blank, characters 5 to 7.
QString zipLine(const QString& zipcode);
// The addressee's name line with its honorific: "홍길동 과장님 귀하", "과장님 귀하"
// without a name, "귀중" without either.
QString addresseeNameLine(const QString& name, const QString& position);
// The sender's name line: department, position and name; empty when all
// three are.
QString senderNameLine(const QString& department, const QString& position, const QString& name);

// One whole page, from the page start to the end of the document. Every
// page sets the sizes of its form; without a sender row the sender lines
// are left out.
void printAddresseePage(Printer& printer, const LetterForm& form, const Sender* sender,
                        const Addressee& addressee, const QString& postscript);
void printSenderOnlyPage(Printer& printer, const LetterForm& form, const Sender* sender,
                         const QString& postscript);
} // namespace LetterForms
