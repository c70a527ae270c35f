#include "AddresseeSearchDialog.h"

#include "store/AddresseeBook.h"
#include "store/TextRules.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QMouseEvent>

QString AddresseeSearchDialog::resultLine(const QString& seq, const QString& name,
                                          const QString& company, const QString& department) {
    const QString lead = TextRules::isNameless(name) ? QString(42, QLatin1Char(' ')) : QString();
    return TextRules::keyedLine(lead + name + QStringLiteral("  ") + company + department, 130,
                                seq);
}

AddresseeSearchDialog::AddresseeSearchDialog(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    setObjectName(QStringLiteral("AddresseeSearchDialog"));
    setWindowTitle(QStringLiteral("데이타 검색"));
    setFont(Fonts::gulim());
    Twips::setClientSize(this, 7680, 5250);

    lblSearchData = label(this, "lblSearchData", QStringLiteral("검색할내용"), 480, 480, 975, 195);
    txtFindSearchData = textBox(this, "txtFindSearchData", 1680, 360, 3855, 375);
    txtFindSearchData->setText(QStringLiteral(" "));
    // The caret before the blank: what is typed comes first, and the blank
    // trails and is dropped by the search.
    txtFindSearchData->setCursorPosition(0);
    txtFindSearchData->installEventFilter(this);
    cmdSearchData = button(this, "cmdSearchData", QStringLiteral("검색"), 5880, 360, 1335, 495);
    lstFindCustomerData = keyedList(this, "lstFindCustomerData", 480, 1200, 6735, 3765);
    lstFindCustomerData->setSelectionMode(QAbstractItemView::SingleSelection);
    lstFindCustomerData->viewport()->installEventFilter(this);
    nameAfter(lblSearchData, {txtFindSearchData});
    lstFindCustomerData->setAccessibleName(windowTitle());
    tabOrder({txtFindSearchData, cmdSearchData, lstFindCustomerData});
    txtFindSearchData->setFocus();

    connect(cmdSearchData, &QPushButton::clicked, this, &AddresseeSearchDialog::cmdSearchDataClick);
    centre(this);
}

bool AddresseeSearchDialog::load() {
    lstFindCustomerData->clear();
    return true;
}

void AddresseeSearchDialog::txtFindSearchDataClick() {
    txtFindSearchData->clear();
}

void AddresseeSearchDialog::cmdSearchDataClick() {
    lstFindCustomerData->clear();
    const QString text = TextRules::withoutTrailingBlanks(txtFindSearchData->text());
    QStringList lines;
    // The rows are read where they are; none once the addressee window has
    // been left by its exit button.
    if (const AddresseeBook* book = AddresseeBook::shared()) {
        using enum AddresseeFields::Index;
        for (const int place : book->search(text))
            lines << resultLine(book->value(place, Seq), book->value(place, Name),
                                book->value(place, Company), book->value(place, Department));
    }
    if (lines.isEmpty()) {
        MessageBox::show(this,
                         QStringLiteral("해당 데이타를 찾지 못했습니다\n다시 검색을 하십시요"),
                         MessageBox::Icon::Information);
        return;
    }
    lstFindCustomerData->addItems(lines);
}

void AddresseeSearchDialog::lstFindCustomerDataDoubleClick() {
    const QList<QListWidgetItem*> selected = lstFindCustomerData->selectedItems();
    emit chosen(selected.isEmpty() ? QString() : TextRules::lineKey(selected.first()->text()));
    close();
}

bool AddresseeSearchDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool left = (event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::MouseButtonDblClick) &&
                      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (left && watched == txtFindSearchData && event->type() == QEvent::MouseButtonPress)
        txtFindSearchDataClick();
    else if (left && watched == lstFindCustomerData->viewport() &&
             event->type() == QEvent::MouseButtonDblClick)
        lstFindCustomerDataDoubleClick();
    return QWidget::eventFilter(watched, event);
}
