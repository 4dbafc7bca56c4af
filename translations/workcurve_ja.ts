<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>workcurve::IndexText</name>
    <message>
        <source>%1 a minute</source>
        <extracomment>The Speed row&apos;s figure: the mean of answers per complete minute, as &quot;4.0&quot;.</extracomment>
        <translation>%1問/分</translation>
    </message>
    <message>
        <source>1 answer</source>
        <extracomment>The Fluctuation row&apos;s figure: most minus fewest answered in a complete minute.</extracomment>
        <translation>1問</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <translation>%1問</translation>
    </message>
    <message>
        <source>%1 answers/min</source>
        <extracomment>The trend&apos;s figure: answers per minute gained each minute, as &quot;+1.25&quot; or &quot;-0.50&quot;.</extracomment>
        <translation>%1問/分</translation>
    </message>
    <message>
        <source>%1 (%2 true, %3 false)</source>
        <extracomment>The Answered row&apos;s figure: all answers, then how many were true and how many false.</extracomment>
        <translation>%1（正答 %2、誤答 %3）</translation>
    </message>
    <message>
        <source>Minute %1: %2 answered, %3 true, %4 false, median %5, 90th percentile %6</source>
        <extracomment>A minute&apos;s figures in the chart&apos;s tooltip and for screen readers: the minute&apos;s number, answered, true, false, the median answer time and the 90th percentile (as &quot;0.30 s&quot;).</extracomment>
        <translation>%1分目：解答 %2、正答 %3、誤答 %4、中央値 %5、90パーセンタイル %6</translation>
    </message>
    <message>
        <source>Minute %1 (partial): %2 answered, %3 true, %4 false, median %5, 90th percentile %6</source>
        <extracomment>The same for the minute the run was stopped inside.</extracomment>
        <translation>%1分目（途中まで）：解答 %2、正答 %3、誤答 %4、中央値 %5、90パーセンタイル %6</translation>
    </message>
</context>
<context>
    <name>workcurve::RunCurveChart</name>
    <message>
        <source>Answers per minute</source>
        <translatorcomment>作業量：内田クレペリン検査で1行（1分）に行った計算の数。</translatorcomment>
        <translation>1分ごとの作業量</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Ends a sentence of the chart&apos;s description made of a minute&apos;s figures.</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Selected: %1.</source>
        <translation>選択中：%1。</translation>
    </message>
    <message>
        <source>Answered per minute, true and false stacked, with the median answer time of each minute and the trend; Left and Right step through the minutes.</source>
        <translation>1分ごとの作業量を正答と誤答に分けて積み上げ、各分の解答時間の中央値と傾向線を重ねたグラフです。左右の矢印キーで分を移動します。</translation>
    </message>
    <message>
        <source>Trend per minute: %1.</source>
        <translation>傾き（毎分）：%1。</translation>
    </message>
    <message>
        <source>Legend: %1.</source>
        <extracomment>The chart&apos;s legend in words, where the chart is too small to draw it: &quot;green: true; red: false&quot;.</extracomment>
        <translation>凡例：%1。</translation>
    </message>
