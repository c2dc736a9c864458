// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

// An icon that carries an icon-theme name and paints its own pixmaps. A StatusNotifierItem host
// gets both: the name, which hosts recolour to their panel's text colour when it ends in
// "-symbolic", and the pixmaps for hosts that draw those as sent. Works without any image
// format plugin, unlike an icon loaded from the theme.
QIcon namedPixmapIcon(const QString &name, const QList<QPixmap> &pixmaps);
