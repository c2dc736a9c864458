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
    <name>ApplicationPicker</name>
    <message>
        <source>Add an Application</source>
        <translation>アプリケーションの追加</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>名前で検索</translation>
    </message>
    <message>
        <source>Search applications</source>
        <translation>アプリケーションを検索</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>インストール済みのアプリケーション</translation>
    </message>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>ファンクションキー（F1、F2、…）</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>ハードウェアキー（明るさ、音量、…）</translation>
    </message>
    <message>
        <source>Mode for this application</source>
        <translation>このアプリケーションのモード</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>検索(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>モード(&amp;M):</translation>
    </message>
</context>
<context>
    <name>ApplicationsPage</name>
    <message>
        <source>Function keys (F1, F2, …)</source>
        <translation>ファンクションキー（F1、F2、…）</translation>
    </message>
    <message>
        <source>Hardware keys (brightness, volume, …)</source>
        <translation>ハードウェアキー（明るさ、音量、…）</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation>追加(&amp;D)…</translation>
    </message>
    <message>
        <source>Applications with a mode of their &amp;own:</source>
        <translation>独自のモードを使うアプリケーション(&amp;O):</translation>
    </message>
    <message>
        <source>Applications with a mode of their own</source>
        <translation>独自のモードを使うアプリケーション</translation>
    </message>
    <message>
        <source>Mode of the selected application</source>
        <translation>選択したアプリケーションのモード</translation>
    </message>
    <message>
        <source>Remove the selected application&apos;s rule</source>
        <translation>選択したアプリケーションのルールを削除</translation>
    </message>
    <message>
        <source>Add an application</source>
        <translation>アプリケーションを追加</translation>
    </message>
    <message>
        <source>The mode in force when first needed</source>
        <translation>最初に必要になった時点のモード</translation>
    </message>
    <message>
        <source>Mode of all other applications</source>
        <translation>その他すべてのアプリケーションのモード</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>モード(&amp;M):</translation>
    </message>
    <message>
        <source>Other a&amp;pplications:</source>
        <translation>その他のアプリケーション(&amp;P):</translation>
    </message>
    <message>
        <source>The rules could not be read: %1</source>
        <translation>ルールを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation>変更を保存できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>%1 のフォルダーを作成できません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
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
    <message>
        <source>Ask the running Vantel to open its settings window.</source>
        <translation>実行中の Vantel に設定ウィンドウを開くよう依頼します。</translation>
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
    <name>GeneralPage</name>
    <message>
        <source>&amp;Start Vantel at login</source>
        <translation>ログイン時に Vantel を起動する(&amp;S)</translation>
    </message>
    <message>
        <source>Automatic (follow the panel)</source>
        <translation>自動（パネルに合わせる）</translation>
    </message>
    <message>
        <source>Light (for dark panels)</source>
        <translation>明るい色（暗いパネル向け）</translation>
    </message>
    <message>
        <source>Dark (for light panels)</source>
        <translation>暗い色（明るいパネル向け）</translation>
    </message>
    <message>
        <source>Icon colour</source>
        <translation>アイコンの色</translation>
    </message>
    <message>
        <source>Start Vantel at login</source>
        <translation>ログイン時に Vantel を起動する</translation>
    </message>
    <message>
        <source>Icon &amp;colour:</source>
        <translation>アイコンの色(&amp;C):</translation>
    </message>
    <message>
        <source>The icon colour was not saved: %1</source>
        <translation>アイコンの色を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>The start at login was not changed: %1</source>
        <translation>ログイン時の起動を変更できませんでした: %1</translation>
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
    <name>HotKeyPage</name>
    <message>
        <source>&amp;Change in the Desktop&apos;s Settings…</source>
        <translation>デスクトップの設定で変更(&amp;C)…</translation>
    </message>
    <message>
        <source>Bound keys</source>
        <translation>割り当てられたキー</translation>
    </message>
    <message>
        <source>Change the hot key in the desktop&apos;s settings</source>
        <translation>デスクトップの設定でショートカットを変更</translation>
    </message>
    <message>
        <source>To bind other keys, give this command a shortcut in your desktop&apos;s keyboard settings (on GNOME: Settings → Keyboard → View and Customise Shortcuts → Custom Shortcuts → +; on sway and Hyprland: a bind line in their configuration):</source>
        <translation>別のキーを割り当てるには、デスクトップのキーボード設定でこのコマンドにショートカットを割り当ててください（GNOME では「設定」→「キーボード」→「ショートカットの表示とカスタマイズ」→「カスタムショートカット」→「+」、sway と Hyprland では設定ファイルに bind 行を追加）:</translation>
    </message>
    <message>
        <source>Command to bind</source>
        <translation>割り当てるコマンド</translation>
    </message>
    <message>
        <source>No keys are bound to the switch.</source>
        <translation>切り替えにキーが割り当てられていません。</translation>
    </message>
    <message>
        <source>The switch is bound to %1.</source>
        <translation>切り替えには %1 が割り当てられています。</translation>
    </message>
</context>
<context>
    <name>KeyboardsPage</name>
    <message>
        <source>&amp;Refresh</source>
        <translation>更新(&amp;R)</translation>
    </message>
    <message>
        <source>Keyboard service</source>
        <translation>キーボードサービス</translation>
    </message>
    <message>
        <source>Keyboards</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Driver</source>
        <translation>ドライバー</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Switched by Vantel</source>
        <translation>Vantel による切り替え</translation>
    </message>
    <message>
        <source>Ask the keyboard service again</source>
        <translation>キーボードサービスに再度問い合わせる</translation>
    </message>
    <message>
        <source>Keyboards the &amp;service found:</source>
        <translation>サービスが見つけたキーボード(&amp;S):</translation>
    </message>
    <message>
        <source>Asking the keyboard service…</source>
        <translation>キーボードサービスに問い合わせています…</translation>
    </message>
    <message>
        <source>The keyboard service is not installed, so Vantel switches no keyboard. It comes with the vantel package; in a build of your own, install it with &quot;cmake --install build --component keyboard&quot; (see &quot;Which keyboards Vantel switches&quot; in the README).</source>
        <translation>キーボードサービスがインストールされていないため、Vantel はどのキーボードも切り替えません。このサービスは vantel パッケージに含まれています。自分でビルドした場合は「cmake --install build --component keyboard」でインストールしてください（README の「Which keyboards Vantel switches」を参照してください）。</translation>
    </message>
    <message>
        <source>The keyboard service did not answer: %1</source>
        <translation>キーボードサービスが応答しませんでした: %1</translation>
    </message>
    <message>
        <source>The keyboard service found no keyboard whose driver has a switch.</source>
        <translation>キーボードサービスは、ドライバーで切り替えられるキーボードを見つけられませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>The keyboard service found %n keyboard(s).</source>
        <translation>
            <numerusform>キーボードサービスが %n 台のキーボードを見つけました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No: %1</source>
        <translation>いいえ: %1</translation>
    </message>
    <message>
        <source>%1, driver %2, mode %3, switched by Vantel: %4</source>
        <translation>%1、ドライバー %2、モード %3、Vantel による切り替え: %4</translation>
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
    <name>SettingsWindow</name>
    <message>
        <source>Vantel Settings</source>
        <translation>Vantel の設定</translation>
    </message>
    <message>
        <source>Settings sections</source>
        <translation>設定のセクション</translation>
    </message>
    <message>
        <source>&amp;Applications</source>
        <translation>アプリケーション(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>全般(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Keyboards</source>
        <translation>キーボード(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Hot Key</source>
        <translation>ショートカット(&amp;H)</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
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
