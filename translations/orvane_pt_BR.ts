<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/dialogs/AboutDialog.cpp" line="+56"/>
        <source>Orvane Help</source>
        <translation>Ajuda do Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About Orvane</source>
        <translation>Sobre o Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Made by the Orvane developers</source>
        <translation>Feito pelos desenvolvedores do Orvane</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software: %1</source>
        <translation>Software livre: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNU GPL, version 3 or later</source>
        <translation>GNU GPL, versão 3 ou posterior</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thanks to all who played, tested and lost to the A.I.</source>
        <translation>Obrigado a todos que jogaram, testaram e perderam para a I.A.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>abrir vizinhas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>flag</source>
        <translation>marcar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>opens the cell</source>
        <translation>abre a casa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>opens the neighbours of a number whose flags match it</source>
        <translation>abre as casas vizinhas de um número quando as bandeiras ao redor dele correspondem a ele</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puts a flag on the cell or takes it away</source>
        <translation>põe uma bandeira na casa ou a retira</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>board</source>
        <translation>tabuleiro</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleStatus.cpp" line="+126"/>
        <source>status</source>
        <translation>situação</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleTexts.cpp" line="+22"/>
        <location line="+18"/>
        <source>closed</source>
        <translation>fechada</translation>
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
        <translation>com bandeira</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>flag on no mine</source>
        <translation>bandeira sem mina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exploded mine</source>
        <translation>mina explodida</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1 cell opened</source>
        <translation>1 casa aberta</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cells opened</source>
        <translation>
            <numerusform>%n casa aberta</numerusform>
            <numerusform>%n casas abertas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wins the game</source>
        <translation>%1 vence a partida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game won in 1 second</source>
        <translation>partida ganha em 1 segundo</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>game won in %n seconds</source>
        <translation>
            <numerusform>partida ganha em %n segundo</numerusform>
            <numerusform>partida ganha em %n segundos</numerusform>
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
        <translation>mina encontrada, %1 joga de novo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>turn passes to %1</source>
        <translation>a vez passa para %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no cell chosen, an arrow key shows one</source>
        <translation>nenhuma casa escolhida, uma tecla de seta mostra uma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>row %1, column %2, %3</source>
        <translation>linha %1, coluna %2, %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>%1 found %2</source>
        <translation>%1 encontrou %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>mines left %1</source>
        <translation>minas restantes %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>time %1</source>
        <translation>tempo %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>new game, game won</source>
        <translation>nova partida, partida ganha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new game, game lost</source>
        <translation>nova partida, partida perdida</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <translation>nova partida</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>open three random cells</source>
        <translation>abrir três casas ao acaso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bonus armed</source>
        <translation>bônus armado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus</source>
        <translation>bônus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus not available</source>
        <translation>bônus indisponível</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to move</source>
        <translation>vez de %1</translation>
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
        <translation>&amp;Padrão</translation>
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
        <translation>Tamanho personalizado do campo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mines:</source>
        <translation>Minas:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ok</source>
        <translation>OK</translation>
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
        <translation>Quebra-cabeça de minas escondidas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open every safe cell without touching a mine, alone or against a friend or the computer</source>
        <translation>Abra todas as casas seguras sem tocar em nenhuma mina, sozinho ou contra um amigo ou o computador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mines;puzzle;board;logic;</source>
        <translation>minas;quebra-cabeça;tabuleiro;lógica;</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-74"/>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Beginner</source>
        <translation>&amp;Iniciante</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate</source>
        <translation>Inter&amp;mediário</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Expert</source>
        <translation>&amp;Especialista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Custom...</source>
        <translation>&amp;Personalizado...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hi Scores...</source>
        <translation>&amp;Recordes...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Statistics...</source>
        <translation>Es&amp;tatísticas...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Replay…</source>
        <translation>A&amp;brir repetição…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play Boar&amp;d Code…</source>
        <translation>Jogar pelo &amp;código do tabuleiro…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cop&amp;y Board Code</source>
        <translation>C&amp;opiar código do tabuleiro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Net&amp;work Game…</source>
        <translation>Jo&amp;go em rede…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>P&amp;ausa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hin&amp;t</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>GameModeMenu</name>
    <message>
        <location line="+9"/>
        <source>&amp;Classic</source>
        <translation>&amp;Clássico</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Vs Human</source>
        <translation>Contra &amp;humano</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>V&amp;s Computer</source>
        <translation>Contra c&amp;omputador</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location line="+70"/>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/dialogs/HelpWindow.cpp" line="+59"/>
        <source>Orvane Help</source>
        <translation>Ajuda do Orvane</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+142"/>
        <source>Hi Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Single Player</source>
        <translation>&amp;Um jogador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multi Player</source>
        <translation>&amp;Vários jogadores</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;Reset Scores</source>
        <translation>&amp;Zerar recordes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Total Games Played</source>
        <translation>Total de partidas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Games Won</source>
        <translation>Partidas ganhas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Games Lost</source>
        <translation>Partidas perdidas</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No.</source>
        <translation>Nº</translation>
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
        <translation>Vitórias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicks</source>
        <translation>Cliques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Derrotas</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-128"/>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+50"/>
        <source>In 2Player Game The No. Of Mines Should Be Odd,
