<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>MarkText</name>
    <message>
        <source>read %1</source>
        <extracomment>A source&apos;s date where it gives none of its own: when it was read.</extracomment>
        <translation>dibaca %1</translation>
    </message>
    <message>
        <source>Tavrendale&apos;s own figure</source>
        <extracomment>A mark&apos;s number no source gives, which the program chose.</extracomment>
        <translation>angka Tavrendale sendiri</translation>
    </message>
    <message>
        <source>Tavrendale&apos;s own figure (no published source found)</source>
        <extracomment>A mark&apos;s number the program was given, which none of the sources read publishes.</extracomment>
        <translation>angka Tavrendale sendiri (tidak ditemukan sumber terbitan)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A source named under a mark: %1 its title, %2 when it was published.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Tavrendale&apos;s own figure: no source we found gives a number for this, so the program chose one.</source>
        <translation>Angka Tavrendale sendiri: tidak ada sumber yang kami temukan memberi angka untuk ini, jadi program memilihnya.</translation>
    </message>
    <message>
        <source>No published source found: none of the sources we could read publishes this number, so it is shown as Tavrendale&apos;s own figure until a source is named.</source>
        <translation>Tidak ditemukan sumber terbitan: tidak satu pun sumber yang dapat kami baca menerbitkan angka ini, jadi angka ini ditampilkan sebagai angka Tavrendale sendiri sampai ada sumbernya.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between sources</comment>
        <extracomment>Between the sources a mark names.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: met</source>
        <extracomment>A feature of the curve met or not, where it involves no line in particular (errors, where there were none).</extracomment>
        <translation>%1: terpenuhi</translation>
    </message>
    <message>
        <source>%1: not met</source>
        <translation>%1: tidak terpenuhi</translation>
    </message>
    <message>
        <source>Columns not complete: %1 of %2.</source>
        <extracomment>After why a stopped sitting gets no verdict: how many of its columns are missing.</extracomment>
        <translation>Lajur yang belum lengkap: %1 dari %2.</translation>
    </message>
    <message>
        <source>Lines not complete: %1 of %2.</source>
        <translation>Baris yang belum lengkap: %1 dari %2.</translation>
    </message>
    <message>
        <source>Periods not complete: %1 of %2.</source>
        <translation>Periode yang belum lengkap: %1 dari %2.</translation>
    </message>
    <message>
        <source>Leaning</source>
        <extracomment>Uchida-Kraepelin: how close the curve is to the typical one, all features together.</extracomment>
        <translation>Kecenderungan</translation>
    </message>
    <message>
        <source>%1: %2 of the %3 features of the typical curve not met, %4 non-typical features found</source>
        <extracomment>%1 is the leaning (&quot;Close to the typical curve&quot;), %2 how many of the %3 typical features were not met, %4 how many non-typical features were found.</extracomment>
        <translation>%1: %2 dari %3 ciri kurva khas tidak terpenuhi, %4 ciri tidak khas ditemukan</translation>
    </message>
    <message>
        <source>Work amount (作業量)</source>
        <extracomment>Uchida-Kraepelin: the level of the work amount.</extracomment>
        <translation>Jumlah kerja (作業量)</translation>
    </message>
    <message>
        <source>Typical curve (定型曲線)</source>
        <extracomment>Uchida-Kraepelin: the features of the typical curve, each met or not.</extracomment>
        <translation>Kurva khas (定型曲線)</translation>
    </message>
    <message>
        <source>Non-typical features (非定型)</source>
        <extracomment>Uchida-Kraepelin: the features of a non-typical curve (非定型), each found or not.</extracomment>
        <translation>Ciri tidak khas (非定型)</translation>
    </message>
    <message>
        <source>Bands (baik sekali, baik, sedang, kurang, kurang sekali)</source>
        <extracomment>Kraepelin: the five levels of each index, in the test&apos;s own words.</extracomment>
        <translation>Kategori (baik sekali, baik, sedang, kurang, kurang sekali)</translation>
    </message>
    <message>
        <source>%1: %2 — %3, where the sources disagree</source>
        <extracomment>A band a source&apos;s table gives this sitting&apos;s figure: %1 the figure, %2 its value, %3 the band.</extracomment>
        <translation>%1: %2 — %3, sumber-sumbernya tidak sepakat</translation>
    </message>
    <message>
        <source>%1: %2 — %3</source>
        <translation>%1: %2 — %3</translation>
    </message>
    <message>
        <source>Verdicts in published reports</source>
        <extracomment>Kraepelin: the bands published reports gave to figures of their own sittings.</extracomment>
        <translation>Penilaian dalam laporan terbitan</translation>
    </message>
    <message>
        <source>%1: %2 rated %3 in that report; this sitting %4</source>
        <extracomment>%1 is a figure, %2 the value a report rated, %3 the band it gave it, %4 this sitting&apos;s value.</extracomment>
        <translation>%1: %2 dinilai %3 dalam laporan itu; tes ini %4</translation>
    </message>
    <message>
        <source>Other published formulas</source>
        <extracomment>Kraepelin: other published ways of working out panker, janker and hanker.</extracomment>
        <translation>Rumus terbitan lainnya</translation>
    </message>
    <message>
        <source>%1: %2 (the program&apos;s %3: %4)</source>
        <extracomment>%1 and %2: a published formula and its value for this sitting; %3 and %4: the program&apos;s own.</extracomment>
        <translation>%1: %2 (%3 menurut program: %4)</translation>
    </message>
    <message>
        <source>%1 — met (periods %2)</source>
        <extracomment>A Pauli mark met or not: %1 says what was compared (&quot;First period: 120 additions against a mark of 130&quot;).</extracomment>
        <translation>%1 — terpenuhi (periode %2)</translation>
    </message>
    <message>
        <source>%1 — not met (periods %2)</source>
        <translation>%1 — tidak terpenuhi (periode %2)</translation>
    </message>
