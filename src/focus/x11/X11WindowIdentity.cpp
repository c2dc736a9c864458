// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/x11/X11WindowIdentity.h"

#include "focus/ApplicationId.h"

#include <QByteArrayList>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// A parent chain deeper than any window manager nests its frames.
constexpr int deepestChain = 32;
// Enough for every atom a window manager lists as supported, and for a long class.
constexpr std::uint32_t longestProperty = 4096;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

struct Property {
    Reply<xcb_get_property_reply_t> reply{nullptr, &std::free};
    bool windowGone = false;

    bool is(xcb_atom_t type, std::uint8_t format) const {
        return reply && reply->type == type && reply->format == format &&
               xcb_get_property_value_length(reply.get()) > 0;
    }
    QByteArray bytes() const {
        return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }
    const std::uint32_t *words(int *count) const {
        *count = xcb_get_property_value_length(reply.get()) / 4;
        return static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    }
};

xcb_get_property_cookie_t ask(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t atom) {
    return xcb_get_property(connection, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0,
                            longestProperty / 4);
}

Property answer(xcb_connection_t *connection, xcb_get_property_cookie_t cookie) {
    Property property;
    xcb_generic_error_t *error = nullptr;
    property.reply.reset(xcb_get_property_reply(connection, cookie, &error));
    property.windowGone = error != nullptr && error->error_code == XCB_WINDOW;
    std::free(error);
    return property;
}

bool hasAtom(const Property &property, std::initializer_list<xcb_atom_t> wanted) {
    if (!property.is(XCB_ATOM_ATOM, 32)) {
        return false;
    }
    int count = 0;
    const std::uint32_t *atoms = property.words(&count);
    return std::any_of(atoms, atoms + count, [&](std::uint32_t atom) {
        return std::find(wanted.begin(), wanted.end(), atom) != wanted.end();
    });
}

// The instance and class parts of WM_CLASS, which ICCCM writes in Latin-1; some clients write
// UTF-8 and say so.
std::array<QString, 2> classParts(const Property &wmClass, xcb_atom_t utf8String) {
    const bool utf8 = wmClass.is(utf8String, 8);
    if (!utf8 && !wmClass.is(XCB_ATOM_STRING, 8)) {
        return {};
    }
    const QList<QByteArray> parts = wmClass.bytes().split('\0');
    std::array<QString, 2> decoded;
    for (std::size_t i = 0; i < decoded.size() && i < std::size_t(parts.size()); ++i) {
        decoded[i] = utf8 ? QString::fromUtf8(parts[qsizetype(i)])
                          : QString::fromLatin1(parts[qsizetype(i)]);
    }
    return decoded;
}

bool isOurs(const std::array<QString, 2> &wmClass, const Property &pid, std::uint32_t ownPid) {
    int count = 0;
    if (pid.is(XCB_ATOM_CARDINAL, 32) && *pid.words(&count) == ownPid) {
        return true;
    }
    return std::any_of(wmClass.begin(), wmClass.end(), [](const QString &part) {
        return part.compare(QLatin1String("vantel"), Qt::CaseInsensitive) == 0;
    });
}

xcb_window_t parentOf(xcb_connection_t *connection, xcb_query_tree_cookie_t cookie) {
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(connection, cookie, nullptr),
                                       &std::free);
    return tree && tree->parent != tree->root ? tree->parent : xcb_window_t{XCB_WINDOW_NONE};
}

} // namespace

X11FocusAtoms X11FocusAtoms::intern(xcb_connection_t *connection) {
    X11FocusAtoms atoms;
    const std::pair<std::uint32_t *, const char *> names[] = {
        {&atoms.activeWindow, "_NET_ACTIVE_WINDOW"},
        {&atoms.supported, "_NET_SUPPORTED"},
        {&atoms.gtkApplicationId, "_GTK_APPLICATION_ID"},
        {&atoms.utf8String, "UTF8_STRING"},
        {&atoms.windowType, "_NET_WM_WINDOW_TYPE"},
        {&atoms.dockType, "_NET_WM_WINDOW_TYPE_DOCK"},
        {&atoms.desktopType, "_NET_WM_WINDOW_TYPE_DESKTOP"},
        {&atoms.pid, "_NET_WM_PID"}};
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const auto &[atom, name] : names) {
        cookies.push_back(
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name));
    }
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies[i], nullptr),
                                             &std::free);
        *names[i].first = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return atoms;
}

bool X11FocusAtoms::complete() const {
    return activeWindow && supported && gtkApplicationId && utf8String && windowType && dockType &&
           desktopType && pid;
}

// Every question about one window goes out at once: one round trip per level of the chain.
X11WindowIdentity identifyWindow(xcb_connection_t *connection, const X11FocusAtoms &atoms,
                                 std::uint32_t window, std::uint32_t ownPid) {
    using Kind = X11WindowIdentity::Kind;
    for (int depth = 0; window != XCB_WINDOW_NONE && depth < deepestChain; ++depth) {
        const auto gtkCookie = ask(connection, window, atoms.gtkApplicationId);
        const auto classCookie = ask(connection, window, XCB_ATOM_WM_CLASS);
        const auto typeCookie = ask(connection, window, atoms.windowType);
        const auto pidCookie = ask(connection, window, atoms.pid);
        const auto treeCookie = xcb_query_tree(connection, window);
        const Property gtkId = answer(connection, gtkCookie);
        const Property wmClass = answer(connection, classCookie);
        const Property type = answer(connection, typeCookie);
        const Property pid = answer(connection, pidCookie);
        const xcb_window_t parent = parentOf(connection, treeCookie);
        if (gtkId.windowGone || wmClass.windowGone) {
            return {Kind::Ignored, {}};
        }
        const auto classes = classParts(wmClass, atoms.utf8String);
        if (hasAtom(type, {atoms.dockType, atoms.desktopType}) || isOurs(classes, pid, ownPid)) {
            return {Kind::Ignored, {}};
        }
        if (const QString id = usableApplicationId(
                gtkId.is(atoms.utf8String, 8) ? QString::fromUtf8(gtkId.bytes()) : QString());
            !id.isEmpty()) {
            return {Kind::Application, id};
        }
        if (const QString id = usableApplicationId(classes[1]); !id.isEmpty()) {
            return {Kind::Application, id};
        }
        window = parent;
    }
    return {Kind::Application, {}};
}

std::uint32_t activeWindowOf(xcb_connection_t *connection, const X11FocusAtoms &atoms,
                             std::uint32_t root) {
    const Property active = answer(connection, ask(connection, root, atoms.activeWindow));
    int count = 0;
    return active.is(XCB_ATOM_WINDOW, 32) ? *active.words(&count) : 0;
}

bool tellsActiveWindow(xcb_connection_t *connection, const X11FocusAtoms &atoms,
                       std::uint32_t root) {
    return hasAtom(answer(connection, ask(connection, root, atoms.supported)),
                   {atoms.activeWindow});
}