<byte value="xd"/>The No. Of Mines Will Be Decreased By 1.</source>
        <translation>Numa partida de 2 jogadores o número de minas deve ser ímpar,
<byte value="xd"/>por isso o número de minas será reduzido em 1.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+94"/>
        <source>Are You Sure You Want To Reset Scores?</source>
        <translation>Tem certeza de que deseja zerar os recordes?</translation>
    </message>
    <message>
        <location filename="../src/game/BoardCode.cpp" line="+126"/>
        <source>a character</source>
        <translation>um caractere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code cannot hold %1: it is written with the digits 2 to 9 and the letters A to Z but I and O.</source>
        <translation>O código do tabuleiro não pode conter %1: ele é escrito com os algarismos de 2 a 9 e as letras de A a Z, exceto I e O.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a %1 x %2 board with %3 mine</source>
        <translation>um tabuleiro de %1 x %2 com %3 mina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a %1 x %2 board with %3 mines</source>
        <translation>um tabuleiro de %1 x %2 com %3 minas</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The board code is too long.</source>
        <translation>O código do tabuleiro é longo demais.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The board code is empty.</source>
        <translation>O código do tabuleiro está vazio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code is too short.</source>
        <translation>O código do tabuleiro é curto demais.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code does not check out: a character in it was mistyped, left out or swapped with its neighbour.</source>
        <translation>O código do tabuleiro não confere: um caractere foi digitado errado, omitido ou trocado com o vizinho.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The board code is of a form this version of Orvane does not know.</source>
        <translation>O código do tabuleiro tem um formato que esta versão do Orvane não conhece.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board code gives a width of %1 cells; a board is 1 to 35 cells wide.</source>
        <translation>O código do tabuleiro indica uma largura de %1 casas; um tabuleiro tem de 1 a 35 casas de largura.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board code gives a height of %1 cells; a board is 1 to 25 cells high.</source>
        <translation>O código do tabuleiro indica uma altura de %1 casas; um tabuleiro tem de 1 a 25 casas de altura.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code gives %1 mines, which do not fit on a %2 x %3 board with a safe cell to begin on.</source>
        <translation>O código do tabuleiro indica %1 minas, que não cabem num tabuleiro de %2 x %3 com uma casa segura para começar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s first cell lies outside the board.</source>
        <translation>A primeira casa indicada pelo código do tabuleiro fica fora do tabuleiro.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code is too short for %1.</source>
        <translation>O código do tabuleiro é curto demais para %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code is too long for %1.</source>
        <translation>O código do tabuleiro é longo demais para %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s mine layout does not fit %1.</source>
        <translation>A disposição das minas do código do tabuleiro não corresponde a %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board code&apos;s first cell holds a mine.</source>
        <translation>A primeira casa indicada pelo código do tabuleiro contém uma mina.</translation>
    </message>
    <message>
        <location filename="../src/input/StatusInput.cpp" line="+57"/>
        <source>Enter Player-%1 Name (Max 6 Chars):</source>
        <translation>Digite o nome do jogador %1 (máx. 6 caracteres):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1
