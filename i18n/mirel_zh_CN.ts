<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>点击相邻的相同棋子即可得分</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>开启事件，玩得更疯狂！</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Mirel 团队出品</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音效开</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>音效关</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>图案 #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>开</translation>
    </message>
    <message>
        <source>No</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>行移动</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>列移动</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>地雷</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新局</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>游戏结束！</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>青色小球</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>绿色小球</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>灰色小球</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>品红小球</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>红色小球</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>黄色小球</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>蓝色方块</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>青色方块</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>绿色方块</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>红色方块</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>白色方块</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>黄色方块</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>伤心脸</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>皱眉脸</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>咧嘴笑脸</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>微笑脸</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>平静脸</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>得分 %1。</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>地雷爆炸了！得分 %1。</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>已撤销，得分 %1。</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>没有可撤销的操作。</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>行移动了。</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>列移动了。</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>得分 %1，高分榜第 %2 名</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>得分 %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>新游戏。</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>第 %1 行，第 %2 列：</translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1，单独一个</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1，%2 个一组，%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>棋子 %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>游戏结束！得分 %1 进入排行榜第 %2 名。请输入名字，最多七个字母或数字</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>第 %1 名，空</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>第 %1 名，%2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>第 %1 名，%2，%3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>开</translation>
    </message>
    <message>
        <source>No</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>图案 1，小球</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>图案 2，方块</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>图案 3，笑脸</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>点击相邻的相同棋子即可得分。开启事件，玩得更疯狂！</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel。Mirel 团队出品。版本 %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新局</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>棋子套装</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>游戏结束！</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>行移动</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>列移动</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>地雷</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
</context>
</TS>
