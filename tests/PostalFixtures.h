#pragma once

// Postal data in the layouts of the postal service's downloads, made up:
// roads, lots and buildings spread over provinces as in the real country,
// written as the text files and ZIP archives the user downloads. Tests use a
// few hundred rows, the benchmark the national size.

#include <QFile>
#include <QString>
#include <QStringEncoder>
#include <QStringList>
#include <archive.h>
#include <archive_entry.h>
#include <functional>
#include <memory>
#include <stdexcept>

namespace PostalFixtures {
const QString roadHeader = QStringLiteral(
    "우편번호|시도|시도영문|시군구|시군구영문|읍면|읍면영문|도로명|도로명영문|지하여부|"
    "시작건물번호(주)|시작건물번호(부)|끝건물번호(주)|끝건물번호(부)|범위종류");
const QString lotHeader = QStringLiteral(
    "우편번호|시도|시도영문|시군구|시군구영문|읍면동|읍면동영문|리명|산여부|행정동|시작주번지|"
    "시작부번지|끝주번지|끝부번지");
const QString buildingHeader = QStringLiteral(
    "우편번호|시도|시도영문|시군구|시군구영문|읍면|읍면영문|도로명코드|도로명|도로명영문|"
    "지하여부|건물번호본번|건물번호부번|건물관리번호|다량배달처명|시군구용건물명|법정동코드|"
    "법정동명|리명|행정동명|산여부|지번본번|읍면동일련번호|지번부번|구우편번호|우편번호일련번호");

// The provinces and their share of the country's 6.4 million buildings.
struct Province {
    const char* name;
    int buildingsPerMille;
};
const Province provinces[] = {{"서울특별시", 85},     {"부산광역시", 53},    {"대구광역시", 37},
                              {"인천광역시", 33},     {"광주광역시", 20},    {"대전광역시", 18},
                              {"울산광역시", 16},     {"세종특별자치시", 6}, {"경기도", 163},
                              {"강원특별자치도", 57}, {"충청북도", 57},      {"충청남도", 74},
                              {"전북특별자치도", 68}, {"전라남도", 91},      {"경상북도", 102},
                              {"경상남도", 99},       {"제주특별자치도", 23}};

// Made-up names: syllables chosen by a number.
inline QString nameOf(qint64 n, int syllables) {
    static const QString pool = QStringLiteral("가나다라마바사아자차카타파하강남동서중신성한대원");
    QString name;
    for (int i = 0; i < syllables; ++i, n /= pool.size())
        name += pool[int(n % pool.size())];
    return name;
}

// One province of made-up data: its roads with buildings on both sides, the
// code changing every 30 numbers; every fifth building has a name.
struct Generator {
    int province;
    qint64 buildings;
    using Line = std::function<void(const QString&)>;

