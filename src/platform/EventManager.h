#pragma once

#include <cstddef>
#include <cstdint>

// The small part of a hot-key event manager that the program uses, in the vocabulary of the
// classic event-manager API so that the hot-key module reads the same on every platform.

using OSStatus = std::int32_t;
using OSType = std::uint32_t;
using UInt32 = std::uint32_t;
using ItemCount = std::size_t;
using OptionBits = std::uint32_t;

// Handles are opaque: only the manager that handed one out knows what it points at.
using EventTargetRef = struct OpaqueEventTargetRef *;
using EventHandlerRef = struct OpaqueEventHandlerRef *;
using EventHandlerCallRef = struct OpaqueEventHandlerCallRef *;
using EventHotKeyRef = struct OpaqueEventHotKeyRef *;

struct EventTypeSpec {
    OSType eventClass;
    UInt32 eventKind;
};

struct EventHotKeyID {
    OSType signature;
    UInt32 id;
};

// A delivered event: its type and, for hot-key events, the identifier given at registration.
struct OpaqueEventRef {
    EventTypeSpec type;
    EventHotKeyID hotKeyID;
};
using EventRef = OpaqueEventRef *;

using EventHandlerProcPtr = OSStatus (*)(EventHandlerCallRef nextHandler, EventRef event,
                                         void *userData);

inline constexpr OSStatus noErr = 0;
inline constexpr OSStatus paramErr = -50;
inline constexpr OSStatus eventNotHandledErr = -9874;
inline constexpr OSStatus eventHotKeyExistsErr = -9878;
inline constexpr OSStatus eventHotKeyInvalidErr = -9879;
inline constexpr OSStatus eventInternalErr = -9868;

inline constexpr OSType kEventClassKeyboard = 0x6B657962; // 'keyb'
inline constexpr UInt32 kEventHotKeyPressed = 5;

// Key codes are key positions on an ANSI keyboard, not characters.
inline constexpr UInt32 kVK_ANSI_F = 3;

inline constexpr UInt32 cmdKey = 0x100;
inline constexpr UInt32 shiftKey = 0x200;
inline constexpr UInt32 optionKey = 0x800;
inline constexpr UInt32 controlKey = 0x1000;

// The event manager seam. Every call happens on the main thread, and handlers are called there.
class EventManager {
public:
    virtual ~EventManager() = default;

    // The target to which the application's event loop dispatches events.
    virtual EventTargetRef GetEventDispatcherTarget() = 0;
    // Calls `handler` with `userData` for every event of the listed types sent to `target`;
    // writes a reference for RemoveEventHandler to `outRef` on success.
    virtual OSStatus InstallEventHandler(EventTargetRef target, EventHandlerProcPtr handler,
                                         ItemCount numTypes, const EventTypeSpec *list,
                                         void *userData, EventHandlerRef *outRef) = 0;
    // Grabs the key combination system-wide so that each press sends a hot-key-pressed event
    // carrying `hotKeyID` to `target`; writes a reference for UnregisterEventHotKey to `outRef`
    // on success and a null reference on failure.
    virtual OSStatus RegisterEventHotKey(UInt32 keyCode, UInt32 modifiers, EventHotKeyID hotKeyID,
                                         EventTargetRef target, OptionBits options,
                                         EventHotKeyRef *outRef) = 0;
    // Releases a combination grabbed by RegisterEventHotKey.
    virtual OSStatus UnregisterEventHotKey(EventHotKeyRef hotKey) = 0;
    // Stops calling a handler installed by InstallEventHandler.
    virtual OSStatus RemoveEventHandler(EventHandlerRef handler) = 0;
};
