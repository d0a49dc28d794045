<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Entry</name>
    <message>
        <source>Decimal Clock</source>
        <translation>Horloge décimale</translation>
    </message>
    <message>
        <source>Tell the time as the percentage of the day gone by</source>
        <translation>Lire l’heure en pourcentage de la journée écoulée</translation>
    </message>
    <message>
        <source>clock;time;decimal;percent;stopwatch;alarm;</source>
        <translation>horloge;heure;décimal;pourcentage;chronomètre;alarme;</translation>
    </message>
    <message>
        <source>Quendal is a small desktop clock that shows the time as one decimal number, the Reading: the percentage of the day gone by, cut into four coloured digit fields in a thin strip window. At 03:25:46 it reads 14 28 93 518.</source>
        <translation>Quendal est une petite horloge de bureau qui affiche l’heure sous la forme d’un seul nombre décimal, la valeur : le pourcentage de la journée écoulée, découpé en quatre champs de chiffres colorés dans une fine fenêtre en bandeau. À 03:25:46, elle indique 14 28 93 518.</translation>
    </message>
    <message>
        <source>It has three modes:</source>
        <translation>Elle a trois modes :</translation>
    </message>
    <message>
        <source>Clock: the part of the current day gone by, in percent</source>
        <translation>Horloge : la part de la journée en cours déjà écoulée, en pour cent</translation>
    </message>
    <message>
        <source>Stopwatch: the time since a start, in the same unit, with hold and restart</source>
        <translation>Chronomètre : le temps écoulé depuis un départ, dans la même unité, avec pause et remise à zéro</translation>
    </message>
    <message>
        <source>Calendar: the part of the current year gone by, in percent</source>
        <translation>Calendrier : la part de l’année en cours déjà écoulée, en pour cent</translation>
    </message>
    <message>
        <source>The clock normally sits in the taskbar, where its entry shows the Reading. Once a run, at 15:00 on weekdays and at 14:00 on Saturdays and Sundays, it brings its window up and rings its bell until the bell is clicked.</source>
        <translation>L’horloge se tient d’ordinaire dans la barre des tâches, où son entrée affiche la valeur. Une fois par exécution, à 15:00 en semaine et à 14:00 le samedi et le dimanche, elle fait apparaître sa fenêtre et sonne sa cloche jusqu’à ce qu’on clique dessus.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>aucun affichage : ni DISPLAY ni WAYLAND_DISPLAY n’est défini</translation>
    </message>
    <message>
        <source>cannot connect to the Wayland display &quot;%1&quot;</source>
        <translation>impossible de se connecter à l’affichage Wayland « %1 »</translation>
    </message>
    <message>
        <source>there is only a Wayland display, and Qt&apos;s Wayland support is not installed (Debian: qt6-wayland)</source>
        <translation>il n’y a qu’un affichage Wayland, et la prise en charge de Wayland par Qt n’est pas installée (Debian : qt6-wayland)</translation>
    </message>
    <message>
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>impossible d’ouvrir l’affichage X « %1 »</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); its tray item shows the Reading; run it with an X server, such as Xwayland, for both</source>
        <translation>sans serveur X, Wayland ne laisse l’horloge ni afficher la valeur dans son entrée de la barre des tâches quand elle est réduite, ni apparaître à l’alarme (elle demande l’attention à la place) ; son icône de la zone de notification affiche la valeur ; lancez-la avec un serveur X, comme Xwayland, pour avoir les deux</translation>
    </message>
    <message>
        <source>without an X server, Wayland lets the clock neither show the Reading in its taskbar entry while minimised nor come up at the alarm (it asks for attention instead); run it with an X server, such as Xwayland, for both</source>
        <translation>sans serveur X, Wayland ne laisse l’horloge ni afficher la valeur dans son entrée de la barre des tâches quand elle est réduite, ni apparaître à l’alarme (elle demande l’attention à la place) ; lancez-la avec un serveur X, comme Xwayland, pour avoir les deux</translation>
    </message>
    <message>
        <source>%1 cannot go on: %2</source>
        <translation>%1 ne peut pas continuer : %2</translation>
    </message>
</context>
<context>
    <name>Strip</name>
    <message>
        <source>Run</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Hold or run the stopwatch display</source>
        <translation>Figer ou relancer l’affichage du chronomètre</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Restart the stopwatch from zero</source>
        <translation>Relancer le chronomètre à partir de zéro</translation>
    </message>
    <message>
        <source>Whole percent</source>
        <translation>Pourcentage entier</translation>
    </message>
    <message>
        <source>The Reading&apos;s whole percent</source>
        <translation>Le pourcentage entier de la valeur</translation>
    </message>
    <message>
        <source>First decimals</source>
        <translation>Premières décimales</translation>
    </message>
    <message>
        <source>The Reading&apos;s first and second decimals</source>
        <translation>Les première et deuxième décimales de la valeur</translation>
    </message>
    <message>
        <source>Middle decimals</source>
        <translation>Décimales du milieu</translation>
    </message>
    <message>
        <source>The Reading&apos;s third and fourth decimals</source>
        <translation>Les troisième et quatrième décimales de la valeur</translation>
    </message>
    <message>
        <source>Last decimals</source>
        <translation>Dernières décimales</translation>
    </message>
    <message>
        <source>The Reading&apos;s fifth to seventh decimals, or its power of ten when small</source>
        <translation>Les cinquième à septième décimales de la valeur, ou sa puissance de dix quand elle est petite</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm: click to silence or disarm</source>
        <translation>Alarme : cliquer pour l’arrêter ou la désarmer</translation>
    </message>
    <message>
        <source>Alarm ringing</source>
        <translation>L’alarme sonne</translation>
    </message>
    <message>
        <source>The alarm is ringing: click the bell, or press space on it, to silence it</source>
        <translation>L’alarme sonne : cliquez sur la cloche, ou appuyez sur Espace quand elle a le focus, pour l’arrêter</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Show the part of the day gone by</source>
        <translation>Afficher la part de la journée écoulée</translation>
    </message>
    <message>
        <source>%1 percent of the day</source>
        <translation>%1 pour cent de la journée</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>Show the time since the stopwatch was started</source>
        <translation>Afficher le temps écoulé depuis le lancement du chronomètre</translation>
    </message>
    <message>
        <source>%1 percent of the stop watch run</source>
        <translation>%1 pour cent du chronométrage</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Show the part of the year gone by</source>
        <translation>Afficher la part de l’année écoulée</translation>
    </message>
    <message>
        <source>%1 percent of the year</source>
        <translation>%1 pour cent de l’année</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>Minimise the strip</source>
        <translation>Réduire le bandeau</translation>
    </message>
    <message>
        <source>Show the strip</source>
        <translation>Afficher le bandeau</translation>
    </message>
    <message>
        <source>Start at log-in</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>start at log-in: %1</source>
        <translation>lancement à l’ouverture de session : %1</translation>
    </message>
</context>
</TS>
