// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/portal/PortalShortcutBackend.h"
#include "PrivateBus.h"

#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString toggleId = QStringLiteral("toggle");
const Qt::KeyboardModifiers superAlt = Qt::MetaModifier | Qt::AltModifier;

// The tests' own portal (tests/e2e/portal.py) on a private bus.
class FakePortal {
public:
    FakePortal(const PrivateBus &bus, const QStringList &options = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        environment.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("/usr/bin/python3"),
                       QStringList{QStringLiteral(VANTEL_TEST_PORTAL)} + options);
        ready_ = process_.waitForReadyRead(10000) && process_.readLine().trimmed() == "ready";
    }
    ~FakePortal() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    bool ready() const { return ready_; }

    QVariantList control(QDBusConnection &bus, const QString &method, const QVariantList &args) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                           QStringLiteral("/org/freedesktop/portal/desktop"),
                                           QStringLiteral("org.vantel.test.Portal"), method);
        call.setArguments(args);
        const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments();
    }

private:
    QProcess process_;
    bool ready_ = false;
};

class PortalShortcutBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus_.isRunning());
        portal_ = std::make_unique<FakePortal>(bus_, portalOptions());
        ASSERT_TRUE(portal_->ready());
        control_ = bus_.connect(QStringLiteral("control"));
        backend_ = std::make_unique<PortalShortcutBackend>(bus_.connect(QStringLiteral("app")));
    }

    virtual QStringList portalOptions() const { return {}; }

    void configure(const QString &answer, double delay = 0, bool otherHandle = false,
                   bool early = false) {
        portal_->control(control_, QStringLiteral("Configure"),
                         {answer, delay, otherHandle, early});
    }
    QJsonArray events(const QString &kind) {
        const QVariantList reply = portal_->control(control_, QStringLiteral("Events"), {});
        QJsonArray found;
        for (const auto &event :
             QJsonDocument::fromJson(reply.value(0).toString().toUtf8()).array())
            if (event[QStringLiteral("event")] == kind)
                found.append(event);
        return found;
    }
    bool grab(QString *error = nullptr) {
        return backend_->grabKey(toggleId, QStringLiteral("Switch the function keys"), Qt::Key_F,
                                 superAlt, error);
    }
    // The backend has seen the bind's answer once the portal sent it and the bus delivered it.
    void waitForBindAnswer() {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (const auto &response : events(QStringLiteral("response")))
                    for (const auto &bind : events(QStringLiteral("bind")))
                        if (response[QStringLiteral("path")] == bind[QStringLiteral("request")])
                            return true;
                return false;
            },
            10000));
        settle();
    }
    // Everything the portal sent before this round trip has reached the backend's slots.
    void settle() {
        events(QStringLiteral("none"));
        QDBusConnection app = QDBusConnection(QStringLiteral("app"));
        app.call(QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void press(const QString &session, const QString &id, bool release = false) {
        portal_->control(control_, QStringLiteral("Press"), {session, id, release});
    }

    PrivateBus bus_;
    std::unique_ptr<FakePortal> portal_;
    QDBusConnection control_{QString()};
    std::unique_ptr<PortalShortcutBackend> backend_;
};

struct BindCase {
    const char *name;
    const char *answer;
    double delay;
    bool otherHandle;
    bool early;
    bool bound;
};

class PortalBindTest : public PortalShortcutBackendTest,
                       public ::testing::WithParamInterface<BindCase> {};

TEST_P(PortalBindTest, BindsOnceAndHearsTheAnswerHoweverItComes) {
    const BindCase &row = GetParam();
    configure(QString::fromLatin1(row.answer), row.delay, row.otherHandle, row.early);
    QSignalSpy triggered(backend_.get(), &GlobalShortcutBackend::triggered);
    QSignalSpy failed(backend_.get(), &GlobalShortcutBackend::grabFailed);
    QSignalSpy grabbed(backend_.get(), &GlobalShortcutBackend::grabbed);
    ASSERT_TRUE(grab());
    waitForBindAnswer();

    const QJsonArray binds = events(QStringLiteral("bind"));
    ASSERT_EQ(binds.size(), 1);
    const QJsonObject created = events(QStringLiteral("create_session"))[0].toObject();
    const QJsonObject wanted{{QStringLiteral("id"), toggleId},
                             {QStringLiteral("description"), "Switch the function keys"},
                             {QStringLiteral("preferred_trigger"), "LOGO+ALT+f"}};
    EXPECT_EQ(binds[0][QStringLiteral("shortcuts")], QJsonArray{wanted});
    EXPECT_EQ(created[QStringLiteral("shortcuts")], QJsonArray{wanted}) << "offered at creation";
    EXPECT_EQ(binds[0][QStringLiteral("session")], created[QStringLiteral("session")]);
    ASSERT_EQ(grabbed.size(), row.bound ? 1 : 0);
    if (row.bound) {
        EXPECT_EQ(grabbed[0], (QVariantList{toggleId, QStringLiteral("Super+Alt+F")}));
    }

    press(QString(), toggleId);
    if (row.bound) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return triggered.size() == 1; }, 5000));
        EXPECT_EQ(triggered.value(0).value(0).toString(), toggleId);
        EXPECT_TRUE(failed.isEmpty());
    } else {
        settle();
        ASSERT_EQ(failed.size(), 1);
        EXPECT_EQ(failed[0][0].toString(), toggleId);
    }
    EXPECT_EQ(events(QStringLiteral("bind")).size(), 1) << "bound once, never again on its own";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PortalBindTest,
    ::testing::Values(BindCase{"Granted", "ok", 0, false, false, true},
                      BindCase{"GrantedLater", "ok", 0.3, false, false, true},
                      BindCase{"GrantedBeforeTheReply", "ok", 0, false, true, true},
                      BindCase{"GrantedAtAnotherHandle", "ok", 0, true, false, true},
                      // After the user's Add in its dialog, as one desktop answers.
                      BindCase{"ListedWithResponseOther", "listed-as-error", 0.1, false, false,
                               true},
                      BindCase{"Cancelled", "cancel", 0.2, false, false, false},
                      BindCase{"CancelledBeforeTheReply", "cancel", 0, false, true, false},
                      BindCase{"Error", "error", 0, false, false, false},
                      BindCase{"ErrorAtAnotherHandle", "error", 0.1, true, false, false}),
    [](const auto &row) { return row.param.name; });

