<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Ayuda</name>
    <message>
        <source>MINUTOS EXTRA</source>
        <translation>EXTRA MINUTES</translation>
    </message>
    <message>
        <source>OPCIONES</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>TECLADO</source>
        <translation>KEYBOARD</translation>
    </message>
    <message>
        <source>El Tumbla es un juego que, tomando como base el conocido Plombis, va mucho mas allá, con un montón de variaciones y novedades. Además de la clásica opción de ir completando líneas a través de diferentes fases, el Tumbla incluye nuevas y originales opciones de juego. Si te gusta el Plombis de toda la vida, pero buscas nuevos retos a los que hacer frente, ¡este es tu juego!.&lt;&gt;Consta de casi 300 niveles, en los que podrás encontrar multitud de modos de juego diferentes. Cada nivel tendrá su objetivo y sus obstáculos.</source>
        <translation>Tumbla takes the well-known Plombis as its starting point and goes a long way further, with loads of twists and new ideas. Besides the classic challenge of completing lines stage after stage, Tumbla brings new and original ways to play. If you love good old Plombis but are looking for fresh challenges, this is the game for you!&lt;&gt;There are nearly 300 levels, packed with different game modes. Every level has its own objective and its own obstacles.</translation>
    </message>
    <message>
        <source>Es el modo clásico del Plombis, el de toda la vida. A medida que avances de nivel, irán apareciendo diferentes handicaps.&lt;&gt;• Objetivo: Realizar un número determinado de líneas.&lt;&gt;• Handicap: &apos;Borrar en bloque&apos;. En lugar de que las líneas se borren según se vayan completando, con este obstáculo deberás realizar un número concreto de líneas para que estas desaparezcan.&lt;&gt;• Handicap: &apos;Subir Nivel&apos;. Cada vez que hagas cierto número de líneas, el tablero ascenderá.&lt;&gt;• Handicap: &apos;Bloques Extras&apos;. Irán apareciendo bloques aleatoriamente en el tablero.&lt;&gt;</source>
        <translation>This is classic Plombis, just the way you know it. As you work your way up through the levels, different handicaps come into play.&lt;&gt;• Objective: Complete a given number of lines.&lt;&gt;• Handicap: &apos;Clear Together&apos;. Lines no longer vanish as soon as they&apos;re complete: with this obstacle they only go once you&apos;ve completed a certain number of them.&lt;&gt;• Handicap: &apos;Rising Floor&apos;. Every time you complete a certain number of lines, the board moves up.&lt;&gt;• Handicap: &apos;Extra Blocks&apos;. Blocks keep popping up at random on the board.&lt;&gt;</translation>
    </message>
    <message>
        <source>• Handicap: &apos;Panic&apos;. El tablero se mueve a la izquierda.&lt;&gt;</source>
        <translation>• Handicap: &apos;Panic&apos;. The board shifts to the left.&lt;&gt;</translation>
    </message>
    <message>
        <source>• Handicap: &apos;Superpanic&apos;. El tablero se desordena aleatoriamente.</source>
        <translation>• Handicap: &apos;Superpanic&apos;. The board gets jumbled up at random.</translation>
    </message>
    <message>
        <source>En esta caso el objetivo no es hacer un número de líneas determinado, si no conseguir que la gota azul llegue hasta el suelo. Para ello, deberás ir borrando los bloques que tiene debajopara que vaya cayendo poco a poco. Ten en cuenta que los únicos bloques que te interesa borrar son los que están debajo de la gota. Intenta también no poner mas bloques en su camino, si no, los tendrás que hacer desaparecer después.&lt;&gt;• Objetivo: Llevar la gota azul hasta el suelo.&lt;&gt;• Handicap: Tiempo determinado para completar el nivel.&lt;&gt;• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda).</source>
        <translation>Here the goal isn&apos;t to complete a number of lines but to get the blue drop all the way down to the floor. To do that, clear away the blocks underneath it so that it sinks little by little. Bear in mind that the only blocks worth clearing are the ones below the drop. And try not to put more blocks in its way, or you&apos;ll have to get rid of them later.&lt;&gt;• Objective: Bring the blue drop down to the floor.&lt;&gt;• Handicap: A time limit to complete the level.&lt;&gt;• Bonus: You can use the Torpedo in this game (see the help).</translation>
    </message>
    <message>
        <source>La característica principal es que el tablero es más pequeño, cuadrado, y este se puede girar (con las teclas &apos;3&apos; y &apos;4&apos;). De esta forma puedes colocar las piezas en cualquier posición del tablero. Ten en cuenta que a pesar de esto las piezas pueden ser movidas y giradas como siempre (una vez que la ficha que cae está dentro del tablero, este no podrá girarse).&lt;&gt;Si realizas una línea vertical, esta quedará marcada por bloques neutros (sin color). Para borrar esa línea deberás girar el tablero para que se ponga en posición horizontal.&lt;&gt;• Objetivo: Realizar un número determinado de líneas.&lt;&gt;• Handicap: No tiene.&lt;&gt;• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda).</source>
        <translation>The big difference is that the board is smaller and square, and you can turn it (with the &apos;3&apos; and &apos;4&apos; keys), so you can fit pieces in anywhere on it. You can still move and rotate the pieces as usual, though (but once the falling piece is inside the board, the board can&apos;t be turned).&lt;&gt;If you make a vertical line, it gets marked with neutral (colourless) blocks. To clear that line, turn the board until the line lies flat.&lt;&gt;• Objective: Complete a given number of lines.&lt;&gt;• Handicap: None.&lt;&gt;• Bonus: You can use the Torpedo in this game (see the help).</translation>
    </message>
    <message>
        <source>Similar al Rotator, pero en este caso el objetivo es borrar TODOS los bloques iniciales para pasar de nivel. En este caso, cuando hagas una lína vertical y esta quede marcada con bloques neutros, estos también deberán ser eliminados para conseguir pasar de nivel.&lt;&gt;• Objetivo: Eliminar todos los bloques iniciales.&lt;&gt;• Handicap: Tiempo determinado para completar el nivel.&lt;&gt;• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda).</source>
        <translation>Like Rotator, except that to beat the level you have to clear ALL the blocks the board starts with. When you make a vertical line and it gets marked with neutral blocks, those have to go too before you can move on.&lt;&gt;• Objective: Clear all the starting blocks.&lt;&gt;• Handicap: A time limit to complete the level.&lt;&gt;• Bonus: You can use the Torpedo in this game (see the help).</translation>
    </message>
    <message>
        <source>Es una mezcla entre el Rotator y el Goteator. En esta caso te aparecerán dos gotas: una azul y otra rosa. La azul, al igual que en el Goteator, cae hasta el suelo en caso de que no tenga obstáculos debajo. La rosa es fija, no se mueve. Tu misión en este juego para poder pasar de nivel es conseguir juntar ambas gotas y, una vez que estén juntas, borrarlas A LA VEZ con una SOLA línea.&lt;&gt;En este juego también pueden girarse el tablero, de forma que puedas mover la gota azul por todo el tablero. Aunque mientras la gota azul está en movimiento (está cayendo), no se puede girar el tablero.&lt;&gt;Las gotas solo se borrarán cuando estén juntas (una pegada a la otra) y estén en la misma línea. En cualquier otro caso, no se borrarán nunca.&lt;&gt;• Objetivo: Juntar ambas gotas y borrarlas en una misma línea.&lt;&gt;• Handicap: Tiempo determinado para completar el nivel.&lt;&gt;• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda).</source>
        <translation>A mix of Rotator and Goteator. This time there are two drops, a blue one and a pink one. The blue one, just as in Goteator, falls to the floor whenever nothing is in its way. The pink one stays put. To beat the level, bring the two drops together and then clear them BOTH AT ONCE with a SINGLE line.&lt;&gt;You can turn the board in this game too, so you can steer the blue drop anywhere on it. While the blue drop is on the move (falling), though, the board can&apos;t be turned.&lt;&gt;The drops are only cleared when they&apos;re together (right next to each other) and in the same line. Any other way, they&apos;ll never be cleared.&lt;&gt;• Objective: Bring both drops together and clear them in the same line.&lt;&gt;• Handicap: A time limit to complete the level.&lt;&gt;• Bonus: You can use the Torpedo in this game (see the help).</translation>
    </message>
    <message>
        <source>Al comenzar cada nivel aparecerá una maceta en la parte inferior con una flor. Cada vez que coloques una ficha en el suelo, la planta crecerá un recuadro. La finalidad de este juego es la de eliminar la maceta, antes de que la planta llegue hasta el nivel superior del tablero.&lt;&gt;La planta crece hacia arriba o hacia los lados, nunca hacia abajo. Cuando la flor no pueda crecer en ninguna dirección, irá cambiando de color de blanco a amarillo, y de amarillo a rojo. Cuando esté roja, ascenderá atravesando todos los bloques que tenga sobre si. Cuando mediante una línea cortemos la planta en dos, todos los bloques por encima del corte desaparecerán. Cuando eliminemos la flor mediante una línea, la planta desaparecerá completamente, pero volverá a crecer después.&lt;&gt;• Objetivo: Eliminar la maceta.&lt;&gt;• Handicap: Tiempo determinado para completar el nivel.&lt;&gt;• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda).</source>
        <translation>Each level starts with a flowerpot at the bottom of the board, with a flower in it. Every time you set a piece down, the plant grows by one square. Your aim is to get rid of the pot before the plant reaches the top of the board.&lt;&gt;The plant grows upwards or sideways, never down. When the flower has nowhere left to grow, it turns from white to yellow, and from yellow to red. Once it&apos;s red, it shoots up through every block above it. When a line cuts the plant in two, all the blocks above the cut vanish. When a line takes out the flower, the whole plant disappears, but it grows back later.&lt;&gt;• Objective: Get rid of the flowerpot.&lt;&gt;• Handicap: A time limit to complete the level.&lt;&gt;• Bonus: You can use the Torpedo in this game (see the help).</translation>
    </message>
    <message>
        <source>En algunos juegos (Goteator, Rotator, Rotator Plus, Juntator y Podator) tienes un ficha extra que te ayudará a resolver el plombis: El Torpedo. Cada 4 líneas que hagas en uno de estos juegos, te aparecerá una ficha formada por un único bloque neutro (sin color).&lt;&gt;Esta ficha tiene una característica peculiar: Si la bajas con el cursor, la ficha actuará igual que las demás. Pero si la bajas con la barra espaciadora (bajar de golpe), esta pieza atravesará la primera capa de bloques incrustándose en el primer hueco justo por debajo de esta. Si no hay ningún hueco libre, se quedará encima. Aunque pueda sonar un poco complicado, en cuanto la veas y la uses un par de veces entederás su función.&lt;&gt;Esta ficha es muy útil para tapar huecos en los niveles inferiores del tablero.</source>
        <translation>In some games (Goteator, Rotator, Rotator Plus, Juntator and Podator) you get an extra piece to help you out of a tight spot: the Torpedo. Every 4 lines you complete in one of these games, a piece made of a single neutral (colourless) block shows up.&lt;&gt;This piece has a trick up its sleeve: if you bring it down with the arrow key, it behaves like any other piece. But if you drop it with the space bar (a hard drop), it bores through the top layer of blocks and lodges in the first gap right underneath. If there&apos;s no gap, it stays on top. It may sound a bit complicated, but once you&apos;ve seen it and used it a couple of times you&apos;ll get the hang of it.&lt;&gt;It&apos;s very handy for plugging holes low down on the board.</translation>
    </message>
    <message>
        <source>En los juegos con tiempo para finalizar el nivel, tienes como ayuda los &apos;Minutos Extra&apos;. Si no consigues finalizar el nivel porque se te ha agotado el tiempo y cuentas con Minutos Extra, podrás utilizarlos para alargar la partida.&lt;&gt;Conseguirás 1 minuto extra cada día, o cada vez que completes un nivel.</source>
        <translation>In the games with a time limit, &apos;Extra Minutes&apos; can come to the rescue. If the clock runs out before you finish a level and you have Extra Minutes saved up, you can use them to keep playing.&lt;&gt;You earn 1 extra minute every day, and every time you complete a level.</translation>
    </message>
    <message>
        <source>• Normal: Las 7 fichas clásicas, Tetrominós (formadas por cuatro bloques cada una).&lt;&gt;• Difícil: Se añaden los 19 Pentominós (formadas por cinco bloques cada una).&lt;&gt;• Sonido: Para activar/desactivar el sonido.&lt;&gt;• Minutos extra: Indica cuántos tienes acumulados.&lt;&gt;• Reset: Elimina los niveles ya superados para comenzar desde cero.</source>
        <translation>• Normal: The 7 classic pieces, the tetrominoes (four blocks each).&lt;&gt;• Hard: Adds the 19 pentominoes (five blocks each).&lt;&gt;• Sound: Turns the sound on or off.&lt;&gt;• Extra minutes: Shows how many you&apos;ve saved up.&lt;&gt;• Reset: Wipes out the levels you&apos;ve completed, so you can start again from scratch.</translation>
    </message>
    <message>
        <source>• Izquierda: Mover la pieza a la izquierda.&lt;&gt;• Derecha: Mover la pieza a la derecha.&lt;&gt;• Arriba: Girar la pieza.&lt;&gt;• Abajo: Bajar la pieza poco a poco.&lt;&gt;• Espacio: Bajar la pieza de golpe. / Lanzar el Torpedo.&lt;&gt;• 3: Girar el tablero en el sentido contrario a las agujas del reloj.&lt;&gt;• 4: Girar el tablero en el sentido de las agujas del reloj.&lt;&gt;• F1: Ayuda.&lt;&gt;• F2: Nueva partida.&lt;&gt;• F3: Pausar/Continuar partida.&lt;&gt;• S: Quitar/Poner el sonido.</source>
        <translation>• Left: Move the piece left.&lt;&gt;• Right: Move the piece right.&lt;&gt;• Up: Rotate the piece.&lt;&gt;• Down: Bring the piece down bit by bit.&lt;&gt;• Space: Drop the piece in one go. / Fire the Torpedo.&lt;&gt;• 3: Turn the board anticlockwise.&lt;&gt;• 4: Turn the board clockwise.&lt;&gt;• F1: Help.&lt;&gt;• F2: New game.&lt;&gt;• F3: Pause/resume the game.&lt;&gt;• S: Sound off/on.</translation>
    </message>
    <message>
        <source>TUS TECLAS</source>
        <translation>YOUR KEYS</translation>
    </message>
    <message>
        <source>Las teclas que tienes ahora (se cambian en Opciones &gt; Teclas...):</source>
        <translation>Your keys as they are now (change them in Options &gt; Keys...):</translation>
    </message>
    <message>
        <source>• F1: Ayuda. F2: Nueva partida. F10, o Alt y la letra subrayada: abrir los menús. F11: Pantalla completa. Ctrl+Q: Salir. Escape: cerrar un menú o una ventana.</source>
        <translation>• F1: Help. F2: New game. F10, or Alt and the underlined letter: open the menus. F11: Full screen. Ctrl+Q: Quit. Escape: close a menu or a window.</translation>
    </message>
    <message>
        <source>Mientras mantienes pulsada una tecla de mover, la pieza se mueve en cuanto la pulsas, otra vez a los %1 ms y después %2 veces por segundo; la de bajar una fila, sostenida, la baja %3 filas por segundo. Ese ritmo también se elige en Opciones &gt; Teclas...</source>
        <translation>While you hold down a move key, the piece moves the moment you press it, again after %1 ms and then %2 times a second; holding the key that brings it down a row drops it %3 rows a second. You can set this pace in Options &gt; Keys... too.</translation>
    </message>
    <message>
        <source>NOVEDADES</source>
        <translation>WHAT&apos;S NEW</translation>
    </message>
    <message>
        <source>• Teclas... (Opciones): elige tus propias teclas y el ritmo de una tecla sostenida. Una tecla que ya usa otra acción no se acepta; «Predeterminadas» devuelve las del juego.</source>
        <translation>• Keys... (Options): choose your own keys, and how fast a held key repeats. A key another action already uses is turned down; “Defaults” brings back the game&apos;s own.</translation>
    </message>
    <message>
        <source>• Sombra de la pieza (Opciones): muestra dónde caerá la pieza.</source>
        <translation>• Landing Shadow (Options): shows where the piece will land.</translation>
    </message>
    <message>
        <source>• Pista (Opciones): marca dónde pondría la pieza el ordenador. Un nivel completado con pista cuenta como superado, pero su puntuación no es récord, y el panel lo avisa.</source>
        <translation>• Hint (Options): outlines where the computer would put the piece. A level completed with the hint counts as beaten, but its score doesn&apos;t count as a record, and the panel tells you so.</translation>
    </message>
    <message>
        <source>• Demostración (Juego): el ordenador juega el nivel que elijas y, si lo gana, sigue con el siguiente. Cualquier tecla, clic u orden la termina, y no guarda nada.</source>
        <translation>• Demo (Game): the computer plays the level you pick and, if it wins, moves on to the next one. Any key, click or command stops it, and it saves nothing.</translation>
    </message>
    <message>
        <source>• Pantalla completa (Opciones, o F11). El juego recuerda el sitio y el tamaño de su ventana.</source>
        <translation>• Full Screen (Options, or F11). The game remembers where its window was and how big it was.</translation>
    </message>
    <message>
        <source>• Mando: la cruceta o la palanca izquierda mueven y bajan la pieza (sostenidas, al ritmo de las teclas), A la gira, X la gira al otro lado, B la suelta o lanza el Torpedo, los botones superiores giran el tablero y Start pausa.</source>
        <translation>• Game pad: the d-pad or the left stick moves the piece and brings it down (held, at the same pace as held keys), A rotates it, X rotates it the other way, B drops it or fires the Torpedo, the shoulder buttons turn the board and Start pauses.</translation>
    </message>
    <message>
        <source>• Pausa (Juego, o la tecla de pausa). Mientras un menú está abierto el juego espera, y sigue al cerrarlo. Una ventana del juego (la ayuda, «Acerca de», «Teclas...») o la ventana sin el foco lo pausan, y sigue con la tecla de pausa.</source>
        <translation>• Pause (Game, or the pause key). While a menu is open the game waits, and picks up again when it closes. A window of the game&apos;s own (the help, “About”, “Keys...”) or switching to another window pauses it, and the pause key gets it going again.</translation>
    </message>
    <message>
        <source>• Abandonar el nivel (Juego): da el nivel por perdido, sin minuto extra ni récord.</source>
        <translation>• Give Up Level (Game): counts the level as lost, with no extra minute and no record.</translation>
    </message>
