<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>ScoreText</name>
    <message>
        <source>%1 correction</source>
        <translatorcomment>用語一覧。日本語のすべてのカタログ、メタ情報、デスクトップエントリに共通（各検査の指標の用語は、このカタログのそれぞれのメッセージにある）：
・シード：seed。「シード値」とは書かない。
・中止：Stop。「停止」は使わない。確認は「中止してもよろしいですか？」、説明は「確認してから…を中止します」。
・練習：メイン画面の1回の練習（run）。作業曲線でも「この回」ではなく「練習」。検査：検査用紙の1回（sitting）。
・解答ログ：answer log。「解答記録」とは書かない。「記録」はログを取ること（チェックボックス「記録」）。
・数字の組み合わせ表：digit-pair map。「マップ」とは書かない。
・足し算：addition。「加算」は使わない（検査の名前「連続加算検査」と検索キーワードは別）。
・正答数：正答だけの数。解答数：正答と誤答を合わせた解答の総数。作業量：1行・1分・1区間ごとに解答または飛ばした数（内田クレペリン検査の語）。
・検査結果：Sheet results のウィンドウ。
・完了した列数・行数・区間数、完了した分の数。「分数」は算数の分数（ぶんすう）と読めるので使わない。
・途中まで：partial。
・用紙の題名：「クレペリン 50列 × 15秒」。カタログとデスクトップエントリで同じ。
・号令：「はい、次」「はい、休憩」「はい、線」。
・コロン：日本語のラベルや項目名のあとは全角の「：」。例外は Qt 自身の訳と同じ語を使うコマンドラインのヘルプ（QCommandLineParser）。
数字の書き方：
1. 数字と単位・助数詞（秒、分、列、行、回、個、組、問、件）の間は空けない：15秒、50列、%1行目、第%1区間、100組中%1組。
2. 文の中の数字は前後の日本語に直接つける：全体で60分です、1～99の整数、%1と%2。
3. 項目名のあとに数値を添えるときは半角空白を1つ入れる：正答 %2、シード %2、残り %1、訂正 %1回。コロンのあとは空けない：時間：%1分。
4. 英字の語や記号（CSV、Enter、Ctrl+0、+、−、×、÷、=）の前後は半角空白：50列 × 15秒、Ctrl+0 で戻します。全角の句読点や括弧の隣は空けない。
プログラムが書く数値（0.57、95.0 %、0.85 s）は、どの言語でも英語と同じ形のまま。</translatorcomment>
        <translation>訂正 %1回</translation>
    </message>
    <message>
        <source>%1 corrections</source>
        <translation>訂正 %1回</translation>
    </message>
    <message>
        <source>Time up at %1</source>
        <translation>%1に時間切れ</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>%1に中止</translation>
    </message>
    <message>
        <source>Worked through at %1</source>
        <translation>%1にすべて解答</translation>
    </message>
    <message>
        <source>Speed (panker)</source>
        <extracomment>Kraepelin&apos;s speed index. Indonesian sheets call it panker (kecepatan kerja); Japanese has no name of its own for it.</extracomment>
        <translatorcomment>用語一覧：クレペリン検査の速度の指標には日本語の検査用語がないので、素直に「速度」とし、英語と同じくインドネシアの指標名を添える。資料によっては列ごとの正答数の平均をとるが、ここでの列の高さは到達したすべての組（誤答と飛ばした組を含む）で、ツールチップにもそう書く。</translatorcomment>
        <translation>速度（panker）</translation>
    </message>
    <message>
        <source>Mean height of the complete columns; a column&apos;s height is its pairs answered or passed</source>
        <translation>完了した列の高さの平均。列の高さはその列で解答（正誤を問わない）または飛ばした組の数です</translation>
    </message>
    <message>
        <source>Accuracy (tianker)</source>
        <extracomment>Kraepelin&apos;s accuracy index: tianker (ketelitian kerja) on Indonesian sheets.</extracomment>
        <translatorcomment>用語一覧：日本語の検査用語はないので「正確さ」とし、インドネシアの指標名を添える。tianker はクレペリン検査の指標で、誤りの数（少ないほど良い）。</translatorcomment>
        <translation>正確さ（tianker）</translation>
    </message>
    <message>
        <source>Wrong answers + skipped pairs over the whole sheet; fewer is better</source>
        <translation>用紙全体の誤答数 + 飛ばした組の数。少ないほど良い結果です</translation>
    </message>
    <message>
        <source>Steadiness (janker): range</source>
        <extracomment>Kraepelin&apos;s steadiness index: janker (keajegan kerja) on Indonesian sheets.</extracomment>
        <translatorcomment>用語一覧：日本語の検査用語はないので「安定性」とし、インドネシアの指標名を添える。「範囲」は最大と最小の差。</translatorcomment>
        <translation>安定性（janker）：範囲</translation>
    </message>
    <message>
        <source>Highest height − lowest height of the complete columns</source>
        <translation>完了した列の最大の高さ − 最小の高さ</translation>
    </message>
    <message>
        <source>Steadiness (janker): average deviation</source>
        <translatorcomment>用語一覧：「安定性」とインドネシアの指標名。「平均偏差」は平均からの隔たりの平均を表す統計用語。</translatorcomment>
        <translation>安定性（janker）：平均偏差</translation>
    </message>
    <message>
        <source>Mean of |height − mean height| over the complete columns</source>
        <translation>完了した列の |高さ − 平均の高さ| の平均</translation>
    </message>
    <message>
        <source>Endurance (hanker): slope b</source>
        <extracomment>Kraepelin&apos;s endurance index: hanker (ketahanan kerja) on Indonesian sheets.</extracomment>
        <translatorcomment>用語一覧：日本語の検査用語はないので「持久力」とし、インドネシアの指標名を添える。「傾き」は直線の傾き。</translatorcomment>
        <translation>持久力（hanker）：傾き b</translation>
    </message>
    <message>
        <source>Slope b of the least-squares line height = a + b × column over the complete columns; needs two of them</source>
        <translation>完了した列に当てはめた最小二乗直線 高さ = a + b × 列 の傾き b。完了した列が2列以上必要です</translation>
    </message>
    <message>
        <source>Endurance (hanker): rise</source>
        <translatorcomment>用語一覧：「持久力」とインドネシアの指標名。「上昇幅」は用紙全体で直線が上がる量。</translatorcomment>
        <translation>持久力（hanker）：上昇幅</translation>
    </message>
    <message>
        <source>b × (columns − 1): how much the line rises over the sheet</source>
        <translation>b × (列数 − 1)：用紙全体で直線がどれだけ上がるか</translation>
    </message>
    <message>
        <source>Second half: mean amount</source>
        <extracomment>Uchida-Kraepelin: the amount of work (作業量) of one half, before or after the break.</extracomment>
        <translatorcomment>用語一覧：「作業量」は内田クレペリン検査で1行に解答または飛ばした数を表す語。前後の半分は「前半」「後半」。</translatorcomment>
        <translation>後半：平均作業量</translation>
    </message>
    <message>
        <source>First half: mean amount</source>
        <translatorcomment>用語一覧：「作業量」は内田クレペリン検査で1行に解答または飛ばした数を表す語。前後の半分は「前半」「後半」。</translatorcomment>
        <translation>前半：平均作業量</translation>
    </message>
    <message>
        <source>Mean amount of the half&apos;s complete lines; a line&apos;s amount is its pairs answered or passed</source>
        <translation>その半分の完了した行の作業量の平均。行の作業量はその行で解答または飛ばした組の数です</translation>
    </message>
    <message>
        <source>Second half: initial effort</source>
        <extracomment>Uchida-Kraepelin: the initial effort ratio (初頭努力率) of one half.</extracomment>
        <translatorcomment>用語一覧：「初頭努力率」は内田クレペリン検査の語で、その半分の最初の行の作業量を平均作業量で割った比率。比率なので「初頭努力」ではなく「初頭努力率」。</translatorcomment>
        <translation>後半：初頭努力率</translation>
    </message>
    <message>
        <source>First half: initial effort</source>
        <translatorcomment>用語一覧：「初頭努力率」は内田クレペリン検査の語で、その半分の最初の行の作業量を平均作業量で割った比率。比率なので「初頭努力」ではなく「初頭努力率」。</translatorcomment>
        <translation>前半：初頭努力率</translation>
    </message>
    <message>
        <source>Amount of the half&apos;s first line ÷ the half&apos;s mean amount</source>
        <translation>その半分の最初の行の作業量 ÷ その半分の平均作業量</translation>
    </message>
    <message>
        <source>Second half: fluctuation</source>
        <extracomment>Uchida-Kraepelin: the fluctuation rate (動揺率) of one half.</extracomment>
        <translatorcomment>用語一覧：「動揺率」は内田クレペリン検査の語で、（最大作業量 − 最小作業量）÷ 平均作業量。プログラムの計算と同じ。</translatorcomment>
        <translation>後半：動揺率</translation>
    </message>
    <message>
        <source>First half: fluctuation</source>
        <translatorcomment>用語一覧：「動揺率」は内田クレペリン検査の語で、（最大作業量 − 最小作業量）÷ 平均作業量。プログラムの計算と同じ。</translatorcomment>
        <translation>前半：動揺率</translation>
    </message>
    <message>
        <source>(Highest amount − lowest amount) ÷ the half&apos;s mean amount</source>
        <translation>（最大作業量 − 最小作業量）÷ その半分の平均作業量</translation>
    </message>
    <message>
        <source>Rest effect</source>
        <extracomment>Uchida-Kraepelin: the rest effect ratio (休憩効果率) of the break between the halves.</extracomment>
        <translatorcomment>用語一覧：「休憩効果率」は内田クレペリン検査の語で、後半の平均作業量 ÷ 前半の平均作業量の比率。比率なので「休憩効果」ではなく「休憩効果率」。</translatorcomment>
        <translation>休憩効果率</translation>
    </message>
    <message>
        <source>Second half&apos;s mean amount ÷ the first half&apos;s</source>
        <translation>後半の平均作業量 ÷ 前半の平均作業量</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Pauli: additions over the whole hour.</extracomment>
        <translatorcomment>用語一覧：パウリ検査の足し算の合計は「合計」。</translatorcomment>
        <translation>合計</translation>
    </message>
    <message>
        <source>Additions answered or passed over the whole sitting</source>
        <translation>検査全体で解答または飛ばした足し算の数</translation>
    </message>
    <message>
        <source>Error %</source>
        <translatorcomment>用語一覧：「誤り率」は足し算の数に対する誤り（誤答と飛ばした組）の割合。単位は全角括弧で「（%）」。</translatorcomment>
        <translation>誤り率（%）</translation>
    </message>
    <message>
        <source>(Wrong answers + skipped pairs) ÷ additions × 100</source>
        <translation>（誤答数 + 飛ばした組の数）÷ 足し算の数 × 100</translation>
    </message>
    <message>
        <source>Average deviation</source>
        <translatorcomment>用語一覧：「平均偏差」は統計用語。</translatorcomment>
        <translation>平均偏差</translation>
    </message>
    <message>
        <source>Mean of |period total − mean period total| over the complete %1 periods</source>
        <extracomment>%1 is a period&apos;s length: &quot;3 min&quot;.</extracomment>
        <translation>%1ごとの完了した区間の |区間の合計 − 区間の合計の平均| の平均</translation>
    </message>
    <message>
        <source>Slope</source>
        <translatorcomment>用語一覧：「傾き」は直線の傾き。</translatorcomment>
        <translation>傾き</translation>
    </message>
    <message>
        <source>Slope b of the least-squares line additions = a + b × period over the complete periods: additions gained each period; needs two of them</source>
        <translation>完了した区間に当てはめた最小二乗直線 足し算の数 = a + b × 区間 の傾き b：1区間ごとに増えた足し算の数。完了した区間が2つ以上必要です</translation>
    </message>
    <message>
        <source>line</source>
        <comment>period</comment>
        <extracomment>What one period of a curve is, written after &quot;per&quot; and in &quot;Curve per line&quot;.</extracomment>
        <translatorcomment>用語一覧：「行」は内田クレペリン検査の行。</translatorcomment>
        <translation>行</translation>
    </message>
    <message>
        <source>column</source>
        <comment>period</comment>
        <translatorcomment>用語一覧：「列」はクレペリン検査の列。</translatorcomment>
        <translation>列</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>period</comment>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>period</comment>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>用紙</translation>
    </message>
    <message>
        <source>The format sat</source>
        <translation>受けた形式</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>シード</translation>
    </message>
    <message>
        <source>The same seed and format give the same sheet, so a sitting can be repeated</source>
        <translation>シードと形式が同じなら同じ用紙になるので、同じ検査をやり直せます</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>How the sitting ended, on its clock (a break included)</source>
        <translation>検査の終わり方と、その時点の経過時間（休憩を含む）</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>到達</translation>
    </message>
    <message>
        <source>%1 (%2 right, %3 wrong, %4 skipped)</source>
        <translation>%1（正答 %2、誤答 %3、飛ばし %4）</translation>
    </message>
    <message>
        <source>Pairs answered or passed; pairs after the cue came are not reached</source>
        <translation>解答または飛ばした組の数。合図のあとに残った組は到達に数えません</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>訂正</translation>
    </message>
    <message>
        <source>Answers taken back with Backspace</source>
        <translation>Backspace で取り消した解答</translation>
    </message>
    <message>
        <source>Complete periods</source>
        <translation>完了した区間数</translation>
    </message>
    <message>
        <source>A period the sitting was stopped inside is shown, hatched, but left out of the figures that compare them</source>
        <translation>途中で中止した区間は斜線で表示しますが、区間を比べる数値には含めません</translation>
    </message>
    <message>
        <source>Complete lines</source>
        <translation>完了した行数</translation>
    </message>
    <message>
        <source>A line the sitting was stopped inside is shown, hatched, but left out of the figures that compare them</source>
        <translation>途中で中止した行は斜線で表示しますが、行を比べる数値には含めません</translation>
    </message>
    <message>
        <source>Complete columns</source>
        <translation>完了した列数</translation>
    </message>
    <message>
        <source>A column the sitting was stopped inside is shown, hatched, but left out of the figures that compare them</source>
        <translation>途中で中止した列は斜線で表示しますが、列を比べる数値には含めません</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>時間の中央値</translation>
    </message>
    <message>
        <source>Half the answers took at most this long, from the pair becoming current to its digit (nearest rank)</source>
        <translation>解答の半数がこの時間以内でした。組が現在の組になってから数字を入力するまで（最近順位法）</translation>
    </message>
    <message>
        <source>90th percentile</source>
        <translation>90パーセンタイル</translation>
    </message>
    <message>
        <source>Nine answers in ten took at most this long (nearest rank)</source>
        <translation>解答の10件中9件がこの時間以内でした（最近順位法）</translation>
    </message>
    <message>
        <source>Column</source>
        <comment>heading</comment>
        <extracomment>The headings of Kraepelin&apos;s table of columns; a column&apos;s height is its pairs reached.</extracomment>
        <translation>列</translation>
    </message>
    <message>
        <source>Height</source>
        <comment>heading</comment>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>heading</comment>
        <translation>正答</translation>
    </message>
    <message>
        <source>Wrong</source>
        <comment>heading</comment>
        <translation>誤答</translation>
    </message>
    <message>
        <source>Skipped</source>
        <comment>heading</comment>
        <translation>飛ばし</translation>
    </message>
    <message>
        <source>Corrections</source>
        <comment>heading</comment>
        <translation>訂正</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>heading</comment>
        <extracomment>The headings of Uchida-Kraepelin&apos;s table of lines; a line&apos;s amount of work (作業量).</extracomment>
        <translation>行</translation>
    </message>
    <message>
        <source>Amount</source>
        <comment>heading</comment>
        <translation>作業量</translation>
    </message>
    <message>
        <source>Errors</source>
        <comment>heading</comment>
        <translation>誤り</translation>
    </message>
    <message>
        <source>Period</source>
        <comment>heading</comment>
        <extracomment>The headings of Pauli&apos;s table of periods between two strokes.</extracomment>
        <translation>区間</translation>
    </message>
    <message>
        <source>Additions</source>
        <comment>heading</comment>
        <translation>足し算の数</translation>
    </message>
    <message>
        <source>%1 (partial)</source>
        <translation>%1（途中まで）</translation>
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
        <source>%1: height %2, %3 right, %4 wrong or blank, %5, median %6</source>
        <extracomment>A column&apos;s figures: &quot;Column 3: height 20, 18 right, 2 wrong or blank, 1 correction, median 0.85 s&quot;.</extracomment>
        <translation>%1：高さ %2、正答 %3、誤答・空欄 %4、%5、中央値 %6</translation>
    </message>
    <message>
        <source>%1: amount %2, %3 right, %4 wrong or blank, %5, median %6</source>
        <extracomment>A line&apos;s figures: &quot;Line 3: amount 50, 48 right, 2 wrong or blank, 1 correction, median 0.85 s&quot;.</extracomment>
        <translation>%1：作業量 %2、正答 %3、誤答・空欄 %4、%5、中央値 %6</translation>
    </message>
    <message>
        <source>Period %1 (%2)</source>
        <extracomment>&quot;Period 2 (3 min)&quot;</extracomment>
        <translation>第%1区間（%2）</translation>
    </message>
    <message>
        <source>%1: additions %2, %3 right, %4 wrong or blank, %5, median %6</source>
        <extracomment>A period&apos;s figures: &quot;Period 2 (3 min): additions 90, 88 right, 2 wrong or blank, 0 corrections, median 0.85 s&quot;.</extracomment>
        <translation>%1：足し算の数 %2、正答 %3、誤答・空欄 %4、%5、中央値 %6</translation>
    </message>
    <message>
        <source> (partial)</source>
        <extracomment>After a period&apos;s name, for the period the sitting was stopped inside.</extracomment>
        <translation>（途中まで）</translation>
    </message>
