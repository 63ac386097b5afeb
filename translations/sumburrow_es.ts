<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BoardDescription</name>
    <message>
        <source>the edge</source>
        <translation>el borde</translation>
    </message>
    <message>
        <source>%1, home</source>
        <translation>%1, la casa</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>%1 on your path</source>
        <translation>%1 en tu camino</translation>
    </message>
    <message>
        <source>The game is over. The tunnel is complete and the worm is home. Score %1. Press F2 for a new game.</source>
        <translation>La partida se ha acabado. El túnel está completo y el gusano está en casa. Puntuación: %1. Pulsa F2 para una partida nueva.</translation>
    </message>
    <message>
        <source>The game is over. The worm did not get home. Score %1. Press F2 for a new game.</source>
        <translation>La partida se ha acabado. El gusano no llegó a casa. Puntuación: %1. Pulsa F2 para una partida nueva.</translation>
    </message>
    <message>
        <source>The game is over. The tunnel is shown. Score %1. Press F2 for a new game.</source>
        <translation>La partida se ha acabado. Se ve el túnel entero. Puntuación: %1. Pulsa F2 para una partida nueva.</translation>
    </message>
    <message>
        <source>Your path ends at %1, column %2, row %3.</source>
        <translation>Tu camino termina en el %1, columna %2, fila %3.</translation>
    </message>
    <message>
        <source>Up: %1.</source>
        <translation>Arriba: %1.</translation>
    </message>
    <message>
        <source>Down: %1.</source>
        <translation>Abajo: %1.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Derecha: %1.</translation>
    </message>
    <message>
        <source>Left: %1.</source>
        <translation>Izquierda: %1.</translation>
    </message>
    <message>
        <source>No game yet. Press F2 for a new game.</source>
        <translation>Todavía no hay partida. Pulsa F2 para una partida nueva.</translation>
    </message>
    <message>
        <source>Pick the start of the tunnel on the top row with the mouse.</source>
        <translation>Elige con el ratón el principio del túnel en la fila de arriba.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Sumburrow - Font</source>
        <translation>Sumburrow - Tipo de letra</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>A highest answer below 2 leaves no equations: the next game uses %1 to %2.</source>
        <translation>Si el resultado más grande es menor que 2, no hay operaciones: la siguiente partida usará de %1 a %2.</translation>
    </message>
    <message>
        <source>The lowest answer is above the highest: the next game uses %1 to %2.</source>
        <translation>El resultado más pequeño es mayor que el más grande: la siguiente partida usará de %1 a %2.</translation>
    </message>
    <message>
        <source>No chain of equations stays within %3 to %4: the next game uses %1 to %2.</source>
        <translation>Ninguna cadena de operaciones cabe entre %3 y %4: la siguiente partida usará de %1 a %2.</translation>
    </message>
    <message>
        <source>Press [F1] for help or [F7] for options or [F2] to start a new game.</source>
        <translation>Pulsa [F1] para ver la ayuda, [F7] para las opciones o [F2] para empezar una partida nueva.</translation>
    </message>
    <message>
        <source>Get your worm to its home by marking its tunnel.</source>
        <translation>Lleva a tu gusano a casa marcando su túnel.</translation>
    </message>
    <message>
        <source>The playing field is an underground maze, with numbered clumps of earth.</source>
        <translation>El tablero es un laberinto bajo tierra, con terrones de tierra numerados.</translation>
    </message>
    <message>
        <source>Mark the tunnel by connecting the numbers into valid equations.</source>
        <translation>Marca el túnel uniendo los números en operaciones correctas.</translation>
    </message>
    <message>
        <source>The last answer is the start of the next equation.</source>
        <translation>El último resultado es el primer número de la operación siguiente.</translation>
    </message>
    <message>
        <source>Form the next equation from the answer of the prior equation.</source>
        <translation>Forma la operación siguiente con el resultado de la anterior.</translation>
    </message>
    <message>
        <source>If you make a mistake, use &quot;Go Back&quot; or [Backspace].</source>
        <translation>Si te equivocas, usa «Retroceder» o [Backspace].</translation>
    </message>
    <message>
        <source>As you connect the numbers correctly, the tunnel is formed.</source>
        <translation>Si unes bien los números, se va formando el túnel.</translation>
    </message>
    <message>
        <source>Once all numbers are in the correct order will you complete the tunnel.</source>
        <translation>Completarás el túnel cuando todos los números estén en el orden correcto.</translation>
    </message>
    <message>
        <source>You can also use the arrow keys to control the marking of your tunnel.</source>
        <translation>También puedes marcar tu túnel con las teclas de flecha.</translation>
    </message>
    <message>
        <source>If the worm is unleashed, you need to complete the tunnel quickly to keep your score as high as possible.</source>
        <translation>Cuando sale el gusano, termina el túnel deprisa para conservar la mayor puntuación posible.</translation>
    </message>
    <message>
        <source>The game is over if the worm does not get home.</source>
        <translation>La partida se acaba si el gusano no llega a casa.</translation>
    </message>
    <message>
        <source>Set a handicap to increase or decrease difficulty.</source>
        <translation>Elige una penalización para que el juego sea más difícil o más fácil.</translation>
    </message>
    <message>
        <source>Click Options &gt; Banner to turn off this banner once you&apos;ve learned these rules.</source>
        <translation>Cuando ya sepas estas reglas, haz clic en Opciones &gt; Letrero para quitar este letrero.</translation>
    </message>
    <message>
        <source>Equations are in simplest form using three consecutive number like %1</source>
        <translation>Una operación son tres números seguidos, como %1</translation>
    </message>
    <message>
        <source>Click on three adjacent numbers in the order of the equation.</source>
        <translation>Haz clic en tres números vecinos, en el orden de la operación.</translation>
    </message>
    <message>
        <source>Select three adjacent numbers using arrow keys.</source>
        <translation>Elige tres números vecinos con las teclas de flecha.</translation>
    </message>
    <message>
        <source>Cl&amp;ue</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>BackTrack</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Ir a casa</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Banner</source>
        <translation>&amp;Letrero</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Can&apos;t go there</source>
        <translation>No puedes ir ahí</translation>
    </message>
    <message>
        <source>Number not adjacent</source>
        <translation>No está al lado</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>No está unido</translation>
    </message>
    <message>
        <source>Cannot split tunnel</source>
        <translation>El túnel no se divide</translation>
    </message>
    <message>
        <source>Find the next number of the equation starting with %1</source>
        <translation>Busca el número siguiente de la operación que empieza por %1</translation>
    </message>
    <message>
        <source>Find answer for current equation using %1 and %2</source>
        <translation>Busca el resultado de la operación con %1 y %2</translation>
    </message>
    <message>
        <source>Continue by building next equation starting from last answer %1</source>
        <translation>Sigue con la operación siguiente, que empieza por el último resultado, %1</translation>
    </message>
    <message>
        <source>Incorrect - try: %1</source>
        <translation>Incorrecto - prueba: %1</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Use [Go Back] to correct equation</source>
        <translation>Usa [Retroceder] para corregir la operación</translation>
    </message>
    <message>
        <source>Tunnel Complete</source>
        <translation>¡Túnel completo!</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Building the maze</source>
        <translation>Construyendo el laberinto</translation>
    </message>
    <message>
        <source>Filling the maze</source>
        <translation>Llenando el laberinto</translation>
    </message>
    <message>
        <source>Tunnel length is %1</source>
        <translation>Longitud del túnel: %1</translation>
    </message>
    <message>
        <source>Clue (%1)</source>
        <translation>Pista (%1)</translation>
    </message>
    <message>
        <source>Click on adjacent numbers from the start<byte value="xd"/>