</context>
<context>
    <name>CodigoCompartir</name>
    <message>
        <source>el nivel no tiene prueba de que se pueda ganar</source>
        <translation>the level has no proof that it can be won</translation>
    </message>
    <message>
        <source>su prueba no es una partida de teclas de juego</source>
        <translation>its proof isn&apos;t a game played with the game&apos;s keys</translation>
    </message>
    <message>
        <source>su prueba no se puede volver a jugar con sus teclas</source>
        <translation>its proof can&apos;t be replayed from its keys</translation>
    </message>
    <message>
        <source>el código es demasiado largo</source>
        <translation>the code is too long</translation>
    </message>
    <message>
        <source>no es un código de nivel de Tumbla</source>
        <translation>it isn&apos;t a Tumbla level code</translation>
    </message>
    <message>
        <source>es un código de otra versión del juego (este lee la %1)</source>
        <translation>it&apos;s a code from another version of the game (this one reads version %1)</translation>
    </message>
    <message>
        <source>el código tiene caracteres que no son suyos</source>
        <translation>the code has characters that don&apos;t belong in it</translation>
    </message>
    <message>
        <source>el código está incompleto</source>
        <translation>the code is incomplete</translation>
    </message>
    <message>
        <source>el código está incompleto o mal copiado</source>
        <translation>the code is incomplete or was copied wrong</translation>
    </message>
    <message>
        <source>el código no describe un nivel</source>
        <translation>the code doesn&apos;t describe a level</translation>
    </message>
    <message>
        <source>el nivel no vale: %1</source>
        <translation>the level isn&apos;t valid: %1</translation>
    </message>
    <message>
        <source>su prueba no vale: %1</source>
        <translation>its proof isn&apos;t valid: %1</translation>
    </message>
