// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/ModeMemory.h"
#include "fnkey/ProcessRunner.h"
#include "support/FakeFocusWatch.h"
#include "support/FakeKeyboardModes.h"
#include "support/ManualWorkQueue.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

using namespace std::chrono_literals;

namespace {

const QString tool = QStringLiteral(VANTEL_DEFAULTS_TOOL);
const QString ide = QStringLiteral("org.example.Ide");
const QString browser = QStringLiteral("org.example.Browser");

// The real preference tool on a private store, with the memory between it and a fake focus.
class ModeMemoryTest : public ::testing::Test {
protected:
    ModeMemoryTest() {
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    }
    ~ModeMemoryTest() override {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }

    QString defaults(const QStringList &arguments) {
        const ProcessResult result = runProcess(tool, arguments, 5s);
        EXPECT_EQ(result.status, 0) << arguments.join(u' ').toStdString();
        return result.output.value_or(QString()).trimmed();
    }
    void setPreference(bool fnState) {
        defaults({QStringLiteral("write"), QStringLiteral("-g"),
                  QStringLiteral("com.apple.keyboard.fnState"), QStringLiteral("-bool"),
                  fnState ? QStringLiteral("true") : QStringLiteral("false")});
    }
    bool preference() const { return writer.readFnState(); }
    void addRule(const QString &application, const char *mode) {
        defaults({QStringLiteral("write"), QStringLiteral("org.vantel.Vantel"),
                  QStringLiteral("ApplicationModes"), QStringLiteral("-dict-add"), application,
                  QLatin1String(mode)});
    }
    StoredRules stored() const { return ModeRules().read().rules.value_or(StoredRules()); }
    // The preference changed on disk: the memory hears it as the program's watch would.
    void changeFromOutside(bool fnState) {
        setPreference(fnState);
        preferenceWatched();
    }
    void start(bool fnState) {
        setPreference(fnState);
        memory.start(fnState);
        work.drain();
    }
    // The program's watch on the preference: the keyboards are asked unless the memory did.
    void preferenceWatched() {
        const bool fnState = preference();
        if (!memory.toldKeyboards(fnState))
            keyboards.apply(fnState);
        memory.preferenceChanged(fnState);
        work.drain();
    }
    void bringToFront(const QString &application) {
        focus.focus(application);
        work.drain();
        preferenceWatched();
    }

