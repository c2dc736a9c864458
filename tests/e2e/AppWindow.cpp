// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// A window of an application of the tests' choosing, for the end-to-end tests that move the
// focus between applications:
//
//   e2e_app_window APP_ID   shows one window whose application id (Wayland's app_id, X11's
//                           class) is APP_ID, prints "shown" once it is exposed, and runs until
//                           the window is closed or the process is ended

#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>

#include <cstdio>

namespace {

class AppWindow : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent *) override {
        QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkCyan);
        if (!told_) {
            told_ = true;
            std::puts("shown");
            std::fflush(stdout);
        }
    }

private:
    bool told_ = false;
};

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fputs("usage: e2e_app_window APP_ID\n", stderr);
        return 2;
    }
    // Set before the application exists, so that the first surface already carries it.
    QGuiApplication::setDesktopFileName(QString::fromLocal8Bit(argv[1]));
    QGuiApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    QGuiApplication app(argc, argv);
    AppWindow window;
    window.setTitle(QString::fromLocal8Bit(argv[1]));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
