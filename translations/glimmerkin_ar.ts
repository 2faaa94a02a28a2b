<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>DocumentBrowserView</name>
    <message>
        <source>Page cannot be shown</source>
        <translation>تعذّر عرض الصفحة</translation>
    </message>
    <message>
        <source>Web pages cannot be opened here: %1.</source>
        <translation>لا يمكن فتح صفحات الويب هنا: %1.</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>لا رد</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>لم يرد الخادم في الوقت المحدد.</translation>
    </message>
    <message>
        <source>Server not found</source>
        <translation>الخادم غير موجود</translation>
    </message>
    <message>
        <source>The server %1 cannot be found. Check the address, and your connection to the Internet.</source>
        <translation>تعذّر العثور على الخادم %1. تحقق من العنوان ومن اتصالك بالإنترنت.</translation>
    </message>
    <message>
        <source>The page could not be loaded: %1.</source>
        <translation>تعذّر تحميل الصفحة: %1.</translation>
    </message>
    <message>
        <source>The server sent the browser to an address it does not open.</source>
        <translation>حوّل الخادم المتصفح إلى عنوان لا يُفتح هنا.</translation>
    </message>
    <message>
        <source>Address not valid</source>
        <translation>عنوان غير صالح</translation>
    </message>
    <message>
        <source>This is not a valid address of a page.</source>
        <translation>هذا ليس عنوان صفحة صالحًا.</translation>
    </message>
    <message>
        <source>Address not supported</source>
        <translation>عنوان غير مدعوم</translation>
    </message>
    <message>
        <source>Addresses that begin with “%1:” cannot be opened here. The help browser opens pages on this computer and web pages (http and https).</source>
        <translation>لا يمكن فتح العناوين التي تبدأ بـ «%1:» هنا. يفتح متصفح المساعدة صفحات هذا الحاسوب وصفحات الويب (http و https).</translation>
    </message>
    <message>
        <source>Pages on other computers cannot be opened by a file address.</source>
        <translation>لا يمكن فتح صفحات على حواسيب أخرى بعنوان ملف.</translation>
    </message>
    <message>
        <source>Address too long</source>
        <translation>العنوان طويل جدًا</translation>
    </message>
    <message>
        <source>This address is too long to be opened.</source>
        <translation>هذا العنوان أطول من أن يُفتح.</translation>
    </message>
    <message>
        <source>No address</source>
        <translation>لا يوجد عنوان</translation>
    </message>
    <message>
        <source>Type the address of a page into the address box and press Enter.</source>
        <translation>اكتب عنوان صفحة في مربع العنوان واضغط Enter.</translation>
    </message>
    <message>
        <source>Page too large</source>
        <translation>الصفحة كبيرة جدًا</translation>
    </message>
    <message>
        <source>This page is larger than 2 MB, too large to be shown here.</source>
        <translation>حجم هذه الصفحة أكبر من 2 ميغابايت، فهي أكبر من أن تُعرض هنا.</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>الصفحة غير موجودة</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>لا توجد صفحة على هذا العنوان.</translation>
    </message>
    <message>
        <source>This is a folder</source>
        <translation>هذا مجلد</translation>
    </message>
    <message>
        <source>This address is a folder, not a page. Open one of the pages in it instead.</source>
        <translation>هذا العنوان مجلد وليس صفحة. افتح إحدى الصفحات التي فيه بدلًا منه.</translation>
    </message>
    <message>
        <source>Not a page</source>
        <translation>ليست صفحة</translation>
    </message>
    <message>
        <source>This address is a device or a pipe, not a page, so it is not opened.</source>
        <translation>هذا العنوان جهاز أو أنبوب وليس صفحة، لذلك لا يُفتح.</translation>
    </message>
    <message>
        <source>Page cannot be read</source>
        <translation>تعذّرت قراءة الصفحة</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>ليس لديك إذن بقراءة هذا الملف.</translation>
    </message>
    <message>
        <source>Page too complex</source>
        <translation>الصفحة معقدة جدًا</translation>
    </message>
    <message>
        <source>This page is nested too deeply, or made of too many parts, to be shown here.</source>
        <translation>هذه الصفحة متداخلة أكثر من اللازم أو مؤلفة من أجزاء كثيرة جدًا، فلا يمكن عرضها هنا.</translation>
    </message>
    <message>
        <source>Picture cannot be shown</source>
        <translation>تعذّر عرض الصورة</translation>
    </message>
    <message>
        <source>This picture is damaged, too large or of a kind that cannot be shown.</source>
        <translation>هذه الصورة تالفة أو كبيرة جدًا أو من نوع لا يمكن عرضه.</translation>
    </message>
    <message>
        <source>This file is neither a page nor a text, so it is not shown here.</source>
        <translation>هذا الملف ليس صفحة ولا نصًا، لذلك لا يُعرض هنا.</translation>
    </message>
    <message>
        <source>Check the address and try again, or press Home to go back to the game instructions.</source>
        <translation>تحقّق من العنوان وحاول مرة أخرى، أو اضغط الرئيسية للعودة إلى تعليمات اللعبة.</translation>
    </message>
    <message>
        <source>This address exists, but it cannot be read.</source>
        <translation>هذا العنوان موجود، لكن لا يمكن قراءته.</translation>
    </message>
    <message>
        <source>the web module glimmerkin-web is missing from %1</source>
        <translation>وحدة الويب glimmerkin-web غير موجودة في %1</translation>
    </message>
    <message>
        <source>the web module %1 is not a Qt plugin: it holds no plugin metadata</source>
        <translation>وحدة الويب %1 ليست إضافة Qt: لا تحتوي على بيانات وصفية للإضافة</translation>
    </message>
    <message>
        <source>the web module %1 is another Qt plugin (%2), not the help browser&apos;s</source>
        <translation>وحدة الويب %1 إضافة Qt أخرى (%2)، وليست إضافة متصفح المساعدة</translation>
    </message>
    <message>
        <source>the web module cannot be loaded: %1</source>
        <translation>لا يمكن تحميل وحدة الويب: %1</translation>
    </message>
    <message>
        <source>the web module %1 has no web access of its own</source>
        <translation>وحدة الويب %1 لا توفّر وصولًا إلى الويب</translation>
    </message>
    <message>
        <source>A page on the web cannot open pages or files on this computer.</source>
        <translation>لا يمكن لصفحة من الويب أن تفتح صفحات هذا الحاسوب أو ملفاته.</translation>
    </message>
    <message>
        <source>Page too long</source>
        <translation>الصفحة طويلة جدًا</translation>
    </message>
    <message>
        <source>This page holds too much text to be shown here.</source>
        <translation>تحتوي هذه الصفحة على نص أكثر من أن يُعرض هنا.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Runtime</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>خطأ في التشغيل «%1»:

