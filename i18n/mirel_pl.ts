<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Klikaj sąsiednie jednakowe klocki i zbieraj punkty</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>Z pułapkami będzie jeszcze szaleniej!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Stworzył zespół Mirel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Cisza</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Zestaw #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Ruchome wiersze</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Ruchome kolumny</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Miny</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Pułapki</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Koniec gry!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>błękitna kulka</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>zielona kulka</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>szara kulka</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>purpurowa kulka</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>czerwona kulka</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>żółta kulka</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>niebieski kwadrat</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>błękitny kwadrat</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>zielony kwadrat</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>czerwony kwadrat</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>biały kwadrat</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>żółty kwadrat</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>smutna buźka</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>nachmurzona buźka</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>roześmiana buźka</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>uśmiechnięta buźka</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>obojętna buźka</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Wynik: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>Wybuchła mina! Wynik: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Cofnięto, wynik: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nie ma czego cofnąć.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>Wiersze się przesunęły.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>Kolumny się przesunęły.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Wynik: %1, miejsce %2 w tabeli najlepszych</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nowa gra.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>wiersz %1, kolumna %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, bez pary</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, grupa: %2, %n punkt</numerusform>
            <numerusform>%1, grupa: %2, %n punkty</numerusform>
            <numerusform>%1, grupa: %2, %n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>element %1</translation>
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
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Koniec gry! Wynik %1 trafia do rekordów na miejsce %2. Wpisz imię: do siedmiu liter i cyfr</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>miejsce %1, puste</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>miejsce %1, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>miejsce %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>kropka</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Zestaw 1, kulki</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Zestaw 2, kwadraty</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Zestaw 3, buźki</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Klikaj sąsiednie jednakowe klocki i zbieraj punkty. Z pułapkami będzie jeszcze szaleniej!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Stworzył zespół Mirel. Wersja %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Zestaw elementów</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Pułapki</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Koniec gry!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Ruchome wiersze</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Ruchome kolumny</translation>
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
        <translation>Wersja</translation>
    </message>
</context>
</TS>
