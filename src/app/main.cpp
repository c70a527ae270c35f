#include "addressee/frmOrvaneitMain.h"
#include "ui/Fonts.h"

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
    Fonts::install();
    frmOrvaneitMain start;
    start.show();
    return app.exec();
}
