<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GameFileError</name>
    <message>
        <source>No error.</source>
        <translation>Kein Fehler.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1.</source>
        <translation>Die Datei konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Die Datei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is larger than a game file can be (%1 bytes).</source>
        <translation>Die Datei ist größer, als eine Spieldatei sein kann (%1 Byte).</translation>
    </message>
    <message>
        <source>The game could not be saved: %1. The file on disk was not changed.</source>
        <translation>Das Spiel konnte nicht gespeichert werden: %1. Die Datei auf der Festplatte blieb unverändert.</translation>
    </message>
    <message>
        <source>The line is longer than %1 characters.</source>
        <translation>Die Zeile ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The line holds a character that a game file does not use.</source>
        <translation>Die Zeile enthält ein Zeichen, das in keiner Spieldatei vorkommt.</translation>
    </message>
    <message>
        <source>This is not an Ombrel game file.</source>
        <translation>Das ist keine Ombrel-Spieldatei.</translation>
    </message>
    <message>
        <source>The file was written in format %1, which this version of Ombrel cannot read.</source>
        <translation>Die Datei wurde im Format %1 geschrieben, das diese Version von Ombrel nicht lesen kann.</translation>
    </message>
    <message>
        <source>A line starting with &quot;%1&quot; was expected here.</source>
        <translation>Hier wurde eine Zeile erwartet, die mit „%1“ beginnt.</translation>
    </message>
    <message>
        <source>The date is not a date like 2026-12-09T10:03:02Z.</source>
        <translation>Das Datum ist kein Datum wie 2026-12-09T10:03:02Z.</translation>
    </message>
    <message>
        <source>A player is &quot;human&quot; or &quot;computer&quot; with a level from &quot;easy&quot; to &quot;extremely-difficult&quot;.</source>
        <translation>Ein Spieler ist „human“ oder „computer“ mit einer Stärke von „easy“ bis „extremely-difficult“.</translation>
    </message>
    <message>
        <source>Only one of the players can be the computer.</source>
        <translation>Nur einer der Spieler kann der Computer sein.</translation>
    </message>
    <message>
        <source>The starting position is not written as &quot;start houses N seeds ... stores A B mover P opener P&quot;.</source>
        <translation>Die Anfangsstellung ist nicht als „start houses N seeds ... stores A B mover P opener P“ geschrieben.</translation>
    </message>
    <message>
        <source>The number %1 is out of range here.</source>
        <translation>Die Zahl %1 liegt hier außerhalb des erlaubten Bereichs.</translation>
    </message>
    <message>
        <source>This line is neither a move, &quot;turn&quot;, &quot;round&quot; nor &quot;end&quot;.</source>
        <translation>Diese Zeile ist weder ein Zug noch „turn“, „round“ oder „end“.</translation>
    </message>
    <message>
        <source>The moves must start with the line &quot;round 1&quot;.</source>
        <translation>Die Züge müssen mit der Zeile „round 1“ beginnen.</translation>
    </message>
    <message>
        <source>This should be round %1.</source>
        <translation>Hier sollte Runde %1 stehen.</translation>
    </message>
    <message>
        <source>The game has more than %1 moves, turns and rounds.</source>
        <translation>Das Spiel hat mehr als %1 Züge, Wechsel und Runden.</translation>
    </message>
    <message>
        <source>The file ends too early: its last line &quot;end&quot; is missing.</source>
        <translation>Die Datei endet zu früh: Ihre letzte Zeile „end“ fehlt.</translation>
    </message>
    <message>
        <source>There is text after the line &quot;end&quot;.</source>
        <translation>Nach der Zeile „end“ steht noch Text.</translation>
    </message>
    <message>
        <source>Player %1 is not to move here.</source>
        <translation>Spieler %1 ist hier nicht am Zug.</translation>
    </message>
    <message>
        <source>House %1 does not belong to the player to move.</source>
        <translation>Mulde %1 gehört nicht dem Spieler am Zug.</translation>
    </message>
    <message>
        <source>House %1 is empty.</source>
        <translation>Mulde %1 ist leer.</translation>
    </message>
    <message>
        <source>A new round cannot start here: the round is not over.</source>
        <translation>Hier kann keine neue Runde beginnen: Die Runde ist nicht vorbei.</translation>
    </message>
    <message>
        <source>The round is over here: the next line must start the next round.</source>
        <translation>Die Runde ist hier vorbei: Die nächste Zeile muss die nächste Runde beginnen.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>The computer is thinking...</source>
        <translation>Der Computer denkt nach...</translation>
    </message>
    <message>
        <source>The computer is playing...</source>
        <translation>Der Computer zieht...</translation>
    </message>
    <message>
        <source>Player %1 is playing...</source>
        <translation>Spieler %1 zieht...</translation>
    </message>
    <message>
        <source>Ready. Player %1 can play now.</source>
        <translation>Bereit. Spieler %1 ist am Zug.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Runde beendet</translation>
    </message>
    <message>
        <source>Game over.</source>
        <translation>Spiel beendet.</translation>
    </message>
    <message>
        <source>Click left or right to modify seeds. Press + or - to modify houses</source>
        <translation>Links/rechts klicken ändert die Samen, + oder - die Mulden</translation>
    </message>
    <message>
        <source>The other player is still playing. Please wait.</source>
        <translation>Der andere Spieler ist noch am Zug. Bitte warten Sie.</translation>
    </message>
    <message>
        <source>Please wait until the current move or hint is over.</source>
        <translation>Bitte warten Sie, bis der laufende Zug oder Tipp vorbei ist.</translation>
    </message>
    <message>
        <source>You don&apos;t own this house!</source>
        <translation>Diese Mulde gehört Ihnen nicht!</translation>
    </message>
    <message>
        <source>This house is empty!</source>
        <translation>Diese Mulde ist leer!</translation>
    </message>
    <message>
        <source>Game over. Player 1 wins all the houses.</source>
        <translation>Spiel beendet. Spieler 1 gewinnt alle Mulden.</translation>
    </message>
    <message>
        <source>Game over. Player 2 wins all the houses.</source>
        <translation>Spiel beendet. Spieler 2 gewinnt alle Mulden.</translation>
    </message>
    <message>
        <source>Game over. Continue?</source>
        <translation>Runde beendet. Weiterspielen?</translation>
    </message>
    <message>
        <source>The computer can not play. Continue?</source>
        <translation>Der Computer kann nicht ziehen. Weiterspielen?</translation>
    </message>
    <message>
        <source>No best start found somehow</source>
        <translation>Es wurde kein bester Zug gefunden.</translation>
    </message>
    <message>
        <source>This sowing would never end, so it was stopped after 500 seeds. The seeds still in hand were laid into the house the sowing had reached.</source>
        <translation>Diese Aussaat hätte nie geendet und wurde darum nach 500 Samen abgebrochen. Die Samen, die noch in der Hand waren, liegen jetzt in der Mulde, die die Aussaat zuletzt erreicht hatte.</translation>
    </message>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>OmbrelApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Ombrel</source>
        <translation>Über Ombrel</translation>
    </message>
    <message>
        <source>Ombrel is free software: you may use, share and change it free of charge.</source>
        <translation>Ombrel ist freie Software: Sie dürfen es kostenlos nutzen, weitergeben und verändern.</translation>
    </message>
    <message>
        <source>Visit the Corvanel homepage</source>
        <translation>Zur Homepage von Corvanel</translation>
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
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Opponent</source>
        <translation>&amp;Gegner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last move</source>
        <translation>Den letzten Zug zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Human</source>
        <translation>&amp;Mensch</translation>
    </message>
    <message>
        <source>Human opponent</source>
        <translation>Menschlicher Gegner</translation>
    </message>
    <message>
        <source>Computer (&amp;Easy)</source>
        <translation>Computer (&amp;Leicht)</translation>
    </message>
    <message>
        <source>Computer (Easy)</source>
        <translation>Computer (Leicht)</translation>
    </message>
    <message>
        <source>Computer (&amp;Medium)</source>
        <translation>Computer (Mi&amp;ttel)</translation>
    </message>
    <message>
        <source>Computer (Medium)</source>
        <translation>Computer (Mittel)</translation>
    </message>
    <message>
        <source>Computer (&amp;Difficult)</source>
        <translation>Computer (&amp;Schwer)</translation>
    </message>
    <message>
        <source>Computer (Difficult)</source>
        <translation>Computer (Schwer)</translation>
    </message>
    <message>
        <source>Computer (&amp;Very Difficult)</source>
        <translation>Computer (Sehr sch&amp;wer)</translation>
    </message>
    <message>
        <source>Computer (Very Difficult)</source>
        <translation>Computer (Sehr schwer)</translation>
    </message>
    <message>
        <source>Computer (E&amp;xtremely Difficult)</source>
        <translation>Computer (&amp;Extrem schwer)</translation>
    </message>
    <message>
        <source>Computer (Extremely Difficult)</source>
        <translation>Computer (Extrem schwer)</translation>
    </message>
    <message>
        <source>Computer (M&amp;aster)</source>
        <translation>Computer (Meiste&amp;r)</translation>
    </message>
    <message>
        <source>Computer (Master)</source>
        <translation>Computer (Meister)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Get online help</source>
        <translation>Die Hilfe anzeigen</translation>
    </message>
    <message>
        <source>&amp;Animation speed...</source>
        <translation>&amp;Animationsgeschwindigkeit...</translation>
    </message>
    <message>
        <source>Set animation speed</source>
        <translation>Die Animationsgeschwindigkeit einstellen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>An&amp;halten</translation>
    </message>
    <message>
        <source>Stop thinking, play now</source>
        <translation>Nicht weiter nachdenken, jetzt ziehen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>Let the computer play from this position</source>
        <translation>Den Computer von dieser Stellung aus spielen lassen</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Wechseln</translation>
    </message>
    <message>
        <source>Let the other player move first</source>
        <translation>Den anderen Spieler zuerst ziehen lassen</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Aufstellen</translation>
    </message>
    <message>
        <source>Setup the board</source>
        <translation>Eine Stellung aufstellen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit this application</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Show program information</source>
        <translation>Informationen über das Programm anzeigen</translation>
    </message>
    <message>
        <source>Sa&amp;ve Game...</source>
        <translation>Spiel s&amp;peichern...</translation>
    </message>
    <message>
        <source>Save the game to a file</source>
        <translation>Das Spiel in einer Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>Spiel ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a saved game</source>
        <translation>Ein gespeichertes Spiel öffnen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Play the undone move again</source>
        <translation>Den zurückgenommenen Zug noch einmal spielen</translation>
    </message>
    <message>
        <source>&amp;Move List</source>
        <translation>&amp;Zugliste</translation>
    </message>
    <message>
        <source>Show the moves of the game</source>
        <translation>Die Züge des Spiels zeigen</translation>
    </message>
    <message>
        <source>Show A&amp;nalysis</source>
        <translation>A&amp;nalyse zeigen</translation>
    </message>
    <message>
        <source>Show the score of every house the player to move can play</source>
        <translation>Den Wert jeder Mulde zeigen, die der Spieler am Zug spielen kann</translation>
    </message>
