// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/TrayStatusBar.h"

#include "tray/MenuPlacement.h"
#include "tray/colours/PanelColors.h"
#include "tray/icons/NamedPixmapIcon.h"
#include "tray/icons/Tint.h"
#include "tray/x11/X11PointerWindow.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// Qt's window for an icon in an XEmbed tray; it only exists while such a tray holds the icon.
bool isEmbeddedIcon(const QObject *object) {
    return object->isWidgetType() && object->inherits("QSystemTrayIconSys");
}

QScreen *screenAtOrPrimary(QPoint point) {
    QScreen *screen = QGuiApplication::screenAt(point);
    return screen ? screen : QGuiApplication::primaryScreen();
}

// Beside the icon at `bounds`. A notifier host tells nothing of its icon but that it was
// clicked, so the pointer stands for it, and the panel under it for the icon's rows.
QPoint menuPoint(const QRect &bounds, QSize menuSize) {
    if (!bounds.isEmpty()) {
        const QScreen *screen = screenAtOrPrimary(bounds.center());
        return screen
                   ? menuPosition(bounds, screen->geometry(), screen->availableGeometry(), menuSize)
                   : bounds.bottomLeft();
    }
    const QPoint pointer = QCursor::pos();
    const QScreen *screen = screenAtOrPrimary(pointer);
    if (!screen)
        return pointer;
    const PointerSpot spot = pointerSpot(pointer, topLevelWindowUnderPointer(), screen->geometry(),
                                         screen->availableGeometry());
    return menuBeside(spot.icon, spot.edge, screen->geometry(), menuSize);
}

// The picture's name in an appearance, in one of its two spellings.
QString symbolicName(const QString &picture, const IconAppearance &appearance, bool other) {
    QString name = picture + QLatin1Char('-') + appearance.color.name(QColor::HexRgb).mid(1);
    if (appearance.edge.isValid())
        name += QStringLiteral("-edge-") + appearance.edge.name(QColor::HexRgb).mid(1);
    return name + (other ? QStringLiteral("-b") : QString()) + QStringLiteral("-symbolic");
}

} // namespace

std::optional<Click> clickForActivation(QSystemTrayIcon::ActivationReason reason,
                                        Qt::KeyboardModifiers modifiers) {
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return Click{Click::Button::left, control};
    case QSystemTrayIcon::Context:
        return Click{Click::Button::right, control};
    case QSystemTrayIcon::DoubleClick:
        // XEmbed hosts send Trigger for the first click of a double click already.
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return std::nullopt;
}

TrayButton::TrayButton(QSystemTrayIcon &tray, QObject *parent)
    : StatusButton(parent), tray_(tray) {}

void TrayButton::setImage(const PanelPicture &picture) {
    picture_ = picture;
    applyImage();
}

void TrayButton::clearImage() {
    picture_ = {};
    tray_.setIcon(QIcon());
}

void TrayButton::setToolTip(const QString &text) {
    tray_.setToolTip(text);
}

QRect TrayButton::bounds() const {
    return tray_.geometry();
}

void TrayButton::setAppearance(const IconAppearance &appearance) {
    if (appearance == appearance_)
        return;
    appearance_ = appearance;
    if (!picture_.representations.isEmpty())
        applyImage();
    emit preparedImagesOutdated();
}

void TrayButton::applyImage() {
    const QIcon icon = panelIcon(picture_, true);
    tray_.setIcon(icon);
    // Shown only once there is a picture: an icon without one would be an empty slot.
    if (!tray_.isVisible() && !icon.isNull()) {
        tray_.show();
        emit firstShown();
    }
}

void TrayButton::prepareImage(const PanelPicture &picture) {
    // Making the icon makes its squares, the sizes Qt reads for a StatusNotifierItem host.
    panelIcon(picture, false);
}

QIcon TrayButton::panelIcon(const PanelPicture &picture, bool shown) {
    return icons_.icon(picture, appearance_,
                       [this, &picture, shown] { return makePanelIcon(picture, shown); });
}

QIcon TrayButton::makePanelIcon(const PanelPicture &picture, bool shown) {
    QList<QPixmap> pixmaps;
    const QColor &edge = appearance_.edge;
    for (const QImage &image : std::as_const(picture.representations)) {
        if (!picture.isTemplate)
            pixmaps.append(QPixmap::fromImage(image));
        else
            pixmaps.append(QPixmap::fromImage(edge.isValid()
                                                  ? tintedWithEdge(image, appearance_.color, edge)
                                                  : tinted(image, appearance_.color)));
    }
    // Hosts that recolour symbolic names get one as well; they find it only as a file of their
    // icon theme. A forced colour (no symbolic appearance) must not be recoloured.
    if (appearance_.symbolic && picture.isTemplate && !picture.name.isEmpty() && picture.shape)
        return namedPixmapIcon(symbolicFiles(picture, shown), pixmaps);
    return namedPixmapIcon(QString(), pixmaps);
}