</context>
<context>
    <name>Comprobacion</name>
    <message>
        <source>Comprobación cancelada. </source>
        <translation>Check stopped. </translation>
    </message>
    <message>
        <source>Ganadas %1 de %2 partidas.</source>
        <translation>Won %1 of %2 games.</translation>
    </message>
    <message>
        <source> Una victoria lleva %1 piezas y %2 segundos (medianas).</source>
        <translation> A win takes %1 pieces and %2 seconds (medians).</translation>
    </message>
    <message>
        <source>se acabó el tiempo</source>
        <translation>time ran out</translation>
    </message>
    <message>
        <source>quedaron bloques sobre el tablero cuadrado</source>
        <translation>blocks were left above the square board</translation>
    </message>
    <message>
        <source>la planta llegó arriba</source>
        <translation>the plant reached the top</translation>
    </message>
    <message>
        <source>no cabía la pieza siguiente</source>
        <translation>the next piece didn&apos;t fit</translation>
    </message>
    <message>
        <source>duraba más de %1 minutos</source>
        <translation>it lasted more than %1 minutes</translation>
    </message>
    <message>
        <source>
Perdidas: %1.</source>
        <translation>
Lost: %1.</translation>
    </message>
    <message>
        <source>No se ha jugado ninguna partida.</source>
        <translation>No game has been played.</translation>
    </message>
    <message>
        <source>Demasiado difícil: el ordenador lo gana en menos de una partida de cada diez.</source>
        <translation>Too hard: the computer wins it in fewer than one game in ten.</translation>
    </message>
    <message>
        <source>Cumple la regla de los niveles del juego: se gana al menos una partida de cada diez.</source>
        <translation>It meets the rule for the game&apos;s levels: at least one game in ten is won.</translation>
    </message>
    <message>
        <source>Aún no se puede decir si se gana una partida de cada diez.</source>
        <translation>It&apos;s too early to tell whether one game in ten is won.</translation>
    </message>
    <message>
        <source>Es ganable: la partida ganada más corta queda como su prueba.</source>
        <translation>Winnable: the shortest game won is kept as its proof.</translation>
    </message>
    <message>
        <source>No es ganable: sin una partida ganada no tiene prueba.</source>
        <translation>Not winnable: with no game won, it has no proof.</translation>
    </message>
