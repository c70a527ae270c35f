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

void say(FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n",
                 QString(line).replace(QLatin1Char('\n'), QLatin1Char(' ')).toUtf8().constData());
}

int run(QStringList args) {
    using namespace AddresseeExchange;
    QString book = AppPaths::addressBookPath();
    const qsizetype bookOption = args.indexOf(QStringLiteral("--book"));
    if (bookOption >= 0) {
        if (bookOption + 1 >= args.size())
            throw std::invalid_argument(usage);
        book = args.takeAt(bookOption + 1);
        args.removeAt(bookOption);
    }
    const QString command = args.value(0);
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
        say(stdout, QStringLiteral("%1명을 더했습니다 (%2, 비슷한 주소 %3명, 잘린 항목 %4개)")
                        .arg(preview.rows.size())
                        .arg(preview.format)
                        .arg(preview.lookAlikes.size())
                        .arg(preview.cuts.size()));
    } else if (command == QLatin1String("backup") && args.size() == 2) {
        BookBackup::backup(*AddressBook::open(book), args[1]);
        say(stdout, QStringLiteral("주소록을 %1 파일로 백업했습니다").arg(args[1]));
    } else {
        throw std::invalid_argument(usage);
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
    } catch (const std::invalid_argument& e) {
        say(stderr, QString::fromUtf8(e.what()));
        return 2;
    }
}
