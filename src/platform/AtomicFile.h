// Writing a whole file so that a crash or a full disk never leaves half of it: the text goes
// to a temporary file in the same folder, which is then renamed over the old one.
#pragma once

#include <string>
#include <string_view>

namespace quorin {

// Returns an empty string, or the system's reason for the failure; the old file is then
// untouched. Through a symbolic link the file it names is replaced, and the new file keeps
// the old one's permissions.
std::string WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace quorin
