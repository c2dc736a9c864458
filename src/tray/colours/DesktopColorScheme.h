// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QVariant>

// The desktop's light or dark preference as the desktop portal's Settings interface publishes
// it, followed while the program runs. Without a portal it stays `noPreference`.
class DesktopColorScheme : public QObject {
    Q_OBJECT
public:
    // The portal's own values of `org.freedesktop.appearance` `color-scheme`.
    enum class Scheme { noPreference = 0, dark = 1, light = 2 };
    Q_ENUM(Scheme)

    // Asks the portal on the Qt bus connection named `busName` (the session bus unless a test
    // has its own) at once, without blocking: the answer arrives as `changed` when it differs
    // from `noPreference`.
    explicit DesktopColorScheme(const QString &busName = sessionBusName(),
                                QObject *parent = nullptr);

    static QString sessionBusName();

    Scheme scheme() const { return scheme_; }

signals:
    // The preference has changed, or its first reading has come in.
    void changed(DesktopColorScheme::Scheme scheme);
    // The portal's SettingChanged signal, whatever it was about; for this class's own use.
    void settingChanged(const QString &group, const QString &key, const QVariant &value);

private:
    void ask(const QString &method);
    void take(const QVariant &value);

    QString busName_;
    Scheme scheme_ = Scheme::noPreference;
    // A change signalled before the first answer came back is newer than that answer.
    bool heardChange_ = false;
};

// The scheme in a value read from the portal: `Read` wraps it in two variants, `ReadOne` in one.
// Anything that is not one of the three known numbers counts as no preference.
DesktopColorScheme::Scheme colorSchemeFromValue(const QVariant &value);