</context>
<context>
    <name>SheetTitle</name>
    <message>
        <source>Kraepelin 50 × 15 s</source>
        <translatorcomment>用語一覧：用紙の題名は何が50なのかを示して「50列 × 15秒」。デスクトップエントリのアクションと同じ。</translatorcomment>
        <translation>クレペリン 50列 × 15秒</translation>
    </message>
    <message>
        <source>Kraepelin 10 × 15 s (practice)</source>
        <translation>クレペリン 10列 × 15秒（練習）</translation>
    </message>
    <message>
        <source>Kraepelin 40 × 30 s</source>
        <translation>クレペリン 40列 × 30秒</translation>
    </message>
    <message>
        <source>Kraepelin 10 × 30 s (practice)</source>
        <translation>クレペリン 10列 × 30秒（練習）</translation>
    </message>
    <message>
        <source>Uchida-Kraepelin</source>
        <translation>内田クレペリン</translation>
    </message>
    <message>
        <source>Uchida-Kraepelin 3 + 3 lines (practice)</source>
        <translation>内田クレペリン 3 + 3行（練習）</translation>
    </message>
    <message>
        <source>Pauli</source>
        <translation>パウリ</translation>
    </message>
    <message>
        <source>Pauli 9 min (practice)</source>
        <translation>パウリ 9分（練習）</translation>
    </message>
    <message>
        <source>Custom %1 lines</source>
        <translation>カスタム %1行</translation>
    </message>
    <message>
        <source>Custom %1 columns</source>
        <translation>カスタム %1列</translation>
    </message>
