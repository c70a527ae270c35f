#pragma once

#include <QString>

class QObject;

// A second start of the program on the same address book does not open it
// again: it asks the running copy to bring its window to the front.
namespace RunningCopy {
// Answers such requests for as long as owner lives.
void listen(const QString& bookPath, QObject* owner);
// Asks the copy that holds the book to come to the front; false when no
// copy answered within a few seconds.
bool bringToFront(const QString& bookPath);
} // namespace RunningCopy
