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
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1, un orologio da scrivania decimale</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal indica l’ora con un solo numero, la lettura: la percentuale della giornata trascorsa. Alle 03:25:46 segna 14,2893518, mostrato in quattro campi colorati: 14 in blu (la percentuale intera), poi i decimali, 28 in rosso, 93 in giallo e 518 in verde. Una lettura sotto 0,1 è mostrata con la sua potenza di dieci nell’ultimo campo: 3 47 22 E-2 è 0,0347222.</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>Si avvia ridotto a icona: vive nella barra delle applicazioni, dove la didascalia del suo pulsante mostra la lettura. Dove la barra delle applicazioni non mostra didascalie (Windows 10 e 11 in modo predefinito), la barra di avanzamento del pulsante mostra la parte del giorno trascorsa e un piccolo badge la percentuale intera. Fai clic sul pulsante per vedere la barra colorata.</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>I tre pulsanti a destra scelgono che cosa misura la lettura:</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>l’orologio: la percentuale della giornata trascorsa;</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>il cronometro: il tempo dall’avvio, nella stessa unità (100 è un giorno);</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>il calendario: la percentuale dell’anno, contando ogni mese come 30,5 giorni.</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>Con il cronometro, la lampadina (Go) ferma la visualizzazione mentre il cronometro continua a correre, e il triangolo di avviso (Reset) lo fa ripartire da zero; se premuto mentre la visualizzazione è ferma, riparte da zero quando la visualizzazione riprende. Il cronometro non si ferma mai e continua a contare oltre la mezzanotte.</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>La sveglia suona una volta per esecuzione: alle 15:00 nei giorni feriali (una lettura di 62,5) e alle 14:00 il sabato e la domenica (58,33). La finestra compare e la campana suona finché non fai clic sul pulsante della campana o premi Spazio su di esso. Un clic sulla campana prima di allora disattiva la sveglia.</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>Finché la sessione è bloccata o lo schermo è spento, l’orologio non mostra nulla di nuovo e si sveglia una volta al secondo solo per la sveglia, che arriva comunque puntuale. Finché Windows risparmia energia, si aggiorna dieci volte al secondo.</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>Avviarlo all’accesso</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>Con il programma di installazione: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>A mano: premi Windows+R, digita shell:startup e premi Invio, e metti un collegamento a quendal.exe nella cartella che si apre.</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>Rimuoverlo</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>Installato: in Impostazioni, App (o Pannello di controllo, Programmi e funzionalità), scegli Quendal e Disinstalla. Da questo zip: elimina la cartella; Quendal non scrive nulla altrove.</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows potrebbe avvisare di un editore sconosciuto</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal non è firmato con un certificato di firma del codice, quindi Windows potrebbe dire di aver protetto il PC da un’app non riconosciuta, o non indicare alcun editore. È un’affermazione sulla firma, non sul programma: Quendal è software libero con licenza MIT (LICENSE.txt), compilato dai suoi sorgenti pubblici. Se ti fidi del luogo da cui l’hai ottenuto, scegli «Ulteriori informazioni» e «Esegui comunque».</translation>
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
