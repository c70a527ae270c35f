#include "LabelTab.h"

#include "LabelSheetDialog.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"
#include "ui/MessageBox.h"
#include "ui/Twips.h"

namespace {
using LabelSheets::TwipsPerMm;

QString millimetres(double twips) {
    return QString::number(twips / TwipsPerMm, 'f', 1);
}

// "Avery L7163  99.1 × 38.1 mm, 2 × 7, A4  Mailing labels": what tells sheets
// apart first, the maker's words last (and whole in the line's tooltip).
QString describe(const LabelSheet& sheet) {
    const QList<QRectF> labels = sheet.labels();
    const QPoint last = sheet.rowColumn(int(labels.size()) - 1);
    const QString what = sheet.userDefined ? QStringLiteral("직접 만든 용지") : sheet.description;
    return QStringLiteral("%1  %2 × %3 mm, %4 × %5, %6  %7")
        .arg(sheet.name(), millimetres(sheet.width), millimetres(sheet.height))
        .arg(last.x())
        .arg(last.y())
        .arg(sheet.paper == QPageSize::Letter ? QStringLiteral("Letter") : QStringLiteral("A4"),
             what);
}
} // namespace

namespace {
using W = LabelTab;
// The controls, each in the control it stands in, in the order they are made.
const Layout::Control<W> labelTabLayout[] = {
    {&W::fraLabelSheet, "fraLabelSheet", nullptr, {240, 0, 5535, 5655}, "라벨 용지"},
    {&W::lblLabelFind, "lblLabelFind", "fraLabelSheet", {240, 420, 600, 195}, "찾기"},
    {&W::txtLabelFind, "txtLabelFind", "fraLabelSheet", {840, 360, 4455, 315}, "", 40},
    {&W::lstLabelSheets, "lstLabelSheets", "fraLabelSheet", {240, 780, 5055, 3735}},
    {&W::lblLabelSheetInfo, "lblLabelSheetInfo", "fraLabelSheet", {240, 4590, 5055, 435}},
    {&W::cmdLabelSheetAdd, "cmdLabelSheetAdd", "fraLabelSheet", {240, 5100, 1455, 420}, "새 용지"},
    {&W::cmdLabelSheetEdit,
     "cmdLabelSheetEdit",
     "fraLabelSheet",
     {1800, 5100, 1455, 420},
     "용지 수정"},
    {&W::cmdLabelSheetDelete,
     "cmdLabelSheetDelete",
     "fraLabelSheet",
     {3360, 5100, 1455, 420},
     "용지 삭제"},
    {&W::fraLabelPrint, "fraLabelPrint", nullptr, {5955, 0, 4140, 5655}, "라벨 인쇄"},
    {&W::optLabelAddressees,
     "optLabelAddressees",
     "fraLabelPrint",
     {240, 420, 3700, 255},
     "받는 사람 (출력할 Data List)"},
    {&W::lblLabelAddresseeCount, "lblLabelAddresseeCount", "fraLabelPrint", {600, 780, 3340, 195}},
    {&W::optLabelSender,
     "optLabelSender",
     "fraLabelPrint",
     {240, 1260, 3700, 255},
     "보내는 사람 (내 정보)"},
    {&W::lblLabelSenderCount,
     "lblLabelSenderCount",
     "fraLabelPrint",
     {600, 1680, 900, 195},
     "라벨 수"},
    {&W::spnLabelSenderCount, "spnLabelSenderCount", "fraLabelPrint", {1500, 1620, 975, 315}},
    {&W::cmdLabelSenderSheet,
     "cmdLabelSenderSheet",
     "fraLabelPrint",
     {2580, 1590, 975, 375},
     "한 장"},
    {&W::lblLabelStart, "lblLabelStart", "fraLabelPrint", {240, 2460, 1000, 195}, "시작 위치"},
    {&W::spnLabelStart, "spnLabelStart", "fraLabelPrint", {1260, 2400, 975, 315}},
    {&W::lblLabelStartPlace, "lblLabelStartPlace", "fraLabelPrint", {2340, 2460, 1600, 195}},
    {&W::cmdLabelPrint, "cmdLabelPrint", "fraLabelPrint", {2640, 4920, 1215, 490}, "인쇄"},
};
} // namespace

