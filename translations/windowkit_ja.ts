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
<context>
    <name>windowkit::ReadOnlyTable</name>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader reads for a figure of a table: the row&apos;s name, then its figure.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>windowkit::ToolWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>このウィンドウを閉じます（Esc）</translation>
    </message>
</context>
</TS>
