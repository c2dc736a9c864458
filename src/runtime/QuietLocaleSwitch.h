// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Qt 6.8 and later move a character type that is not UTF-8 (LANG unset, or C) to C.UTF-8 when
// the first application object is made, and say so in four lines on standard error. Vantel
// reports each problem in one line, and the switch itself is what it needs, so the notice is
// dropped while this object lives; every other message passes as before.
class QuietLocaleSwitch {
public:
    QuietLocaleSwitch();
    ~QuietLocaleSwitch();
    Q_DISABLE_COPY_MOVE(QuietLocaleSwitch)

private:
    QtMessageHandler previous_;
};
