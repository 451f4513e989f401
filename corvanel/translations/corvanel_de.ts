<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Corvanel</name>
    <message>
        <source>AddAt: src or dest is nil</source>
        <translation>AddAt: Quelle oder Ziel fehlt</translation>
    </message>
    <message>
        <source>AddAfter: src or dest is nil</source>
        <translation>AddAfter: Quelle oder Ziel fehlt</translation>
    </message>
    <message>
        <source>Cannot move %1 to top of MRU - it is not in the MRU</source>
        <translation>%1 kann nicht an den Anfang der Liste der zuletzt verwendeten Einträge gesetzt werden – es steht nicht darin</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>Cannot perform an undo record without a JAction and its OnDo</source>
        <translation>Ein Rückgängig-Eintrag kann ohne JAction und deren OnDo nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>Can&apos;t undo</source>
        <translation>Rückgängig nicht möglich</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Cannot open registry because TJStorage.Key is blank</source>
        <translation>Die Registrierung kann nicht geöffnet werden, weil TJStorage.Key leer ist</translation>
    </message>
    <message>
        <source>JStorage not Open</source>
        <translation>JStorage ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a TJStorage</source>
        <translation>Ein %1 kann keinem TJStorage zugewiesen werden</translation>
    </message>
</context>
</TS>
