// The five addresses of the about box. They are configuration, read from Links.ini in the
// program folder, so a fork or a packager can point them elsewhere without touching code.
#pragma once

#include <array>
#include <string>

namespace quorin {

struct AboutLinks {
    static constexpr int kCount = 5;
    // The program's page, the author's site, then mail to the author and two contributors.
    static constexpr std::array<const char*, kCount> kKeys = {"Homepage", "Website", "MailAuthor",
                                                              "MailMusic", "MailGirls"};
    // An empty target is shown as plain text, not as a link.
    std::array<std::string, kCount> targets;
    // Empty, or why some targets were refused (for standard error, never a message box).
    std::string problem;
};

// The links our own build ships with.
AboutLinks DefaultAboutLinks();

// Reads section [Links] of `path`. A missing file or key keeps the default; a value that is
// not an http, https or mailto address is refused and the link stays inert, since the desktop
// would run whatever handler another scheme names.
AboutLinks ReadAboutLinks(const std::string& path);

// True for "http://...", "https://..." and "mailto:..." without spaces or control characters.
bool IsSafeLinkTarget(const std::string& target);

}  // namespace quorin
