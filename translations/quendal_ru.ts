<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>Десятичные часы</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>Время в процентах прошедшей части дня</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>часы;время;десятичные;проценты;секундомер;будильник;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal — небольшие настольные часы, которые показывают время одним десятичным числом, значением: процентом прошедшей части дня, разбитым на четыре цветных поля цифр в узком окне-полосе. В 03:25:46 они показывают 14 28 93 518.</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>У них три режима:</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>Часы: прошедшая часть текущего дня, в процентах</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>Секундомер: время с момента запуска, в тех же единицах, с остановкой показа и перезапуском</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>Календарь: прошедшая часть текущего года, в процентах</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>Обычно часы находятся на панели задач, где их кнопка показывает значение. Один раз за запуск, в 15:00 по будням и в 14:00 по субботам и воскресеньям, они выводят своё окно на передний план и звонят в колокольчик, пока по нему не щёлкнут.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>нет дисплея: не заданы ни DISPLAY, ни WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>не удаётся подключиться к дисплею Wayland «%1»</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>есть только дисплей Wayland, а поддержка Wayland в Qt не установлена (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>не удаётся открыть дисплей X «%1»</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>без X-сервера Wayland не позволяет часам ни показывать значение на кнопке панели задач, пока окно свёрнуто, ни появляться по будильнику (вместо этого они просят внимания); их значок в системном лотке показывает значение; чтобы было и то и другое, запустите их с X-сервером, например Xwayland</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>без X-сервера Wayland не позволяет часам ни показывать значение на кнопке панели задач, пока окно свёрнуто, ни появляться по будильнику (вместо этого они просят внимания); чтобы было и то и другое, запустите их с X-сервером, например Xwayland</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 не может продолжать работу: %2</translation>
    </message>
</context>
<context>
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1 — десятичные настольные часы</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal показывает время одним числом — значением: процентом прошедшей части дня. В 03:25:46 они показывают 14,2893518 в четырёх цветных полях: 14 синим (целые проценты), затем знаки после запятой, 28 красным, 93 жёлтым и 518 зелёным. Значение меньше 0,1 показывается со степенью десяти в последнем поле: 3 47 22 E-2 — это 0,0347222.</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>Часы запускаются свёрнутыми: они живут на панели задач, где надпись их кнопки показывает значение. Там, где панель задач не показывает надписей (в Windows 10 и 11 по умолчанию), полоса прогресса кнопки показывает прошедшую часть дня, а маленький значок — целые проценты. Нажмите на кнопку, чтобы увидеть цветную полосу.</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>Три кнопки справа выбирают, что измеряет значение:</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>часы: процент прошедшей части дня;</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>секундомер: время с его запуска, в тех же единицах (100 — это сутки);</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>календарь: процент года, каждый месяц считается за 30,5 дня.</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>В режиме секундомера лампочка (Go) останавливает показ, пока секундомер идёт дальше, а предупреждающий треугольник (Reset) запускает его снова с нуля; если нажать его, пока показ остановлен, отсчёт начнётся с нуля, когда показ возобновится. Секундомер никогда не останавливается и продолжает считать после полуночи.</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>Будильник звонит один раз за запуск: в 15:00 по будням (значение 62,5) и в 14:00 по субботам и воскресеньям (58,33). Окно выходит на передний план, и колокольчик звонит, пока вы не нажмёте на кнопку с колокольчиком или клавишу «Пробел» на ней. Нажатие на колокольчик заранее отключает будильник.</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>Пока сеанс заблокирован или экран выключен, часы не показывают ничего нового и просыпаются раз в секунду только ради будильника, который всё равно приходит вовремя. Пока Windows экономит энергию, они обновляются десять раз в секунду.</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>Запуск при входе в систему</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>С установщиком: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>Вручную: нажмите Windows+R, введите shell:startup и нажмите Enter, затем положите ярлык quendal.exe в открывшуюся папку.</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>Установленные: в «Параметрах», «Приложения» (или в «Панели управления», «Программы и компоненты») выберите Quendal и «Удалить». Из этого zip-архива: удалите папку; Quendal больше нигде ничего не записывает.</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows может предупредить о неизвестном издателе</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal не подписан сертификатом подписи кода, поэтому Windows может сообщить, что защитила ваш компьютер от нераспознанного приложения, или не назвать издателя. Это говорит о подписи, а не о программе: Quendal — свободное программное обеспечение под лицензией MIT (LICENSE.txt), собранное из его открытых исходных кодов. Если вы доверяете источнику, откуда его получили, выберите «Подробнее» и «Выполнить в любом случае».</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>Ход</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>Остановить или возобновить показ секундомера</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Сначала</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>Запустить секундомер с нуля</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>Целые проценты</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>Целые проценты значения</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>Первые знаки после запятой</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>Первый и второй знаки значения после запятой</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>Средние знаки после запятой</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>Третий и четвёртый знаки значения после запятой</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>Последние знаки после запятой</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>С пятого по седьмой знаки значения после запятой или, если оно мало, его степень десяти</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>Будильник: нажмите, чтобы заглушить или отключить</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>Будильник звонит</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>Будильник звонит: нажмите на колокольчик или клавишу «Пробел» на нём, чтобы заглушить</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>Показать, какая часть дня прошла</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>%1 процента дня</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Секундомер</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>Показать время с запуска секундомера</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>%1 процента хода секундомера</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>Показать, какая часть года прошла</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>%1 процента года</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>Свернуть полосу</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>Показать полосу</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>запуск при входе в систему: %1</translation>
    </message>
</context>
</TS>
