#pragma once

#include <QByteArray>

// Reads one input the way the program reads such a file. A refusal
// (StoreError) is an answer; a crash, a hang or a sanitizer report is a
// fault.
void fuzzOne(const QByteArray& bytes);
