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
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1, un reloj de escritorio decimal</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal da la hora como un solo número, la lectura: el porcentaje del día transcurrido. A las 03:25:46 marca 14,2893518, mostrado en cuatro campos de colores: 14 en azul (el porcentaje entero), luego los decimales, 28 en rojo, 93 en amarillo y 518 en verde. Una lectura por debajo de 0,1 se muestra con su potencia de diez en el último campo: 3 47 22 E-2 es 0,0347222.</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>Se inicia minimizado: vive en la barra de tareas, donde el título de su botón muestra la lectura. Donde la barra de tareas no muestra títulos (Windows 10 y 11 de forma predeterminada), la barra de progreso del botón muestra la parte del día transcurrida y una pequeña insignia el porcentaje entero. Haga clic en el botón para ver la barra de colores.</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>Los tres botones de la derecha eligen qué mide la lectura:</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>el reloj: el porcentaje del día transcurrido;</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>el cronómetro: el tiempo desde que se inició, en la misma unidad (100 es un día);</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>el calendario: el porcentaje del año, contando cada mes como 30,5 días.</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>Con el cronómetro, la bombilla (Go) congela la pantalla mientras el cronómetro sigue corriendo, y el triángulo de advertencia (Reset) lo vuelve a iniciar desde cero; si se pulsa mientras la pantalla está congelada, vuelve a empezar desde cero cuando la pantalla se reanuda. El cronómetro nunca se detiene y sigue contando pasada la medianoche.</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>La alarma suena una vez por ejecución: a las 15:00 los días laborables (una lectura de 62,5) y a las 14:00 los sábados y domingos (58,33). La ventana aparece y la campana suena hasta que haga clic en el botón de la campana o pulse Espacio sobre él. Hacer clic en la campana antes desactiva la alarma.</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>Mientras la sesión está bloqueada o la pantalla apagada, el reloj no muestra nada nuevo y solo se despierta una vez por segundo para la alarma, que llega a su hora igualmente. Mientras Windows ahorra energía, se actualiza diez veces por segundo.</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>Iniciarlo al iniciar sesión</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>Con el instalador: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>A mano: pulse Windows+R, escriba shell:startup y pulse Intro, y ponga un acceso directo a quendal.exe en la carpeta que se abre.</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>Quitarlo</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>Instalado: en Configuración, Aplicaciones (o Panel de control, Programas y características), elija Quendal y Desinstalar. Desde este zip: borre la carpeta; Quendal no escribe nada en ningún otro sitio.</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows puede avisar de un editor desconocido</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal no está firmado con un certificado de firma de código, así que Windows puede decir que protegió su PC de una aplicación no reconocida, o no nombrar ningún editor. Eso se refiere a la firma, no al programa: Quendal es software libre bajo la licencia MIT (LICENSE.txt), compilado a partir de sus fuentes públicas. Si confía en el sitio de donde lo obtuvo, elija «Más información» y «Ejecutar de todas formas».</translation>
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
