<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>DocumentBrowserView</name>
    <message>
        <source>Page cannot be shown</source>
        <translation>Seite kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Web pages cannot be opened here: %1.</source>
        <translation>Webseiten können hier nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>Server nicht gefunden</translation>
    </message>
    <message>
        <source>The server %1 cannot be found. Check the address, and your connection to the Internet.</source>
        <translation>Der Server %1 wurde nicht gefunden. Prüfe die Adresse und deine Internetverbindung.</translation>
    </message>
    <message>
        <source>The page could not be loaded: %1.</source>
        <translation>Die Seite konnte nicht geladen werden: %1.</translation>
    </message>
    <message>
        <source>The server sent the browser to an address it does not open.</source>
        <translation>Der Server hat auf eine Adresse umgeleitet, die hier nicht geöffnet wird.</translation>
    </message>
    <message>
        <source>Address not valid</source>
        <translation>Ungültige Adresse</translation>
    </message>
    <message>
        <source>This is not a valid address of a page.</source>
        <translation>Das ist keine gültige Adresse einer Seite.</translation>
    </message>
    <message>
        <source>Address not supported</source>
        <translation>Adresse nicht unterstützt</translation>
    </message>
    <message>
        <source>Addresses that begin with “%1:” cannot be opened here. The help browser opens pages on this computer and web pages (http and https).</source>
        <translation>Adressen, die mit „%1:“ beginnen, können hier nicht geöffnet werden. Die Hilfe öffnet Seiten auf diesem Computer und Webseiten (http und https).</translation>
    </message>
    <message>
        <source>Pages on other computers cannot be opened by a file address.</source>
        <translation>Seiten auf anderen Computern lassen sich nicht über eine Dateiadresse öffnen.</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>Adresse zu lang</translation>
    </message>
    <message>
        <source>This address is too long to be opened.</source>
        <translation>Diese Adresse ist zu lang zum Öffnen.</translation>
    </message>
    <message>
        <source>No address</source>
        <translation>Keine Adresse</translation>
    </message>
    <message>
        <source>Type the address of a page into the address box and press Enter.</source>
        <translation>Gib die Adresse einer Seite in das Adressfeld ein und drücke die Eingabetaste.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Seite zu groß</translation>
    </message>
    <message>
        <source>This page is larger than 2 MB, too large to be shown here.</source>
        <translation>Diese Seite ist größer als 2 MB und zu groß, um hier angezeigt zu werden.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Unter dieser Adresse gibt es keine Seite.</translation>
    </message>
    <message>
        <source>This is a folder</source>
        <translation>Das ist ein Ordner</translation>
    </message>
    <message>
        <source>This address is a folder, not a page. Open one of the pages in it instead.</source>
        <translation>Diese Adresse ist ein Ordner, keine Seite. Öffne stattdessen eine der Seiten darin.</translation>
    </message>
    <message>
        <source>Not a page</source>
        <translation>Keine Seite</translation>
    </message>
    <message>
        <source>This address is a device or a pipe, not a page, so it is not opened.</source>
        <translation>Diese Adresse ist ein Gerät oder eine Pipe, keine Seite, und wird daher nicht geöffnet.</translation>
    </message>
    <message>
        <source>Page cannot be read</source>
        <translation>Seite kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>Du darfst diese Datei nicht lesen.</translation>
    </message>
    <message>
        <source>Page too complex</source>
        <translation>Seite zu komplex</translation>
    </message>
    <message>
        <source>This page is nested too deeply, or made of too many parts, to be shown here.</source>
        <translation>Diese Seite ist zu tief verschachtelt oder besteht aus zu vielen Teilen, um hier angezeigt zu werden.</translation>
    </message>
    <message>
        <source>Picture cannot be shown</source>
        <translation>Bild kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>This picture is damaged, too large or of a kind that cannot be shown.</source>
        <translation>Dieses Bild ist beschädigt, zu groß oder von einer Art, die sich nicht anzeigen lässt.</translation>
    </message>
    <message>
        <source>This file is neither a page nor a text, so it is not shown here.</source>
        <translation>Diese Datei ist weder eine Seite noch ein Text und wird daher hier nicht angezeigt.</translation>
    </message>
    <message>
        <source>Check the address and try again, or press Home to go back to the game instructions.</source>
        <translation>Prüfe die Adresse und versuche es noch einmal, oder klicke auf „Startseite“, um zur Spielanleitung zurückzukehren.</translation>
    </message>
    <message>
        <source>This address exists, but it cannot be read.</source>
        <translation>Diese Adresse gibt es, aber sie kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the web module glimmerkin-web is missing from %1</source>
        <translation>das Webmodul glimmerkin-web fehlt in %1</translation>
    </message>
    <message>
        <source>the web module %1 is not a Qt plugin: it holds no plugin metadata</source>
        <translation>das Webmodul %1 ist kein Qt-Plugin: es enthält keine Plugin-Metadaten</translation>
    </message>
    <message>
        <source>the web module %1 is another Qt plugin (%2), not the help browser&apos;s</source>
        <translation>das Webmodul %1 ist ein anderes Qt-Plugin (%2), nicht das des Hilfefensters</translation>
    </message>
    <message>
        <source>the web module cannot be loaded: %1</source>
        <translation>das Webmodul kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>the web module %1 has no web access of its own</source>
        <translation>das Webmodul %1 bietet keinen eigenen Webzugriff</translation>
    </message>
    <message>
        <source>A page on the web cannot open pages or files on this computer.</source>
        <translation>Eine Seite aus dem Web kann keine Seiten oder Dateien auf diesem Computer öffnen.</translation>
    </message>
    <message>
        <source>Page too long</source>
        <translation>Seite zu lang</translation>
    </message>
    <message>
        <source>This page holds too much text to be shown here.</source>
        <translation>Diese Seite enthält zu viel Text, um hier angezeigt zu werden.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Runtime</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler „%1“:

