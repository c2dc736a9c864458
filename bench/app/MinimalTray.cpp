// The yardstick for the application benchmark: the least a Qt program does to put one drawn
// icon in the tray. Vantel's start-up time and memory are compared with this program's.

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmap pixmap(24, 20);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::black);
        painter.drawRoundedRect(QRectF(0.5, 0.5, 23, 19), 6, 6);
    }
    QSystemTrayIcon tray{QIcon(pixmap)};
    tray.setToolTip(QStringLiteral("minimal tray program"));
    tray.show();
    return QApplication::exec();
}
