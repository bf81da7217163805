<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>Über Splotchery</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>Mehr dazu findest du in readme.txt!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Splotchery-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Benutzung der Hilfe</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>Such&amp;wörter eingeben:</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>zum Beispiel: Fett</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>Gefundene &amp;Themen:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeigen</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>Der Computer ist dran</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>Der Computer fängt an</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>Das Spiel endet unentschieden!</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>Düse verstopft!</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>Willst du das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>Willst du wirklich ein neues Spiel anfangen?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>Wie wär’s mit einem Unentschieden?</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>Ein Spiel wartet: Spiel › Letztes Spiel fortsetzen (Strg+R)</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>Das zuletzt aufbewahrte Spiel konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>Ganz schön schlau!</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>Fantastisch!</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Klasse!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Wahnsinn!</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>Hurra!</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>Du bist spitze!</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>Juhuu!</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>Prima!</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>Super!</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>Schade!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Versuch’s noch mal!</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>Gib nicht auf!</translation>
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
        <translation>Vergiss es!</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>Heute ist nicht dein Tag!</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>Macht nichts!</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>Kopf hoch!</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>Gleich noch mal!</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>Der Computer hat gewonnen!  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>Du hast gewonnen!  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 ist dran</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 fängt an</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 hat gewonnen!</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>Fehler in %1</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>Fehler %1: 
%2
		aufgetreten in Zeile %3
in %4: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>Willst du die Bilanz wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Bilanz</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>Zug %1: %2, %3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>Wand, %1 mal %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>Fettfleck</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>, Gewinnreihe</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>; der Rest leer</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>Diagonale abwärts: %1. Diagonale aufwärts: %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>Es läuft kein Spiel.</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>%1 ist dran, Zug %2.</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>Noch keine Züge.</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1 spielte %2.</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>%1 hat gewonnen: fünf in einer Reihe von %2 bis %3.</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>%1 ist besetzt.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>Tipp: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>Zurückgenommen: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>Zurückgenommen: %1 und %2.</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>In dieser Richtung ist nichts bemalt.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>Hallo!</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>In Trödelstadt ist Jahrmarkt. Die größte Attraktion in diesem Jahr ist Tante Emmas Kleckserei. Dort wirft man Bälle voller Farbe an eine Wand. Wer einen schönen Klecks macht, gewinnt einen Preis.</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>Tante Emma hatte heute alle Hände voll zu tun. Hätten ihr die beiden Schlamuffel Rollo und Blippo nicht beim Befüllen der Bälle geholfen, hätte sie es wohl kaum geschafft.</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>Jetzt ist endlich Ruhe eingekehrt. Die letzten Besucher sind vom Festplatz verschwunden. Tante Emma ist todmüde, aber glücklich ins Bett gefallen.</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>Rollo und Blippo haben ein Nickerchen gemacht, aber jetzt wollen sie ihren Spaß haben.</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>Natürlich spielen sie nach ihren eigenen Regeln:</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>Statt Farbbälle zu werfen, spritzen sie die Farbe mit der Nachfüllpumpe direkt an die Wand. Und damit es spannender wird, wetten sie, wer als Erster fünf Kleckse in eine Reihe bringt.</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>Spielszene</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>Bude</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>Seitenbild</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>Farbpumpe</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>Maler von Rot</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>Maler von Blau</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>Farbpfütze von Rot</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>Farbpfütze von Blau</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Geschichte</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1 (gedrückt)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>&amp;Geschichte …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Benutzung der Hilfe</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>&amp;Über Splotchery …</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>Mit dem Fenster &amp;wachsen</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>&amp;Zurücknehmen</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>Bil&amp;anz …</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>Letztes Spiel &amp;fortsetzen</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>Wieder&amp;holung</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>&amp;Wandgröße:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Spielstärke:</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>Neuling</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>Könner</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rot:</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>Name für Rot</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Blau:</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>Name für Blau</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>&amp;Fettflecken</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>&amp;Verstopfte Düse</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>&amp;Geräusche</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>Meister</translation>
    </message>
</context>
<context>
    <name>splot::RecordDialog</name>
    <message>
        <source>Record</source>
        <translation>Bilanz</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>Neuling</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>Könner</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>Siege Rot</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>Siege Blau</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>Meister</translation>
    </message>
</context>
<context>
    <name>splot::WallSizeControl</name>
    <message>
        <source>Upper left: bigger wall; lower right: smaller wall</source>
        <translation>Oben links: größere Wand, unten rechts: kleinere Wand</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>Pfeiltasten bewegen, Eingabe spritzt. L letzte Züge, T wer dran ist, R Zeile, C Spalte, D Diagonalen, Strg+Pfeile der nächste Klecks.</translation>
    </message>
</context>
</TS>
