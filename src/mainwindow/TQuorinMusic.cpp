// The Music menu, the "Music" button and the three sound effects.
#include <cstdio>
#include <functional>
#include <random>

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include "audio/SoundDevice.h"
#include "mainwindow/BoardSurface.h"
#include "mainwindow/Dialogs.h"
#include "mainwindow/TQuorin.h"

namespace quorin {

namespace {

// Calls `then` once, from the event loop, right after the watched widget first painted.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* watched, std::function<void()> then)
        : QObject(watched), then_(std::move(then)) {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, then_);
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

}  // namespace

void TQuorin::SetUpMusic() {
    // The SoundFont starts loading now, on its own thread, while the window is built.
    media_ = std::make_unique<SoundDevice>(qEnvironmentVariable("QUORIN_SOUNDFONT").toStdString());
    for (const char* name : {"select", "noway", "done"}) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        media_->AddWave(name, bytes.constData(), static_cast<size_t>(bytes.size()));
    }

    const QList<QAction*> items = musicMenu_->actions();
    items[musicIndex_ + 1]->setChecked(true);
    for (int i = 2; i < items.size(); ++i)
        connect(items[i], &QAction::triggered, this,
                [this, item = items[i]] { LoadMidiClick(item); });
    connect(Action("PlayMusic"), &QAction::triggered, this, [this] { PlayMusicClick(); });
    connect(Action("RandomMusic"), &QAction::triggered, this, [this] { RandomMusicClick(); });
    for (QToolButton* button : toolButtons_)
        if (button->objectName() == "SetMusic")
            connect(button, &QToolButton::clicked, this, [this] { SetMusicClick(); });
}

void TQuorin::StartSoundAfterFirstPaint() {
    // Opening the sound card and waiting for the SoundFont take tens of milliseconds that
    // the first showing of the window does not need: they run once it is on screen.
    new AfterFirstPaint(surface_, [this] { StartSound(); });
}

void TQuorin::StartSound() {
    soundPending_ = false;
    // No sound card is no reason to stop: one line, and the game plays silently.
    if (const std::string error = media_->OpenOutput(); !error.empty())
        std::fprintf(stderr, "Quorin: no sound output (%s); playing silently.\n", error.c_str());
    if (Action("PlayMusic")->isChecked())
        CallMusic();
}

void TQuorin::PlayWave(const char* name) {
    if (media_ && Action("PlaySounds")->isChecked())
        media_->PlayWave(name);
}

void TQuorin::SonOK(int tile) {
    PlayWave("select");
    if (tile > 0)
        RedrawTile(tile);
}

void TQuorin::ReportMusicProblem(const std::string& text) {
    // Said once: the clock tick would otherwise repeat it twenty times a second.
    if (text == lastMusicProblem_)
        return;
    lastMusicProblem_ = text;
    ShowStatus(text);
}

static void EnableMusicButton(const std::vector<QToolButton*>& buttons, bool on) {
    for (QToolButton* button : buttons)
        if (button->objectName() == "SetMusic")
            button->setEnabled(on);
}

void TQuorin::CallMusic() {
    mediaOpen_ = true;
    EnableMusicButton(toolButtons_, true);
    musicMenu_->actions()[musicIndex_ + 1]->trigger();
    if (!Action("StartMusic")->isChecked() && media_->Playing())
        media_->Pause();
}

void TQuorin::LoadMidiClick(QAction* item) {
    const QList<QAction*> items = musicMenu_->actions();
    musicIndex_ = static_cast<int>(items.indexOf(item)) - 1;
    for (int i = 2; i < items.size(); ++i)
        items[i]->setChecked(items[i] == item);
    SelectedMusic(where_.MusicFile(item->text()).toStdString());
}

void TQuorin::SelectedMusic(const std::string& path) {
    if (!Action("PlayMusic")->isChecked())
        return;
    std::string why;
    if (!media_->MusicAvailable(&why)) {
        ReportMusicProblem("No music: " + why + ".");
        return;
    }
    // A vanished or damaged piece is skipped; whatever played goes on.
    const QString name = QString::fromStdString(path).section('/', -1);
    if (!media_->Open(path, &why)) {
        ReportMusicProblem("The music " + name.toStdString() + " cannot be played: " + why + ".");
        return;
    }
    media_->Play();
}

void TQuorin::ChooseRandomPiece() {
    static std::mt19937 pick{std::random_device{}()};
    const int count = static_cast<int>(musicNames_.size());
    const int r = std::uniform_int_distribution<int>(0, count - 1)(pick);
    musicMenu_->actions()[r + 2]->trigger();
}

void TQuorin::MediaNotify() {
    if (!media_ || !media_->TakeEnded())
        return;
    if (Action("RandomMusic")->isChecked()) {
        ChooseRandomPiece();
    } else {
        media_->Previous();
        media_->Play();
    }
}

void TQuorin::PlayMusicClick() {
    const bool on = Action("PlayMusic")->isChecked();
    EnableMusicButton(toolButtons_, on);
    if (on) {
        Action("PlayMusic")->setData(3);
        mediaOpen_ = true;
        musicMenu_->actions()[musicIndex_ + 1]->trigger();
    } else {
        Action("PlayMusic")->setData(13);
        media_->Stop();
    }
}

void TQuorin::RandomMusicClick() {
    if (Action("RandomMusic")->isChecked())
        ChooseRandomPiece();
}

void TQuorin::SetMusicClick() {
    media_->Pause();
}

}  // namespace quorin
