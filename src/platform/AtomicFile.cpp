#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorin {

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

// Writes all of `content`, resuming after a signal or a short write.
bool WriteAll(const FileCalls& calls, int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = calls.write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        content.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// After the rename the folder entry itself must reach the disk, or a power cut could bring
// back the old file or none. Folders that cannot be synced (some file systems) are no fault.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileCalls SystemFileCalls() {
    return {::write, ::fsync, ::close, ::rename};
}

std::string WriteFileAtomically(const std::string& path, std::string_view content) {
    return WriteFileAtomically(path, content, SystemFileCalls());
}

std::string WriteFileAtomically(const std::string& path, std::string_view content,
                                const FileCalls& calls) {
    fs::path target = path;
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = std::move(resolved);
    }
    const std::string temp = target.string() + ".tmp";

    // A new file gets the normal mode (0666 less the umask); an existing one keeps its own.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return Reason(errno);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    // The data must be on disk before the rename, or a power cut leaves an empty file.
    bool ok = WriteAll(calls, fd, content) && calls.fsync(fd) == 0;
    int error = errno;
    if (calls.close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        std::remove(temp.c_str());
        return Reason(error);
    }
    if (calls.rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        std::remove(temp.c_str());
        return Reason(error);
    }
    SyncFolder(target.parent_path());
    return {};
}

}  // namespace quorin