</context>
<context>
    <name>Entradas</name>
    <message>
        <source>Mover a la izquierda</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>Mover a la derecha</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>Girar la pieza</source>
        <translation>Rotate the piece</translation>
    </message>
    <message>
        <source>Girar al otro lado</source>
        <translation>Rotate the other way</translation>
    </message>
    <message>
        <source>Bajar una fila</source>
        <translation>Move down a row</translation>
    </message>
    <message>
        <source>Soltar la pieza o el torpedo</source>
        <translation>Drop the piece or fire the torpedo</translation>
    </message>
    <message>
        <source>Girar el tablero a la izquierda</source>
        <translation>Turn the board left</translation>
    </message>
    <message>
        <source>Girar el tablero a la derecha</source>
        <translation>Turn the board right</translation>
    </message>
    <message>
        <source>Pausa</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&amp;Pausa</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Sonido</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>S&amp;onido (S)</source>
        <translation>S&amp;ound (S)</translation>
    </message>
    <message>
        <source>&amp;Nuevo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Acerca de...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Demostración</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>A&amp;bandonar el nivel</source>
        <translation>&amp;Give Up Level</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Difícil</source>
        <translation>&amp;Hard</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Sombra de la &amp;pieza</source>
        <translation>Landing &amp;Shadow</translation>
    </message>
    <message>
        <source>P&amp;ista</source>
        <translation>H&amp;int</translation>
    </message>
    <message>
        <source>&amp;Originales</source>
        <translation>&amp;Original</translation>
    </message>
    <message>
        <source>&amp;Adaptados al daltonismo</source>
        <translation>Colour-&amp;Blind Friendly</translation>
    </message>
    <message>
        <source>Alto &amp;contraste</source>
        <translation>High &amp;Contrast</translation>
    </message>
    <message>
        <source>Reducir d&amp;estellos</source>
        <translation>Reduce &amp;Flashing</translation>
    </message>
    <message>
        <source>&amp;Teclas...</source>
        <translation>&amp;Keys...</translation>
    </message>
    <message>
        <source>Pantalla &amp;completa</source>
        <translation>F&amp;ull Screen</translation>
    </message>
    <message>
        <source>Retroceso</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Tabulador</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Espacio</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Re Pág</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Av Pág</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Flecha izquierda</source>
        <translation>Left Arrow</translation>
    </message>
    <message>
        <source>Flecha arriba</source>
        <translation>Up Arrow</translation>
    </message>
    <message>
        <source>Flecha derecha</source>
        <translation>Right Arrow</translation>
    </message>
    <message>
        <source>Flecha abajo</source>
        <translation>Down Arrow</translation>
    </message>
    <message>
        <source>Insertar</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Suprimir</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>(ninguna)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Pausa, y seguir</source>
        <translation>Pause, and go on</translation>
    </message>
    <message>
        <source>&amp;Repeticiones...</source>
        <translation>&amp;Replays...</translation>
    </message>
    <message>
        <source>Al principio</source>
        <translation>To the start</translation>
    </message>
    <message>
        <source>Al final</source>
        <translation>To the end</translation>
    </message>
    <message>
        <source>Salir de la repetición</source>
        <translation>Leave the replay</translation>
    </message>
    <message>
        <source>Más despacio</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Más deprisa</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Una pieza atrás</source>
        <translation>One piece back</translation>
    </message>
    <message>
        <source>Una pieza adelante</source>
        <translation>One piece forward</translation>
    </message>
    <message>
        <source>Seguir desde aquí</source>
        <translation>Play on from here</translation>
    </message>
</context>
<context>
    <name>FaltasRegistro</name>
    <message>
        <source>el registro es de tipo &apos;%1&apos; y el grupo %2 juega registros %3</source>
        <translation>the record is of type &apos;%1&apos; and group %2 plays %3 records</translation>
    </message>
    <message>
        <source>las celdas &apos;%1&apos; no son números de tres cifras</source>
        <translation>the cells &apos;%1&apos; aren&apos;t three-digit numbers</translation>
    </message>
    <message>
        <source>&apos;%1&apos; no es un número</source>
        <translation>&apos;%1&apos; isn&apos;t a number</translation>
    </message>
    <message>
        <source>&apos;%1&apos; es demasiado grande</source>
        <translation>&apos;%1&apos; is too large</translation>
    </message>
    <message>
        <source>la gota &apos;%1&apos; está fuera del tablero</source>
        <translation>the drop &apos;%1&apos; is off the board</translation>
    </message>
    <message>
        <source>hay que hacer al menos una línea</source>
        <translation>at least one line must be made</translation>
    </message>
    <message>
        <source>falta la gota</source>
        <translation>the drop is missing</translation>
    </message>
    <message>
        <source>la gota está fuera del tablero cuadrado</source>
        <translation>the drop is outside the square board</translation>
    </message>
    <message>
        <source>la gota está dentro del montón</source>
        <translation>the drop is inside the pile</translation>
    </message>
    <message>
        <source>falta la maceta</source>
        <translation>the pot is missing</translation>
    </message>
    <message>
        <source>la maceta no está en el suelo</source>
        <translation>the pot isn&apos;t on the floor</translation>
    </message>
    <message>
        <source>la celda %1 (fila %2) está fuera del tablero</source>
        <translation>cell %1 (row %2) is off the board</translation>
    </message>
    <message>
        <source>la celda %1 (fila %2) está donde entran las piezas</source>
        <translation>cell %1 (row %2) is where the pieces come in</translation>
    </message>
    <message>
        <source>la celda %1 (fila %2) está sobre el tablero cuadrado</source>
        <translation>cell %1 (row %2) is above the square board</translation>
    </message>
    <message>
        <source>la celda %1 (fila %2) está dos veces</source>
        <translation>cell %1 (row %2) appears twice</translation>
    </message>
    <message>
        <source>la celda %1 (fila %2) tapa la flor de la maceta</source>
        <translation>cell %1 (row %2) covers the pot&apos;s flower</translation>
    </message>
    <message>
        <source>la gota ya está en el suelo</source>
        <translation>the drop is already on the floor</translation>
    </message>
    <message>
        <source>no hay bloques que quitar</source>
        <translation>there are no blocks to clear</translation>
    </message>
    <message>
        <source>la fila %1 está llena desde el principio</source>
        <translation>row %1 is full from the start</translation>
    </message>
