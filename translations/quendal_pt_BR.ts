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
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1, um relógio de área de trabalho decimal</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal mostra a hora como um único número, a leitura: a porcentagem do dia que já passou. Às 03:25:46 ele mostra 14,2893518, exibido em quatro campos coloridos: 14 em azul (a porcentagem inteira), depois as casas decimais, 28 em vermelho, 93 em amarelo e 518 em verde. Uma leitura abaixo de 0,1 é mostrada com sua potência de dez no último campo: 3 47 22 E-2 é 0,0347222.</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>Ele inicia minimizado: fica na barra de tarefas, onde o título do seu botão mostra a leitura. Onde a barra de tarefas não mostra títulos (Windows 10 e 11 por padrão), a barra de progresso do botão mostra a parte do dia que já passou, e um pequeno selo a porcentagem inteira. Clique no botão para ver a faixa colorida.</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>Os três botões à direita escolhem o que a leitura mede:</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>o relógio: a porcentagem do dia que já passou;</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>o cronômetro: o tempo desde que foi iniciado, na mesma unidade (100 é um dia);</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>o calendário: a porcentagem do ano, contando cada mês como 30,5 dias.</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>Com o cronômetro, a lâmpada (Go) congela a exibição enquanto o cronômetro continua correndo, e o triângulo de aviso (Reset) o reinicia do zero; pressionado enquanto a exibição está congelada, ele recomeça do zero quando a exibição voltar a correr. O cronômetro nunca para e continua contando depois da meia-noite.</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>O alarme toca uma vez por execução: às 15:00 nos dias úteis (uma leitura de 62,5) e às 14:00 aos sábados e domingos (58,33). A janela aparece e o sino toca até você clicar no botão do sino ou pressionar Espaço nele. Clicar no sino antes disso desativa o alarme.</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>Enquanto a sessão está bloqueada ou a tela desligada, o relógio não mostra nada de novo e só acorda uma vez por segundo para o alarme, que vem na hora certa mesmo assim. Enquanto o Windows economiza energia, ele atualiza dez vezes por segundo.</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>Iniciá-lo ao entrar na sessão</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>Com o instalador: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>À mão: pressione Windows+R, digite shell:startup e pressione Enter, e coloque um atalho para quendal.exe na pasta que se abrir.</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>Removê-lo</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>Instalado: em Configurações, Aplicativos (ou Painel de Controle, Programas e Recursos), escolha Quendal e Desinstalar. A partir deste zip: apague a pasta; o Quendal não grava nada em nenhum outro lugar.</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>O Windows pode avisar sobre um editor desconhecido</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>O Quendal não é assinado com um certificado de assinatura de código, então o Windows pode dizer que protegeu seu PC de um aplicativo não reconhecido, ou não indicar nenhum editor. Isso diz respeito à assinatura, não ao programa: o Quendal é software livre sob a licença MIT (LICENSE.txt), compilado a partir de seu código-fonte público. Se você confia no lugar de onde o obteve, escolha &quot;Mais informações&quot; e &quot;Executar assim mesmo&quot;.</translation>
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
