<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>Zegar dziesiętny</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>Odczytuj czas jako procent minionej części dnia</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>zegar;czas;dziesiętny;procent;stoper;alarm;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal to mały zegar na pulpit, który pokazuje czas jako jedną liczbę dziesiętną, odczyt: procent minionej części dnia, podzielony na cztery kolorowe pola cyfr w wąskim oknie-pasku. O 03:25:46 pokazuje 14 28 93 518.</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>Ma trzy tryby:</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>Zegar: miniona część bieżącego dnia, w procentach</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>Stoper: czas od startu, w tej samej jednostce, z zatrzymaniem i ponownym startem</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>Kalendarz: miniona część bieżącego roku, w procentach</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>Zegar zwykle siedzi na pasku zadań, gdzie jego pozycja pokazuje odczyt. Raz na uruchomienie, o 15:00 w dni robocze i o 14:00 w soboty i niedziele, wysuwa swoje okno na wierzch i dzwoni dzwonkiem, dopóki dzwonek nie zostanie kliknięty.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>brak ekranu: nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>nie można połączyć się z ekranem Wayland „%1”</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>jest tylko ekran Wayland, a obsługa Waylanda w Qt nie jest zainstalowana (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>nie można otworzyć ekranu X „%1”</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>bez serwera X Wayland nie pozwala zegarowi ani pokazywać odczytu w jego pozycji na pasku zadań, gdy jest zminimalizowany, ani pojawić się przy alarmie (zamiast tego prosi o uwagę); jego ikona w zasobniku systemowym pokazuje odczyt; aby mieć jedno i drugie, uruchom go z serwerem X, np. Xwayland</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>bez serwera X Wayland nie pozwala zegarowi ani pokazywać odczytu w jego pozycji na pasku zadań, gdy jest zminimalizowany, ani pojawić się przy alarmie (zamiast tego prosi o uwagę); aby mieć jedno i drugie, uruchom go z serwerem X, np. Xwayland</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 nie może kontynuować: %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>Bieg</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>Zatrzymaj lub wznów wyświetlanie stopera</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>Uruchom stoper od zera</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>Pełne procenty</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>Pełne procenty odczytu</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>Pierwsze miejsca po przecinku</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>Pierwsza i druga cyfra po przecinku odczytu</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>Środkowe miejsca po przecinku</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>Trzecia i czwarta cyfra po przecinku odczytu</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>Ostatnie miejsca po przecinku</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>Cyfry od piątej do siódmej po przecinku odczytu lub jego potęga dziesięciu, gdy jest mały</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>Alarm: kliknij, aby go wyciszyć lub wyłączyć</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>Alarm dzwoni</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>Alarm dzwoni: kliknij dzwonek lub naciśnij na nim spację, aby go wyciszyć</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>Pokaż, jaka część dnia minęła</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>%1 procent dnia</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoper</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>Pokaż czas od uruchomienia stopera</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>%1 procent pomiaru stopera</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>Pokaż, jaka część roku minęła</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>%1 procent roku</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>Minimalizuj pasek</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>Pokaż pasek</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>uruchamianie po zalogowaniu: %1</translation>
    </message>
</context>
</TS>
