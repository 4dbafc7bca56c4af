<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>FormatError</name>
    <message>
        <source>format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>seed</source>
        <translation>シード</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>digits per column</source>
        <translation>1列の数字</translation>
    </message>
    <message>
        <source>digits per line</source>
        <translation>1行の数字</translation>
    </message>
    <message>
        <source>seconds per column</source>
        <translation>1列の秒数</translation>
    </message>
    <message>
        <source>seconds per line</source>
        <translation>1行の秒数</translation>
    </message>
    <message>
        <source>break after</source>
        <translation>休憩までの列・行数</translation>
    </message>
    <message>
        <source>break seconds</source>
        <translation>休憩の秒数</translation>
    </message>
    <message>
        <source>lowest digit</source>
        <translation>最小の数字</translation>
    </message>
    <message>
        <source>highest digit</source>
        <translation>最大の数字</translation>
    </message>
    <message>
        <source>%1: unknown sheet format &quot;%2&quot;; the formats are %3</source>
        <translation>%1：「%2」という用紙の形式はありません。形式は %3 のいずれかです</translation>
    </message>
    <message>
        <source>%1: must be a whole number from 0 to %2, not &quot;%3&quot;</source>
        <translation>%1：0～%2の整数にしてください（「%3」は使えません）</translation>
    </message>
    <message>
        <source>%1: must be a whole number, not &quot;%2&quot;</source>
        <translation>%1：整数にしてください（「%2」は使えません）</translation>
    </message>
    <message>
        <source>%1: must be %2 to %3, not %4</source>
        <translation>%1：%2～%3にしてください（%4は範囲外です）</translation>
    </message>
    <message>
        <source>%1: needs at least %2 lines; 0 for no break</source>
        <translation>%1：休憩には%2行以上が必要です。休憩なしは0です</translation>
    </message>
    <message>
        <source>%1: needs at least %2 columns; 0 for no break</source>
        <translation>%1：休憩には%2列以上が必要です。休憩なしは0です</translation>
    </message>
    <message>
        <source>%1: must be 0 without a break, not %2</source>
        <translation>%1：休憩がないときは0にしてください（%2は使えません）</translation>
    </message>
    <message>
        <source>%1: the sheet does not fit this paper at any size; choose a larger paper or turn it</source>
        <translation>%1：この用紙はどの大きさでも紙に収まりません。大きな紙を選ぶか、向きを変えてください</translation>
    </message>
    <message>
        <source>%1: the sheet does not fit the page at %2 pt; at most %3 pt fit</source>
        <extracomment>A digit size in points that does not fit the page, and the largest that does.</extracomment>
        <translation>%1：%2 pt では用紙がページに収まりません。収まるのは %3 pt までです</translation>
    </message>
    <message>
        <source>digit size</source>
        <translation>数字の大きさ</translation>
    </message>
</context>
<context>
    <name>SheetChoice</name>
    <message>
        <source>the custom sheet has no practice version; the formats with one are %1</source>
        <translation>カスタム用紙には練習版がありません。練習版があるのは %1 です</translation>
    </message>
    <message>
        <source>unknown sheet format &quot;%1&quot;; the formats are %2</source>
        <translation>「%1」という用紙の形式はありません。形式は %2 のいずれかです</translation>
    </message>
</context>
<context>
    <name>sheet::CallSounds</name>
    <message>
        <source>Looking for a voice; until one speaks, the calls sound as a tone.</source>
        <translation>音声を探しています。話せるようになるまで、号令は音で知らせます。</translation>
    </message>
    <message>
        <source>No voice speaks %1 here: the calls sound as a tone (install espeak-ng).</source>
        <extracomment>%1 is the language&apos;s name in itself: &quot;Bahasa Indonesia&quot;, &quot;日本語&quot;.</extracomment>
        <translation>%1の音声がありません。号令は音で知らせます（espeak-ng をインストールしてください）。</translation>
    </message>
    <message>
        <source>No speech engine here: the calls sound as a tone (install speech-dispatcher).</source>
        <translation>音声合成エンジンがありません。号令は音で知らせます（speech-dispatcher をインストールしてください）。</translation>
    </message>
    <message>
        <source>The voice failed: the calls go on as a tone.</source>
        <translation>音声が使えなくなりました。号令は音で続けます。</translation>
    </message>
