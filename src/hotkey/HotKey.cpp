#include "hotkey/HotKey.h"

#include "hotkey/CallbackBox.h"

#include <memory>
#include <utility>

namespace {

constexpr UInt32 hotKeyCode = kVK_ANSI_F;
constexpr UInt32 hotKeyModifiers = cmdKey | optionKey;
constexpr EventHotKeyID hotKeyID{0x464E544F, 1}; // 'FNTO'
constexpr OptionBits hotKeyOptions = 0;

// The one registration of the process; everything touches these on the main thread only.
EventHotKeyRef hotKeyRef = nullptr;
EventHandlerRef hotKeyHandlerRef = nullptr;
std::function<void()> hotKeyAction;
std::shared_ptr<CallbackBox> hotKeyBox;

// Reads the slot on every press, so a later registration or unregistration is always seen.
// The copy keeps the action's captures alive even if the action unregisters the hot key.
void forwardToAction() {
    const std::function<void()> action = hotKeyAction;
    if (action) {
        action();
    }
}

} // namespace

OSStatus hotKeyEventHandler(EventHandlerCallRef, EventRef, void *userData) {
    if (userData == nullptr) {
        return noErr;
    }
    const std::shared_ptr<CallbackBox> box =
        static_cast<CallbackBox *>(userData)->weak_from_this().lock();
    if (box) {
        const std::function<void()> closure = box->closure;
        if (closure) {
            closure();
        }
    }
    return noErr;
}

void registerHotKey(EventManager &manager, std::function<void()> action) {
    unregisterHotKey(manager);
    hotKeyAction = std::move(action);

    const EventTypeSpec eventType{kEventClassKeyboard, kEventHotKeyPressed};
    hotKeyBox = std::make_shared<CallbackBox>(forwardToAction);

    // The handler goes in first so that no press can arrive while nothing listens for it.
    manager.InstallEventHandler(manager.GetEventDispatcherTarget(), hotKeyEventHandler, 1,
                                &eventType, hotKeyBox.get(), &hotKeyHandlerRef);
    manager.RegisterEventHotKey(hotKeyCode, hotKeyModifiers, hotKeyID,
                                manager.GetEventDispatcherTarget(), hotKeyOptions, &hotKeyRef);
}

void unregisterHotKey(EventManager &manager) {
    if (hotKeyRef != nullptr) {
        manager.UnregisterEventHotKey(hotKeyRef);
    }
    // The handler goes before the box, so the manager never holds the address of a dead box.
    if (hotKeyHandlerRef != nullptr) {
        manager.RemoveEventHandler(hotKeyHandlerRef);
    }
    hotKeyBox.reset();
    hotKeyRef = nullptr;
    hotKeyHandlerRef = nullptr;
    hotKeyAction = nullptr;
}
