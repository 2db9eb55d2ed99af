// Characters, winds and dragons: the faces drawn from glyphs.
#include <QPainter>
#include <QPen>
#include <QString>

#include "Faces.h"
#include "Ink.h"

namespace tilesets {

namespace {
const QString kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
const QString kWinds[] = {"東", "南", "西", "北"};
}  // namespace

void PaintCrak(QPainter& p, int n) {
    // The numeral keeps one size for all nine, so 一 stays a stroke and 九 stays compact.
    DrawOutline(p, kNumerals[n - 1], 18, QPointF(20, 11), 1.0, ink::kNavy);
    DrawOutlineFitted(p, "萬", QRectF(4, 21, 32, 26), 0.3, ink::kRed);
}

void PaintWind(QPainter& p, int n) {
    DrawOutlineFitted(p, kWinds[n - 1], QRectF(5, 10, 31, 36), 1.2, ink::kNavy);
}

void PaintDragon(QPainter& p, int n) {
    if (n == 1) {
        DrawOutlineFitted(p, "中", QRectF(4, 4, 32, 42), 2.2, ink::kRed);
        return;
    }
    if (n == 2) {
        DrawOutlineFitted(p, "發", QRectF(3, 4, 34, 42), 1.1, ink::kGreen);
        return;
    }
    // The white dragon: an empty blue frame, drawn on whole pixels so it stays sharp, and
    // starting below the index.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::kBlue);
    const QRect outer(6, 10, 28, 35);
    p.drawRect(outer.adjusted(0, 0, 0, -outer.height() + 3));  // top
    p.drawRect(outer.adjusted(0, outer.height() - 3, 0, 0));   // bottom
    p.drawRect(outer.adjusted(0, 0, -outer.width() + 3, 0));   // left
    p.drawRect(outer.adjusted(outer.width() - 3, 0, 0, 0));    // right
    // The fine inner line, as four one-pixel bars so it scales to whole pixels too.
    const QRect inner = outer.adjusted(4, 4, -4, -4);
    p.setBrush(ink::kDarkBlue);
    p.drawRect(inner.adjusted(0, 0, 0, -inner.height() + 1));
    p.drawRect(inner.adjusted(0, inner.height() - 1, 0, 0));
    p.drawRect(inner.adjusted(0, 0, -inner.width() + 1, 0));
    p.drawRect(inner.adjusted(inner.width() - 1, 0, 0, 0));
}

}  // namespace tilesets
