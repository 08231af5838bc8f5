<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/dialogs/AboutDialog.cpp" line="+56"/>
        <source>Orvane Help</source>
        <translation>Pomoc programu Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>About Orvane</source>
        <translation>O programie Orvane</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Made by the Orvane developers</source>
        <translation>Stworzony przez twórców programu Orvane</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software: %1</source>
        <translation>Wolne oprogramowanie: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GNU GPL, version 3 or later</source>
        <translation>GNU GPL, wersja 3 lub nowsza</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Thanks to all who played, tested and lost to the A.I.</source>
        <translation>Dziękujemy wszystkim, którzy grali, testowali i przegrywali z SI.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../src/shell/AccessibleBoard.cpp" line="+87"/>
        <source>open</source>
        <translation>odkryj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>chord</source>
        <translation>odkryj sąsiednie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>flag</source>
        <translation>oznacz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>opens the cell</source>
        <translation>odkrywa pole</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>opens the neighbours of a number whose flags match it</source>
        <translation>odkrywa pola sąsiadujące z liczbą, przy której stoi tyle flag, ile ona wskazuje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puts a flag on the cell or takes it away</source>
        <translation>stawia flagę na polu lub ją zdejmuje</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>board</source>
        <translation>plansza</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>column %1</source>
        <translation>kolumna %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleStatus.cpp" line="+126"/>
        <source>status</source>
        <translation>stan gry</translation>
    </message>
    <message>
        <location filename="../src/shell/AccessibleTexts.cpp" line="+22"/>
        <location line="+18"/>
        <source>closed</source>
        <translation>zakryte</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+3"/>
        <source>mine found by %1</source>
        <translation>mina znaleziona przez gracza %1</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>flagged</source>
        <translation>oznaczone flagą</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>flag on no mine</source>
        <translation>flaga bez miny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exploded mine</source>
        <translation>wybuchła mina</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>1 cell opened</source>
        <translation>odkryto 1 pole</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n cells opened</source>
        <translation>
            <numerusform>odkryto %n pole</numerusform>
            <numerusform>odkryto %n pola</numerusform>
            <numerusform>odkryto %n pól</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wins the game</source>
        <translation>%1 wygrywa grę</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game won in 1 second</source>
        <translation>gra wygrana w 1 sekundę</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>game won in %n seconds</source>
        <translation>
            <numerusform>gra wygrana w %n sekundę</numerusform>
            <numerusform>gra wygrana w %n sekundy</numerusform>
            <numerusform>gra wygrana w %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>game lost</source>
        <translation>gra przegrana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mine found, %1 moves again</source>
        <translation>mina znaleziona, gracz %1 ma kolejny ruch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>turn passes to %1</source>
        <translation>kolej gracza %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no cell chosen, an arrow key shows one</source>
        <translation>nie wybrano pola, klawisz strzałki je wskaże</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>row %1, column %2, %3</source>
        <translation>wiersz %1, kolumna %2, %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>%1 found %2</source>
        <translation>%1 – znalezione: %2</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>mines left %1</source>
        <translation>pozostałe miny %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>time %1</source>
        <translation>czas %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>new game, game won</source>
        <translation>nowa gra, gra wygrana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new game, game lost</source>
        <translation>nowa gra, gra przegrana</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <translation>nowa gra</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>open three random cells</source>
        <translation>odkryj trzy losowe pola</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bonus armed</source>
        <translation>premia gotowa do użycia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus</source>
        <translation>premia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bonus not available</source>
        <translation>premia niedostępna</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 to move</source>
        <translation>ruch gracza %1</translation>
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
        <translation>&amp;Normalna</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Strong</source>
        <translation>&amp;Silna</translation>
    </message>
