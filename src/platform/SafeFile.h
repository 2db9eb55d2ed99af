// Reading a whole file the game did not write itself, safely: only a regular file is
// opened (a FIFO or a device would block or never end), and a file larger than the caller
// allows for its kind is refused before anything is read, so a huge file costs no memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorin {

// Sane upper bounds for the kinds of files the game reads.
inline constexpr size_t kMaxLayoutBytes = 1 << 20;     // a layout is a few kB
inline constexpr size_t kMaxIniBytes = 4 << 20;        // settings, hall of fame, favourites
inline constexpr size_t kMaxPictureBytes = 64 << 20;   // tilesets and backgrounds
inline constexpr size_t kMaxDocumentBytes = 16 << 20;  // the help documents
inline constexpr size_t kMaxMusicBytes = 16 << 20;     // a MIDI piece

struct ReadResult {
    bool ok = false;
    bool missing = false;  // the file does not exist (callers often treat that as empty)
    std::string data;      // the whole content when ok
    std::string error;     // when not ok: the reason, without the file name ("is a folder")
};

// Reads the whole of `path` if it is a regular file of at most `maxBytes`.
ReadResult ReadRegularFile(const std::string& path, size_t maxBytes);

// `text` with every byte that is not printable ASCII written as \xHH, so a message that
// names a file never carries control characters or broken text to the screen.
std::string EscapeForMessage(std::string_view text);

// "Unable to read NAME: REASON", the one wording of a failed read.
std::string ReadFailureMessage(const std::string& path, const std::string& reason);

}  // namespace quorin
