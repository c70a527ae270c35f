#include "TextEncoding.h"

#include "StoreError.h"

#include <QStringDecoder>

namespace {
const QByteArray bom("\xEF\xBB\xBF");

bool isKorean(const QByteArray& charset) {
    const QByteArray name = charset.toUpper();
    return name == "EUC-KR" || name == "EUCKR" || name == "CP949" || name == "UHC" ||
           name == "KS_C_5601-1987" || name == "KSC5601" || name == "WINDOWS-949";
}

// A byte-order mark inside the text is a character like any other: only the
// file's own is dropped, by decode().
constexpr auto keepEveryCharacter =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// ICU reads bytes CP949 leaves undefined as control characters (0x80) or
// as characters of the private use area; CP949 text holds neither.
bool undefinedInCp949(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x80 && u <= 0x9F) || (u >= 0xE000 && u <= 0xF8FF))
            return true;
    }
    return false;
}

// Strict decoding: any byte sequence the encoding does not have is a failure.
bool tryDecode(QStringDecoder decoder, const QByteArray& bytes, QString* text) {
    if (!decoder.isValid())
        return false;
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool tryUtf8(const QByteArray& bytes, QString* text) {
    return tryDecode(QStringDecoder(QStringConverter::Utf8, keepEveryCharacter), bytes, text);
}

bool tryCp949(const QByteArray& bytes, QString* text) {
    // ICU's name for the Microsoft code page; its "CP949" is IBM's variant.
    return tryDecode(QStringDecoder("windows-949", keepEveryCharacter), bytes, text) &&
           !undefinedInCp949(*text);
}

// The line (counted from 1) that holds the first bytes the encoding does not
// have. A line feed is never part of a longer character in UTF-8 or CP949.
qsizetype firstBadLine(bool (*tryEncoding)(const QByteArray&, QString*), const QByteArray& bytes) {
    qsizetype line = 1;
    QString ignored;
    for (const QByteArray& text : bytes.split('\n')) {
        if (!tryEncoding(text, &ignored))
            return line;
        ++line;
    }
    return line;
}
} // namespace

TextEncoding::Decoded TextEncoding::decode(const QByteArray& bytes) {
    Decoded result;
    const bool marked = bytes.startsWith(bom);
    const QByteArray body = marked ? bytes.mid(bom.size()) : bytes;
    if (tryUtf8(body, &result.text)) {
        result.encoding = QStringLiteral("UTF-8");
        return result;
    }
    if (!marked && tryCp949(body, &result.text)) {
        result.encoding = QStringLiteral("CP949");
        return result;
    }
    // The encoding the file is in is the one that reads further.
    const qsizetype utf8Line = firstBadLine(tryUtf8, body);
    const qsizetype cp949Line = marked ? 0 : firstBadLine(tryCp949, body);
    throw StoreError(
        QStringLiteral("파일의 %1번째 줄에 %2에 없는 바이트가 있어 읽지 않았습니다.\nUTF-8"
                       "이나 CP949(EUC-KR)로 저장된 파일만 읽을 수 있습니다")
            .arg(qMax(utf8Line, cp949Line))
            .arg(utf8Line >= cp949Line ? QStringLiteral("UTF-8") : QStringLiteral("CP949")));
}

QString TextEncoding::decode(const QByteArray& bytes, const QByteArray& charset) {
    QString text;
    const bool read =
        charset.isEmpty() ? tryUtf8(bytes, &text) || tryCp949(bytes, &text)
        : isKorean(charset)
            ? tryCp949(bytes, &text)
            : tryDecode(QStringDecoder(charset.constData(), keepEveryCharacter), bytes, &text);
    if (read)
        return text;
    throw StoreError(QStringLiteral("%1 글자를 읽을 수 없습니다")
                         .arg(charset.isEmpty() ? QStringLiteral("UTF-8 이나 CP949")
                                                : QString::fromLatin1(charset)));
}
