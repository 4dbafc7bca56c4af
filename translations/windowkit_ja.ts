<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>windowkit::CsvFile</name>
    <message>
        <source>Save answers as CSV</source>
        <translation>解答を CSV で保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The answers could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>The file&apos;s path, then on a line of its own the system&apos;s reason.</extracomment>
        <translation>解答を「%1」に保存できませんでした。
%2</translation>
    </message>
</context>
</TS>
