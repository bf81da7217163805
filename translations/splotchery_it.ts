<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>Informazioni su Splotchery</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>Per saperne di più leggi readme.txt!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Guida di Splotchery</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>Come &amp;usare la guida</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>Scrivi le &amp;parole da cercare:</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>per esempio: unto</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>Argomenti &amp;trovati:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Mostra</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>Tocca al computer</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>Comincia il computer</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>La partita finisce in parità!</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>Ugello otturato!</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>Vuoi davvero smettere di giocare?</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>Vuoi davvero cominciare una nuova partita?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>Che ne dici di un pareggio?</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Ben fatto!</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>Geniale!</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>Fantastico!</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Forte!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Caspita!</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>Urrà!</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>Sei un mito!</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>Evviva!</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>Niente male!</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>Grande!</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>Peccato!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Riprova!</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>Non mollare!</translation>
    </message>
    <message>
        <source>Oooh!</source>
        <translation>Ooooh!</translation>
    </message>
    <message>
        <source>Aaaaargh!</source>
        <translation>Aaaaargh!</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>Acqua passata!</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>Oggi non è giornata!</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>Pazienza!</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>Su con la vita!</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>Rivincita!</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>Ha vinto il computer!  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>Hai vinto!  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Tocca a %1</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Comincia %1</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 ha vinto!</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>Errore in %1</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>Errore %1: 
%2
		avvenuto alla riga %3
in %4: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>Vuoi davvero azzerare le statistiche?</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>Mossa %1: %2, %3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>Impossibile leggere la partita rimasta in sospeso l&apos;ultima volta.</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>C&apos;è una partita in sospeso: Partita › Riprendi l&apos;ultima partita (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>Parete</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>Parete, %1 per %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rossa</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>chiazza d&apos;unto</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>, linea vincente</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>; le altre vuote</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Colonna %1: %2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>Diagonale in discesa: %1. Diagonale in salita: %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Il computer</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>Nessuna partita in corso.</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>%1 è di turno, mossa %2.</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>Ancora nessuna mossa.</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1 ha giocato %2.</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>%1 ha vinto: cinque in fila da %2 a %3.</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>La casella %1 è occupata.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>Consiglio: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>Mossa annullata: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>Mosse annullate: %1 e %2.</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>Nessuna macchia in quella direzione.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>Ehilà!</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>A Poltronopoli c&apos;è il luna park. Quest&apos;anno l&apos;attrazione più gettonata è lo Schizzificio di zia Emma: lì si tirano contro una parete palline piene di colore, e chi fa una bella macchia vince un premio.</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>Oggi zia Emma non si è fermata un attimo. Se i due sciamuffoli Rollo e Blippo non l&apos;avessero aiutata a riempire le palline, da sola non ce l&apos;avrebbe mai fatta.</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>Finalmente è tornata la quiete. Gli ultimi visitatori se ne sono andati dal luna park. Zia Emma è crollata a letto stanca morta, ma felice.</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>Rollo e Blippo hanno fatto un pisolino, ma adesso hanno voglia di divertirsi un po&apos;.</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>Naturalmente giocano con regole tutte loro:</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>Invece di tirare le palline, spruzzano il colore dritto sulla parete con la pompa di ricarica. E per rendere la sfida più emozionante, scommettono su chi riesce per primo a mettere 5 macchie in fila.</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>Scena del baraccone</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>Baraccone</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>Immagine laterale</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>Pompa del colore</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>Pittore di Rosso</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>Pittore di Blu</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>Pozza di colore di Rosso</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>Pozza di colore di Blu</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Storia</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Consiglio</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1 (pulsante premuto)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Consiglio</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni…</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>Stor&amp;ia…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>Come &amp;usare la guida</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>&amp;Informazioni su Splotchery…</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>&amp;Zoom con la finestra</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>&amp;Annulla mossa</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>S&amp;tatistiche…</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>&amp;Riprendi l&apos;ultima partita</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>Ri&amp;vedi la partita</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>&amp;Misura parete:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Livello:</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>novellino</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>principiante</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>intermedio</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>esperto</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rosso:</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>Nome di Rosso</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Blu:</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>Nome di Blu</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>Con&amp;sigli</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>Chiazze d&apos;&amp;unto</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>U&amp;gello otturato</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>&amp;Effetti sonori</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>maestro</translation>
    </message>
</context>
<context>
    <name>splot::RecordDialog</name>
    <message>
        <source>Record</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contro il computer</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vittorie</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Sconfitte</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Pareggi</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>novellino</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>principiante</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>intermedio</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>esperto</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Due giocatori</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>Vittorie di Rosso</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>Vittorie di Blu</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>maestro</translation>
    </message>
</context>
<context>
    <name>splot::WallSizeControl</name>
    <message>
        <source>Upper left: bigger wall; lower right: smaller wall</source>
        <translation>In alto a sinistra: parete più grande; in basso a destra: parete più piccola</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>Parete</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>Frecce per spostarsi, Invio per spruzzare. L ultime mosse, T turno, R riga, C colonna, D diagonali, Ctrl+frecce la macchia successiva.</translation>
    </message>
</context>
</TS>
