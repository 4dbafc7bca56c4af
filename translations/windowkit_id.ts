<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>windowkit::CsvFile</name>
    <message>
        <source>Save answers as CSV</source>
        <translation>Simpan jawaban sebagai CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Berkas CSV (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>The answers could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>The file&apos;s path, then on a line of its own the system&apos;s reason.</extracomment>
        <translation>Jawaban tidak dapat disimpan ke &quot;%1&quot;:
%2</translation>
    </message>
</context>
</TS>
