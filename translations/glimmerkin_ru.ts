<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>DocumentBrowserView</name>
    <message>
        <source>Page cannot be shown</source>
        <translation>Не удаётся показать страницу</translation>
    </message>
    <message>
        <source>Web pages cannot be opened here: %1.</source>
        <translation>Веб-страницы здесь не открываются: %1.</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Нет ответа</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Сервер не ответил вовремя.</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>Сервер не найден</translation>
    </message>
    <message>
        <source>The server %1 cannot be found. Check the address, and your connection to the Internet.</source>
        <translation>Сервер %1 не найден. Проверь адрес и подключение к интернету.</translation>
    </message>
    <message>
        <source>The page could not be loaded: %1.</source>
        <translation>Не удалось загрузить страницу: %1.</translation>
    </message>
    <message>
        <source>The server sent the browser to an address it does not open.</source>
        <translation>Сервер отправил на адрес, который здесь не открывается.</translation>
    </message>
    <message>
        <source>Address not valid</source>
        <translation>Неверный адрес</translation>
    </message>
    <message>
        <source>This is not a valid address of a page.</source>
        <translation>Это неверный адрес страницы.</translation>
    </message>
    <message>
        <source>Address not supported</source>
        <translation>Адрес не поддерживается</translation>
    </message>
    <message>
        <source>Addresses that begin with “%1:” cannot be opened here. The help browser opens pages on this computer and web pages (http and https).</source>
        <translation>Адреса, которые начинаются с «%1:», здесь не открываются. Окно помощи открывает страницы на этом компьютере и веб-страницы (http и https).</translation>
    </message>
    <message>
        <source>Pages on other computers cannot be opened by a file address.</source>
        <translation>Страницы на других компьютерах нельзя открыть по адресу файла.</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>Слишком длинный адрес</translation>
    </message>
    <message>
        <source>This address is too long to be opened.</source>
        <translation>Этот адрес слишком длинный, его не открыть.</translation>
    </message>
    <message>
        <source>No address</source>
        <translation>Нет адреса</translation>
    </message>
    <message>
        <source>Type the address of a page into the address box and press Enter.</source>
        <translation>Введи адрес страницы в поле адреса и нажми Enter.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>Слишком большая страница</translation>
    </message>
    <message>
        <source>This page is larger than 2 MB, too large to be shown here.</source>
        <translation>Эта страница больше 2 МБ: она слишком большая, чтобы показать её здесь.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Страница не найдена</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>По этому адресу нет страницы.</translation>
    </message>
    <message>
        <source>This is a folder</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>This address is a folder, not a page. Open one of the pages in it instead.</source>
        <translation>По этому адресу папка, а не страница. Открой лучше одну из страниц в ней.</translation>
    </message>
    <message>
        <source>Not a page</source>
        <translation>Это не страница</translation>
    </message>
    <message>
        <source>This address is a device or a pipe, not a page, so it is not opened.</source>
        <translation>По этому адресу устройство или канал, а не страница, поэтому он не открывается.</translation>
    </message>
    <message>
        <source>Page cannot be read</source>
        <translation>Не удаётся прочитать страницу</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>У тебя нет права читать этот файл.</translation>
    </message>
    <message>
        <source>Page too complex</source>
        <translation>Слишком сложная страница</translation>
    </message>
    <message>
        <source>This page is nested too deeply, or made of too many parts, to be shown here.</source>
        <translation>В этой странице слишком глубокая вложенность или слишком много частей, чтобы показать её здесь.</translation>
    </message>
    <message>
        <source>Picture cannot be shown</source>
        <translation>Не удаётся показать картинку</translation>
    </message>
    <message>
        <source>This picture is damaged, too large or of a kind that cannot be shown.</source>
        <translation>Эта картинка повреждена, слишком большая или такого вида, который здесь не показать.</translation>
    </message>
    <message>
        <source>This file is neither a page nor a text, so it is not shown here.</source>
        <translation>Этот файл не страница и не текст, поэтому здесь он не показывается.</translation>
    </message>
    <message>
        <source>Check the address and try again, or press Home to go back to the game instructions.</source>
        <translation>Проверь адрес и попробуй ещё раз или нажми кнопку «Домой», чтобы вернуться к правилам игры.</translation>
    </message>
    <message>
        <source>This address exists, but it cannot be read.</source>
        <translation>Этот адрес есть, но его не удаётся прочитать.</translation>
    </message>
    <message>
        <source>the web module glimmerkin-web is missing from %1</source>
        <translation>веб-модуля glimmerkin-web нет в %1</translation>
    </message>
    <message>
        <source>the web module %1 is not a Qt plugin: it holds no plugin metadata</source>
        <translation>веб-модуль %1 не плагин Qt: в нём нет метаданных плагина</translation>
    </message>
    <message>
        <source>the web module %1 is another Qt plugin (%2), not the help browser&apos;s</source>
        <translation>веб-модуль %1 — другой плагин Qt (%2), а не плагин окна помощи</translation>
    </message>
    <message>
        <source>the web module cannot be loaded: %1</source>
        <translation>не удаётся загрузить веб-модуль: %1</translation>
    </message>
    <message>
        <source>the web module %1 has no web access of its own</source>
        <translation>у веб-модуля %1 нет своего доступа к вебу</translation>
    </message>
    <message>
        <source>Page too long</source>
        <translation>Слишком длинная страница</translation>
    </message>
    <message>
        <source>This page holds too much text to be shown here.</source>
        <translation>На этой странице слишком много текста, чтобы показать её здесь.</translation>
    </message>
    <message>
        <source>A page on the web cannot open pages or files on this computer.</source>
        <translation>Веб-страница не может открывать страницы и файлы на этом компьютере.</translation>
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
        <translation>Ошибка выполнения «%1»:

