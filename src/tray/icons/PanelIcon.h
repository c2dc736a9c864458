// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

// One picture given at several device pixel ratios, as a single icon. A template picture is
// painted in the desktop palette's text colour, its alpha kept.
QIcon panelIcon(const QList<QImage> &representations, bool isTemplate);
