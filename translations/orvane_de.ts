<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/dialogs/AboutDialog.cpp" line="+56"/>
        <source>Orvane Help</source>
        <translation>Orvane-Hilfe</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About Orvane</source>
        <translation>Über Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Made by the Orvane developers</source>
        <translation>Erstellt von den Orvane-Entwicklern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software: %1</source>
        <translation>Freie Software: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNU GPL, version 3 or later</source>
        <translation>GNU GPL, Version 3 oder neuer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thanks to all who played, tested and lost to the A.I.</source>
        <translation>Danke an alle, die gespielt, getestet und gegen die KI verloren haben.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../src/shell/AccessibleBoard.cpp" line="+87"/>
        <source>open</source>
        <translation>aufdecken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chord</source>
        <translation>Nachbarn aufdecken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>flag</source>
        <translation>Flagge</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>opens the cell</source>
        <translation>deckt das Feld auf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>opens the neighbours of a number whose flags match it</source>
        <translation>deckt die Nachbarn einer Zahl auf, deren Flaggen mit ihr übereinstimmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puts a flag on the cell or takes it away</source>
        <translation>setzt eine Flagge auf das Feld oder entfernt sie</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleStatus.cpp" line="+126"/>
        <source>status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleTexts.cpp" line="+22"/>
        <location line="+18"/>
        <source>closed</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+3"/>
        <source>mine found by %1</source>
        <translation>Mine, gefunden von %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>flagged</source>
        <translation>mit Flagge markiert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mine</source>
        <translation>Mine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>flag on no mine</source>
        <translation>Flagge ohne Mine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exploded mine</source>
        <translation>explodierte Mine</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1 cell opened</source>
        <translation>1 Feld aufgedeckt</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cells opened</source>
        <translation>
            <numerusform>%n Feld aufgedeckt</numerusform>
            <numerusform>%n Felder aufgedeckt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wins the game</source>
        <translation>%1 gewinnt das Spiel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game won in 1 second</source>
        <translation>Spiel in 1 Sekunde gewonnen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>game won in %n seconds</source>
        <translation>
            <numerusform>Spiel in %n Sekunde gewonnen</numerusform>
            <numerusform>Spiel in %n Sekunden gewonnen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>game lost</source>
        <translation>Spiel verloren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mine found, %1 moves again</source>
        <translation>Mine gefunden, %1 ist noch einmal am Zug</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>turn passes to %1</source>
        <translation>%1 ist jetzt am Zug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no cell chosen, an arrow key shows one</source>
        <translation>kein Feld gewählt, eine Pfeiltaste zeigt eines an</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>row %1, column %2, %3</source>
        <translation>Zeile %1, Spalte %2, %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>%1 found %2</source>
        <translation>%1 hat %2 gefunden</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>mines left %1</source>
        <translation>verbleibende Minen %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>time %1</source>
        <translation>Zeit %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>new game, game won</source>
        <translation>neues Spiel, Spiel gewonnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new game, game lost</source>
        <translation>neues Spiel, Spiel verloren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <translation>neues Spiel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>open three random cells</source>
        <translation>drei zufällige Felder aufdecken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bonus armed</source>
        <translation>Bonus aktiviert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus not available</source>
        <translation>Bonus nicht verfügbar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to move</source>
        <translation>%1 ist am Zug</translation>
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
        <translation>N&amp;ormal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Strong</source>
        <translation>&amp;Stark</translation>
    </message>
