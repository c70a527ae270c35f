#pragma once

#include "LetterForm.h"
#include "PrintedValues.h"
#include "Printer.h"

#include <functional>
#include <optional>

// A run of letter pages on one form, each page a job of its own: a page for
// each addressee of the print list, or copies of the page that carries the
// sender alone.
class LetterRun {
  public:
    // The addressee of an entry, or none (deleted meanwhile: no page).
    using Addressees = std::function<std::optional<Addressee>(int entry)>;

    LetterRun(const LetterForm& form, std::optional<Sender> sender, const QString& postscript)
        : form(form), sender(std::move(sender)), postscript(postscript) {}

    // Lays out the pages in the face, entry by entry: `entries` addressees,
    // or without addressees `entries` sender-only copies. After each entry
    // `done` is told its number and says whether to go on.
    void print(Printer& printer, const QString& face, int entries, const Addressees& addressees,
               const std::function<bool(int entry)>& done) const;

  private:
    const LetterForm& form;
    std::optional<Sender> sender;
    QString postscript;
};