</context>
<context>
    <name>Juego</name>
    <message>
        <source>No se ha podido abrir la ayuda: %1</source>
        <translation>Couldn&apos;t open the help: %1</translation>
    </message>
    <message>
        <source>¿Estás seguro/a?</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>No se puede leer el archivo de ajustes:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Puedes seguir jugando, pero sin el progreso, los récords ni las opciones que guarda. Lo de esta sesión tampoco se guardará; el archivo se queda como está.</source>
        <translation>The settings file can&apos;t be read:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>You can keep playing, but without the progress, records and options it holds. Nothing from this session will be saved either; the file is left as it is.</translation>
    </message>
    <message>
        <source>No se puede guardar en el archivo de ajustes:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Puedes seguir jugando, pero el progreso, los récords y las opciones de esta sesión no se guardarán. Lo guardado antes se queda como está.</source>
        <translation>Nothing can be saved to the settings file:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>You can keep playing, but this session&apos;s progress, records and options won&apos;t be saved. What was saved before stays as it was.</translation>
    </message>
    <message>
        <source>Enhorabuena! Acabas de obtener otro minuto extra.<byte value="xd"/><byte value="xd"/>Ya tienes %1 minutos extra acumulados.</source>
        <translation>Well done! You&apos;ve just earned another extra minute.<byte value="xd"/><byte value="xd"/>Extra minutes saved up: %1.</translation>
    </message>
    <message>
        <source>Acerca de Tumbla</source>
        <translation>About Tumbla</translation>
    </message>
    <message>
        <source>Teclas</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>No se ha podido escribir la ayuda: %1</source>
        <translation>Couldn&apos;t write the help: %1</translation>
    </message>
    <message>
        <source>Para esta opción debes haber finalizado la partida.</source>
        <translation>Finish the game in progress before using this option.</translation>
    </message>
    <message>
        <source>¿Quieres resetear el juego?</source>
        <translation>Do you want to reset the game?</translation>
    </message>
    <message>
        <source>FELICIDADES!<byte value="xd"/><byte value="xd"/>Has conseguido acabar el juego!</source>
        <translation>CONGRATULATIONS!<byte value="xd"/><byte value="xd"/>You&apos;ve beaten the whole game!</translation>
    </message>
    <message>
        <source>Te quedan %1 minutos extra.<byte value="xd"/><byte value="xd"/>¿Quieres usar uno para continuar?</source>
        <translation>Time&apos;s up! Extra minutes left: %1.<byte value="xd"/><byte value="xd"/>Do you want to use one to keep playing?</translation>
    </message>
    <message>
        <source>FELICIDADES!<byte value="xd"/><byte value="xd"/>Has acabado el paquete «%1»!</source>
        <translation>CONGRATULATIONS!<byte value="xd"/><byte value="xd"/>You&apos;ve finished the pack “%1”!</translation>
    </message>
    <message>
        <source>Repeticiones</source>
        <translation>Replays</translation>
    </message>
</context>
<context>
    <name>NivelPropio</name>
    <message>
        <source>el grupo &apos;%1&apos; no existe</source>
        <translation>group &apos;%1&apos; doesn&apos;t exist</translation>
    </message>
    <message>
        <source>solo puede llevar texto de una línea</source>
        <translation>only one line of text is allowed</translation>
    </message>
    <message>
        <source>no puede quedar vacío</source>
        <translation>can&apos;t be empty</translation>
    </message>
    <message>
        <source>tiene más de %1 caracteres</source>
        <translation>is longer than %1 characters</translation>
    </message>
    <message>
        <source>el nombre solo puede llevar texto de una línea</source>
        <translation>the name can only be one line of text</translation>
    </message>
    <message>
        <source>el nombre no puede quedar vacío</source>
        <translation>the name can&apos;t be empty</translation>
    </message>
    <message>
        <source>el nombre tiene más de %1 caracteres</source>
        <translation>the name is longer than %1 characters</translation>
    </message>
    <message>
        <source>la descripción solo puede llevar texto de una línea</source>
        <translation>the description can only be one line of text</translation>
    </message>
    <message>
        <source>la descripción no puede quedar vacía</source>
        <translation>the description can&apos;t be empty</translation>
    </message>
    <message>
        <source>la descripción tiene más de %1 caracteres</source>
        <translation>the description is longer than %1 characters</translation>
    </message>
    <message>
        <source>el autor solo puede llevar texto de una línea</source>
        <translation>the author can only be one line of text</translation>
    </message>
    <message>
        <source>el autor no puede quedar vacío</source>
        <translation>the author can&apos;t be empty</translation>
    </message>
    <message>
        <source>el autor tiene más de %1 caracteres</source>
        <translation>the author is longer than %1 characters</translation>
    </message>
    <message>
        <source>El nombre del paquete solo puede llevar texto de una línea.</source>
        <translation>The pack&apos;s name can only be one line of text.</translation>
    </message>
    <message>
        <source>El nombre del paquete no puede quedar vacío.</source>
        <translation>The pack&apos;s name can&apos;t be empty.</translation>
    </message>
    <message>
        <source>El nombre del paquete tiene más de %1 caracteres.</source>
        <translation>The pack&apos;s name is longer than %1 characters.</translation>
    </message>
    <message>
        <source>Copia de %1</source>
        <translation>Copy of %1</translation>
    </message>
</context>
<context>
    <name>Niveles</name>
    <message>
        <source>Demostración: elige el nivel que jugará el ordenador</source>
        <translation>Demo: pick the level the computer will play</translation>
    </message>
    <message>
        <source>Juego pausado. Pulsa ESCAPE para continuar.</source>
        <translation>Game paused. Press ESC to resume.</translation>
    </message>
    <message>
        <source>¿Volver a intentarlo?</source>
        <translation>Try again?</translation>
    </message>
    <message>
        <source>Selecciona un nivel</source>
        <translation>Choose a level</translation>
    </message>
    <message>
        <source>Nivel: %1 - %2</source>
        <translation>Level: %1 - %2</translation>
    </message>
</context>
<context>
    <name>Pantalla</name>
    <message>
        <source>PAUSA (F3)</source>
        <translation>PAUSED (F3)</translation>
    </message>
    <message>
        <source>Con pista:
sin récord</source>
        <translation>Hint used:
