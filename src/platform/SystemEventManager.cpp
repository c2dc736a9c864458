#include "platform/SystemEventManager.h"

#include "platform/XcbEventManager.h"

#include <QGuiApplication>

namespace {

// Stands in where no X11 display is available (Wayland, offscreen): nothing can be grabbed,
// so every registration fails and no handler is ever called.
class UnavailableEventManager final : public EventManager {
public:
    EventTargetRef GetEventDispatcherTarget() override { return nullptr; }
    OSStatus InstallEventHandler(EventTargetRef, EventHandlerProcPtr, ItemCount,
                                 const EventTypeSpec *, void *, EventHandlerRef *outRef) override {
        if (outRef != nullptr) {
            *outRef = nullptr;
        }
        return eventInternalErr;
    }
    OSStatus RegisterEventHotKey(UInt32, UInt32, EventHotKeyID, EventTargetRef, OptionBits,
                                 EventHotKeyRef *outRef) override {
        if (outRef != nullptr) {
            *outRef = nullptr;
        }
        return eventInternalErr;
    }
    OSStatus UnregisterEventHotKey(EventHotKeyRef) override { return eventHotKeyInvalidErr; }
    OSStatus RemoveEventHandler(EventHandlerRef) override { return paramErr; }
};

} // namespace

std::unique_ptr<EventManager> createSystemEventManager() {
    auto *x11 = qGuiApp == nullptr ? nullptr
                                   : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
        return std::make_unique<XcbEventManager>(x11->connection());
    }
    return std::make_unique<UnavailableEventManager>();
}
