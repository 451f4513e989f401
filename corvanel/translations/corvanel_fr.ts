<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Corvanel</name>
    <message>
        <source>AddAt: src or dest is nil</source>
        <translation>AddAt : source ou destination absente</translation>
    </message>
    <message>
        <source>AddAfter: src or dest is nil</source>
        <translation>AddAfter : source ou destination absente</translation>
    </message>
    <message>
        <source>Cannot move %1 to top of MRU - it is not in the MRU</source>
        <translation>Impossible de placer %1 en tête de la liste des éléments récents : il n’y figure pas</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Index de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Cannot perform an undo record without a JAction and its OnDo</source>
        <translation>Impossible d’exécuter un enregistrement d’annulation sans JAction ni son OnDo</translation>
    </message>
    <message>
        <source>Can&apos;t undo</source>
        <translation>Impossible d’annuler</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Cannot open registry because TJStorage.Key is blank</source>
        <translation>Impossible d’ouvrir le registre : TJStorage.Key est vide</translation>
    </message>
    <message>
        <source>JStorage not Open</source>
        <translation>JStorage n’est pas ouvert</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a TJStorage</source>
        <translation>Impossible d’affecter un %1 à un TJStorage</translation>
    </message>
</context>
</TS>
