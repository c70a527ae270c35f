#include "AccessFile.h"

#include "StoreError.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <mdbtools.h>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {
const QByteArray streamMark = QByteArrayLiteral("orvane-access-1");

QString readerProgram = {};

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

StoreError notAccess(const QString& path) {
    return StoreError(QStringLiteral("%1 파일은 Access 데이터베이스(.mdb, .accdb)가 아닙니다")
                          .arg(fileName(path)));
}

StoreError unreadable(const QString& path, const QString& why) {
    return StoreError(QStringLiteral("%1 파일을 읽지 못했습니다.\n%2").arg(fileName(path), why));
}

StoreError damaged(const QString& path, const QString& what) {
    return unreadable(path, QStringLiteral("Access 파일이 손상되었습니다: %1").arg(what));
}

QString generationOf(guint32 version) {
    switch (version) {
    case MDB_VER_JET3:
        return QStringLiteral("Jet 3 (Access 97)");
    case MDB_VER_JET4:
        return QStringLiteral("Jet 4 (Access 2000-2003)");
    case MDB_VER_ACCDB_2007:
        return QStringLiteral("ACE 12 (Access 2007)");
    case MDB_VER_ACCDB_2010:
        return QStringLiteral("ACE 14 (Access 2010)");
    case MDB_VER_ACCDB_2013:
        return QStringLiteral("ACE 15 (Access 2013)");
    default:
        return QStringLiteral("ACE (Access 2016 이후)");
    }
}

struct CloseMdb {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct FreeTable {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

// Pictures, attachments and other binary columns hold nothing an addressee
// could take; they are left out.
bool holdsText(const MdbColumn* column) {
    return column->col_type != MDB_OLE && column->col_type != MDB_BINARY &&
           column->col_type != MDB_COMPLEX;
}

AccessFile::Table readTable(const QString& path, MdbCatalogEntry* entry) {
    AccessFile::Table table;
    table.name = QString::fromUtf8(entry->object_name);
    const std::unique_ptr<MdbTableDef, FreeTable> def(mdb_read_table(entry));
    if (!def || !mdb_read_columns(def.get()))
        throw damaged(path, QStringLiteral("%1 표를 읽을 수 없습니다").arg(table.name));
    std::vector<int> bound;
    for (unsigned c = 0; c < def->num_cols; ++c) {
        const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(def->columns, c));
        if (holdsText(column)) {
            bound.push_back(int(c));
            table.columns << QString::fromUtf8(column->name);
        }
    }
    const size_t bindSize = entry->mdb->bind_size;
    std::vector<QByteArray> values(bound.size(), QByteArray(qsizetype(bindSize) + 1, '\0'));
    std::vector<int> lengths(bound.size(), 0);
    for (size_t i = 0; i < bound.size(); ++i)
        mdb_bind_column(def.get(), bound[i] + 1, values[i].data(), &lengths[i]);
    // A truncated or overwritten file loses rows, or makes up more, without
    // a word from the reader: the count the table keeps tells.
    const auto wrongCount = [&] {
        return damaged(path, QStringLiteral("%1 표의 행 수가 맞지 않습니다 (적힌 수 %2)")
                                 .arg(table.name)
                                 .arg(def->num_rows));
    };
    mdb_rewind_table(def.get());
    while (mdb_fetch_row(def.get())) {
        if (table.records.size() >= qsizetype(def->num_rows))
            throw wrongCount();
        QStringList record;
        record.reserve(qsizetype(bound.size()));
        for (size_t i = 0; i < bound.size(); ++i) {
            const char* text = values[i].constData();
            record << QString::fromUtf8(text, qsizetype(qstrnlen(text, uint(bindSize))));
        }
        table.records << record;
    }
    if (table.records.size() != qsizetype(def->num_rows))
        throw wrongCount();
    return table;
}

AccessFile::Contents readWithLibmdb(const QString& path, const QString& codePage) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(path, file.errorString());
    file.close();
    if (!AccessFile::isAccessFile(path))
        throw notAccess(path);
    // libmdb takes the code page of Jet 3 text, and what to turn all text
    // into, from its environment when it opens a file.
    qputenv("MDB_JET3_CHARSET", codePage.toLatin1());
    qputenv("MDBICONV", "UTF-8");
    const std::unique_ptr<MdbHandle, CloseMdb> mdb(
        mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    if (!mdb)
        throw damaged(path, QStringLiteral("첫 쪽을 읽을 수 없습니다"));
    AccessFile::Contents contents;
    const guint32 version = mdb->f->jet_version;
    contents.generation = generationOf(version);
    if (version == MDB_VER_JET3)
        contents.codePage = codePage;
    // Jet 4 keeps a password in the clear and scrambles pages with a key
    // libmdb knows; from ACE on, a password encrypts the file for real.
    if (version >= MDB_VER_ACCDB_2007 && mdb->f->db_key != 0)
        throw StoreError(QStringLiteral("%1 파일은 암호가 걸린(암호화된) Access 데이터베이스라서 "
                                        "읽을 수 없습니다.\nAccess 에서 데이터베이스 암호를 "
                                        "해제한 뒤에 다시 하십시오")
                             .arg(fileName(path)));
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(mdb.get(), "%Y-%m-%d");
    mdb_set_boolean_fmt_numbers(mdb.get());
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE))
        throw damaged(path, QStringLiteral("표 목록을 읽을 수 없습니다"));
    for (guint i = 0; i < mdb->catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            contents.tables << readTable(path, entry);
    }
    if (contents.tables.isEmpty())
        throw unreadable(path, QStringLiteral("표가 하나도 없습니다. 손상된 파일일 수 있습니다"));
    return contents;
}

