// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <utility>

// Why an operation on the store did not succeed; the tool maps each kind to its message.
enum class Problem { missingDomain, missingKey, badInput, unreadable, tooLarge, io };

struct Failure {
    Problem problem;
    std::string message;
};

// A value or the reason there is none. Failures are values here, never exceptions.
template <class T> class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : failure_(std::move(failure)) {}

    explicit operator bool() const { return value_.has_value(); }
    T &operator*() { return *value_; }
    const T &operator*() const { return *value_; }
    T *operator->() { return &*value_; }
    const T *operator->() const { return &*value_; }
    const Failure &failure() const { return *failure_; }

private:
    std::optional<T> value_;
    std::optional<Failure> failure_;
};

// Success, or the failure that stopped the operation.
using Status = std::optional<Failure>;
