// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/BundleInfo.h"

#include "app/BundleInfoValues.h"

BundleInfo builtInBundleInfo() {
    return {QString::fromUtf8(builtShortVersion), QString::fromUtf8(builtBuildNumber)};
}