</context>
<context>
    <name>CustomSizeDialog</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+114"/>
        <source>Custom Field Size</source>
        <translation>Własny rozmiar planszy</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Height:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Width:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mines:</source>
        <translation>Miny:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+7"/>
        <source>Mine-field puzzle</source>
        <translation>Łamigłówka z polem minowym</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open every safe cell without touching a mine, alone or against a friend or the computer</source>
        <translation>Odkryj wszystkie bezpieczne pola, nie trafiając na minę, w pojedynkę albo przeciw znajomemu lub komputerowi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mines;puzzle;board;logic;</source>
        <translation>miny;łamigłówka;plansza;logika;</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-74"/>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Beginner</source>
        <translation>&amp;Początkujący</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Intermediate</source>
        <translation>Ś&amp;redniozaawansowany</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Expert</source>
        <translation>&amp;Ekspert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Custom...</source>
        <translation>&amp;Własny...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Hi Scores...</source>
        <translation>Najlepsze w&amp;yniki...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statystyki...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Open Replay…</source>
        <translation>&amp;Otwórz powtórkę…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play Boar&amp;d Code…</source>
        <translation>Zagraj z &amp;kodu planszy…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cop&amp;y Board Code</source>
        <translation>Kop&amp;iuj kod planszy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Net&amp;work Game…</source>
        <translation>Gra sie&amp;ciowa…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Pause</source>
        <translation>Pa&amp;uza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hin&amp;t</source>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
</context>
<context>
    <name>GameModeMenu</name>
    <message>
        <location line="+9"/>
        <source>&amp;Classic</source>
        <translation>&amp;Klasyczny</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Vs Human</source>
        <translation>Przeciw &amp;człowiekowi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>V&amp;s Computer</source>
        <translation>Przeciw k&amp;omputerowi</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location line="+70"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/dialogs/HelpWindow.cpp" line="+59"/>
        <source>Orvane Help</source>
        <translation>Pomoc programu Orvane</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Naprzód</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+142"/>
        <source>Hi Scores</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Single Player</source>
        <translation>&amp;Jeden gracz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Multi Player</source>
        <translation>&amp;Wielu graczy</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intermediate</source>
        <translation>Średniozaawansowany</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&amp;Reset Scores</source>
        <translation>Wy&amp;zeruj wyniki</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Total Games Played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Games Won</source>
        <translation>Wygrane gry</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Games Lost</source>
        <translation>Przegrane gry</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clicks</source>
        <translation>Kliknięcia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lost</source>
        <translation>Przegrane</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-128"/>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../src/dialogs/CustomSizeDialog.cpp" line="+50"/>
        <source>In 2Player Game The No. Of Mines Should Be Odd,
<byte value="xd"/>The No. Of Mines Will Be Decreased By 1.</source>
        <translation>W grze dwuosobowej liczba min musi być nieparzysta,
<byte value="xd"/>więc liczba min zostanie zmniejszona o 1.</translation>
    </message>
    <message>
        <location filename="../src/dialogs/HighScoresWindow.cpp" line="+94"/>
        <source>Are You Sure You Want To Reset Scores?</source>
        <translation>Czy na pewno chcesz wyzerować wyniki?</translation>
    </message>
    <message>
        <location filename="../src/game/BoardCode.cpp" line="+126"/>
        <source>a character</source>
        <translation>ten znak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code cannot hold %1: it is written with the digits 2 to 9 and the letters A to Z but I and O.</source>
        <translation>W kodzie planszy nie może wystąpić %1: kod składa się z cyfr od 2 do 9 i liter od A do Z z wyjątkiem I oraz O.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a %1 x %2 board with %3 mine</source>
        <translation>planszy %1 x %2 z %3 miną</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a %1 x %2 board with %3 mines</source>
        <translation>planszy %1 x %2 z %3 minami</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The board code is too long.</source>
        <translation>Kod planszy jest za długi.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The board code is empty.</source>
        <translation>Kod planszy jest pusty.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code is too short.</source>
        <translation>Kod planszy jest za krótki.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board code does not check out: a character in it was mistyped, left out or swapped with its neighbour.</source>
        <translation>Kod planszy się nie zgadza: któryś znak został błędnie wpisany, pominięty lub zamieniony z sąsiednim.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The board code is of a form this version of Orvane does not know.</source>
        <translation>Kod planszy ma postać nieznaną tej wersji programu Orvane.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The board code gives a width of %1 cells; a board is 1 to 35 cells wide.</source>
        <translation>Według kodu plansza ma szerokość %1 (w polach); plansza może mieć od 1 do 35 pól szerokości.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The board code gives a height of %1 cells; a board is 1 to 25 cells high.</source>
        <translation>Według kodu plansza ma wysokość %1 (w polach); plansza może mieć od 1 do 25 pól wysokości.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code gives %1 mines, which do not fit on a %2 x %3 board with a safe cell to begin on.</source>
        <translation>Liczba min podana w kodzie planszy (%1) nie zmieści się na planszy %2 x %3, na której musi zostać bezpieczne pole na początek.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s first cell lies outside the board.</source>
        <translation>Pierwsze pole podane w kodzie planszy leży poza planszą.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The board code is too short for %1.</source>
        <translation>Kod planszy jest za krótki dla %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The board code is too long for %1.</source>
        <translation>Kod planszy jest za długi dla %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The board code&apos;s mine layout does not fit %1.</source>
        <translation>Układ min w kodzie planszy nie pasuje do %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The board code&apos;s first cell holds a mine.</source>
        <translation>Na pierwszym polu podanym w kodzie planszy leży mina.</translation>
    </message>
    <message>
        <location filename="../src/input/StatusInput.cpp" line="+57"/>
        <source>Enter Player-%1 Name (Max 6 Chars):</source>
        <translation>Podaj imię gracza %1 (maks. 6 znaków):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1
