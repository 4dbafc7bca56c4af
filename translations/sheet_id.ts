<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>FormatError</name>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>seed</source>
        <translation>kode lembar</translation>
    </message>
    <message>
        <source>columns</source>
        <translation>lajur</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>baris</translation>
    </message>
    <message>
        <source>digits per column</source>
        <translation>angka per lajur</translation>
    </message>
    <message>
        <source>digits per line</source>
        <translation>angka per baris</translation>
    </message>
    <message>
        <source>seconds per column</source>
        <translation>detik per lajur</translation>
    </message>
    <message>
        <source>seconds per line</source>
        <translation>detik per baris</translation>
    </message>
    <message>
        <source>break after</source>
        <translation>istirahat setelah</translation>
    </message>
    <message>
        <source>break seconds</source>
        <translation>detik istirahat</translation>
    </message>
    <message>
        <source>lowest digit</source>
        <translation>angka terendah</translation>
    </message>
    <message>
        <source>highest digit</source>
        <translation>angka tertinggi</translation>
    </message>
    <message>
        <source>%1: unknown sheet format &quot;%2&quot;; the formats are %3</source>
        <translation>%1: format lembar &quot;%2&quot; tidak dikenal; formatnya adalah %3</translation>
    </message>
    <message>
        <source>%1: must be a whole number from 0 to %2, not &quot;%3&quot;</source>
        <translation>%1: harus bilangan bulat dari 0 sampai %2, bukan &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1: must be a whole number, not &quot;%2&quot;</source>
        <translation>%1: harus bilangan bulat, bukan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: must be %2 to %3, not %4</source>
        <translation>%1: harus %2 sampai %3, bukan %4</translation>
    </message>
    <message>
        <source>%1: needs at least %2 lines; 0 for no break</source>
        <translation>%1: perlu sedikitnya %2 baris; 0 bila tanpa istirahat</translation>
    </message>
    <message>
        <source>%1: needs at least %2 columns; 0 for no break</source>
        <translation>%1: perlu sedikitnya %2 lajur; 0 bila tanpa istirahat</translation>
    </message>
    <message>
        <source>%1: must be 0 without a break, not %2</source>
        <translation>%1: harus 0 bila tanpa istirahat, bukan %2</translation>
    </message>
    <message>
        <source>%1: the sheet does not fit this paper at any size; choose a larger paper or turn it</source>
        <translation>%1: lembar tes tidak muat di kertas ini pada ukuran berapa pun; pilih kertas yang lebih besar atau putar kertasnya</translation>
    </message>
    <message>
        <source>%1: the sheet does not fit the page at %2 pt; at most %3 pt fit</source>
        <extracomment>A digit size in points that does not fit the page, and the largest that does.</extracomment>
        <translation>%1: lembar tes tidak muat di halaman pada %2 pt; paling besar %3 pt yang muat</translation>
    </message>
    <message>
        <source>digit size</source>
        <translation>ukuran angka</translation>
    </message>
</context>
<context>
    <name>SheetChoice</name>
    <message>
        <source>the custom sheet has no practice version; the formats with one are %1</source>
        <translation>lembar kustom tidak punya versi latihan; format yang punya adalah %1</translation>
    </message>
    <message>
        <source>unknown sheet format &quot;%1&quot;; the formats are %2</source>
        <translation>format lembar &quot;%1&quot; tidak dikenal; formatnya adalah %2</translation>
    </message>
</context>
<context>
    <name>sheet::CallSounds</name>
    <message>
        <source>Looking for a voice; until one speaks, the calls sound as a tone.</source>
        <translation>Mencari suara; selama belum ada yang berbicara, aba-aba berbunyi sebagai nada.</translation>
    </message>
    <message>
        <source>No voice speaks %1 here: the calls sound as a tone (install espeak-ng).</source>
        <extracomment>%1 is the language&apos;s name in itself: &quot;Bahasa Indonesia&quot;, &quot;日本語&quot;.</extracomment>
        <translation>Tidak ada suara berbahasa %1 di sini: aba-aba berbunyi sebagai nada (pasang espeak-ng).</translation>
    </message>
    <message>
        <source>No speech engine here: the calls sound as a tone (install speech-dispatcher).</source>
        <translation>Tidak ada mesin suara di sini: aba-aba berbunyi sebagai nada (pasang speech-dispatcher).</translation>
    </message>
    <message>
        <source>The voice failed: the calls go on as a tone.</source>
        <translation>Suara gagal: aba-aba berlanjut sebagai nada.</translation>
    </message>
