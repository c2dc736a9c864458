<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>ou attribuez un raccourci à « vantel --toggle » dans les paramètres de votre bureau</translation>
    </message>
    <message>
        <source>or press %1</source>
        <translation>ou appuyez sur %1</translation>
    </message>
    <message>
        <source>Vantel lets you quickly switch how your function keys behave.

Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness and volume).

Click the menu bar icon to toggle, %1. Right-click the icon for options.</source>
        <translation>Vantel vous permet de changer rapidement le comportement de vos touches de fonction.

Choisissez F1–F12 standard (envoie F1, F2, etc. aux applications) ou Touches matérielles (règlent la luminosité et le volume).

Cliquez sur l’icône de la barre pour basculer, %1. Faites un clic droit sur l’icône pour les options.</translation>
    </message>
    <message>
        <source>Not switched: %1.</source>
        <translation>Non basculés : %1.</translation>
    </message>
    <message>
        <source>Keyboards switched: %1.</source>
        <translation>Claviers basculés : %1.</translation>
    </message>
    <message>
        <source>No keyboard that Vantel can switch was found (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>Aucun clavier que Vantel peut basculer n’a été trouvé (voir « Which keyboards Vantel switches » dans le README).</translation>
    </message>
    <message>
        <source>Vantel was not allowed to switch the keyboards.</source>
        <translation>Vantel n’a pas été autorisé à basculer les claviers.</translation>
    </message>
    <message>
        <source>The keyboard service is not installed; no keyboard was switched.</source>
        <translation>Le service clavier n’est pas installé ; aucun clavier n’a été basculé.</translation>
    </message>
    <message>
        <source>Some keyboards could not be switched: %1</source>
        <translation>Certains claviers n’ont pas pu être basculés : %1</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add an Application</source>
        <translation>Ajouter une application</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Rechercher par nom</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Rechercher des applications</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Applications installées</translation>
    </message>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Touches de fonction (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Touches matérielles (luminosité, volume, …)</translation>
    </message>
    <message>
        <source>Mode for this application</source>
        <translation>Mode pour cette application</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode :</translation>
    </message>
</context>
<context>
    <name>ApplicationsPage</name>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Touches de fonction (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Touches matérielles (luminosité, volume, …)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation>A&amp;jouter…</translation>
    </message>
    <message>
        <source>Applications with a mode of their &amp;own:</source>
        <translation>Applications avec un m&amp;ode propre :</translation>
    </message>
    <message>
        <source>Applications with a mode of their own</source>
        <translation>Applications avec un mode propre</translation>
    </message>
    <message>
        <source>Mode of the selected application</source>
        <translation>Mode de l’application sélectionnée</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s rule</source>
        <translation>Supprimer la règle de l’application sélectionnée</translation>
    </message>
    <message>
        <source>Add an application</source>
        <translation>Ajouter une application</translation>
    </message>
    <message>
        <source>The mode in force when first needed</source>
        <translation>Le mode en vigueur au moment du premier besoin</translation>
    </message>
    <message>
        <source>Mode of all other applications</source>
        <translation>Mode de toutes les autres applications</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode :</translation>
    </message>
    <message>
        <source>Other a&amp;pplications:</source>
        <translation>Autres a&amp;pplications :</translation>
    </message>
    <message>
        <source>The rules could not be read: %1</source>
        <translation>Les règles n’ont pas pu être lues : %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation>La modification n’a pas été enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>impossible de créer le dossier de %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Switches the keyboard&apos;s top row between standard function keys and hardware keys, from an icon in the panel.</source>
        <translation>Bascule la rangée supérieure du clavier entre touches de fonction standard et touches matérielles, depuis une icône dans le tableau de bord.</translation>
    </message>
    <message>
        <source>Ask the running Vantel to switch, as a click on its icon does.</source>
        <translation>Demande au Vantel en cours d’exécution de basculer, comme un clic sur son icône.</translation>
    </message>
    <message>
        <source>%1 Try &quot;vantel --help&quot;.</source>
        <translation>%1 Essayez « vantel --help ».</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;. Try &quot;vantel --help&quot;.</source>
        <translation>Argument inattendu « %1 ». Essayez « vantel --help ».</translation>
    </message>
    <message>
        <source>Ask the running Vantel to open its settings window.</source>
        <translation>Demande au Vantel en cours d’exécution d’ouvrir sa fenêtre de paramètres.</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>Using X11: %1</source>
        <translation>Utilisation de X11 : %1</translation>
    </message>
    <message>
        <source>Vantel needs a graphical desktop session.</source>
        <translation>Vantel a besoin d’une session de bureau graphique.</translation>
    </message>
    <message>
        <source>No Wayland display: WAYLAND_DISPLAY is not set.</source>
        <translation>Aucun affichage Wayland : WAYLAND_DISPLAY n’est pas défini.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;: XDG_RUNTIME_DIR is not set.</source>
        <translation>Impossible de se connecter à l’affichage Wayland « %1 » : XDG_RUNTIME_DIR n’est pas défini.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>Impossible de se connecter à l’affichage Wayland « %1 ».</translation>
    </message>
    <message>
        <source>The Qt platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Le greffon de plateforme Qt « %1 » n’est pas installé.</translation>
    </message>
    <message>
        <source>No X display: DISPLAY is not set.</source>
        <translation>Aucun affichage X : DISPLAY n’est pas défini.</translation>
    </message>
    <message>
        <source>Cannot open the X display &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir l’affichage X « %1 ».</translation>
    </message>
    <message>
        <source>No display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Aucun affichage : ni DISPLAY ni WAYLAND_DISPLAY n’est défini.</translation>
    </message>
</context>
<context>
    <name>FocusWatch</name>
    <message>
        <source>This desktop does not tell which application is in front</source>
        <translation>Ce bureau n’indique pas quelle application est au premier plan</translation>
    </message>
    <message>
        <source>Vantel&apos;s GNOME extension failed to start</source>
        <translation>L’extension GNOME de Vantel n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>Turn on Vantel in GNOME Extensions</source>
        <translation>Activez Vantel dans Extensions de GNOME</translation>
    </message>
    <message>
        <source>Log out and in, then turn on Vantel in GNOME Extensions</source>
        <translation>Déconnectez-vous puis reconnectez-vous, puis activez Vantel dans Extensions de GNOME</translation>
    </message>
    <message>
        <source>KWin&apos;s reports cannot be received on the session bus</source>
        <translation>Les messages de KWin ne peuvent pas être reçus sur le bus de session</translation>
    </message>
    <message>
        <source>The script for KWin cannot be written: %1</source>
        <translation>Le script pour KWin ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>KWin&apos;s scripting is not on the session bus</source>
        <translation>Les scripts de KWin ne sont pas disponibles sur le bus de session</translation>
    </message>
    <message>
        <source>KWin refused the script that tells the application in front</source>
        <translation>KWin a refusé le script qui indique l’application au premier plan</translation>
    </message>
    <message>
        <source>KWin has left the session bus</source>
        <translation>KWin a quitté le bus de session</translation>
    </message>
    <message>
        <source>The compositor stopped telling which application is in front</source>
        <translation>Le compositeur n’indique plus quelle application est au premier plan</translation>
    </message>
    <message>
        <source>Vantel does not run as a Wayland program here, so it cannot tell which application is in front</source>
        <translation>Vantel ne s’exécute pas ici comme programme Wayland et ne peut donc pas savoir quelle application est au premier plan</translation>
    </message>
    <message>
        <source>This compositor does not tell which application is in front</source>
        <translation>Ce compositeur n’indique pas quelle application est au premier plan</translation>
    </message>
    <message>
        <source>Not connected to an X11 display</source>
        <translation>Non connecté à un affichage X11</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is active</source>
        <translation>Le gestionnaire de fenêtres n’indique pas quelle fenêtre est active</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start Vantel at login</source>
        <translation>&amp;Démarrer Vantel à l’ouverture de session</translation>
    </message>
    <message>
        <source>Automatic (follow the panel)</source>
        <translation>Automatique (suivre le tableau de bord)</translation>
    </message>
    <message>
        <source>Light (for dark panels)</source>
        <translation>Clair (pour les tableaux de bord sombres)</translation>
    </message>
    <message>
        <source>Dark (for light panels)</source>
        <translation>Sombre (pour les tableaux de bord clairs)</translation>
    </message>
    <message>
        <source>Icon colour</source>
        <translation>Couleur de l’icône</translation>
    </message>
    <message>
        <source>Start Vantel at login</source>
        <translation>Démarrer Vantel à l’ouverture de session</translation>
    </message>
    <message>
        <source>Icon &amp;colour:</source>
        <translation>C&amp;ouleur de l’icône :</translation>
    </message>
    <message>
        <source>The icon colour was not saved: %1</source>
        <translation>La couleur de l’icône n’a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>The start at login was not changed: %1</source>
        <translation>Le démarrage à l’ouverture de session n’a pas été modifié : %1</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>Switch the function keys</source>
        <translation>Basculer les touches de fonction</translation>
    </message>
</context>
<context>
    <name>HotKeyPage</name>
    <message>
        <source>&amp;Change in the Desktop&apos;s Settings…</source>
        <translation>&amp;Modifier dans les paramètres du bureau…</translation>
    </message>
    <message>
        <source>Bound keys</source>
        <translation>Touches attribuées</translation>
    </message>
    <message>
        <source>Change the hot key in the desktop&apos;s settings</source>
        <translation>Modifier le raccourci dans les paramètres du bureau</translation>
    </message>
    <message>
        <source>To bind other keys, give this command a shortcut in your desktop&apos;s keyboard settings (on GNOME: Settings → Keyboard → View and Customise Shortcuts → Custom Shortcuts → +; on sway and Hyprland: a bind line in their configuration):</source>
        <translation>Pour utiliser d’autres touches, attribuez un raccourci à cette commande dans les paramètres du clavier de votre bureau (sous GNOME : Paramètres → Clavier → Voir et personnaliser les raccourcis → Raccourcis personnalisés → + ; sous sway et Hyprland : une ligne bind dans leur configuration) :</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Commande à associer</translation>
    </message>
    <message>
        <source>No keys are bound to the switch.</source>
        <translation>Aucune touche n’est attribuée au basculement.</translation>
    </message>
    <message>
        <source>The switch is bound to %1.</source>
        <translation>Le basculement est attribué à %1.</translation>
    </message>
</context>
<context>
    <name>KeyboardsPage</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>Keyboard service</source>
        <translation>Service clavier</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>Claviers</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>Pilote</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Switched by Vantel</source>
        <translation>Basculé par Vantel</translation>
    </message>
    <message>
        <source>Ask the keyboard service again</source>
        <translation>Interroger à nouveau le service clavier</translation>
    </message>
    <message>
        <source>Keyboards the &amp;service found:</source>
        <translation>Claviers trouvés par le &amp;service :</translation>
    </message>
    <message>
        <source>Asking the keyboard service…</source>
        <translation>Interrogation du service clavier…</translation>
    </message>
    <message>
        <source>The keyboard service is not installed, so Vantel switches no keyboard. It comes with the vantel package; in a build of your own, install it with &quot;cmake --install build --component keyboard&quot; (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>Le service clavier n’est pas installé, Vantel ne bascule donc aucun clavier. Il est fourni avec le paquet vantel ; dans une compilation personnelle, installez-le avec « cmake --install build --component keyboard » (voir « Which keyboards Vantel switches » dans le README).</translation>
    </message>
    <message>
        <source>The keyboard service did not answer: %1</source>
        <translation>Le service clavier n’a pas répondu : %1</translation>
    </message>
    <message>
        <source>The keyboard service found no keyboard whose driver has a switch.</source>
        <translation>Le service clavier n’a trouvé aucun clavier dont le pilote peut être basculé.</translation>
    </message>
    <message numerus="yes">
        <source>The keyboard service found %n keyboard(s).</source>
        <translation>
            <numerusform>Le service clavier a trouvé %n clavier.</numerusform>
            <numerusform>Le service clavier a trouvé %n claviers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>Non : %1</translation>
    </message>
    <message>
        <source>%1, driver %2, mode %3, switched by Vantel: %4</source>
        <translation>%1, pilote %2, mode %3, basculé par Vantel : %4</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Function Keys toggled</source>
        <translation>Touches de fonction basculées</translation>
    </message>
    <message>
        <source>Enabled: F1, F2 act as standard function keys</source>
        <translation>Activé : F1, F2 agissent comme des touches de fonction standard</translation>
    </message>
    <message>
        <source>Disabled: F1, F2 control hardware features</source>
        <translation>Désactivé : F1, F2 contrôlent les fonctions matérielles</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Vantel Settings</source>
        <translation>Paramètres de Vantel</translation>
    </message>
    <message>
        <source>Settings sections</source>
        <translation>Sections des paramètres</translation>
    </message>
    <message>
        <source>&amp;Applications</source>
        <translation>&amp;Applications</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>&amp;Keyboards</source>
        <translation>&amp;Claviers</translation>
    </message>
    <message>
        <source>&amp;Hot Key</source>
        <translation>&amp;Raccourci</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Current: Standard F1, F2, etc.</source>
        <translation>Actuel : F1, F2, etc. standard</translation>
    </message>
    <message>
        <source>Current: Hardware Keys (brightness and volume)</source>
        <translation>Actuel : Touches matérielles (luminosité et volume)</translation>
    </message>
    <message>
        <source>Switch to Hardware Keys</source>
        <translation>Passer aux touches matérielles</translation>
    </message>
    <message>
        <source>Switch to Standard F1, F2, etc.</source>
        <translation>Passer à F1, F2, etc. standard</translation>
    </message>
    <message>
        <source>Remember for %1</source>
        <translation>Mémoriser pour %1</translation>
    </message>
    <message>
        <source>Remember for This Application</source>
        <translation>Mémoriser pour cette application</translation>
    </message>
    <message>
        <source>About Vantel…</source>
        <translation>À propos de Vantel…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
</context>
<context>
    <name>ToggleService</name>
    <message>
        <source>Vantel is not running.</source>
        <translation>Vantel n’est pas en cours d’exécution.</translation>
    </message>
    <message>
        <source>Cannot reach Vantel: there is no session bus.</source>
        <translation>Impossible de joindre Vantel : il n’y a pas de bus de session.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Vantel: Standard F1, F2, etc. (click to switch)</source>
        <translation>Vantel : F1, F2, etc. standard (cliquez pour basculer)</translation>
    </message>
    <message>
        <source>Vantel: Hardware Keys (click to switch)</source>
        <translation>Vantel : Touches matérielles (cliquez pour basculer)</translation>
    </message>
    <message>
        <source>%1 • Shortcut: %2</source>
        <translation>%1 • Raccourci : %2</translation>
    </message>
    <message>
        <source>%1 • Remembered for %2</source>
        <translation>%1 • Mémorisé pour %2</translation>
    </message>
</context>
<context>
    <name>TrayAvailability</name>
    <message>
        <source>No system tray is available; the Vantel icon will appear as soon as a panel with a system tray starts.</source>
        <translation>Aucune zone de notification n’est disponible ; l’icône de Vantel apparaîtra dès qu’un tableau de bord avec une zone de notification démarrera.</translation>
    </message>
</context>
</TS>