<byte value="xd"/>Are you sure? you want to give-up the game? You will lose!</source>
        <translation>%1
<byte value="xd"/>Tem certeza de que quer desistir da partida? Você vai perder!</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Are you sure to reset scores?</source>
        <translation>Tem certeza de que quer zerar o placar?</translation>
    </message>
    <message>
        <location filename="../src/netplay/GameHost.cpp" line="+126"/>
        <source>A player must say hello first.</source>
        <translation>Um jogador precisa se apresentar primeiro.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The player sent a message only a host may send.</source>
        <translation>O jogador enviou uma mensagem que só o anfitrião pode enviar.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The seat was taken up again by another connection.</source>
        <translation>O lugar foi ocupado de novo por outra conexão.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game you were playing has ended.</source>
        <translation>A partida que você estava jogando terminou.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wait for the other player.</source>
        <translation>Aguarde o outro jogador.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game is over.</source>
        <translation>A partida acabou.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not your turn.</source>
        <translation>Não é a sua vez.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no such cell.</source>
        <translation>Essa casa não existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That cell is open already.</source>
        <translation>Essa casa já está aberta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The bonus is not yours to use now.</source>
        <translation>Você não pode usar o bônus agora.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is no game of yours to give up.</source>
        <translation>Você não tem nenhuma partida da qual desistir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game is still being played.</source>
        <translation>A partida ainda está em andamento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That move is not one of this game&apos;s.</source>
        <translation>Essa jogada não pertence a esta partida.</translation>
    </message>
    <message>
        <location line="+203"/>
        <source>Nothing was heard from you for too long.</source>
        <translation>Você ficou tempo demais sem dar sinal.</translation>
    </message>
    <message>
        <location filename="../src/netplay/NetworkPlayer.cpp" line="+73"/>
        <source>The host refused: %1</source>
        <translation>O anfitrião recusou: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The host ended the network game.</source>
        <translation>O anfitrião encerrou o jogo em rede.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The host sent a message out of turn.</source>
        <translation>O anfitrião enviou uma mensagem fora de hora.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Nothing was heard from the host for 10 seconds: the network game has ended.</source>
        <translation>O anfitrião ficou 10 segundos sem dar sinal: o jogo em rede terminou.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You left the network game.</source>
        <translation>Você saiu do jogo em rede.</translation>
    </message>
    <message>
        <location filename="../src/netplay/Protocol.cpp" line="+452"/>
        <source>The other side sent a message too large to be one of this game&apos;s.</source>
        <translation>O outro lado enviou uma mensagem grande demais para ser deste jogo.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The other side sent a message this game cannot read.</source>
        <translation>O outro lado enviou uma mensagem que este jogo não consegue ler.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+79"/>
        <source>The host has stopped hosting: the network game has ended.</source>
        <translation>O anfitrião deixou de hospedar: o jogo em rede terminou.</translation>
    </message>
    <message>
        <location filename="../src/platform/DamagedCopies.cpp" line="+21"/>
        <source>there are too many earlier copies</source>
        <translation>há cópias anteriores demais</translation>
    </message>
    <message>
        <location filename="../src/platform/FileReplacement.cpp" line="+127"/>
        <source>another program holds its folder locked</source>
        <translation>outro programa mantém a pasta dele bloqueada</translation>
    </message>
    <message>
        <location filename="../src/platform/RecordFile.h" line="+55"/>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <location filename="../src/scores/History.cpp" line="+362"/>
        <source>The game history %1 could not be read. It has been kept as %2, and a new history has been started.</source>
        <translation>Não foi possível ler o histórico de partidas %1. Ele foi guardado como %2, e um novo histórico foi iniciado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file %1 is not a game history of Orvane. It has been kept, unchanged, as %2, and a new history has been started.</source>
        <translation>O arquivo %1 não é um histórico de partidas do Orvane. Ele foi guardado, sem alterações, como %2, e um novo histórico foi iniciado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be read, and it could not be set aside (%2). The game goes on, but the games played are not kept.</source>
        <translation>Não foi possível ler o histórico de partidas %1 nem colocá-lo de lado (%2). O jogo continua, mas as partidas jogadas não são guardadas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 cannot be used (%2). It is left as it is; the game goes on, but the games played are not kept.</source>
        <translation>O histórico de partidas %1 não pode ser usado (%2). Ele fica como está; o jogo continua, mas as partidas jogadas não são guardadas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 was written by a newer version of Orvane. It is shown as it is, but the games played now are not kept in it.</source>
        <translation>O histórico de partidas %1 foi gravado por uma versão mais nova do Orvane. Ele é exibido como está, mas as partidas jogadas agora não são guardadas nele.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game history %1 can be read but not written (%2). It is shown, but the games played from now on are not kept.</source>
        <translation>O histórico de partidas %1 pode ser lido, mas não gravado (%2). Ele é exibido, mas as partidas jogadas daqui em diante não são guardadas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be brought up to date (%2). It is shown as it is, but the games played now are not kept in it.</source>
        <translation>Não foi possível atualizar o histórico de partidas %1 (%2). Ele é exibido como está, mas as partidas jogadas agora não são guardadas nele.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history could not be saved in %1 (%2). The game goes on, but the games played are not kept.</source>
        <translation>Não foi possível salvar o histórico de partidas em %1 (%2). O jogo continua, mas as partidas jogadas não são guardadas.</translation>
    </message>
    <message>
        <location filename="../src/scores/HistoryReading.cpp" line="+147"/>
        <source>There is no replay of this game in the history.</source>
        <translation>Não há repetição desta partida no histórico.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>This game&apos;s replay cannot be shown: it is damaged (%1).</source>
        <translation>A repetição desta partida não pode ser exibida: ela está danificada (%1).</translation>
    </message>
    <message>
        <location filename="../src/scores/Recording.cpp" line="+101"/>
        <source>Well done! This board was dealt so that it never needed a guess, so its time does not go into the high-score tables: they compare games on boards dealt at random, where a guess may be needed. Turn off Options &gt; No Guessing to play for them.</source>
        <translation>Muito bem! Este tabuleiro foi gerado de modo a nunca exigir adivinhação, por isso o tempo dele não entra nas tabelas de recordes: elas comparam partidas em tabuleiros gerados ao acaso, em que pode ser preciso adivinhar. Desative Opções &gt; Sem adivinhação para disputar os recordes.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Well done! The mine chances were shown during this game, so its time does not go into the high-score tables. Turn off Options &gt; Show Chances to play for them.</source>
        <translation>Muito bem! As probabilidades de mina foram mostradas durante esta partida, por isso o tempo dela não entra nas tabelas de recordes. Desative Opções &gt; Mostrar probabilidades para disputar os recordes.</translation>
    </message>
    <message>
        <location filename="../src/scores/ScoreFile.cpp" line="+204"/>
        <source>The scores could not be read from %1 (%2). The game goes on, and the scores that could not be read start afresh.</source>
        <translation>Não foi possível ler os recordes de %1 (%2). O jogo continua, e os recordes que não puderam ser lidos recomeçam do zero.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The scores could not be saved to %1 (%2). The game goes on, but new scores and game counts may be lost when it closes.</source>
        <translation>Não foi possível salvar os recordes em %1 (%2). O jogo continua, mas novos recordes e contagens de partidas podem se perder quando ele for fechado.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 was damaged. It has been repaired, keeping every score that could be read; the damaged file is kept as &quot;%2&quot;.</source>
        <translation>O arquivo de recordes %1 estava danificado. Ele foi reparado, mantendo todos os recordes que puderam ser lidos; o arquivo danificado foi guardado como &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 is damaged, and a copy of it could not be kept beside it (%2). It is left as it is; the game goes on, but new scores and game counts are not saved.</source>
        <translation>O arquivo de recordes %1 está danificado, e não foi possível guardar uma cópia dele ao lado (%2). Ele fica como está; o jogo continua, mas novos recordes e contagens de partidas não são salvos.</translation>
    </message>
    <message>
        <location filename="../src/session/GameSession.cpp" line="+53"/>
        <source>There is no home folder to keep your files in: HOME is not set, and the user database names none. You can play, but no settings, options, scores or games played are kept this time.</source>
        <translation>Não há pasta pessoal para guardar seus arquivos: HOME não está definida e o banco de dados de usuários não indica nenhuma. Você pode jogar, mas desta vez nenhuma configuração, opção, recorde ou partida jogada será guardada.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Your CPU doesn&apos;t support High Resolutiom Timer! Exiting now.</source>
        <translation>Seu processador não tem suporte a temporizador de alta resolução! Saindo agora.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>No board that can be cleared without guessing was found for this many mines on this board. This game is dealt as usual, and a guess may be needed.</source>
        <translation>Não foi encontrado nenhum tabuleiro deste tamanho com esta quantidade de minas que possa ser resolvido sem adivinhação. Esta partida é gerada como de costume, e pode ser preciso adivinhar.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 pixels</source>
        <translation>%1 pixels por casa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This board does not fit on the screen with the block size %1, so it is shown at %2. The block size %1 comes back with the next board that fits.</source>
        <translation>Este tabuleiro não cabe na tela com o tamanho de casa %1, por isso é exibido com %2. O tamanho de casa %1 volta no próximo tabuleiro que couber.</translation>
    </message>
    <message>
        <location filename="../src/session/Keyboard.cpp" line="+29"/>
        <source>Do you want to quit?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <location filename="../src/session/Preferences.cpp" line="+85"/>
        <source>it is larger than 64 KiB</source>
        <translation>é maior que 64 KiB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds binary data</source>
        <translation>contém dados binários</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has lines too long</source>
        <translation>tem linhas longas demais</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Your options could not be read from %1 (%2). It is left as it is; the options in effect are kept until the game is closed.</source>
        <translation>Não foi possível ler suas opções de %1 (%2). O arquivo fica como está; as opções em vigor são mantidas até o jogo ser fechado.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your options file %1 is damaged (%2), and it could not be kept aside (%3). It is left as it is; the options that could be read are used, but changes are not saved.</source>
        <translation>Seu arquivo de opções %1 está danificado (%2), e não foi possível colocá-lo de lado (%3). Ele fica como está; as opções que puderam ser lidas são usadas, mas as alterações não são salvas.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your options file %1 was damaged (%2). It has been kept as &quot;%3&quot;, and the options that could be read are used.</source>
        <translation>Seu arquivo de opções %1 estava danificado (%2). Ele foi guardado como &quot;%3&quot;, e as opções que puderam ser lidas são usadas.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Your options could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Não foi possível salvar suas opções em &quot;%1&quot; (%2). Elas continuam em vigor até o jogo ser fechado.</translation>
    </message>
    <message>
        <location filename="../src/session/Settings.cpp" line="+88"/>
        <source>Your settings could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Não foi possível salvar suas configurações em &quot;%1&quot; (%2). Elas continuam em vigor até o jogo ser fechado.</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+102"/>
        <source>OpenGL initialization failed!</source>
        <translation>Falha ao inicializar o OpenGL!</translation>
    </message>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+177"/>
        <source>Leave the network game?</source>
        <translation>Sair do jogo em rede?</translation>
    </message>
    <message>
        <location filename="../src/shell/QtPlatform.cpp" line="+167"/>
        <source>The help could not be shown: there is no viewer for &quot;%1&quot; and the help pages are missing from &quot;%2&quot;.</source>
        <translation>Não foi possível exibir a ajuda: não há visualizador para &quot;%1&quot; e as páginas de ajuda não estão em &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="+136"/>
        <source>The replay %1 cannot be shown: %2.</source>
        <translation>A repetição %1 não pode ser exibida: %2.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This board has no code yet: its mines are laid when its first cell is opened.</source>
        <translation>Este tabuleiro ainda não tem código: as minas são colocadas quando a primeira casa é aberta.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Port %1 is in use: the game is hosted on port %2.</source>
        <translation>A porta %1 está em uso: o jogo é hospedado na porta %2.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+1"/>
        <source>Find the hidden mines by logic, alone or against a rival</source>
        <translation>Encontre as minas escondidas usando a lógica, sozinho ou contra um rival</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane is a mine-field puzzle on a grid of hidden cells. Open a cell and it tells how many of its eight neighbours hold a mine; put the numbers together to work out where the mines are.</source>
        <translation>Orvane é um quebra-cabeça de minas numa grade de casas ocultas. Abra uma casa e ela mostra quantas das suas oito vizinhas contêm uma mina; combine os números para descobrir onde estão as minas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three ways to play:</source>
        <translation>Três modos de jogar:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic: open every safe cell against the clock, with a high-score table per level</source>
        <translation>Clássico: abra todas as casas seguras contra o relógio, com uma tabela de recordes por nível</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human: two players take turns on one board, and finding mines scores</source>
        <translation>Contra humano: dois jogadores se revezam no mesmo tabuleiro, e encontrar minas vale pontos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer: the same two-player game against a computer opponent</source>
        <translation>Contra computador: o mesmo jogo para dois jogadores, contra um adversário controlado pelo computador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board is drawn with OpenGL in seven colour themes and five cell sizes, with animated flags and sounds.</source>
        <translation>O tabuleiro é desenhado com OpenGL em sete temas de cores e cinco tamanhos de casa, com bandeiras animadas e sons.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A Classic game at the Intermediate level</source>
        <translation>Uma partida no modo Clássico, nível Intermediário</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taking turns against the computer, whose finds are the blue flags</source>
        <translation>Revezando com o computador, cujas minas encontradas são as bandeiras azuis</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/dialogs/NameDialog.cpp" line="+16"/>
        <source>Enter New Hi-Score Name:</source>
        <translation>Digite o nome para o novo recorde:</translation>
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
        <translation>Não é possível listar os jogos da rede local (%1).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Games on the local network cannot be listed: no network connection here carries multicast.</source>
        <translation>Não é possível listar os jogos da rede local: nenhuma conexão de rede deste computador transmite multicast.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+23"/>
        <source>No port from %1 to %2 could be used for hosting: %3</source>
        <translation>Nenhuma porta de %1 a %2 pôde ser usada para hospedar: %3</translation>
    </message>
    <message>
        <location filename="../src/network/PlayerConnection.cpp" line="+21"/>
        <source>The host at %1, port %2, did not answer within 10 seconds.</source>
        <translation>O anfitrião em %1, porta %2, não respondeu em 10 segundos.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>Nenhum computador chamado &quot;%1&quot; foi encontrado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nobody hosts a game at %1, port %2.</source>
        <translation>Ninguém hospeda um jogo em %1, porta %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The host closed the connection.</source>
        <translation>O anfitrião fechou a conexão.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The connection to the host failed: %1.</source>
        <translation>A conexão com o anfitrião falhou: %1.</translation>
    </message>
