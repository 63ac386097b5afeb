<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardDescription</name>
    <message>
        <source>the edge</source>
        <translation>le bord</translation>
    </message>
    <message>
        <source>%1, home</source>
        <translation>%1, la maison</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>%1 on your path</source>
        <translation>%1 sur ton chemin</translation>
    </message>
    <message>
        <source>The game is over. The tunnel is complete and the worm is home. Score %1. Press F2 for a new game.</source>
        <translation>La partie est finie. Le tunnel est terminé et le ver est rentré chez lui. Score %1. Appuie sur F2 pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>The game is over. The worm did not get home. Score %1. Press F2 for a new game.</source>
        <translation>La partie est finie. Le ver n&apos;a pas pu rentrer chez lui. Score %1. Appuie sur F2 pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>The game is over. The tunnel is shown. Score %1. Press F2 for a new game.</source>
        <translation>La partie est finie. Le tunnel est affiché. Score %1. Appuie sur F2 pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>Your path ends at %1, column %2, row %3.</source>
        <translation>Ton chemin s&apos;arrête au %1, colonne %2, ligne %3.</translation>
    </message>
    <message>
        <source>Up: %1.</source>
        <translation>En haut : %1.</translation>
    </message>
    <message>
        <source>Down: %1.</source>
        <translation>En bas : %1.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>À droite : %1.</translation>
    </message>
    <message>
        <source>Left: %1.</source>
        <translation>À gauche : %1.</translation>
    </message>
    <message>
        <source>No game yet. Press F2 for a new game.</source>
        <translation>Pas encore de partie. Appuie sur F2 pour une nouvelle partie.</translation>
    </message>
    <message>
        <source>Pick the start of the tunnel on the top row with the mouse.</source>
        <translation>Choisis le début du tunnel sur la ligne du haut avec la souris.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Sumburrow - Font</source>
        <translation>Sumburrow - Police</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>A highest answer below 2 leaves no equations: the next game uses %1 to %2.</source>
        <translation>Un plus grand résultat sous 2 ne permet aucun calcul : la partie suivante ira de %1 à %2.</translation>
    </message>
    <message>
        <source>The lowest answer is above the highest: the next game uses %1 to %2.</source>
        <translation>Le plus petit résultat dépasse le plus grand : la partie suivante ira de %1 à %2.</translation>
    </message>
    <message>
        <source>No chain of equations stays within %3 to %4: the next game uses %1 to %2.</source>
        <translation>Aucune chaîne de calculs ne reste entre %3 et %4 : la partie suivante ira de %1 à %2.</translation>
    </message>
    <message>
        <source>Press [F1] for help or [F7] for options or [F2] to start a new game.</source>
        <translation>Appuie sur [F1] pour l&apos;aide, sur [F7] pour les options ou sur [F2] pour commencer une nouvelle partie.</translation>
    </message>
    <message>
        <source>Get your worm to its home by marking its tunnel.</source>
        <translation>Ramène ton ver chez lui en marquant son tunnel.</translation>
    </message>
    <message>
        <source>The playing field is an underground maze, with numbered clumps of earth.</source>
        <translation>La grille est un labyrinthe sous la terre, avec des mottes de terre numérotées.</translation>
    </message>
    <message>
        <source>Mark the tunnel by connecting the numbers into valid equations.</source>
        <translation>Marque le tunnel en reliant les nombres pour former des calculs justes.</translation>
    </message>
    <message>
        <source>The last answer is the start of the next equation.</source>
        <translation>Le dernier résultat est le début du calcul suivant.</translation>
    </message>
    <message>
        <source>Form the next equation from the answer of the prior equation.</source>
        <translation>Forme le calcul suivant à partir du résultat du calcul précédent.</translation>
    </message>
    <message>
        <source>If you make a mistake, use &quot;Go Back&quot; or [Backspace].</source>
        <translation>Si tu te trompes, utilise « Reculer » ou [Backspace].</translation>
    </message>
    <message>
        <source>As you connect the numbers correctly, the tunnel is formed.</source>
        <translation>Quand tu relies les bons nombres, le tunnel se forme.</translation>
    </message>
    <message>
        <source>Once all numbers are in the correct order will you complete the tunnel.</source>
        <translation>Le tunnel n&apos;est terminé que lorsque tous les nombres sont dans le bon ordre.</translation>
    </message>
    <message>
        <source>You can also use the arrow keys to control the marking of your tunnel.</source>
        <translation>Tu peux aussi marquer ton tunnel avec les touches fléchées.</translation>
    </message>
    <message>
        <source>If the worm is unleashed, you need to complete the tunnel quickly to keep your score as high as possible.</source>
        <translation>Quand le ver est sorti, termine vite le tunnel pour garder le meilleur score possible.</translation>
    </message>
    <message>
        <source>The game is over if the worm does not get home.</source>
        <translation>La partie est finie si le ver ne peut pas rentrer chez lui.</translation>
    </message>
    <message>
        <source>Set a handicap to increase or decrease difficulty.</source>
        <translation>Règle le niveau de pénalités pour rendre le jeu plus difficile ou plus facile.</translation>
    </message>
    <message>
        <source>Click Options &gt; Banner to turn off this banner once you&apos;ve learned these rules.</source>
        <translation>Quand tu connais ces règles, clique sur Options &gt; Bandeau pour cacher ce bandeau.</translation>
    </message>
    <message>
        <source>Equations are in simplest form using three consecutive number like %1</source>
        <translation>Un calcul, c&apos;est tout simplement trois nombres à la suite, comme %1</translation>
    </message>
    <message>
        <source>Click on three adjacent numbers in the order of the equation.</source>
        <translation>Clique sur trois nombres voisins, dans l&apos;ordre du calcul.</translation>
    </message>
    <message>
        <source>Select three adjacent numbers using arrow keys.</source>
        <translation>Choisis trois nombres voisins avec les touches fléchées.</translation>
    </message>
    <message>
        <source>Cl&amp;ue</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>BackTrack</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Rentrer à la maison</translation>
    </message>
    <message>
        <source>L&amp;oad</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Banner</source>
        <translation>&amp;Bandeau</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Can&apos;t go there</source>
        <translation>Impossible d&apos;aller là</translation>
    </message>
    <message>
        <source>Number not adjacent</source>
        <translation>Nombre pas à côté</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Pas relié</translation>
    </message>
    <message>
        <source>Cannot split tunnel</source>
        <translation>Le tunnel ne se sépare pas</translation>
    </message>
    <message>
        <source>Find the next number of the equation starting with %1</source>
        <translation>Trouve le nombre suivant du calcul qui commence par %1</translation>
    </message>
    <message>
        <source>Find answer for current equation using %1 and %2</source>
        <translation>Trouve le résultat du calcul avec %1 et %2</translation>
    </message>
    <message>
        <source>Continue by building next equation starting from last answer %1</source>
        <translation>Continue avec le calcul suivant, qui commence par le dernier résultat, %1</translation>
    </message>
    <message>
        <source>Incorrect - try: %1</source>
        <translation>Faux - essaie : %1</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Use [Go Back] to correct equation</source>
        <translation>Utilise [Reculer] pour corriger le calcul</translation>
    </message>
    <message>
        <source>Tunnel Complete</source>
        <translation>Tunnel terminé</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Building the maze</source>
        <translation>Construction du labyrinthe</translation>
    </message>
    <message>
        <source>Filling the maze</source>
        <translation>Remplissage du labyrinthe</translation>
    </message>
    <message>
        <source>Tunnel length is %1</source>
        <translation>Longueur du tunnel : %1</translation>
    </message>
    <message>
        <source>Clue (%1)</source>
        <translation>Indice (%1)</translation>
    </message>
    <message>
        <source>Click on adjacent numbers from the start<byte value="xd"/>
