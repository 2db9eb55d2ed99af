// The status line's message: how it is revealed tick by tick, and how the no-moves message
// bounces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/StatusTicker.h"

using quorin::StatusTicker;

namespace {

// What the line shows after each of `ticks` ticks ("=" where it keeps its text).
std::vector<std::string> Ticks(StatusTicker& t, int ticks, bool cool) {
    std::vector<std::string> shown;
    for (int i = 0; i < ticks; ++i)
        shown.push_back(t.Tick(cool).value_or("="));
    return shown;
}

}  // namespace

TEST(StatusTicker, CoolStatusRevealsTheMessageFromItsEnd) {
    StatusTicker t;
    t.Show("New game started.");  // 17 characters: whole at the 16th tick
    const std::vector<std::string> shown = Ticks(t, 18, true);
    EXPECT_EQ(shown[0], "d.");
    EXPECT_EQ(shown[1], "ed.");
    EXPECT_EQ(shown[14], "ew game started.");
    EXPECT_EQ(shown[15], "New game started.");
    EXPECT_EQ(shown[16], "=");  // at rest: the line keeps the message
    EXPECT_EQ(t.Message(), " ");
}

TEST(StatusTicker, WithoutCoolStatusTheMessageAppearsWholeAtTheNextTick) {
    StatusTicker t;
    t.Show("Game restarted.");
    EXPECT_EQ(Ticks(t, 2, false), (std::vector<std::string>{"Game restarted.", "="}));
}

TEST(StatusTicker, AOneCharacterMessageIsNeverShown) {
    StatusTicker t;
    t.Show(" ");
    EXPECT_EQ(Ticks(t, 3, true), (std::vector<std::string>{"=", "=", "="}));
}

TEST(StatusTicker, ANewMessageReplacesOneBeingRevealed) {
    StatusTicker t;
    t.Show("Layout TRADITIONAL selected.");
    Ticks(t, 3, true);
    t.Show("Hello");
    EXPECT_EQ(t.Tick(true), "lo");
}

TEST(StatusTicker, TheNoMovesMessageGrowsAndShrinksUntilStopped) {
    StatusTicker t;
    t.step = 1;
    t.Show("abcd");
    t.bounce = true;
    // It grows to the whole, then shrinks back to its last two characters, over and over.
    EXPECT_EQ(Ticks(t, 8, true),
              (std::vector<std::string>{"d", "cd", "bcd", "abcd", "abcd", "bcd", "cd", "cd"}));
    t.bounce = false;  // a move was found: it grows to its full length and rests
    EXPECT_EQ(Ticks(t, 3, true), (std::vector<std::string>{"bcd", "abcd", "="}));
}
