// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using Digest = std::array<std::uint8_t, 32>;

// SHA-256 of `message`. Small and self-contained so the tool needs no crypto library.
Digest sha256(std::string_view message);

// HMAC-SHA-256 of `message` under `key`.
Digest hmacSha256(std::string_view key, std::string_view message);

// Lower-case hexadecimal of the first `bytes` bytes of `digest`.
std::string hexPrefix(const Digest &digest, std::size_t bytes);