</context>
<context>
    <name>sheetresults::SittingCurveChart</name>
    <message>
        <source>Curve</source>
        <translatorcomment>用語一覧：「作業曲線」は内田クレペリン検査の結果のグラフ。</translatorcomment>
        <translation>作業曲線</translation>
    </message>
    <message>
        <source>right</source>
        <comment>legend</comment>
        <extracomment>The chart&apos;s legend: the lower and upper parts of a bar and the least-squares line.</extracomment>
        <translation>正答</translation>
    </message>
    <message>
        <source>wrong or blank</source>
        <comment>legend</comment>
        <translation>誤答・空欄</translation>
    </message>
    <message>
        <source>least squares</source>
        <comment>legend</comment>
        <translation>最小二乗</translation>
    </message>
    <message>
        <source>Curve per %1</source>
        <extracomment>%1 is what one period is: &quot;column&quot;, &quot;line&quot;, &quot;3 min&quot;.</extracomment>
        <translation>%1ごとの作業曲線</translation>
    </message>
    <message>
        <source>Selected: %1.</source>
        <translation>選択中：%1。</translation>
    </message>
    <message>
        <source>Pairs reached per %1, right and wrong or blank stacked, with the median answer time of each; Left and Right step through them.</source>
        <translation>%1ごとの到達した組の数。正答と誤答・空欄を積み重ね、それぞれの解答時間の中央値を示します。左右キーで移動します。</translation>
    </message>
    <message>
        <source>Legend: %1.</source>
        <extracomment>The chart&apos;s legend in words, where the chart is too small to draw it: &quot;green: right; red: wrong or blank&quot;.</extracomment>
        <translation>凡例：%1。</translation>
    </message>
