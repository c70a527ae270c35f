#include "TestSupport.h"

#include "store/AddressBook.h"
#include "store/AddresseeBook.h"
#include "store/AppPaths.h"

#include <QAccessible>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStackedWidget>
#include <QTest>
#include <QWidget>

ScriptedAnswerer::ScriptedAnswerer() {
    MessageBox::setAnswerer(this);
}
ScriptedAnswerer::~ScriptedAnswerer() {
    MessageBox::setAnswerer(nullptr);
}

MessageBox::Answer ScriptedAnswerer::answer(QWidget*, const MessageBox::Message& message) {
    messages << message;
    if (!answers.isEmpty())
        return answers.takeFirst();
    switch (message.buttons) {
    case MessageBox::Buttons::YesNo:
        return MessageBox::Answer::Yes;
    default:
        return MessageBox::Answer::Ok;
    }
}

TempProgramFolder::TempProgramFolder() {
    AppPaths::setProgramFolder(dir.path());
    AddresseeBook::shutDown();
}

TempProgramFolder::~TempProgramFolder() {
    AddresseeBook::shutDown();
    AppPaths::setProgramFolder(QString());
}

void TestSupport::type(QWidget* widget, const QString& text) {
    widget->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

bool TestSupport::takesComposition(QWidget* widget) {
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(widget, &query);
    return query.value(Qt::ImEnabled).toBool();
}

QString TestSupport::accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QString TestSupport::builtZipcodeDb() {
    return QDir(QStringLiteral(PROGRAM_DIR)).filePath("zipcode.mdb");
}

QList<QStringList> TestSupport::query(const QString& dbFile, const QString& sql) {
    QList<QStringList> rows;
    const QString name = QStringLiteral("test-query");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(dbFile);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql)) {
                while (q.next()) {
                    QStringList row;
                    for (int i = 0; i < q.record().count(); ++i)
                        row << q.value(i).toString();
                    rows << row;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

namespace {
void addRow(const QString& table, const QHash<QString, QString>& fields) {
    Recordset cursor(AddressBook::openOrCreate(), table);
    cursor.addNew();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        cursor.setField(it.key(), it.value());
    cursor.update();
}
} // namespace

void TestSupport::addCustomer(const QHash<QString, QString>& fields) {
    QHash<QString, QString> row = fields;
    if (!row.contains("printcondition"))
        row["printcondition"] = "2";
    addRow("customer", row);
}

void TestSupport::setSender(const QHash<QString, QString>& fields) {
    {
        auto connection = AddressBook::openOrCreate();
        QSqlQuery(connection->db()).exec("delete from personal");
    }
    addRow("personal", fields);
}

QByteArray TestSupport::digest(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void TestSupport::click(QAbstractButton* button) {
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName() + " is disabled"));
    QTest::mouseClick(button, Qt::LeftButton);
}

QString AddresseeWindowFixture::buttons() const {
    QString states;
    for (const QPushButton* b :
         {w->cmdCustomerAdd, w->cmdCustomerUpdate, w->cmdCustomerDelete, w->cmdCustomerPrint,
          w->cmdCustomerSearchData, w->cmdSearchZipcode})
        states += b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states + ' ' + w->cmdCustomerAdd->text() + ' ' + w->cmdCustomerUpdate->text();
}

void AddresseeWindowFixture::doubleClickGridRowWithSeq(const QString& seq) {
    const QAbstractItemModel* rows = w->grdDataList->model();
    for (int r = 0; r < rows->rowCount(); ++r) {
        const QModelIndex cell = rows->index(r, 1);
        if (cell.data().toString() == seq) {
            w->grdDataList->scrollTo(cell);
            const QPoint at = w->grdDataList->visualRect(cell).center();
            QTest::mouseClick(w->grdDataList->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(w->grdDataList->viewport(), Qt::LeftButton, {}, at);
            return;
        }
    }
    QFAIL(qPrintable("no grid row with seq " + seq));
}

void AddresseeWindowFixture::add(const QString& seq, const QString& name, const QString& company,
                                 const QString& department) {
    TestSupport::addCustomer(
        {{"seq", seq}, {"name", name}, {"company", company}, {"department", department}});
}

void PrintWindowFixture::openWindow() {
    AddresseeBook::startUp();
    w = PrintWindow::open();
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

void TestSupport::damagePage(const QString& dbFile) {
    QFile file(dbFile);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 pageSize = 4096;
    QVERIFY(file.seek(file.size() / pageSize / 2 * pageSize));
    file.write(QByteArray(pageSize, 0));
    // A new change counter makes open connections drop what they cached.
    QVERIFY(file.seek(24));
    file.write("\x7f\x7f\x7f\x7f", 4);
}

QRect TestSupport::inkBounds(const QImage& image, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

namespace {
// Where a control shows anything: a label only where its caption stands.
QRect drawn(const QWidget* control) {
    const QRect place = control->geometry();
    if (qobject_cast<const QLabel*>(control))
        return place & QRect(place.topLeft(), control->sizeHint());
    return place;
}
} // namespace

void TestSupport::checkPlaces(QWidget* window, const QList<QWidget*>& controls) {
    for (const QWidget* control : controls) {
        // A tab control's pages fill it, one upon another.
        if (qobject_cast<const QStackedWidget*>(control->parentWidget()))
            continue;
        const QString name = control->objectName();
        // A page that is not shown has the size of the tab control's pages.
        const QWidget* parent = control->parentWidget();
        if (qobject_cast<const QStackedWidget*>(parent->parentWidget()))
            parent = parent->parentWidget();
        const QRect inParent(QPoint(), parent->size());
        QVERIFY2(inParent.contains(control->geometry()), qPrintable(name));
        const QRect inWindow(control->mapTo(window, QPoint()), control->size());
        QVERIFY2(window->rect().contains(inWindow), qPrintable(name));
        for (const QWidget* other : controls) {
            if (other == control || other->parentWidget() != control->parentWidget())
                continue;
            // Neighbours may share an edge a few pixels deep, as the forms
            // have always placed them.
            const QRect shared = drawn(control) & drawn(other);
            QVERIFY2(qMin(shared.width(), shared.height()) <= 4,
                     qPrintable(name + QLatin1Char('/') + other->objectName()));
        }
    }
}

void TestSupport::checkKeyboardOrder(const QList<QWidget*>& order) {
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        // The next of the order's controls along the focus chain.
        QWidget* next = order[i]->nextInFocusChain();
        while (!order.contains(next) && next != order[i])
            next = next->nextInFocusChain();
        QVERIFY2(next == order[i + 1], qPrintable(order[i]->objectName()));
    }
}
