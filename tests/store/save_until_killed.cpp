// Saves new addressees into the address book of the folder it is given, the
// way the addressee window does, until it is killed. After each save has
// returned it writes "<seq> <name>" on its own line.
#include "store/AddresseeBook.h"
#include "store/AppPaths.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    AppPaths::setProgramFolder(QString::fromLocal8Bit(argv[1]));
    AddresseeBook::startUp();
    AddresseeBook& book = *AddresseeBook::shared();
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("%1-%2").arg(app.applicationPid()).arg(n);
        QStringList values = AddresseeFields::emptyRow();
        values[AddresseeFields::Name] = name;
        values[AddresseeFields::Remark] = QString(500, QLatin1Char('x'));
        const QString seq = book.add(values);
        std::printf("%s %s\n", qPrintable(seq), qPrintable(name));
        std::fflush(stdout);
        book.reload();
    }
}
