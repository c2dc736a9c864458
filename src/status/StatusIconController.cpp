// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "status/StatusIconController.h"

#include "icon/IconDrawing.h"
#include "icon/IconShape.h"
#include "tray/StatusButton.h"

#include <QTimer>
#include <chrono>
#include <cmath>

namespace {
// Positive angles turn counter-clockwise, so a clockwise spin has a negative speed.
IconStyle turning(IconStyle style, SpinDirection direction) {
    const double magnitude = std::fabs(style.spinsPerSecond);
    style.spinsPerSecond = direction == SpinDirection::clockwise ? -magnitude : magnitude;
    return style;
}

const char *stateName(IconState state) {
    switch (state) {
    case IconState::off:
        return "off";
    case IconState::on:
        return "on";
    case IconState::workingFromOff:
        return "working-from-off";
    case IconState::workingFromOn:
        return "working-from-on";
    }
    return "";
}

// The same picture always gets the same name, and no two pictures share one.
QString frameName(IconState state, double angle) {
    QString name = QStringLiteral("vantel-") + QLatin1String(stateName(state));
    if (isWorking(state))
        name += QLatin1Char('-') +
                QString::number(FrameCache<IconImage>::milliDegrees(state, angle) / 1000.0);
    return name;
}
} // namespace

StatusIconController::StatusIconController(IconStyle style, SpinDirection direction)
    : StatusIconController(style, direction, builtInSymbols()) {}

StatusIconController::StatusIconController(IconStyle style, SpinDirection direction,
                                           const SymbolLibrary &symbols, QList<qreal> scales)
    : style_(turning(style, direction)), symbols_(symbols), scales_(std::move(scales)),
      images_([this](IconState state, double angle, qreal scale) {
          return makeImage(style_, state, angle, scale, symbols_);
      }),
      shapeStyle_(std::make_shared<const IconStyle>(style_)) {}

void StatusIconController::setStyle(const IconStyle &style) {
    style_ = style;
    // Frames prepared from here on would be counted for the old step.
    preparer_.reset();
    images_.clear();
    shapeStyle_ = std::make_shared<const IconStyle>(style_);
}

// The timer goes with the controller: its later ticks would find no controller anyway.
StatusIconController::~StatusIconController() = default;

void StatusIconController::show(IconState state, StatusButton *button) {
    rotatingButton_ = button;
    if (isWorking(state)) {
        workingState_ = state;
        startSpin();
        return;
    }
    workingState_.reset();
    timer_.reset();
    rotationAngle_ = 0;
    setButtonImage(button, state, 0);
}

void StatusIconController::startSpin() {
    timer_.reset();
    rotationAngle_ = 0;

    const double step = degreesPerTick(style_);
    // Qt timers count whole milliseconds; a zero interval would fire whenever the loop idles.
    const auto interval = std::chrono::milliseconds(
        std::max<long long>(1, std::llround(tickInterval(style_) * 1000)));

    timer_ = std::make_unique<QTimer>();
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(interval);
    std::weak_ptr<int> controller = alive_;
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this, controller, step] {
        if (controller.expired())
            return;
        spinTick(step);
    });
    timer_->start();
}

void StatusIconController::spinTick(double step) {
    if (!rotatingButton_ || !workingState_)
        return;
    rotationAngle_ = std::fmod(rotationAngle_ + step, 360.0);
    setButtonImage(rotatingButton_, *workingState_, rotationAngle_);
}

void StatusIconController::setButtonImage(StatusButton *button, IconState state,
                                          double imageAngle) {
    if (!button)
        return;
    if (const std::optional<PanelPicture> shown = picture(state, imageAngle))
        button->setImage(*shown);
    else
        button->clearImage();
}

std::optional<PanelPicture> StatusIconController::picture(IconState state, double imageAngle) {
    PanelPicture made;
    for (const qreal scale : scales_) {
        std::optional<IconImage> drawn = images_.frame(state, imageAngle, scale);
        if (!drawn)
            return std::nullopt;
        made.representations.append(drawn->image);
        made.isTemplate = drawn->isTemplate;
    }
    made.name = frameName(state, imageAngle);
    made.size = QSizeF(style_.size.width, style_.size.height);
    // Outlines are not kept: a panel that takes them asks once per frame and colour, and
    // they weigh far more than the frame's pixels. A picture may outlive the controller in a
    // panel button, so it holds the style it was drawn in.
    made.shape = [style = shapeStyle_, &symbols = symbols_, state, imageAngle] {
        return iconShape(*style, state, imageAngle, symbols).value_or(QPainterPath());
    };
    return made;
}

void StatusIconController::prepareSpin(IconState state, StatusButton *button) {
    preparer_.reset();
    if (!isWorking(state) || !button || degreesPerTick(style_) == 0)
        return;
    preparedState_ = state;
    preparedButton_ = button;
    preparer_ = std::make_unique<QTimer>();
    std::weak_ptr<int> controller = alive_;
    QObject::connect(preparer_.get(), &QTimer::timeout, preparer_.get(), [this, controller] {
        if (!controller.expired())
            prepareNextFrame();
    });
    // The panel's colours often arrive just after start: the frames are made again for them.
    QObject::connect(button, &StatusButton::preparedImagesOutdated, preparer_.get(),
                     [this, controller] {
                         if (!controller.expired())
                             startPreparing();
                     });
    startPreparing();
}

void StatusIconController::startPreparing() {
    // The angles a spin reaches, added up as its ticks add them: one turn, or when the step does
    // not divide the circle, no more frames than the caches keep at two scales.
    preparedAngle_ = 0;
    framesToPrepare_ =
        int(std::min(std::ceil(360.0 / std::fabs(degreesPerTick(style_)) - 1e-9), 120.0));
    // A zero interval runs once per pass of the event loop: clicks and the panel come between.
    preparer_->start(0);
}

bool StatusIconController::isPreparing() const {
    return preparer_ && preparer_->isActive();
}

void StatusIconController::prepareNextFrame() {
    if (!preparedButton_ || framesToPrepare_ <= 0) {
        // Stopped, not deleted: this runs inside the timer's own signal.
        preparer_->stop();
        return;
    }
    --framesToPrepare_;
    preparedAngle_ = std::fmod(preparedAngle_ + degreesPerTick(style_), 360.0);
    if (const std::optional<PanelPicture> made = picture(preparedState_, preparedAngle_))
        preparedButton_->prepareImage(*made);
}