</context>
<context>
    <name>sheet::PaperBox</name>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Cetak…</translation>
    </message>
    <message>
        <source>Save &amp;as PDF…</source>
        <translation>Sim&amp;pan PDF…</translation>
    </message>
    <message>
        <source>Print and PDF</source>
        <translation>Cetak dan PDF</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>As the form</source>
        <translation>Seperti formulir</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Tegak</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Mendatar</translation>
    </message>
    <message>
        <source>as the form</source>
        <extracomment>Shown in the empty digit size field: the form&apos;s own size is used.</extracomment>
        <translation>seperti formulir</translation>
    </message>
    <message>
        <source>Answer key pa&amp;ge</source>
        <translation>Halaman kunci ja&amp;waban</translation>
    </message>
    <message>
        <source>The sheet&apos;s pages again with the answer of each pair, small, where it is written</source>
        <translation>Halaman lembar tes sekali lagi dengan jawaban tiap pasangan, kecil, di tempat jawaban ditulis</translation>
    </message>
    <message>
        <source>Cur&amp;ve grid page</source>
        <translation>Halaman kisi kurva ker&amp;ja</translation>
    </message>
    <message>
        <source>A blank grid to draw the work curve on by hand</source>
        <translation>Kisi kosong untuk menggambar kurva kerja dengan tangan</translation>
    </message>
    <message>
        <source>Shows the pages as they print, then prints them (Ctrl+P)</source>
        <translation>Menampilkan halaman seperti hasil cetaknya, lalu mencetaknya (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Writes the pages to a PDF file, to print elsewhere</source>
        <translation>Menulis halaman ke berkas PDF, untuk dicetak di tempat lain</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Simpan sebagai PDF</translation>
    </message>
    <message>
        <source>Paper for&amp;mat:</source>
        <translation>Kertas &amp;yang dipakai:</translation>
    </message>
    <message>
        <source>The paper the sheet is printed on</source>
        <translation>Kertas tempat lembar tes dicetak</translation>
    </message>
    <message>
        <source>As the form: Kraepelin&apos;s columns and Uchida-Kraepelin&apos;s lines across, Pauli&apos;s columns upright</source>
        <translation>Seperti formulir: lajur Kraepelin dan baris Uchida-Kraepelin mendatar, lajur Pauli tegak</translation>
    </message>
    <message>
        <source>Digit si&amp;ze (pt):</source>
        <translation>Ukuran angka (p&amp;oin):</translation>
    </message>
    <message>
        <source>%1 to %2 points; empty: the form&apos;s size, smaller where the page needs it</source>
        <translation>%1 sampai %2 poin; kosong: ukuran formulir, lebih kecil bila halaman memerlukannya</translation>
    </message>
    <message>
        <source>No printer is installed: Save as PDF… writes the sheet to a file to print elsewhere.</source>
        <translation>Tidak ada printer yang terpasang: Simpan PDF… menulis lembar tes ke berkas untuk dicetak di tempat lain.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Berkas PDF (*.pdf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>The sheet could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>The file&apos;s path, then on a line of its own the system&apos;s reason.</extracomment>
        <translation>Lembar tes tidak dapat disimpan ke &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Arah kertas:</translation>
    </message>
</context>
<context>
    <name>sheet::PaperEntryForm</name>
    <message>
        <source>Show &amp;results</source>
        <translation>Tampilkan &amp;hasil</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periode %1</translation>
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
        <source>last pair reached</source>
        <translation>pasangan terakhir yang dicapai</translation>
    </message>
    <message>
        <source>stroke after</source>
        <translation>garis setelah</translation>
    </message>
    <message>
        <source>wrong pairs</source>
        <translation>pasangan salah</translation>
    </message>
    <message>
        <source>blank pairs</source>
        <translation>pasangan kosong</translation>
    </message>
    <message>
        <source>The entry has %1 rows; the sheet has %2.</source>
        <translation>Isian ini punya %1 baris; lembarnya punya %2.</translation>
    </message>
    <message>
        <source>must be filled in (0 for none)</source>
        <translation>harus diisi (0 bila tidak ada)</translation>
    </message>
    <message>
        <source>must be filled in</source>
        <translation>harus diisi</translation>
    </message>
    <message>
        <source>must be a whole number, not &quot;%1&quot;</source>
        <translation>harus bilangan bulat, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be a column and a pair, as 12/30, not &quot;%1&quot;</source>
        <translation>harus lajur dan pasangan, seperti 12/30, bukan &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be %1 to %2, not %3</source>
        <translation>harus %1 sampai %2, bukan %3</translation>
    </message>
    <message>
        <source>the pair must be %1 to %2, not %3</source>
        <translation>pasangannya harus %1 sampai %2, bukan %3</translation>
    </message>
    <message>
        <source>the column must be %1 to %2, not %3</source>
        <translation>lajurnya harus %1 sampai %2, bukan %3</translation>
    </message>
    <message>
        <source>pair %1 is beyond the last pair reached</source>
        <translation>pasangan %1 melewati pasangan terakhir yang dicapai</translation>
    </message>
    <message>
        <source>the stroke at %1 stands before the one of the period before</source>
        <translation>garis di %1 berada sebelum garis periode sebelumnya</translation>
    </message>
    <message>
        <source>pair %1 lies before this period&apos;s first pair</source>
        <translation>pasangan %1 berada sebelum pasangan pertama periode ini</translation>
    </message>
    <message>
        <source>pair %1 is named twice, or both wrong and blank</source>
        <translation>pasangan %1 disebut dua kali, atau salah sekaligus kosong</translation>
    </message>
    <message>
        <source>wrong and blank pairs are %1, more than the %2 pairs reached</source>
        <translation>pasangan salah dan kosong ada %1, lebih banyak dari %2 pasangan yang dicapai</translation>
    </message>
    <message>
        <source>the sitting was stopped before it began; it must be empty</source>
        <translation>tes dihentikan sebelum bagian ini dimulai; harus kosong</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A refusal: &quot;Column 4, last pair reached: must be 0 to 26, not 30&quot;.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>their numbers (3, 17)</source>
        <translation>nomornya (3, 17)</translation>
    </message>
    <message>
        <source>only how many</source>
        <translation>banyaknya saja</translation>
    </message>
    <message>
        <source>&amp;Wrong and blank pairs as:</source>
        <translation>Ca&amp;ra mengisi salah dan kosong:</translation>
    </message>
    <message>
        <source>Which pairs were wrong or left blank, or only how many of each</source>
        <translation>Pasangan mana yang salah atau dibiarkan kosong, atau banyaknya saja</translation>
    </message>
    <message>
        <source>Checks every value against the sheet and shows the results (Enter)</source>
        <translation>Memeriksa setiap nilai terhadap lembarnya dan menampilkan hasilnya (Enter)</translation>
    </message>
    <message>
        <source>Back to choosing a sheet; nothing is kept (Esc)</source>
        <translation>Kembali memilih lembar; tidak ada yang disimpan (Esc)</translation>
    </message>
    <message>
        <source>Show results</source>
        <translation>Tampilkan hasil</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>%1, seed %2: what was done on paper</source>
        <extracomment>%1 is the sheet&apos;s title, %2 its seed.</extracomment>
        <translation>%1, kode lembar %2: yang dikerjakan di kertas</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Baris</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Lajur</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A field&apos;s name for screen readers: &quot;Column 3, last pair reached&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>For each column, the last pair reached, counted from the bottom (0 for none).</source>
        <translation>Untuk setiap lajur, pasangan terakhir yang dicapai, dihitung dari bawah (0 bila tidak ada).</translation>
    </message>
    <message>
        <source>For each column, the last pair reached, counted from the top (0 for none).</source>
        <translation>Untuk setiap lajur, pasangan terakhir yang dicapai, dihitung dari atas (0 bila tidak ada).</translation>
    </message>
    <message>
        <source>For each line, the last pair reached, counted from the left (0 for none).</source>
        <translation>Untuk setiap baris, pasangan terakhir yang dicapai, dihitung dari kiri (0 bila tidak ada).</translation>
    </message>
    <message>
        <source>For each period, where its stroke was drawn: after the pair of the column, as 12/30 (column 12, pair 30 from the top); the last period&apos;s at the end of the time.</source>
        <translation>Untuk setiap periode, tempat garisnya ditarik: setelah pasangan pada lajur, seperti 12/30 (lajur 12, pasangan 30 dari atas); periode terakhir pada akhir waktu.</translation>
    </message>
    <message>
        <source>Then how many pairs were written wrong and how many left blank.</source>
        <translation>Lalu berapa pasangan yang ditulis salah dan berapa yang dibiarkan kosong.</translation>
    </message>
    <message>
        <source>Then the numbers of the pairs written wrong and left blank, such as 3, 17.</source>
        <translation>Lalu nomor pasangan yang ditulis salah dan yang dibiarkan kosong, misalnya 3, 17.</translation>
    </message>
    <message>
        <source>Then the pairs written wrong and left blank, each as column/pair, such as 12/3, 12/17.</source>
        <translation>Lalu pasangan yang ditulis salah dan yang dibiarkan kosong, masing-masing sebagai lajur/pasangan, misalnya 12/3, 12/17.</translation>
    </message>
</context>
<context>
    <name>sheet::PaperPrint</name>
    <message>
        <source>Answer key – %1</source>
        <extracomment>Printed over the answer key&apos;s pages; %1 is the sheet&apos;s title.</extracomment>
        <translation>Kunci jawaban – %1</translation>
    </message>
    <message>
        <source>Work curve – %1</source>
        <extracomment>Printed over the blank grid for drawing the work curve by hand; %1 is the sheet&apos;s title.</extracomment>
        <translation>Kurva kerja – %1</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Kode lembar %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Before a line to write one&apos;s name on.</extracomment>
        <translation>Nama:</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>Before a line to write the date on.</extracomment>
        <translation>Tanggal:</translation>
    </message>
    <message>
        <source>%1 · seed %2 · page %3 of %4</source>
        <extracomment>Every page&apos;s footer: the format&apos;s name as the command line takes it (kept as it is), the seed, the page and the pages.</extracomment>
        <translation>%1 · kode lembar %2 · halaman %3 dari %4</translation>
    </message>
    <message>
        <source>%1, practice · seed %2 · page %3 of %4</source>
        <translation>%1, latihan · kode lembar %2 · halaman %3 dari %4</translation>
    </message>
    <message>
        <source>Break</source>
        <extracomment>The band between the two halves of a sheet, and its mark on the curve grid.</extracomment>
        <translation>Istirahat</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Lajur</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Baris</translation>
    </message>
    <message>
        <source>Period between strokes</source>
        <extracomment>Pauli: the curve grid&apos;s periods, each between two strokes.</extracomment>
        <translation>Periode antara dua garis</translation>
    </message>
    <message>
        <source>Pairs added</source>
        <extracomment>The curve grid&apos;s amounts: how many pairs were added in a column, line or period.</extracomment>
        <translation>Pasangan yang dijumlahkan</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>PDF tidak dapat dibuat</translation>
    </message>
</context>
<context>
    <name>sheet::ProcedurePanel</name>
    <message>
        <source>Add each two neighbouring digits of a column from the top down, and go on to the next column without waiting. At the call &quot;%1&quot; draw a line under your last answer and go on.</source>
        <translation>Jumlahkan setiap dua angka yang bersebelahan dalam lajur dari atas ke bawah, dan lanjutkan ke lajur berikutnya tanpa menunggu. Pada aba-aba &quot;%1&quot; tarik garis di bawah jawaban terakhir Anda lalu lanjutkan.</translation>
    </message>
    <message>
        <source>Add each two neighbouring digits of a column from the bottom up. At the call &quot;%1&quot; go on to the bottom of the next column, wherever you are.</source>
        <translation>Jumlahkan setiap dua angka yang bersebelahan dalam lajur dari bawah ke atas. Pada aba-aba &quot;%1&quot; pindah ke bawah lajur berikutnya, di mana pun Anda berada.</translation>
    </message>
    <message>
        <source>Add each two neighbouring digits of a column from the top down. At the call &quot;%1&quot; go on to the top of the next column, wherever you are.</source>
        <translation>Jumlahkan setiap dua angka yang bersebelahan dalam lajur dari atas ke bawah. Pada aba-aba &quot;%1&quot; pindah ke atas lajur berikutnya, di mana pun Anda berada.</translation>
    </message>
    <message>
        <source>Add each two neighbouring digits of a line from left to right. At the call &quot;%1&quot; go on to the start of the next line, wherever you are.</source>
        <translation>Jumlahkan setiap dua angka yang bersebelahan dalam baris dari kiri ke kanan. Pada aba-aba &quot;%1&quot; pindah ke awal baris berikutnya, di mana pun Anda berada.</translation>
    </message>
    <message>
        <source> After line %1 comes a rest; the second half starts by itself.</source>
        <extracomment>A sentence after the one before: mind the space before it where the language puts one.</extracomment>
        <translation> Setelah baris %1 ada istirahat; paruh kedua dimulai otomatis.</translation>
    </message>
    <message>
        <source> After column %1 comes a rest; the second half starts by itself.</source>
        <extracomment>A sentence after the one before: mind the space before it where the language puts one.</extracomment>
        <translation> Setelah lajur %1 ada istirahat; paruh kedua dimulai otomatis.</translation>
    </message>
    <message>
        <source>Write the unit digit of each sum between its two digits with a pencil, on the printed sheet. The examiner here gives the calls.</source>
        <translation>Tulis angka satuan setiap jumlah di antara kedua angkanya dengan pensil, pada lembar yang dicetak. Penguji di sini memberi aba-abanya.</translation>
    </message>
    <message>
        <source>Type the unit digit of each sum; it is written between its two digits. Backspace takes back, Space passes.</source>
        <translation>Ketik angka satuan setiap jumlah; angka itu ditulis di antara kedua angkanya. Backspace membatalkan, Spasi melewati.</translation>
    </message>
    <message>
        <source>5 + 3 → 8     9 + 7 → 6</source>
        <extracomment>The worked example: the unit digit of 9 + 7 = 16 is 6.</extracomment>
        <translation>5 + 3 → 8     9 + 7 → 6</translation>
    </message>
    <message>
        <source>Only the unit digit is written: 9 + 7 makes 16, so 6. Work as fast and as accurately as you can.</source>
        <translation>Hanya angka satuannya yang ditulis: 9 + 7 = 16, jadi 6. Kerjakan secepat dan seteliti mungkin.</translation>
    </message>
    <message>
        <source>How this sheet is worked</source>
        <translation>Cara mengerjakan lembar ini</translation>
    </message>
    <message>
        <source>A few pairs to warm up: untimed, and not scored.</source>
        <translation>Beberapa pasangan untuk pemanasan: tanpa batas waktu, dan tidak dinilai.</translation>
    </message>
    <message>
        <source>Type the unit digit of each sum.</source>
        <translation>Ketik angka satuan setiap jumlah.</translation>
    </message>
    <message>
        <source>%1 and %2, pair %3 of %4</source>
        <extracomment>Read to screen readers at each practice pair: &quot;6 and 8, pair 2 of 5&quot;.</extracomment>
        <translation>%1 dan %2, pasangan %3 dari %4</translation>
    </message>
    <message>
        <source>%1 of %2 right. Ready for the sheet?</source>
        <extracomment>%1 right answers of %2 practice pairs.</extracomment>
        <translation>%1 dari %2 benar. Siap untuk lembarnya?</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Latihan</translation>
    </message>
    <message>
        <source>The sheet starts in</source>
        <translation>Lembar dimulai dalam</translation>
    </message>
    <message>
        <source>Have your pencil ready.</source>
        <translation>Siapkan pensil Anda.</translation>
    </message>
    <message>
        <source>Keep your fingers on the digits.</source>
        <translation>Letakkan jari Anda di tombol angka.</translation>
    </message>
    <message>
        <source>Esc leaves.</source>
        <translation>Esc keluar.</translation>
    </message>
    <message>
        <source>Enter or Space goes on, Esc leaves.</source>
        <translation>Enter atau Spasi melanjutkan, Esc keluar.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What screen readers hear of a step: its heading, then what it shows (&quot;Practice: pair 2 of 5 …&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 + %2 → %3</source>
        <extracomment>A practice pair and what was typed: &quot;4 + 6 → 0 ✓&quot;, &quot;6 + 8 → 3 ✗ (4)&quot;, &quot;8 + 1 → [ ]&quot;.</extracomment>
        <translation>%1 + %2 → %3</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>countdown</comment>
        <extracomment>The countdown&apos;s number, as big as the window shows it.</extracomment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>sheet::frmSheet</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Mulai</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Hentikan</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 dtk</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 mnt</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 mnt %2 dtk</translation>
    </message>
    <message>
        <source>digits %1 to %2, never the same twice in a row</source>
        <translation>angka %1 sampai %2, tanpa angka kembar berturut-turut</translation>
    </message>
    <message>
        <source>digits %1 to %2</source>
        <translation>angka %1 sampai %2</translation>
    </message>
    <message>
        <source>%1 additions in columns of %2 digits (%3), worked from the top down one after another, without a cue; a stroke every %4. %5 in all.</source>
        <translatorcomment>Pauli: tidak ada aba-aba untuk pindah lajur; satu-satunya aba-aba adalah “Garis!” setiap 3 menit (sama dengan terjemahan “Stroke!”).</translatorcomment>
        <translation>%1 penjumlahan dalam lajur-lajur berisi %2 angka (%3), dikerjakan dari atas ke bawah, lajur demi lajur, tanpa aba-aba untuk pindah lajur; setiap %4 ada aba-aba “Garis!” untuk menarik garis di bawah jawaban terakhir. Seluruhnya %5.</translation>
    </message>
    <message>
        <source>%1 lines of %2 digits (%3 additions each, %4), each from left to right; a new line every %5.</source>
        <translation>%1 baris berisi %2 angka (masing-masing %3 penjumlahan, %4), tiap baris dari kiri ke kanan; baris baru setiap %5.</translation>
    </message>
    <message>
        <source>%1 columns of %2 digits (%3), each from the bottom up; the next column every %4.</source>
        <translation>%1 lajur berisi %2 angka (%3), tiap lajur dari bawah ke atas; pindah ke lajur berikutnya setiap %4.</translation>
    </message>
    <message>
        <source>%1 columns of %2 digits (%3), each from the top down; the next column every %4.</source>
        <translation>%1 lajur berisi %2 angka (%3), tiap lajur dari atas ke bawah; pindah ke lajur berikutnya setiap %4.</translation>
    </message>
    <message>
        <source> A break of %1 after line %2.</source>
        <extracomment>A sentence after the one before: mind the space before it where the language puts one.</extracomment>
        <translation> Istirahat %1 setelah baris %2.</translation>
    </message>
    <message>
        <source> A break of %1 after column %2.</source>
        <translation> Istirahat %1 setelah lajur %2.</translation>
    </message>
    <message>
        <source> %1 in all.</source>
        <translation> Seluruhnya %1.</translation>
    </message>
    <message>
        <source>Next!</source>
        <extracomment>The examiner&apos;s call to move on to the next column or line. Fits the room of the widest call.</extracomment>
        <translatorcomment>Istilah: “Pindah!”, aba-aba penguji untuk pindah ke lajur berikutnya pada tes Kraepelin (dan ke baris berikutnya pada Uchida-Kraepelin). Tes Pauli tidak punya aba-aba ini.</translatorcomment>
        <translation>Pindah!</translation>
    </message>
    <message>
        <source>Break!</source>
        <extracomment>The examiner&apos;s call at the start of the break between the two halves.</extracomment>
        <translatorcomment>Istilah: “istirahat”, jeda di antara dua paruh tes, seperti kata petunjuk tes.</translatorcomment>
        <translation>Istirahat!</translation>
    </message>
    <message>
        <source>Stroke!</source>
        <extracomment>Pauli: the examiner&apos;s call to draw a stroke after the last answer.</extracomment>
        <translatorcomment>Istilah: pada tes Pauli penguji menyerukan “Garis!” setiap 3 menit, dan peserta menarik garis di bawah jawaban terakhirnya.</translatorcomment>
        <translation>Garis!</translation>
    </message>
    <message>
        <source>Exam sheets</source>
        <translation>Lembar tes</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Kustom</translation>
    </message>
    <message>
        <source>&amp;Practice version (short)</source>
        <translation>&amp;Versi latihan (singkat)</translation>
    </message>
    <message>
        <source>The same sheet, shorter: Kraepelin 10 columns; Uchida-Kraepelin 3 lines, a 1-minute break and 3 lines; Pauli 9 minutes</source>
        <translation>Lembar yang sama, lebih pendek: Kraepelin 10 lajur; Uchida-Kraepelin 3 baris, istirahat 1 menit, lalu 3 baris; Pauli 9 menit</translation>
    </message>
    <message>
        <source>Custom sheet</source>
        <translation>Lembar kustom</translation>
    </message>
    <message>
        <source>Columns, each from the bottom up</source>
        <translation>Lajur, masing-masing dari bawah ke atas</translation>
    </message>
    <message>
        <source>Columns, each from the top down</source>
        <translation>Lajur, masing-masing dari atas ke bawah</translation>
    </message>
    <message>
        <source>Lines, each from left to right</source>
        <translation>Baris, masing-masing dari kiri ke kanan</translation>
    </message>
    <message>
        <source>No digit t&amp;wice in a row</source>
        <translatorcomment>Istilah: “angka kembar” untuk angka yang sama dua kali berturut-turut.</translatorcomment>
        <translation>Tanpa angka kembar berturut-t&amp;urut</translation>
    </message>
    <message>
        <source>No digit follows itself in a column or line, as on Uchida-Kraepelin sheets</source>
        <translation>Tidak ada angka yang diikuti angka yang sama dalam satu lajur atau baris, seperti pada lembar Uchida-Kraepelin</translation>
    </message>
    <message>
        <source>La&amp;yout:</source>
        <translation>Susu&amp;nan:</translation>
    </message>
    <message>
        <source>Columns or lines, and the way they are worked</source>
        <translation>Lajur atau baris, dan arah pengerjaannya</translation>
    </message>
    <message>
        <source>C&amp;olumns or lines:</source>
        <translation>&amp;Lajur atau baris:</translation>
    </message>
    <message>
        <source>1 to %1</source>
        <translation>1 sampai %1</translation>
    </message>
    <message>
        <source>&amp;Digits in each:</source>
        <translation>&amp;Angka per lajur/baris:</translation>
    </message>
    <message>
        <source>%1 to %2 digits a column or line</source>
        <translation>%1 sampai %2 angka per lajur atau baris</translation>
    </message>
    <message>
        <source>Seco&amp;nds for each:</source>
        <translation>&amp;Detik per lajur/baris:</translation>
    </message>
    <message>
        <source>%1 to %2 seconds, then the cue moves on to the next column or line</source>
        <translation>%1 sampai %2 detik, lalu aba-aba memindahkan ke lajur atau baris berikutnya</translation>
    </message>
    <message>
        <source>&amp;Break after:</source>
        <translation>&amp;Istirahat setelah:</translation>
    </message>
    <message>
        <source>A break after this many columns or lines; 0 for none</source>
        <translation>Istirahat setelah sekian lajur atau baris; 0 bila tanpa istirahat</translation>
    </message>
    <message>
        <source>Brea&amp;k seconds:</source>
        <translation>Deti&amp;k istirahat:</translation>
    </message>
    <message>
        <source>%1 to %2 seconds with a break; 0 without one</source>
        <translation>%1 sampai %2 detik bila ada istirahat; 0 bila tidak ada</translation>
    </message>
    <message>
        <source>&amp;Lowest digit:</source>
        <translation>Angka te&amp;rendah:</translation>
    </message>
    <message>
        <source>The smallest digit printed: 0 to 8</source>
        <translation>Angka terkecil yang dicetak: 0 sampai 8</translation>
    </message>
    <message>
        <source>&amp;Highest digit:</source>
        <translation>Angka terting&amp;gi:</translation>
    </message>
    <message>
        <source>The largest digit printed: above the lowest, up to 9</source>
        <translation>Angka terbesar yang dicetak: di atas angka terendah, paling tinggi 9</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>The test the sheet is laid out and timed like, or a custom sheet</source>
        <translation>Tes yang tata letak dan waktunya ditiru lembar ini, atau lembar kustom</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translatorcomment>Istilah: “kode lembar” untuk seed, di semua katalog (lihat daftar istilah di sheetresults_id.ts).</translatorcomment>
        <translation>Kod&amp;e lembar:</translation>
    </message>
    <message>
        <source>The same seed and format give the same sheet: type the seed of an earlier sheet to sit it again</source>
        <translation>Kode lembar dan format yang sama menghasilkan lembar yang sama: ketik kode lembar sebelumnya untuk mengerjakannya lagi</translation>
    </message>
    <message>
        <source>Type the unit digit of each sum – Backspace takes back, Space passes</source>
        <translation>Ketik angka satuan setiap jumlah – Backspace membatalkan, Spasi melewati</translation>
    </message>
    <message>
        <source>Type the unit digit of the sum of the two digits; Backspace takes back, Space passes; Ctrl+Plus and Ctrl+Minus zoom</source>
        <translation>Ketik angka satuan dari jumlah kedua angka; Backspace membatalkan, Spasi melewati; Ctrl+Plus dan Ctrl+Minus memperbesar dan memperkecil</translation>
    </message>
    <message>
        <source>Show &amp;time left</source>
        <translation>Tampilkan &amp;sisa waktu</translation>
    </message>
    <message>
        <source>As in the test itself the clock is hidden; this shows the time left</source>
        <translation>Seperti pada tes sebenarnya, jam disembunyikan; ini menampilkan sisa waktu</translation>
    </message>
    <message>
        <source>Sound at the c&amp;ue</source>
        <translation>&amp;Bunyi saat aba-aba</translation>
    </message>
    <message>
        <source>A short signal with each call to move on, the break and each stroke</source>
        <translation>Bunyi singkat pada setiap aba-aba pindah, istirahat, dan setiap garis</translation>
    </message>
    <message>
        <source>Zoom: Ctrl+Plus, Ctrl+Minus, Ctrl+wheel</source>
        <translation>Zum: Ctrl+Plus, Ctrl+Minus, Ctrl+roda</translation>
    </message>
    <message>
        <source>Ctrl+0 sets the zoom back</source>
        <translation>Ctrl+0 mengembalikan ukuran semula</translation>
    </message>
    <message>
        <source>Start the sheet: its time runs from now (Enter)</source>
        <translation>Mulai lembar: waktunya berjalan sejak sekarang (Enter)</translation>
    </message>
    <message>
        <source>Stop the sheet after asking, and show its results (Esc)</source>
        <translation>Hentikan lembar setelah bertanya, lalu tampilkan hasilnya (Esc)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Starts the sheet</source>
        <translation>Memulai lembar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Stops the sheet after asking</source>
        <translation>Menghentikan lembar setelah bertanya</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>%1 – seed %2</source>
        <extracomment>%1 is the sheet&apos;s title, %2 its seed.</extracomment>
        <translation>%1 – kode lembar %2</translation>
    </message>
    <message>
        <source>Are you sure want to stop?</source>
        <translation>Yakin ingin menghentikan lembar tes?</translation>
    </message>
    <message>
        <source>Break, %1 left; the second half starts by itself</source>
        <translation>Istirahat, sisa %1; paruh kedua dimulai otomatis</translation>
    </message>
    <message>
        <source>End of line %1; wait for the call</source>
        <translation>Akhir baris %1; tunggu aba-aba</translation>
    </message>
    <message>
        <source>End of column %1; wait for the call</source>
        <translation>Akhir lajur %1; tunggu aba-aba</translation>
    </message>
    <message>
        <source>%1 and %2, line %3, pair %4 of %5</source>
        <extracomment>Read to screen readers at each pair: &quot;7 and 5, column 3, pair 4 of 26&quot;.</extracomment>
        <translation>%1 dan %2, baris %3, pasangan %4 dari %5</translation>
    </message>
    <message>
        <source>%1 and %2, column %3, pair %4 of %5</source>
        <translation>%1 dan %2, lajur %3, pasangan %4 dari %5</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>Sisa waktu: %1</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Sisa %1</translation>
    </message>
    <message>
        <source>Break
%1
The second half starts by itself.</source>
        <translation>Istirahat
%1
Paruh kedua dimulai otomatis.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A call heard with what it brings: &quot;Next! 7 and 5, column 3, pair 1 of 26&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Lembar</translation>
    </message>
    <message>
        <source>Last sheet: %1, seed %2</source>
        <translation>Lembar terakhir: %1, kode lembar %2</translation>
    </message>
    <message>
        <source>Start!</source>
        <extracomment>The examiner&apos;s call that starts the time.</extracomment>
        <translation>Mulai!</translation>
    </message>
    <message>
        <source>Stop!</source>
        <extracomment>The examiner&apos;s call when the time is up: pencils down.</extracomment>
        <translation>Selesai!</translation>
    </message>
    <message>
        <source>Start!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Start!&quot; as a speech engine speaks it; as shown, or spelt as the voice reads it surely.</extracomment>
        <translation>Mulai!</translation>
    </message>
    <message>
        <source>Next!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Next!&quot; as a speech engine speaks it.</extracomment>
        <translation>Pindah!</translation>
    </message>
    <message>
        <source>Break!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Break!&quot; as a speech engine speaks it.</extracomment>
        <translation>Istirahat!</translation>
    </message>
    <message>
        <source>Stroke!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Stroke!&quot; as a speech engine speaks it.</extracomment>
        <translation>Garis!</translation>
    </message>
    <message>
        <source>Stop!</source>
        <comment>spoken</comment>
        <extracomment>The call &quot;Stop!&quot; as a speech engine speaks it.</extracomment>
        <translation>Selesai!</translation>
    </message>
    <message>
        <source>Enter a paper sitting…</source>
        <translation>Isi hasil tes kertas…</translation>
    </message>
    <message>
        <source>Instructions, practice and &amp;3-2-1 first</source>
        <translation>Petunjuk, latihan, dan &amp;3-2-1 dulu</translation>
    </message>
    <message>
        <source>As in the test itself: the instructions with a worked example, a few practice pairs and a countdown before the sheet&apos;s time starts</source>
        <translation>Seperti pada tesnya: petunjuk dengan contoh, beberapa pasangan latihan, dan hitung mundur sebelum waktu lembar dimulai</translation>
    </message>
    <message>
        <source>Off: the sheet on screen</source>
        <translation>Tidak: lembar di layar</translation>
    </message>
    <message>
        <source>Calls as a tone, the sheet on paper</source>
        <translation>Aba-aba berupa nada, lembar di kertas</translation>
    </message>
    <message>
        <source>Calls spoken, the sheet on paper</source>
        <translation>Aba-aba diucapkan, lembar di kertas</translation>
    </message>
    <message>
        <source>Calls spoken and a tone, the sheet on paper</source>
        <translation>Aba-aba diucapkan dan bernada, lembar di kertas</translation>
    </message>
    <message>
        <source>E&amp;xaminer:</source>
        <translation>Penguji (&amp;X):</translation>
    </message>
    <message>
        <source>For a printed sheet: the window gives the calls by the sheet&apos;s clock, then you enter what you did on paper</source>
        <translation>Untuk lembar yang dicetak: jendela ini memberi aba-aba menurut waktu lembar, lalu Anda mengisi yang dikerjakan di kertas</translation>
    </message>
    <message>
        <source>The examiner: the calls for a printed sheet; Esc stops</source>
        <translation>Penguji: aba-aba untuk lembar yang dicetak; Esc menghentikan</translation>
    </message>
    <message>
        <source>Enter what you did on a printed sheet of this format and seed, for its results</source>
        <translation>Isi yang Anda kerjakan pada lembar cetak dengan format dan kode lembar ini, untuk melihat hasilnya</translation>
    </message>
    <message>
        <source>Enter a paper sitting</source>
        <translation>Isi hasil tes kertas</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Istirahat</translation>
    </message>
    <message>
        <source>Period %1 of %2</source>
        <extracomment>The examiner&apos;s display: the period between two strokes under way.</extracomment>
        <translation>Periode %1 dari %2</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <extracomment>The examiner&apos;s display: the column or line under way.</extracomment>
        <translation>Baris %1 dari %2</translation>
    </message>
    <message>
        <source>Column %1 of %2</source>
        <translation>Lajur %1 dari %2</translation>
    </message>
    <message>
        <source>%1 left; the second half starts by itself</source>
        <translation>Sisa %1; paruh kedua dimulai otomatis</translation>
    </message>
    <message>
        <source>H&amp;istory…</source>
        <translation>Riwayat &amp;hasil…</translation>
    </message>
    <message>
        <source>Your kept sittings, their scores over time and the trend</source>
        <translation>Tes yang Anda simpan, skornya dari waktu ke waktu, dan trennya</translation>
    </message>
</context>
</TS>
