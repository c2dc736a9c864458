// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <string>

// Makes an existing store private to the user before anything is written to it: its directory
// and ByHost/ become 0700 and their files 0600, each changed through a descriptor that was
// opened without following links. A store, or anything in it, that belongs to another user is
// refused instead, since whoever owns it could replace the preferences at will. A store or ByHost
// that is the user's own symbolic link is used as it is: nothing is ever changed through a link.
// A store that does not exist yet is left alone.
Status makeStorePrivate(const std::string &root);
