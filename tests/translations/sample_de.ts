<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few texts in a German of deliberately long words, for the tests of the language machinery
     while the real translations are being written. -->
<TS version="2.1" language="de_DE">
<context>
    <name>Game</name>
    <message><source>&amp;New</source><translation>&amp;Neues Spiel</translation></message>
    <message><source>Number not adjacent</source><translation>Diese Zahl ist keine Nachbarzahl des Tunnelendes</translation></message>
</context>
<context>
    <name>BoardDescription</name>
    <message><source>Your path ends at %1, column %2, row %3.</source><translation>Dein Weg endet bei %1, Spalte %2, Zeile %3.</translation></message>
</context>
<context>
    <name>sb::TfrmMain</name>
    <message><source>Game</source><translation>Spiel</translation></message>
    <message><source>Statistics</source><translation>Statistik</translation></message>
    <message><source>Score %1</source><translation>Punktestand %1</translation></message>
</context>
<context>
    <name>sb::Tfo</name>
    <message><source>Sumburrow - Options</source><translation>Sumburrow - Einstellungen</translation></message>
    <message><source>Quick Settings:</source><translation>Schnelleinstellungen für Klassen:</translation></message>
    <message><source>Grade 3</source><translation>Dritte Klasse</translation></message>
    <message><source>Higher Penalties</source><translation>Höhere Strafpunkte bei Fehlern</translation></message>
    <message><source>Timed Worm</source><translation>Wurm mit unerbittlich tickender Uhr</translation></message>
    <message><source>Answer Range:</source><translation>Bereich der Ergebnisse:</translation></message>
</context>
<context>
    <name>sb::TfrmStats</name>
    <message><source>Games Played:</source><translation>Insgesamt gespielte Spiele:</translation></message>
    <message><source>By Handicap:</source><translation>Nach Schwierigkeitsvorgabe:</translation></message>
    <message><source>Display your stats by selecting any combination of filters.</source><translation>Wähle beliebige Filterkombinationen aus, um deine Spielstatistik in allen Einzelheiten anzuzeigen.</translation></message>
</context>
<context>
    <name>sb::TfTips</name>
    <message><source>Show Tips at Startup</source><translation>Tipps bei jedem Programmstart anzeigen</translation></message>
</context>
</TS>
