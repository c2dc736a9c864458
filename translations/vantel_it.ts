<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versione %1 (%2)</translation>
    </message>
    <message>
        <source>or give &quot;vantel --toggle&quot; a shortcut in your desktop&apos;s settings</source>
        <translation>oppure assegna una scorciatoia a «vantel --toggle» nelle impostazioni del desktop</translation>
    </message>
    <message>
        <source>or press %1</source>
        <translation>oppure premi %1</translation>
    </message>
    <message>
        <source>Vantel lets you quickly switch how your function keys behave.

Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness and volume).

Click the menu bar icon to toggle, %1. Right-click the icon for options.</source>
        <translation>Vantel ti permette di cambiare rapidamente il comportamento dei tasti funzione.

Scegli F1–F12 standard (invia F1, F2 ecc. alle applicazioni) oppure Tasti hardware (regolano luminosità e volume).

Fai clic sull&apos;icona nella barra per commutare, %1. Fai clic destro sull&apos;icona per le opzioni.</translation>
    </message>
    <message>
        <source>Not switched: %1.</source>
        <translation>Non commutate: %1.</translation>
    </message>
    <message>
        <source>Keyboards switched: %1.</source>
        <translation>Tastiere commutate: %1.</translation>
    </message>
    <message>
        <source>No keyboard that Vantel can switch was found (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>Non è stata trovata nessuna tastiera che Vantel possa commutare (vedi «Which keyboards Vantel switches» nel README).</translation>
    </message>
    <message>
        <source>Vantel was not allowed to switch the keyboards.</source>
        <translation>A Vantel non è stato permesso di commutare le tastiere.</translation>
    </message>
    <message>
        <source>The keyboard service is not installed; no keyboard was switched.</source>
        <translation>Il servizio tastiera non è installato; nessuna tastiera è stata commutata.</translation>
    </message>
    <message>
        <source>Some keyboards could not be switched: %1</source>
        <translation>Non è stato possibile commutare alcune tastiere: %1</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Switches the keyboard&apos;s top row between standard function keys and hardware keys, from an icon in the panel.</source>
        <translation>Commuta la fila superiore della tastiera tra tasti funzione standard e tasti hardware, da un&apos;icona nel pannello.</translation>
    </message>
    <message>
        <source>Ask the running Vantel to switch, as a click on its icon does.</source>
        <translation>Chiede al Vantel in esecuzione di commutare, come fa un clic sulla sua icona.</translation>
    </message>
    <message>
        <source>%1 Try &quot;vantel --help&quot;.</source>
        <translation>%1 Prova «vantel --help».</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;. Try &quot;vantel --help&quot;.</source>
        <translation>Argomento inatteso «%1». Prova «vantel --help».</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>Using X11: %1</source>
        <translation>Uso di X11: %1</translation>
    </message>
    <message>
        <source>Vantel needs a graphical desktop session.</source>
        <translation>Vantel richiede una sessione desktop grafica.</translation>
    </message>
    <message>
        <source>No Wayland display: WAYLAND_DISPLAY is not set.</source>
        <translation>Nessun display Wayland: WAYLAND_DISPLAY non è impostata.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;: XDG_RUNTIME_DIR is not set.</source>
        <translation>Impossibile connettersi al display Wayland «%1»: XDG_RUNTIME_DIR non è impostata.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>Impossibile connettersi al display Wayland «%1».</translation>
    </message>
    <message>
        <source>The Qt platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Il plugin di piattaforma Qt «%1» non è installato.</translation>
    </message>
    <message>
        <source>No X display: DISPLAY is not set.</source>
        <translation>Nessun display X: DISPLAY non è impostata.</translation>
    </message>
    <message>
        <source>Cannot open the X display &quot;%1&quot;.</source>
        <translation>Impossibile aprire il display X «%1».</translation>
    </message>
    <message>
        <source>No display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Nessun display: né DISPLAY né WAYLAND_DISPLAY sono impostate.</translation>
    </message>
</context>
<context>
    <name>FocusWatch</name>
    <message>
        <source>This desktop does not tell which application is in front</source>
        <translation>Questo desktop non indica quale applicazione è in primo piano</translation>
    </message>
    <message>
        <source>Vantel&apos;s GNOME extension failed to start</source>
        <translation>L&apos;estensione GNOME di Vantel non è riuscita ad avviarsi</translation>
    </message>
    <message>
        <source>Turn on Vantel in GNOME Extensions</source>
        <translation>Attiva Vantel in Estensioni di GNOME</translation>
    </message>
    <message>
        <source>Log out and in, then turn on Vantel in GNOME Extensions</source>
        <translation>Esci e rientra nella sessione, poi attiva Vantel in Estensioni di GNOME</translation>
    </message>
    <message>
        <source>KWin&apos;s reports cannot be received on the session bus</source>
        <translation>Le segnalazioni di KWin non possono essere ricevute sul bus di sessione</translation>
    </message>
    <message>
        <source>The script for KWin cannot be written: %1</source>
        <translation>Impossibile scrivere lo script per KWin: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s scripting is not on the session bus</source>
        <translation>Gli script di KWin non sono sul bus di sessione</translation>
    </message>
    <message>
        <source>KWin refused the script that tells the application in front</source>
        <translation>KWin ha rifiutato lo script che indica l&apos;applicazione in primo piano</translation>
    </message>
    <message>
        <source>KWin has left the session bus</source>
        <translation>KWin ha lasciato il bus di sessione</translation>
    </message>
    <message>
        <source>The compositor stopped telling which application is in front</source>
        <translation>Il compositor ha smesso di indicare quale applicazione è in primo piano</translation>
    </message>
    <message>
        <source>Vantel does not run as a Wayland program here, so it cannot tell which application is in front</source>
        <translation>Qui Vantel non è in esecuzione come programma Wayland, quindi non può sapere quale applicazione è in primo piano</translation>
    </message>
    <message>
        <source>This compositor does not tell which application is in front</source>
        <translation>Questo compositor non indica quale applicazione è in primo piano</translation>
    </message>
    <message>
        <source>Not connected to an X11 display</source>
        <translation>Non connesso a un display X11</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is active</source>
        <translation>Il gestore delle finestre non indica quale finestra è attiva</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>Switch the function keys</source>
        <translation>Commuta i tasti funzione</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Function Keys toggled</source>
        <translation>Tasti funzione commutati</translation>
    </message>
    <message>
        <source>Enabled: F1, F2 act as standard function keys</source>
        <translation>Attivato: F1, F2 funzionano come tasti funzione standard</translation>
    </message>
    <message>
        <source>Disabled: F1, F2 control hardware features</source>
        <translation>Disattivato: F1, F2 controllano le funzioni hardware</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Current: Standard F1, F2, etc.</source>
        <translation>Attuale: F1, F2 ecc. standard</translation>
    </message>
    <message>
        <source>Current: Hardware Keys (brightness and volume)</source>
        <translation>Attuale: Tasti hardware (luminosità e volume)</translation>
    </message>
    <message>
        <source>Switch to Hardware Keys</source>
        <translation>Passa ai tasti hardware</translation>
    </message>
    <message>
        <source>Switch to Standard F1, F2, etc.</source>
        <translation>Passa a F1, F2 ecc. standard</translation>
    </message>
    <message>
        <source>Remember for %1</source>
        <translation>Ricorda per %1</translation>
    </message>
    <message>
        <source>Remember for This Application</source>
        <translation>Ricorda per questa applicazione</translation>
    </message>
    <message>
        <source>About Vantel…</source>
        <translation>Informazioni su Vantel…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>ToggleService</name>
    <message>
        <source>Vantel is not running.</source>
        <translation>Vantel non è in esecuzione.</translation>
    </message>
    <message>
        <source>Cannot reach Vantel: there is no session bus.</source>
        <translation>Impossibile raggiungere Vantel: non c&apos;è un bus di sessione.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Vantel: Standard F1, F2, etc. (click to switch)</source>
        <translation>Vantel: F1, F2 ecc. standard (fai clic per commutare)</translation>
    </message>
    <message>
        <source>Vantel: Hardware Keys (click to switch)</source>
        <translation>Vantel: Tasti hardware (fai clic per commutare)</translation>
    </message>
    <message>
        <source>%1 • Shortcut: %2</source>
        <translation>%1 • Scorciatoia: %2</translation>
    </message>
    <message>
        <source>%1 • Remembered for %2</source>
        <translation>%1 • Ricordato per %2</translation>
    </message>
</context>
<context>
    <name>TrayAvailability</name>
    <message>
        <source>No system tray is available; the Vantel icon will appear as soon as a panel with a system tray starts.</source>
        <translation>Nessun vassoio di sistema disponibile; l&apos;icona di Vantel apparirà non appena si avvia un pannello con vassoio di sistema.</translation>
    </message>
</context>
</TS>
