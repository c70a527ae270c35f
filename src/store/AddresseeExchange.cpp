#include "AddresseeExchange.h"

#include "AddresseeCsv.h"
#include "FileProblem.h"
#include "SeqNumbers.h"
#include "Statement.h"
#include "StoreError.h"
#include "TextRules.h"
#include "VCard.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace {
using namespace AddresseeFields;

QString columnList() {
    QStringList columns;
    for (int i = 0; i < Count; ++i)
        columns << column(i);
    return columns.join(QLatin1Char(','));
}

QString lookAlikeKey(const QStringList& row) {
    return row[Name] + QChar(0x1F) + row[Company] + QChar(0x1F) + row[Department];
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}
} // namespace

QList<QStringList> AddresseeExchange::readBook(const Connection& book, const QStringList& seqs) {
    const QSet<QString> wanted(seqs.begin(), seqs.end());
    QList<QStringList> rows;
    qsizetype read = 0;
    try {
        Statement q(book,
                    QStringLiteral("select %1 from customer order by rowid").arg(columnList()));
        for (; q.next(); ++read) {
            QStringList row;
            row.reserve(Count);
            for (int i = 0; i < Count; ++i)
                row << q.text(i);
            if (wanted.isEmpty() || wanted.contains(row[Seq]))
                rows << row;
        }
    } catch (const StoreError& e) {
        // Half a book is never handed on as if it were the whole.
        throw StoreError(e.message() +
                         QStringLiteral("\n주소를 %1명 읽은 뒤로는 더 읽지 못했습니다").arg(read));
    }
    return rows;
}

QByteArray AddresseeExchange::write(Format format, const QList<QStringList>& rows) {
    return format == Format::Csv ? AddresseeCsv::write(rows) : VCard::write(rows);
}

void AddresseeExchange::writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw StoreError(
            QStringLiteral("%1 파일에 쓰지 못했습니다.\n%2")
                .arg(fileName(path), FileProblem::whyNotWritten(path, file.errorString())));
}

QByteArray AddresseeExchange::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(
            QStringLiteral("%1 파일을 읽지 못했습니다.\n%2")
                .arg(fileName(path), FileProblem::whyNotRead(path, file.errorString())));
    return file.readAll();
}

qsizetype AddresseeExchange::exportFile(const Connection& book, Format format, const QString& path,
                                        const QStringList& seqs) {
    QList<QStringList> rows;
    try {
        rows = readBook(book, seqs);
    } catch (const StoreError& e) {
        throw StoreError(e.message() + QStringLiteral("\n%1 파일로 내보내지 않았습니다").arg(path));
    }
    writeFile(path, write(format, rows));
    return rows.size();
}

AddresseeExchange::Preview AddresseeExchange::preview(const QByteArray& bytes,
                                                      const Connection& book) {
    return preview(VCard::looksLikeVCard(bytes) ? VCard::read(bytes) : AddresseeCsv::read(bytes),
                   book);
}

AddresseeExchange::Preview AddresseeExchange::preview(const FileRows& file, const Connection& book,
                                                      Origin origin) {
    Preview result;
    result.ignored = file.ignored;
    result.format = file.format;
    QSet<QString> inBook;
    for (const QStringList& row : readBook(book))
        inBook.insert(lookAlikeKey(row));
    result.rows.reserve(file.rows.size());
    for (QStringList row : file.rows) {
        const int r = int(result.rows.size());
        if (origin == Origin::Elsewhere) {
            row[Seq].clear();
            row[PrintCondition] = printConditionCode(row[PrintCondition]);
        }
        // A seq too long for its column is renumbered, not cut.
        for (int f = Seq + 1; f < Count; ++f) {
            const int width = fields[f].width;
            const qsizetype length = TextRules::characters(row[f]);
            if (width > 0 && length > width) {
                result.cuts << Cut{r, f, length};
                row[f] = TextRules::leftCharacters(row[f], width);
            }
        }
        if (inBook.contains(lookAlikeKey(row)))
            result.lookAlikes << r;
        result.rows << row;
    }
    return result;
}

QList<QStringList> AddresseeExchange::withoutLookAlikes(const Preview& preview) {
    QList<QStringList> rows;
    for (int r = 0; r < preview.rows.size(); ++r) {
        if (!preview.lookAlikes.contains(r))
            rows << preview.rows[r];
    }
    return rows;
}

