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
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1, dziesiętny zegar na pulpit</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal podaje czas jako jedną liczbę, odczyt: procent minionej części dnia. O 03:25:46 pokazuje 14,2893518, wyświetlone w czterech kolorowych polach: 14 na niebiesko (pełne procenty), potem cyfry po przecinku, 28 na czerwono, 93 na żółto i 518 na zielono. Odczyt poniżej 0,1 jest pokazywany z potęgą dziesięciu w ostatnim polu: 3 47 22 E-2 to 0,0347222.</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>Uruchamia się zminimalizowany: mieszka na pasku zadań, gdzie podpis jego przycisku pokazuje odczyt. Tam, gdzie pasek zadań nie pokazuje podpisów (domyślnie w Windows 10 i 11), pasek postępu przycisku pokazuje minioną część dnia, a mała plakietka pełne procenty. Kliknij przycisk, aby zobaczyć kolorowy pasek.</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>Trzy przyciski po prawej wybierają, co mierzy odczyt:</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>zegar: procent minionej części dnia;</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>stoper: czas od jego uruchomienia, w tej samej jednostce (100 to doba);</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>kalendarz: procent roku, każdy miesiąc liczony jako 30,5 dnia.</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>Przy stoperze żarówka (Go) zatrzymuje wyświetlanie, podczas gdy stoper biegnie dalej, a trójkąt ostrzegawczy (Reset) uruchamia go od zera; naciśnięty, gdy wyświetlanie jest zatrzymane, zaczyna od zera, gdy wyświetlanie znów ruszy. Stoper nigdy się nie zatrzymuje i liczy dalej po północy.</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>Alarm dzwoni raz na uruchomienie: o 15:00 w dni robocze (odczyt 62,5) i o 14:00 w soboty i niedziele (58,33). Okno wysuwa się na wierzch, a dzwonek dzwoni, dopóki nie klikniesz przycisku dzwonka lub nie naciśniesz na nim spacji. Kliknięcie dzwonka wcześniej wyłącza alarm.</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>Gdy sesja jest zablokowana lub ekran wyłączony, zegar nie pokazuje nic nowego i budzi się raz na sekundę tylko dla alarmu, który i tak przychodzi o czasie. Gdy Windows oszczędza energię, odświeża dziesięć razy na sekundę.</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>Uruchamianie po zalogowaniu</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>Instalatorem: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>Ręcznie: naciśnij Windows+R, wpisz shell:startup i naciśnij Enter, a potem umieść skrót do quendal.exe w otwartym folderze.</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>Usuwanie</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>Zainstalowany: w Ustawieniach, Aplikacje (lub w Panelu sterowania, Programy i funkcje), wybierz Quendal i Odinstaluj. Z tego zipa: usuń folder; Quendal nie zapisuje niczego gdzie indziej.</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows może ostrzec przed nieznanym wydawcą</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal nie jest podpisany certyfikatem podpisywania kodu, więc Windows może powiedzieć, że ochronił komputer przed nierozpoznaną aplikacją, albo nie podać wydawcy. To stwierdzenie o podpisie, nie o programie: Quendal to wolne oprogramowanie na licencji MIT (LICENSE.txt), zbudowane z jego publicznych źródeł. Jeśli ufasz miejscu, z którego go masz, wybierz „Więcej informacji” i „Uruchom mimo to”.</translation>
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
