// The program: the splash picture while the main window starts, then the message loop.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageLogger>
#include <QScreen>

#include "info/TSplash.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/TQuorin.h"
#include "platform/SystemClock.h"

namespace {

// Messages Qt gives while it opens the display, held back until we know whether it could:
// when it cannot, they are a screenful ending in advice to reinstall and an abort, where one
// line says plainly what is missing.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

void HoldWhileOpeningTheDisplay(QtMsgType type, const QMessageLogContext& context,
                                const QString& text) {
    if (type == QtFatalMsg) {
        // Qt gives up on every platform it tried; nothing of ours is set up yet to tidy.
        std::fputs(
            "quorin: the game needs a graphical display (X11 or Wayland) and could not open "
            "one; start it in a desktop session, or set DISPLAY or WAYLAND_DISPLAY to a "
            "running one.\n",
            stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.category ? context.category : "", text});
}

// The display is open: what Qt said on the way goes out as it would have.
void ReleaseHeldMessages() {
    qInstallMessageHandler(nullptr);
    for (const HeldMessage& m : heldMessages) {
        const QMessageLogger log(nullptr, 0, nullptr, m.category.constData());
        const QByteArray text = m.text.toLocal8Bit();
        if (m.type == QtDebugMsg)
            log.debug("%s", text.constData());
        else if (m.type == QtInfoMsg)
            log.info("%s", text.constData());
        else if (m.type == QtWarningMsg)
            log.warning("%s", text.constData());
        else
            log.critical("%s", text.constData());
    }
    heldMessages.clear();
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(HoldWhileOpeningTheDisplay);
    QApplication app(argc, argv);
    ReleaseHeldMessages();
    QApplication::setApplicationName("Quorin 6.28");

    auto splash = std::make_unique<quorin::TSplash>();
    splash->ShowNow();

    quorin::SystemClock clock;
    quorin::QtDialogs dialogs;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1280;
    quorin::TQuorin window(QCoreApplication::applicationDirPath(),
                           {clock, clock, dialogs, screenWidth});
    if (window.StartupFailed()) {
        splash.reset();
        const QString message = window.StartupError();
        std::fprintf(stderr, "quorin: %s\n", message.toLocal8Bit().constData());
        dialogs.ShowError(nullptr, message);
        return 1;
    }
    // The splash lasts until the main window is first on screen.
    QObject::connect(&window, &quorin::TQuorin::firstShown, &window, [&splash] { splash.reset(); });
    window.show();
    return app.exec();
}
