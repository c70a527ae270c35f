#pragma once

#include "store/AccessFile.h"

#include <QWidget>
#include <optional>

// Access files read while the user waits.
namespace AccessReading {
// Reads the file while a dialog lets the user wait or cancel; nothing when
// it cannot be read, the user told why.
std::optional<AccessFile::Contents> read(QWidget* parent, const QString& path,
                                         const QString& codePage = AccessFile::KoreanCodePage);
// At start: an Access file where the address book belongs is offered to be
// turned into a book of this program, the original kept beside it. False
// when the book cannot be opened now (the user was told why).
bool offerConversion(QWidget* parent, const QString& bookPath);
} // namespace AccessReading
