<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Clique em peças iguais vizinhas para marcar pontos</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>Com as surpresas fica ainda mais louco!</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Feito pela equipe Mirel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Peças #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Linhas móveis</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Colunas móveis</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Surpresas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Fim de jogo!</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>bola ciano</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>bola verde</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>bola cinza</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>bola magenta</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bola vermelha</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>bola amarela</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>quadrado azul</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>quadrado ciano</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>quadrado verde</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>quadrado vermelho</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>quadrado branco</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>quadrado amarelo</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>carinha triste</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>carinha emburrada</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>carinha rindo</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>carinha sorridente</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>carinha séria</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Pontos: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>Uma mina explodiu! Pontos: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Desfeito, pontos: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nada para desfazer.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>As linhas se deslocaram.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>As colunas se deslocaram.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Pontos: %1, %2º lugar no placar</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Novo jogo.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>linha %1, coluna %2: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, sem par</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, grupo de %2, %n ponto</numerusform>
            <numerusform>%1, grupo de %2, %n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>peça %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zerar</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Fim de jogo! Seus %1 pontos entraram nos recordes em %2º lugar. Digite um nome de até sete letras e números</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>%1º lugar, vazio</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>%1º lugar, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>%1º lugar, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>ponto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Peças 1, bolas</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Peças 2, quadrados</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Peças 3, carinhas</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Clique em peças iguais vizinhas para marcar pontos. Com as surpresas fica ainda mais louco!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Feito pela equipe Mirel. Versão %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Conjunto de peças</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Surpresas</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Fim de jogo!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Linhas móveis</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Colunas móveis</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Minas</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
</context>
</TS>
