#include "AddresseeWindow.h"

#include "store/AddresseeBook.h"
#include "store/TextRules.h"
#include "ui/MessageBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

void AddresseeWindow::checkDuplicateName() {
    const QString typed = txtCustomerName->text();
    const QString crlf = QStringLiteral("\r\n");
    const QString gap = QStringLiteral("  ");
    QString list;
    const AddresseeBook& book = *AddresseeBook::shared();
    // The rows are read where they are; only those with the name are copied.
    const QList<int> places = book.withName(typed);
    for (const int place : places) {
        using enum AddresseeFields::Index;
        list += TextRules::nameColumn(book.value(place, Name)) + book.value(place, Company) + gap +
                book.value(place, Department) + crlf;
    }
    const qsizetype count = places.size();
    if (count == 0)
        return;
    const MessageBox::Answer answer = MessageBox::show(
        this,
        list + crlf + crlf + QString::number(count) + QStringLiteral("개 가 중복 되어 있습니다") +
            crlf + crlf + QStringLiteral("무시하시고 입력하시겠습니까?"),
        MessageBox::Icon::Exclamation, MessageBox::Buttons::OkCancel);
    if (answer == MessageBox::Answer::Cancel) {
        txtCustomerName->clear();
        txtCustomerName->setFocus();
    } else {
        txtCustomerEmail->setFocus();
    }
}

bool AddresseeWindow::previewInput(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A key the focused control leaves alone travels on to its
        // containers; it is handled once, where it first arrives.
        if (watched != (focusWidget() ? focusWidget() : this))
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            cancelWork();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The control still gets the key: the remark box starts a new line.
            focusNextChild();
            if (watched == txtCustomerName && cmdCustomerAdd->isEnabled())
                checkDuplicateName();
        }
        return false;
    }
    case QEvent::MouseButtonPress:
        if (watched == txtCustomerEmail && cmdCustomerAdd->isEnabled())
            checkDuplicateName();
        else if ((watched == txtCustomerZipcode || watched == txtCustomerAddress1) &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            // These boxes are filled from the zip code search.
            MessageBox::show(this,
                             QStringLiteral("임의적으로 입,수정을 하시면 \n"
                                            "우편번호가 맞지 않는 경우가 생깁니다"),
                             MessageBox::Icon::Exclamation);
        return false;
    default:
        return false;
    }
}

void AddresseeWindow::cancelWork() {
    if (MessageBox::show(this, QStringLiteral("해당작업을 취소합니까"),
                         MessageBox::Icon::Exclamation,
                         MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes)
        return;
    browseFromFirst();
}

void AddresseeWindow::browseFromFirst() {
    // With no addressee to show instead, the dropped typing leaves the boxes
    // too, so that nothing unsaved looks stored.
    if (AddresseeBook::shared()->count() == 0)
        clearBoxes();
    showRecord(0);
    txtCustomerName->setFocus();
    setButtons(Event::Cancelled);
}
