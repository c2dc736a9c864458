#include "platform/XcbEventManager.h"

#include "platform/XcbKeyboard.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPointer>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <vector>

Q_LOGGING_CATEGORY(lcXcbHotKey, "vantel.hotkey.xcb", QtInfoMsg)

namespace {

constexpr std::uint8_t grabKeyOpcode = 33;
constexpr std::uint8_t ungrabKeyOpcode = 34;
constexpr std::uint16_t significantModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL |
                                               XCB_MOD_MASK_1 | XCB_MOD_MASK_3 | XCB_MOD_MASK_4 |
                                               XCB_MOD_MASK_5;

struct Handler {
    std::uintptr_t serial;
    EventHandlerProcPtr procedure;
    std::vector<EventTypeSpec> types;
    void *userData;

    bool handles(EventTypeSpec type) const {
        return std::any_of(types.begin(), types.end(), [type](EventTypeSpec t) {
            return t.eventClass == type.eventClass && t.eventKind == type.eventKind;
        });
    }
};

struct HotKey {
    std::uintptr_t serial;
    std::uint8_t keycode;
    std::uint16_t modifiers;
    EventHotKeyID hotKeyID;
    // Auto-repeat is not a new press. It shows either as presses without releases, or as a
    // release and a press that carry the same time.
    bool held;
    xcb_timestamp_t releasedAt;

    bool isRepeat(const xcb_key_press_event_t &press) const {
        return held || (releasedAt != XCB_CURRENT_TIME && press.time == releasedAt);
    }
};

template <typename T> auto findSerial(std::vector<T> &items, std::uintptr_t serial) {
    return std::find_if(items.begin(), items.end(),
                        [serial](const T &item) { return item.serial == serial; });
}

} // namespace

struct XcbEventManager::State {
    xcb_connection_t *connection;
    std::vector<xcb_window_t> roots;
    QPointer<QCoreApplication> application;
    std::vector<Handler> handlers; // in installation order
    std::vector<HotKey> hotKeys;
    std::uintptr_t nextSerial = 1;

    EventTargetRef target() { return reinterpret_cast<EventTargetRef>(this); }
    bool isRoot(xcb_window_t window) const {
        return std::find(roots.begin(), roots.end(), window) != roots.end();
    }
    HotKey *hotKeyFor(std::uint8_t keycode, std::uint16_t modifiers) {
        auto it = std::find_if(hotKeys.begin(), hotKeys.end(), [&](const HotKey &key) {
            return key.keycode == keycode && key.modifiers == modifiers;
        });
        return it == hotKeys.end() ? nullptr : &*it;
    }
    void deliver(EventHotKeyID hotKeyID);
    bool onPress(const xcb_key_press_event_t &press);
    bool onRelease(const xcb_key_release_event_t &release);
};

// The latest handler first; one that does not handle the event passes it on. Handlers may
// install or remove handlers while they run, so each is looked up again before its call.
void XcbEventManager::State::deliver(EventHotKeyID hotKeyID) {
    OpaqueEventRef event{{kEventClassKeyboard, kEventHotKeyPressed}, hotKeyID};
    std::vector<std::uintptr_t> order;
    for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
        if (it->handles(event.type)) {
            order.push_back(it->serial);
        }
    }
    for (std::uintptr_t serial : order) {
        auto it = findSerial(handlers, serial);
        if (it == handlers.end()) {
            continue;
        }
        const Handler handler = *it;
        if (handler.procedure(nullptr, &event, handler.userData) != eventNotHandledErr) {
            return;
        }
    }
}

// Our grabs report to the root window; a key typed into one of our own windows is not ours.
bool XcbEventManager::State::onPress(const xcb_key_press_event_t &press) {
    HotKey *key =
        isRoot(press.event) ? hotKeyFor(press.detail, press.state & significantModifiers) : nullptr;
    if (key == nullptr) {
        return false;
    }
    const bool repeated = key->isRepeat(press);
    key->held = true;
    if (!repeated) {
        deliver(key->hotKeyID);
    }
    return true;
}

// Modifiers may be let go before the key, so a release matches by key alone.
bool XcbEventManager::State::onRelease(const xcb_key_release_event_t &release) {
    bool ours = false;
    for (HotKey &key : hotKeys) {
        if (key.keycode == release.detail && isRoot(release.event)) {
            key.held = false;
            key.releasedAt = release.time;
            ours = true;
        }
    }
    return ours;
}

