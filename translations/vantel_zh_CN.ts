<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>版本 %1 (%2)</translation>
    </message>
    <message>
        <source>or give &quot;vantel --toggle&quot; a shortcut in your desktop&apos;s settings</source>
        <translation>或在桌面设置中为“vantel --toggle”指定快捷键</translation>
    </message>
    <message>
        <source>or press %1</source>
        <translation>或按 %1</translation>
    </message>
    <message>
        <source>Vantel lets you quickly switch how your function keys behave.

Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness and volume).

Click the menu bar icon to toggle, %1. Right-click the icon for options.</source>
        <translation>Vantel 让您快速切换功能键的行为。

选择标准 F1–F12（向应用发送 F1、F2 等），或硬件按键（调节亮度和音量）。

单击面板上的图标即可切换，%1。右键单击图标查看选项。</translation>
    </message>
    <message>
        <source>Not switched: %1.</source>
        <translation>未切换：%1。</translation>
    </message>
    <message>
        <source>Keyboards switched: %1.</source>
        <translation>已切换的键盘：%1。</translation>
    </message>
    <message>
        <source>No keyboard that Vantel can switch was found (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>未找到 Vantel 可以切换的键盘（请参阅 README 中的“Which keyboards Vantel switches”）。</translation>
    </message>
    <message>
        <source>Vantel was not allowed to switch the keyboards.</source>
        <translation>Vantel 未获准切换键盘。</translation>
    </message>
    <message>
        <source>The keyboard service is not installed; no keyboard was switched.</source>
        <translation>键盘服务未安装；未切换任何键盘。</translation>
    </message>
    <message>
        <source>Some keyboards could not be switched: %1</source>
        <translation>部分键盘无法切换：%1</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
</context>
<context>
    <name>ApplicationPicker</name>
    <message>
        <source>Add an Application</source>
        <translation>添加应用程序</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>按名称搜索</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>搜索应用程序</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>已安装的应用程序</translation>
    </message>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>功能键（F1、F2、…）</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>硬件按键（亮度、音量、…）</translation>
    </message>
    <message>
        <source>Mode for this application</source>
        <translation>此应用程序的模式</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>模式(&amp;M)：</translation>
    </message>
</context>
<context>
    <name>ApplicationsPage</name>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>功能键（F1、F2、…）</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>硬件按键（亮度、音量、…）</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation>添加(&amp;D)…</translation>
    </message>
    <message>
        <source>Applications with a mode of their &amp;own:</source>
        <translation>使用独立模式的应用程序(&amp;O)：</translation>
    </message>
    <message>
        <source>Applications with a mode of their own</source>
        <translation>使用独立模式的应用程序</translation>
    </message>
    <message>
        <source>Mode of the selected application</source>
        <translation>所选应用程序的模式</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s rule</source>
        <translation>移除所选应用程序的规则</translation>
    </message>
    <message>
        <source>Add an application</source>
        <translation>添加应用程序</translation>
    </message>
    <message>
        <source>The mode in force when first needed</source>
        <translation>首次需要时生效的模式</translation>
    </message>
    <message>
        <source>Mode of all other applications</source>
        <translation>所有其他应用程序的模式</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>模式(&amp;M)：</translation>
    </message>
    <message>
        <source>Other a&amp;pplications:</source>
        <translation>其他应用程序(&amp;P)：</translation>
    </message>
    <message>
        <source>The rules could not be read: %1</source>
        <translation>无法读取规则：%1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation>更改未保存：%1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>无法创建 %1 所在的文件夹</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Switches the keyboard&apos;s top row between standard function keys and hardware keys, from an icon in the panel.</source>
        <translation>通过面板中的图标，在标准功能键和硬件按键之间切换键盘最上面一排按键。</translation>
    </message>
    <message>
        <source>Ask the running Vantel to switch, as a click on its icon does.</source>
        <translation>请正在运行的 Vantel 进行切换，效果与单击其图标相同。</translation>
    </message>
    <message>
        <source>%1 Try &quot;vantel --help&quot;.</source>
        <translation>%1 请尝试“vantel --help”。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;. Try &quot;vantel --help&quot;.</source>
        <translation>意外的参数“%1”。请尝试“vantel --help”。</translation>
    </message>
    <message>
        <source>Ask the running Vantel to open its settings window.</source>
        <translation>请正在运行的 Vantel 打开其设置窗口。</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>Using X11: %1</source>
        <translation>使用 X11：%1</translation>
    </message>
    <message>
        <source>Vantel needs a graphical desktop session.</source>
        <translation>Vantel 需要图形桌面会话。</translation>
    </message>
    <message>
        <source>No Wayland display: WAYLAND_DISPLAY is not set.</source>
        <translation>没有 Wayland 显示：未设置 WAYLAND_DISPLAY。</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;: XDG_RUNTIME_DIR is not set.</source>
        <translation>无法连接到 Wayland 显示“%1”：未设置 XDG_RUNTIME_DIR。</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>无法连接到 Wayland 显示“%1”。</translation>
    </message>
    <message>
        <source>The Qt platform plugin &quot;%1&quot; is not installed.</source>
        <translation>未安装 Qt 平台插件“%1”。</translation>
    </message>
    <message>
        <source>No X display: DISPLAY is not set.</source>
        <translation>没有 X 显示：未设置 DISPLAY。</translation>
    </message>
    <message>
        <source>Cannot open the X display &quot;%1&quot;.</source>
        <translation>无法打开 X 显示“%1”。</translation>
    </message>
    <message>
        <source>No display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>没有显示：DISPLAY 和 WAYLAND_DISPLAY 均未设置。</translation>
    </message>
</context>
<context>
    <name>FocusWatch</name>
    <message>
        <source>This desktop does not tell which application is in front</source>
        <translation>此桌面不提供前台应用程序的信息</translation>
    </message>
    <message>
        <source>Vantel&apos;s GNOME extension failed to start</source>
        <translation>Vantel 的 GNOME 扩展未能启动</translation>
    </message>
    <message>
        <source>Turn on Vantel in GNOME Extensions</source>
        <translation>请在 GNOME“扩展”中启用 Vantel</translation>
    </message>
    <message>
        <source>Log out and in, then turn on Vantel in GNOME Extensions</source>
        <translation>请注销并重新登录，然后在 GNOME“扩展”中启用 Vantel</translation>
    </message>
    <message>
        <source>KWin&apos;s reports cannot be received on the session bus</source>
        <translation>无法在会话总线上接收 KWin 的通知</translation>
    </message>
    <message>
        <source>The script for KWin cannot be written: %1</source>
        <translation>无法写入 KWin 脚本：%1</translation>
    </message>
    <message>
        <source>KWin&apos;s scripting is not on the session bus</source>
        <translation>KWin 的脚本功能不在会话总线上</translation>
    </message>
    <message>
        <source>KWin refused the script that tells the application in front</source>
        <translation>KWin 拒绝了报告前台应用程序的脚本</translation>
    </message>
    <message>
        <source>KWin has left the session bus</source>
        <translation>KWin 已离开会话总线</translation>
    </message>
    <message>
        <source>The compositor stopped telling which application is in front</source>
        <translation>合成器已停止报告前台应用程序</translation>
    </message>
    <message>
        <source>Vantel does not run as a Wayland program here, so it cannot tell which application is in front</source>
        <translation>Vantel 在此处不是作为 Wayland 程序运行，因此无法得知前台应用程序</translation>
    </message>
    <message>
        <source>This compositor does not tell which application is in front</source>
        <translation>此合成器不提供前台应用程序的信息</translation>
    </message>
    <message>
        <source>Not connected to an X11 display</source>
        <translation>未连接到 X11 显示</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is active</source>
        <translation>窗口管理器不提供活动窗口的信息</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start Vantel at login</source>
        <translation>登录时启动 Vantel(&amp;S)</translation>
    </message>
    <message>
        <source>Automatic (follow the panel)</source>
        <translation>自动（跟随面板）</translation>
    </message>
    <message>
        <source>Light (for dark panels)</source>
        <translation>浅色（适用于深色面板）</translation>
    </message>
    <message>
        <source>Dark (for light panels)</source>
        <translation>深色（适用于浅色面板）</translation>
    </message>
    <message>
        <source>Icon colour</source>
        <translation>图标颜色</translation>
    </message>
    <message>
        <source>Start Vantel at login</source>
        <translation>登录时启动 Vantel</translation>
    </message>
    <message>
        <source>Icon &amp;colour:</source>
        <translation>图标颜色(&amp;C)：</translation>
    </message>
    <message>
        <source>The icon colour was not saved: %1</source>
        <translation>图标颜色未保存：%1</translation>
    </message>
    <message>
        <source>The start at login was not changed: %1</source>
        <translation>登录时启动的设置未更改：%1</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>Switch the function keys</source>
        <translation>切换功能键</translation>
    </message>
</context>
<context>
    <name>HotKeyPage</name>
    <message>
        <source>&amp;Change in the Desktop&apos;s Settings…</source>
        <translation>在桌面设置中更改(&amp;C)…</translation>
    </message>
    <message>
        <source>Bound keys</source>
        <translation>已绑定的按键</translation>
    </message>
    <message>
        <source>Change the hot key in the desktop&apos;s settings</source>
        <translation>在桌面设置中更改快捷键</translation>
    </message>
    <message>
        <source>To bind other keys, give this command a shortcut in your desktop&apos;s keyboard settings (on GNOME: Settings → Keyboard → View and Customise Shortcuts → Custom Shortcuts → +; on sway and Hyprland: a bind line in their configuration):</source>
        <translation>要绑定其他按键，请在桌面的键盘设置中为此命令指定快捷键（在 GNOME 中：设置 → 键盘 → 查看及自定义快捷键 → 自定义快捷键 → +；在 sway 和 Hyprland 中：在其配置中添加一行 bind）：</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>要绑定的命令</translation>
    </message>
    <message>
        <source>No keys are bound to the switch.</source>
        <translation>没有为切换绑定按键。</translation>
    </message>
    <message>
        <source>The switch is bound to %1.</source>
        <translation>切换已绑定到 %1。</translation>
    </message>
</context>
<context>
    <name>KeyboardsPage</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Keyboard service</source>
        <translation>键盘服务</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>驱动程序</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Switched by Vantel</source>
        <translation>由 Vantel 切换</translation>
    </message>
    <message>
        <source>Ask the keyboard service again</source>
        <translation>再次询问键盘服务</translation>
    </message>
    <message>
        <source>Keyboards the &amp;service found:</source>
        <translation>服务找到的键盘(&amp;S)：</translation>
    </message>
    <message>
        <source>Asking the keyboard service…</source>
        <translation>正在询问键盘服务…</translation>
    </message>
    <message>
        <source>The keyboard service is not installed, so Vantel switches no keyboard. It comes with the vantel package; in a build of your own, install it with &quot;cmake --install build --component keyboard&quot; (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>键盘服务未安装，因此 Vantel 不会切换任何键盘。该服务随 vantel 软件包提供；如果是自行构建的，请用“cmake --install build --component keyboard”安装（请参阅 README 中的“Which keyboards Vantel switches”）。</translation>
    </message>
    <message>
        <source>The keyboard service did not answer: %1</source>
        <translation>键盘服务未响应：%1</translation>
    </message>
    <message>
        <source>The keyboard service found no keyboard whose driver has a switch.</source>
        <translation>键盘服务未找到驱动程序支持切换的键盘。</translation>
    </message>
    <message numerus="yes">
        <source>The keyboard service found %n keyboard(s).</source>
        <translation>
            <numerusform>键盘服务找到了 %n 个键盘。</numerusform>
        </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>否：%1</translation>
    </message>
    <message>
        <source>%1, driver %2, mode %3, switched by Vantel: %4</source>
        <translation>%1，驱动程序 %2，模式 %3，由 Vantel 切换：%4</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Function Keys toggled</source>
        <translation>功能键已切换</translation>
    </message>
    <message>
        <source>Enabled: F1, F2 act as standard function keys</source>
        <translation>已启用：F1、F2 用作标准功能键</translation>
    </message>
    <message>
        <source>Disabled: F1, F2 control hardware features</source>
        <translation>已禁用：F1、F2 控制硬件功能</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Vantel Settings</source>
        <translation>Vantel 设置</translation>
    </message>
    <message>
        <source>Settings sections</source>
        <translation>设置分区</translation>
    </message>
    <message>
        <source>&amp;Applications</source>
        <translation>应用程序(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>常规(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Keyboards</source>
        <translation>键盘(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Hot Key</source>
        <translation>快捷键(&amp;H)</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Current: Standard F1, F2, etc.</source>
        <translation>当前：标准 F1、F2 等</translation>
    </message>
    <message>
        <source>Current: Hardware Keys (brightness and volume)</source>
        <translation>当前：硬件按键（亮度和音量）</translation>
    </message>
    <message>
        <source>Switch to Hardware Keys</source>
        <translation>切换到硬件按键</translation>
    </message>
    <message>
        <source>Switch to Standard F1, F2, etc.</source>
        <translation>切换到标准 F1、F2 等</translation>
    </message>
    <message>
        <source>Remember for %1</source>
        <translation>为 %1 记住</translation>
    </message>
    <message>
        <source>Remember for This Application</source>
        <translation>为此应用程序记住</translation>
    </message>
    <message>
        <source>About Vantel…</source>
        <translation>关于 Vantel…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
</context>
<context>
    <name>ToggleService</name>
    <message>
        <source>Vantel is not running.</source>
        <translation>Vantel 未在运行。</translation>
    </message>
    <message>
        <source>Cannot reach Vantel: there is no session bus.</source>
        <translation>无法连接 Vantel：没有会话总线。</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Vantel: Standard F1, F2, etc. (click to switch)</source>
        <translation>Vantel：标准 F1、F2 等（单击切换）</translation>
    </message>
    <message>
        <source>Vantel: Hardware Keys (click to switch)</source>
        <translation>Vantel：硬件按键（单击切换）</translation>
    </message>
    <message>
        <source>%1 • Shortcut: %2</source>
        <translation>%1 • 快捷键：%2</translation>
    </message>
    <message>
        <source>%1 • Remembered for %2</source>
        <translation>%1 • 已为 %2 记住</translation>
    </message>
</context>
<context>
    <name>TrayAvailability</name>
    <message>
        <source>No system tray is available; the Vantel icon will appear as soon as a panel with a system tray starts.</source>
        <translation>没有可用的系统托盘；带系统托盘的面板一启动，Vantel 图标就会出现。</translation>
    </message>
</context>
</TS>
