// How a layout plays with the winnable dealer: whether every seed deals, how long a deal
// takes, and how often a random removal of free pairs gets stuck, which makes the dealer
// start over.
#pragma once

#include "board/LayoutGrid.h"

namespace layouts {

struct PlayReport {
    int seeds = 0;
    int undealt = 0;  // seeds the dealer gave up on
    double medianMicros = 0;
    double worstMicros = 0;
    int stuckDeals = 0;  // simulated deals that had to start over at least once
    int restarts = 0;    // all the starts over of the simulated deals
};

// Deals seeds 1..seeds with the game's winnable dealer, and simulates as many removal
// orders of its kind.
PlayReport Playtest(const quorin::LayoutGrid& grid, int seeds);

// What a player meets first with the game's usual deal, which is not made to be winnable.
// The free tiles depend on the layout alone; the moves, on where the deal puts the faces.
struct OpeningReport {
    int seeds = 0;
    double meanFree = 0;   // free tiles before the first move
    double meanMoves = 0;  // pairs of free tiles that match
    int dead = 0;          // deals that offer no move at all
};

// Deals seeds 1..seeds as the game does when winnable deals are not asked for.
OpeningReport Openings(const quorin::LayoutGrid& grid, int seeds);

}  // namespace layouts
