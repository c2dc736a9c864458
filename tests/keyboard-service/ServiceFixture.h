// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "FakePolkitAuthority.h"
#include "FakeSysfs.h"
#include "QtPrinters.h"
#include "ServiceBus.h"
#include "keyboard-service/KeyboardBusTypes.h"

#include <QDBusVariant>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A fake sysfs tree, a state directory and a private bus on which the service is started on
// demand, with a polkit authority of the test's own that says yes unless told otherwise.
class ServiceFixture : public ::testing::Test {
protected:
    void SetUp() override {
        registerKeyboardBusTypes();
        startBus(0);
    }

    void startBus(int idleSeconds, bool activatable = true, bool withAuthority = true,
                  const QStringList &extraArguments = {}) {
        authority_.reset();
        bus_.reset();
        bus_ = std::make_unique<ServiceBus>(ServiceBus::Options{
            sysfs_.root(), state_.path(), idleSeconds, activatable,
            inputDir_.isEmpty() ? input_.path() : inputDir_, config_, extraArguments});
        ASSERT_TRUE(bus_->isRunning());
        static int serial = 0;
        ++serial;
        client_ = bus_->connect(QStringLiteral("client-%1").arg(serial));
        if (withAuthority) {
            authority_ = std::make_unique<FakePolkitAuthority>(
                bus_->connect(QStringLiteral("authority-%1").arg(serial)));
            ASSERT_TRUE(authority_->isRegistered());
        }
    }

    QDBusMessage call(const QString &member, const QVariantList &arguments = {}) {
        return ServiceBus::call(client_, ServiceBus::serviceCall(member, arguments));
    }

    QDBusMessage setMode(const QString &mode) { return call(QStringLiteral("SetMode"), {mode}); }

    QVariant property(const QString &name) {
        const QDBusMessage reply =
            call(QStringLiteral("Get"), {QStringLiteral("org.vantel.Keyboard1"), name});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << qPrintable(reply.errorMessage());
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    QString keptMode() { return property(QStringLiteral("Mode")).toString(); }

    KeyboardEntries keyboards() {
        KeyboardEntries entries;
        property(QStringLiteral("Keyboards")).value<QDBusArgument>() >> entries;
        return entries;
    }

    struct Run {
        int exitCode = -1;
        QString output;
    };

    // Runs a built program against the bus while this process keeps answering for polkit.
    Run run(const QString &program, const QStringList &arguments) {
        return runProgram(ServiceBus::binary(program), arguments);
    }

    Run runProgram(const QString &path, const QStringList &arguments) {
        QProcess process;
        process.setProcessEnvironment(bus_->environment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(path, arguments);
        const bool finished =
            QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000);
        EXPECT_TRUE(finished) << qPrintable(path);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAll())};
    }

    FakeSysfs sysfs_;
    QTemporaryDir state_;
    QTemporaryDir input_; // the input devices, empty unless a test adds one
    QString inputDir_;    // where the service looks for them instead, when a test says so
    QString config_;      // the administrator's settings, when a test writes some
    std::unique_ptr<ServiceBus> bus_;
    QDBusConnection client_{QString()};
    std::unique_ptr<FakePolkitAuthority> authority_;
};
