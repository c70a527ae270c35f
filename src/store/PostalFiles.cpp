#include "PostalFiles.h"

#include "StoreError.h"
#include "TextEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace {
constexpr qint64 chunkSize = 1 << 20;
const QByteArray bom("\xEF\xBB\xBF");

bool isText(const QString& name) {
    return name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

// Cuts the bytes of one file into lines, finds the file's encoding from its
// header and hands every line on, split at '|'.
class LineReader {
  public:
    LineReader(const QString& name, PostalFiles::Visitor& visitor) : name(name), visitor(visitor) {}

    // False once the visitor has skipped the file.
    bool add(const char* bytes, qint64 size) {
        carry.append(bytes, size);
        qsizetype start = 0;
        for (qsizetype end; wanted && (end = carry.indexOf('\n', start)) >= 0; start = end + 1)
            line(QByteArrayView(carry).sliced(start, end - start));
        carry.remove(0, start);
        return wanted;
    }
    void finish() {
        if (wanted && !carry.isEmpty())
            line(carry);
    }

  private:
    void line(QByteArrayView bytes) {
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (!decoder.isValid()) {
            header(bytes);
            return;
        }
        text = decoder.decode(bytes);
        if (decoder.hasError())
            throw StoreError(
                QStringLiteral("%1 파일의 글자를 읽을 수 없습니다: 손상된 것 같습니다").arg(name));
        if (text.isEmpty())
            return;
        fields.clear();
        for (const QStringView field : QStringView(text).tokenize(QLatin1Char('|')))
            fields << field;
        visitor.row(fields);
    }
    void header(QByteArrayView bytes) {
        if (bytes.startsWith(bom))
            bytes = bytes.sliced(bom.size());
        const TextEncoding::Decoded decoded = TextEncoding::decode(bytes.toByteArray());
        decoder = decoded.encoding == QLatin1String("UTF-8")
                      ? QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless)
                      : QStringDecoder("windows-949", QStringConverter::Flag::Stateless);
        wanted = visitor.begin(name, decoded.text.split(QLatin1Char('|')));
    }

    QString name;
    PostalFiles::Visitor& visitor;
    QByteArray carry;
    QStringDecoder decoder;
    QString text;
    QList<QStringView> fields;
    bool wanted = true;
};

struct Progress {
    PostalFiles::Visitor& visitor;
    qint64 before; // bytes of the files already read
    qint64 total;
    bool at(qint64 inFile) { return visitor.progress(before + inFile, total); }
};

bool readText(const QString& path, const QString& name, Progress& progress) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(
            QStringLiteral("%1 파일을 읽을 수 없습니다: %2").arg(path, file.errorString()));
    LineReader reader(name, progress.visitor);
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (qint64 got; (got = file.read(chunk.data(), chunkSize)) > 0;) {
        if (!reader.add(chunk.constData(), got))
            return true;
        if (!progress.at(file.pos()))
            return false;
    }
    if (file.error() != QFileDevice::NoError)
        throw StoreError(
            QStringLiteral("%1 파일을 읽을 수 없습니다: %2").arg(path, file.errorString()));
    reader.finish();
    return true;
}

QString entryName(archive_entry* entry) {
    // Names without the UTF-8 mark come as the archive holds them (CP949 from
    // Korean Windows); marked ones may only be had as UTF-8.
    const char* raw = archive_entry_pathname(entry);
    const QByteArray bytes = raw ? QByteArray(raw) : QByteArray(archive_entry_pathname_utf8(entry));
    QString name;
    try {
        name = TextEncoding::decode(bytes).text;
    } catch (const StoreError&) {
        name = QString::fromLatin1(bytes);
    }
    return name.section(QLatin1Char('/'), -1);
}

bool readArchive(const QString& path, Progress& progress) {
    const std::unique_ptr<archive, decltype(&archive_read_free)> zip(archive_read_new(),
                                                                     archive_read_free);
    archive_read_support_format_zip(zip.get());
    const auto damaged = [&] {
        return StoreError(QStringLiteral("%1 파일을 풀 수 없습니다. 압축 파일이 손상되었거나 "
                                         "다 받아지지 않았습니다.\n(%2)")
                              .arg(path, QString::fromLocal8Bit(archive_error_string(zip.get()))));
    };
    if (archive_read_open_filename(zip.get(), QFile::encodeName(path).constData(), chunkSize) !=
        ARCHIVE_OK)
        throw damaged();
    archive_entry* entry = nullptr;
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (int status; (status = archive_read_next_header(zip.get(), &entry)) != ARCHIVE_EOF;) {
        if (status < ARCHIVE_WARN)
            throw damaged();
        if (archive_entry_filetype(entry) != AE_IFREG)
            continue;
        const QString name = entryName(entry);
        if (!isText(name)) {
            progress.visitor.other(name);
            continue;
        }
        LineReader reader(name, progress.visitor);
        la_ssize_t got;
        while ((got = archive_read_data(zip.get(), chunk.data(), chunkSize)) > 0) {
            if (!reader.add(chunk.constData(), got))
                break;
            if (!progress.at(archive_filter_bytes(zip.get(), -1)))
                return false;
        }
        if (got < 0)
            throw damaged();
        reader.finish();
    }
    return true;
}

bool isZip(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\3\4");
}
} // namespace

bool PostalFiles::read(const QStringList& paths, Visitor& visitor) {
    Progress progress{visitor, 0, 0};
    for (const QString& path : paths)
        progress.total += QFileInfo(path).size();
    for (const QString& path : paths) {
        const QString name = QFileInfo(path).fileName();
        if (!QFileInfo(path).isFile())
            throw StoreError(QStringLiteral("%1 파일이 없습니다").arg(path));
        const bool read = isZip(path)    ? readArchive(path, progress)
                          : isText(name) ? readText(path, name, progress)
                                         : (visitor.other(name), true);
        if (!read)
            return false;
        progress.before += QFileInfo(path).size();
    }
    return true;
}