%2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Control array element %1 doesn&apos;t exist</source>
        <translation>العنصر %1 من مصفوفة عناصر التحكم غير موجود</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit a 16-bit integer</source>
        <translation>تجاوز السعة: %1 لا يتسع في عدد صحيح من 16 بت</translation>
    </message>
    <message>
        <source>The browser control %1 is not loaded</source>
        <translation>عنصر التحكم بالمتصفح %1 غير محمّل</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيطة غير صالحة</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>قيمة خاصية غير صالحة</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>الفهرس خارج النطاق</translation>
    </message>
    <message>
        <source>There is no page to go back to</source>
        <translation>لا توجد صفحة سابقة</translation>
    </message>
    <message>
        <source>There is no page to go forward to</source>
        <translation>لا توجد صفحة تالية</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>Game sounds</source>
        <translation>أصوات اللعبة</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Working...</source>
        <translation>جارٍ التحميل...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>ال&amp;عنوان:</translation>
    </message>
</context>
<context>
    <name>frmLand</name>
    <message>
        <source>I Finally Got Away.  Click Start to Try Again.</source>
        <translation>أخيرًا هربت. انقر «لنبدأ» لتحاول مجددًا.</translation>
    </message>
    <message>
        <source>Got Away</source>
        <translation>هربت الطريدة</translation>
    </message>
    <message>
        <source>You Let Me Get Away.  Click OK to Try Again.</source>
        <translation>تركتني أهرب. انقر «حسنًا» لتحاول مجددًا.</translation>
    </message>
    <message>
        <source>You Caught Me!  Click OK to Go to the Next Level.</source>
        <translation>أمسكت بي! انقر «حسنًا» للانتقال إلى المستوى التالي.</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>أحسنت!</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>The quarry is here</source>
        <translation>الطريدة هنا</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>لنبدأ</translation>
    </message>
    <message>
        <source>Light 1, grass</source>
        <translation>الضوء 1، العشب</translation>
    </message>
    <message>
        <source>Light 2, sky</source>
        <translation>الضوء 2، السماء</translation>
    </message>
    <message>
        <source>Light 3, snow</source>
        <translation>الضوء 3، الثلج</translation>
    </message>
    <message>
        <source>Light 4, river</source>
        <translation>الضوء 4، النهر</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>اتبع</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>أمسِك</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>من جديد</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>حقوق النشر © %1 %2</translation>
    </message>
    <message>
        <source>Proudly Presents</source>
        <translation>يفخر بأن يقدم</translation>
    </message>
</context>
</TS>