</context>
<context>
    <name>workcurve::frmWorkCurve</name>
    <message>
        <source>Answered</source>
        <translatorcomment>作業曲線の指標の用語一覧。解答数：この練習の解答の総数（正答と誤答）。メイン画面の「解答数」と同じ語。「作業量」は1分ごとの数にだけ使う。</translatorcomment>
        <translation>解答数</translation>
    </message>
    <message>
        <source>Every judged answer of the run, the partial minute included</source>
        <translation>この練習で判定したすべての解答の数です（途中で中止した分を含みます）。</translation>
    </message>
    <message>
        <source>Duration</source>
        <translatorcomment>所要時間：時計が示した練習の長さ（分:秒）。</translatorcomment>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>How long the run lasted, as its clock showed it</source>
        <translation>この練習にかかった時間です（時計の表示どおり）。</translation>
    </message>
    <message>
        <source>Complete minutes</source>
        <translatorcomment>最後まで行った分の数。内田クレペリン検査の1行（1分）に当たる。「完了した分数」は算数の「分数（ぶんすう）」と読めるので、「分の数」と書く。</translatorcomment>
        <translation>完了した分の数</translation>
    </message>
    <message>
        <source>Minutes the run lasted in full. A minute the run was stopped inside is shown in the chart, hatched, but left out of speed, fluctuation and trend</source>
        <translation>最後まで行った分の数です。途中で中止した分はグラフに斜線で示しますが、平均作業量・動揺幅・傾きには含めません。</translation>
    </message>
    <message>
        <source>Speed</source>
        <translatorcomment>平均作業量：内田クレペリン検査で1行あたりの作業量の平均を表す語。ここでは1分あたり。</translatorcomment>
        <translation>平均作業量</translation>
    </message>
    <message>
        <source>Mean answered per complete minute</source>
        <translation>最後まで行った1分あたりの作業量の平均です。</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translatorcomment>正答率：全解答に占める正答の割合。</translatorcomment>
        <translation>正答率</translation>
    </message>
    <message>
        <source>True answers in percent of all answers of the run</source>
        <translation>この練習の全解答に占める正答の割合です。</translation>
    </message>
    <message>
        <source>Fluctuation</source>
        <translatorcomment>動揺幅：作業量の最大と最小の差。検査の「動揺率」はこの差を平均作業量で割った値なので、差そのものには「幅」を使う。</translatorcomment>
        <translation>動揺幅</translation>
    </message>
    <message>
        <source>Most minus fewest answered in a complete minute; needs two complete minutes</source>
        <translation>最後まで行った分の作業量の最大と最小の差です。最後まで行った分が2つ以上必要です。</translation>
    </message>
    <message>
        <source>Trend per minute</source>
        <translatorcomment>傾き：作業量の最小二乗直線の傾き。作業曲線が上がっているか下がっているかを表す。</translatorcomment>
        <translation>傾き（毎分）</translation>
    </message>
    <message>
        <source>Least-squares slope of answered per minute against the minute&apos;s number: answers per minute gained each minute (negative: slowing down); needs two complete minutes</source>
        <translation>分ごとの作業量を分の番号に対して最小二乗法で当てはめた直線の傾きで、1分ごとに増えた毎分の解答数です（負の値は減速）。最後まで行った分が2つ以上必要です。</translation>
    </message>
    <message>
        <source>Median time</source>
        <translatorcomment>時間の中央値：数字が出てから Enter までの解答時間の中央値。</translatorcomment>
        <translation>時間の中央値</translation>
    </message>
    <message>
        <source>Half the answers took at most this long, from the pair appearing to Enter (nearest rank)</source>
        <translation>解答の半数がこの時間以内でした。数字が表示されてから Enter を押すまでの時間です（最近順位法）。</translation>
    </message>
    <message>
        <source>90th percentile</source>
        <translatorcomment>90パーセンタイル：統計ソフトで一般的な表記。</translatorcomment>
        <translation>90パーセンタイル</translation>
    </message>
    <message>
        <source>Nine answers in ten took at most this long (nearest rank)</source>
        <translation>解答の10問中9問がこの時間以内でした（最近順位法）。</translation>
    </message>
    <message>
        <source>Ended</source>
        <translatorcomment>終了時刻：練習が終わった時刻。</translatorcomment>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>When the run ended</source>
        <translation>この練習が終了した時刻です。</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translatorcomment>用語一覧：メニューと同じ「解答を CSV で保存」だが、このボタンは幅 89 px しかないので「解答を」を省く。</translatorcomment>
        <translation>CSV で保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Work curve</source>
        <translatorcomment>作業曲線：内田クレペリン検査で1分（1行）ごとの作業量を結んだ曲線の名前。</translatorcomment>
        <translation>作業曲線</translation>
    </message>
    <message>
        <source>Indices</source>
        <translation>指標</translation>
    </message>
    <message>
        <source>The run&apos;s figures, one a row; the Up and Down keys move through them</source>
        <translation>この練習の数値を1行に1つずつ示します。上下の矢印キーで移動します。</translation>
    </message>
    <message>
        <source>Save every answer of this run, with its answer time, to a CSV file</source>
        <translation>この練習のすべての解答を解答時間とともに CSV ファイルに保存します</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>履歴(&amp;H)…</translation>
    </message>
    <message>
        <source>This run&apos;s speed against your earlier logged runs</source>
        <translation>この練習の平均作業量を、これまでに記録した練習と比べます</translation>
    </message>
    <message>
        <source>Your kept sittings, their scores over time and the trend</source>
        <translation>残した検査の指標の推移と傾向</translation>
    </message>
</context>
</TS>
