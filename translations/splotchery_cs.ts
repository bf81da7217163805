<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>O programu Splotchery</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>Víc se dozvíš v souboru readme.txt!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Nápověda ke hře Splotchery</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Z&amp;pět</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vpřed</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Hledat</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Jak používat nápovědu</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>Hledaná &amp;slova:</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>například: skvrny</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>&amp;Nalezená témata:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>Zo&amp;brazit</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>Počítač je na tahu</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>Počítač začíná</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>Hra končí remízou!</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>Tryska se ucpala!</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>Opravdu chceš hru ukončit?</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Ukončit program</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>Opravdu chceš začít novou hru?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>Co takhle remíza?</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nedostatek paměti</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Výborně!</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>Chytře vymyšleno!</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>Fantazie!</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Paráda!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Páni!</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>Hurá!</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>Jsi jednička!</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>Jupí!</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>Pěkně!</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>Super!</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>Smůla!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Zkus to znovu!</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>Nevzdávej to!</translation>
    </message>
    <message>
        <source>Oooh!</source>
        <translation>Óóóch!</translation>
    </message>
    <message>
        <source>Aaaaargh!</source>
        <translation>Áááách jo!</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>Hoď to za hlavu!</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>Dneska nemáš svůj den!</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>Nic si z toho nedělej!</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>Hlavu vzhůru!</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>Dáme ještě jednu!</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>Počítač vyhrál!  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>Vítězství je tvoje!  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 je na tahu</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 začíná</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 vítězí!</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1 – chyba</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>Chyba %1: 
%2
		nastala na řádku %3
v %4: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>Opravdu chceš vynulovat bilanci?</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Bilance</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>Tah %1: %2, %3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>Minule uloženou hru se nepodařilo načíst.</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>Čeká na tebe rozehraná hra: Hra › Pokračovat v poslední hře (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>Zeď</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>Zeď, %1 krát %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>červená</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>modrá</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>mastná skvrna</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdno</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>, vítězná řada</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>; zbytek prázdný</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Řádek %1: %2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Sloupec %1: %2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>Úhlopříčka dolů: %1. Úhlopříčka nahoru: %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>Žádná hra neběží.</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>%1 je na tahu, tah %2.</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>Zatím žádné tahy.</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1: tah na %2.</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>%1 vítězí: pět v řadě od %2 do %3.</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>%1 je obsazené.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>Rada: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>Vzato zpět: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>Vzato zpět: %1 a %2.</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>Tímto směrem není nic namalováno.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>Ahoj!</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>V Lenochově je pouť. Největší atrakcí letos je Kaňkárna tety Emy. Hází se tam na zeď míčky plné barvy. Kdo udělá krásnou kaňku, vyhraje cenu.</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>Teta Ema měla dnes plné ruce práce. Kdyby jí dva šmudlíci Rollo a Blippo nepomáhali plnit míčky, asi by to nezvládla.</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>Konečně je klid. Poslední návštěvníci z poutě zmizeli a teta Ema padla do postele, úplně utahaná, ale šťastná.</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>Rollo a Blippo si trochu zdřímli, ale teď by si chtěli užít legraci.</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>Samozřejmě hrají podle svých vlastních pravidel:</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>Místo házení míčků stříkají barvu plnicí pumpou rovnou na zeď. A aby to bylo napínavější, sázejí se, kdo jako první dostane pět kaněk do řady.</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>Herní scéna</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>Stánek</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>Boční obrázek</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>Pumpa na barvu</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>Malíř Červeného</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>Malíř Modrého</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>Loužička Červeného</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>Loužička Modrého</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Příběh</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Rada</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1 (stisknuto)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentář</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>Panel nabídek</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Rada</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Možnosti…</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>&amp;Příběh…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Hledat</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Jak používat nápovědu</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>&amp;O programu Splotchery…</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>Zvětšovat &amp;s oknem</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>&amp;Vzít tah zpět</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>&amp;Bilance…</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>Pokračova&amp;t v poslední hře</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>Přehrát &amp;znovu</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>&amp;Velikost zdi:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>Ú&amp;roveň:</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>nováček</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>začátečník</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>pokročilý</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>Č&amp;ervený:</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Počítač</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Člověk</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>Jméno Červeného</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Modrý:</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>Jméno Modrého</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>R&amp;ady</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>Mastné &amp;skvrny</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>&amp;Ucpaná tryska</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>&amp;Zvuky</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>mistr</translation>
    </message>
</context>
<context>
    <name>splot::RecordDialog</name>
    <message>
        <source>Record</source>
        <translation>Bilance</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Proti počítači</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Výhry</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Prohry</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Remízy</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>nováček</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>začátečník</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>pokročilý</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dva hráči</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>Výhry Červeného</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>Výhry Modrého</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Vynulovat</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>mistr</translation>
    </message>
</context>
<context>
    <name>splot::WallSizeControl</name>
    <message>
        <source>Upper left: bigger wall; lower right: smaller wall</source>
        <translation>Vlevo nahoře: větší zeď; vpravo dole: menší zeď</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>Zeď</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>Šipky posouvají, Enter stříká. L poslední tahy, T kdo je na tahu, R řádek, C sloupec, D úhlopříčky, Ctrl+šipky další kaňka.</translation>
    </message>
</context>
</TS>
