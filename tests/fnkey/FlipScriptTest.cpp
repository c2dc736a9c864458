// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "fnkey/FnKeyToggler.h"
#include "support/FakeExecutable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FlipScript, IsSevenLinesOf461Bytes) {
    const QByteArray script = FnKeyToggler::flipScript().toUtf8();
    EXPECT_EQ(script.size(), 461);
    EXPECT_EQ(script.count('\n'), 6);
    EXPECT_FALSE(script.endsWith('\n'));
    EXPECT_TRUE(script.startsWith("CURRENT=$(defaults read -g com.apple.keyboard.fnState"));
    EXPECT_TRUE(script.endsWith("echo \"$NEW\""));
}

// A stand-in for the preference tool that keeps each domain in a file and logs every call.
const char *defaultsDouble = R"(
dir=$(dirname "$0")
echo "$*" >> "$dir/calls.log"
file="$dir/global"
if [ "$1" = -currentHost ]; then file="$dir/byhost"; shift; fi
case "$1" in
  read) [ -f "$file" ] && cat "$file" || exit 1 ;;
  write) case "$5" in true) echo 1 > "$file" ;; false) echo 0 > "$file" ;; *) exit 2 ;; esac ;;
esac)";

class FlipThroughLoginShell : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(QString::fromLatin1(FnKeyToggler::shellPath)))
            GTEST_SKIP() << "zsh is not installed";
        savedPath_ = qgetenv("PATH");
        savedHome_ = qgetenv("HOME");
        fakes_.add(QStringLiteral("defaults"), defaultsDouble);
        // The double must come first on the login shell's PATH; an empty HOME keeps the
        // developer's own profile out of the run.
        qputenv("PATH", fakes_.path().toUtf8() + ":" + savedPath_);
        qputenv("HOME", home_.path().toUtf8());
        // zsh reads its start-up files from ZDOTDIR when it is set.
        savedZdotdir_ = qgetenv("ZDOTDIR");
        qunsetenv("ZDOTDIR");
    }
    void TearDown() override {
        qputenv("PATH", savedPath_);
        qputenv("HOME", savedHome_);
        if (!savedZdotdir_.isNull())
            qputenv("ZDOTDIR", savedZdotdir_);
    }
    QByteArray read(const QString &name) {
        QFile f(QDir(fakes_.path()).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    FakeExecutables fakes_;
    QTemporaryDir home_;
    QByteArray savedPath_, savedHome_, savedZdotdir_;
};

TEST_F(FlipThroughLoginShell, FlipsBackAndForthAndWritesBothDomains) {
    const FnKeyToggler toggler(QDir(fakes_.path()).filePath(QStringLiteral("defaults")));
    EXPECT_FALSE(toggler.readFnState()); // never written: reads as false

    EXPECT_TRUE(toggler.toggleFnState());
    EXPECT_EQ(read(QStringLiteral("global")), "1\n");
    EXPECT_EQ(read(QStringLiteral("byhost")), "1\n");
    EXPECT_TRUE(toggler.readFnState());

    EXPECT_FALSE(toggler.toggleFnState());
    EXPECT_EQ(read(QStringLiteral("global")), "0\n");
    EXPECT_EQ(read(QStringLiteral("byhost")), "0\n");

    EXPECT_EQ(read(QStringLiteral("calls.log")),
              "read -g com.apple.keyboard.fnState\n" // the reading before the flip
              "read -g com.apple.keyboard.fnState\n" // the script's own reading
              "write -g com.apple.keyboard.fnState -bool true\n"
              "-currentHost write -g com.apple.keyboard.fnState -bool true\n"
              "read -g com.apple.keyboard.fnState\n"
              "read -g com.apple.keyboard.fnState\n"
              "write -g com.apple.keyboard.fnState -bool false\n"
              "-currentHost write -g com.apple.keyboard.fnState -bool false\n");
}

TEST_F(FlipThroughLoginShell, ATalkingLoginProfileDoesNotChangeTheAnswer) {
    QFile profile(QDir(home_.path()).filePath(QStringLiteral(".zprofile")));
    ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
    profile.write("echo 'Welcome back'\necho 'true is what the motd says'\n");
    profile.close();

    const FnKeyToggler toggler(QDir(fakes_.path()).filePath(QStringLiteral("defaults")));
    EXPECT_TRUE(toggler.toggleFnState());
    EXPECT_FALSE(toggler.toggleFnState());
    EXPECT_TRUE(toggler.toggleFnState());
}

} // namespace
