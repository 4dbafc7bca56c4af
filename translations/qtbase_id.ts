<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translatorcomment>Teks Qt sendiri (dialog berkas, menu konteks, tombol standar, nama tombol papan ketik, nama peran untuk pembaca layar). Qt tidak punya katalog bahasa Indonesia; katalog ini dipakai hanya bila sistem tidak punya qtbase_id.qm sendiri. Tanda &amp; dan %1 tetap.</translatorcomment>
        <translation>Kandar</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Folder</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>Folder Berkas</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak dikenal</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Kandar</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Tampilkan </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; dilindungi dari penulisan.
Apakah Anda tetap ingin menghapusnya?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Apakah Anda yakin ingin menghapus &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Daftar tempat dan markah</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nama berkas:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder Baru</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Direktori Induk</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Folder Baru</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Lihat di:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Jenis berkas:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Cari Direktori</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Tampilkan berkas &amp;tersembunyi</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Direktori tidak ditemukan.
Pastikan nama direktori yang diberikan benar.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bilah Sisi</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Tampilan Daftar</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Pilih</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Semua Berkas (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Direktori</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Ganti Nama</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Tidak dapat menghapus direktori.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Direktori:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak dikenal</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 sudah ada.
Apakah Anda ingin menimpanya?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ke direktori induk</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Tempat Terkini</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Ubah ke mode tampilan rinci</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Tampilan Rinci</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Berkas tidak ditemukan.
Pastikan nama berkas yang diberikan benar.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Ubah ke mode tampilan daftar</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Gugurkan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Kembalikan Bawaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>T&amp;idak untuk Semua</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Tutup tanpa Menyimpan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Tampilkan Rincian...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sembunyikan Rincian...</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>U&amp;rungkan</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>T&amp;empel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>U&amp;rungkan</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>T&amp;empel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Salin &amp;Lokasi Taut</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Gulir ke sini</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Paling atas</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Paling bawah</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Tepi kiri</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Tepi kanan</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Halaman ke atas</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Halaman ke bawah</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Halaman ke kiri</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Halaman ke kanan</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Gulir ke atas</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Gulir ke bawah</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Gulir ke kiri</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Gulir ke kanan</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Buka munculan pilihan kotak kombo</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Benar</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Salah</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Press</source>
        <translation>Tekan</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Kurangi</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>AturFokus</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Jungkitkan</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Gulir ke Kiri</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Gulir ke Kanan</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>Memicu aksi</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Menambah nilai</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Mengurangi nilai</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Menampilkan menu</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Mengatur fokus</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>Menjungkitkan keadaan</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>Menggulir ke kiri</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>Menggulir ke kanan</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>Menggulir ke atas</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>Menggulir ke bawah</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>Mundur satu halaman</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>Maju ke halaman berikutnya</translation>
    </message>
</context>
<context>
    <name>QSpiAccessibleBridge</name>
    <message>
        <source>row</source>
        <translation>baris</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>sel</translation>
    </message>
    <message>
        <source>dial</source>
        <translation>dial</translation>
    </message>
    <message>
        <source>form</source>
        <translation>formulir</translation>
    </message>
    <message>
        <source>grip</source>
        <translation>pegangan</translation>
    </message>
    <message>
        <source>link</source>
        <translation>taut</translation>
    </message>
    <message>
        <source>list</source>
        <translation>daftar</translation>
    </message>
    <message>
        <source>note</source>
        <translation>catatan</translation>
    </message>
    <message>
        <source>text</source>
        <translation>teks</translation>
    </message>
    <message>
        <source>tree</source>
        <translation>pohon</translation>
    </message>
    <message>
        <source>animation</source>
        <translation>animasi</translation>
    </message>
    <message>
        <source>chart</source>
        <translation>bagan</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>jam</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>bingkai</translation>
    </message>
    <message>
        <source>label</source>
        <translation>label</translation>
    </message>
    <message>
        <source>panel</source>
        <translation>panel</translation>
    </message>
    <message>
        <source>space</source>
        <translation>ruang</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>suara</translation>
    </message>
    <message>
        <source>table</source>
        <translation>tabel</translation>
    </message>
    <message>
        <source>radio button</source>
        <translation>tombol radio</translation>
    </message>
    <message>
        <source>page tab list</source>
        <translation>daftar tab halaman</translation>
    </message>
    <message>
        <source>web document</source>
        <translation>dokumen web</translation>
    </message>
    <message>
        <source>combo box</source>
        <translation>kotak kombo</translation>
    </message>
    <message>
        <source>color chooser</source>
        <translation>pemilih warna</translation>
    </message>
    <message>
        <source>menu item</source>
        <translation>butir menu</translation>
    </message>
    <message>
        <source>document</source>
        <translation>dokumen</translation>
    </message>
    <message>
        <source>scroll bar</source>
        <translation>bilah gulir</translation>
    </message>
    <message>
        <source>tool bar</source>
        <translation>bilah alat</translation>
    </message>
    <message>
        <source>tool tip</source>
        <translation>tip alat</translation>
    </message>
    <message>
        <source>text caret</source>
        <translation>kursor teks</translation>
    </message>
    <message>
        <source>button menu</source>
        <translation>menu tombol</translation>
    </message>
    <message>
        <source>separator</source>
        <translation>pemisah</translation>
    </message>
    <message>
        <source>canvas</source>
        <translation>kanvas</translation>
    </message>
    <message>
        <source>column</source>
        <translation>kolom</translation>
    </message>
    <message>
        <source>cursor</source>
        <translation>kursor</translation>
    </message>
    <message>
        <source>dialog</source>
        <translation>dialog</translation>
    </message>
    <message>
        <source>filler</source>
        <translation>pengisi</translation>
    </message>
    <message>
        <source>footer</source>
        <translation>kaki</translation>
    </message>
    <message>
        <source>push button</source>
        <translation>tombol tekan</translation>
    </message>
    <message>
        <source>row header</source>
        <translation>kepala baris</translation>
    </message>
    <message>
        <source>spin box</source>
        <translation>kotak putar</translation>
    </message>
    <message>
        <source>splitter</source>
        <translation>pemisah panel</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>penggeser</translation>
    </message>
    <message>
        <source>button with drop down grid</source>
        <translation>tombol dengan kisi tarik-turun</translation>
    </message>
    <message>
        <source>page tab</source>
        <translation>tab halaman</translation>
    </message>
    <message>
        <source>invalid role</source>
        <translation>peran tidak valid</translation>
    </message>
    <message>
        <source>paragraph</source>
        <translation>paragraf</translation>
    </message>
    <message>
        <source>equation</source>
        <translation>persamaan</translation>
    </message>
    <message>
        <source>complementary content</source>
        <translation>konten pelengkap</translation>
    </message>
    <message>
        <source>section</source>
        <translation>bagian</translation>
    </message>
    <message>
        <source>assistant</source>
        <translation>asisten</translation>
    </message>
    <message>
        <source>list item</source>
        <translation>butir daftar</translation>
    </message>
    <message>
        <source>indicator</source>
        <translation>indikator</translation>
    </message>
    <message>
        <source>title bar</source>
        <translation>bilah judul</translation>
    </message>
    <message>
        <source>tree item</source>
        <translation>butir pohon</translation>
    </message>
    <message>
        <source>check box</source>
        <translation>kotak centang</translation>
    </message>
    <message>
        <source>status bar</source>
        <translation>bilah status</translation>
    </message>
    <message>
        <source>progress bar</source>
        <translation>bilah kemajuan</translation>
    </message>
    <message>
        <source>alert message</source>
        <translation>pesan peringatan</translation>
    </message>
    <message>
        <source>property page</source>
        <translation>halaman properti</translation>
    </message>
    <message>
        <source>popup menu</source>
        <translation>menu munculan</translation>
    </message>
    <message>
        <source>layered pane</source>
        <translation>panel berlapis</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>tidak dikenal</translation>
    </message>
    <message>
        <source>menu bar</source>
        <translation>bilah menu</translation>
    </message>
    <message>
        <source>column header</source>
        <translation>kepala kolom</translation>
    </message>
    <message>
        <source>button with drop down</source>
        <translation>tombol dengan tarik-turun</translation>
    </message>
    <message>
        <source>hotkey field</source>
        <translation>ruas tombol pintas</translation>
    </message>
    <message>
        <source>graphic</source>
        <translation>grafik</translation>
    </message>
    <message>
        <source>help balloon</source>
        <translation>balon bantuan</translation>
    </message>
    <message>
        <source>heading</source>
        <translation>judul</translation>
    </message>
    <message>
        <source>application</source>
        <translation>aplikasi</translation>
    </message>
    <message>
        <source>terminal</source>
        <translation>terminal</translation>
    </message>
    <message>
        <source>notification</source>
        <translation>notifikasi</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Backtab</source>
        <translation>Backtab</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>SysReq</source>
        <translation>SysReq</translation>
    </message>
    <message>
        <source>System Request</source>
        <translation>System Request</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Kiri</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Atas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Kanan</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bawah</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>CapsLock</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>NumLock</source>
        <translation>NumLock</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Number Lock</source>
        <translation>Number Lock</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>ScrollLock</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spasi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Segarkan</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Muat Ulang</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Turun</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Volume Bisu</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Naik</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>Penguat Bas</translation>
    </message>
    <message>
        <source>Bass Up</source>
        <translation>Bas Naik</translation>
    </message>
    <message>
        <source>Bass Down</source>
        <translation>Bas Turun</translation>
    </message>
    <message>
        <source>Treble Up</source>
        <translation>Treble Naik</translation>
    </message>
    <message>
        <source>Treble Down</source>
        <translation>Treble Turun</translation>
    </message>
    <message>
        <source>Media Play</source>
        <translation>Putar Media</translation>
    </message>
    <message>
        <source>Media Stop</source>
        <translation>Hentikan Media</translation>
    </message>
    <message>
        <source>Media Previous</source>
        <translation>Media Sebelumnya</translation>
    </message>
    <message>
        <source>Media Next</source>
        <translation>Media Berikutnya</translation>
    </message>
    <message>
        <source>Media Record</source>
        <translation>Rekam Media</translation>
    </message>
    <message>
        <source>Media Pause</source>
        <translation>Jeda Media</translation>
    </message>
    <message>
        <source>Toggle Media Play/Pause</source>
        <translation>Jungkitkan Putar/Jeda Media</translation>
    </message>
    <message>
        <source>Media Rewind</source>
        <translation>Mundurkan Media</translation>
    </message>
    <message>
        <source>Media Fast Forward</source>
        <translation>Majukan Cepat Media</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Halaman Beranda</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Siaga</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Buka URL</translation>
    </message>
    <message>
        <source>Launch Mail</source>
        <translation>Jalankan Surel</translation>
    </message>
    <message>
        <source>Launch Media</source>
        <translation>Jalankan Media</translation>
    </message>
    <message>
        <source>Launch (0)</source>
        <translation>Jalankan (0)</translation>
    </message>
    <message>
        <source>Launch (1)</source>
        <translation>Jalankan (1)</translation>
    </message>
    <message>
        <source>Launch (2)</source>
        <translation>Jalankan (2)</translation>
    </message>
    <message>
        <source>Launch (3)</source>
        <translation>Jalankan (3)</translation>
    </message>
    <message>
        <source>Launch (4)</source>
        <translation>Jalankan (4)</translation>
    </message>
    <message>
        <source>Launch (5)</source>
        <translation>Jalankan (5)</translation>
    </message>
    <message>
        <source>Launch (6)</source>
        <translation>Jalankan (6)</translation>
    </message>
    <message>
        <source>Launch (7)</source>
        <translation>Jalankan (7)</translation>
    </message>
    <message>
        <source>Launch (8)</source>
        <translation>Jalankan (8)</translation>
    </message>
    <message>
        <source>Launch (9)</source>
        <translation>Jalankan (9)</translation>
    </message>
    <message>
        <source>Launch (A)</source>
        <translation>Jalankan (A)</translation>
    </message>
    <message>
        <source>Launch (B)</source>
        <translation>Jalankan (B)</translation>
    </message>
    <message>
        <source>Launch (C)</source>
        <translation>Jalankan (C)</translation>
    </message>
    <message>
        <source>Launch (D)</source>
        <translation>Jalankan (D)</translation>
    </message>
    <message>
        <source>Launch (E)</source>
        <translation>Jalankan (E)</translation>
    </message>
    <message>
        <source>Launch (F)</source>
        <translation>Jalankan (F)</translation>
    </message>
    <message>
        <source>Monitor Brightness Up</source>
        <translation>Kecerahan Monitor Naik</translation>
    </message>
    <message>
        <source>Monitor Brightness Down</source>
        <translation>Kecerahan Monitor Turun</translation>
    </message>
    <message>
        <source>Keyboard Light On/Off</source>
        <translation>Lampu Papan Ketik Nyala/Mati</translation>
    </message>
    <message>
        <source>Keyboard Brightness Up</source>
        <translation>Kecerahan Papan Ketik Naik</translation>
    </message>
    <message>
        <source>Keyboard Brightness Down</source>
        <translation>Kecerahan Papan Ketik Turun</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Matikan Daya</translation>
    </message>
    <message>
        <source>Wake Up</source>
        <translation>Bangunkan</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Keluarkan</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>Penyimpan Layar</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>WWW</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Tidur</translation>
    </message>
    <message>
        <source>LightBulb</source>
        <translation>Bohlam</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Belanja</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Riwayat</translation>
    </message>
    <message>
        <source>Add Favorite</source>
        <translation>Tambah Favorit</translation>
    </message>
    <message>
        <source>Hot Links</source>
        <translation>Taut Populer</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Atur Kecerahan</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Keuangan</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Komunitas</translation>
    </message>
    <message>
        <source>Back Forward</source>
        <translation>Mundur Maju</translation>
    </message>
    <message>
        <source>Application Left</source>
        <translation>Aplikasi Kiri</translation>
    </message>
    <message>
        <source>Application Right</source>
        <translation>Aplikasi Kanan</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buku</translation>
    </message>
    <message>
        <source>CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Bersihkan</translation>
    </message>
    <message>
        <source>Clear Grab</source>
        <translation>Lepaskan Tangkapan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Potong</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>DOS</source>
        <translation>DOS</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumen</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Lembar Kerja</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Peramban</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Permainan</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Pergi</translation>
    </message>
    <message>
        <source>iTouch</source>
        <translation>iTouch</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Keluar Log</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Rapat</translation>
    </message>
    <message>
        <source>Keyboard Menu</source>
        <translation>Menu Papan Ketik</translation>
    </message>
    <message>
        <source>Menu PB</source>
        <translation>Menu PB</translation>
    </message>
    <message>
        <source>My Sites</source>
        <translation>Situs Saya</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Berita</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Kantor Rumah</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telepon</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Balas</translation>
    </message>
    <message>
        <source>Rotate Windows</source>
        <translation>Putar Jendela</translation>
    </message>
    <message>
        <source>Rotation PB</source>
        <translation>Rotasi PB</translation>
    </message>
    <message>
        <source>Rotation KB</source>
        <translation>Rotasi KB</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Kirim</translation>
    </message>
    <message>
        <source>Spellchecker</source>
        <translation>Pemeriksa Ejaan</translation>
    </message>
    <message>
        <source>Split Screen</source>
        <translation>Bagi Layar</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Dukungan</translation>
    </message>
    <message>
        <source>Task Panel</source>
        <translation>Panel Tugas</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Alat</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Perjalanan</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Word Processor</source>
        <translation>Pengolah Kata</translation>
    </message>
    <message>
        <source>XFer</source>
        <translation>XFer</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Pergi</translation>
    </message>
    <message>
        <source>Messenger</source>
        <translation>Perpesanan</translation>
    </message>
    <message>
        <source>WebCam</source>
        <translation>Kamera Web</translation>
    </message>
    <message>
        <source>Mail Forward</source>
        <translation>Teruskan Surel</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterai</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Nirkabel</translation>
    </message>
    <message>
        <source>Ultra Wide Band</source>
        <translation>Ultra Wide Band</translation>
    </message>
    <message>
        <source>Audio Repeat</source>
        <translation>Ulangi Audio</translation>
    </message>
    <message>
        <source>Audio Random Play</source>
        <translation>Putar Audio Acak</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subjudul</translation>
    </message>
    <message>
        <source>Audio Cycle Track</source>
        <translation>Putar Trek Audio Bergilir</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernasi</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Top Menu</source>
        <translation>Menu Atas</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>Matikan</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspensi</translation>
    </message>
    <message>
        <source>Microphone Mute</source>
        <translation>Bisukan Mikrofon</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Merah</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Hijau</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Kuning</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Biru</translation>
    </message>
    <message>
        <source>Channel Up</source>
        <translation>Saluran Naik</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Saluran Turun</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Panduan</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Microphone Volume Up</source>
        <translation>Volume Mikrofon Naik</translation>
    </message>
    <message>
        <source>Microphone Volume Down</source>
        <translation>Volume Mikrofon Turun</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Baru</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Pencetak</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Jalankan</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zum</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Touchpad Toggle</source>
        <translation>Jungkitkan Touchpad</translation>
    </message>
    <message>
        <source>Touchpad On</source>
        <translation>Touchpad Nyala</translation>
    </message>
    <message>
        <source>Touchpad Off</source>
        <translation>Touchpad Mati</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Pilih</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>Context1</source>
        <translation>Konteks1</translation>
    </message>
    <message>
        <source>Context2</source>
        <translation>Konteks2</translation>
    </message>
    <message>
        <source>Context3</source>
        <translation>Konteks3</translation>
    </message>
    <message>
        <source>Context4</source>
        <translation>Konteks4</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Panggil</translation>
    </message>
    <message>
        <source>Hangup</source>
        <translation>Tutup Panggilan</translation>
    </message>
    <message>
        <source>Toggle Call/Hangup</source>
        <translation>Jungkitkan Panggil/Tutup</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Balik</translation>
    </message>
    <message>
        <source>Voice Dial</source>
        <translation>Panggil dengan Suara</translation>
    </message>
    <message>
        <source>Last Number Redial</source>
        <translation>Panggil Ulang Nomor Terakhir</translation>
    </message>
    <message>
        <source>Camera Shutter</source>
        <translation>Rana Kamera</translation>
    </message>
    <message>
        <source>Camera Focus</source>
        <translation>Fokus Kamera</translation>
    </message>
    <message>
        <source>Kanji</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>Muhenkan</source>
        <translation>Muhenkan</translation>
    </message>
    <message>
        <source>Henkan</source>
        <translation>Henkan</translation>
    </message>
    <message>
        <source>Romaji</source>
        <translation>Romaji</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>Hiragana</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>Katakana</translation>
    </message>
    <message>
        <source>Hiragana Katakana</source>
        <translation>Hiragana Katakana</translation>
    </message>
    <message>
        <source>Zenkaku</source>
        <translation>Zenkaku</translation>
    </message>
    <message>
        <source>Hankaku</source>
        <translation>Hankaku</translation>
    </message>
    <message>
        <source>Zenkaku Hankaku</source>
        <translation>Zenkaku Hankaku</translation>
    </message>
    <message>
        <source>Touroku</source>
        <translation>Touroku</translation>
    </message>
    <message>
        <source>Massyo</source>
        <translation>Massyo</translation>
    </message>
    <message>
        <source>Kana Lock</source>
        <translation>Kana Lock</translation>
    </message>
    <message>
        <source>Kana Shift</source>
        <translation>Kana Shift</translation>
    </message>
    <message>
        <source>Eisu Shift</source>
        <translation>Eisu Shift</translation>
    </message>
    <message>
        <source>Eisu toggle</source>
        <translation>Eisu toggle</translation>
    </message>
    <message>
        <source>Code input</source>
        <translation>Masukan kode</translation>
    </message>
    <message>
        <source>Multiple Candidate</source>
        <translation>Kandidat Ganda</translation>
    </message>
    <message>
        <source>Previous Candidate</source>
        <translation>Kandidat Sebelumnya</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Hangul Start</source>
        <translation>Hangul Start</translation>
    </message>
    <message>
        <source>Hangul End</source>
        <translation>Hangul End</translation>
    </message>
    <message>
        <source>Hangul Hanja</source>
        <translation>Hangul Hanja</translation>
    </message>
    <message>
        <source>Hangul Jamo</source>
        <translation>Hangul Jamo</translation>
    </message>
    <message>
        <source>Hangul Romaja</source>
        <translation>Hangul Romaja</translation>
    </message>
    <message>
        <source>Hangul Jeonja</source>
        <translation>Hangul Jeonja</translation>
    </message>
    <message>
        <source>Hangul Banja</source>
        <translation>Hangul Banja</translation>
    </message>
    <message>
        <source>Hangul PreHanja</source>
        <translation>Hangul PreHanja</translation>
    </message>
    <message>
        <source>Hangul PostHanja</source>
        <translation>Hangul PostHanja</translation>
    </message>
    <message>
        <source>Hangul Special</source>
        <translation>Hangul Special</translation>
    </message>
    <message>
        <source>Launch (G)</source>
        <translation>Jalankan (G)</translation>
    </message>
    <message>
        <source>Launch (H)</source>
        <translation>Jalankan (H)</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Atur kontras</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>To-do list</source>
        <translation>Daftar tugas</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
</context>
</TS>
