<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>GameFileError</name>
    <message>
        <source>No error.</source>
        <translation>Aucune erreur.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1.</source>
        <translation>Le fichier n&apos;a pas pu être ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Le fichier n&apos;a pas pu être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file is larger than a game file can be (%1 bytes).</source>
        <translation>Le fichier est plus grand qu&apos;un fichier de partie ne peut l&apos;être (%1 octets).</translation>
    </message>
    <message>
        <source>The game could not be saved: %1. The file on disk was not changed.</source>
        <translation>La partie n&apos;a pas pu être enregistrée&#xa0;: %1. Le fichier sur le disque n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The line is longer than %1 characters.</source>
        <translation>La ligne dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The line holds a character that a game file does not use.</source>
        <translation>La ligne contient un caractère qu&apos;un fichier de partie n&apos;utilise pas.</translation>
    </message>
    <message>
        <source>This is not an Ombrel game file.</source>
        <translation>Ce n&apos;est pas un fichier de partie d&apos;Ombrel.</translation>
    </message>
    <message>
        <source>The file was written in format %1, which this version of Ombrel cannot read.</source>
        <translation>Le fichier a été écrit au format %1, que cette version d&apos;Ombrel ne sait pas lire.</translation>
    </message>
    <message>
        <source>A line starting with &quot;%1&quot; was expected here.</source>
        <translation>Une ligne commençant par «&#xa0;%1&#xa0;» était attendue ici.</translation>
    </message>
    <message>
        <source>The date is not a date like 2026-12-09T10:03:02Z.</source>
        <translation>La date n&apos;est pas une date comme 2026-12-09T10:03:02Z.</translation>
    </message>
    <message>
        <source>A player is &quot;human&quot; or &quot;computer&quot; with a level from &quot;easy&quot; to &quot;extremely-difficult&quot;.</source>
        <translation>Un joueur est «&#xa0;human&#xa0;» ou «&#xa0;computer&#xa0;» avec un niveau de «&#xa0;easy&#xa0;» à «&#xa0;extremely-difficult&#xa0;».</translation>
    </message>
    <message>
        <source>Only one of the players can be the computer.</source>
        <translation>Un seul des joueurs peut être l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>The starting position is not written as &quot;start houses N seeds ... stores A B mover P opener P&quot;.</source>
        <translation>La position de départ n&apos;est pas écrite sous la forme «&#xa0;start houses N seeds ... stores A B mover P opener P&#xa0;».</translation>
    </message>
    <message>
        <source>The number %1 is out of range here.</source>
        <translation>Le nombre %1 sort ici de son domaine.</translation>
    </message>
    <message>
        <source>This line is neither a move, &quot;turn&quot;, &quot;round&quot; nor &quot;end&quot;.</source>
        <translation>Cette ligne n&apos;est ni un coup, ni «&#xa0;turn&#xa0;», ni «&#xa0;round&#xa0;», ni «&#xa0;end&#xa0;».</translation>
    </message>
    <message>
        <source>The moves must start with the line &quot;round 1&quot;.</source>
        <translation>Les coups doivent commencer par la ligne «&#xa0;round 1&#xa0;».</translation>
    </message>
    <message>
        <source>This should be round %1.</source>
        <translation>Il devrait s&apos;agir de la manche %1.</translation>
    </message>
    <message>
        <source>The game has more than %1 moves, turns and rounds.</source>
        <translation>La partie compte plus de %1 coups, changements de trait et manches.</translation>
    </message>
    <message>
        <source>The file ends too early: its last line &quot;end&quot; is missing.</source>
        <translation>Le fichier s&apos;arrête trop tôt&#xa0;: sa dernière ligne «&#xa0;end&#xa0;» manque.</translation>
    </message>
    <message>
        <source>There is text after the line &quot;end&quot;.</source>
        <translation>Il y a du texte après la ligne «&#xa0;end&#xa0;».</translation>
    </message>
    <message>
        <source>Player %1 is not to move here.</source>
        <translation>Le joueur %1 n&apos;a pas le trait ici.</translation>
    </message>
    <message>
        <source>House %1 does not belong to the player to move.</source>
        <translation>La case %1 n&apos;appartient pas au joueur qui a le trait.</translation>
    </message>
    <message>
        <source>House %1 is empty.</source>
        <translation>La case %1 est vide.</translation>
    </message>
    <message>
        <source>A new round cannot start here: the round is not over.</source>
        <translation>Une nouvelle manche ne peut pas commencer ici&#xa0;: la manche n&apos;est pas finie.</translation>
    </message>
    <message>
        <source>The round is over here: the next line must start the next round.</source>
        <translation>La manche est finie ici&#xa0;: la ligne suivante doit commencer la manche suivante.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>The computer is thinking...</source>
        <translation>L&apos;ordinateur réfléchit...</translation>
    </message>
    <message>
        <source>The computer is playing...</source>
        <translation>L&apos;ordinateur joue...</translation>
    </message>
    <message>
        <source>Player %1 is playing...</source>
        <translation>Le joueur %1 joue...</translation>
    </message>
    <message>
        <source>Ready. Player %1 can play now.</source>
        <translation>Prêt. Le joueur %1 peut jouer.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Manche terminée</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>Click left or right to modify seeds. Press + or - to modify houses</source>
        <translation>Clic gauche ou droit&#xa0;: graines. Touche + ou -&#xa0;: cases</translation>
    </message>
    <message>
        <source>The other player is still playing. Please wait.</source>
        <translation>L&apos;autre joueur n&apos;a pas fini de jouer. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Please wait until the current move or hint is over.</source>
        <translation>Veuillez attendre la fin du coup ou du conseil en cours.</translation>
    </message>
    <message>
        <source>You don&apos;t own this house!</source>
        <translation>Cette case ne vous appartient pas&#xa0;!</translation>
    </message>
    <message>
        <source>This house is empty!</source>
        <translation>Cette case est vide&#xa0;!</translation>
    </message>
    <message>
        <source>Game over. Player 1 wins all the houses.</source>
        <translation>Partie terminée. Le joueur 1 gagne toutes les cases.</translation>
    </message>
    <message>
        <source>Game over. Player 2 wins all the houses.</source>
        <translation>Partie terminée. Le joueur 2 gagne toutes les cases.</translation>
    </message>
    <message>
        <source>Game over. Continue?</source>
        <translation>Manche terminée. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>The computer can not play. Continue?</source>
        <translation>L&apos;ordinateur ne peut pas jouer. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>No best start found somehow</source>
        <translation>Aucun meilleur coup n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>This sowing would never end, so it was stopped after 500 seeds. The seeds still in hand were laid into the house the sowing had reached.</source>
        <translation>Ce semis ne se serait jamais terminé&#xa0;; il a donc été arrêté après 500 graines. Les graines encore en main ont été déposées dans la case que le semis avait atteinte.</translation>
    </message>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>OmbrelApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Ombrel</source>
        <translation>À propos d&apos;Ombrel</translation>
    </message>
    <message>
        <source>Ombrel is free software: you may use, share and change it free of charge.</source>
        <translation>Ombrel est un logiciel libre&#xa0;: vous pouvez l&apos;utiliser, le partager et le modifier gratuitement.</translation>
    </message>
    <message>
        <source>Visit the Corvanel homepage</source>
        <translation>Visiter le site de Corvanel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Opponent</source>
        <translation>&amp;Adversaire</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last move</source>
        <translation>Annuler le dernier coup</translation>
    </message>
    <message>
        <source>&amp;Human</source>
        <translation>&amp;Humain</translation>
    </message>
    <message>
        <source>Human opponent</source>
        <translation>Adversaire humain</translation>
    </message>
    <message>
        <source>Computer (&amp;Easy)</source>
        <translation>Ordinateur (&amp;Facile)</translation>
    </message>
    <message>
        <source>Computer (Easy)</source>
        <translation>Ordinateur (Facile)</translation>
    </message>
    <message>
        <source>Computer (&amp;Medium)</source>
        <translation>Ordinateur (&amp;Moyen)</translation>
    </message>
    <message>
        <source>Computer (Medium)</source>
        <translation>Ordinateur (Moyen)</translation>
    </message>
    <message>
        <source>Computer (&amp;Difficult)</source>
        <translation>Ordinateur (&amp;Difficile)</translation>
    </message>
    <message>
        <source>Computer (Difficult)</source>
        <translation>Ordinateur (Difficile)</translation>
    </message>
    <message>
        <source>Computer (&amp;Very Difficult)</source>
        <translation>Ordinateur (&amp;Très difficile)</translation>
    </message>
    <message>
        <source>Computer (Very Difficult)</source>
        <translation>Ordinateur (Très difficile)</translation>
    </message>
    <message>
        <source>Computer (E&amp;xtremely Difficult)</source>
        <translation>Ordinateur (E&amp;xtrêmement difficile)</translation>
    </message>
    <message>
        <source>Computer (Extremely Difficult)</source>
        <translation>Ordinateur (Extrêmement difficile)</translation>
    </message>
    <message>
        <source>Computer (M&amp;aster)</source>
        <translation>Ordinateur (M&amp;aître)</translation>
    </message>
    <message>
        <source>Computer (Master)</source>
        <translation>Ordinateur (Maître)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Get online help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Animation speed...</source>
        <translation>&amp;Vitesse de l&apos;animation...</translation>
    </message>
    <message>
        <source>Set animation speed</source>
        <translation>Régler la vitesse de l&apos;animation</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>Stop thinking, play now</source>
        <translation>Cesser de réfléchir et jouer tout de suite</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Let the computer play from this position</source>
        <translation>Laisser l&apos;ordinateur jouer à partir de cette position</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Céder le trait</translation>
    </message>
    <message>
        <source>Let the other player move first</source>
        <translation>Laisser l&apos;autre joueur commencer</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Disposer</translation>
    </message>
    <message>
        <source>Setup the board</source>
        <translation>Disposer les graines sur le plateau</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Afficher les informations sur le programme</translation>
    </message>
    <message>
        <source>Sa&amp;ve Game...</source>
        <translation>&amp;Enregistrer la partie...</translation>
    </message>
    <message>
        <source>Save the game to a file</source>
        <translation>Enregistrer la partie dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>&amp;Ouvrir une partie...</translation>
    </message>
    <message>
        <source>Open a saved game</source>
        <translation>Ouvrir une partie enregistrée</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Play the undone move again</source>
        <translation>Rejouer le coup annulé</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>&amp;Liste des coups</translation>
    </message>
    <message>
        <source>Show the moves of the game</source>
        <translation>Afficher les coups de la partie</translation>
    </message>
    <message>
        <source>Show A&amp;nalysis</source>
        <translation>Afficher l&apos;a&amp;nalyse</translation>
    </message>
    <message>
        <source>Show the score of every house the player to move can play</source>
        <translation>Afficher la valeur de chaque case que le joueur qui a le trait peut jouer</translation>
    </message>