no record</translation>
    </message>
    <message>
        <source>Pulsa F2 para elegir un nivel</source>
        <translation>Press F2 to choose a level</translation>
    </message>
    <message>
        <source>Pulsa &lt;INTRO&gt; para continuar.</source>
        <translation>Press &lt;ENTER&gt; to continue.</translation>
    </message>
    <message>
        <source>Minutos extra: %1</source>
        <translation>Extra minutes: %1</translation>
    </message>
    <message>
        <source>Minutos</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>TRY</translation>
    </message>
    <message>
        <source>Nº %1</source>
        <translation>No. %1</translation>
    </message>
</context>
<context>
    <name>Paquete</name>
    <message>
        <source>Nivel %1: %2.</source>
        <translation>Level %1: %2.</translation>
    </message>
    <message>
        <source>Nivel %1, «%2»: %3.</source>
        <translation>Level %1, “%2”: %3.</translation>
    </message>
    <message>
        <source>el grupo &apos;%1&apos; no existe</source>
        <translation>group &apos;%1&apos; doesn&apos;t exist</translation>
    </message>
    <message>
        <source>le falta el registro</source>
        <translation>its record is missing</translation>
    </message>
    <message>
        <source>su registro no vale: %1</source>
        <translation>its record isn&apos;t valid: %1</translation>
    </message>
    <message>
        <source>línea %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>es demasiado grande para ser un paquete de niveles</source>
        <translation>it&apos;s too large to be a level pack</translation>
    </message>
    <message>
        <source>no es un paquete de niveles de Tumbla</source>
        <translation>it isn&apos;t a Tumbla level pack</translation>
    </message>
    <message>
        <source>es un paquete de la versión &apos;%1&apos; del formato, y este juego lee la %2</source>
        <translation>it&apos;s a pack in version &apos;%1&apos; of the format, and this game reads version %2</translation>
    </message>
    <message>
        <source>es demasiado larga</source>
        <translation>it&apos;s too long</translation>
    </message>
    <message>
        <source>&apos;%1&apos; aparece dos veces</source>
        <translation>&apos;%1&apos; appears twice</translation>
    </message>
    <message>
        <source>el paquete tiene más de %1 niveles</source>
        <translation>the pack has more than %1 levels</translation>
    </message>
    <message>
        <source>la prueba debe empezar con &apos;prueba HUELLA LINEAS&apos;</source>
        <translation>the proof must start with &apos;prueba HUELLA LINEAS&apos;</translation>
    </message>
    <message>
        <source>la prueba es demasiado larga</source>
        <translation>the proof is too long</translation>
    </message>
    <message>
        <source>la prueba acaba antes de sus %1 líneas</source>
        <translation>the proof ends before its %1 lines</translation>
    </message>
    <message>
        <source>no se entiende &apos;%1&apos;</source>
        <translation>&apos;%1&apos; isn&apos;t understood</translation>
    </message>
    <message>
        <source>el paquete no tiene nombre</source>
        <translation>the pack has no name</translation>
    </message>
    <message>
        <source>no tiene prueba de que se pueda ganar</source>
        <translation>it has no proof that it can be won</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande para ser un paquete de niveles</source>
        <translation>the file is too large to be a level pack</translation>
    </message>
    <message>
        <source>no se puede leer el archivo</source>
        <translation>the file can&apos;t be read</translation>
    </message>
    <message>
        <source>no se ha podido escribir %1</source>
        <translation>%1 couldn&apos;t be written</translation>
    </message>
    <message>
        <source>hay demasiados paquetes con el nombre &apos;%1&apos;</source>
        <translation>there are too many packs named &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Mis niveles</source>
        <translation>My levels</translation>
    </message>
</context>
<context>
    <name>Prueba</name>
    <message>
        <source>la prueba cambia la fecha o los ajustes de un jugador nuevo (línea %1)</source>
        <translation>the proof changes the date or a new player&apos;s settings (line %1)</translation>
    </message>
    <message>
        <source>la prueba usa el menú (línea %1)</source>
        <translation>the proof uses the menu (line %1)</translation>
    </message>
    <message>
        <source>la prueba gasta minutos extra (línea %1)</source>
        <translation>the proof spends extra minutes (line %1)</translation>
    </message>
    <message>
        <source>la prueba juega otro nivel (línea %1)</source>
        <translation>the proof plays another level (line %1)</translation>
    </message>
    <message>
        <source>el nivel tiene faltas</source>
        <translation>the level has faults</translation>
    </message>
    <message>
        <source>el nivel no es el que ganó su prueba: ha cambiado desde entonces</source>
        <translation>the level isn&apos;t the one its proof won: it has changed since</translation>
    </message>
    <message>
        <source>la prueba es demasiado larga</source>
        <translation>the proof is too long</translation>
    </message>
    <message>
        <source>la importación se ha cancelado</source>
        <translation>the import was cancelled</translation>
    </message>
    <message>
        <source>la prueba no gana el nivel: se detiene en su línea %1 (%2)</source>
        <translation>the proof doesn&apos;t win the level: it stops at its line %1 (%2)</translation>
    </message>
    <message>
        <source>la prueba no gana el nivel</source>
        <translation>the proof doesn&apos;t win the level</translation>
    </message>
