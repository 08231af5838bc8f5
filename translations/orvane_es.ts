<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/dialogs/AboutDialog.cpp" line="+56"/>
        <source>Orvane Help</source>
        <translation>Ayuda de Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About Orvane</source>
        <translation>Acerca de Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Made by the Orvane developers</source>
        <translation>Hecho por los desarrolladores de Orvane</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software: %1</source>
        <translation>Software libre: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNU GPL, version 3 or later</source>
        <translation>GNU GPL, versión 3 o posterior</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thanks to all who played, tested and lost to the A.I.</source>
        <translation>Gracias a todos los que jugaron, probaron y perdieron contra la IA.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../src/shell/AccessibleBoard.cpp" line="+87"/>
        <source>open</source>
        <translation>abrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chord</source>
        <translation>abrir alrededor</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>flag</source>
        <translation>marcar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>opens the cell</source>
        <translation>abre la casilla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>opens the neighbours of a number whose flags match it</source>
        <translation>abre las casillas vecinas de un número cuyas banderas coinciden con él</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puts a flag on the cell or takes it away</source>
        <translation>pone o quita una bandera en la casilla</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>board</source>
        <translation>tablero</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleStatus.cpp" line="+126"/>
        <source>status</source>
        <translation>estado</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleTexts.cpp" line="+22"/>
        <location line="+18"/>
        <source>closed</source>
        <translation>cerrada</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+3"/>
        <source>mine found by %1</source>
        <translation>mina encontrada por %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>flagged</source>
        <translation>con bandera</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>flag on no mine</source>
        <translation>bandera sin mina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exploded mine</source>
        <translation>mina explotada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1 cell opened</source>
        <translation>1 casilla abierta</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cells opened</source>
        <translation>
            <numerusform>%n casilla abierta</numerusform>
            <numerusform>%n casillas abiertas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wins the game</source>
        <translation>%1 gana la partida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game won in 1 second</source>
        <translation>partida ganada en 1 segundo</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>game won in %n seconds</source>
        <translation>
            <numerusform>partida ganada en %n segundo</numerusform>
            <numerusform>partida ganada en %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>game lost</source>
        <translation>partida perdida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mine found, %1 moves again</source>
        <translation>mina encontrada, %1 vuelve a jugar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>turn passes to %1</source>
        <translation>el turno pasa a %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no cell chosen, an arrow key shows one</source>
        <translation>ninguna casilla elegida, una tecla de flecha muestra una</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>row %1, column %2, %3</source>
        <translation>fila %1, columna %2, %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>%1 found %2</source>
        <translation>%1 ha encontrado %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>mines left %1</source>
        <translation>minas restantes %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>time %1</source>
        <translation>tiempo %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>new game, game won</source>
        <translation>nueva partida, partida ganada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new game, game lost</source>
        <translation>nueva partida, partida perdida</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <translation>nueva partida</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>open three random cells</source>
        <translation>abrir tres casillas al azar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bonus armed</source>
        <translation>bonificación preparada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus</source>
        <translation>bonificación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus not available</source>
        <translation>bonificación no disponible</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to move</source>
        <translation>le toca a %1</translation>
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
        <translation>&amp;Estándar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Strong</source>
        <translation>&amp;Fuerte</translation>
    </message>
</context>
<context>
    <name>CustomSizeDialog</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+114"/>
        <source>Custom Field Size</source>
        <translation>Tamaño de tablero personalizado</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mines:</source>
        <translation>Minas:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+7"/>
        <source>Mine-field puzzle</source>
        <translation>Rompecabezas de campo de minas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open every safe cell without touching a mine, alone or against a friend or the computer</source>
        <translation>Abre todas las casillas seguras sin tocar ninguna mina, solo o contra un amigo o el ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mines;puzzle;board;logic;</source>
        <translation>minas;rompecabezas;tablero;lógica;</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-74"/>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
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
        <translation>&amp;Experto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Custom...</source>
        <translation>Pe&amp;rsonalizado...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hi Scores...</source>
        <translation>&amp;Mejores puntuaciones...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Statistics...</source>
        <translation>Es&amp;tadísticas...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Replay…</source>
        <translation>&amp;Abrir repetición…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play Boar&amp;d Code…</source>
        <translation>&amp;Jugar código de tablero…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cop&amp;y Board Code</source>
        <translation>&amp;Copiar código de tablero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Net&amp;work Game…</source>
        <translation>Partida en re&amp;d…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>Pa&amp;usa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hin&amp;t</source>
        <translation>Pi&amp;sta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
