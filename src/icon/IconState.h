// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

// Which picture the status icon shows. Bit 0 of the ordinal is the fn state the frame shows,
// bit 1 says a switch is running; the order is therefore part of the contract.
enum class IconState : int {
    off = 0,
    on = 1,
    workingFromOff = 2,
    workingFromOn = 3,
};

constexpr IconState steadyState(bool fnState) {
    return fnState ? IconState::on : IconState::off;
}

constexpr IconState workingState(bool fnState) {
    return fnState ? IconState::workingFromOn : IconState::workingFromOff;
}

constexpr bool isWorking(IconState state) {
    return state == IconState::workingFromOff || state == IconState::workingFromOn;
}
