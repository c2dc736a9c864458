// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/HardwareWatch.h"

#include "keyboard-service/InputMask.h"
#include "logging/LoggingCategories.h"

#include <QFile>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

struct HardwareWatch::Watched {
    int fd = -1;
    int inotifyWatch = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    ~Watched() {
        notifier.reset();
        if (fd >= 0)
            ::close(fd);
    }
};

namespace {

// Read at one wake-up at most; a keyboard with more to say wakes the event loop again, after the
// calls waiting there, so a device that floods cannot keep the bus unanswered.
constexpr int maxEventsPerWakeUp = 64;

// sysfs arms POLLPRI again only once the attribute has been read from its start.
// Reads the attribute to its end, which is what makes the next notice wake the poll again.
// False for an attribute the kernel removed (its driver or module went): such a descriptor
// polls as notified for ever, and a notice from it is none.
bool rearm(int fd) {
    char buffer[64];
    ::lseek(fd, 0, SEEK_SET);
    ssize_t size = 0;
    while ((size = ::read(fd, buffer, sizeof buffer)) > 0) {
    }
    return size == 0;
}

int openForWatching(const QString &path, int flags) {
    return ::open(QFile::encodeName(path).constData(),
                  O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC | flags);
}

} // namespace

HardwareWatch::HardwareWatch(SysfsKeyboards keyboards, Options options)
    : keyboards_(std::move(keyboards)), options_(std::move(options)) {
    inotify_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ < 0) {
        qCWarning(lcKeyboard) << "cannot watch for new keyboards:" << strerror(errno);
    } else {
        inotifyNotifier_ = std::make_unique<QSocketNotifier>(inotify_, QSocketNotifier::Read);
        connect(inotifyNotifier_.get(), &QSocketNotifier::activated, this,
                &HardwareWatch::readInotify);
        // devtmpfs reports devices that come and go; a keyboard plugged in brings its switch.
        ::inotify_add_watch(inotify_, QFile::encodeName(options_.inputDirectory).constData(),
                            IN_CREATE | IN_DELETE | IN_ONLYDIR);
    }
    refresh();
}

HardwareWatch::~HardwareWatch() {
    files_.clear();
    devices_.clear();
    inotifyNotifier_.reset();
    if (inotify_ >= 0)
        ::close(inotify_);
}

void HardwareWatch::refresh() {
    const QStringList files = keyboards_.noticeFiles();
    for (const QString &relative : files)
        if (!files_.contains(relative))
            watchFile(relative);
    for (const QString &relative : files_.keys())
        if (!files.contains(relative))
            forget(files_, relative);
    const QStringList devices = followKeys_ ? keyboards_.fnEscDevices() : QStringList();
    for (const QString &name : refused_.keys())
        if (!devices.contains(name))
            refused_.remove(name); // gone: one that comes back under the name is told again
    for (const QString &name : devices)
        if (!devices_.contains(name))
            watchDevice(name);
    for (const QString &name : devices_.keys())
        if (!devices.contains(name))
            forget(devices_, name);
}

bool HardwareWatch::noticePending() const {
    std::vector<pollfd> waiting;
    // A switch's attribute raises POLLPRI once notified; a masked keyboard is readable only with
    // Fn+Esc in it.
    for (const std::shared_ptr<Watched> &watched : files_)
        if (watched->fd >= 0)
            waiting.push_back({watched->fd, POLLPRI, 0});
    for (const std::shared_ptr<Watched> &watched : devices_)
        if (watched->fd >= 0)
            waiting.push_back({watched->fd, POLLIN, 0});
    if (waiting.empty() || ::poll(waiting.data(), nfds_t(waiting.size()), 0) <= 0)
        return false;
    return std::any_of(waiting.begin(), waiting.end(), [](const pollfd &entry) {
        return (entry.revents & (POLLPRI | POLLIN)) != 0;
    });
}

void HardwareWatch::followKeys(bool follow) {
    if (std::exchange(followKeys_, follow) != follow)
        refresh();
}

void HardwareWatch::forget(QHash<QString, std::shared_ptr<Watched>> &table, const QString &key) {
    const std::shared_ptr<Watched> watched = table.take(key);
    if (watched && watched->inotifyWatch >= 0)
        ::inotify_rm_watch(inotify_, watched->inotifyWatch);
}

