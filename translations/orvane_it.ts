<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/dialogs/AboutDialog.cpp" line="+56"/>
        <source>Orvane Help</source>
        <translation>Guida di Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About Orvane</source>
        <translation>Informazioni su Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Made by the Orvane developers</source>
        <translation>Realizzato dagli sviluppatori di Orvane</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software: %1</source>
        <translation>Software libero: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNU GPL, version 3 or later</source>
        <translation>GNU GPL, versione 3 o successiva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thanks to all who played, tested and lost to the A.I.</source>
        <translation>Grazie a tutti quelli che hanno giocato, provato e perso contro l&apos;IA.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../src/shell/AccessibleBoard.cpp" line="+87"/>
        <source>open</source>
        <translation>apri</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chord</source>
        <translation>apri attorno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>flag</source>
        <translation>contrassegna</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>opens the cell</source>
        <translation>apre la casella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>opens the neighbours of a number whose flags match it</source>
        <translation>apre le caselle vicine a un numero quando le sue bandierine gli corrispondono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puts a flag on the cell or takes it away</source>
        <translation>mette o toglie una bandierina sulla casella</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>board</source>
        <translation>campo</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>column %1</source>
        <translation>colonna %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleStatus.cpp" line="+126"/>
        <source>status</source>
        <translation>stato</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleTexts.cpp" line="+22"/>
        <location line="+18"/>
        <source>closed</source>
        <translation>chiusa</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+3"/>
        <source>mine found by %1</source>
        <translation>mina trovata da %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>flagged</source>
        <translation>con bandierina</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>flag on no mine</source>
        <translation>bandierina senza mina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exploded mine</source>
        <translation>mina esplosa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1 cell opened</source>
        <translation>1 casella aperta</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cells opened</source>
        <translation>
            <numerusform>%n casella aperta</numerusform>
            <numerusform>%n caselle aperte</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wins the game</source>
        <translation>%1 vince la partita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game won in 1 second</source>
        <translation>partita vinta in 1 secondo</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>game won in %n seconds</source>
        <translation>
            <numerusform>partita vinta in %n secondo</numerusform>
            <numerusform>partita vinta in %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>game lost</source>
        <translation>partita persa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mine found, %1 moves again</source>
        <translation>mina trovata, %1 gioca ancora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>turn passes to %1</source>
        <translation>il turno passa a %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no cell chosen, an arrow key shows one</source>
        <translation>nessuna casella scelta, un tasto freccia ne mostra una</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>row %1, column %2, %3</source>
        <translation>riga %1, colonna %2, %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>%1 found %2</source>
        <translation>%1 ha trovato %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>mines left %1</source>
        <translation>mine rimaste %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>time %1</source>
        <translation>tempo %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>new game, game won</source>
        <translation>nuova partita, partita vinta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new game, game lost</source>
        <translation>nuova partita, partita persa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <translation>nuova partita</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>open three random cells</source>
        <translation>apri tre caselle a caso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bonus armed</source>
        <translation>bonus pronto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus</source>
        <translation>bonus disponibile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus not available</source>
        <translation>bonus non disponibile</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to move</source>
        <translation>tocca a %1</translation>
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
        <translation>Dimensioni del campo personalizzate</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mines:</source>
        <translation>Mine:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+7"/>
        <source>Mine-field puzzle</source>
        <translation>Rompicapo con mine nascoste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open every safe cell without touching a mine, alone or against a friend or the computer</source>
        <translation>Apri tutte le caselle sicure senza toccare nessuna mina, da solo o contro un amico o il computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mines;puzzle;board;logic;</source>
        <translation>mine;rompicapo;campo;logica;</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-74"/>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Beginner</source>
        <translation>&amp;Principiante</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Expert</source>
        <translation>&amp;Esperto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Custom...</source>
        <translation>Pe&amp;rsonalizzato...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hi Scores...</source>
        <translation>&amp;Migliori punteggi...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiche...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Replay…</source>
        <translation>&amp;Apri registrazione…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play Boar&amp;d Code…</source>
        <translation>Gioca codice &amp;del campo…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cop&amp;y Board Code</source>
        <translation>C&amp;opia codice del campo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Net&amp;work Game…</source>
        <translation>Partita in re&amp;te…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hin&amp;t</source>
        <translation>Su&amp;ggerimento</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
