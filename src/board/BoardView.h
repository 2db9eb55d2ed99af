// The narrow way the rules talk back to whoever shows the game.
#pragma once

#include <string_view>

namespace quorin {

enum class Sound { Select, NoWay, Done };

class BoardView {
  public:
    virtual ~BoardView() = default;
    virtual void RedrawTile(int tile) = 0;
    virtual void FullRedraw() = 0;
    // Recomposes the hall of fame side panel from the game state and shows it.
    virtual void RepaintSidePanel() = 0;
    // Shows the side panel again as it was last composed.
    virtual void RestoreSidePanel() = 0;
    virtual void PlaySound(Sound sound) = 0;
    virtual void ShowStatus(std::string_view message) = 0;
    // Puts what was drawn on screen at once (one frame of an animation).
    virtual void RepaintNow() = 0;
};

}  // namespace quorin

namespace quorin {

// For dealing without a window: the layout tool and the benchmarks.
class SilentView : public BoardView {
  public:
    void RedrawTile(int) override {}
    void FullRedraw() override {}
    void RepaintSidePanel() override {}
    void RestoreSidePanel() override {}
    void PlaySound(Sound) override {}
    void ShowStatus(std::string_view) override {}
    void RepaintNow() override {}
};

}  // namespace quorin