TEST_F(PortalShortcutBackendTest, OnlyAPressOfOurShortcutInOurSessionTriggers) {
    QSignalSpy triggered(backend_.get(), &GlobalShortcutBackend::triggered);
    ASSERT_TRUE(grab());
    waitForBindAnswer();
    const QString session =
        events(QStringLiteral("create_session"))[0][QStringLiteral("session")].toString();
    press(session, toggleId, true);
    press(session, QStringLiteral("other"));
    press(session + QStringLiteral("x"), toggleId);
    // Presses arrive in order: once the last one has triggered, the others were heard too.
    press(session, toggleId);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !triggered.isEmpty(); }, 5000));
    settle();
    EXPECT_EQ(triggered.size(), 1);
}

TEST_F(PortalShortcutBackendTest, TheSessionIsClosedOnUngrabAndPressesEnd) {
    QSignalSpy triggered(backend_.get(), &GlobalShortcutBackend::triggered);
    ASSERT_TRUE(grab());
    waitForBindAnswer();
    const QString session =
        events(QStringLiteral("create_session"))[0][QStringLiteral("session")].toString();
    backend_->ungrabKey(toggleId);
    const QJsonArray closes = events(QStringLiteral("close"));
    ASSERT_EQ(closes.size(), 1);
    EXPECT_EQ(closes[0][QStringLiteral("session")], session);
    press(session, toggleId);
    settle();
    EXPECT_TRUE(triggered.isEmpty());
    backend_.reset();
    EXPECT_EQ(events(QStringLiteral("close")).size(), 1) << "closed once";
}