</context>
<context>
    <name>Repeticiones</name>
    <message>
        <source>Ganado</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Sin acabar</source>
        <translation>Unfinished</translation>
    </message>
    <message>
        <source>Abandonado</source>
        <translation>Given up</translation>
    </message>
    <message>
        <source>Perdido (tiempo)</source>
        <translation>Lost (time)</translation>
    </message>
    <message>
        <source>Perdido (planta)</source>
        <translation>Lost (plant)</translation>
    </message>
    <message>
        <source>Perdido (desborde)</source>
        <translation>Lost (overflow)</translation>
    </message>
    <message>
        <source>Perdido (sin sitio)</source>
        <translation>Lost (no room)</translation>
    </message>
    <message>
        <source>No se puede leer «%1».</source>
        <translation>“%1” can&apos;t be read.</translation>
    </message>
    <message>
        <source>falta la línea «%1»</source>
        <translation>the line “%1” is missing</translation>
    </message>
    <message>
        <source>se esperaba la línea «%1»</source>
        <translation>the line “%1” was expected</translation>
    </message>
    <message>
        <source>no dice de qué versión es</source>
        <translation>it doesn&apos;t say which version it is</translation>
    </message>
    <message>
        <source>no dice con qué reglas se jugó</source>
        <translation>it doesn&apos;t say which rules it was played with</translation>
    </message>
    <message>
        <source>no dice con qué niveles se jugó</source>
        <translation>it doesn&apos;t say which levels it was played with</translation>
    </message>
    <message>
        <source>el nivel no es ninguno del juego</source>
        <translation>the level isn&apos;t one of the game&apos;s</translation>
    </message>
    <message>
        <source>la fecha no es AAAA-MM-DD HH:MM:SS</source>
        <translation>the date isn&apos;t YYYY-MM-DD HH:MM:SS</translation>
    </message>
    <message>
        <source>el resultado no es ninguno del juego</source>
        <translation>the result isn&apos;t one of the game&apos;s</translation>
    </message>
    <message>
        <source>los puntos no son un número</source>
        <translation>the points aren&apos;t a number</translation>
    </message>
    <message>
        <source>las piezas no son un número</source>
        <translation>the pieces aren&apos;t a number</translation>
    </message>
    <message>
        <source>el reloj no es m:ss ni -</source>
        <translation>the clock is neither m:ss nor -</translation>
    </message>
    <message>
        <source>la duración no son segundos</source>
        <translation>the duration isn&apos;t in seconds</translation>
    </message>
    <message>
        <source>el tablero no es una huella</source>
        <translation>the board isn&apos;t a fingerprint</translation>
    </message>
    <message>
        <source>demo no es 0 ni 1</source>
        <translation>demo is neither 0 nor 1</translation>
    </message>
    <message>
        <source>pista no es 0 ni 1</source>
        <translation>pista is neither 0 nor 1</translation>
    </message>
    <message>
        <source>el guion no dice su largo y su huella</source>
        <translation>the script doesn&apos;t give its length and fingerprint</translation>
    </message>
    <message>
        <source>el guion está cortado</source>
        <translation>the script is cut short</translation>
    </message>
    <message>
        <source>hay algo tras el guion</source>
        <translation>there is something after the script</translation>
    </message>
    <message>
        <source>el guion no es el que se grabó</source>
        <translation>the script isn&apos;t the one that was recorded</translation>
    </message>
    <message>
        <source>el guion no es texto</source>
        <translation>the script isn&apos;t text</translation>
    </message>
    <message>
        <source>«%1» es demasiado grande para ser una repetición de Tumbla (más de 1 MB).</source>
        <translation>“%1” is too large to be a Tumbla replay (over 1 MB).</translation>
    </message>
    <message>
        <source>«%1» no es una repetición de Tumbla.</source>
        <translation>“%1” isn&apos;t a Tumbla replay.</translation>
    </message>
    <message>
        <source>«%1» es una repetición de otra versión de Tumbla (formato %2), que esta no sabe leer.</source>
        <translation>“%1” is a replay from another version of Tumbla (format %2), which this one can&apos;t read.</translation>
    </message>
    <message>
        <source>«%1» se grabó con otra versión de las reglas (la %2; esta versión juega con la %3): aquí no se jugaría igual, así que no se reproduce.</source>
        <translation>“%1” was recorded under another version of the rules (version %2; this version plays version %3): it wouldn&apos;t play the same here, so it isn&apos;t replayed.</translation>
    </message>
    <message>
        <source>«%1» se grabó con otros registros de niveles: con los de este juego no se jugaría igual, así que no se reproduce.</source>
        <translation>“%1” was recorded with other level records: with this game&apos;s it wouldn&apos;t play the same, so it isn&apos;t replayed.</translation>
    </message>
    <message>
        <source>«%1» está dañada (%2).</source>
        <translation>“%1” is damaged (%2).</translation>
    </message>
    <message>
        <source>«%1» está dañada (línea %2: %3).</source>
        <translation>“%1” is damaged (line %2: %3).</translation>
    </message>
</context>
<context>
    <name>tumbla::ui</name>
    <message>
        <source>Carpeta:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Archivo:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::DialogoNiveles</name>
    <message>
        <source>Mis &amp;paquetes...</source>
        <translation>My &amp;Packs...</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::DialogoRepeticiones</name>
    <message>
        <source>Repeticiones de Tumbla (*.tumbla)</source>
        <translation>Tumbla replays (*.tumbla)</translation>
    </message>
    <message>
        <source>Repeticiones</source>
        <translation>Replays</translation>
    </message>
    <message>
        <source>Nivel</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Puntos</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Guardar como...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Abrir...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ilegible</source>
        <translation>Unreadable</translation>
    </message>
    <message>
        <source>Demo: </source>
        <translation>Demo: </translation>
    </message>
    <message>
        <source> (récord)</source>
        <translation> (record)</translation>
    </message>
    <message>
        <source>¿Borrar la repetición «%1» (%2)?</source>
        <translation>Delete the replay “%1” (%2)?</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No se ha podido borrar «%1».</source>
        <translation>Couldn&apos;t delete “%1”.</translation>
    </message>
    <message>
        <source>Guardar la repetición</source>
        <translation>Save the replay</translation>
    </message>
    <message>
        <source>Abrir una repetición</source>
        <translation>Open a replay</translation>
    </message>
    <message>
        <source>Buscar en:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>No hay carpeta donde guardar repeticiones.</source>
        <translation>There is no folder to keep replays in.</translation>
    </message>
    <message>
        <source>No se puede leer «%1».</source>
        <translation>“%1” can&apos;t be read.</translation>
    </message>
    <message>
        <source>No se puede guardar la repetición en la carpeta %1.</source>
        <translation>The replay can&apos;t be saved in the folder %1.</translation>
    </message>
    <message>
        <source>No se puede guardar la repetición en «%1».</source>
        <translation>The replay can&apos;t be saved to “%1”.</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::DialogoTeclas</name>
    <message>
        <source>Teclas</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Espera antes de repetir</source>
        <translation>Delay before repeating</translation>
    </message>
    <message>
        <source>Repeticiones por segundo</source>
        <translation>Repeats per second</translation>
    </message>
    <message>
        <source>Filas por segundo al bajar</source>
        <translation>Rows per second going down</translation>
    </message>
    <message>
        <source>Predeterminadas</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pulsa una tecla…</source>
        <translation>Press a key…</translation>
    </message>
    <message>
        <source>Pulsa la tecla para «%1» (Escape: dejarla como está).</source>
        <translation>Press the key for “%1” (Escape keeps the one it has).</translation>
    </message>
    <message>
        <source>Esa tecla</source>
        <translation>That key</translation>
    </message>
    <message>
        <source>La tecla «%1» ya es de «%2».</source>
        <translation>“%1” is already the key for “%2”.</translation>
    </message>
    <message>
        <source>«%1» no se puede usar: el juego la necesita.</source>
        <translation>“%1” can&apos;t be used: the game needs it.</translation>
    </message>
    <message>
        <source>Al ver una repetición:</source>
        <translation>While watching a replay:</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::EditorNiveles</name>
    <message>
        <source>ninguna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>fila %1, columna %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>Paquetes de niveles (*.tumbla-niveles)</source>
        <translation>Level packs (*.tumbla-niveles)</translation>
    </message>
    <message>
        <source>1 nivel</source>
        <translation>1 level</translation>
    </message>
    <message>
        <source>%1 niveles</source>
        <translation>%1 levels</translation>
    </message>
    <message>
        <source>Editor de niveles</source>
        <translation>Level Editor</translation>
    </message>
    <message>
        <source>Paquete</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Nombre del paquete</source>
        <translation>Pack name</translation>
    </message>
    <message>
        <source>Autor</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Nuevo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Bloques</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>Gota azul</source>
        <translation>Blue drop</translation>
    </message>
    <message>
        <source>Gota rosa</source>
        <translation>Pink drop</translation>
    </message>
    <message>
        <source>Maceta</source>
        <translation>Flowerpot</translation>
    </message>
    <message>
        <source>Copiar del nivel…</source>
        <translation>Copy from level…</translation>
    </message>
    <message>
        <source>Tablero vacío</source>
        <translation>Empty board</translation>
    </message>
    <message>
        <source>Probar</source>
        <translation>Try</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Código para compartir</source>
        <translation>Sharing code</translation>
    </message>
    <message>
        <source>Copiar código</source>
        <translation>Copy code</translation>
    </message>
    <message>
        <source>Abrir código</source>
        <translation>Open code</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Líneas</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Bloque extra cada (s)</source>
        <translation>Extra block every (s)</translation>
    </message>
    <message>
        <source>Subida cada (filas)</source>
        <translation>Rise every (rows)</translation>
    </message>
    <message>
        <source>Filas que se borran juntas</source>
        <translation>Rows cleared together</translation>
    </message>
    <message>
        <source>Tablero</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>1 bloque</source>
        <translation>1 block</translation>
    </message>
    <message>
        <source>%1 bloques</source>
        <translation>%1 blocks</translation>
    </message>
    <message>
        <source>Ganable: tiene la prueba de una partida ganada.</source>
        <translation>Winnable: it has the proof of a game won.</translation>
    </message>
    <message>
        <source>Borrador: sin prueba de que se pueda ganar.</source>
        <translation>Draft: no proof yet that it can be won.</translation>
    </message>
    <message>
        <source>Copiar del nivel</source>
        <translation>Copy from level</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>El ordenador juega el nivel...</source>
        <translation>The computer is playing the level...</translation>
    </message>
    <message>
        <source>Para probar el nivel, termina antes lo que hay en la ventana del juego.</source>
        <translation>To try the level, first finish what&apos;s going on in the game&apos;s window.</translation>
    </message>
    <message>
        <source>Probando el nivel en la ventana del juego...</source>
        <translation>Trying the level in the game&apos;s window...</translation>
    </message>
    <message>
        <source>Prueba: nivel ganado.</source>
        <translation>Try: level won.</translation>
    </message>
    <message>
        <source>Prueba: sin acabar.</source>
        <translation>Try: unfinished.</translation>
    </message>
    <message>
        <source>Prueba: nivel perdido (%1).</source>
        <translation>Try: level lost (%1).</translation>
    </message>
    <message>
        <source>No se ha guardado: </source>
        <translation>Not saved: </translation>
    </message>
    <message>
        <source>No se ha borrado: </source>
        <translation>Not deleted: </translation>
    </message>
    <message>
        <source> (borrador)</source>
        <translation> (draft)</translation>
    </message>
    <message>
        <source>Ningún nivel guardado tiene prueba de que se pueda ganar: compruébalos y guárdalos antes de exportar.</source>
        <translation>None of the saved levels has a proof that it can be won: check them and save them before exporting.</translation>
    </message>
    <message>
        <source>Exportar el paquete</source>
        <translation>Export the pack</translation>
    </message>
    <message>
        <source>No se ha podido escribir </source>
        <translation>Couldn&apos;t write </translation>
    </message>
    <message>
        <source>Exportado %1 a %2.</source>
        <translation>Exported %1 to %2.</translation>
    </message>
    <message>
        <source>Exportados %1 a %2.</source>
        <translation>Exported %1 to %2.</translation>
    </message>
    <message>
        <source>
