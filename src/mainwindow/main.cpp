// The program: the splash picture while the main window starts, then the message loop.
#include <cstdio>

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

    quorin::TSplash* splash = new quorin::TSplash;
    splash->ShowNow();

    quorin::SystemClock clock;
    quorin::QtDialogs dialogs;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1280;
    quorin::TQuorin window(QCoreApplication::applicationDirPath(),
                           {clock, clock, dialogs, screenWidth});
    if (window.StartupFailed()) {
        delete splash;
        std::fprintf(stderr, "quorin: %s\n", window.StartupError().toLocal8Bit().constData());
        dialogs.ShowError(nullptr, window.StartupError());
        return 1;
    }
    QObject::connect(&window, &quorin::TQuorin::firstShown, splash, &QObject::deleteLater);
    window.show();
    return app.exec();
}
