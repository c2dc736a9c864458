// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// One journal shared by fakes, so a test can check the order of steps across them. Fakes given
// none record nothing in it.
using Journal = std::vector<std::string>;

inline void note(Journal *journal, const char *step) {
    if (journal)
        journal->push_back(step);
}