void HardwareWatch::watchFile(const QString &relative) {
    auto watched = std::make_shared<Watched>();
    const QString path = keyboards_.absolute(relative);
    // Confined beneath the root like every other open of the switches.
    watched->fd = keyboards_.openToWatch(relative);
    if (watched->fd < 0) {
        qCDebug(lcKeyboard).noquote() << "cannot watch" << path << strerror(errno);
        return;
    }
    rearm(watched->fd);
    const int fd = watched->fd;
    watched->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Exception);
    connect(watched->notifier.get(), &QSocketNotifier::activated, this, [this, fd, relative] {
        if (rearm(fd))
            return emit noticed();
        // Replaced by the attribute of a driver that came back, if there is one by now; the
        // notifier is let go after its own signal.
        if (const std::shared_ptr<Watched> gone = files_.value(relative))
            gone->notifier->setEnabled(false);
        QMetaObject::invokeMethod(
            this,
            [this, relative] {
                forget(files_, relative);
                refresh();
            },
            Qt::QueuedConnection);
    });
    if (options_.writesAreNotices && inotify_ >= 0)
        watched->inotifyWatch =
            ::inotify_add_watch(inotify_, QFile::encodeName(path).constData(), IN_CLOSE_WRITE);
    files_.insert(relative, watched);
}

void HardwareWatch::watchDevice(const QString &name) {
    auto watched = std::make_shared<Watched>();
    QString why;
    watched->fd = openDevice(name, why);
    if (watched->fd < 0) {
        if (refused_.value(name) != why) {
            refused_.insert(name, why);
            qCWarning(lcKeyboard).noquote() << "not watching" << name << "for Fn+Esc:" << why;
        }
        return;
    }
    refused_.remove(name);
    watched->notifier = std::make_unique<QSocketNotifier>(watched->fd, QSocketNotifier::Read);
    connect(watched->notifier.get(), &QSocketNotifier::activated, this,
            [this, name] { readDevice(name); });
    devices_.insert(name, watched);
    qCDebug(lcKeyboard).noquote() << "watching" << name << "for Fn+Esc";
}

// A descriptor on which only Fn+Esc arrives, or -1 and why not.
int HardwareWatch::openDevice(const QString &name, QString &why) const {
    const QString path = options_.inputDirectory + QLatin1Char('/') + name;
    struct stat info {};
    if (options_.streamsStandIn && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
        (S_ISFIFO(info.st_mode) || S_ISREG(info.st_mode))) {
        const int fd = openForWatching(path, 0);
        why = fd < 0 ? QString::fromLocal8Bit(strerror(errno)) : QString();
        return fd;
    }
    const EventDevice device = openFnEscDevice(keyboards_, options_.inputDirectory, name);
    if (device.fd < 0)
        why = path + QStringLiteral(": ") + device.failure;
    return device.fd;
}

// The mask leaves little else, but a test's stream or a SYN_DROPPED may still come: only Fn+Esc
// going down counts.
void HardwareWatch::readDevice(const QString &name) {
    const std::shared_ptr<Watched> watched = devices_.value(name);
    if (!watched)
        return;
    input_event events[maxEventsPerWakeUp];
    ssize_t size = -1;
    do {
        size = ::read(watched->fd, events, sizeof events);
    } while (size < 0 && errno == EINTR);
    if (size < 0 && errno == EAGAIN)
        return;
    if (size <= 0) { // gone: unplugged, or a stream that ended
        devices_.remove(name);
        return;
    }
    bool fnEsc = false;
    for (size_t i = 0; i < size_t(size) / sizeof(input_event); ++i)
        fnEsc = fnEsc ||
                (events[i].type == EV_KEY && events[i].code == KEY_FN_ESC && events[i].value == 1);
    if (fnEsc)
        emit noticed();
}

void HardwareWatch::readInotify() {
    alignas(inotify_event) char buffer[4096];
    bool written = false;
    bool cameOrWent = false;
    for (;;) {
        const ssize_t size = ::read(inotify_, buffer, sizeof buffer);
        if (size <= 0)
            break;
        for (ssize_t offset = 0; offset < size;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + offset);
            written = written || (event->mask & IN_CLOSE_WRITE);
            cameOrWent = cameOrWent || (event->mask & (IN_CREATE | IN_DELETE));
            offset += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    // A keyboard that came or went tells nothing of a change made on one: its switches are
    // read again, and only a write seen in the tests' own tree counts as a notice.
    if (cameOrWent) {
        refresh();
        emit devicesChanged();
    }
    if (written)
        emit noticed();
}
