#include "LetterForm.h"

#include "store/Recordset.h"
#include "store/TextRules.h"

#include <QRegularExpression>
#include <cmath>

namespace LetterForms {
const LetterForm QA3801{2914, 3750, 18, 12, "H.P", 8780, 8780, 6237, 6237, 2914, 7600, {}};
const LetterForm QB3802{3589, 2240, 18, 12, "HP", 8332, 8332, 4500, 4500, 3589, 6100, {}};
const LetterForm QC3803{3004, 2654, 18, 12, "H.P", 8390, 8390, 5175, 5175, 3004, 7104, {}};
const LetterForm QD3805{1042, 1042, 23, 15, "H.P", 7680, 9243, 6237, 5440, 1042, 9900, 9900};
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

int LetterForms::numberAtStart(const QString& text) {
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    compact.remove(QLatin1Char('\t'));
    qsizetype end = 0;
    if (end < compact.size() &&
        (compact[end] == QLatin1Char('-') || compact[end] == QLatin1Char('+')))
        ++end;
    bool point = false;
    while (end < compact.size() &&
           (compact[end].isDigit() || (compact[end] == QLatin1Char('.') && !point))) {
        point = point || compact[end] == QLatin1Char('.');
        ++end;
    }
    bool ok = false;
    const double value = compact.left(end).toDouble(&ok);
    if (!ok)
        return 0;
    // nearbyint rounds a half to the even neighbour.
    return int(std::nearbyint(std::clamp(value, -32768.0, 32767.0)));
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

void printSender(Printer& printer, const LetterForm& form, const Recordset* sender) {
    printer.setFontSize(form.bodySize);
    if (!sender)
        return;
    auto field = [sender](const char* column) {
        return sender->field(QString::fromLatin1(column));
    };
    const QChar blank = QLatin1Char(' ');
    printer.setCurrentX(form.senderX);
    printer.setCurrentY(form.senderTop);
    if (!isBlank(field("company"))) {
        printer.setFontSize(form.senderCompanySize);
        printer.print(field("company"));
    }
    printer.setFontSize(form.bodySize);
    auto line = [&](const QString& text) {
        printer.setCurrentX(form.senderX);
        printer.print(text);
    };
    line(field("address1"));
    line(field("address2"));

    const QString nameLine =
        senderNameLine(field("department"), field("departposition"), field("name"));
    if (!nameLine.isEmpty())
        line(nameLine);

    const QString telephone = field("telephone");
    const QString facsimile = field("facsimile");
    QStringList phones;
    if (!isBlank(telephone))
        phones << QStringLiteral("TEL") << trimmed(telephone);
    if (!isBlank(facsimile))
        phones << QStringLiteral("FAX") << trimmed(facsimile);
    if (!phones.isEmpty())
        line(phones.join(blank));

    if (!isBlank(field("mobilephone")))
        line(QString::fromLatin1(form.mobileLabel) + blank + field("mobilephone"));
    if (!isBlank(field("email")))
        line(field("email"));
    line(zipLine(field("zipcode")));
}

void printAddressee(Printer& printer, const LetterForm& form, const Recordset& addressee,
                    const QString& postscript) {
    auto field = [&addressee](const char* column) {
        return addressee.field(QString::fromLatin1(column));
    };
    const QChar blank = QLatin1Char(' ');
    const bool withCompany = numberAtStart(field("printcondition")) == 1;
    printer.setCurrentX(form.addresseeX);
    printer.setCurrentY(withCompany ? form.addresseeTopWithCompany
                                    : form.addresseeTopWithoutCompany);
    printer.print(field("address1"));
    printer.setCurrentX(form.addresseeX);
    printer.print(field("address2"));
    printer.printBlankLine();
    if (withCompany) {
        printer.setCurrentX(form.addresseeX);
        printer.print(trimmed(field("company")) + blank + trimmed(field("department")));
    }
    printer.setCurrentX(form.addresseeX);
    printer.print(addresseeNameLine(field("name"), field("departposition")));
    printer.printBlankLine();
    printer.setCurrentX(form.addresseeZipX);
    printer.print(zipLine(field("zipcode")));
    printer.printBlankLine();
    printer.setCurrentX(form.postscriptX);
    if (form.addresseePostscriptY)
        printer.setCurrentY(*form.addresseePostscriptY);
    printer.print(postscript);
}

} // namespace

void LetterForms::printAddresseePage(Printer& printer, const LetterForm& form,
                                     const Recordset* sender, const Recordset& addressee,
                                     const QString& postscript) {
    printer.startPage();
    printSender(printer, form, sender);
    printAddressee(printer, form, addressee, postscript);
    printer.endDoc();
}

void LetterForms::printSenderOnlyPage(Printer& printer, const LetterForm& form,
                                      const Recordset* sender, const QString& postscript) {
    printer.startPage();
    printSender(printer, form, sender);
    printer.setCurrentX(form.postscriptX);
    printer.setCurrentY(form.senderOnlyPostscriptY);
    printer.print(postscript);
    printer.endDoc();
}
