// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "desktop/AboutWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

namespace {
constexpr QSize iconSize(96, 80);
constexpr int textWidth = 320;

QLabel *centredLabel(QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setAlignment(Qt::AlignHCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

AboutWindow::AboutWindow(std::function<QIcon()> applicationIcon)
    : applicationIcon_(std::move(applicationIcon)) {}

AboutWindow::~AboutWindow() {
    delete window_.data();
}

void AboutWindow::orderFront(const AboutPanelOptions &options) {
    if (!window_)
        makeWindow();
    version_->setText(options.applicationVersion);
    credits_->setFont(options.creditsFont);
    credits_->setText(options.credits);
    keyboards_->setText(options.keyboards);
    keyboards_->setVisible(!options.keyboards.isEmpty());
    window_->adjustSize();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void AboutWindow::makeWindow() {
    const QString name = QGuiApplication::applicationDisplayName();
    auto *window = new QWidget(nullptr, Qt::Dialog);
    window->setObjectName(QStringLiteral("aboutWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setWindowTitle(QApplication::translate("AboutWindow", "About %1").arg(name));

    const QIcon icon = applicationIcon_ ? applicationIcon_() : QIcon();
    window->setWindowIcon(icon);
    auto *picture = centredLabel(window);
    picture->setPixmap(icon.pixmap(iconSize));

    auto *title = centredLabel(window);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    title->setText(name);

    auto *version = centredLabel(window);
    version->setObjectName(QStringLiteral("version"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *credits = centredLabel(window);
    credits->setObjectName(QStringLiteral("credits"));
    credits->setWordWrap(true);
    credits->setFixedWidth(textWidth);
    auto *keyboards = centredLabel(window);
    keyboards->setObjectName(QStringLiteral("keyboards"));
    keyboards->setWordWrap(true);
    keyboards->setFixedWidth(textWidth);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    buttons->setCenterButtons(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence::Cancel, window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);

    auto *layout = new QVBoxLayout(window);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget *part :
         std::initializer_list<QWidget *>{picture, title, version, credits, keyboards, buttons})
        layout->addWidget(part);
    version_ = version;
    credits_ = credits;
    keyboards_ = keyboards;
    window_ = window;
}
