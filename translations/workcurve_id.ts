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
        <translation>Menit %1 (tidak lengkap): %2 dijawab, %3 benar, %4 salah, median %5, persentil ke-90 %6</translation>
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
        <source>&amp;History…</source>
        <translation>Riwayat &amp;hasil…</translation>
    </message>
    <message>
        <source>This run&apos;s speed against your earlier logged runs</source>
        <translation>Kecepatan sesi ini dibandingkan sesi Anda sebelumnya yang dicatat</translation>
    </message>
    <message>
        <source>Your kept sittings, their scores over time and the trend</source>
        <translation>Tes yang Anda simpan, skornya dari waktu ke waktu, dan trennya</translation>
    </message>
</context>
</TS>
