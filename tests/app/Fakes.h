#pragma once

#include "AboutPanel.h"
#include "Application.h"
#include "BundleInfo.h"
#include "NotificationCenter.h"
#include "StatusBar.h"
#include "StatusButton.h"
#include "WorkQueue.h"

#include <QMenu>
#include <QVariantMap>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// One journal shared by the fakes, so tests can check the order of steps across them.
using Journal = std::vector<std::string>;

class FakeButton final : public StatusButton {
public:
    explicit FakeButton(Journal &journal) : journal_(journal) {}
    void setImage(const QList<QImage> &representations, bool isTemplate) override {
        journal_.push_back("setImage");
        images.push_back(representations.value(0));
        lastIsTemplate = isTemplate;
    }
    void clearImage() override { journal_.push_back("clearImage"); }
    void setToolTip(const QString &text) override {
        journal_.push_back("setToolTip");
        toolTips.push_back(text);
    }
    QRect bounds() const override { return {1000, 0, 22, 24}; }

    std::vector<QImage> images;
    bool lastIsTemplate = false;
    QStringList toolTips;

private:
    Journal &journal_;
};

class FakeStatusItem final : public StatusItem {
public:
    FakeStatusItem(Journal &journal, bool withButton)
        : button_(withButton ? std::make_unique<FakeButton>(journal) : nullptr) {}
    StatusButton *button() override { return button_.get(); }
    void setAction(std::function<void()> a) override { action = std::move(a); }
    void popUpMenu(std::unique_ptr<QMenu> m, QPoint at) override {
        menu = std::move(m);
        location = at;
        ++popUps;
    }

    std::function<void()> action;
    std::unique_ptr<QMenu> menu;
    QPoint location;
    int popUps = 0;

private:
    std::unique_ptr<FakeButton> button_;
};

class FakeStatusBar final : public StatusBar {
public:
    explicit FakeStatusBar(Journal &journal) : journal_(journal) {}
    std::unique_ptr<StatusItem> makeStatusItem() override {
        journal_.push_back("makeStatusItem");
        auto item = std::make_unique<FakeStatusItem>(journal_, withButton);
        made = item.get();
        return item;
    }

    bool withButton = true;
    FakeStatusItem *made = nullptr;

private:
    Journal &journal_;
};

class FakeApplication final : public Application {
public:
    explicit FakeApplication(Journal &journal) : journal_(journal) {}
    std::optional<InputEvent> currentEvent() const override { return event; }
    void activateIgnoringOtherApps() override { journal_.push_back("activate"); }
    void terminate() override { journal_.push_back("terminate"); }

    std::optional<InputEvent> event;

private:
    Journal &journal_;
};

class FakeNotificationCenter final : public NotificationCenter {
public:
    explicit FakeNotificationCenter(Journal &journal) : journal_(journal) {}
    void requestAuthorization() override { journal_.push_back("requestAuthorization"); }
    void add(const NotificationRequest &request) override { requests.push_back(request); }

    std::vector<NotificationRequest> requests;

private:
    Journal &journal_;
};

class FakeAboutPanel final : public AboutPanel {
public:
    explicit FakeAboutPanel(Journal &journal) : journal_(journal) {}
    void orderFront(const AboutPanelOptions &options) override {
        journal_.push_back("orderFront");
        shown.push_back(options);
    }

    std::vector<AboutPanelOptions> shown;

private:
    Journal &journal_;
};

class FakeBundleInfo final : public BundleInfo {
public:
    QVariant objectForInfoDictionaryKey(const QString &key) const override {
        return values.value(key);
    }

    QVariantMap values;
};

// Holds the work until the test runs it, so every step of a toggle can be looked at.
class ManualWorkQueue final : public WorkQueue {
public:
    void runInBackground(std::function<void()> work) override { background.push_back(work); }
    void runOnMain(std::function<void()> work) override { main.push_back(work); }

    // Runs everything queued, background first, as the real queues would.
    void drain() {
        while (!background.empty() || !main.empty()) {
            auto &queue = background.empty() ? main : background;
            const auto work = queue.front();
            queue.pop_front();
            work();
        }
    }

    std::deque<std::function<void()>> background;
    std::deque<std::function<void()>> main;
};
