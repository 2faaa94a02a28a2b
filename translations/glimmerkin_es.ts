<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>DocumentBrowserView</name>
    <message>
        <source>Page cannot be shown</source>
        <translation>No se puede mostrar la página</translation>
    </message>
    <message>
        <source>Web pages cannot be opened here: %1.</source>
        <translation>Aquí no se pueden abrir páginas web: %1.</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>El servidor no respondió a tiempo.</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>Servidor no encontrado</translation>
    </message>
    <message>
        <source>The server %1 cannot be found. Check the address, and your connection to the Internet.</source>
        <translation>No se encuentra el servidor %1. Revisa la dirección y tu conexión a Internet.</translation>
    </message>
    <message>
        <source>The page could not be loaded: %1.</source>
        <translation>No se pudo cargar la página: %1.</translation>
    </message>
    <message>
        <source>The server sent the browser to an address it does not open.</source>
        <translation>El servidor redirigió a una dirección que no se abre aquí.</translation>
    </message>
    <message>
        <source>Address not valid</source>
        <translation>Dirección no válida</translation>
    </message>
    <message>
        <source>This is not a valid address of a page.</source>
        <translation>Esta no es una dirección de página válida.</translation>
    </message>
    <message>
        <source>Address not supported</source>
        <translation>Dirección no admitida</translation>
    </message>
    <message>
        <source>Addresses that begin with “%1:” cannot be opened here. The help browser opens pages on this computer and web pages (http and https).</source>
        <translation>Las direcciones que empiezan por «%1:» no se abren aquí. La ayuda abre páginas de este ordenador y páginas web (http y https).</translation>
    </message>
    <message>
        <source>Pages on other computers cannot be opened by a file address.</source>
        <translation>Las páginas de otros ordenadores no se abren con una dirección de archivo.</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>Dirección demasiado larga</translation>
    </message>
    <message>
        <source>This address is too long to be opened.</source>
        <translation>Esta dirección es demasiado larga para abrirla.</translation>
    </message>
    <message>
        <source>No address</source>
        <translation>Sin dirección</translation>
    </message>
    <message>
        <source>Type the address of a page into the address box and press Enter.</source>
        <translation>Escribe la dirección de una página en el cuadro de dirección y pulsa Intro.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Página demasiado grande</translation>
    </message>
    <message>
        <source>This page is larger than 2 MB, too large to be shown here.</source>
        <translation>Esta página ocupa más de 2 MB; es demasiado grande para mostrarla aquí.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>No hay ninguna página en esta dirección.</translation>
    </message>
    <message>
        <source>This is a folder</source>
        <translation>Esto es una carpeta</translation>
    </message>
    <message>
        <source>This address is a folder, not a page. Open one of the pages in it instead.</source>
        <translation>Esta dirección es una carpeta, no una página. Abre mejor una de las páginas que contiene.</translation>
    </message>
    <message>
        <source>Not a page</source>
        <translation>No es una página</translation>
    </message>
    <message>
        <source>This address is a device or a pipe, not a page, so it is not opened.</source>
        <translation>Esta dirección es un dispositivo o una tubería, no una página, así que no se abre.</translation>
    </message>
    <message>
        <source>Page cannot be read</source>
        <translation>No se puede leer la página</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>No tienes permiso para leer este archivo.</translation>
    </message>
    <message>
        <source>Page too complex</source>
        <translation>Página demasiado compleja</translation>
    </message>
    <message>
        <source>This page is nested too deeply, or made of too many parts, to be shown here.</source>
        <translation>Esta página está demasiado anidada o tiene demasiadas partes para mostrarla aquí.</translation>
    </message>
    <message>
        <source>Picture cannot be shown</source>
        <translation>No se puede mostrar la imagen</translation>
    </message>
    <message>
        <source>This picture is damaged, too large or of a kind that cannot be shown.</source>
        <translation>Esta imagen está dañada, es demasiado grande o es de un tipo que no se puede mostrar.</translation>
    </message>
    <message>
        <source>This file is neither a page nor a text, so it is not shown here.</source>
        <translation>Este archivo no es una página ni un texto, así que no se muestra aquí.</translation>
    </message>
    <message>
        <source>Check the address and try again, or press Home to go back to the game instructions.</source>
        <translation>Comprueba la dirección y vuelve a intentarlo, o pulsa Inicio para volver a las instrucciones del juego.</translation>
    </message>
    <message>
        <source>This address exists, but it cannot be read.</source>
        <translation>Esta dirección existe, pero no se puede leer.</translation>
    </message>
    <message>
        <source>the web module glimmerkin-web is missing from %1</source>
        <translation>falta el módulo web glimmerkin-web en %1</translation>
    </message>
    <message>
        <source>the web module %1 is not a Qt plugin: it holds no plugin metadata</source>
        <translation>el módulo web %1 no es un complemento de Qt: no contiene metadatos de complemento</translation>
    </message>
    <message>
        <source>the web module %1 is another Qt plugin (%2), not the help browser&apos;s</source>
        <translation>el módulo web %1 es otro complemento de Qt (%2), no el de la ayuda</translation>
    </message>
    <message>
        <source>the web module cannot be loaded: %1</source>
        <translation>no se puede cargar el módulo web: %1</translation>
    </message>
    <message>
        <source>the web module %1 has no web access of its own</source>
        <translation>el módulo web %1 no ofrece acceso web propio</translation>
    </message>
    <message>
        <source>A page on the web cannot open pages or files on this computer.</source>
        <translation>Una página web no puede abrir páginas ni archivos de este ordenador.</translation>
    </message>
    <message>
        <source>Page too long</source>
        <translation>Página demasiado larga</translation>
    </message>
    <message>
        <source>This page holds too much text to be shown here.</source>
        <translation>Esta página tiene demasiado texto para mostrarse aquí.</translation>
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
        <translation>Error de ejecución «%1»:

