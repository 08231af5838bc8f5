<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/dialogs/AboutDialog.cpp" line="+56"/>
        <source>Orvane Help</source>
        <translation>Aide d’Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About Orvane</source>
        <translation>À propos d’Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Made by the Orvane developers</source>
        <translation>Réalisé par les développeurs d’Orvane</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software: %1</source>
        <translation>Logiciel libre&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNU GPL, version 3 or later</source>
        <translation>GNU GPL, version 3 ou ultérieure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thanks to all who played, tested and lost to the A.I.</source>
        <translation>Merci à tous ceux qui ont joué, testé et perdu contre l’IA.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../src/shell/AccessibleBoard.cpp" line="+87"/>
        <source>open</source>
        <translation>découvrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chord</source>
        <translation>découvrir autour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>flag</source>
        <translation>drapeau</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>opens the cell</source>
        <translation>découvre la case</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>opens the neighbours of a number whose flags match it</source>
        <translation>découvre les cases voisines d’un chiffre dont les drapeaux correspondent à sa valeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puts a flag on the cell or takes it away</source>
        <translation>pose un drapeau sur la case ou le retire</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>board</source>
        <translation>grille</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleStatus.cpp" line="+126"/>
        <source>status</source>
        <translation>état</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleTexts.cpp" line="+22"/>
        <location line="+18"/>
        <source>closed</source>
        <translation>couverte</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+3"/>
        <source>mine found by %1</source>
        <translation>mine trouvée par %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>flagged</source>
        <translation>marquée d’un drapeau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mine</source>
        <translation>mine non trouvée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>flag on no mine</source>
        <translation>drapeau sans mine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exploded mine</source>
        <translation>mine explosée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1 cell opened</source>
        <translation>1 case découverte</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cells opened</source>
        <translation>
            <numerusform>%n case découverte</numerusform>
            <numerusform>%n cases découvertes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wins the game</source>
        <translation>%1 gagne la partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game won in 1 second</source>
        <translation>partie gagnée en 1 seconde</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>game won in %n seconds</source>
        <translation>
            <numerusform>partie gagnée en %n seconde</numerusform>
            <numerusform>partie gagnée en %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>game lost</source>
        <translation>partie perdue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mine found, %1 moves again</source>
        <translation>mine trouvée, %1 rejoue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>turn passes to %1</source>
        <translation>au tour de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no cell chosen, an arrow key shows one</source>
        <translation>aucune case choisie, une touche fléchée en montre une</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>row %1, column %2, %3</source>
        <translation>ligne %1, colonne %2, %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>%1 found %2</source>
        <translation>%1 a trouvé %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>mines left %1</source>
        <translation>mines restantes %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>time %1</source>
        <translation>temps %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>new game, game won</source>
        <translation>nouvelle partie, partie gagnée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new game, game lost</source>
        <translation>nouvelle partie, partie perdue</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <translation>nouvelle partie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>open three random cells</source>
        <translation>découvrir trois cases au hasard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bonus armed</source>
        <translation>bonus activé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus</source>
        <translation>bonus disponible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus not available</source>
        <translation>bonus indisponible</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to move</source>
        <translation>à %1 de jouer</translation>
    </message>
</context>
<context>
    <name>BlockSizeMenu</name>
    <message>
        <location filename="../src/session/Settings.h" line="+33"/>
        <source>&amp;1.0 x</source>
        <translation>&amp;1,0 x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;0.9 x</source>
        <translation>&amp;0,9 x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1.&amp;25 x</source>
        <translation>1,&amp;25 x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1.&amp;50 x</source>
        <translation>1,&amp;50 x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.0 &amp;x</source>
        <translation>2,0 &amp;x</translation>
    </message>
</context>
<context>
    <name>ComputerStrengthMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="+124"/>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Strong</source>
        <translation>&amp;Forte</translation>
    </message>
