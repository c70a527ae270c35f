// orvaneit-data: the address book's exchange and backup from the command
// line, for scripts and scheduled backups. It works on the book the program
// itself opens, or on the file --book names.

#include "store/AccessBook.h"
#include "store/AccessFile.h"
#include "store/AddressBook.h"
#include "store/AddresseeExchange.h"
#include "store/AppPaths.h"
#include "store/BookBackup.h"
#include "store/BookLock.h"
#include "store/ColumnMapping.h"
#include "store/PostalCodes.h"
#include "store/PostalLoad.h"
#include "store/PostalSchema.h"
#include "store/PostcodeUpdate.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {
const char* const usage = "사용법: orvaneit-data [--book 파일] export --csv|--vcard 파일 | "
                          "import 파일 [--table 표] | backup [--damaged] 파일 | "
                          "zipcodes 파일… | new-zipcodes";

const char* const help =
    "\n"
    "  export --csv 파일     주소록을 CSV 파일로 내보냅니다\n"
    "  export --vcard 파일   주소록을 vCard 파일로 내보냅니다\n"
    "  import 파일           CSV나 vCard 파일의 주소를 주소록에 추가합니다\n"
    "                        (프로그램이 주소록을 열고 있지 않을 때만)\n"
    "  import 파일.mdb|.accdb [--table 표]\n"
    "                        Access 파일의 표에서 주소를 추가합니다. 이\n"
    "                        프로그램의 Access 주소록은 표 없이 통째로\n"
    "  backup 파일           주소록을 파일로 백업합니다\n"
    "  backup --damaged 파일 손상된 주소록도 그대로 복사합니다 (끝 상태 3)\n"
    "  zipcodes 파일…        우체국의 우편번호 DB를 주소록 옆에 불러옵니다\n"
    "  new-zipcodes          옛 우편번호에 제안하는 새 우편번호와 도로명주소를\n"
    "                        CSV로 보여 줍니다 (주소록은 바꾸지 않습니다)\n"
    "  --book 파일           프로그램의 주소록 대신 이 주소록 파일을 씁니다\n"
    "  --help                이 안내를 보여 줍니다";

// A mistake in the command line: what was wrong, then the usage.
struct UsageError {
    QString what;
};