</context>
<context>
    <name>sheetresults::frmSheetResults</name>
    <message>
        <source>&amp;Save answers as CSV…</source>
        <translatorcomment>用語一覧：「解答を CSV で保存」。メイン画面のメニューと同じ。</translatorcomment>
        <translation>解答を CSV で保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Sheet results</source>
        <translatorcomment>用語一覧：「検査結果」。用紙そのものではなく検査の結果なので「用紙の結果」とは書かない。</translatorcomment>
        <translation>検査結果</translation>
    </message>
    <message>
        <source>The same seed and format give the same sheet, so a sitting can be repeated (--sheet FORMAT --seed N)</source>
        <translation>シードと形式が同じなら同じ用紙になるので、同じ検査をやり直せます（--sheet FORMAT --seed N）</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>指標</translation>
    </message>
    <message>
        <source>The sitting&apos;s scores, one a row, each with its formula; the Up and Down keys move through them</source>
        <translation>検査の指標を1行に1つ、計算式とともに示します。上下キーで移動します</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>区間</translation>
    </message>
    <message>
        <source>Every column, line or period with its figures; the Up and Down keys move through them</source>
        <translation>各列・行・区間の数値です。上下キーで移動します</translation>
    </message>
    <message>
        <source>Save every pair of this sitting, with its answer, corrections and answer time, to a CSV file</source>
        <translation>この検査のすべての組を、解答・訂正・解答時間とともに CSV ファイルに保存します</translation>
    </message>
    <message>
        <source>Sheet results – %1, seed %2</source>
        <extracomment>%1 is the sheet&apos;s title, %2 its seed.</extracomment>
        <translation>検査結果 – %1、シード %2</translation>
    </message>
    <message>
        <source>%1, seed %2</source>
        <translation>%1、シード %2</translation>
    </message>
</context>
</TS>