QString TrayButton::symbolicFiles(const PanelPicture &picture, bool shown) {
    const QString name = symbolicName(picture.name, appearance_, appearance_.otherName);
    const QString other = symbolicName(picture.name, appearance_, !appearance_.otherName);
    if (files_.has(name) && files_.has(other))
        return name;
    // A host finds a file written while it runs only at its next look at the folder, seconds
    // later, and shows the pixmaps until then. So both spellings are written at once (the other
    // is asked for when the panel's look changes), and a picture shown also gets the files of
    // both scheme colours, which a later change of the desktop's scheme asks for.
    const QPainterPath shape = picture.shape();
    provideFiles(picture.name, shape, picture.size, appearance_);
    // The scheme colours' files wait until the icon is out: the first icon of a launch must not
    // wait for pictures no panel asks for yet.
    if (shown)
        QTimer::singleShot(0, this, [this, name = picture.name, shape, size = picture.size] {
            for (const QColor &color : {lightIconColor, darkIconColor})
                provideFiles(name, shape, size, IconAppearance{color, true});
        });
    return files_.has(name) && files_.has(other) ? name : QString();
}

void TrayButton::provideFiles(const QString &picture, const QPainterPath &shape, QSizeF size,
                              const IconAppearance &appearance) {
    const QString name = symbolicName(picture, appearance, false);
    if (files_.has(name) && files_.has(symbolicName(picture, appearance, true)))
        return;
    const QByteArray svg = symbolicSvg(shape, size, appearance.color, appearance.edge);
    for (const bool spelling : {false, true})
        files_.provide(symbolicName(picture, appearance, spelling), svg);
}

TrayStatusItem::TrayStatusItem()
    : tray_(this), button_(tray_, this), colors_(new PanelColors(this)) {
    connect(&tray_, &QSystemTrayIcon::activated, this, &TrayStatusItem::activated);
    connect(colors_, &PanelColors::changed, this,
            [this] { button_.setAppearance(colors_->appearance()); });
    button_.setAppearance(colors_->appearance());
    // Qt makes the window of an XEmbed icon as the icon is shown, if a tray is there; without
    // it the icon went to a notifier host (a late XEmbed tray is noticed in the event filter).
    connect(&button_, &TrayButton::firstShown, this, [this] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        colors_->setNotifierItem(std::none_of(windows.begin(), windows.end(),
                                              [](QWidget *w) { return isEmbeddedIcon(w); }));
    });
    // Qt's window of an XEmbed icon reports presses; the item watches it to act on releases.
    qApp->installEventFilter(this);
}

TrayStatusItem::~TrayStatusItem() {
    delete shownMenu_.data();
}

void TrayStatusItem::activated(QSystemTrayIcon::ActivationReason reason) {
    // Asked of the window system: over StatusNotifierItem the host's click carries no modifiers.
    const std::optional<Click> click =
        clickForActivation(reason, QGuiApplication::queryKeyboardModifiers());
    if (click && action_)
        action_(*click);
}

bool TrayStatusItem::eventFilter(QObject *watched, QEvent *event) {
    if (!isEmbeddedIcon(watched))
        return false;
    if (embedded_ != watched) {
        // A tray holds the icon as an XEmbed window now, whatever was believed before.
        embedded_ = static_cast<QWidget *>(watched);
        colors_->setNotifierItem(false);
    }
    return mouseOnEmbeddedIcon(embedded_, event);
}

// True for the mouse events the item takes over from Qt: presses are only remembered, and a
// release over the icon is the click. A press dragged off the icon comes to nothing.
bool TrayStatusItem::mouseOnEmbeddedIcon(QWidget *icon, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent *>(event)->button();
        if (button == Qt::LeftButton || button == Qt::RightButton)
            pressed_ = button;
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click =
            pressed_ == mouse->button() && icon->rect().contains(mouse->position().toPoint());
        pressed_.reset();
        if (click && action_) {
            const bool control = (mouse->modifiers() | QGuiApplication::queryKeyboardModifiers())
                                     .testFlag(Qt::ControlModifier);
            action_(Click{mouse->button() == Qt::LeftButton ? Click::Button::left
                                                            : Click::Button::right,
                          control});
        }
        return true;
    }
    default:
        return false;
    }
}

void TrayStatusItem::popUpMenu(std::unique_ptr<QMenu> menu, QPoint) {
    delete shownMenu_.data();
    QMenu *shown = menu.release();
    shownMenu_ = shown;
    // Deleted once back in the event loop, after a chosen entry's action has run.
    connect(shown, &QMenu::aboutToHide, shown, &QObject::deleteLater);
    shown->ensurePolished();
    shown->popup(menuPoint(button_.bounds(), shown->sizeHint()));
}

void TrayStatusItem::setMenu(std::unique_ptr<QMenu> menu) {
    // Exported over dbusmenu, where notifier hosts draw it. On an XEmbed tray Qt would pop it up
    // on every right press; the item takes those presses itself, so it never does.
    tray_.setContextMenu(menu.get());
    panelMenu_ = std::move(menu);
}

void TrayStatusItem::setIconColorPreference(IconColorPreference preference) {
    colors_->setPreference(preference);
}

std::unique_ptr<StatusItem> TrayStatusBar::makeStatusItem() {
    return std::make_unique<TrayStatusItem>();
}
