#include "AccessTableDialog.h"

#include "ui/Controls.h"
#include "ui/Fonts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {
// Rows enough to see whether names and addresses read right.
constexpr int sampleRows = 5;
} // namespace

AccessTableDialog::AccessTableDialog(const QString& fileName, const AccessFile::Contents& read,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AccessTableDialog"));
    setWindowTitle(QStringLiteral("Access 주소록 가져오기"));
    setFont(Fonts::gulim());
    auto* layout = new QVBoxLayout(this);
    auto* explain = new QLabel(
        QStringLiteral("%1 (%2)\n주소가 든 표를 고르십시오.").arg(fileName, read.generation), this);
    explain->setObjectName(QStringLiteral("lblTableExplain"));
    layout->addWidget(explain);
    lstTables = new QListWidget(this);
    lstTables->setObjectName(QStringLiteral("lstTables"));
    lstTables->setMaximumHeight(110);
    layout->addWidget(lstTables);
    grdSample = new QTableWidget(this);
    grdSample->setObjectName(QStringLiteral("grdSample"));
    grdSample->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSample->verticalHeader()->hide();
    layout->addWidget(grdSample);

    auto* codePage = new QHBoxLayout;
    lblCodePage =
        new QLabel(QStringLiteral("글자가 깨져 보이면 문자 코드를 바꾸십시오(&C):"), this);
    lblCodePage->setObjectName(QStringLiteral("lblCodePage"));
    cboCodePage = new QComboBox(this);
    cboCodePage->setObjectName(QStringLiteral("cboCodePage"));
    cboCodePage->addItems(AccessFile::codePages());
    lblCodePage->setBuddy(cboCodePage);
    codePage->addWidget(lblCodePage);
    codePage->addWidget(cboCodePage);
    codePage->addStretch();
    layout->addLayout(codePage);
    // Only Access 97 files keep text in a code page.
    lblCodePage->setVisible(!read.codePage.isEmpty());
    cboCodePage->setVisible(!read.codePage.isEmpty());

    layout->addLayout(
        Controls::buttonRow(this, {{&cmdTableOk, "cmdTableOk", QStringLiteral("다음(&N)")},
                                   {&cmdTableCancel, "cmdTableCancel", QStringLiteral("취소")}}));
    cmdTableOk->setDefault(true);

    connect(lstTables, &QListWidget::currentRowChanged, this, &AccessTableDialog::showSample);
    connect(cboCodePage, &QComboBox::textActivated, this, &AccessTableDialog::codePageChosen);
    connect(cmdTableOk, &QPushButton::clicked, this, [this] {
        const int row = lstTables->currentRow();
        if (row < 0)
            return;
        accept();
        emit tableChosen(contents.foreign(contents.tables[row]));
    });
    connect(cmdTableCancel, &QPushButton::clicked, this, &QDialog::reject);
    setContents(read);
    resize(640, 440);
}

void AccessTableDialog::setContents(const AccessFile::Contents& read) {
    const int chosen = qMax(0, lstTables->currentRow());
    contents = read;
    cboCodePage->setCurrentText(read.codePage);
    const QSignalBlocker quiet(lstTables);
    lstTables->clear();
    for (const AccessFile::Table& table : contents.tables)
        lstTables->addItem(QStringLiteral("%1  (%2행)").arg(table.name).arg(table.records.size()));
    lstTables->setCurrentRow(qMin(chosen, int(contents.tables.size()) - 1));
    showSample();
}

void AccessTableDialog::showSample() {
    const int row = lstTables->currentRow();
    cmdTableOk->setEnabled(row >= 0);
    grdSample->clear();
    if (row < 0)
        return;
    const AccessFile::Table& table = contents.tables[row];
    grdSample->setColumnCount(int(table.columns.size()));
    grdSample->setHorizontalHeaderLabels(table.columns);
    const int rows = int(qMin(table.records.size(), qsizetype(sampleRows)));
    grdSample->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < table.columns.size(); ++c)
            grdSample->setItem(r, c, new QTableWidgetItem(table.records[r].value(c)));
    grdSample->resizeColumnsToContents();
}
