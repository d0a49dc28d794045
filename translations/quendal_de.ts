<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>Dezimaluhr</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>Die Uhrzeit als Prozentsatz des vergangenen Tages ablesen</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>Uhr;Zeit;dezimal;Prozent;Stoppuhr;Wecker;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal ist eine kleine Desktop-Uhr, die die Zeit als eine einzige Dezimalzahl zeigt, den Wert: den Prozentsatz des vergangenen Tages, aufgeteilt in vier farbige Ziffernfelder in einem schmalen Leistenfenster. Um 03:25:46 zeigt sie 14 28 93 518.</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>Sie hat drei Modi:</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>Uhr: der vergangene Teil des aktuellen Tages, in Prozent</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>Stoppuhr: die Zeit seit einem Start, in derselben Einheit, mit Anhalten und Neustart</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>Kalender: der vergangene Teil des aktuellen Jahres, in Prozent</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>Die Uhr sitzt normalerweise in der Taskleiste, wo ihr Eintrag den Wert zeigt. Einmal pro Lauf, um 15:00 an Werktagen und um 14:00 an Samstagen und Sonntagen, holt sie ihr Fenster hervor und läutet ihre Glocke, bis die Glocke angeklickt wird.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>keine Anzeige: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>keine Verbindung zur Wayland-Anzeige „%1“ möglich</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>es gibt nur eine Wayland-Anzeige, und die Wayland-Unterstützung von Qt ist nicht installiert (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>die X-Anzeige „%1“ lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>ohne X-Server lässt Wayland die Uhr weder minimiert den Wert in ihrem Eintrag in der Taskleiste zeigen noch beim Wecker hervorkommen (sie bittet stattdessen um Aufmerksamkeit); ihr Symbol im Systembereich zeigt den Wert; mit einem X-Server wie Xwayland geht beides</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>ohne X-Server lässt Wayland die Uhr weder minimiert den Wert in ihrem Eintrag in der Taskleiste zeigen noch beim Wecker hervorkommen (sie bittet stattdessen um Aufmerksamkeit); mit einem X-Server wie Xwayland geht beides</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 kann nicht weiterlaufen: %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>Laufen</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>Anzeige der Stoppuhr anhalten oder weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>Stoppuhr von null an neu starten</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>Ganze Prozent</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>Die ganzen Prozent des Werts</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>Erste Nachkommastellen</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>Die erste und zweite Nachkommastelle des Werts</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>Mittlere Nachkommastellen</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>Die dritte und vierte Nachkommastelle des Werts</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>Letzte Nachkommastellen</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>Die fünfte bis siebte Nachkommastelle des Werts oder, wenn er klein ist, seine Zehnerpotenz</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>Wecker: klicken, um ihn zum Schweigen zu bringen oder abzustellen</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>Wecker klingelt</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>Der Wecker klingelt: Klicken Sie auf die Glocke oder drücken Sie auf ihr die Leertaste, um ihn auszuschalten</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>Den vergangenen Teil des Tages anzeigen</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>%1 Prozent des Tages</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>Die Zeit seit dem Start der Stoppuhr anzeigen</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>%1 Prozent des Stoppuhrlaufs</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>Den vergangenen Teil des Jahres anzeigen</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>%1 Prozent des Jahres</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>Leiste minimieren</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>Leiste anzeigen</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>beim Anmelden starten: %1</translation>
    </message>
</context>
</TS>
