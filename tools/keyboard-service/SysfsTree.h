// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct Descriptor;

// A sysfs tree below one root directory, as the service sees it: paths are relative to the root,
// and nothing is read or written outside it, whatever its symbolic links point at.
class SysfsTree {
public:
    explicit SysfsTree(const QString &root);

    // Every existing entry matching a pattern of '/'-separated components, where '*' and '?'
    // match within one component. Directories on the way are followed through links (the
    // kernel's bus/*/devices/NAME are links into devices/) only while they stay inside the root;
    // the last component is listed even when it is a broken link, so that it can be reported.
    QStringList match(const QString &pattern) const;

    // The attribute's contents without surrounding white space, or nothing when unreadable or
    // longer than `maxSize`.
    std::optional<QByteArray> read(const QString &relative, qsizetype maxSize = 64) const;
    // A descriptor to wait on the attribute's notices with, opened as read() opens it; -1 (errno
    // set) when it cannot be.
    int openToWatch(const QString &relative) const;
    // Replaces the attribute's contents; on failure, why, naming the attribute.
    std::optional<QString> write(const QString &relative, const QByteArray &value) const;

    QString absolute(const QString &relative) const;

private:
    // Opens beneath the root, or -1 with errno set.
    int open(const QString &relative, int flags) const;
    QStringList children(const QString &relative, const QString &component) const;

    QString root_;
    // Opened once: every look into the tree starts from it. Shared by copies.
    std::shared_ptr<Descriptor> rootDirectory_;
};
