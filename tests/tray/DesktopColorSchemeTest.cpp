// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/colours/DesktopColorScheme.h"
#include "PrivateBus.h"
#include "tray/colours/PanelModeWatch.h"

#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Scheme = DesktopColorScheme::Scheme;

// The portal's Settings interface as xdg-desktop-portal serves it; `version` 1 portals know
// only Read, which wraps the value in a second variant.
class FakeSettingsPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    int version = 2;
    uint scheme = 1;
    int reads = 0;

public slots:
    QDBusVariant ReadOne(const QString &group, const QString &key) {
        ++reads;
        if (version < 2) {
            sendErrorReply(QDBusError::UnknownMethod, QStringLiteral("no such method"));
            return {};
        }
        return QDBusVariant(valueOf(group, key));
    }
    QDBusVariant Read(const QString &group, const QString &key) {
        ++reads;
        return QDBusVariant(QVariant::fromValue(QDBusVariant(valueOf(group, key))));
    }

public:
    QDBusConnection connection_{QString()};

private:
    QVariant valueOf(const QString &group, const QString &key) const {
        if (group == u"org.freedesktop.appearance" && key == u"color-scheme")
            return QVariant::fromValue(scheme);
        return QVariant::fromValue(QString());
    }
};

class ColorSchemeTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.isRunning());
        portal.version = GetParam();
        portal.connection_ = bus.connect(QStringLiteral("portal"));
        ASSERT_TRUE(portal.connection_.registerService("org.freedesktop.portal.Desktop"));
        ASSERT_TRUE(portal.connection_.registerObject("/org/freedesktop/portal/desktop", &portal,
                                                      QDBusConnection::ExportAllSlots));
    }

    void emitSetting(const QString &group, const QString &key, uint value) {
        QDBusMessage signal = QDBusMessage::createSignal(
            "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Settings", "SettingChanged");
        signal << group << key << QVariant::fromValue(QDBusVariant(QVariant::fromValue(value)));
        portal.connection_.send(signal);
    }

    PrivateBus bus;
    FakeSettingsPortal portal;
};

TEST_P(ColorSchemeTest, ReadsTheSchemeAndFollowsItsChanges) {
    DesktopColorScheme desktop(bus.connect(QStringLiteral("app")).name());
    QSignalSpy changes(&desktop, &DesktopColorScheme::changed);
    EXPECT_EQ(desktop.scheme(), Scheme::noPreference); // the answer comes later, never blocking
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.scheme() == Scheme::dark; }, 10000));

    emitSetting("org.freedesktop.appearance", "accent-color", 2); // another key
    emitSetting("org.freedesktop.appearance", "color-scheme", 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.scheme() == Scheme::light; }, 10000));
    emitSetting("org.freedesktop.appearance", "color-scheme", 7); // unknown: no preference
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.scheme() == Scheme::noPreference; }, 10000));
    EXPECT_EQ(changes.count(), 3);
}

INSTANTIATE_TEST_SUITE_P(PortalVersions, ColorSchemeTest, ::testing::Values(1, 2));

TEST(ColorScheme, WithoutAPortalThereIsNoPreference) {
    PrivateBus bus;
    DesktopColorScheme desktop(bus.connect(QStringLiteral("lonely")).name());
    QSignalSpy changes(&desktop, &DesktopColorScheme::changed);
    // Replies come in order: once a later call is answered, the reading's failure is in too.
    const QDBusMessage ping = QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.Peer", "Ping");
    QDBusPendingCallWatcher later(bus.connect(QStringLiteral("lonely")).asyncCall(ping));
    ASSERT_TRUE(QTest::qWaitFor([&] { return later.isFinished(); }, 10000));
    EXPECT_EQ(desktop.scheme(), Scheme::noPreference);
    EXPECT_EQ(changes.count(), 0);
    DesktopColorScheme noBus(QStringLiteral("never-connected"));
    EXPECT_EQ(noBus.scheme(), Scheme::noPreference);
}

TEST(ColorScheme, ValuesAreUnwrappedAsEachPortalWrapsThem) {
    const QVariant one = QVariant::fromValue(1u);
    EXPECT_EQ(colorSchemeFromValue(one), Scheme::dark);
    EXPECT_EQ(colorSchemeFromValue(QVariant::fromValue(QDBusVariant(QVariant::fromValue(2u)))),
              Scheme::light);
    EXPECT_EQ(colorSchemeFromValue(
                  QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(one))))),
              Scheme::dark);
    EXPECT_EQ(colorSchemeFromValue(QVariant::fromValue(QStringLiteral("dark"))),
              Scheme::noPreference);
    EXPECT_EQ(colorSchemeFromValue(QVariant::fromValue(0u)), Scheme::noPreference);
}

} // namespace

#include "DesktopColorSchemeTest.moc"

// Xfce's panel: the store announces the mode, then the panel hands it to its plugins' processes.
TEST(PanelModeWatch, HearsTheModeSwitchAndWhatThePanelHandsItsPlugins) {
    PrivateBus bus;
    PanelModeWatch watch(bus.connect(QStringLiteral("watching")).name());
    QSignalSpy changes(&watch, &PanelModeWatch::changed);
    QDBusConnection panel = bus.connect(QStringLiteral("panel"));
    const auto stored = [&](const QString &channel, const QString &property) {
        QDBusMessage signal =
            QDBusMessage::createSignal("/org/xfce/Xfconf", "org.xfce.Xfconf", "PropertyChanged");
        signal << channel << property << QVariant::fromValue(QDBusVariant(true));
        panel.send(signal);
    };
    stored("xfce4-panel", "/panels/panel-1/size");
    stored("xsettings", "/panels/dark-mode");
    stored("xfce4-panel", "/panels/dark-mode");
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() == 1; }, 10000));
    QDBusMessage handed =
        QDBusMessage::createSignal("/org/xfce/Panel/Wrapper/2", "org.xfce.Panel.Wrapper", "Set");
    handed << QVariant::fromValue(QDBusVariant(2u));
    panel.send(handed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() == 2; }, 10000));
    QTest::qWait(100);
    EXPECT_EQ(changes.count(), 2);
}
