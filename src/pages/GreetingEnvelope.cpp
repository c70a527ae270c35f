#include "GreetingEnvelope.h"

#include "store/TextRules.h"

namespace GreetingEnvelopes {
const GreetingEnvelope QA3801{u"@굴림체", 4030, 5649, true, 7780, 990, {}, false};
const GreetingEnvelope QB3802{u"굴림체", 5764, 3354, false, 10370, 5748, 6300, true};
const GreetingEnvelope QC3803{u"굴림체", 5180, 4000, false, 9800, 6344, 6840, true};

const char16_t* const Greetings[11] = {
    u" \u795D \u7D50 \u5A5A", u"\u795D \u83EF \u5A5A", u"\u795D \u767C \u5C55",
    u"\u795D \u767E \u65E5",  u"\uCD95 \uCCAB \uB3CC", u"\u795D \u751F \uF971",
    u"\u795D \u58FD \u7B75",  u"\u795D \u53E4 \u7A00", u"\u795D \u5098 \u58FD",
    u"\u5FEB   \u7652",       u"\u8CFB   \u5100"};
} // namespace GreetingEnvelopes

namespace {
void printSender(Printer& printer, const GreetingEnvelope& envelope, const Sender& sender,
                 const QString& horizontalFace, const QString& verticalFace) {
    auto filled = [](const QString& value) {
        return TextRules::isBlank(value) ? QString() : value;
    };
    printer.setFontName(envelope.verticalSender ? verticalFace : horizontalFace);
    printer.setFontSize(GreetingEnvelopes::SenderSize);
    printer.setCurrentX(envelope.senderX);
    printer.setCurrentY(envelope.companyY);
    printer.print(filled(sender.company));
    if (envelope.nameY)
        printer.setCurrentY(*envelope.nameY);
    else
        printer.printBlankLine();
    printer.setCurrentX(envelope.senderX);
    const QString position = filled(sender.position);
    const QString name = filled(sender.name);
    if (!position.isEmpty())
        printer.print(position + QLatin1Char(' ') + name);
    else if (!name.isEmpty())
        printer.print(name);
}

void printGreeting(Printer& printer, const GreetingEnvelope& envelope, const QString& greeting) {
    printer.setFontName(QString::fromUtf16(envelope.greetingFace));
    printer.setFontSize(GreetingEnvelopes::GreetingSize);
    printer.setCurrentX(envelope.greetingX);
    printer.setCurrentY(envelope.greetingY);
    printer.print(greeting);
}
} // namespace

void GreetingEnvelopes::printPage(Printer& printer, const GreetingEnvelope& envelope,
                                  const QString& greeting, const Sender* sender,
                                  const QString& horizontalFace, const QString& verticalFace) {
    printer.startPage();
    if (envelope.greetingFirst)
        printGreeting(printer, envelope, greeting);
    if (sender)
        printSender(printer, envelope, *sender, horizontalFace, verticalFace);
    if (!envelope.greetingFirst)
        printGreeting(printer, envelope, greeting);
    printer.endPage();
}