</context>
<context>
    <name>TSpeedDlg</name>
    <message>
        <source>Set speed</source>
        <translation>Régler la vitesse</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ombrel::BoardView</name>
    <message>
        <source>Score %1</source>
        <translation>Valeur %1</translation>
    </message>
    <message>
        <source>Score %1, exact</source>
        <translation>Valeur %1, exacte</translation>
    </message>
</context>
<context>
    <name>ombrel::BoardTexts</name>
    <message numerus="yes">
        <source>Player %1&apos;s house, seeds: %n</source>
        <comment>a house and its seed count</comment>
        <translation>
            <numerusform>Case du joueur %1, %n graine</numerusform>
            <numerusform>Case du joueur %1, %n graines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player %1&apos;s captured groups: %n</source>
        <comment>a store and its count of groups of four seeds</comment>
        <translation>
            <numerusform>Groupes pris par le joueur %1&#xa0;: %n</numerusform>
            <numerusform>Groupes pris par le joueur %1&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>House %1, top row, column %2 from the left</source>
        <translation>Case %1, rangée du haut, colonne %2 en partant de la gauche</translation>
    </message>
    <message>
        <source>House %1, bottom row, column %2 from the left</source>
        <translation>Case %1, rangée du bas, colonne %2 en partant de la gauche</translation>
    </message>
    <message>
        <source>Each group is four seeds, shown below the board</source>
        <translation>Chaque groupe compte quatre graines, montrées sous le plateau</translation>
    </message>
    <message>
        <source>Each group is four seeds, shown above the board</source>
        <translation>Chaque groupe compte quatre graines, montrées au-dessus du plateau</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>ombrel::HelpWindow</name>
    <message>
        <source>Ombrel Help</source>
        <translation>Aide d&apos;Ombrel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Back to the previous page</source>
        <translation>Revenir à la page précédente</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Forward to the next page</source>
        <translation>Aller à la page suivante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back to the start of the manual</source>
        <translation>Revenir au début du manuel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ombrel::MoveListPanel</name>
    <message>
        <source>Move List</source>
        <translation>Liste des coups</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Round %1, Player %2: house %3</source>
        <translation>Manche %1, joueur %2&#xa0;: case %3</translation>
    </message>
    <message>
        <source>Round %1: Turn</source>
        <translation>Manche %1&#xa0;: céder le trait</translation>
    </message>
    <message>
        <source>Round %1 begins</source>
        <translation>Début de la manche %1</translation>
    </message>
