#include "ZipCodeDialog.h"

#include "store/PostalLoad.h"
#include "store/StoreError.h"
#include "store/TextRules.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QPointer>
#include <QProgressDialog>
#include <QScopeGuard>

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
    disconnect(dialog, &ZipCodeDialog::placeChosen, nullptr, nullptr);
    connect(dialog, &ZipCodeDialog::placeChosen, window, [window, boxes](const PostalPlace& place) {
        boxes.zipcode->setText(place.zipcode);
        boxes.address1->setText(place.address1());
        const QString reference = place.reference();
        boxes.address2->setText(reference.isEmpty() ? QString() : QLatin1Char(' ') + reference);
        window->activateWindow();
        boxes.address2->setFocus();
        boxes.address2->setCursorPosition(0);
    });
}

ZipCodeDialog::ZipCodeDialog(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    setObjectName(QStringLiteral("ZipCodeDialog"));
    setWindowTitle(QStringLiteral("우편번호검색"));
    setFont(Fonts::gulim());
    Twips::setClientSize(this, 7995, 8505);

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

    lblPostalSearch =
        label(this, "lblPostalSearch", QStringLiteral("도로명·건물명"), 600, 7560, 1455, 195);
    txtPostalSearch = textBox(this, "txtPostalSearch", 2160, 7440, 3855, 375);
    txtPostalSearch->setPlaceholderText(
        QStringLiteral("예) 논현로 8길 61, 개포동 1183, 경남아파트"));
    cmdPostalSearch =
        button(this, "cmdPostalSearch", QStringLiteral("새 주소 검색"), 6240, 7380, 1215, 490);
    // The date, and below it the warning when the data is old.
    lblPostalData = label(this, "lblPostalData", QString(), 600, 7920, 4455, 510);
    lblPostalData->setWordWrap(true);
    cmdLoadPostalData = button(this, "cmdLoadPostalData", QStringLiteral("우편번호 DB 불러오기…"),
                               5160, 7980, 2295, 375);

    nameAfter(Label1, {txtSearchData});
    nameAfter(lblZipcode, {lstSearchDataList});
    nameAfter(lblPostalSearch, {txtPostalSearch});
    tabOrder({txtSearchData, lstSearchDataList, cmdSearchData, cmdCencel, txtPostalSearch,
              cmdPostalSearch, cmdLoadPostalData});
    txtSearchData->setFocus();

    connect(cmdSearchData, &QPushButton::clicked, this, &ZipCodeDialog::cmdSearchDataClick);
    connect(cmdCencel, &QPushButton::clicked, this, &ZipCodeDialog::cmdCencelClick);
    connect(cmdPostalSearch, &QPushButton::clicked, this, &ZipCodeDialog::cmdPostalSearchClick);
    connect(txtPostalSearch, &QLineEdit::returnPressed, this, &ZipCodeDialog::cmdPostalSearchClick);
    connect(cmdLoadPostalData, &QPushButton::clicked, this, &ZipCodeDialog::cmdLoadPostalDataClick);
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
    openPostalData();
    return true;
}

void ZipCodeDialog::openPostalData() {
    postal.reset();
    try {
        postal = PostalCodes::open();
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
    }
    lblPostalData->setText(postal ? PostalCodes::asOf(postal->date(), QDate::currentDate())
                                  : QStringLiteral("새 우편번호 자료 없음"));
}

void ZipCodeDialog::listLines(const QStringList& lines) {
    places.clear();
    lstSearchDataList->clear();
    lstSearchDataList->addItems(lines);
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
    places.clear();
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
    const int place = lstSearchDataList->row(selected.first());
    if (place < places.size()) {
        emit placeChosen(places[place]);
        close();
        return;
    }
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

void ZipCodeDialog::cmdPostalSearchClick() {
    if (!postal) {
        listLines({QStringLiteral("새 우편번호 자료가 아직 없습니다."),
                   QStringLiteral("인터넷우체국 › 우편번호 › 우편번호 DB 다운로드에서"),
                   QStringLiteral("범위주소 DB(areacd_rangeaddr_DB.zip)를 받아"),
                   QStringLiteral("\"우편번호 DB 불러오기…\"로 불러오십시오.")});
        return;
    }
    QList<PostalPlace> found;
    try {
        found = postal->search(txtPostalSearch->text());
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
        return;
    }
    if (found.isEmpty()) {
        listLines({QStringLiteral("찾는 주소가 없습니다")});
        return;
    }
    QStringList lines;
    for (const PostalPlace& p : std::as_const(found))
        lines << p.line();
    listLines(lines);
    places = found;
}

void ZipCodeDialog::cmdLoadPostalDataClick() {
    const QStringList files = QFileDialog::getOpenFileNames(
        this, QStringLiteral("우편번호 DB 불러오기"), QDir::homePath(),
        QStringLiteral("우편번호 DB (*.zip *.txt);;모든 파일 (*)"));
    if (!files.isEmpty())
        loadPostalData(files);
}

void ZipCodeDialog::loadPostalData(const QStringList& files) {
    // The dialog keeps working while the load runs: it may even be closed
    // and gone by the time the load returns.
    const QPointer<ZipCodeDialog> alive(this);
    const QPointer<QProgressDialog> progress = new QProgressDialog(
        QStringLiteral("우편번호 DB를 불러오고 있습니다…"), QStringLiteral("취소"), 0, 100, this);
    const auto closeProgress = qScopeGuard([progress] { delete progress.data(); });
    progress->setWindowTitle(QStringLiteral("우편번호 DB 불러오기"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setValue(0);
    try {
        PostalLoad load(PostalCodes::path());
        const auto summary = load.build(files, [progress](int percent) {
            if (progress)
                progress->setValue(percent);
            QCoreApplication::processEvents();
            return progress && !progress->wasCanceled();
        });
        if (!alive)
            return;
        delete progress.data();
        if (!summary) {
            MessageBox::show(this,
                             QStringLiteral("불러오기를 취소했습니다. 쓰던 자료는 그대로입니다"),
                             MessageBox::Icon::Information);
            return;
        }
        if (!summary->shortfall().isEmpty() &&
            MessageBox::show(
                this,
                summary->shortfall() + QStringLiteral("\n지금 자료를 이 자료로 바꾸시겠습니까?"),
                MessageBox::Icon::Question, MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes)
            return;
        postal.reset();
        load.commit();
    } catch (const StoreError& e) {
        if (!alive)
            return;
        delete progress.data();
        MessageBox::show(this, e.message() + QStringLiteral("\n쓰던 자료는 그대로입니다"),
                         MessageBox::Icon::Stop);
    }
    openPostalData();
}

bool ZipCodeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstSearchDataList->viewport() && event->type() == QEvent::MouseButtonDblClick)
        lstSearchDataListDoubleClick();
    return QWidget::eventFilter(watched, event);
}
