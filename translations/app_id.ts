<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows the texts in language &lt;code&gt;: %1 (by default the desktop&apos;s language).</source>
        <translation>Menampilkan teks dalam bahasa &lt;code&gt;: %1 (bawaan: bahasa desktop).</translation>
    </message>
    <message>
        <source>Drills the addition rule of the Pauli-Kraepelin test: type the unit digit of the sum of two digits and press Enter.</source>
        <translation>Melatih aturan penjumlahan tes Pauli-Kraepelin: ketik angka satuan dari jumlah dua angka, lalu tekan Enter.</translation>
    </message>
    <message>
        <source>Opens the exam sheets window alone, with &lt;format&gt; chosen: %1.</source>
        <translation>Membuka jendela lembar tes saja, dengan &lt;format&gt; terpilih: %1.</translation>
    </message>
    <message>
        <source>With --sheet: the format&apos;s short practice version.</source>
        <translation>Dengan --sheet: versi latihan singkat dari format tersebut.</translation>
    </message>
    <message>
        <source>With --sheet: makes the sheet from seed &lt;n&gt;, to sit a sheet again.</source>
        <translatorcomment>Istilah: “kode lembar” untuk seed, seperti di jendela lembar tes dan hasilnya; nama opsinya tetap --seed.</translatorcomment>
        <translation>Dengan --sheet: membuat lembar dari kode lembar &lt;n&gt;, untuk mengerjakan lembar yang sama lagi.</translation>
    </message>
    <message>
        <source>takes no arguments, but was given: %1</source>
        <translation>tidak menerima argumen, tetapi diberi: %1</translation>
    </message>
    <message>
        <source>--practice and --seed choose an exam sheet: give --sheet FORMAT too</source>
        <translation>--practice dan --seed memilih lembar tes: berikan juga --sheet FORMAT</translation>
    </message>
    <message>
        <source>With --sheet and --seed: writes the sheet to &lt;file&gt; as a PDF to print, without a window, and ends.</source>
        <translation>Dengan --sheet dan --seed: menulis lembar tes ke &lt;file&gt; sebagai PDF untuk dicetak, tanpa jendela, lalu selesai.</translation>
    </message>
    <message>
        <source>--pdf writes an exam sheet: give --sheet FORMAT and --seed N too</source>
        <translation>--pdf menulis lembar tes: berikan juga --sheet FORMAT dan --seed N</translation>
    </message>
    <message>
        <source>--sheet, --seed and --pdf are given once each</source>
        <translation>--sheet, --seed, dan --pdf masing-masing diberikan sekali</translation>
    </message>
    <message>
        <source>cannot write the PDF to &quot;%1&quot;: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>PDF tidak dapat ditulis ke &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Opens the History window alone: the sittings kept on this computer, their scores over time and the trend.</source>
        <translation>Membuka jendela Riwayat saja: tes yang disimpan di komputer ini, skornya dari waktu ke waktu, dan trennya.</translation>
    </message>
    <message>
        <source>--history opens the History window alone: give no exam sheet&apos;s options</source>
        <translation>--history membuka jendela Riwayat saja: jangan beri opsi lembar tes</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translatorcomment>Kata-kata pengurai baris perintah Qt; Qt tidak punya katalog bahasa Indonesia, jadi katalog ini yang menyediakannya. Istilah: “opsi”, seperti pada kotak “Opsi” di jendela utama.</translatorcomment>
        <translation>Penggunaan: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opsi]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opsi:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumen:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Menampilkan bantuan tentang opsi baris perintah.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Menampilkan bantuan termasuk opsi khusus Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Menampilkan informasi versi.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opsi &apos;%1&apos; tidak dikenal.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opsi tidak dikenal: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nilai setelah &apos;%1&apos; tidak ada.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nilai tak terduga setelah &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>app::LogCommands</name>
    <message>
        <source>Answer log</source>
        <translatorcomment>Istilah: “log jawaban” untuk kotak jawaban (answer log) di mana pun, juga di metainfo; kata kerjanya “catat” (Catat tes, tidak dicatat).</translatorcomment>
        <translation>Log jawaban</translation>
    </message>
    <message>
        <source>Show &amp;work curve</source>
        <translatorcomment>Istilah: &quot;kurva kerja&quot;, sebutan umum untuk grafik hasil tes Kraepelin/Pauli di buku latihan psikotes.</translatorcomment>
        <translation>Tampilkan &amp;kurva kerja</translation>
    </message>
    <message>
        <source>&amp;Save answers as CSV…</source>
        <translation>&amp;Simpan jawaban ke CSV…</translation>
    </message>
    <message>
        <source>&amp;Copy results</source>
        <translation>Salin &amp;hasil</translation>
    </message>
    <message>
        <source>&amp;Exam sheets…</source>
        <translatorcomment>Istilah: &quot;lembar tes&quot; untuk kertas soal Kraepelin, Uchida-Kraepelin, dan Pauli.</translatorcomment>
        <translation>&amp;Lembar tes…</translation>
    </message>
    <message>
        <source>Practise the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test (%1)</source>
        <translation>Berlatih dengan lembar tes Kraepelin, Uchida-Kraepelin, dan Pauli, dengan waktu seperti tes sebenarnya (%1)</translation>
    </message>
    <message>
        <source>Answers per minute, answer times and the digit-pair map of the last run</source>
        <translation>Jawaban per menit, waktu jawab, dan peta pasangan angka dari sesi terakhir</translation>
    </message>
    <message>
        <source>Save every answer of the last run, with its answer time, to a CSV file</source>
        <translation>Simpan semua jawaban sesi terakhir beserta waktu jawabnya ke berkas CSV</translation>
    </message>
    <message>
        <source>Copy the answer log and the results of the last run as plain text</source>
        <translation>Salin log jawaban dan hasil sesi terakhir sebagai teks biasa</translation>
    </message>
    <message>
        <source>Right-click, or press the Menu key or Shift+F10, to show the work curve, save the answers as CSV or copy the results, or to open the exam sheets (%1) or the history</source>
        <translation>Klik kanan, atau tekan tombol Menu atau Shift+F10, untuk menampilkan kurva kerja, menyimpan jawaban ke CSV atau menyalin hasil, atau untuk membuka lembar tes (%1) atau riwayat hasil</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Riwayat hasil…</translation>
    </message>
    <message>
        <source>Your kept sittings and runs, their scores over time and the trend</source>
        <translation>Tes dan sesi yang Anda simpan, skornya dari waktu ke waktu, dan trennya</translation>
    </message>
