<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>Reloj decimal</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>Ver la hora como el porcentaje del día transcurrido</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>reloj;hora;decimal;porcentaje;cronómetro;alarma;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal es un pequeño reloj de escritorio que muestra la hora como un único número decimal, la lectura: el porcentaje del día transcurrido, dividido en cuatro campos de dígitos de colores en una fina ventana en forma de barra. A las 03:25:46 marca 14 28 93 518.</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>Tiene tres modos:</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>Reloj: la parte del día actual transcurrida, en porcentaje</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>Cronómetro: el tiempo desde un inicio, en la misma unidad, con pausa y reinicio</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>Calendario: la parte del año actual transcurrida, en porcentaje</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>El reloj suele estar en la barra de tareas, donde su entrada muestra la lectura. Una vez por ejecución, a las 15:00 los días laborables y a las 14:00 los sábados y domingos, hace aparecer su ventana y hace sonar su campana hasta que se hace clic en ella.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no hay pantalla: no está definida ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>no se puede conectar a la pantalla Wayland «%1»</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>solo hay una pantalla Wayland y la compatibilidad de Qt con Wayland no está instalada (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>no se puede abrir la pantalla X «%1»</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>sin un servidor X, Wayland no deja que el reloj muestre la lectura en su entrada de la barra de tareas mientras está minimizado ni que aparezca con la alarma (en su lugar pide atención); su icono de la bandeja del sistema muestra la lectura; ejecútelo con un servidor X, como Xwayland, para tener ambas cosas</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>sin un servidor X, Wayland no deja que el reloj muestre la lectura en su entrada de la barra de tareas mientras está minimizado ni que aparezca con la alarma (en su lugar pide atención); ejecútelo con un servidor X, como Xwayland, para tener ambas cosas</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 no puede continuar: %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>Congelar o reanudar la pantalla del cronómetro</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>Reiniciar el cronómetro desde cero</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>Porcentaje entero</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>El porcentaje entero de la lectura</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>Primeros decimales</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>Los decimales primero y segundo de la lectura</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>Decimales intermedios</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>Los decimales tercero y cuarto de la lectura</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>Últimos decimales</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>Los decimales quinto a séptimo de la lectura, o su potencia de diez cuando es pequeña</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>Alarma: haga clic para silenciarla o desactivarla</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>Alarma sonando</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>La alarma está sonando: haga clic en la campana, o pulse Espacio sobre ella, para silenciarla</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>Mostrar la parte del día transcurrida</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>%1 por ciento del día</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>Mostrar el tiempo desde que se inició el cronómetro</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>%1 por ciento del cronómetro</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>Mostrar la parte del año transcurrida</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>%1 por ciento del año</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>Minimizar la barra</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>Mostrar la barra</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>inicio al iniciar sesión: %1</translation>
    </message>
</context>
</TS>
