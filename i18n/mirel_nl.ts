<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Klik op gelijke stenen naast elkaar en scoor punten</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>Met extra's wordt het nog wilder!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Gemaakt door het Mirel-team</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Set #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Rijen schuiven</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Kolommen schuiven</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mijnen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Top-
scores</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Extra's</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Afgelopen!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>cyaan bal</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>groene bal</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>grijze bal</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>magenta bal</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>rode bal</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>gele bal</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blauw vierkant</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>cyaan vierkant</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>groen vierkant</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>rood vierkant</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>wit vierkant</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>geel vierkant</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>verdrietig gezichtje</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>boos gezichtje</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>grijnzend gezichtje</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>lachend gezichtje</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>neutraal gezichtje</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Score: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>Er is een mijn ontploft! Score: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Ongedaan gemaakt, score: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Niets om ongedaan te maken.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>De rijen zijn verschoven.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>De kolommen zijn verschoven.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Score: %1, plaats %2 in de topscores</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nieuw spel.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>rij %1, kolom %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, alleen</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, groep van %2, %n punt</numerusform>
            <numerusform>%1, groep van %2, %n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>stuk %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Afgelopen! Je score van %1 staat op plaats %2 in de topscores. Typ een naam van hooguit zeven letters en cijfers</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>plaats %1, leeg</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>plaats %1, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>plaats %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>punt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Set 1, ballen</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Set 2, vierkanten</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Set 3, gezichtjes</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Klik op gelijke stenen naast elkaar en scoor punten. Met extra's wordt het nog wilder!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Gemaakt door het Mirel-team. Versie %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Stukkenset</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Extra's</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Afgelopen!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Rijen schuiven</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Kolommen schuiven</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mijnen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
</context>
</TS>
