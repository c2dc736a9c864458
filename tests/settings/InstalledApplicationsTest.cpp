// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/InstalledApplications.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Applications folders of the user and of the system in a private place.
class InstalledApplicationsTest : public ::testing::Test {
protected:
    InstalledApplicationsTest() {
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("user")).toUtf8());
        qputenv("XDG_DATA_DIRS", dir.filePath(QStringLiteral("system")).toUtf8());
    }
    ~InstalledApplicationsTest() override {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    void install(const QString &where, const QString &file, const QString &keys) {
        const QString path = dir.filePath(where + QStringLiteral("/applications/") + file);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(("[Desktop Entry]\nType=Application\n" + keys +
                   "\n[Desktop Action New]\n"
                   "Name=Not the application's name\n")
                      .toUtf8());
    }

    QTemporaryDir dir;
};

QStringList ids(const QList<InstalledApplication> &applications) {
    QStringList listed;
    for (const InstalledApplication &application : applications)
        listed.append(application.id + u'=' + application.name + u'/' + application.icon);
    return listed;
}

TEST_F(InstalledApplicationsTest, ListsWhatTheMenusShowSortedByName) {
    const QString system = QStringLiteral("system");
    const QString user = QStringLiteral("user");
    install(system, QStringLiteral("org.example.Zed.desktop"),
            QStringLiteral("Name=Zed\nName[de]=Zett\nIcon=zed"));
    install(system, QStringLiteral("org.example.Ide.desktop"), QStringLiteral("Name=Ide"));
    install(system, QStringLiteral("helper.desktop"),
            QStringLiteral("Name=Helper\nNoDisplay=true"));
    // The user's own file hides the system's, also when it is hidden itself.
    install(system, QStringLiteral("org.example.Gone.desktop"), QStringLiteral("Name=Gone"));
    install(user, QStringLiteral("org.example.Gone.desktop"),
            QStringLiteral("Name=Gone\nHidden=true"));
    install(user, QStringLiteral("org.example.Ide.desktop"),
            QStringLiteral("Name=My Ide\nIcon=ide"));
    install(system, QStringLiteral("kde/editor.desktop"), QStringLiteral("Name=Editor"));

    const QList<InstalledApplication> listed = installedApplications();
    EXPECT_EQ(ids(listed), (QStringList{QStringLiteral("kde-editor=Editor/"),
                                        QStringLiteral("org.example.Ide=My Ide/ide"),
                                        QStringLiteral("org.example.Zed=Zed/zed")}));
    EXPECT_EQ(ids(matchingApplications(listed, QStringLiteral(" ide "))),
              (QStringList{QStringLiteral("org.example.Ide=My Ide/ide")}));
    EXPECT_EQ(ids(matchingApplications(listed, QStringLiteral("EXAMPLE.zed"))),
              (QStringList{QStringLiteral("org.example.Zed=Zed/zed")}));
    // A rule for an application without a desktop file shows its id.
    EXPECT_EQ(ids({describeApplication(QStringLiteral("org.example.Ide")),
                   describeApplication(QStringLiteral("xterm"))}),
              (QStringList{QStringLiteral("org.example.Ide=My Ide/ide"),
                           QStringLiteral("xterm=xterm/")}));
}

} // namespace
