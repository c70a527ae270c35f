// Saves new addressees into the address book of the folder it is given, the
// way the addressee window does, until it is killed. After each save has
// returned it writes "<seq> <name>" on its own line.
#include "store/AddressBook.h"
#include "store/AppPaths.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    AppPaths::setProgramFolder(QString::fromLocal8Bit(argv[1]));
    AddressBook::startUp();
    Recordset& cursor = *AppState::CustomerCursor;
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("%1-%2").arg(app.applicationPid()).arg(n);
        cursor.addNew();
        cursor.setField(QStringLiteral("seq"), AddressBook::nextSeq());
        cursor.setField(QStringLiteral("name"), name);
        cursor.setField(QStringLiteral("remark"), QString(500, QLatin1Char('x')));
        cursor.update();
        AppState::LastSeq = cursor.field(QStringLiteral("seq"));
        std::printf("%s %s\n", qPrintable(AppState::LastSeq), qPrintable(name));
        std::fflush(stdout);
        cursor.requery();
    }
}