</context>
<context>
    <name>TSpeedDlg</name>
    <message>
        <source>Set speed</source>
        <translation>Geschwindigkeit einstellen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ombrel::BoardView</name>
    <message>
        <source>Score %1</source>
        <translation>Wert %1</translation>
    </message>
    <message>
        <source>Score %1, exact</source>
        <translation>Wert %1, exakt</translation>
    </message>
</context>
<context>
    <name>ombrel::BoardTexts</name>
    <message numerus="yes">
        <source>Player %1&apos;s house, seeds: %n</source>
        <comment>a house and its seed count</comment>
        <translation>
            <numerusform>Mulde von Spieler %1, %n Samen</numerusform>
            <numerusform>Mulde von Spieler %1, %n Samen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Player %1&apos;s captured groups: %n</source>
        <comment>a store and its count of groups of four seeds</comment>
        <translation>
            <numerusform>Gewonnene Gruppen von Spieler %1: %n</numerusform>
            <numerusform>Gewonnene Gruppen von Spieler %1: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>House %1, top row, column %2 from the left</source>
        <translation>Mulde %1, obere Reihe, Spalte %2 von links</translation>
    </message>
    <message>
        <source>House %1, bottom row, column %2 from the left</source>
        <translation>Mulde %1, untere Reihe, Spalte %2 von links</translation>
    </message>
    <message>
        <source>Each group is four seeds, shown below the board</source>
        <translation>Jede Gruppe sind vier Samen, unter dem Brett gezeigt</translation>
    </message>
    <message>
        <source>Each group is four seeds, shown above the board</source>
        <translation>Jede Gruppe sind vier Samen, über dem Brett gezeigt</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
