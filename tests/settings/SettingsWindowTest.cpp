// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/SettingsWindow.h"

#include "fnkey/ProcessRunner.h"
#include "shortcuts/GlobalHotKey.h"
#include "support/FakeKeyboardModes.h"
#include "support/FakeShortcutBackend.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace {

const QString tool = QStringLiteral(VANTEL_DEFAULTS_TOOL);

// The window on a private store, with what the real preference tool reads and writes there.
class SettingsWindowTest : public ::testing::Test {
protected:
    SettingsWindowTest() {
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        window = std::make_unique<SettingsWindow>(hotKey, keyboards);
    }
    ~SettingsWindowTest() override { qunsetenv("XDG_CONFIG_HOME"); }

    QString defaults(const QStringList &arguments) {
        return runProcess(tool, arguments, 5s).output.value_or(QString()).simplified();
    }

    template <typename Widget> Widget *control(const QString &accessibleName) {
        for (Widget *widget : window->findChildren<Widget *>())
            if (widget->accessibleName() == accessibleName)
                return widget;
        ADD_FAILURE() << "no control " << accessibleName.toStdString();
        return nullptr;
    }

    // A file watch answers soon, but never at a known moment.
    static bool waitFor(const std::function<bool()> &done) {
        const QDeadlineTimer deadline(20s);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return done();
    }

    static void choose(QComboBox &chooser, const QVariant &data) {
        chooser.setCurrentIndex(chooser.findData(data));
        emit chooser.activated(chooser.currentIndex());
    }

    QTemporaryDir home;
    FakeShortcutBackend shortcuts;
    GlobalHotKey hotKey{shortcuts};
    FakeKeyboardModes keyboards;
    std::unique_ptr<SettingsWindow> window;
};

// One source of truth: what is written from outside shows, and what is chosen in the window is
// what the tool reads.
TEST_F(SettingsWindowTest, FollowsTheStoreAndWritesEveryChoiceToIt) {
    auto *rules = control<QListWidget>(QStringLiteral("Applications with a mode of their own"));
    ASSERT_TRUE(rules);
    EXPECT_EQ(rules->count(), 0);
    defaults({QStringLiteral("write"), QStringLiteral("org.vantel.Vantel"),
              QStringLiteral("ApplicationModes"), QStringLiteral("-dict-add"),
              QStringLiteral("org.example.Ide"), QStringLiteral("function-keys")});
    ASSERT_TRUE(waitFor([&] { return rules->count() == 1; }));
    EXPECT_TRUE(rules->item(0)->text().startsWith(QStringLiteral("org.example.Ide")));

    rules->setCurrentRow(0);
    choose(*control<QComboBox>(QStringLiteral("Mode of the selected application")),
           QStringLiteral("hardware-keys"));
    const QStringList read{QStringLiteral("read"), QStringLiteral("org.vantel.Vantel")};
    EXPECT_TRUE(defaults(read).contains(QStringLiteral("\"org.example.Ide\" = \"hardware-keys\"")));

    choose(*control<QComboBox>(QStringLiteral("Mode of all other applications")),
           QStringLiteral("function-keys"));
    choose(*control<QComboBox>(QStringLiteral("Icon colour")), QStringLiteral("dark"));
    EXPECT_EQ(defaults(read + QStringList{QStringLiteral("DefaultMode")}),
              QStringLiteral("function-keys"));
    EXPECT_EQ(defaults(read + QStringList{QStringLiteral("IconColor")}), QStringLiteral("dark"));

    ASSERT_TRUE(waitFor([&] { return rules->currentRow() == 0; }));
    control<QPushButton>(QStringLiteral("Remove the selected application's rule"))->click();
    EXPECT_TRUE(waitFor([&] { return rules->count() == 0; }));
    EXPECT_FALSE(defaults(read).contains(QStringLiteral("org.example.Ide")));
}

// Every control a Tab reaches has a name a screen reader can say.
TEST_F(SettingsWindowTest, EveryFocusableControlIsNamed) {
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool control =
            qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
            qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractItemView *>(widget);
        // Parts Qt builds into its own controls are named by those.
        const bool own = widget->parentWidget() &&
                         (qobject_cast<QComboBox *>(widget->parentWidget()) ||
                          widget->parentWidget()->inherits("QTabBar") ||
                          widget->parentWidget()->inherits("QComboBoxPrivateContainer"));
        if (control && !own && (widget->focusPolicy() & Qt::TabFocus)) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
        }
    }
}

} // namespace
