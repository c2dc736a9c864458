// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/AppDelegate.h"
#include "icon/IconDrawing.h"
#include "shortcuts/GlobalHotKey.h"
#include "support/FakeAboutPanel.h"
#include "support/FakeExecutable.h"
#include "support/FakeFocusWatch.h"
#include "support/FakeKeyboardModes.h"
#include "support/FakeNotificationCenter.h"
#include "support/FakeShortcutBackend.h"
#include "support/FakeStatusBar.h"
#include "support/ManualWorkQueue.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

const QString standardTip =
    QStringLiteral("Vantel: Standard F1, F2, etc. (click to switch) • Shortcut: Super+Alt+F");
const QString hardwareTip =
    QStringLiteral("Vantel: Hardware Keys (click to switch) • Shortcut: Super+Alt+F");

class AppDelegateTest : public ::testing::Test {
protected:
    AppDelegateTest() {
        // `defaults` answers from a queue of answers while there are any, then from the state.
        defaults = fakes.add("defaults", R"sh(d=$(dirname "$0"); echo "$*" >> "$d/reads.log"
if [ -s "$d/answers" ]; then head -n 1 "$d/answers"; sed -i 1d "$d/answers"; else cat "$d/state"; fi)sh");
        shell = fakes.add("zsh", R"sh(d=$(dirname "$0"); echo flip >> "$d/flips.log"
if [ "$(cat "$d/state")" = 1 ]; then echo 0 > "$d/state"; echo false
else echo 1 > "$d/state"; echo true; fi)sh");
        setFnState(false);
    }

    void write(const char *file, const QByteArray &text) {
        QFile f(fakes.path() + QLatin1Char('/') + QLatin1String(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    int lines(const char *file) {
        QFile f(fakes.path() + QLatin1Char('/') + QLatin1String(file));
        return f.open(QIODevice::ReadOnly) ? int(f.readAll().count('\n')) : 0;
    }
    void setFnState(bool on) { write("state", on ? "1\n" : "0\n"); }
    int readings() { return lines("reads.log"); }
    int flips() { return lines("flips.log"); }

    AppDelegate &launch(const QString &flipShell = {}) {
        delegate = std::make_unique<AppDelegate>(
            AppServices{statusBar, notifications, about, bundle, work, hotKey, [this] { ++quits; },
                        keyboards, focus},
            FnKeyToggler(defaults, flipShell.isEmpty() ? shell : flipShell),
            ModeRules(fakes.path() + QStringLiteral("/store")));
        delegate->start();
        return *delegate;
    }
    FakeButton &button() { return *statusBar.made->fakeButton(); }
    QImage steadyImage(bool on) {
        const IconStyle style = delegate->icons().style();
        return (on ? onImage(style) : offImage(style))->image;
    }

    FakeExecutables fakes;
    QString defaults;
    QString shell;
    Journal journal;
    FakeStatusBar statusBar{&journal};
    FakeNotificationCenter notifications{&journal};
    FakeAboutPanel about{&journal};
    BundleInfo bundle;
    ManualWorkQueue work;
    int quits = 0;
    FakeShortcutBackend shortcuts{&journal};
    GlobalHotKey hotKey{shortcuts};
    FakeKeyboardModes keyboards;
    FakeFocusWatch focus;
    std::unique_ptr<AppDelegate> delegate;
};

class ToggleFlowTest : public AppDelegateTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ToggleFlowTest, SpinsFlipsOnceThenShowsTheNewStateEverywhere) {
    const bool before = GetParam();
    setFnState(before);
    AppDelegate &app = launch();
    const int launchReadings = readings();

    app.toggleAction();
    EXPECT_TRUE(app.isWorking());
    EXPECT_EQ(app.icons().animatedState(), workingState(before));
    app.toggleAction(); // dropped: a flip is already running
    EXPECT_EQ(work.background.size(), 1u);
    EXPECT_EQ(readings(), launchReadings + 1);

    work.drain();
    EXPECT_EQ(flips(), 1);
    EXPECT_FALSE(app.isWorking());
    EXPECT_FALSE(app.icons().isSpinning());
    EXPECT_EQ(button().lastImage(), steadyImage(!before));
    EXPECT_EQ(button().toolTips.back(), before ? hardwareTip : standardTip);
    EXPECT_EQ(readings(), launchReadings + 2);
    ASSERT_EQ(notifications.requests.size(), 1u);
    const NotificationRequest banner = notifications.requests.front();
    EXPECT_EQ(banner.content.title, QStringLiteral("Function Keys toggled"));
    EXPECT_EQ(banner.content.body, before ? "Disabled: F1, F2 control hardware features"
                                          : "Enabled: F1, F2 act as standard function keys");
    EXPECT_EQ(banner.trigger, std::chrono::milliseconds(100));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}$"))
                    .match(banner.identifier)
                    .hasMatch())
        << banner.identifier.toStdString();

