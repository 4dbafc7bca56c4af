<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the texts in language &lt;code&gt;: %1 (by default the desktop&apos;s language).</source>
        <translation>表示する言語を &lt;code&gt; で選びます：%1（指定がなければデスクトップの言語）。</translation>
    </message>
    <message>
        <source>Drills the addition rule of the Pauli-Kraepelin test: type the unit digit of the sum of two digits and press Enter.</source>
        <translation>パウリ・クレペリン検査の足し算のルールを練習します。2つの数字の和の一の位を入力して Enter キーを押してください。</translation>
    </message>
    <message>
        <source>Opens the exam sheets window alone, with &lt;format&gt; chosen: %1.</source>
        <translation>検査用紙のウィンドウだけを、&lt;format&gt; を選んだ状態で開きます：%1。</translation>
    </message>
    <message>
        <source>With --sheet: the format&apos;s short practice version.</source>
        <translation>--sheet と併用：その形式の短い練習版。</translation>
    </message>
    <message>
        <source>With --sheet: makes the sheet from seed &lt;n&gt;, to sit a sheet again.</source>
        <translation>--sheet と併用：シード &lt;n&gt; から用紙を作ります。同じ用紙をもう一度受けるときに使います。</translation>
    </message>
    <message>
        <source>takes no arguments, but was given: %1</source>
        <translation>引数は受け付けませんが、次が指定されました：%1</translation>
    </message>
    <message>
        <source>--practice and --seed choose an exam sheet: give --sheet FORMAT too</source>
        <translation>--practice と --seed は検査用紙を選ぶオプションです。--sheet FORMAT も指定してください</translation>
    </message>
    <message>
        <source>With --sheet and --seed: writes the sheet to &lt;file&gt; as a PDF to print, without a window, and ends.</source>
        <translation>--sheet と --seed とともに：用紙を印刷用のPDFとして &lt;file&gt; に書き出し、ウィンドウを開かずに終了します。</translation>
    </message>
    <message>
        <source>--pdf writes an exam sheet: give --sheet FORMAT and --seed N too</source>
        <translation>--pdf は検査用紙を書き出します。--sheet FORMAT と --seed N も指定してください</translation>
    </message>
    <message>
        <source>--sheet, --seed and --pdf are given once each</source>
        <translation>--sheet、--seed、--pdf はそれぞれ1回だけ指定します</translation>
    </message>
    <message>
        <source>cannot write the PDF to &quot;%1&quot;: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>PDFを「%1」に書き出せません：%2</translation>
    </message>
    <message>
        <source>Opens the History window alone: the sittings kept on this computer, their scores over time and the trend.</source>
        <translation>履歴ウィンドウだけを開きます：このコンピューターに残した検査、指標の推移、傾向。</translation>
    </message>
    <message>
        <source>--history opens the History window alone: give no exam sheet&apos;s options</source>
        <translation>--history は履歴ウィンドウだけを開きます：検査用紙のオプションは付けないでください</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translatorcomment>Qt 自身の訳（qtbase_ja）と同じ語。Qt のカタログにないヘルプ項目の2つだけがここから使われます。ヘルプのほかの行は Qt のカタログから来るので、コロンも Qt と同じ半角のままにします（全角コロンの決まりの例外）。</translatorcomment>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引数:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含むヘルプを表示する。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示する。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; は未知のオプションです。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知のオプション: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; の後の値が欠けています。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; の後が予期せぬ値です。</translation>
    </message>
