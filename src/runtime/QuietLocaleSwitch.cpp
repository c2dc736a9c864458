// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "runtime/QuietLocaleSwitch.h"

#include <QString>

namespace {
QtMessageHandler forward = nullptr;

void dropLocaleSwitch(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("Detected locale \"")) &&
        message.contains(QLatin1String("which is not UTF-8")))
        return;
    if (forward)
        forward(type, context, message);
}
} // namespace

QuietLocaleSwitch::QuietLocaleSwitch() : previous_(qInstallMessageHandler(dropLocaleSwitch)) {
    forward = previous_;
}

QuietLocaleSwitch::~QuietLocaleSwitch() {
    qInstallMessageHandler(previous_);
    forward = nullptr;
}
