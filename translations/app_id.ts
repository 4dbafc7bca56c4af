<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the texts in language &lt;code&gt;: %1 (by default the desktop&apos;s language).</source>
        <translation>Menampilkan teks dalam bahasa &lt;code&gt;: %1 (bawaannya bahasa desktop).</translation>
    </message>
</context>
</TS>