to form valid equations, eg 10-3=7</source>
        <translation>Clique sur des nombres voisins en partant de l&apos;entrée<byte value="xd"/>
pour former des calculs justes, comme 10-3=7</translation>
    </message>
    <message>
        <source>Click on the next number in the equation after %1</source>
        <translation>Clique sur le nombre du calcul qui vient après %1</translation>
    </message>
    <message>
        <source>Locate the start of the tunnel</source>
        <translation>Trouve le début du tunnel</translation>
    </message>
    <message>
        <source>Tunnel not started</source>
        <translation>Tunnel pas commencé</translation>
    </message>
    <message>
        <source>Tunnel off track</source>
        <translation>Hors du tunnel</translation>
    </message>
    <message>
        <source>Split in tunnel</source>
        <translation>Ton chemin se sépare</translation>
    </message>
    <message>
        <source>Tunnel incomplete</source>
        <translation>Tunnel pas terminé</translation>
    </message>
    <message>
        <source>Tunnel complete</source>
        <translation>Tunnel terminé</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Essaie encore</translation>
    </message>
    <message>
        <source>Unleashing the worm</source>
        <translation>Le ver sort</translation>
    </message>
    <message>
        <source>Failed to get home</source>
        <translation>Le ver n&apos;a pas pu rentrer</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>Sumburrow grows new mazes and games all the time: visit %1 for free updates and news.</source>
        <translation>Sumburrow fait sans cesse pousser de nouveaux labyrinthes et de nouveaux jeux : va sur %1 pour les mises à jour gratuites et les actualités.</translation>
    </message>
    <message>
        <source>Every new board is a fresh maze that the game digs itself. What is new in this version is on the news page that comes with the game: Help &gt; News and New Games.</source>
        <translation>Chaque nouvelle grille est un labyrinthe tout neuf, creusé par le jeu lui-même. Les nouveautés de cette version sont sur la page d&apos;actualités fournie avec le jeu : Aide &gt; Actualités et nouveaux jeux.</translation>
    </message>
    <message>
        <source>Check our website via the internet for new announcements?</source>
        <translation>Aller voir les nouveautés sur notre site web, par Internet ?</translation>
    </message>
    <message>
        <source>Read the news about this version of Sumburrow?</source>
        <translation>Lire les nouveautés de cette version de Sumburrow ?</translation>
    </message>
    <message>
        <source>To report a problem or suggest an idea, please tell the person who looks after this computer (a parent, a teacher or the school&apos;s computer support). Say what you did, what you expected and what happened instead, and that this is Sumburrow %1.</source>
        <translation>Pour signaler un problème ou proposer une idée, parles-en à la personne qui s&apos;occupe de cet ordinateur (un parent, un enseignant ou le service informatique de l&apos;école). Dis ce que tu as fait, ce que tu attendais et ce qui s&apos;est passé à la place, et que c&apos;est Sumburrow %1.</translation>
    </message>
