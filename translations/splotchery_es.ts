<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>Acerca de Splotchery</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>¡Más información en readme.txt!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Ayuda de Splotchery</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>Cómo &amp;usar la ayuda</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>&amp;Escribe las palabras que buscas:</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>por ejemplo: grasa</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>&amp;Temas encontrados:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Mostrar</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>Le toca al ordenador</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>Empieza el ordenador</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>¡La partida acaba en empate!</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>¡Boquilla atascada!</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>¿Seguro que quieres salir del juego?</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>¿Seguro que quieres empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>¿Qué te parece si lo dejamos en empate?</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>¡Qué astucia!</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>¡Fantástico!</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>¡Guau!</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>¡Hurra!</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>¡Eres un crack!</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>¡Yupi!</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>¡Bonita jugada!</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>¡Súper!</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>¡Lástima!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>¡Inténtalo otra vez!</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>¡No te rindas!</translation>
    </message>
    <message>
        <source>Oooh!</source>
        <translation>¡Ooooh!</translation>
    </message>
    <message>
        <source>Aaaaargh!</source>
        <translation>¡Aaaaargh!</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>¡Olvídalo!</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>¡Hoy no es tu día!</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>¡No pasa nada!</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>¡Ánimo!</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>¡Otra, otra!</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>¡Ha ganado el ordenador!  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>¡Has ganado!  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Le toca a %1</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Empieza %1</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>¡Ha ganado %1!</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>Error en %1</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>Error %1: 
%2
		se produjo en la línea %3
en %4: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>¿Seguro que quieres poner el balance a cero?</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>Jugada %1: %2, %3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>No se ha podido leer la partida guardada la última vez.</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>Te espera una partida: Juego › Continuar la última partida (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>Pared</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>Pared, %1 por %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>mancha de grasa</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>, línea ganadora</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>; el resto, vacío</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Columna %1: %2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>Diagonal descendente: %1. Diagonal ascendente: %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>El ordenador</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>No hay ninguna partida en curso.</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>%1 tiene el turno, jugada %2.</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>Todavía no hay jugadas.</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1 ha jugado en %2.</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>%1 ha ganado: cinco en raya de %2 a %3.</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>%1 está ocupada.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>Pista: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>Jugada deshecha: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>Jugadas deshechas: %1 y %2.</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>No hay nada pintado en esa dirección.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>¡Hola!</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>En Villapereza hay feria. Este año, la gran atracción es la Manchería de la tía Emma. Allí se lanzan bolas llenas de pintura contra una pared. Quien hace una mancha bonita gana un premio.</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>La tía Emma no ha parado en todo el día. Si los dos eslamufles Rollo y Blippo no la hubieran ayudado a llenar las bolas, seguramente no habría podido con todo.</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>Por fin ha llegado la calma. Los últimos visitantes se han ido de la feria. La tía Emma se ha acostado rendida, pero feliz.</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>Rollo y Blippo se han echado una siestecita, pero ahora tienen ganas de divertirse.</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>Eso sí, ellos juegan con sus propias reglas:</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>En lugar de lanzar bolas de pintura, disparan la pintura directamente contra la pared con la bomba de recarga. Y para darle más emoción, apuestan a ver quién pone antes cinco manchas en raya.</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>Escena del juego</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>Caseta</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>Imagen lateral</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>Bomba de pintura</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>Pintor de Rojo</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>Pintor de Azul</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>Charco de Rojo</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>Charco de Azul</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1 (pulsado)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones…</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>&amp;Historia…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>Cómo &amp;usar la ayuda</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>Acerca &amp;de Splotchery…</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>&amp;Ampliar con la ventana</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>&amp;Deshacer jugada</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>&amp;Balance…</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>&amp;Continuar la última partida</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>&amp;Repetición</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>&amp;Tamaño de pared:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Nivel:</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>muy fácil</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>principiante</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>avanzado</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>experto</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rojo:</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Ordenador</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>Nombre de Rojo</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>A&amp;zul:</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>Nombre de Azul</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>&amp;Pistas</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>&amp;Manchas de grasa</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>&amp;Boquilla atascada</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Balance</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contra el ordenador</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Empatadas</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>muy fácil</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>principiante</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>avanzado</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>experto</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>Victorias de Rojo</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>Victorias de Azul</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Poner a cero</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
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
        <translation>Arriba a la izquierda: pared más grande; abajo a la derecha: pared más pequeña</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>Pared</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>Las flechas mueven, Intro pinta. L últimas jugadas, T turno, R fila, C columna, D diagonales, Ctrl+flechas la siguiente mancha.</translation>
    </message>
</context>
</TS>
