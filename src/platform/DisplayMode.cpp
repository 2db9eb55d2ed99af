#include "platform/DisplayMode.h"

namespace quorin {

bool ScreenIs800x600At16Bits(int width, int height, int depth) {
    return width == 800 && height == 600 && depth >= 16;
}

bool TestDisplayMode800x600() {
    return false;
}

void RestoreDisplayMode() {}

}  // namespace quorin
