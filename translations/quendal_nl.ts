<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>Decimale klok</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>Lees de tijd af als het percentage van de verstreken dag</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>klok;tijd;decimaal;procent;stopwatch;wekker;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal is een kleine bureaubladklok die de tijd toont als één decimaal getal, de stand: het percentage van de verstreken dag, verdeeld over vier gekleurde cijfervelden in een smal strookvenster. Om 03:25:46 staat er 14 28 93 518.</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>Hij heeft drie standen:</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>Klok: het verstreken deel van de huidige dag, in procenten</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>Stopwatch: de tijd sinds een start, in dezelfde eenheid, met vasthouden en herstarten</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>Kalender: het verstreken deel van het huidige jaar, in procenten</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>De klok staat normaal in de taakbalk, waar zijn knop de stand toont. Eén keer per run, om 15:00 op werkdagen en om 14:00 op zaterdag en zondag, haalt hij zijn venster naar voren en luidt hij zijn bel tot erop wordt geklikt.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>geen beeldscherm: DISPLAY noch WAYLAND_DISPLAY is ingesteld</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>kan geen verbinding maken met Wayland-beeldscherm ‘%1’</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>er is alleen een Wayland-beeldscherm, en de Wayland-ondersteuning van Qt is niet geïnstalleerd (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>kan X-beeldscherm ‘%1’ niet openen</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>zonder X-server laat Wayland de klok de stand niet in zijn taakbalkknop tonen terwijl hij geminimaliseerd is, en niet naar voren komen bij de wekker (hij vraagt in plaats daarvan om aandacht); zijn pictogram in het systeemvak toont de stand; start hem met een X-server, zoals Xwayland, voor allebei</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>zonder X-server laat Wayland de klok de stand niet in zijn taakbalkknop tonen terwijl hij geminimaliseerd is, en niet naar voren komen bij de wekker (hij vraagt in plaats daarvan om aandacht); start hem met een X-server, zoals Xwayland, voor allebei</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 kan niet verder: %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>Lopen</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>De weergave van de stopwatch vasthouden of laten doorlopen</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Herstarten</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>De stopwatch vanaf nul herstarten</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>Hele procenten</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>De hele procenten van de stand</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>Eerste decimalen</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>De eerste en tweede decimaal van de stand</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>Middelste decimalen</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>De derde en vierde decimaal van de stand</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>Laatste decimalen</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>De vijfde tot zevende decimaal van de stand, of de macht van tien als die klein is</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>Wekker: klik om hem stil te zetten of uit te schakelen</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>Wekker gaat af</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>De wekker gaat af: klik op de bel, of druk er op de spatiebalk, om hem stil te zetten</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>Het verstreken deel van de dag tonen</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>%1 procent van de dag</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>De tijd sinds de start van de stopwatch tonen</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>%1 procent van de stopwatchtijd</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>Het verstreken deel van het jaar tonen</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>%1 procent van het jaar</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>Strook minimaliseren</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>Strook tonen</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>starten bij aanmelden: %1</translation>
    </message>
</context>
</TS>
