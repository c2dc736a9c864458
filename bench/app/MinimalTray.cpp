// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// The yardstick for the application benchmark: the least a Qt program does to put one drawn
// icon in the tray. Vantel's start-up time and memory are compared with this program's.
//
// With --spin it also hands the tray thirty ready-made pictures a second, round and round: the
// least a spinning icon can cost through Qt's tray icon, which Vantel's spin is compared with.

#include <QApplication>
#include <QIcon>
#include <QList>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

#include <cstring>

namespace {

QPixmap drawn(int side, int turn) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::black);
    painter.translate(side / 2.0, side / 2.0);
    painter.rotate(turn * -12.0);
    painter.drawRoundedRect(QRectF(-side / 2.5, -side / 4.0, side / 1.25, side / 2.0), 3, 3);
    return pixmap;
}

// Square pictures at the sizes Qt sends to a StatusNotifierItem host, so that Qt has nothing to
// scale or pad per reading.
QIcon frame(int turn) {
    QIcon icon;
    for (const int side : {22, 24, 48})
        icon.addPixmap(drawn(side, turn));
    return icon;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QSystemTrayIcon tray{frame(0)};
    tray.setToolTip(QStringLiteral("minimal tray program"));
    tray.show();

    QList<QIcon> frames;
    QTimer timer;
    int shown = 0;
    if (argc > 1 && std::strcmp(argv[1], "--spin") == 0) {
        for (int turn = 0; turn < 30; ++turn)
            frames.append(frame(turn));
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(33);
        QObject::connect(&timer, &QTimer::timeout, &tray, [&] {
            shown = (shown + 1) % int(frames.size());
            tray.setIcon(frames.at(shown));
        });
        timer.start();
    }
    return QApplication::exec();
}
