#include "RunningCopy.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>
#include <QWidget>
#include <xcb/xcb.h>

namespace {
// One channel per address book, named after the book's full path.
QString channel(const QString& bookPath) {
    const QString path = QFileInfo(bookPath).absoluteFilePath();
    return QStringLiteral("orvaneit-") +
           QString::fromLatin1(
               QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(20));
}

// What the desktop gave the second start to come forward with: the startup
// notification id on X11 (it ends in "_TIME" and the time of the click that
// started it), the activation token on Wayland.
const char* const activationVariables[] = {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"};

// Asks the X11 window manager to activate the window as of the time the
// second start was asked for. A manager that keeps windows from stealing
// the focus lets through a request newer than the user's last action.
bool activateOnX11(QWidget* window, const QByteArray& startupId) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    static const QRegularExpression time(QStringLiteral("_TIME(\\d+)$"));
    const auto match = time.match(QString::fromUtf8(startupId));
    if (!x11 || !match.hasMatch())
        return false;
    xcb_connection_t* connection = x11->connection();
    const QByteArray name("_NET_ACTIVE_WINDOW");
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, false, name.size(), name.constData()), nullptr);
    if (!atom)
        return false;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = atom->atom;
    event.data.data32[0] = 1; // from an application
    event.data.data32[1] = match.captured(1).toUInt();
    free(atom);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_send_event(connection, false, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection);
    return true;
}

// Every window the user can see comes up; a message box or dialog waiting
// for an answer ends on top and gets the focus, with the second start's
// activation data when it brought any.
void raiseWindows(const QList<QByteArray>& activation) {
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
    if (!focus)
        return;
    focus->raise();
    // Wayland's compositor takes the token from the environment when the
    // window asks to be activated.
    if (!activation.value(1).isEmpty())
        qputenv(activationVariables[1], activation.value(1));
    if (!activateOnX11(focus, activation.value(0)))
        focus->activateWindow();
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
            // The second start writes its activation data, one line each,
            // and hangs up.
            QObject::connect(socket, &QLocalSocket::disconnected, socket, [socket] {
                raiseWindows(socket->readAll().split('\n'));
                socket->deleteLater();
            });
        }
    });
}

bool RunningCopy::bringToFront(const QString& bookPath) {
    QByteArray activation;
    for (const char* variable : activationVariables)
        activation += qgetenv(variable) + '\n';
    // The running copy may have taken the book a moment ago and not be
    // listening yet.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(channel(bookPath));
        if (socket.waitForConnected(1000)) {
            socket.write(activation);
            socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}
