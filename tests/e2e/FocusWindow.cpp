// A window of a chosen application, for the end-to-end tests that follow the focus:
//
//   e2e_window APP-ID   shows one window whose Wayland app_id (and X11 class) is APP-ID
//
// Runs until killed.

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 1;
    const QString id = QString::fromLocal8Bit(argv[1]);
    QApplication::setDesktopFileName(id);
    QLabel window(id);
    window.setWindowTitle(id);
    window.resize(320, 200);
    window.show();
    return QApplication::exec();
}
