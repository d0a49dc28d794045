<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>十进制时钟</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>以一天已过去的百分比显示时间</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>时钟;时间;十进制;百分比;秒表;闹钟;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal 是一个小巧的桌面时钟，它用一个十进制数（读数）来显示时间：即一天已过去的百分比，分成四个彩色数字栏，显示在一个细长的条形窗口中。在 03:25:46 时，它显示 14 28 93 518。</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>它有三种模式：</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>时钟：当天已过去的部分，以百分比表示</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>秒表：自开始以来的时间，使用相同的单位，可暂停显示和重新开始</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>日历：当年已过去的部分，以百分比表示</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>时钟通常待在任务栏中，其条目显示读数。每次运行响一次：工作日 15:00，周六和周日 14:00，它会把窗口调到前面并响铃，直到有人单击铃铛。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>没有显示器：DISPLAY 和 WAYLAND_DISPLAY 都未设置</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>无法连接到 Wayland 显示器“%1”</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>只有 Wayland 显示器，而 Qt 的 Wayland 支持未安装（Debian：qt6-wayland）</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>无法打开 X 显示器“%1”</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>没有 X 服务器时，Wayland 既不让时钟在最小化时于任务栏条目中显示读数，也不让它在闹钟响起时弹出（改为请求注意）；其托盘图标会显示读数；要两者兼得，请在 X 服务器（如 Xwayland）下运行</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>没有 X 服务器时，Wayland 既不让时钟在最小化时于任务栏条目中显示读数，也不让它在闹钟响起时弹出（改为请求注意）；要两者兼得，请在 X 服务器（如 Xwayland）下运行</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 无法继续运行：%2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>冻结或恢复秒表显示</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>秒表从零重新开始</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>整数百分比</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>读数的整数百分比</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>前两位小数</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>读数的第一、二位小数</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>中间两位小数</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>读数的第三、四位小数</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>最后几位小数</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>读数的第五至七位小数；读数很小时为其十的幂</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>闹钟：单击可静音或解除</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>闹钟正在响</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>闹钟正在响：单击铃铛，或在铃铛上按空格键，即可静音</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>显示一天已过去的部分</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>一天的百分之%1</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>显示秒表启动以来的时间</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>秒表计时的百分之%1</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>显示一年已过去的部分</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>一年的百分之%1</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>最小化时钟条</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>显示时钟条</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>登录时启动：%1</translation>
    </message>
</context>
</TS>