</context>
<context>
    <name>app::frmMain</name>
    <message>
        <source>&lt;&lt;&lt; &amp;Back</source>
        <extracomment>The button under the answer log that hides the results; its box is 265 px wide.</extracomment>
        <translatorcomment>Tombol akses unik di jendela ini: K(embali), T(entang), (K)E(luar), C(atat), J(am).</translatorcomment>
        <translation>&lt;&lt;&lt; &amp;Kembali</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>The button that opens the menu of the rule, the test and the program; 89 px wide.</extracomment>
        <translation>&amp;Tentang</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The button that ends the program after asking; 89 px wide.</extracomment>
        <translation>K&amp;eluar</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Angka pertama: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Angka kedua: %1</translation>
    </message>
    <message>
        <source>Clock: %1</source>
        <translation>Jam: %1</translation>
    </message>
    <message>
        <source>One thing to keep in mind, the answer of each questions only consist of one number, following the rule of Pauli-Kraepelin test.<byte value="xd"/>
<byte value="xd"/>
Example 1:<byte value="xd"/>
	5 + 4 = 9<byte value="xd"/>
Example 2:<byte value="xd"/>
	7 + 5 = 2 (instead of filling the field with &apos;12&apos;, you only need to write down the unit; &apos;2&apos;)<byte value="xd"/>
Example 3:<byte value="xd"/>
	6 + 9 = 5 (instead of filling the field with &apos;15&apos;, you only need to write down the unit; &apos;5&apos;)</source>
        <translation>Satu hal yang perlu diingat: sesuai aturan tes Pauli-Kraepelin, jawaban setiap soal hanya terdiri dari satu angka.<byte value="xd"/>
<byte value="xd"/>
Contoh 1:<byte value="xd"/>
	5 + 4 = 9<byte value="xd"/>
Contoh 2:<byte value="xd"/>
	7 + 5 = 2 (bukan &apos;12&apos;; cukup tulis angka satuannya, yaitu &apos;2&apos;)<byte value="xd"/>
