#include "StatusIconController.h"

#include "IconDrawing.h"
#include "StatusButton.h"

#include <QTimer>
#include <chrono>
#include <cmath>

StatusIconController::StatusIconController(IconStyle initialStyle)
    : StatusIconController(initialStyle, builtInSymbols()) {}

StatusIconController::StatusIconController(IconStyle initialStyle, const SymbolLibrary &library,
                                           QList<qreal> imageScales)
    : style(initialStyle), symbols(library), scales(std::move(imageScales)) {}

// The timer goes with the controller: its later ticks would find no controller anyway.
StatusIconController::~StatusIconController() = default;

void StatusIconController::show(IconState state, StatusButton *button) {
    rotatingButton = button;
    if (isWorking(state)) {
        workingState = state;
        startSpin();
        return;
    }
    workingState.reset();
    timer.reset();
    rotationAngle = 0;
    setButtonImage(button, state, 0);
}

void StatusIconController::startSpin() {
    timer.reset();
    rotationAngle = 0;

    const double step = degreesPerTick(style);
    // Qt timers count whole milliseconds; a zero interval would fire whenever the loop idles.
    const auto interval =
        std::chrono::milliseconds(std::max<long long>(1, std::llround(tickInterval(style) * 1000)));

    timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    std::weak_ptr<int> controller = alive;
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [this, controller, step] {
        if (controller.expired())
            return;
        spinTick(step);
    });
    timer->start();
}

void StatusIconController::spinTick(double step) {
    if (!rotatingButton || !workingState)
        return;
    rotationAngle = std::fmod(rotationAngle + step, 360.0);
    setButtonImage(rotatingButton, *workingState, rotationAngle);
}

void StatusIconController::setButtonImage(StatusButton *button, IconState state,
                                          double imageAngle) const {
    if (!button)
        return;
    QList<QImage> representations;
    bool isTemplate = false;
    for (const qreal scale : scales) {
        std::optional<IconImage> drawn = makeImage(style, state, imageAngle, scale, symbols);
        if (!drawn) {
            button->clearImage();
            return;
        }
        representations.append(std::move(drawn->image));
        isTemplate = drawn->isTemplate;
    }
    button->setImage(representations, isTemplate);
}
