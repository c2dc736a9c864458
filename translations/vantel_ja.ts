<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>バージョン %1 (%2)</translation>
    </message>
    <message>
        <source>or give &quot;vantel --toggle&quot; a shortcut in your desktop&apos;s settings</source>
        <translation>またはデスクトップの設定で「vantel --toggle」にショートカットを割り当ててください</translation>
    </message>
    <message>
        <source>or press %1</source>
        <translation>または %1 を押してください</translation>
    </message>
    <message>
        <source>Vantel lets you quickly switch how your function keys behave.

Choose Standard F1–F12 (send F1, F2, etc. to apps), or Hardware Keys (control brightness and volume).

Click the menu bar icon to toggle, %1. Right-click the icon for options.</source>
        <translation>Vantel を使うと、ファンクションキーの動作をすばやく切り替えられます。

標準の F1–F12（F1、F2 などをアプリに送る）か、ハードウェアキー（明るさと音量を調整する）を選べます。

パネルのアイコンをクリックして切り替えます。%1。オプションはアイコンを右クリックしてください。</translation>
    </message>
    <message>
        <source>Not switched: %1.</source>
        <translation>切り替えられなかったキーボード: %1。</translation>
    </message>
    <message>
        <source>Keyboards switched: %1.</source>
        <translation>切り替えたキーボード: %1。</translation>
    </message>
    <message>
        <source>No keyboard that Vantel can switch was found (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>Vantel が切り替えられるキーボードが見つかりませんでした（README の「Which keyboards Vantel switches」を参照してください）。</translation>
    </message>
    <message>
        <source>Vantel was not allowed to switch the keyboards.</source>
        <translation>Vantel にはキーボードを切り替える権限がありませんでした。</translation>
    </message>
    <message>
        <source>The keyboard service is not installed; no keyboard was switched.</source>
        <translation>キーボードサービスがインストールされていないため、キーボードは切り替えられませんでした。</translation>
    </message>
    <message>
        <source>Some keyboards could not be switched: %1</source>
        <translation>一部のキーボードを切り替えられませんでした: %1</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Switches the keyboard&apos;s top row between standard function keys and hardware keys, from an icon in the panel.</source>
        <translation>パネルのアイコンから、キーボードの最上段を標準のファンクションキーとハードウェアキーの間で切り替えます。</translation>
    </message>
    <message>
        <source>Ask the running Vantel to switch, as a click on its icon does.</source>
        <translation>アイコンをクリックしたときと同じように、実行中の Vantel に切り替えを依頼します。</translation>
    </message>
    <message>
        <source>%1 Try &quot;vantel --help&quot;.</source>
        <translation>%1「vantel --help」を参照してください。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;. Try &quot;vantel --help&quot;.</source>
        <translation>予期しない引数「%1」です。「vantel --help」を参照してください。</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>Using X11: %1</source>
        <translation>X11 を使用します: %1</translation>
    </message>
    <message>
        <source>Vantel needs a graphical desktop session.</source>
        <translation>Vantel にはグラフィカルなデスクトップセッションが必要です。</translation>
    </message>
    <message>
        <source>No Wayland display: WAYLAND_DISPLAY is not set.</source>
        <translation>Wayland ディスプレイがありません: WAYLAND_DISPLAY が設定されていません。</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;: XDG_RUNTIME_DIR is not set.</source>
        <translation>Wayland ディスプレイ「%1」に接続できません: XDG_RUNTIME_DIR が設定されていません。</translation>
    </message>
    <message>
        <source>Cannot connect to the Wayland display &quot;%1&quot;.</source>
        <translation>Wayland ディスプレイ「%1」に接続できません。</translation>
    </message>
    <message>
        <source>The Qt platform plugin &quot;%1&quot; is not installed.</source>
        <translation>Qt プラットフォームプラグイン「%1」がインストールされていません。</translation>
    </message>
    <message>
        <source>No X display: DISPLAY is not set.</source>
        <translation>X ディスプレイがありません: DISPLAY が設定されていません。</translation>
    </message>
    <message>
        <source>Cannot open the X display &quot;%1&quot;.</source>
        <translation>X ディスプレイ「%1」を開けません。</translation>
    </message>
    <message>
        <source>No display: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>ディスプレイがありません: DISPLAY も WAYLAND_DISPLAY も設定されていません。</translation>
    </message>
</context>
<context>
    <name>FocusWatch</name>
    <message>
        <source>This desktop does not tell which application is in front</source>
        <translation>このデスクトップは前面のアプリケーションを通知しません</translation>
    </message>
    <message>
        <source>Vantel&apos;s GNOME extension failed to start</source>
        <translation>Vantel の GNOME 拡張機能を開始できませんでした</translation>
    </message>
    <message>
        <source>Turn on Vantel in GNOME Extensions</source>
        <translation>GNOME の「拡張機能」で Vantel をオンにしてください</translation>
    </message>
    <message>
        <source>Log out and in, then turn on Vantel in GNOME Extensions</source>
        <translation>ログアウトして再ログインし、GNOME の「拡張機能」で Vantel をオンにしてください</translation>
    </message>
    <message>
        <source>KWin&apos;s reports cannot be received on the session bus</source>
        <translation>セッションバスで KWin からの通知を受け取れません</translation>
    </message>
    <message>
        <source>The script for KWin cannot be written: %1</source>
        <translation>KWin 用のスクリプトを書き込めません: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s scripting is not on the session bus</source>
        <translation>KWin のスクリプト機能がセッションバス上にありません</translation>
    </message>
    <message>
        <source>KWin refused the script that tells the application in front</source>
        <translation>KWin が前面のアプリケーションを通知するスクリプトを拒否しました</translation>
    </message>
    <message>
        <source>KWin has left the session bus</source>
        <translation>KWin がセッションバスから離れました</translation>
    </message>
    <message>
        <source>The compositor stopped telling which application is in front</source>
        <translation>コンポジターが前面のアプリケーションを通知しなくなりました</translation>
    </message>
    <message>
        <source>Vantel does not run as a Wayland program here, so it cannot tell which application is in front</source>
        <translation>この環境では Vantel が Wayland プログラムとして動作していないため、前面のアプリケーションを判別できません</translation>
    </message>
    <message>
        <source>This compositor does not tell which application is in front</source>
        <translation>このコンポジターは前面のアプリケーションを通知しません</translation>
    </message>
    <message>
        <source>Not connected to an X11 display</source>
        <translation>X11 ディスプレイに接続されていません</translation>
    </message>
    <message>
        <source>The window manager does not tell which window is active</source>
        <translation>ウィンドウマネージャーがアクティブなウィンドウを通知しません</translation>
    </message>
</context>
<context>
    <name>GlobalHotKey</name>
    <message>
        <source>Switch the function keys</source>
        <translation>ファンクションキーを切り替える</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Function Keys toggled</source>
        <translation>ファンクションキーを切り替えました</translation>
    </message>
    <message>
        <source>Enabled: F1, F2 act as standard function keys</source>
        <translation>有効: F1、F2 は標準のファンクションキーとして動作します</translation>
    </message>
    <message>
        <source>Disabled: F1, F2 control hardware features</source>
        <translation>無効: F1、F2 でハードウェア機能を操作します</translation>
    </message>
</context>
<context>
    <name>StatusMenu</name>
    <message>
        <source>Current: Standard F1, F2, etc.</source>
        <translation>現在: 標準の F1、F2 など</translation>
    </message>
    <message>
        <source>Current: Hardware Keys (brightness and volume)</source>
        <translation>現在: ハードウェアキー（明るさと音量）</translation>
    </message>
    <message>
        <source>Switch to Hardware Keys</source>
        <translation>ハードウェアキーに切り替え</translation>
    </message>
    <message>
        <source>Switch to Standard F1, F2, etc.</source>
        <translation>標準の F1、F2 などに切り替え</translation>
    </message>
    <message>
        <source>Remember for %1</source>
        <translation>%1 で記憶する</translation>
    </message>
    <message>
        <source>Remember for This Application</source>
        <translation>このアプリケーションで記憶する</translation>
    </message>
    <message>
        <source>About Vantel…</source>
        <translation>Vantel について…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>ToggleService</name>
    <message>
        <source>Vantel is not running.</source>
        <translation>Vantel は実行されていません。</translation>
    </message>
    <message>
        <source>Cannot reach Vantel: there is no session bus.</source>
        <translation>Vantel に接続できません: セッションバスがありません。</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Vantel: Standard F1, F2, etc. (click to switch)</source>
        <translation>Vantel: 標準の F1、F2 など（クリックで切り替え）</translation>
    </message>
    <message>
        <source>Vantel: Hardware Keys (click to switch)</source>
        <translation>Vantel: ハードウェアキー（クリックで切り替え）</translation>
    </message>
    <message>
        <source>%1 • Shortcut: %2</source>
        <translation>%1 • ショートカット: %2</translation>
    </message>
    <message>
        <source>%1 • Remembered for %2</source>
        <translation>%1 • %2 で記憶済み</translation>
    </message>
</context>
<context>
    <name>TrayAvailability</name>
    <message>
        <source>No system tray is available; the Vantel icon will appear as soon as a panel with a system tray starts.</source>
        <translation>システムトレイがありません。システムトレイのあるパネルが起動すると、すぐに Vantel のアイコンが表示されます。</translation>
    </message>
</context>
</TS>
