#include "TestSupport.h"

#include "store/AddressBook.h"
#include "store/AppPaths.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
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
    Module1::CustomerCursor.reset();
    Module1::AddressBookDb.reset();
    Module1::LastSeq = QStringLiteral("0");
    Module1::ZipSearchCaller.clear();
}

TempProgramFolder::~TempProgramFolder() {
    Module1::CustomerCursor.reset();
    Module1::AddressBookDb.reset();
    AppPaths::setProgramFolder(QString());
}

void TestSupport::type(QWidget* widget, const QString& text) {
    widget->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
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