</context>
<context>
    <name>GameModeMenu</name>
    <message>
        <location line="+9"/>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Vs Human</source>
        <translation>Contra &amp;humano</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>V&amp;s Computer</source>
        <translation>Contra el &amp;ordenador</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location line="+70"/>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About...</source>
        <translation>A&amp;cerca de...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/dialogs/HelpWindow.cpp" line="+59"/>
        <source>Orvane Help</source>
        <translation>Ayuda de Orvane</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+142"/>
        <source>Hi Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Single Player</source>
        <translation>&amp;Un jugador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multi Player</source>
        <translation>&amp;Varios jugadores</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Restablecer puntuaciones</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Total Games Played</source>
        <translation>Total de partidas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Games Won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Games Lost</source>
        <translation>Partidas perdidas</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicks</source>
        <translation>Clics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-128"/>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+50"/>
        <source>In 2Player Game The No. Of Mines Should Be Odd,
<byte value="xd"/>The No. Of Mines Will Be Decreased By 1.</source>
        <translation>En una partida de dos jugadores el número de minas debe ser impar.
<byte value="xd"/>El número de minas se reducirá en 1.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+94"/>
        <source>Are You Sure You Want To Reset Scores?</source>
        <translation>¿Seguro que quieres restablecer las puntuaciones?</translation>
    </message>
    <message>
        <location filename="../src/game/BoardCode.cpp" line="+126"/>
        <source>a character</source>
        <translation>un carácter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code cannot hold %1: it is written with the digits 2 to 9 and the letters A to Z but I and O.</source>
        <translation>El código de tablero no puede contener %1: se escribe con las cifras del 2 al 9 y las letras de la A a la Z, salvo la I y la O.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a %1 x %2 board with %3 mine</source>
        <translation>un tablero de %1 x %2 con %3 mina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a %1 x %2 board with %3 mines</source>
        <translation>un tablero de %1 x %2 con %3 minas</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The board code is too long.</source>
        <translation>El código de tablero es demasiado largo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The board code is empty.</source>
        <translation>El código de tablero está vacío.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code is too short.</source>
        <translation>El código de tablero es demasiado corto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code does not check out: a character in it was mistyped, left out or swapped with its neighbour.</source>
        <translation>El código de tablero no es correcto: uno de sus caracteres se escribió mal, se omitió o se intercambió con el de al lado.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The board code is of a form this version of Orvane does not know.</source>
        <translation>El código de tablero tiene un formato que esta versión de Orvane no conoce.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board code gives a width of %1 cells; a board is 1 to 35 cells wide.</source>
        <translation>El código de tablero indica un ancho de %1 casillas; un tablero tiene de 1 a 35 casillas de ancho.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board code gives a height of %1 cells; a board is 1 to 25 cells high.</source>
        <translation>El código de tablero indica un alto de %1 casillas; un tablero tiene de 1 a 25 casillas de alto.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code gives %1 mines, which do not fit on a %2 x %3 board with a safe cell to begin on.</source>
        <translation>El código de tablero indica %1 minas, que no caben en un tablero de %2 x %3 dejando una casilla segura para empezar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s first cell lies outside the board.</source>
        <translation>La primera casilla del código de tablero está fuera del tablero.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code is too short for %1.</source>
        <translation>El código de tablero es demasiado corto para %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code is too long for %1.</source>
        <translation>El código de tablero es demasiado largo para %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s mine layout does not fit %1.</source>
        <translation>La disposición de minas del código de tablero no corresponde a %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board code&apos;s first cell holds a mine.</source>
        <translation>La primera casilla del código de tablero tiene una mina.</translation>
    </message>
    <message>
        <location filename="../src/input/StatusInput.cpp" line="+57"/>
        <source>Enter Player-%1 Name (Max 6 Chars):</source>
        <translation>Nombre del jugador %1 (máx. 6 caracteres):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1