</context>
<context>
    <name>NetworkGameDialog</name>
    <message>
        <location filename="../src/dialogs/NetworkGameDialog.cpp" line="+60"/>
        <source>Off</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 s a turn</source>
        <translation>30 s por jogada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>120 s bank each</source>
        <translation>Reserva de 120 s para cada um</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Host a game here</source>
        <translation>Hospedar um jogo aqui</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Join a game</source>
        <translation>Entrar em um jogo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Network Game</source>
        <translation>Jogo em rede</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Network name</source>
        <translation>Nome na rede</translation>
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
        <translation>Limite de tempo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game name</source>
        <translation>Nome do jogo</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Host</source>
        <translation>Hospedar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+58"/>
        <source>Orvane - network game &quot;%1&quot; - you are %2 (Player %3)</source>
        <translation>Orvane - jogo em rede &quot;%1&quot; - você é %2 (jogador %3)</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-78"/>
        <source>Game &amp;Mode</source>
        <translation>&amp;Modo de jogo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>S&amp;ounds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;No Guessing</source>
        <translation>Sem &amp;adivinhação</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Computer Strength</source>
        <translation>&amp;Força do computador</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Themes</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Colour-Sa&amp;fe Numbers</source>
        <translation>&amp;Números para daltônicos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keep Replays</source>
        <translation>&amp;Guardar repetições</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show C&amp;hances</source>
        <translation>Mostrar &amp;probabilidades</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Block &amp;Size</source>
        <translation>Tamanho das &amp;casas</translation>
    </message>
