// Layout files: the game's own .lay format (read and written) and the .shp format (read).
// A file is accepted only when it describes a playable layout; otherwise the caller gets a
// message naming the file and the fault, and keeps the layout it had.
#pragma once

#include <string>
#include <string_view>

#include "board/LayoutGrid.h"

namespace quorin {

inline constexpr std::string_view kLaySignature = "Quorin 3.0";

struct LayoutLoad {
    bool ok = false;
    LayoutGrid grid;
    std::string name;    // line 2 of a .lay file; empty for .shp, which carries no name
    std::string file;    // how messages name the file
    std::string reason;  // what is wrong with it, when not ok

    // The file and the reason, with control bytes written as \xHH: a name or a quoted cell
    // may hold anything, and the message goes to a terminal or a dialog.
    std::string Message() const;
};

// `label` names the file in messages.
LayoutLoad ParseLay(std::string_view text, std::string_view label);
LayoutLoad ParseShp(std::string_view text, std::string_view label);

// Reads a file, choosing the format by its extension (".shp", or else ".lay").
LayoutLoad ReadLayoutFile(const std::string& path);

// The fault that keeps a grid from being played, or empty: it needs exactly 144 positions,
// none overlapping another on its layer.
std::string LayoutFault(const LayoutGrid& grid);

// Writes a .lay file through a temporary file renamed over the old one. Returns an empty
// string, or the reason it failed.
std::string WriteLayFile(const std::string& path, std::string_view name, const LayoutGrid& grid);

// Number of layers holding at least one position.
int LayerCount(const LayoutGrid& grid);

// 16 x first + second, where a digit has its value and any other character its code
// minus 55, so only upper-case letters give hexadecimal values.
int HexByte(char first, char second);

}  // namespace quorin
