#include "keyboard-service/DriverTable.h"

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

const QList<KeyboardDriver> &keyboardDrivers() {
    // hid_apple holds one global value for every keyboard on it. 3 is the boot default (real
    // Apple keyboards then behave as hardware keys first); 0 and newer kernels' 4 switch the Fn
    // key off, so the top row stays in one behaviour whatever is pressed.
    static const QList<KeyboardDriver> table = {
        {QStringLiteral("hid_apple"),
         QStringLiteral("module/hid_apple/parameters/fnmode"),
         "2",
         "1",
         QStringLiteral("Apple keyboards and compatibles (USB and Bluetooth)"),
         {{"0", KeyboardMode::fnDisabled},
          {"3", KeyboardMode::automatic},
          {"4", KeyboardMode::fnDisabled}}},
        {QStringLiteral("ideapad_laptop"),
         QStringLiteral("bus/platform/devices/VPC2004:*/fn_lock"),
         "1",
         "0",
         QStringLiteral("Lenovo IdeaPad laptop keyboard"),
         {}},
        {QStringLiteral("hid-lenovo"),
         QStringLiteral("bus/hid/devices/*:17EF:*/fn_lock"),
         "1",
         "0",
         QStringLiteral("Lenovo ThinkPad Compact or TrackPoint keyboard"),
         {}},
        {QStringLiteral("huawei_wmi"),
         QStringLiteral("devices/platform/huawei-wmi/fn_lock_state"),
         "1",
         "0",
         QStringLiteral("Huawei laptop keyboard"),
         {}},
        {QStringLiteral("lg-laptop"),
         QStringLiteral("devices/platform/lg-laptop/fn_lock"),
         "1",
         "0",
         QStringLiteral("LG laptop keyboard"),
         {}},
        {QStringLiteral("tuxedo_keyboard"),
         QStringLiteral("devices/platform/tuxedo_keyboard/fn_lock"),
         "1",
         "0",
         QStringLiteral("TUXEDO laptop keyboard"),
         {}},
    };
    return table;
}
