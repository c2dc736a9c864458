// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/x11/X11ShortcutBackend.h"

#include "logging/LoggingCategories.h"
#include "shortcuts/x11/X11KeyGrabs.h"
#include "shortcuts/x11/X11KeyPosition.h"
#include "shortcuts/x11/X11KeymapNotices.h"
#include "shortcuts/x11/X11ModifierMasks.h"
#include "x11/X11Connection.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QLoggingCategory>
#include <QPointer>
#include <QStringList>

#include <xcb/xcb.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr std::uint8_t grabKeyOpcode = 33;
constexpr std::uint8_t ungrabKeyOpcode = 34;

struct Grab {
    QString id;
    QString text;
    std::uint8_t keycode;
    Qt::KeyboardModifiers modifiers;
    // What the server holds for it; nothing while the modifier mapping leaves no way to grab it.
    std::optional<X11KeyGrab> taken;
    // Auto-repeat is not a new press. It shows either as presses without releases (detectable
    // auto-repeat, which Qt turns on), or as a release and a press that carry the same time.
    bool held = false;
    xcb_timestamp_t releasedAt = XCB_CURRENT_TIME;

    bool isRepeat(const xcb_key_press_event_t &press) const {
        return held || (releasedAt != XCB_CURRENT_TIME && press.time == releasedAt);
    }
};

bool fail(QString *error, const QString &text) {
    if (error != nullptr) {
        *error = text;
    }
    return false;
}

// As Linux desktops write it: Qt's own text calls the logo key Meta, which no keyboard shows.
QString combinationText(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QStringList parts;
    const std::pair<Qt::KeyboardModifier, const char *> names[] = {{Qt::MetaModifier, "Super"},
                                                                   {Qt::ControlModifier, "Ctrl"},
                                                                   {Qt::AltModifier, "Alt"},
                                                                   {Qt::ShiftModifier, "Shift"}};
    for (const auto &[modifier, name] : names) {
        if (modifiers & modifier) {
            parts.append(QString::fromLatin1(name));
        }
    }
    parts.append(QKeySequence(key).toString(QKeySequence::NativeText));
    return parts.join(QLatin1Char('+'));
}

} // namespace

struct X11ShortcutBackend::State {
    xcb_connection_t *connection = nullptr;
    std::vector<xcb_window_t> roots;
    QPointer<QCoreApplication> application;
    std::vector<Grab> grabs;
    X11ModifierMasks masks;
    std::optional<X11KeymapNotices> keymapNotices;

    auto find(const QString &id) {
        return std::find_if(grabs.begin(), grabs.end(), [&](const Grab &g) { return g.id == id; });
    }
    Grab *find(std::uint8_t keycode, Qt::KeyboardModifiers modifiers) {
        auto it = std::find_if(grabs.begin(), grabs.end(), [&](const Grab &g) {
            return g.keycode == keycode && g.modifiers == modifiers;
        });
        return it == grabs.end() ? nullptr : &*it;
    }
    Grab *findTaken(std::uint8_t keycode, std::uint16_t state) {
        const std::uint16_t modifiers = state & masks.significant();
        auto it = std::find_if(grabs.begin(), grabs.end(), [&](const Grab &g) {
            return g.taken && g.taken->keycode == keycode && g.taken->modifiers == modifiers;
        });
        return it == grabs.end() ? nullptr : &*it;
    }
    bool isRoot(xcb_window_t window) const {
        return std::find(roots.begin(), roots.end(), window) != roots.end();
    }
    bool onPress(const xcb_key_press_event_t &press, QString *pressedId);
    bool onRelease(const xcb_key_release_event_t &release);
    void followModifierMapping();
    void release(Grab &grab);
};

// Our grabs report to the root window; a key typed into one of our own windows is not ours.
// True for a press of one of our combinations; `pressedId` is set when it is a new press.
bool X11ShortcutBackend::State::onPress(const xcb_key_press_event_t &press, QString *pressedId) {
    Grab *grab = isRoot(press.event) ? findTaken(press.detail, press.state) : nullptr;
    if (grab == nullptr) {
        return false;
    }
    if (!grab->isRepeat(press)) {
        *pressedId = grab->id;
    }
    grab->held = true;
    return true;
}

// Modifiers may be let go before the key, so a release matches by key alone.
bool X11ShortcutBackend::State::onRelease(const xcb_key_release_event_t &release) {
    bool ours = false;
    for (Grab &grab : grabs) {
        if (grab.keycode == release.detail && isRoot(release.event)) {
            grab.held = false;
            grab.releasedAt = release.time;
            ours = true;
        }
    }
    return ours;
}

