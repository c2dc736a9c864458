#pragma once

#include "IconState.h"
#include "IconStyle.h"

class StatusButton;

// Puts the icon on the status button: a steady state once, a working state as a spin driven by
// a repeating timer on the main thread.
class StatusIconController {
public:
    explicit StatusIconController(IconStyle style = {});
    ~StatusIconController();

    // Shows `state` on `button`; the button is held weakly.
    void show(IconState state, StatusButton *button);

    IconStyle style;
    // (remaining fields are private; see the implementation)
};