</context>
<context>
    <name>SoundFiles</name>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>not a playable sound</source>
        <translation>son impossible à jouer</translation>
    </message>
    <message>
        <source>not a WAVE file</source>
        <translation>pas un fichier WAVE</translation>
    </message>
    <message>
        <source>unsupported sample format</source>
        <translation>format d&apos;échantillons non pris en charge</translation>
    </message>
    <message>
        <source>inconsistent format</source>
        <translation>format incohérent</translation>
    </message>
    <message>
        <source>truncated</source>
        <translation>tronqué</translation>
    </message>
    <message>
        <source>no format chunk</source>
        <translation>pas de bloc de format</translation>
    </message>
    <message>
        <source>no samples</source>
        <translation>aucun échantillon</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>endommagé : %1</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Digging the tunnels...</source>
        <translation>On creuse les tunnels...</translation>
    </message>
</context>
<context>
    <name>sb::AboutBox</name>
    <message>
        <source>About Sumburrow</source>
        <translation>À propos de Sumburrow</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Sumburrow %1&lt;/h2&gt;&lt;p&gt;An arithmetic tunnel puzzle for school children, grades 1 to 8.&lt;/p&gt;&lt;p&gt;Find the worm&apos;s hidden tunnel: its numbers read as a chain of equations.&lt;/p&gt;&lt;p&gt;Free software under the %2.&lt;/p&gt;&lt;p&gt;Game design, code, pictures, sounds and tips: the Sumburrow team.&lt;br&gt;Built with Qt %3.&lt;/p&gt;%4</source>
        <translation>&lt;h2&gt;Sumburrow %1&lt;/h2&gt;&lt;p&gt;Un jeu de réflexion avec des calculs et des tunnels, pour les écoliers du CP à la 4e.&lt;/p&gt;&lt;p&gt;Trouve le tunnel caché du ver : ses nombres forment une chaîne de calculs.&lt;/p&gt;&lt;p&gt;Logiciel libre sous licence %2.&lt;/p&gt;&lt;p&gt;Conception du jeu, code, images, sons et astuces : l&apos;équipe Sumburrow.&lt;br&gt;Réalisé avec Qt %3.&lt;/p&gt;%4</translation>
    </message>
