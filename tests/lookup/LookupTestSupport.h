#pragma once

// Helpers shared by the tests of the zip code and sender dialogs.

#include "TestSupport.h"
#include "addressee/AddresseeWindow.h"
#include "lookup/ZipCodeDialog.h"
#include "sender/SenderDialog.h"
#include "ui/Twips.h"

#include <QFile>
#include <QTest>

namespace LookupTest {
// A control stands at its place in twips. A label may be larger than given,
// as its caption needs in its face, but never smaller: it clips nothing.
inline void checkPlace(const QWidget* widget, const QRect& twips) {
    const QRect given = Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label) {
        QCOMPARE(widget->geometry(), given);
        return;
    }
    QCOMPARE(label->pos(), given.topLeft());
    const QSize needed = QFontMetrics(label->font()).size(0, label->text());
    QVERIFY2(label->size() == label->size().expandedTo(given.size()).expandedTo(needed),
             qPrintable(label->objectName()));
}

// Puts the built zipcode.mdb into the test's program folder.
inline void copyZipcodeDb(const TempProgramFolder& folder) {
    QVERIFY(QFile::copy(TestSupport::builtZipcodeDb(), folder.file(QStringLiteral("zipcode.mdb"))));
    QFile::setPermissions(folder.file(QStringLiteral("zipcode.mdb")),
                          QFile::ReadOwner | QFile::WriteOwner);
}

// The shared set-up, and whatever windows a test left open closed before
// its folder goes away.
class Fixture : public TestFixture {
  protected:
    void tearDownTest() {
        delete ZipCodeDialog::instance();
        delete SenderDialog::instance();
        delete AddresseeWindow::instance();
        TestFixture::tearDownTest();
    }
};

// Types a name into the search box and presses "검색".
inline void search(ZipCodeDialog* dialog, const QString& text) {
    dialog->txtSearchData->clear();
    TestSupport::type(dialog->txtSearchData, text);
    QTest::mouseClick(dialog->cmdSearchData, Qt::LeftButton);
}

inline QStringList listLines(const ZipCodeDialog* dialog) {
    QStringList lines;
    for (int i = 0; i < dialog->lstSearchDataList->count(); ++i)
        lines << dialog->lstSearchDataList->item(i)->text();
    return lines;
}

// The row of the list whose line ends with the given key, or -1.
inline int rowOfKey(const ZipCodeDialog* dialog, const QString& seq) {
    const QStringList lines = listLines(dialog);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].endsWith(QString(90, QLatin1Char(' ')) + seq))
            return i;
    }
    return -1;
}

// Double-clicks a line of the result list as the user does.
inline void doubleClickRow(ZipCodeDialog* dialog, int row) {
    QListWidget* list = dialog->lstSearchDataList;
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Searches and double-clicks the line of the row with the given key.
inline void choose(ZipCodeDialog* dialog, const QString& text, const QString& seq) {
    search(dialog, text);
    const int row = rowOfKey(dialog, seq);
    QVERIFY2(row >= 0, qPrintable(seq));
    doubleClickRow(dialog, row);
}
} // namespace LookupTest
