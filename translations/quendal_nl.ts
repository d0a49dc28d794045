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
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1, een decimale bureaubladklok</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal geeft de tijd als één getal, de stand: het percentage van de verstreken dag. Om 03:25:46 staat er 14,2893518, getoond in vier gekleurde velden: 14 in blauw (de hele procenten), dan de decimalen, 28 in rood, 93 in geel en 518 in groen. Een stand onder 0,1 wordt getoond met zijn macht van tien in het laatste veld: 3 47 22 E-2 is 0,0347222.</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>Hij start geminimaliseerd: hij woont in de taakbalk, waar het opschrift van zijn knop de stand toont. Waar de taakbalk geen opschriften toont (standaard in Windows 10 en 11), toont de voortgangsbalk van de knop het verstreken deel van de dag, en een kleine badge de hele procenten. Klik op de knop om de gekleurde strook te zien.</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>De drie knoppen rechts kiezen wat de stand meet:</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>de klok: het percentage van de verstreken dag;</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>de stopwatch: de tijd sinds hij gestart werd, in dezelfde eenheid (100 is een dag);</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>de kalender: het percentage van het jaar, elke maand gerekend als 30,5 dagen.</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>Bij de stopwatch houdt het lampje (Go) de weergave vast terwijl de stopwatch doorloopt, en de waarschuwingsdriehoek (Reset) start hem opnieuw vanaf nul; ingedrukt terwijl de weergave vastgehouden wordt, begint hij opnieuw vanaf nul zodra de weergave weer loopt. De stopwatch stopt nooit en telt door over middernacht heen.</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>De wekker gaat één keer per run af: om 15:00 op werkdagen (een stand van 62,5) en om 14:00 op zaterdag en zondag (58,33). Het venster komt naar voren en de bel luidt tot u op de belknop klikt of erop de spatiebalk indrukt. Eerder op de bel klikken schakelt de wekker uit.</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>Zolang de sessie vergrendeld is of het scherm uit staat, toont de klok niets nieuws en wordt hij maar één keer per seconde wakker voor de wekker, die toch op tijd komt. Zolang Windows energie bespaart, ververst hij tien keer per seconde.</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>Met het installatieprogramma: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>Met de hand: druk op Windows+R, typ shell:startup en druk op Enter, en zet een snelkoppeling naar quendal.exe in de map die opent.</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>Geïnstalleerd: kies in Instellingen, Apps (of Configuratiescherm, Programma&apos;s en onderdelen) Quendal en Verwijderen. Uit deze zip: verwijder de map; Quendal schrijft nergens anders iets.</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows waarschuwt mogelijk voor een onbekende uitgever</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal is niet ondertekend met een certificaat voor codeondertekening, dus Windows zegt mogelijk dat het uw pc heeft beschermd tegen een niet-herkende app, of noemt geen uitgever. Dat gaat over de handtekening, niet over het programma: Quendal is vrije software onder de MIT-licentie (LICENSE.txt), gebouwd uit zijn openbare broncode. Als u de plek vertrouwt waar u het vandaan hebt, kies dan &apos;Meer informatie&apos; en &apos;Toch uitvoeren&apos;.</translation>
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
