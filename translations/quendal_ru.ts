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
