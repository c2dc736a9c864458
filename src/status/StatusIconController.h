#pragma once

#include "icon/IconState.h"
#include "icon/IconStyle.h"

#include <QList>
#include <QPointer>
#include <memory>
#include <optional>

class QTimer;
class StatusButton;
class SymbolLibrary;

// Which way the working arrows turn, as seen on the panel.
enum class SpinDirection { clockwise, counterclockwise };

// Puts the icon on the status button: a steady state once, a working state as a spin driven by
// a repeating timer on the main thread.
class StatusIconController {
public:
    // Spins in `direction` at the magnitude of the style's spinsPerSecond; the sign is set, not
    // flipped, so a style already turning that way keeps its value.
    explicit StatusIconController(IconStyle style, SpinDirection direction);
    // Draws from `symbols` (which must outlive the controller) at each device pixel ratio in
    // `scales`.
    StatusIconController(IconStyle style, SpinDirection direction, const SymbolLibrary &symbols,
                         QList<qreal> scales = {1, 2});
    ~StatusIconController();
    StatusIconController(const StatusIconController &) = delete;
    StatusIconController &operator=(const StatusIconController &) = delete;

    // Shows `state` on `button`; the button is held weakly.
    void show(IconState state, StatusButton *button);

    const IconStyle &style() const { return style_; }
    // Taken as given, sign included: a new size shows at the next image, a new speed or frame
    // rate at the next start of a spin.
    void setStyle(const IconStyle &style) { style_ = style; }
    // Angle of the arrows in the last spinning image, degrees; 0 while steady.
    double angle() const { return rotationAngle_; }
    // The working state being animated; none while steady.
    std::optional<IconState> animatedState() const { return workingState_; }
    bool isSpinning() const { return timer_ != nullptr; }

private:
    void startSpin();
    void spinTick(double degreesPerTick);
    // Hands the button one picture at every scale, or clears it when there is none.
    void setButtonImage(StatusButton *button, IconState state, double angle) const;

    IconStyle style_;
    std::unique_ptr<QTimer> timer_;
    double rotationAngle_ = 0;
    QPointer<StatusButton> rotatingButton_;
    std::optional<IconState> workingState_;
    const SymbolLibrary &symbols_;
    QList<qreal> scales_;
    // The timer's action holds this weakly, so a tick never reaches a controller that is gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
