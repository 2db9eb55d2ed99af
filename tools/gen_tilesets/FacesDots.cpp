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
            // Rising to the right, which leaves the top-left corner to the index.
            coins = {{30, 11, 7.5, kBlue}, {20, 25, 7.5, kRed}, {10, 39, 7.5, kGreen}};
            break;
        case 4:
            coins = {{12.5, 14.5, 7, kBlue},
                     {27.5, 14.5, 7, kGreen},
                     {12.5, 36.5, 7, kGreen},
                     {27.5, 36.5, 7, kBlue}};
            break;
        case 5:
            coins = {{12, 14, 6.5, kBlue},
                     {28, 14, 6.5, kGreen},
                     {20, 25.5, 6.5, kRed},
                     {12, 37, 6.5, kGreen},
                     {28, 37, 6.5, kBlue}};
            break;
        case 6:
            coins = {{13, 13, 6.3, kGreen}, {27, 13, 6.3, kGreen}, {13, 26.5, 6.3, kRed},
                     {27, 26.5, 6.3, kRed}, {13, 40, 6.3, kRed},   {27, 40, 6.3, kRed}};
            break;
        case 7:
            // The green diagonal falls to the left, clear of the index.
            coins = {{31, 7.5, 5.3, kGreen}, {20, 13, 5.3, kGreen}, {9, 18.5, 5.3, kGreen},
                     {13, 30, 5.6, kRed},    {27, 30, 5.6, kRed},   {13, 41.5, 5.6, kRed},
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
            // The top row starts below the index.
            for (int row = 0; row < 3; ++row) {
                for (double x : {9.0, 20.0, 31.0})
                    coins.push_back({x, 15.0 + 13 * row, 5.4, rows[row]});
            }
            break;
        }
    }
    for (const Coin& coin : coins)
        DrawCoin(p, coin);
}

}  // namespace tilesets