</context>
<context>
    <name>Marks</name>
    <message>
        <source>reference from %1 — practice figure, not a norm and not a psychological assessment</source>
        <extracomment>Under every mark shown; %1 names its sources, each with its title and date (or &quot;Tavrendale&apos;s own figure&quot;).</extracomment>
        <translatorcomment>Daftar istilah: mark “patokan” (angka atau ciri acuan yang diterbitkan), reference “acuan”, verdict “penilaian”, norm “norma”, met/not met “terpenuhi/tidak terpenuhi”, found “ada”. Kategori Kraepelin memakai kata tes itu sendiri: baik sekali, baik, sedang, kurang, kurang sekali (bands: “kategori”). Istilah Uchida-Kraepelin dari bahasa Jepang ditulis dalam kurung sesudah kata Indonesianya: jumlah kerja (作業量), kurva khas (定型曲線), ciri tidak khas (非定型).</translatorcomment>
        <translation>acuan dari %1 — angka latihan, bukan norma dan bukan asesmen psikologis</translation>
    </message>
    <message>
        <source>No verdict: the practice version is not the test the marks were published for.</source>
        <extracomment>Why a sitting is held against no published marks.</extracomment>
        <translation>Tanpa penilaian: versi latihan bukan tes yang patokannya diterbitkan.</translation>
    </message>
    <message>
        <source>No verdict: a custom sheet is not the test the marks were published for.</source>
        <translation>Tanpa penilaian: lembar kustom bukan tes yang patokannya diterbitkan.</translation>
    </message>
    <message>
        <source>No verdict: these marks are for another test.</source>
        <translation>Tanpa penilaian: patokan ini untuk tes lain.</translation>
    </message>
    <message>
        <source>No verdict: the marks are for a whole sitting, and this one was stopped early.</source>
        <translation>Tanpa penilaian: patokan berlaku untuk tes yang utuh, dan tes ini berakhir sebelum selesai.</translation>
    </message>
    <message>
        <source>First half U-shaped</source>
        <extracomment>The eight features of Uchida-Kraepelin&apos;s typical curve (定型曲線).</extracomment>
        <translation>Paruh pertama berbentuk U</translation>
    </message>
    <message>
        <source>A fall from line 2 to about line 5, a rise again over lines 6–10</source>
        <translation>Turun dari baris 2 sampai sekitar baris 5, naik lagi pada baris 6–10</translation>
    </message>
    <message>
        <source>Line 15 second only to line 1</source>
        <translation>Baris 15 tertinggi kedua setelah baris 1</translation>
    </message>
    <message>
        <source>Second half sloping down, without an end spurt</source>
        <translation>Paruh kedua menurun, tanpa lonjakan di akhir</translation>
    </message>
    <message>
        <source>Line 1 the highest of each half, line 16 the highest of all</source>
        <translation>Baris pertama tertinggi di tiap paruh, baris 16 tertinggi dari semuanya</translation>
    </message>
    <message>
        <source>Second half higher than the first</source>
        <translation>Paruh kedua lebih tinggi daripada paruh pertama</translation>
    </message>
    <message>
        <source>Moderate fluctuation</source>
        <translation>Fluktuasi yang wajar</translation>
    </message>
    <message>
        <source>Errors at most 1 % of the work</source>
        <translation>Kesalahan paling banyak 1 % dari jumlah kerja</translation>
    </message>
    <message>
        <source>Many errors</source>
        <extracomment>The non-typical features of an Uchida-Kraepelin curve.</extracomment>
        <translation>Banyak kesalahan</translation>
    </message>
    <message>
        <source>A large drop</source>
        <translation>Penurunan tajam</translation>
    </message>
    <message>
        <source>A large spike</source>
        <translation>Lonjakan tajam</translation>
    </message>
    <message>
        <source>Violent fluctuation</source>
        <translation>Fluktuasi sangat besar</translation>
    </message>
    <message>
        <source>No fluctuation at all</source>
        <translation>Tanpa fluktuasi sama sekali</translation>
    </message>
    <message>
        <source>A falling second half</source>
        <translation>Paruh kedua lebih rendah</translation>
    </message>
    <message>
        <source>A weak start after the break</source>
        <translation>Awal yang lemah setelah istirahat</translation>
    </message>
    <message>
        <source>A low amount</source>
        <translation>Jumlah kerja rendah</translation>
    </message>
    <message>
        <source>%1: met (lines %2)</source>
        <extracomment>A mark met or not, a feature found or not; %1 is the mark, %2 the lines involved (&quot;2, 5–10&quot;).</extracomment>
        <translation>%1: terpenuhi (baris %2)</translation>
    </message>
    <message>
        <source>%1: not met (lines %2)</source>
        <translation>%1: tidak terpenuhi (baris %2)</translation>
    </message>
    <message>
        <source>%1: found (lines %2)</source>
        <translation>%1: ada (baris %2)</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: tidak ada</translation>
    </message>
    <message>
        <source>Work amount at level Ⓐ: %1 and %2 per line (Ⓐ from %3 and %4)</source>
        <extracomment>The work-amount level; %1 and %2 are the halves&apos; means per line, %3 and %4 the level&apos;s marks.</extracomment>
        <translation>Jumlah kerja pada tingkat Ⓐ: %1 dan %2 per baris (Ⓐ mulai %3 dan %4)</translation>
    </message>
    <message>
        <source>Work amount below level Ⓐ: %1 and %2 per line (Ⓐ from %3 and %4)</source>
        <translation>Jumlah kerja di bawah tingkat Ⓐ: %1 dan %2 per baris (Ⓐ mulai %3 dan %4)</translation>
    </message>
    <message>
        <source>Close to the typical curve</source>
        <extracomment>The curve&apos;s leaning against the typical curve.</extracomment>
        <translation>Dekat dengan kurva khas</translation>
    </message>
    <message>
        <source>Partly like the typical curve</source>
        <translation>Sebagian mirip kurva khas</translation>
    </message>
    <message>
        <source>Far from the typical curve</source>
        <translation>Jauh dari kurva khas</translation>
    </message>
    <message>
        <source>baik sekali</source>
        <extracomment>Kraepelin&apos;s five levels, in the test&apos;s own words.</extracomment>
        <translation>baik sekali</translation>
    </message>
    <message>
        <source>baik</source>
        <translation>baik</translation>
    </message>
    <message>
        <source>sedang</source>
        <translation>sedang</translation>
    </message>
    <message>
        <source>kurang</source>
        <translation>kurang</translation>
    </message>
    <message>
        <source>kurang sekali</source>
        <translation>kurang sekali</translation>
    </message>
    <message>
        <source>No band table: none of the sources found publishes the cut points of the bands they apply.</source>
        <extracomment>Where no source publishes Kraepelin&apos;s bands.</extracomment>
        <translation>Tidak ada tabel kategori: tidak satu pun sumber yang ditemukan menerbitkan batas kategori yang dipakainya.</translation>
    </message>
    <message>
        <source>First period: %1 additions against a mark of %2</source>
        <extracomment>Pauli&apos;s marks; %1 and %2 are the figures compared.</extracomment>
        <translation>Periode pertama: %1 penjumlahan, patokannya %2</translation>
    </message>
    <message>
        <source>Peak in period %1 (late from period %2)</source>
        <translation>Puncak pada periode %1 (akhir mulai periode %2)</translation>
    </message>
    <message>
        <source>End of %1 additions against the early dip of %2</source>
        <translation>Akhir %1 penjumlahan, penurunan awal %2</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>%1 correction</source>
        <translatorcomment>Daftar istilah, berlaku untuk semua katalog bahasa Indonesia, metainfo, entri desktop, dan halaman manual (istilah indeks tiap tes ada pada pesannya masing-masing di katalog ini):
