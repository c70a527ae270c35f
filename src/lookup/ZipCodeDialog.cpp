#include "ZipCodeDialog.h"

#include "store/StoreError.h"
#include "store/TextRules.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QEvent>

void ZipCodeDialog::openFor(QWidget* window, AddressBoxes boxes) {
    ZipCodeDialog* dialog = open();
    if (!dialog)
        return;
    disconnect(dialog, &ZipCodeDialog::chosen, nullptr, nullptr);
    connect(dialog, &ZipCodeDialog::chosen, window, [boxes](const ZipRow& row) {
        boxes.zipcode->setText(row.zipcode);
        boxes.address1->setText(row.address1());
        if (!TextRules::isBlank(row.ri))
            boxes.address2->setText(row.ri);
    });
}

ZipCodeDialog::ZipCodeDialog(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    setObjectName(QStringLiteral("ZipCodeDialog"));
    setWindowTitle(QStringLiteral("우편번호검색"));
    setFont(Fonts::gulim());
    Twips::setClientSize(this, 7995, 7305);

    Label1 = label(this, "Label1", QStringLiteral("찾을 우편번호"), 600, 480, 1230, 195);
    txtSearchData = textBox(this, "txtSearchData", 2160, 360, 3855, 375);
    Label2 = label(this, "Label2", QStringLiteral("예)찾고자 하는 지역에 해당하는"), 2160, 840,
                   2790, 195);
    Label3 = label(this, "Label3", QStringLiteral("  동, 면, 읍, 리를 입력하시면 됩니다"), 2280,
                   1080, 3135, 195);

    lstSearchDataList = keyedList(this, "lstSearchDataList", 480, 1800, 7215, 4740);
    lstSearchDataList->viewport()->installEventFilter(this);

    cmdSearchData = button(this, "cmdSearchData", QStringLiteral("검색"), 6240, 240, 1215, 490);
    cmdCencel = button(this, "cmdCencel", QStringLiteral("취소"), 6360, 6720, 1215, 490);
    lblZipcode = label(this, "lblZipcode", QStringLiteral("우편번호"), 480, 1440, 1095, 255);
    lblAptStbunji =
        label(this, "lblAptStbunji", QStringLiteral("사서함, 아파트명 및 시작번지~종료번지"), 3600,
              1440, 3615, 255);

    nameAfter(Label1, {txtSearchData});
    nameAfter(lblZipcode, {lstSearchDataList});
    tabOrder({txtSearchData, lstSearchDataList, cmdSearchData, cmdCencel});
    txtSearchData->setFocus();

    connect(cmdSearchData, &QPushButton::clicked, this, &ZipCodeDialog::cmdSearchDataClick);
    connect(cmdCencel, &QPushButton::clicked, this, &ZipCodeDialog::cmdCencelClick);
    centre(this);
}

bool ZipCodeDialog::load() {
    try {
        zipCodes = std::make_unique<ZipCodes>();
    } catch (const StoreError& e) {
        MessageBox::show(this, QStringLiteral("우편번호를 검색할 수 없습니다.\n") + e.message(),
                         MessageBox::Icon::Stop);
        return false;
    }
    txtSearchData->clear();
    return true;
}

void ZipCodeDialog::cmdSearchDataClick() {
    lstSearchDataList->clear();
    QList<ZipRow> rows;
    try {
        rows = zipCodes->search(txtSearchData->text());
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
        return;
    }
    if (rows.isEmpty()) {
        lstSearchDataList->addItem(QStringLiteral("해당 동에 대한 우편번호가 없습니다"));
        txtSearchData->clear();
        txtSearchData->setFocus();
        return;
    }
    QStringList lines;
    lines.reserve(rows.size());
    for (const ZipRow& row : rows)
        lines << row.listLine();
    lstSearchDataList->addItems(lines);
}

void ZipCodeDialog::lstSearchDataListDoubleClick() {
    // Nothing is announced, and the dialog stays open, when the window that
    // asked has been closed meanwhile, when no line is chosen, or when the
    // line names no row (the message line, or a row no longer in the file).
    const QList<QListWidgetItem*> selected = lstSearchDataList->selectedItems();
    if (!isSignalConnected(QMetaMethod::fromSignal(&ZipCodeDialog::chosen)) || selected.isEmpty())
        return;
    std::optional<ZipRow> row;
    try {
        row = zipCodes->find(TextRules::lineKey(selected.first()->text()));
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
        return;
    }
    if (!row)
        return;
    emit chosen(*row);
    close();
}

void ZipCodeDialog::cmdCencelClick() {
    close();
}

bool ZipCodeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstSearchDataList->viewport() && event->type() == QEvent::MouseButtonDblClick)
        lstSearchDataListDoubleClick();
    return QWidget::eventFilter(watched, event);
}
