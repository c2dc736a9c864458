#pragma once

#include "IconState.h"
#include "IconStyle.h"

#include <QList>
#include <QPointer>
#include <memory>
#include <optional>

class QTimer;
class StatusButton;
class SymbolLibrary;

// Puts the icon on the status button: a steady state once, a working state as a spin driven by
// a repeating timer on the main thread.
class StatusIconController {
public:
    explicit StatusIconController(IconStyle style = {});
    // Draws from `symbols` (which must outlive the controller) at each device pixel ratio in
    // `scales`.
    StatusIconController(IconStyle style, const SymbolLibrary &symbols,
                         QList<qreal> scales = {1, 2});
    ~StatusIconController();
    StatusIconController(const StatusIconController &) = delete;
    StatusIconController &operator=(const StatusIconController &) = delete;

    // Shows `state` on `button`; the button is held weakly.
    void show(IconState state, StatusButton *button);

    // Angle of the arrows in the last spinning image, degrees; 0 while steady.
    double angle() const { return rotationAngle; }
    // The working state being animated; none while steady.
    std::optional<IconState> animatedState() const { return workingState; }
    bool isSpinning() const { return timer != nullptr; }

    IconStyle style;

private:
    void startSpin();
    void spinTick(double degreesPerTick);
    // Hands the button one picture at every scale, or clears it when there is none.
    void setButtonImage(StatusButton *button, IconState state, double angle) const;

    std::unique_ptr<QTimer> timer;
    double rotationAngle = 0;
    QPointer<StatusButton> rotatingButton;
    std::optional<IconState> workingState;

    const SymbolLibrary &symbols;
    QList<qreal> scales;
    // The timer's action holds this weakly, so a tick never reaches a controller that is gone.
    std::shared_ptr<int> alive = std::make_shared<int>(0);
};
