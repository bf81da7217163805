<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>O programie Splotchery</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>Więcej informacji znajdziesz w pliku readme.txt!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Pomoc programu Splotchery</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>Sz&amp;ukaj</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Jak korzystać z pomocy</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>Wp&amp;isz szukane słowa:</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>na przykład: plamy</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>Znalezione &amp;tematy:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>Po&amp;każ</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>Teraz komputer</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>Zaczyna komputer</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>Gra kończy się remisem!</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>Dysza się zatkała!</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>Na pewno chcesz skończyć grę?</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>Na pewno chcesz zacząć nową grę?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>Co powiesz na remis?</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Dobra robota!</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>Sprytnie!</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>Fantastycznie!</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Czadowo!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Łał!</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>Hurra!</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>Rządzisz!</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>Jupi!</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>Nieźle!</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>Super!</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>Szkoda!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Spróbuj jeszcze raz!</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>Nie poddawaj się!</translation>
    </message>
    <message>
        <source>Oooh!</source>
        <translation>Ooooch!</translation>
    </message>
    <message>
        <source>Aaaaargh!</source>
        <translation>Aaaaargh!</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>Olej to!</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>To nie twój dzień!</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>Trudno!</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>Głowa do góry!</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>Rewanż!</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>Wygrywa komputer!  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>Wygrywasz!  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Teraz %1</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Zaczyna %1</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>Wygrywa %1!</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1: błąd</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>Błąd %1: 
%2
		wystąpił w wierszu %3
w %4: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>Na pewno wyzerować statystyki?</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>Ruch %1: %2, %3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>Nie udało się odczytać gry zachowanej ostatnim razem.</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>Czeka niedokończona gra: Gra › Wznów ostatnią grę (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>Ściana</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>Ściana, %1 na %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwone</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieskie</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>tłusta plama</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>, zwycięska linia</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>; pozostałe puste</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rząd %1: %2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Kolumna %1: %2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>Przekątna w dół: %1. Przekątna w górę: %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>Żadna gra nie jest w toku.</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>Teraz %1, ruch %2.</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>Nie było jeszcze żadnego ruchu.</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1 maluje %2.</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>Wygrywa %1: pięć w rzędzie od %2 do %3.</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>Pole %1 jest zajęte.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>Porada: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>Cofnięto: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>Cofnięto: %1 i %2.</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>W tę stronę nie ma kleksów.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>Hej!</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>W Leniuchowie jest wesołe miasteczko. W tym roku największą atrakcją jest Kleksiarnia cioci Emmy. Rzuca się tam w ścianę piłeczkami pełnymi farby. Kto zrobi ładnego kleksa, wygrywa nagrodę.</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>Ciocia Emma miała dziś urwanie głowy. Gdyby nie dwaj szlamufle, Rollo i Blippo, którzy pomagali jej napełniać piłeczki, pewnie by sobie nie poradziła.</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>Wreszcie zrobiło się cicho. Ostatni goście zniknęli z wesołego miasteczka. Ciocia Emma poszła spać – wykończona, ale szczęśliwa.</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>Rollo i Blippo ucięli sobie drzemkę, ale teraz mają ochotę na trochę zabawy.</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>Oczywiście grają według własnych zasad:</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>Zamiast rzucać piłeczkami z farbą, pryskają farbą prosto na ścianę z pompy do napełniania. A żeby było ciekawiej, zakładają się, kto pierwszy ułoży 5 kleksów w rzędzie.</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>Scena z budką</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>Budka</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>Obrazek z boku</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>Pompa z farbą</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>Malarz Czerwonego</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>Malarz Niebieskiego</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>Kałuża Czerwonego</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>Kałuża Niebieskiego</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Porada</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1 (przycisk wciśnięty)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>Pasek menu</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Porada</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje…</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>&amp;Historia…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Jak korzystać z pomocy</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>&amp;O programie Splotchery…</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>&amp;Dopasuj do okna</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>&amp;Cofnij ruch</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>&amp;Statystyki…</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>&amp;Wznów ostatnią grę</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>Pow&amp;tórka</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>&amp;Wielkość ściany:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Poziom:</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>nowicjusz</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>początkujący</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>zaawansowany</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>ekspert</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Czerwony:</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Komputer</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Człowiek</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>Imię Czerwonego</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Niebieski:</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>Imię Niebieskiego</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>Po&amp;rady</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>&amp;Tłuste plamy</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>&amp;Zatkana dysza</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>mistrz</translation>
    </message>
</context>
<context>
    <name>splot::RecordDialog</name>
    <message>
        <source>Record</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Przeciwko komputerowi</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Remisy</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>nowicjusz</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>początkujący</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>zaawansowany</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>ekspert</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dwóch graczy</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>Wygrane Czerwonego</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>Wygrane Niebieskiego</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>mistrz</translation>
    </message>
</context>
<context>
    <name>splot::WallSizeControl</name>
    <message>
        <source>Upper left: bigger wall; lower right: smaller wall</source>
        <translation>Lewa górna połowa: większa ściana; prawa dolna: mniejsza ściana</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>Ściana</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>Strzałki przesuwają, Enter maluje. L ostatnie ruchy, T czyja kolej, R rząd, C kolumna, D przekątne, Ctrl+strzałki następny kleks.</translation>
    </message>
</context>
</TS>
