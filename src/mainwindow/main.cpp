// The program: the splash picture while the main window starts, then the message loop.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageLogger>
#include <QScreen>

#include "info/TSplash.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/FileLocations.h"
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
    qInstallMessageHandler(HoldWhileOpeningTheDisplay);
    QApplication app(argc, argv);
    ReleaseHeldMessages();
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