to form valid equations, eg 10-3=7</source>
        <translation>Haz clic en números vecinos desde la entrada<byte value="xd"/>
para formar operaciones correctas, como 10-3=7</translation>
    </message>
    <message>
        <source>Click on the next number in the equation after %1</source>
        <translation>Haz clic en el número de la operación que va después del %1</translation>
    </message>
    <message>
        <source>Locate the start of the tunnel</source>
        <translation>Busca el principio del túnel</translation>
    </message>
    <message>
        <source>Tunnel not started</source>
        <translation>Túnel sin empezar</translation>
    </message>
    <message>
        <source>Tunnel off track</source>
        <translation>Fuera del túnel</translation>
    </message>
    <message>
        <source>Split in tunnel</source>
        <translation>El túnel se divide</translation>
    </message>
    <message>
        <source>Tunnel incomplete</source>
        <translation>Túnel incompleto</translation>
    </message>
    <message>
        <source>Tunnel complete</source>
        <translation>Túnel completo</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Inténtalo de nuevo</translation>
    </message>
    <message>
        <source>Unleashing the worm</source>
        <translation>¡Sale el gusano!</translation>
    </message>
    <message>
        <source>Failed to get home</source>
        <translation>No llegó a casa</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Sumburrow grows new mazes and games all the time: visit %1 for free updates and news.</source>
        <translation>En Sumburrow no paran de crecer laberintos y juegos nuevos: visita %1 para ver las novedades y las actualizaciones gratis.</translation>
    </message>
    <message>
        <source>Every new board is a fresh maze that the game digs itself. What is new in this version is on the news page that comes with the game: Help &gt; News and New Games.</source>
        <translation>Cada tablero nuevo es un laberinto recién excavado por el propio juego. Las novedades de esta versión están en la página de novedades que viene con el juego: Ayuda &gt; Novedades y juegos nuevos.</translation>
    </message>
    <message>
        <source>Check our website via the internet for new announcements?</source>
        <translation>¿Quieres ver las novedades en nuestro sitio web, por internet?</translation>
    </message>
    <message>
        <source>Read the news about this version of Sumburrow?</source>
        <translation>¿Quieres leer las novedades de esta versión de Sumburrow?</translation>
    </message>
    <message>
        <source>To report a problem or suggest an idea, please tell the person who looks after this computer (a parent, a teacher or the school&apos;s computer support). Say what you did, what you expected and what happened instead, and that this is Sumburrow %1.</source>
        <translation>Para avisar de un problema o proponer una idea, díselo a la persona que cuida de este equipo (alguien de tu familia, un docente o el servicio informático del colegio). Cuenta qué hiciste, qué esperabas y qué pasó en su lugar, y que es Sumburrow %1.</translation>
    </message>