    // Idle again: the next trigger flips back under a new identifier.
    app.toggleAction();
    work.drain();
    EXPECT_EQ(flips(), 2);
    ASSERT_EQ(notifications.requests.size(), 2u);
    EXPECT_NE(notifications.requests[1].identifier, banner.identifier);
}

INSTANTIATE_TEST_SUITE_P(FromEitherState, ToggleFlowTest, ::testing::Bool());

TEST_F(AppDelegateTest, AFlipThatCannotStartShowsHardwareKeysAndTheTooltipFollowsThePreference) {
    setFnState(true);
    AppDelegate &app = launch(fakes.path() + QStringLiteral("/no-such-shell"));
    app.toggleAction();
    work.drain();
    EXPECT_FALSE(app.isWorking());
    EXPECT_EQ(button().lastImage(), steadyImage(false));
    EXPECT_EQ(button().toolTips.back(), standardTip);
    ASSERT_EQ(notifications.requests.size(), 1u);
    EXPECT_EQ(notifications.requests[0].content.body,
              QStringLiteral("Disabled: F1, F2 control hardware features"));
}

TEST_F(AppDelegateTest, WithoutAButtonTheFlowStillFlipsAndReports) {
    statusBar.withButton = false;
    AppDelegate &app = launch();
    EXPECT_EQ(readings(), 1) << "the one the keyboards follow";
    app.toggleAction();
    work.drain();
    EXPECT_EQ(readings(), 2);
    EXPECT_EQ(flips(), 1);
    EXPECT_FALSE(app.isWorking());
    EXPECT_EQ(notifications.requests.size(), 1u);
}

TEST_F(AppDelegateTest, LaunchShowsTheItemAsksRegistersThenShowsAFreshReading) {
    AppDelegate &app = launch();
    EXPECT_EQ(app.icons().style().spinsPerSecond, -1.0) << "the arrows turn clockwise";
    EXPECT_THAT(journal, ElementsAre("makeStatusItem", "setImage", "setToolTip",
                                     "requestAuthorization", "grabKey", "setImage", "setToolTip"));
    EXPECT_EQ(readings(), 4);
    EXPECT_EQ(button().toolTips.back(), hardwareTip);
}

TEST_F(AppDelegateTest, HotKeyTogglesWhileTheDelegateLivesAndIsReleasedAtTermination) {
    launch();
    EXPECT_EQ(shortcuts.press(), 1);
    EXPECT_EQ(work.background.size(), 1u);
    work.drain();

    delegate->stop();
    EXPECT_TRUE(shortcuts.grabs().isEmpty());
    EXPECT_EQ(shortcuts.press(), 0);
}

TEST_F(AppDelegateTest, TheTooltipNamesOnlyTheKeysTheDesktopBound) {
    const QString unbound = QStringLiteral("Vantel: Hardware Keys (click to switch)");
    shortcuts.nameGrabsAs({});
    launch();
    EXPECT_EQ(button().toolTips.back(), unbound) << "the desktop has not answered yet";
    // The menu's hint and About follow the same keys, and point to the command while none are.
    const auto hint = [&] {
        statusBar.made->click({Click::Button::right, false});
        return statusBar.made->menu->actions().value(1)->shortcut();
    };
    const auto credits = [&] {
        delegate->showAbout();
        return about.shown.back().credits;
    };
    EXPECT_TRUE(hint().isEmpty());
    EXPECT_TRUE(credits().contains(QStringLiteral("give \"vantel --toggle\" a shortcut")));

    shortcuts.name(QStringLiteral("toggle"), QStringLiteral("Meta+Alt+F"));
    EXPECT_EQ(button().toolTips.back(), unbound + QStringLiteral(" • Shortcut: Meta+Alt+F"));
    EXPECT_EQ(hint(), QKeySequence(Qt::META | Qt::ALT | Qt::Key_F));
    EXPECT_TRUE(credits().contains(QStringLiteral("or press Meta+Alt+F.")));
    shortcuts.name(QStringLiteral("other"), QStringLiteral("Ctrl+X"));
    shortcuts.name(QStringLiteral("toggle"), QStringLiteral("Ctrl+Alt+G"));
    EXPECT_EQ(button().toolTips.back(), unbound + QStringLiteral(" • Shortcut: Ctrl+Alt+G"));

    shortcuts.revoke(QStringLiteral("toggle"), QStringLiteral("taken back"));
    EXPECT_EQ(button().toolTips.back(), unbound);
    const auto shown = button().toolTips.size();
    delegate->stop();
    EXPECT_EQ(button().toolTips.size(), shown) << "nothing more is read on the way out";
}

