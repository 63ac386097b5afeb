<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardDescription</name>
    <message>
        <source>the edge</source>
        <translation>der Rand</translation>
    </message>
    <message>
        <source>%1, home</source>
        <translation>%1, das Zuhause</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>%1 on your path</source>
        <translation>%1 auf deinem Weg</translation>
    </message>
    <message>
        <source>The game is over. The tunnel is complete and the worm is home. Score %1. Press F2 for a new game.</source>
        <translation>Das Spiel ist aus. Der Tunnel ist fertig, und der Wurm ist zu Hause. Punkte: %1. Drücke F2 für ein neues Spiel.</translation>
    </message>
    <message>
        <source>The game is over. The worm did not get home. Score %1. Press F2 for a new game.</source>
        <translation>Das Spiel ist aus. Der Wurm ist nicht nach Hause gekommen. Punkte: %1. Drücke F2 für ein neues Spiel.</translation>
    </message>
    <message>
        <source>The game is over. The tunnel is shown. Score %1. Press F2 for a new game.</source>
        <translation>Das Spiel ist aus. Der Tunnel wird gezeigt. Punkte: %1. Drücke F2 für ein neues Spiel.</translation>
    </message>
    <message>
        <source>Your path ends at %1, column %2, row %3.</source>
        <translation>Dein Weg endet bei %1, Spalte %2, Reihe %3.</translation>
    </message>
    <message>
        <source>Up: %1.</source>
        <translation>Oben: %1.</translation>
    </message>
    <message>
        <source>Down: %1.</source>
        <translation>Unten: %1.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Rechts: %1.</translation>
    </message>
    <message>
        <source>Left: %1.</source>
        <translation>Links: %1.</translation>
    </message>
    <message>
        <source>No game yet. Press F2 for a new game.</source>
        <translation>Noch kein Spiel. Drücke F2 für ein neues Spiel.</translation>
    </message>
    <message>
        <source>Pick the start of the tunnel on the top row with the mouse.</source>
        <translation>Wähle mit der Maus den Anfang des Tunnels in der obersten Reihe.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Sumburrow - Font</source>
        <translation>Sumburrow - Schrift</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>A highest answer below 2 leaves no equations: the next game uses %1 to %2.</source>
        <translation>Mit einem größten Ergebnis unter 2 gibt es keine Rechnungen: Das nächste Spiel nimmt %1 bis %2.</translation>
    </message>
    <message>
        <source>The lowest answer is above the highest: the next game uses %1 to %2.</source>
        <translation>Das kleinste Ergebnis ist größer als das größte: Das nächste Spiel nimmt %1 bis %2.</translation>
    </message>
    <message>
        <source>No chain of equations stays within %3 to %4: the next game uses %1 to %2.</source>
        <translation>Mit %3 bis %4 lässt sich keine Rechenkette bauen: Das nächste Spiel nimmt %1 bis %2.</translation>
    </message>
    <message>
        <source>Press [F1] for help or [F7] for options or [F2] to start a new game.</source>
        <translation>Drücke [F1] für die Hilfe, [F7] für die Optionen oder [F2] für ein neues Spiel.</translation>
    </message>
    <message>
        <source>Get your worm to its home by marking its tunnel.</source>
        <translation>Bring deinen Wurm nach Hause: Markiere seinen Tunnel.</translation>
    </message>
    <message>
        <source>The playing field is an underground maze, with numbered clumps of earth.</source>
        <translation>Das Spielfeld ist ein Labyrinth unter der Erde. Auf jedem Erdklumpen steht eine Zahl.</translation>
    </message>
    <message>
        <source>Mark the tunnel by connecting the numbers into valid equations.</source>
        <translation>Markiere den Tunnel, indem du die Zahlen zu richtigen Rechnungen verbindest.</translation>
    </message>
    <message>
        <source>The last answer is the start of the next equation.</source>
        <translation>Das letzte Ergebnis ist der Anfang der nächsten Rechnung.</translation>
    </message>
    <message>
        <source>Form the next equation from the answer of the prior equation.</source>
        <translation>Bilde die nächste Rechnung mit dem Ergebnis der Rechnung davor.</translation>
    </message>
    <message>
        <source>If you make a mistake, use &quot;Go Back&quot; or [Backspace].</source>
        <translation>Hast du dich vertan? Nimm „Schritt zurück“ oder [Backspace].</translation>
    </message>
    <message>
        <source>As you connect the numbers correctly, the tunnel is formed.</source>
        <translation>Verbindest du die Zahlen richtig, entsteht der Tunnel.</translation>
    </message>
    <message>
        <source>Once all numbers are in the correct order will you complete the tunnel.</source>
        <translation>Erst wenn alle Zahlen in der richtigen Reihenfolge sind, ist der Tunnel fertig.</translation>
    </message>
    <message>
        <source>You can also use the arrow keys to control the marking of your tunnel.</source>
        <translation>Du kannst deinen Tunnel auch mit den Pfeiltasten markieren.</translation>
    </message>
    <message>
        <source>If the worm is unleashed, you need to complete the tunnel quickly to keep your score as high as possible.</source>
        <translation>Ist der Wurm los, mach den Tunnel schnell fertig, damit du möglichst viele Punkte behältst.</translation>
    </message>
    <message>
        <source>The game is over if the worm does not get home.</source>
        <translation>Kommt der Wurm nicht nach Hause, ist das Spiel aus.</translation>
    </message>
    <message>
        <source>Set a handicap to increase or decrease difficulty.</source>
        <translation>Mit der Schwierigkeit machst du das Spiel schwerer oder leichter.</translation>
    </message>
    <message>
        <source>Click Options &gt; Banner to turn off this banner once you&apos;ve learned these rules.</source>
        <translation>Kennst du die Regeln? Dann schalte diese Laufschrift mit Optionen &gt; Laufschrift aus.</translation>
    </message>
    <message>
        <source>Equations are in simplest form using three consecutive number like %1</source>
        <translation>Jede Rechnung besteht aus drei Zahlen hintereinander, wie %1</translation>
    </message>
    <message>
        <source>Click on three adjacent numbers in the order of the equation.</source>
        <translation>Klicke drei Zahlen nebeneinander an, in der Reihenfolge der Rechnung.</translation>
    </message>
    <message>
        <source>Select three adjacent numbers using arrow keys.</source>
        <translation>Wähle mit den Pfeiltasten drei Zahlen nebeneinander.</translation>
    </message>
    <message>
        <source>Cl&amp;ue</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>BackTrack</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Auflösen</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Nach Hause</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Banner</source>
        <translation>&amp;Laufschrift</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Can&apos;t go there</source>
        <translation>Da geht es nicht hin</translation>
    </message>
    <message>
        <source>Number not adjacent</source>
        <translation>Zahl liegt nicht daneben</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Cannot split tunnel</source>
        <translation>Tunnel darf sich nicht teilen</translation>
    </message>
    <message>
        <source>Find the next number of the equation starting with %1</source>
        <translation>Finde die nächste Zahl der Rechnung, die mit %1 beginnt</translation>
    </message>
    <message>
        <source>Find answer for current equation using %1 and %2</source>
        <translation>Finde das Ergebnis der Rechnung mit %1 und %2</translation>
    </message>
    <message>
        <source>Continue by building next equation starting from last answer %1</source>
        <translation>Weiter: Die nächste Rechnung beginnt mit dem letzten Ergebnis %1</translation>
    </message>
    <message>
        <source>Incorrect - try: %1</source>
        <translation>Falsch - richtig ist: %1</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Use [Go Back] to correct equation</source>
        <translation>Verbessere die Rechnung mit [Schritt zurück]</translation>
    </message>
    <message>
        <source>Tunnel Complete</source>
        <translation>Tunnel fertig</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Building the maze</source>
        <translation>Das Labyrinth wird gebaut</translation>
    </message>
    <message>
        <source>Filling the maze</source>
        <translation>Das Labyrinth wird gefüllt</translation>
    </message>
    <message>
        <source>Tunnel length is %1</source>
        <translation>Tunnellänge: %1</translation>
    </message>
    <message>
        <source>Clue (%1)</source>
        <translation>Hinweis (%1)</translation>
    </message>
    <message>
        <source>Click on adjacent numbers from the start<byte value="xd"/>
