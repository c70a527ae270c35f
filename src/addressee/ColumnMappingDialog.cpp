#include "ColumnMappingDialog.h"

#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {
using namespace ColumnMapping;

QComboBox* fieldChoice(int field) {
    auto* box = new QComboBox;
    box->addItem(QStringLiteral("가져오지 않음"), Ignored);
    // seq is never taken in: an addressee that comes in gets its own number.
    for (int f = AddresseeFields::Seq + 1; f < AddresseeFields::Count; ++f)
        box->addItem(AddresseeFields::caption(f), f);
    box->setCurrentIndex(std::max(0, box->findData(field)));
    return box;
}

// The column's first values that are not empty, one line.
QString sampleValues(const QList<QStringList>& samples, qsizetype column) {
    QStringList values;
    for (const QStringList& record : samples) {
        const QString value = record.value(column).simplified();
        if (!value.isEmpty())
            values << value;
    }
    return values.isEmpty() ? QStringLiteral("(빈 칸)") : values.join(QStringLiteral(" / "));
}
} // namespace

ColumnMappingDialog::ColumnMappingDialog(const QStringList& columns,
                                         const QList<QStringList>& samples, const Mapping& guessed,
                                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ColumnMappingDialog"));
    setWindowTitle(QStringLiteral("가져올 항목 고르기"));
    setFont(Fonts::gulim());
    auto* layout = new QVBoxLayout(this);
    lblExplain = new QLabel(QStringLiteral("파일의 열마다 들어갈 항목을 고르십시오. "
                                           "\"가져오지 않음\"인 열은 가져오지 않습니다."),
                            this);
    lblExplain->setObjectName(QStringLiteral("lblExplain"));
    lblExplain->setWordWrap(true);
    layout->addWidget(lblExplain);

    grdColumns = new QTableWidget(int(columns.size()), 3, this);
    grdColumns->setObjectName(QStringLiteral("grdColumns"));
    grdColumns->setHorizontalHeaderLabels(
        {QStringLiteral("파일의 열"), QStringLiteral("처음 값들"), QStringLiteral("들어갈 항목")});
    grdColumns->verticalHeader()->hide();
    grdColumns->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdColumns->setSelectionMode(QAbstractItemView::NoSelection);
    for (int c = 0; c < columns.size(); ++c) {
        grdColumns->setItem(c, 0, new QTableWidgetItem(columns[c]));
        auto* values = new QTableWidgetItem(sampleValues(samples, c));
        values->setToolTip(values->text());
        grdColumns->setItem(c, 1, values);
        QComboBox* box = fieldChoice(guessed.value(c, Ignored));
        box->setObjectName(QStringLiteral("cboField%1").arg(c));
        box->setAccessibleName(columns[c]);
        cboFields << box;
        grdColumns->setCellWidget(c, 2, box);
    }
    grdColumns->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdColumns->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdColumns->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(grdColumns);

    layout->addLayout(Controls::buttonRow(
        this, {{&cmdMappingOk, "cmdMappingOk", QStringLiteral("다음(&N)")},
               {&cmdMappingCancel, "cmdMappingCancel", QStringLiteral("취소")}}));
    cmdMappingOk->setDefault(true);
    connect(cmdMappingOk, &QPushButton::clicked, this, [this] {
        if (fieldChosenTwice() != Ignored)
            return;
        accept();
        emit chosen(mapping());
    });
    connect(cmdMappingCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, 480);
}

Mapping ColumnMappingDialog::mapping() const {
    Mapping chosen;
    for (const QComboBox* box : cboFields)
        chosen << box->currentData().toInt();
    return chosen;
}

int ColumnMappingDialog::fieldChosenTwice() {
    const Mapping chosen = mapping();
    for (qsizetype c = 0; c < chosen.size(); ++c) {
        if (chosen[c] != Ignored && chosen.indexOf(chosen[c]) != c) {
            MessageBox::show(this,
                             QStringLiteral("\"%1\" 항목을 두 열에 골랐습니다.\n"
                                            "한 항목에는 한 열만 고르십시오.")
                                 .arg(AddresseeFields::caption(chosen[c])),
                             MessageBox::Icon::Exclamation);
            return chosen[c];
        }
    }
    return Ignored;
}
