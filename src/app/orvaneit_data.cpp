// orvaneit-data: the address book's exchange and backup from the command
// line, for scripts and scheduled backups. It works on the book the program
// itself opens, or on the file --book names.

#include "store/AddressBook.h"
#include "store/AddresseeExchange.h"
#include "store/AppPaths.h"
#include "store/BookBackup.h"
#include "store/BookLock.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {
const char* const usage =
    "사용법: orvaneit-data [--book 파일] export --csv|--vcard 파일 | import 파일 | backup 파일";

const char* const help = "\n"
                         "  export --csv 파일     주소록을 CSV 파일로 내보냅니다\n"
                         "  export --vcard 파일   주소록을 vCard 파일로 내보냅니다\n"
                         "  import 파일           CSV나 vCard 파일의 주소를 주소록에 추가합니다\n"
                         "                        (프로그램이 주소록을 열고 있지 않을 때만)\n"
                         "  backup 파일           주소록을 파일로 백업합니다\n"
                         "  --book 파일           프로그램의 주소록 대신 이 주소록 파일을 씁니다\n"
                         "  --help                이 안내를 보여 줍니다";

// A mistake in the command line: what was wrong, then the usage.
struct UsageError {
    QString what;
};

void say(FILE* stream, const QString& text) {
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

int run(QStringList args) {
    using namespace AddresseeExchange;
    QString book = AppPaths::addressBookPath();
    const qsizetype bookOption = args.indexOf(QStringLiteral("--book"));
    if (bookOption >= 0) {
        if (bookOption + 1 >= args.size())
            throw UsageError{QStringLiteral("--book 뒤에 주소록 파일을 적으십시오.")};
        book = args.takeAt(bookOption + 1);
        args.removeAt(bookOption);
        // A mistyped name must not become a new, empty book.
        if (!QFileInfo(book).isFile())
            throw StoreError(QStringLiteral("주소록 파일이 없습니다: %1").arg(book));
    }
    const QString command = args.value(0);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        say(stdout, QString::fromUtf8(usage) + QString::fromUtf8(help));
        return 0;
    }
    if (command == QLatin1String("export") && args.size() == 3 &&
        (args[1] == QLatin1String("--csv") || args[1] == QLatin1String("--vcard"))) {
        const auto rows = readBook(*AddressBook::open(book));
        writeFile(args[2],
                  write(args[1] == QLatin1String("--csv") ? Format::Csv : Format::VCard, rows));
        say(stdout, QStringLiteral("%1명을 %2 파일로 내보냈습니다").arg(rows.size()).arg(args[2]));
    } else if (command == QLatin1String("import") && args.size() == 2) {
        // The program keeps its own count of numbers handed out: never add
        // behind its back.
        BookLock lock(book);
        const BookLock::State state = lock.take();
        if (state == BookLock::State::HeldElsewhere)
            throw StoreError(QStringLiteral("주소록이 프로그램에 열려 있어 가져올 수 없습니다. "
                                            "프로그램을 닫은 뒤에 다시 하십시오"));
        if (state == BookLock::State::Failed)
            throw StoreError(QStringLiteral("주소록을 잠그지 못했습니다: ") + lock.errorText());
        const auto connection = AddressBook::openOrCreate(book);
        const Preview preview = AddresseeExchange::preview(readFile(args[1]), *connection);
        add(*connection, preview.rows, AddressBook::lastSeqOf(*connection));
        say(stdout, QStringLiteral("%1명을 추가했습니다 (%2, 이미 있는 사람과 같은 "
                                   "이름·직장·부서 %3명, 잘린 항목 %4개)")
                        .arg(preview.rows.size())
                        .arg(preview.format)
                        .arg(preview.lookAlikes.size())
                        .arg(preview.cuts.size()));
        if (!preview.ignored.isEmpty())
            say(stdout,
                QStringLiteral("가져오지 않은 열: ") + preview.ignored.join(QStringLiteral(", ")));
    } else if (command == QLatin1String("backup") && args.size() == 2) {
        BookBackup::backup(*AddressBook::open(book), args[1]);
        say(stdout, QStringLiteral("주소록을 %1 파일로 백업했습니다").arg(args[1]));
    } else if (command.isEmpty()) {
        throw UsageError{QStringLiteral("명령을 적으십시오.")};
    } else if (QStringList{QStringLiteral("export"), QStringLiteral("import"),
                           QStringLiteral("backup")}
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
