#include "addressee/StartWindow.h"
#include "store/AppPaths.h"
#include "store/BookLock.h"
#include "ui/Fonts.h"
#include "ui/InputMethod.h"
#include "ui/MessageBox.h"
#include "ui/QtTranslation.h"
#include "ui/RunningCopy.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("No display found: orvaneit is a windowed program.\n"
                   "Start it on a desktop, or on a virtual display with: xvfb-run -a orvaneit\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // Desktops tie the windows to the menu entry orvaneit.desktop by this name.
    QApplication::setDesktopFileName(QStringLiteral("orvaneit"));
    Fonts::install();
    QtTranslation::install();
    InputMethod::install();
    // One copy per address book: a second start brings the first to the front.
    const QString book = AppPaths::addressBookPath();
    BookLock lock(book);
    if (lock.take() == BookLock::State::HeldElsewhere) {
        if (RunningCopy::bringToFront(book))
            return 0;
        MessageBox::show(nullptr,
                         QStringLiteral("%1 파일을 다른 프로그램이 쓰고 있습니다.\n"
                                        "잠시 후에 다시 시작하십시오")
                             .arg(book),
                         MessageBox::Icon::Exclamation);
        return 1;
    }
    RunningCopy::listen(book, &app);
    StartWindow start;
    start.show();
    return app.exec();
}
