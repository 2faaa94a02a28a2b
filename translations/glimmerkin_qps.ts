<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="qps" sourcelanguage="en">
  <context>
    <name>DocumentBrowserView</name>
    <message>
      <source>Page cannot be shown</source>
      <translation>[Págé çáññót bé šhówñ······]</translation>
    </message>
    <message>
      <source>Web pages cannot be opened here: %1.</source>
      <translation>[Wéb págéš çáññót bé ópéñéd héré: %1.············]</translation>
    </message>
    <message>
      <source>No answer</source>
      <translation>[Ñó áñšwér··]</translation>
    </message>
    <message>
      <source>The server did not answer in time.</source>
      <translation>[Thé šérvér díd ñót áñšwér íñ tímé.············]</translation>
    </message>
    <message>
      <source>Server not found</source>
      <translation>[Šérvér ñót fóúñd····]</translation>
    </message>
    <message>
      <source>The server %1 cannot be found. Check the address, and your connection to the Internet.</source>
      <translation>[Thé šérvér %1 çáññót bé fóúñd. Çhéçk thé áddréšš, áñd ýóúr çóññéçtíóñ tó thé Íñtérñét.································]</translation>
    </message>
    <message>
      <source>The page could not be loaded: %1.</source>
      <translation>[Thé págé çóúld ñót bé lóádéd: %1.···········]</translation>
    </message>
    <message>
      <source>The server sent the browser to an address it does not open.</source>
      <translation>[Thé šérvér šéñt thé brówšér tó áñ áddréšš ít dóéš ñót ópéñ.······················]</translation>
    </message>
    <message>
      <source>Address not valid</source>
      <translation>[Áddréšš ñót válíd·····]</translation>
    </message>
    <message>
      <source>This is not a valid address of a page.</source>
      <translation>[Thíš íš ñót á válíd áddréšš óf á págé.·············]</translation>
    </message>
    <message>
      <source>Address not supported</source>
      <translation>[Áddréšš ñót šúppórtéd······]</translation>
    </message>
    <message>
      <source>Addresses that begin with “%1:” cannot be opened here. The help browser opens pages on this computer and web pages (http and https).</source>
      <translation>[Áddréššéš thát bégíñ wíth “%1:” çáññót bé ópéñéd héré. Thé hélp brówšér ópéñš págéš óñ thíš çómpútér áñd wéb págéš (http áñd httpš).···················································]</translation>
    </message>
    <message>
      <source>Pages on other computers cannot be opened by a file address.</source>
      <translation>[Págéš óñ óthér çómpútérš çáññót bé ópéñéd bý á fílé áddréšš.······················]</translation>
    </message>
    <message>
      <source>Address too long</source>
      <translation>[Áddréšš tóó lóñg····]</translation>
    </message>
    <message>
      <source>This address is too long to be opened.</source>
      <translation>[Thíš áddréšš íš tóó lóñg tó bé ópéñéd.·············]</translation>
    </message>
    <message>
      <source>No address</source>
      <translation>[Ñó áddréšš··]</translation>
    </message>
    <message>
      <source>Type the address of a page into the address box and press Enter.</source>
      <translation>[Týpé thé áddréšš óf á págé íñtó thé áddréšš bóx áñd préšš Éñtér.························]</translation>
    </message>
    <message>
      <source>Page too large</source>
      <translation>[Págé tóó lárgé····]</translation>
    </message>
    <message>
      <source>This page is larger than 2 MB, too large to be shown here.</source>
      <translation>[Thíš págé íš lárgér tháñ 2 MB, tóó lárgé tó bé šhówñ héré.·····················]</translation>
    </message>
    <message>
      <source>Page not found</source>
      <translation>[Págé ñót fóúñd····]</translation>
    </message>
    <message>
      <source>There is no page at this address.</source>
      <translation>[Théré íš ñó págé át thíš áddréšš.···········]</translation>
    </message>
    <message>
      <source>This is a folder</source>
      <translation>[Thíš íš á fóldér····]</translation>
    </message>
    <message>
      <source>This address is a folder, not a page. Open one of the pages in it instead.</source>
      <translation>[Thíš áddréšš íš á fóldér, ñót á págé. Ópéñ óñé óf thé págéš íñ ít íñštéád.····························]</translation>
    </message>
    <message>
      <source>Not a page</source>
      <translation>[Ñót á págé··]</translation>
    </message>
    <message>
      <source>This address is a device or a pipe, not a page, so it is not opened.</source>
      <translation>[Thíš áddréšš íš á dévíçé ór á pípé, ñót á págé, šó ít íš ñót ópéñéd.·························]</translation>
    </message>
    <message>
      <source>Page cannot be read</source>
      <translation>[Págé çáññót bé réád······]</translation>
    </message>
    <message>
      <source>You are not allowed to read this file.</source>
      <translation>[Ýóú áré ñót állówéd tó réád thíš fílé.·············]</translation>
    </message>
    <message>
      <source>Page too complex</source>
      <translation>[Págé tóó çómpléx····]</translation>
    </message>
    <message>
      <source>This page is nested too deeply, or made of too many parts, to be shown here.</source>
      <translation>[Thíš págé íš ñéštéd tóó dééplý, ór mádé óf tóó máñý pártš, tó bé šhówñ héré.····························]</translation>
    </message>
    <message>
      <source>Picture cannot be shown</source>
      <translation>[Píçtúré çáññót bé šhówñ·······]</translation>
    </message>
    <message>
      <source>This picture is damaged, too large or of a kind that cannot be shown.</source>
      <translation>[Thíš píçtúré íš dámágéd, tóó lárgé ór óf á kíñd thát çáññót bé šhówñ.··························]</translation>
    </message>
    <message>
      <source>This file is neither a page nor a text, so it is not shown here.</source>
      <translation>[Thíš fílé íš ñéíthér á págé ñór á téxt, šó ít íš ñót šhówñ héré.························]</translation>
    </message>
    <message>
      <source>Check the address and try again, or press Home to go back to the game instructions.</source>
      <translation>[Çhéçk thé áddréšš áñd trý ágáíñ, ór préšš Hómé tó gó báçk tó thé gámé íñštrúçtíóñš.·······························]</translation>
    </message>
    <message>
      <source>This address exists, but it cannot be read.</source>
      <translation>[Thíš áddréšš éxíštš, bút ít çáññót bé réád.···············]</translation>
    </message>
    <message>
      <source>the web module glimmerkin-web is missing from %1</source>
      <translation>[thé wéb módúlé glímmérkíñ-wéb íš míššíñg fróm %1·················]</translation>
    </message>
    <message>
      <source>the web module %1 is not a Qt plugin: it holds no plugin metadata</source>
      <translation>[thé wéb módúlé %1 íš ñót á Qt plúgíñ: ít hóldš ñó plúgíñ métádátá························]</translation>
    </message>
    <message>
      <source>the web module %1 is another Qt plugin (%2), not the help browser's</source>
      <translation>[thé wéb módúlé %1 íš áñóthér Qt plúgíñ (%2), ñót thé hélp brówšér'š·························]</translation>
    </message>
    <message>
      <source>the web module cannot be loaded: %1</source>
      <translation>[thé wéb módúlé çáññót bé lóádéd: %1············]</translation>
    </message>
    <message>
      <source>the web module %1 has no web access of its own</source>
      <translation>[thé wéb módúlé %1 háš ñó wéb áççéšš óf ítš ówñ················]</translation>
    </message>
    <message>
      <source>A page on the web cannot open pages or files on this computer.</source>
      <translation>[Á págé óñ thé wéb çáññót ópéñ págéš ór fíléš óñ thíš çómpútér.·······················]</translation>
    </message>
    <message>
      <source>Page too long</source>
      <translation>[Págé tóó lóñg···]</translation>
    </message>
    <message>
      <source>This page holds too much text to be shown here.</source>
      <translation>[Thíš págé hóldš tóó múçh téxt tó bé šhówñ héré.·················]</translation>
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
      <source>Run-time error '%1':

%2</source>
      <translation>[Rúñ-tímé érrór '%1':

%2········]</translation>
    </message>
  </context>
  <context>
    <name>RuntimeError</name>
    <message>
      <source>Control array element %1 doesn't exist</source>
      <translation>[Çóñtról árráý éléméñt %1 dóéšñ't éxíšt·············]</translation>
    </message>
    <message>
      <source>Overflow: %1 does not fit a 16-bit integer</source>
      <translation>[Óvérflów: %1 dóéš ñót fít á 16-bít íñtégér···············]</translation>
    </message>
    <message>
      <source>The browser control %1 is not loaded</source>
      <translation>[Thé brówšér çóñtról %1 íš ñót lóádéd············]</translation>
    </message>
    <message>
      <source>Invalid procedure call or argument</source>
      <translation>[Íñválíd próçédúré çáll ór árgúméñt············]</translation>
    </message>
    <message>
      <source>Invalid property value</source>
      <translation>[Íñválíd própértý válúé·······]</translation>
    </message>
    <message>
      <source>Subscript out of range</source>
      <translation>[Šúbšçrípt óút óf ráñgé·······]</translation>
    </message>
    <message>
      <source>There is no page to go back to</source>
      <translation>[Théré íš ñó págé tó gó báçk tó··········]</translation>
    </message>
    <message>
      <source>There is no page to go forward to</source>
      <translation>[Théré íš ñó págé tó gó fórwárd tó···········]</translation>
    </message>
  </context>
  <context>
    <name>SdlAudioOutput</name>
    <message>
      <source>Game sounds</source>
      <translation>[Gámé šóúñdš··]</translation>
    </message>
  </context>
  <context>
    <name>frmBrowser</name>
    <message>
      <source>Working...</source>
      <translation>[Wórkíñg...··]</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>[Báçk]</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>[Fórwárd·]</translation>
    </message>
    <message>
      <source>Stop</source>
      <translation>[Štóp]</translation>
    </message>
    <message>
      <source>Refresh</source>
      <translation>[Réfréšh·]</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>[Hómé]</translation>
    </message>
    <message>
      <source>Address</source>
      <translation>[Áddréšš·]</translation>
    </message>
    <message>
      <source>&amp;Address:</source>
      <translation>[&amp;Áddréšš:··]</translation>
    </message>
  </context>
  <context>
    <name>frmLand</name>
    <message>
      <source>I Finally Got Away.  Click Start to Try Again.</source>
      <translation>[Í Fíñállý Gót Áwáý.  Çlíçk Štárt tó Trý Ágáíñ.················]</translation>
    </message>
    <message>
      <source>Got Away</source>
      <translation>[Gót Áwáý·]</translation>
    </message>
    <message>
      <source>You Let Me Get Away.  Click OK to Try Again.</source>
      <translation>[Ýóú Lét Mé Gét Áwáý.  Çlíçk ÓK tó Trý Ágáíñ.················]</translation>
    </message>
    <message>
      <source>You Caught Me!  Click OK to Go to the Next Level.</source>
      <translation>[Ýóú Çáúght Mé!  Çlíçk ÓK tó Gó tó thé Ñéxt Lévél.··················]</translation>
    </message>
    <message>
      <source>Great Job!</source>
      <translation>[Gréát Jób!··]</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>[Hélp]</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>[Šçóré]</translation>
    </message>
    <message>
      <source>The quarry is here</source>
      <translation>[Thé qúárrý íš héré·····]</translation>
    </message>
    <message>
      <source>Start</source>
      <translation>[Štárt]</translation>
    </message>
    <message>
      <source>Light 1, grass</source>
      <translation>[Líght 1, grášš····]</translation>
    </message>
    <message>
      <source>Light 2, sky</source>
      <translation>[Líght 2, šký···]</translation>
    </message>
    <message>
      <source>Light 3, snow</source>
      <translation>[Líght 3, šñów···]</translation>
    </message>
    <message>
      <source>Light 4, river</source>
      <translation>[Líght 4, rívér····]</translation>
    </message>
    <message>
      <source>Follow</source>
      <translation>[Fóllów]</translation>
    </message>
    <message>
      <source>Tag</source>
      <translation>[Tág]</translation>
    </message>
    <message>
      <source>Start Over</source>
      <translation>[Štárt Óvér··]</translation>
    </message>
  </context>
  <context>
    <name>frmSplash</name>
    <message>
      <source>Copyright © %1 %2</source>
      <translation>[Çópýríght © %1 %2·····]</translation>
    </message>
    <message>
      <source>Proudly Presents</source>
      <translation>[Próúdlý Préšéñtš····]</translation>
    </message>
  </context>
</TS>
