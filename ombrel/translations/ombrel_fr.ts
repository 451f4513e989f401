<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
</context>
<context>
    <name>ombrel::TMainForm</name>
    <message>
        <source>Ready. Player 1 can play now. Click on a house to start moving.</source>
        <translation>Prêt. Le joueur 1 peut jouer. Cliquez sur une case pour jouer.</translation>
    </message>
    <message>
        <source>The help file ombrel.html could not be found.</source>
        <translation>Le fichier d&apos;aide ombrel.html est introuvable.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
</TS>
