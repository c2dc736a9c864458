// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/wlroots/WlrFocusWatch.h"

#include "focus/ApplicationId.h"
#include "focus/wlroots/FrontApplication.h"
#include "logging/LoggingCategories.h"

#include "qwayland-wlr-foreign-toplevel-management-unstable-v1.h"

#include <QGuiApplication>
#include <QtWaylandClient/QWaylandClientExtensionTemplate>

#include <wayland-client-core.h>

#include <memory>
#include <optional>
#include <vector>

namespace {
// The version whose events this watch reads; older compositors send a subset of them.
constexpr int protocolVersion = 3;

// The display is gone once the application is going: nothing may be sent to it any more.
bool displayUsable() {
    return QCoreApplication::instance() && !QCoreApplication::closingDown();
}
} // namespace

// One window as the compositor describes it. What arrives between two `done` events is one
// change, so the state others read is only replaced at `done`.
class WlrFocusWatch::Toplevel final : public QtWayland::zwlr_foreign_toplevel_handle_v1 {
public:
    Toplevel(::zwlr_foreign_toplevel_handle_v1 *object, WlrFocusWatch &watch)
        : QtWayland::zwlr_foreign_toplevel_handle_v1(object), watch_(watch) {}
    ~Toplevel() override {
        if (isInitialized() && displayUsable())
            destroy();
    }
    Toplevel(const Toplevel &) = delete;
    Toplevel &operator=(const Toplevel &) = delete;

    const ToplevelState &state() const { return state_; }
    bool closed() const { return closed_; }

protected:
    void zwlr_foreign_toplevel_handle_v1_app_id(const QString &appId) override {
        pending_.appId = usableApplicationId(appId);
    }
    void zwlr_foreign_toplevel_handle_v1_state(wl_array *states) override {
        pending_.activated = false;
        const auto *state = static_cast<const uint32_t *>(states->data);
        for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i)
            pending_.activated = pending_.activated || state[i] == state_activated;
    }
    void zwlr_foreign_toplevel_handle_v1_done() override {
        state_ = pending_;
        watch_.scheduleSettle();
    }
    void zwlr_foreign_toplevel_handle_v1_closed() override {
        closed_ = true;
        watch_.scheduleSettle();
    }

private:
    WlrFocusWatch &watch_;
    ToplevelState pending_;
    ToplevelState state_;
    bool closed_ = false;
};

// The compositor's list of windows, bound through Qt's own connection once the compositor
// offers it.
class WlrFocusWatch::Manager final : public QWaylandClientExtensionTemplate<WlrFocusWatch::Manager>,
                                     public QtWayland::zwlr_foreign_toplevel_manager_v1 {
public:
    explicit Manager(WlrFocusWatch &watch)
        : QWaylandClientExtensionTemplate<Manager>(protocolVersion), watch_(watch) {}
    ~Manager() override {
        toplevels_.clear();
        if (isInitialized() && !finished_ && displayUsable()) {
            if (following_)
                stop();
            wl_proxy_destroy(reinterpret_cast<wl_proxy *>(object()));
        }
    }
    Manager(const Manager &) = delete;
    Manager &operator=(const Manager &) = delete;

    // Qt has read the compositor's globals before the application runs, so once this returns
    // isActive() says whether the list is offered at all.
    void bindNow() { initialize(); }

    // Whether windows are followed: bound, and neither stopped nor ended by the compositor.
    bool following() const { return isInitialized() && following_ && !finished_; }

    void stopFollowing() {
        toplevels_.clear();
        if (following())
            stop();
        following_ = false;
    }

    // The windows still open, dropping those the compositor closed.
    std::vector<ToplevelState> states() {
        std::erase_if(toplevels_, [](const auto &toplevel) { return toplevel->closed(); });
        std::vector<ToplevelState> states;
        for (const auto &toplevel : toplevels_)
            states.push_back(toplevel->state());
        return states;
    }

protected:
    void
    zwlr_foreign_toplevel_manager_v1_toplevel(::zwlr_foreign_toplevel_handle_v1 *handle) override {
        auto toplevel = std::make_unique<Toplevel>(handle, watch_);
        // The compositor may still tell of new windows until it has seen the stop.
        if (following_)
            toplevels_.push_back(std::move(toplevel));
    }
    void zwlr_foreign_toplevel_manager_v1_finished() override {
        toplevels_.clear();
        wl_proxy_destroy(reinterpret_cast<wl_proxy *>(object()));
        finished_ = true;
        if (following_)
            watch_.becomeUnavailable(
                QCoreApplication::translate("FocusWatch", "The compositor stopped telling which "
                                                          "application is in front"));
    }

private:
    WlrFocusWatch &watch_;
    std::vector<std::unique_ptr<Toplevel>> toplevels_;
    bool following_ = true;
    bool finished_ = false;
};

WlrFocusWatch::WlrFocusWatch(QObject *parent) : FocusWatch(parent) {}

WlrFocusWatch::~WlrFocusWatch() = default;

void WlrFocusWatch::start() {
    if (manager_)
        return;
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        becomeUnavailable(QCoreApplication::translate(
            "FocusWatch", "Vantel does not run as a Wayland program here, so it "
                          "cannot tell which application is in front"));
        return;
    }
    ownAppId_ =
        ownAppId(QGuiApplication::desktopFileName(), QCoreApplication::applicationFilePath(),
                 QCoreApplication::organizationDomain());
    manager_ = std::make_unique<Manager>(*this);
    // A compositor may offer the list later, as when a plugin is loaded.
    connect(manager_.get(), &QWaylandClientExtension::activeChanged, this, [this] {
        if (manager_ && manager_->isActive() && !reason_.isEmpty()) {
            reason_.clear();
            Q_EMIT availabilityChanged();
        }
    });
    manager_->bindNow();
    if (!manager_->isActive())
        becomeUnavailable(QCoreApplication::translate(
            "FocusWatch", "This compositor does not tell which application is "
                          "in front"));
    else
        qCDebug(lcFocus, "following the compositor's list of windows");
}

void WlrFocusWatch::stop() {
    if (manager_)
        manager_->stopFollowing();
}

void WlrFocusWatch::becomeUnavailable(const QString &reason) {
    qCDebug(lcFocus).noquote() << reason;
    if (reason_ == reason)
        return;
    reason_ = reason;
    Q_EMIT availabilityChanged();
}

void WlrFocusWatch::scheduleSettle() {
    if (settling_)
        return;
    settling_ = true;
    QMetaObject::invokeMethod(this, &WlrFocusWatch::settle, Qt::QueuedConnection);
}

void WlrFocusWatch::settle() {
    settling_ = false;
    if (!manager_ || !manager_->following())
        return;
    const std::optional<QString> front =
        frontApplication(manager_->states(), ownAppId_, application_);
    if (!front || *front == application_)
        return;
    application_ = *front;
    qCDebug(lcFocus).noquote() << "the compositor activated" << application_;
    Q_EMIT applicationChanged(application_);
}
