<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>Orologio decimale</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>Leggi l’ora come percentuale della giornata trascorsa</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>orologio;ora;decimale;percentuale;cronometro;sveglia;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal è un piccolo orologio da scrivania che mostra l’ora come un unico numero decimale, la lettura: la percentuale della giornata trascorsa, divisa in quattro campi di cifre colorati in una sottile finestra a barra. Alle 03:25:46 segna 14 28 93 518.</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>Ha tre modalità:</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>Orologio: la parte del giorno corrente trascorsa, in percentuale</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>Cronometro: il tempo da una partenza, nella stessa unità, con pausa e riavvio</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>Calendario: la parte dell’anno corrente trascorsa, in percentuale</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>L’orologio di solito sta nella barra delle applicazioni, dove la sua voce mostra la lettura. Una volta per esecuzione, alle 15:00 nei giorni feriali e alle 14:00 il sabato e la domenica, porta in primo piano la sua finestra e suona la sua campana finché non si fa clic sulla campana.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nessun display: non è impostata né DISPLAY né WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>impossibile connettersi al display Wayland «%1»</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>c’è solo un display Wayland e il supporto Wayland di Qt non è installato (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>impossibile aprire il display X «%1»</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>senza un server X, Wayland non lascia che l’orologio mostri la lettura nella sua voce della barra delle applicazioni quando è ridotto a icona né che compaia alla sveglia (chiede invece attenzione); la sua icona nell’area di notifica mostra la lettura; avvialo con un server X, come Xwayland, per avere entrambe le cose</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>senza un server X, Wayland non lascia che l’orologio mostri la lettura nella sua voce della barra delle applicazioni quando è ridotto a icona né che compaia alla sveglia (chiede invece attenzione); avvialo con un server X, come Xwayland, per avere entrambe le cose</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 non può continuare: %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>In corsa</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>Ferma o riprendi la visualizzazione del cronometro</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Riavvia</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>Riavvia il cronometro da zero</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>Percentuale intera</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>La percentuale intera della lettura</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>Prime cifre decimali</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>La prima e la seconda cifra decimale della lettura</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>Cifre decimali centrali</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>La terza e la quarta cifra decimale della lettura</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>Ultime cifre decimali</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>Dalla quinta alla settima cifra decimale della lettura, o la sua potenza di dieci quando è piccola</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>Sveglia: fai clic per silenziarla o disattivarla</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>Sveglia in corso</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>La sveglia sta suonando: fai clic sulla campana, o premi Spazio su di essa, per silenziarla</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>Mostra la parte del giorno trascorsa</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>%1 per cento del giorno</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>Mostra il tempo trascorso dall’avvio del cronometro</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>%1 per cento del cronometro</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>Mostra la parte dell’anno trascorsa</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>%1 per cento dell’anno</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>Riduci a icona la barra</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>Mostra la barra</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Avvia all’accesso</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>avvio all’accesso: %1</translation>
    </message>
</context>
</TS>
