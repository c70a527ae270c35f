#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of a file from elsewhere into text. Korean files come as
// UTF-8 (with or without a byte-order mark) or in the Korean Windows code
// page CP949, of which EUC-KR is a part.
namespace TextEncoding {
struct Decoded {
    QString text;
    QString encoding; // "UTF-8" or "CP949"
};
// UTF-8 when the bytes are valid UTF-8, otherwise CP949. Bytes that are
// neither are refused (StoreError).
Decoded decode(const QByteArray& bytes);
// Bytes in a named character set; a Korean set is read as CP949, no name as
// decode() does.
QString decode(const QByteArray& bytes, const QByteArray& charset);
} // namespace TextEncoding
