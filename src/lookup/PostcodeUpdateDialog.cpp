#include "PostcodeUpdateDialog.h"

#include "store/AddresseeBook.h"
#include "store/StoreError.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {
QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString address(const QString& zipcode, const QString& address1, const QString& address2) {
    return zipcode + QStringLiteral("  ") + address1 + QLatin1Char('\n') + address2;
}
} // namespace

PostcodeUpdateDialog::PostcodeUpdateDialog() {
    setObjectName(QStringLiteral("PostcodeUpdateDialog"));
    setWindowTitle(QStringLiteral("새 우편번호로 바꾸기"));
    setWindowModality(Qt::ApplicationModal);
    setFont(Fonts::gulim());
    lblPostalData = new QLabel(this);
    grdProposals = new QTableWidget(0, 5, this);
    grdProposals->setObjectName(QStringLiteral("grdProposals"));
    grdProposals->setHorizontalHeaderLabels(
        {QStringLiteral("바꾸기"), QStringLiteral("이름"), QStringLiteral("지금 우편번호·주소"),
         QStringLiteral("새 우편번호·주소"), QStringLiteral("까닭")});
    grdProposals->setWordWrap(true);
    grdProposals->verticalHeader()->hide();
    grdProposals->horizontalHeader()->setStretchLastSection(true);
    lblSummary = new QLabel(this);
    cmdTakeAll = new QPushButton(QStringLiteral("모두 고르기"), this);
    cmdApply = new QPushButton(QStringLiteral("바꾸기"), this);
    cmdClose = new QPushButton(QStringLiteral("닫기"), this);
    for (auto [widget, name] : {std::pair<QWidget*, const char*>{lblPostalData, "lblPostalData"},
                                {lblSummary, "lblSummary"},
                                {cmdTakeAll, "cmdTakeAll"},
                                {cmdApply, "cmdApply"},
                                {cmdClose, "cmdClose"}})
        widget->setObjectName(QLatin1String(name));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSummary, 1);
    for (QPushButton* b : {cmdTakeAll, cmdApply, cmdClose})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPostalData);
    layout->addWidget(grdProposals, 1);
    layout->addLayout(buttons);
    resize(980, 560);

    connect(cmdTakeAll, &QPushButton::clicked, this, &PostcodeUpdateDialog::cmdTakeAllClick);
    connect(cmdApply, &QPushButton::clicked, this, &PostcodeUpdateDialog::cmdApplyClick);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    Controls::centre(this);
}

bool PostcodeUpdateDialog::load() {
    try {
        postal = PostalCodes::open();
        if (!postal || !postal->hasBuildingData()) {
            MessageBox::show(
                this,
                QStringLiteral("새 우편번호를 찾으려면 건물 DB가 있어야 합니다.\n인터넷우체국 › "
                               "우편번호 › 우편번호 DB 다운로드에서 건물 DB(zipcode_DB.zip)를 "
                               "받아 우편번호 검색의 \"우편번호 DB 불러오기…\"로 불러오십시오"),
                MessageBox::Icon::Exclamation);
            return false;
        }
        lblPostalData->setText(PostalCodes::asOf(postal->date(), QDate::currentDate()) +
                               QStringLiteral(" 자료로 찾은 새 우편번호입니다. 바꿀 줄을 "
                                              "고른 뒤 \"바꾸기\"를 누르십시오"));
        proposals = PostcodeUpdate::proposals(AddresseeBook::shared()->connection(), *postal);
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
        return false;
    }
    showProposals();
    return true;
}

void PostcodeUpdateDialog::showProposals() {
    grdProposals->setRowCount(int(proposals.size()));
    int proposed = 0;
    for (int r = 0; r < proposals.size(); ++r) {
        const PostcodeProposal& p = proposals[r];
        QTableWidgetItem* take = cell(QString());
        if (p.proposes()) {
            ++proposed;
            take->setFlags(take->flags() | Qt::ItemIsUserCheckable);
            take->setCheckState(Qt::Unchecked);
        }
        grdProposals->setItem(r, Take, take);
        grdProposals->setItem(
            r, Name, cell(p.isSender() ? p.name + QStringLiteral(" (보내는 사람)") : p.name));
        grdProposals->setItem(r, Now, cell(address(p.zipcode, p.address1, p.address2)));
        grdProposals->setItem(
            r, Proposed,
            cell(p.proposes() ? address(p.newZipcode, p.newAddress1, p.newAddress2) : QString()));
        grdProposals->setItem(r, Reason, cell(p.reason));
    }
    grdProposals->resizeColumnsToContents();
    grdProposals->setColumnWidth(Now, std::min(grdProposals->columnWidth(Now), 300));
    grdProposals->setColumnWidth(Proposed, std::min(grdProposals->columnWidth(Proposed), 300));
    grdProposals->resizeRowsToContents();
    lblSummary->setText(QStringLiteral("옛 우편번호 %1곳 가운데 새 주소를 찾은 곳 %2곳")
                            .arg(proposals.size())
                            .arg(proposed));
    cmdTakeAll->setEnabled(proposed > 0);
    cmdApply->setEnabled(proposed > 0);
}

void PostcodeUpdateDialog::cmdTakeAllClick() {
    for (int r = 0; r < grdProposals->rowCount(); ++r)
        if (proposals[r].proposes())
            grdProposals->item(r, Take)->setCheckState(Qt::Checked);
}

void PostcodeUpdateDialog::cmdApplyClick() {
    QList<PostcodeProposal> taken;
    for (int r = 0; r < grdProposals->rowCount(); ++r)
        if (grdProposals->item(r, Take)->checkState() == Qt::Checked)
            taken << proposals[r];
    if (taken.isEmpty()) {
        MessageBox::show(this, QStringLiteral("바꿀 줄을 고르십시오"),
                         MessageBox::Icon::Exclamation);
        return;
    }
    try {
        PostcodeUpdate::apply(*AddresseeBook::shared(), taken);
        emit applied();
        MessageBox::show(this,
                         QStringLiteral("%1곳의 우편번호와 주소를 바꿨습니다").arg(taken.size()),
                         MessageBox::Icon::Information);
    } catch (const StoreError& e) {
        MessageBox::show(this, e.message(), MessageBox::Icon::Stop);
    }
    // What the book holds now, nothing ticked.
    load();
}
