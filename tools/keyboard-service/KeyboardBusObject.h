// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class KeyboardService;

// Puts the service on the named Qt bus connection: its object, its interface with properties
// and PropertiesChanged, then its well-known name. On failure, why.
std::optional<QString> publishKeyboardService(KeyboardService &service,
                                              const QString &connectionName);

// Gives the well-known name back so that the next call starts a fresh service.
void withdrawKeyboardService(const QString &connectionName);
