<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>10進時計</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>1日の経過した割合で時刻を表示</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>時計;時刻;10進;パーセント;ストップウォッチ;アラーム;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal は、時刻を1つの10進数（値）で示す小さなデスクトップ時計です。値は1日の経過した割合で、細い帯状のウィンドウの中で4つの色付きの数字欄に分けて表示されます。03:25:46 には 14 28 93 518 と表示します。</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>3つのモードがあります:</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>時計: 今日の経過した割合 (パーセント)</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>ストップウォッチ: 開始からの時間を同じ単位で表示。表示の停止とリスタートができます</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>カレンダー: 今年の経過した割合 (パーセント)</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>時計は普段タスクバーにあり、その項目に値が表示されます。実行ごとに1回、平日は 15:00、土曜と日曜は 14:00 にウィンドウを前面に出し、ベルがクリックされるまでベルを鳴らします。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ディスプレイがありません: DISPLAY も WAYLAND_DISPLAY も設定されていません</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>Wayland ディスプレイ「%1」に接続できません</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>Wayland ディスプレイしかなく、Qt の Wayland サポートがインストールされていません (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>X ディスプレイ「%1」を開けません</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>X サーバーがないと、Wayland では最小化中にタスクバーの項目へ値を表示することも、アラームで前面に出ることもできません (代わりに注意を求めます)。トレイのアイコンには値が表示されます。両方を使うには Xwayland などの X サーバーで実行してください</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>X サーバーがないと、Wayland では最小化中にタスクバーの項目へ値を表示することも、アラームで前面に出ることもできません (代わりに注意を求めます)。両方を使うには Xwayland などの X サーバーで実行してください</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 を続行できません: %2</translation>
    </message>
</context>
<context>
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1 — 10進デスクトップ時計</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal は時刻を1つの数、つまり値で示します。値は1日の経過した割合です。03:25:46 には 14.2893518 を示し、4つの色付きの欄に分けて表示します。青の 14 (整数パーセント)、続いて小数部の赤の 28、黄の 93、緑の 518 です。0.1 未満の値は最後の欄に10の累乗を付けて表示します。3 47 22 E-2 は 0.0347222 です。</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>最小化された状態で起動し、タスクバーに常駐します。タスクバーのボタンのタイトルに値が表示されます。タスクバーがタイトルを表示しない場合 (Windows 10 と 11 の既定)、ボタンの進行状況バーが1日の経過した割合を、小さなバッジが整数パーセントを示します。ボタンをクリックすると色付きの時計バーが表示されます。</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>右側の3つのボタンで、値が何を測るかを選びます:</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>時計: 1日の経過した割合</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>ストップウォッチ: 開始からの時間 (同じ単位で、100 が1日)</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>カレンダー: 1年の経過した割合 (各月を 30.5 日として計算)</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>ストップウォッチでは、電球 (Go) はストップウォッチが進み続ける間、表示を止めます。警告の三角 (Reset) はゼロから再スタートさせます。表示を止めている間に押すと、表示が再び動き出したときにゼロから始まります。ストップウォッチは止まることがなく、真夜中を過ぎても数え続けます。</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>アラームは実行ごとに1回鳴ります。平日は 15:00 (値 62.5)、土曜と日曜は 14:00 (58.33) です。ウィンドウが前面に出て、ベルのボタンをクリックするか、ベルでスペースキーを押すまでベルが鳴り続けます。その前にベルをクリックするとアラームは解除されます。</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>セッションがロックされているか画面がオフの間は、時計は新しいものを何も表示せず、アラームのためだけに1秒に1回起きます。アラームはそれでも時間どおりに鳴ります。Windows が省電力中は、1秒に10回更新します。</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>ログイン時に起動する</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>インストーラーで: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>手動で: Windows+R を押し、shell:startup と入力して Enter を押し、開いたフォルダーに quendal.exe へのショートカットを置きます。</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>削除する</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>インストールした場合: 設定の [アプリ] (またはコントロール パネルの [プログラムと機能]) で Quendal を選び、[アンインストール] を選びます。この zip から使っている場合: フォルダーを削除します。Quendal はほかの場所には何も書き込みません。</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows が不明な発行元について警告することがあります</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal はコード署名証明書で署名されていないため、Windows は認識されないアプリから PC を保護したと表示したり、発行元を示さなかったりすることがあります。これは署名についての表示であり、プログラムについてではありません。Quendal は MIT ライセンス (LICENSE.txt) のフリーソフトウェアで、公開されたソースからビルドされています。入手元を信頼できる場合は、[詳細情報] と [実行] を選んでください。</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>ストップウォッチの表示を止める、または再開する</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>リスタート</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>ストップウォッチをゼロから再開</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>整数パーセント</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>値の整数パーセント</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>小数第1・2位</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>値の小数第1位と第2位</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>小数第3・4位</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>値の小数第3位と第4位</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>小数第5～7位</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>値の小数第5～7位。値が小さいときは10の累乗</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>アラーム: クリックで止める、または解除</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>アラーム鳴動中</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>アラームが鳴っています。ベルをクリックするか、ベルでスペースキーを押すと止まります</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>1日の経過した割合を表示</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>1日の%1パーセント</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>ストップウォッチ</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>ストップウォッチ開始からの時間を表示</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>ストップウォッチの%1パーセント</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>1年の経過した割合を表示</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>1年の%1パーセント</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>時計バーを最小化</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>時計バーを表示</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>ログイン時の起動: %1</translation>
    </message>
</context>
</TS>
