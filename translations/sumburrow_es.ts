<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BoardDescription</name>
    <message>
        <source>the edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on your path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is over. The tunnel is complete and the worm is home. Score %1. Press F2 for a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is over. The worm did not get home. Score %1. Press F2 for a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is over. The tunnel is shown. Score %1. Press F2 for a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your path ends at %1, column %2, row %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game yet. Press F2 for a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the start of the tunnel on the top row with the mouse.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Sumburrow - Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>A highest answer below 2 leaves no equations: the next game uses %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lowest answer is above the highest: the next game uses %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chain of equations stays within %3 to %4: the next game uses %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press [F1] for help or [F7] for options or [F2] to start a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get your worm to its home by marking its tunnel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The playing field is an underground maze, with numbered clumps of earth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark the tunnel by connecting the numbers into valid equations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last answer is the start of the next equation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form the next equation from the answer of the prior equation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you make a mistake, use &quot;Go Back&quot; or [Backspace].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As you connect the numbers correctly, the tunnel is formed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once all numbers are in the correct order will you complete the tunnel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also use the arrow keys to control the marking of your tunnel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the worm is unleashed, you need to complete the tunnel quickly to keep your score as high as possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is over if the worm does not get home.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set a handicap to increase or decrease difficulty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Options &gt; Banner to turn off this banner once you&apos;ve learned these rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equations are in simplest form using three consecutive number like %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on three adjacent numbers in the order of the equation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select three adjacent numbers using arrow keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BackTrack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t go there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number not adjacent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot split tunnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the next number of the equation starting with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find answer for current equation using %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue by building next equation starting from last answer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect - try: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use [Go Back] to correct equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunnel Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building the maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filling the maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunnel length is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on adjacent numbers from the start<byte value="xd"/>
to form valid equations, eg 10-3=7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the next number in the equation after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate the start of the tunnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunnel not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunnel off track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split in tunnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunnel incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunnel complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unleashing the worm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to get home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Sumburrow grows new mazes and games all the time: visit %1 for free updates and news.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every new board is a fresh maze that the game digs itself. What is new in this version is on the news page that comes with the game: Help &gt; News and New Games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check our website via the internet for new announcements?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the news about this version of Sumburrow?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To report a problem or suggest an idea, please tell the person who looks after this computer (a parent, a teacher or the school&apos;s computer support). Say what you did, what you expected and what happened instead, and that this is Sumburrow %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundFiles</name>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a playable sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported sample format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inconsistent format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>truncated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Digging the tunnels...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::AboutBox</name>
    <message>
        <source>About Sumburrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Sumburrow %1&lt;/h2&gt;&lt;p&gt;An arithmetic tunnel puzzle for school children, grades 1 to 8.&lt;/p&gt;&lt;p&gt;Find the worm&apos;s hidden tunnel: its numbers read as a chain of equations.&lt;/p&gt;&lt;p&gt;Free software under the %2.&lt;/p&gt;&lt;p&gt;Game design, code, pictures, sounds and tips: the Sumburrow team.&lt;br&gt;Built with Qt %3.&lt;/p&gt;%4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::TfTips</name>
    <message>
        <source>Oops...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, no (more) tips are available. You can disable this message by unchecking &quot;Show Tips at Startup&quot; at the bottom of this dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::Tfo</name>
    <message>
        <source>Sumburrow - Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grade 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Higher Penalties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Penalties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handicap Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Louder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quieter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth Density:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunnel Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The font of the numbers on the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed Worm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Correct Equations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morphing Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Negative Integers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available yet: the board shows positive numbers only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunnel Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-Tunnels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milestones Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrance Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::TfrmMain</name>
    <message>
        <source>Your current score out of the possible maximum score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules and hints scroll by here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-Second Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound &amp;Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail Support &amp;&amp; Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News and New Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The news page that comes with the game is missing.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of the game&apos;s files could not be read, so the game goes on without them:

%1

The program folder is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help page is missing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 support, feedback, etc.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::TfrmMaze</name>
    <message>
        <source>frmMaze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sb::TfrmStats</name>
    <message>
        <source>Level=%1 wins = %2 losses = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters=%1 wins = %2 losses = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score=%1 wins = %2 losses = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram of games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels 1-???</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># of Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Handicap:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Definitions </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Locked Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Incomplete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Completed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display your stats by selecting any combination of filters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 games played, %2 completed, %3 incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics file %1 cannot be written (%2), so this game and the games after it are kept in %3 instead. File &gt; Statistics shows the games of both files.

Play goes on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be added to the statistics file %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game could not be added to the statistics, and later games will not be either while this lasts:

%1

Play goes on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
