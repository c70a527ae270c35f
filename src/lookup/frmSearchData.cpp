#include "frmSearchData.h"

#include "addressee/frmOrvane.h"
#include "store/AddressBook.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QMouseEvent>

using Module1::CustomerCursor;

QString frmSearchData::withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString frmSearchData::ResultLine(const QString& seq, const QString& name, const QString& company,
                                  const QString& department) {
    const QChar blank = QLatin1Char(' ');
    const QString lead = withoutTrailingBlanks(name).isEmpty() ? QString(42, blank) : QString();
    return lead + name + QStringLiteral("  ") + company + department + QString(130, blank) + seq;
}

frmSearchData::frmSearchData(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    setObjectName(QStringLiteral("frmSearchData"));
    setWindowTitle(QStringLiteral("데이타 검색"));
    setFont(Fonts::gulim());
    Twips::setClientSize(this, 7680, 5250);

    lblSearchData = label(this, "lblSearchData", QStringLiteral("검색할내용"), 480, 480, 975, 195);
    txtFindSearchData = textBox(this, "txtFindSearchData", 1680, 360, 3855, 375);
    txtFindSearchData->setText(QStringLiteral(" "));
    txtFindSearchData->installEventFilter(this);
    cmdSearchData = button(this, "cmdSearchData", QStringLiteral("검색"), 5880, 360, 1335, 495);
    lstFindCustomerData = keyedList(this, "lstFindCustomerData", 480, 1200, 6735, 3765);
    lstFindCustomerData->setSelectionMode(QAbstractItemView::SingleSelection);
    lstFindCustomerData->viewport()->installEventFilter(this);
    tabOrder({txtFindSearchData, cmdSearchData, lstFindCustomerData});
    txtFindSearchData->setFocus();

    connect(cmdSearchData, &QPushButton::clicked, this, &frmSearchData::cmdSearchData_Click);
    centre(this);
}

bool frmSearchData::Form_Load() {
    lstFindCustomerData->clear();
    return true;
}

void frmSearchData::txtFindSearchData_Click() {
    txtFindSearchData->clear();
}

void frmSearchData::cmdSearchData_Click() {
    lstFindCustomerData->clear();
    const QString text = withoutTrailingBlanks(txtFindSearchData->text());
    QStringList lines;
    // The addressee window's cursor: without rows (closed) once that window
    // has been left by its exit button.
    if (CustomerCursor && CustomerCursor->recordCount() > 0) {
        Recordset& cursor = *CustomerCursor;
        const int seq = cursor.columnIndex(QStringLiteral("seq"));
        const int name = cursor.columnIndex(QStringLiteral("name"));
        const int company = cursor.columnIndex(QStringLiteral("company"));
        const int department = cursor.columnIndex(QStringLiteral("department"));
        const auto walk = [&](auto matches) {
            for (cursor.moveFirst(); !cursor.eof(); cursor.moveNext()) {
                const QString rowName = cursor.field(name);
                const QString rowCompany = cursor.field(company);
                if (matches(rowName, rowCompany))
                    lines << ResultLine(cursor.field(seq), rowName, rowCompany,
                                        cursor.field(department));
            }
        };
        // The whole name first; only when no name is the whole text, the
        // beginning of the name or else of the company, each row once.
        walk([&](const QString& rowName, const QString&) { return rowName == text; });
        if (lines.isEmpty())
            walk([&](const QString& rowName, const QString& rowCompany) {
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

void frmSearchData::lstFindCustomerData_DblClick() {
    frmOrvane* window = frmOrvane::instance();
    const QList<QListWidgetItem*> chosen = lstFindCustomerData->selectedItems();
    if (window && CustomerCursor && !chosen.isEmpty() &&
        CustomerCursor->findFirst(QStringLiteral("seq"),
                                  Controls::lineKey(chosen.first()->text()))) {
        window->CustomerDataDisplay();
        brought = true;
    }
    if (window) {
        window->cmdCustomerAdd->setEnabled(false);
        window->cmdCustomerUpdate->setEnabled(true);
        window->cmdCustomerDelete->setEnabled(true);
    }
    close();
}

bool frmSearchData::eventFilter(QObject* watched, QEvent* event) {
    const bool left = (event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::MouseButtonDblClick) &&
                      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (left && watched == txtFindSearchData && event->type() == QEvent::MouseButtonPress)
        txtFindSearchData_Click();
    else if (left && watched == lstFindCustomerData->viewport() &&
             event->type() == QEvent::MouseButtonDblClick)
        lstFindCustomerData_DblClick();
    return QWidget::eventFilter(watched, event);
}

void frmSearchData::closeEvent(QCloseEvent* event) {
    // Without a chosen addressee the searches have left the shared cursor
    // past the last row: stand it again on the addressee the window shows.
    const frmOrvane* window = frmOrvane::instance();
    if (!brought && window && CustomerCursor && !window->shownSeq().isEmpty())
        CustomerCursor->findFirst(QStringLiteral("seq"), window->shownSeq());
    event->accept();
}
