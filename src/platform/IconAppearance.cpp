#include "platform/IconAppearance.h"

IconColorPreference iconColorPreference(const QString &text) {
    const QString value = text.trimmed().toLower();
    if (value == u"light")
        return IconColorPreference::light;
    if (value == u"dark")
        return IconColorPreference::dark;
    return IconColorPreference::automatic;
}

IconAppearance chooseIconAppearance(IconColorPreference preference, const PanelColorHints &hints) {
    switch (preference) {
    case IconColorPreference::light:
        return {lightIconColor, false};
    case IconColorPreference::dark:
        return {darkIconColor, false};
    case IconColorPreference::automatic:
        break;
    }
    if (!hints.notifierItem && hints.trayForeground)
        return {*hints.trayForeground, false};
    QColor color = hints.paletteText;
    if (hints.desktopIsDark)
        color = *hints.desktopIsDark ? lightIconColor : darkIconColor;
    return {color, hints.notifierItem};
}
