// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Passes a failure on only when it differs from the one before, so that a lasting cause (a file
// of another user in the preference store) is logged once rather than at every write. A success
// clears it: the same cause coming back later is news again.
class RepeatFilter {
public:
    // True when `failure` is worth logging; an empty failure is a success.
    bool isNews(const QString &failure) {
        const bool news = !failure.isEmpty() && failure != last_;
        last_ = failure;
        return news;
    }

private:
    QString last_;
};
