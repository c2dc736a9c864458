#include "keyboard/KeyboardLog.h"

Q_LOGGING_CATEGORY(lcKeyboard, "vantel.keyboard", QtInfoMsg)
