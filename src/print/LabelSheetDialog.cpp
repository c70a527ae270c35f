#include "LabelSheetDialog.h"

#include "ui/Fonts.h"
#include "ui/MessageBox.h"

#include <QFormLayout>
#include <QHBoxLayout>

namespace {
using LabelSheets::TwipsPerMm;

QDoubleSpinBox* millimetres(const char* name, double twips) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, 400);
    box->setDecimals(2);
    box->setSingleStep(0.1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(twips / TwipsPerMm);
    return box;
}

QSpinBox* count(const char* name, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, 50);
    box->setValue(value);
    return box;
}
} // namespace

LabelSheetDialog::LabelSheetDialog(QWidget* parent, const LabelSheet& shown, QStringList taken)
    : QDialog(parent), taken(std::move(taken)) {
    setObjectName(QStringLiteral("LabelSheetDialog"));
    setWindowTitle(QStringLiteral("라벨 용지"));
    setFont(Fonts::gulim());
    setAttribute(Qt::WA_DeleteOnClose);
    const LabelSheet::Grid grid =
        shown.grids.value(0, LabelSheet::Grid{1, 1, 0, 0, shown.width, shown.height});
    txtSheetName = new QLineEdit(shown.part);
    txtSheetName->setObjectName(QStringLiteral("txtSheetName"));
    txtSheetName->setMaxLength(40);
    cboSheetPaper = new QComboBox;
    cboSheetPaper->setObjectName(QStringLiteral("cboSheetPaper"));
    cboSheetPaper->addItem(QStringLiteral("A4 (210 × 297 mm)"), int(QPageSize::A4));
    cboSheetPaper->addItem(QStringLiteral("Letter (215.9 × 279.4 mm)"), int(QPageSize::Letter));
    cboSheetPaper->setCurrentIndex(shown.paper == QPageSize::Letter ? 1 : 0);
    spnSheetColumns = count("spnSheetColumns", grid.columns);
    spnSheetRows = count("spnSheetRows", grid.rows);
    spnSheetWidth = millimetres("spnSheetWidth", shown.width);
    spnSheetHeight = millimetres("spnSheetHeight", shown.height);
    spnSheetTop = millimetres("spnSheetTop", grid.top);
    spnSheetLeft = millimetres("spnSheetLeft", grid.left);
    spnSheetAcross = millimetres("spnSheetAcross", grid.across);
    spnSheetDown = millimetres("spnSheetDown", grid.down);
    spnSheetMargin = millimetres("spnSheetMargin", shown.margin);
    cmdSheetSave = new QPushButton(QStringLiteral("저장"));
    cmdSheetSave->setObjectName(QStringLiteral("cmdSheetSave"));
    cmdSheetCancel = new QPushButton(QStringLiteral("취소"));
    cmdSheetCancel->setObjectName(QStringLiteral("cmdSheetCancel"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("이름"), txtSheetName);
    form->addRow(QStringLiteral("용지"), cboSheetPaper);
    form->addRow(QStringLiteral("열 (가로 개수)"), spnSheetColumns);
    form->addRow(QStringLiteral("행 (세로 개수)"), spnSheetRows);
    form->addRow(QStringLiteral("라벨 너비"), spnSheetWidth);
    form->addRow(QStringLiteral("라벨 높이"), spnSheetHeight);
    form->addRow(QStringLiteral("위쪽 여백"), spnSheetTop);
    form->addRow(QStringLiteral("왼쪽 여백"), spnSheetLeft);
    form->addRow(QStringLiteral("가로 간격 (라벨 왼쪽 끝에서 다음 라벨 왼쪽 끝까지)"),
                 spnSheetAcross);
    form->addRow(QStringLiteral("세로 간격 (라벨 위쪽 끝에서 다음 라벨 위쪽 끝까지)"),
                 spnSheetDown);
    form->addRow(QStringLiteral("라벨 안쪽 여백"), spnSheetMargin);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSheetSave);
    buttons->addWidget(cmdSheetCancel);
    form->addRow(buttons);
    connect(cmdSheetSave, &QPushButton::clicked, this, &LabelSheetDialog::cmdSheetSaveClick);
    connect(cmdSheetCancel, &QPushButton::clicked, this, &QDialog::reject);
}

LabelSheet LabelSheetDialog::sheet() const {
    return LabelSheets::userSheet(
        txtSheetName->text().trimmed(), QPageSize::PageSizeId(cboSheetPaper->currentData().toInt()),
        spnSheetColumns->value(), spnSheetRows->value(),
        QSizeF(spnSheetWidth->value(), spnSheetHeight->value()),
        QPointF(spnSheetLeft->value(), spnSheetTop->value()),
        QSizeF(spnSheetAcross->value(), spnSheetDown->value()), spnSheetMargin->value());
}

void LabelSheetDialog::cmdSheetSaveClick() {
    const LabelSheet made = sheet();
    QString wrong;
    if (made.part.isEmpty())
        wrong = QStringLiteral("용지 이름을 입력하십시오.");
    else if (taken.contains(made.part, Qt::CaseInsensitive))
        wrong = QStringLiteral("같은 이름의 용지가 이미 있습니다.");
    else if (made.width <= 2 * made.margin || made.height <= 2 * made.margin)
        wrong = QStringLiteral("라벨의 너비와 높이는 안쪽 여백의 두 배보다 커야 합니다.");
    else if ((made.grids[0].columns > 1 && made.grids[0].across < made.width) ||
             (made.grids[0].rows > 1 && made.grids[0].down < made.height))
        wrong = QStringLiteral("라벨 간격이 라벨 크기보다 작아 라벨이 겹칩니다.");
    else if (!made.fitsPaper())
        wrong = QStringLiteral("라벨이 용지 밖으로 나갑니다. 여백, 크기, 간격을 확인하십시오.");
    if (!wrong.isEmpty()) {
        MessageBox::show(this, wrong, MessageBox::Icon::Exclamation);
        return;
    }
    emit sheetSaved(made);
    accept();
}