</context>
<context>
    <name>sheet::PaperBox</name>
    <message>
        <source>P&amp;rint…</source>
        <translation>印刷(&amp;R)…</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>PDFに保存(&amp;A)…</translation>
    </message>
    <message>
        <source>Print and PDF</source>
        <translation>印刷とPDF</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>レター</translation>
    </message>
    <message>
        <source>As the form</source>
        <translation>検査用紙どおり</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横</translation>
    </message>
    <message>
        <source>as the form</source>
        <extracomment>Shown in the empty digit size field: the form&apos;s own size is used.</extracomment>
        <translation>検査用紙どおり</translation>
    </message>
    <message>
        <source>Answer key pa&amp;ge</source>
        <translation>解答ページ(&amp;G)</translation>
    </message>
    <message>
        <source>The sheet&apos;s pages again with the answer of each pair, small, where it is written</source>
        <translation>用紙のページをもう一度、各組の答えを書く場所に小さく答えを入れて印刷します</translation>
    </message>
    <message>
        <source>Cur&amp;ve grid page</source>
        <translation>作業曲線の方眼ページ(&amp;V)</translation>
    </message>
    <message>
        <source>A blank grid to draw the work curve on by hand</source>
        <translation>作業曲線を手で描くための白紙の方眼</translation>
    </message>
    <message>
        <source>Shows the pages as they print, then prints them (Ctrl+P)</source>
        <translation>印刷されるとおりにページを表示し、印刷します（Ctrl+P）</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Writes the pages to a PDF file, to print elsewhere</source>
        <translation>ページをPDFファイルに書き出し、ほかの場所で印刷できるようにします</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDFに保存</translation>
    </message>
    <message>
        <source>Paper for&amp;mat:</source>
        <translation>用紙サイズ(&amp;M)：</translation>
    </message>
    <message>
        <source>The paper the sheet is printed on</source>
        <translation>検査用紙を印刷する紙</translation>
    </message>
    <message>
        <source>As the form: Kraepelin&apos;s columns and Uchida-Kraepelin&apos;s lines across, Pauli&apos;s columns upright</source>
        <translation>検査用紙どおり：クレペリンの列と内田クレペリンの行は横向き、パウリの列は縦向き</translation>
    </message>
    <message>
        <source>Digit si&amp;ze (pt):</source>
        <translation>数字の大きさ(&amp;Z)（pt）：</translation>
    </message>
    <message>
        <source>%1 to %2 points; empty: the form&apos;s size, smaller where the page needs it</source>
        <translation>%1～%2 ポイント。空欄なら検査用紙の大きさ（ページに収まらなければ小さく）</translation>
    </message>
    <message>
        <source>No printer is installed: Save as PDF… writes the sheet to a file to print elsewhere.</source>
        <translation>プリンターがインストールされていません。「PDFに保存…」で用紙をファイルに書き出し、ほかの場所で印刷してください。</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The sheet could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>The file&apos;s path, then on a line of its own the system&apos;s reason.</extracomment>
        <translation>用紙を「%1」に保存できませんでした：
%2</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>向き：</translation>
    </message>