TEST_F(PortalShortcutBackendTest, DestructionClosesTheSession) {
    ASSERT_TRUE(grab());
    waitForBindAnswer();
    backend_.reset();
    EXPECT_EQ(events(QStringLiteral("close")).size(), 1);
}

TEST_F(PortalShortcutBackendTest, AnUngrabWhileTheSessionIsMadeClosesItWithoutBinding) {
    configure(QStringLiteral("ok"), 0.5);
    ASSERT_TRUE(grab());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !events(QStringLiteral("create_session")).isEmpty(); }, 5000));
    backend_->ungrabKey(toggleId);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !events(QStringLiteral("close")).isEmpty(); }, 5000));
    EXPECT_TRUE(events(QStringLiteral("bind")).isEmpty());
}

TEST_F(PortalShortcutBackendTest, TheDesktopEndingTheSessionIsAFailedGrab) {
    QSignalSpy failed(backend_.get(), &GlobalShortcutBackend::grabFailed);
    ASSERT_TRUE(grab());
    waitForBindAnswer();
    portal_->control(control_, QStringLiteral("CloseFromDesktop"), {QString()});
    EXPECT_TRUE(QTest::qWaitFor([&] { return failed.size() == 1; }, 5000));
}

TEST_F(PortalShortcutBackendTest, KeysWithoutAPortalNameAreRefusedAtOnce) {
    QString error;
    EXPECT_FALSE(backend_->grabKey(toggleId, {}, Qt::Key_Escape, superAlt, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(events(QStringLiteral("create_session")).isEmpty());
    EXPECT_EQ(
        PortalShortcutBackend::portalTrigger(Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier),
        QStringLiteral("CTRL+SHIFT+F5"));
    EXPECT_EQ(PortalShortcutBackend::portalTrigger(Qt::Key_7, Qt::MetaModifier),
              QStringLiteral("LOGO+7"));
}

// Desktops that bind what the session's creation offers answer a bind by opening their settings.
class PortalBindingOnCreateTest : public PortalShortcutBackendTest {
    QStringList portalOptions() const override { return {QStringLiteral("--bind-on-create")}; }
};

TEST_F(PortalBindingOnCreateTest, ASessionThatListsTheShortcutIsNeverAskedToBind) {
    QSignalSpy grabbed(backend_.get(), &GlobalShortcutBackend::grabbed);
    QSignalSpy triggered(backend_.get(), &GlobalShortcutBackend::triggered);
    ASSERT_TRUE(grab());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !grabbed.isEmpty(); }, 5000));
    EXPECT_EQ(grabbed[0], (QVariantList{toggleId, QStringLiteral("Super+Alt+F")}));
    press(QString(), toggleId);
    EXPECT_TRUE(QTest::qWaitFor([&] { return triggered.size() == 1; }, 5000));
    EXPECT_TRUE(events(QStringLiteral("bind")).isEmpty());
}

TEST_F(PortalBindingOnCreateTest, ARefusedSessionIsAFailedGrab) {
    configure(QStringLiteral("cancel"), 0.1);
    QSignalSpy failed(backend_.get(), &GlobalShortcutBackend::grabFailed);
    ASSERT_TRUE(grab());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !failed.isEmpty(); }, 5000));
    EXPECT_EQ(failed[0][0].toString(), toggleId);
    EXPECT_TRUE(events(QStringLiteral("bind")).isEmpty());
}

class PortalWithoutShortcutsTest : public PortalShortcutBackendTest {
    QStringList portalOptions() const override { return {QStringLiteral("--no-shortcuts")}; }
};

TEST_F(PortalWithoutShortcutsTest, AGrabFailsOnceAndQuietly) {
    QSignalSpy failed(backend_.get(), &GlobalShortcutBackend::grabFailed);
    ASSERT_TRUE(grab());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !failed.isEmpty(); }, 5000));
    settle();
    EXPECT_EQ(failed.size(), 1);
}

} // namespace
