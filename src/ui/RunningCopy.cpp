#include "RunningCopy.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace {
// One channel per address book, named after the book's full path.
QString channel(const QString& bookPath) {
    const QString path = QFileInfo(bookPath).absoluteFilePath();
    return QStringLiteral("orvaneit-") +
           QString::fromLatin1(
               QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(20));
}

// Every window the user can see comes up; a message box or dialog waiting
// for an answer ends on top and gets the focus.
void raiseWindows() {
    QWidget* focus = QApplication::activeModalWidget();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::ToolTip ||
            window->windowType() == Qt::Popup)
            continue;
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        if (!focus)
            focus = window;
    }
    if (focus) {
        focus->raise();
        focus->activateWindow();
    }
}
} // namespace

void RunningCopy::listen(const QString& bookPath, QObject* owner) {
    auto* server = new QLocalServer(owner);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Whoever holds the book owns its channel: a socket left by a copy that
    // was killed is taken over.
    QLocalServer::removeServer(channel(bookPath));
    server->listen(channel(bookPath));
    QObject::connect(server, &QLocalServer::newConnection, server, [server] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
        }
        raiseWindows();
    });
}

bool RunningCopy::bringToFront(const QString& bookPath) {
    // The running copy may have taken the book a moment ago and not be
    // listening yet.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(channel(bookPath));
        if (socket.waitForConnected(1000)) {
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}