</context>
<context>
    <name>SoundFiles</name>
    <message>
        <source>missing</source>
        <translation>no está</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>not a playable sound</source>
        <translation>no es un sonido que se pueda reproducir</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>no es un archivo WAVE</translation>
    </message>
    <message>
        <source>unsupported sample format</source>
        <translation>formato de muestras no compatible</translation>
    </message>
    <message>
        <source>inconsistent format</source>
        <translation>formato incoherente</translation>
    </message>
    <message>
        <source>truncated</source>
        <translation>cortado</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>sin bloque de formato</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>sin muestras</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>dañado: %1</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Digging the tunnels...</source>
        <translation>Excavando los túneles...</translation>
    </message>
</context>
<context>
    <name>sb::AboutBox</name>
    <message>
        <source>About Sumburrow</source>
        <translation>Acerca de Sumburrow</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Sumburrow %1&lt;/h2&gt;&lt;p&gt;An arithmetic tunnel puzzle for school children, grades 1 to 8.&lt;/p&gt;&lt;p&gt;Find the worm&apos;s hidden tunnel: its numbers read as a chain of equations.&lt;/p&gt;&lt;p&gt;Free software under the %2.&lt;/p&gt;&lt;p&gt;Game design, code, pictures, sounds and tips: the Sumburrow team.&lt;br&gt;Built with Qt %3.&lt;/p&gt;%4</source>
        <translation>&lt;h2&gt;Sumburrow %1&lt;/h2&gt;&lt;p&gt;Un juego de cuentas y túneles para escolares, de 1.º&#xa0;de Primaria a 2.º&#xa0;de ESO.&lt;/p&gt;&lt;p&gt;Encuentra el túnel escondido del gusano: sus números forman una cadena de operaciones.&lt;/p&gt;&lt;p&gt;Software libre con la licencia %2.&lt;/p&gt;&lt;p&gt;Diseño del juego, código, dibujos, sonidos y consejos: el equipo de Sumburrow.&lt;br&gt;Hecho con Qt %3.&lt;/p&gt;%4</translation>
    </message>
