<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versão %1 (%2)</translation>
    </message>
    <message>
        <source>or give &quot;vantel --toggle&quot; a shortcut in your desktop&apos;s settings</source>
        <translation>ou atribua um atalho a “vantel --toggle” nas configurações do seu ambiente de trabalho</translation>
    </message>
    <message>
        <source>or press %1</source>
        <translation>ou pressione %1</translation>
    </message>
    <message>
        <source>Vantel lets you quickly switch how your function keys behave.

Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness and volume).

Click the menu bar icon to toggle, %1. Right-click the icon for options.</source>
        <translation>O Vantel permite alternar rapidamente o comportamento das suas teclas de função.

Escolha F1–F12 padrão (envia F1, F2 etc. aos aplicativos) ou Teclas de hardware (controlam o brilho e o volume).

Clique no ícone da barra para alternar, %1. Clique com o botão direito no ícone para ver as opções.</translation>
    </message>
    <message>
        <source>Not switched: %1.</source>
        <translation>Não alternados: %1.</translation>
    </message>
    <message>
        <source>Keyboards switched: %1.</source>
        <translation>Teclados alternados: %1.</translation>
    </message>
    <message>
        <source>No keyboard that Vantel can switch was found (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>Nenhum teclado que o Vantel consiga alternar foi encontrado (veja “Which keyboards Vantel switches” no README).</translation>
    </message>
    <message>
        <source>Vantel was not allowed to switch the keyboards.</source>
        <translation>O Vantel não recebeu permissão para alternar os teclados.</translation>
    </message>
    <message>
        <source>The keyboard service is not installed; no keyboard was switched.</source>
        <translation>O serviço de teclado não está instalado; nenhum teclado foi alternado.</translation>
    </message>
    <message>
        <source>Some keyboards could not be switched: %1</source>
        <translation>Alguns teclados não puderam ser alternados: %1</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add an Application</source>
        <translation>Adicionar um aplicativo</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Pesquisar por nome</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>Pesquisar aplicativos</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplicativos instalados</translation>
    </message>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>Teclas de função (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Teclas de hardware (brilho, volume, …)</translation>
    </message>
    <message>
        <source>Mode for this application</source>
        <translation>Modo para este aplicativo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Pesquisar:</translation>
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
        <translation>Teclas de função (F1, F2, …)</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>Teclas de hardware (brilho, volume, …)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation>A&amp;dicionar…</translation>
    </message>
    <message>
        <source>Applications with a mode of their &amp;own:</source>
        <translation>Aplicativos com um m&amp;odo próprio:</translation>
    </message>
    <message>
        <source>Applications with a mode of their own</source>
        <translation>Aplicativos com um modo próprio</translation>
    </message>
    <message>
        <source>Mode of the selected application</source>
        <translation>Modo do aplicativo selecionado</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s rule</source>
        <translation>Remover a regra do aplicativo selecionado</translation>
    </message>
    <message>
        <source>Add an application</source>
        <translation>Adicionar um aplicativo</translation>
    </message>
    <message>
        <source>The mode in force when first needed</source>
        <translation>O modo em vigor quando for necessário pela primeira vez</translation>
    </message>
    <message>
        <source>Mode of all other applications</source>
        <translation>Modo de todos os outros aplicativos</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>Other a&amp;pplications:</source>
        <translation>Outros a&amp;plicativos:</translation>
    </message>
    <message>
        <source>The rules could not be read: %1</source>
        <translation>Não foi possível ler as regras: %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation>A alteração não foi salva: %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>não é possível criar a pasta de %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Switches the keyboard&apos;s top row between standard function keys and hardware keys, from an icon in the panel.</source>
        <translation>Alterna a fileira superior do teclado entre teclas de função padrão e teclas de hardware, a partir de um ícone no painel.</translation>
    </message>
    <message>
        <source>Ask the running Vantel to switch, as a click on its icon does.</source>
        <translation>Pede ao Vantel em execução que alterne, como faz um clique no seu ícone.</translation>
    </message>
    <message>
        <source>%1 Try &quot;vantel --help&quot;.</source>
        <translation>%1 Experimente “vantel --help”.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;. Try &quot;vantel --help&quot;.</source>
        <translation>Argumento inesperado “%1”. Experimente “vantel --help”.</translation>
    </message>
    <message>
        <source>Ask the running Vantel to open its settings window.</source>
        <translation>Pede ao Vantel em execução que abra sua janela de configurações.</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>Using X11: %1</source>
        <translation>Usando o X11: %1</translation>
    </message>
    <message>
        <source>Vantel needs a graphical desktop session.</source>
        <translation>O Vantel precisa de uma sessão gráfica.</translation>
    </message>
    <message>
        <source>No Wayland display: WAYLAND_DISPLAY is not set.</source>
        <translation>Nenhuma tela Wayland: WAYLAND_DISPLAY não está definida.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;: XDG_RUNTIME_DIR is not set.</source>
        <translation>Não é possível conectar à tela Wayland “%1”: XDG_RUNTIME_DIR não está definida.</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>Não é possível conectar à tela Wayland “%1”.</translation>
    </message>
    <message>
        <source>The Qt platform plugin &quot;%1&quot; is not installed.</source>
        <translation>O plugin de plataforma do Qt “%1” não está instalado.</translation>
    </message>
    <message>
        <source>No X display: DISPLAY is not set.</source>
        <translation>Nenhuma tela X: DISPLAY não está definida.</translation>
    </message>
    <message>
        <source>Cannot open the X display &quot;%1&quot;.</source>
        <translation>Não é possível abrir a tela X “%1”.</translation>
    </message>
    <message>
        <source>No display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Nenhuma tela: nem DISPLAY nem WAYLAND_DISPLAY estão definidas.</translation>
    </message>
</context>
<context>
    <name>FocusWatch</name>
    <message>
        <source>This desktop does not tell which application is in front</source>
        <translation>Este ambiente de trabalho não informa qual aplicativo está em primeiro plano</translation>
    </message>
    <message>
        <source>Vantel&apos;s GNOME extension failed to start</source>
        <translation>A extensão do GNOME do Vantel não conseguiu iniciar</translation>
    </message>
    <message>
        <source>Turn on Vantel in GNOME Extensions</source>
        <translation>Ative o Vantel em Extensões do GNOME</translation>
    </message>
    <message>
        <source>Log out and in, then turn on Vantel in GNOME Extensions</source>
        <translation>Encerre a sessão e entre novamente; depois ative o Vantel em Extensões do GNOME</translation>
    </message>
    <message>
        <source>KWin&apos;s reports cannot be received on the session bus</source>
        <translation>Os avisos do KWin não podem ser recebidos no barramento de sessão</translation>
    </message>
    <message>
        <source>The script for KWin cannot be written: %1</source>
        <translation>Não é possível gravar o script para o KWin: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s scripting is not on the session bus</source>
        <translation>Os scripts do KWin não estão no barramento de sessão</translation>
    </message>
    <message>
        <source>KWin refused the script that tells the application in front</source>
        <translation>O KWin recusou o script que informa o aplicativo em primeiro plano</translation>
    </message>
    <message>
        <source>KWin has left the session bus</source>
        <translation>O KWin saiu do barramento de sessão</translation>
    </message>
    <message>
        <source>The compositor stopped telling which application is in front</source>
        <translation>O compositor deixou de informar qual aplicativo está em primeiro plano</translation>
    </message>
    <message>
        <source>Vantel does not run as a Wayland program here, so it cannot tell which application is in front</source>
        <translation>O Vantel não está sendo executado aqui como programa Wayland, então não consegue saber qual aplicativo está em primeiro plano</translation>
    </message>
    <message>
        <source>This compositor does not tell which application is in front</source>
        <translation>Este compositor não informa qual aplicativo está em primeiro plano</translation>
    </message>
    <message>
        <source>Not connected to an X11 display</source>
        <translation>Não conectado a uma tela X11</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is active</source>
        <translation>O gerenciador de janelas não informa qual janela está ativa</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start Vantel at login</source>
        <translation>&amp;Iniciar o Vantel ao entrar na sessão</translation>
    </message>
    <message>
        <source>Automatic (follow the panel)</source>
        <translation>Automático (acompanha o painel)</translation>
    </message>
    <message>
        <source>Light (for dark panels)</source>
        <translation>Claro (para painéis escuros)</translation>
    </message>
    <message>
        <source>Dark (for light panels)</source>
        <translation>Escuro (para painéis claros)</translation>
    </message>
    <message>
        <source>Icon colour</source>
        <translation>Cor do ícone</translation>
    </message>
    <message>
        <source>Start Vantel at login</source>
        <translation>Iniciar o Vantel ao entrar na sessão</translation>
    </message>
    <message>
        <source>Icon &amp;colour:</source>
        <translation>&amp;Cor do ícone:</translation>
    </message>
    <message>
        <source>The icon colour was not saved: %1</source>
        <translation>A cor do ícone não foi salva: %1</translation>
    </message>
    <message>
        <source>The start at login was not changed: %1</source>
        <translation>O início ao entrar na sessão não foi alterado: %1</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>Switch the function keys</source>
        <translation>Alternar as teclas de função</translation>
    </message>
</context>
<context>
    <name>HotKeyPage</name>
    <message>
        <source>&amp;Change in the Desktop&apos;s Settings…</source>
        <translation>Alt&amp;erar nas configurações do ambiente de trabalho…</translation>
    </message>
    <message>
        <source>Bound keys</source>
        <translation>Teclas atribuídas</translation>
    </message>
    <message>
        <source>Change the hot key in the desktop&apos;s settings</source>
        <translation>Alterar o atalho nas configurações do ambiente de trabalho</translation>
    </message>
    <message>
        <source>To bind other keys, give this command a shortcut in your desktop&apos;s keyboard settings (on GNOME: Settings → Keyboard → View and Customise Shortcuts → Custom Shortcuts → +; on sway and Hyprland: a bind line in their configuration):</source>
        <translation>Para usar outras teclas, atribua um atalho a este comando nas configurações de teclado do seu ambiente de trabalho (no GNOME: Configurações → Teclado → Ver e personalizar atalhos → Atalhos personalizados → +; no sway e no Hyprland: uma linha bind na configuração deles):</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>Comando a atribuir</translation>
    </message>
    <message>
        <source>No keys are bound to the switch.</source>
        <translation>Nenhuma tecla está atribuída à alternância.</translation>
    </message>
    <message>
        <source>The switch is bound to %1.</source>
        <translation>A alternância está atribuída a %1.</translation>
    </message>
</context>
<context>
    <name>KeyboardsPage</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>Atuali&amp;zar</translation>
    </message>
    <message>
        <source>Keyboard service</source>
        <translation>Serviço de teclado</translation>
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
        <translation>Driver</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Switched by Vantel</source>
        <translation>Alternado pelo Vantel</translation>
    </message>
    <message>
        <source>Ask the keyboard service again</source>
        <translation>Consultar novamente o serviço de teclado</translation>
    </message>
    <message>
        <source>Keyboards the &amp;service found:</source>
        <translation>Teclados que o &amp;serviço encontrou:</translation>
    </message>
    <message>
        <source>Asking the keyboard service…</source>
        <translation>Consultando o serviço de teclado…</translation>
    </message>
    <message>
        <source>The keyboard service is not installed, so Vantel switches no keyboard. It comes with the vantel package; in a build of your own, install it with &quot;cmake --install build --component keyboard&quot; (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>O serviço de teclado não está instalado, então o Vantel não alterna nenhum teclado. Ele vem com o pacote vantel; em uma compilação própria, instale-o com “cmake --install build --component keyboard” (veja “Which keyboards Vantel switches” no README).</translation>
    </message>
    <message>
        <source>The keyboard service did not answer: %1</source>
        <translation>O serviço de teclado não respondeu: %1</translation>
    </message>
    <message>
        <source>The keyboard service found no keyboard whose driver has a switch.</source>
        <translation>O serviço de teclado não encontrou nenhum teclado cujo driver possa ser alternado.</translation>
    </message>
    <message numerus="yes">
        <source>The keyboard service found %n keyboard(s).</source>
        <translation>
            <numerusform>O serviço de teclado encontrou %n teclado.</numerusform>
            <numerusform>O serviço de teclado encontrou %n teclados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>Não: %1</translation>
    </message>
    <message>
        <source>%1, driver %2, mode %3, switched by Vantel: %4</source>
        <translation>%1, driver %2, modo %3, alternado pelo Vantel: %4</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Function Keys toggled</source>
        <translation>Teclas de função alternadas</translation>
    </message>
    <message>
        <source>Enabled: F1, F2 act as standard function keys</source>
        <translation>Ativado: F1, F2 funcionam como teclas de função padrão</translation>
    </message>
    <message>
        <source>Disabled: F1, F2 control hardware features</source>
        <translation>Desativado: F1, F2 controlam recursos de hardware</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Vantel Settings</source>
        <translation>Configurações do Vantel</translation>
    </message>
    <message>
        <source>Settings sections</source>
        <translation>Seções das configurações</translation>
    </message>
    <message>
        <source>&amp;Applications</source>
        <translation>&amp;Aplicativos</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Geral</translation>
    </message>
    <message>
        <source>&amp;Keyboards</source>
        <translation>&amp;Teclados</translation>
    </message>
    <message>
        <source>&amp;Hot Key</source>
        <translation>Ata&amp;lho</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Current: Standard F1, F2, etc.</source>
        <translation>Atual: F1, F2 etc. padrão</translation>
    </message>
    <message>
        <source>Current: Hardware Keys (brightness and volume)</source>
        <translation>Atual: Teclas de hardware (brilho e volume)</translation>
    </message>
    <message>
        <source>Switch to Hardware Keys</source>
        <translation>Mudar para teclas de hardware</translation>
    </message>
    <message>
        <source>Switch to Standard F1, F2, etc.</source>
        <translation>Mudar para F1, F2 etc. padrão</translation>
    </message>
    <message>
        <source>Remember for %1</source>
        <translation>Lembrar para %1</translation>
    </message>
    <message>
        <source>Remember for This Application</source>
        <translation>Lembrar para este aplicativo</translation>
    </message>
    <message>
        <source>About Vantel…</source>
        <translation>Sobre o Vantel…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
</context>
<context>
    <name>ToggleService</name>
    <message>
        <source>Vantel is not running.</source>
        <translation>O Vantel não está em execução.</translation>
    </message>
    <message>
        <source>Cannot reach Vantel: there is no session bus.</source>
        <translation>Não é possível contatar o Vantel: não há barramento de sessão.</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Vantel: Standard F1, F2, etc. (click to switch)</source>
        <translation>Vantel: F1, F2 etc. padrão (clique para alternar)</translation>
    </message>
    <message>
        <source>Vantel: Hardware Keys (click to switch)</source>
        <translation>Vantel: Teclas de hardware (clique para alternar)</translation>
    </message>
    <message>
        <source>%1 • Shortcut: %2</source>
        <translation>%1 • Atalho: %2</translation>
    </message>
    <message>
        <source>%1 • Remembered for %2</source>
        <translation>%1 • Lembrado para %2</translation>
    </message>
</context>
<context>
    <name>TrayAvailability</name>
    <message>
        <source>No system tray is available; the Vantel icon will appear as soon as a panel with a system tray starts.</source>
        <translation>Nenhuma bandeja do sistema disponível; o ícone do Vantel aparecerá assim que um painel com bandeja do sistema for iniciado.</translation>
    </message>
</context>
</TS>
