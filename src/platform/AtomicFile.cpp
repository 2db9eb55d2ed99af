#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace quorin {

namespace fs = std::filesystem;

std::string WriteFileAtomically(const std::string& path, std::string_view content) {
    const auto reason = [](int error) { return std::generic_category().message(error); };
    fs::path target = path;
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = std::move(resolved);
    }
    const std::string temp = target.string() + ".tmp";

    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file)
        return reason(errno);
    bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    ok = std::fflush(file) == 0 && ok;
    int error = errno;
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        std::remove(temp.c_str());
        return reason(error);
    }
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        std::remove(temp.c_str());
        return ec.message();
    }
    return {};
}

}  // namespace quorin
