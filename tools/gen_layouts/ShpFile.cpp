#include "ShpFile.h"

#include <cstdio>

#include "platform/AtomicFile.h"

namespace layouts {

std::string WriteShpFile(const std::string& path, const std::vector<quorin::TilePosition>& tiles) {
    std::string text;
    for (const quorin::TilePosition& t : tiles) {
        char line[16];
        std::snprintf(line, sizeof line, "T  %02X%02X%02X\r\n", t.x - 2, t.y - 2, t.layer - 1);
        text += line;
    }
    if (std::string reason = quorin::WriteFileAtomically(path, text); !reason.empty())
        return "cannot write " + path + ": " + reason;
    return {};
}

}  // namespace layouts
