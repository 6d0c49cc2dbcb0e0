<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>同じ色のとなり合う​ピースを​クリックして​得点しよう</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>イベントで​さらに​スリリングに！</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Mirel チーム制作</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音あり</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>音なし</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>絵柄 #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>No</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>戻す</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>行ずらし</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>列ずらし</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>地雷</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>ハイ
スコア</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>ゲームオーバー！</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>シアンのボール</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>緑のボール</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>灰色のボール</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>マゼンタのボール</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>赤のボール</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>黄色のボール</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>青の四角</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>シアンの四角</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>緑の四角</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>赤の四角</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>白の四角</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>黄色の四角</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>悲しい顔</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>しかめっ面</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>にやにや顔</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>にこにこ顔</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>真顔</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>スコア：%1。</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>地雷が爆発！スコア：%1。</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>元に戻しました。スコア：%1。</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>戻せる手はありません。</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>行がずれました。</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>列がずれました。</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>スコア：%1、ハイスコア%2位</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>スコア：%1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>新しいゲーム。</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>%1行%2列：</translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1、ひとつだけ</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1、%2個のグループ、%n点</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>ピース%1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>ゲームオーバー！スコア%1でハイスコア%2位に入りました。名前を英数字7文字以内で入力してください</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>%1位、空き</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>%1位、%2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>%1位、%2、%3</translation>
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
        <translation>オン</translation>
    </message>
    <message>
        <source>No</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>絵柄1、ボール</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>絵柄2、四角</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>絵柄3、顔</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>同じ色のとなり合うピースをクリックして得点しよう。イベントでさらにスリリングに！</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel。Mirelチーム制作。バージョン%1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新規ゲーム</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>ピースのセット</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>戻す</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>ゲームオーバー！</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>行ずらし</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>列ずらし</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>地雷</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
</context>
</TS>
