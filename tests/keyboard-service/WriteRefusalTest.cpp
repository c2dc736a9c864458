// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"
#include "keyboard-service/KeyboardConfig.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

// The file at `path` holding `text`, or a FIFO when there is none.
void make(const QString &path, const std::optional<QByteArray> &text) {
    QFile file(path);
    ASSERT_TRUE(text ? file.open(QIODevice::WriteOnly) && file.write(*text) == text->size()
                     : ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
}

TEST(KeyboardConfigTest, ALaterInvalidLineKeepsAnEarlierValidOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keyboard.conf"));
    make(path, "[Default]\nMode=hardware-keys\nMode=auto\n[Invert]\nideapad_laptop=true\n"
               "ideapad_laptop=yes\nideapad_laptop\n");
    const KeyboardConfig config = KeyboardConfig::read(path);
    EXPECT_EQ(config.unusable(), std::nullopt);
    EXPECT_EQ(config.defaultMode(), KeyboardMode::hardwareKeys);
    EXPECT_EQ(config.invertedAt(QStringLiteral("ideapad_laptop")), 5);
    QStringList lines;
    for (const QString &problem : config.problems())
        lines.append(problem.section(QLatin1Char(':'), 0, 0));
    EXPECT_EQ(lines, (QStringList{"line 3", "line 6", "line 7"}));
}

class WriteRefusalTest : public ServiceFixture,
                         public ::testing::WithParamInterface<const char *> {};

// Root ignores file modes: a directory stands in the way of the kept mode or its lock. An
// administrator's file too big or not a file may invert any driver. Either way no switch is
// written, for a caller or to follow a keyboard; the answer names the file in the way, and Mode
// still says what is kept.
TEST_P(WriteRefusalTest, WritesNoSwitchAndNamesTheFileInTheWay) {
    const QString ideapad = sysfs_.addSwitch(QStringLiteral("ideapad_laptop"), "0");
    const QString apple = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    ASSERT_EQ(setMode(QStringLiteral("function-keys")).type(), QDBusMessage::ReplyMessage);
    const QString broken = state_.filePath(QLatin1String(GetParam()));
    if (broken.endsWith(QLatin1String(".conf"))) {
        config_ = broken;
        const QByteArray huge = "[Invert]\nideapad_laptop=true\n" + QByteArray(70 * 1024, '#');
        make(config_, broken.contains(QLatin1String("huge")) ? std::optional(huge) : std::nullopt);
        startBus(0);
    } else {
        ASSERT_TRUE(QFile::remove(broken) && QDir().mkdir(broken));
    }
    const QString kept = keptMode();
    SignalRecorder properties;
    ASSERT_TRUE(client_.connect(
        QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("/org/vantel/Keyboard1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        &properties, SLOT(record(QDBusMessage))));

    QList<QDBusMessage> replies{setMode(QStringLiteral("hardware-keys"))};
    if (!config_.isEmpty())
        replies.append(call(QStringLiteral("Apply")));
    for (const QDBusMessage &reply : replies) {
        EXPECT_EQ(reply.errorName(), QStringLiteral("org.vantel.Keyboard1.Error.WriteFailed"));
        EXPECT_TRUE(reply.errorMessage().contains(broken)) << qPrintable(reply.errorMessage());
    }
    EXPECT_EQ(sysfs_.value(apple), "2");
    // A keyboard's own change, told by its driver, is seen but not given to the other keyboard.
    QFile attribute(sysfs_.root() + QLatin1Char('/') + ideapad);
    ASSERT_TRUE(attribute.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                attribute.write("0\n") == 2);
    attribute.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return properties.count() == 1; }, 10000));
    EXPECT_EQ(sysfs_.value(apple), "2");
    EXPECT_EQ(keptMode(), kept);
    if (!config_.isEmpty()) {
        const Run once = run(QStringLiteral("vantel-keyboard-service"),
                             {"--apply", "--sysfs-root", sysfs_.root(), "--state-dir",
                              state_.path(), "--config", config_});
        EXPECT_EQ(once.exitCode, 1);
        EXPECT_TRUE(once.output.contains(config_)) << qPrintable(once.output);
        EXPECT_EQ(sysfs_.value(ideapad), "0");
    }
}

INSTANTIATE_TEST_SUITE_P(StateOrConfiguration, WriteRefusalTest,
                         ::testing::Values("keyboard-mode", ".keyboard-mode.lock", "fifo.conf",
                                           "huge.conf"));

} // namespace