<byte value="xd"/>Are you sure? you want to give-up the game? You will lose!</source>
        <translation>%1
<byte value="xd"/>¿Seguro que quieres abandonar la partida? ¡Perderás!</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Are you sure to reset scores?</source>
        <translation>¿Seguro que quieres restablecer las puntuaciones?</translation>
    </message>
    <message>
        <location filename="../src/netplay/GameHost.cpp" line="+126"/>
        <source>A player must say hello first.</source>
        <translation>Un jugador debe saludar primero.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The player sent a message only a host may send.</source>
        <translation>El jugador envió un mensaje que solo puede enviar el anfitrión.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The seat was taken up again by another connection.</source>
        <translation>Otra conexión ha vuelto a ocupar el puesto.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game you were playing has ended.</source>
        <translation>La partida que estabas jugando ha terminado.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wait for the other player.</source>
        <translation>Espera al otro jugador.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game is over.</source>
        <translation>La partida ha terminado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not your turn.</source>
        <translation>No es tu turno.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no such cell.</source>
        <translation>Esa casilla no existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That cell is open already.</source>
        <translation>Esa casilla ya está abierta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The bonus is not yours to use now.</source>
        <translation>Ahora no puedes usar la bonificación.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is no game of yours to give up.</source>
        <translation>No tienes ninguna partida que abandonar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game is still being played.</source>
        <translation>La partida todavía está en curso.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That move is not one of this game&apos;s.</source>
        <translation>Esa jugada no pertenece a esta partida.</translation>
    </message>
    <message>
        <location line="+203"/>
        <source>Nothing was heard from you for too long.</source>
        <translation>No se ha recibido nada de ti durante demasiado tiempo.</translation>
    </message>
    <message>
        <location filename="../src/netplay/NetworkPlayer.cpp" line="+73"/>
        <source>The host refused: %1</source>
        <translation>El anfitrión ha rechazado la conexión: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The host ended the network game.</source>
        <translation>El anfitrión terminó la partida en red.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The host sent a message out of turn.</source>
        <translation>El anfitrión envió un mensaje fuera de turno.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Nothing was heard from the host for 10 seconds: the network game has ended.</source>
        <translation>No se ha recibido nada del anfitrión en 10 segundos: la partida en red ha terminado.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You left the network game.</source>
        <translation>Has abandonado la partida en red.</translation>
    </message>
    <message>
        <location filename="../src/netplay/Protocol.cpp" line="+452"/>
        <source>The other side sent a message too large to be one of this game&apos;s.</source>
        <translation>El otro extremo envió un mensaje demasiado grande para ser de este juego.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The other side sent a message this game cannot read.</source>
        <translation>El otro extremo envió un mensaje que este juego no puede leer.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+79"/>
        <source>The host has stopped hosting: the network game has ended.</source>
        <translation>El anfitrión ha dejado de alojar la partida: la partida en red ha terminado.</translation>
    </message>
    <message>
        <location filename="../src/platform/DamagedCopies.cpp" line="+21"/>
        <source>there are too many earlier copies</source>
        <translation>hay demasiadas copias anteriores</translation>
    </message>
    <message>
        <location filename="../src/platform/FileReplacement.cpp" line="+127"/>
        <source>another program holds its folder locked</source>
        <translation>otro programa tiene bloqueada su carpeta</translation>
    </message>
    <message>
        <location filename="../src/platform/RecordFile.h" line="+55"/>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../src/scores/History.cpp" line="+362"/>
        <source>The game history %1 could not be read. It has been kept as %2, and a new history has been started.</source>
        <translation>No se pudo leer el historial de partidas %1. Se ha conservado como %2 y se ha empezado un historial nuevo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file %1 is not a game history of Orvane. It has been kept, unchanged, as %2, and a new history has been started.</source>
        <translation>El archivo %1 no es un historial de partidas de Orvane. Se ha conservado sin cambios como %2 y se ha empezado un historial nuevo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be read, and it could not be set aside (%2). The game goes on, but the games played are not kept.</source>
        <translation>No se pudo leer el historial de partidas %1 ni apartarlo (%2). El juego continúa, pero las partidas jugadas no se guardan.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 cannot be used (%2). It is left as it is; the game goes on, but the games played are not kept.</source>
        <translation>No se puede usar el historial de partidas %1 (%2). Se deja como está; el juego continúa, pero las partidas jugadas no se guardan.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 was written by a newer version of Orvane. It is shown as it is, but the games played now are not kept in it.</source>
        <translation>El historial de partidas %1 lo escribió una versión más reciente de Orvane. Se muestra tal cual, pero las partidas que se jueguen ahora no se guardan en él.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game history %1 can be read but not written (%2). It is shown, but the games played from now on are not kept.</source>
        <translation>El historial de partidas %1 se puede leer pero no escribir (%2). Se muestra, pero las partidas que se jueguen a partir de ahora no se guardan.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be brought up to date (%2). It is shown as it is, but the games played now are not kept in it.</source>
        <translation>No se pudo actualizar el historial de partidas %1 (%2). Se muestra tal cual, pero las partidas que se jueguen ahora no se guardan en él.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history could not be saved in %1 (%2). The game goes on, but the games played are not kept.</source>
        <translation>No se pudo guardar el historial de partidas en %1 (%2). El juego continúa, pero las partidas jugadas no se guardan.</translation>
    </message>
    <message>
        <location filename="../src/scores/HistoryReading.cpp" line="+147"/>
        <source>There is no replay of this game in the history.</source>
        <translation>El historial no tiene ninguna repetición de esta partida.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>This game&apos;s replay cannot be shown: it is damaged (%1).</source>
        <translation>No se puede mostrar la repetición de esta partida: está dañada (%1).</translation>
    </message>
    <message>
        <location filename="../src/scores/Recording.cpp" line="+101"/>
        <source>Well done! This board was dealt so that it never needed a guess, so its time does not go into the high-score tables: they compare games on boards dealt at random, where a guess may be needed. Turn off Options &gt; No Guessing to play for them.</source>
        <translation>¡Bien hecho! Este tablero se repartió de forma que nunca hiciera falta adivinar, así que su tiempo no entra en las tablas de mejores puntuaciones: estas comparan partidas en tableros repartidos al azar, donde puede hacer falta adivinar. Desactiva Opciones &gt; Sin adivinar para competir por ellas.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Well done! The mine chances were shown during this game, so its time does not go into the high-score tables. Turn off Options &gt; Show Chances to play for them.</source>
        <translation>¡Bien hecho! Durante esta partida se mostraron las probabilidades de mina, así que su tiempo no entra en las tablas de mejores puntuaciones. Desactiva Opciones &gt; Mostrar probabilidades para competir por ellas.</translation>
    </message>
    <message>
        <location filename="../src/scores/ScoreFile.cpp" line="+204"/>
        <source>The scores could not be read from %1 (%2). The game goes on, and the scores that could not be read start afresh.</source>
        <translation>No se pudieron leer las puntuaciones de %1 (%2). El juego continúa, y las puntuaciones que no se pudieron leer empiezan de cero.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The scores could not be saved to %1 (%2). The game goes on, but new scores and game counts may be lost when it closes.</source>
        <translation>No se pudieron guardar las puntuaciones en %1 (%2). El juego continúa, pero las puntuaciones nuevas y los recuentos de partidas pueden perderse al cerrarlo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 was damaged. It has been repaired, keeping every score that could be read; the damaged file is kept as &quot;%2&quot;.</source>
        <translation>El archivo de puntuaciones %1 estaba dañado. Se ha reparado conservando todas las puntuaciones que se pudieron leer; el archivo dañado se guarda como &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 is damaged, and a copy of it could not be kept beside it (%2). It is left as it is; the game goes on, but new scores and game counts are not saved.</source>
        <translation>El archivo de puntuaciones %1 está dañado y no se pudo guardar una copia junto a él (%2). Se deja como está; el juego continúa, pero las puntuaciones nuevas y los recuentos de partidas no se guardan.</translation>
    </message>
    <message>
        <location filename="../src/session/GameSession.cpp" line="+53"/>
        <source>There is no home folder to keep your files in: HOME is not set, and the user database names none. You can play, but no settings, options, scores or games played are kept this time.</source>
        <translation>No hay ninguna carpeta personal donde guardar tus archivos: HOME no está definida y la base de datos de usuarios no indica ninguna. Puedes jugar, pero esta vez no se guardarán ajustes, opciones, puntuaciones ni partidas jugadas.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Your CPU doesn&apos;t support High Resolutiom Timer! Exiting now.</source>
        <translation>¡Tu procesador no admite un temporizador de alta resolución! El juego se cerrará ahora.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>No board that can be cleared without guessing was found for this many mines on this board. This game is dealt as usual, and a guess may be needed.</source>
        <translation>No se encontró ningún tablero que se pueda resolver sin adivinar con tantas minas en este tablero. Esta partida se reparte como de costumbre y puede que haga falta adivinar.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 pixels</source>
        <translation>%1 píxeles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This board does not fit on the screen with the block size %1, so it is shown at %2. The block size %1 comes back with the next board that fits.</source>
        <translation>Este tablero no cabe en la pantalla con el tamaño de casilla %1, así que se muestra a %2. El tamaño de casilla %1 volverá con el próximo tablero que quepa.</translation>
    </message>
    <message>
        <location filename="../src/session/Keyboard.cpp" line="+29"/>
        <source>Do you want to quit?</source>
        <translation>¿Quieres salir?</translation>
    </message>
    <message>
        <location filename="../src/session/Preferences.cpp" line="+85"/>
        <source>it is larger than 64 KiB</source>
        <translation>ocupa más de 64 KiB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds binary data</source>
        <translation>contiene datos binarios</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has lines too long</source>
        <translation>tiene líneas demasiado largas</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Your options could not be read from %1 (%2). It is left as it is; the options in effect are kept until the game is closed.</source>
        <translation>No se pudieron leer tus opciones de %1 (%2). El archivo se deja como está; las opciones actuales se mantienen hasta que se cierre el juego.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your options file %1 is damaged (%2), and it could not be kept aside (%3). It is left as it is; the options that could be read are used, but changes are not saved.</source>
        <translation>Tu archivo de opciones %1 está dañado (%2) y no se pudo apartar (%3). Se deja como está; se usan las opciones que se pudieron leer, pero los cambios no se guardan.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your options file %1 was damaged (%2). It has been kept as &quot;%3&quot;, and the options that could be read are used.</source>
        <translation>Tu archivo de opciones %1 estaba dañado (%2). Se ha conservado como &quot;%3&quot; y se usan las opciones que se pudieron leer.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Your options could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>No se pudieron guardar tus opciones en &quot;%1&quot; (%2). Siguen en vigor hasta que se cierre el juego.</translation>
    </message>
    <message>
        <location filename="../src/session/Settings.cpp" line="+88"/>
        <source>Your settings could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>No se pudieron guardar tus ajustes en &quot;%1&quot; (%2). Siguen en vigor hasta que se cierre el juego.</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+102"/>
        <source>OpenGL initialization failed!</source>
        <translation>¡Error al inicializar OpenGL!</translation>
    </message>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+177"/>
        <source>Leave the network game?</source>
        <translation>¿Abandonar la partida en red?</translation>
    </message>
    <message>
        <location filename="../src/shell/QtPlatform.cpp" line="+167"/>
        <source>The help could not be shown: there is no viewer for &quot;%1&quot; and the help pages are missing from &quot;%2&quot;.</source>
        <translation>No se pudo mostrar la ayuda: no hay ningún visor para &quot;%1&quot; y faltan las páginas de ayuda en &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="+136"/>
        <source>The replay %1 cannot be shown: %2.</source>
        <translation>No se puede mostrar la repetición %1: %2.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This board has no code yet: its mines are laid when its first cell is opened.</source>
        <translation>Este tablero aún no tiene código: sus minas se colocan al abrir la primera casilla.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Port %1 is in use: the game is hosted on port %2.</source>
        <translation>El puerto %1 está en uso: la partida se aloja en el puerto %2.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+1"/>
        <source>Find the hidden mines by logic, alone or against a rival</source>
        <translation>Encuentra las minas ocultas con lógica, solo o contra un rival</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane is a mine-field puzzle on a grid of hidden cells. Open a cell and it tells how many of its eight neighbours hold a mine; put the numbers together to work out where the mines are.</source>
        <translation>Orvane es un rompecabezas de campo de minas en una cuadrícula de casillas ocultas. Abre una casilla y te dirá cuántas de sus ocho vecinas tienen una mina; combina los números para deducir dónde están las minas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three ways to play:</source>
        <translation>Tres formas de jugar:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic: open every safe cell against the clock, with a high-score table per level</source>
        <translation>Clásico: abre todas las casillas seguras contra el reloj, con una tabla de mejores puntuaciones por nivel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human: two players take turns on one board, and finding mines scores</source>
        <translation>Contra humano: dos jugadores se turnan en un mismo tablero, y encontrar minas da puntos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer: the same two-player game against a computer opponent</source>
        <translation>Contra el ordenador: el mismo juego para dos jugadores, contra un rival que maneja el ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board is drawn with OpenGL in seven colour themes and five cell sizes, with animated flags and sounds.</source>
        <translation>El tablero se dibuja con OpenGL en siete temas de color y cinco tamaños de casilla, con banderas animadas y sonidos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A Classic game at the Intermediate level</source>
        <translation>Una partida en modo Clásico en el nivel Intermedio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taking turns against the computer, whose finds are the blue flags</source>
        <translation>Jugando por turnos contra el ordenador, cuyos hallazgos son las banderas azules</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/dialogs/NameDialog.cpp" line="+16"/>
        <source>Enter New Hi-Score Name:</source>
        <translation>Escribe tu nombre para la nueva mejor puntuación:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <location filename="../src/network/GameFinder.cpp" line="+84"/>
        <source>Games on the local network cannot be listed (%1).</source>
        <translation>No se pueden listar las partidas de la red local (%1).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Games on the local network cannot be listed: no network connection here carries multicast.</source>
        <translation>No se pueden listar las partidas de la red local: ninguna conexión de red de este equipo admite multidifusión.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+23"/>
        <source>No port from %1 to %2 could be used for hosting: %3</source>
        <translation>No se pudo usar ningún puerto del %1 al %2 para alojar la partida: %3</translation>
    </message>
    <message>
        <location filename="../src/network/PlayerConnection.cpp" line="+21"/>
        <source>The host at %1, port %2, did not answer within 10 seconds.</source>
        <translation>El anfitrión en %1, puerto %2, no respondió en 10 segundos.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>No se encontró ningún equipo llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nobody hosts a game at %1, port %2.</source>
        <translation>Nadie aloja una partida en %1, puerto %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The host closed the connection.</source>
        <translation>El anfitrión cerró la conexión.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The connection to the host failed: %1.</source>
        <translation>Falló la conexión con el anfitrión: %1.</translation>
    </message>
