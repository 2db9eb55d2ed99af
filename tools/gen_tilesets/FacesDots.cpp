// Dots: coins in the traditional arrangements.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <vector>

#include "Faces.h"
#include "Ink.h"

namespace tilesets {

namespace {

struct Coin {
    double x, y, r;
    QColor colour;
};

void ClearDisc(QPainter& p, QPointF c, double r) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::black);
    p.drawEllipse(c, r, r);
    p.restore();
}

void FillDisc(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
}

// A coin: a coloured ring around a coloured centre; larger coins get an ivory flower cut
// into the centre, as on painted tiles.
void DrawCoin(QPainter& p, const Coin& coin) {
    const QPointF c(coin.x, coin.y);
    const double r = coin.r;
    p.setPen(Qt::NoPen);
    FillDisc(p, c, r, coin.colour.darker(135));
    FillDisc(p, c, r - 0.9, coin.colour);
    ClearDisc(p, c, r * 0.70);
    FillDisc(p, c, r * 0.50, coin.colour);
    if (r >= 6.5) {
        ClearDisc(p, c, r * 0.17);
    } else {
        ClearDisc(p, c, 0.85);
    }
}

// The one of dots: a large ornamental medallion.
void DrawGreatCoin(QPainter& p) {
    const QPointF c(20, 25);
    p.setPen(Qt::NoPen);
    FillDisc(p, c, 17, ink::kDarkGreen);
    FillDisc(p, c, 16, ink::kGreen);
    ClearDisc(p, c, 14.5);
    // A ring of blue beads.
    for (int i = 0; i < 16; ++i) {
        const double a = i * 2 * std::numbers::pi / 16;
        FillDisc(p, c + QPointF(std::cos(a), std::sin(a)) * 12.2, 1.7, ink::kBlue);
    }
    FillDisc(p, c, 9.6, ink::kDarkRed);
    FillDisc(p, c, 9.0, ink::kRed);
    // An eight-petal flower cut into the red heart.
    for (int i = 0; i < 8; ++i) {
        const double a = i * 2 * std::numbers::pi / 8 + std::numbers::pi / 8;
        ClearDisc(p, c + QPointF(std::cos(a), std::sin(a)) * 5.4, 1.8);
    }
    ClearDisc(p, c, 2.6);
    FillDisc(p, c, 1.3, ink::kGold);
}

}  // namespace

void PaintDots(QPainter& p, int n) {
    using namespace ink;
    std::vector<Coin> coins;
    switch (n) {
        case 1:
            DrawGreatCoin(p);
            return;
        case 2:
            coins = {{20, 14, 9.5, kBlue}, {20, 36, 9.5, kGreen}};
            break;
        case 3:
            coins = {{10, 11, 7.5, kBlue}, {20, 25, 7.5, kRed}, {30, 39, 7.5, kGreen}};
            break;
        case 4:
            coins = {
                {11, 13, 8, kBlue}, {29, 13, 8, kGreen}, {11, 37, 8, kGreen}, {29, 37, 8, kBlue}};
            break;
        case 5:
            coins = {{10.5, 11.5, 7.2, kBlue},
                     {29.5, 11.5, 7.2, kGreen},
                     {20, 25, 7.2, kRed},
                     {10.5, 38.5, 7.2, kGreen},
                     {29.5, 38.5, 7.2, kBlue}};
            break;
        case 6:
            coins = {{12, 9.5, 6.8, kGreen}, {28, 9.5, 6.8, kGreen}, {12, 25.5, 6.8, kRed},
                     {28, 25.5, 6.8, kRed},  {12, 40, 6.8, kRed},    {28, 40, 6.8, kRed}};
            break;
        case 7:
            coins = {{9, 7.5, 5.3, kGreen}, {20, 13, 5.3, kGreen}, {31, 18.5, 5.3, kGreen},
                     {13, 30, 5.6, kRed},   {27, 30, 5.6, kRed},   {13, 41.5, 5.6, kRed},
                     {27, 41.5, 5.6, kRed}};
            break;
        case 8:
            for (int row = 0; row < 4; ++row) {
                for (double x : {13.0, 27.0})
                    coins.push_back({x, 8.5 + 11 * row, 5.3, kBlue});
            }
            break;
        default: {
            const QColor rows[] = {kBlue, kRed, kGreen};
            for (int row = 0; row < 3; ++row) {
                for (double x : {8.5, 20.0, 31.5})
                    coins.push_back({x, 10.0 + 15 * row, 5.6, rows[row]});
            }
            break;
        }
    }
    for (const Coin& coin : coins)
        DrawCoin(p, coin);
}

}  // namespace tilesets