</context>
<context>
    <name>ReplayWindow</name>
    <message>
        <location filename="../src/shell/ReplayWindow.cpp" line="+53"/>
        <source>Time %1   3BV %2 of %3   Clicks %4   3BV/s %5   IOE %6</source>
        <translation>Tempo %1   3BV %2 de %3   Cliques %4   3BV/s %5   IOE %6</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+33"/>
        <source>Replay</source>
        <translation>Repetição</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+157"/>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Play Board Again</source>
        <translation>Jogar o tabuleiro de novo</translation>
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
        <translation>Salvar repetição…</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+7"/>
        <source>Save Replay</source>
        <translation>Salvar repetição</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Replays (*%1)</source>
        <translation>Repetições (*%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The replay was not saved: %1</source>
        <translation>A repetição não foi salva: %1</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="-70"/>
        <source>Open Replay</source>
        <translation>Abrir repetição</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane replays (*%1);;All files (*)</source>
        <translation>Repetições do Orvane (*%1);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play Board Code</source>
        <translation>Jogar pelo código do tabuleiro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board code:</source>
        <translation>Código do tabuleiro:</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <location filename="../src/dialogs/StatisticsWindow.cpp" line="+46"/>
        <source>Won</source>
        <translation>Vitória</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lost</source>
        <translation>Derrota</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Given up</source>
        <translation>Desistência</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>A high score&apos;s replay is always kept</source>
        <translation>A repetição de um recorde é sempre guardada</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Ver repetição</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play Board Again</source>
        <translation>&amp;Jogar o tabuleiro de novo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human</source>
        <translation>Contra humano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer</source>
        <translation>Contra computador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation>Em rede</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expert</source>
        <translation>Especialista</translation>
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
        <translation>&amp;Nível:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Games played:</source>
        <translation>Partidas jogadas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games won:</source>
        <translation>Partidas ganhas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Won share:</source>
        <translation>Taxa de vitórias:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best time:</source>
        <translation>Melhor tempo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average time:</source>
        <translation>Tempo médio:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best 3BV/s:</source>
        <translation>Melhor 3BV/s:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak:</source>
        <translation>Sequência atual de vitórias:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longest winning streak:</source>
        <translation>Maior sequência de vitórias:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No won games yet</source>
        <translation>Nenhuma partida ganha ainda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ended</source>
        <translation>Fim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opponent</source>
        <translation>Adversário</translation>
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
        <translation>Cliques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effective clicks</source>
        <translation>Cliques efetivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correctness</source>
        <translation>Precisão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throughput</source>
        <translation>Rendimento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Openings</source>
        <translation>Aberturas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islands</source>
        <translation>Ilhas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No guess</source>
        <translation>Sem adivinhação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Given</source>
        <translation>Fornecido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chances</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Marked when the board was dealt so that it needed no guess</source>
        <translation>Marcado quando o tabuleiro foi gerado de modo a não exigir adivinhação</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the board was played again or read from a code</source>
        <translation>Marcado quando o tabuleiro foi jogado de novo ou lido de um código</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the mine chances were shown during the game</source>
        <translation>Marcado quando as probabilidades de mina foram mostradas durante a partida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keeps the game&apos;s replay for ever</source>
        <translation>Guarda a repetição da partida para sempre</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Times of the last won games</source>
        <translation>Tempos das últimas partidas ganhas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Best time</source>
        <translation>Melhor tempo</translation>
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
        <translation>Esta partida não tem repetição: ela foi jogada antes de as repetições serem guardadas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This game has no replay: it was played over the network, and only the host knew where the mines were.</source>
        <translation>Esta partida não tem repetição: ela foi jogada em rede, e só o anfitrião sabia onde estavam as minas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game&apos;s replay was not kept.</source>
        <translation>A repetição desta partida não foi guardada.</translation>
    </message>
</context>
<context>
    <name>ThemesMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-28"/>
        <source>&amp;Windows Default</source>
        <translation>&amp;Padrão</translation>
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
