<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>workcurve::IndexText</name>
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
        <translation>Menit %1 (tak penuh): %2 dijawab, %3 benar, %4 salah, median %5, persentil ke-90 %6</translation>
    </message>
</context>
<context>
    <name>workcurve::RunCurveChart</name>
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
        <translation>Dipilih: %1.</translation>
    </message>
    <message>
        <source>Answered per minute, true and false stacked, with the median answer time of each minute and the trend; Left and Right step through the minutes.</source>
        <translation>Jumlah jawaban per menit, benar dan salah bertumpuk, dengan waktu jawab median tiap menit dan garis trennya; tombol Kiri dan Kanan berpindah dari menit ke menit.</translation>
    </message>
    <message>
        <source>Trend per minute: %1.</source>
        <translation>Hanker (tren per menit): %1.</translation>
    </message>
    <message>
        <source>Legend: %1.</source>
        <extracomment>The chart&apos;s legend in words, where the chart is too small to draw it: &quot;green: true; red: false&quot;.</extracomment>
        <translation>Legenda: %1.</translation>
    </message>
</context>
<context>
    <name>workcurve::frmWorkCurve</name>
    <message>
        <source>Answered</source>
        <translatorcomment>Daftar istilah indeks kurva kerja. Dijawab: jumlah semua jawaban, seperti jumlah jawaban per lajur pada tes Kraepelin.</translatorcomment>
        <translation>Dijawab</translation>
    </message>
    <message>
        <source>Every judged answer of the run, the partial minute included</source>
        <translation>Semua jawaban yang dinilai dalam sesi ini, termasuk menit yang tidak penuh</translation>
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
        <translatorcomment>Menit penuh: setiap menit di sini sepadan dengan satu lajur pada tes Kraepelin.</translatorcomment>
        <translation>Menit penuh</translation>
    </message>
    <message>
        <source>Minutes the run lasted in full. A minute the run was stopped inside is shown in the chart, hatched, but left out of speed, fluctuation and trend</source>
        <translation>Menit yang dijalani sampai habis. Menit saat sesi dihentikan tampil di grafik dengan arsiran, tetapi tidak dihitung dalam panker, janker, dan hanker</translation>
    </message>
    <message>
        <source>Speed</source>
        <translatorcomment>Panker (kecepatan kerja): rata-rata jawaban per lajur; di sini per menit penuh. Kata yang dipakai peserta tes Kraepelin/Pauli di Indonesia.</translatorcomment>
        <translation>Panker</translation>
    </message>
    <message>
        <source>Mean answered per complete minute</source>
        <translation>Panker (kecepatan kerja): rata-rata jumlah jawaban per menit penuh</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translatorcomment>Ketelitian: persentase jawaban benar. Bukan tianker, yang menghitung jumlah kesalahan, karena angka ini berupa persen.</translatorcomment>
        <translation>Ketelitian</translation>
    </message>
    <message>
        <source>True answers in percent of all answers of the run</source>
        <translation>Persentase jawaban benar dari semua jawaban dalam sesi ini</translation>
    </message>
    <message>
        <source>Fluctuation</source>
        <translatorcomment>Janker (keajegan kerja): selisih jumlah jawaban lajur tertinggi dan terendah, persis indeks ini.</translatorcomment>
        <translation>Janker</translation>
    </message>
    <message>
        <source>Most minus fewest answered in a complete minute; needs two complete minutes</source>
        <translation>Janker (keajegan kerja): jawaban terbanyak dikurangi tersedikit dalam satu menit penuh; perlu dua menit penuh</translation>
    </message>
    <message>
        <source>Trend per minute</source>
        <translatorcomment>Hanker (ketahanan kerja): kemiringan garis kuadrat terkecil jumlah jawaban per lajur, persis indeks ini; satuannya ada pada angkanya (jawaban/menit).</translatorcomment>
        <translation>Hanker</translation>
    </message>
    <message>
        <source>Least-squares slope of answered per minute against the minute&apos;s number: answers per minute gained each minute (negative: slowing down); needs two complete minutes</source>
        <translation>Hanker (ketahanan kerja): kemiringan garis kuadrat terkecil jumlah jawaban per menit terhadap nomor menitnya, yaitu tambahan jawaban per menit pada setiap menit (negatif: makin lambat); perlu dua menit penuh</translation>
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
        <translatorcomment>Selesai: jam berakhirnya latihan; satu kata agar kolom tetap sempit.</translatorcomment>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>When the run ended</source>
        <translation>Waktu sesi berakhir</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Simpan CSV…</translation>
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
</context>
</TS>