std::span<const Layout::Control<LabelTab>> LabelTab::layout() {
    return labelTabLayout;
}

LabelTab::LabelTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LabelTab"));
    Layout::build(this, layout());
    lblLabelSheetInfo->setWordWrap(true);
    for (QSpinBox* count : {spnLabelSenderCount, spnLabelStart})
        count->setRange(1, 9999);
    optLabelAddressees->setChecked(true);
    showAddresseeCount(0);

    connect(txtLabelFind, &QLineEdit::textChanged, this, &LabelTab::txtLabelFindChange);
    connect(lstLabelSheets, &QListWidget::currentRowChanged, this, &LabelTab::lstLabelSheetsClick);
    connect(cmdLabelSheetAdd, &QPushButton::clicked, this, &LabelTab::cmdLabelSheetAddClick);
    connect(cmdLabelSheetEdit, &QPushButton::clicked, this, &LabelTab::cmdLabelSheetEditClick);
    connect(cmdLabelSheetDelete, &QPushButton::clicked, this, &LabelTab::cmdLabelSheetDeleteClick);
    connect(cmdLabelSenderSheet, &QPushButton::clicked, this, &LabelTab::cmdLabelSenderSheetClick);
    connect(spnLabelStart, &QSpinBox::valueChanged, this, &LabelTab::spnLabelStartChange);
    Controls::nameAfter(lblLabelFind, {txtLabelFind});
    Controls::nameAfter(lblLabelSenderCount, {spnLabelSenderCount});
    Controls::nameAfter(lblLabelStart, {spnLabelStart});
}

void LabelTab::showEvent(QShowEvent* event) {
    if (!loaded)
        loadSheets();
    QWidget::showEvent(event);
}

void LabelTab::loadSheets(const QString& folder) {
    loaded = true;
    templateFolder = folder;
    sheets = LabelSheets::userSheets() + LabelSheets::readTemplates(folder);
    showSheets(QString());
}

void LabelTab::showSheets(const QString& chosen) {
    const QSignalBlocker quiet(lstLabelSheets);
    lstLabelSheets->clear();
    for (int i = 0; i < sheets.size(); ++i) {
        auto* item = new QListWidgetItem(describe(sheets[i]), lstLabelSheets);
        item->setToolTip(item->text());
        item->setData(Qt::UserRole, i);
        if (sheets[i].name() == chosen)
            lstLabelSheets->setCurrentItem(item);
    }
    txtLabelFindChange();
    lstLabelSheetsClick();
}

const LabelSheet* LabelTab::chosenSheet() const {
    const QListWidgetItem* item = lstLabelSheets->currentItem();
    if (!item || item->isHidden())
        return nullptr;
    return &sheets[item->data(Qt::UserRole).toInt()];
}

void LabelTab::showAddresseeCount(int count) {
    lblLabelAddresseeCount->setText(QStringLiteral("출력할 Data List: %1명").arg(count));
}

void LabelTab::txtLabelFindChange() {
    const QStringList words = txtLabelFind->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QListWidgetItem* firstShown = nullptr;
    for (int i = 0; i < lstLabelSheets->count(); ++i) {
        QListWidgetItem* item = lstLabelSheets->item(i);
        const bool matches = std::all_of(words.begin(), words.end(), [item](const QString& w) {
            return item->text().contains(w, Qt::CaseInsensitive);
        });
        item->setHidden(!matches);
        if (matches && !firstShown)
            firstShown = item;
    }
    // What the user looks for is chosen as soon as it is found.
    QListWidgetItem* current = lstLabelSheets->currentItem();
    if (!words.isEmpty() && (!current || current->isHidden()))
        lstLabelSheets->setCurrentItem(firstShown);
}

