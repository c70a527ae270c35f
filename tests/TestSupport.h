#pragma once

#include "ui/MessageBox.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>

class QWidget;

// Answers message boxes in tests: records every message and replies from a
// queue of answers (OK, or the first button, when the queue is empty).
class ScriptedAnswerer : public MessageBox::Answerer {
  public:
    ScriptedAnswerer();
    ~ScriptedAnswerer() override;
    MessageBox::Answer answer(QWidget* parent, const MessageBox::Message& message) override;

    QList<MessageBox::Message> messages;
    QList<MessageBox::Answer> answers;
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
    void clear() { messages.clear(); }
};

// A fresh, empty program folder for one test; the shared state is reset.
class TempProgramFolder {
  public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return dir.filePath(name); }

  private:
    QTemporaryDir dir;
};

namespace TestSupport {
// Types text into a widget the way an input method commits it, so Hangul
// and any other text arrive as typed.
void type(QWidget* widget, const QString& text);
// The shipped zipcode.mdb, built beside the program.
QString builtZipcodeDb();
// Adds an addressee to the address book of the program folder; columns not
// given are empty text, printcondition "2" unless given.
void addCustomer(const QHash<QString, QString>& fields);
// Stores the sender row (replacing any).
void setSender(const QHash<QString, QString>& fields);
// Runs a statement on a database file through a connection of its own.
QList<QStringList> query(const QString& dbFile, const QString& sql);
} // namespace TestSupport
