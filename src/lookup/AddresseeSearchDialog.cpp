#include "AddresseeSearchDialog.h"

#include "store/AddressBook.h"
#include "store/TextRules.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QMouseEvent>

using AppState::CustomerCursor;

QString AddresseeSearchDialog::resultLine(const QString& seq, const QString& name,
                                          const QString& company, const QString& department) {
    const QString lead = TextRules::withoutTrailingBlanks(name).isEmpty()
                             ? QString(42, QLatin1Char(' '))
                             : QString();
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
    // The addressee window's cursor: without rows (closed) once that window
    // has been left by its exit button.
    if (CustomerCursor && CustomerCursor->recordCount() > 0) {
        const Recordset& cursor = *CustomerCursor;
        const int seq = cursor.columnIndex(QStringLiteral("seq"));
        const int name = cursor.columnIndex(QStringLiteral("name"));
        const int company = cursor.columnIndex(QStringLiteral("company"));
        const int department = cursor.columnIndex(QStringLiteral("department"));
        // The rows are read where they are: the shown addressee stays current.
        // Only a row that matches is copied out.
        const auto walk = [&](auto matches) {
            for (int row = 0; row < cursor.recordCount(); ++row) {
                if (matches(cursor.view(row, name), cursor.view(row, company)))
                    lines << resultLine(cursor.value(row, seq), cursor.value(row, name),
                                        cursor.value(row, company), cursor.value(row, department));
            }
        };
        // The whole name first; only when no name is the whole text, the
        // beginning of the name or else of the company, each row once.
        walk([&](QStringView rowName, QStringView) { return rowName == text; });
        if (lines.isEmpty())
            walk([&](QStringView rowName, QStringView rowCompany) {
                return rowName.startsWith(text) || rowCompany.startsWith(text);
            });
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
