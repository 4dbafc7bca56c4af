<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>workcurve::AnswersFile</name>
    <message>
        <source>Save answers as CSV</source>
        <translation>Simpan jawaban ke CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Berkas CSV (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>The answers could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>The file&apos;s path, then on a line of its own the system&apos;s reason.</extracomment>
        <translation>Jawaban tidak dapat disimpan ke &quot;%1&quot;:
%2</translation>
    </message>
</context>
<context>
    <name>workcurve::CurveChart</name>
    <message>
        <source>Answers per minute</source>
        <translation>Jawaban per menit</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Ends a sentence of the chart&apos;s description made of a minute&apos;s figures.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Selected: %1.</source>
        <translation>Terpilih: %1.</translation>
    </message>
    <message>
        <source>Answered per minute, true and false stacked, with the median answer time of each minute and the trend; Left and Right step through the minutes.</source>
        <translation>Jumlah jawaban per menit, benar dan salah bertumpuk, dengan waktu jawab median tiap menit dan garis trennya; tombol Kiri dan Kanan berpindah dari menit ke menit.</translation>
    </message>
    <message>
        <source>Trend per minute: %1.</source>
        <translation>Tren per menit: %1.</translation>
    </message>
    <message>
        <source>Legend: %1.</source>
        <extracomment>The chart&apos;s legend in words, where the chart is too small to draw it: &quot;green: true; red: false&quot;.</extracomment>
        <translation>Legenda: %1.</translation>
    </message>
</context>
<context>
    <name>workcurve::CurveChartPainter</name>
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
</context>
<context>
    <name>workcurve::FigureText</name>
    <message>
        <source>%1 a minute</source>
        <extracomment>The Speed row&apos;s figure: the mean of answers per complete minute, as &quot;4.0&quot;.</extracomment>
        <translation>%1 per menit</translation>
    </message>
    <message>
        <source>1 answer</source>
        <extracomment>The Fluctuation row&apos;s figure: most minus fewest answered in a complete minute.</extracomment>
        <translation>1 jawaban</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <translation>%1 jawaban</translation>
    </message>
    <message>
        <source>%1 answers/min</source>
        <extracomment>The trend&apos;s figure: answers per minute gained each minute, as &quot;+1.25&quot; or &quot;-0.50&quot;.</extracomment>
        <translation>%1 jawaban/menit</translation>
    </message>
    <message>
        <source>%1 (%2 true, %3 false)</source>
        <extracomment>The Answered row&apos;s figure: all answers, then how many were true and how many false.</extracomment>
        <translation>%1 (%2 benar, %3 salah)</translation>
    </message>
    <message>
        <source>Minute %1: %2 answered, %3 true, %4 false, median %5, 90th percentile %6</source>
        <extracomment>A minute&apos;s figures in the chart&apos;s tooltip and for screen readers: the minute&apos;s number, answered, true, false, the median answer time and the 90th percentile (as &quot;0.30 s&quot;).</extracomment>
        <translation>Menit %1: %2 dijawab, %3 benar, %4 salah, median %5, persentil ke-90 %6</translation>
    </message>
    <message>
        <source>Minute %1 (partial): %2 answered, %3 true, %4 false, median %5, 90th percentile %6</source>
        <extracomment>The same for the minute the run was stopped inside.</extracomment>
        <translation>Menit %1 (tidak lengkap): %2 dijawab, %3 benar, %4 salah, median %5, persentil ke-90 %6</translation>
    </message>
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
    <name>workcurve::PairMap</name>
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
    <name>workcurve::PairMapPainter</name>
    <message>
        <source>error</source>
        <extracomment>The pair map&apos;s legend, beside a cell&apos;s red corner: the user erred at that pair.</extracomment>
        <translatorcomment>Istilah: “salah”, seperti di seluruh katalog untuk jawaban yang salah. Sama panjangnya dengan “galat”, jadi legenda tetap muat.</translatorcomment>
        <translation>salah</translation>
    </message>
</context>
<context>
    <name>workcurve::frmWorkCurve</name>
    <message>
        <source>Answered</source>
        <translatorcomment>Daftar istilah indeks kurva kerja. Angkanya dihitung per menit dari semua jawaban, bukan per lajur Kraepelin, jadi tidak memakai nama panker, tianker, janker, atau hanker. Dijawab: banyaknya semua jawaban sesi ini.</translatorcomment>
        <translation>Dijawab</translation>
    </message>
    <message>
        <source>Every judged answer of the run, the partial minute included</source>
        <translation>Semua jawaban yang dinilai dalam sesi ini, termasuk menit yang tidak lengkap</translation>
    </message>
    <message>
        <source>Duration</source>
        <translatorcomment>Durasi: lama latihan menurut jamnya, dalam menit dan detik.</translatorcomment>
        <translation>Durasi</translation>
    </message>
    <message>
        <source>How long the run lasted, as its clock showed it</source>
        <translation>Lama sesi berlangsung, seperti yang ditunjukkan jamnya</translation>
    </message>
    <message>
        <source>Complete minutes</source>
        <translatorcomment>Menit lengkap: menit yang dijalani sampai habis. Satu menit bukan satu lajur tes Kraepelin, yang berganti setiap 15 atau 30 detik; satu menit sepadan dengan satu baris Uchida-Kraepelin.</translatorcomment>
        <translation>Menit lengkap</translation>
    </message>
    <message>
        <source>Minutes the run lasted in full. A minute the run was stopped inside is shown in the chart, hatched, but left out of speed, fluctuation and trend</source>
        <translation>Menit yang dijalani sampai habis. Menit saat sesi dihentikan tampil di grafik dengan arsiran, tetapi tidak dihitung dalam kecepatan, keajegan, dan tren</translation>
    </message>
    <message>
        <source>Speed</source>
        <translatorcomment>Kecepatan: rata-rata banyaknya jawaban (benar dan salah) per menit lengkap. Bukan panker: panker adalah rata-rata per lajur Kraepelin (15 atau 30 detik), jadi angka per menit ini kira-kira empat kali panker.</translatorcomment>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>Mean answered per complete minute</source>
        <translation>Rata-rata banyaknya jawaban (benar dan salah) per menit lengkap</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translatorcomment>Persentase benar: persentase jawaban benar dari semua jawaban, makin tinggi makin baik. Bukan “ketelitian”, sebutan tianker, indeks Kraepelin yang menghitung kesalahan (makin sedikit makin baik).</translatorcomment>
        <translation>Persentase benar</translation>
    </message>
    <message>
        <source>True answers in percent of all answers of the run</source>
        <translation>Persentase jawaban benar dari semua jawaban dalam sesi ini</translation>
    </message>
    <message>
        <source>Fluctuation</source>
        <translatorcomment>Keajegan: selisih banyaknya jawaban menit terbanyak dan tersedikit, seperti rentang janker tetapi per menit; makin kecil makin ajeg.</translatorcomment>
        <translation>Keajegan</translation>
    </message>
    <message>
        <source>Most minus fewest answered in a complete minute; needs two complete minutes</source>
        <translation>Jawaban terbanyak dikurangi tersedikit dalam satu menit lengkap; perlu dua menit lengkap</translation>
    </message>
    <message>
        <source>Trend per minute</source>
        <translatorcomment>Tren per menit: kemiringan garis kuadrat terkecil banyaknya jawaban per menit; satuannya ada pada angkanya (jawaban/menit). Bukan hanker, yang dihitung per lajur.</translatorcomment>
        <translation>Tren per menit</translation>
    </message>
    <message>
        <source>Least-squares slope of answered per minute against the minute&apos;s number: answers per minute gained each minute (negative: slowing down); needs two complete minutes</source>
        <translation>Kemiringan garis kuadrat terkecil banyaknya jawaban per menit terhadap nomor menitnya, yaitu tambahan jawaban per menit pada setiap menit (negatif: makin lambat); perlu dua menit lengkap</translation>
    </message>
    <message>
        <source>Median time</source>
        <translatorcomment>Waktu median: waktu jawab, dari soal muncul sampai Enter; istilah statistik yang lazim.</translatorcomment>
        <translation>Waktu median</translation>
    </message>
    <message>
        <source>Half the answers took at most this long, from the pair appearing to Enter (nearest rank)</source>
        <translation>Separuh jawaban memerlukan paling lama waktu ini, sejak pasangan angka muncul sampai Enter ditekan (peringkat terdekat)</translation>
    </message>
    <message>
        <source>90th percentile</source>
        <translatorcomment>Persentil ke-90: istilah statistik baku dalam bahasa Indonesia.</translatorcomment>
        <translation>Persentil ke-90</translation>
    </message>
    <message>
        <source>Nine answers in ten took at most this long (nearest rank)</source>
        <translation>Sembilan dari sepuluh jawaban memerlukan paling lama waktu ini (peringkat terdekat)</translation>
    </message>
    <message>
        <source>Ended</source>
        <translatorcomment>Berakhir: jam berakhirnya sesi; satu kata agar kolom tetap sempit, sama dengan “Berakhir” di hasil lembar tes.</translatorcomment>
        <translation>Berakhir</translation>
    </message>
    <message>
        <source>When the run ended</source>
        <translation>Waktu sesi berakhir</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translatorcomment>Tombol ini hanya 89 px: “Simpan jawaban ke CSV” tidak muat, jadi dipendekkan menjadi “Simpan CSV”, seperti sumbernya yang juga lebih pendek daripada menu “Save answers as CSV”.</translatorcomment>
        <translation>&amp;Simpan CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Work curve</source>
        <translatorcomment>Kurva kerja: istilah yang dipakai untuk grafik hasil tes Kraepelin dan Pauli.</translatorcomment>
        <translation>Kurva kerja</translation>
    </message>
    <message>
        <source>Indices</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>The run&apos;s figures, one a row; the Up and Down keys move through them</source>
        <translation>Angka-angka sesi ini, satu per baris; tombol Atas dan Bawah berpindah di antaranya</translation>
    </message>
    <message>
        <source>Save every answer of this run, with its answer time, to a CSV file</source>
        <translation>Simpan setiap jawaban sesi ini beserta waktu jawabnya ke berkas CSV</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Tutup jendela ini (Esc)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader reads for a figure of the indices table: the row&apos;s name, then its figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
