// The program: the splash picture while the main window starts, then the message loop.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "info/TSplash.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/TQuorin.h"
#include "platform/SystemClock.h"

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Qt would abort with advice to reinstall; say plainly what is missing instead. A chosen
// platform (QT_QPA_PLATFORM, -platform) is trusted: offscreen needs no display.
bool DisplayAvailable(int argc, char** argv) {
    if (Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable(argc, argv)) {
        std::fputs(
            "quorin: the game needs a graphical display (X11 or Wayland); start it in a "
            "desktop session, or set DISPLAY or WAYLAND_DISPLAY to a running one.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
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
