<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>DocumentBrowserView</name>
    <message>
        <source>Page cannot be shown</source>
        <translation>无法显示页面</translation>
    </message>
    <message>
        <source>Web pages cannot be opened here: %1.</source>
        <translation>这里打不开网页：%1。</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>没有回应</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>服务器没有及时回应。</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>找不到服务器</translation>
    </message>
    <message>
        <source>The server %1 cannot be found. Check the address, and your connection to the Internet.</source>
        <translation>找不到服务器 %1。请检查地址和网络连接。</translation>
    </message>
    <message>
        <source>The page could not be loaded: %1.</source>
        <translation>无法加载页面：%1。</translation>
    </message>
    <message>
        <source>The server sent the browser to an address it does not open.</source>
        <translation>服务器把浏览器转到了一个这里打不开的地址。</translation>
    </message>
    <message>
        <source>Address not valid</source>
        <translation>地址无效</translation>
    </message>
    <message>
        <source>This is not a valid address of a page.</source>
        <translation>这不是有效的页面地址。</translation>
    </message>
    <message>
        <source>Address not supported</source>
        <translation>不支持的地址</translation>
    </message>
    <message>
        <source>Addresses that begin with “%1:” cannot be opened here. The help browser opens pages on this computer and web pages (http and https).</source>
        <translation>这里打不开以“%1:”开头的地址。帮助浏览器可以打开这台电脑上的页面和网页（http 和 https）。</translation>
    </message>
    <message>
        <source>Pages on other computers cannot be opened by a file address.</source>
        <translation>不能用文件地址打开其他电脑上的页面。</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>地址太长</translation>
    </message>
    <message>
        <source>This address is too long to be opened.</source>
        <translation>这个地址太长，打不开。</translation>
    </message>
    <message>
        <source>No address</source>
        <translation>没有地址</translation>
    </message>
    <message>
        <source>Type the address of a page into the address box and press Enter.</source>
        <translation>在地址框里输入页面地址，然后按回车键。</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>页面太大</translation>
    </message>
    <message>
        <source>This page is larger than 2 MB, too large to be shown here.</source>
        <translation>这个页面超过 2 MB，太大了，这里无法显示。</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>找不到页面</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>这个地址上没有页面。</translation>
    </message>
    <message>
        <source>This is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>This address is a folder, not a page. Open one of the pages in it instead.</source>
        <translation>这个地址是文件夹，不是页面。请打开里面的某个页面。</translation>
    </message>
    <message>
        <source>Not a page</source>
        <translation>不是页面</translation>
    </message>
    <message>
        <source>This address is a device or a pipe, not a page, so it is not opened.</source>
        <translation>这个地址是设备或管道，不是页面，所以不会打开。</translation>
    </message>
    <message>
        <source>Page cannot be read</source>
        <translation>无法读取页面</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>你没有读取这个文件的权限。</translation>
    </message>
    <message>
        <source>Page too complex</source>
        <translation>页面太复杂</translation>
    </message>
    <message>
        <source>This page is nested too deeply, or made of too many parts, to be shown here.</source>
        <translation>这个页面嵌套太深或者部分太多，这里无法显示。</translation>
    </message>
    <message>
        <source>Picture cannot be shown</source>
        <translation>无法显示图片</translation>
    </message>
    <message>
        <source>This picture is damaged, too large or of a kind that cannot be shown.</source>
        <translation>这张图片已损坏、太大，或者是无法显示的类型。</translation>
    </message>
    <message>
        <source>This file is neither a page nor a text, so it is not shown here.</source>
        <translation>这个文件既不是页面也不是文本，所以这里不显示。</translation>
    </message>
    <message>
        <source>Check the address and try again, or press Home to go back to the game instructions.</source>
        <translation>请检查地址后再试，或者点击“主页”回到游戏说明。</translation>
    </message>
    <message>
        <source>This address exists, but it cannot be read.</source>
        <translation>这个地址存在，但是无法读取。</translation>
    </message>
    <message>
        <source>the web module glimmerkin-web is missing from %1</source>
        <translation>%1 中缺少网页模块 glimmerkin-web</translation>
    </message>
    <message>
        <source>the web module %1 is not a Qt plugin: it holds no plugin metadata</source>
        <translation>网页模块 %1 不是 Qt 插件：它没有插件元数据</translation>
    </message>
    <message>
        <source>the web module %1 is another Qt plugin (%2), not the help browser&apos;s</source>
        <translation>网页模块 %1 是另一个 Qt 插件（%2），不是帮助浏览器的插件</translation>
    </message>
    <message>
        <source>the web module cannot be loaded: %1</source>
        <translation>无法加载网页模块：%1</translation>
    </message>
    <message>
        <source>the web module %1 has no web access of its own</source>
        <translation>网页模块 %1 没有自己的网络访问功能</translation>
    </message>
    <message>
        <source>Page too long</source>
        <translation>页面太长</translation>
    </message>
    <message>
        <source>This page holds too much text to be shown here.</source>
        <translation>这个页面的文字太多，这里无法显示。</translation>
    </message>
    <message>
        <source>A page on the web cannot open pages or files on this computer.</source>
        <translation>网页不能打开这台电脑上的页面或文件。</translation>
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
        <translation>运行时错误“%1”：

%2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Control array element %1 doesn&apos;t exist</source>
        <translation>控件数组元素 %1 不存在</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit a 16-bit integer</source>
        <translation>溢出：%1 超出 16 位整数的范围</translation>
    </message>
    <message>
        <source>The browser control %1 is not loaded</source>
        <translation>浏览器控件 %1 未加载</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>There is no page to go back to</source>
        <translation>没有可以后退的页面</translation>
    </message>
    <message>
        <source>There is no page to go forward to</source>
        <translation>没有可以前进的页面</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>Game sounds</source>
        <translation>游戏声音</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Working...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>地址(&amp;A):</translation>
    </message>
</context>
<context>
    <name>frmLand</name>
    <message>
        <source>I Finally Got Away.  Click Start to Try Again.</source>
        <translation>我终于逃走啦！点击“开始”再试一次。</translation>
    </message>
    <message>
        <source>Got Away</source>
        <translation>猎物逃走了</translation>
    </message>
    <message>
        <source>You Let Me Get Away.  Click OK to Try Again.</source>
        <translation>你让我逃走啦！点击“确定”再试一次。</translation>
    </message>
    <message>
        <source>You Caught Me!  Click OK to Go to the Next Level.</source>
        <translation>你抓到我啦！点击“确定”进入下一关。</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>真棒！</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>The quarry is here</source>
        <translation>猎物在这里</translation>
    </message>
    <message>
        <source>Start</source>
        <translatorcomment>A word joiner (U+2060) keeps the word whole: it stands after 40 spaces, on the second line of its box.</translatorcomment>
        <translation>开⁠始</translation>
    </message>
    <message>
        <source>Light 1, grass</source>
        <translation>灯 1，草地</translation>
    </message>
    <message>
        <source>Light 2, sky</source>
        <translation>灯 2，天空</translation>
    </message>
    <message>
        <source>Light 3, snow</source>
        <translation>灯 3，白雪</translation>
    </message>
    <message>
        <source>Light 4, river</source>
        <translation>灯 4，小河</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>跟着做</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>抓住它</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>从头开始</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>版权所有 © %1 %2</translation>
    </message>
    <message>
        <source>Proudly Presents</source>
        <translation>荣誉出品</translation>
    </message>
</context>
</TS>