</context>
<context>
    <name>GameModeMenu</name>
    <message>
        <location line="+9"/>
        <source>&amp;Classic</source>
        <translation>&amp;Classica</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Vs Human</source>
        <translation>Contro &amp;umano</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>V&amp;s Computer</source>
        <translation>Contro il c&amp;omputer</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location line="+70"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni su Orvane...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/dialogs/HelpWindow.cpp" line="+59"/>
        <source>Orvane Help</source>
        <translation>Guida di Orvane</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+142"/>
        <source>Hi Scores</source>
        <translation>Migliori punteggi</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Single Player</source>
        <translation>&amp;Giocatore singolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multi Player</source>
        <translation>&amp;Multigiocatore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Azzera punteggi</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Total Games Played</source>
        <translation>Partite totali</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Games Won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Games Lost</source>
        <translation>Partite perse</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicks</source>
        <translation>Clic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-128"/>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+50"/>
        <source>In 2Player Game The No. Of Mines Should Be Odd,
<byte value="xd"/>The No. Of Mines Will Be Decreased By 1.</source>
        <translation>In una partita a due giocatori il numero di mine deve essere dispari.
<byte value="xd"/>Il numero di mine sarà ridotto di 1.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+94"/>
        <source>Are You Sure You Want To Reset Scores?</source>
        <translation>Vuoi davvero azzerare i punteggi?</translation>
    </message>
    <message>
        <location filename="../src/game/BoardCode.cpp" line="+126"/>
        <source>a character</source>
        <translation>un carattere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code cannot hold %1: it is written with the digits 2 to 9 and the letters A to Z but I and O.</source>
        <translation>Il codice del campo non può contenere %1: si scrive con le cifre da 2 a 9 e le lettere dalla A alla Z tranne I e O.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a %1 x %2 board with %3 mine</source>
        <translation>un campo %1 x %2 con %3 mina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a %1 x %2 board with %3 mines</source>
        <translation>un campo %1 x %2 con %3 mine</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The board code is too long.</source>
        <translation>Il codice del campo è troppo lungo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The board code is empty.</source>
        <translation>Il codice del campo è vuoto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code is too short.</source>
        <translation>Il codice del campo è troppo corto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code does not check out: a character in it was mistyped, left out or swapped with its neighbour.</source>
        <translation>Il codice del campo non è valido: un suo carattere è stato digitato male, omesso o scambiato con quello accanto.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The board code is of a form this version of Orvane does not know.</source>
        <translation>Il codice del campo ha un formato che questa versione di Orvane non conosce.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board code gives a width of %1 cells; a board is 1 to 35 cells wide.</source>
        <translation>Il codice del campo indica una larghezza di %1 caselle; un campo è largo da 1 a 35 caselle.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board code gives a height of %1 cells; a board is 1 to 25 cells high.</source>
        <translation>Il codice del campo indica un&apos;altezza di %1 caselle; un campo è alto da 1 a 25 caselle.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code gives %1 mines, which do not fit on a %2 x %3 board with a safe cell to begin on.</source>
        <translation>Il codice del campo indica %1 mine, che non entrano in un campo %2 x %3 lasciando una casella sicura da cui iniziare.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s first cell lies outside the board.</source>
        <translation>La prima casella del codice del campo è fuori dal campo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code is too short for %1.</source>
        <translation>Il codice del campo è troppo corto per %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code is too long for %1.</source>
        <translation>Il codice del campo è troppo lungo per %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s mine layout does not fit %1.</source>
        <translation>La disposizione delle mine del codice del campo non corrisponde a %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board code&apos;s first cell holds a mine.</source>
        <translation>La prima casella del codice del campo contiene una mina.</translation>
    </message>
    <message>
        <location filename="../src/input/StatusInput.cpp" line="+57"/>
        <source>Enter Player-%1 Name (Max 6 Chars):</source>
        <translation>Nome del giocatore %1 (max 6 caratteri):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1
<byte value="xd"/>Are you sure? you want to give-up the game? You will lose!</source>
        <translation>%1
