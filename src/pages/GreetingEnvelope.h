#pragma once

#include "PrintedValues.h"
#include "Printer.h"

#include <optional>

// Where a congratulatory or condolence envelope on one letter form takes
// its greeting and the sender's lines (twips, points).
struct GreetingEnvelope {
    const char16_t* greetingFace;
    int greetingX;
    int greetingY;
    // The sender's lines in the vertical-writing face.
    bool verticalSender;
    int senderX;
    int companyY;
    // Unset: the name line stands two lines below the company line.
    std::optional<int> nameY;
    // The greeting is printed before the sender's lines.
    bool greetingFirst;
};

namespace GreetingEnvelopes {
constexpr double GreetingSize = 56;
constexpr double SenderSize = 18;
extern const GreetingEnvelope QA3801;
extern const GreetingEnvelope QB3802;
extern const GreetingEnvelope QC3803;

// The printed greetings, in the order the print window offers them. They
// keep their exact code points, compatibility ideographs included.
extern const char16_t* const Greetings[11];

// One envelope page, from the page start to the end of the document. The
// sender's company, position and name come from `sender`; without a sender
// row the greeting is printed alone. The faces are those chosen in the
// print window.
void printPage(Printer& printer, const GreetingEnvelope& envelope, const QString& greeting,
               const Sender* sender, const QString& horizontalFace, const QString& verticalFace);
} // namespace GreetingEnvelopes