TEST_F(AppDelegateTest, HotKeyHoldsTheDelegateOnlyWeakly) {
    launch();
    delegate.reset();
    EXPECT_EQ(shortcuts.press(), 1);
    EXPECT_TRUE(work.background.empty());
}

struct ClickCase {
    const char *name;
    Click click;
    bool opensMenu;
};

class ClickTest : public AppDelegateTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTest, RightOrControlClickOpensTheMenuAnyOtherClickToggles) {
    launch();
    statusBar.made->click(GetParam().click);
    EXPECT_EQ(statusBar.made->popUps, GetParam().opensMenu ? 1 : 0);
    EXPECT_EQ(work.background.size(), GetParam().opensMenu ? 0u : 1u);
    if (GetParam().opensMenu) {
        EXPECT_EQ(statusBar.made->location, QPoint(0, 24 + 3));
    }
}

using Button = Click::Button;
INSTANTIATE_TEST_SUITE_P(Clicks, ClickTest,
                         ::testing::Values(ClickCase{"Left", {Button::left, false}, false},
                                           ClickCase{"ControlLeft", {Button::left, true}, true},
                                           ClickCase{"Right", {Button::right, false}, true},
                                           ClickCase{"ControlRight", {Button::right, true}, true}),
                         [](const auto &row) { return row.param.name; });

class MenuTest : public AppDelegateTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MenuTest, TitlesFollowTheSecondReadingAndEntriesReachTheDelegate) {
    const bool on = GetParam();
    launch();
    const int launchReadings = readings();
    write("answers", on ? "0\n1\n" : "1\n0\n");
    statusBar.made->click({Button::right, false});
    EXPECT_EQ(readings(), launchReadings + 2);
    ASSERT_TRUE(statusBar.made->menu);
    const QList<QAction *> entries = statusBar.made->menu->actions();
    ASSERT_EQ(entries.size(), 9);

    EXPECT_EQ(entries[0]->text(),
              on ? QStringLiteral("Current: Standard F1, F2, etc.")
                 : QStringLiteral("Current: Hardware Keys (brightness and volume)"));
    EXPECT_FALSE(entries[0]->isEnabled());
    EXPECT_EQ(entries[1]->text(), on ? QStringLiteral("Switch to Hardware Keys")
                                     : QStringLiteral("Switch to Standard F1, F2, etc."));
    EXPECT_EQ(entries[1]->shortcut().toString(QKeySequence::PortableText), "Meta+Alt+F");
    EXPECT_TRUE(entries[1]->isShortcutVisibleInContextMenu());
    // Where the focus cannot be known the memory entry says why instead.
    EXPECT_FALSE(entries[2]->isEnabled());
    EXPECT_EQ(entries[3]->text(), QStringLiteral("no focus in tests"));
    EXPECT_TRUE(entries[4]->isSeparator());
    EXPECT_EQ(entries[5]->text(), QStringLiteral("Settings…"));
    EXPECT_EQ(entries[6]->text(), QStringLiteral("About Vantel…"));
    EXPECT_TRUE(entries[6]->shortcut().isEmpty());
    EXPECT_TRUE(entries[7]->isSeparator());
    EXPECT_EQ(entries[8]->text(), QStringLiteral("Quit"));
    EXPECT_EQ(entries[8]->shortcut(), QKeySequence(QKeySequence::Quit));
    for (int i : {1, 5, 6, 8})
        EXPECT_TRUE(entries[i]->isEnabled()) << i;

    entries[1]->trigger();
    EXPECT_EQ(work.background.size(), 1u);
    entries[6]->trigger();
    EXPECT_EQ(about.shown.size(), 1u);
    entries[8]->trigger();
    EXPECT_EQ(quits, 1);
}

