<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Klicke auf gleiche Steine nebeneinander und sammle Punkte</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>Mit Extras wird es noch wilder!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Ein Spiel vom Mirel-Team</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Satz #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Reihen rücken</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Spalten rücken</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Besten-
liste</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>türkise Kugel</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>grüne Kugel</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>graue Kugel</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>magentafarbene Kugel</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>rote Kugel</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>gelbe Kugel</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blaues Quadrat</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>türkises Quadrat</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>grünes Quadrat</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>rotes Quadrat</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>weißes Quadrat</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>gelbes Quadrat</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>trauriges Gesicht</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>grimmiges Gesicht</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>grinsendes Gesicht</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>lächelndes Gesicht</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>neutrales Gesicht</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Punkte: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>Eine Mine ist explodiert! Punkte: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Rückgängig gemacht, Punkte: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>Die Zeilen haben sich verschoben.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>Die Spalten haben sich verschoben.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>%1 Punkte, Platz %2 der Bestenliste</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>Zeile %1, Spalte %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, allein</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, Gruppe aus %2, %n Punkt</numerusform>
            <numerusform>%1, Gruppe aus %2, %n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>Stein %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Spiel vorbei! Mit %1 Punkten auf Platz %2 der Bestenliste. Gib einen Namen mit bis zu sieben Buchstaben und Ziffern ein</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>Platz %1, leer</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>Platz %1, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>Platz %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Satz 1, Kugeln</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Satz 2, Quadrate</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Satz 3, Gesichter</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Klicke auf gleiche Steine nebeneinander und sammle Punkte. Mit Extras wird es noch wilder!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Ein Spiel vom Mirel-Team. Version %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Steinsatz</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Reihen rücken</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Spalten rücken</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
</TS>