</context>
<context>
    <name>sheet::PaperEntryForm</name>
    <message>
        <source>Show &amp;results</source>
        <translation>結果を表示(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>第%1区間</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1行目</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>%1列目</translation>
    </message>
    <message>
        <source>last pair reached</source>
        <translation>最後に到達した組</translation>
    </message>
    <message>
        <source>stroke after</source>
        <translation>線を引いた位置</translation>
    </message>
    <message>
        <source>wrong pairs</source>
        <translation>誤答の組</translation>
    </message>
    <message>
        <source>blank pairs</source>
        <translation>飛ばした組</translation>
    </message>
    <message>
        <source>The entry has %1 rows; the sheet has %2.</source>
        <translation>入力は%1行ですが、用紙は%2行です。</translation>
    </message>
    <message>
        <source>must be filled in (0 for none)</source>
        <translation>入力してください（なければ0）</translation>
    </message>
    <message>
        <source>must be filled in</source>
        <translation>入力してください</translation>
    </message>
    <message>
        <source>must be a whole number, not &quot;%1&quot;</source>
        <translation>「%1」ではなく整数で入力してください</translation>
    </message>
    <message>
        <source>must be a column and a pair, as 12/30, not &quot;%1&quot;</source>
        <translation>「%1」ではなく、12/30 のように列と組で入力してください</translation>
    </message>
    <message>
        <source>must be %1 to %2, not %3</source>
        <translation>%3ではなく%1～%2で入力してください</translation>
    </message>
    <message>
        <source>the pair must be %1 to %2, not %3</source>
        <translation>組は%3ではなく%1～%2です</translation>
    </message>
    <message>
        <source>the column must be %1 to %2, not %3</source>
        <translation>列は%3ではなく%1～%2です</translation>
    </message>
    <message>
        <source>pair %1 is beyond the last pair reached</source>
        <translation>%1組目は最後に到達した組より先です</translation>
    </message>
    <message>
        <source>the stroke at %1 stands before the one of the period before</source>
        <translation>%1の線が前の区間の線より前にあります</translation>
    </message>
    <message>
        <source>pair %1 lies before this period&apos;s first pair</source>
        <translation>%1組目はこの区間の最初の組より前です</translation>
    </message>
    <message>
        <source>pair %1 is named twice, or both wrong and blank</source>
        <translation>%1組目が二度、または誤答と飛ばした組の両方に入っています</translation>
    </message>
    <message>
        <source>wrong and blank pairs are %1, more than the %2 pairs reached</source>
        <translation>誤答と飛ばした組が%1組あり、到達した%2組より多くなっています</translation>
    </message>
    <message>
        <source>the sitting was stopped before it began; it must be empty</source>
        <translation>ここが始まる前に検査を中止しました。空欄にしてください</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A refusal: &quot;Column 4, last pair reached: must be 0 to 26, not 30&quot;.</extracomment>
        <translation>%1、%2：%3</translation>
    </message>
    <message>
        <source>their numbers (3, 17)</source>
        <translation>組の番号（3, 17）</translation>
    </message>
    <message>
        <source>only how many</source>
        <translation>数だけ</translation>
    </message>
    <message>
        <source>&amp;Wrong and blank pairs as:</source>
        <translation>誤答と飛ばした組の入力方法(&amp;W)：</translation>
    </message>
    <message>
        <source>Which pairs were wrong or left blank, or only how many of each</source>
        <translation>どの組が誤答・飛ばした組か、またはそれぞれの数だけ</translation>
    </message>
    <message>
        <source>Checks every value against the sheet and shows the results (Enter)</source>
        <translation>すべての値を用紙と照らし合わせて確かめ、結果を表示します（Enter）</translation>
    </message>
    <message>
        <source>Back to choosing a sheet; nothing is kept (Esc)</source>
        <translation>用紙の選択に戻ります。何も保存しません（Esc）</translation>
    </message>
    <message>
        <source>Show results</source>
        <translation>結果を表示</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>%1, seed %2: what was done on paper</source>
        <extracomment>%1 is the sheet&apos;s title, %2 its seed.</extracomment>
        <translation>%1、シード %2：紙で行った検査</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>区間</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A field&apos;s name for screen readers: &quot;Column 3, last pair reached&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>For each column, the last pair reached, counted from the bottom (0 for none).</source>
        <translation>各列で最後に到達した組を、下から数えて入力します（なければ0）。</translation>
    </message>
    <message>
        <source>For each column, the last pair reached, counted from the top (0 for none).</source>
        <translation>各列で最後に到達した組を、上から数えて入力します（なければ0）。</translation>
    </message>
    <message>
        <source>For each line, the last pair reached, counted from the left (0 for none).</source>
        <translation>各行で最後に到達した組を、左から数えて入力します（なければ0）。</translation>
    </message>
    <message>
        <source>For each period, where its stroke was drawn: after the pair of the column, as 12/30 (column 12, pair 30 from the top); the last period&apos;s at the end of the time.</source>
        <translation>各区間で線を引いた位置を、12/30（12列目の上から30組目の後）のように入力します。最後の区間は時間終了時の位置です。</translation>
    </message>
    <message>
        <source>Then how many pairs were written wrong and how many left blank.</source>
        <translation>続けて、誤答の組の数と飛ばした組の数を入力します。</translation>
    </message>
    <message>
        <source>Then the numbers of the pairs written wrong and left blank, such as 3, 17.</source>
        <translation>続けて、誤答の組と飛ばした組の番号を 3, 17 のように入力します。</translation>
    </message>
    <message>
        <source>Then the pairs written wrong and left blank, each as column/pair, such as 12/3, 12/17.</source>
        <translation>続けて、誤答の組と飛ばした組を、12/3, 12/17 のように列/組で入力します。</translation>
    </message>
</context>
<context>
    <name>sheet::PaperPrint</name>
    <message>
        <source>Answer key – %1</source>
        <extracomment>Printed over the answer key&apos;s pages; %1 is the sheet&apos;s title.</extracomment>
        <translation>解答 – %1</translation>
    </message>
    <message>
        <source>Work curve – %1</source>
        <extracomment>Printed over the blank grid for drawing the work curve by hand; %1 is the sheet&apos;s title.</extracomment>
        <translation>作業曲線 – %1</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>シード %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before a line to write one&apos;s name on.</extracomment>
        <translation>氏名：</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>Before a line to write the date on.</extracomment>
        <translation>日付：</translation>
    </message>
    <message>
        <source>%1 · seed %2 · page %3 of %4</source>
        <extracomment>Every page&apos;s footer: the format&apos;s name as the command line takes it (kept as it is), the seed, the page and the pages.</extracomment>
        <translation>%1 · シード %2 · %3 / %4 ページ</translation>
    </message>
    <message>
        <source>%1, practice · seed %2 · page %3 of %4</source>
        <translation>%1、練習版 · シード %2 · %3 / %4 ページ</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The band between the two halves of a sheet, and its mark on the curve grid.</extracomment>
        <translation>休憩</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Period between strokes</source>
        <extracomment>Pauli: the curve grid&apos;s periods, each between two strokes.</extracomment>
        <translation>線と線のあいだの区間</translation>
    </message>
    <message>
        <source>Pairs added</source>
        <extracomment>The curve grid&apos;s amounts: how many pairs were added in a column, line or period.</extracomment>
        <translation>足した組の数</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>PDFを作成できませんでした</translation>
    </message>
</context>
<context>
    <name>sheet::ProcedurePanel</name>
    <message>
        <source>Add each two neighbouring digits of a column from the top down, and go on to the next column without waiting. At the call &quot;%1&quot; draw a line under your last answer and go on.</source>
        <translation>列の隣り合う2つの数字を上から下へ順に足し、待たずに次の列へ進みます。号令「%1」で最後の答えの下に線を引き、続けます。</translation>
    </message>
    <message>
        <source>Add each two neighbouring digits of a column from the bottom up. At the call &quot;%1&quot; go on to the bottom of the next column, wherever you are.</source>
        <translation>列の隣り合う2つの数字を下から上へ順に足します。号令「%1」で、途中でも次の列の下へ移ります。</translation>
    </message>
    <message>
        <source>Add each two neighbouring digits of a column from the top down. At the call &quot;%1&quot; go on to the top of the next column, wherever you are.</source>
        <translation>列の隣り合う2つの数字を上から下へ順に足します。号令「%1」で、途中でも次の列の上へ移ります。</translation>
    </message>
    <message>
        <source>Add each two neighbouring digits of a line from left to right. At the call &quot;%1&quot; go on to the start of the next line, wherever you are.</source>
        <translation>行の隣り合う2つの数字を左から右へ順に足します。号令「%1」で、途中でも次の行の初めへ移ります。</translation>
    </message>
    <message>
        <source> After line %1 comes a rest; the second half starts by itself.</source>
        <extracomment>A sentence after the one before: mind the space before it where the language puts one.</extracomment>
        <translation>%1行目のあとに休憩があり、後半は自動的に始まります。</translation>
    </message>
    <message>
        <source> After column %1 comes a rest; the second half starts by itself.</source>
        <extracomment>A sentence after the one before: mind the space before it where the language puts one.</extracomment>
        <translation>%1列目のあとに休憩があり、後半は自動的に始まります。</translation>
    </message>
    <message>
        <source>Write the unit digit of each sum between its two digits with a pencil, on the printed sheet. The examiner here gives the calls.</source>
        <translation>印刷した用紙に、各和の一の位を2つの数字の間に鉛筆で書きます。号令はこの画面がかけます。</translation>
    </message>
    <message>
        <source>Type the unit digit of each sum; it is written between its two digits. Backspace takes back, Space passes.</source>
        <translation>各和の一の位を入力します。2つの数字の間に書き込まれます。Backspace で取り消し、Space で飛ばします。</translation>
    </message>
    <message>
        <source>5 + 3 → 8     9 + 7 → 6</source>
        <extracomment>The worked example: the unit digit of 9 + 7 = 16 is 6.</extracomment>
        <translation>5 + 3 → 8     9 + 7 → 6</translation>
    </message>
    <message>
        <source>Only the unit digit is written: 9 + 7 makes 16, so 6. Work as fast and as accurately as you can.</source>
        <translation>書くのは一の位だけです。9 + 7 = 16 なので6。できるだけ速く、正確に計算してください。</translation>
    </message>
    <message>
        <source>How this sheet is worked</source>
        <translation>この用紙のやり方</translation>
    </message>
    <message>
        <source>A few pairs to warm up: untimed, and not scored.</source>
        <translation>準備のための少しの組です。時間は計らず、採点もしません。</translation>
    </message>
    <message>
        <source>Type the unit digit of each sum.</source>
        <translation>各和の一の位を入力します。</translation>
    </message>
    <message>
        <source>%1 and %2, pair %3 of %4</source>
        <extracomment>Read to screen readers at each practice pair: &quot;6 and 8, pair 2 of 5&quot;.</extracomment>
        <translation>%1と%2、%4組中%3組目</translation>
    </message>
    <message>
        <source>%1 of %2 right. Ready for the sheet?</source>
        <extracomment>%1 right answers of %2 practice pairs.</extracomment>
        <translation>%2組中%1組が正答です。用紙を始めますか？</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>練習</translation>
    </message>
    <message>
        <source>The sheet starts in</source>
        <translation>用紙の開始まで</translation>
    </message>
    <message>
        <source>Have your pencil ready.</source>
        <translation>鉛筆を用意してください。</translation>
    </message>
    <message>
        <source>Keep your fingers on the digits.</source>
        <translation>指を数字キーに置いてください。</translation>
    </message>
    <message>
        <source>Esc leaves.</source>
        <translation>Esc で終了します。</translation>
    </message>
    <message>
        <source>Enter or Space goes on, Esc leaves.</source>
        <translation>Enter か Space で進み、Esc で終了します。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What screen readers hear of a step: its heading, then what it shows (&quot;Practice: pair 2 of 5 …&quot;).</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 + %2 → %3</source>
        <extracomment>A practice pair and what was typed: &quot;4 + 6 → 0 ✓&quot;, &quot;6 + 8 → 3 ✗ (4)&quot;, &quot;8 + 1 → [ ]&quot;.</extracomment>
        <translation>%1 + %2 → %3</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>countdown</comment>
        <extracomment>The countdown&apos;s number, as big as the window shows it.</extracomment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>sheet::frmSheet</name>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>中止(&amp;S)</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1分%2秒</translation>
    </message>
    <message>
        <source>digits %1 to %2, never the same twice in a row</source>
        <translation>数字 %1～%2、同じ数字の連続なし</translation>
    </message>
    <message>
        <source>digits %1 to %2</source>
        <translation>数字 %1～%2</translation>
    </message>
    <message>
        <source>%1 additions in columns of %2 digits (%3), worked from the top down one after another, without a cue; a stroke every %4. %5 in all.</source>
        <translation>%2個の数字が縦に並ぶ列を、上から下へ1列ずつ順に解き進め、全部で%1回の足し算をします（%3）。次の列へ移る合図はありません。%4ごとに「はい、線」の合図で、最後の答えの下に線を引きます。全体で%5です。</translation>
    </message>
    <message>
        <source>%1 lines of %2 digits (%3 additions each, %4), each from left to right; a new line every %5.</source>
        <translation>%2個の数字の行が%1行（1行に%3回の足し算、%4）。各行を左から右へ解き、%5ごとに次の行へ移ります。</translation>
    </message>
    <message>
        <source>%1 columns of %2 digits (%3), each from the bottom up; the next column every %4.</source>
        <translation>%2個の数字の列が%1列（%3）。各列を下から上へ解き、%4ごとに次の列へ移ります。</translation>
    </message>
    <message>
        <source>%1 columns of %2 digits (%3), each from the top down; the next column every %4.</source>
        <translation>%2個の数字の列が%1列（%3）。各列を上から下へ解き、%4ごとに次の列へ移ります。</translation>
    </message>
    <message>
        <source> A break of %1 after line %2.</source>
        <extracomment>A sentence after the one before: mind the space before it where the language puts one.</extracomment>
        <translation>%2行目のあとに%1の休憩があります。</translation>
    </message>
    <message>
        <source> A break of %1 after column %2.</source>
        <translation>%2列目のあとに%1の休憩があります。</translation>
    </message>
    <message>
        <source> %1 in all.</source>
        <translation>全体で%1です。</translation>
    </message>
    <message>
        <source>Next!</source>
        <extracomment>The examiner&apos;s call to move on to the next column or line. Fits the room of the widest call.</extracomment>
        <translatorcomment>用語：内田クレペリン検査で検査者が1分ごとに次の行へ移らせる号令「はい、次」。クレペリン検査の次の列への合図にも同じ語を使う。</translatorcomment>
        <translation>はい、次</translation>
    </message>
    <message>
        <source>Break!</source>
        <extracomment>The examiner&apos;s call at the start of the break between the two halves.</extracomment>
        <translatorcomment>用語：前半と後半の間の休憩。本番の号令は「はい、やめ」だが、休憩に入ることがすぐ分かるよう、ほかの号令と同じ形の「はい、休憩」とする。</translatorcomment>
        <translation>はい、休憩</translation>
    </message>
    <message>
        <source>Stroke!</source>
        <extracomment>Pauli: the examiner&apos;s call to draw a stroke after the last answer.</extracomment>
        <translatorcomment>用語：パウリ検査で3分ごとに検査者がかける号令「はい、線」。受検者は最後の答えの下に線を引く。</translatorcomment>
        <translation>はい、線</translation>
    </message>
    <message>
        <source>Exam sheets</source>
        <translation>検査用紙</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>&amp;Practice version (short)</source>
        <translation>練習版（短縮）(&amp;P)</translation>
    </message>
    <message>
        <source>The same sheet, shorter: Kraepelin 10 columns; Uchida-Kraepelin 3 lines, a 1-minute break and 3 lines; Pauli 9 minutes</source>
        <translation>同じ用紙の短縮版：クレペリンは10列、内田クレペリンは3行・休憩1分・3行、パウリは9分</translation>
    </message>
    <message>
        <source>Custom sheet</source>
        <translation>カスタム用紙</translation>
    </message>
    <message>
        <source>Columns, each from the bottom up</source>
        <translation>列（各列を下から上へ）</translation>
    </message>
    <message>
        <source>Columns, each from the top down</source>
        <translation>列（各列を上から下へ）</translation>
    </message>
    <message>
        <source>Lines, each from left to right</source>
        <translation>行（各行を左から右へ）</translation>
    </message>
    <message>
        <source>No digit t&amp;wice in a row</source>
        <translation>同じ数字を続けない(&amp;W)</translation>
    </message>
    <message>
        <source>No digit follows itself in a column or line, as on Uchida-Kraepelin sheets</source>
        <translation>内田クレペリンの用紙と同じく、列や行の中で同じ数字が続きません</translation>
    </message>
    <message>
        <source>La&amp;yout:</source>
        <translation>配置(&amp;Y)：</translation>
    </message>
    <message>
        <source>Columns or lines, and the way they are worked</source>
        <translation>列か行か、そして解く向き</translation>
    </message>
    <message>
        <source>C&amp;olumns or lines:</source>
        <translation>列数・行数(&amp;O)：</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>1～%1</translation>
    </message>
    <message>
        <source>&amp;Digits in each:</source>
        <translation>1列・1行の数字(&amp;D)：</translation>
    </message>
    <message>
        <source>%1 to %2 digits a column or line</source>
        <translation>1列・1行あたり%1～%2個の数字</translation>
    </message>
    <message>
        <source>Seco&amp;nds for each:</source>
        <translation>1列・1行の秒数(&amp;N)：</translation>
    </message>
    <message>
        <source>%1 to %2 seconds, then the cue moves on to the next column or line</source>
        <translation>%1～%2秒。そのあと合図で次の列・行へ移ります</translation>
    </message>
    <message>
        <source>&amp;Break after:</source>
        <translation>休憩までの列・行数(&amp;B)：</translation>
    </message>
    <message>
        <source>A break after this many columns or lines; 0 for none</source>
        <translation>この数の列・行のあとに休憩します。休憩なしは0</translation>
    </message>
    <message>
        <source>Brea&amp;k seconds:</source>
        <translation>休憩の秒数(&amp;K)：</translation>
    </message>
    <message>
        <source>%1 to %2 seconds with a break; 0 without one</source>
        <translation>休憩ありは%1～%2秒、休憩なしは0</translation>
    </message>
    <message>
        <source>&amp;Lowest digit:</source>
        <translation>最小の数字(&amp;L)：</translation>
    </message>
    <message>
        <source>The smallest digit printed: 0 to 8</source>
        <translation>印刷される最小の数字：0～8</translation>
    </message>
    <message>
        <source>&amp;Highest digit:</source>
        <translation>最大の数字(&amp;H)：</translation>
    </message>
    <message>
        <source>The largest digit printed: above the lowest, up to 9</source>
        <translation>印刷される最大の数字：最小の数字より大きく、9まで</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F)：</translation>
    </message>
    <message>
        <source>The test the sheet is laid out and timed like, or a custom sheet</source>
        <translation>用紙の配置と時間の基になる検査、またはカスタム用紙</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>シード(&amp;E)：</translation>
    </message>
    <message>
        <source>The same seed and format give the same sheet: type the seed of an earlier sheet to sit it again</source>
        <translation>シードと形式が同じなら同じ用紙になります。前の用紙のシードを入力すると、もう一度受けられます</translation>
    </message>
    <message>
        <source>Type the unit digit of each sum – Backspace takes back, Space passes</source>
        <translation>各和の一の位を入力します。Backspace で取り消し、Space で飛ばします</translation>
    </message>
    <message>
        <source>Type the unit digit of the sum of the two digits; Backspace takes back, Space passes; Ctrl+Plus and Ctrl+Minus zoom</source>
        <translation>2つの数字の和の一の位を入力します。Backspace で取り消し、Space で飛ばし、Ctrl+Plus と Ctrl+Minus で拡大・縮小します</translation>
    </message>
    <message>
        <source>Show &amp;time left</source>
        <translation>残り時間を表示(&amp;T)</translation>
    </message>
    <message>
        <source>As in the test itself the clock is hidden; this shows the time left</source>
        <translation>本番の検査と同じく時計は隠れています。これで残り時間を表示します</translation>
    </message>
    <message>
        <source>Sound at the c&amp;ue</source>
        <translation>合図の音(&amp;U)</translation>
    </message>
    <message>
        <source>A short signal with each call to move on, the break and each stroke</source>
        <translation>次へ移る合図、休憩、線のたびに短い音を鳴らします</translation>
    </message>
    <message>
        <source>Zoom: Ctrl+Plus, Ctrl+Minus, Ctrl+wheel</source>
        <translation>拡大・縮小：Ctrl+Plus、Ctrl+Minus、Ctrl+ホイール</translation>
    </message>
    <message>
        <source>Ctrl+0 sets the zoom back</source>
        <translation>Ctrl+0 で元の大きさに戻します</translation>
    </message>
    <message>
        <source>Start the sheet: its time runs from now (Enter)</source>
        <translation>用紙を開始します。今から時間が進みます（Enter）</translation>
    </message>
    <message>
        <source>Stop the sheet after asking, and show its results (Esc)</source>
        <translation>確認してから用紙を中止し、結果を表示します（Esc）</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Starts the sheet</source>
        <translation>用紙を開始します</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Stops the sheet after asking</source>
        <translation>確認してから用紙を中止します</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>%1 – seed %2</source>
        <extracomment>%1 is the sheet&apos;s title, %2 its seed.</extracomment>
        <translation>%1 – シード %2</translation>
    </message>
    <message>
        <source>Are you sure want to stop?</source>
        <translation>中止してもよろしいですか？</translation>
    </message>
    <message>
        <source>Break, %1 left; the second half starts by itself</source>
        <translation>休憩中、残り %1。後半は自動的に始まります</translation>
    </message>
    <message>
        <source>End of line %1; wait for the call</source>
        <translation>%1行目の終わりです。合図を待ってください</translation>
    </message>
    <message>
        <source>End of column %1; wait for the call</source>
        <translation>%1列目の終わりです。合図を待ってください</translation>
    </message>
    <message>
        <source>%1 and %2, line %3, pair %4 of %5</source>
        <extracomment>Read to screen readers at each pair: &quot;7 and 5, column 3, pair 4 of 26&quot;.</extracomment>
        <translation>%1と%2、%3行目、%5組中%4組目</translation>
    </message>
    <message>
        <source>%1 and %2, column %3, pair %4 of %5</source>
        <translation>%1と%2、%3列目、%5組中%4組目</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>残り時間：%1</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>Break
