#include "frmOrvane.h"

void frmOrvane::DataDoubleCheck() {}

bool frmOrvane::previewInput(QObject*, QEvent*) {
    return false;
}
