<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <source>or give &quot;vantel --toggle&quot; a shortcut in your desktop&apos;s settings</source>
        <translation>o asigne un atajo a «vantel --toggle» en la configuración de su escritorio</translation>
    </message>
    <message>
        <source>or press %1</source>
        <translation>o pulse %1</translation>
    </message>
    <message>
        <source>Vantel lets you quickly switch how your function keys behave.

Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness and volume).

Click the menu bar icon to toggle, %1. Right-click the icon for options.</source>
        <translation>Vantel le permite cambiar rápidamente el comportamiento de sus teclas de función.

Elija F1–F12 estándar (envían F1, F2, etc. a las aplicaciones) o Teclas de hardware (controlan el brillo y el volumen).

Haga clic en el icono de la barra para cambiar, %1. Haga clic derecho en el icono para ver las opciones.</translation>
    </message>
    <message>
        <source>Not switched: %1.</source>
        <translation>No cambiados: %1.</translation>
    </message>
    <message>
        <source>Keyboards switched: %1.</source>
        <translation>Teclados cambiados: %1.</translation>
    </message>
    <message>
        <source>No keyboard that Vantel can switch was found (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>No se encontró ningún teclado que Vantel pueda cambiar (consulte «Which keyboards Vantel switches» en el README).</translation>
    </message>
    <message>
        <source>Vantel was not allowed to switch the keyboards.</source>
        <translation>A Vantel no se le permitió cambiar los teclados.</translation>
    </message>
    <message>
        <source>The keyboard service is not installed; no keyboard was switched.</source>
        <translation>El servicio de teclado no está instalado; no se cambió ningún teclado.</translation>
    </message>
    <message>
        <source>Some keyboards could not be switched: %1</source>
        <translation>Algunos teclados no se pudieron cambiar: %1</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add an Application</source>
        <translation>Añadir una aplicación</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Buscar por nombre</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Buscar aplicaciones</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplicaciones instaladas</translation>
    </message>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Teclas de función (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Teclas de hardware (brillo, volumen, …)</translation>
    </message>
    <message>
        <source>Mode for this application</source>
        <translation>Modo para esta aplicación</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
</context>
<context>
    <name>ApplicationsPage</name>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Teclas de función (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Teclas de hardware (brillo, volumen, …)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation>Aña&amp;dir…</translation>
    </message>
    <message>
        <source>Applications with a mode of their &amp;own:</source>
        <translation>Aplicaciones con un m&amp;odo propio:</translation>
    </message>
    <message>
        <source>Applications with a mode of their own</source>
        <translation>Aplicaciones con un modo propio</translation>
    </message>
    <message>
        <source>Mode of the selected application</source>
        <translation>Modo de la aplicación seleccionada</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s rule</source>
        <translation>Quitar la regla de la aplicación seleccionada</translation>
    </message>
    <message>
        <source>Add an application</source>
        <translation>Añadir una aplicación</translation>
    </message>
    <message>
        <source>The mode in force when first needed</source>
        <translation>El modo vigente cuando se necesite por primera vez</translation>
    </message>
    <message>
        <source>Mode of all other applications</source>
        <translation>Modo de todas las demás aplicaciones</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>Other a&amp;pplications:</source>
        <translation>Otras a&amp;plicaciones:</translation>
    </message>
    <message>
        <source>The rules could not be read: %1</source>
        <translation>No se pudieron leer las reglas: %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation>No se guardó el cambio: %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>no se puede crear la carpeta de %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Switches the keyboard&apos;s top row between standard function keys and hardware keys, from an icon in the panel.</source>
        <translation>Cambia la fila superior del teclado entre teclas de función estándar y teclas de hardware, desde un icono en el panel.</translation>
    </message>
    <message>
        <source>Ask the running Vantel to switch, as a click on its icon does.</source>
        <translation>Pide al Vantel en ejecución que cambie, como lo hace un clic en su icono.</translation>
    </message>
    <message>
        <source>%1 Try &quot;vantel --help&quot;.</source>
        <translation>%1 Pruebe «vantel --help».</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;. Try &quot;vantel --help&quot;.</source>
        <translation>Argumento inesperado «%1». Pruebe «vantel --help».</translation>
    </message>
    <message>
        <source>Ask the running Vantel to open its settings window.</source>
        <translation>Pide al Vantel en ejecución que abra su ventana de configuración.</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>Using X11: %1</source>
        <translation>Usando X11: %1</translation>
    </message>
    <message>
        <source>Vantel needs a graphical desktop session.</source>
        <translation>Vantel necesita una sesión de escritorio gráfica.</translation>
    </message>
    <message>
        <source>No Wayland display: WAYLAND_DISPLAY is not set.</source>
        <translation>No hay pantalla Wayland: WAYLAND_DISPLAY no está definida.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;: XDG_RUNTIME_DIR is not set.</source>
        <translation>No se puede conectar a la pantalla Wayland «%1»: XDG_RUNTIME_DIR no está definida.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>No se puede conectar a la pantalla Wayland «%1».</translation>
    </message>
    <message>
        <source>The Qt platform plugin &quot;%1&quot; is not installed.</source>
        <translation>El complemento de plataforma de Qt «%1» no está instalado.</translation>
    </message>
    <message>
        <source>No X display: DISPLAY is not set.</source>
        <translation>No hay pantalla X: DISPLAY no está definida.</translation>
    </message>
    <message>
        <source>Cannot open the X display &quot;%1&quot;.</source>
        <translation>No se puede abrir la pantalla X «%1».</translation>
    </message>
    <message>
        <source>No display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>No hay pantalla: no está definida ni DISPLAY ni WAYLAND_DISPLAY.</translation>
    </message>
</context>
<context>
    <name>FocusWatch</name>
    <message>
        <source>This desktop does not tell which application is in front</source>
        <translation>Este escritorio no indica qué aplicación está en primer plano</translation>
    </message>
    <message>
        <source>Vantel&apos;s GNOME extension failed to start</source>
        <translation>La extensión de GNOME de Vantel no pudo iniciarse</translation>
    </message>
    <message>
        <source>Turn on Vantel in GNOME Extensions</source>
        <translation>Active Vantel en Extensiones de GNOME</translation>
    </message>
    <message>
        <source>Log out and in, then turn on Vantel in GNOME Extensions</source>
        <translation>Cierre la sesión y vuelva a iniciarla; después active Vantel en Extensiones de GNOME</translation>
    </message>
    <message>
        <source>KWin&apos;s reports cannot be received on the session bus</source>
        <translation>Los avisos de KWin no se pueden recibir en el bus de sesión</translation>
    </message>
    <message>
        <source>The script for KWin cannot be written: %1</source>
        <translation>No se puede escribir el script para KWin: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s scripting is not on the session bus</source>
        <translation>Los scripts de KWin no están en el bus de sesión</translation>
    </message>
    <message>
        <source>KWin refused the script that tells the application in front</source>
        <translation>KWin rechazó el script que indica la aplicación en primer plano</translation>
    </message>
    <message>
        <source>KWin has left the session bus</source>
        <translation>KWin ha abandonado el bus de sesión</translation>
    </message>
    <message>
        <source>The compositor stopped telling which application is in front</source>
        <translation>El compositor dejó de indicar qué aplicación está en primer plano</translation>
    </message>
    <message>
        <source>Vantel does not run as a Wayland program here, so it cannot tell which application is in front</source>
        <translation>Vantel no se ejecuta aquí como programa de Wayland, así que no puede saber qué aplicación está en primer plano</translation>
    </message>
    <message>
        <source>This compositor does not tell which application is in front</source>
        <translation>Este compositor no indica qué aplicación está en primer plano</translation>
    </message>
    <message>
        <source>Not connected to an X11 display</source>
        <translation>No conectado a una pantalla X11</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is active</source>
        <translation>El gestor de ventanas no indica qué ventana está activa</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start Vantel at login</source>
        <translation>&amp;Iniciar Vantel al iniciar sesión</translation>
    </message>
    <message>
        <source>Automatic (follow the panel)</source>
        <translation>Automático (según el panel)</translation>
    </message>
    <message>
        <source>Light (for dark panels)</source>
        <translation>Claro (para paneles oscuros)</translation>
    </message>
    <message>
        <source>Dark (for light panels)</source>
        <translation>Oscuro (para paneles claros)</translation>
    </message>
    <message>
        <source>Icon colour</source>
        <translation>Color del icono</translation>
    </message>
    <message>
        <source>Start Vantel at login</source>
        <translation>Iniciar Vantel al iniciar sesión</translation>
    </message>
    <message>
        <source>Icon &amp;colour:</source>
        <translation>&amp;Color del icono:</translation>
    </message>
    <message>
        <source>The icon colour was not saved: %1</source>
        <translation>No se guardó el color del icono: %1</translation>
    </message>
    <message>
        <source>The start at login was not changed: %1</source>
        <translation>No se cambió el inicio al iniciar sesión: %1</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>Switch the function keys</source>
        <translation>Cambiar las teclas de función</translation>
    </message>
</context>
<context>
    <name>HotKeyPage</name>
    <message>
        <source>&amp;Change in the Desktop&apos;s Settings…</source>
        <translation>&amp;Cambiar en la configuración del escritorio…</translation>
    </message>
    <message>
        <source>Bound keys</source>
        <translation>Teclas asignadas</translation>
    </message>
    <message>
        <source>Change the hot key in the desktop&apos;s settings</source>
        <translation>Cambiar el atajo en la configuración del escritorio</translation>
    </message>
    <message>
        <source>To bind other keys, give this command a shortcut in your desktop&apos;s keyboard settings (on GNOME: Settings → Keyboard → View and Customise Shortcuts → Custom Shortcuts → +; on sway and Hyprland: a bind line in their configuration):</source>
        <translation>Para usar otras teclas, asigne un atajo a esta orden en la configuración del teclado de su escritorio (en GNOME: Configuración → Teclado → Ver y personalizar los atajos → Atajos personalizados → +; en sway e Hyprland: una línea bind en su configuración):</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Orden que asignar</translation>
    </message>
    <message>
        <source>No keys are bound to the switch.</source>
        <translation>No hay teclas asignadas al cambio.</translation>
    </message>
    <message>
        <source>The switch is bound to %1.</source>
        <translation>El cambio está asignado a %1.</translation>
    </message>
</context>
<context>
    <name>KeyboardsPage</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>Actuali&amp;zar</translation>
    </message>
    <message>
        <source>Keyboard service</source>
        <translation>Servicio de teclado</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>Teclados</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Switched by Vantel</source>
        <translation>Cambiado por Vantel</translation>
    </message>
    <message>
        <source>Ask the keyboard service again</source>
        <translation>Volver a consultar el servicio de teclado</translation>
    </message>
    <message>
        <source>Keyboards the &amp;service found:</source>
        <translation>Teclados que encontró el &amp;servicio:</translation>
    </message>
    <message>
        <source>Asking the keyboard service…</source>
        <translation>Consultando el servicio de teclado…</translation>
    </message>
    <message>
        <source>The keyboard service is not installed, so Vantel switches no keyboard. It comes with the vantel package; in a build of your own, install it with &quot;cmake --install build --component keyboard&quot; (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>El servicio de teclado no está instalado, así que Vantel no cambia ningún teclado. Viene con el paquete vantel; en una compilación propia, instálelo con «cmake --install build --component keyboard» (consulte «Which keyboards Vantel switches» en el README).</translation>
    </message>
    <message>
        <source>The keyboard service did not answer: %1</source>
        <translation>El servicio de teclado no respondió: %1</translation>
    </message>
    <message>
        <source>The keyboard service found no keyboard whose driver has a switch.</source>
        <translation>El servicio de teclado no encontró ningún teclado cuyo controlador se pueda cambiar.</translation>
    </message>
    <message numerus="yes">
        <source>The keyboard service found %n keyboard(s).</source>
        <translation>
            <numerusform>El servicio de teclado encontró %n teclado.</numerusform>
            <numerusform>El servicio de teclado encontró %n teclados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>No: %1</translation>
    </message>
    <message>
        <source>%1, driver %2, mode %3, switched by Vantel: %4</source>
        <translation>%1, controlador %2, modo %3, cambiado por Vantel: %4</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Function Keys toggled</source>
        <translation>Teclas de función cambiadas</translation>
    </message>
    <message>
        <source>Enabled: F1, F2 act as standard function keys</source>
        <translation>Activado: F1, F2 funcionan como teclas de función estándar</translation>
    </message>
    <message>
        <source>Disabled: F1, F2 control hardware features</source>
        <translation>Desactivado: F1, F2 controlan funciones del hardware</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Vantel Settings</source>
        <translation>Configuración de Vantel</translation>
    </message>
    <message>
        <source>Settings sections</source>
        <translation>Secciones de la configuración</translation>
    </message>
    <message>
        <source>&amp;Applications</source>
        <translation>&amp;Aplicaciones</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Keyboards</source>
        <translation>&amp;Teclados</translation>
    </message>
    <message>
        <source>&amp;Hot Key</source>
        <translation>Ata&amp;jo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Current: Standard F1, F2, etc.</source>
        <translation>Actual: F1, F2, etc. estándar</translation>
    </message>
    <message>
        <source>Current: Hardware Keys (brightness and volume)</source>
        <translation>Actual: Teclas de hardware (brillo y volumen)</translation>
    </message>
    <message>
        <source>Switch to Hardware Keys</source>
        <translation>Cambiar a teclas de hardware</translation>
    </message>
    <message>
        <source>Switch to Standard F1, F2, etc.</source>
        <translation>Cambiar a F1, F2, etc. estándar</translation>
    </message>
    <message>
        <source>Remember for %1</source>
        <translation>Recordar para %1</translation>
    </message>
    <message>
        <source>Remember for This Application</source>
        <translation>Recordar para esta aplicación</translation>
    </message>
    <message>
        <source>About Vantel…</source>
        <translation>Acerca de Vantel…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
</context>
<context>
    <name>ToggleService</name>
    <message>
        <source>Vantel is not running.</source>
        <translation>Vantel no se está ejecutando.</translation>
    </message>
    <message>
        <source>Cannot reach Vantel: there is no session bus.</source>
        <translation>No se puede contactar con Vantel: no hay bus de sesión.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Vantel: Standard F1, F2, etc. (click to switch)</source>
        <translation>Vantel: F1, F2, etc. estándar (haga clic para cambiar)</translation>
    </message>
    <message>
        <source>Vantel: Hardware Keys (click to switch)</source>
        <translation>Vantel: Teclas de hardware (haga clic para cambiar)</translation>
    </message>
    <message>
        <source>%1 • Shortcut: %2</source>
        <translation>%1 • Atajo: %2</translation>
    </message>
    <message>
        <source>%1 • Remembered for %2</source>
        <translation>%1 • Recordado para %2</translation>
    </message>
</context>
<context>
    <name>TrayAvailability</name>
    <message>
        <source>No system tray is available; the Vantel icon will appear as soon as a panel with a system tray starts.</source>
        <translation>No hay ninguna bandeja del sistema disponible; el icono de Vantel aparecerá en cuanto se inicie un panel con bandeja del sistema.</translation>
    </message>
</context>
</TS>
