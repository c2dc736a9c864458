#include "status/StatusIconController.h"

#include "icon/IconDrawing.h"
#include "platform/StatusButton.h"

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
} // namespace

StatusIconController::StatusIconController(IconStyle style, SpinDirection direction)
    : StatusIconController(style, direction, builtInSymbols()) {}

StatusIconController::StatusIconController(IconStyle style, SpinDirection direction,
                                           const SymbolLibrary &symbols, QList<qreal> scales)
    : style_(turning(style, direction)), symbols_(symbols), scales_(std::move(scales)) {}

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
                                          double imageAngle) const {
    if (!button)
        return;
    QList<QImage> representations;
    bool isTemplate = false;
    for (const qreal scale : scales_) {
        std::optional<IconImage> drawn = makeImage(style_, state, imageAngle, scale, symbols_);
        if (!drawn) {
            button->clearImage();
            return;
        }
        representations.append(std::move(drawn->image));
        isTemplate = drawn->isTemplate;
    }
    button->setImage(representations, isTemplate);
}
