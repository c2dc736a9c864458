#include "QtApplication.h"
#include "StatusButton.h"
#include "TrayStatusBar.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QPointer>

#include <gtest/gtest.h>

namespace {

struct ActivationCase {
    QSystemTrayIcon::ActivationReason reason;
    Qt::KeyboardModifiers modifiers;
    std::optional<InputEvent> click;
};

class ActivationTest : public ::testing::TestWithParam<ActivationCase> {};

TEST_P(ActivationTest, MapsTrayActivationsToClicks) {
    const auto click = clickForActivation(GetParam().reason, GetParam().modifiers);
    ASSERT_EQ(click.has_value(), GetParam().click.has_value());
    if (click) {
        EXPECT_EQ(click->type, GetParam().click->type);
        EXPECT_EQ(click->controlHeld, GetParam().click->controlHeld);
    }
}

using T = InputEvent::Type;
INSTANTIATE_TEST_SUITE_P(
    Reasons, ActivationTest,
    ::testing::Values(
        ActivationCase{QSystemTrayIcon::Trigger, {}, InputEvent{T::leftMouseUp, false}},
        ActivationCase{QSystemTrayIcon::Trigger, Qt::ControlModifier,
                       InputEvent{T::leftMouseUp, true}},
        ActivationCase{QSystemTrayIcon::Trigger, Qt::ShiftModifier,
                       InputEvent{T::leftMouseUp, false}},
        ActivationCase{QSystemTrayIcon::Context, {}, InputEvent{T::rightMouseUp, false}},
        ActivationCase{QSystemTrayIcon::DoubleClick, {}, std::nullopt},
        ActivationCase{QSystemTrayIcon::MiddleClick, {}, std::nullopt},
        ActivationCase{QSystemTrayIcon::Unknown, {}, std::nullopt}));

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
    QtApplication application;
    TrayStatusItem item{application};
    QSystemTrayIcon *tray = item.findChild<QSystemTrayIcon *>();
};

TEST_F(TrayStatusItemTest, TemplatePicturesFollowThePaletteAndAppearWithTheFirstPicture) {
    ASSERT_NE(tray, nullptr);
    EXPECT_FALSE(tray->isVisible());
    setInk(Qt::red);
    item.button()->setImage({blackAt(1), blackAt(2)}, true);
    EXPECT_TRUE(tray->isVisible());
    EXPECT_EQ(shownColour(), QColor(Qt::red));
    EXPECT_EQ(tray->icon().availableSizes().size(), 2);

    setInk(Qt::blue);
    EXPECT_EQ(shownColour(), QColor(Qt::blue));

    item.button()->setImage({blackAt(1)}, false);
    EXPECT_EQ(shownColour(), QColor(Qt::black));
}

TEST_F(TrayStatusItemTest, DeliversClicksAsTheCurrentEventAndIgnoresDoubleClicks) {
    std::vector<std::optional<InputEvent>> seen;
    item.setAction([&] { seen.push_back(application.currentEvent()); });
    emit tray->activated(QSystemTrayIcon::Context);
    emit tray->activated(QSystemTrayIcon::DoubleClick);
    ASSERT_EQ(seen.size(), 1u);
    ASSERT_TRUE(seen[0].has_value());
    EXPECT_EQ(seen[0]->type, InputEvent::Type::rightMouseUp);
    EXPECT_FALSE(application.currentEvent().has_value());
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
