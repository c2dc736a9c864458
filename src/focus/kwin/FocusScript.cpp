// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/kwin/FocusScript.h"

namespace {
// KWin 5 names windows clients, KWin 6 names them windows; the script takes whichever the running
// KWin offers.
constexpr char scriptText[] = R"js(
const ownPid = %PID%;

function text(value) {
    return value ? String(value) : "";
}

// KWin tells of no window at all for a moment between two windows; reported, it would bring the
// mode of no application in between theirs.
function report(window) {
    if (!window || window.pid === ownPid)
        return;
    callDBus("org.vantel.Vantel", "/org/vantel/Vantel/Focus", "org.vantel.Vantel.Focus",
             "WindowActivated", text(window.desktopFileName), text(window.resourceClass));
}

if (workspace.windowActivated) {
    workspace.windowActivated.connect(report);
    report(workspace.activeWindow);
} else {
    workspace.clientActivated.connect(report);
    report(workspace.activeClient);
}
)js";
} // namespace

QByteArray kwinFocusScript(qint64 ownPid) {
    return QByteArray(scriptText).replace("%PID%", QByteArray::number(ownPid));
}
