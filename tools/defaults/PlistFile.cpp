// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "PlistFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Markup whose content a parser does not nest: comments, CDATA, processing instructions and
// declarations. Openings inside still count (never closings), so that a parser which ends one
// of them somewhere else cannot find more nesting than was counted.
struct Opaque {
    std::size_t openerLength;
    std::string_view end;
};

Opaque opaqueMarkup(std::string_view rest) {
    if (rest.starts_with("<!--"))
        return {4, "-->"}; // so "<!-->" does not end where it starts
    if (rest.starts_with("<![CDATA["))
        return {9, "]]>"};
    return rest.starts_with("<?") ? Opaque{2, "?>"} : Opaque{2, ">"};
}

int countOpenings(std::string_view text) {
    int openings = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '<' && (i + 1 == text.size() || text[i + 1] != '/'))
            ++openings;
    return openings;
}

bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
}

std::string_view tagName(std::string_view tag) {
    std::size_t end = 0;
    while (end < tag.size() && tag[end] != ' ' && tag[end] != '\t' && tag[end] != '\n' &&
           tag[end] != '\r' && tag[end] != '/' && tag[end] != '>')
        ++end;
    return tag.substr(0, end);
}

// The length of the tag starting at `tag` (just after its '<') up to and including its '>', or
// 0 when it has none or holds a '<': quoted values may hold '>' and "/>" but never '<', which
// XML forbids there and parsers disagree about.
std::size_t tagLength(std::string_view tag) {
    char quote = 0;
    for (std::size_t i = 0; i < tag.size(); ++i) {
        const char c = tag[i];
        if (c == '<')
            return 0;
        if (quote)
            quote = c == quote ? 0 : quote;
        else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '>')
            return i + 1;
    }
    return 0;
}

Failure unreadable(const std::string &path, const std::string &why) {
    return Failure{Problem::unreadable,
                   "Could not read " + path + ": " + why + "; the file was left as it is"};
}

Failure tooLarge(const std::string &path, std::size_t limit) {
    const std::string still =
        limit < maxRecoveryBytes ? "deleting keys or the whole domain" : "deleting the domain";
    return Failure{Problem::tooLarge,
                   "Could not read " + path + ": it is larger than " + std::to_string(limit >> 20) +
                       " MiB; the file was left as it is (" + still + " still works)"};
}

} // namespace

std::optional<int> xmlNestingDepth(std::string_view xml) {
    std::vector<std::string_view> open;
    int hidden = 0, deepest = 0;
    for (std::size_t at = xml.find('<'); at != std::string_view::npos; at = xml.find('<', at)) {
        const std::string_view rest = xml.substr(at);
        if (rest.starts_with("<!") || rest.starts_with("<?")) {
            // An internal DTD subset could declare entities that expand into more elements.
            const Opaque markup = opaqueMarkup(rest);
            const std::size_t from = std::min(xml.size(), at + markup.openerLength);
            const std::size_t stop = std::min(xml.size(), xml.find(markup.end, from));
            const std::string_view inside = xml.substr(from, stop - from);
            if (rest.starts_with("<!D") && inside.find('[') != std::string_view::npos)
                return std::nullopt;
            hidden += countOpenings(inside);
            at = std::min(xml.size(), stop + markup.end.size());
        } else if (rest.starts_with("</")) {
            const std::size_t length = tagLength(rest.substr(2));
            if (length == 0 || open.empty() || tagName(rest.substr(2)) != open.back())
                return std::nullopt;
            open.pop_back();
            at += 2 + length;
        } else {
            const std::size_t length = tagLength(rest.substr(1));
            if (length == 0 || rest.size() < 2 || !isNameStart(rest[1]))
                return std::nullopt;
            if (rest[length - 1] != '/')
                open.push_back(tagName(rest.substr(1)));
            at += 1 + length;
        }
        deepest = std::max(deepest, int(open.size()) + hidden);
        if (deepest > maxPlistDepth)
            return deepest; // deep enough to refuse; the rest need not be looked at
    }
    return deepest;
}

int treeDepth(plist_t root) {
    std::vector<std::pair<plist_t, int>> pending{{root, 1}};
    int deepest = 0;
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, depth);
        if (plist_get_node_type(node) == PLIST_ARRAY) {
            for (std::uint32_t i = 0, n = plist_array_get_size(node); i < n; ++i)
                pending.emplace_back(plist_array_get_item(node, i), depth + 1);
        } else if (plist_get_node_type(node) == PLIST_DICT) {
            forEachDictItem(node, [&pending, depth = depth](const char *, plist_t item) {
                pending.emplace_back(item, depth + 1);
            });
        }
    }
    return deepest;
}

Result<Plist> parseDictionary(std::string_view bytes, const std::string &path, std::size_t limit) {
    if (bytes.size() > limit)
        return tooLarge(path, limit);
    const std::optional<int> depth = xmlNestingDepth(bytes);
    if (!depth)
        return unreadable(path, "it is not a valid XML property list");
    if (*depth > maxPlistDepth)
        return unreadable(path, "it is nested too deeply");
    plist_t root = nullptr;
    if (!bytes.empty())
        plist_from_xml(bytes.data(), std::uint32_t(bytes.size()), &root);
    Plist owned(root);
    if (!root)
        return unreadable(path, "it is not a valid XML property list");
    if (plist_get_node_type(root) != PLIST_DICT)
        return unreadable(path, "its top level is not a dictionary");
    // Whatever the parser made of the markup, no walk over the tree goes deeper than this.
    if (treeDepth(root) > maxPlistDepth)
        return unreadable(path, "it is nested too deeply");
    return owned;
}

Result<Plist> loadDictionary(const std::string &path, std::size_t limit) {
    // Non-blocking, so that a FIFO in place of the file cannot stall the tool (and the lock).
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
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
    bytes.resize(std::min<std::size_t>(std::size_t(info.st_size), limit) + 1);
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
    return parseDictionary(bytes, path, limit);
}

Result<std::string> toXml(plist_t node) {
    char *xml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    if (!xml)
        return Failure{Problem::io, "Could not serialise the preferences"};
    std::string text(xml, length);
#ifdef VANTEL_PLIST_MEM_FREE
    plist_mem_free(xml);
#else
    plist_to_xml_free(xml);
#endif
    return text;
}
