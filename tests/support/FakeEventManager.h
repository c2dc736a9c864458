#pragma once

#include "platform/EventManager.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Records every event-manager call and keeps the handlers and hot keys it was given, so a test
// can press the hot key and check what is installed. Registrations can be made to fail.
class FakeEventManager final : public EventManager {
public:
    struct Handler {
        EventHandlerRef ref;
        EventHandlerProcPtr procedure;
        std::vector<EventTypeSpec> types;
        void *userData;
    };
    struct HotKey {
        EventHotKeyRef ref;
        UInt32 keyCode;
        UInt32 modifiers;
        EventHotKeyID hotKeyID;
        OptionBits options;
    };

    std::vector<std::string> calls; // operation names in call order
    std::vector<Handler> handlers;
    std::vector<HotKey> hotKeys;
    bool failInstall = false;
    bool failRegister = false;

    EventTargetRef GetEventDispatcherTarget() override {
        calls.emplace_back("GetEventDispatcherTarget");
        return target();
    }
    OSStatus InstallEventHandler(EventTargetRef t, EventHandlerProcPtr procedure, ItemCount count,
                                 const EventTypeSpec *list, void *userData,
                                 EventHandlerRef *outRef) override {
        calls.emplace_back("InstallEventHandler");
        if (failInstall || t != target()) {
            return eventInternalErr;
        }
        *outRef = reinterpret_cast<EventHandlerRef>(nextRef++);
        handlers.push_back({*outRef, procedure, {list, list + count}, userData});
        return noErr;
    }
    OSStatus RegisterEventHotKey(UInt32 keyCode, UInt32 modifiers, EventHotKeyID hotKeyID,
                                 EventTargetRef t, OptionBits options,
                                 EventHotKeyRef *outRef) override {
        calls.emplace_back("RegisterEventHotKey");
        if (failRegister || t != target()) {
            return eventHotKeyExistsErr;
        }
        *outRef = reinterpret_cast<EventHotKeyRef>(nextRef++);
        hotKeys.push_back({*outRef, keyCode, modifiers, hotKeyID, options});
        return noErr;
    }
    OSStatus UnregisterEventHotKey(EventHotKeyRef ref) override {
        calls.emplace_back("UnregisterEventHotKey");
        return std::erase_if(hotKeys, [ref](const HotKey &k) { return k.ref == ref; }) == 1
                   ? noErr
                   : eventHotKeyInvalidErr;
    }
    OSStatus RemoveEventHandler(EventHandlerRef ref) override {
        calls.emplace_back("RemoveEventHandler");
        return std::erase_if(handlers, [ref](const Handler &h) { return h.ref == ref; }) == 1
                   ? noErr
                   : paramErr;
    }

    // Sends one hot-key-pressed event, as a registered hot key would, to every handler
    // subscribed to it; returns how many handlers were called.
    int press(EventHotKeyID hotKeyID = {0x464E544F, 1}) {
        OpaqueEventRef event{{kEventClassKeyboard, kEventHotKeyPressed}, hotKeyID};
        const std::vector<Handler> current = handlers;
        int called = 0;
        for (const Handler &handler : current) {
            if (std::any_of(handler.types.begin(), handler.types.end(), [](EventTypeSpec t) {
                    return t.eventClass == kEventClassKeyboard &&
                           t.eventKind == kEventHotKeyPressed;
                })) {
                handler.procedure(nullptr, &event, handler.userData);
                ++called;
            }
        }
        return called;
    }

private:
    EventTargetRef target() { return reinterpret_cast<EventTargetRef>(this); }
    std::uintptr_t nextRef = 1;
};