%1
The second half starts by itself.</source>
        <translation>休憩
%1
後半は自動的に始まります。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A call heard with what it brings: &quot;Next! 7 and 5, column 3, pair 1 of 26&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>用紙</translation>
    </message>
    <message>
        <source>Last sheet: %1, seed %2</source>
        <translation>前回の用紙：%1、シード %2</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The examiner&apos;s call that starts the time.</extracomment>
        <translation>はじめ</translation>
    </message>
    <message>
        <source>Stop!</source>
        <extracomment>The examiner&apos;s call when the time is up: pencils down.</extracomment>
        <translation>はい、やめ</translation>
    </message>
    <message>
        <source>Start!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Start!&quot; as a speech engine speaks it; as shown, or spelt as the voice reads it surely.</extracomment>
        <translatorcomment>号令の読み上げ用。音声合成（espeak-ng）は漢字を読み違えることがあるので、表示と同じ号令をかなで書く：「はい、つぎ」「はい、きゅうけい」「はい、せん」。</translatorcomment>
        <translation>はじめ</translation>
    </message>
    <message>
        <source>Next!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Next!&quot; as a speech engine speaks it.</extracomment>
        <translation>はい、つぎ</translation>
    </message>
    <message>
        <source>Break!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Break!&quot; as a speech engine speaks it.</extracomment>
        <translation>はい、きゅうけい</translation>
    </message>
    <message>
        <source>Stroke!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Stroke!&quot; as a speech engine speaks it.</extracomment>
        <translation>はい、せん</translation>
    </message>
    <message>
        <source>Stop!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Stop!&quot; as a speech engine speaks it.</extracomment>
        <translation>はい、やめ</translation>
    </message>
    <message>
        <source>Enter a paper sitting…</source>
        <translation>紙の検査を入力…</translation>
    </message>
    <message>
        <source>Instructions, practice and &amp;3-2-1 first</source>
        <translation>説明・練習・3-2-1 を先に行う(&amp;3)</translation>
    </message>
    <message>
        <source>As in the test itself: the instructions with a worked example, a few practice pairs and a countdown before the sheet&apos;s time starts</source>
        <translation>本番と同じく、用紙の時間が始まる前に、例を使った説明、少しの練習、カウントダウンを行います</translation>
    </message>
    <message>
        <source>Off: the sheet on screen</source>
        <translation>使わない：画面の用紙</translation>
    </message>
    <message>
        <source>Calls as a tone, the sheet on paper</source>
        <translation>号令は音、紙の用紙</translation>
    </message>
    <message>
        <source>Calls spoken, the sheet on paper</source>
        <translation>号令は音声、紙の用紙</translation>
    </message>
    <message>
        <source>Calls spoken and a tone, the sheet on paper</source>
        <translation>号令は音声と音、紙の用紙</translation>
    </message>
    <message>
        <source>E&amp;xaminer:</source>
        <translation>検査者(&amp;X)：</translation>
    </message>
    <message>
        <source>For a printed sheet: the window gives the calls by the sheet&apos;s clock, then you enter what you did on paper</source>
        <translation>印刷した用紙用：この画面が用紙の時間どおりに号令をかけ、あとで紙で行った結果を入力します</translation>
    </message>
    <message>
        <source>The examiner: the calls for a printed sheet; Esc stops</source>
        <translation>検査者：印刷した用紙のための号令。Esc で中止します</translation>
    </message>
    <message>
        <source>Enter what you did on a printed sheet of this format and seed, for its results</source>
        <translation>この形式とシードで印刷した用紙で行った結果を入力し、検査結果を見ます</translation>
    </message>
    <message>
        <source>Enter a paper sitting</source>
        <translation>紙の検査を入力</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>休憩</translation>
    </message>
    <message>
        <source>Period %1 of %2</source>
        <extracomment>The examiner&apos;s display: the period between two strokes under way.</extracomment>
        <translation>第%1区間／全%2区間</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <extracomment>The examiner&apos;s display: the column or line under way.</extracomment>
        <translation>%1行目／全%2行</translation>
    </message>
    <message>
        <source>Column %1 of %2</source>
        <translation>%1列目／全%2列</translation>
    </message>
    <message>
        <source>%1 left; the second half starts by itself</source>
        <translation>残り %1。後半は自動的に始まります</translation>
    </message>
    <message>
        <source>H&amp;istory…</source>
        <translation>履歴(&amp;I)…</translation>
    </message>
    <message>
        <source>Your kept sittings, their scores over time and the trend</source>
        <translation>残した検査の指標の推移と傾向</translation>
    </message>
</context>
</TS>