    QString sido() const { return QString::fromUtf8(provinces[province].name); }
    QString zip(qint64 block) const {
        return QStringLiteral("%1").arg((province * 3000 + block) % 100000, 5, 10,
                                        QLatin1Char('0'));
    }
    // Every building once: sigungu, dong, road, number, lot, code block.
    void walk(const std::function<void(const QString& gu, const QString& dong, const QString& road,
                                       int number, int lot, qint64 block)>& visit) const {
        qint64 done = 0, road = 0, block = 0;
        while (done < buildings) {
            const QString gu = nameOf(province * 31 + road / 400, 2) + QStringLiteral("구");
            const QString dong = nameOf(province * 977 + road / 20, 2) + QStringLiteral("동");
            const QString name = nameOf(province * 7919 + road, 3) + QStringLiteral("로") +
                                 QString::number(road % 50 + 1) + QStringLiteral("길");
            for (int n = 1; n <= 80 && done < buildings; ++n, ++done) {
                if (n % 30 == 1)
                    ++block;
                visit(gu, dong, name, n, int(road % 20 * 100 + n), block);
            }
            ++road;
        }
    }
    void buildingRows(const Line& line) const {
        qint64 i = 0;
        walk([&](const QString& gu, const QString& dong, const QString& road, int n, int lot,
                 qint64 block) {
            const QString named =
                ++i % 5 == 0 ? nameOf(i, 2) + QStringLiteral("아파트") : QString();
            line(QStringList{zip(block),
                             sido(),
                             "Sido",
                             gu,
                             "Gu",
                             "",
                             "",
                             "116804166204",
                             road,
                             "Road",
                             "0",
                             QString::number(n),
                             "0",
                             QString::number(1168010300000000000LL + i),
                             "",
                             named,
                             "1168010300",
                             dong,
                             "",
                             dong,
                             "0",
                             QString::number(lot),
                             "01",
                             "0",
                             QStringLiteral("%1").arg(100000 + block % 900000),
                             ""}
                     .join(QLatin1Char('|')));
        });
    }
    // The ranges: each road side's run of one code, odd side kind 1, even 2.
    void roadRows(const Line& line) const {
        walk([&](const QString& gu, const QString&, const QString& road, int n, int, qint64 block) {
            if (n % 30 == 1 || n % 30 == 2)
                line(QStringList{zip(block), sido(), "Sido", gu, "Gu", "", "", road, "Road", "0",
                                 QString::number(n), "0",
                                 QString::number(std::min(n + 28, 80 - n % 2)), "0",
                                 n % 2 ? "1" : "2"}
                         .join(QLatin1Char('|')));
        });
    }
    void lotRows(const Line& line) const {
        walk([&](const QString& gu, const QString& dong, const QString&, int n, int lot,
                 qint64 block) {
            if (n % 30 == 1 && n % 60 != 31)
                line(QStringList{zip(block), sido(), "Sido", gu, "Gu", dong, "Dong", "", "0", dong,
                                 QString::number(lot), "0", QString::number(lot + 59), "0"}
                         .join(QLatin1Char('|')));
        });
    }
};

// One text file of an archive: its name and a source of its lines.
struct TextFile {
    QString name;
    QString header;
    std::function<void(const Generator::Line&)> lines;
};

// Writes the files as the text files of a download: UTF-8 with a byte-order
// mark, or CP949 as older releases.
inline QByteArray encoded(const QString& text, bool cp949) {
    if (!cp949)
        return text.toUtf8();
    QStringEncoder encoder("windows-949");
    return encoder.encode(text);
}

// A ZIP archive of the files, their names in CP949 when cp949 (as Korean
// Windows writes them), in UTF-8 otherwise.
inline void writeZip(const QString& path, const QList<TextFile>& files, bool cp949) {
    const std::unique_ptr<archive, decltype(&archive_write_free)> zip(archive_write_new(),
                                                                      archive_write_free);
    archive_write_set_format_zip(zip.get());
    archive_write_set_options(zip.get(), "zip:compression-level=1");
    if (cp949)
        archive_write_set_options(zip.get(), "zip:hdrcharset=CP949");
    if (archive_write_open_filename(zip.get(), QFile::encodeName(path).constData()) != ARCHIVE_OK)
        throw std::runtime_error(archive_error_string(zip.get()));
    for (const TextFile& file : files) {
        const std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(
            archive_entry_new(), archive_entry_free);
        archive_entry_update_pathname_utf8(entry.get(), file.name.toUtf8().constData());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_write_header(zip.get(), entry.get());
        QByteArray chunk = cp949 ? QByteArray() : QByteArray("\xEF\xBB\xBF");
        const auto flush = [&] {
            archive_write_data(zip.get(), chunk.constData(), chunk.size());
            chunk.clear();
        };
        const Generator::Line add = [&](const QString& line) {
            chunk += encoded(line, cp949) + "\r\n";
            if (chunk.size() > (1 << 20))
                flush();
        };
        add(file.header);
        file.lines(add);
        flush();
    }
    archive_write_close(zip.get());
}

// The same files taken out of their archive, each as a .txt file in dir.
inline QStringList writeTexts(const QString& dir, const QList<TextFile>& files, bool cp949) {
    QStringList paths;
    for (const TextFile& file : files) {
        QFile out(dir + QLatin1Char('/') + file.name);
        out.open(QIODevice::WriteOnly);
        const Generator::Line add = [&](const QString& line) {
            out.write(encoded(line, cp949) + "\n");
        };
        add(file.header);
        file.lines(add);
        paths << out.fileName();
    }
    return paths;
}
} // namespace PostalFixtures
