// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeyCheck.h"

#include "keyboard-service/SysfsKeyboards.h"
#include "keyboard-service/SysfsTree.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

// The keys a top row sends instead of F1-F12 on the keyboards in the table.
constexpr int hardwareKeys[] = {
    KEY_MUTE,
    KEY_VOLUMEDOWN,
    KEY_VOLUMEUP,
    KEY_BRIGHTNESSDOWN,
    KEY_BRIGHTNESSUP,
    KEY_MICMUTE,
    KEY_PLAYPAUSE,
    KEY_NEXTSONG,
    KEY_PREVIOUSSONG,
    KEY_STOPCD,
    KEY_SCALE,
    KEY_DASHBOARD,
    KEY_KBDILLUMDOWN,
    KEY_KBDILLUMUP,
    KEY_KBDILLUMTOGGLE,
    KEY_SWITCHVIDEOMODE,
    KEY_WLAN,
    KEY_RFKILL,
    KEY_SEARCH,
    KEY_CONFIG,
    KEY_CALC,
    KEY_SLEEP,
    KEY_TOUCHPAD_TOGGLE,
    KEY_CAMERA,
    KEY_SELECTIVE_SCREENSHOT,
    KEY_EMOJI_PICKER,
    KEY_FAVORITES,
    KEY_NOTIFICATION_CENTER,
    KEY_PICKUP_PHONE,
    KEY_HANGUP_PHONE,
    KEY_KEYBOARD,
    KEY_SCREENLOCK,
};

} // namespace

std::optional<ArrivedKey> KeyCheck::classify(int code) {
    if ((code >= KEY_F1 && code <= KEY_F10) || code == KEY_F11 || code == KEY_F12)
        return ArrivedKey::functionKey;
    for (const int key : hardwareKeys)
        if (key == code)
            return ArrivedKey::hardwareKey;
    return std::nullopt;
}

QStringList KeyCheck::keyboardDevices(const QString &sysfsRoot, const QString &inputDirectory) {
    const SysfsTree tree(sysfsRoot);
    QStringList devices;
    for (const QString &bitmap :
         tree.match(QStringLiteral("class/input/*/device/capabilities/key")))
        if (const QString name = bitmap.section(QLatin1Char('/'), 2, 2);
            name.startsWith(QLatin1String("event")) &&
            keyBitmapHas(tree.read(bitmap, 4096).value_or(QByteArray()), KEY_F1))
            devices.append(inputDirectory + QLatin1Char('/') + name);
    return devices;
}

QList<int> KeyCheck::openDevices(const QStringList &devices, QString &why) {
    QList<int> opened;
    for (const QString &device : devices) {
        const int fd = ::open(QFile::encodeName(device).constData(),
                              O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0)
            opened.append(fd);
        else
            why = QStringLiteral("cannot read %1: %2")
                      .arg(device, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (devices.isEmpty())
        why = QStringLiteral("no keyboard with a top row was found among the input devices");
    return opened;
}

std::optional<ArrivedKey> KeyCheck::waitForTopRow(QList<int> opened, int timeoutMs, QString &why) {
    std::vector<pollfd> fds;
    for (const int fd : opened)
        fds.push_back({fd, POLLIN, 0});
    std::optional<ArrivedKey> arrived;
    const QDeadlineTimer deadline(timeoutMs);
    while (!arrived && !fds.empty() && !deadline.hasExpired()) {
        if (::poll(fds.data(), nfds_t(fds.size()), int(deadline.remainingTime())) <= 0)
            continue;
        for (auto fd = fds.begin(); fd != fds.end() && !arrived;) {
            input_event event{};
            const ssize_t size = fd->revents ? ::read(fd->fd, &event, sizeof event) : -1;
            if (size == ssize_t(sizeof event)) {
                if (event.type == EV_KEY && event.value == 1)
                    arrived = classify(event.code);
                continue; // the same device may hold more
            }
            if (size == 0 || (size < 0 && fd->revents && errno != EAGAIN && errno != EINTR)) {
                ::close(fd->fd); // gone, or a recorded stream that ended
                fd = fds.erase(fd);
                continue;
            }
            fd->revents = 0;
            ++fd;
        }
    }
    for (const pollfd &fd : fds)
        ::close(fd.fd);
    if (!arrived && why.isEmpty())
        why = QStringLiteral("no key of the top row arrived");
    return arrived;
}
