#include "LetterForm.h"

#include "store/TextRules.h"

#include <QRegularExpression>

namespace LetterForms {
const LetterForm QA3801{.senderX = 2914,
                        .senderTop = 3750,
                        .senderCompanySize = 18,
                        .bodySize = 12,
                        .mobileLabel = "H.P",
                        .addresseeX = 8780,
                        .addresseeZipX = 8780,
                        .addresseeTopWithCompany = 6237,
                        .addresseeTopWithoutCompany = 6237,
                        .postscriptX = 2914,
                        .senderOnlyPostscriptY = 7600,
                        .addresseePostscriptY = {}};
const LetterForm QB3802{.senderX = 3589,
                        .senderTop = 2240,
                        .senderCompanySize = 18,
                        .bodySize = 12,
                        .mobileLabel = "HP",
                        .addresseeX = 8332,
                        .addresseeZipX = 8332,
                        .addresseeTopWithCompany = 4500,
                        .addresseeTopWithoutCompany = 4500,
                        .postscriptX = 3589,
                        .senderOnlyPostscriptY = 6100,
                        .addresseePostscriptY = {}};
const LetterForm QC3803{.senderX = 3004,
                        .senderTop = 2654,
                        .senderCompanySize = 18,
                        .bodySize = 12,
                        .mobileLabel = "H.P",
                        .addresseeX = 8390,
                        .addresseeZipX = 8390,
                        .addresseeTopWithCompany = 5175,
                        .addresseeTopWithoutCompany = 5175,
                        .postscriptX = 3004,
                        .senderOnlyPostscriptY = 7104,
                        .addresseePostscriptY = {}};
const LetterForm QD3805{.senderX = 1042,
                        .senderTop = 1042,
                        .senderCompanySize = 23,
                        .bodySize = 15,
                        .mobileLabel = "H.P",
                        .addresseeX = 7680,
                        .addresseeZipX = 9243,
                        .addresseeTopWithCompany = 6237,
                        .addresseeTopWithoutCompany = 5440,
                        .postscriptX = 1042,
                        .senderOnlyPostscriptY = 9900,
                        .addresseePostscriptY = 9900};
} // namespace LetterForms

namespace {
using TextRules::isBlank;
constexpr auto trimmed = &TextRules::withoutTrailingBlanks;
} // namespace

QString LetterForms::zipLine(const QString& zipcode) {
    // Today's five-digit codes print as they are; the six-digit ones of
    // before 2015 in their own split form.
    static const QRegularExpression fiveDigits(QStringLiteral("^[0-9]{5}$"));
    if (fiveDigits.match(zipcode).hasMatch())
        return zipcode;
    const QChar blank = QLatin1Char(' ');
    return zipcode.mid(0, 3) + blank + zipcode.mid(3, 1) + blank + zipcode.mid(4, 3);
}

QString LetterForms::addresseeNameLine(const QString& name, const QString& position) {
    const QString honorific = QStringLiteral("님 귀하");
    if (!isBlank(name))
        return trimmed(name) + QLatin1Char(' ') + trimmed(position) + honorific;
    if (!isBlank(position))
        return trimmed(position) + honorific;
    return QStringLiteral("귀중");
}

QString LetterForms::senderNameLine(const QString& department, const QString& position,
                                    const QString& name) {
    const QChar blank = QLatin1Char(' ');
    if (!isBlank(department))
        return trimmed(department) + blank + trimmed(position) + blank + trimmed(name);
    if (!isBlank(position))
        return trimmed(position) + blank + trimmed(name);
    return isBlank(name) ? QString() : name;
}

namespace {
using namespace LetterForms;

void printSender(Printer& printer, const LetterForm& form, const Sender* sender) {
    printer.setFontSize(form.bodySize);
    if (!sender)
        return;
    const Sender& from = *sender;
    const QChar blank = QLatin1Char(' ');
    printer.setCurrentX(form.senderX);
    printer.setCurrentY(form.senderTop);
    if (!isBlank(from.company)) {
        printer.setFontSize(form.senderCompanySize);
        printer.print(from.company);
    }
    printer.setFontSize(form.bodySize);
    auto line = [&](const QString& text) {
        printer.setCurrentX(form.senderX);
        printer.print(text);
    };
    line(from.address1);
    line(from.address2);

    const QString nameLine = senderNameLine(from.department, from.position, from.name);
    if (!nameLine.isEmpty())
        line(nameLine);

    QStringList phones;
    if (!isBlank(from.telephone))
        phones << QStringLiteral("TEL") << trimmed(from.telephone);
    if (!isBlank(from.facsimile))
        phones << QStringLiteral("FAX") << trimmed(from.facsimile);
    if (!phones.isEmpty())
        line(phones.join(blank));

    if (!isBlank(from.mobilePhone))
        line(QString::fromLatin1(form.mobileLabel) + blank + from.mobilePhone);
    if (!isBlank(from.email))
        line(from.email);
    line(zipLine(from.zipcode));
}

void printAddressee(Printer& printer, const LetterForm& form, const Addressee& to,
                    const QString& postscript) {
    const QChar blank = QLatin1Char(' ');
    const bool withCompany = TextRules::numberAtStart(to.printCondition) == 1;
    printer.setCurrentX(form.addresseeX);
    printer.setCurrentY(withCompany ? form.addresseeTopWithCompany
                                    : form.addresseeTopWithoutCompany);
    printer.print(to.address1);
    printer.setCurrentX(form.addresseeX);
    printer.print(to.address2);
    printer.printBlankLine();
    if (withCompany) {
        printer.setCurrentX(form.addresseeX);
        printer.print(trimmed(to.company) + blank + trimmed(to.department));
    }
    printer.setCurrentX(form.addresseeX);
    printer.print(addresseeNameLine(to.name, to.position));
    printer.printBlankLine();
    printer.setCurrentX(form.addresseeZipX);
    printer.print(zipLine(to.zipcode));
    printer.printBlankLine();
    printer.setCurrentX(form.postscriptX);
    if (form.addresseePostscriptY)
        printer.setCurrentY(*form.addresseePostscriptY);
    printer.print(postscript);
}

} // namespace

void LetterForms::printAddresseePage(Printer& printer, const LetterForm& form, const Sender* sender,
                                     const Addressee& addressee, const QString& postscript) {
    printer.startPage();
    printSender(printer, form, sender);
    printAddressee(printer, form, addressee, postscript);
    printer.endPage();
}

void LetterForms::printSenderOnlyPage(Printer& printer, const LetterForm& form,
                                      const Sender* sender, const QString& postscript) {
    printer.startPage();
    printSender(printer, form, sender);
    printer.setCurrentX(form.postscriptX);
    printer.setCurrentY(form.senderOnlyPostscriptY);
    printer.print(postscript);
    printer.endPage();
}
