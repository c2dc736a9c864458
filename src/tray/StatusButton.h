// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPainterPath>
#include <QRect>
#include <QSizeF>
#include <QString>

#include <functional>

// One picture of the icon as the panel gets it.
struct PanelPicture {
    // The picture at several device pixel ratios (each image carries its own).
    QList<QImage> representations;
    // A template picture is painted in the panel's foreground colour, alpha kept.
    bool isTemplate = false;
    // A name unique to this picture (the same picture always has the same name), for panels
    // that take named icons; empty when there is none.
    QString name;
    // The picture as one filled outline in its own points, y down, `size` large. Made on first
    // use only: outlines cost far more than pixels, and most panels never ask for them.
    std::function<QPainterPath()> shape;
    QSizeF size;
};

// The status item's button as the icon controller and the delegate see it. A QObject so that
// holders can keep a weak QPointer to it.
class StatusButton : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~StatusButton() override = default;

    // Shows `picture`.
    virtual void setImage(const PanelPicture &picture) = 0;
    // Leaves the button without a picture.
    virtual void clearImage() = 0;
    // Makes ready what showing `picture` would take, without showing it: the frames of a spin
    // are prepared while the program idles, so that the spin itself only hands them out.
    virtual void prepareImage(const PanelPicture &picture) { Q_UNUSED(picture); }
    // Replaces the tooltip text.
    virtual void setToolTip(const QString &text) = 0;
    // The button's rectangle in screen coordinates, or an empty rectangle when the host keeps it
    // to itself.
    virtual QRect bounds() const = 0;

signals:
    // What the pictures made ready so far turned into no longer fits the panel (its colours
    // changed): they are worth preparing again.
    void preparedImagesOutdated();
};