- panker, tianker, janker, hanker: hanya indeks Kraepelin per lajur di hasil lembar tes. Kurva kerja menghitung per menit dari semua jawaban (kira-kira empat kali panker), jadi memakai Kecepatan, Persentase benar, Keajegan, dan Tren per menit.
- seed: “kode lembar”, bukan “benih” atau “seed”. Pengguna adalah peserta tes, bukan pemrogram: angka ini adalah kode yang memberi lembar yang sama lagi. Nama opsi baris perintah tetap --seed.
- Stop: “Hentikan”, bukan “Berhenti”; pertanyaannya “Yakin ingin menghentikan …?”, keterangannya “setelah bertanya”.
- Options: “Opsi”, seperti bantuan baris perintah dan nama tombol Option di Qt; bukan “Pilihan”.
- Selected: “Terpilih” (keadaan batang yang sedang dipilih), bukan “Dipilih”.
- average: “rata-rata”, bukan “rerata”.
- Save answers as CSV: “Simpan jawaban ke CSV” (menu, judul dialog, tombol hasil lembar tes). Tombol kurva kerja yang sempit (89 px, sumbernya “Save as CSV”) hanya muat “Simpan CSV”.
- answer log: “log jawaban”; kata kerja log: “catat” (Catat tes, tidak dicatat).
- partial: “tidak lengkap”; complete: “lengkap”.
- right/wrong: “benar/salah”, juga pada legenda peta pasangan angka; errors (banyaknya): “kesalahan”.
- run: “sesi”; sitting: “tes”; exam sheet: “lembar tes”; call: “aba-aba”; no digit twice in a row: “tanpa angka kembar berturut-turut”.
- column: “lajur”; line: “baris”; period: “periode”.
- judul lembar: “Kraepelin 50 lajur × 15 dtk”, sama di katalog dan entri desktop.
- history: “riwayat” (jendela Riwayat; perintahnya “Riwayat hasil…”); keep (tes dalam riwayat): “simpan”; arah tren: membaik, stabil, berubah-ubah, memburuk (naik, turun untuk nilai yang tidak lebih baik ke arah mana pun).
Aturan spasi angka: angka dan satuannya dipisah satu spasi (15 dtk, 3 mnt, 50 lajur); tanda operasi (+, −, ×, ÷, =) diapit spasi; garis miring satuan tanpa spasi (jawaban/menit); indeks dalam persen ditulis “(%)” setelah namanya; rentang ditulis “1 sampai 99”. Angka yang dicetak program sendiri (0.57, 95.0 %, 0.85 s) tetap berbentuk bahasa Inggris di semua bahasa.</translatorcomment>
        <translation>%1 koreksi</translation>
    </message>
    <message>
        <source>%1 corrections</source>
        <translation>%1 koreksi</translation>
    </message>
    <message>
        <source>Time up at %1</source>
        <translation>Waktu habis pada %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Dihentikan pada %1</translation>
    </message>
    <message>
        <source>Worked through at %1</source>
        <translation>Selesai dikerjakan pada %1</translation>
    </message>
    <message>
        <source>Speed (panker)</source>
        <extracomment>Kraepelin&apos;s speed index. Indonesian sheets call it panker (kecepatan kerja); Japanese has no name of its own for it.</extracomment>
        <translatorcomment>Daftar istilah: panker (kecepatan kerja), kata yang dipakai latihan tes Kraepelin di Indonesia untuk indeks kecepatan; “Kecepatan” menyebutnya dengan jelas, dan istilahnya menyusul dalam kurung seperti pada laporan tes. Sumber latihan berbeda-beda: sebagian mengambil rata-rata jawaban benar per lajur. Di sini tinggi lajur menghitung semua pasangan yang dicapai, jawaban salah dan pasangan yang dilewati juga, dan tooltip-nya mengatakan demikian.</translatorcomment>
        <translation>Kecepatan (panker)</translation>
    </message>
    <message>
        <source>Mean height of the complete columns; a column&apos;s height is its pairs answered or passed</source>
        <translation>Rata-rata tinggi lajur yang lengkap; tinggi sebuah lajur adalah banyaknya pasangan yang dijawab (benar maupun salah) atau dilewati</translation>
    </message>
    <message>
        <source>Accuracy (tianker)</source>
        <extracomment>Kraepelin&apos;s accuracy index: tianker (ketelitian kerja) on Indonesian sheets.</extracomment>
        <translatorcomment>Daftar istilah: tianker (ketelitian kerja), indeks ketelitian tes Kraepelin: banyaknya kesalahan, makin sedikit makin baik.</translatorcomment>
        <translation>Ketelitian (tianker)</translation>
    </message>
    <message>
        <source>Wrong answers + skipped pairs over the whole sheet; fewer is better</source>
        <translation>Jawaban salah + pasangan yang dilewati di seluruh lembar; makin sedikit makin baik</translation>
    </message>
    <message>
        <source>Steadiness (janker): range</source>
        <extracomment>Kraepelin&apos;s steadiness index: janker (keajegan kerja) on Indonesian sheets.</extracomment>
        <translatorcomment>Daftar istilah: janker (keajegan kerja), indeks keajegan; “rentang” adalah selisih lajur tertinggi dan terendah.</translatorcomment>
        <translation>Keajegan (janker): rentang</translation>
    </message>
    <message>
        <source>Highest height − lowest height of the complete columns</source>
        <translation>Tinggi tertinggi − tinggi terendah dari lajur yang lengkap</translation>
    </message>
    <message>
        <source>Steadiness (janker): average deviation</source>
        <translatorcomment>Daftar istilah: janker (keajegan kerja); “simpangan rata-rata” adalah istilah statistik untuk rata-rata simpangan mutlak.</translatorcomment>
        <translation>Keajegan (janker): simpangan rata-rata</translation>
    </message>
    <message>
        <source>Mean of |height − mean height| over the complete columns</source>
        <translation>Rata-rata |tinggi − rata-rata tinggi| pada lajur yang lengkap</translation>
    </message>
    <message>
        <source>Endurance (hanker): slope b</source>
        <extracomment>Kraepelin&apos;s endurance index: hanker (ketahanan kerja) on Indonesian sheets.</extracomment>
        <translatorcomment>Daftar istilah: hanker (ketahanan kerja), indeks ketahanan yang dibaca dari kemiringan garis melalui tinggi lajur.</translatorcomment>
        <translation>Ketahanan (hanker): kemiringan b</translation>
    </message>
    <message>
        <source>Slope b of the least-squares line height = a + b × column over the complete columns; needs two of them</source>
        <translation>Kemiringan b dari garis kuadrat terkecil tinggi = a + b × lajur pada lajur yang lengkap; perlu dua lajur lengkap</translation>
    </message>
    <message>
        <source>Endurance (hanker): rise</source>
        <translatorcomment>Daftar istilah: hanker (ketahanan kerja); “kenaikan” adalah seberapa jauh garis naik sepanjang lembar.</translatorcomment>
        <translation>Ketahanan (hanker): kenaikan</translation>
    </message>
    <message>
        <source>b × (columns − 1): how much the line rises over the sheet</source>
        <translation>b × (lajur − 1): seberapa jauh garis naik sepanjang lembar</translation>
    </message>
    <message>
        <source>Second half: mean amount</source>
        <extracomment>Uchida-Kraepelin: the amount of work (作業量) of one half, before or after the break.</extracomment>
        <translatorcomment>Daftar istilah: “jumlah kerja” untuk 作業量, banyaknya pasangan satu baris Uchida-Kraepelin yang dijawab atau dilewati; “paruh pertama/kedua” untuk paruh sebelum dan sesudah istirahat.</translatorcomment>
        <translation>Paruh kedua: rata-rata jumlah kerja</translation>
    </message>
    <message>
        <source>First half: mean amount</source>
        <translatorcomment>Daftar istilah: “jumlah kerja” untuk 作業量, banyaknya pasangan satu baris Uchida-Kraepelin yang dijawab atau dilewati; “paruh pertama/kedua” untuk paruh sebelum dan sesudah istirahat.</translatorcomment>
        <translation>Paruh pertama: rata-rata jumlah kerja</translation>
    </message>
    <message>
        <source>Mean amount of the half&apos;s complete lines; a line&apos;s amount is its pairs answered or passed</source>
        <translation>Rata-rata jumlah kerja baris yang lengkap pada paruh ini; jumlah kerja sebuah baris adalah banyaknya pasangan yang dijawab atau dilewati</translation>
    </message>
    <message>
        <source>Second half: initial effort</source>
        <extracomment>Uchida-Kraepelin: the initial effort ratio (初頭努力率) of one half.</extracomment>
        <translatorcomment>Daftar istilah: latihan tes di Indonesia tidak punya kata sendiri untuk 初頭努力率 (rasio upaya awal); “upaya awal” menyebutnya dengan jelas.</translatorcomment>
        <translation>Paruh kedua: upaya awal</translation>
    </message>
    <message>
        <source>First half: initial effort</source>
        <translatorcomment>Daftar istilah: latihan tes di Indonesia tidak punya kata sendiri untuk 初頭努力率 (rasio upaya awal); “upaya awal” menyebutnya dengan jelas.</translatorcomment>
        <translation>Paruh pertama: upaya awal</translation>
    </message>
    <message>
        <source>Amount of the half&apos;s first line ÷ the half&apos;s mean amount</source>
        <translation>Jumlah kerja baris pertama paruh ini ÷ rata-rata jumlah kerja paruh ini</translation>
    </message>
    <message>
        <source>Second half: fluctuation</source>
        <extracomment>Uchida-Kraepelin: the fluctuation rate (動揺率) of one half.</extracomment>
        <translatorcomment>Daftar istilah: “fluktuasi” untuk 動揺率; tes di Indonesia tidak punya istilah sendiri untuknya.</translatorcomment>
        <translation>Paruh kedua: fluktuasi</translation>
    </message>
    <message>
        <source>First half: fluctuation</source>
        <translatorcomment>Daftar istilah: “fluktuasi” untuk 動揺率; tes di Indonesia tidak punya istilah sendiri untuknya.</translatorcomment>
        <translation>Paruh pertama: fluktuasi</translation>
    </message>
    <message>
        <source>(Highest amount − lowest amount) ÷ the half&apos;s mean amount</source>
        <translation>(Jumlah kerja tertinggi − terendah) ÷ rata-rata jumlah kerja paruh ini</translation>
    </message>
    <message>
        <source>Rest effect</source>
        <extracomment>Uchida-Kraepelin: the rest effect ratio (休憩効果率) of the break between the halves.</extracomment>
        <translatorcomment>Daftar istilah: “efek istirahat” untuk 休憩効果率 (rasio efek istirahat); tes di Indonesia tidak punya indeks sendiri untuknya.</translatorcomment>
        <translation>Efek istirahat</translation>
    </message>
    <message>
        <source>Second half&apos;s mean amount ÷ the first half&apos;s</source>
        <translation>Rata-rata jumlah kerja paruh kedua ÷ paruh pertama</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Pauli: additions over the whole hour.</extracomment>
        <translatorcomment>Daftar istilah: “Jumlah”, kata laporan hasil tes Pauli di Indonesia untuk banyaknya penjumlahan selama satu jam.</translatorcomment>
        <translation>Jumlah</translation>
    </message>
    <message>
        <source>Additions answered or passed over the whole sitting</source>
        <translation>Penjumlahan yang dijawab atau dilewati selama seluruh tes</translation>
    </message>
    <message>
        <source>Error %</source>
        <translatorcomment>Daftar istilah: “kesalahan” (jawaban salah dan pasangan dilewati) sebagai persentase dari penjumlahan; “(%)” setelah nama indeks.</translatorcomment>
        <translation>Kesalahan (%)</translation>
    </message>
    <message>
        <source>(Wrong answers + skipped pairs) ÷ additions × 100</source>
        <translation>(Jawaban salah + pasangan dilewati) ÷ penjumlahan × 100</translation>
    </message>
    <message>
        <source>Average deviation</source>
        <translatorcomment>Daftar istilah: istilah statistik untuk rata-rata simpangan mutlak.</translatorcomment>
        <translation>Simpangan rata-rata</translation>
    </message>
    <message>
        <source>Mean of |period total − mean period total| over the complete %1 periods</source>
        <extracomment>%1 is a period&apos;s length: &quot;3 min&quot;.</extracomment>
        <translation>Rata-rata |jumlah periode − rata-rata jumlah periode| pada periode %1 yang lengkap</translation>
    </message>
    <message>
        <source>Slope</source>
        <translatorcomment>Daftar istilah: kemiringan garis kuadrat terkecil: “kemiringan”.</translatorcomment>
        <translation>Kemiringan</translation>
    </message>
    <message>
        <source>Slope b of the least-squares line additions = a + b × period over the complete periods: additions gained each period; needs two of them</source>
        <translation>Kemiringan b dari garis kuadrat terkecil penjumlahan = a + b × periode pada periode yang lengkap: tambahan penjumlahan tiap periode; perlu dua periode lengkap</translation>
    </message>
    <message>
        <source>line</source>
        <comment>period</comment>
        <extracomment>What one period of a curve is, written after &quot;per&quot; and in &quot;Curve per line&quot;.</extracomment>
        <translatorcomment>Daftar istilah: “baris” untuk baris Uchida-Kraepelin.</translatorcomment>
        <translation>baris</translation>
    </message>
    <message>
        <source>column</source>
        <comment>period</comment>
        <translatorcomment>Daftar istilah: “lajur”, kata yang dipakai latihan tes Kraepelin di Indonesia untuk kolom.</translatorcomment>
        <translation>lajur</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>period</comment>
        <translation>%1 mnt</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>period</comment>
        <translation>%1 dtk</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Lembar</translation>
    </message>
    <message>
        <source>The format sat</source>
        <translation>Format yang dikerjakan</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Kode lembar</translation>
    </message>
    <message>
        <source>The same seed and format give the same sheet, so a sitting can be repeated</source>
        <translation>Kode lembar dan format yang sama menghasilkan lembar yang sama, sehingga tes dapat diulang</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Berakhir</translation>
    </message>
    <message>
        <source>How the sitting ended, on its clock (a break included)</source>
        <translation>Cara tes berakhir, menurut jamnya (termasuk istirahat)</translation>
    </message>
    <message>
        <source>Reached</source>
        <translation>Tercapai</translation>
    </message>
    <message>
        <source>%1 (%2 right, %3 wrong, %4 skipped)</source>
        <translation>%1 (%2 benar, %3 salah, %4 dilewati)</translation>
    </message>
    <message>
        <source>Pairs answered or passed; pairs after the cue came are not reached</source>
        <translation>Pasangan yang dijawab atau dilewati; pasangan sesudah aba-aba tidak dihitung tercapai</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>Koreksi</translation>
    </message>
    <message>
        <source>Answers taken back with Backspace</source>
        <translation>Jawaban yang dibatalkan dengan Backspace</translation>
    </message>
    <message>
        <source>Complete periods</source>
        <translation>Periode lengkap</translation>
    </message>
    <message>
        <source>A period the sitting was stopped inside is shown, hatched, but left out of the figures that compare them</source>
        <translation>Periode tempat tes dihentikan ditampilkan berarsir, tetapi tidak dihitung dalam angka yang membandingkan periode</translation>
    </message>
    <message>
        <source>Complete lines</source>
        <translation>Baris lengkap</translation>
    </message>
    <message>
        <source>A line the sitting was stopped inside is shown, hatched, but left out of the figures that compare them</source>
        <translation>Baris tempat tes dihentikan ditampilkan berarsir, tetapi tidak dihitung dalam angka yang membandingkan baris</translation>
    </message>
    <message>
        <source>Complete columns</source>
        <translation>Lajur lengkap</translation>
    </message>
    <message>
        <source>A column the sitting was stopped inside is shown, hatched, but left out of the figures that compare them</source>
        <translation>Lajur tempat tes dihentikan ditampilkan berarsir, tetapi tidak dihitung dalam angka yang membandingkan lajur</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Waktu median</translation>
    </message>
    <message>
        <source>Half the answers took at most this long, from the pair becoming current to its digit (nearest rank)</source>
        <translation>Separuh jawaban memakan waktu paling lama sebesar ini, dari pasangan menjadi aktif sampai angkanya diketik (peringkat terdekat)</translation>
    </message>
    <message>
        <source>90th percentile</source>
        <translation>Persentil ke-90</translation>
    </message>
    <message>
        <source>Nine answers in ten took at most this long (nearest rank)</source>
        <translation>Sembilan dari sepuluh jawaban memakan waktu paling lama sebesar ini (peringkat terdekat)</translation>
    </message>
    <message>
        <source>Column</source>
        <comment>heading</comment>
        <extracomment>The headings of Kraepelin&apos;s table of columns; a column&apos;s height is its pairs reached.</extracomment>
        <translation>Lajur</translation>
    </message>
    <message>
        <source>Height</source>
        <comment>heading</comment>
        <translation>Tinggi</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>heading</comment>
        <translation>Benar</translation>
    </message>
    <message>
        <source>Wrong</source>
        <comment>heading</comment>
        <translation>Salah</translation>
    </message>
    <message>
        <source>Skipped</source>
        <comment>heading</comment>
        <translation>Dilewati</translation>
    </message>
    <message>
        <source>Corrections</source>
        <comment>heading</comment>
        <translation>Koreksi</translation>
    </message>
    <message>
        <source>Line</source>
        <comment>heading</comment>
        <extracomment>The headings of Uchida-Kraepelin&apos;s table of lines; a line&apos;s amount of work (作業量).</extracomment>
        <translation>Baris</translation>
    </message>
    <message>
        <source>Amount</source>
        <comment>heading</comment>
        <translation>Jumlah kerja</translation>
    </message>
    <message>
        <source>Errors</source>
        <comment>heading</comment>
        <translation>Kesalahan</translation>
    </message>
    <message>
        <source>Period</source>
        <comment>heading</comment>
        <extracomment>The headings of Pauli&apos;s table of periods between two strokes.</extracomment>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Additions</source>
        <comment>heading</comment>
        <translation>Penjumlahan</translation>
    </message>
    <message>
        <source>%1 (partial)</source>
        <translation>%1 (tidak lengkap)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Baris %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Lajur %1</translation>
    </message>
    <message>
        <source>%1: height %2, %3 right, %4 wrong or blank, %5, median %6</source>
        <extracomment>A column&apos;s figures: &quot;Column 3: height 20, 18 right, 2 wrong or blank, 1 correction, median 0.85 s&quot;.</extracomment>
        <translation>%1: tinggi %2, %3 benar, %4 salah atau kosong, %5, median %6</translation>
    </message>
    <message>
        <source>%1: amount %2, %3 right, %4 wrong or blank, %5, median %6</source>
        <extracomment>A line&apos;s figures: &quot;Line 3: amount 50, 48 right, 2 wrong or blank, 1 correction, median 0.85 s&quot;.</extracomment>
        <translation>%1: jumlah kerja %2, %3 benar, %4 salah atau kosong, %5, median %6</translation>
    </message>
    <message>
        <source>Period %1 (%2)</source>
        <extracomment>&quot;Period 2 (3 min)&quot;</extracomment>
        <translation>Periode %1 (%2)</translation>
    </message>
    <message>
        <source>%1: additions %2, %3 right, %4 wrong or blank, %5, median %6</source>
        <extracomment>A period&apos;s figures: &quot;Period 2 (3 min): additions 90, 88 right, 2 wrong or blank, 0 corrections, median 0.85 s&quot;.</extracomment>
        <translation>%1: penjumlahan %2, %3 benar, %4 salah atau kosong, %5, median %6</translation>
    </message>
    <message>
        <source> (partial)</source>
        <extracomment>After a period&apos;s name, for the period the sitting was stopped inside.</extracomment>
        <translation> (tidak lengkap)</translation>
    </message>
    <message>
        <source>No answer times: the sheet was worked on paper and entered by hand</source>
        <translation>Tanpa waktu jawab: lembar dikerjakan di kertas dan diisi dengan tangan</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>tidak diketahui</translation>
    </message>
    <message>
        <source>The file this sitting was imported from does not say its seed</source>
        <translation>Berkas asal tes ini tidak menyebutkan kode lembarnya</translation>
    </message>
