#include "halloffame/GameOverRules.h"

#include "halloffame/HallTable.h"
#include "halloffame/ScorePanels.h"

namespace quorin {

std::string FinalTimeText(int column, int elapsed, int penalty) {
    if (HallTable::IsClicksColumn(column))
        return elapsed == 0 ? "You reached the top ! Great !" : "";
    return "Your final time is " + FormatGameTime(elapsed + penalty);
}

std::string TwoPlayerVerdict(int32_t player1Millis, int32_t player2Millis) {
    if (player2Millis < player1Millis)
        return "And the winner is... Player 2 !";
    if (player2Millis == player1Millis)
        return "Same score for both players !";
    return "And the winner is... Player 1 !";
}

}  // namespace quorin