Contoh 3:<byte value="xd"/>
	6 + 9 = 5 (bukan &apos;15&apos;; cukup tulis angka satuannya, yaitu &apos;5&apos;)</translation>
    </message>
    <message>
        <source>Pauli-Kraepelin Test is part of common psychology test. This test format is in a newspaper-size paper consisting hundred of random numbers. What you need to do is incrementing each two closest number.<byte value="xd"/>
<byte value="xd"/>
This test used to measure examinee&apos;s concrentation level and performance stability under such a pressure.<byte value="xd"/>
<byte value="xd"/>
In the real Pauli-Kraepelin Test, the examinee will never know how much time reserved by the examiner in each sections.</source>
        <translation>Tes Pauli-Kraepelin adalah bagian dari psikotes yang umum. Tes ini dikerjakan pada kertas seukuran koran yang berisi ratusan angka acak. Tugas Anda adalah menjumlahkan setiap dua angka yang berdekatan.<byte value="xd"/>
<byte value="xd"/>
Tes ini digunakan untuk mengukur tingkat konsentrasi peserta dan kestabilan kinerjanya di bawah tekanan.<byte value="xd"/>
<byte value="xd"/>
Pada tes Pauli-Kraepelin yang sebenarnya, peserta tidak pernah tahu berapa lama waktu yang disediakan penguji untuk setiap bagian.</translation>
    </message>
    <message>
        <source>Options</source>
        <translatorcomment>Istilah: “opsi”, kata yang juga dipakai bantuan baris perintah dan nama tombol Option di Qt; bukan “pilihan”.</translatorcomment>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>&amp;Log test</source>
        <translation>&amp;Catat tes</translation>
    </message>
    <message>
        <source>Show &amp;timer</source>
        <translatorcomment>Dipendekkan dari &quot;Tampilkan waktu&quot; agar muat di kotak centang 73 px; akses &amp;J.</translatorcomment>
        <translation>Lihat &amp;jam</translation>
    </message>
    <message>
        <source>Test duration (minute(s)):</source>
        <translation>Durasi tes (menit):</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Kontrol</translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation>Waktu:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Hasil:</translation>
    </message>
    <message>
        <source>Question mark in a speech bubble</source>
        <translation>Tanda tanya dalam balon kata</translation>
    </message>
    <message>
        <source>Cartoon figure</source>
        <translation>Tokoh kartun</translation>
    </message>
    <message>
        <source>A&amp;bout...</source>
        <translation>&amp;Tentang...</translation>
    </message>
    <message>
        <source>About &amp;Rule</source>
        <translation>Tentang &amp;Aturan</translation>
    </message>
    <message>
        <source>About &amp;Pauli-Kraepelin Test</source>
        <translatorcomment>Istilah: &quot;tes Pauli-Kraepelin&quot; dan &quot;psikotes&quot;, kata yang dipakai peserta seleksi CPNS/BUMN.</translatorcomment>
        <translation>Tentang Tes &amp;Pauli-Kraepelin</translation>
    </message>
    <message>
        <source>About &amp;Tavrendale</source>
        <translation>Tentang &amp;Tavrendale</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>tambah</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>sama dengan</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Jawaban</translation>
    </message>
    <message>
        <source>The unit digit of the sum of the two numbers; Enter hands it in</source>
        <translation>Angka satuan dari jumlah kedua angka; Enter untuk menyerahkan</translation>
    </message>
    <message>
        <source>Test duration in minutes</source>
        <translation>Durasi tes dalam menit</translation>
    </message>
    <message>
        <source>Whole minutes from 1 to 99</source>
        <translation>Bilangan bulat 1 sampai 99 (menit)</translation>
    </message>
    <message>
        <source>Whole minutes from 1 to 99. %1 opens the exam sheets, timed as in the test</source>
        <translation>Bilangan bulat 1 sampai 99 (menit). %1 membuka lembar tes dengan waktu seperti tes sebenarnya</translation>
    </message>
    <message>
        <source>%1 opens the exam sheets: the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test</source>
        <translation>%1 membuka lembar tes: lembar tes Kraepelin, Uchida-Kraepelin, dan Pauli, dengan waktu seperti tes sebenarnya</translation>
    </message>
    <message>
        <source>Log test</source>
        <translation>Catat tes</translation>
    </message>
    <message>
        <source>Judge and count the answers and write them to the answer log</source>
        <translation>Menilai dan menghitung jawaban, lalu menuliskannya ke log jawaban</translation>
    </message>
    <message>
        <source>Show timer</source>
        <translation>Lihat jam</translation>
    </message>
    <message>
        <source>Off, the clock is covered; it keeps counting</source>
        <translation>Jika dimatikan, jam ditutup; waktu tetap berjalan</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Starts a run of the duration typed in the duration field</source>
        <translation>Memulai sesi dengan durasi yang diketik di isian durasi</translation>
    </message>
    <message>
        <source>Start (Space when focused)</source>
        <translation>Mulai (Spasi saat terfokus)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translatorcomment>Istilah: “Hentikan” untuk Stop di setiap jendela (jendela utama dan lembar tes), dengan pertanyaan “Yakin ingin menghentikan …?”; “berhenti” tidak dipakai.</translatorcomment>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Stops the run after asking</source>
        <translation>Menghentikan sesi setelah bertanya</translation>
    </message>
    <message>
        <source>Stop (Space when focused)</source>
        <translation>Hentikan (Spasi saat terfokus)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>Stops the run without asking and sets the numbers and the clock back</source>
        <translation>Menghentikan sesi tanpa bertanya dan mengembalikan angka serta jam ke awal</translation>
    </message>
    <message>
        <source>Reset (Space when focused)</source>
        <translation>Atur ulang (Spasi saat terfokus)</translation>
    </message>
    <message>
        <source>Minutes and seconds since the run started</source>
        <translation>Menit dan detik sejak sesi dimulai</translation>
    </message>
    <message>
        <source>Clock covered</source>
        <translation>Jam ditutup</translation>
    </message>
    <message>
        <source>Show timer is off; the clock keeps counting</source>
        <translation>“Lihat jam” dimatikan; waktu tetap berjalan</translation>
    </message>
    <message>
        <source>Answer log</source>
        <translation>Log jawaban</translation>
    </message>
    <message>
        <source>One line per answer: the sum, the answer given, and TRUE or FALSE. </source>
        <translation>Satu baris per jawaban: soal penjumlahan, jawaban yang diberikan, dan BENAR atau SALAH. </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Hides the results</source>
        <translation>Menyembunyikan hasil</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Opens a menu: about the rule, about the test, about Tavrendale</source>
        <translation>Membuka menu: tentang aturan, tentang tes, tentang Tavrendale</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Ends the program after asking</source>
        <translation>Menutup program setelah bertanya</translation>
    </message>
    <message>
        <source>Pointing hand</source>
        <translation>Tangan menunjuk</translation>
    </message>
    <message>
        <source>Web address; a click opens it in the browser</source>
        <translation>Alamat web; klik untuk membukanya di peramban</translation>
    </message>
    <message>
        <source>Are you sure want to stop?</source>
        <translation>Yakin ingin menghentikan sesi?</translation>
    </message>
    <message>
        <source>Are you sure want to exit?</source>
        <translation>Yakin ingin keluar?</translation>
    </message>
    <message>
        <source>Tavrendale -- About Rule</source>
        <translation>Tavrendale -- Tentang Aturan</translation>
    </message>
    <message>
        <source>Tavrendale -- About Pauli-Kraepelin Test</source>
        <translation>Tavrendale -- Tentang Tes Pauli-Kraepelin</translation>
    </message>
    <message>
        <source>A run is in progress: its answers are ready when it ends.</source>
        <translatorcomment>Istilah: &quot;sesi&quot; untuk satu kali latihan (run) dari Mulai sampai waktu habis.</translatorcomment>
        <translation>Sesi sedang berjalan: jawabannya tersedia setelah sesi selesai.</translation>
    </message>
    <message>
        <source>No run has ended yet.</source>
        <translation>Belum ada sesi yang selesai.</translation>
    </message>
    <message>
        <source>The last run was not logged: tick &quot;Log test&quot; before Start to record the answers.</source>
        <translation>Sesi terakhir tidak dicatat: centang “Catat tes” sebelum Mulai untuk merekam jawaban.</translation>
    </message>
    <message>
        <source>The last run has no answers.</source>
        <translation>Sesi terakhir tidak punya jawaban.</translation>
    </message>
    <message>
        <source>Exam sheets (%1)</source>
        <extracomment>A link-like button in the main window&apos;s bottom row; %1 is its key, Ctrl+E.</extracomment>
        <translation>Lembar tes (%1)</translation>
    </message>
    <message>
        <source>Opens the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test; %1 from anywhere in this window</source>
        <translation>Membuka lembar tes Kraepelin, Uchida-Kraepelin, dan Pauli, dengan waktu seperti tes sebenarnya; %1 dari mana saja di jendela ini</translation>
    </message>
    <message>
        <source>Exam sheets</source>
        <translation>Lembar tes</translation>
    </message>
