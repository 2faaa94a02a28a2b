<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>DocumentBrowserView</name>
    <message>
        <source>Page cannot be shown</source>
        <translation>Não é possível mostrar a página</translation>
    </message>
    <message>
        <source>Web pages cannot be opened here: %1.</source>
        <translation>Não dá para abrir páginas da web aqui: %1.</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Sem resposta</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>O servidor não respondeu a tempo.</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>Servidor não encontrado</translation>
    </message>
    <message>
        <source>The server %1 cannot be found. Check the address, and your connection to the Internet.</source>
        <translation>O servidor %1 não foi encontrado. Confira o endereço e a sua conexão com a internet.</translation>
    </message>
    <message>
        <source>The page could not be loaded: %1.</source>
        <translation>Não foi possível carregar a página: %1.</translation>
    </message>
    <message>
        <source>The server sent the browser to an address it does not open.</source>
        <translation>O servidor redirecionou para um endereço que não abre aqui.</translation>
    </message>
    <message>
        <source>Address not valid</source>
        <translation>Endereço inválido</translation>
    </message>
    <message>
        <source>This is not a valid address of a page.</source>
        <translation>Este não é um endereço de página válido.</translation>
    </message>
    <message>
        <source>Address not supported</source>
        <translation>Endereço não compatível</translation>
    </message>
    <message>
        <source>Addresses that begin with “%1:” cannot be opened here. The help browser opens pages on this computer and web pages (http and https).</source>
        <translation>Endereços que começam com “%1:” não abrem aqui. A ajuda abre páginas deste computador e páginas da web (http e https).</translation>
    </message>
    <message>
        <source>Pages on other computers cannot be opened by a file address.</source>
        <translation>Páginas de outros computadores não abrem por um endereço de arquivo.</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>Endereço longo demais</translation>
    </message>
    <message>
        <source>This address is too long to be opened.</source>
        <translation>Este endereço é longo demais para ser aberto.</translation>
    </message>
    <message>
        <source>No address</source>
        <translation>Sem endereço</translation>
    </message>
    <message>
        <source>Type the address of a page into the address box and press Enter.</source>
        <translation>Digite o endereço de uma página na caixa de endereço e tecle Enter.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Página grande demais</translation>
    </message>
    <message>
        <source>This page is larger than 2 MB, too large to be shown here.</source>
        <translation>Esta página tem mais de 2 MB e é grande demais para ser mostrada aqui.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Página não encontrada</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Não há nenhuma página neste endereço.</translation>
    </message>
    <message>
        <source>This is a folder</source>
        <translation>Isto é uma pasta</translation>
    </message>
    <message>
        <source>This address is a folder, not a page. Open one of the pages in it instead.</source>
        <translation>Este endereço é uma pasta, não uma página. Abra uma das páginas dentro dela.</translation>
    </message>
    <message>
        <source>Not a page</source>
        <translation>Não é uma página</translation>
    </message>
    <message>
        <source>This address is a device or a pipe, not a page, so it is not opened.</source>
        <translation>Este endereço é um dispositivo ou um pipe, não uma página, então não é aberto.</translation>
    </message>
    <message>
        <source>Page cannot be read</source>
        <translation>Não é possível ler a página</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>Você não tem permissão para ler este arquivo.</translation>
    </message>
    <message>
        <source>Page too complex</source>
        <translation>Página complexa demais</translation>
    </message>
    <message>
        <source>This page is nested too deeply, or made of too many parts, to be shown here.</source>
        <translation>Esta página é aninhada demais ou tem partes demais para ser mostrada aqui.</translation>
    </message>
    <message>
        <source>Picture cannot be shown</source>
        <translation>Não é possível mostrar a imagem</translation>
    </message>
    <message>
        <source>This picture is damaged, too large or of a kind that cannot be shown.</source>
        <translation>Esta imagem está danificada, é grande demais ou é de um tipo que não pode ser mostrado.</translation>
    </message>
    <message>
        <source>This file is neither a page nor a text, so it is not shown here.</source>
        <translation>Este arquivo não é uma página nem um texto, então não é mostrado aqui.</translation>
    </message>
    <message>
        <source>Check the address and try again, or press Home to go back to the game instructions.</source>
        <translation>Confira o endereço e tente de novo, ou clique em Início para voltar às instruções do jogo.</translation>
    </message>
    <message>
        <source>This address exists, but it cannot be read.</source>
        <translation>Este endereço existe, mas não pode ser lido.</translation>
    </message>
    <message>
        <source>the web module glimmerkin-web is missing from %1</source>
        <translation>o módulo web glimmerkin-web não está em %1</translation>
    </message>
    <message>
        <source>the web module %1 is not a Qt plugin: it holds no plugin metadata</source>
        <translation>o módulo web %1 não é um plugin do Qt: ele não tem metadados de plugin</translation>
    </message>
    <message>
        <source>the web module %1 is another Qt plugin (%2), not the help browser&apos;s</source>
        <translation>o módulo web %1 é outro plugin do Qt (%2), não o da ajuda</translation>
    </message>
    <message>
        <source>the web module cannot be loaded: %1</source>
        <translation>o módulo web não pode ser carregado: %1</translation>
    </message>
    <message>
        <source>the web module %1 has no web access of its own</source>
        <translation>o módulo web %1 não oferece acesso à web</translation>
    </message>
    <message>
        <source>A page on the web cannot open pages or files on this computer.</source>
        <translation>Uma página da web não pode abrir páginas nem arquivos deste computador.</translation>
    </message>
    <message>
        <source>Page too long</source>
        <translation>Página longa demais</translation>
    </message>
    <message>
        <source>This page holds too much text to be shown here.</source>
        <translation>Esta página tem texto demais para ser mostrada aqui.</translation>
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
        <translation>Erro de execução “%1”:

%2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Control array element %1 doesn&apos;t exist</source>
        <translation>O elemento %1 da matriz de controles não existe</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit a 16-bit integer</source>
        <translation>Estouro: %1 não cabe em um inteiro de 16 bits</translation>
    </message>
    <message>
        <source>The browser control %1 is not loaded</source>
        <translation>O controle de navegador %1 não está carregado</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>There is no page to go back to</source>
        <translation>Não há página anterior</translation>
    </message>
    <message>
        <source>There is no page to go forward to</source>
        <translation>Não há próxima página</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>Game sounds</source>
        <translation>Sons do jogo</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Working...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
    </message>
</context>
<context>
    <name>frmLand</name>
    <message>
        <source>I Finally Got Away.  Click Start to Try Again.</source>
        <translation>Finalmente escapei. Clique em Começar para tentar de novo.</translation>
    </message>
    <message>
        <source>Got Away</source>
        <translation>Escapou</translation>
    </message>
    <message>
        <source>You Let Me Get Away.  Click OK to Try Again.</source>
        <translation>Você me deixou escapar. Clique em OK para tentar de novo.</translation>
    </message>
    <message>
        <source>You Caught Me!  Click OK to Go to the Next Level.</source>
        <translation>Você me pegou! Clique em OK para ir para o próximo nível.</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>The quarry is here</source>
        <translation>A presa está aqui</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Light 1, grass</source>
        <translation>Luz 1, grama</translation>
    </message>
    <message>
        <source>Light 2, sky</source>
        <translation>Luz 2, céu</translation>
    </message>
    <message>
        <source>Light 3, snow</source>
        <translation>Luz 3, neve</translation>
    </message>
    <message>
        <source>Light 4, river</source>
        <translation>Luz 4, rio</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Pega</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Do zero</translation>
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
        <translation>orgulhosamente apresenta</translation>
    </message>
</context>
</TS>
