<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>Figure</name>
    <message>
        <source>Pairs reached</source>
        <translation>Pasangan tercapai</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Benar</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Salah</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Dilewati</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Koreksi</translation>
    </message>
    <message>
        <source>Median answer time (ms)</source>
        <translation>Waktu jawab median (md)</translation>
    </message>
    <message>
        <source>90th percentile answer time (ms)</source>
        <translation>Waktu jawab persentil ke-90 (md)</translation>
    </message>
    <message>
        <source>Speed (panker)</source>
        <translation>Kecepatan (panker)</translation>
    </message>
    <message>
        <source>Accuracy (tianker)</source>
        <translation>Ketelitian (tianker)</translation>
    </message>
    <message>
        <source>Steadiness (janker), range</source>
        <translation>Keajegan (janker), rentang</translation>
    </message>
    <message>
        <source>Steadiness (janker), average deviation</source>
        <translation>Keajegan (janker), simpangan rata-rata</translation>
    </message>
    <message>
        <source>Endurance (hanker), slope</source>
        <translation>Ketahanan (hanker), kemiringan</translation>
    </message>
    <message>
        <source>Endurance (hanker), rise</source>
        <translation>Ketahanan (hanker), kenaikan</translation>
    </message>
    <message>
        <source>Speed (panker), right answers per column</source>
        <translation>Kecepatan (panker), jawaban benar per lajur</translation>
    </message>
    <message>
        <source>Steadiness (janker), standard deviation</source>
        <translation>Keajegan (janker), simpangan baku</translation>
    </message>
    <message>
        <source>Endurance (hanker), y(N) − y(0)</source>
        <translation>Ketahanan (hanker), y(N) − y(0)</translation>
    </message>
    <message>
        <source>Work amount (作業量) per line</source>
        <translation>Jumlah kerja per baris</translation>
    </message>
    <message>
        <source>First half, mean per line</source>
        <translation>Paruh pertama, rata-rata per baris</translation>
    </message>
    <message>
        <source>Second half, mean per line</source>
        <translation>Paruh kedua, rata-rata per baris</translation>
    </message>
    <message>
        <source>First half, initial effort (初頭努力率)</source>
        <translation>Paruh pertama, upaya awal</translation>
    </message>
    <message>
        <source>Second half, initial effort (初頭努力率)</source>
        <translation>Paruh kedua, upaya awal</translation>
    </message>
    <message>
        <source>First half, fluctuation (動揺率)</source>
        <translation>Paruh pertama, fluktuasi</translation>
    </message>
    <message>
        <source>Second half, fluctuation (動揺率)</source>
        <translation>Paruh kedua, fluktuasi</translation>
    </message>
    <message>
        <source>Rest effect (休憩効果率)</source>
        <translation>Efek istirahat</translation>
    </message>
    <message>
        <source>Errors in percent of the work</source>
        <translation>Kesalahan dalam persen jumlah kerja</translation>
    </message>
    <message>
        <source>Additions</source>
        <translation>Penjumlahan</translation>
    </message>
    <message>
        <source>Error %</source>
        <translation>Kesalahan (%)</translation>
    </message>
    <message>
        <source>Average deviation of the periods</source>
        <translation>Simpangan rata-rata periode</translation>
    </message>
    <message>
        <source>Slope per period</source>
        <translation>Kemiringan per periode</translation>
    </message>
    <message>
        <source>First period&apos;s additions</source>
        <translation>Penjumlahan periode pertama</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Dijawab</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Benar</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Salah</translation>
    </message>
    <message>
        <source>Speed (answers per minute)</source>
        <translation>Kecepatan (jawaban per menit)</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Persentase benar (%)</translation>
    </message>
    <message>
        <source>Fluctuation (answers)</source>
        <translation>Keajegan (jawaban)</translation>
    </message>
    <message>
        <source>Trend per minute</source>
        <translation>Tren per menit</translation>
    </message>
</context>
<context>
    <name>Trend</name>
    <message>
        <source>improving</source>
        <extracomment>A figure&apos;s course over the last sittings of one format.</extracomment>
        <translation>membaik</translation>
    </message>
    <message>
        <source>steady</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>berubah-ubah</translation>
    </message>
    <message>
        <source>worsening</source>
        <translation>memburuk</translation>
    </message>
    <message>
        <source>rising</source>
        <extracomment>A figure&apos;s course, of a figure that is better neither higher nor lower.</extracomment>
        <translation>naik</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>turun</translation>
    </message>
    <message>
        <source>Over the last %1 sittings of this format: a trend when the least-squares line moved at least twice as far as the sittings scatter about it and by at least 5 % of the figure; otherwise variable when they scatter by 10 % of the figure or more, else steady.</source>
        <extracomment>The trend&apos;s tooltip: how the course was judged; %1 is the number of sittings.</extracomment>
        <translation>Dalam %1 tes terakhir dengan format ini: ada tren bila garis regresi (kuadrat terkecil) bergeser paling sedikit dua kali sebaran tes di sekitarnya dan paling sedikit 5 % dari nilainya; jika tidak, berubah-ubah bila tes menyebar 10 % dari nilainya atau lebih, selain itu stabil.</translation>
    </message>
