#pragma once

// Helpers shared by the tests of the zip code and sender dialogs.

#include "TestSupport.h"
#include "addressee/frmOrvane.h"
#include "lookup/frmSearchPersonal.h"
#include "lookup/frmSearchZipcode.h"

#include <QFile>
#include <QTest>

namespace LookupTest {
// Puts the built zipcode.mdb into the test's program folder.
inline void copyZipcodeDb(const TempProgramFolder& folder) {
    QVERIFY(QFile::copy(TestSupport::builtZipcodeDb(), folder.file(QStringLiteral("zipcode.mdb"))));
    QFile::setPermissions(folder.file(QStringLiteral("zipcode.mdb")),
                          QFile::ReadOwner | QFile::WriteOwner);
}

// Closes whatever windows a test left open, before its folder goes away.
struct WindowsGuard {
    ~WindowsGuard() {
        delete frmSearchZipcode::instance();
        delete frmSearchPersonal::instance();
        delete frmOrvane::instance();
    }
};

// Types a name into the search box and presses "검색".
inline void search(frmSearchZipcode* dialog, const QString& text) {
    dialog->txtSearchData->clear();
    TestSupport::type(dialog->txtSearchData, text);
    QTest::mouseClick(dialog->cmdSearchData, Qt::LeftButton);
}

inline QStringList listLines(const frmSearchZipcode* dialog) {
    QStringList lines;
    for (int i = 0; i < dialog->lstSearchDataList->count(); ++i)
        lines << dialog->lstSearchDataList->item(i)->text();
    return lines;
}

// The row of the list whose line ends with the given key, or -1.
inline int rowOfKey(const frmSearchZipcode* dialog, const QString& seq) {
    const QStringList lines = listLines(dialog);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].endsWith(QString(90, QLatin1Char(' ')) + seq))
            return i;
    }
    return -1;
}

// Double-clicks a line of the result list as the user does.
inline void doubleClickRow(frmSearchZipcode* dialog, int row) {
    QListWidget* list = dialog->lstSearchDataList;
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Searches and double-clicks the line of the row with the given key.
inline void choose(frmSearchZipcode* dialog, const QString& text, const QString& seq) {
    search(dialog, text);
    const int row = rowOfKey(dialog, seq);
    QVERIFY2(row >= 0, qPrintable(seq));
    doubleClickRow(dialog, row);
}
} // namespace LookupTest
