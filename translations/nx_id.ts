<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pertanyaan</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>&quot;%1&quot; tidak ditemukan: kembalikan berkasnya atau sambungkan lagi drive-nya, lalu coba lagi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>&quot;%1&quot; tidak dapat dibaca: pastikan Anda berhak membaca berkas ini, lalu coba lagi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>&quot;%1&quot; bukan berkas media yang dapat dibaca komputer ini (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>&quot;%1&quot; tidak memiliki suara: pilih berkas yang memiliki trek audio.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>Audio %1 pada &quot;%2&quot; tidak dapat didekode di sini: konversikan ke WAV atau MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Audio pada &quot;%1&quot; tidak dapat didekode (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Segarkan</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Komputer ini tidak memiliki keluaran suara, jadi pratinjau tidak dapat diputar: sambungkan speaker atau headphone, atau periksa pengaturan suara, lalu coba lagi.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Sisa waktu:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>detik</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Beli lagi</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Sisa karakter: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Beli karakter lagi</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>Server ucapan menolak tugas: %1. Periksa RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>Server ucapan tidak mendengar ucapan: pastikan klip berisi ucapan dan suaranya cukup keras.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>Server ucapan tidak menerima unggahan sebesar ini: %1 untuk %2 dtk audio terlalu besar (%3). Atur RemoteSpeech/MaxUploadBytes di bawah ukuran itu, atau perkecil unggahan dengan RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Server ucapan tidak dapat dihubungi (%1): periksa jaringan dan RemoteSpeech/ServerUrl, lalu coba lagi.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>Server ucapan menolak kunci API dari variabel lingkungan %1 (%2): isi variabel itu dengan kunci server, lalu coba lagi.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Layanan suara dan teks</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Ada tugas suara dan teks yang sedang berjalan. Menutup jendela akan menghapus semua tugas.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Yakin ingin menutup jendela?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Belum ada tugas. Ayo mulai satu!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Ucapan ke teks</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Teks ke ucapan</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Kuota ucapan ke teks</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Kuota teks ke ucapan</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Sisa waktu tidak cukup. Isi ulang jam untuk terus menggunakan ucapan ke teks.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Karakter tidak cukup. Isi ulang karakter untuk terus menggunakan teks ke ucapan.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Beli lagi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>Materi</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Klip</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekuens</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Tidak ada model ucapan yang terpasang untuk %1 (%2): komputer ini hanya mentranskripsi bahasa Inggris; atur server ucapan untuk %1 (lihat README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Tidak ada media tugas ini yang bersuara: pilih klip yang memiliki trek audio.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>Audio berdurasi %1 menit; satu tugas paling lama %2 menit: bagi menjadi bagian yang lebih pendek.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>Audio dalam &quot;%1&quot; melebihi batas satu tugas (%2 menit): bagi menjadi bagian yang lebih pendek.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>Audio berdurasi %1 dtk, melebihi sisa waktu: isi ulang, lalu coba lagi.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Tidak ada ucapan yang terdengar: pastikan klip berisi ucapan dan suaranya cukup keras.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Pengaturan ucapan ke teks</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Bahasa audio yang ditranskripsi:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transkripsikan: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Klip yang dipilih</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Seluruh sekuens linimasa</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Tempatkan subtitel di linimasa secara otomatis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nama berkas</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durasi</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Tindakan</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Memproses</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Memindai</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Mengonversi</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Mengunggah</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Mentranskripsi</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>Sisa waktu</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 tidak cukup untuk sisa transkripsi. %2 diperbarui setiap 30 hari.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>antara %1 dan %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Komputer ini hanya mentranskripsi bahasa Inggris; atur server ucapan untuk %1 (lihat README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Mesin ucapan: komputer ini</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Mesin ucapan: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>Linimasa kosong: tambahkan klip sebelum mengekspor</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 sudah ada: pilih nama lain</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 bukan berkas biasa: pilih nama lain</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: pilih folder lain</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT tidak memiliki consumer avformat: pasang modul FFmpeg MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Tidak dapat menulis %1: disk penuh. Kosongkan ruang atau pilih folder lain</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Tidak dapat menulis %1: berkas melebihi ukuran yang diizinkan disk atau akun ini. Pilih folder lain</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Gagal me-render %1: lihat log untuk laporan MLT</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Ekspor video</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Video.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Telusuri…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Tanamkan subtitel ke dalam gambar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Ekspor</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Berkas:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Memperkirakan sisa waktu…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Sekitar %1 lagi</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 tidak dapat diimpor: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Klip tidak boleh bertumpuk dan tetap di trek jenisnya.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Pustaka media</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Baru</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Buka…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Buka terbaru</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Simpan sebagai…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Impor…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Tautkan ulang media…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Ekspor subtitel…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Ekspor video…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Sunting</translation>
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
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Pilih semua klip</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Linimasa</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Tambahkan ke linimasa</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Tambahkan judul…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Pemutaran</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Putar/jeda</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Mundur satu bingkai</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Maju satu bingkai</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Ke awal</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Ke akhir</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>S&amp;uara</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Ucapan ke teks…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Teks ke ucapan…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Teks ke ucapan (klasik)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Layanan suara dan teks</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Tampilan</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Gelap</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Terang</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Bahasa antarmuka</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Bahasa antarmuka: %1. Dialog suara dimulai dengan bahasa ini.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Siap</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Membaca %n berkas…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 bukan berkas.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Impor</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Pilih dulu media yang sudah terbaca di pustaka.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Tambahkan judul</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Teks judul:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Tanpa judul</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Perubahan belum disimpan</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 memiliki perubahan yang belum disimpan. Simpan sekarang?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Buka proyek</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n klip offline: Berkas ▸ Tautkan ulang media… akan menemukan berkasnya.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 dibuka.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Simpan proyek</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Proyek tidak dapat disimpan: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 disimpan.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Tidak ada proyek terbaru</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Tidak ada media yang offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Tautkan ulang %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Tautkan ulang media</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 tidak dapat menggantikan %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Tidak ada klip subtitel untuk diekspor.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Ekspor subtitel</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Subtitel tidak dapat diekspor: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n subtitel diekspor ke %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Pulihkan pekerjaan yang belum disimpan</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio tertutup tanpa menyimpan sebagian pekerjaan. Pulihkan?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Pulihkan</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Hapus dari pustaka</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>item ini tidak offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>berkas berisi jenis media lain</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: berkas tidak ditemukan; Berkas ▸ Tautkan ulang media… akan menemukannya)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>berkas ini lebih pendek daripada yang dibutuhkan klipnya di lini masa</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>berkas ini tidak bersuara, padahal klipnya di lini masa memutar suara</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Membaca…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Impor audio dan video dengan Berkas&#xa0;▸&#xa0;Impor… atau letakkan berkas di sini.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Ke awal</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Mundur satu bingkai</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Putar/jeda</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Maju satu bingkai</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Ke akhir</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>%1 tidak dapat ditranskripsi: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>%1 tidak dapat diubah menjadi ucapan: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Ucapan ke teks</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Ucapan ke teks tidak tersedia: model pengenalan ucapan belum dipasang.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Tambahkan dulu klip audio atau video ke linimasa.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>Linimasa</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Ucapan ke teks tidak dapat dimulai.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Mentranskripsi linimasa…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Mentranskripsi %n klip…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Mentranskripsi %n berkas…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Teks ke ucapan</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Pilih dulu satu atau beberapa klip judul atau subtitel di linimasa.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Teks ke ucapan tidak dapat dimulai.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Membuat suara untuk %n klip…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 dimasukkan ke pustaka media: klipnya sudah tidak ada di linimasa.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 dimasukkan ke pustaka media.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 tidak dapat dibaca: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n subtitel ditempatkan di linimasa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Tambahkan sulih suara</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 ditempatkan di linimasa.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Kuota telah diisi ulang; tugas dimulai lagi.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Tambahkan ke linimasa</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Tambahkan judul</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Tambahkan sulih suara</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Tambahkan subtitel</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Sunting teks</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Pindahkan klip</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Pindahkan klip</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Hapus klip</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Hapus klip</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Judul %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Subtitel %1</translation>
    </message>
</context>
<context>
    <name>NxStudioTimelineView</name>
    <message>
        <source>Audio %1</source>
        <translation>Audio %1</translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation>Judul %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Subtitel %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Seret media ke sini dari pustaka, atau gunakan Linimasa ▸ Tambahkan ke linimasa</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Sunting subtitel</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Teks subtitel:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Sunting judul</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Teks judul:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: berkasnya tidak ditemukan (Berkas ▸ Tautkan ulang media…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, dari %2, panjang %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Linimasa</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Sisa waktu transkripsi: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Sisa karakter: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>Tugas ini memerlukan %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>Tugas ini memerlukan %1 karakter.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Isi ulang</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Jam yang ditambahkan:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Ribuan karakter yang ditambahkan:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba lagi</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Beli</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Tampilkan di folder</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Karakter: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Suara: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Nada: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Kecepatan: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>Teks berisi %1 karakter, melebihi sisa kuota: isi ulang, lalu coba lagi.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>Suara &quot;%1&quot; tidak tersedia di sini: pilih suara lain, lalu coba lagi.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>Teks berisi %1 karakter; satu tugas paling banyak %2 karakter: bagi menjadi klip yang lebih pendek.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Tidak ada bagian teks yang dapat diucapkan: pastikan teks dalam bahasa suara tersebut.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>Kalimat %1 lebih dari %2 karakter: bagilah.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Pengaturan teks ke ucapan</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Pengaturan suara</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamPanel</name>
    <message>
        <source>Aida</source>
        <translation>Aida</translation>
    </message>
    <message>
        <source>Aijia</source>
        <translation>Aijia</translation>
    </message>
    <message>
        <source>Aixia</source>
        <translation>Aixia</translation>
    </message>
    <message>
        <source>Aimei</source>
        <translation>Aimei</translation>
    </message>
    <message>
        <source>Aiqi</source>
        <translation>Aiqi</translation>
    </message>
    <message>
        <source>Aijing</source>
        <translation>Aijing</translation>
    </message>
    <message>
        <source>Aishuo</source>
        <translation>Aishuo</translation>
    </message>
    <message>
        <source>Aiyu</source>
        <translation>Aiyu</translation>
    </message>
    <message>
        <source>Lydia</source>
        <translation>Lydia</translation>
    </message>
    <message>
        <source>Shanshan</source>
        <translation>Shanshan</translation>
    </message>
    <message>
        <source>Aitong</source>
        <translation>Aitong</translation>
    </message>
    <message>
        <source>Xiaobei</source>
        <translation>Xiaobei</translation>
    </message>
    <message>
        <source>Andy</source>
        <translation>Andy</translation>
    </message>
    <message>
        <source>Abby</source>
        <translation>Abby</translation>
    </message>
    <message>
        <source>Luca</source>
        <translation>Luca</translation>
    </message>
    <message>
        <source>Emily</source>
        <translation>Emily</translation>
    </message>
    <message>
        <source>lowTone</source>
        <translation>Rdh.</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Sdg.</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Tgi.</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Pelan</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Sdg.</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Cpt.</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Tips: suara ini hanya membacakan teks bahasa Inggris</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Tips: suara ini membacakan teks bahasa Tionghoa dan Inggris</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Suara</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Setelan</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Nada:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Laju:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Dengarkan</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Pratinjau tidak dapat diputar. Silakan coba lagi.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Pelan</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Rendah</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Cepat</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Tinggi</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>pelan</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>cepat</translation>
    </message>
    <message>
        <source>low</source>
        <translation>rendah</translation>
    </message>
    <message>
        <source>high</source>
        <translation>tinggi</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>Apa bahasa judul ini?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Suara: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Setelan:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Kecepatan:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Nada:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Tempatkan sulih suara di linimasa secara otomatis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Kesalahan jaringan. Periksa pengaturan jaringan atau coba lagi.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nama berkas</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Karakter</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Tindakan</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Memproses</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Memindai</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Mengunggah</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Mengunduh</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Mengonversi</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 kalimat per 100 karakter</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(Kurang dari 100 karakter dihitung 100 karakter)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Selesai / total karakter</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Jumlah kalimat</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 tidak cukup untuk sisa konversi. %2 diperbarui setiap 30 hari.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Waktu atau karakter yang terpakai tidak dapat dicatat, jadi tidak ada yang ditagih: %1. Kosongkan ruang di folder data, lalu coba lagi.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Dengarkan</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Pria</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Wanita</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Berbicara</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Inggris (AS)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inggris (Britania Raya)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Jerman (Jerman)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Spanyol (Spanyol)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Prancis (Prancis)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italia (Italia)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugis (Brasil)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Jepang (Jepang)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Tionghoa (Kanton)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Tionghoa (Mandarin, TW)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Rusia (Rusia)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Belanda (Belanda)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arab (Uni Emirat Arab)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Korea (Korea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polandia (Polandia)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Rumania (Rumania)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonesia (Indonesia)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Swedia (Swedia)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Hapus tugas</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>Konversi belum selesai. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Yakin ingin menghapus tugas ini? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Jika tugas dihapus sekarang, saldo mungkin tetap terpotong.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Jangan tanya lagi</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Sebagian teks gagal dikonversi</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Kesalahan tidak diketahui</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Kesalahan tidak diketahui </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Sisa jam tidak cukup</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Konversi berkas gagal</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Maks. satu jam per tugas.</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Isi berkas tidak dikenali.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Gagal mengunggah</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Kesalahan masuk</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Transkripsi gagal</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>Koneksi jaringan terputus</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Sisa karakter tidak cukup</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Maks. 1500 karakter/tugas.</translation>
    </message>
</context>
</TS>
