<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>Relógio decimal</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>Veja a hora como a porcentagem do dia que já passou</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>relógio;hora;decimal;porcentagem;cronômetro;alarme;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal é um pequeno relógio de área de trabalho que mostra a hora como um único número decimal, a leitura: a porcentagem do dia que já passou, dividida em quatro campos de dígitos coloridos em uma janela estreita em forma de faixa. Às 03:25:46 ele mostra 14 28 93 518.</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>Ele tem três modos:</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>Relógio: a parte do dia atual que já passou, em porcentagem</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>Cronômetro: o tempo desde um início, na mesma unidade, com pausa e reinício</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>Calendário: a parte do ano atual que já passou, em porcentagem</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>O relógio normalmente fica na barra de tarefas, onde seu item mostra a leitura. Uma vez por execução, às 15:00 nos dias úteis e às 14:00 aos sábados e domingos, ele traz sua janela para a frente e toca seu sino até que alguém clique no sino.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>sem tela: nem DISPLAY nem WAYLAND_DISPLAY está definida</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>não foi possível conectar à tela Wayland &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>há apenas uma tela Wayland, e o suporte do Qt ao Wayland não está instalado (Debian: qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>não foi possível abrir a tela X &quot;%1&quot;</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>sem um servidor X, o Wayland não deixa o relógio mostrar a leitura no seu item da barra de tarefas enquanto minimizado nem aparecer no alarme (em vez disso, ele pede atenção); seu ícone na bandeja do sistema mostra a leitura; execute-o com um servidor X, como o Xwayland, para ter as duas coisas</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>sem um servidor X, o Wayland não deixa o relógio mostrar a leitura no seu item da barra de tarefas enquanto minimizado nem aparecer no alarme (em vez disso, ele pede atenção); execute-o com um servidor X, como o Xwayland, para ter as duas coisas</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 não pode continuar: %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>Em andamento</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>Congelar ou retomar a exibição do cronômetro</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>Reiniciar o cronômetro do zero</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>Porcentagem inteira</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>A porcentagem inteira da leitura</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>Primeiras casas decimais</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>A primeira e a segunda casas decimais da leitura</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>Casas decimais do meio</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>A terceira e a quarta casas decimais da leitura</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>Últimas casas decimais</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>Da quinta à sétima casa decimal da leitura, ou sua potência de dez quando é pequena</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>Alarme: clique para silenciar ou desativar</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>Alarme tocando</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>O alarme está tocando: clique no sino, ou pressione Espaço nele, para silenciá-lo</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>Mostrar a parte do dia que já passou</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>%1 por cento do dia</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>Mostrar o tempo desde o início do cronômetro</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>%1 por cento do cronômetro</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>Mostrar a parte do ano que já passou</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>%1 por cento do ano</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>Minimizar a faixa</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>Mostrar a faixa</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>iniciar ao entrar na sessão: %1</translation>
    </message>
</context>
</TS>