</context>
<context>
    <name>CustomSizeDialog</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+114"/>
        <source>Custom Field Size</source>
        <translation>Benutzerdefinierte Spielfeldgröße</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mines:</source>
        <translation>Minen:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+7"/>
        <source>Mine-field puzzle</source>
        <translation>Minenfeld-Denkspiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open every safe cell without touching a mine, alone or against a friend or the computer</source>
        <translation>Alle sicheren Felder aufdecken, ohne eine Mine zu berühren – allein, gegen einen Freund oder gegen den Computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mines;puzzle;board;logic;</source>
        <translation>Minen;Minenfeld;Rätsel;Denkspiel;Spielfeld;Logik;</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-74"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Beginner</source>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate</source>
        <translation>F&amp;ortgeschritten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Expert</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Custom...</source>
        <translation>Benutzer&amp;definiert …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hi Scores...</source>
        <translation>Besten&amp;liste …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Replay…</source>
        <translation>Aufzeichnung ö&amp;ffnen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play Boar&amp;d Code…</source>
        <translation>Spielfeldcode s&amp;pielen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cop&amp;y Board Code</source>
        <translation>Spielfeldcode &amp;kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Net&amp;work Game…</source>
        <translation>Netz&amp;werkspiel …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hin&amp;t</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>GameModeMenu</name>
    <message>
        <location line="+9"/>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Vs Human</source>
        <translation>Gegen &amp;Mensch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>V&amp;s Computer</source>
        <translation>Gegen &amp;Computer</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location line="+70"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Orvane …</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/dialogs/HelpWindow.cpp" line="+59"/>
        <source>Orvane Help</source>
        <translation>Orvane-Hilfe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+142"/>
        <source>Hi Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Single Player</source>
        <translation>&amp;Einzelspieler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multi Player</source>
        <translation>&amp;Mehrspieler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intermediate</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;Reset Scores</source>
        <translation>Bestenliste &amp;zurücksetzen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Total Games Played</source>
        <translation>Gespielte Spiele insgesamt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Games Won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Games Lost</source>
        <translation>Verlorene Spiele</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicks</source>
        <translation>Klicks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-128"/>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+50"/>
        <source>In 2Player Game The No. Of Mines Should Be Odd,
<byte value="xd"/>The No. Of Mines Will Be Decreased By 1.</source>
        <translation>Im Spiel zu zweit sollte die Anzahl der Minen ungerade sein.
<byte value="xd"/>Die Anzahl der Minen wird daher um 1 verringert.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+94"/>
        <source>Are You Sure You Want To Reset Scores?</source>
        <translation>Möchten Sie die Bestenliste wirklich zurücksetzen?</translation>
    </message>
    <message>
        <location filename="../src/game/BoardCode.cpp" line="+126"/>
        <source>a character</source>
        <translation>ein Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code cannot hold %1: it is written with the digits 2 to 9 and the letters A to Z but I and O.</source>
        <translation>Der Spielfeldcode darf %1 nicht enthalten: Er besteht aus den Ziffern 2 bis 9 und den Buchstaben A bis Z außer I und O.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a %1 x %2 board with %3 mine</source>
        <translation>ein Spielfeld mit %1 × %2 Feldern und %3 Mine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a %1 x %2 board with %3 mines</source>
        <translation>ein Spielfeld mit %1 × %2 Feldern und %3 Minen</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The board code is too long.</source>
        <translation>Der Spielfeldcode ist zu lang.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The board code is empty.</source>
        <translation>Der Spielfeldcode ist leer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code is too short.</source>
        <translation>Der Spielfeldcode ist zu kurz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code does not check out: a character in it was mistyped, left out or swapped with its neighbour.</source>
        <translation>Der Spielfeldcode ist fehlerhaft: Ein Zeichen darin wurde falsch eingegeben, ausgelassen oder mit seinem Nachbarn vertauscht.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The board code is of a form this version of Orvane does not know.</source>
        <translation>Der Spielfeldcode hat ein Format, das diese Version von Orvane nicht kennt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board code gives a width of %1 cells; a board is 1 to 35 cells wide.</source>
        <translation>Der Spielfeldcode gibt eine Breite von %1 Feldern an; ein Spielfeld ist 1 bis 35 Felder breit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board code gives a height of %1 cells; a board is 1 to 25 cells high.</source>
        <translation>Der Spielfeldcode gibt eine Höhe von %1 Feldern an; ein Spielfeld ist 1 bis 25 Felder hoch.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code gives %1 mines, which do not fit on a %2 x %3 board with a safe cell to begin on.</source>
        <translation>Der Spielfeldcode gibt %1 Minen an. Diese passen nicht auf ein Spielfeld mit %2 × %3 Feldern, wenn ein sicheres Feld zum Beginnen frei bleiben soll.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s first cell lies outside the board.</source>
        <translation>Das erste Feld des Spielfeldcodes liegt außerhalb des Spielfelds.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code is too short for %1.</source>
        <translation>Der Spielfeldcode ist zu kurz für %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code is too long for %1.</source>
        <translation>Der Spielfeldcode ist zu lang für %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s mine layout does not fit %1.</source>
        <translation>Die Minenverteilung des Spielfeldcodes ist ungültig für %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board code&apos;s first cell holds a mine.</source>
        <translation>Das erste Feld des Spielfeldcodes enthält eine Mine.</translation>
    </message>
    <message>
        <location filename="../src/input/StatusInput.cpp" line="+57"/>
        <source>Enter Player-%1 Name (Max 6 Chars):</source>
        <translation>Name von Spieler %1 eingeben (max. 6 Zeichen):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1
