<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>charts::CurveOverlayChart</name>
</context>
<context>
    <name>charts::CurveOverlayPainter</name>
    <message>
        <source>blue solid line</source>
        <extracomment>A curve of the overlay in words, where its legend is left out: the first sitting&apos;s line.</extracomment>
        <translation>garis biru utuh</translation>
    </message>
    <message>
        <source>orange dashed line</source>
        <extracomment>The second sitting&apos;s line.</extracomment>
        <translation>garis jingga putus-putus</translation>
    </message>
    <message>
        <source>green dotted line</source>
        <extracomment>The third sitting&apos;s line.</extracomment>
        <translation>garis hijau titik-titik</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One curve of the overlay in words and the sitting it stands for: &quot;blue solid line: 2026-03-12 09:30&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the curves of the legend in words.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>Select up to three sittings to lay their curves over one another</source>
        <extracomment>Written across the overlay of curves while no sitting is chosen for it.</extracomment>
        <translation>Pilih sampai tiga tes untuk menumpuk kurvanya</translation>
    </message>
    <message>
        <source>per %1</source>
        <extracomment>Written at the right of the overlay&apos;s legend: what one step across stands for, as &quot;per column&quot;.</extracomment>
        <translation>per %1</translation>
    </message>
</context>
<context>
    <name>charts::FigureText</name>
    <message>
        <source>%1 + %2: no answers</source>
        <extracomment>A digit pair of the pair map that was never answered: &quot;7 + 5: no answers&quot;.</extracomment>
        <translation>%1 + %2: tidak ada jawaban</translation>
    </message>
    <message>
        <source>%1 + %2: %3 answer, %4 false, median %5</source>
        <extracomment>A digit pair&apos;s figures: &quot;7 + 5: 1 answer, 0 false, median 1.00 s&quot;.</extracomment>
        <translation>%1 + %2: %3 jawaban, %4 salah, median %5</translation>
    </message>
    <message>
        <source>%1 + %2: %3 answers, %4 false, median %5</source>
        <extracomment>A digit pair&apos;s figures: &quot;7 + 5: 3 answers, 1 false, median 1.00 s&quot;.</extracomment>
        <translation>%1 + %2: %3 jawaban, %4 salah, median %5</translation>
    </message>
</context>
<context>
    <name>charts::PairMap</name>
    <message>
        <source>Digit-pair map</source>
        <translation>Peta pasangan angka</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the pairs listed after &quot;Slowest:&quot; and &quot;Errors:&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Median answer time of each digit pair, first operand down, second across; darker is slower, a red corner marks errors.</source>
        <translation>Waktu jawab median tiap pasangan angka, angka pertama ke bawah, angka kedua ke samping; makin gelap makin lambat, sudut merah menandai kesalahan.</translation>
    </message>
    <message>
        <source>%1 of 100 pairs answered.</source>
        <translation>%1 dari 100 pasangan dijawab.</translation>
    </message>
    <message>
        <source>Slowest: %1.</source>
        <extracomment>The five pairs with the longest median answer time, as &quot;6 + 9 (1.50 s), 7 + 5 (1.00 s)&quot;.</extracomment>
        <translation>Paling lambat: %1.</translation>
    </message>
    <message>
        <source>No errors.</source>
        <extracomment>The pairs answered wrongly, each with how often, as &quot;6 + 9 (1), 7 + 5 (2)&quot;.</extracomment>
        <translation>Tidak ada kesalahan.</translation>
    </message>
    <message>
        <source>Errors: %1.</source>
        <translation>Kesalahan: %1.</translation>
    </message>
    <message>
        <source>Arrow keys read each pair; now at %1.</source>
        <extracomment>The pair under the cursor and its figures, as &quot;7 + 5: 3 answers, 1 false, median 1.00 s&quot;.</extracomment>
        <translation>Tombol panah membacakan tiap pasangan; sekarang di %1.</translation>
    </message>
</context>
<context>
    <name>charts::PairMapPainter</name>
    <message>
        <source>error</source>
        <extracomment>The pair map&apos;s legend, beside a cell&apos;s red corner: the user erred at that pair.</extracomment>
        <translatorcomment>Istilah: “salah”, seperti di seluruh katalog untuk jawaban yang salah. Sama panjangnya dengan “galat”, jadi legenda tetap muat.</translatorcomment>
        <translation>salah</translation>
    </message>
