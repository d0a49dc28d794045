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
    <name>Readme</name>
    <message>
        <source>Quendal %1, a decimal desktop clock</source>
        <translation>Quendal %1, une horloge de bureau décimale</translation>
    </message>
    <message>
        <source>Quendal tells the time as one number, the Reading: the percentage of the day gone by. At 03:25:46 it reads 14.2893518, shown as four coloured fields: 14 in blue (the whole percent), then the decimals, 28 in red, 93 in yellow and 518 in green. A Reading below 0.1 is shown with its power of ten in the last field: 3 47 22 E-2 is 0.0347222.</source>
        <translation>Quendal donne l’heure en un seul nombre, la valeur : le pourcentage de la journée écoulée. À 03:25:46, elle indique 14,2893518, affiché en quatre champs colorés : 14 en bleu (le pourcentage entier), puis les décimales, 28 en rouge, 93 en jaune et 518 en vert. Une valeur inférieure à 0,1 est affichée avec sa puissance de dix dans le dernier champ : 3 47 22 E-2 vaut 0,0347222.</translation>
    </message>
    <message>
        <source>It starts minimised: it lives in the taskbar, where its button&apos;s caption shows the Reading. Where the taskbar shows no captions (Windows 10 and 11 by default), the button&apos;s progress bar shows the part of the day gone by, and a small badge the whole percent. Click the button to see the coloured strip.</source>
        <translation>Elle démarre réduite : elle vit dans la barre des tâches, où le libellé de son bouton affiche la valeur. Là où la barre des tâches n’affiche pas de libellés (Windows 10 et 11 par défaut), la barre de progression du bouton montre la part de la journée écoulée, et un petit badge le pourcentage entier. Cliquez sur le bouton pour voir le bandeau coloré.</translation>
    </message>
    <message>
        <source>The three buttons on the right choose what the Reading measures:</source>
        <translation>Les trois boutons de droite choisissent ce que mesure la valeur :</translation>
    </message>
    <message>
        <source>the clock: the percentage of the day gone by;</source>
        <translation>l’horloge : le pourcentage de la journée écoulée ;</translation>
    </message>
    <message>
        <source>the stopwatch: the time since it was started, in the same unit (100 is a day);</source>
        <translation>le chronomètre : le temps écoulé depuis son lancement, dans la même unité (100 fait une journée) ;</translation>
    </message>
    <message>
        <source>the calendar: the percentage of the year, every month counted as 30.5 days.</source>
        <translation>le calendrier : le pourcentage de l’année, chaque mois comptant 30,5 jours.</translation>
    </message>
    <message>
        <source>With the stopwatch, the light bulb (Go) holds the display while the stopwatch runs on, and the warning triangle (Reset) starts it again from zero; pressed while the display is held, it starts again from zero when the display runs again. The stopwatch never stops, and counts on across midnight.</source>
        <translation>Avec le chronomètre, l’ampoule (Go) fige l’affichage pendant que le chronomètre continue de tourner, et le triangle d’avertissement (Reset) le relance à partir de zéro ; pressé pendant que l’affichage est figé, il repart de zéro quand l’affichage reprend. Le chronomètre ne s’arrête jamais et continue de compter après minuit.</translation>
    </message>
    <message>
        <source>The alarm goes off once per run: at 15:00 on weekdays (a Reading of 62.5) and at 14:00 on Saturdays and Sundays (58.33). The window comes up and the bell rings until you click the bell button, or press space on it. Clicking the bell before then disarms the alarm.</source>
        <translation>L’alarme sonne une fois par exécution : à 15:00 en semaine (une valeur de 62,5) et à 14:00 le samedi et le dimanche (58,33). La fenêtre apparaît et la cloche sonne jusqu’à ce que vous cliquiez sur le bouton de la cloche ou appuyiez sur Espace quand il a le focus. Cliquer sur la cloche avant l’heure désarme l’alarme.</translation>
    </message>
    <message>
        <source>While the session is locked or the display is off, the clock shows nothing new and wakes once a second only for the alarm, which comes at its time all the same. While Windows saves energy, it refreshes ten times a second.</source>
        <translation>Tant que la session est verrouillée ou l’écran éteint, l’horloge n’affiche rien de nouveau et ne se réveille qu’une fois par seconde pour l’alarme, qui vient tout de même à son heure. Tant que Windows économise l’énergie, elle se rafraîchit dix fois par seconde.</translation>
    </message>
    <message>
        <source>Starting it at log-in</source>
        <translation>La lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>With the installer: msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</source>
        <translation>Avec le programme d’installation : msiexec /i quendal-%1-win32.msi STARTATLOGIN=1</translation>
    </message>
    <message>
        <source>By hand: press Windows+R, type shell:startup and press Enter, and put a shortcut to quendal.exe in the folder that opens.</source>
        <translation>À la main : appuyez sur Windows+R, tapez shell:startup puis Entrée, et placez un raccourci vers quendal.exe dans le dossier qui s’ouvre.</translation>
    </message>
    <message>
        <source>Removing it</source>
        <translation>La supprimer</translation>
    </message>
    <message>
        <source>Installed: in Settings, Apps (or Control Panel, Programs and Features), choose Quendal and Uninstall. From this zip: delete the folder; Quendal writes nothing anywhere else.</source>
        <translation>Installée : dans Paramètres, Applications (ou Panneau de configuration, Programmes et fonctionnalités), choisissez Quendal puis Désinstaller. Depuis ce zip : supprimez le dossier ; Quendal n’écrit rien ailleurs.</translation>
    </message>
    <message>
        <source>Windows may warn of an unknown publisher</source>
        <translation>Windows peut signaler un éditeur inconnu</translation>
    </message>
    <message>
        <source>Quendal is not signed with a code-signing certificate, so Windows may say that it protected your PC from an unrecognised app, or name no publisher. That is a statement about the signature, not about the program: Quendal is free software under the MIT licence (LICENSE.txt), built from its public sources. If you trust where you got it from, choose &quot;More info&quot; and &quot;Run anyway&quot;.</source>
        <translation>Quendal n’est pas signé avec un certificat de signature de code : Windows peut donc dire qu’il a protégé votre PC d’une application non reconnue, ou n’indiquer aucun éditeur. Cela concerne la signature, pas le programme : Quendal est un logiciel libre sous licence MIT (LICENSE.txt), construit à partir de ses sources publiques. Si vous avez confiance dans l’endroit d’où vous le tenez, choisissez « Informations complémentaires » puis « Exécuter quand même ».</translation>
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