// Takes every grab again with the modifiers as now mapped; the key stays the one first found,
// since a shortcut names a position and a layout change does not move it.
void X11ShortcutBackend::State::followModifierMapping() {
    const std::optional<X11ModifierMasks> now = x11ModifierMasks(connection);
    if (!now) {
        qCWarning(lcX11Shortcuts) << "cannot read the modifier mapping; grabs stay as they are";
        return;
    }
    masks = *now;
    for (Grab &grab : grabs) {
        const std::optional<std::uint16_t> modifiers = masks.maskFor(grab.modifiers);
        const std::optional<X11KeyGrab> wanted =
            modifiers ? std::optional(X11KeyGrab{grab.keycode, *modifiers, masks.numLock})
                      : std::nullopt;
        if (grab.taken == wanted) {
            continue;
        }
        release(grab);
        if (!wanted) {
            qCWarning(lcX11Shortcuts) << grab.text << "has no modifier in the mapping now";
        } else if (!grabKeyOnRoots(connection, roots, *wanted)) {
            qCWarning(lcX11Shortcuts) << grab.text << "is taken by another program now";
        } else {
            grab.taken = wanted;
            qCDebug(lcX11Shortcuts)
                << "grabbed" << grab.text << "again with modifiers" << *modifiers;
        }
    }
}

void X11ShortcutBackend::State::release(Grab &grab) {
    if (grab.taken && application) {
        ungrabKeyOnRoots(connection, roots, *grab.taken);
    }
    grab.taken.reset();
    grab.held = false;
}

X11ShortcutBackend::X11ShortcutBackend(QObject *parent)
    : GlobalShortcutBackend(parent), d_(std::make_unique<State>()) {
    d_->connection = qtX11Connection();
    if (d_->connection == nullptr) {
        return;
    }
    d_->application = QCoreApplication::instance();
    d_->roots = x11RootWindows(d_->connection);
    d_->keymapNotices.emplace(d_->connection);
    d_->application->installNativeEventFilter(this);
}

X11ShortcutBackend::~X11ShortcutBackend() {
    // Without the application its connection is gone, and every grab with it.
    if (!d_->application) {
        return;
    }
    for (Grab &grab : d_->grabs) {
        d_->release(grab);
    }
    d_->application->removeNativeEventFilter(this);
}

bool X11ShortcutBackend::grabKey(const QString &id, const QString &description, Qt::Key key,
                                 Qt::KeyboardModifiers modifiers, QString *error) {
    if (d_->connection == nullptr || !d_->application) {
        return fail(error, QStringLiteral("not connected to an X11 display"));
    }
    const QString text = combinationText(key, modifiers);
    // The mapping may have changed since the last notice was handled.
    d_->followModifierMapping();
    const auto mask = d_->masks.maskFor(modifiers);
    if (!mask) {
        return fail(error, QStringLiteral("%1: no X11 modifier stands for it").arg(text));
    }
    const auto keycode = x11KeycodeForKey(d_->connection, key, error);
    if (!keycode) {
        return false;
    }
    // Grabbing again from the same client would succeed and merge both into one grab, which the
    // first release would then end for both.
    if (const Grab *same = d_->find(*keycode, modifiers)) {
        if (same->id != id) {
            return fail(error, QStringLiteral("%1 is already in use by this program").arg(text));
        }
        Q_EMIT grabbed(id, text);
        return true;
    }
    const X11KeyGrab taken{*keycode, *mask, d_->masks.numLock};
    if (!grabKeyOnRoots(d_->connection, d_->roots, taken)) {
        return fail(error, QStringLiteral("%1 is already taken by another program").arg(text));
    }
    ungrabKey(id);
    d_->grabs.push_back({id, text, *keycode, modifiers, taken});
    qCDebug(lcX11Shortcuts) << "grabbed" << text << "as keycode" << *keycode << "for"
                            << description;
    Q_EMIT grabbed(id, text);
    return true;
}

void X11ShortcutBackend::ungrabKey(const QString &id) {
    const auto it = d_->find(id);
    if (it == d_->grabs.end()) {
        return;
    }
    d_->release(*it);
    d_->grabs.erase(it);
}

bool X11ShortcutBackend::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t" || d_->connection == nullptr) {
        return false;
    }
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    // Qt needs the notice as well, so it passes on.
    if (d_->keymapNotices->announcesChange(event)) {
        d_->followModifierMapping();
        return false;
    }
    switch (event->response_type & 0x7f) {
    case 0: {
        // Our grabs are checked; this only catches what an unchecked ungrab may still send.
        const auto *xError = reinterpret_cast<const xcb_generic_error_t *>(event);
        return xError->major_code == grabKeyOpcode || xError->major_code == ungrabKeyOpcode;
    }
    case XCB_KEY_PRESS: {
        QString id;
        const bool ours = d_->onPress(*reinterpret_cast<const xcb_key_press_event_t *>(event), &id);
        // The signal leaves the event filter first: a receiver may run anything, even a nested
        // event loop, and a combination released meanwhile is no longer reported.
        if (!id.isEmpty()) {
            QMetaObject::invokeMethod(
                this,
                [this, id] {
                    if (d_->find(id) != d_->grabs.end()) {
                        Q_EMIT triggered(id);
                    }
                },
                Qt::QueuedConnection);
        }
        return ours;
    }
    case XCB_KEY_RELEASE:
        return d_->onRelease(*reinterpret_cast<const xcb_key_release_event_t *>(event));
    default:
        return false;
    }
}