namespace {
// The seq a row keeps: one the program could have handed out, held by no
// row of the book and by no earlier row.
bool keeps(const QString& seq, const QSet<QString>& taken) {
    const qint64 number = seq.toLongLong();
    return number >= 1 && number <= SeqNumbers::Highest && QString::number(number) == seq &&
           !taken.contains(seq);
}

QString marksFor(qsizetype count) {
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

void replaceSender(const Connection& book, const QStringList& sender) {
    Statement(book, QStringLiteral("delete from personal")).run();
    Statement insert(
        book, QStringLiteral("insert into personal values (%1)").arg(marksFor(sender.size())));
    for (int i = 0; i < sender.size(); ++i)
        insert.bind(i + 1, sender[i]);
    insert.run();
}
} // namespace

std::optional<AddresseeExchange::Added> AddresseeExchange::add(const Connection& book,
                                                               const QList<QStringList>& rows,
                                                               const QString& lastSeq,
                                                               const Progress& progress,
                                                               const QStringList& sender) {
    Statement begin(book, QStringLiteral("begin immediate"));
    Statement rollback(book, QStringLiteral("rollback"));
    const auto fail = [&](const QString& detail) {
        try {
            rollback.run();
        } catch (const StoreError&) { // nothing was begun
        }
        throw StoreError(QStringLiteral("주소를 추가하지 못했습니다. 아무것도 추가하지 "
                                        "않았습니다.\n%1")
                             .arg(detail));
    };
    QSet<QString> taken;
    QList<bool> kept;
    std::optional<Statement> insert;
    try {
        // No other program can hand out a number until this one commits.
        begin.run();
        Statement seqs(book, QStringLiteral("select seq from customer"));
        while (seqs.next())
            taken.insert(seqs.text(0));
        // Rows that keep their seq hold it before any row is numbered.
        for (const QStringList& row : rows) {
            kept << keeps(row[Seq], taken);
            if (kept.last())
                taken.insert(row[Seq]);
        }
        if (!sender.isEmpty())
            replaceSender(book, sender);
        insert.emplace(book, QStringLiteral("insert into customer (%1) values (%2)")
                                 .arg(columnList(), marksFor(Count)));
    } catch (const StoreError& e) {
        fail(e.message());
    }
    Added added{lastSeq, {}};
    qint64 number = lastSeq.toLongLong();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (progress && r % 100 == 0 && !progress(r, rows.size())) {
            rollback.run();
            return std::nullopt;
        }
        QString seq = rows[r][Seq];
        if (!kept[r]) {
            const auto next = SeqNumbers::nextFree(
                number, [&](qint64 n) { return taken.contains(QString::number(n)); }, false);
            if (!next)
                fail(QStringLiteral("번호(seq)가 모자랍니다: %1명 가운데 %2번째 주소부터는 %3 "
                                    "까지의 번호를 줄 수 없습니다")
                         .arg(rows.size())
                         .arg(r + 1)
                         .arg(SeqNumbers::Highest));
            number = *next;
            if (!seq.isEmpty())
                added.renumbered << Renumbered{int(r), seq, QString::number(number)};
            seq = QString::number(number);
        }
        try {
            insert->bind(1, seq);
            for (int f = 1; f < Count; ++f)
                insert->bind(f + 1, rows[r][f]);
            insert->run();
        } catch (const StoreError& e) {
            fail(QStringLiteral("%1번째 주소: %2").arg(r + 1).arg(e.message()));
        }
        added.lastSeq = seq;
    }
    if (progress && !progress(rows.size(), rows.size())) {
        rollback.run();
        return std::nullopt;
    }
    try {
        Statement(book, QStringLiteral("commit")).run();
    } catch (const StoreError& e) {
        fail(e.message());
    }
    return added;
}

QStringList AddresseeExchange::describe(const QList<QStringList>& rows,
                                        const QList<Renumbered>& renumbered) {
    QStringList lines;
    for (const Renumbered& r : renumbered)
        lines << QStringLiteral("%1: %2 → %3").arg(rows[r.row][Name], r.seq, r.newSeq);
    return lines;
}
