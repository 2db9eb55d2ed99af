// The Help menu, the "?" and "About" buttons: the help window and the about box.
#include <cstdio>

#include <QPushButton>
#include <QToolButton>

#include "info/AboutLinks.h"
#include "info/TAboutBox.h"
#include "info/THelpForm.h"
#include "mainwindow/TQuorin.h"
#include "mainwindow/WelcomePanel.h"

namespace quorin {

void TQuorin::ConnectHelpCommands() {
    const std::pair<const char*, void (TQuorin::*)()> entries[] = {
        {"Contents1", &TQuorin::HelpClick},
        {"WhatsNew1", &TQuorin::WhatsNew1Click},
        {"French1", &TQuorin::French1Click},
        {"ViewTiles1", &TQuorin::ViewTiles1Click},
        {"About1", &TQuorin::About1Click}};
    for (const auto& [name, handler] : entries) {
        connect(Action(name), &QAction::triggered, this, [this, h = handler] { (this->*h)(); });
    }
    for (QToolButton* button : toolButtons_) {
        if (button->objectName() == "HelpButton")
            connect(button, &QToolButton::clicked, this, &TQuorin::HelpClick);
        else if (button->objectName() == "AboutButton")
            connect(button, &QToolButton::clicked, this, &TQuorin::About1Click);
    }
    connect(welcome_->Help, &QPushButton::clicked, this, &TQuorin::HelpClick);
    connect(welcome_->About, &QPushButton::clicked, this, &TQuorin::About1Click);
}

void TQuorin::HelpClick() {
    CallHelp(THelpForm::kHelpPage);
}

void TQuorin::WhatsNew1Click() {
    CallHelp(THelpForm::kWhatsNewPage);
}

void TQuorin::French1Click() {
    CallHelp(THelpForm::kFrenchPage);
}

void TQuorin::ViewTiles1Click() {
    CallHelp(THelpForm::kTilesPage);
}

THelpForm& TQuorin::HelpWindow() {
    // Built on first use rather than at start-up: the documents and the backdrop would
    // otherwise delay the first showing of the window for a page few players open.
    if (!help_)
        help_ = new THelpForm(where_.DataFolder(), tileset_, this);
    return *help_;
}

bool TQuorin::PauseForWindow() {
    // Only a game in progress is paused, and only that one is resumed afterwards: a game the
    // player had paused stays paused, and the welcome panel is never turned into a pause.
    if (!Action("GoCheckPause")->isChecked() || !IsGameInProgress(State().GameMode))
        return false;
    PauseClick();
    return State().GameMode == ModePaused;
}

void TQuorin::ResumeAfterWindow(bool paused) {
    if (paused && State().GameMode == ModePaused)
        PauseClick();
}

void TQuorin::CallHelp(int page) {
    const bool paused = PauseForWindow();
    THelpForm& help = HelpWindow();
    help.ShowPage(page);
    dialogs_.RunModal(&help);
    help.hide();
    ResumeAfterWindow(paused);
    ShowPanelHOF();  // the side panel may have been covered
}

void TQuorin::About1Click() {
    const bool paused = PauseForWindow();
    const AboutLinks links = ReadAboutLinks(where_.DataFile("Links.ini").toStdString());
    if (!links.problem.empty())
        std::fprintf(stderr, "Quorin: %s.\n", links.problem.c_str());
    // The portrait is the red dragon of the current tileset.
    const QPoint slot = Tileset::SpriteSlot(36);
    const QImage portrait = tileset_.TileSprites().copy(slot.x(), slot.y(), Tileset::kSpriteWidth,
                                                        Tileset::kSpriteHeight);
    TAboutBox box(
        links, HelpWindow().HelpPicture(), portrait,
        [this](const QString& target) { dialogs_.OpenLink(target); }, this);
    dialogs_.RunModal(&box);
    ResumeAfterWindow(paused);
}

}  // namespace quorin