    QTemporaryDir home;
    FnKeyToggler writer{tool};
    FakeFocusWatch focus{QString()};
    ManualWorkQueue work;
    FakeKeyboardModes keyboards;
    ModeMemory memory{focus, keyboards, ModeRules(), writer, work};
};

// Someone else writes the preference while the memory's own write is under way, and the watch
// hears of it before that write is done: the keyboards still end in what the preference says.
TEST_F(ModeMemoryTest, AWriteFromOutsideDuringItsOwnIsNotLost) {
    addRule(ide, "function-keys");
    start(false);
    QObject::connect(&memory, &ModeMemory::preferenceMayHaveChanged,
                     [this] { preferenceWatched(); });
    focus.focus(ide);
    ASSERT_EQ(keyboards.applied, std::vector<bool>{true});
    const auto ownWrite = work.background.front();
    work.background.pop_front();
    ownWrite();
    setPreference(false);
    EXPECT_TRUE(memory.toldKeyboards(false)) << "passed over while its own write is under way";
    work.drain();
    EXPECT_EQ(keyboards.applied, (std::vector<bool>{true, false}));
}

TEST_F(ModeMemoryTest, TheFrontApplicationsRuleOrTheDefaultTakenFromThePreferenceComesBack) {
    addRule(ide, "function-keys");
    start(false);
    bringToFront(ide);
    EXPECT_TRUE(preference());
    EXPECT_EQ(keyboards.applied, std::vector<bool>{true}) << "one request per change";
    EXPECT_EQ(memory.rememberedName(), ide);
    bringToFront(browser);
    EXPECT_FALSE(preference());
    EXPECT_EQ(stored().defaultMode, false) << "the preference at the first need";
    EXPECT_EQ(memory.rememberedName(), QString());
    EXPECT_EQ(stored().applications.value(ide), true) << "its own write is no choice of the user";
}

TEST_F(ModeMemoryTest, AChoiceMadeWhileAnApplicationIsInFrontIsStoredForItOrAsTheDefault) {
    addRule(ide, "function-keys");
    start(false);
    bringToFront(ide);
    changeFromOutside(false);
    EXPECT_EQ(stored().applications.value(ide, true), false);
    bringToFront(browser);
    changeFromOutside(true);
    EXPECT_EQ(stored().defaultMode, true);
    EXPECT_EQ(stored().applications.value(ide, true), false);
    bringToFront(ide);
    EXPECT_FALSE(preference());
}

// Writes land in the order of the focus changes, whatever the threads do: the last one wins.
TEST_F(ModeMemoryTest, QuickFocusChangesEndInTheModeOfTheLastApplication) {
    addRule(ide, "function-keys");
    addRule(browser, "hardware-keys");
    start(false);
    for (const QString &application : {ide, browser, ide, browser, ide})
        focus.focus(application);
    work.drain();
    preferenceWatched();
    EXPECT_TRUE(preference());
    ASSERT_FALSE(keyboards.applied.empty());
    EXPECT_TRUE(keyboards.applied.back()) << "nothing older after the newest";
    EXPECT_EQ(stored().applications.value(browser, true), false);
}

TEST_F(ModeMemoryTest, TheMenuRemembersAndForgetsOneApplicationKeepingTheOthers) {
    addRule(ide, "function-keys");
    QDir().mkpath(home.filePath(QStringLiteral("data/applications")));
    QFile entry(home.filePath(QStringLiteral("data/applications/org.example.Browser.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Action New]\nName=New Window\n[Desktop Entry]\nName=Browser\n");
    entry.close();
    start(false);
    bringToFront(browser);
    EXPECT_EQ(memory.menuEntry().name, QStringLiteral("Browser"));
    EXPECT_FALSE(memory.menuEntry().remembered);
    memory.setRemembered(browser, true, false);
    work.drain();
    EXPECT_EQ(memory.rememberedName(), QStringLiteral("Browser"));
    memory.setRemembered(ide, false, false);
    work.drain();
    EXPECT_EQ(stored().applications, (QHash<QString, bool>{{browser, false}}));
}

struct DictionaryCase {
    const char *name;
    const char *printed;
    std::optional<QHash<QString, QString>> pairs;
};

class PrintedDictionaryTest : public ::testing::TestWithParam<DictionaryCase> {};

TEST_P(PrintedDictionaryTest, ReadsWhatTheToolPrints) {
    EXPECT_EQ(ModeRules::parseDictionary(QString::fromUtf8(GetParam().printed)), GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintedDictionaryTest,
    ::testing::Values(DictionaryCase{"Empty", "{\n}\n", QHash<QString, QString>()},
                      DictionaryCase{"Bare",
                                     "{\n    org.a = function-keys;\n    b = hardware-keys;\n}",
                                     QHash<QString, QString>{
                                         {QStringLiteral("org.a"), QStringLiteral("function-keys")},
                                         {QStringLiteral("b"), QStringLiteral("hardware-keys")}}},
                      DictionaryCase{"Quoted", R"({ "a b" = "x \"y\" = z;"; })",
                                     QHash<QString, QString>{
                                         {QStringLiteral("a b"), QStringLiteral("x \"y\" = z;")}}},
                      DictionaryCase{"NotADictionary", "function-keys", std::nullopt},
                      DictionaryCase{"Unterminated", "{ a = \"b; }", std::nullopt},
                      DictionaryCase{"MissingValueSeparator", "{ a b; }", std::nullopt}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