void LabelTab::lstLabelSheetsClick() {
    const LabelSheet* sheet = chosenSheet();
    cmdLabelSheetEdit->setEnabled(sheet && sheet->userDefined);
    cmdLabelSheetDelete->setEnabled(sheet && sheet->userDefined);
    if (!sheet) {
        lblLabelSheetInfo->setText(
            sheets.size() > userSheetNames().size()
                ? QStringLiteral("라벨 용지를 고르십시오.")
                : QStringLiteral("라벨 용지 목록(glabels-data)이 설치되어 있지 않습니다. "
                                 "'새 용지'로 용지를 직접 만들 수 있습니다."));
        return;
    }
    const int labels = int(sheet->labels().size());
    const LabelSheet::Grid first = sheet->grids.value(0);
    lblLabelSheetInfo->setText(QStringLiteral("한 장에 %1개, 첫 라벨: 왼쪽 %2 mm, 위쪽 %3 mm")
                                   .arg(labels)
                                   .arg(millimetres(first.left), millimetres(first.top)));
    spnLabelStart->setMaximum(labels);
    spnLabelSenderCount->setValue(labels);
    spnLabelStartChange();
}

void LabelTab::spnLabelStartChange() {
    const LabelSheet* sheet = chosenSheet();
    const QPoint place = sheet ? sheet->rowColumn(startLabel()) : QPoint(1, 1);
    lblLabelStartPlace->setText(QStringLiteral("번째 (%1행 %2열)").arg(place.y()).arg(place.x()));
}

void LabelTab::cmdLabelSenderSheetClick() {
    if (const LabelSheet* sheet = chosenSheet())
        spnLabelSenderCount->setValue(int(sheet->labels().size()) - startLabel());
}

QStringList LabelTab::userSheetNames() const {
    QStringList names;
    for (const LabelSheet& sheet : sheets) {
        if (sheet.userDefined)
            names << sheet.part;
    }
    return names;
}

void LabelTab::keepUserSheet(const LabelSheet& sheet, const QString& replacing) {
    QList<LabelSheet> mine;
    bool replaced = false;
    for (const LabelSheet& kept : LabelSheets::userSheets()) {
        const bool same = !replacing.isEmpty() && kept.part == replacing;
        if (same)
            mine << sheet;
        else
            mine << kept;
        replaced = replaced || same;
    }
    if (!replaced)
        mine << sheet;
    LabelSheets::setUserSheets(mine);
    sheets = mine + LabelSheets::readTemplates(templateFolder);
    showSheets(sheet.name());
}

void LabelTab::cmdLabelSheetAddClick() {
    // A start that fits: one label the size of a business card.
    const LabelSheet blank =
        LabelSheets::userSheet(QString(), QPageSize::A4, 1, 1, {90, 50}, {10, 10}, {90, 50}, 3);
    auto* dialog = new LabelSheetDialog(this, blank, userSheetNames());
    connect(dialog, &LabelSheetDialog::sheetSaved, this,
            [this](const LabelSheet& made) { keepUserSheet(made, QString()); });
    dialog->open();
}

void LabelTab::cmdLabelSheetEditClick() {
    const LabelSheet* sheet = chosenSheet();
    if (!sheet || !sheet->userDefined)
        return;
    const QString name = sheet->part;
    QStringList others = userSheetNames();
    others.removeAll(name);
    auto* dialog = new LabelSheetDialog(this, *sheet, others);
    connect(dialog, &LabelSheetDialog::sheetSaved, this,
            [this, name](const LabelSheet& made) { keepUserSheet(made, name); });
    dialog->open();
}

void LabelTab::cmdLabelSheetDeleteClick() {
    const LabelSheet* sheet = chosenSheet();
    if (!sheet || !sheet->userDefined)
        return;
    const QString name = sheet->part;
    if (MessageBox::show(this, QStringLiteral("라벨 용지 '%1'을(를) 삭제하시겠습니까?").arg(name),
                         MessageBox::Icon::Question,
                         MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes)
        return;
    QList<LabelSheet> mine = LabelSheets::userSheets();
    mine.removeIf([&name](const LabelSheet& kept) { return kept.part == name; });
    LabelSheets::setUserSheets(mine);
    sheets = mine + LabelSheets::readTemplates(templateFolder);
    showSheets(QString());
}
