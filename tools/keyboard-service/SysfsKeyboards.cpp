// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/SysfsKeyboards.h"

#include "logging/LoggingCategories.h"

#include <sys/sysmacros.h>

namespace {

// A device's uevent lists a few variables; one page is plenty.
constexpr qsizetype maxUeventSize = 4096;
// An input device's key bitmap: up to KEY_CNT bits as hexadecimal words.
constexpr qsizetype maxBitmapSize = 4096;
constexpr int keyFnEsc = 0x1d1; // KEY_FN_ESC
constexpr int wordBits = 64;    // the kernel prints its longs, 64 bits on the machines served

QString parentOf(const QString &relative) {
    return relative.left(qMax(0, relative.lastIndexOf(QLatin1Char('/'))));
}

} // namespace

// The bitmap lists its words most significant first, leaving out leading zero words.
bool keyBitmapHas(const QByteArray &bitmap, int key) {
    const QList<QByteArray> words = bitmap.simplified().split(' ');
    const qsizetype index = words.size() - 1 - key / wordBits;
    if (index < 0)
        return false;
    bool ok = false;
    const qulonglong word = words.at(index).toULongLong(&ok, 16);
    return ok && (word >> (key % wordBits)) & 1;
}

SysfsKeyboards::SysfsKeyboards(const QString &root, QList<KeyboardDriver> drivers)
    : tree_(root), drivers_(std::move(drivers)) {}

SysfsKeyboards::Hold::Hold(const SysfsKeyboards &keyboards) : keyboards_(keyboards) {
    keyboards_.held_ = true;
}

SysfsKeyboards::Hold::~Hold() {
    keyboards_.held_ = false;
    keyboards_.heldSwitches_.reset();
}

QList<SysfsKeyboards::Switch> SysfsKeyboards::switches() const {
    if (held_ && heldSwitches_)
        return *heldSwitches_;
    QList<Switch> found;
    for (const KeyboardDriver &driver : drivers_)
        for (const QString &attribute : tree_.match(driver.glob))
            found.append({&driver, attribute});
    if (held_)
        heldSwitches_ = found;
    return found;
}

QString SysfsKeyboards::nameOf(const Switch &found) const {
    // HID devices carry the product's own name; the others are known by their driver.
    const std::optional<QByteArray> uevent =
        tree_.read(parentOf(found.attribute) + "/uevent", maxUeventSize);
    for (const QByteArray &line : uevent.value_or(QByteArray()).split('\n'))
        if (line.startsWith("HID_NAME=") && line.size() > 9)
            return QString::fromUtf8(line.mid(9));
    return found.driver->description;
}

QList<Keyboard> SysfsKeyboards::scan() const {
    QList<Keyboard> keyboards;
    for (const Switch &found : switches()) {
        const std::optional<QByteArray> value = tree_.read(found.attribute);
        const KeyboardMode mode = value ? found.driver->modeOf(*value) : KeyboardMode::unknown;
        keyboards.append({found.attribute, nameOf(found), found.driver->driver, mode});
    }
    return keyboards;
}

WriteReport SysfsKeyboards::write(KeyboardMode mode) const {
    WriteReport report;
    if (mode != KeyboardMode::functionKeys && mode != KeyboardMode::hardwareKeys)
        return report;
    for (const Switch &found : switches()) {
        ++report.found;
        if (std::optional<QString> failed =
                tree_.write(found.attribute, found.driver->valueFor(mode))) {
            qCWarning(lcKeyboard).noquote() << "could not write" << *failed;
            report.failures.append(*failed);
        } else {
            qCInfo(lcKeyboard).noquote() << "wrote" << modeName(mode) << "to" << found.attribute;
            ++report.switched;
        }
    }
    return report;
}

QStringList SysfsKeyboards::noticeFiles() const {
    QStringList files;
    for (const KeyboardDriver &driver : drivers_) {
        files += tree_.match(driver.glob);
        if (!driver.noticeGlob.isEmpty())
            files += tree_.match(driver.noticeGlob);
    }
    return files;
}

QStringList SysfsKeyboards::fnEscDevices() const {
    QStringList devices;
    for (const QString &bitmap :
         tree_.match(QStringLiteral("class/input/*/device/capabilities/key")))
        if (const QString name = bitmap.section(QLatin1Char('/'), 2, 2);
            name.startsWith(QLatin1String("event")) &&
            keyBitmapHas(tree_.read(bitmap, maxBitmapSize).value_or(QByteArray()), keyFnEsc))
            devices.append(name);
    return devices;
}

std::optional<dev_t> SysfsKeyboards::deviceNumber(const QString &name) const {
    const QList<QByteArray> numbers = tree_.read(QStringLiteral("class/input/%1/dev").arg(name))
                                          .value_or(QByteArray())
                                          .split(':');
    bool majorOk = false;
    bool minorOk = false;
    const uint majorNumber = numbers.value(0).toUInt(&majorOk);
    const uint minorNumber = numbers.value(1).toUInt(&minorOk);
    if (numbers.size() != 2 || !majorOk || !minorOk)
        return std::nullopt;
    return makedev(majorNumber, minorNumber);
}