<byte value="xd"/>Are you sure? you want to give-up the game? You will lose!</source>
        <translation>%1
<byte value="xd"/>Czy na pewno chcesz się poddać? Przegrasz tę grę!</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Are you sure to reset scores?</source>
        <translation>Czy na pewno wyzerować punktację?</translation>
    </message>
    <message>
        <location filename="../src/netplay/GameHost.cpp" line="+126"/>
        <source>A player must say hello first.</source>
        <translation>Gracz musi się najpierw przywitać.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The player sent a message only a host may send.</source>
        <translation>Gracz wysłał wiadomość, którą może wysłać tylko gospodarz.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The seat was taken up again by another connection.</source>
        <translation>Miejsce zostało ponownie zajęte przez inne połączenie.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game you were playing has ended.</source>
        <translation>Twoja gra została zakończona.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wait for the other player.</source>
        <translation>Poczekaj na drugiego gracza.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The game is over.</source>
        <translation>Gra jest skończona.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is not your turn.</source>
        <translation>To nie twój ruch.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no such cell.</source>
        <translation>Nie ma takiego pola.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>That cell is open already.</source>
        <translation>To pole jest już odkryte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The bonus is not yours to use now.</source>
        <translation>Nie możesz teraz użyć premii.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>There is no game of yours to give up.</source>
        <translation>Nie masz gry, którą można by poddać.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game is still being played.</source>
        <translation>Gra wciąż trwa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>That move is not one of this game&apos;s.</source>
        <translation>Ten ruch nie należy do tej gry.</translation>
    </message>
    <message>
        <location line="+203"/>
        <source>Nothing was heard from you for too long.</source>
        <translation>Zbyt długo nie było od ciebie odpowiedzi.</translation>
    </message>
    <message>
        <location filename="../src/netplay/NetworkPlayer.cpp" line="+73"/>
        <source>The host refused: %1</source>
        <translation>Gospodarz odmówił: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The host ended the network game.</source>
        <translation>Gospodarz zakończył grę sieciową.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The host sent a message out of turn.</source>
        <translation>Gospodarz wysłał wiadomość poza kolejnością.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Nothing was heard from the host for 10 seconds: the network game has ended.</source>
        <translation>Gospodarz nie odpowiadał przez 10 sekund: gra sieciowa została zakończona.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>You left the network game.</source>
        <translation>Opuszczono grę sieciową.</translation>
    </message>
    <message>
        <location filename="../src/netplay/Protocol.cpp" line="+452"/>
        <source>The other side sent a message too large to be one of this game&apos;s.</source>
        <translation>Druga strona wysłała wiadomość zbyt dużą, by mogła pochodzić z tej gry.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The other side sent a message this game cannot read.</source>
        <translation>Druga strona wysłała wiadomość, której ta gra nie potrafi odczytać.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+79"/>
        <source>The host has stopped hosting: the network game has ended.</source>
        <translation>Gospodarz przestał prowadzić grę: gra sieciowa została zakończona.</translation>
    </message>
    <message>
        <location filename="../src/platform/DamagedCopies.cpp" line="+21"/>
        <source>there are too many earlier copies</source>
        <translation>istnieje zbyt wiele wcześniejszych kopii</translation>
    </message>
    <message>
        <location filename="../src/platform/FileReplacement.cpp" line="+127"/>
        <source>another program holds its folder locked</source>
        <translation>inny program blokuje jego katalog</translation>
    </message>
    <message>
        <location filename="../src/platform/RecordFile.h" line="+55"/>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <location filename="../src/scores/History.cpp" line="+362"/>
        <source>The game history %1 could not be read. It has been kept as %2, and a new history has been started.</source>
        <translation>Nie można odczytać historii gier %1. Zachowano ją jako %2 i rozpoczęto nową historię.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file %1 is not a game history of Orvane. It has been kept, unchanged, as %2, and a new history has been started.</source>
        <translation>Plik %1 nie jest historią gier programu Orvane. Zachowano go bez zmian jako %2 i rozpoczęto nową historię.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be read, and it could not be set aside (%2). The game goes on, but the games played are not kept.</source>
        <translation>Nie można odczytać historii gier %1 ani odłożyć jej na bok (%2). Gra toczy się dalej, ale rozegrane gry nie są zapisywane.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 cannot be used (%2). It is left as it is; the game goes on, but the games played are not kept.</source>
        <translation>Nie można użyć historii gier %1 (%2). Pozostawiono ją bez zmian; gra toczy się dalej, ale rozegrane gry nie są zapisywane.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 was written by a newer version of Orvane. It is shown as it is, but the games played now are not kept in it.</source>
        <translation>Historię gier %1 zapisała nowsza wersja programu Orvane. Jest wyświetlana bez zmian, ale rozgrywane teraz gry nie są w niej zapisywane.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The game history %1 can be read but not written (%2). It is shown, but the games played from now on are not kept.</source>
        <translation>Historię gier %1 można odczytać, ale nie można jej zapisać (%2). Jest wyświetlana, ale gry rozegrane od teraz nie są zapisywane.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history %1 could not be brought up to date (%2). It is shown as it is, but the games played now are not kept in it.</source>
        <translation>Nie można zaktualizować historii gier %1 (%2). Jest wyświetlana bez zmian, ale rozgrywane teraz gry nie są w niej zapisywane.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The game history could not be saved in %1 (%2). The game goes on, but the games played are not kept.</source>
        <translation>Nie można zapisać historii gier w %1 (%2). Gra toczy się dalej, ale rozegrane gry nie są zapisywane.</translation>
    </message>
    <message>
        <location filename="../src/scores/HistoryReading.cpp" line="+147"/>
        <source>There is no replay of this game in the history.</source>
        <translation>W historii nie ma powtórki tej gry.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>This game&apos;s replay cannot be shown: it is damaged (%1).</source>
        <translation>Nie można wyświetlić powtórki tej gry: jest uszkodzona (%1).</translation>
    </message>
    <message>
        <location filename="../src/scores/Recording.cpp" line="+101"/>
        <source>Well done! This board was dealt so that it never needed a guess, so its time does not go into the high-score tables: they compare games on boards dealt at random, where a guess may be needed. Turn off Options &gt; No Guessing to play for them.</source>
        <translation>Brawo! Ta plansza została wygenerowana tak, by nigdy nie trzeba było zgadywać, dlatego jej czas nie trafia do tabel najlepszych wyników: porównują one gry na planszach generowanych losowo, na których zgadywanie może być konieczne. Wyłącz Opcje &gt; Bez zgadywania, aby grać o miejsce w tabelach.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Well done! The mine chances were shown during this game, so its time does not go into the high-score tables. Turn off Options &gt; Show Chances to play for them.</source>
        <translation>Brawo! Podczas tej gry pokazywano szanse min, dlatego jej czas nie trafia do tabel najlepszych wyników. Wyłącz Opcje &gt; Pokaż szanse, aby grać o miejsce w tabelach.</translation>
    </message>
    <message>
        <location filename="../src/scores/ScoreFile.cpp" line="+204"/>
        <source>The scores could not be read from %1 (%2). The game goes on, and the scores that could not be read start afresh.</source>
        <translation>Nie można odczytać wyników z %1 (%2). Gra toczy się dalej, a wyniki, których nie udało się odczytać, są liczone od nowa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The scores could not be saved to %1 (%2). The game goes on, but new scores and game counts may be lost when it closes.</source>
        <translation>Nie można zapisać wyników w %1 (%2). Gra toczy się dalej, ale nowe wyniki i liczniki gier mogą zostać utracone po jej zamknięciu.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 was damaged. It has been repaired, keeping every score that could be read; the damaged file is kept as &quot;%2&quot;.</source>
        <translation>Plik wyników %1 był uszkodzony. Został naprawiony z zachowaniem każdego wyniku, który udało się odczytać; uszkodzony plik zachowano jako &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The score file %1 is damaged, and a copy of it could not be kept beside it (%2). It is left as it is; the game goes on, but new scores and game counts are not saved.</source>
        <translation>Plik wyników %1 jest uszkodzony i nie można było zachować obok niego jego kopii (%2). Pozostawiono go bez zmian; gra toczy się dalej, ale nowe wyniki i liczniki gier nie są zapisywane.</translation>
    </message>
    <message>
        <location filename="../src/session/GameSession.cpp" line="+53"/>
        <source>There is no home folder to keep your files in: HOME is not set, and the user database names none. You can play, but no settings, options, scores or games played are kept this time.</source>
        <translation>Brak katalogu domowego, w którym można by przechowywać pliki: zmienna HOME nie jest ustawiona, a baza danych użytkowników żadnego nie wskazuje. Można grać, ale tym razem nie zostaną zachowane ani ustawienia, ani opcje, ani wyniki, ani rozegrane gry.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Your CPU doesn&apos;t support High Resolutiom Timer! Exiting now.</source>
        <translation>Twój procesor nie obsługuje zegara wysokiej rozdzielczości! Program zostanie zamknięty.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>No board that can be cleared without guessing was found for this many mines on this board. This game is dealt as usual, and a guess may be needed.</source>
        <translation>Nie znaleziono planszy tej wielkości z tą liczbą min, którą da się rozwiązać bez zgadywania. Ta gra jest generowana jak zwykle i zgadywanie może być konieczne.</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 pixels</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This board does not fit on the screen with the block size %1, so it is shown at %2. The block size %1 comes back with the next board that fits.</source>
        <translation>Ta plansza nie mieści się na ekranie przy rozmiarze pól %1, więc jest wyświetlana w rozmiarze %2. Rozmiar pól %1 wróci przy następnej planszy, która się zmieści.</translation>
    </message>
    <message>
        <location filename="../src/session/Keyboard.cpp" line="+29"/>
        <source>Do you want to quit?</source>
        <translation>Czy chcesz wyjść z gry?</translation>
    </message>
    <message>
        <location filename="../src/session/Preferences.cpp" line="+85"/>
        <source>it is larger than 64 KiB</source>
        <translation>jest większy niż 64 KiB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds binary data</source>
        <translation>zawiera dane binarne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it has lines too long</source>
        <translation>ma zbyt długie wiersze</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Your options could not be read from %1 (%2). It is left as it is; the options in effect are kept until the game is closed.</source>
        <translation>Nie można odczytać opcji z %1 (%2). Plik pozostawiono bez zmian; bieżące opcje obowiązują do zamknięcia gry.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Your options file %1 is damaged (%2), and it could not be kept aside (%3). It is left as it is; the options that could be read are used, but changes are not saved.</source>
        <translation>Plik opcji %1 jest uszkodzony (%2) i nie można było odłożyć go na bok (%3). Pozostawiono go bez zmian; używane są opcje, które udało się odczytać, ale zmiany nie są zapisywane.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your options file %1 was damaged (%2). It has been kept as &quot;%3&quot;, and the options that could be read are used.</source>
        <translation>Plik opcji %1 był uszkodzony (%2). Zachowano go jako &quot;%3&quot; i używane są opcje, które udało się odczytać.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Your options could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Nie można zapisać opcji w &quot;%1&quot; (%2). Obowiązują one do zamknięcia gry.</translation>
    </message>
    <message>
        <location filename="../src/session/Settings.cpp" line="+88"/>
        <source>Your settings could not be saved to &quot;%1&quot; (%2). They stay in effect until the game is closed.</source>
        <translation>Nie można zapisać ustawień w &quot;%1&quot; (%2). Obowiązują one do zamknięcia gry.</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+102"/>
        <source>OpenGL initialization failed!</source>
        <translation>Inicjalizacja OpenGL nie powiodła się!</translation>
    </message>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+177"/>
        <source>Leave the network game?</source>
        <translation>Opuścić grę sieciową?</translation>
    </message>
    <message>
        <location filename="../src/shell/QtPlatform.cpp" line="+167"/>
        <source>The help could not be shown: there is no viewer for &quot;%1&quot; and the help pages are missing from &quot;%2&quot;.</source>
        <translation>Nie można wyświetlić pomocy: brak przeglądarki dla &quot;%1&quot;, a w &quot;%2&quot; brakuje stron pomocy.</translation>
    </message>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="+136"/>
        <source>The replay %1 cannot be shown: %2.</source>
        <translation>Nie można wyświetlić powtórki %1: %2.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This board has no code yet: its mines are laid when its first cell is opened.</source>
        <translation>Ta plansza nie ma jeszcze kodu: miny są rozmieszczane dopiero po odkryciu pierwszego pola.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Port %1 is in use: the game is hosted on port %2.</source>
        <translation>Port %1 jest zajęty: gra jest prowadzona na porcie %2.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <location filename="DesktopEntryTexts.h" line="+1"/>
        <source>Find the hidden mines by logic, alone or against a rival</source>
        <translation>Znajdź ukryte miny dzięki logice, w pojedynkę lub przeciw rywalowi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane is a mine-field puzzle on a grid of hidden cells. Open a cell and it tells how many of its eight neighbours hold a mine; put the numbers together to work out where the mines are.</source>
        <translation>Orvane to łamigłówka z polem minowym na siatce zakrytych pól. Odkryte pole pokazuje, na ilu z ośmiu sąsiednich pól leży mina; zestawiaj liczby, aby ustalić, gdzie są miny.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Three ways to play:</source>
        <translation>Trzy sposoby gry:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classic: open every safe cell against the clock, with a high-score table per level</source>
        <translation>Klasyczny: odkryj wszystkie bezpieczne pola na czas, z tabelą najlepszych wyników dla każdego poziomu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human: two players take turns on one board, and finding mines scores</source>
        <translation>Przeciw człowiekowi: dwóch graczy wykonuje ruchy na zmianę na jednej planszy, a za znalezione miny zdobywa się punkty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer: the same two-player game against a computer opponent</source>
        <translation>Przeciw komputerowi: ta sama gra dla dwóch graczy, ale z komputerowym przeciwnikiem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The board is drawn with OpenGL in seven colour themes and five cell sizes, with animated flags and sounds.</source>
        <translation>Plansza jest rysowana za pomocą OpenGL w siedmiu motywach kolorystycznych i pięciu rozmiarach pól, z animowanymi flagami i dźwiękami.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A Classic game at the Intermediate level</source>
        <translation>Gra w trybie klasycznym na poziomie średniozaawansowanym</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taking turns against the computer, whose finds are the blue flags</source>
        <translation>Gra na zmianę z komputerem, którego znaleziska oznaczają niebieskie flagi</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <location filename="../src/dialogs/NameDialog.cpp" line="+16"/>
        <source>Enter New Hi-Score Name:</source>
        <translation>Nowy rekord – podaj imię:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation>Imię</translation>
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
        <translation>Nie można wyświetlić listy gier w sieci lokalnej (%1).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Games on the local network cannot be listed: no network connection here carries multicast.</source>
        <translation>Nie można wyświetlić listy gier w sieci lokalnej: żadne połączenie sieciowe na tym komputerze nie obsługuje multicastu.</translation>
    </message>
    <message>
        <location filename="../src/network/HostServer.cpp" line="+23"/>
        <source>No port from %1 to %2 could be used for hosting: %3</source>
        <translation>Żadnego portu od %1 do %2 nie można użyć do prowadzenia gry: %3</translation>
    </message>
    <message>
        <location filename="../src/network/PlayerConnection.cpp" line="+21"/>
        <source>The host at %1, port %2, did not answer within 10 seconds.</source>
        <translation>Gospodarz pod adresem %1, port %2, nie odpowiedział w ciągu 10 sekund.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>Nie znaleziono komputera o nazwie &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nobody hosts a game at %1, port %2.</source>
        <translation>Nikt nie prowadzi gry pod adresem %1, port %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The host closed the connection.</source>
        <translation>Gospodarz zamknął połączenie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The connection to the host failed: %1.</source>
        <translation>Połączenie z gospodarzem nie powiodło się: %1.</translation>
    </message>