// However badly a file reads, the reader stops short of the computer's
// memory. (Address sanitizers reserve more than that up front.)
void limitMemory() {
#ifndef __SANITIZE_ADDRESS__
    constexpr rlim_t limit = rlim_t(2) << 30;
    const rlimit data{limit, limit};
    setrlimit(RLIMIT_DATA, &data);
#endif
}
} // namespace

// How the reader hands tables over.
QDataStream& AccessFile::operator<<(QDataStream& out, const Table& table) {
    return out << table.name << table.columns << table.records;
}

QDataStream& AccessFile::operator>>(QDataStream& in, Table& table) {
    return in >> table.name >> table.columns >> table.records;
}

const AccessFile::Table* AccessFile::Contents::table(const QString& name) const {
    for (const Table& t : tables)
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList AccessFile::Contents::tableNames() const {
    QStringList names;
    for (const Table& t : tables)
        names << t.name;
    return names;
}

ForeignTable AccessFile::Contents::foreign(const Table& t) const {
    return {QStringLiteral("Access, %1, %2 표").arg(generation, t.name), t.columns, t.records};
}

QStringList AccessFile::codePages() {
    return {KoreanCodePage,          QStringLiteral("CP1252"), QStringLiteral("CP932"),
            QStringLiteral("CP936"), QStringLiteral("CP950"),  QStringLiteral("UTF-8")};
}

bool AccessFile::isAccessFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(20);
    return head.startsWith(QByteArrayLiteral("\x00\x01\x00\x00Standard Jet DB\x00")) ||
           head.startsWith(QByteArrayLiteral("\x00\x01\x00\x00Standard ACE DB\x00"));
}

void AccessFile::setReaderProgram(const QString& path) {
    readerProgram = path;
}

AccessFile::Contents AccessFile::read(const QString& path, const QString& codePage,
                                      const Waiting& waiting) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(path, file.errorString());
    file.close();
    if (!isAccessFile(path))
        throw notAccess(path);
    QProcess reader;
    reader.setStandardErrorFile(QProcess::nullDevice());
    reader.start(readerProgram.isEmpty()
                     ? QDir(QCoreApplication::applicationDirPath()).filePath("orvaneit-data")
                     : readerProgram,
                 {QStringLiteral("read-access"), path, codePage});
    if (!reader.waitForStarted())
        throw unreadable(path, reader.errorString());
    // Reading runs at megabytes a second; a reader far behind that has lost
    // its way in a damaged file.
    const qint64 patience = 10000 + QFileInfo(path).size() / 1000;
    QElapsedTimer clock;
    clock.start();
    while (reader.state() != QProcess::NotRunning) {
        reader.waitForFinished(100);
        if (waiting && !waiting()) {
            reader.kill();
            reader.waitForFinished();
            throw StoreError(QStringLiteral("%1 파일 읽기를 그만두었습니다").arg(fileName(path)));
        }
        if (reader.state() != QProcess::NotRunning && clock.elapsed() > patience) {
            reader.kill();
            reader.waitForFinished();
        }
    }
    QDataStream in(reader.readAllStandardOutput());
    QByteArray mark;
    bool read = false;
    in >> mark >> read;
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0 || mark != streamMark)
        throw unreadable(path, QStringLiteral("Access 파일이 손상된 것 같습니다"));
    QString message;
    if (!read) {
        in >> message;
        throw StoreError(message);
    }
    Contents contents;
    in >> contents.generation >> contents.codePage >> contents.tables;
    if (in.status() != QDataStream::Ok)
        throw unreadable(path, QStringLiteral("Access 파일이 손상된 것 같습니다"));
    return contents;
}

int AccessFile::readInThisProcess(const QString& path, const QString& codePage) {
    limitMemory();
    // libmdb prints its own complaints, some to the standard output: they go
    // with the rest to the error output, apart from what is handed over.
    const int handOver = dup(STDOUT_FILENO);
    if (handOver < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 1;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << streamMark;
    try {
        const Contents contents = readWithLibmdb(path, codePage);
        out << true << contents.generation << contents.codePage << contents.tables;
    } catch (const StoreError& e) {
        out << false << e.message();
    }
    QFile output;
    return output.open(handOver, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) &&
                   output.write(bytes) == bytes.size() && output.flush()
               ? 0
               : 1;
}
