<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>History</name>
    <message>
        <source>Drill</source>
        <extracomment>A history&apos;s name for a logged run of the drill, where an exam sheet shows its title.</extracomment>
        <translation>練習</translation>
    </message>
</context>
<context>
    <name>history::SittingTableModel</name>
    <message>
        <source>Ended</source>
        <extracomment>A heading of the table of kept sittings: when each ended.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>How it ended</source>
        <extracomment>How each sitting ended: time up, stopped, worked through.</extracomment>
        <translation>終わり方</translation>
    </message>
    <message>
        <source>Main scores</source>
        <translation>主な指標</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A score in the table&apos;s one column of scores: its name, then its value.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the scores in the table&apos;s one column of scores.</extracomment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>history::frmHistory</name>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>CSV を取り込む(&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <extracomment>Exports the selected sittings.</extracomment>
        <translation>書き出す(&amp;X)…</translation>
    </message>
    <message>
        <source>Export a&amp;ll…</source>
        <extracomment>Exports every kept sitting.</extracomment>
        <translation>全件書き出し(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Dele&amp;te all</source>
        <translation>全件削除(&amp;T)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that could not be read or written: its path, then the system&apos;s reason.
----------
A sitting in the score chart: when it ended, then its value.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 is no file the program saves (%2)</source>
        <extracomment>A file that is none the program writes: its path, then the line and what is wrong there (in English).</extracomment>
        <translation>%1 はこのプログラムが保存したファイルではありません（%2）</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>&amp;Keep a history of my sittings on this computer</source>
        <translation>このコンピューターに検査の履歴を残す(&amp;K)</translation>
    </message>
    <message>
        <source>Ticked, every finished exam sheet and logged run of the drill is kept here when its results open. Unticked, nothing more is kept; what is kept stays until you delete it.</source>
        <translation>チェックすると、終わった検査用紙と記録した練習を、結果が開いたときにここに残します。チェックを外すと、それ以降は残しません。残したものは削除するまで残ります。</translation>
    </message>
    <message>
        <source>Shows the results window of the current sitting as it was (Enter)</source>
        <translation>選んだ検査の結果ウィンドウを、そのときのとおりに表示します（Enter）</translation>
    </message>
    <message>
        <source>Adds the answers saved as CSV by the Sheet results or the Work curve window</source>
        <translation>検査結果ウィンドウや作業曲線ウィンドウで CSV に保存した解答を加えます</translation>
    </message>
    <message>
        <source>Writes the selected sittings into a folder, a CSV file each, as the program saves them</source>
        <translation>選んだ検査を、このプログラムが保存する形の CSV ファイルとして1件ずつフォルダーに書き出します</translation>
    </message>
    <message>
        <source>Writes every kept sitting into a folder, a CSV file each, as the program saves them</source>
        <translation>残したすべての検査を、このプログラムが保存する形の CSV ファイルとして1件ずつフォルダーに書き出します</translation>
    </message>
    <message>
        <source>Deletes the selected sittings after asking (Delete)</source>
        <translation>確認してから、選んだ検査を削除します（Delete）</translation>
    </message>
    <message>
        <source>Deletes every kept sitting after asking</source>
        <translation>確認してから、残したすべての検査を削除します</translation>
    </message>
    <message>
        <source>Sittings</source>
        <translation>検査</translation>
    </message>
    <message>
        <source>The kept sittings, newest first; Enter opens one, Delete deletes the selected ones, Shift or Ctrl with the arrows selects several for the curves</source>
        <translation>残した検査（新しい順）。Enter で開き、Delete で選んだ検査を削除します。Shift か Ctrl と矢印キーで複数選ぶと作業曲線を重ねます</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F)：</translation>
    </message>
    <message>
        <source>The score the chart shows against date</source>
        <translation>グラフで日付ごとに表示する指標</translation>
    </message>
    <message>
        <source>Curves of the selected sittings, up to three (Shift or Ctrl with the arrows, or Ctrl+click, selects more)</source>
        <translation>選んだ検査の作業曲線（3回分まで。Shift か Ctrl と矢印キー、または Ctrl+クリックで複数選べます）</translation>
    </message>
    <message>
        <source>Curves of the selected sittings</source>
        <translation>選んだ検査の作業曲線</translation>
    </message>
    <message>
        <source>&amp;Score:</source>
        <translation>指標(&amp;S)：</translation>
    </message>
    <message>
        <source>All formats (%1)</source>
        <extracomment>The format filter&apos;s first choice; %1 is how many sittings are kept in all.</extracomment>
        <translation>すべての形式（%1）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A format of the filter: its title, then how many sittings of it are kept.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>No sittings are kept yet. Sit an exam sheet (Exam sheets…) or a logged run of the drill: each is kept here when its results open. Import CSV… adds answers you saved earlier.</source>
        <translation>まだ検査を残していません。検査用紙（検査用紙…）か、記録する練習をすると、結果が開いたときにここに残ります。以前に保存した解答は「CSV を取り込む…」で加えられます。</translation>
    </message>
    <message>
        <source>No sittings are kept. Tick &quot;Keep a history of my sittings on this computer&quot; above, then sit an exam sheet or a logged run of the drill: each is kept here when its results open. Import CSV… adds answers you saved earlier.</source>
        <translation>検査は残していません。上の「このコンピューターに検査の履歴を残す」をチェックしてから、検査用紙か、記録する練習をすると、結果が開いたときにここに残ります。以前に保存した解答は「CSV を取り込む…」で加えられます。</translation>
    </message>
    <message>
        <source>1 sitting</source>
        <extracomment>How many sittings the table shows.</extracomment>
        <translation>1回</translation>
    </message>
    <message>
        <source>%1 sittings</source>
        <translation>%1回</translation>
    </message>
    <message>
        <source>best %1</source>
        <extracomment>The score chart&apos;s legend: the best sitting&apos;s mark and value.</extracomment>
        <translation>最高 %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <extracomment>The score chart&apos;s legend: the last sitting&apos;s mark and value.</extracomment>
        <translation>最新 %1</translation>
    </message>
    <message>
        <source>previous %1 (%2)</source>
        <extracomment>The score chart&apos;s legend: the mark of the sitting before the last, its value and the change since.</extracomment>
        <translation>前回 %1（%2）</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <extracomment>The score chart&apos;s legend: the dashed trend line and what the trend is.</extracomment>
        <translation>傾向：%1</translation>
    </message>
    <message>
        <source>%1 of %2 in %3 sittings from %4 to %5; Left and Right step through them.</source>
        <extracomment>What the score chart shows: the score, the format, how many sittings, from and to which date.</extracomment>
        <translation>%2の%1、%3回分（%4～%5）。左右の矢印キーで1回ずつ移ります。</translation>
    </message>
    <message>
        <source>%1 by date</source>
        <translation>日付ごとの%1</translation>
    </message>
    <message>
        <source>Score by date</source>
        <translation>日付ごとの指標</translation>
    </message>
    <message>
        <source>A trend needs %1 sittings of this format; there are %2.</source>
        <translation>傾向を見るには、この形式の検査が%1回必要です（現在 %2回）。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure&apos;s course in the trend line: the figure&apos;s name, then improving, steady, variable or worsening.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Trend over the last %1 sittings: %2</source>
        <extracomment>The trend line: over how many of the last sittings, then each leading figure&apos;s course.</extracomment>
        <translation>直近%1回の傾向：%2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>An overlaid curve of sittings of different formats: when it ended, then its format.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>%1 curves laid over one another, pairs per %2: %3.</source>
        <extracomment>The overlay&apos;s description: how many curves, what one step is, and each sitting&apos;s name.</extracomment>
        <translation>作業曲線 %1本を重ねて表示（%2ごとの組の数）：%3。</translation>
    </message>
    <message>
        <source>period</source>
        <translation>区間</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A step of the overlay in its tooltip: its number, then each curve&apos;s value.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Tick &quot;Keep a history of my sittings on this computer&quot; to import</source>
        <translation>取り込むには「このコンピューターに検査の履歴を残す」をチェックしてください</translation>
    </message>
    <message>
        <source>Import CSV files into the history</source>
        <translation>CSV ファイルを履歴に取り込む</translation>
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
        <source>1 file imported.</source>
        <extracomment>After Import CSV…: how many files were added to the history.</extracomment>
        <translation>1件のファイルを取り込みました。</translation>
    </message>
    <message>
        <source>%1 files imported.</source>
        <translation>%1件のファイルを取り込みました。</translation>
    </message>
    <message>
        <source>These files were not imported:

%1</source>
        <extracomment>The message after Import CSV… where files were refused: each file with its line and the reason.</extracomment>
        <translation>次のファイルは取り込みませんでした：

%1</translation>
    </message>
    <message>
        <source>Export every kept sitting into a folder</source>
        <translation>残したすべての検査をフォルダーに書き出す</translation>
    </message>
    <message>
        <source>Export the selected sittings into a folder</source>
        <translation>選んだ検査をフォルダーに書き出す</translation>
    </message>
    <message>
        <source>1 file written to %1.</source>
        <extracomment>After Export…: how many CSV files were written, and into which folder.</extracomment>
        <translation>1件のファイルを %1 に書き出しました。</translation>
    </message>
    <message>
        <source>%1 files written to %2.</source>
        <extracomment>After Export…: how many CSV files were written, and into which folder.</extracomment>
        <translation>%1件のファイルを %2 に書き出しました。</translation>
    </message>
    <message>
        <source>The export stopped: %1</source>
        <translation>書き出しを中断しました：%1</translation>
    </message>
    <message>
        <source>Delete the sitting of %1 (%2) from the history? This cannot be undone.</source>
        <extracomment>Asked before one sitting is deleted: when it ended and its format.</extracomment>
        <translation>%1（%2）の検査を履歴から削除しますか？元に戻せません。</translation>
    </message>
    <message>
        <source>Delete the %1 selected sittings from the history? This cannot be undone.</source>
        <translation>選んだ%1回分の検査を履歴から削除しますか？元に戻せません。</translation>
    </message>
    <message>
        <source>Delete all %1 kept sittings from the history? This cannot be undone; Export all… keeps a copy as CSV files first.</source>
        <extracomment>Asked before every kept sitting is deleted; %1 is how many there are.</extracomment>
        <translation>残した%1回分の検査をすべて履歴から削除しますか？元に戻せません。先に「全件書き出し…」で CSV ファイルとして控えを残せます。</translation>
    </message>
</context>
</TS>
