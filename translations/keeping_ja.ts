<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Figure</name>
    <message>
        <source>Pairs reached</source>
        <translation>到達した組</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>正答</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>誤答</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>飛ばし</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>訂正</translation>
    </message>
    <message>
        <source>Median answer time (ms)</source>
        <translation>解答時間の中央値（ミリ秒）</translation>
    </message>
    <message>
        <source>90th percentile answer time (ms)</source>
        <translation>解答時間の90パーセンタイル（ミリ秒）</translation>
    </message>
    <message>
        <source>Speed (panker)</source>
        <translation>速度（panker）</translation>
    </message>
    <message>
        <source>Accuracy (tianker)</source>
        <translation>正確さ（tianker）</translation>
    </message>
    <message>
        <source>Steadiness (janker), range</source>
        <translation>安定性（janker）：範囲</translation>
    </message>
    <message>
        <source>Steadiness (janker), average deviation</source>
        <translation>安定性（janker）：平均偏差</translation>
    </message>
    <message>
        <source>Endurance (hanker), slope</source>
        <translation>持久力（hanker）：傾き</translation>
    </message>
    <message>
        <source>Endurance (hanker), rise</source>
        <translation>持久力（hanker）：上昇幅</translation>
    </message>
    <message>
        <source>Speed (panker), right answers per column</source>
        <translation>速度（panker）：列ごとの正答数</translation>
    </message>
    <message>
        <source>Steadiness (janker), standard deviation</source>
        <translation>安定性（janker）：標準偏差</translation>
    </message>
    <message>
        <source>Endurance (hanker), y(N) − y(0)</source>
        <translation>持久力（hanker）：y(N) − y(0)</translation>
    </message>
    <message>
        <source>Work amount (作業量) per line</source>
        <translation>1行あたりの作業量</translation>
    </message>
    <message>
        <source>First half, mean per line</source>
        <translation>前半：1行あたりの平均作業量</translation>
    </message>
    <message>
        <source>Second half, mean per line</source>
        <translation>後半：1行あたりの平均作業量</translation>
    </message>
    <message>
        <source>First half, initial effort (初頭努力率)</source>
        <translation>前半：初頭努力率</translation>
    </message>
    <message>
        <source>Second half, initial effort (初頭努力率)</source>
        <translation>後半：初頭努力率</translation>
    </message>
    <message>
        <source>First half, fluctuation (動揺率)</source>
        <translation>前半：動揺率</translation>
    </message>
    <message>
        <source>Second half, fluctuation (動揺率)</source>
        <translation>後半：動揺率</translation>
    </message>
    <message>
        <source>Rest effect (休憩効果率)</source>
        <translation>休憩効果率</translation>
    </message>
    <message>
        <source>Errors in percent of the work</source>
        <translation>作業量に対する誤りの割合（%）</translation>
    </message>
    <message>
        <source>Additions</source>
        <translation>足し算の数</translation>
    </message>
    <message>
        <source>Error %</source>
        <translation>誤り率（%）</translation>
    </message>
    <message>
        <source>Average deviation of the periods</source>
        <translation>区間の平均偏差</translation>
    </message>
    <message>
        <source>Slope per period</source>
        <translation>区間ごとの傾き</translation>
    </message>
    <message>
        <source>First period&apos;s additions</source>
        <translation>第1区間の足し算の数</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>解答数</translation>
    </message>
    <message>
        <source>True</source>
        <translation>正答</translation>
    </message>
    <message>
        <source>False</source>
        <translation>誤答</translation>
    </message>
    <message>
        <source>Speed (answers per minute)</source>
        <translation>平均作業量（1分あたり）</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>正答率（%）</translation>
    </message>
    <message>
        <source>Fluctuation (answers)</source>
        <translation>動揺幅（問）</translation>
    </message>
    <message>
        <source>Trend per minute</source>
        <translation>傾き（毎分）</translation>
    </message>
</context>
<context>
    <name>Trend</name>
    <message>
        <source>improving</source>
        <extracomment>A figure&apos;s course over the last sittings of one format.</extracomment>
        <translation>向上</translation>
    </message>
    <message>
        <source>steady</source>
        <translation>安定</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>変動</translation>
    </message>
    <message>
        <source>worsening</source>
        <translation>低下</translation>
    </message>
    <message>
        <source>rising</source>
        <extracomment>A figure&apos;s course, of a figure that is better neither higher nor lower.</extracomment>
        <translation>上昇</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>下降</translation>
    </message>
    <message>
        <source>Over the last %1 sittings of this format: a trend when the least-squares line moved at least twice as far as the sittings scatter about it and by at least 5 % of the figure; otherwise variable when they scatter by 10 % of the figure or more, else steady.</source>
        <extracomment>The trend&apos;s tooltip: how the course was judged; %1 is the number of sittings.</extracomment>
        <translation>この形式の直近%1回の検査について：最小二乗直線の変化が、直線のまわりのばらつきの2倍以上で、かつ指標の大きさの5 %以上なら傾向ありとします。そうでなければ、ばらつきが指標の大きさの10 %以上なら変動、それ未満なら安定です。</translation>
    </message>