to form valid equations, eg 10-3=7</source>
        <translation>Klicke vom Eingang aus Zahlen nebeneinander an<byte value="xd"/>
und bilde richtige Rechnungen, z. B. 10-3=7</translation>
    </message>
    <message>
        <source>Click on the next number in the equation after %1</source>
        <translation>Klicke die nächste Zahl der Rechnung nach %1 an</translation>
    </message>
    <message>
        <source>Locate the start of the tunnel</source>
        <translation>Finde den Anfang des Tunnels</translation>
    </message>
    <message>
        <source>Tunnel not started</source>
        <translation>Tunnel nicht begonnen</translation>
    </message>
    <message>
        <source>Tunnel off track</source>
        <translation>Vom Tunnel abgekommen</translation>
    </message>
    <message>
        <source>Split in tunnel</source>
        <translation>Tunnel geteilt</translation>
    </message>
    <message>
        <source>Tunnel incomplete</source>
        <translation>Tunnel noch nicht fertig</translation>
    </message>
    <message>
        <source>Tunnel complete</source>
        <translation>Tunnel fertig</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Versuch es noch mal</translation>
    </message>
    <message>
        <source>Unleashing the worm</source>
        <translation>Der Wurm ist los</translation>
    </message>
    <message>
        <source>Failed to get home</source>
        <translation>Nicht nach Hause gekommen</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Sumburrow grows new mazes and games all the time: visit %1 for free updates and news.</source>
        <translation>Bei Sumburrow wachsen immer wieder neue Labyrinthe und Spiele: Auf %1 gibt es kostenlose Updates und Neuigkeiten.</translation>
    </message>
    <message>
        <source>Every new board is a fresh maze that the game digs itself. What is new in this version is on the news page that comes with the game: Help &gt; News and New Games.</source>
        <translation>Jedes neue Spielfeld ist ein frisches Labyrinth, das das Spiel selbst gräbt. Was in dieser Version neu ist, steht auf der Seite mit Neuigkeiten, die beim Spiel dabei ist: Hilfe &gt; Neuigkeiten und neue Spiele.</translation>
    </message>
    <message>
        <source>Check our website via the internet for new announcements?</source>
        <translation>Auf unserer Website im Internet nach Neuigkeiten schauen?</translation>
    </message>
    <message>
        <source>Read the news about this version of Sumburrow?</source>
        <translation>Die Neuigkeiten zu dieser Version von Sumburrow lesen?</translation>
    </message>
    <message>
        <source>To report a problem or suggest an idea, please tell the person who looks after this computer (a parent, a teacher or the school&apos;s computer support). Say what you did, what you expected and what happened instead, and that this is Sumburrow %1.</source>
        <translation>Du willst ein Problem melden oder hast eine Idee? Dann sag es bitte der Person, die sich um diesen Computer kümmert (deinen Eltern, einer Lehrkraft oder der Computer-Betreuung deiner Schule). Erzähl, was du gemacht hast, was du erwartet hast und was stattdessen passiert ist, und dass es um Sumburrow %1 geht.</translation>
    </message>
