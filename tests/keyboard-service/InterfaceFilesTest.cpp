// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"
#include "desktop/ToggleService.h"

#include <QFile>
#include <QXmlStreamReader>

#include <functional>

namespace {

// An interface as callers see it: each member with its arguments, each property with its type and
// access, one line apiece and sorted; annotations, comments and layout left out.
QStringList membersOf(const QString &xml, const QString &interface) {
    QStringList members;
    QXmlStreamReader reader(xml);
    bool inside = false;
    while (!reader.atEnd()) {
        reader.readNext();
        const QString element = reader.name().toString();
        const auto attribute = [&](const char *name) {
            return reader.attributes().value(QLatin1String(name)).toString();
        };
        if (reader.isEndElement() && element == QLatin1String("interface"))
            inside = false;
        if (!reader.isStartElement())
            continue;
        if (element == QLatin1String("interface"))
            inside = attribute("name") == interface;
        else if (inside && element == QLatin1String("property"))
            members.append(QStringLiteral("property %1 %2 %3")
                               .arg(attribute("name"), attribute("type"), attribute("access")));
        else if (inside &&
                 (element == QLatin1String("method") || element == QLatin1String("signal")))
            members.append(element + QLatin1Char(' ') + attribute("name"));
        else if (inside && element == QLatin1String("arg") && !members.isEmpty())
            members.last() +=
                QStringLiteral(" (%1 %2 %3)")
                    .arg(attribute("direction"), attribute("type"), attribute("name"));
    }
    EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    members.sort();
    return members;
}

QString interfaceFile(const QString &interface) {
    QFile file(QStringLiteral(VANTEL_DBUS_INTERFACES "/%1.xml").arg(interface));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct InterfaceCase {
    const char *interface;
    // Puts the object on the bus if need be; where to introspect it.
    std::function<std::pair<QString, QString>(ServiceBus &bus, QObject &owner)> object;
    friend void PrintTo(const InterfaceCase &c, std::ostream *out) { *out << c.interface; }
};

class InterfaceFileTest : public ServiceFixture,
                          public ::testing::WithParamInterface<InterfaceCase> {};

// What the running objects introspect is exactly what their installed files describe.
TEST_P(InterfaceFileTest, TheRunningObjectMatchesItsFile) {
    QObject owner;
    const auto [service, path] = GetParam().object(*bus_, owner);
    const QDBusMessage reply = ServiceBus::call(
        client_, QDBusMessage::createMethodCall(
                     service, path, QStringLiteral("org.freedesktop.DBus.Introspectable"),
                     QStringLiteral("Introspect")));
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << qPrintable(reply.errorMessage());
    const QString interface = QString::fromLatin1(GetParam().interface);
    const QStringList described = membersOf(interfaceFile(interface), interface);
    EXPECT_FALSE(described.isEmpty());
    EXPECT_EQ(membersOf(reply.arguments().value(0).toString(), interface), described);
}

INSTANTIATE_TEST_SUITE_P(
    Interfaces, InterfaceFileTest,
    ::testing::Values(InterfaceCase{"org.vantel.Keyboard1",
                                    [](ServiceBus &, QObject &) {
                                        return std::pair(QStringLiteral("org.vantel.Keyboard1"),
                                                         QStringLiteral("/org/vantel/Keyboard1"));
                                    }},
                      InterfaceCase{
                          "org.vantel.Vantel",
                          [](ServiceBus &bus, QObject &owner) {
                              QDBusConnection connection = bus.connect(QStringLiteral("toggle"));
                              EXPECT_TRUE((new ToggleService(&owner))->exportOn(connection));
                              return std::pair(connection.baseService(),
                                               QString::fromLatin1(ToggleService::objectPath));
                          }}),
    [](const auto &testCase) {
        return QString::fromLatin1(testCase.param.interface).remove(QLatin1Char('.')).toStdString();
    });

} // namespace
