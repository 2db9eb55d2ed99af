#include "platform/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace quorin {

namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

std::string SizeReason(size_t maxBytes) {
    if (maxBytes >= (1u << 20))
        return "it is larger than " + std::to_string(maxBytes >> 20) + " MB";
    if (maxBytes >= (1u << 10))
        return "it is larger than " + std::to_string(maxBytes >> 10) + " kB";
    return "it is larger than " + std::to_string(maxBytes) + " bytes";
}

}  // namespace

ReadResult ReadRegularFile(const std::string& path, size_t maxBytes) {
    ReadResult r;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        // Nothing is there to lose: a name under a regular file cannot exist either.
        r.missing = errno == ENOENT || errno == ENOTDIR;
        r.error = Reason(errno);
        return r;
    }
    if (S_ISDIR(st.st_mode)) {
        r.error = "it is a folder";
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        r.error = "it is not a regular file";
        return r;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        r.error = SizeReason(maxBytes);
        return r;
    }
    // O_NONBLOCK: should the name be swapped for a FIFO between stat and open, the open
    // still returns at once; fstat then refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        r.error = Reason(errno);
        return r;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        r.error = "it is not a regular file";
        return r;
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            r.error = Reason(errno);
            ::close(fd);
            return r;
        }
        if (got == 0)
            break;
        if (data.size() + static_cast<size_t>(got) > maxBytes) {  // it grew while we read
            ::close(fd);
            r.error = SizeReason(maxBytes);
            return r;
        }
        data.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    r.ok = true;
    r.data = std::move(data);
    return r;
}

std::string EscapeForMessage(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const auto escape = [&out](unsigned char u) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", u);
        out += hex;
    };
    for (size_t i = 0; i < text.size();) {
        const auto u = static_cast<unsigned char>(text[i]);
        if (u >= 0x20 && u < 0x7f) {
            out += text[i++];
            continue;
        }
        // A well-formed UTF-8 sequence (a name with accents) stays as it is, but for the
        // C1 controls; anything else is shown byte by byte.
        size_t len = u >= 0xC2 && u <= 0xDF   ? 2
                     : u >= 0xE0 && u <= 0xEF ? 3
                     : u >= 0xF0 && u <= 0xF4 ? 4
                                              : 0;
        bool valid = len > 0 && i + len <= text.size();
        for (size_t k = 1; valid && k < len; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (valid && len == 2 && u == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            valid = false;
        if (valid) {
            out.append(text.substr(i, len));
            i += len;
        } else {
            escape(u);
            ++i;
        }
    }
    return out;
}

std::string ReadFailureMessage(const std::string& path, const std::string& reason) {
    return "Unable to read " + EscapeForMessage(path) + ": " + reason;
}

}  // namespace quorin
