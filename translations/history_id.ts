<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>History</name>
    <message>
        <source>Drill</source>
        <extracomment>A history&apos;s name for a logged run of the drill, where an exam sheet shows its title.</extracomment>
        <translation>Latihan</translation>
    </message>
</context>
<context>
    <name>history::SittingTableModel</name>
    <message>
        <source>Ended</source>
        <extracomment>A heading of the table of kept sittings: when each ended.</extracomment>
        <translation>Berakhir</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>How it ended</source>
        <extracomment>How each sitting ended: time up, stopped, worked through.</extracomment>
        <translation>Cara berakhir</translation>
    </message>
    <message>
        <source>Main scores</source>
        <translation>Skor utama</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A score in the table&apos;s one column of scores: its name, then its value.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the scores in the table&apos;s one column of scores.</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>history::frmHistory</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Impor CSV…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <extracomment>Exports the selected sittings.</extracomment>
        <translation>&amp;Ekspor…</translation>
    </message>
    <message>
        <source>Export a&amp;ll…</source>
        <extracomment>Exports every kept sitting.</extracomment>
        <translation>Ekspor se&amp;mua…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>Dele&amp;te all</source>
        <translation>Hapus semu&amp;a</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file that could not be read or written: its path, then the system&apos;s reason.
----------
A sitting in the score chart: when it ended, then its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is no file the program saves (%2)</source>
        <extracomment>A file that is none the program writes: its path, then the line and what is wrong there (in English).</extracomment>
        <translation>%1 bukan berkas yang disimpan program ini (%2)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Riwayat</translation>
    </message>
    <message>
        <source>&amp;Keep a history of my sittings on this computer</source>
        <translation>Simpan &amp;riwayat tes saya di komputer ini</translation>
    </message>
    <message>
        <source>Ticked, every finished exam sheet and logged run of the drill is kept here when its results open. Unticked, nothing more is kept; what is kept stays until you delete it.</source>
        <translation>Bila dicentang, setiap lembar tes yang selesai dan setiap sesi latihan yang dicatat disimpan di sini saat hasilnya terbuka. Bila tidak, tidak ada lagi yang disimpan; yang sudah tersimpan tetap ada sampai Anda menghapusnya.</translation>
    </message>
    <message>
        <source>Shows the results window of the current sitting as it was (Enter)</source>
        <translation>Menampilkan jendela hasil tes yang dipilih seperti semula (Enter)</translation>
    </message>
    <message>
        <source>Adds the answers saved as CSV by the Sheet results or the Work curve window</source>
        <translation>Menambahkan jawaban yang disimpan ke CSV oleh jendela Hasil lembar tes atau Kurva kerja</translation>
    </message>
    <message>
        <source>Writes the selected sittings into a folder, a CSV file each, as the program saves them</source>
        <translation>Menulis tes yang dipilih ke sebuah folder, satu berkas CSV per tes, seperti yang disimpan program ini</translation>
    </message>
    <message>
        <source>Writes every kept sitting into a folder, a CSV file each, as the program saves them</source>
        <translation>Menulis semua tes yang disimpan ke sebuah folder, satu berkas CSV per tes, seperti yang disimpan program ini</translation>
    </message>
    <message>
        <source>Deletes the selected sittings after asking (Delete)</source>
        <translation>Menghapus tes yang dipilih setelah bertanya (Delete)</translation>
    </message>
    <message>
        <source>Deletes every kept sitting after asking</source>
        <translation>Menghapus semua tes yang disimpan setelah bertanya</translation>
    </message>
    <message>
        <source>Sittings</source>
        <translation>Tes</translation>
    </message>
    <message>
        <source>The kept sittings, newest first; Enter opens one, Delete deletes the selected ones, Shift or Ctrl with the arrows selects several for the curves</source>
        <translation>Tes yang disimpan, yang terbaru lebih dulu; Enter membuka satu tes, Delete menghapus yang dipilih, Shift atau Ctrl dengan tombol panah memilih beberapa untuk kurvanya</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>The score the chart shows against date</source>
        <translation>Skor yang ditampilkan grafik menurut tanggal</translation>
    </message>
    <message>
        <source>Curves of the selected sittings, up to three (Shift or Ctrl with the arrows, or Ctrl+click, selects more)</source>
        <translation>Kurva tes yang dipilih, sampai tiga (Shift atau Ctrl dengan tombol panah, atau Ctrl+klik, memilih lebih banyak)</translation>
    </message>
    <message>
        <source>Curves of the selected sittings</source>
        <translation>Kurva tes yang dipilih</translation>
    </message>
    <message>
        <source>&amp;Score:</source>
        <translation>&amp;Skor:</translation>
    </message>
    <message>
        <source>All formats (%1)</source>
        <extracomment>The format filter&apos;s first choice; %1 is how many sittings are kept in all.</extracomment>
        <translation>Semua format (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A format of the filter: its title, then how many sittings of it are kept.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No sittings are kept yet. Sit an exam sheet (Exam sheets…) or a logged run of the drill: each is kept here when its results open. Import CSV… adds answers you saved earlier.</source>
        <translation>Belum ada tes yang disimpan. Kerjakan lembar tes (Lembar tes…) atau sesi latihan yang dicatat: masing-masing disimpan di sini saat hasilnya terbuka. Impor CSV… menambahkan jawaban yang pernah Anda simpan.</translation>
    </message>
    <message>
        <source>No sittings are kept. Tick &quot;Keep a history of my sittings on this computer&quot; above, then sit an exam sheet or a logged run of the drill: each is kept here when its results open. Import CSV… adds answers you saved earlier.</source>
        <translation>Tidak ada tes yang disimpan. Centang &quot;Simpan riwayat tes saya di komputer ini&quot; di atas, lalu kerjakan lembar tes atau sesi latihan yang dicatat: masing-masing disimpan di sini saat hasilnya terbuka. Impor CSV… menambahkan jawaban yang pernah Anda simpan.</translation>
    </message>
    <message>
        <source>1 sitting</source>
        <extracomment>How many sittings the table shows.</extracomment>
        <translation>1 tes</translation>
    </message>
    <message>
        <source>%1 sittings</source>
        <translation>%1 tes</translation>
    </message>
    <message>
        <source>best %1</source>
        <extracomment>The score chart&apos;s legend: the best sitting&apos;s mark and value.</extracomment>
        <translation>terbaik %1</translation>
    </message>
    <message>
        <source>last %1</source>
        <extracomment>The score chart&apos;s legend: the last sitting&apos;s mark and value.</extracomment>
        <translation>terakhir %1</translation>
    </message>
    <message>
        <source>previous %1 (%2)</source>
        <extracomment>The score chart&apos;s legend: the mark of the sitting before the last, its value and the change since.</extracomment>
        <translation>sebelumnya %1 (%2)</translation>
    </message>
    <message>
        <source>trend: %1</source>
        <extracomment>The score chart&apos;s legend: the dashed trend line and what the trend is.</extracomment>
        <translation>tren: %1</translation>
    </message>
    <message>
        <source>%1 of %2 in %3 sittings from %4 to %5; Left and Right step through them.</source>
        <extracomment>What the score chart shows: the score, the format, how many sittings, from and to which date.</extracomment>
        <translation>%1 untuk %2 dalam %3 tes dari %4 sampai %5; Kiri dan Kanan berpindah antartes.</translation>
    </message>
    <message>
        <source>%1 by date</source>
        <translation>%1 menurut tanggal</translation>
    </message>
    <message>
        <source>Score by date</source>
        <translation>Skor menurut tanggal</translation>
    </message>
    <message>
        <source>A trend needs %1 sittings of this format; there are %2.</source>
        <translation>Tren memerlukan %1 tes dengan format ini; baru ada %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure&apos;s course in the trend line: the figure&apos;s name, then improving, steady, variable or worsening.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Trend over the last %1 sittings: %2</source>
        <extracomment>The trend line: over how many of the last sittings, then each leading figure&apos;s course.</extracomment>
        <translation>Tren %1 tes terakhir: %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>An overlaid curve of sittings of different formats: when it ended, then its format.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>menit</translation>
    </message>
    <message>
        <source>%1 curves laid over one another, pairs per %2: %3.</source>
        <extracomment>The overlay&apos;s description: how many curves, what one step is, and each sitting&apos;s name.</extracomment>
        <translation>%1 kurva ditumpuk, pasangan per %2: %3.</translation>
    </message>
    <message>
        <source>period</source>
        <translation>periode</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A step of the overlay in its tooltip: its number, then each curve&apos;s value.</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Tick &quot;Keep a history of my sittings on this computer&quot; to import</source>
        <translation>Centang &quot;Simpan riwayat tes saya di komputer ini&quot; untuk mengimpor</translation>
    </message>
    <message>
        <source>Import CSV files into the history</source>
        <translation>Impor berkas CSV ke riwayat</translation>
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
        <source>1 file imported.</source>
        <extracomment>After Import CSV…: how many files were added to the history.</extracomment>
        <translation>1 berkas diimpor.</translation>
    </message>
    <message>
        <source>%1 files imported.</source>
        <translation>%1 berkas diimpor.</translation>
    </message>
    <message>
        <source>These files were not imported:

%1</source>
        <extracomment>The message after Import CSV… where files were refused: each file with its line and the reason.</extracomment>
        <translation>Berkas berikut tidak diimpor:

%1</translation>
    </message>
    <message>
        <source>Export every kept sitting into a folder</source>
        <translation>Ekspor semua tes yang disimpan ke sebuah folder</translation>
    </message>
    <message>
        <source>Export the selected sittings into a folder</source>
        <translation>Ekspor tes yang dipilih ke sebuah folder</translation>
    </message>
    <message>
        <source>1 file written to %1.</source>
        <extracomment>After Export…: how many CSV files were written, and into which folder.</extracomment>
        <translation>1 berkas ditulis ke %1.</translation>
    </message>
    <message>
        <source>%1 files written to %2.</source>
        <extracomment>After Export…: how many CSV files were written, and into which folder.</extracomment>
        <translation>%1 berkas ditulis ke %2.</translation>
    </message>
    <message>
        <source>The export stopped: %1</source>
        <translation>Ekspor berhenti: %1</translation>
    </message>
    <message>
        <source>Delete the sitting of %1 (%2) from the history? This cannot be undone.</source>
        <extracomment>Asked before one sitting is deleted: when it ended and its format.</extracomment>
        <translation>Hapus tes %1 (%2) dari riwayat? Ini tidak dapat dibatalkan.</translation>
    </message>
    <message>
        <source>Delete the %1 selected sittings from the history? This cannot be undone.</source>
        <translation>Hapus %1 tes yang dipilih dari riwayat? Ini tidak dapat dibatalkan.</translation>
    </message>
    <message>
        <source>Delete all %1 kept sittings from the history? This cannot be undone; Export all… keeps a copy as CSV files first.</source>
        <extracomment>Asked before every kept sitting is deleted; %1 is how many there are.</extracomment>
        <translation>Hapus semua %1 tes yang disimpan dari riwayat? Ini tidak dapat dibatalkan; Ekspor semua… menyimpan salinannya sebagai berkas CSV lebih dulu.</translation>
    </message>
</context>
</TS>
