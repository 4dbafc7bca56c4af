<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>MarkText</name>
    <message>
        <source>read %1</source>
        <extracomment>A source&apos;s date where it gives none of its own: when it was read.</extracomment>
        <translation>%1閲覧</translation>
    </message>
    <message>
        <source>Tavrendale&apos;s own figure</source>
        <extracomment>A mark&apos;s number no source gives, which the program chose.</extracomment>
        <translation>Tavrendale 独自の値</translation>
    </message>
    <message>
        <source>Tavrendale&apos;s own figure (no published source found)</source>
        <extracomment>A mark&apos;s number the program was given, which none of the sources read publishes.</extracomment>
        <translation>Tavrendale 独自の値（公表された出典なし）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A source named under a mark: %1 its title, %2 when it was published.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Tavrendale&apos;s own figure: no source we found gives a number for this, so the program chose one.</source>
        <translation>Tavrendale 独自の値：見つかった資料にはこの数値がないため、プログラムが決めました。</translation>
    </message>
    <message>
        <source>No published source found: none of the sources we could read publishes this number, so it is shown as Tavrendale&apos;s own figure until a source is named.</source>
        <translation>公表された出典なし：読めた資料のどれもこの数値を公表していないため、出典が示されるまで Tavrendale 独自の値として示します。</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between sources</comment>
        <extracomment>Between the sources a mark names.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>%1: met</source>
        <extracomment>A feature of the curve met or not, where it involves no line in particular (errors, where there were none).</extracomment>
        <translation>%1：満たす</translation>
    </message>
    <message>
        <source>%1: not met</source>
        <translation>%1：満たさない</translation>
    </message>
    <message>
        <source>Columns not complete: %1 of %2.</source>
        <extracomment>After why a stopped sitting gets no verdict: how many of its columns are missing.</extracomment>
        <translation>完了していない列：%2列中%1列。</translation>
    </message>
    <message>
        <source>Lines not complete: %1 of %2.</source>
        <translation>完了していない行：%2行中%1行。</translation>
    </message>
    <message>
        <source>Periods not complete: %1 of %2.</source>
        <translation>完了していない区間：%2区間中%1区間。</translation>
    </message>
    <message>
        <source>Leaning</source>
        <extracomment>Uchida-Kraepelin: how close the curve is to the typical one, all features together.</extracomment>
        <translation>全体の傾向</translation>
    </message>
    <message>
        <source>%1: %2 of the %3 features of the typical curve not met, %4 non-typical features found</source>
        <extracomment>%1 is the leaning (&quot;Close to the typical curve&quot;), %2 how many of the %3 typical features were not met, %4 how many non-typical features were found.</extracomment>
        <translation>%1：定型曲線の特徴%3個のうち満たさないもの%2個、非定型の特徴%4個</translation>
    </message>
    <message>
        <source>Work amount (作業量)</source>
        <extracomment>Uchida-Kraepelin: the level of the work amount.</extracomment>
        <translation>作業量</translation>
    </message>
    <message>
        <source>Typical curve (定型曲線)</source>
        <extracomment>Uchida-Kraepelin: the features of the typical curve, each met or not.</extracomment>
        <translation>定型曲線</translation>
    </message>
    <message>
        <source>Non-typical features (非定型)</source>
        <extracomment>Uchida-Kraepelin: the features of a non-typical curve (非定型), each found or not.</extracomment>
        <translation>非定型の特徴</translation>
    </message>
    <message>
        <source>Bands (baik sekali, baik, sedang, kurang, kurang sekali)</source>
        <extracomment>Kraepelin: the five levels of each index, in the test&apos;s own words.</extracomment>
        <translation>段階（baik sekali、baik、sedang、kurang、kurang sekali）</translation>
    </message>
    <message>
        <source>%1: %2 — %3, where the sources disagree</source>
        <extracomment>A band a source&apos;s table gives this sitting&apos;s figure: %1 the figure, %2 its value, %3 the band.</extracomment>
        <translation>%1：%2 — %3（資料によって判定が異なる）</translation>
    </message>
    <message>
        <source>%1: %2 — %3</source>
        <translation>%1：%2 — %3</translation>
    </message>
    <message>
        <source>Verdicts in published reports</source>
        <extracomment>Kraepelin: the bands published reports gave to figures of their own sittings.</extracomment>
        <translation>公表された報告での判定</translation>
    </message>
    <message>
        <source>%1: %2 rated %3 in that report; this sitting %4</source>
        <extracomment>%1 is a figure, %2 the value a report rated, %3 the band it gave it, %4 this sitting&apos;s value.</extracomment>
        <translation>%1：その報告では %2 を%3と判定（この検査は %4）</translation>
    </message>
    <message>
        <source>Other published formulas</source>
        <extracomment>Kraepelin: other published ways of working out panker, janker and hanker.</extracomment>
        <translation>公表されているほかの計算式</translation>
    </message>
    <message>
        <source>%1: %2 (the program&apos;s %3: %4)</source>
        <extracomment>%1 and %2: a published formula and its value for this sitting; %3 and %4: the program&apos;s own.</extracomment>
        <translation>%1：%2（プログラムの%3：%4）</translation>
    </message>
    <message>
        <source>%1 — met (periods %2)</source>
        <extracomment>A Pauli mark met or not: %1 says what was compared (&quot;First period: 120 additions against a mark of 130&quot;).</extracomment>
        <translation>%1 — 満たす（区間 %2）</translation>
    </message>
    <message>
        <source>%1 — not met (periods %2)</source>
        <translation>%1 — 満たさない（区間 %2）</translation>
    </message>
