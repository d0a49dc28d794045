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
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1, eine dezimale Desktop-Uhr</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal zeigt die Zeit als eine einzige Zahl, den Wert: den Prozentsatz des vergangenen Tages. Um 03:25:46 zeigt sie 14,2893518, dargestellt in vier farbigen Feldern: 14 in Blau (die ganzen Prozent), dann die Nachkommastellen, 28 in Rot, 93 in Gelb und 518 in Grün. Ein Wert unter 0,1 wird mit seiner Zehnerpotenz im letzten Feld gezeigt: 3 47 22 E-2 ist 0,0347222.</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>Sie startet minimiert: Sie wohnt in der Taskleiste, wo die Beschriftung ihrer Schaltfläche den Wert zeigt. Wo die Taskleiste keine Beschriftungen zeigt (Windows 10 und 11 in der Voreinstellung), zeigt der Fortschrittsbalken der Schaltfläche den vergangenen Teil des Tages und ein kleines Abzeichen die ganzen Prozent. Klicken Sie auf die Schaltfläche, um die farbige Leiste zu sehen.</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>Die drei Schaltflächen rechts wählen, was der Wert misst:</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>die Uhr: den Prozentsatz des vergangenen Tages;</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>die Stoppuhr: die Zeit seit ihrem Start, in derselben Einheit (100 ist ein Tag);</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>der Kalender: den Prozentsatz des Jahres, jeder Monat zu 30,5 Tagen gerechnet.</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>Bei der Stoppuhr hält die Glühbirne (Go) die Anzeige an, während die Stoppuhr weiterläuft, und das Warndreieck (Reset) startet sie wieder bei null; wird es gedrückt, während die Anzeige angehalten ist, startet sie wieder bei null, sobald die Anzeige weiterläuft. Die Stoppuhr hält nie an und zählt über Mitternacht hinweg weiter.</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>Der Wecker klingelt einmal pro Lauf: um 15:00 an Werktagen (ein Wert von 62,5) und um 14:00 an Samstagen und Sonntagen (58,33). Das Fenster kommt hervor, und die Glocke läutet, bis Sie auf die Glocke klicken oder auf ihr die Leertaste drücken. Ein Klick auf die Glocke vorher entschärft den Wecker.</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>Solange die Sitzung gesperrt oder der Bildschirm aus ist, zeigt die Uhr nichts Neues und wacht nur einmal pro Sekunde für den Wecker auf, der trotzdem pünktlich kommt. Solange Windows Energie spart, aktualisiert sie zehnmal pro Sekunde.</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>Mit dem Installationsprogramm: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>Von Hand: Drücken Sie Windows+R, geben Sie shell:startup ein und drücken Sie die Eingabetaste, und legen Sie im sich öffnenden Ordner eine Verknüpfung zu quendal.exe an.</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>Installiert: Wählen Sie in den Einstellungen unter Apps (oder in der Systemsteuerung unter Programme und Features) Quendal und Deinstallieren. Aus diesem Zip: Löschen Sie den Ordner; Quendal schreibt nirgendwo sonst etwas.</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows warnt womöglich vor einem unbekannten Herausgeber</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal ist nicht mit einem Code-Signaturzertifikat signiert, daher meldet Windows womöglich, es habe Ihren PC vor einer unbekannten App geschützt, oder nennt keinen Herausgeber. Das ist eine Aussage über die Signatur, nicht über das Programm: Quendal ist freie Software unter der MIT-Lizenz (LICENSE.txt), aus seinen öffentlichen Quellen gebaut. Wenn Sie der Quelle vertrauen, von der Sie es haben, wählen Sie „Weitere Informationen“ und „Trotzdem ausführen“.</translation>
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