</context>
<context>
    <name>NetworkGameDialog</name>
    <message>
        <location filename="../src/dialogs/NetworkGameDialog.cpp" line="+60"/>
        <source>Off</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 s a turn</source>
        <translation>30 s por turno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>120 s bank each</source>
        <translation>Reserva de 120 s por jugador</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Host a game here</source>
        <translation>Crear una partida aquí</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Join a game</source>
        <translation>Unirse a una partida</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Network Game</source>
        <translation>Partida en red</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Network name</source>
        <translation>Nombre en la red</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+8"/>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Turn limit</source>
        <translation>Límite de turno</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game name</source>
        <translation>Nombre de la partida</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Host</source>
        <translation>Crear partida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+58"/>
        <source>Orvane - network game &quot;%1&quot; - you are %2 (Player %3)</source>
        <translation>Orvane - partida en red &quot;%1&quot; - eres %2 (jugador %3)</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-78"/>
        <source>Game &amp;Mode</source>
        <translation>&amp;Modo de juego</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>S&amp;ounds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;No Guessing</source>
        <translation>Si&amp;n adivinar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Computer Strength</source>
        <translation>&amp;Fuerza del ordenador</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Themes</source>
        <translation>T&amp;emas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Colour-Sa&amp;fe Numbers</source>
        <translation>Números aptos para &amp;daltónicos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keep Replays</source>
        <translation>&amp;Conservar repeticiones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show C&amp;hances</source>
        <translation>Mostrar &amp;probabilidades</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Block &amp;Size</source>
        <translation>&amp;Tamaño de casilla</translation>
    </message>
