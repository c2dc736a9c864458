// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "icon/FrameCache.h"
#include "icon/IconDrawing.h"
#include "icon/IconState.h"
#include "icon/IconStyle.h"
#include "tray/StatusButton.h"

#include <QList>
#include <QPointer>
#include <memory>
#include <optional>

class QTimer;
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
    // Draws the frames of the working state `state` and has `button` make them ready, one frame
    // per pass of the event loop, so that the spin that comes next only hands them out.
    void prepareSpin(IconState state, StatusButton *button);
    bool isPreparing() const;

    const IconStyle &style() const { return style_; }
    // Taken as given, sign included: a new size shows at the next image, a new speed or frame
    // rate at the next start of a spin.
    void setStyle(const IconStyle &style);
    // How many pictures have been drawn so far, at all scales together.
    int drawCount() const { return images_.drawCount(); }
    // Angle of the arrows in the last spinning image, degrees; 0 while steady.
    double angle() const { return rotationAngle_; }
    // The working state being animated; none while steady.
    std::optional<IconState> animatedState() const { return workingState_; }
    bool isSpinning() const { return timer_ != nullptr; }

private:
    void startSpin();
    void spinTick(double degreesPerTick);
    void startPreparing();
    void prepareNextFrame();
    // Hands the button one picture at every scale, or clears it when there is none.
    void setButtonImage(StatusButton *button, IconState state, double angle);
    // The picture of `state` at `angle` at every scale; none when one of them cannot be drawn.
    std::optional<PanelPicture> picture(IconState state, double angle);

    IconStyle style_;
    std::unique_ptr<QTimer> timer_;
    double rotationAngle_ = 0;
    QPointer<StatusButton> rotatingButton_;
    std::optional<IconState> workingState_;
    std::unique_ptr<QTimer> preparer_;
    QPointer<StatusButton> preparedButton_;
    IconState preparedState_ = IconState::workingFromOff;
    double preparedAngle_ = 0;
    int framesToPrepare_ = 0;
    const SymbolLibrary &symbols_;
    QList<qreal> scales_;
    // Every frame is drawn once and handed out again at later turns.
    FrameCache<IconImage> images_;
    std::shared_ptr<const IconStyle> shapeStyle_;
    // The timer's action holds this weakly, so a tick never reaches a controller that is gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