</context>
<context>
    <name>Marks</name>
    <message>
        <source>reference from %1 — practice figure, not a norm and not a psychological assessment</source>
        <extracomment>Under every mark shown; %1 names its sources, each with its title and date (or &quot;Tavrendale&apos;s own figure&quot;).</extracomment>
        <translatorcomment>用語一覧：mark は「目安」（公表された参考の値や特徴）。verdict は「判定」。norm は「規準（ノルム）」。met / not met は「満たす／満たさない」、found / not found は「あり／なし」。内田クレペリン検査の語：作業量、初頭努力率、動揺率、休憩効果率、定型曲線、非定型。クレペリン検査の指標名 panker、tianker、janker、hanker と段階 baik sekali、baik、sedang、kurang、kurang sekali はインドネシアの検査の語なので、そのまま書き、段階には日本語を括弧で添える。</translatorcomment>
        <translation>参考：%1 — 練習用の目安で、規準（ノルム）でも心理学的な評価でもありません</translation>
    </message>
    <message>
        <source>No verdict: the practice version is not the test the marks were published for.</source>
        <extracomment>Why a sitting is held against no published marks.</extracomment>
        <translation>判定なし：練習版は、目安が公表された検査そのものではありません。</translation>
    </message>
    <message>
        <source>No verdict: a custom sheet is not the test the marks were published for.</source>
        <translation>判定なし：カスタム用紙は、目安が公表された検査そのものではありません。</translation>
    </message>
    <message>
        <source>No verdict: these marks are for another test.</source>
        <translation>判定なし：この目安は別の検査のものです。</translation>
    </message>
    <message>
        <source>No verdict: the marks are for a whole sitting, and this one was stopped early.</source>
        <translation>判定なし：目安は検査全体に対するもので、この検査は途中で終わりました。</translation>
    </message>
    <message>
        <source>First half U-shaped</source>
        <extracomment>The eight features of Uchida-Kraepelin&apos;s typical curve (定型曲線).</extracomment>
        <translation>前半がU字型</translation>
    </message>
    <message>
        <source>A fall from line 2 to about line 5, a rise again over lines 6–10</source>
        <translation>2行目から5行目付近まで下がり、6～10行目で再び上がる</translation>
    </message>
    <message>
        <source>Line 15 second only to line 1</source>
        <translation>15行目が1行目に次いで高い</translation>
    </message>
    <message>
        <source>Second half sloping down, without an end spurt</source>
        <translation>後半は右下がりで、終わりの追い込みがない</translation>
    </message>
    <message>
        <source>Line 1 the highest of each half, line 16 the highest of all</source>
        <translation>前後半とも1行目が最も高く、16行目が全体で最も高い</translation>
    </message>
    <message>
        <source>Second half higher than the first</source>
        <translation>後半が前半より高い</translation>
    </message>
    <message>
        <source>Moderate fluctuation</source>
        <translation>適度な動揺</translation>
    </message>
    <message>
        <source>Errors at most 1 % of the work</source>
        <translation>誤りが作業量の1%以下</translation>
    </message>
    <message>
        <source>Many errors</source>
        <extracomment>The non-typical features of an Uchida-Kraepelin curve.</extracomment>
        <translation>誤りが多い</translation>
    </message>
    <message>
        <source>A large drop</source>
        <translation>大きな落ち込み</translation>
    </message>
    <message>
        <source>A large spike</source>
        <translation>大きな突出</translation>
    </message>
    <message>
        <source>Violent fluctuation</source>
        <translation>激しい動揺</translation>
    </message>
    <message>
        <source>No fluctuation at all</source>
        <translation>動揺がまったくない</translation>
    </message>
    <message>
        <source>A falling second half</source>
        <translation>後半の低下</translation>
    </message>
    <message>
        <source>A weak start after the break</source>
        <translation>休憩後の出だしが弱い</translation>
    </message>
    <message>
        <source>A low amount</source>
        <translation>作業量が少ない</translation>
    </message>
    <message>
        <source>%1: met (lines %2)</source>
        <extracomment>A mark met or not, a feature found or not; %1 is the mark, %2 the lines involved (&quot;2, 5–10&quot;).</extracomment>
        <translation>%1：満たす（%2行目）</translation>
    </message>
    <message>
        <source>%1: not met (lines %2)</source>
        <translation>%1：満たさない（%2行目）</translation>
    </message>
    <message>
        <source>%1: found (lines %2)</source>
        <translation>%1：あり（%2行目）</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1：なし</translation>
    </message>
    <message>
        <source>Work amount at level Ⓐ: %1 and %2 per line (Ⓐ from %3 and %4)</source>
        <extracomment>The work-amount level; %1 and %2 are the halves&apos; means per line, %3 and %4 the level&apos;s marks.</extracomment>
        <translation>作業量はⒶ段階：1行あたり前半 %1、後半 %2（Ⓐは前半 %3、後半 %4 から）</translation>
    </message>
    <message>
        <source>Work amount below level Ⓐ: %1 and %2 per line (Ⓐ from %3 and %4)</source>
        <translation>作業量はⒶ段階に届かない：1行あたり前半 %1、後半 %2（Ⓐは前半 %3、後半 %4 から）</translation>
    </message>
    <message>
        <source>Close to the typical curve</source>
        <extracomment>The curve&apos;s leaning against the typical curve.</extracomment>
        <translation>定型曲線に近い</translation>
    </message>
    <message>
        <source>Partly like the typical curve</source>
        <translation>部分的に定型曲線に近い</translation>
    </message>
    <message>
        <source>Far from the typical curve</source>
        <translation>定型曲線から遠い</translation>
    </message>
    <message>
        <source>baik sekali</source>
        <extracomment>Kraepelin&apos;s five levels, in the test&apos;s own words.</extracomment>
        <translatorcomment>用語一覧：クレペリン検査の5段階はインドネシアの検査の語のまま書き、全角括弧で意味を添える：baik sekali（非常に良い）、baik（良い）、sedang（普通）、kurang（やや劣る）、kurang sekali（劣る）。</translatorcomment>
        <translation>baik sekali（非常に良い）</translation>
    </message>
    <message>
        <source>baik</source>
        <translation>baik（良い）</translation>
    </message>
    <message>
        <source>sedang</source>
        <translation>sedang（普通）</translation>
    </message>
    <message>
        <source>kurang</source>
        <translation>kurang（やや劣る）</translation>
    </message>
    <message>
        <source>kurang sekali</source>
        <translation>kurang sekali（劣る）</translation>
    </message>
    <message>
        <source>No band table: none of the sources found publishes the cut points of the bands they apply.</source>
        <extracomment>Where no source publishes Kraepelin&apos;s bands.</extracomment>
        <translation>段階の表なし：見つかった資料はどれも、用いている段階の区切りの値を公表していません。</translation>
    </message>
    <message>
        <source>First period: %1 additions against a mark of %2</source>
        <extracomment>Pauli&apos;s marks; %1 and %2 are the figures compared.</extracomment>
        <translation>第1区間：足し算%1回（目安は%2回）</translation>
    </message>
    <message>
        <source>Peak in period %1 (late from period %2)</source>
        <translation>最高は第%1区間（第%2区間からが後半）</translation>
    </message>
    <message>
        <source>End of %1 additions against the early dip of %2</source>
        <translation>最後の区間は足し算%1回（初めの落ち込みは%2回）</translation>
    </message>
