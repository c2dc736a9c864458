#include "XcbEventManager.h"

struct XcbEventManager::State {};

XcbEventManager::XcbEventManager(xcb_connection_t *) : d(std::make_unique<State>()) {}
XcbEventManager::~XcbEventManager() = default;
EventTargetRef XcbEventManager::GetEventDispatcherTarget() {
    return nullptr;
}
OSStatus XcbEventManager::InstallEventHandler(EventTargetRef, EventHandlerProcPtr, ItemCount,
                                              const EventTypeSpec *, void *,
                                              EventHandlerRef *outRef) {
    *outRef = nullptr;
    return eventInternalErr;
}
OSStatus XcbEventManager::RegisterEventHotKey(UInt32, UInt32, EventHotKeyID, EventTargetRef,
                                              OptionBits, EventHotKeyRef *outRef) {
    *outRef = nullptr;
    return eventInternalErr;
}
OSStatus XcbEventManager::UnregisterEventHotKey(EventHotKeyRef) {
    return eventInternalErr;
}
OSStatus XcbEventManager::RemoveEventHandler(EventHandlerRef) {
    return eventInternalErr;
}
bool XcbEventManager::nativeEventFilter(const QByteArray &, void *, qintptr *) {
    return false;
}