</context>
<context>
    <name>SheetTitle</name>
    <message>
        <source>Kraepelin 50 × 15 s</source>
        <translatorcomment>Daftar istilah: judul lembar menyebut satuannya, “50 lajur × 15 dtk”, sama dengan aksi entri desktop.</translatorcomment>
        <translation>Kraepelin 50 lajur × 15 dtk</translation>
    </message>
    <message>
        <source>Kraepelin 10 × 15 s (practice)</source>
        <translation>Kraepelin 10 lajur × 15 dtk (latihan)</translation>
    </message>
    <message>
        <source>Kraepelin 40 × 30 s</source>
        <translation>Kraepelin 40 lajur × 30 dtk</translation>
    </message>
    <message>
        <source>Kraepelin 10 × 30 s (practice)</source>
        <translation>Kraepelin 10 lajur × 30 dtk (latihan)</translation>
    </message>
    <message>
        <source>Uchida-Kraepelin</source>
        <translation>Uchida-Kraepelin</translation>
    </message>
    <message>
        <source>Uchida-Kraepelin 3 + 3 lines (practice)</source>
        <translation>Uchida-Kraepelin 3 + 3 baris (latihan)</translation>
    </message>
    <message>
        <source>Pauli</source>
        <translation>Pauli</translation>
    </message>
    <message>
        <source>Pauli 9 min (practice)</source>
        <translation>Pauli 9 mnt (latihan)</translation>
    </message>
    <message>
        <source>Custom %1 lines</source>
        <translation>Kustom %1 baris</translation>
    </message>
    <message>
        <source>Custom %1 columns</source>
        <translation>Kustom %1 lajur</translation>
    </message>