</context>
<context>
    <name>SoundFiles</name>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>not a playable sound</source>
        <translation>kein abspielbarer Ton</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>keine WAVE-Datei</translation>
    </message>
    <message>
        <source>unsupported sample format</source>
        <translation>Sample-Format nicht unterstützt</translation>
    </message>
    <message>
        <source>inconsistent format</source>
        <translation>widersprüchliches Format</translation>
    </message>
    <message>
        <source>truncated</source>
        <translation>unvollständig</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>kein Format-Block</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>keine Tondaten</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>beschädigt: %1</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Digging the tunnels...</source>
        <translation>Die Tunnel werden gegraben...</translation>
    </message>
</context>
<context>
    <name>sb::AboutBox</name>
    <message>
        <source>About Sumburrow</source>
        <translation>Über Sumburrow</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Sumburrow %1&lt;/h2&gt;&lt;p&gt;An arithmetic tunnel puzzle for school children, grades 1 to 8.&lt;/p&gt;&lt;p&gt;Find the worm&apos;s hidden tunnel: its numbers read as a chain of equations.&lt;/p&gt;&lt;p&gt;Free software under the %2.&lt;/p&gt;&lt;p&gt;Game design, code, pictures, sounds and tips: the Sumburrow team.&lt;br&gt;Built with Qt %3.&lt;/p&gt;%4</source>
        <translation>&lt;h2&gt;Sumburrow %1&lt;/h2&gt;&lt;p&gt;Ein Tunnelrätsel zum Rechnen für Schulkinder der Klassen 1 bis 8.&lt;/p&gt;&lt;p&gt;Finde den versteckten Tunnel des Wurms: Seine Zahlen ergeben eine Rechenkette.&lt;/p&gt;&lt;p&gt;Freie Software, Lizenz: %2.&lt;/p&gt;&lt;p&gt;Spielidee, Programm, Bilder, Töne und Tipps: das Sumburrow-Team.&lt;br&gt;Gebaut mit Qt %3.&lt;/p&gt;%4</translation>
    </message>