</context>
<context>
    <name>sb::TfTips</name>
    <message>
        <source>Oops...</source>
        <translation>Oups...</translation>
    </message>
    <message>
        <source>Sorry, no (more) tips are available. You can disable this message by unchecking &quot;Show Tips at Startup&quot; at the bottom of this dialog.</source>
        <translation>Désolé, il n&apos;y a pas (plus) d&apos;astuces. Pour ne plus voir ce message, décoche « Astuces au démarrage » en bas de cette fenêtre.</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Astuces au démarrage</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Suivante</translation>
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
        <translation>Sumburrow - Options</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Grade 1</source>
        <translation>Niveau CP</translation>
    </message>
    <message>
        <source>Grade 2</source>
        <translation>Niveau CE1</translation>
    </message>
    <message>
        <source>Grade 3</source>
        <translation>Niveau CE2</translation>
    </message>
    <message>
        <source>Grade 4</source>
        <translation>Niveau CM1</translation>
    </message>
    <message>
        <source>Grade 5</source>
        <translation>Niveau CM2</translation>
    </message>
    <message>
        <source>Grade 6</source>
        <translation>Niveau 6e</translation>
    </message>
    <message>
        <source>Grade 7</source>
        <translation>Niveau 5e</translation>
    </message>
    <message>
        <source>Grade 8</source>
        <translation>Niveau 4e</translation>
    </message>
    <message>
        <source>Quick Settings:</source>
        <translation>Réglages rapides :</translation>
    </message>
    <message>
        <source>Higher Penalties</source>
        <translation>Pénalités fortes</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Lower Penalties</source>
        <translation>Pénalités faibles</translation>
    </message>
    <message>
        <source>Handicap Level:</source>
        <translation>Niveau de pénalités :</translation>
    </message>
    <message>
        <source>Sound Volume:</source>
        <translation>Volume sonore :</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Plus fort</translation>
    </message>
    <message>
        <source>Quieter</source>
        <translation>Moins fort</translation>
    </message>
    <message>
        <source>Earth Density:</source>
        <translation>Densité de terre :</translation>
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
        <translation>Longueur du tunnel :</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Plus long</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Plus court</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>The font of the numbers on the board</source>
        <translation>La police des nombres sur la grille</translation>
    </message>
    <message>
        <source>Game Settings:</source>
        <translation>Réglages du jeu :</translation>
    </message>
    <message>
        <source>Timed Worm</source>
        <translation>Ver chronométré</translation>
    </message>
    <message>
        <source>Animations</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Flash Correct Equations</source>
        <translation>Montrer le bon calcul</translation>
    </message>
    <message>
        <source>Morphing Numbers</source>
        <translation>Nombres changeants</translation>
    </message>
    <message>
        <source>Number Options:</source>
        <translation>Options des nombres :</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Allow Negative Integers</source>
        <translation>Nombres négatifs</translation>
    </message>
    <message>
        <source>Not available yet: the board shows positive numbers only.</source>
        <translation>Pas encore disponible : la grille ne montre que des nombres positifs.</translation>
    </message>
    <message>
        <source>Tunnel Options:</source>
        <translation>Options du tunnel :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Minimal</source>
        <translation>Très peu</translation>
    </message>
    <message>
        <source>Some</source>
        <translation>Quelques-uns</translation>
    </message>
    <message>
        <source>Many</source>
        <translation>Beaucoup</translation>
    </message>
    <message>
        <source>Sub-Tunnels:</source>
        <translation>Faux tunnels :</translation>
    </message>
    <message>
        <source>Milestones Marked</source>
        <translation>Étapes marquées</translation>
    </message>
    <message>
        <source>Entrance Marked</source>
        <translation>Entrée marquée</translation>
    </message>
    <message>
        <source>Lowest answer</source>
        <translation>Plus petit résultat</translation>
    </message>
    <message>
        <source>Highest answer</source>
        <translation>Plus grand résultat</translation>
    </message>
    <message>
        <source>Answer Range:</source>
        <translation>Plage des résultats :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
