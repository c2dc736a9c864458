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
    <name>GlobalHotKey</name>
    <message>
        <source>Switch the function keys</source>
        <translation>切换功能键</translation>
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