</context>
<context>
    <name>keeping::HistoryText</name>
    <message>
        <source>Time up</source>
        <extracomment>How a kept sitting ended: its time ran out.</extracomment>
        <translation>Waktu habis</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>How a kept sitting ended: the user stopped it.</extracomment>
        <translation>Dihentikan</translation>
    </message>
    <message>
        <source>Worked through</source>
        <extracomment>How a kept sitting ended: a sheet without a cue worked to its last pair.</extracomment>
        <translation>Selesai dikerjakan</translation>
    </message>
    <message>
        <source>Imported</source>
        <extracomment>A kept sitting imported from a CSV file, which does not say how it ended.</extracomment>
        <translation>Diimpor</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>What happened to the history, then the system&apos;s own reason in brackets.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Against your earlier sittings: %1 %2, your best yet; previous %3 (%4), best before %5</source>
        <extracomment>The results&apos; line against the user&apos;s history, where this sitting is the best: the figure&apos;s name, its value, the previous sitting&apos;s value, its change, then the best before this one with its date.</extracomment>
        <translation>Dibandingkan tes Anda sebelumnya: %1 %2, terbaik sejauh ini; sebelumnya %3 (%4), terbaik sebelumnya %5</translation>
    </message>
    <message>
        <source>Against your earlier sittings: %1 %2; previous %3 (%4), best %5</source>
        <extracomment>The results&apos; line against the user&apos;s history: the figure&apos;s name, its value, the previous sitting&apos;s value, its change, then the best with its date.</extracomment>
        <translation>Dibandingkan tes Anda sebelumnya: %1 %2; sebelumnya %3 (%4), terbaik %5</translation>
    </message>
    <message>
        <source>The history could not be opened</source>
        <translation>Riwayat tidak dapat dibuka</translation>
    </message>
    <message>
        <source>The history is in use by another Tavrendale</source>
        <translation>Riwayat sedang dipakai Tavrendale lain</translation>
    </message>
    <message>
        <source>The history can be read but not written</source>
        <translation>Riwayat dapat dibaca tetapi tidak dapat ditulisi</translation>
    </message>
    <message>
        <source>The disk that holds the history is full</source>
        <translation>Disk tempat riwayat disimpan sudah penuh</translation>
    </message>
    <message>
        <source>The history is damaged and cannot be read</source>
        <translation>Riwayat rusak dan tidak dapat dibaca</translation>
    </message>
    <message>
        <source>The history was written by a newer Tavrendale (layout %1) and is only read here</source>
        <extracomment>%1 is the version of the history&apos;s layout the newer program wrote.</extracomment>
        <translation>Riwayat ditulis oleh Tavrendale yang lebih baru (tata letak %1) dan di sini hanya dibaca</translation>
    </message>
    <message>
        <source>That sitting is no longer in the history</source>
        <translation>Tes itu sudah tidak ada di riwayat</translation>
    </message>
    <message>
        <source>The history could not do that</source>
        <translation>Riwayat tidak dapat melakukannya</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>One line about the history: what happened, then the file&apos;s path.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>This sitting was not kept; its results stay here and can be saved as CSV.</source>
        <extracomment>Added to a fault of the history after a sitting ended: it is still on screen and can be saved.</extracomment>
        <translation>Tes ini tidak disimpan; hasilnya tetap di sini dan dapat disimpan ke CSV.</translation>
    </message>
</context>
<context>
    <name>keeping::KeepBar</name>
    <message>
        <source>&amp;Keep</source>
        <extracomment>The history bar&apos;s answer: keep this sitting and later ones.</extracomment>
        <translation>&amp;Ya, simpan</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t keep</source>
        <extracomment>The history bar&apos;s answer: keep nothing.</extracomment>
        <translation>&amp;Jangan simpan</translation>
    </message>
    <message>
        <source>Try &amp;again</source>
        <translation>&amp;Coba lagi</translation>
    </message>
    <message>
        <source>Start a &amp;new history</source>
        <translation>Mu&amp;lai riwayat baru</translation>
    </message>
    <message>
        <source>Keep this sitting and every later one in a history on this computer</source>
        <translation>Simpan tes ini dan setiap tes berikutnya dalam riwayat di komputer ini</translation>
    </message>
    <message>
        <source>Keep nothing; the History window can change this</source>
        <translation>Jangan simpan apa pun; jendela Riwayat dapat mengubahnya</translation>
    </message>
    <message>
        <source>Ask the history again</source>
        <translation>Coba simpan ke riwayat sekali lagi</translation>
    </message>
    <message>
        <source>Moves the damaged file aside under a dated name, never deleting it, and starts an empty history</source>
        <translation>Memindahkan berkas yang rusak ke samping dengan nama bertanggal, tanpa pernah menghapusnya, lalu memulai riwayat kosong</translation>
    </message>
    <message>
        <source>Keep this sitting and your later ones in a history on this computer, to see your progress? You can change this in the History window.</source>
        <extracomment>The history bar&apos;s question, the first time results open.</extracomment>
        <translation>Simpan tes ini dan tes-tes berikutnya dalam riwayat di komputer ini untuk melihat kemajuan Anda? Anda dapat mengubahnya di jendela Riwayat.</translation>
    </message>
    <message>
        <source>The damaged history was set aside as %1; a new one is started.</source>
        <extracomment>After the user started a new history: where the damaged file went.</extracomment>
        <translation>Riwayat yang rusak disisihkan sebagai %1; riwayat baru dimulai.</translation>
    </message>
</context>
</TS>