</context>
<context>
    <name>sheetresults::MarksView</name>
    <message>
        <source>Marks</source>
        <translation>Patokan</translation>
    </message>
    <message>
        <source>Where this sitting stands against the marks published for its test, one a row with its verdict, its lines and its sources; the Up and Down keys move through them, and the curve frames the chosen one&apos;s lines</source>
        <translation>Posisi tes ini terhadap patokan yang diterbitkan untuk tesnya, satu per baris dengan penilaian, baris, dan sumbernya; tombol Atas dan Bawah berpindah di antaranya, dan kurva membingkai baris patokan yang terpilih</translation>
    </message>
</context>
<context>
    <name>sheetresults::SittingCurveChart</name>
    <message>
        <source>Curve</source>
        <translation>Kurva</translation>
    </message>
    <message>
        <source>right</source>
        <comment>legend</comment>
        <extracomment>The chart&apos;s legend: the lower and upper parts of a bar and the least-squares line.</extracomment>
        <translation>benar</translation>
    </message>
    <message>
        <source>wrong or blank</source>
        <comment>legend</comment>
        <translation>salah/kosong</translation>
    </message>
    <message>
        <source>least squares</source>
        <comment>legend</comment>
        <translatorcomment>Garis kuadrat terkecil: “garis regresi” dalam statistik bahasa Indonesia; “regresi” saja cukup pendek untuk legenda.</translatorcomment>
        <translation>regresi</translation>
    </message>
    <message>
        <source>Curve per %1</source>
        <extracomment>%1 is what one period is: &quot;column&quot;, &quot;line&quot;, &quot;3 min&quot;.</extracomment>
        <translation>Kurva per %1</translation>
    </message>
    <message>
        <source>Selected: %1.</source>
        <translation>Terpilih: %1.</translation>
    </message>
    <message>
        <source>Pairs reached per %1, right and wrong or blank stacked; Left and Right step through them.</source>
        <translation>Pasangan yang tercapai per %1, benar serta salah atau kosong ditumpuk; tombol Kiri dan Kanan berpindah di antaranya.</translation>
    </message>
    <message>
        <source>Pairs reached per %1, right and wrong or blank stacked, with the median answer time of each; Left and Right step through them.</source>
        <translation>Pasangan yang tercapai per %1, benar serta salah atau kosong ditumpuk, dengan waktu jawab median masing-masing; tombol Kiri dan Kanan berpindah di antaranya.</translation>
    </message>
    <message>
        <source>Legend: %1.</source>
        <extracomment>The chart&apos;s legend in words, where the chart is too small to draw it: &quot;green: right; red: wrong or blank&quot;.</extracomment>
        <translation>Legenda: %1.</translation>
    </message>
    <message>
        <source>mark missed</source>
        <comment>legend</comment>
        <extracomment>The chart&apos;s legend: the flag over a bar where a published mark was missed.</extracomment>
        <translation>tak terpenuhi</translation>
    </message>
    <message>
        <source>chosen mark</source>
        <comment>legend</comment>
        <extracomment>The chart&apos;s legend: the frame around the bars of the mark chosen in the Marks part.</extracomment>
        <translation>patokan terpilih</translation>
    </message>
    <message>
        <source>Marks missed, flagged: %1.</source>
        <extracomment>The marks missed, each with its lines, flagged on the curve: &quot;Marks missed, flagged: Line 15 second only to line 1: not met (lines 12, 15).&quot;</extracomment>
        <translation>Patokan yang tidak terpenuhi, bertanda bendera: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between marks</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Framed: %1.</source>
        <extracomment>The mark chosen in the Marks part, whose lines the curve frames.</extracomment>
        <translation>Dibingkai: %1.</translation>
    </message>