</context>
<context>
    <name>CustomSizeDialog</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+114"/>
        <source>Custom Field Size</source>
        <translation>Taille de grille personnalisée</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mines:</source>
        <translation>Mines&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+7"/>
        <source>Mine-field puzzle</source>
        <translation>Casse-tête de champ de mines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open every safe cell without touching a mine, alone or against a friend or the computer</source>
        <translation>Découvrez toutes les cases sûres sans toucher de mine, seul, contre un ami ou contre l’ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mines;puzzle;board;logic;</source>
        <translation>mines;démineur;casse-tête;réflexion;grille;logique;</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-74"/>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Beginner</source>
        <translation>&amp;Débutant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate</source>
        <translation>In&amp;termédiaire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Expert</source>
        <translation>E&amp;xpert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Custom...</source>
        <translation>&amp;Personnalisé…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hi Scores...</source>
        <translation>&amp;Meilleurs scores…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Replay…</source>
        <translation>&amp;Ouvrir une rediffusion…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play Boar&amp;d Code…</source>
        <translation>&amp;Jouer un code de grille…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cop&amp;y Board Code</source>
        <translation>&amp;Copier le code de grille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Net&amp;work Game…</source>
        <translation>Partie en &amp;réseau…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hin&amp;t</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>GameModeMenu</name>
    <message>
        <location line="+9"/>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Vs Human</source>
        <translation>Contre un &amp;humain</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>V&amp;s Computer</source>
        <translation>Contre l’&amp;ordinateur</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location line="+70"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About...</source>
        <translation>À &amp;propos d’Orvane…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/dialogs/HelpWindow.cpp" line="+59"/>
        <source>Orvane Help</source>
        <translation>Aide d’Orvane</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+142"/>
        <source>Hi Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Single Player</source>
        <translation>&amp;Solo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multi Player</source>
        <translation>&amp;Multijoueur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Remettre les scores à zéro</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Total Games Played</source>
        <translation>Total des parties jouées</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Games Won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Games Lost</source>
        <translation>Parties perdues</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicks</source>
        <translation>Clics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-128"/>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+50"/>
        <source>In 2Player Game The No. Of Mines Should Be Odd,
<byte value="xd"/>The No. Of Mines Will Be Decreased By 1.</source>
        <translation>Dans une partie à deux joueurs, le nombre de mines doit être impair.
<byte value="xd"/>Le nombre de mines sera donc diminué de 1.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+94"/>
        <source>Are You Sure You Want To Reset Scores?</source>
        <translation>Voulez-vous vraiment remettre les meilleurs scores à zéro&#x202f;?</translation>
    </message>
    <message>
        <location filename="../src/game/BoardCode.cpp" line="+126"/>
        <source>a character</source>
        <translation>un caractère</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code cannot hold %1: it is written with the digits 2 to 9 and the letters A to Z but I and O.</source>
        <translation>Le code de grille ne peut pas contenir %1&#xa0;: il s’écrit avec les chiffres 2 à 9 et les lettres A à Z sauf I et O.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a %1 x %2 board with %3 mine</source>
        <translation>une grille de %1 × %2 avec %3 mine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a %1 x %2 board with %3 mines</source>
        <translation>une grille de %1 × %2 avec %3 mines</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The board code is too long.</source>
        <translation>Le code de grille est trop long.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The board code is empty.</source>
        <translation>Le code de grille est vide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code is too short.</source>
        <translation>Le code de grille est trop court.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code does not check out: a character in it was mistyped, left out or swapped with its neighbour.</source>
        <translation>Le code de grille est incorrect&#xa0;: un de ses caractères a été mal saisi, oublié ou interverti avec son voisin.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The board code is of a form this version of Orvane does not know.</source>
        <translation>Le code de grille a un format que cette version d’Orvane ne connaît pas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board code gives a width of %1 cells; a board is 1 to 35 cells wide.</source>
        <translation>Le code de grille indique une largeur de %1 cases&#x202f;; une grille fait de 1 à 35 cases de large.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board code gives a height of %1 cells; a board is 1 to 25 cells high.</source>
        <translation>Le code de grille indique une hauteur de %1 cases&#x202f;; une grille fait de 1 à 25 cases de haut.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code gives %1 mines, which do not fit on a %2 x %3 board with a safe cell to begin on.</source>
        <translation>Le code de grille indique %1 mines, qui ne tiennent pas sur une grille de %2 × %3 en laissant une case sûre pour commencer.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s first cell lies outside the board.</source>
        <translation>La première case du code de grille se trouve hors de la grille.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code is too short for %1.</source>
        <translation>Le code de grille est trop court pour %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code is too long for %1.</source>
        <translation>Le code de grille est trop long pour %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s mine layout does not fit %1.</source>
        <translation>La disposition des mines du code de grille ne convient pas à %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board code&apos;s first cell holds a mine.</source>
        <translation>La première case du code de grille contient une mine.</translation>
    </message>
    <message>
        <location filename="../src/input/StatusInput.cpp" line="+57"/>
        <source>Enter Player-%1 Name (Max 6 Chars):</source>
        <translation>Entrez le nom du joueur %1 (6 caractères max.)&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1