</context>
<context>
    <name>ReplayWindow</name>
    <message>
        <location filename="../src/shell/ReplayWindow.cpp" line="+53"/>
        <source>Time %1   3BV %2 of %3   Clicks %4   3BV/s %5   IOE %6</source>
        <translation>Tiempo %1   3BV %2 de %3   Clics %4   3BV/s %5   IOE %6</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+33"/>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+157"/>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Play Board Again</source>
        <translation>Volver a jugar el tablero</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>◀ Step</source>
        <translation>◀ Paso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step ▶</source>
        <translation>Paso ▶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Replay…</source>
        <translation>Guardar repetición…</translation>
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
        <translation>Guardar repetición</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Replays (*%1)</source>
        <translation>Repeticiones (*%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The replay was not saved: %1</source>
        <translation>No se guardó la repetición: %1</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="-70"/>
        <source>Open Replay</source>
        <translation>Abrir repetición</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane replays (*%1);;All files (*)</source>
        <translation>Repeticiones de Orvane (*%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play Board Code</source>
        <translation>Jugar código de tablero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board code:</source>
        <translation>Código de tablero:</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <location filename="../src/dialogs/StatisticsWindow.cpp" line="+46"/>
        <source>Won</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lost</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Given up</source>
        <translation>Abandonada</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>A high score&apos;s replay is always kept</source>
        <translation>La repetición de una mejor puntuación se conserva siempre</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Ver repetición</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play Board Again</source>
        <translation>Volver a &amp;jugar el tablero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human</source>
        <translation>Contra humano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer</source>
        <translation>Contra el ordenador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation>En red</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mode:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Level:</source>
        <translation>&amp;Nivel:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Games played:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games won:</source>
        <translation>Partidas ganadas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Won share:</source>
        <translation>Porcentaje de victorias:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best time:</source>
        <translation>Mejor tiempo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average time:</source>
        <translation>Tiempo medio:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best 3BV/s:</source>
        <translation>Mejor 3BV/s:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak:</source>
        <translation>Racha de victorias actual:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longest winning streak:</source>
        <translation>Racha de victorias más larga:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No won games yet</source>
        <translation>Aún no hay partidas ganadas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opponent</source>
        <translation>Rival</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+105"/>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Clicks</source>
        <translation>Clics</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effective clicks</source>
        <translation>Clics efectivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correctness</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throughput</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Openings</source>
        <translation>Aperturas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islands</source>
        <translation>Islas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No guess</source>
        <translation>Sin adivinar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Given</source>
        <translation>Prefijado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chances</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Marked when the board was dealt so that it needed no guess</source>
        <translation>Marcado cuando el tablero se repartió de forma que no hiciera falta adivinar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the board was played again or read from a code</source>
        <translation>Marcado cuando el tablero se volvió a jugar o se leyó de un código</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the mine chances were shown during the game</source>
        <translation>Marcado cuando se mostraron las probabilidades de mina durante la partida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keeps the game&apos;s replay for ever</source>
        <translation>Conserva para siempre la repetición de la partida</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Times of the last won games</source>
        <translation>Tiempos de las últimas partidas ganadas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>game</source>
        <translation>partida</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 x %2, %3 mines</source>
        <translation>%1 x %2, %3 minas</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>This game has no replay: it was played before replays were kept.</source>
        <translation>Esta partida no tiene repetición: se jugó antes de que se conservaran las repeticiones.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This game has no replay: it was played over the network, and only the host knew where the mines were.</source>
        <translation>Esta partida no tiene repetición: se jugó en red y solo el anfitrión sabía dónde estaban las minas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game&apos;s replay was not kept.</source>
        <translation>La repetición de esta partida no se conservó.</translation>
    </message>
</context>
<context>
    <name>ThemesMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-28"/>
        <source>&amp;Windows Default</source>
        <translation>&amp;Predeterminado</translation>
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