</context>
<context>
    <name>ombrel::TMainForm</name>
    <message>
        <source>Ready. Player 1 can play now. Click on a house to start moving.</source>
        <translation>Prêt. Le joueur 1 peut jouer. Cliquez sur une case pour jouer.</translation>
    </message>
    <message>
        <source>Hint: %1. %2.</source>
        <translation>Conseil&#xa0;: %1. %2.</translation>
    </message>
    <message>
        <source>Exact hint, proven best: %1. %2.</source>
        <translation>Conseil exact, le meilleur prouvé&#xa0;: %1. %2.</translation>
    </message>
    <message>
        <source>The computer plays %1. %2.</source>
        <translation>L&apos;ordinateur joue %1. %2.</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Autres commandes</translation>
    </message>
    <message>
        <source>The help file ombrel.html could not be found.</source>
        <translation>Le fichier d&apos;aide ombrel.html est introuvable.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Round %1 - Player 1: %2, Player 2: %3</source>
        <translation>Manche %1 - Joueur 1&#xa0;: %2, Joueur 2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Ombrel games (*.ombrel)</source>
        <translation>Parties Ombrel (*.ombrel)</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>Ombrel games (*.ombrel);;All files (*)</source>
        <translation>Parties Ombrel (*.ombrel);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Play on from this position? The moves after it are dropped.</source>
        <translation>Continuer à partir de cette position&#xa0;? Les coups suivants seront abandonnés.</translation>
    </message>
</context>
</TS>