</context>
<context>
    <name>app::LogCommands</name>
    <message>
        <source>Answer log</source>
        <translatorcomment>用語：answer log はどこでも「解答ログ」（メタ情報も）。「記録」はチェックボックス「記録」（log test）の語。</translatorcomment>
        <translation>解答ログ</translation>
    </message>
    <message>
        <source>Show &amp;work curve</source>
        <translatorcomment>用語：「作業曲線」は内田クレペリン検査の結果のグラフの名称。</translatorcomment>
        <translation>作業曲線を表示(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save answers as CSV…</source>
        <translation>解答を CSV で保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>結果をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exam sheets…</source>
        <translatorcomment>用語：「検査用紙」はクレペリン・内田クレペリン・パウリ検査の用紙。</translatorcomment>
        <translation>検査用紙(&amp;E)…</translation>
    </message>
    <message>
        <source>Practise the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test (%1)</source>
        <translation>クレペリン検査・内田クレペリン検査・パウリ検査の用紙を、本番と同じ時間配分で練習します（%1）</translation>
    </message>
    <message>
        <source>Answers per minute, answer times and the digit-pair map of the last run</source>
        <translation>前回の練習の1分ごとの作業量、解答時間、数字の組み合わせ表</translation>
    </message>
    <message>
        <source>Save every answer of the last run, with its answer time, to a CSV file</source>
        <translation>前回の練習のすべての解答を、解答時間とともに CSV ファイルに保存します</translation>
    </message>
    <message>
        <source>Copy the answer log and the results of the last run as plain text</source>
        <translation>前回の練習の解答ログと結果をテキストとしてコピーします</translation>
    </message>
    <message>
        <source>Right-click, or press the Menu key or Shift+F10, to show the work curve, save the answers as CSV or copy the results, or to open the exam sheets (%1) or the history</source>
        <translation>右クリック、またはメニューキーか Shift+F10 で、作業曲線の表示、解答の CSV 保存、結果のコピー、検査用紙（%1）や履歴を開く操作ができます</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>履歴(&amp;H)…</translation>
    </message>
    <message>
        <source>Your kept sittings and runs, their scores over time and the trend</source>
        <translation>残した検査と練習、指標の推移と傾向</translation>
    </message>
</context>
<context>
    <name>app::frmMain</name>
    <message>
        <source>&lt;&lt;&lt; &amp;Back</source>
        <extracomment>The button under the answer log that hides the results; its box is 265 px wide.</extracomment>
        <translation>&lt;&lt;&lt; 戻る(&amp;B)</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>The button that opens the menu of the rule, the test and the program; 89 px wide.</extracomment>
        <translatorcomment>アクセスキーはこのウィンドウで重複しない：戻る(B)、情報(I)、終了(X)、記録(L)、時計(T)。</translatorcomment>
        <translation>情報(&amp;I)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the program after asking; 89 px wide.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>1つ目の数字：%1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>2つ目の数字：%1</translation>
    </message>
    <message>
        <source>Clock: %1</source>
        <translation>時計：%1</translation>
    </message>
    <message>
        <source>One thing to keep in mind, the answer of each questions only consist of one number, following the rule of Pauli-Kraepelin test.<byte value="xd"/>
<byte value="xd"/>
Example 1:<byte value="xd"/>
	5 + 4 = 9<byte value="xd"/>
Example 2:<byte value="xd"/>
	7 + 5 = 2 (instead of filling the field with &apos;12&apos;, you only need to write down the unit; &apos;2&apos;)<byte value="xd"/>
Example 3:<byte value="xd"/>
	6 + 9 = 5 (instead of filling the field with &apos;15&apos;, you only need to write down the unit; &apos;5&apos;)</source>
        <translation>覚えておいてほしいことが一つあります。パウリ・クレペリン検査のルールでは、各問の答えは1桁の数字だけです。<byte value="xd"/>
<byte value="xd"/>
例1：<byte value="xd"/>
	5 + 4 = 9<byte value="xd"/>
例2：<byte value="xd"/>
	7 + 5 = 2（「12」ではなく、一の位の「2」だけを書きます）<byte value="xd"/>
例3：<byte value="xd"/>
	6 + 9 = 5（「15」ではなく、一の位の「5」だけを書きます）</translation>
    </message>
    <message>
        <source>Pauli-Kraepelin Test is part of common psychology test. This test format is in a newspaper-size paper consisting hundred of random numbers. What you need to do is incrementing each two closest number.<byte value="xd"/>
<byte value="xd"/>
This test used to measure examinee&apos;s concrentation level and performance stability under such a pressure.<byte value="xd"/>
<byte value="xd"/>
In the real Pauli-Kraepelin Test, the examinee will never know how much time reserved by the examiner in each sections.</source>
        <translatorcomment>用語：examinee＝受検者、examiner＝検査者（検査の案内で使う語）。</translatorcomment>
        <translation>パウリ・クレペリン検査は、一般的な心理検査の一つです。新聞紙ほどの大きさの用紙に何百ものランダムな数字が並んでいて、隣り合う2つの数字を次々に足していきます。<byte value="xd"/>
<byte value="xd"/>
この検査は、受検者の集中力と、プレッシャーの下での作業の安定性を測るために使われます。<byte value="xd"/>
<byte value="xd"/>
実際のパウリ・クレペリン検査では、検査者が各区切りにどれだけの時間を割り当てているか、受検者には知らされません。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>&amp;Log test</source>
        <translation>記録(&amp;L)</translation>
    </message>
    <message>
        <source>Show &amp;timer</source>
        <translation>時計(&amp;T)</translation>
    </message>
    <message>
        <source>Test duration (minute(s)):</source>
        <translatorcomment>用語：「検査時間」。（分）は全角括弧、ラベル末は全角コロン。</translatorcomment>
        <translation>検査時間（分）：</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation>経過時間：</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>結果：</translation>
    </message>
    <message>
        <source>Question mark in a speech bubble</source>
        <translation>吹き出しの中の疑問符</translation>
    </message>
    <message>
        <source>Cartoon figure</source>
        <translation>イラストの人物</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>情報(&amp;I)...</translation>
    </message>
    <message>
        <source>About &amp;Rule</source>
        <translation>ルールについて(&amp;R)</translation>
    </message>
    <message>
        <source>About &amp;Pauli-Kraepelin Test</source>
        <translatorcomment>用語：「パウリ・クレペリン検査」「心理検査」。日本では「内田クレペリン検査」が一般的なため、パウリ版はカタカナで区別する。</translatorcomment>
        <translation>パウリ・クレペリン検査について(&amp;P)</translation>
    </message>
    <message>
        <source>About &amp;Tavrendale</source>
        <translation>Tavrendale について(&amp;T)</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>プラス</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>答え</translation>
    </message>
    <message>
        <source>The unit digit of the sum of the two numbers; Enter hands it in</source>
        <translation>2つの数字の和の一の位。Enter キーで確定します</translation>
    </message>
    <message>
        <source>Test duration in minutes</source>
        <translation>検査時間（分）</translation>
    </message>
    <message>
        <source>Whole minutes from 1 to 99</source>
        <translation>1～99の整数（分）</translation>
    </message>
    <message>
        <source>Whole minutes from 1 to 99. %1 opens the exam sheets, timed as in the test</source>
        <translation>1～99の整数（分）。%1 で本番と同じ時間配分の検査用紙を開きます</translation>
    </message>
    <message>
        <source>%1 opens the exam sheets: the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test</source>
        <translation>%1 で検査用紙を開きます：クレペリン検査・内田クレペリン検査・パウリ検査の用紙を、本番と同じ時間配分で</translation>
    </message>
    <message>
        <source>Log test</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Judge and count the answers and write them to the answer log</source>
        <translation>解答を採点・集計して解答ログに書き込みます</translation>
    </message>
    <message>
        <source>Show timer</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Off, the clock is covered; it keeps counting</source>
        <translation>オフにすると時計が隠れます。計時は続きます</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Starts a run of the duration typed in the duration field</source>
        <translation>検査時間の欄に入力した長さで練習を始めます</translation>
    </message>
    <message>
        <source>Start (Space when focused)</source>
        <translation>開始（フォーカス時は Space キー）</translation>
    </message>
    <message>
        <source>Stop</source>
        <translatorcomment>用語：Stop はどのウィンドウでも「中止」（練習や検査を途中でやめる）。「停止」は使わない。確認は「中止してもよろしいですか？」。</translatorcomment>
        <translation>中止</translation>
    </message>
    <message>
        <source>Stops the run after asking</source>
        <translation>確認してから練習を中止します</translation>
    </message>
    <message>
        <source>Stop (Space when focused)</source>
        <translation>中止（フォーカス時は Space キー）</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Stops the run without asking and sets the numbers and the clock back</source>
        <translation>確認せずに練習を中止し、数字と時計を最初に戻します</translation>
    </message>
    <message>
        <source>Reset (Space when focused)</source>
        <translation>リセット（フォーカス時は Space キー）</translation>
    </message>
    <message>
        <source>Minutes and seconds since the run started</source>
        <translation>練習開始からの分と秒</translation>
    </message>
    <message>
        <source>Clock covered</source>
        <translation>時計は非表示</translation>
    </message>
    <message>
        <source>Show timer is off; the clock keeps counting</source>
        <translation>「時計」がオフです。計時は続きます</translation>
    </message>
    <message>
        <source>Answer log</source>
        <translation>解答ログ</translation>
    </message>
    <message>
        <source>One line per answer: the sum, the answer given, and TRUE or FALSE. </source>
        <translation>1行に1つの解答：足し算、入力した答え、正または誤。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Hides the results</source>
        <translation>結果を閉じます</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Opens a menu: about the rule, about the test, about Tavrendale</source>
        <translation>メニューを開きます：ルールについて、検査について、Tavrendale について</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Ends the program after asking</source>
        <translation>確認してからプログラムを終了します</translation>
    </message>
    <message>
        <source>Pointing hand</source>
        <translation>指さしの手</translation>
    </message>
    <message>
        <source>Web address; a click opens it in the browser</source>
        <translation>ウェブアドレス。クリックするとブラウザーで開きます</translation>
    </message>
    <message>
        <source>Are you sure want to stop?</source>
        <translation>中止してもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure want to exit?</source>
        <translation>終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>Tavrendale -- About Rule</source>
        <translation>Tavrendale -- ルールについて</translation>
    </message>
    <message>
        <source>Tavrendale -- About Pauli-Kraepelin Test</source>
        <translation>Tavrendale -- パウリ・クレペリン検査について</translation>
    </message>
    <message>
        <source>A run is in progress: its answers are ready when it ends.</source>
        <translatorcomment>用語：run は「練習」（開始から時間切れまでの1回）。</translatorcomment>
        <translation>練習中です。解答は練習が終わると使えます。</translation>
    </message>
    <message>
        <source>No run has ended yet.</source>
        <translation>まだ終わった練習がありません。</translation>
    </message>
    <message>
        <source>The last run was not logged: tick &quot;Log test&quot; before Start to record the answers.</source>
        <translation>前回の練習は記録されていません。解答を記録するには、開始の前に「記録」にチェックを入れてください。</translation>
    </message>
    <message>
        <source>The last run has no answers.</source>
        <translation>前回の練習には解答がありません。</translation>
    </message>
    <message>
        <source>Exam sheets (%1)</source>
        <extracomment>A link-like button in the main window&apos;s bottom row; %1 is its key, Ctrl+E.</extracomment>
        <translation>検査用紙（%1）</translation>
    </message>
    <message>
        <source>Opens the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test; %1 from anywhere in this window</source>
        <translation>クレペリン検査・内田クレペリン検査・パウリ検査の用紙を、本番と同じ時間配分で開きます。このウィンドウのどこからでも %1 で開けます</translation>
    </message>
    <message>
        <source>Exam sheets</source>
        <translation>検査用紙</translation>
    </message>
</context>
<context>
    <name>engine::TestEngine</name>
    <message>
        <source>Duration: %1 minute(s)</source>
        <extracomment>A result line, right-aligned in a box of 129 px, before the first run (&quot;0&quot;) and after a run without logging stopped by the user (&quot;-&quot;); %1 is that figure.</extracomment>
        <translation>時間：%1分</translation>
    </message>
    <message>
        <source>Result not logged.</source>
        <extracomment>The answer log&apos;s one line after a run with &quot;Log test&quot; off.</extracomment>
        <translation>結果は記録されていません。</translation>
    </message>
    <message>
        <source>Invalid value detected in test duration field, please change the value into numbers only, then try again.</source>
        <extracomment>A warning box, after Start with a duration that is not a number of at least 1.</extracomment>
        <translation>検査時間の欄に無効な値があります。数字だけを入力して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Total answered: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is a count or &quot;-&quot;.</extracomment>
        <translation>解答数：%1</translation>
    </message>
    <message>
        <source>Total true: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is a count or &quot;-&quot;.</extracomment>
        <translatorcomment>用語：正答数／誤答数／解答数（検査の採点で使う語）。129 px の枠に収まる長さ。</translatorcomment>
        <translation>正答数：%1</translation>
    </message>
    <message>
        <source>Total false: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is a count or &quot;-&quot;.</extracomment>
        <translation>誤答数：%1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is the run&apos;s clock (1:00) or &quot;-&quot;.</extracomment>
        <translation>時間：%1</translation>
    </message>
    <message>
        <source>Operation per sec: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is the true answers per second (0.57), &quot;0&quot; or &quot;-&quot;.</extracomment>
        <translation>正答数/秒：%1</translation>
    </message>
    <message>
        <source>Operation per min: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is the true answers per minute (34.00), &quot;0&quot; or &quot;-&quot;.</extracomment>
        <translatorcomment>用語：正答だけを数えた値なので「正答数/秒」「正答数/分」。「作業量」は誤答も含めた作業の総量を指す語なので使わない。129 px の枠に収まる長さ。</translatorcomment>
        <translation>正答数/分：%1</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 | TRUE</source>
        <extracomment>An answer log line: %1 and %2 are the two numbers, each after a blank (&quot; 7&quot;), %3 the answer given; then that it is right.</extracomment>
        <translatorcomment>正／誤：ログの1行に収まる短い判定語。</translatorcomment>
        <translation>%1 + %2 = %3 | 正</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 | FALSE</source>
        <extracomment>An answer log line: %1 and %2 are the two numbers, each after a blank (&quot; 7&quot;), %3 the answer given; then that it is wrong.</extracomment>
        <translation>%1 + %2 = %3 | 誤</translation>
    </message>
</context>
</TS>
