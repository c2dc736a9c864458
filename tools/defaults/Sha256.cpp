// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "Sha256.h"

#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t roundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t rotr(std::uint32_t x, int n) {
    return (x >> n) | (x << (32 - n));
}

void compress(std::uint32_t state[8], const std::uint8_t *block) {
    std::uint32_t w[64];
    for (int i = 0; i < 16; ++i)
        w[i] = std::uint32_t(block[4 * i]) << 24 | std::uint32_t(block[4 * i + 1]) << 16 |
               std::uint32_t(block[4 * i + 2]) << 8 | std::uint32_t(block[4 * i + 3]);
    for (int i = 16; i < 64; ++i) {
        const std::uint32_t s0 = rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const std::uint32_t s1 = rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t v[8];
    std::memcpy(v, state, sizeof v);
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t s1 = rotr(v[4], 6) ^ rotr(v[4], 11) ^ rotr(v[4], 25);
        const std::uint32_t ch = (v[4] & v[5]) ^ (~v[4] & v[6]);
        const std::uint32_t t1 = v[7] + s1 + ch + roundConstants[i] + w[i];
        const std::uint32_t s0 = rotr(v[0], 2) ^ rotr(v[0], 13) ^ rotr(v[0], 22);
        const std::uint32_t maj = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
        std::memmove(v + 1, v, 7 * sizeof(std::uint32_t));
        v[4] += t1;
        v[0] = t1 + s0 + maj;
    }
    for (int i = 0; i < 8; ++i)
        state[i] += v[i];
}

} // namespace

Digest sha256(std::string_view message) {
    std::uint32_t state[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                              0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::vector<std::uint8_t> padded(message.begin(), message.end());
    padded.push_back(0x80);
    while (padded.size() % 64 != 56)
        padded.push_back(0);
    const std::uint64_t bits = std::uint64_t(message.size()) * 8;
    for (int shift = 56; shift >= 0; shift -= 8)
        padded.push_back(std::uint8_t(bits >> shift));
    for (std::size_t offset = 0; offset < padded.size(); offset += 64)
        compress(state, padded.data() + offset);
    Digest digest{};
    for (int i = 0; i < 32; ++i)
        digest[i] = std::uint8_t(state[i / 4] >> (24 - 8 * (i % 4)));
    return digest;
}

Digest hmacSha256(std::string_view key, std::string_view message) {
    std::string block(64, '\0');
    if (key.size() > 64) {
        const Digest hashed = sha256(key);
        std::memcpy(block.data(), hashed.data(), hashed.size());
    } else {
        std::memcpy(block.data(), key.data(), key.size());
    }
    std::string inner(block), outer(block);
    for (std::size_t i = 0; i < 64; ++i) {
        inner[i] = char(inner[i] ^ 0x36);
        outer[i] = char(outer[i] ^ 0x5c);
    }
    const Digest innerDigest = sha256(inner.append(message));
    return sha256(outer.append(reinterpret_cast<const char *>(innerDigest.data()), 32));
}

std::string hexPrefix(const Digest &digest, std::size_t bytes) {
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < bytes && i < digest.size(); ++i) {
        text += hex[digest[i] >> 4];
        text += hex[digest[i] & 0xf];
    }
    return text;
}