</context>
<context>
    <name>sb::TfTips</name>
    <message>
        <source>Oops...</source>
        <translation>Hoppla...</translation>
    </message>
    <message>
        <source>Sorry, no (more) tips are available. You can disable this message by unchecking &quot;Show Tips at Startup&quot; at the bottom of this dialog.</source>
        <translation>Leider gibt es keine (weiteren) Tipps. Wenn du unten in diesem Fenster „Tipps beim Start zeigen“ ausschaltest, kommt diese Meldung nicht mehr.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Tipps beim Start zeigen</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Nächster Tipp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>sb::Tfo</name>
    <message>
        <source>Sumburrow - Options</source>
        <translation>Sumburrow - Optionen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Grade 1</source>
        <translation>Klasse 1</translation>
    </message>
    <message>
        <source>Grade 2</source>
        <translation>Klasse 2</translation>
    </message>
    <message>
        <source>Grade 3</source>
        <translation>Klasse 3</translation>
    </message>
    <message>
        <source>Grade 4</source>
        <translation>Klasse 4</translation>
    </message>
    <message>
        <source>Grade 5</source>
        <translation>Klasse 5</translation>
    </message>
    <message>
        <source>Grade 6</source>
        <translation>Klasse 6</translation>
    </message>
    <message>
        <source>Grade 7</source>
        <translation>Klasse 7</translation>
    </message>
    <message>
        <source>Grade 8</source>
        <translation>Klasse 8</translation>
    </message>
    <message>
        <source>Quick Settings:</source>
        <translation>Schnellauswahl:</translation>
    </message>
    <message>
        <source>Higher Penalties</source>
        <translation>Mehr Punktabzug</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Lower Penalties</source>
        <translation>Weniger Punktabzug</translation>
    </message>
    <message>
        <source>Handicap Level:</source>
        <translation>Schwierigkeit:</translation>
    </message>
    <message>
        <source>Sound Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Quieter</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Earth Density:</source>
        <translation>Erddichte:</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Tunnel Length:</source>
        <translation>Tunnellänge:</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Längster</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Kürzester</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>The font of the numbers on the board</source>
        <translation>Die Schriftart der Zahlen auf dem Spielfeld</translation>
    </message>
    <message>
        <source>Game Settings:</source>
        <translation>Spieleinstellungen:</translation>
    </message>
    <message>
        <source>Timed Worm</source>
        <translation>Wurm-Wettlauf</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animationen</translation>
    </message>
    <message>
        <source>Flash Correct Equations</source>
        <translation>Richtige Rechnung zeigen</translation>
    </message>
    <message>
        <source>Morphing Numbers</source>
        <translation>Wechselnde Zahlen</translation>
    </message>
    <message>
        <source>Number Options:</source>
        <translation>Zahlenoptionen:</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Allow Negative Integers</source>
        <translation>Negative Zahlen erlauben</translation>
    </message>
    <message>
        <source>Not available yet: the board shows positive numbers only.</source>
        <translation>Noch nicht verfügbar: Das Spielfeld zeigt nur positive Zahlen.</translation>
    </message>
    <message>
        <source>Tunnel Options:</source>
        <translation>Tunneloptionen:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Minimal</source>
        <translation>Wenige</translation>
    </message>
    <message>
        <source>Some</source>
        <translation>Einige</translation>
    </message>
    <message>
        <source>Many</source>
        <translation>Viele</translation>
    </message>
    <message>
        <source>Sub-Tunnels:</source>
        <translation>Seitentunnel:</translation>
    </message>
    <message>
        <source>Milestones Marked</source>
        <translation>Wegmarken zeigen</translation>
    </message>
    <message>
        <source>Entrance Marked</source>
        <translation>Eingang markiert</translation>
    </message>
    <message>
        <source>Lowest answer</source>
        <translation>Kleinstes Ergebnis</translation>
    </message>
    <message>
        <source>Highest answer</source>
        <translation>Größtes Ergebnis</translation>
    </message>
    <message>
        <source>Answer Range:</source>
        <translation>Zahlenraum:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
