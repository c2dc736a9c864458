#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

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
    // The real path of an existing entry, when it lies inside the root.
    std::optional<QString> resolve(const QString &relative) const;
    QStringList children(const QString &relative, const QString &component) const;

    QString root_;
    QString canonicalRoot_;
};
