// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Real key presses on a KWin Wayland session, for the end-to-end tests:
//
//   e2e_fakekeys CODE...   press the evdev key codes in order, then release them in reverse
//
// The keys go through KWin's fake input, into the same path as a keyboard's, so its global
// shortcuts see them. KWin grants that protocol to anyone only under
// KWIN_WAYLAND_NO_PERMISSION_CHECKS=1. Exits 1 with a line on standard error when the compositor
// cannot be reached or offers no fake input.

#include "fake-input-client-protocol.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr uint32_t released = 0;
constexpr uint32_t pressed = 1;
// keyboard_key came with this version of the interface.
constexpr uint32_t keyboardVersion = 4;

struct Globals {
    org_kde_kwin_fake_input *fakeInput = nullptr;
};

void announced(void *data, wl_registry *registry, uint32_t name, const char *interface,
               uint32_t version) {
    auto *globals = static_cast<Globals *>(data);
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 &&
        version >= keyboardVersion)
        globals->fakeInput = static_cast<org_kde_kwin_fake_input *>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, keyboardVersion));
}

void removed(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {announced, removed};

int fail(const char *message) {
    std::fprintf(stderr, "e2e_fakekeys: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    std::vector<uint32_t> codes;
    for (int i = 1; i < argc; ++i) {
        char *end = nullptr;
        const unsigned long code = std::strtoul(argv[i], &end, 10);
        if (end == argv[i] || *end != '\0' || code > 0xffff)
            return fail("usage: e2e_fakekeys EVDEV-CODE...");
        codes.push_back(static_cast<uint32_t>(code));
    }
    if (codes.empty())
        return fail("usage: e2e_fakekeys EVDEV-CODE...");

    wl_display *display = wl_display_connect(nullptr);
    if (display == nullptr)
        return fail("cannot connect to the Wayland display");
    Globals globals;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &globals);
    wl_display_roundtrip(display);
    if (globals.fakeInput == nullptr) {
        wl_display_disconnect(display);
        return fail("the compositor offers no fake keyboard input");
    }

    org_kde_kwin_fake_input_authenticate(globals.fakeInput, "vantel e2e", "pressing keys");
    for (uint32_t code : codes)
        org_kde_kwin_fake_input_keyboard_key(globals.fakeInput, code, pressed);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        org_kde_kwin_fake_input_keyboard_key(globals.fakeInput, *it, released);
    // A round trip proves the compositor has read every request before we go.
    const int result = wl_display_roundtrip(display);
    org_kde_kwin_fake_input_destroy(globals.fakeInput);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return result < 0 ? fail("the compositor closed the connection") : 0;
}
