#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

// The status item's button as the icon controller and the delegate see it. A QObject so that
// holders can keep a weak QPointer to it.
class StatusButton : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~StatusButton() override = default;

    // Shows one picture given at several device pixel ratios (each image carries its own);
    // a template picture is painted in the panel's foreground colour, alpha kept.
    virtual void setImage(const QList<QImage> &representations, bool isTemplate) = 0;
    // Leaves the button without a picture.
    virtual void clearImage() = 0;
    // Replaces the tooltip text.
    virtual void setToolTip(const QString &text) = 0;
    // The button's rectangle in screen coordinates, or an empty rectangle when the host keeps it
    // to itself.
    virtual QRect bounds() const = 0;
};
