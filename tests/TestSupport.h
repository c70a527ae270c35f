#pragma once

#include "addressee/AddresseeWindow.h"
#include "pages/RealPrinter.h"
#include "pages/RecordingPrinter.h"
#include "print/PrintWindow.h"
#include "ui/Layout.h"
#include "ui/MessageBox.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

class QAbstractButton;
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
// The window's controls stand apart: each inside the control it stands in
// and inside the window, none over another of the same frame.
void checkPlaces(QWidget* window, const QList<QWidget*>& controls);
// The Tab key walks the controls in this order.
void checkKeyboardOrder(const QList<QWidget*>& order);
// Checks a window built from its layout table: every row's control stands
// under its name, apart from the others, and the Tab key walks `order`.
template <class W>
void checkLayout(W* window, std::span<const Layout::Control<W>> table,
                 const QList<QWidget*>& order) {
    window->show();
    QList<QWidget*> controls;
    for (const Layout::Control<W>& row : table) {
        QWidget* control =
            std::visit([&](auto member) -> QWidget* { return window->*member; }, row.member);
        QVERIFY2(control && control->objectName() == QLatin1String(row.name), row.name);
        controls << control;
    }
    checkPlaces(window, controls);
    checkKeyboardOrder(order);
}
// Types text into a widget the way an input method commits it, so Hangul
// and any other text arrive as typed.
void type(QWidget* widget, const QString& text);
// Whether the input method may compose text (Hangul) in the widget.
bool takesComposition(QWidget* widget);
// What a screen reader announces a control by.
QString accessibleName(QWidget* widget);
// The shipped zipcode.mdb, built beside the program.
QString builtZipcodeDb();
// Adds an addressee to the address book of the program folder; columns not
// given are empty text, printcondition "2" unless given.
void addCustomer(const QHash<QString, QString>& fields);
// Stores the sender row (replacing any).
void setSender(const QHash<QString, QString>& fields);
// Runs a statement on a database file through a connection of its own.
QList<QStringList> query(const QString& dbFile, const QString& sql);
// A fingerprint of a file's bytes, to show it was left untouched.
QByteArray digest(const QString& path);
// Zeroes a page in the middle of a database file, as a failing disk does,
// so that connections already open see it too.
void damagePage(const QString& dbFile);
// The smallest rectangle holding every dark pixel of the image inside the
// area, in pixels.
QRect inkBounds(const QImage& image, const QRect& area);
// Clicks a button, failing the test when it is disabled.
void click(QAbstractButton* button);
} // namespace TestSupport

// The set-up that tests share, run by their init() and cleanup(): messages
// answered and a fresh program folder for each test.
class TestFixture {
  protected:
    void setUpTest() {
        answers = new ScriptedAnswerer;
        folder = new TempProgramFolder;
    }
    void tearDownTest() {
        delete folder;
        delete answers;
    }
    ScriptedAnswerer* answers = nullptr;
    TempProgramFolder* folder = nullptr;
};

// The same, and the window under test deleted after each test.
template <class Window> class WindowFixture : public TestFixture {
  protected:
    void setUpTest() {
        TestFixture::setUpTest();
        w = nullptr;
    }
    void tearDownTest() {
        delete w;
        w = nullptr;
        TestFixture::tearDownTest();
    }
    Window* w = nullptr;
};

// Tests of the addressee window and of what reaches it.
class AddresseeWindowFixture : public WindowFixture<AddresseeWindow> {
  protected:
    // Enabled state of add, update, delete, print, search, zip code, and the
    // captions of add and update, e.g. "100110 입력 수정".
    QString buttons() const;
    // Double-clicks the grid row of the addressee with the seq, as the user does.
    void doubleClickGridRowWithSeq(const QString& seq);
    // Adds an addressee to the book on file.
    static void add(const QString& seq, const QString& name, const QString& company = QString(),
                    const QString& department = QString());
};

// Tests of the print window: a recording printer stands in for the real one.
class PrintWindowFixture : public WindowFixture<PrintWindow> {
  protected:
    void setUpTest() {
        WindowFixture::setUpTest();
        printer = new RecordingPrinter;
        PrinterLayer::setPrinter(printer);
    }
    void tearDownTest() {
        WindowFixture::tearDownTest();
        PrinterLayer::setPrinter(nullptr);
        delete printer;
    }
    // Opens the address book and the print window.
    void openWindow();
    RecordingPrinter* printer = nullptr;
};
