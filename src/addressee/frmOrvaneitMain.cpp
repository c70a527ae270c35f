#include "frmOrvaneitMain.h"

#include "frmOrvane.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

frmOrvaneitMain::frmOrvaneitMain(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmOrvaneitMain"));
    setWindowTitle(QStringLiteral("orvane-it"));
    Twips::setClientSize(this, 12045, 8775);

    // The picture is shown at its natural size, not stretched.
    Image1 = Controls::label(this, "Image1", QString(), 600, 360, 10800, 6600);
    Image1->setPixmap(QPixmap(QStringLiteral(":/title.jpg")));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdStartOrvaneit =
        Controls::button(this, "cmdStartOrvaneit", QStringLiteral("시작"), 10200, 7200, 1215, 490);
    connect(cmdStartOrvaneit, &QPushButton::clicked, this,
            &frmOrvaneitMain::cmdStartOrvaneit_Click);
    Controls::centre(this);
}

void frmOrvaneitMain::cmdStartOrvaneit_Click() {
    if (cmdStartOrvaneit->text() == QStringLiteral("시작")) {
        hide();
        cmdStartOrvaneit->setText(QStringLiteral("종료"));
        frmOrvane* window = frmOrvane::open();
        if (window)
            connect(window, &frmOrvane::closed, this, &QWidget::show);
        else
            show();
        return;
    }
    if (frmOrvane* window = frmOrvane::instance())
        window->close();
    close();
}