</context>
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
・履歴：history（履歴ウィンドウ、「履歴(&amp;H)…」）。残す：keep（検査を履歴に残す）。傾向：向上・安定・変動・低下（良し悪しの向きがない指標は上昇・下降）。
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
    <message>
        <source>No answer times: the sheet was worked on paper and entered by hand</source>
        <translation>解答時間はありません。紙で行い、手で入力した検査です</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>The file this sitting was imported from does not say its seed</source>
        <translation>この検査の取り込み元のファイルにはシードが書かれていません</translation>
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
    <name>sheetresults::MarksView</name>
    <message>
        <source>Marks</source>
        <translation>目安</translation>
    </message>
    <message>
        <source>Where this sitting stands against the marks published for its test, one a row with its verdict, its lines and its sources; the Up and Down keys move through them, and the curve frames the chosen one&apos;s lines</source>
        <translation>この検査が、その検査に公表された目安に対してどこにあるか。1行に1つの目安を判定、行、出典とともに示します。上下キーで移動し、選んだ目安の行をグラフが枠で囲みます</translation>
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
        <source>Pairs reached per %1, right and wrong or blank stacked; Left and Right step through them.</source>
        <translation>%1ごとの到達した組の数。正答と誤答・空欄を積み重ねて示します。左右キーで移動します。</translation>
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
    <message>
        <source>mark missed</source>
        <comment>legend</comment>
        <extracomment>The chart&apos;s legend: the flag over a bar where a published mark was missed.</extracomment>
        <translation>満たさない目安</translation>
    </message>
    <message>
        <source>chosen mark</source>
        <comment>legend</comment>
        <extracomment>The chart&apos;s legend: the frame around the bars of the mark chosen in the Marks part.</extracomment>
        <translation>選んだ目安</translation>
    </message>
    <message>
        <source>Marks missed, flagged: %1.</source>
        <extracomment>The marks missed, each with its lines, flagged on the curve: &quot;Marks missed, flagged: Line 15 second only to line 1: not met (lines 12, 15).&quot;</extracomment>
        <translation>旗で示した満たさない目安：%1。</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between marks</comment>
        <translation>；</translation>
    </message>
    <message>
        <source>Framed: %1.</source>
        <extracomment>The mark chosen in the Marks part, whose lines the curve frames.</extracomment>
        <translation>枠で囲んだ目安：%1。</translation>
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
    <message>
        <source>Worked on paper: no answer times, so no digit-pair map, which shows each pair&apos;s answer time. The right and wrong answers are in the curve and the scores.</source>
        <translation>紙で行った検査：解答時間がないため、各組の解答時間を示す数字の組み合わせ表はありません。正答と誤答は曲線と得点にあります。</translation>
    </message>
    <message>
        <source>%1 (paper)</source>
        <extracomment>A sheet worked on paper and entered by hand: &quot;Kraepelin 50 × 15 s (paper)&quot;.</extracomment>
        <translation>%1（紙）</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>履歴(&amp;H)…</translation>
    </message>
    <message>
        <source>This sitting&apos;s leading score against your earlier sittings of the same format</source>
        <translation>この検査の主な指標を、同じ形式のこれまでの検査と比べます</translation>
    </message>
    <message>
        <source>Your kept sittings, their scores over time and the trend</source>
        <translation>残した検査の指標の推移と傾向</translation>
    </message>
    <message>
        <source>Sc&amp;ores</source>
        <extracomment>The tab of the sitting&apos;s scores.</extracomment>
        <translation>指標(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Marks</source>
        <extracomment>The tab of where the sitting stands against the marks published for its test.</extracomment>
        <translation>目安(&amp;M)</translation>
    </message>
    <message>
        <source>Sheet results – %1</source>
        <extracomment>A sitting imported from a file that does not say its seed; %1 is the sheet&apos;s title.</extracomment>
        <translation>検査結果 – %1</translation>
    </message>
</context>
</TS>
