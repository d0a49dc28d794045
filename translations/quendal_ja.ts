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
