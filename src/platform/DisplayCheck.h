#pragma once

#include <QString>

#include <functional>
#include <memory>

// What decides whether Qt can reach a window system.
struct DisplayEnvironment {
    // The requested platform plugins, ';'-separated as in QT_QPA_PLATFORM; empty for the default.
    QString platform;
    QString display;
    QString waylandDisplay;
};

// This process's environment; a -platform argument wins over QT_QPA_PLATFORM, as in Qt.
DisplayEnvironment currentDisplayEnvironment(int argc, char **argv);

// Why no window system can be reached, as one line for the user, or an empty string when one
// can. Checked before QApplication exists, which would abort the process instead.
// `canOpenX` tells whether an X server answers at a display name.
QString displayProblem(const DisplayEnvironment &environment,
                       const std::function<bool(const QString &)> &canOpenX);

// A connection to the X server at `display`, or null when none answers. Keep it open until Qt
// has made its own: an X server may drop a connection that arrives as another one closes.
std::shared_ptr<void> openXDisplay(const QString &display);