</context>
<context>
    <name>sb::TfrmMain</name>
    <message>
        <source>Your current score out of the possible maximum score.</source>
        <translation>Ton score, sur le score maximum possible.</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Bandeau</translation>
    </message>
    <message>
        <source>Rules and hints scroll by here.</source>
        <translation>Les règles et les conseils défilent ici.</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>2-Second Penalty</source>
        <translation>Pénalité de 2 secondes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Sound &amp;Effects</source>
        <translation>&amp;Effets sonores</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>E-mail Support &amp;&amp; Suggestions</source>
        <translation>Assistance et suggestions par e-mail</translation>
    </message>
    <message>
        <source>News and New Games</source>
        <translation>Actualités et nouveaux jeux</translation>
    </message>
    <message>
        <source>Visit Web Site</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Equation %1</source>
        <translation>Calcul %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;The news page that comes with the game is missing.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La page d&apos;actualités fournie avec le jeu est introuvable.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Some of the game&apos;s files could not be read, so the game goes on without them:

%1

The program folder is %2</source>
        <translation>Certains fichiers du jeu n&apos;ont pas pu être lus, alors le jeu continue sans eux :

%1

Le dossier du programme est %2</translation>
    </message>
    <message>
        <source>The help page is missing: %1</source>
        <translation>La page d&apos;aide est introuvable : %1</translation>
    </message>
    <message>
        <source>%1 support, feedback, etc.</source>
        <translation>%1 : assistance, remarques, etc.</translation>
    </message>
</context>
<context>
    <name>sb::TfrmMaze</name>
    <message>
        <source>frmMaze</source>
        <translation>Atelier du labyrinthe</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>sb::TfrmStats</name>
    <message>
        <source>Level=%1 wins = %2 losses = %3</source>
        <translation>Niveau %1 : %2 terminées, %3 non terminées</translation>
    </message>
    <message>
        <source>Letters=%1 wins = %2 losses = %3</source>
        <translation>Lettres %1 : %2 terminées, %3 non terminées</translation>
    </message>
    <message>
        <source>Score=%1 wins = %2 losses = %3</source>
        <translation>Score %1 : %2 terminées, %3 non terminées</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Histogram of games</source>
        <translation>Graphique des parties</translation>
    </message>
    <message>
        <source>Show By:</source>
        <translation>Afficher par :</translation>
    </message>
    <message>
        <source>Levels 1-???</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source># of Letters</source>
        <translation>Nb de lettres</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>By Handicap:</source>
        <translation>Par pénalités :</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>By Options:</source>
        <translation>Par options :</translation>
    </message>
    <message>
        <source>With Definitions </source>
        <translation>Avec définitions</translation>
    </message>
    <message>
        <source>With Locked Letters</source>
        <translation>Avec lettres bloquées</translation>
    </message>
    <message>
        <source>Timed Games</source>
        <translation>Parties chronométrées</translation>
    </message>
    <message>
        <source># Incomplete:</source>
        <translation>Non terminées :</translation>
    </message>
    <message>
        <source># Completed:</source>
        <translation>Terminées :</translation>
    </message>
    <message>
        <source>Games Played:</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <source>Success Rate:</source>
        <translation>Taux de réussite :</translation>
    </message>
    <message>
        <source>Display your stats by selecting any combination of filters.</source>
        <translation>Combine les filtres comme tu veux pour voir les statistiques.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 games played, %2 completed, %3 incomplete</source>
        <translation>%1 parties jouées, %2 terminées, %3 non terminées</translation>
    </message>
    <message>
        <source>The statistics file %1 cannot be written (%2), so this game and the games after it are kept in %3 instead. File &gt; Statistics shows the games of both files.

Play goes on.</source>
        <translation>Le fichier de statistiques %1 ne peut pas être écrit (%2) : cette partie et les suivantes sont donc gardées dans %3. Fichier &gt; Statistiques montre les parties des deux fichiers.

Le jeu continue.</translation>
    </message>
    <message>
        <source>The game could not be added to the statistics file %1: %2.</source>
        <translation>La partie n&apos;a pas pu être ajoutée au fichier de statistiques %1 : %2.</translation>
    </message>
    <message>
        <source>This game could not be added to the statistics, and later games will not be either while this lasts:

%1

Play goes on.</source>
        <translation>Cette partie n&apos;a pas pu être ajoutée aux statistiques, et les suivantes ne le seront pas non plus tant que le problème dure :

%1

Le jeu continue.</translation>
    </message>
</context>
</TS>
