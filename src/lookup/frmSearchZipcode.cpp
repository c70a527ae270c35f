#include "frmSearchZipcode.h"

#include "addressee/frmOrvane.h"
#include "frmSearchPersonal.h"
#include "store/AddressBook.h"
#include "store/AppPaths.h"
#include "store/StoreError.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QSqlError>

namespace {
const QString noResult = QStringLiteral("해당 동에 대한 우편번호가 없습니다");

// Rows in the order sido, gugun, dong, ri, st_bunji; rows alike in all five
// keep the table's own order.
const QString selectRows =
    QStringLiteral("select seq, zipcode, sido, gugun, dong, ri, st_bunji, ed_bunji from zip ");
const QString inListOrder = QStringLiteral(" order by sido, gugun, dong, ri, st_bunji, rowid");

// The boxes a chosen row is copied into.
struct Target {
    QLineEdit* zipcode;
    QLineEdit* address1;
    QLineEdit* address2;
};

// The window that asked for the zip code, if it is still open.
std::optional<Target> callerBoxes() {
    if (Module1::ZipSearchCaller == QStringLiteral("1")) {
        if (frmOrvane* w = frmOrvane::instance())
            return Target{w->txtCustomerZipcode, w->txtCustomerAddress1, w->txtCustomerAddress2};
    } else if (Module1::ZipSearchCaller == QStringLiteral("2")) {
        if (frmSearchPersonal* w = frmSearchPersonal::instance())
            return Target{w->txtPersonalZipcode, w->txtPersonalAddress1, w->txtPersonalAddress2};
    }
    return std::nullopt;
}
} // namespace

bool frmSearchZipcode::IsPresent(const QString& value) {
    return !value.isEmpty() && value != QStringLiteral(" ");
}

QString frmSearchZipcode::ResultLine(const ZipRow& row) {
    const QChar blank = QLatin1Char(' ');
    QString line =
        row.zipcode + blank + row.sido + blank + row.gugun + blank + row.dong + blank + row.ri;
    if (IsPresent(row.st_bunji)) {
        line += blank + row.st_bunji;
        if (IsPresent(row.ed_bunji))
            line += QStringLiteral(" ~ ") + row.ed_bunji;
    }
    return line + QString(90, blank) + row.seq;
}

frmSearchZipcode::frmSearchZipcode(QWidget* parent) : QWidget(parent) {
    using namespace Controls;
    setObjectName(QStringLiteral("frmSearchZipcode"));
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

    tabOrder({txtSearchData, lstSearchDataList, cmdSearchData, cmdCencel});
    txtSearchData->setFocus();

    connect(cmdSearchData, &QPushButton::clicked, this, &frmSearchZipcode::cmdSearchData_Click);
    connect(cmdCencel, &QPushButton::clicked, this, &frmSearchZipcode::cmdCencel_Click);
    centre(this);
}

bool frmSearchZipcode::Form_Load() {
    const QString cannotSearch = QStringLiteral("우편번호를 검색할 수 없습니다.\n");
    try {
        ZipDb = Connection::open(AppPaths::zipcodePath(), {QStringLiteral("zip")}, true);
    } catch (const StoreError& e) {
        MessageBox::show(this, cannotSearch + e.message(), MessageBox::Icon::Stop);
        return false;
    }
    const struct {
        QSqlQuery* query;
        QString sql;
    } statements[] = {{&byDong, selectRows + QStringLiteral("where dong = ?") + inListOrder},
                      {&byRi, selectRows + QStringLiteral("where ri = ?") + inListOrder},
                      {&bySeq, selectRows + QStringLiteral("where seq = ?")}};
    for (const auto& s : statements) {
        *s.query = QSqlQuery(ZipDb->db());
        s.query->setForwardOnly(true);
        if (!s.query->prepare(s.sql)) {
            MessageBox::show(this,
                             cannotSearch +
                                 QStringLiteral("zipcode.mdb 파일의 zip 테이블이 올바르지 "
                                                "않습니다.\n") +
                                 s.query->lastError().text(),
                             MessageBox::Icon::Stop);
            return false;
        }
    }
    txtSearchData->clear();
    return true;
}

bool frmSearchZipcode::run(QSqlQuery& query, const QString& value) {
    query.bindValue(0, value);
    if (query.exec())
        return true;
    MessageBox::show(
        this, QStringLiteral("zipcode.mdb 파일을 읽을 수 없습니다.\n") + query.lastError().text(),
        MessageBox::Icon::Stop);
    return false;
}

frmSearchZipcode::ZipRow frmSearchZipcode::rowOf(const QSqlQuery& query) {
    return ZipRow{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                  query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
                  query.value(6).toString(), query.value(7).toString()};
}

void frmSearchZipcode::appendRows(QSqlQuery& query, QStringList& lines) {
    while (query.next())
        lines << ResultLine(rowOf(query));
    query.finish();
}

void frmSearchZipcode::cmdSearchData_Click() {
    lstSearchDataList->clear();
    const QString text = txtSearchData->text();
    QStringList lines;
    // The blank that marks "no village" names no place: searching for it
    // would list tens of thousands of unrelated rows.
    if (IsPresent(text)) {
        if (!run(byDong, text))
            return;
        appendRows(byDong, lines);
        if (lines.isEmpty()) {
            if (!run(byRi, text))
                return;
            appendRows(byRi, lines);
        }
    }
    if (lines.isEmpty()) {
        lstSearchDataList->addItem(noResult);
        txtSearchData->clear();
        txtSearchData->setFocus();
        return;
    }
    lstSearchDataList->addItems(lines);
}

void frmSearchZipcode::lstSearchDataList_DblClick() {
    // Nothing is copied, and the dialog stays open, when the window that
    // asked has been closed meanwhile, when no line is chosen, or when the
    // line names no row (the message line, or a row no longer in the file).
    const std::optional<Target> target = callerBoxes();
    const QList<QListWidgetItem*> chosen = lstSearchDataList->selectedItems();
    if (!target || chosen.isEmpty() || !run(bySeq, Controls::lineKey(chosen.first()->text())))
        return;
    if (!bySeq.next()) {
        bySeq.finish();
        return;
    }
    const ZipRow row = rowOf(bySeq);
    bySeq.finish();
    target->zipcode->setText(row.zipcode);
    target->address1->setText(row.sido + QLatin1Char(' ') + row.gugun + QStringLiteral("  ") +
                              row.dong);
    if (IsPresent(row.ri))
        target->address2->setText(row.ri);
    close();
}

void frmSearchZipcode::cmdCencel_Click() {
    close();
}

bool frmSearchZipcode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstSearchDataList->viewport() && event->type() == QEvent::MouseButtonDblClick)
        lstSearchDataList_DblClick();
    return QWidget::eventFilter(watched, event);
}
