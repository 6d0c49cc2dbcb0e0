<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Клацайте на однакові сусідні фішки й заробляйте очки</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>З пастками буде ще шаленіше!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Створено командою Mirel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Тиша</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Набір #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Інфо</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Зсув рядків</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Зсув стовпців</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Міни</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нова</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Пастки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Гайд</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Гру закінчено!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>блакитна кулька</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>зелена кулька</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>сіра кулька</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>пурпурова кулька</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>червона кулька</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>жовта кулька</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>синій квадрат</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>блакитний квадрат</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>зелений квадрат</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>червоний квадрат</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>білий квадрат</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>жовтий квадрат</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>сумний смайлик</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>насуплений смайлик</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>широко усміхнений смайлик</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>усміхнений смайлик</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>байдужий смайлик</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Рахунок: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>Вибухнула міна! Рахунок: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Хід скасовано, рахунок: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Нічого скасовувати.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>Рядки зсунулися.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>Стовпці зсунулися.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Рахунок: %1, місце %2 у таблиці рекордів</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Рахунок: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Нова гра.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>рядок %1, стовпець %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, без пари</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, група з %2, %n бал</numerusform>
            <numerusform>%1, група з %2, %n бали</numerusform>
            <numerusform>%1, група з %2, %n балів</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>фішка %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Гру закінчено! Рахунок %1 потрапив до таблиці рекордів на місце %2. Введіть ім’я: до семи літер і цифр</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>місце %1, порожньо</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>місце %1, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>місце %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>крапка</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Набір 1, кульки</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Набір 2, квадрати</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Набір 3, смайлики</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Клацайте на однакові сусідні фішки й заробляйте очки. З пастками буде ще шаленіше!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Створено командою Mirel. Версія %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Набір фішок</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Пастки</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Гайд</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Інфо</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Гру закінчено!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Зсув рядків</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Зсув стовпців</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Міни</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
</context>
</TS>