<byte value="xd"/>Vuoi davvero abbandonare la partita? Perderai!</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Are you sure to reset scores?</source>
        <translation>Vuoi davvero azzerare i punteggi?</translation>
    </message>
    <message>
        <location filename="../src/netplay/GameHost.cpp" line="+126"/>
        <source>A player must say hello first.</source>
        <translation>Un giocatore deve prima salutare.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The player sent a message only a host may send.</source>
        <translation>Il giocatore ha inviato un messaggio che solo l&apos;host può inviare.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The seat was taken up again by another connection.</source>
        <translation>Il posto è stato ripreso da un&apos;altra connessione.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game you were playing has ended.</source>
        <translation>La partita che stavi giocando è terminata.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wait for the other player.</source>
        <translation>Attendi l&apos;altro giocatore.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game is over.</source>
        <translation>La partita è finita.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not your turn.</source>
        <translation>Non è il tuo turno.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no such cell.</source>
        <translation>Quella casella non esiste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That cell is open already.</source>
        <translation>Quella casella è già aperta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The bonus is not yours to use now.</source>
        <translation>Ora non puoi usare il bonus.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is no game of yours to give up.</source>
        <translation>Non hai nessuna partita da abbandonare.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game is still being played.</source>
        <translation>La partita è ancora in corso.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That move is not one of this game&apos;s.</source>
        <translation>Quella mossa non appartiene a questa partita.</translation>
    </message>
    <message>
        <location line="+203"/>
        <source>Nothing was heard from you for too long.</source>
        <translation>Da te non è arrivato nulla per troppo tempo.</translation>
    </message>
    <message>
        <location filename="../src/netplay/NetworkPlayer.cpp" line="+73"/>
        <source>The host refused: %1</source>
        <translation>L’host ha rifiutato: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The host ended the network game.</source>
        <translation>L&apos;host ha chiuso la partita in rete.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The host sent a message out of turn.</source>
        <translation>L&apos;host ha inviato un messaggio fuori turno.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Nothing was heard from the host for 10 seconds: the network game has ended.</source>
        <translation>Dall&apos;host non è arrivato nulla per 10 secondi: la partita in rete è terminata.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You left the network game.</source>
        <translation>Hai lasciato la partita in rete.</translation>
    </message>
    <message>
        <location filename="../src/netplay/Protocol.cpp" line="+452"/>
        <source>The other side sent a message too large to be one of this game&apos;s.</source>
        <translation>L&apos;altra parte ha inviato un messaggio troppo grande per appartenere a questo gioco.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The other side sent a message this game cannot read.</source>
        <translation>L&apos;altra parte ha inviato un messaggio che questo gioco non sa leggere.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+79"/>
        <source>The host has stopped hosting: the network game has ended.</source>
        <translation>L&apos;host ha smesso di ospitare: la partita in rete è terminata.</translation>
    </message>
    <message>
        <location filename="../src/platform/DamagedCopies.cpp" line="+21"/>
        <source>there are too many earlier copies</source>
        <translation>ci sono troppe copie precedenti</translation>
    </message>
    <message>
        <location filename="../src/platform/FileReplacement.cpp" line="+127"/>
        <source>another program holds its folder locked</source>
        <translation>un altro programma tiene bloccata la sua cartella</translation>
    </message>
    <message>
        <location filename="../src/platform/RecordFile.h" line="+55"/>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <location filename="../src/scores/History.cpp" line="+362"/>
        <source>The game history %1 could not be read. It has been kept as %2, and a new history has been started.</source>
        <translation>Impossibile leggere lo storico delle partite %1. È stato conservato come %2 ed è stato iniziato un nuovo storico.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file %1 is not a game history of Orvane. It has been kept, unchanged, as %2, and a new history has been started.</source>
        <translation>Il file %1 non è uno storico delle partite di Orvane. È stato conservato senza modifiche come %2 ed è stato iniziato un nuovo storico.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be read, and it could not be set aside (%2). The game goes on, but the games played are not kept.</source>
        <translation>Impossibile leggere lo storico delle partite %1 e impossibile metterlo da parte (%2). Il gioco continua, ma le partite giocate non vengono conservate.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 cannot be used (%2). It is left as it is; the game goes on, but the games played are not kept.</source>
        <translation>Impossibile usare lo storico delle partite %1 (%2). Viene lasciato com&apos;è; il gioco continua, ma le partite giocate non vengono conservate.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 was written by a newer version of Orvane. It is shown as it is, but the games played now are not kept in it.</source>
        <translation>Lo storico delle partite %1 è stato scritto da una versione più recente di Orvane. Viene mostrato così com&apos;è, ma le partite giocate ora non vi vengono conservate.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game history %1 can be read but not written (%2). It is shown, but the games played from now on are not kept.</source>
        <translation>Lo storico delle partite %1 può essere letto ma non scritto (%2). Viene mostrato, ma le partite giocate da ora in poi non vengono conservate.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be brought up to date (%2). It is shown as it is, but the games played now are not kept in it.</source>
        <translation>Impossibile aggiornare lo storico delle partite %1 (%2). Viene mostrato così com&apos;è, ma le partite giocate ora non vi vengono conservate.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history could not be saved in %1 (%2). The game goes on, but the games played are not kept.</source>
        <translation>Impossibile salvare lo storico delle partite in %1 (%2). Il gioco continua, ma le partite giocate non vengono conservate.</translation>
    </message>
    <message>
        <location filename="../src/scores/HistoryReading.cpp" line="+147"/>
        <source>There is no replay of this game in the history.</source>
        <translation>Nello storico non c&apos;è nessuna registrazione di questa partita.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>This game&apos;s replay cannot be shown: it is damaged (%1).</source>
        <translation>Impossibile mostrare la registrazione di questa partita: è danneggiata (%1).</translation>
    </message>
    <message>
        <location filename="../src/scores/Recording.cpp" line="+101"/>
        <source>Well done! This board was dealt so that it never needed a guess, so its time does not go into the high-score tables: they compare games on boards dealt at random, where a guess may be needed. Turn off Options &gt; No Guessing to play for them.</source>
        <translation>Ben fatto! Questo campo è stato generato in modo da non dover mai tirare a indovinare, perciò il suo tempo non entra nelle classifiche dei migliori punteggi: queste confrontano partite su campi generati a caso, dove può servire tirare a indovinare. Disattiva Opzioni &gt; Senza indovinare per giocare per la classifica.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Well done! The mine chances were shown during this game, so its time does not go into the high-score tables. Turn off Options &gt; Show Chances to play for them.</source>
        <translation>Ben fatto! Durante questa partita sono state mostrate le probabilità di mina, perciò il suo tempo non entra nelle classifiche dei migliori punteggi. Disattiva Opzioni &gt; Mostra probabilità per giocare per la classifica.</translation>
    </message>
    <message>
        <location filename="../src/scores/ScoreFile.cpp" line="+204"/>
        <source>The scores could not be read from %1 (%2). The game goes on, and the scores that could not be read start afresh.</source>
        <translation>Impossibile leggere i punteggi da %1 (%2). Il gioco continua, e i punteggi che non è stato possibile leggere ripartono da zero.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The scores could not be saved to %1 (%2). The game goes on, but new scores and game counts may be lost when it closes.</source>
        <translation>Impossibile salvare i punteggi in %1 (%2). Il gioco continua, ma i nuovi punteggi e i conteggi delle partite potrebbero andare persi alla chiusura.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 was damaged. It has been repaired, keeping every score that could be read; the damaged file is kept as &quot;%2&quot;.</source>
        <translation>Il file dei punteggi %1 era danneggiato. È stato riparato conservando tutti i punteggi leggibili; il file danneggiato è conservato come &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 is damaged, and a copy of it could not be kept beside it (%2). It is left as it is; the game goes on, but new scores and game counts are not saved.</source>
        <translation>Il file dei punteggi %1 è danneggiato e non è stato possibile conservarne una copia accanto (%2). Viene lasciato com&apos;è; il gioco continua, ma i nuovi punteggi e i conteggi delle partite non vengono salvati.</translation>
    </message>
    <message>
        <location filename="../src/session/GameSession.cpp" line="+53"/>
        <source>There is no home folder to keep your files in: HOME is not set, and the user database names none. You can play, but no settings, options, scores or games played are kept this time.</source>
        <translation>Non c&apos;è una cartella home in cui conservare i tuoi file: HOME non è impostata e il database degli utenti non ne indica nessuna. Puoi giocare, ma questa volta non verranno conservati impostazioni, opzioni, punteggi né partite giocate.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Your CPU doesn&apos;t support High Resolutiom Timer! Exiting now.</source>
        <translation>Il processore non supporta un timer ad alta risoluzione! Il gioco verrà chiuso.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>No board that can be cleared without guessing was found for this many mines on this board. This game is dealt as usual, and a guess may be needed.</source>
        <translation>Non è stato trovato nessun campo risolvibile senza tirare a indovinare con così tante mine su questo campo. Questa partita viene generata come al solito e potrebbe servire tirare a indovinare.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 pixels</source>
        <translation>%1 pixel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This board does not fit on the screen with the block size %1, so it is shown at %2. The block size %1 comes back with the next board that fits.</source>
        <translation>Questo campo non entra nello schermo con la dimensione delle caselle %1, quindi viene mostrato a %2. La dimensione %1 tornerà con il prossimo campo che ci sta.</translation>
    </message>
    <message>
        <location filename="../src/session/Keyboard.cpp" line="+29"/>
        <source>Do you want to quit?</source>
        <translation>Vuoi uscire?</translation>
    </message>
    <message>
        <location filename="../src/session/Preferences.cpp" line="+85"/>
        <source>it is larger than 64 KiB</source>
        <translation>supera i 64 KiB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds binary data</source>
        <translation>contiene dati binari</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has lines too long</source>
        <translation>ha righe troppo lunghe</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Your options could not be read from %1 (%2). It is left as it is; the options in effect are kept until the game is closed.</source>
        <translation>Impossibile leggere le tue opzioni da %1 (%2). Il file viene lasciato com&apos;è; le opzioni attuali restano valide fino alla chiusura del gioco.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your options file %1 is damaged (%2), and it could not be kept aside (%3). It is left as it is; the options that could be read are used, but changes are not saved.</source>
        <translation>Il tuo file delle opzioni %1 è danneggiato (%2) e non è stato possibile metterlo da parte (%3). Viene lasciato com&apos;è; si usano le opzioni leggibili, ma le modifiche non vengono salvate.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your options file %1 was damaged (%2). It has been kept as &quot;%3&quot;, and the options that could be read are used.</source>
        <translation>Il tuo file delle opzioni %1 era danneggiato (%2). È stato conservato come &quot;%3&quot; e si usano le opzioni leggibili.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Your options could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Impossibile salvare le tue opzioni in &quot;%1&quot; (%2). Restano valide fino alla chiusura del gioco.</translation>
    </message>
    <message>
        <location filename="../src/session/Settings.cpp" line="+88"/>
        <source>Your settings could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Impossibile salvare le tue impostazioni in &quot;%1&quot; (%2). Restano valide fino alla chiusura del gioco.</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+102"/>
        <source>OpenGL initialization failed!</source>
        <translation>Inizializzazione di OpenGL non riuscita!</translation>
    </message>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+177"/>
        <source>Leave the network game?</source>
        <translation>Lasciare la partita in rete?</translation>
    </message>
    <message>
        <location filename="../src/shell/QtPlatform.cpp" line="+167"/>
        <source>The help could not be shown: there is no viewer for &quot;%1&quot; and the help pages are missing from &quot;%2&quot;.</source>
        <translation>Impossibile mostrare la guida: non c&apos;è nessun visualizzatore per &quot;%1&quot; e le pagine della guida mancano da &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="+136"/>
        <source>The replay %1 cannot be shown: %2.</source>
        <translation>Impossibile mostrare la registrazione %1: %2.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This board has no code yet: its mines are laid when its first cell is opened.</source>
        <translation>Questo campo non ha ancora un codice: le sue mine vengono piazzate quando si apre la prima casella.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Port %1 is in use: the game is hosted on port %2.</source>
        <translation>La porta %1 è in uso: la partita è ospitata sulla porta %2.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+1"/>
        <source>Find the hidden mines by logic, alone or against a rival</source>
        <translation>Trova le mine nascoste con la logica, da solo o contro un avversario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane is a mine-field puzzle on a grid of hidden cells. Open a cell and it tells how many of its eight neighbours hold a mine; put the numbers together to work out where the mines are.</source>
        <translation>Orvane è un rompicapo con mine nascoste in una griglia di caselle coperte. Apri una casella e ti dirà quante delle sue otto vicine contengono una mina; combina i numeri per scoprire dove sono le mine.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three ways to play:</source>
        <translation>Tre modi di giocare:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic: open every safe cell against the clock, with a high-score table per level</source>
        <translation>Classica: apri tutte le caselle sicure contro il tempo, con una classifica dei migliori punteggi per ogni livello</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human: two players take turns on one board, and finding mines scores</source>
        <translation>Contro umano: due giocatori si alternano sullo stesso campo, e trovare le mine fa punti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer: the same two-player game against a computer opponent</source>
        <translation>Contro il computer: lo stesso gioco a due giocatori, contro un avversario guidato dal computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board is drawn with OpenGL in seven colour themes and five cell sizes, with animated flags and sounds.</source>
        <translation>Il campo è disegnato con OpenGL in sette temi di colore e cinque dimensioni di casella, con bandierine animate e suoni.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A Classic game at the Intermediate level</source>
        <translation>Una partita in modalità Classica al livello Intermedio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taking turns against the computer, whose finds are the blue flags</source>
        <translation>A turno contro il computer, le cui scoperte sono le bandierine blu</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/dialogs/NameDialog.cpp" line="+16"/>
        <source>Enter New Hi-Score Name:</source>
        <translation>Inserisci il nome per il nuovo miglior punteggio:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Impossibile elencare le partite sulla rete locale (%1).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Games on the local network cannot be listed: no network connection here carries multicast.</source>
        <translation>Impossibile elencare le partite sulla rete locale: nessuna connessione di rete di questo computer supporta il multicast.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+23"/>
        <source>No port from %1 to %2 could be used for hosting: %3</source>
        <translation>Nessuna porta da %1 a %2 può essere usata per ospitare la partita: %3</translation>
    </message>
    <message>
        <location filename="../src/network/PlayerConnection.cpp" line="+21"/>
        <source>The host at %1, port %2, did not answer within 10 seconds.</source>
        <translation>L&apos;host a %1, porta %2, non ha risposto entro 10 secondi.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>Non è stato trovato nessun computer chiamato &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nobody hosts a game at %1, port %2.</source>
        <translation>Nessuno ospita una partita a %1, porta %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The host closed the connection.</source>
        <translation>L&apos;host ha chiuso la connessione.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The connection to the host failed: %1.</source>
        <translation>Connessione all&apos;host non riuscita: %1.</translation>
    </message>
