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
#include "mainwindow/FileLocations.h"
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

constexpr const char* kUsage =
    "Usage: quorin [--help] [--version] [Qt options]\n"
    "A Mah-Jongg game: tile-matching solitaire for one or two players, Rivers, Memory\n"
    "and Clicks, a layout editor and a hall of fame.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Started from a folder that is writable and holds Quorin.ini, the game keeps every\n"
    "file there. Otherwise the settings go to $XDG_CONFIG_HOME/quorin (~/.config/quorin)\n"
    "and the hall of fame, the favourites and the player's layouts to\n"
    "$XDG_DATA_HOME/quorin (~/.local/share/quorin).\n";

// Answers --help and --version, which need no display. Returns the exit status, or -1 to
// go on and start the game.
int AnswerOptions(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("quorin " QUORIN_VERSION);
            return 0;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = AnswerOptions(argc, argv); status >= 0)
        return status;
    if (!DisplayAvailable(argc, argv)) {
        std::fputs(
            "quorin: the game needs a graphical display (X11 or Wayland); start it in a "
            "desktop session, or set DISPLAY or WAYLAND_DISPLAY to a running one.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorin " QUORIN_VERSION);

    auto splash = std::make_unique<quorin::TSplash>();
    splash->ShowNow();

    quorin::SystemClock clock;
    quorin::QtDialogs dialogs;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1280;
    const quorin::FileLocations where = quorin::FileLocations::ForProgram(
        QCoreApplication::applicationDirPath(), QStringLiteral(QUORIN_INSTALLED_DATA));
    quorin::TQuorin window(where, {clock, clock, dialogs, screenWidth});
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