%2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Control array element %1 doesn&apos;t exist</source>
        <translation>Element %1 des Steuerelementfelds existiert nicht</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit a 16-bit integer</source>
        <translation>Überlauf: %1 passt nicht in eine 16-Bit-Ganzzahl</translation>
    </message>
    <message>
        <source>The browser control %1 is not loaded</source>
        <translation>Das Browser-Steuerelement %1 ist nicht geladen</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>There is no page to go back to</source>
        <translation>Es gibt keine vorherige Seite</translation>
    </message>
    <message>
        <source>There is no page to go forward to</source>
        <translation>Es gibt keine nächste Seite</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>Game sounds</source>
        <translation>Spielklänge</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Working...</source>
        <translation>Wird geladen...</translation>
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
        <source>Stop</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
</context>
<context>
    <name>frmLand</name>
    <message>
        <source>I Finally Got Away.  Click Start to Try Again.</source>
        <translation>Endlich bin ich entwischt. Klick auf Start und versuch es noch mal.</translation>
    </message>
    <message>
        <source>Got Away</source>
        <translation>Entwischt</translation>
    </message>
    <message>
        <source>You Let Me Get Away.  Click OK to Try Again.</source>
        <translation>Du hast mich entwischen lassen. Klick auf OK und versuch es noch mal.</translation>
    </message>
    <message>
        <source>You Caught Me!  Click OK to Go to the Next Level.</source>
        <translation>Du hast mich erwischt! Klick auf OK für das nächste Level.</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Super gemacht!</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>The quarry is here</source>
        <translation>Hier ist die Beute</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Light 1, grass</source>
        <translation>Licht 1, Gras</translation>
    </message>
    <message>
        <source>Light 2, sky</source>
        <translation>Licht 2, Himmel</translation>
    </message>
    <message>
        <source>Light 3, snow</source>
        <translation>Licht 3, Schnee</translation>
    </message>
    <message>
        <source>Light 4, river</source>
        <translation>Licht 4, Fluss</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Fangen</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Von vorn</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Proudly Presents</source>
        <translation>präsentiert stolz</translation>
    </message>
</context>
</TS>