<byte value="xd"/>Are you sure? you want to give-up the game? You will lose!</source>
        <translation>%1
<byte value="xd"/>Voulez-vous vraiment abandonner la partie&#x202f;? Vous la perdrez&#x202f;!</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Are you sure to reset scores?</source>
        <translation>Voulez-vous vraiment remettre les scores à zéro&#x202f;?</translation>
    </message>
    <message>
        <location filename="../src/netplay/GameHost.cpp" line="+126"/>
        <source>A player must say hello first.</source>
        <translation>Un joueur doit d’abord se présenter.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The player sent a message only a host may send.</source>
        <translation>Le joueur a envoyé un message que seul un hôte peut envoyer.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The seat was taken up again by another connection.</source>
        <translation>La place a été reprise par une autre connexion.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game you were playing has ended.</source>
        <translation>La partie que vous jouiez est terminée.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wait for the other player.</source>
        <translation>Attendez l’autre joueur.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game is over.</source>
        <translation>La partie est finie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not your turn.</source>
        <translation>Ce n’est pas votre tour.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no such cell.</source>
        <translation>Cette case n’existe pas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That cell is open already.</source>
        <translation>Cette case est déjà découverte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The bonus is not yours to use now.</source>
        <translation>Vous ne pouvez pas utiliser le bonus maintenant.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is no game of yours to give up.</source>
        <translation>Vous n’avez aucune partie à abandonner.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game is still being played.</source>
        <translation>La partie est toujours en cours.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That move is not one of this game&apos;s.</source>
        <translation>Ce coup n’appartient pas à ce jeu.</translation>
    </message>
    <message>
        <location line="+203"/>
        <source>Nothing was heard from you for too long.</source>
        <translation>Aucune nouvelle de vous depuis trop longtemps.</translation>
    </message>
    <message>
        <location filename="../src/netplay/NetworkPlayer.cpp" line="+73"/>
        <source>The host refused: %1</source>
        <translation>L’hôte a refusé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The host ended the network game.</source>
        <translation>L’hôte a mis fin à la partie en réseau.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The host sent a message out of turn.</source>
        <translation>L’hôte a envoyé un message à contretemps.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Nothing was heard from the host for 10 seconds: the network game has ended.</source>
        <translation>Aucune nouvelle de l’hôte depuis 10 secondes&#xa0;: la partie en réseau est terminée.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You left the network game.</source>
        <translation>Vous avez quitté la partie en réseau.</translation>
    </message>
    <message>
        <location filename="../src/netplay/Protocol.cpp" line="+452"/>
        <source>The other side sent a message too large to be one of this game&apos;s.</source>
        <translation>Le correspondant a envoyé un message trop grand pour appartenir à ce jeu.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The other side sent a message this game cannot read.</source>
        <translation>Le correspondant a envoyé un message que ce jeu ne sait pas lire.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+79"/>
        <source>The host has stopped hosting: the network game has ended.</source>
        <translation>L’hôte a cessé d’héberger&#xa0;: la partie en réseau est terminée.</translation>
    </message>
    <message>
        <location filename="../src/platform/DamagedCopies.cpp" line="+21"/>
        <source>there are too many earlier copies</source>
        <translation>il y a trop de copies antérieures</translation>
    </message>
    <message>
        <location filename="../src/platform/FileReplacement.cpp" line="+127"/>
        <source>another program holds its folder locked</source>
        <translation>un autre programme verrouille son dossier</translation>
    </message>
    <message>
        <location filename="../src/platform/RecordFile.h" line="+55"/>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../src/scores/History.cpp" line="+362"/>
        <source>The game history %1 could not be read. It has been kept as %2, and a new history has been started.</source>
        <translation>L’historique des parties %1 n’a pas pu être lu. Il a été conservé sous le nom %2, et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file %1 is not a game history of Orvane. It has been kept, unchanged, as %2, and a new history has been started.</source>
        <translation>Le fichier %1 n’est pas un historique des parties d’Orvane. Il a été conservé tel quel sous le nom %2, et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be read, and it could not be set aside (%2). The game goes on, but the games played are not kept.</source>
        <translation>L’historique des parties %1 n’a pu être ni lu ni mis de côté (%2). Le jeu continue, mais les parties jouées ne sont pas conservées.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 cannot be used (%2). It is left as it is; the game goes on, but the games played are not kept.</source>
        <translation>L’historique des parties %1 ne peut pas être utilisé (%2). Il est laissé tel quel&#x202f;; le jeu continue, mais les parties jouées ne sont pas conservées.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 was written by a newer version of Orvane. It is shown as it is, but the games played now are not kept in it.</source>
        <translation>L’historique des parties %1 a été écrit par une version plus récente d’Orvane. Il est affiché tel quel, mais les parties jouées maintenant n’y sont pas conservées.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game history %1 can be read but not written (%2). It is shown, but the games played from now on are not kept.</source>
        <translation>L’historique des parties %1 peut être lu mais pas écrit (%2). Il est affiché, mais les parties jouées à partir de maintenant ne sont pas conservées.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be brought up to date (%2). It is shown as it is, but the games played now are not kept in it.</source>
        <translation>L’historique des parties %1 n’a pas pu être mis à jour (%2). Il est affiché tel quel, mais les parties jouées maintenant n’y sont pas conservées.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history could not be saved in %1 (%2). The game goes on, but the games played are not kept.</source>
        <translation>L’historique des parties n’a pas pu être enregistré dans %1 (%2). Le jeu continue, mais les parties jouées ne sont pas conservées.</translation>
    </message>
    <message>
        <location filename="../src/scores/HistoryReading.cpp" line="+147"/>
        <source>There is no replay of this game in the history.</source>
        <translation>L’historique ne contient aucune rediffusion de cette partie.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>This game&apos;s replay cannot be shown: it is damaged (%1).</source>
        <translation>La rediffusion de cette partie ne peut pas être affichée&#xa0;: elle est endommagée (%1).</translation>
    </message>
    <message>
        <location filename="../src/scores/Recording.cpp" line="+101"/>
        <source>Well done! This board was dealt so that it never needed a guess, so its time does not go into the high-score tables: they compare games on boards dealt at random, where a guess may be needed. Turn off Options &gt; No Guessing to play for them.</source>
        <translation>Bravo&#x202f;! Cette grille a été générée pour ne jamais obliger à deviner, son temps n’entre donc pas dans les tableaux des meilleurs scores&#xa0;: ceux-ci comparent des parties sur des grilles générées au hasard, où il peut falloir deviner. Désactivez Options &gt; Sans hasard pour y figurer.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Well done! The mine chances were shown during this game, so its time does not go into the high-score tables. Turn off Options &gt; Show Chances to play for them.</source>
        <translation>Bravo ! Les probabilités de mine ont été affichées pendant cette partie, son temps n’entre donc pas dans les tableaux des meilleurs scores. Désactivez Options &gt; Afficher les probabilités pour y figurer.</translation>
    </message>
    <message>
        <location filename="../src/scores/ScoreFile.cpp" line="+204"/>
        <source>The scores could not be read from %1 (%2). The game goes on, and the scores that could not be read start afresh.</source>
        <translation>Les scores n’ont pas pu être lus depuis %1 (%2). Le jeu continue, et les scores illisibles repartent de zéro.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The scores could not be saved to %1 (%2). The game goes on, but new scores and game counts may be lost when it closes.</source>
        <translation>Les scores n’ont pas pu être enregistrés dans %1 (%2). Le jeu continue, mais les nouveaux scores et le décompte des parties risquent d’être perdus à sa fermeture.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 was damaged. It has been repaired, keeping every score that could be read; the damaged file is kept as &quot;%2&quot;.</source>
        <translation>Le fichier des scores %1 était endommagé. Il a été réparé en gardant tous les scores lisibles&#x202f;; le fichier endommagé est conservé sous le nom «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 is damaged, and a copy of it could not be kept beside it (%2). It is left as it is; the game goes on, but new scores and game counts are not saved.</source>
        <translation>Le fichier des scores %1 est endommagé, et une copie n’a pas pu en être conservée à côté (%2). Il est laissé tel quel&#x202f;; le jeu continue, mais les nouveaux scores et le décompte des parties ne sont pas enregistrés.</translation>
    </message>
    <message>
        <location filename="../src/session/GameSession.cpp" line="+53"/>
        <source>There is no home folder to keep your files in: HOME is not set, and the user database names none. You can play, but no settings, options, scores or games played are kept this time.</source>
        <translation>Il n’y a pas de dossier personnel où conserver vos fichiers&#xa0;: HOME n’est pas défini, et la base des utilisateurs n’en indique aucun. Vous pouvez jouer, mais ni paramètres, ni options, ni scores, ni parties jouées ne seront conservés cette fois-ci.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Your CPU doesn&apos;t support High Resolutiom Timer! Exiting now.</source>
        <translation>Votre processeur ne prend pas en charge de minuterie haute résolution&#x202f;! Fermeture du programme.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>No board that can be cleared without guessing was found for this many mines on this board. This game is dealt as usual, and a guess may be needed.</source>
        <translation>Aucune grille résoluble sans deviner n’a été trouvée pour autant de mines sur cette grille. Cette partie est générée comme d’habitude, et il faudra peut-être deviner.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 pixels</source>
        <translation>%1&#xa0;pixels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This board does not fit on the screen with the block size %1, so it is shown at %2. The block size %1 comes back with the next board that fits.</source>
        <translation>Cette grille ne tient pas à l’écran avec la taille de case %1, elle est donc affichée en %2. La taille de case %1 reviendra avec la prochaine grille qui tient à l’écran.</translation>
    </message>
    <message>
        <location filename="../src/session/Keyboard.cpp" line="+29"/>
        <source>Do you want to quit?</source>
        <translation>Voulez-vous quitter&#x202f;?</translation>
    </message>
    <message>
        <location filename="../src/session/Preferences.cpp" line="+85"/>
        <source>it is larger than 64 KiB</source>
        <translation>il dépasse 64&#xa0;Kio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds binary data</source>
        <translation>il contient des données binaires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has lines too long</source>
        <translation>il contient des lignes trop longues</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Your options could not be read from %1 (%2). It is left as it is; the options in effect are kept until the game is closed.</source>
        <translation>Vos options n’ont pas pu être lues depuis %1 (%2). Le fichier est laissé tel quel&#x202f;; les options en vigueur sont gardées jusqu’à la fermeture du jeu.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your options file %1 is damaged (%2), and it could not be kept aside (%3). It is left as it is; the options that could be read are used, but changes are not saved.</source>
        <translation>Votre fichier d’options %1 est endommagé (%2), et il n’a pas pu être mis de côté (%3). Il est laissé tel quel&#x202f;; les options lisibles sont utilisées, mais les modifications ne sont pas enregistrées.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your options file %1 was damaged (%2). It has been kept as &quot;%3&quot;, and the options that could be read are used.</source>
        <translation>Votre fichier d’options %1 était endommagé (%2). Il a été conservé sous le nom «&#xa0;%3&#xa0;», et les options lisibles sont utilisées.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Your options could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Vos options n’ont pas pu être enregistrées dans «&#xa0;%1&#xa0;» (%2). Elles restent en vigueur jusqu’à la fermeture du jeu.</translation>
    </message>
    <message>
        <location filename="../src/session/Settings.cpp" line="+88"/>
        <source>Your settings could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Vos paramètres n’ont pas pu être enregistrés dans «&#xa0;%1&#xa0;» (%2). Ils restent en vigueur jusqu’à la fermeture du jeu.</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+102"/>
        <source>OpenGL initialization failed!</source>
        <translation>Échec de l’initialisation d’OpenGL&#x202f;!</translation>
    </message>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+177"/>
        <source>Leave the network game?</source>
        <translation>Quitter la partie en réseau&#x202f;?</translation>
    </message>
    <message>
        <location filename="../src/shell/QtPlatform.cpp" line="+167"/>
        <source>The help could not be shown: there is no viewer for &quot;%1&quot; and the help pages are missing from &quot;%2&quot;.</source>
        <translation>L’aide n’a pas pu être affichée&#xa0;: il n’y a aucun visualiseur pour «&#xa0;%1&#xa0;» et les pages d’aide sont absentes de «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="+136"/>
        <source>The replay %1 cannot be shown: %2.</source>
        <translation>La rediffusion %1 ne peut pas être affichée&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This board has no code yet: its mines are laid when its first cell is opened.</source>
        <translation>Cette grille n’a pas encore de code&#xa0;: ses mines sont posées quand sa première case est découverte.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Port %1 is in use: the game is hosted on port %2.</source>
        <translation>Le port %1 est occupé&#xa0;: la partie est hébergée sur le port %2.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+1"/>
        <source>Find the hidden mines by logic, alone or against a rival</source>
        <translation>Trouvez les mines cachées par la logique, seul ou contre un rival</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane is a mine-field puzzle on a grid of hidden cells. Open a cell and it tells how many of its eight neighbours hold a mine; put the numbers together to work out where the mines are.</source>
        <translation>Orvane est un casse-tête de champ de mines sur une grille de cases cachées. Découvrez une case&#xa0;: elle indique combien de ses huit voisines contiennent une mine&#x202f;; rapprochez les chiffres pour déduire où se trouvent les mines.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three ways to play:</source>
        <translation>Trois façons de jouer&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic: open every safe cell against the clock, with a high-score table per level</source>
        <translation>Classique&#xa0;: découvrez toutes les cases sûres contre la montre, avec un tableau des meilleurs scores par niveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human: two players take turns on one board, and finding mines scores</source>
        <translation>Contre un humain&#xa0;: deux joueurs jouent à tour de rôle sur la même grille, et trouver des mines rapporte des points</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer: the same two-player game against a computer opponent</source>
        <translation>Contre l’ordinateur&#xa0;: le même jeu à deux joueurs face à un adversaire informatique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board is drawn with OpenGL in seven colour themes and five cell sizes, with animated flags and sounds.</source>
        <translation>La grille est dessinée avec OpenGL en sept thèmes de couleurs et cinq tailles de cases, avec des drapeaux animés et des sons.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A Classic game at the Intermediate level</source>
        <translation>Une partie classique au niveau Intermédiaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taking turns against the computer, whose finds are the blue flags</source>
        <translation>À tour de rôle contre l’ordinateur, dont les trouvailles sont les drapeaux bleus</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/dialogs/NameDialog.cpp" line="+16"/>
        <source>Enter New Hi-Score Name:</source>
        <translation>Entrez votre nom pour les meilleurs scores&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <location filename="../src/network/GameFinder.cpp" line="+84"/>
        <source>Games on the local network cannot be listed (%1).</source>
        <translation>Impossible de lister les parties du réseau local (%1).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Games on the local network cannot be listed: no network connection here carries multicast.</source>
        <translation>Impossible de lister les parties du réseau local&#xa0;: aucune connexion réseau de cet ordinateur ne prend en charge le multicast.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+23"/>
        <source>No port from %1 to %2 could be used for hosting: %3</source>
        <translation>Aucun port de %1 à %2 n’a pu être utilisé pour héberger la partie&#xa0;: %3</translation>
    </message>
    <message>
        <location filename="../src/network/PlayerConnection.cpp" line="+21"/>
        <source>The host at %1, port %2, did not answer within 10 seconds.</source>
        <translation>L’hôte %1, port %2, n’a pas répondu dans les 10 secondes.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>Aucun ordinateur nommé «&#xa0;%1&#xa0;» n’a été trouvé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nobody hosts a game at %1, port %2.</source>
        <translation>Personne n’héberge de partie à l’adresse %1, port %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The host closed the connection.</source>
        <translation>L’hôte a fermé la connexion.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The connection to the host failed: %1.</source>
        <translation>La connexion à l’hôte a échoué&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>NetworkGameDialog</name>
    <message>
        <location filename="../src/dialogs/NetworkGameDialog.cpp" line="+60"/>
        <source>Off</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 s a turn</source>
        <translation>30&#xa0;s par tour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>120 s bank each</source>
        <translation>réserve de 120&#xa0;s chacun</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Host a game here</source>
        <translation>Héberger une partie ici</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Join a game</source>
        <translation>Rejoindre une partie</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Network Game</source>
        <translation>Partie en réseau</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Network name</source>
        <translation>Nom sur le réseau</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+8"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Turn limit</source>
        <translation>Limite de temps</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game name</source>
        <translation>Nom de la partie</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Host</source>
        <translation>Héberger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+58"/>
        <source>Orvane - network game &quot;%1&quot; - you are %2 (Player %3)</source>
        <translation>Orvane - partie en réseau «&#xa0;%1&#xa0;» - vous êtes %2 (joueur %3)</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-78"/>
        <source>Game &amp;Mode</source>
        <translation>&amp;Mode de jeu</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>S&amp;ounds</source>
        <translation>S&amp;ons</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;No Guessing</source>
        <translation>Sans &amp;hasard</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Computer Strength</source>
        <translation>&amp;Force de l’ordinateur</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Themes</source>
        <translation>&amp;Thèmes</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Colour-Sa&amp;fe Numbers</source>
        <translation>Chiffres adaptés aux &amp;daltoniens</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keep Replays</source>
        <translation>Conserver les &amp;rediffusions</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show C&amp;hances</source>
        <translation>Afficher les &amp;probabilités</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Block &amp;Size</source>
        <translation>Taille des &amp;cases</translation>
    </message>
