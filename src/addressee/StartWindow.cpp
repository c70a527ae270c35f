#include "StartWindow.h"

#include "AddresseeWindow.h"
#include "store/AppPaths.h"
#include "ui/Controls.h"
#include "ui/Twips.h"

StartWindow::StartWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StartWindow"));
    setWindowTitle(QStringLiteral("orvane-it"));
    Twips::setClientSize(this, 12045, 8775);

    // The picture is shown at its natural size, not stretched.
    Image1 = Controls::label(this, "Image1", QString(), 600, 360, 10800, 6600);
    QPixmap picture(AppPaths::titlePicturePath());
    if (picture.isNull())
        picture.load(QStringLiteral(":/title.jpg"));
    Image1->setPixmap(picture);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdStartOrvaneit =
        Controls::button(this, "cmdStartOrvaneit", QStringLiteral("시작"), 10200, 7200, 1215, 490);
    // Enter on the focused button presses it, as Space does.
    cmdStartOrvaneit->setAutoDefault(true);
    connect(cmdStartOrvaneit, &QPushButton::clicked, this, &StartWindow::cmdStartOrvaneitClick);
    Controls::centre(this);
}

void StartWindow::cmdStartOrvaneitClick() {
    if (cmdStartOrvaneit->text() == QStringLiteral("시작")) {
        hide();
        cmdStartOrvaneit->setText(QStringLiteral("종료"));
        AddresseeWindow* window = AddresseeWindow::open();
        if (window)
            connect(window, &AddresseeWindow::closed, this, &QWidget::show);
        else
            show();
        return;
    }
    if (AddresseeWindow* window = AddresseeWindow::instance())
        window->close();
    close();
}
