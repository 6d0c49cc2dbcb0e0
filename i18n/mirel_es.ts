<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Haz clic en fichas iguales vecinas para ganar puntos</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>¡Con las sorpresas todo es más loco!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Hecho por el equipo de Mirel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Fichas #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Filas móviles</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Columnas móviles</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Sorpresas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin del juego!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>bola cian</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>bola verde</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>bola gris</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>bola magenta</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bola roja</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>bola amarilla</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>cuadrado azul</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>cuadrado cian</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>cuadrado verde</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>cuadrado rojo</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>cuadrado blanco</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>cuadrado amarillo</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>cara triste</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>cara ceñuda</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>cara risueña</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>cara sonriente</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>cara seria</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Puntos: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>¡Explotó una mina! Puntos: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Deshecho, puntos: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nada que deshacer.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>Las filas se desplazaron.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>Las columnas se desplazaron.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Puntos: %1, puesto %2 de la clasificación</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Partida nueva.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>fila %1, columna %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, sin pareja</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, grupo de %2, %n punto</numerusform>
            <numerusform>%1, grupo de %2, %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>pieza %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>¡Fin del juego! Tus %1 puntos entran en los récords en el puesto %2. Escribe un nombre de hasta siete letras y cifras</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>puesto %1, vacío</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>puesto %1, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>puesto %1, %2, %3</translation>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Fichas 1, bolas</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Fichas 2, cuadrados</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Fichas 3, caras</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Haz clic en fichas iguales vecinas para ganar puntos. ¡Con las sorpresas todo es más loco!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Hecho por el equipo de Mirel. Versión %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Juego de piezas</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Sorpresas</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>¡Fin del juego!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Filas móviles</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Columnas móviles</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Vale</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
</TS>