</context>
<context>
    <name>ReplayWindow</name>
    <message>
        <location filename="../src/shell/ReplayWindow.cpp" line="+53"/>
        <source>Time %1   3BV %2 of %3   Clicks %4   3BV/s %5   IOE %6</source>
        <translation>Temps %1   3BV %2 sur %3   Clics %4   3BV/s %5   IOE %6</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+33"/>
        <source>Replay</source>
        <translation>Rediffusion</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+157"/>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Play Board Again</source>
        <translation>Rejouer la grille</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>◀ Step</source>
        <translation>◀ Reculer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step ▶</source>
        <translation>Avancer ▶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Replay…</source>
        <translation>Enregistrer la rediffusion…</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+7"/>
        <source>Save Replay</source>
        <translation>Enregistrer la rediffusion</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Replays (*%1)</source>
        <translation>Rediffusions (*%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The replay was not saved: %1</source>
        <translation>La rediffusion n’a pas été enregistrée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="-70"/>
        <source>Open Replay</source>
        <translation>Ouvrir une rediffusion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane replays (*%1);;All files (*)</source>
        <translation>Rediffusions d’Orvane (*%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play Board Code</source>
        <translation>Jouer un code de grille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board code:</source>
        <translation>Code de grille&#xa0;:</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <location filename="../src/dialogs/StatisticsWindow.cpp" line="+46"/>
        <source>Won</source>
        <translation>Gagnée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lost</source>
        <translation>Perdue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Given up</source>
        <translation>Abandonnée</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>A high score&apos;s replay is always kept</source>
        <translation>La rediffusion d’un meilleur score est toujours conservée</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Voir la rediffusion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play Board Again</source>
        <translation>&amp;Rejouer la grille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human</source>
        <translation>Contre un humain</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer</source>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mode:</source>
        <translation>&amp;Mode&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Games played:</source>
        <translation>Parties jouées&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games won:</source>
        <translation>Parties gagnées&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Won share:</source>
        <translation>Taux de victoire&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best time:</source>
        <translation>Meilleur temps&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average time:</source>
        <translation>Temps moyen&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best 3BV/s:</source>
        <translation>Meilleur 3BV/s&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak:</source>
        <translation>Série de victoires en cours&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longest winning streak:</source>
        <translation>Plus longue série de victoires&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No won games yet</source>
        <translation>Aucune partie gagnée pour l’instant</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+105"/>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Clicks</source>
        <translation>Clics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effective clicks</source>
        <translation>Clics utiles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correctness</source>
        <translation>Précision</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throughput</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Openings</source>
        <translation>Ouvertures</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islands</source>
        <translation>Îlots</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No guess</source>
        <translation>Sans hasard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Given</source>
        <translation>Imposée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chances</source>
        <translation>Probabilités</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Marked when the board was dealt so that it needed no guess</source>
        <translation>Cochée quand la grille a été générée pour ne jamais obliger à deviner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the board was played again or read from a code</source>
        <translation>Cochée quand la grille a été rejouée ou lue depuis un code</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the mine chances were shown during the game</source>
        <translation>Cochée quand les probabilités de mine ont été affichées pendant la partie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keeps the game&apos;s replay for ever</source>
        <translation>Conserve la rediffusion de la partie pour toujours</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Times of the last won games</source>
        <translation>Temps des dernières parties gagnées</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>game</source>
        <translation>partie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 x %2, %3 mines</source>
        <translation>%1 × %2, %3 mines</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>This game has no replay: it was played before replays were kept.</source>
        <translation>Cette partie n’a pas de rediffusion&#xa0;: elle a été jouée avant que les rediffusions soient conservées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This game has no replay: it was played over the network, and only the host knew where the mines were.</source>
        <translation>Cette partie n’a pas de rediffusion&#xa0;: elle a été jouée en réseau, et seul l’hôte savait où se trouvaient les mines.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game&apos;s replay was not kept.</source>
        <translation>La rediffusion de cette partie n’a pas été conservée.</translation>
    </message>
</context>
<context>
    <name>ThemesMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-28"/>
        <source>&amp;Windows Default</source>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Theme 1</source>
        <translation>Thème &amp;1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;heme 2</source>
        <translation>Thème &amp;2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Th&amp;eme 3</source>
        <translation>Thème &amp;3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The&amp;me 4</source>
        <translation>Thème &amp;4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;5</source>
        <translation>Thème &amp;5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;6</source>
        <translation>Thème &amp;6</translation>
    </message>
</context>
</TS>
