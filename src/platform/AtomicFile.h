// Writing a whole file so that a crash or a full disk never leaves half of it: the text goes
// to a temporary file in the same folder, which is then renamed over the old one.
#pragma once

#include <string>
#include <string_view>

#include <sys/types.h>

namespace quorin {

// Returns an empty string, or the system's reason for the failure; the old file is then
// untouched. Through a symbolic link the file it names is replaced, and the new file keeps
// the old one's permissions.
std::string WriteFileAtomically(const std::string& path, std::string_view content);

// The system calls the writer makes, so that a test can make one of them fail the way a full
// disk or a broken device does, which no file system state gives reliably (root bypasses
// permissions). Each has the system call's signature and sets errno when it fails.
struct FileCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};
FileCalls SystemFileCalls();
std::string WriteFileAtomically(const std::string& path, std::string_view content,
                                const FileCalls& calls);

}  // namespace quorin
