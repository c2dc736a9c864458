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
    <name>ApplicationPicker</name>
    <message>
        <source>Add an Application</source>
        <translation>Aggiungi un&apos;applicazione</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Cerca per nome</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Cerca applicazioni</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Applicazioni installate</translation>
    </message>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Tasti funzione (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Tasti hardware (luminosità, volume, …)</translation>
    </message>
    <message>
        <source>Mode for this application</source>
        <translation>Modalità per questa applicazione</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modalità:</translation>
    </message>
</context>
<context>
    <name>ApplicationsPage</name>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Tasti funzione (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Tasti hardware (luminosità, volume, …)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation>Aggi&amp;ungi…</translation>
    </message>
    <message>
        <source>Applications with a mode of their &amp;own:</source>
        <translation>Applicazioni con una m&amp;odalità propria:</translation>
    </message>
    <message>
        <source>Applications with a mode of their own</source>
        <translation>Applicazioni con una modalità propria</translation>
    </message>
    <message>
        <source>Mode of the selected application</source>
        <translation>Modalità dell&apos;applicazione selezionata</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s rule</source>
        <translation>Rimuovi la regola dell&apos;applicazione selezionata</translation>
    </message>
    <message>
        <source>Add an application</source>
        <translation>Aggiungi un&apos;applicazione</translation>
    </message>
    <message>
        <source>The mode in force when first needed</source>
        <translation>La modalità attiva quando serve la prima volta</translation>
    </message>
    <message>
        <source>Mode of all other applications</source>
        <translation>Modalità di tutte le altre applicazioni</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modalità:</translation>
    </message>
    <message>
        <source>Other a&amp;pplications:</source>
        <translation>Altre a&amp;pplicazioni:</translation>
    </message>
    <message>
        <source>The rules could not be read: %1</source>
        <translation>Impossibile leggere le regole: %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation>La modifica non è stata salvata: %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>impossibile creare la cartella di %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
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
    <message>
        <source>Ask the running Vantel to open its settings window.</source>
        <translation>Chiede al Vantel in esecuzione di aprire la sua finestra delle impostazioni.</translation>
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
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start Vantel at login</source>
        <translation>A&amp;vvia Vantel all&apos;accesso</translation>
    </message>
    <message>
        <source>Automatic (follow the panel)</source>
        <translation>Automatico (segue il pannello)</translation>
    </message>
    <message>
        <source>Light (for dark panels)</source>
        <translation>Chiaro (per pannelli scuri)</translation>
    </message>
    <message>
        <source>Dark (for light panels)</source>
        <translation>Scuro (per pannelli chiari)</translation>
    </message>
    <message>
        <source>Icon colour</source>
        <translation>Colore dell&apos;icona</translation>
    </message>
    <message>
        <source>Start Vantel at login</source>
        <translation>Avvia Vantel all&apos;accesso</translation>
    </message>
    <message>
        <source>Icon &amp;colour:</source>
        <translation>&amp;Colore dell&apos;icona:</translation>
    </message>
    <message>
        <source>The icon colour was not saved: %1</source>
        <translation>Il colore dell&apos;icona non è stato salvato: %1</translation>
    </message>
    <message>
        <source>The start at login was not changed: %1</source>
        <translation>L&apos;avvio all&apos;accesso non è stato modificato: %1</translation>
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
    <name>HotKeyPage</name>
    <message>
        <source>&amp;Change in the Desktop&apos;s Settings…</source>
        <translation>&amp;Modifica nelle impostazioni del desktop…</translation>
    </message>
    <message>
        <source>Bound keys</source>
        <translation>Tasti assegnati</translation>
    </message>
    <message>
        <source>Change the hot key in the desktop&apos;s settings</source>
        <translation>Modifica la scorciatoia nelle impostazioni del desktop</translation>
    </message>
    <message>
        <source>To bind other keys, give this command a shortcut in your desktop&apos;s keyboard settings (on GNOME: Settings → Keyboard → View and Customise Shortcuts → Custom Shortcuts → +; on sway and Hyprland: a bind line in their configuration):</source>
        <translation>Per usare altri tasti, assegna una scorciatoia a questo comando nelle impostazioni della tastiera del desktop (su GNOME: Impostazioni → Tastiera → Visualizza e personalizza scorciatoie → Scorciatoie personalizzate → +; su sway e Hyprland: una riga bind nella loro configurazione):</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Comando da assegnare</translation>
    </message>
    <message>
        <source>No keys are bound to the switch.</source>
        <translation>Nessun tasto è assegnato alla commutazione.</translation>
    </message>
    <message>
        <source>The switch is bound to %1.</source>
        <translation>La commutazione è assegnata a %1.</translation>
    </message>
</context>
<context>
    <name>KeyboardsPage</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>Aggio&amp;rna</translation>
    </message>
    <message>
        <source>Keyboard service</source>
        <translation>Servizio tastiera</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>Tastiere</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Driver</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Switched by Vantel</source>
        <translation>Commutata da Vantel</translation>
    </message>
    <message>
        <source>Ask the keyboard service again</source>
        <translation>Interroga di nuovo il servizio tastiera</translation>
    </message>
    <message>
        <source>Keyboards the &amp;service found:</source>
        <translation>Tastiere trovate dal ser&amp;vizio:</translation>
    </message>
    <message>
        <source>Asking the keyboard service…</source>
        <translation>Interrogazione del servizio tastiera…</translation>
    </message>
    <message>
        <source>The keyboard service is not installed, so Vantel switches no keyboard. It comes with the vantel package; in a build of your own, install it with &quot;cmake --install build --component keyboard&quot; (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>Il servizio tastiera non è installato, quindi Vantel non commuta nessuna tastiera. È incluso nel pacchetto vantel; in una compilazione propria, installalo con «cmake --install build --component keyboard» (vedi «Which keyboards Vantel switches» nel README).</translation>
    </message>
    <message>
        <source>The keyboard service did not answer: %1</source>
        <translation>Il servizio tastiera non ha risposto: %1</translation>
    </message>
    <message>
        <source>The keyboard service found no keyboard whose driver has a switch.</source>
        <translation>Il servizio tastiera non ha trovato nessuna tastiera il cui driver si possa commutare.</translation>
    </message>
    <message numerus="yes">
        <source>The keyboard service found %n keyboard(s).</source>
        <translation>
            <numerusform>Il servizio tastiera ha trovato %n tastiera.</numerusform>
            <numerusform>Il servizio tastiera ha trovato %n tastiere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>No: %1</translation>
    </message>
    <message>
        <source>%1, driver %2, mode %3, switched by Vantel: %4</source>
        <translation>%1, driver %2, modalità %3, commutata da Vantel: %4</translation>
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
    <name>SettingsWindow</name>
    <message>
        <source>Vantel Settings</source>
        <translation>Impostazioni di Vantel</translation>
    </message>
    <message>
        <source>Settings sections</source>
        <translation>Sezioni delle impostazioni</translation>
    </message>
    <message>
        <source>&amp;Applications</source>
        <translation>&amp;Applicazioni</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Generale</translation>
    </message>
    <message>
        <source>&amp;Keyboards</source>
        <translation>&amp;Tastiere</translation>
    </message>
    <message>
        <source>&amp;Hot Key</source>
        <translation>&amp;Scorciatoia</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
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
