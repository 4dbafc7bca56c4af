<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the texts in language &lt;code&gt;: %1 (by default the desktop&apos;s language).</source>
        <translation>表示する言語を &lt;code&gt; で選びます: %1(指定がなければデスクトップの言語)。</translation>
    </message>
</context>
</TS>
