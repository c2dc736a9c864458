<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>or give &quot;vantel --toggle&quot; a shortcut in your desktop&apos;s settings</source>
        <translation>oder weisen Sie „vantel --toggle“ in den Einstellungen Ihrer Arbeitsumgebung ein Tastenkürzel zu</translation>
    </message>
    <message>
        <source>or press %1</source>
        <translation>oder drücken Sie %1</translation>
    </message>
    <message>
        <source>Vantel lets you quickly switch how your function keys behave.

Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness and volume).

Click the menu bar icon to toggle, %1. Right-click the icon for options.</source>
        <translation>Mit Vantel wechseln Sie schnell, wie sich Ihre Funktionstasten verhalten.

Wählen Sie Standard F1–F12 (sendet F1, F2 usw. an Anwendungen) oder Hardwaretasten (steuern Helligkeit und Lautstärke).

Klicken Sie zum Umschalten auf das Symbol in der Leiste, %1. Ein Rechtsklick auf das Symbol zeigt weitere Optionen.</translation>
    </message>
    <message>
        <source>Not switched: %1.</source>
        <translation>Nicht umgeschaltet: %1.</translation>
    </message>
    <message>
        <source>Keyboards switched: %1.</source>
        <translation>Umgeschaltete Tastaturen: %1.</translation>
    </message>
    <message>
        <source>No keyboard that Vantel can switch was found (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>Es wurde keine Tastatur gefunden, die Vantel umschalten kann (siehe „Which keyboards Vantel switches“ in der README).</translation>
    </message>
    <message>
        <source>Vantel was not allowed to switch the keyboards.</source>
        <translation>Vantel durfte die Tastaturen nicht umschalten.</translation>
    </message>
    <message>
        <source>The keyboard service is not installed; no keyboard was switched.</source>
        <translation>Der Tastaturdienst ist nicht installiert; es wurde keine Tastatur umgeschaltet.</translation>
    </message>
    <message>
        <source>Some keyboards could not be switched: %1</source>
        <translation>Einige Tastaturen konnten nicht umgeschaltet werden: %1</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Switches the keyboard&apos;s top row between standard function keys and hardware keys, from an icon in the panel.</source>
        <translation>Schaltet die oberste Tastenreihe zwischen Standard-Funktionstasten und Hardwaretasten um, über ein Symbol in der Leiste.</translation>
    </message>
    <message>
        <source>Ask the running Vantel to switch, as a click on its icon does.</source>
        <translation>Bittet das laufende Vantel umzuschalten, wie ein Klick auf sein Symbol.</translation>
    </message>
    <message>
        <source>%1 Try &quot;vantel --help&quot;.</source>
        <translation>%1 Siehe „vantel --help“.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;. Try &quot;vantel --help&quot;.</source>
        <translation>Unerwartetes Argument „%1“. Siehe „vantel --help“.</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>Using X11: %1</source>
        <translation>X11 wird verwendet: %1</translation>
    </message>
    <message>
        <source>Vantel needs a graphical desktop session.</source>
        <translation>Vantel benötigt eine grafische Desktop-Sitzung.</translation>
    </message>
    <message>
        <source>No Wayland display: WAYLAND_DISPLAY is not set.</source>
        <translation>Keine Wayland-Anzeige: WAYLAND_DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;: XDG_RUNTIME_DIR is not set.</source>
        <translation>Keine Verbindung zur Wayland-Anzeige „%1“ möglich: XDG_RUNTIME_DIR ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>Keine Verbindung zur Wayland-Anzeige „%1“ möglich.</translation>
    </message>
    <message>
        <source>The Qt platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Das Qt-Plattform-Plugin „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>No X display: DISPLAY is not set.</source>
        <translation>Keine X-Anzeige: DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Cannot open the X display &quot;%1&quot;.</source>
        <translation>Die X-Anzeige „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Keine Anzeige: Weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.</translation>
    </message>
</context>
<context>
    <name>FocusWatch</name>
    <message>
        <source>This desktop does not tell which application is in front</source>
        <translation>Diese Arbeitsumgebung teilt nicht mit, welche Anwendung im Vordergrund ist</translation>
    </message>
    <message>
        <source>Vantel&apos;s GNOME extension failed to start</source>
        <translation>Die GNOME-Erweiterung von Vantel konnte nicht starten</translation>
    </message>
    <message>
        <source>Turn on Vantel in GNOME Extensions</source>
        <translation>Aktivieren Sie Vantel in den GNOME-Erweiterungen</translation>
    </message>
    <message>
        <source>Log out and in, then turn on Vantel in GNOME Extensions</source>
        <translation>Melden Sie sich ab und wieder an und aktivieren Sie dann Vantel in den GNOME-Erweiterungen</translation>
    </message>
    <message>
        <source>KWin&apos;s reports cannot be received on the session bus</source>
        <translation>Die Meldungen von KWin können auf dem Sitzungsbus nicht empfangen werden</translation>
    </message>
    <message>
        <source>The script for KWin cannot be written: %1</source>
        <translation>Das Skript für KWin kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s scripting is not on the session bus</source>
        <translation>Die Skriptschnittstelle von KWin ist nicht auf dem Sitzungsbus</translation>
    </message>
    <message>
        <source>KWin refused the script that tells the application in front</source>
        <translation>KWin hat das Skript abgelehnt, das die Anwendung im Vordergrund meldet</translation>
    </message>
    <message>
        <source>KWin has left the session bus</source>
        <translation>KWin hat den Sitzungsbus verlassen</translation>
    </message>
    <message>
        <source>The compositor stopped telling which application is in front</source>
        <translation>Der Compositor meldet nicht mehr, welche Anwendung im Vordergrund ist</translation>
    </message>
    <message>
        <source>Vantel does not run as a Wayland program here, so it cannot tell which application is in front</source>
        <translation>Vantel läuft hier nicht als Wayland-Programm und kann daher nicht erkennen, welche Anwendung im Vordergrund ist</translation>
    </message>
    <message>
        <source>This compositor does not tell which application is in front</source>
        <translation>Dieser Compositor meldet nicht, welche Anwendung im Vordergrund ist</translation>
    </message>
    <message>
        <source>Not connected to an X11 display</source>
        <translation>Nicht mit einer X11-Anzeige verbunden</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is active</source>
        <translation>Die Fensterverwaltung meldet nicht, welches Fenster aktiv ist</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>Switch the function keys</source>
        <translation>Funktionstasten umschalten</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Function Keys toggled</source>
        <translation>Funktionstasten umgeschaltet</translation>
    </message>
    <message>
        <source>Enabled: F1, F2 act as standard function keys</source>
        <translation>Aktiviert: F1, F2 wirken als Standard-Funktionstasten</translation>
    </message>
    <message>
        <source>Disabled: F1, F2 control hardware features</source>
        <translation>Deaktiviert: F1, F2 steuern Hardwarefunktionen</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Current: Standard F1, F2, etc.</source>
        <translation>Aktuell: Standard F1, F2 usw.</translation>
    </message>
    <message>
        <source>Current: Hardware Keys (brightness and volume)</source>
        <translation>Aktuell: Hardwaretasten (Helligkeit und Lautstärke)</translation>
    </message>
    <message>
        <source>Switch to Hardware Keys</source>
        <translation>Zu Hardwaretasten wechseln</translation>
    </message>
    <message>
        <source>Switch to Standard F1, F2, etc.</source>
        <translation>Zu Standard F1, F2 usw. wechseln</translation>
    </message>
    <message>
        <source>Remember for %1</source>
        <translation>Für %1 merken</translation>
    </message>
    <message>
        <source>Remember for This Application</source>
        <translation>Für diese Anwendung merken</translation>
    </message>
    <message>
        <source>About Vantel…</source>
        <translation>Über Vantel…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>ToggleService</name>
    <message>
        <source>Vantel is not running.</source>
        <translation>Vantel läuft nicht.</translation>
    </message>
    <message>
        <source>Cannot reach Vantel: there is no session bus.</source>
        <translation>Vantel ist nicht erreichbar: Es gibt keinen Sitzungsbus.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Vantel: Standard F1, F2, etc. (click to switch)</source>
        <translation>Vantel: Standard F1, F2 usw. (zum Umschalten klicken)</translation>
    </message>
    <message>
        <source>Vantel: Hardware Keys (click to switch)</source>
        <translation>Vantel: Hardwaretasten (zum Umschalten klicken)</translation>
    </message>
    <message>
        <source>%1 • Shortcut: %2</source>
        <translation>%1 • Tastenkürzel: %2</translation>
    </message>
    <message>
        <source>%1 • Remembered for %2</source>
        <translation>%1 • Gemerkt für %2</translation>
    </message>
</context>
<context>
    <name>TrayAvailability</name>
    <message>
        <source>No system tray is available; the Vantel icon will appear as soon as a panel with a system tray starts.</source>
        <translation>Kein Systembereich (System Tray) verfügbar; das Vantel-Symbol erscheint, sobald eine Leiste mit Systembereich startet.</translation>
    </message>
</context>
</TS>
