#pragma once

#include <QLoggingCategory>

// Everything the keyboard service, its tool and the library say goes under vantel.keyboard.
Q_DECLARE_LOGGING_CATEGORY(lcKeyboard)
