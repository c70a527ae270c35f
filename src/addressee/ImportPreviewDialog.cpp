#include "ImportPreviewDialog.h"

#include "ui/Controls.h"
#include "ui/Fonts.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
using AddresseeFields::caption;

// One line per addressee: name, company and department, as the duplicate
// warning lists them.
QString describe(const QStringList& row) {
    return row[AddresseeFields::Name] + QStringLiteral("  ") + row[AddresseeFields::Company] +
           QStringLiteral("  ") + row[AddresseeFields::Department];
}

QListWidget* list(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setFont(Fonts::gulim());
    // Long lines wrap: nothing to scroll sideways for.
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setResizeMode(QListView::Adjust);
    return list;
}
} // namespace

ImportPreviewDialog::ImportPreviewDialog(const QString& fileName,
                                         const AddresseeExchange::Preview& preview, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportPreviewDialog"));
    setWindowTitle(QStringLiteral("가져오기"));
    setFont(Fonts::gulim());
    auto* layout = new QVBoxLayout(this);

    lblSummary = new QLabel(QStringLiteral("%1 (%2): %3명을 가져옵니다.\n"
                                           "이미 있는 사람과 같은 이름·직장·부서: %4명")
                                .arg(fileName, preview.format)
                                .arg(preview.rows.size())
                                .arg(preview.lookAlikes.size()),
                            this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    layout->addWidget(lblSummary);
    lstLookAlikes = list(this, "lstLookAlikes");
    for (const int r : preview.lookAlikes)
        lstLookAlikes->addItem(
            QStringLiteral("%1번째: %2").arg(r + 1).arg(describe(preview.rows[r])));
    layout->addWidget(lstLookAlikes);

    layout->addWidget(
        new QLabel(QStringLiteral("칸보다 길어 잘리는 항목: %1개").arg(preview.cuts.size()), this));
    lstCuts = list(this, "lstCuts");
    for (const AddresseeExchange::Cut& cut : preview.cuts)
        lstCuts->addItem(QStringLiteral("%1번째 %2의 %3: %4자 중 %5자만 들어갑니다")
                             .arg(cut.row + 1)
                             .arg(describe(preview.rows[cut.row]).trimmed(), caption(cut.field))
                             .arg(cut.length)
                             .arg(AddresseeFields::fields[cut.field].width));
    layout->addWidget(lstCuts);

    lblIgnored =
        new QLabel(preview.ignored.isEmpty() ? QStringLiteral("가져오지 않는 열: 없음")
                                             : QStringLiteral("가져오지 않는 열: %1")
                                                   .arg(preview.ignored.join(QStringLiteral(", "))),
                   this);
    lblIgnored->setObjectName(QStringLiteral("lblIgnored"));
    lblIgnored->setWordWrap(true);
    layout->addWidget(lblIgnored);

    layout->addLayout(Controls::buttonRow(
        this, {{&cmdAddAll, "cmdAddAll", QStringLiteral("모두 추가(&A)")},
               {&cmdSkipLookAlikes, "cmdSkipLookAlikes", QStringLiteral("같은 사람 빼고 추가(&S)")},
               {&cmdCancel, "cmdCancel", QStringLiteral("취소")}}));
    cmdSkipLookAlikes->setEnabled(!preview.lookAlikes.isEmpty());
    cmdAddAll->setEnabled(!preview.rows.isEmpty());
    (preview.rows.isEmpty() ? cmdCancel : cmdAddAll)->setDefault(true);

    connect(cmdAddAll, &QPushButton::clicked, this, [this] {
        accept();
        emit chosen(Choice::AddAll);
    });
    connect(cmdSkipLookAlikes, &QPushButton::clicked, this, [this] {
        accept();
        emit chosen(Choice::SkipLookAlikes);
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 420);
}