<byte value="xd"/>Are you sure? you want to give-up the game? You will lose!</source>
        <translation>%1
<byte value="xd"/>Möchten Sie das Spiel wirklich aufgeben? Sie verlieren es dann!</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Are you sure to reset scores?</source>
        <translation>Möchten Sie den Punktestand wirklich zurücksetzen?</translation>
    </message>
    <message>
        <location filename="../src/netplay/GameHost.cpp" line="+126"/>
        <source>A player must say hello first.</source>
        <translation>Ein Spieler muss sich zuerst anmelden.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The player sent a message only a host may send.</source>
        <translation>Der Spieler hat eine Nachricht gesendet, die nur ein Host senden darf.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The seat was taken up again by another connection.</source>
        <translation>Der Platz wurde von einer anderen Verbindung erneut eingenommen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game you were playing has ended.</source>
        <translation>Das Spiel, das Sie gespielt haben, ist beendet.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wait for the other player.</source>
        <translation>Warten Sie auf den anderen Spieler.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game is over.</source>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not your turn.</source>
        <translation>Sie sind nicht am Zug.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no such cell.</source>
        <translation>Dieses Feld gibt es nicht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That cell is open already.</source>
        <translation>Dieses Feld ist bereits aufgedeckt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The bonus is not yours to use now.</source>
        <translation>Sie dürfen den Bonus jetzt nicht einsetzen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is no game of yours to give up.</source>
        <translation>Sie haben kein Spiel, das Sie aufgeben könnten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game is still being played.</source>
        <translation>Das Spiel läuft noch.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That move is not one of this game&apos;s.</source>
        <translation>Dieser Zug gehört nicht zu diesem Spiel.</translation>
    </message>
    <message>
        <location line="+203"/>
        <source>Nothing was heard from you for too long.</source>
        <translation>Von Ihnen kam zu lange keine Nachricht.</translation>
    </message>
    <message>
        <location filename="../src/netplay/NetworkPlayer.cpp" line="+73"/>
        <source>The host refused: %1</source>
        <translation>Der Host hat abgelehnt: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The host ended the network game.</source>
        <translation>Der Host hat das Netzwerkspiel beendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The host sent a message out of turn.</source>
        <translation>Der Host hat eine Nachricht zur falschen Zeit gesendet.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Nothing was heard from the host for 10 seconds: the network game has ended.</source>
        <translation>Vom Host kam 10 Sekunden lang keine Nachricht: Das Netzwerkspiel ist beendet.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You left the network game.</source>
        <translation>Sie haben das Netzwerkspiel verlassen.</translation>
    </message>
    <message>
        <location filename="../src/netplay/Protocol.cpp" line="+452"/>
        <source>The other side sent a message too large to be one of this game&apos;s.</source>
        <translation>Die Gegenseite hat eine Nachricht gesendet, die zu groß für dieses Spiel ist.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The other side sent a message this game cannot read.</source>
        <translation>Die Gegenseite hat eine Nachricht gesendet, die dieses Spiel nicht lesen kann.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+79"/>
        <source>The host has stopped hosting: the network game has ended.</source>
        <translation>Der Host bietet das Spiel nicht mehr an: Das Netzwerkspiel ist beendet.</translation>
    </message>
    <message>
        <location filename="../src/platform/DamagedCopies.cpp" line="+21"/>
        <source>there are too many earlier copies</source>
        <translation>es gibt zu viele ältere Kopien</translation>
    </message>
    <message>
        <location filename="../src/platform/FileReplacement.cpp" line="+127"/>
        <source>another program holds its folder locked</source>
        <translation>ein anderes Programm hält den Ordner gesperrt</translation>
    </message>
    <message>
        <location filename="../src/platform/RecordFile.h" line="+55"/>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../src/scores/History.cpp" line="+362"/>
        <source>The game history %1 could not be read. It has been kept as %2, and a new history has been started.</source>
        <translation>Die Spielchronik %1 konnte nicht gelesen werden. Sie wurde als %2 aufbewahrt, und eine neue Chronik wurde begonnen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file %1 is not a game history of Orvane. It has been kept, unchanged, as %2, and a new history has been started.</source>
        <translation>Die Datei %1 ist keine Spielchronik von Orvane. Sie wurde unverändert als %2 aufbewahrt, und eine neue Chronik wurde begonnen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be read, and it could not be set aside (%2). The game goes on, but the games played are not kept.</source>
        <translation>Die Spielchronik %1 konnte weder gelesen noch beiseitegelegt werden (%2). Das Spiel geht weiter, aber die gespielten Spiele werden nicht festgehalten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 cannot be used (%2). It is left as it is; the game goes on, but the games played are not kept.</source>
        <translation>Die Spielchronik %1 kann nicht verwendet werden (%2). Sie bleibt unverändert; das Spiel geht weiter, aber die gespielten Spiele werden nicht festgehalten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 was written by a newer version of Orvane. It is shown as it is, but the games played now are not kept in it.</source>
        <translation>Die Spielchronik %1 wurde von einer neueren Version von Orvane geschrieben. Sie wird unverändert angezeigt, aber die jetzt gespielten Spiele werden darin nicht festgehalten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game history %1 can be read but not written (%2). It is shown, but the games played from now on are not kept.</source>
        <translation>Die Spielchronik %1 kann gelesen, aber nicht geschrieben werden (%2). Sie wird angezeigt, aber die ab jetzt gespielten Spiele werden nicht festgehalten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be brought up to date (%2). It is shown as it is, but the games played now are not kept in it.</source>
        <translation>Die Spielchronik %1 konnte nicht auf den neuesten Stand gebracht werden (%2). Sie wird unverändert angezeigt, aber die jetzt gespielten Spiele werden darin nicht festgehalten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history could not be saved in %1 (%2). The game goes on, but the games played are not kept.</source>
        <translation>Die Spielchronik konnte nicht in %1 gespeichert werden (%2). Das Spiel geht weiter, aber die gespielten Spiele werden nicht festgehalten.</translation>
    </message>
    <message>
        <location filename="../src/scores/HistoryReading.cpp" line="+147"/>
        <source>There is no replay of this game in the history.</source>
        <translation>Zu diesem Spiel gibt es keine Aufzeichnung in der Chronik.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>This game&apos;s replay cannot be shown: it is damaged (%1).</source>
        <translation>Die Aufzeichnung dieses Spiels kann nicht angezeigt werden: Sie ist beschädigt (%1).</translation>
    </message>
    <message>
        <location filename="../src/scores/Recording.cpp" line="+101"/>
        <source>Well done! This board was dealt so that it never needed a guess, so its time does not go into the high-score tables: they compare games on boards dealt at random, where a guess may be needed. Turn off Options &gt; No Guessing to play for them.</source>
        <translation>Gut gemacht! Dieses Spielfeld wurde so erzeugt, dass es nie Raten erforderte, daher kommt seine Zeit nicht in die Bestenlisten: Diese vergleichen Spiele auf zufällig erzeugten Spielfeldern, bei denen Raten nötig sein kann. Schalten Sie Optionen &gt; Ohne Raten aus, um in die Bestenlisten zu kommen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Well done! The mine chances were shown during this game, so its time does not go into the high-score tables. Turn off Options &gt; Show Chances to play for them.</source>
        <translation>Gut gemacht! Während dieses Spiels wurden die Minenwahrscheinlichkeiten angezeigt, daher kommt seine Zeit nicht in die Bestenlisten. Schalten Sie Optionen &gt; Wahrscheinlichkeiten anzeigen aus, um in die Bestenlisten zu kommen.</translation>
    </message>
    <message>
        <location filename="../src/scores/ScoreFile.cpp" line="+204"/>
        <source>The scores could not be read from %1 (%2). The game goes on, and the scores that could not be read start afresh.</source>
        <translation>Die Punktestände konnten nicht aus %1 gelesen werden (%2). Das Spiel geht weiter, und die nicht lesbaren Punktestände beginnen von vorn.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The scores could not be saved to %1 (%2). The game goes on, but new scores and game counts may be lost when it closes.</source>
        <translation>Die Punktestände konnten nicht in %1 gespeichert werden (%2). Das Spiel geht weiter, aber neue Punktestände und Spielzähler können beim Beenden verloren gehen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 was damaged. It has been repaired, keeping every score that could be read; the damaged file is kept as &quot;%2&quot;.</source>
        <translation>Die Punktedatei %1 war beschädigt. Sie wurde repariert, wobei alle lesbaren Punktestände erhalten blieben; die beschädigte Datei wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 is damaged, and a copy of it could not be kept beside it (%2). It is left as it is; the game goes on, but new scores and game counts are not saved.</source>
        <translation>Die Punktedatei %1 ist beschädigt, und es konnte keine Kopie daneben angelegt werden (%2). Sie bleibt unverändert; das Spiel geht weiter, aber neue Punktestände und Spielzähler werden nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/session/GameSession.cpp" line="+53"/>
        <source>There is no home folder to keep your files in: HOME is not set, and the user database names none. You can play, but no settings, options, scores or games played are kept this time.</source>
        <translation>Es gibt keinen persönlichen Ordner für Ihre Dateien: HOME ist nicht gesetzt, und die Benutzerdatenbank nennt keinen. Sie können spielen, aber diesmal werden keine Einstellungen, Optionen, Punktestände oder gespielten Spiele gespeichert.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Your CPU doesn&apos;t support High Resolutiom Timer! Exiting now.</source>
        <translation>Ihr Prozessor unterstützt keinen hochauflösenden Zeitgeber! Das Programm wird beendet.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>No board that can be cleared without guessing was found for this many mines on this board. This game is dealt as usual, and a guess may be needed.</source>
        <translation>Für so viele Minen auf diesem Spielfeld wurde keine Verteilung gefunden, die sich ohne Raten lösen lässt. Dieses Spiel wird wie üblich erzeugt, und Raten kann nötig sein.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This board does not fit on the screen with the block size %1, so it is shown at %2. The block size %1 comes back with the next board that fits.</source>
        <translation>Dieses Spielfeld passt mit der Feldgröße %1 nicht auf den Bildschirm und wird daher mit %2 angezeigt. Die Feldgröße %1 gilt wieder ab dem nächsten Spielfeld, das passt.</translation>
    </message>
    <message>
        <location filename="../src/session/Keyboard.cpp" line="+29"/>
        <source>Do you want to quit?</source>
        <translation>Möchten Sie das Spiel beenden?</translation>
    </message>
    <message>
        <location filename="../src/session/Preferences.cpp" line="+85"/>
        <source>it is larger than 64 KiB</source>
        <translation>sie ist größer als 64 KiB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds binary data</source>
        <translation>sie enthält Binärdaten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has lines too long</source>
        <translation>sie hat zu lange Zeilen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Your options could not be read from %1 (%2). It is left as it is; the options in effect are kept until the game is closed.</source>
        <translation>Ihre Optionen konnten nicht aus %1 gelesen werden (%2). Die Datei bleibt unverändert; die aktuellen Optionen gelten weiter, bis das Spiel geschlossen wird.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your options file %1 is damaged (%2), and it could not be kept aside (%3). It is left as it is; the options that could be read are used, but changes are not saved.</source>
        <translation>Ihre Optionsdatei %1 ist beschädigt (%2) und konnte nicht beiseitegelegt werden (%3). Sie bleibt unverändert; die lesbaren Optionen werden verwendet, aber Änderungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your options file %1 was damaged (%2). It has been kept as &quot;%3&quot;, and the options that could be read are used.</source>
        <translation>Ihre Optionsdatei %1 war beschädigt (%2). Sie wurde als „%3“ aufbewahrt, und die lesbaren Optionen werden verwendet.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Your options could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Ihre Optionen konnten nicht in „%1“ gespeichert werden (%2). Sie gelten weiter, bis das Spiel geschlossen wird.</translation>
    </message>
    <message>
        <location filename="../src/session/Settings.cpp" line="+88"/>
        <source>Your settings could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Ihre Einstellungen konnten nicht in „%1“ gespeichert werden (%2). Sie gelten weiter, bis das Spiel geschlossen wird.</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+102"/>
        <source>OpenGL initialization failed!</source>
        <translation>OpenGL konnte nicht initialisiert werden!</translation>
    </message>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+177"/>
        <source>Leave the network game?</source>
        <translation>Das Netzwerkspiel verlassen?</translation>
    </message>
    <message>
        <location filename="../src/shell/QtPlatform.cpp" line="+167"/>
        <source>The help could not be shown: there is no viewer for &quot;%1&quot; and the help pages are missing from &quot;%2&quot;.</source>
        <translation>Die Hilfe konnte nicht angezeigt werden: Es gibt kein Anzeigeprogramm für „%1“, und die Hilfeseiten fehlen in „%2“.</translation>
    </message>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="+136"/>
        <source>The replay %1 cannot be shown: %2.</source>
        <translation>Die Aufzeichnung %1 kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This board has no code yet: its mines are laid when its first cell is opened.</source>
        <translation>Dieses Spielfeld hat noch keinen Code: Seine Minen werden erst gelegt, wenn das erste Feld aufgedeckt wird.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Port %1 is in use: the game is hosted on port %2.</source>
        <translation>Port %1 ist belegt: Das Spiel wird auf Port %2 angeboten.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+1"/>
        <source>Find the hidden mines by logic, alone or against a rival</source>
        <translation>Versteckte Minen mit Logik finden – allein oder gegen einen Gegner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane is a mine-field puzzle on a grid of hidden cells. Open a cell and it tells how many of its eight neighbours hold a mine; put the numbers together to work out where the mines are.</source>
        <translation>Orvane ist ein Minenfeld-Denkspiel auf einem Raster verdeckter Felder. Decken Sie ein Feld auf, und es zeigt, wie viele seiner acht Nachbarn eine Mine enthalten; kombinieren Sie die Zahlen, um herauszufinden, wo die Minen liegen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three ways to play:</source>
        <translation>Drei Spielarten:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic: open every safe cell against the clock, with a high-score table per level</source>
        <translation>Klassisch: alle sicheren Felder gegen die Uhr aufdecken, mit einer Bestenliste je Stufe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human: two players take turns on one board, and finding mines scores</source>
        <translation>Gegen Mensch: Zwei Spieler ziehen abwechselnd auf einem Spielfeld, und wer Minen findet, punktet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer: the same two-player game against a computer opponent</source>
        <translation>Gegen Computer: dasselbe Spiel zu zweit gegen einen Computergegner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board is drawn with OpenGL in seven colour themes and five cell sizes, with animated flags and sounds.</source>
        <translation>Das Spielfeld wird mit OpenGL in sieben Farbdesigns und fünf Feldgrößen gezeichnet, mit animierten Flaggen und Klängen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A Classic game at the Intermediate level</source>
        <translation>Ein klassisches Spiel auf der Stufe Fortgeschritten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taking turns against the computer, whose finds are the blue flags</source>
        <translation>Abwechselnd gegen den Computer, dessen Funde die blauen Flaggen sind</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/dialogs/NameDialog.cpp" line="+16"/>
        <source>Enter New Hi-Score Name:</source>
        <translation>Namen für die Bestenliste eingeben:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Spiele im lokalen Netzwerk können nicht aufgelistet werden (%1).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Games on the local network cannot be listed: no network connection here carries multicast.</source>
        <translation>Spiele im lokalen Netzwerk können nicht aufgelistet werden: Keine Netzwerkverbindung dieses Rechners unterstützt Multicast.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+23"/>
        <source>No port from %1 to %2 could be used for hosting: %3</source>
        <translation>Keiner der Ports von %1 bis %2 konnte zum Anbieten eines Spiels verwendet werden: %3</translation>
    </message>
    <message>
        <location filename="../src/network/PlayerConnection.cpp" line="+21"/>
        <source>The host at %1, port %2, did not answer within 10 seconds.</source>
        <translation>Der Host unter %1, Port %2, hat nicht innerhalb von 10 Sekunden geantwortet.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>Es wurde kein Rechner namens „%1“ gefunden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nobody hosts a game at %1, port %2.</source>
        <translation>Unter %1, Port %2, bietet niemand ein Spiel an.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The host closed the connection.</source>
        <translation>Der Host hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The connection to the host failed: %1.</source>
        <translation>Die Verbindung zum Host ist fehlgeschlagen: %1.</translation>
    </message>
