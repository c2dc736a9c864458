// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/gnome/GnomeFocusWatch.h"
#include "PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString legacyId = QStringLiteral("focus@vantel.org");
const QString modernId = QStringLiteral("focus-45@vantel.org");

// The shell's side: its extension registry, and the calls its extension makes.
class FakeShell : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.Extensions")
public:
    QHash<QString, int> states;
    int listenings = 0;

public Q_SLOTS:
    Q_SCRIPTABLE QVariantMap GetExtensionInfo(const QString &id) {
        if (!states.contains(id))
            return {};
        return {{QStringLiteral("uuid"), id}, {QStringLiteral("state"), double(states[id])}};
    }
    void listening() { ++listenings; }

Q_SIGNALS:
    Q_SCRIPTABLE void ExtensionStateChanged(const QString &id, const QVariantMap &info);
};

class GnomeFocusWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus.isRunning());
        ASSERT_TRUE(shellSide.registerService(QStringLiteral("org.gnome.Shell")));
        ASSERT_TRUE(shellSide.registerObject(QStringLiteral("/org/gnome/Shell"), &shell,
                                             QDBusConnection::ExportScriptableContents));
        shellSide.connect({}, QStringLiteral("/org/vantel/Vantel/Focus"),
                          QStringLiteral("org.vantel.Vantel.Focus"), QStringLiteral("Listening"),
                          &shell, SLOT(listening()));
    }

    // The extension's call, from `from`, answered before it returns.
    static void report(QDBusConnection from, const QString &vantel, const QString &id) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            vantel, QStringLiteral("/org/vantel/Vantel/Focus"),
            QStringLiteral("org.vantel.Vantel.Focus"), QStringLiteral("ApplicationFocused"));
        call << id;
        QDBusPendingCall pending = from.asyncCall(call);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 10000));
        EXPECT_FALSE(pending.isError()) << pending.error().message().toStdString();
    }

    PrivateBus bus;
    QDBusConnection shellSide = bus.connect(QStringLiteral("shell"));
    QDBusConnection vantelSide = bus.connect(QStringLiteral("vantel"));
    FakeShell shell;
};

TEST_F(GnomeFocusWatchTest, TheReasonFollowsTheExtensionsStateAsTheShellTellsIt) {
    // The shell of GNOME 45 or later: the build for 43 and 44 cannot run there.
    shell.states = {{legacyId, 4}, {modernId, 2}};
    GnomeFocusWatch watch(vantelSide);
    QSignalSpy changed(&watch, &FocusWatch::availabilityChanged);
    watch.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.unavailableReason().startsWith(u"Turn on"); }));
    // The shell's numbers: 1 running, 2 turned off, 3 failed, 4 made for another version.
    const std::vector<std::pair<int, QString>> steps = {
        {1, QString()},
        {3, QStringLiteral("Vantel's GNOME extension failed to start")},
        {1, QString()},
        {2, QStringLiteral("Turn on Vantel in GNOME Extensions")}};
    for (const auto &[state, reason] : steps) {
        changed.clear();
        Q_EMIT shell.ExtensionStateChanged(modernId, {{QStringLiteral("state"), double(state)}});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !changed.isEmpty(); })) << state;
        EXPECT_EQ(reason, watch.unavailableReason()) << state;
    }
    // The shell leaving the bus leaves nothing running, nor anything known.
    changed.clear();
    shellSide.unregisterService(QStringLiteral("org.gnome.Shell"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !changed.isEmpty(); }));
    EXPECT_EQ(QStringLiteral("Log out and in, then turn on Vantel in GNOME Extensions"),
              watch.unavailableReason());
}

TEST_F(GnomeFocusWatchTest, OnlyTheShellsReportsOfPlausibleOtherApplicationsCount) {
    shell.states = {{legacyId, 1}};
    GnomeFocusWatch watch(vantelSide);
    QSignalSpy changed(&watch, &FocusWatch::applicationChanged);
    watch.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shell.listenings == 1; }));
    const QString vantel = vantelSide.baseService();
    QDBusConnection other = bus.connect(QStringLiteral("other"));
    report(shellSide, vantel, QStringLiteral("org.gnome.Terminal"));
    report(shellSide, vantel, QStringLiteral("org.gnome.Terminal"));
    report(other, vantel, QStringLiteral("org.gnome.Calculator"));
    report(shellSide, vantel, QStringLiteral("org.vantel.Vantel"));
    report(shellSide, vantel, QString(256, QLatin1Char('a')));
    report(shellSide, vantel, QStringLiteral("evil\nid"));
    report(shellSide, vantel, QString());
    report(shellSide, vantel, QString(255, QLatin1Char('b')));
    const QStringList expected = {QStringLiteral("org.gnome.Terminal"), QString(),
                                  QString(255, QLatin1Char('b'))};
    QStringList seen;
    for (const QList<QVariant> &args : changed)
        seen << args.at(0).toString();
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(expected.last(), watch.application());

    // Stopped, the object is gone from the bus.
    watch.stop();
    QDBusMessage call = QDBusMessage::createMethodCall(
        vantel, QStringLiteral("/org/vantel/Vantel/Focus"),
        QStringLiteral("org.vantel.Vantel.Focus"), QStringLiteral("ApplicationFocused"));
    QDBusPendingCall pending = shellSide.asyncCall(call << QStringLiteral("x"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 10000));
    EXPECT_TRUE(pending.isError());
}

} // namespace

#include "GnomeFocusWatchTest.moc"