</context>
<context>
    <name>ombrel::HelpWindow</name>
    <message>
        <source>Ombrel Help</source>
        <translation>Ombrel-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the previous page</source>
        <translation>Zurück zur vorigen Seite</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Forward to the next page</source>
        <translation>Vor zur nächsten Seite</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back to the start of the manual</source>
        <translation>Zurück zum Anfang der Anleitung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ombrel::MoveListPanel</name>
    <message>
        <source>Move List</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Round %1, Player %2: house %3</source>
        <translation>Runde %1, Spieler %2: Mulde %3</translation>
    </message>
    <message>
        <source>Round %1: Turn</source>
        <translation>Runde %1: Wechseln</translation>
    </message>
    <message>
        <source>Round %1 begins</source>
        <translation>Runde %1 beginnt</translation>
    </message>
</context>
<context>
    <name>ombrel::TMainForm</name>
    <message>
        <source>Ready. Player 1 can play now. Click on a house to start moving.</source>
        <translation>Bereit. Spieler 1 ist am Zug. Zum Ziehen auf eine Mulde klicken.</translation>
    </message>
    <message>
        <source>Hint: %1. %2.</source>
        <translation>Tipp: %1. %2.</translation>
    </message>
    <message>
        <source>Exact hint, proven best: %1. %2.</source>
        <translation>Exakter Tipp, nachweislich der beste: %1. %2.</translation>
    </message>
    <message>
        <source>The computer plays %1. %2.</source>
        <translation>Der Computer zieht %1. %2.</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <source>The help file ombrel.html could not be found.</source>
        <translation>Die Hilfedatei ombrel.html wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel beendet</translation>
    </message>
    <message>
        <source>Round %1 - Player 1: %2, Player 2: %3</source>
        <translation>Runde %1 - Spieler 1: %2, Spieler 2: %3</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Ombrel games (*.ombrel)</source>
        <translation>Ombrel-Spiele (*.ombrel)</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Ombrel games (*.ombrel);;All files (*)</source>
        <translation>Ombrel-Spiele (*.ombrel);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Play on from this position? The moves after it are dropped.</source>
        <translation>Von dieser Stellung aus weiterspielen? Die Züge danach werden verworfen.</translation>
    </message>
</context>
</TS>
