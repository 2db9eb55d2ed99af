#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "info/AboutLinks.h"

namespace quorin {
namespace {

TEST(AboutLinks, OnlyWebAndMailAddressesAreLinks) {
    for (const char* good : {"https://quorin.example.org/", "HTTP://a.example", "mailto:a@b.c",
                             "MailTo:someone@example.org?subject=Quorin"})
        EXPECT_TRUE(IsSafeLinkTarget(good)) << good;
    // Other schemes would start whatever handler the desktop has for them.
    for (const char* bad : {"", "mailto:", "https://", "file:///etc/passwd", "javascript:x",
                            "/usr/bin/xterm", "https://a.example/\nfile:///x",
                            "https://two words.example", "ftp://a.example", " https://a.b"})
        EXPECT_FALSE(IsSafeLinkTarget(bad)) << bad;
}

TEST(AboutLinks, FileOverridesKeyByKeyAndRefusesTheRest) {
    const auto dir = std::filesystem::temp_directory_path() / "quorin_about_links_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Links.ini").string();
    {
        std::ofstream out(path, std::ios::binary);
        out << "[links]\r\nhomepage = https://tiles.example.net/\r\nMailMusic=file:///x\r\n";
    }
    const AboutLinks links = ReadAboutLinks(path);
    const AboutLinks defaults = DefaultAboutLinks();
    EXPECT_EQ(links.targets[0], "https://tiles.example.net/");
    EXPECT_EQ(links.targets[1], defaults.targets[1]);
    EXPECT_EQ(links.targets[3], "");
    EXPECT_NE(links.problem.find("MailMusic"), std::string::npos);

    // No file at all: our own addresses, and nothing to complain about.
    std::filesystem::remove_all(dir);
    const AboutLinks missing = ReadAboutLinks(path);
    EXPECT_EQ(missing.targets, defaults.targets);
    EXPECT_EQ(missing.problem, "");
    for (const std::string& target : defaults.targets)
        EXPECT_TRUE(IsSafeLinkTarget(target)) << target;
}

}  // namespace
}  // namespace quorin