</context>
<context>
    <name>sb::TfTips</name>
    <message>
        <source>Oops...</source>
        <translation>¡Uy!</translation>
    </message>
    <message>
        <source>Sorry, no (more) tips are available. You can disable this message by unchecking &quot;Show Tips at Startup&quot; at the bottom of this dialog.</source>
        <translation>Lo siento, no hay (más) consejos. Para no ver este mensaje, desmarca «Ver consejos al empezar» en la parte de abajo de esta ventana.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Ver consejos al empezar</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>sb::Tfo</name>
    <message>
        <source>Sumburrow - Options</source>
        <translation>Sumburrow - Opciones</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Grade 1</source>
        <translation>1.º de Primaria</translation>
    </message>
    <message>
        <source>Grade 2</source>
        <translation>2.º de Primaria</translation>
    </message>
    <message>
        <source>Grade 3</source>
        <translation>3.º de Primaria</translation>
    </message>
    <message>
        <source>Grade 4</source>
        <translation>4.º de Primaria</translation>
    </message>
    <message>
        <source>Grade 5</source>
        <translation>5.º de Primaria</translation>
    </message>
    <message>
        <source>Grade 6</source>
        <translation>6.º de Primaria</translation>
    </message>
    <message>
        <source>Grade 7</source>
        <translation>1.º de ESO</translation>
    </message>
    <message>
        <source>Grade 8</source>
        <translation>2.º de ESO</translation>
    </message>
    <message>
        <source>Quick Settings:</source>
        <translation>Ajuste rápido:</translation>
    </message>
    <message>
        <source>Higher Penalties</source>
        <translation>Penalización alta</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutro</translation>
    </message>
    <message>
        <source>Lower Penalties</source>
        <translation>Penalización baja</translation>
    </message>
    <message>
        <source>Handicap Level:</source>
        <translation>Penalización:</translation>
    </message>
    <message>
        <source>Sound Volume:</source>
        <translation>Volumen del sonido:</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Más alto</translation>
    </message>
    <message>
        <source>Quieter</source>
        <translation>Más bajo</translation>
    </message>
    <message>
        <source>Earth Density:</source>
        <translation>Densidad de tierra:</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máxima</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínima</translation>
    </message>
    <message>
        <source>Tunnel Length:</source>
        <translation>Longitud del túnel:</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Más largo</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Más corto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>The font of the numbers on the board</source>
        <translation>El tipo de letra de los números del tablero</translation>
    </message>
    <message>
        <source>Game Settings:</source>
        <translation>Ajustes del juego:</translation>
    </message>
    <message>
        <source>Timed Worm</source>
        <translation>Gusano contrarreloj</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animaciones</translation>
    </message>
    <message>
        <source>Flash Correct Equations</source>
        <translation>Ver operación correcta</translation>
    </message>
    <message>
        <source>Morphing Numbers</source>
        <translation>Números cambiantes</translation>
    </message>
    <message>
        <source>Number Options:</source>
        <translation>Opciones de números:</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Allow Negative Integers</source>
        <translation>Permitir negativos</translation>
    </message>
    <message>
        <source>Not available yet: the board shows positive numbers only.</source>
        <translation>Todavía no está disponible: el tablero solo muestra números positivos.</translation>
    </message>
    <message>
        <source>Tunnel Options:</source>
        <translation>Opciones del túnel:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Minimal</source>
        <translation>Muy pocos</translation>
    </message>
    <message>
        <source>Some</source>
        <translation>Algunos</translation>
    </message>
    <message>
        <source>Many</source>
        <translation>Muchos</translation>
    </message>
    <message>
        <source>Sub-Tunnels:</source>
        <translation>Subtúneles:</translation>
    </message>
    <message>
        <source>Milestones Marked</source>
        <translation>Etapas marcadas</translation>
    </message>
    <message>
        <source>Entrance Marked</source>
        <translation>Entrada marcada</translation>
    </message>
    <message>
        <source>Lowest answer</source>
        <translation>Resultado más pequeño</translation>
    </message>
    <message>
        <source>Highest answer</source>
        <translation>Resultado más grande</translation>
    </message>
    <message>
        <source>Answer Range:</source>
        <translation>Rango de resultados:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
