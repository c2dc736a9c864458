#include "focus/none/NoFocusWatch.h"

NoFocusWatch::NoFocusWatch(QString reason, QObject *parent)
    : FocusWatch(parent), reason_(std::move(reason)) {}
