#pragma once

#include <QString>

class QWidget;

// Every message the program shows goes through here. Tests
// install an answerer of their own that records the messages and answers.
namespace MessageBox {
enum class Icon { Question, Exclamation, Information, Stop };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    QString title;
    QString text;
    Icon icon;
    Buttons buttons;
};

class Answerer {
  public:
    virtual ~Answerer() = default;
    virtual Answer answer(QWidget* parent, const Message& message) = 0;
};

// Shows a message titled "경고" and returns the user's answer.
Answer show(QWidget* parent, const QString& text, Icon icon, Buttons buttons = Buttons::Ok);
// Tells that a task is finished, titled "알림".
void done(QWidget* parent, const QString& text);
// Asks a yes-or-no question, titled "확인"; true for yes.
bool ask(QWidget* parent, const QString& text);
// Replaces the answerer (nullptr restores the real message boxes).
void setAnswerer(Answerer* answerer);
} // namespace MessageBox