</context>
<context>
    <name>sheetresults::frmSheetResults</name>
    <message>
        <source>&amp;Save answers as CSV…</source>
        <translation>&amp;Simpan jawaban ke CSV…</translation>
    </message>
    <message>
        <source>Sheet results</source>
        <translation>Hasil lembar tes</translation>
    </message>
    <message>
        <source>The same seed and format give the same sheet, so a sitting can be repeated (--sheet FORMAT --seed N)</source>
        <translation>Kode lembar dan format yang sama menghasilkan lembar yang sama, sehingga tes dapat diulang (--sheet FORMAT --seed N)</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>The sitting&apos;s scores, one a row, each with its formula; the Up and Down keys move through them</source>
        <translation>Skor tes, satu per baris, masing-masing dengan rumusnya; tombol Atas dan Bawah berpindah di antaranya</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Every column, line or period with its figures; the Up and Down keys move through them</source>
        <translation>Setiap lajur, baris, atau periode dengan angka-angkanya; tombol Atas dan Bawah berpindah di antaranya</translation>
    </message>
    <message>
        <source>Save every pair of this sitting, with its answer, corrections and answer time, to a CSV file</source>
        <translation>Simpan setiap pasangan tes ini, beserta jawaban, koreksi, dan waktu jawabnya, ke berkas CSV</translation>
    </message>
    <message>
        <source>Sheet results – %1, seed %2</source>
        <extracomment>%1 is the sheet&apos;s title, %2 its seed.</extracomment>
        <translation>Hasil lembar tes – %1, kode lembar %2</translation>
    </message>
    <message>
        <source>%1, seed %2</source>
        <translation>%1, kode lembar %2</translation>
    </message>
    <message>
        <source>Worked on paper: no answer times, so no digit-pair map, which shows each pair&apos;s answer time. The right and wrong answers are in the curve and the scores.</source>
        <translation>Dikerjakan di kertas: tanpa waktu jawab, jadi tanpa peta pasangan angka, yang menunjukkan waktu jawab setiap pasangan. Jawaban benar dan salah ada di kurva dan skornya.</translation>
    </message>
    <message>
        <source>%1 (paper)</source>
        <extracomment>A sheet worked on paper and entered by hand: &quot;Kraepelin 50 × 15 s (paper)&quot;.</extracomment>
        <translation>%1 (kertas)</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>Riwayat &amp;hasil…</translation>
    </message>
    <message>
        <source>This sitting&apos;s leading score against your earlier sittings of the same format</source>
        <translation>Skor utama tes ini dibandingkan tes Anda sebelumnya dengan format yang sama</translation>
    </message>
    <message>
        <source>Your kept sittings, their scores over time and the trend</source>
        <translation>Tes yang Anda simpan, skornya dari waktu ke waktu, dan trennya</translation>
    </message>
    <message>
        <source>Sc&amp;ores</source>
        <extracomment>The tab of the sitting&apos;s scores.</extracomment>
        <translation>S&amp;kor</translation>
    </message>
    <message>
        <source>&amp;Marks</source>
        <extracomment>The tab of where the sitting stands against the marks published for its test.</extracomment>
        <translation>&amp;Patokan</translation>
    </message>
    <message>
        <source>Sheet results – %1</source>
        <extracomment>A sitting imported from a file that does not say its seed; %1 is the sheet&apos;s title.</extracomment>
        <translation>Hasil lembar tes – %1</translation>
    </message>
</context>
</TS>