</context>
<context>
    <name>NetworkGameDialog</name>
    <message>
        <location filename="../src/dialogs/NetworkGameDialog.cpp" line="+60"/>
        <source>Off</source>
        <translation>Brak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 s a turn</source>
        <translation>30 s na ruch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>120 s bank each</source>
        <translation>Pula 120 s na gracza</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Host a game here</source>
        <translation>Załóż grę na tym komputerze</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Join a game</source>
        <translation>Dołącz do gry</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Network Game</source>
        <translation>Gra sieciowa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Network name</source>
        <translation>Nazwa w sieci</translation>
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
        <translation>Limit czasu ruchu</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Game name</source>
        <translation>Nazwa gry</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Host</source>
        <translation>Załóż</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Join</source>
        <translation>Dołącz</translation>
    </message>
</context>
<context>
    <name>NetworkPlay</name>
    <message>
        <location filename="../src/shell/NetworkPlay.cpp" line="+58"/>
        <source>Orvane - network game &quot;%1&quot; - you are %2 (Player %3)</source>
        <translation>Orvane - gra sieciowa &quot;%1&quot; - grasz jako %2 (gracz %3)</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-78"/>
        <source>Game &amp;Mode</source>
        <translation>&amp;Tryb gry</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>S&amp;ounds</source>
        <translation>&amp;Dźwięki</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;No Guessing</source>
        <translation>&amp;Bez zgadywania</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Computer Strength</source>
        <translation>&amp;Siła komputera</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Themes</source>
        <translation>&amp;Motywy</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Colour-Sa&amp;fe Numbers</source>
        <translation>&amp;Liczby dla daltonistów</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Keep Replays</source>
        <translation>&amp;Zachowuj powtórki</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show C&amp;hances</source>
        <translation>&amp;Pokaż szanse</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Block &amp;Size</source>
        <translation>&amp;Rozmiar pól</translation>
    </message>
