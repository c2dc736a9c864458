// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/x11/X11FocusWatch.h"

#include "focus/x11/X11WindowIdentity.h"
#include "logging/LoggingCategories.h"
#include "x11/X11Connection.h"

#include <QGuiApplication>
#include <QPointer>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

struct Root {
    xcb_window_t window;
    // Qt listens to property changes on the root as well; the mask is shared by the whole
    // connection, so it is only ever widened, and narrowed back only where it was widened here.
    bool widenedHere = false;
};

std::uint32_t eventMaskOf(xcb_connection_t *connection, xcb_window_t window) {
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                        nullptr),
        &std::free);
    return attributes ? attributes->your_event_mask : 0;
}

void setEventMask(xcb_connection_t *connection, xcb_window_t window, std::uint32_t mask) {
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
}

} // namespace

struct X11FocusWatch::State {
    xcb_connection_t *connection = nullptr;
    QPointer<QCoreApplication> application;
    X11FocusAtoms atoms;
    std::vector<Root> roots;
    bool started = false;
    bool available = false;
    // A burst of changes is read once: whatever the property says when the loop comes round.
    bool activeWindowQueued = false;
    bool supportQueued = false;
    QString current;

    bool isRoot(xcb_window_t window) const {
        return std::any_of(roots.begin(), roots.end(),
                           [&](const Root &root) { return root.window == window; });
    }
};

X11FocusWatch::X11FocusWatch(QObject *parent) : FocusWatch(parent), d_(std::make_unique<State>()) {
    d_->connection = qtX11Connection();
    if (d_->connection == nullptr) {
        return;
    }
    d_->application = QCoreApplication::instance();
    for (const std::uint32_t root : x11RootWindows(d_->connection)) {
        d_->roots.push_back({root});
    }
}

X11FocusWatch::~X11FocusWatch() {
    stop();
}

void X11FocusWatch::start() {
    if (d_->started || d_->connection == nullptr || !d_->application) {
        return;
    }
    d_->atoms = X11FocusAtoms::intern(d_->connection);
    if (!d_->atoms.complete()) {
        qCWarning(lcFocus) << "the X server did not name the atoms of the active window";
        return;
    }
    d_->started = true;
    for (Root &root : d_->roots) {
        const std::uint32_t mask = eventMaskOf(d_->connection, root.window);
        root.widenedHere = (mask & XCB_EVENT_MASK_PROPERTY_CHANGE) == 0;
        if (root.widenedHere) {
            setEventMask(d_->connection, root.window, mask | XCB_EVENT_MASK_PROPERTY_CHANGE);
        }
    }
    xcb_flush(d_->connection);
    d_->application->installNativeEventFilter(this);
    // The support check reads the front window itself when it finds the support new.
    const bool availableBefore = d_->available;
    readSupport();
    if (d_->available == availableBefore) {
        readActiveWindow();
    }
}

void X11FocusWatch::stop() {
    if (!d_->started) {
        return;
    }
    d_->started = false;
    // Without the application its connection is gone, and the event mask with it.
    if (!d_->application) {
        return;
    }
    d_->application->removeNativeEventFilter(this);
    for (const Root &root : d_->roots) {
        if (root.widenedHere) {
            setEventMask(d_->connection, root.window,
                         eventMaskOf(d_->connection, root.window) &
                             ~std::uint32_t{XCB_EVENT_MASK_PROPERTY_CHANGE});
        }
    }
    xcb_flush(d_->connection);
}

QString X11FocusWatch::application() const {
    return d_->current;
}

QString X11FocusWatch::unavailableReason() const {
    if (d_->connection == nullptr) {
        return QCoreApplication::translate("FocusWatch", "Not connected to an X11 display");
    }
    return d_->available
               ? QString()
               : QCoreApplication::translate(
                     "FocusWatch", "The window manager does not tell which window is active");
}

bool X11FocusWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (!d_->started || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) {
        return false;
    }
    const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
    if (!d_->isRoot(change->window)) {
        return false;
    }
    // Read later, outside the filter: a receiver of the signals may run anything, even a nested
    // event loop.
    const auto queue = [this](bool &queued, void (X11FocusWatch::*read)()) {
        if (!std::exchange(queued, true)) {
            QMetaObject::invokeMethod(
                this,
                [this, &queued, read] {
                    queued = false;
                    if (d_->started) {
                        (this->*read)();
                    }
                },
                Qt::QueuedConnection);
        }
    };
    if (change->atom == d_->atoms.activeWindow) {
        queue(d_->activeWindowQueued, &X11FocusWatch::readActiveWindow);
    } else if (change->atom == d_->atoms.supported) {
        queue(d_->supportQueued, &X11FocusWatch::readSupport);
    }
    return false;
}

void X11FocusWatch::readSupport() {
    const bool available =
        std::any_of(d_->roots.begin(), d_->roots.end(), [this](const Root &root) {
            return tellsActiveWindow(d_->connection, d_->atoms, root.window);
        });
    if (available == d_->available) {
        return;
    }
    d_->available = available;
    qCInfo(lcFocus) << (available ? "the window manager tells which window is active"
                                  : "the window manager does not tell which window is active");
    if (available) {
        readActiveWindow();
    }
    Q_EMIT availabilityChanged();
}

void X11FocusWatch::readActiveWindow() {
    for (const Root &root : d_->roots) {
        const std::uint32_t window = activeWindowOf(d_->connection, d_->atoms, root.window);
        if (window == XCB_WINDOW_NONE) {
            continue;
        }
        const X11WindowIdentity identity =
            identifyWindow(d_->connection, d_->atoms, window, static_cast<std::uint32_t>(getpid()));
        if (identity.kind == X11WindowIdentity::Kind::Ignored) {
            qCDebug(lcFocus) << "the active window" << Qt::hex << window << "does not count";
            return;
        }
        qCDebug(lcFocus) << "the active window" << Qt::hex << window << "is of"
                         << identity.application;
        if (identity.application != d_->current) {
            d_->current = identity.application;
            Q_EMIT applicationChanged(d_->current);
        }
        return;
    }
}
