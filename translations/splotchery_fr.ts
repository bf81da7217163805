<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>À propos de Splotchery</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>Pour en savoir plus, lis readme.txt&#xa0;!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Aide de Splotchery</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Utilisation de l’aide</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>&amp;Mots à chercher&#xa0;:</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>par exemple&#xa0;: graisse</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>Sujets &amp;trouvés&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Afficher</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>À l’ordinateur de jouer</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>L’ordinateur commence</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>C’est match nul&#xa0;!</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>Buse bouchée&#xa0;!</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>Veux-tu vraiment quitter le jeu&#xa0;?</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>Veux-tu vraiment commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>Que dirais-tu d’un match nul&#xa0;?</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bien joué&#xa0;!</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>Trop malin&#xa0;!</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>Fantastique&#xa0;!</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>La classe&#xa0;!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Waouh&#xa0;!</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>Hourra&#xa0;!</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>T’es au top&#xa0;!</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>Youpi&#xa0;!</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>Joli coup&#xa0;!</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>Super&#xa0;!</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>Dommage&#xa0;!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Essaie encore&#xa0;!</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>Ne lâche rien&#xa0;!</translation>
    </message>
    <message>
        <source>Oooh!</source>
        <translation>Ooooh&#xa0;!</translation>
    </message>
    <message>
        <source>Aaaaargh!</source>
        <translation>Aaaaargh&#xa0;!</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>Laisse tomber&#xa0;!</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>Pas de veine aujourd’hui&#xa0;!</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>Tant pis&#xa0;!</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>T’en fais pas&#xa0;!</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>On en refait une&#xa0;!</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>L’ordinateur a gagné&#xa0;!  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>Tu as gagné&#xa0;!  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>À %1 de jouer</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 commence</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1 a gagné&#xa0;!</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>Erreur dans %1</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>Erreur %1&#xa0;: 
%2
		survenue à la ligne %3
dans %4&#xa0;: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>Veux-tu vraiment remettre le bilan à zéro&#xa0;?</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>Coup %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>La partie gardée la dernière fois n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>Une partie t’attend&#xa0;: Jeu › Reprendre la dernière partie (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>Mur, %1 sur %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>tache de graisse</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>, ligne gagnante</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>&#xa0;; le reste vide</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Colonne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>Diagonale descendante&#xa0;: %1. Diagonale montante&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>L’ordinateur</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>Aucune partie en cours.</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>%1 joue, coup %2.</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>Aucun coup pour l’instant.</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1 a joué %2.</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>%1 a gagné&#xa0;: cinq en ligne de %2 à %3.</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>%1 est déjà prise.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>Indice&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>Coup annulé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>Coups annulés&#xa0;: %1 et %2.</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>Rien de peint dans cette direction.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>Coucou&#xa0;!</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>À Flânebourg, c’est la fête foraine. Cette année, la grande attraction, c’est la Barbouillerie de Tante Emma. On y lance des balles pleines de peinture contre un mur. Qui fait une belle tache gagne un lot.</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>Tante Emma n’a pas chômé aujourd’hui. Si les deux slamoufles Rollo et Blippo ne l’avaient pas aidée à remplir les balles, elle ne s’en serait sans doute pas sortie.</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>Enfin, le calme est revenu. Les derniers visiteurs ont quitté la fête. Tante Emma est allée se coucher, épuisée mais heureuse.</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>Rollo et Blippo ont fait un petit somme, mais maintenant, ils ont bien envie de s’amuser.</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>Bien sûr, ils jouent selon leurs propres règles&#xa0;:</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>Au lieu de lancer des balles de peinture, ils font gicler la peinture droit sur le mur avec la pompe de remplissage. Et pour pimenter le tout, ils parient à qui alignera le premier cinq taches.</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>Scène du jeu</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>Baraque</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>Image latérale</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>Pompe à peinture</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>Peintre de Rouge</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>Peintre de Bleu</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>Flaque de Rouge</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>Flaque de Bleu</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Histoire</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1 (enfoncé)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>&amp;Histoire…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Utilisation de l’aide</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>À &amp;propos de Splotchery…</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>Agrandir avec la &amp;fenêtre</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>&amp;Annuler le coup</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>&amp;Bilan…</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>&amp;Reprendre la dernière partie</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>Re&amp;voir la partie</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>Taille du &amp;mur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>très facile</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>débutant</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>confirmé</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rouge&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>Or&amp;dinateur</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>Nom de Rouge</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Bleu&#xa0;:</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>Nom de Bleu</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>&amp;Indices</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>Taches de &amp;graisse</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>B&amp;use bouchée</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>Effets &amp;sonores</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>maître</translation>
    </message>
</context>
<context>
    <name>splot::RecordDialog</name>
    <message>
        <source>Record</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Nulles</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>très facile</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>débutant</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>confirmé</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>Victoires de Rouge</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>Victoires de Bleu</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Remettre à zéro</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>maître</translation>
    </message>
</context>
<context>
    <name>splot::WallSizeControl</name>
    <message>
        <source>Upper left: bigger wall; lower right: smaller wall</source>
        <translation>En haut à gauche&#xa0;: mur plus grand&#xa0;; en bas à droite&#xa0;: mur plus petit</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>Flèches pour se déplacer, Entrée pour peindre. L derniers coups, T tour, R ligne, C colonne, D diagonales, Ctrl+flèches tache suivante.</translation>
    </message>
</context>
</TS>
