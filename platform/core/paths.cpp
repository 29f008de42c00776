// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/paths.h"

#include "platform/core/cp1251.h"

#include <system_error>
#include <vector>

namespace besedka::paths {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!part.empty())
                parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(std::move(part));
    return parts;
}

bool isDrivePath(const std::string& spelled) {
    return spelled.size() >= 2 && spelled[1] == ':' &&
           ((spelled[0] >= 'A' && spelled[0] <= 'Z') || (spelled[0] >= 'a' && spelled[0] <= 'z'));
}

// The entry of dir whose name equals component without regard to case, or the component itself.
std::string matchEntry(const fs::path& dir, const std::string& component) {
    const std::string utf8 = cp1251::toUtf8(component);
    std::error_code ec;
    if (component == "." || component == ".." || fs::exists(dir / utf8, ec))
        return utf8;
    const std::string wanted = cp1251::upper(component);
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (cp1251::upper(cp1251::fromUtf8(name)) == wanted)
            return name;
    }
    return utf8;
}

} // namespace

fs::path resolve(const std::string& spelled, const fs::path& root) {
    fs::path result = root;
    std::string rest = spelled;
    if (isDrivePath(spelled)) {
        result = fs::path("/mnt") / std::string(1, cp1251::lower(spelled[0]));
        rest = spelled.substr(2);
    } else if (!spelled.empty() && spelled[0] == '/') {
        result = "/";
    }
    for (const auto& component : splitComponents(rest))
        result /= matchEntry(result, component);
    return result;
}

} // namespace besedka::paths
