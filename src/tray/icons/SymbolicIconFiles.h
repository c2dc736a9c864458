// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPainterPath>
#include <QSet>
#include <QSizeF>
#include <QString>

// Scalable icon files where StatusNotifierItem hosts look names up. Hosts search only their own
// icon path, so the files go to the user's hicolor theme: a host finds a name there even when
// the file was written after it started.
class SymbolicIconFiles {
public:
    // $XDG_DATA_HOME/icons/hicolor/scalable/status.
    static QString defaultDirectory();

    explicit SymbolicIconFiles(QString directory = defaultDirectory());

    // Makes sure NAME.svg in the directory holds `svg`, writing it only when it does not; false
    // (and logged) when it cannot be written, so the caller can fall back to plain pixmaps.
    bool provide(const QString &name, const QByteArray &svg);
    // Whether NAME.svg has been provided in this run already, so the picture need not be made.
    bool has(const QString &name) const { return ready_.contains(name); }

private:
    QString directory_;
    // Names written or found right in this run; a spin asks for the same few dozen again and
    // again.
    QSet<QString> ready_;
};

// A scalable picture of `shape` (y down, in points, `size` large) for panels that recolour named
// symbolic icons: one filled path in `color`, marked as the text colour for hosts that restyle by
// class. Hosts built on GTK recolour by restyling the fill of every shape, so the picture must be
// fills only, no strokes.
// With a valid `edge`, the shape is ringed by a stroke in that colour (as wide as the pixmaps'
// edge, the picture growing by it on every side) for hosts that show the file as it is. Hosts
// that recolour it hide the ring: GTK's hosts wrap the file in a document of their own, where a
// rule for a document nested in another hides it, and KDE's paint it in their background colour.
QByteArray symbolicSvg(const QPainterPath &shape, QSizeF size, const QColor &color,
                       const QColor &edge = QColor());
