#include "status/StatusIconController.h"

#include "icon/IconDrawing.h"
#include "icon/IconShape.h"
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
      shapes_(makeShapes()) {}

std::shared_ptr<FrameCache<QPainterPath>> StatusIconController::makeShapes() const {
    // A picture may outlive the controller in a panel button, so the outlines it can ask for
    // hold their own copy of the style.
    return std::make_shared<FrameCache<QPainterPath>>(
        [style = style_, &symbols = symbols_](IconState state, double angle, qreal) {
            return iconShape(style, state, angle, symbols);
        });
}

void StatusIconController::setStyle(const IconStyle &style) {
    style_ = style;
    images_.clear();
    shapes_ = makeShapes();
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
    PanelPicture picture;
    for (const qreal scale : scales_) {
        std::optional<IconImage> drawn = images_.frame(state, imageAngle, scale);
        if (!drawn) {
            button->clearImage();
            return;
        }
        picture.representations.append(drawn->image);
        picture.isTemplate = drawn->isTemplate;
    }
    picture.name = frameName(state, imageAngle);
    picture.size = QSizeF(style_.size.width, style_.size.height);
    picture.shape = [shapes = shapes_, state, imageAngle] {
        return shapes->frame(state, imageAngle, 0).value_or(QPainterPath());
    };
    button->setImage(picture);
}
