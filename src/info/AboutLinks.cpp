#include "info/AboutLinks.h"

#include <cstddef>
#include <string_view>

#include "platform/IniFile.h"

namespace quorin {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

}  // namespace

AboutLinks DefaultAboutLinks() {
    AboutLinks links;
    links.targets = {"https://quorin.example.org/", "https://quorin.example.org/author/",
                     "mailto:author@quorin.example.org", "mailto:music@quorin.example.org",
                     "mailto:pictures@quorin.example.org"};
    return links;
}

bool IsSafeLinkTarget(const std::string& target) {
    for (const char c : target)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f)
            return false;
    for (const std::string_view scheme : {"https://", "http://", "mailto:"})
        if (StartsWithNoCase(target, scheme))
            return target.size() > scheme.size();
    return false;
}

AboutLinks ReadAboutLinks(const std::string& path) {
    AboutLinks links = DefaultAboutLinks();
    const IniFile file(path);
    if (!file.LoadError().empty())
        links.problem = file.LoadError();
    for (int i = 0; i < AboutLinks::kCount; ++i) {
        std::string& target = links.targets[static_cast<size_t>(i)];
        target = file.ReadString("Links", AboutLinks::kKeys[static_cast<size_t>(i)], target);
        if (!IsSafeLinkTarget(target)) {
            if (!links.problem.empty())
                links.problem += "; ";
            links.problem += std::string(AboutLinks::kKeys[static_cast<size_t>(i)]) + " in " +
                             path + " is not a web or mail address";
            target.clear();
        }
    }
    return links;
}

}  // namespace quorin
