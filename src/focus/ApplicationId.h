// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// An application id as any program with a window (or any client of the session bus) may tell
// it, kept only where it can serve as a rule's key and be shown in the menu: empty when it is
// longer than any desktop file name or holds characters that cannot be shown.
QString usableApplicationId(const QString &id);