</context>
<context>
    <name>keeping::HistoryText</name>
    <message>
        <source>Time up</source>
        <extracomment>How a kept sitting ended: its time ran out.</extracomment>
        <translation>時間切れ</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>How a kept sitting ended: the user stopped it.</extracomment>
        <translation>中止</translation>
    </message>
    <message>
        <source>Worked through</source>
        <extracomment>How a kept sitting ended: a sheet without a cue worked to its last pair.</extracomment>
        <translation>すべて解答</translation>
    </message>
    <message>
        <source>Imported</source>
        <extracomment>A kept sitting imported from a CSV file, which does not say how it ended.</extracomment>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What happened to the history, then the system&apos;s own reason in brackets.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Against your earlier sittings: %1 %2, your best yet; previous %3 (%4), best before %5</source>
        <extracomment>The results&apos; line against the user&apos;s history, where this sitting is the best: the figure&apos;s name, its value, the previous sitting&apos;s value, its change, then the best before this one with its date.</extracomment>
        <translation>これまでの検査との比較：%1 %2、これまでの最高です。前回 %3（%4）、それまでの最高 %5</translation>
    </message>
    <message>
        <source>Against your earlier sittings: %1 %2; previous %3 (%4), best %5</source>
        <extracomment>The results&apos; line against the user&apos;s history: the figure&apos;s name, its value, the previous sitting&apos;s value, its change, then the best with its date.</extracomment>
        <translation>これまでの検査との比較：%1 %2。前回 %3（%4）、最高 %5</translation>
    </message>
    <message>
        <source>The history could not be opened</source>
        <translation>履歴を開けませんでした</translation>
    </message>
    <message>
        <source>The history is in use by another Tavrendale</source>
        <translation>履歴は別の Tavrendale が使用中です</translation>
    </message>
    <message>
        <source>The history can be read but not written</source>
        <translation>履歴は読めますが、書き込めません</translation>
    </message>
    <message>
        <source>The disk that holds the history is full</source>
        <translation>履歴のあるディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The history is damaged and cannot be read</source>
        <translation>履歴が壊れていて読めません</translation>
    </message>
    <message>
        <source>The history was written by a newer Tavrendale (layout %1) and is only read here</source>
        <extracomment>%1 is the version of the history&apos;s layout the newer program wrote.</extracomment>
        <translation>履歴は新しい Tavrendale が書いたもの（形式 %1）なので、ここでは読むだけです</translation>
    </message>
    <message>
        <source>That sitting is no longer in the history</source>
        <translation>その検査はもう履歴にありません</translation>
    </message>
    <message>
        <source>The history could not do that</source>
        <translation>履歴でその操作ができませんでした</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One line about the history: what happened, then the file&apos;s path.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>This sitting was not kept; its results stay here and can be saved as CSV.</source>
        <extracomment>Added to a fault of the history after a sitting ended: it is still on screen and can be saved.</extracomment>
        <translation>この検査は残していません。結果はここに表示したままで、CSV に保存できます。</translation>
    </message>
</context>
<context>
    <name>keeping::KeepBar</name>
    <message>
        <source>&amp;Keep</source>
        <extracomment>The history bar&apos;s answer: keep this sitting and later ones.</extracomment>
        <translation>残す(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t keep</source>
        <extracomment>The history bar&apos;s answer: keep nothing.</extracomment>
        <translation>残さない(&amp;D)</translation>
    </message>
    <message>
        <source>Try &amp;again</source>
        <translation>再試行(&amp;A)</translation>
    </message>
    <message>
        <source>Start a &amp;new history</source>
        <translation>新しい履歴を始める(&amp;N)</translation>
    </message>
    <message>
        <source>Keep this sitting and every later one in a history on this computer</source>
        <translation>この検査とこれからの検査を、このコンピューターの履歴に残します</translation>
    </message>
    <message>
        <source>Keep nothing; the History window can change this</source>
        <translation>何も残しません。履歴ウィンドウで変えられます</translation>
    </message>
    <message>
        <source>Ask the history again</source>
        <translation>もう一度履歴に残してみます</translation>
    </message>
    <message>
        <source>Moves the damaged file aside under a dated name, never deleting it, and starts an empty history</source>
        <translation>壊れたファイルは削除せず、日付入りの名前で脇に移し、空の履歴を始めます</translation>
    </message>
    <message>
        <source>Keep this sitting and your later ones in a history on this computer, to see your progress? You can change this in the History window.</source>
        <extracomment>The history bar&apos;s question, the first time results open.</extracomment>
        <translation>この検査とこれからの検査をこのコンピューターの履歴に残して、上達を確かめますか？履歴ウィンドウで変えられます。</translation>
    </message>
    <message>
        <source>The damaged history was set aside as %1; a new one is started.</source>
        <extracomment>After the user started a new history: where the damaged file went.</extracomment>
        <translation>壊れた履歴は %1 として脇に移し、新しい履歴を始めました。</translation>
    </message>
</context>
</TS>
