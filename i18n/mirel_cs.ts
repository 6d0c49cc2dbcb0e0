<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Klikej na stejné sousední kameny a sbírej body</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>S nástrahami bude hra ještě divočejší!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Vytvořil tým Mirel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Ticho</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Sada #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Posun řádků</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Posun sloupců</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Miny</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nová</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Nástrahy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Konec hry!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>azurová kulička</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>zelená kulička</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>šedá kulička</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>purpurová kulička</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>červená kulička</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>žlutá kulička</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>modrý čtverec</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>azurový čtverec</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>zelený čtverec</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>červený čtverec</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>bílý čtverec</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>žlutý čtverec</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>smutný obličej</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>zamračený obličej</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>šklebící se obličej</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>usměvavý obličej</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>neutrální obličej</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Skóre: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>Vybuchla mina! Skóre: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Vráceno, skóre: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Není co vracet.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>Řádky se posunuly.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>Sloupce se posunuly.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Skóre: %1, %2. místo v tabulce</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Skóre: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nová hra.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>řádek %1, sloupec %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, bez souseda</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, skupina: %2, %n bod</numerusform>
            <numerusform>%1, skupina: %2, %n body</numerusform>
            <numerusform>%1, skupina: %2, %n bodů</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>kámen %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Konec hry! Skóre %1 se dostalo mezi rekordy na %2. místo. Napiš jméno, nejvýš sedm písmen a číslic</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>%1. místo, prázdné</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>%1. místo, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>%1. místo, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>tečka</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Sada 1, kuličky</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Sada 2, čtverce</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Sada 3, obličeje</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Klikej na stejné sousední kameny a sbírej body. S nástrahami bude hra ještě divočejší!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Vytvořil tým Mirel. Verze %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skóre</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Sada kamenů</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Nástrahy</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Konec hry!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Posun řádků</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Posun sloupců</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Miny</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
</context>
</TS>
