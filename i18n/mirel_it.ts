<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Clicca su pezzi uguali vicini per fare punti</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>Con gli imprevisti è ancora più pazzo!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Creato dal team di Mirel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Serie #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Righe mobili</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Colonne mobili</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Imprevisti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partita finita!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>pallina azzurra</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>pallina verde</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>pallina grigia</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>pallina magenta</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>pallina rossa</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>pallina gialla</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>quadrato blu</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>quadrato azzurro</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>quadrato verde</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>quadrato rosso</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>quadrato bianco</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>quadrato giallo</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>faccia triste</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>faccia accigliata</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>faccia ghignante</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>faccia sorridente</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>faccia impassibile</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Punteggio: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>È esplosa una mina! Punteggio: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Annullato, punteggio: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Niente da annullare.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>Le righe si sono spostate.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>Le colonne si sono spostate.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Punteggio: %1, %2° posto in classifica</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punteggio: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nuova partita.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>riga %1, colonna %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, senza vicini</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, gruppo di %2, %n punto</numerusform>
            <numerusform>%1, gruppo di %2, %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>pezzo %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Partita finita! Con %1 punti entri nei record al %2° posto. Scrivi un nome di massimo sette lettere e cifre</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>%1° posto, vuoto</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>%1° posto, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>%1° posto, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Serie 1, palline</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Serie 2, quadrati</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Serie 3, facce</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Clicca su pezzi uguali vicini per fare punti. Con gli imprevisti è ancora più pazzo!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Creato dal team di Mirel. Versione %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Serie di pezzi</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Imprevisti</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Partita finita!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Righe mobili</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Colonne mobili</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
</context>
</TS>