void say(FILE* stream, const QString& text) {
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

// Takes "--name value" out of the arguments; the value, or nothing.
QString takeOption(QStringList& args, const QString& name) {
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return {};
    if (at + 1 >= args.size())
        throw UsageError{QStringLiteral("%1 뒤에 적을 것이 없습니다.").arg(name)};
    const QString value = args.takeAt(at + 1);
    args.removeAt(at);
    return value;
}

// The rows and sender an Access file brings: a book of this program whole,
// any other table by its columns' names (ColumnMapping).
struct FromAccess {
    AddresseeExchange::Preview preview;
    QStringList sender;
    QString note;
};

FromAccess readAccess(const Connection& book, const QString& path, const QString& tableName) {
    using namespace AddresseeExchange;
    const AccessFile::Contents contents = AccessFile::read(path);
    FromAccess found;
    if (tableName.isEmpty() && AccessBook::isOwnBook(contents)) {
        const AccessBook::OwnBook own = AccessBook::ownBook(contents);
        found.preview = preview(own.addressees, book, Origin::OwnBook);
        // Asked nothing, the tool never replaces a sender the book keeps.
        if (!own.sender.isEmpty() && AccessBook::hasSender(book))
            found.note = QStringLiteral("보내는 사람 정보는 바꾸지 않았습니다 (주소록에 이미 "
                                        "있습니다)");
        else
            found.sender = own.sender;
        return found;
    }
    if (tableName.isEmpty())
        throw StoreError(QStringLiteral("가져올 표를 --table 로 고르십시오. %1 파일의 표: %2")
                             .arg(path, contents.tableNames().join(QStringLiteral(", "))));
    const AccessFile::Table* table = contents.table(tableName);
    if (!table)
        throw StoreError(QStringLiteral("%1 표가 없습니다. 있는 표: %2")
                             .arg(tableName, contents.tableNames().join(QStringLiteral(", "))));
    const ColumnMapping::Mapping mapping = ColumnMapping::guess(table->columns);
    if (mapping.count(ColumnMapping::Ignored) == mapping.size())
        throw StoreError(QStringLiteral("%1 표의 열(%2) 가운데 이름으로 주소 항목을 알 수 있는 "
                                        "것이 없습니다")
                             .arg(table->name, table->columns.join(QStringLiteral(", "))));
    found.preview = preview(ColumnMapping::apply(contents.foreign(*table), mapping), book);
    return found;
}

void import(const QString& bookPath, const QString& path, const QString& tableName) {
    using namespace AddresseeExchange;
    // The program keeps its own count of numbers handed out: never add
    // behind its back.
    BookLock lock(bookPath);
    const BookLock::State state = lock.take();
    if (state == BookLock::State::HeldElsewhere &&
        BookLock::holder(bookPath) == QCoreApplication::applicationName())
        throw StoreError(QStringLiteral("%1 주소록에 다른 가져오기(orvaneit-data)가 주소를 "
                                        "더하고 있어 가져올 수 없습니다. 그 가져오기가 "
                                        "끝난 뒤에 다시 하십시오")
                             .arg(bookPath));
    if (state == BookLock::State::HeldElsewhere)
        throw StoreError(QStringLiteral("주소록이 프로그램에 열려 있어 가져올 수 없습니다. "
                                        "프로그램을 닫은 뒤에 다시 하십시오"));
    if (state == BookLock::State::Failed)
        throw StoreError(QStringLiteral("주소록을 잠그지 못했습니다: ") + lock.errorText());
    const auto connection = AddressBook::openOrCreate(bookPath);
    FromAccess found;
    if (AccessFile::isAccessFile(path) || !tableName.isEmpty())
        found = readAccess(*connection, path, tableName);
    else
        found.preview = preview(readFile(path), *connection);
    const Preview& p = found.preview;
    const Added added =
        *add(*connection, p.rows, AddressBook::lastSeqOf(*connection), {}, found.sender);
    say(stdout, QStringLiteral("%1명을 추가했습니다 (%2, 이미 있는 사람과 같은 "
                               "이름·직장·부서 %3명, 잘린 항목 %4개)")
                    .arg(p.rows.size())
                    .arg(p.format)
                    .arg(p.lookAlikes.size())
                    .arg(p.cuts.size()));
    if (!p.ignored.isEmpty())
        say(stdout, QStringLiteral("가져오지 않은 열: ") + p.ignored.join(QStringLiteral(", ")));
    if (!added.renumbered.isEmpty())
        say(stdout, QStringLiteral("번호가 바뀐 주소: ") +
                        describe(p.rows, added.renumbered).join(QStringLiteral(", ")));
    if (!found.sender.isEmpty())
        say(stdout, QStringLiteral("보내는 사람 정보를 가져왔습니다"));
    if (!found.note.isEmpty())
        say(stdout, found.note);
}

// Loads the postal service's downloads beside the book. Data that looks
// like less than the whole country is loaded all the same, with a warning.
void loadPostalData(const QStringList& files, const QString& target) {
    PostalLoad load(target);
    const auto summary = load.build(files, [](int) { return true; });
    if (!summary->shortfall().isEmpty())
        say(stderr, QStringLiteral("경고: ") + summary->shortfall());
    load.commit();
    say(stdout, QStringLiteral("우편번호 DB를 불러왔습니다: %1, %2 기준")
                    .arg(summary->text(),
                         summary->date.isEmpty() ? QStringLiteral("날짜 모름") : summary->date));
}

// What bringing the book up to date would change, as CSV; nothing is written.
void listNewZipcodes(const QString& book) {
    const auto postal = PostalCodes::open(QFileInfo(book).dir().filePath(PostalSchema::fileName));
    if (!postal || !postal->hasBuildingData())
        throw StoreError(QStringLiteral("건물 DB를 먼저 불러오십시오: orvaneit-data zipcodes "
                                        "zipcode_DB.zip"));
    const QByteArray csv =
        PostcodeUpdate::csv(PostcodeUpdate::proposals(*AddressBook::open(book, true), *postal));
    std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
}

// A damaged book is copied only when asked for (--damaged), and such a copy
// ends with status 3 so that no script takes it for a good backup.
int backup(const QString& book, const QString& target, bool damagedToo) {
    const auto connection = AddressBook::open(book, true);
    const QString damage = BookBackup::damage(*connection);
    if (!damage.isEmpty() && !damagedToo)
        throw StoreError(QStringLiteral("%1 파일이 손상되어 백업하지 않았습니다. 손상된 그대로 "
                                        "복사해 두려면 backup --damaged %2 로 하십시오.\n(%3)")
                             .arg(book, target, damage.section(QLatin1Char('\n'), 0, 0)));
    BookBackup::backup(*connection, target);
    if (damage.isEmpty()) {
        say(stdout, QStringLiteral("주소록을 %1 파일로 백업했습니다").arg(target));
        return 0;
    }
    say(stderr, QStringLiteral("손상된 주소록을 %1 파일로 복사했습니다. 이 복사본도 손상되어 "
                               "있어 복원할 수 없습니다")
                    .arg(target));
    return 3;
}

int run(QStringList args) {
    using namespace AddresseeExchange;
    // The program has Access files read here, apart from itself.
    if (args.size() == 3 && args[0] == QLatin1String("read-access"))
        return AccessFile::readInThisProcess(args[1], args[2]);
    QString book = takeOption(args, QStringLiteral("--book"));
    if (book.isEmpty()) {
        book = AppPaths::addressBookPath();
    } else if (!QFileInfo::exists(book)) {
        // A mistyped name must not become a new, empty book.
        throw StoreError(QStringLiteral("주소록 파일이 없습니다: %1").arg(book));
    }
    const QString table = takeOption(args, QStringLiteral("--table"));
    const QString command = args.value(0);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        say(stdout, QString::fromUtf8(usage) + QString::fromUtf8(help));
        return 0;
    }
    if (command == QLatin1String("export") && args.size() == 3 &&
        (args[1] == QLatin1String("--csv") || args[1] == QLatin1String("--vcard"))) {
        // Exporting only reads: a book the user may only read goes out too.
        const qsizetype count =
            exportFile(*AddressBook::open(book, true),
                       args[1] == QLatin1String("--csv") ? Format::Csv : Format::VCard, args[2]);
        say(stdout, QStringLiteral("%1명을 %2 파일로 내보냈습니다").arg(count).arg(args[2]));
    } else if (command == QLatin1String("import") && args.size() == 2) {
        import(book, args[1], table);
    } else if (command == QLatin1String("backup") && args.size() >= 2 && args.size() <= 3 &&
               (args.size() == 2 || args[1] == QLatin1String("--damaged"))) {
        return backup(book, args.last(), args.size() == 3);
    } else if (command == QLatin1String("zipcodes") && args.size() >= 2) {
        loadPostalData(args.mid(1), QFileInfo(book).dir().filePath(PostalSchema::fileName));
    } else if (command == QLatin1String("new-zipcodes") && args.size() == 1) {
        listNewZipcodes(book);
    } else if (command.isEmpty()) {
        throw UsageError{QStringLiteral("명령을 적으십시오.")};
    } else if (QStringList{QStringLiteral("export"), QStringLiteral("import"),
                           QStringLiteral("backup"), QStringLiteral("zipcodes"),
                           QStringLiteral("new-zipcodes")}
                   .contains(command)) {
        throw UsageError{QStringLiteral("%1 명령 뒤에 적을 것이 맞지 않습니다.").arg(command)};
    } else {
        throw UsageError{QStringLiteral("알 수 없는 명령입니다: %1").arg(command)};
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments().mid(1));
    } catch (const StoreError& e) {
        say(stderr, e.message());
        return 1;
    } catch (const UsageError& e) {
        say(stderr, e.what + QLatin1Char('\n') + QString::fromUtf8(usage) +
                        QStringLiteral("\n자세한 안내: orvaneit-data --help"));
        return 2;
    }
}
