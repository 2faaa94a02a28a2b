<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DocumentBrowserView</name>
    <message>
        <source>Page cannot be shown</source>
        <translation>Impossible d’afficher la page</translation>
    </message>
    <message>
        <source>Web pages cannot be opened here: %1.</source>
        <translation>Les pages web ne peuvent pas être ouvertes ici&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Pas de réponse</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Le serveur n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>Serveur introuvable</translation>
    </message>
    <message>
        <source>The server %1 cannot be found. Check the address, and your connection to the Internet.</source>
        <translation>Le serveur %1 est introuvable. Vérifie l’adresse et ta connexion à Internet.</translation>
    </message>
    <message>
        <source>The page could not be loaded: %1.</source>
        <translation>La page n’a pas pu être chargée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The server sent the browser to an address it does not open.</source>
        <translation>Le serveur a renvoyé vers une adresse qui ne s’ouvre pas ici.</translation>
    </message>
    <message>
        <source>Address not valid</source>
        <translation>Adresse non valide</translation>
    </message>
    <message>
        <source>This is not a valid address of a page.</source>
        <translation>Ce n’est pas une adresse de page valide.</translation>
    </message>
    <message>
        <source>Address not supported</source>
        <translation>Adresse non prise en charge</translation>
    </message>
    <message>
        <source>Addresses that begin with “%1:” cannot be opened here. The help browser opens pages on this computer and web pages (http and https).</source>
        <translation>Les adresses qui commencent par «&#xa0;%1:&#xa0;» ne s’ouvrent pas ici. L’aide ouvre les pages de cet ordinateur et les pages web (http et https).</translation>
    </message>
    <message>
        <source>Pages on other computers cannot be opened by a file address.</source>
        <translation>Les pages d’autres ordinateurs ne s’ouvrent pas avec une adresse de fichier.</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>Adresse trop longue</translation>
    </message>
    <message>
        <source>This address is too long to be opened.</source>
        <translation>Cette adresse est trop longue pour être ouverte.</translation>
    </message>
    <message>
        <source>No address</source>
        <translation>Aucune adresse</translation>
    </message>
    <message>
        <source>Type the address of a page into the address box and press Enter.</source>
        <translation>Tape l’adresse d’une page dans la zone d’adresse, puis appuie sur Entrée.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Page trop grande</translation>
    </message>
    <message>
        <source>This page is larger than 2 MB, too large to be shown here.</source>
        <translation>Cette page dépasse 2 Mo&#xa0;: elle est trop grande pour être affichée ici.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Il n’y a aucune page à cette adresse.</translation>
    </message>
    <message>
        <source>This is a folder</source>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>This address is a folder, not a page. Open one of the pages in it instead.</source>
        <translation>Cette adresse est un dossier, pas une page. Ouvre plutôt l’une des pages qu’il contient.</translation>
    </message>
    <message>
        <source>Not a page</source>
        <translation>Ce n’est pas une page</translation>
    </message>
    <message>
        <source>This address is a device or a pipe, not a page, so it is not opened.</source>
        <translation>Cette adresse est un périphérique ou un tube, pas une page&#xa0;: elle n’est donc pas ouverte.</translation>
    </message>
    <message>
        <source>Page cannot be read</source>
        <translation>Impossible de lire la page</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>Tu n’as pas le droit de lire ce fichier.</translation>
    </message>
    <message>
        <source>Page too complex</source>
        <translation>Page trop complexe</translation>
    </message>
    <message>
        <source>This page is nested too deeply, or made of too many parts, to be shown here.</source>
        <translation>Cette page est trop imbriquée ou faite de trop de parties pour être affichée ici.</translation>
    </message>
    <message>
        <source>Picture cannot be shown</source>
        <translation>Impossible d’afficher l’image</translation>
    </message>
    <message>
        <source>This picture is damaged, too large or of a kind that cannot be shown.</source>
        <translation>Cette image est abîmée, trop grande ou d’un type qui ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>This file is neither a page nor a text, so it is not shown here.</source>
        <translation>Ce fichier n’est ni une page ni un texte&#xa0;: il n’est donc pas affiché ici.</translation>
    </message>
    <message>
        <source>Check the address and try again, or press Home to go back to the game instructions.</source>
        <translation>Vérifie l’adresse et réessaie ou appuie sur Accueil pour revenir aux règles du jeu.</translation>
    </message>
    <message>
        <source>This address exists, but it cannot be read.</source>
        <translation>Cette adresse existe, mais elle ne peut pas être lue.</translation>
    </message>
    <message>
        <source>the web module glimmerkin-web is missing from %1</source>
        <translation>le module web glimmerkin-web est absent de %1</translation>
    </message>
    <message>
        <source>the web module %1 is not a Qt plugin: it holds no plugin metadata</source>
        <translation>le module web %1 n’est pas un module Qt&#xa0;: il ne contient aucune métadonnée de module</translation>
    </message>
    <message>
        <source>the web module %1 is another Qt plugin (%2), not the help browser&apos;s</source>
        <translation>le module web %1 est un autre module Qt (%2), pas celui de l’aide</translation>
    </message>
    <message>
        <source>the web module cannot be loaded: %1</source>
        <translation>le module web ne peut pas être chargé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the web module %1 has no web access of its own</source>
        <translation>le module web %1 n’offre pas d’accès web</translation>
    </message>
    <message>
        <source>A page on the web cannot open pages or files on this computer.</source>
        <translation>Une page web ne peut pas ouvrir les pages ni les fichiers de cet ordinateur.</translation>
    </message>
    <message>
        <source>Page too long</source>
        <translation>Page trop longue</translation>
    </message>
    <message>
        <source>This page holds too much text to be shown here.</source>
        <translation>Cette page contient trop de texte pour être affichée ici.</translation>
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
        <translation>Erreur d’exécution «&#xa0;%1&#xa0;»&#xa0;:

