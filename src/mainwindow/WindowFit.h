// Windows sized from their texts: the fonts a machine has decide how wide a text is, so a
// window drawn for one set of fonts may cut its texts on another.
#pragma once

#include <QSize>

class QWidget;

namespace quorin {

// Gives `window` the size its layout asks for the texts it holds now, never less than
// `least` (the size it was drawn for), fixes it there and centres it on the screen.
void FitToText(QWidget* window, QSize least);

// Centres `window` at its present size on the screen's free area.
void CentreOnScreen(QWidget* window);

}  // namespace quorin
