// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The script KWin runs for us: it reports every activated window, and the one active when it
// starts, to the program's focus object. No window at all is not reported, and windows of the
// process `ownPid` are left out, since opening the About window must not count as another
// application coming to the front.
QByteArray kwinFocusScript(qint64 ownPid);
