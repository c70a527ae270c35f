#include "FuzzTarget.h"
#include "store/AccessBook.h"
#include "store/AccessFile.h"
#include "store/ColumnMapping.h"

// The input is the tables read from an Access file, apart at empty lines.
// Each has its name on its first line, its column names on the second and a
// record on each further line, values apart at tabs. Records may hold fewer
// or more values than there are columns.
void fuzzOne(const QByteArray& bytes) {
    AccessFile::Contents contents{QStringLiteral("Jet 4 (Access 2000-2003)"), {}, {}};
    for (const QString& text : QString::fromUtf8(bytes).split(QStringLiteral("\n\n"))) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        AccessFile::Table table{lines.value(0), lines.value(1).split(QLatin1Char('\t')), {}};
        for (qsizetype i = 2; i < lines.size(); ++i)
            table.records << lines[i].split(QLatin1Char('\t'));
        contents.tables << table;
    }
    if (AccessBook::isOwnBook(contents))
        AccessBook::ownBook(contents);
    for (const AccessFile::Table& table : contents.tables) {
        const ForeignTable foreign = contents.foreign(table);
        const ColumnMapping::Mapping mapping = ColumnMapping::guess(foreign.columns);
        ColumnMapping::ignoredColumns(foreign.columns, mapping);
        ColumnMapping::samples(foreign);
        ColumnMapping::apply(foreign, mapping);
    }
}