</context>
<context>
    <name>NetworkGameDialog</name>
    <message>
        <location filename="../src/dialogs/NetworkGameDialog.cpp" line="+60"/>
        <source>Off</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 s a turn</source>
        <translation>30 s per turno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>120 s bank each</source>
        <translation>Riserva di 120 s a testa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Host a game here</source>
        <translation>Ospita una partita qui</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Join a game</source>
        <translation>Partecipa a una partita</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Network Game</source>
        <translation>Partita in rete</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Network name</source>
        <translation>Nome in rete</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+8"/>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Turn limit</source>
        <translation>Limite di turno</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game name</source>
        <translation>Nome della partita</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Host</source>
        <translation>Ospita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Join</source>
        <translation>Partecipa</translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+58"/>
        <source>Orvane - network game &quot;%1&quot; - you are %2 (Player %3)</source>
        <translation>Orvane - partita in rete &quot;%1&quot; - sei %2 (giocatore %3)</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-78"/>
        <source>Game &amp;Mode</source>
        <translation>&amp;Modalità di gioco</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>S&amp;ounds</source>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;No Guessing</source>
        <translation>Se&amp;nza indovinare</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Computer Strength</source>
        <translation>&amp;Forza del computer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Themes</source>
        <translation>&amp;Temi</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Colour-Sa&amp;fe Numbers</source>
        <translation>Numeri per &amp;daltonici</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keep Replays</source>
        <translation>&amp;Conserva registrazioni</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show C&amp;hances</source>
        <translation>Mostra &amp;probabilità</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Block &amp;Size</source>
        <translation>D&amp;imensione caselle</translation>
    </message>
