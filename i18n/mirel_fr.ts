<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Pictures</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points</source>
        <translation>Cliquez sur des pièces identiques voisines pour marquer des points</translation>
    </message>
    <message>
        <source>Use Events to make things even wilder!</source>
        <translation>Avec les imprévus, c'est encore plus fou !</translation>
    </message>
    <message>
        <source>Made by the Mirel team</source>
        <translation>Créé par l'équipe Mirel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Set #%1</source>
        <translation>Jeu #%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Row Shifts</source>
        <translation>Lignes mobiles</translation>
    </message>
    <message>
        <source>Column Shifts</source>
        <translation>Colonnes mobiles</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mines</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>High
Scores</source>
        <translation>Meilleurs
scores</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Imprévus</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partie finie !</translation>
    </message>
</context>
<context>
    <name>mirel</name>
    <message>
        <source>cyan ball</source>
        <translation>boule cyan</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>boule verte</translation>
    </message>
    <message>
        <source>grey ball</source>
        <translation>boule grise</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation>boule magenta</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>boule rouge</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>boule jaune</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>carré bleu</translation>
    </message>
    <message>
        <source>cyan square</source>
        <translation>carré cyan</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>carré vert</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>carré rouge</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>carré blanc</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>carré jaune</translation>
    </message>
    <message>
        <source>sad face</source>
        <translation>visage triste</translation>
    </message>
    <message>
        <source>frowning face</source>
        <translation>visage renfrogné</translation>
    </message>
    <message>
        <source>grinning face</source>
        <translation>visage hilare</translation>
    </message>
    <message>
        <source>smiling face</source>
        <translation>visage souriant</translation>
    </message>
    <message>
        <source>neutral face</source>
        <translation>visage neutre</translation>
    </message>
</context>
<context>
    <name>mirel::KeyboardPlay</name>
    <message>
        <source>Score %1.</source>
        <translation>Score&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A mine exploded! Score %1.</source>
        <translation>Une mine a explosé&#xa0;! Score&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Undone, score %1.</source>
        <translation>Annulé, score&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Rien à annuler.</translation>
    </message>
    <message>
        <source>The rows shifted.</source>
        <translation>Les lignes se sont décalées.</translation>
    </message>
    <message>
        <source>The columns shifted.</source>
        <translation>Les colonnes se sont décalées.</translation>
    </message>
    <message>
        <source>Score %1, rank %2 of the high scores</source>
        <translation>Score&#xa0;: %1, rang %2 des meilleurs scores</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nouvelle partie.</translation>
    </message>
    <message>
        <source>row %1, column %2: </source>
        <translation>ligne %1, colonne %2&#xa0;: </translation>
    </message>
    <message>
        <source>%1, alone</source>
        <translation>%1, sans voisin</translation>
    </message>
    <message numerus="yes">
        <source>%1, a group of %2, %n points</source>
        <translation>
            <numerusform>%1, groupe de %2, %n point</numerusform>
            <numerusform>%1, groupe de %2, %n points</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>piece %1</source>
        <translation>pièce %1</translation>
    </message>
</context>
<context>
    <name>mirel::frmHighScore</name>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Game over! Score %1 entered the high scores at rank %2. Type a name of up to seven letters and digits</source>
        <translation>Partie finie&#xa0;! Votre score de %1 entre au rang %2 des meilleurs scores. Tapez un nom de sept lettres ou chiffres au plus</translation>
    </message>
    <message>
        <source>rank %1, empty</source>
        <translation>rang %1, vide</translation>
    </message>
    <message>
        <source>rank %1, %2</source>
        <translation>rang %1, %2</translation>
    </message>
    <message>
        <source>rank %1, %2, %3</source>
        <translation>rang %1, %2, %3</translation>
    </message>
</context>
<context>
    <name>mirel::frmMain</name>
    <message>
        <source>point</source>
        <translation>point</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Set 1, balls</source>
        <translation>Jeu 1, boules</translation>
    </message>
    <message>
        <source>Set 2, squares</source>
        <translation>Jeu 2, carrés</translation>
    </message>
    <message>
        <source>Set 3, faces</source>
        <translation>Jeu 3, visages</translation>
    </message>
    <message>
        <source>Click on identical adjacent pieces to score points. Use Events to make things even wilder!</source>
        <translation>Cliquez sur des pièces identiques voisines pour marquer des points. Avec les imprévus, c’est encore plus fou&#xa0;!</translation>
    </message>
    <message>
        <source>Mirel. Made by the Mirel team. Version %1.%2</source>
        <translation>Mirel. Créé par l’équipe Mirel. Version %1.%2</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Piece set</source>
        <translation>Jeu de pièces</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Imprévus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Mirel</source>
        <translation>Mirel</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Partie finie&#xa0;!</translation>
    </message>
    <message>
        <source>Row shifts</source>
        <translation>Lignes mobiles</translation>
    </message>
    <message>
        <source>Column shifts</source>
        <translation>Colonnes mobiles</translation>
    </message>
    <message>
        <source>Mines</source>
        <translation>Mines</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
</TS>
