#pragma once

#include "platform/EventManager.h"

#include <QAbstractNativeEventFilter>

#include <memory>

struct xcb_connection_t;

// Global hot keys on an X11 display: passive key grabs on the root window, with presses picked
// out of the application's xcb event stream and handed to the installed handlers.
class XcbEventManager final : public EventManager, public QAbstractNativeEventFilter {
public:
    // Uses the application's own connection; installs itself as a native event filter.
    explicit XcbEventManager(xcb_connection_t *connection);
    ~XcbEventManager() override;

    XcbEventManager(const XcbEventManager &) = delete;
    XcbEventManager &operator=(const XcbEventManager &) = delete;

    EventTargetRef GetEventDispatcherTarget() override;
    OSStatus InstallEventHandler(EventTargetRef target, EventHandlerProcPtr handler,
                                 ItemCount numTypes, const EventTypeSpec *list, void *userData,
                                 EventHandlerRef *outRef) override;
    OSStatus RegisterEventHotKey(UInt32 keyCode, UInt32 modifiers, EventHotKeyID hotKeyID,
                                 EventTargetRef target, OptionBits options,
                                 EventHotKeyRef *outRef) override;
    OSStatus UnregisterEventHotKey(EventHotKeyRef hotKey) override;
    OSStatus RemoveEventHandler(EventHandlerRef handler) override;

    // Takes hot-key presses and the errors of our own grab requests out of the event stream.
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    struct State;
    std::unique_ptr<State> d;
};