</context>
<context>
    <name>ReplayWindow</name>
    <message>
        <location filename="../src/shell/ReplayWindow.cpp" line="+53"/>
        <source>Time %1   3BV %2 of %3   Clicks %4   3BV/s %5   IOE %6</source>
        <translation>Tempo %1   3BV %2 su %3   Clic %4   3BV/s %5   IOE %6</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+33"/>
        <source>Replay</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+157"/>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Play Board Again</source>
        <translation>Rigioca il campo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>◀ Step</source>
        <translation>◀ Passo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step ▶</source>
        <translation>Passo ▶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Replay…</source>
        <translation>Salva registrazione…</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+7"/>
        <source>Save Replay</source>
        <translation>Salva registrazione</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Replays (*%1)</source>
        <translation>Registrazioni (*%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The replay was not saved: %1</source>
        <translation>La registrazione non è stata salvata: %1</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="-70"/>
        <source>Open Replay</source>
        <translation>Apri registrazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane replays (*%1);;All files (*)</source>
        <translation>Registrazioni di Orvane (*%1);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play Board Code</source>
        <translation>Gioca codice del campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board code:</source>
        <translation>Codice del campo:</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <location filename="../src/dialogs/StatisticsWindow.cpp" line="+46"/>
        <source>Won</source>
        <translation>Vinta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lost</source>
        <translation>Persa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Given up</source>
        <translation>Abbandonata</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>A high score&apos;s replay is always kept</source>
        <translation>La registrazione di un miglior punteggio viene sempre conservata</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Guarda registrazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play Board Again</source>
        <translation>&amp;Rigioca il campo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Classic</source>
        <translation>Classica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human</source>
        <translation>Contro umano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer</source>
        <translation>Contro il computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation>In rete</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mode:</source>
        <translation>&amp;Modalità:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Level:</source>
        <translation>&amp;Livello:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Games played:</source>
        <translation>Partite giocate:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games won:</source>
        <translation>Partite vinte:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Won share:</source>
        <translation>Percentuale di vittorie:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best time:</source>
        <translation>Tempo migliore:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average time:</source>
        <translation>Tempo medio:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best 3BV/s:</source>
        <translation>Miglior 3BV/s:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak:</source>
        <translation>Serie di vittorie attuale:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longest winning streak:</source>
        <translation>Serie di vittorie più lunga:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No won games yet</source>
        <translation>Ancora nessuna partita vinta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ended</source>
        <translation>Fine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opponent</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+105"/>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Clicks</source>
        <translation>Clic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effective clicks</source>
        <translation>Clic efficaci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correctness</source>
        <translation>Precisione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throughput</source>
        <translation>Rendimento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Openings</source>
        <translation>Aperture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islands</source>
        <translation>Isole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No guess</source>
        <translation>Senza indovinare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Given</source>
        <translation>Prefissato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chances</source>
        <translation>Probabilità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep</source>
        <translation>Conserva</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Marked when the board was dealt so that it needed no guess</source>
        <translation>Spuntato quando il campo è stato generato in modo da non dover tirare a indovinare</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the board was played again or read from a code</source>
        <translation>Spuntato quando il campo è stato rigiocato o letto da un codice</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the mine chances were shown during the game</source>
        <translation>Spuntato quando le probabilità di mina sono state mostrate durante la partita</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keeps the game&apos;s replay for ever</source>
        <translation>Conserva per sempre la registrazione della partita</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Times of the last won games</source>
        <translation>Tempi delle ultime partite vinte</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Best time</source>
        <translation>Tempo migliore</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>game</source>
        <translation>partita</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 x %2, %3 mines</source>
        <translation>%1 x %2, %3 mine</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>This game has no replay: it was played before replays were kept.</source>
        <translation>Questa partita non ha una registrazione: è stata giocata prima che le registrazioni venissero conservate.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This game has no replay: it was played over the network, and only the host knew where the mines were.</source>
        <translation>Questa partita non ha una registrazione: è stata giocata in rete e solo l&apos;host sapeva dove fossero le mine.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game&apos;s replay was not kept.</source>
        <translation>La registrazione di questa partita non è stata conservata.</translation>
    </message>
</context>
<context>
    <name>ThemesMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-28"/>
        <source>&amp;Windows Default</source>
        <translation>&amp;Predefinito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Theme 1</source>
        <translation>&amp;Tema 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;heme 2</source>
        <translation>T&amp;ema 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Th&amp;eme 3</source>
        <translation>Te&amp;ma 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The&amp;me 4</source>
        <translation>Tem&amp;a 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;5</source>
        <translation>Tema &amp;5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;6</source>
        <translation>Tema &amp;6</translation>
    </message>
</context>
</TS>
