// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/StatusButton.h"
#include "tray/TrayStatusBar.h"
#include "tray/icons/Tint.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QPointer>

#include <gtest/gtest.h>

namespace {

struct ActivationCase {
    QSystemTrayIcon::ActivationReason reason;
    Qt::KeyboardModifiers modifiers;
    std::optional<Click> click;
};

class ActivationTest : public ::testing::TestWithParam<ActivationCase> {};

TEST_P(ActivationTest, MapsTrayActivationsToClicks) {
    EXPECT_EQ(clickForActivation(GetParam().reason, GetParam().modifiers), GetParam().click);
}

using B = Click::Button;
INSTANTIATE_TEST_SUITE_P(
    Reasons, ActivationTest,
    ::testing::Values(
        ActivationCase{QSystemTrayIcon::Trigger, {}, Click{B::left, false}},
        ActivationCase{QSystemTrayIcon::Trigger, Qt::ControlModifier, Click{B::left, true}},
        ActivationCase{QSystemTrayIcon::Trigger, Qt::ShiftModifier, Click{B::left, false}},
        ActivationCase{QSystemTrayIcon::Context, {}, Click{B::right, false}},
        ActivationCase{QSystemTrayIcon::DoubleClick, {}, std::nullopt},
        ActivationCase{QSystemTrayIcon::MiddleClick, {}, std::nullopt},
        ActivationCase{QSystemTrayIcon::Unknown, {}, std::nullopt}));

// Every pixel keeps its coverage; wherever anything shows, the colour is the ink's, scaled by
// that coverage as premultiplied pixels are.
TEST(TintTest, KeepsCoverageAndReplacesColour) {
    QImage image(16, 4, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            image.setPixelColor(x, y, QColor(x * 16, y * 60, 90, x * 17));
    image.setDevicePixelRatio(2);
    const QImage red = tinted(image, QColor(200, 0, 0));
    EXPECT_EQ(red.devicePixelRatio(), 2);
    for (int x = 0; x < image.width(); ++x) {
        const QColor before = image.pixelColor(x, 1), after = red.pixelColor(x, 1);
        EXPECT_NEAR(after.alpha(), before.alpha(), 1) << x;
        if (after.alpha() > 64) {
            EXPECT_NEAR(after.red(), 200, 4) << x;
            EXPECT_EQ(after.green(), 0) << x;
            EXPECT_EQ(after.blue(), 0) << x;
        }
    }
    EXPECT_TRUE(tinted(QImage(), Qt::red).isNull());
}

QImage blackAt(qreal ratio) {
    QImage image(QSize(24, 20) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    image.setDevicePixelRatio(ratio);
    return image;
}

class TrayStatusItemTest : public ::testing::Test {
protected:
    void TearDown() override { QApplication::setPalette(original); }

    void setInk(const QColor &colour) {
        QPalette palette = original;
        palette.setColor(QPalette::WindowText, colour);
        QApplication::setPalette(palette);
    }
    QColor shownColour() { return tray->icon().pixmap(QSize(24, 20)).toImage().pixelColor(12, 10); }

    const QPalette original = QApplication::palette();
    TrayStatusItem item;
    QSystemTrayIcon *tray = item.findChild<QSystemTrayIcon *>();
};

TEST_F(TrayStatusItemTest, TemplatePicturesFollowThePaletteAndAppearWithTheFirstPicture) {
    ASSERT_NE(tray, nullptr);
    EXPECT_FALSE(tray->isVisible());
    setInk(Qt::red);
    item.button()->setImage(PanelPicture{{blackAt(1), blackAt(2)}, true, {}, {}, {}});
    EXPECT_TRUE(tray->isVisible());
    EXPECT_EQ(shownColour(), QColor(Qt::red));
    EXPECT_EQ(tray->icon().availableSizes().size(), 2);

    setInk(Qt::blue);
    EXPECT_EQ(shownColour(), QColor(Qt::blue));

    item.button()->setImage(PanelPicture{{blackAt(1)}, false, {}, {}, {}});
    EXPECT_EQ(shownColour(), QColor(Qt::black));
}

TEST_F(TrayStatusItemTest, DeliversClicksAsValuesAndIgnoresDoubleClicks) {
    std::vector<Click> seen;
    item.setAction([&](Click click) { seen.push_back(click); });
    emit tray->activated(QSystemTrayIcon::Context);
    emit tray->activated(QSystemTrayIcon::DoubleClick);
    emit tray->activated(QSystemTrayIcon::Trigger);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].button, Click::Button::right);
    EXPECT_EQ(seen[1].button, Click::Button::left);
}

TEST_F(TrayStatusItemTest, AMenuIsShownOnceAndGoesAwayWhenItCloses) {
    item.button()->setToolTip(QStringLiteral("tip"));
    EXPECT_EQ(tray->toolTip(), QStringLiteral("tip"));

    auto first = std::make_unique<QMenu>();
    first->addAction(QStringLiteral("entry"));
    QPointer<QMenu> shown = first.get();
    item.popUpMenu(std::move(first), QPoint(0, 27));
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->isVisible());

    auto second = std::make_unique<QMenu>();
    second->addAction(QStringLiteral("entry"));
    QPointer<QMenu> replacement = second.get();
    item.popUpMenu(std::move(second), QPoint(0, 27));
    EXPECT_FALSE(shown);

    replacement->hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(replacement);
}

} // namespace