%2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Control array element %1 doesn&apos;t exist</source>
        <translation>L’élément %1 du groupe de contrôles n’existe pas</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit a 16-bit integer</source>
        <translation>Dépassement de capacité&#xa0;: %1 ne tient pas dans un entier de 16 bits</translation>
    </message>
    <message>
        <source>The browser control %1 is not loaded</source>
        <translation>Le contrôle de navigation %1 n’est pas chargé</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>There is no page to go back to</source>
        <translation>Il n’y a pas de page précédente</translation>
    </message>
    <message>
        <source>There is no page to go forward to</source>
        <translation>Il n’y a pas de page suivante</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>Game sounds</source>
        <translation>Sons du jeu</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Working...</source>
        <translation>Chargement...</translation>
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
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>frmLand</name>
    <message>
        <source>I Finally Got Away.  Click Start to Try Again.</source>
        <translation>Je me suis enfin échappée. Clique sur Jouer pour réessayer.</translation>
    </message>
    <message>
        <source>Got Away</source>
        <translation>Elle s’est échappée</translation>
    </message>
    <message>
        <source>You Let Me Get Away.  Click OK to Try Again.</source>
        <translation>Tu m’as laissé m’échapper. Clique sur OK pour réessayer.</translation>
    </message>
    <message>
        <source>You Caught Me!  Click OK to Go to the Next Level.</source>
        <translation>Tu m’as attrapée&#xa0;! Clique sur OK pour passer au niveau suivant.</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>The quarry is here</source>
        <translation>La proie est ici</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Light 1, grass</source>
        <translation>Lumière 1, herbe</translation>
    </message>
    <message>
        <source>Light 2, sky</source>
        <translation>Lumière 2, ciel</translation>
    </message>
    <message>
        <source>Light 3, snow</source>
        <translation>Lumière 3, neige</translation>
    </message>
    <message>
        <source>Light 4, river</source>
        <translation>Lumière 4, rivière</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Attraper</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>À zéro</translation>
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
        <translation>est fier de présenter</translation>
    </message>
</context>
</TS>
