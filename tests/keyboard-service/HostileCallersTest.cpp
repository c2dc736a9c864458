// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"

#include <QDBusPendingCall>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString cancelledError = QStringLiteral("org.vantel.Keyboard1.Error.Cancelled");
const QString accessDenied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");

class HostileCallersTest : public ServiceFixture {
protected:
    QDBusPendingCall send(QDBusConnection &bus, const QString &member,
                          const QVariantList &arguments = {}) {
        return bus.asyncCall(ServiceBus::serviceCall(member, arguments), 60000);
    }
};

// Another user's agent that never answers: its checks are capped and give way, and the bus's
// limit on replies the service awaits (128) is never reached.
TEST_F(HostileCallersTest, HeldChecksNeverLockOutAnAuthorisedCaller) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    QList<QDBusPendingCall> held;
    for (int c = 0; c < 20; ++c) {
        QDBusConnection hostile = bus_->connect(QStringLiteral("hostile-%1").arg(c));
        authority_->holdFrom(hostile.baseService());
        for (int i = 0; i < 10; ++i)
            held.append(send(hostile, QStringLiteral("SetMode"), {"hardware-keys"}));
    }
    const auto finished = [&] {
        return std::count_if(held.begin(), held.end(), [](auto &c) { return c.isFinished(); });
    };
    // Each caller keeps one check, and this user (the tests' only one) eight.
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished() == 192; }, 30000)) << finished();
    ASSERT_TRUE(QTest::qWaitFor([&] { return authority_->waiting() == 8; }, 10000));
    for (const QDBusPendingCall &call : held) {
        if (call.isFinished()) {
            EXPECT_EQ(call.reply().errorName(), cancelledError)
                << qPrintable(call.reply().errorMessage());
        }
    }
    // Checks that reached the authority were cancelled there, but for the eight still held.
    EXPECT_EQ(authority_->cancellations().size(), authority_->requests().size() - 8);

    EXPECT_EQ(setMode(QStringLiteral("function-keys")).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(sysfs_.value(id), "2");
}

TEST_F(HostileCallersTest, ChecksAreCancelledWhenReplacedLeftOrTooSlow) {
    sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    authority_->holdFrom(client_.baseService());
    QDBusPendingCall first = send(client_, QStringLiteral("SetMode"), {"hardware-keys"});
    QDBusPendingCall second = send(client_, QStringLiteral("SetMode"), {"function-keys"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.isFinished(); }, 10000));
    EXPECT_TRUE(first.reply().errorMessage().contains("replaced"))
        << qPrintable(first.reply().errorMessage());
    ASSERT_TRUE(QTest::qWaitFor([&] { return authority_->requests().size() == 2; }, 10000));
    EXPECT_EQ(authority_->cancellations(), QStringList{authority_->requests()[0].cancellationId});

    {
        QDBusConnection leaver = bus_->connect(QStringLiteral("leaver"));
        authority_->holdFrom(leaver.baseService());
        send(leaver, QStringLiteral("SetMode"), {"hardware-keys"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return authority_->requests().size() == 3; }, 10000));
    } // the last reference: the connection closes
    QDBusConnection::disconnectFromBus(QStringLiteral("leaver"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return authority_->cancellations().size() == 2; }, 10000));
    EXPECT_EQ(authority_->cancellations()[1], authority_->requests()[2].cancellationId);
    EXPECT_FALSE(second.isFinished());

    startBus(0, true, true, {"--check-timeout", "1"});
    authority_->hold();
    const QDBusMessage late = setMode(QStringLiteral("function-keys"));
    EXPECT_EQ(late.errorName(), cancelledError);
    EXPECT_TRUE(QTest::qWaitFor([&] { return authority_->cancellations().size() == 1; }, 10000));
}

// Apply asks like SetMode, but only when a switch differs from the kept mode.
TEST_F(HostileCallersTest, ApplyIsCheckedAndANoOpWhenEverySwitchHoldsTheKeptMode) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    const QDBusMessage set = setMode(QStringLiteral("function-keys"));
    ASSERT_EQ(set.type(), QDBusMessage::ReplyMessage) << qPrintable(set.errorMessage());
    const QFileInfo attribute(sysfs_.root() + QLatin1Char('/') + id);
    const QDateTime written = attribute.lastModified();
    authority_->setAnswer(false);
    EXPECT_EQ(call(QStringLiteral("Apply")).arguments().value(0).toUInt(), 1u);
    EXPECT_EQ(authority_->requests().size(), 1);
    EXPECT_EQ(QFileInfo(attribute.filePath()).lastModified(), written);

    QFile reset(attribute.filePath());
    ASSERT_TRUE(reset.open(QIODevice::WriteOnly) && reset.write("3\n") == 2);
    reset.close();
    EXPECT_EQ(call(QStringLiteral("Apply")).errorName(), accessDenied);
    EXPECT_EQ(sysfs_.value(id), "3");
    authority_->setAnswer(true);
    EXPECT_EQ(call(QStringLiteral("Apply")).arguments().value(0).toUInt(), 1u);
    EXPECT_EQ(sysfs_.value(id), "2");
}

} // namespace
