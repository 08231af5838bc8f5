<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/dialogs/AboutDialog.cpp" line="+56"/>
        <source>Orvane Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Made by the Orvane developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNU GPL, version 3 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thanks to all who played, tested and lost to the A.I.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../src/shell/AccessibleBoard.cpp" line="+100"/>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>opens the cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>opens the neighbours of a number whose flags match it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puts a flag on the cell or takes it away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleStatus.cpp" line="+119"/>
        <source>status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleTexts.cpp" line="+22"/>
        <location line="+18"/>
        <source>closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+3"/>
        <source>mine found by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>flagged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>flag on no mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exploded mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1 cell opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cells opened</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wins the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game won in 1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>game won in %n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>game lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mine found, %1 moves again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>turn passes to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no cell chosen, an arrow key shows one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>row %1, column %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>%1 found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>mines left %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>time %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>new game, game won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new game, game lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>open three random cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bonus armed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to move</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BlockSizeMenu</name>
    <message>
        <location filename="../src/session/Settings.h" line="+33"/>
        <source>&amp;1.0 x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;0.9 x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1.&amp;25 x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1.&amp;50 x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.0 &amp;x</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComputerStrengthMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="+124"/>
        <source>&amp;Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Strong</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomSizeDialog</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+114"/>
        <source>Custom Field Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mines:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+7"/>
        <source>Mine-field puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open every safe cell without touching a mine, alone or against a friend or the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mines;puzzle;board;logic;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-74"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Custom...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hi Scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Replay…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play Boar&amp;d Code…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cop&amp;y Board Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Net&amp;work Game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hin&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameModeMenu</name>
    <message>
        <location line="+9"/>
        <source>&amp;Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Vs Human</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>V&amp;s Computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location line="+66"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/dialogs/HelpWindow.cpp" line="+59"/>
        <source>Orvane Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+135"/>
        <source>Hi Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Single Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multi Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;Reset Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Total Games Played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Games Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Games Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-124"/>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+50"/>
        <source>In 2Player Game The No. Of Mines Should Be Odd,
<byte value="xd"/>The No. Of Mines Will Be Decreased By 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+94"/>
        <source>Are You Sure You Want To Reset Scores?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/game/BoardCode.cpp" line="+126"/>
        <source>a character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code cannot hold %1: it is written with the digits 2 to 9 and the letters A to Z but I and O.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a %1 x %2 board with %3 mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a %1 x %2 board with %3 mines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The board code is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The board code is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code is too short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code does not check out: a character in it was mistyped, left out or swapped with its neighbour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The board code is of a form this version of Orvane does not know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board code gives a width of %1 cells; a board is 1 to 35 cells wide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board code gives a height of %1 cells; a board is 1 to 25 cells high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code gives %1 mines, which do not fit on a %2 x %3 board with a safe cell to begin on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s first cell lies outside the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code is too short for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code is too long for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s mine layout does not fit %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board code&apos;s first cell holds a mine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/input/StatusInput.cpp" line="+57"/>
        <source>Enter Player-%1 Name (Max 6 Chars):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1