</context>
<context>
    <name>sb::TfrmMain</name>
    <message>
        <source>Your current score out of the possible maximum score.</source>
        <translation>Deine Punkte und die höchste mögliche Punktzahl.</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Laufschrift</translation>
    </message>
    <message>
        <source>Rules and hints scroll by here.</source>
        <translation>Hier laufen Regeln und Tipps durch.</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>2-Second Penalty</source>
        <translation>2-Sekunden-Strafe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Sound &amp;Effects</source>
        <translation>&amp;Töne</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>E-mail Support &amp;&amp; Suggestions</source>
        <translation>Hilfe und Ideen per E-Mail</translation>
    </message>
    <message>
        <source>News and New Games</source>
        <translation>Neuigkeiten und neue Spiele</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Sumburrow</translation>
    </message>
    <message>
        <source>File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Equation %1</source>
        <translation>Rechnung %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;The news page that comes with the game is missing.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Seite mit Neuigkeiten, die beim Spiel dabei ist, fehlt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Some of the game&apos;s files could not be read, so the game goes on without them:

%1

The program folder is %2</source>
        <translation>Einige Dateien des Spiels konnten nicht gelesen werden. Das Spiel läuft ohne sie weiter:

%1

Der Programmordner ist %2</translation>
    </message>
    <message>
        <source>The help page is missing: %1</source>
        <translation>Die Hilfeseite fehlt: %1</translation>
    </message>
    <message>
        <source>%1 support, feedback, etc.</source>
        <translation>%1: Hilfe, Rückmeldung, Ideen</translation>
    </message>
</context>
<context>
    <name>sb::TfrmMaze</name>
    <message>
        <source>frmMaze</source>
        <translation>Labyrinth-Werkstatt</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>sb::TfrmStats</name>
    <message>
        <source>Level=%1 wins = %2 losses = %3</source>
        <translation>Klasse %1: %2 geschafft, %3 nicht geschafft</translation>
    </message>
    <message>
        <source>Letters=%1 wins = %2 losses = %3</source>
        <translation>Buchstaben %1: %2 geschafft, %3 nicht geschafft</translation>
    </message>
    <message>
        <source>Score=%1 wins = %2 losses = %3</source>
        <translation>Punkte %1: %2 geschafft, %3 nicht geschafft</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Histogram of games</source>
        <translation>Diagramm der Spiele</translation>
    </message>
    <message>
        <source>Show By:</source>
        <translation>Zeigen nach:</translation>
    </message>
    <message>
        <source>Levels 1-???</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source># of Letters</source>
        <translation>Anzahl Buchstaben</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>By Handicap:</source>
        <translation>Nach Schwierigkeit:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Schwerer</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>By Options:</source>
        <translation>Nach Optionen:</translation>
    </message>
    <message>
        <source>With Definitions </source>
        <translation>Mit Definitionen</translation>
    </message>
    <message>
        <source>With Locked Letters</source>
        <translation>Mit festen Buchstaben</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Wettlauf-Spiele</translation>
    </message>
    <message>
        <source># Incomplete:</source>
        <translation>Nicht geschafft:</translation>
    </message>
    <message>
        <source># Completed:</source>
        <translation>Geschafft:</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Gespielt:</translation>
    </message>
    <message>
        <source>Success Rate:</source>
        <translation>Erfolgsquote:</translation>
    </message>
    <message>
        <source>Display your stats by selecting any combination of filters.</source>
        <translation>Kombiniere die Filter, wie du willst, um die Statistik zu sehen.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>%1 games played, %2 completed, %3 incomplete</source>
        <translation>%1 Spiele gespielt, %2 geschafft, %3 nicht geschafft</translation>
    </message>
    <message>
        <source>The statistics file %1 cannot be written (%2), so this game and the games after it are kept in %3 instead. File &gt; Statistics shows the games of both files.

Play goes on.</source>
        <translation>Die Statistikdatei %1 kann nicht geschrieben werden (%2). Dieses Spiel und die folgenden werden deshalb in %3 gespeichert. Datei &gt; Statistik zeigt die Spiele aus beiden Dateien.

Das Spiel geht weiter.</translation>
    </message>
    <message>
        <source>The game could not be added to the statistics file %1: %2.</source>
        <translation>Das Spiel konnte nicht in die Statistikdatei %1 eingetragen werden: %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the statistics, and later games will not be either while this lasts:

%1

Play goes on.</source>
        <translation>Dieses Spiel konnte nicht in die Statistik eingetragen werden, und spätere Spiele auch nicht, solange das Problem besteht:

%1

Das Spiel geht weiter.</translation>
    </message>
</context>
</TS>