// The menu a notifier host draws itself stays with the item and is read afresh at every opening.
TEST_P(MenuTest, ThePanelsOwnMenuFollowsTheSecondReadingAtEachOpening) {
    const bool on = GetParam();
    launch();
    QMenu *exported = statusBar.made->panelMenu.get();
    ASSERT_TRUE(exported);
    for (int opening = 0; opening < 2; ++opening) {
        const int before = readings();
        write("answers", on ? "0\n1\n" : "1\n0\n");
        emit exported->aboutToShow();
        EXPECT_EQ(readings(), before + 2);
        EXPECT_EQ(exported->actions()[1]->text(),
                  on ? QStringLiteral("Switch to Hardware Keys")
                     : QStringLiteral("Switch to Standard F1, F2, etc."));
    }
    EXPECT_EQ(statusBar.made->popUps, 0);
    exported->actions()[1]->trigger();
    EXPECT_EQ(work.background.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(ForEitherState, MenuTest, ::testing::Bool());

TEST_F(AppDelegateTest, MenuEntriesChosenAfterTheDelegateIsGoneDoNothing) {
    launch();
    statusBar.made->click({Button::right, false});
    const std::unique_ptr<QMenu> menu = std::move(statusBar.made->menu);
    ASSERT_TRUE(menu);
    delegate.reset();
    for (QAction *entry : menu->actions())
        entry->trigger();
    EXPECT_TRUE(work.background.empty());
    EXPECT_TRUE(about.shown.empty());
    EXPECT_EQ(quits, 0);
}

TEST_F(AppDelegateTest, WithoutAButtonTheMenuIsReadButNotShown) {
    statusBar.withButton = false;
    launch();
    statusBar.made->click({Button::right, false});
    EXPECT_EQ(statusBar.made->popUps, 0);
    EXPECT_EQ(readings(), 3);
}

struct VersionCase {
    const char *name;
    BundleInfo bundle;
    const char *line;
};

class AboutTest : public AppDelegateTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(AboutTest, ShowsTheVersionLineAndTheCredits) {
    bundle = GetParam().bundle;
    launch();
    journal.clear();
    delegate->showAbout();
    EXPECT_THAT(journal, ElementsAre("orderFront"));
    ASSERT_EQ(about.shown.size(), 1u);
    const AboutPanelOptions &options = about.shown[0];
    EXPECT_EQ(options.applicationVersion, QString::fromUtf8(GetParam().line));
    const QString credits = QStringLiteral(
        "Vantel lets you quickly switch how your function keys behave.\n\nChoose Standard F1–F12 "
        "(send F1, F2, etc. to apps), or Hardware Keys (control brightness and volume).\n\nClick "
        "the menu bar icon to toggle, or press Super+Alt+F. Right-click the icon for options.");
    EXPECT_EQ(options.credits, credits);
    EXPECT_EQ(options.creditsFont.pointSizeF(), 12.0);
}

INSTANTIATE_TEST_SUITE_P(Versions, AboutTest,
                         ::testing::Values(VersionCase{"Both", {"1.4", "12"}, "Version 1.4 (12)"},
                                           VersionCase{"NoBuild", {"1.4", ""}, "Version 1.4"},
                                           VersionCase{"BuildOnly", {"", "12"}, "Version  (12)"},
                                           VersionCase{"Neither", {}, "Version "}),
                         [](const auto &row) { return row.param.name; });

// The flip's answer can be older than the preference by the time it arrives: only the watch on
// the preference asks the keyboards, with what the preference holds then.
TEST_F(AppDelegateTest, KeyboardsFollowTheLaunchAndEveryChangeOfThePreferenceOnly) {
    setFnState(true);
    AppDelegate &app = launch();
    EXPECT_THAT(keyboards.applied, ElementsAre(true));
    app.toggleAction();
    work.drain();
    EXPECT_THAT(keyboards.applied, ElementsAre(true)) << "not from the end of the flip";
    setFnState(true); // written from outside after the flip's own write
    app.preferenceChanged();
    EXPECT_THAT(keyboards.applied, ElementsAre(true, true));
    EXPECT_EQ(notifications.requests.size(), 1u) << "no notification of its own";
}

// The flip's own write of the preference, seen half-way, waits until the switch is reported.
TEST_F(AppDelegateTest, APreferenceChangeDuringAFlipIsTakenUpAfterItsNotification) {
    AppDelegate &app = launch();
    app.toggleAction();
    const int before = readings();
    app.preferenceChanged();
    EXPECT_EQ(readings(), before) << "no reading while the flip runs";
    EXPECT_THAT(keyboards.applied, ElementsAre(false));
    work.drain();
    ASSERT_EQ(notifications.requests.size(), 1u);
    EXPECT_THAT(keyboards.applied, ElementsAre(false, true));
    EXPECT_EQ(button().lastImage(), steadyImage(true));
}

// The application in front wrote the preference: the icon and the tooltip show it, quietly.
TEST_F(AppDelegateTest, AChangeOfThePreferenceAloneShowsTheSteadyIconWithoutANotification) {
    AppDelegate &app = launch();
    setFnState(true);
    app.preferenceChanged();
    EXPECT_EQ(button().lastImage(), steadyImage(true));
    EXPECT_EQ(button().toolTips.back(), standardTip);
    EXPECT_TRUE(notifications.requests.empty());
    EXPECT_FALSE(app.icons().isSpinning());
}

// Fn+Esc on the keyboard: the preference is written as a flip writes it, and the icon, the
// tooltip and the notification show the new mode as after a switch.
TEST_F(AppDelegateTest, AChangeMadeOnTheKeyboardIsShownAndKept) {
    AppDelegate &app = launch();
    ASSERT_TRUE(keyboards.changedByKeyboard) << "followed from launch";
    const int before = readings();
    keyboards.changedByKeyboard(true);
    setFnState(true); // what the writes below leave behind
    work.drain();
    QFile log(fakes.path() + QStringLiteral("/reads.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> calls = log.readAll().split('\n').mid(before);
    EXPECT_TRUE(calls.contains("write -g com.apple.keyboard.fnState -bool true"));
    EXPECT_TRUE(calls.contains("-currentHost write -g com.apple.keyboard.fnState -bool true"));
    EXPECT_FALSE(app.isWorking());
    EXPECT_EQ(button().lastImage(), steadyImage(true));
    EXPECT_EQ(button().toolTips.back(), standardTip);
    ASSERT_EQ(notifications.requests.size(), 1u);
    EXPECT_EQ(notifications.requests[0].content.body,
              QStringLiteral("Enabled: F1, F2 act as standard function keys"));
    EXPECT_EQ(flips(), 0);
}

struct KeyboardLineCase {
    const char *name;
    KeyboardReport report;
    QString line;
};

class AboutKeyboardsTest : public AppDelegateTest,
                           public ::testing::WithParamInterface<KeyboardLineCase> {};

TEST_P(AboutKeyboardsTest, SaysWhichKeyboardsFollow) {
    keyboards.reported = GetParam().report;
    launch().showAbout();
    ASSERT_EQ(about.shown.size(), 1u);
    EXPECT_EQ(about.shown[0].keyboards, GetParam().line);
}

const QString noKeyboard = QStringLiteral("No keyboard that Vantel can switch was found (see "
                                          "\"Which keyboards Vantel switches\" in the README).");

INSTANTIATE_TEST_SUITE_P(
    Reports, AboutKeyboardsTest,
    ::testing::Values(
        KeyboardLineCase{"NotAskedYet", {}, QString()},
        KeyboardLineCase{
            "Switched",
            {KeyboardReport::Outcome::switched, {"Apple keyboard", "TrackPoint"}, {}, {}},
            QStringLiteral("Keyboards switched: Apple keyboard, TrackPoint.")},
        KeyboardLineCase{
            "NoneFound", {KeyboardReport::Outcome::noKeyboard, {}, {}, {}}, noKeyboard},
        KeyboardLineCase{"SomeCannotBeSwitched",
                         {KeyboardReport::Outcome::switched,
                          {"TrackPoint"},
                          {},
                          {"Apple keyboard: sends F1–F12 whatever is pressed"}},
                         QStringLiteral("Keyboards switched: TrackPoint. Not switched: Apple "
                                        "keyboard: sends F1–F12 whatever is pressed.")},
        KeyboardLineCase{"NoneCanBeSwitched",
                         {KeyboardReport::Outcome::switched, {}, {}, {"Touch Bar: unreadable"}},
                         QStringLiteral("Not switched: Touch Bar: unreadable.")},
        KeyboardLineCase{
            "SwitchedButNoneNamed", {KeyboardReport::Outcome::switched, {}, {}, {}}, noKeyboard},
        KeyboardLineCase{"NoService",
                         {KeyboardReport::Outcome::unavailable, {}, {}, {}},
                         QStringLiteral("The keyboard service is not installed; no keyboard was "
                                        "switched.")}),
    [](const auto &row) { return row.param.name; });

TEST(BundleInfoTest, CarriesTheProjectVersionAndTheConfiguredBuildNumber) {
    const BundleInfo info = builtInBundleInfo();
    EXPECT_EQ(info.shortVersion, QStringLiteral(VANTEL_TEST_PROJECT_VERSION));
    EXPECT_EQ(info.buildNumber, QStringLiteral(VANTEL_TEST_BUILD_NUMBER));
}

} // namespace