</context>
<context>
    <name>charts::PeriodCurvePainter</name>
    <message>
        <source>partial</source>
        <extracomment>The chart&apos;s legend: a hatched bar, the period the run was stopped inside.</extracomment>
        <translatorcomment>Menit (atau lajur, baris, periode) tempat sesi dihentikan, yang tidak dikerjakan sampai habis. Istilah: “tidak lengkap”, lawan “lengkap”.</translatorcomment>
        <translation>tidak lengkap</translation>
    </message>
    <message>
        <source>median time</source>
        <extracomment>The chart&apos;s legend: the line of each period&apos;s median answer time, on the right scale in seconds.</extracomment>
        <translatorcomment>Cukup &quot;median&quot;: garisnya dibaca pada skala detik di kanan, dan legenda harus muat sesempit legenda bahasa Inggris.</translatorcomment>
        <translation>median</translation>
    </message>
    <message>
        <source>break</source>
        <extracomment>The chart&apos;s legend: the line between the two halves of a test, where its break was.</extracomment>
        <translatorcomment>Jeda di antara dua paruh tes, seperti istirahat pada tes Uchida-Kraepelin.</translatorcomment>
        <translation>istirahat</translation>
    </message>
    <message>
        <source>per %1</source>
        <extracomment>Written at the right of the chart&apos;s legend: what one bar stands for, as &quot;per column&quot;.</extracomment>
        <translation>per %1</translation>
    </message>
    <message>
        <source>No answers</source>
        <extracomment>Written across a chart that has no periods at all.</extracomment>
        <translation>Tidak ada jawaban</translation>
    </message>
    <message>
        <source>true</source>
        <extracomment>The chart&apos;s legend: the lower part of a bar, the true answers.</extracomment>
        <translatorcomment>Istilah: jawaban &quot;benar&quot; dan &quot;salah&quot;, seperti pada lembar hasil latihan Kraepelin dan Pauli.</translatorcomment>
        <translation>benar</translation>
    </message>
    <message>
        <source>false</source>
        <extracomment>The chart&apos;s legend: the upper part of a bar, the false answers.</extracomment>
        <translation>salah</translation>
    </message>
    <message>
        <source>trend</source>
        <extracomment>The chart&apos;s legend: the dashed least-squares line over the complete minutes.</extracomment>
        <translatorcomment>Garis lurus kuadrat terkecil; kemiringannya adalah “Tren per menit” di tabel indeks.</translatorcomment>
        <translation>tren</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>A mark of the chart&apos;s legend in words, where the legend is left out: the true answers&apos; colour.</extracomment>
        <translation>hijau</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>The false answers&apos; colour.</extracomment>
        <translation>merah</translation>
    </message>
    <message>
        <source>hatched</source>
        <extracomment>The partial period&apos;s bar.</extracomment>
        <translation>berarsir</translation>
    </message>
    <message>
        <source>blue line</source>
        <extracomment>The median answer time&apos;s line.</extracomment>
        <translation>garis biru</translation>
    </message>
    <message>
        <source>dashed line</source>
        <extracomment>The trend&apos;s line.</extracomment>
        <translation>garis putus-putus</translation>
    </message>
    <message>
        <source>dash-dotted line</source>
        <extracomment>The break&apos;s line.</extracomment>
        <translation>garis titik-strip</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One mark of the legend in words and what it stands for: &quot;green: true&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the marks of the legend in words.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>violet flag</source>
        <extracomment>The flag over a period where a mark was missed.</extracomment>
        <translation>bendera ungu</translation>
    </message>
    <message>
        <source>violet frame</source>
        <extracomment>The frame around the periods of the chosen mark.</extracomment>
        <translation>bingkai ungu</translation>
    </message>
</context>
<context>
    <name>charts::ScoreTimeChart</name>
</context>
<context>
    <name>charts::ScoreTimePainter</name>
    <message>
        <source>orange ring</source>
        <extracomment>A mark of the score chart&apos;s legend in words, where the legend is left out: the best sitting&apos;s.</extracomment>
        <translation>lingkaran jingga</translation>
    </message>
    <message>
        <source>filled dot</source>
        <extracomment>The last sitting&apos;s mark.</extracomment>
        <translation>titik penuh</translation>
    </message>
    <message>
        <source>hollow dot</source>
        <extracomment>The mark of the sitting before the last.</extracomment>
        <translation>titik kosong</translation>
    </message>
    <message>
        <source>dashed line</source>
        <extracomment>The trend&apos;s line.</extracomment>
        <translation>garis putus-putus</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>One mark of the legend in words and what it stands for: &quot;orange ring: best 15.0&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the marks of the legend in words.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>No sittings</source>
        <extracomment>Written across a chart of a score that has no sittings to show.</extracomment>
        <translation>Belum ada tes</translation>
    </message>
</context>
<context>
    <name>charts::StepChart</name>
    <message>
        <source>Selected: %1.</source>
        <extracomment>A chart&apos;s description: the item selected with the keyboard.</extracomment>
        <translation>Terpilih: %1.</translation>
    </message>
    <message>
        <source>Legend: %1.</source>
        <extracomment>A chart&apos;s legend in words, where the chart is too small to draw it.</extracomment>
        <translation>Legenda: %1.</translation>
    </message>
</context>
</TS>
