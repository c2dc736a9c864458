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
    <name>ApplicationPicker</name>
    <message>
        <source>Add an Application</source>
        <translation>Anwendung hinzufügen</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Nach Namen suchen</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Anwendungen durchsuchen</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Installierte Anwendungen</translation>
    </message>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Funktionstasten (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Hardwaretasten (Helligkeit, Lautstärke, …)</translation>
    </message>
    <message>
        <source>Mode for this application</source>
        <translation>Modus für diese Anwendung</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
</context>
<context>
    <name>ApplicationsPage</name>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Funktionstasten (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Hardwaretasten (Helligkeit, Lautstärke, …)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>Applications with a mode of their &amp;own:</source>
        <translation>Anwendungen mit eigenem M&amp;odus:</translation>
    </message>
    <message>
        <source>Applications with a mode of their own</source>
        <translation>Anwendungen mit eigenem Modus</translation>
    </message>
    <message>
        <source>Mode of the selected application</source>
        <translation>Modus der ausgewählten Anwendung</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s rule</source>
        <translation>Regel der ausgewählten Anwendung entfernen</translation>
    </message>
    <message>
        <source>Add an application</source>
        <translation>Anwendung hinzufügen</translation>
    </message>
    <message>
        <source>The mode in force when first needed</source>
        <translation>Der Modus, der beim ersten Bedarf gilt</translation>
    </message>
    <message>
        <source>Mode of all other applications</source>
        <translation>Modus aller anderen Anwendungen</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <source>Other a&amp;pplications:</source>
        <translation>Andere Anwen&amp;dungen:</translation>
    </message>
    <message>
        <source>The rules could not be read: %1</source>
        <translation>Die Regeln konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation>Die Änderung wurde nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>der Ordner von %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
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
    <message>
        <source>Ask the running Vantel to open its settings window.</source>
        <translation>Bittet das laufende Vantel, sein Einstellungsfenster zu öffnen.</translation>
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
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start Vantel at login</source>
        <translation>Vantel bei der Anmeldung &amp;starten</translation>
    </message>
    <message>
        <source>Automatic (follow the panel)</source>
        <translation>Automatisch (wie die Leiste)</translation>
    </message>
    <message>
        <source>Light (for dark panels)</source>
        <translation>Hell (für dunkle Leisten)</translation>
    </message>
    <message>
        <source>Dark (for light panels)</source>
        <translation>Dunkel (für helle Leisten)</translation>
    </message>
    <message>
        <source>Icon colour</source>
        <translation>Symbolfarbe</translation>
    </message>
    <message>
        <source>Start Vantel at login</source>
        <translation>Vantel bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Icon &amp;colour:</source>
        <translation>Symbol&amp;farbe:</translation>
    </message>
    <message>
        <source>The icon colour was not saved: %1</source>
        <translation>Die Symbolfarbe wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The start at login was not changed: %1</source>
        <translation>Der Start bei der Anmeldung wurde nicht geändert: %1</translation>
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
    <name>HotKeyPage</name>
    <message>
        <source>&amp;Change in the Desktop&apos;s Settings…</source>
        <translation>In den Einstellungen der Arbeitsumgebung ä&amp;ndern…</translation>
    </message>
    <message>
        <source>Bound keys</source>
        <translation>Zugewiesene Tasten</translation>
    </message>
    <message>
        <source>Change the hot key in the desktop&apos;s settings</source>
        <translation>Das Tastenkürzel in den Einstellungen der Arbeitsumgebung ändern</translation>
    </message>
    <message>
        <source>To bind other keys, give this command a shortcut in your desktop&apos;s keyboard settings (on GNOME: Settings → Keyboard → View and Customise Shortcuts → Custom Shortcuts → +; on sway and Hyprland: a bind line in their configuration):</source>
        <translation>Um andere Tasten zuzuweisen, weisen Sie diesem Befehl in den Tastatureinstellungen Ihrer Arbeitsumgebung ein Tastenkürzel zu (unter GNOME: Einstellungen → Tastatur → Tastenkürzel ansehen und anpassen → Eigene Tastenkürzel → +; unter sway und Hyprland: eine bind-Zeile in deren Konfiguration):</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Zuzuweisender Befehl</translation>
    </message>
    <message>
        <source>No keys are bound to the switch.</source>
        <translation>Dem Umschalten sind keine Tasten zugewiesen.</translation>
    </message>
    <message>
        <source>The switch is bound to %1.</source>
        <translation>Dem Umschalten ist %1 zugewiesen.</translation>
    </message>
</context>
<context>
    <name>KeyboardsPage</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>Akt&amp;ualisieren</translation>
    </message>
    <message>
        <source>Keyboard service</source>
        <translation>Tastaturdienst</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>Tastaturen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Switched by Vantel</source>
        <translation>Von Vantel umgeschaltet</translation>
    </message>
    <message>
        <source>Ask the keyboard service again</source>
        <translation>Den Tastaturdienst erneut fragen</translation>
    </message>
    <message>
        <source>Keyboards the &amp;service found:</source>
        <translation>Vom &amp;Dienst gefundene Tastaturen:</translation>
    </message>
    <message>
        <source>Asking the keyboard service…</source>
        <translation>Der Tastaturdienst wird gefragt…</translation>
    </message>
    <message>
        <source>The keyboard service is not installed, so Vantel switches no keyboard. It comes with the vantel package; in a build of your own, install it with &quot;cmake --install build --component keyboard&quot; (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>Der Tastaturdienst ist nicht installiert, daher schaltet Vantel keine Tastatur um. Er ist im Paket vantel enthalten; in einem eigenen Build installieren Sie ihn mit „cmake --install build --component keyboard“ (siehe „Which keyboards Vantel switches“ in der README).</translation>
    </message>
    <message>
        <source>The keyboard service did not answer: %1</source>
        <translation>Der Tastaturdienst hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>The keyboard service found no keyboard whose driver has a switch.</source>
        <translation>Der Tastaturdienst hat keine Tastatur gefunden, deren Treiber sich umschalten lässt.</translation>
    </message>
    <message numerus="yes">
        <source>The keyboard service found %n keyboard(s).</source>
        <translation>
            <numerusform>Der Tastaturdienst hat %n Tastatur gefunden.</numerusform>
            <numerusform>Der Tastaturdienst hat %n Tastaturen gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>Nein: %1</translation>
    </message>
    <message>
        <source>%1, driver %2, mode %3, switched by Vantel: %4</source>
        <translation>%1, Treiber %2, Modus %3, von Vantel umgeschaltet: %4</translation>
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
    <name>SettingsWindow</name>
    <message>
        <source>Vantel Settings</source>
        <translation>Vantel-Einstellungen</translation>
    </message>
    <message>
        <source>Settings sections</source>
        <translation>Einstellungsbereiche</translation>
    </message>
    <message>
        <source>&amp;Applications</source>
        <translation>&amp;Anwendungen</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>A&amp;llgemein</translation>
    </message>
    <message>
        <source>&amp;Keyboards</source>
        <translation>&amp;Tastaturen</translation>
    </message>
    <message>
        <source>&amp;Hot Key</source>
        <translation>Tasten&amp;kürzel</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
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