</context>
<context>
    <name>NetworkGameDialog</name>
    <message>
        <location filename="../src/dialogs/NetworkGameDialog.cpp" line="+60"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 s a turn</source>
        <translation>30 s pro Zug</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>120 s bank each</source>
        <translation>120 s Zeitkonto je Spieler</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Spielfeld</translation>
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
        <translation>Hier ein Spiel anbieten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Join a game</source>
        <translation>Einem Spiel beitreten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Network Game</source>
        <translation>Netzwerkspiel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Network name</source>
        <translation>Name im Netzwerk</translation>
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
        <translation>Bedenkzeit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game name</source>
        <translation>Spielname</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Host</source>
        <translation>Anbieten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+58"/>
        <source>Orvane - network game &quot;%1&quot; - you are %2 (Player %3)</source>
        <translation>Orvane - Netzwerkspiel „%1“ - Sie sind %2 (Spieler %3)</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-78"/>
        <source>Game &amp;Mode</source>
        <translation>Spiel&amp;modus</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>S&amp;ounds</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;No Guessing</source>
        <translation>&amp;Ohne Raten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Computer Strength</source>
        <translation>&amp;Computerstärke</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Themes</source>
        <translation>&amp;Designs</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Colour-Sa&amp;fe Numbers</source>
        <translation>Zahlen für &amp;Farbenblinde</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keep Replays</source>
        <translation>Aufzeichnungen &amp;behalten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show C&amp;hances</source>
        <translation>&amp;Wahrscheinlichkeiten anzeigen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Block &amp;Size</source>
        <translation>Feld&amp;größe</translation>
    </message>