Sin prueba, se quedan fuera: </source>
        <translation>
Left out, with no proof: </translation>
    </message>
    <message>
        <source>Importar un paquete</source>
        <translation>Import a pack</translation>
    </message>
    <message>
        <source>Importando: se juega otra vez la prueba de cada nivel...</source>
        <translation>Importing: replaying each level&apos;s proof...</translation>
    </message>
    <message>
        <source>No se ha importado: </source>
        <translation>Not imported: </translation>
    </message>
    <message>
        <source>No se ha importado ningún nivel.</source>
        <translation>No level was imported.</translation>
    </message>
    <message>
        <source>No se ha guardado el paquete: </source>
        <translation>The pack wasn&apos;t saved: </translation>
    </message>
    <message>
        <source>Importado «%1»: %2.</source>
        <translation>Imported “%1”: %2.</translation>
    </message>
    <message>
        <source>
Rechazado: </source>
        <translation>
Turned down: </translation>
    </message>
    <message>
        <source>No hay código: </source>
        <translation>No code: </translation>
    </message>
    <message>
        <source>No se ha abierto el código: </source>
        <translation>The code couldn&apos;t be opened: </translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nivel %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Exportar...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Importar...</source>
        <translation>Import...</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::Escenario</name>
    <message>
        <source>Puntos</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Récord</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::PaginaPaquetes</name>
    <message>
        <source>Paquete y nivel</source>
        <translation>Pack and level</translation>
    </message>
    <message>
        <source>Récord</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Jugar</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Niveles del juego</source>
        <translation>The game&apos;s levels</translation>
    </message>
    <message>
        <source>%1 — %2 (%3 de %4)</source>
        <translation>%1 — %2 (%3 of %4)</translation>
    </message>
    <message>
        <source>sin autor</source>
        <translation>no author</translation>
    </message>
    <message>
        <source>No hay paquetes: haz niveles en el editor o importa un paquete.</source>
        <translation>No packs yet: make levels in the editor or import a pack.</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::PlataformaQt</name>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::TableroEditor</name>
    <message>
        <source>Tablero inicial</source>
        <translation>Starting board</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::VentanaAyuda</name>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::VentanaCreditos</name>
    <message>
        <source>Acerca de Tumbla</source>
        <translation>About Tumbla</translation>
    </message>
    <message>
        <source>Un juego de bloques que caen: 296 niveles en ocho grupos, con filas que borrar, gotas que llevar hasta el suelo, tableros que giran y plantas que hay que podar a tiempo.

¿Una idea, un fallo, un nivel imposible? Escríbenos o visítanos:</source>
        <translation>A falling-block game: 296 levels in eight groups, with rows to clear, drops to bring down to the floor, boards that turn and plants to cut back before it&apos;s too late.

Got an idea, found a bug, or stuck on an impossible level? Write to us or pay us a visit:</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::VentanaPrincipal</name>
    <message>
        <source>&amp;Juego</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Co&amp;lores</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <source>Idio&amp;ma</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Editor de niveles...</source>
        <translation>Level &amp;Editor...</translation>
    </message>
</context>
<context>
    <name>tumbla::ui::Visor</name>
    <message>
        <source>No se puede guardar la repetición en la carpeta:

%1

El juego sigue, pero sus partidas no se guardarán para verlas después.</source>
        <translation>The replay can&apos;t be saved in the folder:

%1

The game goes on, but its games won&apos;t be kept to watch later.</translation>
    </message>
    <message>
        <source>No se puede ver esta repetición: %1</source>
        <translation>This replay can&apos;t be watched: %1</translation>
    </message>
    <message>
        <source>Práctica: no se guarda nada</source>
        <translation>Practice: nothing is saved</translation>
    </message>
    <message>
        <source>PAUSA</source>
        <translation>PAUSED</translation>
    </message>
</context>
</TS>
