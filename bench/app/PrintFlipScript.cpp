// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Prints the program's own flip script, so that the benchmark times exactly what a toggle runs.

#include "fnkey/FnKeyToggler.h"

#include <cstdio>

int main() {
    std::fputs(FnKeyToggler::flipScript().toUtf8().constData(), stdout);
    return 0;
}