</context>
<context>
    <name>engine::TestEngine</name>
    <message>
        <source>Duration: %1 minute(s)</source>
        <extracomment>A result line, right-aligned in a box of 129 px, before the first run (&quot;0&quot;) and after a run without logging stopped by the user (&quot;-&quot;); %1 is that figure.</extracomment>
        <translation>Durasi: %1 menit</translation>
    </message>
    <message>
        <source>Result not logged.</source>
        <extracomment>The answer log&apos;s one line after a run with &quot;Log test&quot; off.</extracomment>
        <translatorcomment>Istilah: &quot;dicatat&quot;/&quot;catat&quot; untuk log (sama dengan kotak centang &quot;Catat tes&quot;).</translatorcomment>
        <translation>Hasil tidak dicatat.</translation>
    </message>
    <message>
        <source>Invalid value detected in test duration field, please change the value into numbers only, then try again.</source>
        <extracomment>A warning box, after Start with a duration that is not a number of at least 1.</extracomment>
        <translation>Isian durasi tes tidak valid. Isi hanya dengan angka, lalu coba lagi.</translation>
    </message>
    <message>
        <source>Total answered: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is a count or &quot;-&quot;.</extracomment>
        <translation>Jumlah jawaban: %1</translation>
    </message>
    <message>
        <source>Total true: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is a count or &quot;-&quot;.</extracomment>
        <translatorcomment>Istilah: &quot;benar&quot; dan &quot;salah&quot; seperti pada hasil psikotes; label dipendekkan (tanpa &quot;Total&quot;) agar muat di kotak 129 px.</translatorcomment>
        <translation>Benar: %1</translation>
    </message>
    <message>
        <source>Total false: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is a count or &quot;-&quot;.</extracomment>
        <translation>Salah: %1</translation>
    </message>
    <message>
        <source>Duration: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is the run&apos;s clock (1:00) or &quot;-&quot;.</extracomment>
        <translation>Durasi: %1</translation>
    </message>
    <message>
        <source>Operation per sec: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is the true answers per second (0.57), &quot;0&quot; or &quot;-&quot;.</extracomment>
        <translation>Benar per detik: %1</translation>
    </message>
    <message>
        <source>Operation per min: %1</source>
        <extracomment>A result line, right-aligned in a box of 129 px; %1 is the true answers per minute (34.00), &quot;0&quot; or &quot;-&quot;.</extracomment>
        <translatorcomment>Istilah: angka ini menghitung jawaban benar saja, jadi “Benar per detik/menit”, seperti “Benar: %1” di atasnya; bukan “hitungan”, yang terbaca sebagai semua penjumlahan yang dikerjakan.</translatorcomment>
        <translation>Benar per menit: %1</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 | TRUE</source>
        <extracomment>An answer log line: %1 and %2 are the two numbers, each after a blank (&quot; 7&quot;), %3 the answer given; then that it is right.</extracomment>
        <translatorcomment>BENAR/SALAH huruf kapital seperti TRUE/FALSE di log aslinya.</translatorcomment>
        <translation>%1 + %2 = %3 | BENAR</translation>
    </message>
    <message>
        <source>%1 + %2 = %3 | FALSE</source>
        <extracomment>An answer log line: %1 and %2 are the two numbers, each after a blank (&quot; 7&quot;), %3 the answer given; then that it is wrong.</extracomment>
        <translation>%1 + %2 = %3 | SALAH</translation>
    </message>
</context>
</TS>
