<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>about::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button that closes the About window; 65 px wide.</extracomment>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>About Tavrendale</source>
        <translation>Tavrendale について</translation>
    </message>
    <message>
        <source>Cartoon figure</source>
        <translation>イラストの人物</translation>
    </message>
    <message>
        <source>Question mark in a speech bubble</source>
        <translation>吹き出しの中の疑問符</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>バージョン 1.0</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>プログラムのアイコン</translation>
    </message>
    <message>
        <source>About the program</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>Tavrendale is a simple program. The main purpose within the making of this program is to help me (and others) improving basic math skill; increment. The increment application also can be found in Pauli-Kraepelin test, part of common psychology test.</source>
        <translation>Tavrendale はシンプルなプログラムです。自分やほかの人の基本的な計算力、つまり足し算の力を伸ばすために作りました。この足し算は、一般的な心理検査の一つであるパウリ・クレペリン検査でも使われています。</translation>
    </message>
    <message>
        <source>Coded by: A. N. Author aka anauthor</source>
        <translation>作者：A. N. Author（anauthor）</translation>
    </message>
    <message>
        <source>For everyone learning to add.</source>
        <translation>足し算を学ぶすべての人へ。</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>The components Tavrendale uses and the holders of their rights</source>
        <translation>Tavrendale が使用しているコンポーネントとその権利者</translation>
    </message>
    <message>
        <source>Web address; a click opens it in the browser</source>
        <translation>ウェブアドレス。クリックするとブラウザーで開きます</translation>
    </message>
    <message>
        <source>Tavrendale uses the following 3rd party components and codes:<byte value="xd"/>
[1] Qt 6 (%1) © The Qt Company Ltd. and other contributors, used under the GNU LGPL version 3<byte value="xd"/>
[2] Caladea typeface © 2012 The Caladea Project Authors (Carolina Giovagnoli, Andrés Torresi, Huerta Tipográfica), SIL Open Font License 1.1</source>
        <translation>Tavrendale は次のサードパーティ製のコンポーネントとコードを使用しています：<byte value="xd"/>
[1] Qt 6 (%1) © The Qt Company Ltd. およびその他の貢献者、GNU LGPL バージョン 3 のもとで使用<byte value="xd"/>
[2] Caladea 書体 © 2012 The Caladea Project Authors (Carolina Giovagnoli, Andrés Torresi, Huerta Tipográfica)、SIL Open Font License 1.1</translation>
    </message>
</context>
</TS>
