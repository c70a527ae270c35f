#include "MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <utility>

namespace {
class DialogAnswerer : public MessageBox::Answerer {
  public:
    MessageBox::Answer answer(QWidget* parent, const MessageBox::Message& m) override {
        using MessageBox::Answer;
        using MessageBox::Buttons;
        using MessageBox::Icon;
        const QMessageBox::Icon icon = m.icon == Icon::Question      ? QMessageBox::Question
                                       : m.icon == Icon::Exclamation ? QMessageBox::Warning
                                       : m.icon == Icon::Information ? QMessageBox::Information
                                                                     : QMessageBox::Critical;
        const QMessageBox::StandardButtons buttons = m.buttons == Buttons::Ok ? QMessageBox::Ok
                                                     : m.buttons == Buttons::OkCancel
                                                         ? (QMessageBox::Ok | QMessageBox::Cancel)
                                                         : (QMessageBox::Yes | QMessageBox::No);
        QMessageBox box(icon, m.title, m.text, buttons, parent);
        // Korean captions whether or not Qt's translation is installed.
        const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
            {QMessageBox::Ok, "확인"},
            {QMessageBox::Cancel, "취소"},
            {QMessageBox::Yes, "예"},
            {QMessageBox::No, "아니요"}};
        for (const auto& [button, caption] : captions) {
            if (QAbstractButton* b = box.button(button))
                b->setText(QString::fromUtf8(caption));
        }
        switch (box.exec()) {
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Ok;
        }
    }
};

DialogAnswerer dialogs;
MessageBox::Answerer* current = &dialogs;
} // namespace

MessageBox::Answer MessageBox::show(QWidget* parent, const QString& text, Icon icon,
                                    Buttons buttons) {
    return current->answer(parent, Message{QStringLiteral("경고"), text, icon, buttons});
}

void MessageBox::done(QWidget* parent, const QString& text) {
    current->answer(parent, Message{QStringLiteral("알림"), text, Icon::Information, Buttons::Ok});
}

bool MessageBox::ask(QWidget* parent, const QString& text) {
    return current->answer(parent, Message{QStringLiteral("확인"), text, Icon::Question,
                                           Buttons::YesNo}) == Answer::Yes;
}

void MessageBox::setAnswerer(Answerer* answerer) {
    current = answerer ? answerer : &dialogs;
}
