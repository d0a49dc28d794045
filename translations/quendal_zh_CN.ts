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
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1，一个十进制桌面时钟</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal 用一个数字来表示时间，即读数：一天已过去的百分比。在 03:25:46 时，它显示 14.2893518，分成四个彩色栏：蓝色的 14（整数百分比），然后是小数部分：红色的 28、黄色的 93 和绿色的 518。小于 0.1 的读数会在最后一栏显示其十的幂：3 47 22 E-2 表示 0.0347222。</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>它启动时处于最小化状态：它待在任务栏中，其按钮的标题显示读数。如果任务栏不显示标题（Windows 10 和 11 的默认设置），按钮的进度条会显示一天已过去的部分，一个小徽标显示整数百分比。单击该按钮即可看到彩色时钟条。</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>右侧的三个按钮选择读数所度量的内容：</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>时钟：一天已过去的百分比；</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>秒表：自启动以来的时间，使用相同的单位（100 为一天）；</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>日历：一年已过去的百分比，每个月按 30.5 天计算。</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>使用秒表时，灯泡（Go）会冻结显示而秒表继续计时，警告三角（Reset）会让它从零重新开始；如果在显示被冻结时按下，它会在显示恢复时从零重新开始。秒表从不停止，跨过午夜也继续计时。</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>闹钟每次运行只响一次：工作日 15:00（读数 62.5），周六和周日 14:00（58.33）。窗口会弹出，铃铛会一直响，直到你单击铃铛按钮或在其上按空格键。在此之前单击铃铛会解除闹钟。</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>当会话被锁定或显示器关闭时，时钟不显示任何新内容，每秒只唤醒一次以检查闹钟，闹钟照样准时响起。当 Windows 节能时，它每秒刷新十次。</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>使用安装程序：msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>手动：按 Windows+R，输入 shell:startup 并按回车，然后在打开的文件夹中放一个指向 quendal.exe 的快捷方式。</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>已安装：在“设置”的“应用”中（或在“控制面板”的“程序和功能”中）选择 Quendal，然后选择“卸载”。如果来自本 zip：删除该文件夹即可；Quendal 不会在其他任何地方写入内容。</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows 可能会提示发布者未知</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal 没有使用代码签名证书签名，因此 Windows 可能会说它阻止了一个无法识别的应用以保护你的电脑，或者不显示发布者。这只与签名有关，与程序本身无关：Quendal 是采用 MIT 许可证（LICENSE.txt）的自由软件，由其公开的源代码构建。如果你信任获取它的来源，请选择“更多信息”和“仍要运行”。</translation>
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
