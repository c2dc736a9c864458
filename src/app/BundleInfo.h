// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the About panel says about this build. Either value may be empty.
struct BundleInfo {
    QString shortVersion;
    QString buildNumber;
};

// The values written into the program when it was built: the project's version and the build
// number given at configure time.
BundleInfo builtInBundleInfo();
