<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>about::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button that closes the About window; 65 px wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About Tavrendale</source>
        <translation>Tentang Tavrendale</translation>
    </message>
    <message>
        <source>Cartoon figure</source>
        <translation>Tokoh kartun</translation>
    </message>
    <message>
        <source>Question mark in a speech bubble</source>
        <translation>Tanda tanya dalam balon kata</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versi 1.0</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ikon program</translation>
    </message>
    <message>
        <source>About the program</source>
        <translation>Tentang program ini</translation>
    </message>
    <message>
        <source>Tavrendale is a simple program. The main purpose within the making of this program is to help me (and others) improving basic math skill; increment. The increment application also can be found in Pauli-Kraepelin test, part of common psychology test.</source>
        <translation>Tavrendale adalah program sederhana. Program ini dibuat terutama untuk membantu saya (dan orang lain) melatih kemampuan dasar berhitung, yaitu penjumlahan. Penjumlahan seperti ini juga dipakai dalam tes Pauli-Kraepelin, bagian dari psikotes yang umum.</translation>
    </message>
    <message>
        <source>Coded by: A. N. Author aka anauthor</source>
        <translation>Dibuat oleh: A. N. Author alias anauthor</translation>
    </message>
    <message>
        <source>For everyone learning to add.</source>
        <translation>Untuk semua yang belajar menjumlah.</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Kredit</translation>
    </message>
    <message>
        <source>The components Tavrendale uses and the holders of their rights</source>
        <translation>Komponen yang digunakan Tavrendale dan pemegang haknya</translation>
    </message>
    <message>
        <source>Web address; a click opens it in the browser</source>
        <translation>Alamat web; klik untuk membukanya di peramban</translation>
    </message>
    <message>
        <source>Tavrendale uses the following 3rd party components and codes:<byte value="xd"/>
[1] Qt 6 (%1) © The Qt Company Ltd. and other contributors, used under the GNU LGPL version 3<byte value="xd"/>
[2] Caladea typeface © 2012 The Caladea Project Authors (Carolina Giovagnoli, Andrés Torresi, Huerta Tipográfica), SIL Open Font License 1.1</source>
        <translation>Tavrendale menggunakan komponen dan kode pihak ketiga berikut:<byte value="xd"/>
[1] Qt 6 (%1) © The Qt Company Ltd. dan kontributor lain, digunakan di bawah GNU LGPL versi 3<byte value="xd"/>
[2] Fon Caladea © 2012 The Caladea Project Authors (Carolina Giovagnoli, Andrés Torresi, Huerta Tipográfica), SIL Open Font License 1.1</translation>
    </message>
</context>
</TS>
