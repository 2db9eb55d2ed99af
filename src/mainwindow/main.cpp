// The program: the splash picture while the main window starts, then the message loop.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "info/TSplash.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/TQuorin.h"
#include "platform/SystemClock.h"

int main(int argc, char** argv) {
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
