<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Щёлкайте по одинаковым соседним фишкам и набирайте очки</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>С помехами будет ещё безумнее!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Сделано командой Mirel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Тихо</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Набор #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Сдвиг строк</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Сдвиг столбцов</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Мины</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Помехи</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Гайд</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Игра окончена!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>голубой шарик</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>зелёный шарик</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>серый шарик</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>пурпурный шарик</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>красный шарик</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>жёлтый шарик</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>синий квадрат</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>голубой квадрат</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>зелёный квадрат</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>красный квадрат</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>белый квадрат</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>жёлтый квадрат</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>грустная рожица</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>хмурая рожица</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>ухмыляющаяся рожица</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>улыбающаяся рожица</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>равнодушная рожица</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Счёт: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>Взорвалась мина! Счёт: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Ход отменён, счёт: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Отменять нечего.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>Ряды сдвинулись.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>Столбцы сдвинулись.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Счёт: %1, %2-е место в таблице рекордов</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Счёт: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Новая игра.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>ряд %1, столбец %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, без пары</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, группа из %2, %n очко</numerusform>
            <numerusform>%1, группа из %2, %n очка</numerusform>
            <numerusform>%1, группа из %2, %n очков</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>фишка %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Игра окончена! Счёт %1 попал в таблицу рекордов на %2-е место. Введите имя: до семи букв и цифр</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>%1-е место, пусто</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>%1-е место, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>%1-е место, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>точка</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Включён</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Набор 1, шарики</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Набор 2, квадраты</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Набор 3, рожицы</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Щёлкайте по одинаковым соседним фишкам и набирайте очки. С помехами будет ещё безумнее!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Сделано командой Mirel. Версия %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Набор фишек</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Помехи</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Гайд</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Игра окончена!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Сдвиг строк</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Сдвиг столбцов</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Мины</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
</context>
</TS>
