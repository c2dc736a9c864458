// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/x11/X11KeyPosition.h"

#include <QChar>

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace {

template <typename T, void (*Release)(T *)> struct Unref {
    void operator()(T *p) const { Release(p); }
};
using Context = std::unique_ptr<xkb_context, Unref<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Unref<xkb_keymap, xkb_keymap_unref>>;

constexpr int lastFunctionKey = 35;

// Qt keys of the Latin-1 range are the upper-case characters; the base level types lower case.
xkb_keysym_t keysymFor(Qt::Key key) {
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + lastFunctionKey) {
        return XKB_KEY_F1 + static_cast<xkb_keysym_t>(key - Qt::Key_F1);
    }
    if (key > Qt::Key_Space && key <= Qt::Key_ydiaeresis) {
        return xkb_utf32_to_keysym(QChar(static_cast<char16_t>(key)).toLower().unicode());
    }
    return XKB_KEY_NoSymbol;
}

// The reference layout that names positions: the keyboard the key codes of the desktop's
// shortcut conventions were written for.
Keymap usKeymap(xkb_context *context) {
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    return Keymap(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

// The position name of the key that types `keysym` on the base level, or nullptr.
const char *positionOf(xkb_keymap *keymap, xkb_keysym_t keysym) {
    for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap);
         code <= xkb_keymap_max_keycode(keymap); ++code) {
        const xkb_keysym_t *syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(keymap, code, 0, 0, &syms);
        if (count == 1 && syms[0] == keysym) {
            return xkb_keymap_key_get_name(keymap, code);
        }
    }
    return nullptr;
}

// The server's keymap as the core keyboard has it now; null when it cannot be read.
Keymap serverKeymap(xkb_context *context, xcb_connection_t *connection) {
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
        return nullptr;
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0) {
        return nullptr;
    }
    return Keymap(
        xkb_x11_keymap_new_from_device(context, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

std::optional<std::uint8_t> fail(QString *error, const QString &text) {
    if (error != nullptr) {
        *error = text;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::uint8_t> x11KeycodeForKey(xcb_connection_t *connection, Qt::Key key,
                                             QString *error) {
    const xkb_keysym_t keysym = keysymFor(key);
    if (keysym == XKB_KEY_NoSymbol) {
        return fail(error, QStringLiteral("key 0x%1 has no fixed position on the keyboard")
                               .arg(static_cast<int>(key), 0, 16));
    }
    const Context context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    const Keymap reference = context ? usKeymap(context.get()) : nullptr;
    const char *name = reference ? positionOf(reference.get(), keysym) : nullptr;
    if (name == nullptr) {
        return fail(error, QStringLiteral("cannot find the position of key 0x%1")
                               .arg(static_cast<int>(key), 0, 16));
    }
    // An unreadable server keymap leaves the reference's own keycode, which is the evdev one
    // that nearly every X server uses today.
    const Keymap server = serverKeymap(context.get(), connection);
    const xkb_keycode_t keycode = server ? xkb_keymap_key_by_name(server.get(), name)
                                         : xkb_keymap_key_by_name(reference.get(), name);
    // Core grabs take one-byte keycodes only.
    if (keycode == XKB_KEYCODE_INVALID || keycode < 8 || keycode > 255) {
        return fail(
            error,
            QStringLiteral("the display has no key at position %1").arg(QString::fromLatin1(name)));
    }
    return static_cast<std::uint8_t>(keycode);
}