%2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Control array element %1 doesn&apos;t exist</source>
        <translation>El elemento %1 de la matriz de controles no existe</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit a 16-bit integer</source>
        <translation>Desbordamiento: %1 no cabe en un entero de 16 bits</translation>
    </message>
    <message>
        <source>The browser control %1 is not loaded</source>
        <translation>El control de navegador %1 no está cargado</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Argumento o llamada a procedimiento no válidos</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>There is no page to go back to</source>
        <translation>No hay ninguna página anterior</translation>
    </message>
    <message>
        <source>There is no page to go forward to</source>
        <translation>No hay ninguna página siguiente</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>Game sounds</source>
        <translation>Sonidos del juego</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Working...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
</context>
<context>
    <name>frmLand</name>
    <message>
        <source>I Finally Got Away.  Click Start to Try Again.</source>
        <translation>Por fin me he escapado. Haz clic en Empezar para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Got Away</source>
        <translation>Se ha escapado</translation>
    </message>
    <message>
        <source>You Let Me Get Away.  Click OK to Try Again.</source>
        <translation>Me has dejado escapar. Haz clic en Aceptar para volver a intentarlo.</translation>
    </message>
    <message>
        <source>You Caught Me!  Click OK to Go to the Next Level.</source>
        <translation>¡Me has atrapado! Haz clic en Aceptar para pasar al siguiente nivel.</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>The quarry is here</source>
        <translation>Aquí está la presa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Light 1, grass</source>
        <translation>Luz 1, hierba</translation>
    </message>
    <message>
        <source>Light 2, sky</source>
        <translation>Luz 2, cielo</translation>
    </message>
    <message>
        <source>Light 3, snow</source>
        <translation>Luz 3, nieve</translation>
    </message>
    <message>
        <source>Light 4, river</source>
        <translation>Luz 4, río</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Atrapar</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>De cero</translation>
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
        <translation>presenta con orgullo</translation>
    </message>
</context>
</TS>