<byte value="xd"/>Are you sure? you want to give-up the game? You will lose!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Are you sure to reset scores?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/netplay/GameHost.cpp" line="+126"/>
        <source>A player must say hello first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The player sent a message only a host may send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The seat was taken up again by another connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game you were playing has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wait for the other player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not your turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no such cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That cell is open already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The bonus is not yours to use now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is no game of yours to give up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game is still being played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That move is not one of this game&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+203"/>
        <source>Nothing was heard from you for too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/netplay/NetworkPlayer.cpp" line="+81"/>
        <source>The host ended the network game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The host sent a message out of turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Nothing was heard from the host for 10 seconds: the network game has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You left the network game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/netplay/Protocol.cpp" line="+452"/>
        <source>The other side sent a message too large to be one of this game&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The other side sent a message this game cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+79"/>
        <source>The host has stopped hosting: the network game has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/DamagedCopies.cpp" line="+21"/>
        <source>there are too many earlier copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/FileReplacement.cpp" line="+127"/>
        <source>another program holds its folder locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/RecordFile.h" line="+55"/>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/scores/History.cpp" line="+361"/>
        <source>The game history %1 could not be read. It has been kept as %2, and a new history has been started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file %1 is not a game history of Orvane. It has been kept, unchanged, as %2, and a new history has been started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be read, and it could not be set aside (%2). The game goes on, but the games played are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 cannot be used (%2). It is left as it is; the game goes on, but the games played are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 was written by a newer version of Orvane. It is shown as it is, but the games played now are not kept in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game history %1 can be read but not written (%2). It is shown, but the games played from now on are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be brought up to date (%2). It is shown as it is, but the games played now are not kept in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history could not be saved in %1 (%2). The game goes on, but the games played are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/scores/HistoryReading.cpp" line="+144"/>
        <source>There is no replay of this game in the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>This game&apos;s replay cannot be shown: it is damaged (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/scores/Recording.cpp" line="+115"/>
        <source>Well done! This board was dealt so that it never needed a guess, so its time does not go into the high-score tables: they compare games on boards dealt at random, where a guess may be needed. Turn off Options &gt; No Guessing to play for them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/scores/ScoreFile.cpp" line="+204"/>
        <source>The scores could not be read from %1 (%2). The game goes on, and the scores that could not be read start afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The scores could not be saved to %1 (%2). The game goes on, but new scores and game counts may be lost when it closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 was damaged. It has been repaired, keeping every score that could be read; the damaged file is kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 is damaged, and a copy of it could not be kept beside it (%2). It is left as it is; the game goes on, but new scores and game counts are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/session/GameSession.cpp" line="+52"/>
        <source>There is no home folder to keep your files in: HOME is not set, and the user database names none. You can play, but no settings, options, scores or games played are kept this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Your CPU doesn&apos;t support High Resolutiom Timer! Exiting now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>No board that can be cleared without guessing was found for this many mines on this board. This game is dealt as usual, and a guess may be needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This board does not fit on the screen with the block size %1, so it is shown at %2. The block size %1 comes back with the next board that fits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/session/Keyboard.cpp" line="+29"/>
        <source>Do you want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/session/Preferences.cpp" line="+81"/>
        <source>it is larger than 64 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds binary data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has lines too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Your options could not be read from %1 (%2). It is left as it is; the options in effect are kept until the game is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your options file %1 is damaged (%2), and it could not be kept aside (%3). It is left as it is; the options that could be read are used, but changes are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your options file %1 was damaged (%2). It has been kept as &quot;%3&quot;, and the options that could be read are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Your options could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/session/Settings.cpp" line="+88"/>
        <source>Your settings could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+102"/>
        <source>OpenGL initialization failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+177"/>
        <source>Leave the network game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/QtPlatform.cpp" line="+167"/>
        <source>The help could not be shown: there is no viewer for &quot;%1&quot; and the help pages are missing from &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="+136"/>
        <source>The replay %1 cannot be shown: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This board has no code yet: its mines are laid when its first cell is opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Port %1 is in use: the game is hosted on port %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+1"/>
        <source>Find the hidden mines by logic, alone or against a rival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane is a mine-field puzzle on a grid of hidden cells. Open a cell and it tells how many of its eight neighbours hold a mine; put the numbers together to work out where the mines are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Three ways to play:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic: open every safe cell against the clock, with a high-score table per level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vs Human: two players take turns on one board, and finding mines scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vs Computer: the same two-player game against a computer opponent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board is drawn with OpenGL in seven colour themes and five cell sizes, with animated flags and sounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A Classic game at the Intermediate level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taking turns against the computer, whose finds are the blue flags</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/dialogs/NameDialog.cpp" line="+16"/>
        <source>Enter New Hi-Score Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <location filename="../src/network/GameFinder.cpp" line="+84"/>
        <source>Games on the local network cannot be listed (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Games on the local network cannot be listed: no network connection here carries multicast.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+23"/>
        <source>No port from %1 to %2 could be used for hosting: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/network/PlayerConnection.cpp" line="+21"/>
        <source>The host at %1, port %2, did not answer within 10 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nobody hosts a game at %1, port %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The host closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The connection to the host failed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkGameDialog</name>
    <message>
        <location filename="../src/dialogs/NetworkGameDialog.cpp" line="+60"/>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 s a turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>120 s bank each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Host a game here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Join a game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Network Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Network name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+8"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Turn limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+58"/>
        <source>Orvane - network game &quot;%1&quot; - you are %2 (Player %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-74"/>
        <source>Game &amp;Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>S&amp;ounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;No Guessing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Computer Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Colour-Sa&amp;fe Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keep Replays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Block &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReplayWindow</name>
    <message>
        <location filename="../src/shell/ReplayWindow.cpp" line="+53"/>
        <source>Time %1   3BV %2 of %3   Clicks %4   3BV/s %5   IOE %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+33"/>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+157"/>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Play Board Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>◀ Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Replay…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+7"/>
        <source>Save Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Replays (*%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The replay was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="-70"/>
        <source>Open Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane replays (*%1);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play Board Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board code:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <location filename="../src/dialogs/StatisticsWindow.cpp" line="+46"/>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Given up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+88"/>
        <source>A high score&apos;s replay is always kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Watch Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play Board Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Games played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games won:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Won share:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best 3BV/s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longest winning streak:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No won games yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opponent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+101"/>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-100"/>
        <source>Clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effective clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correctness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throughput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Openings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Marked when the board was dealt so that it needed no guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the board was played again or read from a code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keeps the game&apos;s replay for ever</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Times of the last won games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Best time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 x %2, %3 mines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>This game has no replay: it was played before replays were kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This game has no replay: it was played over the network, and only the host knew where the mines were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game&apos;s replay was not kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThemesMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-24"/>
        <source>&amp;Windows Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Theme 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;heme 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Th&amp;eme 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The&amp;me 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;6</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