</context>
<context>
    <name>ReplayWindow</name>
    <message>
        <location filename="../src/shell/ReplayWindow.cpp" line="+53"/>
        <source>Time %1   3BV %2 of %3   Clicks %4   3BV/s %5   IOE %6</source>
        <translation>Zeit %1   3BV %2 von %3   Klicks %4   3BV/s %5   IOE %6</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+33"/>
        <source>Replay</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+157"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Play Board Again</source>
        <translation>Spielfeld erneut spielen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>◀ Step</source>
        <translation>◀ Schritt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step ▶</source>
        <translation>Schritt ▶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Replay…</source>
        <translation>Aufzeichnung speichern …</translation>
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
        <translation>Aufzeichnung speichern</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Replays (*%1)</source>
        <translation>Aufzeichnungen (*%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The replay was not saved: %1</source>
        <translation>Die Aufzeichnung wurde nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="-70"/>
        <source>Open Replay</source>
        <translation>Aufzeichnung öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane replays (*%1);;All files (*)</source>
        <translation>Orvane-Aufzeichnungen (*%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play Board Code</source>
        <translation>Spielfeldcode spielen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board code:</source>
        <translation>Spielfeldcode:</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <location filename="../src/dialogs/StatisticsWindow.cpp" line="+46"/>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Given up</source>
        <translation>Aufgegeben</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>A high score&apos;s replay is always kept</source>
        <translation>Die Aufzeichnung eines Bestenlisten-Eintrags wird immer behalten</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Watch Replay</source>
        <translation>Aufzeichnung &amp;ansehen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play Board Again</source>
        <translation>Spielfeld &amp;erneut spielen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human</source>
        <translation>Gegen Mensch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer</source>
        <translation>Gegen Computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mode:</source>
        <translation>&amp;Modus:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Level:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Games played:</source>
        <translation>Gespielte Spiele:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games won:</source>
        <translation>Gewonnene Spiele:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Won share:</source>
        <translation>Gewinnquote:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best time:</source>
        <translation>Bestzeit:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average time:</source>
        <translation>Durchschnittszeit:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best 3BV/s:</source>
        <translation>Beste 3BV/s:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak:</source>
        <translation>Aktuelle Siegesserie:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longest winning streak:</source>
        <translation>Längste Siegesserie:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No won games yet</source>
        <translation>Noch keine gewonnenen Spiele</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+105"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Clicks</source>
        <translation>Klicks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effective clicks</source>
        <translation>Wirksame Klicks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correctness</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throughput</source>
        <translation>Durchsatz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Openings</source>
        <translation>Öffnungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islands</source>
        <translation>Inseln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No guess</source>
        <translation>Ohne Raten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Given</source>
        <translation>Vorgegeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chances</source>
        <translation>Chancen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Marked when the board was dealt so that it needed no guess</source>
        <translation>Markiert, wenn das Spielfeld so erzeugt wurde, dass kein Raten nötig war</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the board was played again or read from a code</source>
        <translation>Markiert, wenn das Spielfeld erneut gespielt oder aus einem Code gelesen wurde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the mine chances were shown during the game</source>
        <translation>Markiert, wenn während des Spiels die Minenwahrscheinlichkeiten angezeigt wurden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keeps the game&apos;s replay for ever</source>
        <translation>Behält die Aufzeichnung des Spiels für immer</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Times of the last won games</source>
        <translation>Zeiten der letzten gewonnenen Spiele</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 x %2, %3 mines</source>
        <translation>%1 × %2, %3 Minen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>This game has no replay: it was played before replays were kept.</source>
        <translation>Zu diesem Spiel gibt es keine Aufzeichnung: Es wurde gespielt, bevor Aufzeichnungen aufbewahrt wurden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This game has no replay: it was played over the network, and only the host knew where the mines were.</source>
        <translation>Zu diesem Spiel gibt es keine Aufzeichnung: Es wurde über das Netzwerk gespielt, und nur der Host wusste, wo die Minen lagen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game&apos;s replay was not kept.</source>
        <translation>Die Aufzeichnung dieses Spiels wurde nicht behalten.</translation>
    </message>
</context>
<context>
    <name>ThemesMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-28"/>
        <source>&amp;Windows Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Theme 1</source>
        <translation>Design &amp;1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;heme 2</source>
        <translation>Design &amp;2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Th&amp;eme 3</source>
        <translation>Design &amp;3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The&amp;me 4</source>
        <translation>Design &amp;4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;5</source>
        <translation>Design &amp;5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;6</source>
        <translation>Design &amp;6</translation>
    </message>
</context>
</TS>
