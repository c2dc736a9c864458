// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "support/Journal.h"
#include "tray/StatusBar.h"
#include "tray/StatusButton.h"

#include <QMenu>
#include <QStringList>

#include <functional>
#include <memory>

// Records what is done to the button: every picture (or clearing) and every tooltip.
class FakeButton final : public StatusButton {
public:
    struct Call {
        QList<QImage> images; // empty for a cleared image
        bool isTemplate = false;
        QString name;
    };

    explicit FakeButton(Journal *journal = nullptr) : journal_(journal) {}

    void setImage(const PanelPicture &picture) override {
        note(journal_, "setImage");
        calls.push_back({picture.representations, picture.isTemplate, picture.name});
        lastPicture = picture;
        if (onImage)
            onImage();
    }
    void clearImage() override {
        note(journal_, "clearImage");
        calls.push_back({});
    }
    void prepareImage(const PanelPicture &picture) override { prepared.append(picture.name); }
    void setToolTip(const QString &text) override {
        note(journal_, "setToolTip");
        toolTips.push_back(text);
    }
    QRect bounds() const override { return geometry; }

    // The first representation of the last picture; a null image when there is none.
    QImage lastImage() const { return calls.empty() ? QImage() : calls.back().images.value(0); }

    std::vector<Call> calls;
    PanelPicture lastPicture;
    // The names of the pictures made ready, in order.
    QStringList prepared;
    QStringList toolTips;
    // Runs after every picture, as a tray would repaint.
    std::function<void()> onImage;
    QRect geometry;

private:
    Journal *journal_;
};

// Keeps the menu it is asked to show instead of showing it.
class FakeStatusItem final : public StatusItem {
public:
    FakeStatusItem(Journal *journal, bool withButton)
        : button_(withButton ? std::make_unique<FakeButton>(journal) : nullptr) {
        if (button_)
            button_->geometry = {1000, 0, 22, 24};
    }

    StatusButton *button() override { return button_.get(); }
    void setAction(std::function<void(Click)> action) override { action_ = std::move(action); }
    void popUpMenu(std::unique_ptr<QMenu> shown, QPoint at) override {
        menu = std::move(shown);
        location = at;
        ++popUps;
    }

    void setMenu(std::unique_ptr<QMenu> exported) override { panelMenu = std::move(exported); }
    void setIconColorPreference(IconColorPreference preference) override { iconColor = preference; }

    // A click on the item, as the panel would deliver it.
    void click(Click click) {
        if (action_)
            action_(click);
    }
    FakeButton *fakeButton() { return button_.get(); }

    std::unique_ptr<QMenu> menu;
    // The menu a notifier host would show over dbusmenu.
    std::unique_ptr<QMenu> panelMenu;
    IconColorPreference iconColor = IconColorPreference::automatic;
    QPoint location;
    int popUps = 0;

private:
    std::unique_ptr<FakeButton> button_;
    std::function<void(Click)> action_;
};

class FakeStatusBar final : public StatusBar {
public:
    explicit FakeStatusBar(Journal *journal = nullptr) : journal_(journal) {}

    std::unique_ptr<StatusItem> makeStatusItem() override {
        note(journal_, "makeStatusItem");
        auto item = std::make_unique<FakeStatusItem>(journal_, withButton);
        made = item.get();
        return item;
    }

    bool withButton = true;
    // The last item made; it belongs to whoever asked for it.
    FakeStatusItem *made = nullptr;

private:
    Journal *journal_;
};
