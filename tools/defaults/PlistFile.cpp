#include "PlistFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::size_t skipPast(std::string_view xml, std::size_t from, std::string_view end) {
    const std::size_t found = xml.find(end, from);
    return found == std::string_view::npos ? xml.size() : found + end.size();
}

// A self-closing tag is trusted only in its plain form (<dict/>, <true />); anything fancier
// counts as an opening, which can only make the estimate deeper.
bool isPlainSelfClosing(std::string_view tag) {
    if (tag.size() < 2 || tag.back() != '/')
        return false;
    for (char c : tag.substr(0, tag.size() - 1))
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' '))
            return false;
    return true;
}

std::string_view markupEnd(std::string_view rest) {
    if (rest.starts_with("<!--"))
        return "-->";
    if (rest.starts_with("<![CDATA["))
        return "]]>";
    return rest.starts_with("<?") ? "?>" : ">";
}

int countOpenings(std::string_view text) {
    int openings = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '<' && (i + 1 == text.size() || text[i + 1] != '/'))
            ++openings;
    return openings;
}

Failure unreadable(const std::string &path, const std::string &why) {
    return Failure{Problem::unreadable,
                   "Could not read " + path + ": " + why + "; the file was left as it is"};
}

} // namespace

int xmlNestingDepth(std::string_view xml) {
    int depth = 0, deepest = 0;
    std::size_t at = 0;
    while ((at = xml.find('<', at)) != std::string_view::npos) {
        const std::string_view rest = xml.substr(at);
        if (rest.starts_with("<!") || rest.starts_with("<?")) {
            // Comments, CDATA and the like: closings inside are ignored, openings counted, so
            // whatever a parser makes of them the estimate cannot come out too shallow.
            const std::size_t end = skipPast(xml, at, markupEnd(rest));
            depth += countOpenings(xml.substr(at + 1, end - at - 1));
            deepest = std::max(deepest, depth);
            at = end;
        } else if (rest.starts_with("</")) {
            depth = depth > 0 ? depth - 1 : 0;
            at = skipPast(xml, at, ">");
        } else {
            const std::size_t end = skipPast(xml, at, ">");
            std::string_view tag = xml.substr(at + 1, end - at - 1);
            if (tag.ends_with('>'))
                tag.remove_suffix(1);
            if (!isPlainSelfClosing(tag))
                deepest = std::max(deepest, ++depth);
            at = end;
        }
    }
    return deepest;
}

Result<Plist> parseDictionary(std::string_view bytes, const std::string &path) {
    if (bytes.size() > maxPlistBytes)
        return unreadable(path, "it is larger than 1 MiB");
    if (xmlNestingDepth(bytes) > maxPlistDepth)
        return unreadable(path, "it is nested too deeply");
    plist_t root = nullptr;
    if (!bytes.empty())
        plist_from_xml(bytes.data(), std::uint32_t(bytes.size()), &root);
    Plist owned(root);
    if (!root)
        return unreadable(path, "it is not a valid XML property list");
    if (plist_get_node_type(root) != PLIST_DICT)
        return unreadable(path, "its top level is not a dictionary");
    return owned;
}

Result<Plist> loadDictionary(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Failure{Problem::missingDomain, path};
        return unreadable(path, std::strerror(errno));
    }
    struct stat info {};
    std::string bytes;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return unreadable(path, "it is not a regular file");
    }
    // One byte past the limit is enough to know the file is too large.
    bytes.resize(std::min<std::size_t>(std::size_t(info.st_size), maxPlistBytes) + 1);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int saved = errno;
            ::close(fd);
            return unreadable(path, std::strerror(saved));
        }
        if (got == 0)
            break;
        filled += std::size_t(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return parseDictionary(bytes, path);
}

Result<std::string> toXml(plist_t dictionary) {
    char *xml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(dictionary, &xml, &length);
    if (!xml)
        return Failure{Problem::io, "Could not serialise the preferences"};
    std::string text(xml, length);
    plist_to_xml_free(xml);
    return text;
}
