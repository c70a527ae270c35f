#include "LetterRun.h"

void LetterRun::print(Printer& printer, const QString& face, int entries,
                      const Addressees& addressees,
                      const std::function<bool(int entry)>& done) const {
    printer.setFontName(face);
    const Sender* from = sender ? &*sender : nullptr;
    for (int entry = 0; entry < entries; ++entry) {
        if (!addressees)
            LetterForms::printSenderOnlyPage(printer, form, from, postscript);
        else if (const std::optional<Addressee> to = addressees(entry))
            LetterForms::printAddresseePage(printer, form, from, *to, postscript);
        if (!done(entry))
            return;
    }
}
