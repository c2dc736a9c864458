// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Writes every picture the running program can show, untinted, as PNG files: the two steady
// states and the first thirty spin frames of each working state, at 1x and 2x.
#include "icon/IconDrawing.h"

#include "logging/LoggingCategories.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>
#include <cstdio>

namespace {
constexpr int framesPerState = 30;

bool write(const QDir &dir, const QString &name, const QImage &image) {
    const QString path = dir.filePath(name);
    if (image.save(path, "PNG"))
        return true;
    qCCritical(lcRenderIcons, "cannot write %s", qUtf8Printable(path));
    return false;
}

QString scaleSuffix(int scale) {
    return QStringLiteral("@%1x.png").arg(scale);
}

bool renderSteady(const QDir &dir, const IconStyle &style, int scale) {
    bool ok = true;
    for (const auto &[state, name] : {std::pair{IconState::off, "off"}, {IconState::on, "on"}}) {
        const auto image = makeImage(style, state, 0, scale);
        if (!image) {
            qCCritical(lcRenderIcons, "no %s image: the mode glyph is missing", name);
            ok = false;
            continue;
        }
        ok = write(dir, QLatin1String(name) + scaleSuffix(scale), image->image) && ok;
    }
    return ok;
}

// Frame NN is the picture after NN ticks, with the angle advanced as the controller does it.
bool renderSpin(const QDir &dir, const IconStyle &style, IconState state, const char *name,
                int scale) {
    bool ok = true;
    double angle = 0;
    for (int frame = 1; frame <= framesPerState; ++frame) {
        angle = std::fmod(angle + degreesPerTick(style), 360.0);
        const auto image = makeImage(style, state, angle, scale);
        const QString file =
            QStringLiteral("%1-%2").arg(QLatin1String(name)).arg(frame, 2, 10, QLatin1Char('0'));
        ok = image && write(dir, file + scaleSuffix(scale), image->image) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: render-icons DIR\n");
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        qCCritical(lcRenderIcons, "cannot create %s", qUtf8Printable(args.at(1)));
        return 1;
    }

    // The style as the running program uses it: the default, turning clockwise.
    IconStyle style;
    style.spinsPerSecond = -std::abs(style.spinsPerSecond);

    bool ok = true;
    for (const int scale : {1, 2}) {
        ok = renderSteady(dir, style, scale) && ok;
        ok = renderSpin(dir, style, IconState::workingFromOff, "workingFromOff", scale) && ok;
        ok = renderSpin(dir, style, IconState::workingFromOn, "workingFromOn", scale) && ok;
    }
    return ok ? 0 : 1;
}
