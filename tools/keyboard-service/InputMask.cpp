// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/InputMask.h"

#include "keyboard-service/Descriptor.h"
#include "keyboard-service/SysfsKeyboards.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QString systemError(const char *what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// A mask of the codes up to `maxCode` with only `code` let through. The kernel takes masks as
// whole longs, and refuses a size that is not a multiple of one.
template <int maxCode> auto onlyCode(int code) {
    constexpr int longBits = 8 * sizeof(unsigned long);
    std::array<unsigned long, maxCode / longBits + 1> mask{};
    mask[std::size_t(code / longBits)] = 1ul << (code % longBits);
    return mask;
}

std::optional<QString> setMask(int fd, std::uint32_t type, const void *codes, std::size_t size) {
    input_mask mask{};
    mask.type = type;
    mask.codes_size = std::uint32_t(size);
    mask.codes_ptr = std::uint64_t(reinterpret_cast<std::uintptr_t>(codes));
    if (::ioctl(fd, EVIOCSMASK, &mask) != 0)
        return systemError("cannot restrict it to Fn+Esc");
    return std::nullopt;
}

} // namespace

EventDevice openEventDevice(const QString &path, dev_t expected) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return {-1, systemError("cannot open it"), error};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode) || info.st_rdev != expected) {
        ::close(fd);
        return {-1, QStringLiteral("not the character device %1:%2 the kernel lists for it")
                        .arg(major(expected))
                        .arg(minor(expected))};
    }
    return {fd, {}};
}

// Type 0 is the mask of event types: EV_KEY alone stays. SYN_REPORT is never filtered, and evdev
// drops a report that closes nothing.
std::optional<QString> maskToFnEsc(int fd) {
    const auto types = onlyCode<EV_MAX>(EV_KEY);
    if (std::optional<QString> failed = setMask(fd, 0, types.data(), sizeof types))
        return failed;
    const auto keys = onlyCode<KEY_MAX>(KEY_FN_ESC);
    return setMask(fd, EV_KEY, keys.data(), sizeof keys);
}

EventDevice openFnEscDevice(const SysfsKeyboards &keyboards, const QString &inputDirectory,
                            const QString &name) {
    const std::optional<dev_t> number = keyboards.deviceNumber(name);
    if (!number)
        return {-1, QStringLiteral("the kernel lists no device number for it"), 0};
    EventDevice device = openEventDevice(inputDirectory + QLatin1Char('/') + name, *number);
    if (device.fd < 0)
        return device;
    if (std::optional<QString> failed = maskToFnEsc(device.fd)) {
        ::close(device.fd);
        return {-1, *failed, 0};
    }
    return device;
}

QStringList unwatchedFnEscDevices(const SysfsKeyboards &keyboards, const QString &inputDirectory) {
    QStringList lines;
    for (const QString &name : keyboards.fnEscDevices()) {
        const EventDevice device = openFnEscDevice(keyboards, inputDirectory, name);
        if (device.openError == EACCES || device.openError == EPERM)
            continue;
        const Descriptor opened{device.fd};
        if (!device.failure.isEmpty())
            lines.append(QStringLiteral("Fn+Esc on %1 is not watched by the service: %2")
                             .arg(inputDirectory + QLatin1Char('/') + name, device.failure));
    }
    return lines;
}