</context>
<context>
    <name>ReplayWindow</name>
    <message>
        <location filename="../src/shell/ReplayWindow.cpp" line="+53"/>
        <source>Time %1   3BV %2 of %3   Clicks %4   3BV/s %5   IOE %6</source>
        <translation>Czas %1   3BV %2 z %3   Kliknięcia %4   3BV/s %5   IOE %6</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+33"/>
        <source>Replay</source>
        <translation>Powtórka</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+157"/>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>Play Board Again</source>
        <translation>Zagraj planszę ponownie</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>◀ Step</source>
        <translation>◀ Krok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Step ▶</source>
        <translation>Krok ▶</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Replay…</source>
        <translation>Zapisz powtórkę…</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+7"/>
        <source>Save Replay</source>
        <translation>Zapisz powtórkę</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Replays (*%1)</source>
        <translation>Powtórki (*%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The replay was not saved: %1</source>
        <translation>Nie zapisano powtórki: %1</translation>
    </message>
</context>
<context>
    <name>SecondaryWindows</name>
    <message>
        <location filename="../src/shell/SecondaryWindows.cpp" line="-70"/>
        <source>Open Replay</source>
        <translation>Otwórz powtórkę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orvane replays (*%1);;All files (*)</source>
        <translation>Powtórki Orvane (*%1);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play Board Code</source>
        <translation>Zagraj z kodu planszy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board code:</source>
        <translation>Kod planszy:</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <location filename="../src/dialogs/StatisticsWindow.cpp" line="+46"/>
        <source>Won</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lost</source>
        <translation>Przegrana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Given up</source>
        <translation>Poddana</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>A high score&apos;s replay is always kept</source>
        <translation>Powtórka najlepszego wyniku jest zawsze zachowywana</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Watch Replay</source>
        <translation>&amp;Obejrzyj powtórkę</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Play Board Again</source>
        <translation>&amp;Zagraj planszę ponownie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Classic</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Human</source>
        <translation>Przeciw człowiekowi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vs Computer</source>
        <translation>Przeciw komputerowi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation>Sieciowy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate</source>
        <translation>Średniozaawansowany</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mode:</source>
        <translation>&amp;Tryb:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Level:</source>
        <translation>&amp;Poziom:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Games played:</source>
        <translation>Rozegrane gry:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Games won:</source>
        <translation>Wygrane gry:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Won share:</source>
        <translation>Odsetek wygranych:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best time:</source>
        <translation>Najlepszy czas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average time:</source>
        <translation>Średni czas:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Best 3BV/s:</source>
        <translation>Najlepsze 3BV/s:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Current winning streak:</source>
        <translation>Obecna seria wygranych:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Longest winning streak:</source>
        <translation>Najdłuższa seria wygranych:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No won games yet</source>
        <translation>Nie ma jeszcze wygranych gier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ended</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opponent</source>
        <translation>Przeciwnik</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+105"/>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Clicks</source>
        <translation>Kliknięcia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effective clicks</source>
        <translation>Skuteczne kliknięcia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correctness</source>
        <translation>Trafność</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throughput</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Openings</source>
        <translation>Otwarcia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Islands</source>
        <translation>Wyspy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No guess</source>
        <translation>Bez zgadywania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Given</source>
        <translation>Zadana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chances</source>
        <translation>Szanse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep</source>
        <translation>Zachowaj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Marked when the board was dealt so that it needed no guess</source>
        <translation>Zaznaczone, gdy plansza została wygenerowana tak, by nie wymagała zgadywania</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the board was played again or read from a code</source>
        <translation>Zaznaczone, gdy plansza była rozgrywana ponownie lub wczytana z kodu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Marked when the mine chances were shown during the game</source>
        <translation>Zaznaczone, gdy w trakcie gry pokazywano szanse min</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keeps the game&apos;s replay for ever</source>
        <translation>Zachowuje powtórkę gry na zawsze</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Times of the last won games</source>
        <translation>Czasy ostatnich wygranych gier</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Best time</source>
        <translation>Najlepszy czas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>game</source>
        <translation>gra</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>seconds</source>
        <translation>sekundy</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 x %2, %3 mines</source>
        <translation>%1 x %2, miny: %3</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>This game has no replay: it was played before replays were kept.</source>
        <translation>Ta gra nie ma powtórki: rozegrano ją, zanim zaczęto zachowywać powtórki.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This game has no replay: it was played over the network, and only the host knew where the mines were.</source>
        <translation>Ta gra nie ma powtórki: rozegrano ją przez sieć i tylko gospodarz wiedział, gdzie są miny.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This game&apos;s replay was not kept.</source>
        <translation>Powtórka tej gry nie została zachowana.</translation>
    </message>
</context>
<context>
    <name>ThemesMenu</name>
    <message>
        <location filename="../src/shell/MainMenu.cpp" line="-28"/>
        <source>&amp;Windows Default</source>
        <translation>&amp;Domyślny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Theme 1</source>
        <translation>&amp;Motyw 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T&amp;heme 2</source>
        <translation>M&amp;otyw 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Th&amp;eme 3</source>
        <translation>Mo&amp;tyw 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The&amp;me 4</source>
        <translation>Mot&amp;yw 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;5</source>
        <translation>Motyw &amp;5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Theme &amp;6</source>
        <translation>Motyw &amp;6</translation>
    </message>
</context>
</TS>