%2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Control array element %1 doesn&apos;t exist</source>
        <translation>Элемент %1 массива элементов управления не существует</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit a 16-bit integer</source>
        <translation>Переполнение: %1 не помещается в 16-битное целое</translation>
    </message>
    <message>
        <source>The browser control %1 is not loaded</source>
        <translation>Элемент управления браузера %1 не загружен</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>There is no page to go back to</source>
        <translation>Нет предыдущей страницы</translation>
    </message>
    <message>
        <source>There is no page to go forward to</source>
        <translation>Нет следующей страницы</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>Game sounds</source>
        <translation>Звуки игры</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Working...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домой</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Адрес:</translation>
    </message>
</context>
<context>
    <name>frmLand</name>
    <message>
        <source>I Finally Got Away.  Click Start to Try Again.</source>
        <translation>Наконец-то я убежала! Нажми «Старт», чтобы попробовать ещё раз.</translation>
    </message>
    <message>
        <source>Got Away</source>
        <translation>Добыча убежала</translation>
    </message>
    <message>
        <source>You Let Me Get Away.  Click OK to Try Again.</source>
        <translation>Я от тебя убежала. Нажми «OK», чтобы попробовать ещё раз.</translation>
    </message>
    <message>
        <source>You Caught Me!  Click OK to Go to the Next Level.</source>
        <translation>Попалась! Нажми «OK», чтобы перейти на следующий уровень.</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Молодец!</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>The quarry is here</source>
        <translation>Добыча здесь</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Light 1, grass</source>
        <translation>Огонёк 1, трава</translation>
    </message>
    <message>
        <source>Light 2, sky</source>
        <translation>Огонёк 2, небо</translation>
    </message>
    <message>
        <source>Light 3, snow</source>
        <translation>Огонёк 3, снег</translation>
    </message>
    <message>
        <source>Light 4, river</source>
        <translation>Огонёк 4, река</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Повтори</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Поймай</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>С нуля</translation>
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
        <translation>с гордостью представляет</translation>
    </message>
</context>
</TS>