XcbEventManager::XcbEventManager(xcb_connection_t *connection) : d(std::make_unique<State>()) {
    d->connection = connection;
    d->application = QCoreApplication::instance();
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem != 0;
         xcb_screen_next(&it)) {
        d->roots.push_back(it.data->root);
    }
    if (d->application) {
        d->application->installNativeEventFilter(this);
    }
}

XcbEventManager::~XcbEventManager() {
    // Without the application its connection is gone, and with it every grab.
    if (!d->application) {
        return;
    }
    for (const HotKey &key : d->hotKeys) {
        ungrabKey(d->connection, d->roots, key.keycode, key.modifiers);
    }
    d->application->removeNativeEventFilter(this);
}

EventTargetRef XcbEventManager::GetEventDispatcherTarget() {
    return d->target();
}

OSStatus XcbEventManager::InstallEventHandler(EventTargetRef target, EventHandlerProcPtr handler,
                                              ItemCount numTypes, const EventTypeSpec *list,
                                              void *userData, EventHandlerRef *outRef) {
    if (outRef != nullptr) {
        *outRef = nullptr;
    }
    if (target != d->target() || handler == nullptr || (numTypes != 0 && list == nullptr)) {
        return paramErr;
    }
    const std::uintptr_t serial = d->nextSerial++;
    d->handlers.push_back({serial, handler, {list, list + numTypes}, userData});
    if (outRef != nullptr) {
        *outRef = reinterpret_cast<EventHandlerRef>(serial);
    }
    return noErr;
}

OSStatus XcbEventManager::RegisterEventHotKey(UInt32 keyCode, UInt32 modifiers,
                                              EventHotKeyID hotKeyID, EventTargetRef target,
                                              OptionBits, EventHotKeyRef *outRef) {
    if (outRef != nullptr) {
        *outRef = nullptr;
    }
    const auto xModifiers = xcbModifiersFor(modifiers);
    if (target != d->target() || !xModifiers) {
        return paramErr;
    }
    const auto keycode = xcbKeycodeForKeyPosition(d->connection, keyCode);
    if (!keycode) {
        return eventHotKeyInvalidErr;
    }
    // Grabbing again from the same client would succeed and merge both into one grab.
    const bool taken = std::any_of(d->hotKeys.begin(), d->hotKeys.end(), [&](const HotKey &key) {
        return key.keycode == *keycode && key.modifiers == *xModifiers;
    });
    if (taken || !grabKey(d->connection, d->roots, *keycode, *xModifiers)) {
        qCDebug(lcXcbHotKey, "keycode %u with modifiers 0x%x is held by another client", *keycode,
                *xModifiers);
        return eventHotKeyExistsErr;
    }
    const std::uintptr_t serial = d->nextSerial++;
    d->hotKeys.push_back({serial, *keycode, *xModifiers, hotKeyID, false, XCB_CURRENT_TIME});
    if (outRef != nullptr) {
        *outRef = reinterpret_cast<EventHotKeyRef>(serial);
    }
    return noErr;
}

OSStatus XcbEventManager::UnregisterEventHotKey(EventHotKeyRef hotKey) {
    auto it = findSerial(d->hotKeys, reinterpret_cast<std::uintptr_t>(hotKey));
    if (it == d->hotKeys.end()) {
        return eventHotKeyInvalidErr;
    }
    ungrabKey(d->connection, d->roots, it->keycode, it->modifiers);
    d->hotKeys.erase(it);
    return noErr;
}

OSStatus XcbEventManager::RemoveEventHandler(EventHandlerRef handler) {
    auto it = findSerial(d->handlers, reinterpret_cast<std::uintptr_t>(handler));
    if (it == d->handlers.end()) {
        return paramErr;
    }
    d->handlers.erase(it);
    return noErr;
}

bool XcbEventManager::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & 0x7f) {
    case 0: {
        // Our grabs are checked; this only catches what an unchecked ungrab may still send.
        const auto *error = reinterpret_cast<const xcb_generic_error_t *>(event);
        return error->major_code == grabKeyOpcode || error->major_code == ungrabKeyOpcode;
    }
    case XCB_KEY_PRESS:
        return d->onPress(*reinterpret_cast<const xcb_key_press_event_t *>(event));
    case XCB_KEY_RELEASE:
        return d->onRelease(*reinterpret_cast<const xcb_key_release_event_t *>(event));
    default:
        return false;
    }
}