</context>
<context>
    <name>sb::TfrmMain</name>
    <message>
        <source>Your current score out of the possible maximum score.</source>
        <translation>Tu puntuación y la puntuación máxima posible.</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Letrero</translation>
    </message>
    <message>
        <source>Rules and hints scroll by here.</source>
        <translation>Aquí pasan las reglas y las ayudas.</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>2-Second Penalty</source>
        <translation>Penalización de 2 segundos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Sound &amp;Effects</source>
        <translation>&amp;Efectos de sonido</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>E-mail Support &amp;&amp; Suggestions</source>
        <translation>Ayuda y sugerencias por correo</translation>
    </message>
    <message>
        <source>News and New Games</source>
        <translation>Novedades y juegos nuevos</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visitar el sitio web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntuación %1</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Equation %1</source>
        <translation>Operación %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;The news page that comes with the game is missing.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Falta la página de novedades que viene con el juego.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Some of the game&apos;s files could not be read, so the game goes on without them:

%1

The program folder is %2</source>
        <translation>Algunos archivos del juego no se han podido leer, así que el juego sigue sin ellos:

%1

La carpeta del programa es %2</translation>
    </message>
    <message>
        <source>The help page is missing: %1</source>
        <translation>Falta la página de ayuda: %1</translation>
    </message>
    <message>
        <source>%1 support, feedback, etc.</source>
        <translation>%1: ayuda, opiniones, etc.</translation>
    </message>
</context>
<context>
    <name>sb::TfrmMaze</name>
    <message>
        <source>frmMaze</source>
        <translation>Taller de laberintos</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>sb::TfrmStats</name>
    <message>
        <source>Level=%1 wins = %2 losses = %3</source>
        <translation>Curso %1: %2 completadas, %3 sin completar</translation>
    </message>
    <message>
        <source>Letters=%1 wins = %2 losses = %3</source>
        <translation>Letras %1: %2 completadas, %3 sin completar</translation>
    </message>
    <message>
        <source>Score=%1 wins = %2 losses = %3</source>
        <translation>Puntuación %1: %2 completadas, %3 sin completar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Histogram of games</source>
        <translation>Gráfico de partidas</translation>
    </message>
    <message>
        <source>Show By:</source>
        <translation>Mostrar por:</translation>
    </message>
    <message>
        <source>Levels 1-???</source>
        <translation>Cursos</translation>
    </message>
    <message>
        <source># of Letters</source>
        <translation>N.º de letras</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>By Handicap:</source>
        <translation>Penalización:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutro</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>By Options:</source>
        <translation>Por opciones:</translation>
    </message>
    <message>
        <source>With Definitions </source>
        <translation>Con definiciones</translation>
    </message>
    <message>
        <source>With Locked Letters</source>
        <translation>Con letras fijas</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Contrarreloj</translation>
    </message>
    <message>
        <source># Incomplete:</source>
        <translation>Sin completar:</translation>
    </message>
    <message>
        <source># Completed:</source>
        <translation>Completadas:</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Success Rate:</source>
        <translation>Éxito:</translation>
    </message>
    <message>
        <source>Display your stats by selecting any combination of filters.</source>
        <translation>Elige los filtros que quieras para ver tus estadísticas.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 games played, %2 completed, %3 incomplete</source>
        <translation>%1 partidas jugadas, %2 completadas, %3 sin completar</translation>
    </message>
    <message>
        <source>The statistics file %1 cannot be written (%2), so this game and the games after it are kept in %3 instead. File &gt; Statistics shows the games of both files.

Play goes on.</source>
        <translation>No se puede escribir en el archivo de estadísticas %1 (%2), así que esta partida y las siguientes se guardan en %3. Archivo &gt; Estadísticas muestra las partidas de los dos archivos.

El juego sigue.</translation>
    </message>
    <message>
        <source>The game could not be added to the statistics file %1: %2.</source>
        <translation>La partida no se ha podido añadir al archivo de estadísticas %1: %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the statistics, and later games will not be either while this lasts:

%1

Play goes on.</source>
        <translation>Esta partida no se ha podido añadir a las estadísticas, y las siguientes tampoco mientras dure el problema:

%1

El juego sigue.</translation>
    </message>
</context>
</TS>
