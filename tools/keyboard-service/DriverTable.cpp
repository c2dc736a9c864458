// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/DriverTable.h"

namespace {

ReadyEvent hidBound(const QString &driver) {
    return {QStringLiteral("bind"), QStringLiteral("hid"), driver, {}};
}

ReadyEvent platformBound(const QString &device) {
    return {QStringLiteral("bind"), QStringLiteral("platform"), {}, device};
}

} // namespace

KeyboardMode KeyboardDriver::modeOf(const QByteArray &value) const {
    if (value == functionKeysValue)
        return KeyboardMode::functionKeys;
    if (value == hardwareKeysValue)
        return KeyboardMode::hardwareKeys;
    for (const ExtraReading &reading : extraReadings)
        if (value == reading.value)
            return reading.mode;
    return KeyboardMode::unknown;
}

QByteArray KeyboardDriver::valueFor(KeyboardMode mode) const {
    return mode == KeyboardMode::functionKeys ? functionKeysValue : hardwareKeysValue;
}

KeyboardDriver KeyboardDriver::inverted() const {
    KeyboardDriver swapped = *this;
    std::swap(swapped.functionKeysValue, swapped.hardwareKeysValue);
    return swapped;
}

const QList<KeyboardDriver> &keyboardDrivers() {
    // hid_apple holds one global value for every keyboard on it. 3 leaves the choice to the
    // driver per keyboard (real Apple keyboards hardware keys first, the clones on its list
    // function keys first); 0 and 4 never translate the top row, which then sends F1-F12 whatever
    // is pressed. On Touch Bar Macs fnmode changes nothing: hid-appletb-kbd holds their switch.
    // The laptop drivers flip one firmware bit; uniwill-laptop and qc71_laptop document 1 as
    // hardware keys first. fnmode comes with hid_apple's module, before any keyboard is bound to
    // it (as driver "apple"); the others' switches come when their driver binds the device.
    static const QList<KeyboardDriver> table = {
        {QStringLiteral("hid_apple"),
         QStringLiteral("module/hid_apple/parameters/fnmode"),
         "2",
         "1",
         QStringLiteral("Apple keyboards and compatibles (USB and Bluetooth)"),
         {{"0", KeyboardMode::functionKeysOnly},
          {"3", KeyboardMode::automatic},
          {"4", KeyboardMode::functionKeysOnly}},
         {},
         {{QStringLiteral("add"), QStringLiteral("module"), {}, QStringLiteral("hid_apple")},
          hidBound(QStringLiteral("apple"))}},
        {QStringLiteral("hid-appletb-kbd"),
         QStringLiteral("bus/hid/drivers/hid-appletb-kbd/*/mode"),
         "1",
         "2",
         QStringLiteral("Apple Touch Bar"),
         {{"0", KeyboardMode::other}, {"3", KeyboardMode::other}},
         {},
         {hidBound(QStringLiteral("hid-appletb-kbd"))}},
        {QStringLiteral("ideapad_laptop"),
         QStringLiteral("bus/platform/devices/VPC2004:*/fn_lock"),
         "1",
         "0",
         QStringLiteral("Lenovo IdeaPad laptop keyboard"),
         {},
         QStringLiteral("class/leds/platform::fnlock/brightness_hw_changed"),
         {platformBound(QStringLiteral("VPC2004:*"))}},
        {QStringLiteral("hid-lenovo"),
         QStringLiteral("bus/hid/devices/*:17EF:*/fn_lock"),
         "1",
         "0",
         QStringLiteral("Lenovo ThinkPad Compact or TrackPoint keyboard"),
         {},
         {},
         {hidBound(QStringLiteral("lenovo"))}},
        {QStringLiteral("huawei_wmi"),
         QStringLiteral("devices/platform/huawei-wmi/fn_lock_state"),
         "1",
         "0",
         QStringLiteral("Huawei laptop keyboard"),
         {},
         {},
         {platformBound(QStringLiteral("huawei-wmi"))}},
        {QStringLiteral("lg-laptop"),
         QStringLiteral("devices/platform/lg-laptop/fn_lock"),
         "1",
         "0",
         QStringLiteral("LG laptop keyboard"),
         {},
         {},
         {platformBound(QStringLiteral("lg-laptop"))}},
        {QStringLiteral("uniwill-laptop"),
         QStringLiteral("bus/platform/devices/INOU0000:*/fn_lock"),
         "0",
         "1",
         QStringLiteral("Uniwill laptop keyboard"),
         {},
         {},
         {platformBound(QStringLiteral("INOU0000:*"))}},
        {QStringLiteral("qc71_laptop"),
         QStringLiteral("devices/platform/qc71_laptop/fn_lock"),
         "0",
         "1",
         QStringLiteral("XMG or Eluktronics laptop keyboard"),
         {},
         {},
         {platformBound(QStringLiteral("qc71_laptop"))}},
        {QStringLiteral("tuxedo_keyboard"),
         QStringLiteral("devices/platform/tuxedo_keyboard/fn_lock"),
         "1",
         "0",
         QStringLiteral("TUXEDO laptop keyboard"),
         {},
         {},
         {platformBound(QStringLiteral("tuxedo_keyboard"))}},
    };
    return table;
}
