<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmă</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informație</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Întrebare</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>„%1” nu se află la locul său: puneți-l înapoi sau reconectați unitatea, apoi reîncercați.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>„%1” nu poate fi citit: verificați dacă aveți dreptul să citiți fișierul, apoi reîncercați.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>„%1” nu este un fișier media pe care acest computer îl poate citi (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>„%1” nu are sunet: alegeți un fișier cu o pistă audio.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>Sunetul %1 din „%2” nu poate fi decodat aici: convertiți-l în WAV sau MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Sunetul din „%1” nu poate fi decodat (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Reîmprospătează</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Acest computer nu are ieșire de sunet, deci previzualizarea nu poate fi redată: conectați difuzoare sau căști ori verificați setările de sunet, apoi încercați din nou.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Timp rămas:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secunde</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Cumpără mai mult</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Caractere rămase: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Cumpără mai multe caractere</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>Serverul de vorbire a refuzat sarcina: %1. Verificați RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>Serverul de vorbire nu a auzit vorbire: verificați dacă clipul conține vorbire și are volum suficient.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>Serverul de vorbire nu acceptă încărcări atât de mari: %1 pentru %2 s de sunet este prea mult (%3). Setați RemoteSpeech/MaxUploadBytes sub această valoare sau micșorați încărcările cu RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Serverul de vorbire nu poate fi contactat (%1): verificați rețeaua și RemoteSpeech/ServerUrl, apoi reîncercați.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>Serverul de vorbire a refuzat cheia API din variabila de mediu %1 (%2): setați acolo cheia serverului, apoi reîncercați.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Servicii de voce și text</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Există sarcini de voce și text în desfășurare. Dacă închideți fereastra, toate sarcinile vor fi șterse.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Sigur doriți să închideți fereastra?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Nicio sarcină încă. Încercați să porniți una!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Vorbire în text</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Text în vorbire</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Sold vorbire în text</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Sold text în vorbire</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Timp rămas insuficient. Adăugați ore pentru a folosi în continuare vorbirea în text.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Caractere insuficiente. Adăugați caractere pentru a folosi în continuare textul în vorbire.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Cumpără mai mult</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Secvență</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Nu este instalat niciun model de vorbire pentru %1 (%2): acest computer transcrie doar engleză; setați un server de vorbire pentru %1 (vedeți README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Niciun element media al sarcinii nu are sunet: alegeți clipuri cu o pistă audio.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>Sunetul durează %1 minute; o sarcină acceptă cel mult %2 minute: împărțiți-l în părți mai scurte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>„%1” conține mai mult sunet decât acceptă o sarcină (%2 minute): împărțiți-l în părți mai scurte.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>Sunetul durează %1 s, mai mult decât timpul rămas: reîncărcați soldul, apoi reîncercați.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Nu s-a auzit nicio vorbire: verificați dacă clipul conține vorbire și are volum suficient.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Setări vorbire în text</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Limba audio de transcris:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transcrie: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Clipurile selectate</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Întreaga secvență din cronologie</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Plasează automat subtitrările în cronologie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nume fișier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durată</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Acțiune</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Se procesează</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Se analizează</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Finalizat</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Se convertește</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Se încarcă</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Se transcrie</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>Timpul rămas</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 nu ajunge pentru restul transcrierii. %2 se reînnoiește la fiecare 30 de zile.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>între %1 și %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Acest computer transcrie doar engleză; setați un server de vorbire pentru %1 (vedeți README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Motor de vorbire: acest computer</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Motor de vorbire: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>Cronologia este goală: adăugați un clip înainte de export</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 există deja: alegeți alt nume</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 nu este un fișier obișnuit: alegeți alt nume</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: alegeți alt dosar</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT nu are consumatorul avformat: instalați modulul FFmpeg pentru MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Nu se poate scrie %1: discul este plin. Eliberați spațiu sau alegeți alt dosar</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Nu se poate scrie %1: fișierul a depășit mărimea permisă de acest disc sau cont. Alegeți alt dosar</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nu se poate scrie %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Randarea %1 a eșuat: vedeți în jurnal ce a raportat MLT</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Export video</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Video.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Răsfoiește…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Încorporează subtitrările în imagine</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportă</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fișier:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Se estimează timpul rămas…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Mai durează circa %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 nu poate fi importat: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Clipurile nu se pot suprapune și rămân pe piste de tipul lor.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Bibliotecă media</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Deschide…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Deschide recente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvează ca…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importă…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Reconectează media…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Exportă subtitrări…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Exportă video…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editare</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refă</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Selectează toate clipurile</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Cronologie</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Adaugă în cronologie</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Adaugă titlu…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Mărire</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Micșorare</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Redare</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Redare/pauză</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Un cadru înapoi</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Un cadru înainte</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Salt la început</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Salt la sfârșit</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Voce</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Vorbire în text…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Text în vorbire…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Text în vorbire (clasic)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Servicii de voce și text</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Afișare</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Temă</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Întunecată</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luminoasă</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Limba interfeței</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Limba interfeței: %1. Dialogurile de voce pornesc cu ea.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gata</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Se citește %n fișier…</numerusform>
            <numerusform>Se citesc %n fișiere…</numerusform>
            <numerusform>Se citesc %n de fișiere…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 nu este un fișier.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Alegeți mai întâi din bibliotecă un element media deja citit.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Adaugă titlu</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Textul titlului:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Fără titlu</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modificări nesalvate</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 are modificări nesalvate. Le salvați?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Deschide proiect</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n clip este offline: Fișier ▸ Reconectează media… îi găsește fișierul.</numerusform>
            <numerusform>%n clipuri sunt offline: Fișier ▸ Reconectează media… le găsește fișierele.</numerusform>
            <numerusform>%n de clipuri sunt offline: Fișier ▸ Reconectează media… le găsește fișierele.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 a fost deschis.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Salvează proiectul</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Proiectul nu a putut fi salvat: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 a fost salvat.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Niciun proiect recent</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Niciun element media nu este offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Reconectează %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Reconectează media</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 nu poate înlocui %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Nu există clipuri de subtitrare de exportat.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Exportă subtitrări</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Subtitrările nu au putut fi exportate: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n subtitrare exportată în %1.</numerusform>
            <numerusform>%n subtitrări exportate în %1.</numerusform>
            <numerusform>%n de subtitrări exportate în %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Restaurare lucru nesalvat</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio s-a închis fără să salveze o parte din lucru. Îl restaurați?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurează</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Elimină din bibliotecă</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>elementul nu este offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>fișierul conține alt tip de media</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: fișierul lipsește; Fișier ▸ Reconectează media… îl găsește)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>este mai scurt decât au nevoie clipurile sale de pe cronologie</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>nu are sunet, iar clipurile sale de pe cronologie redau sunet</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Se citește…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importați audio și video cu Fișier&#xa0;▸&#xa0;Importă… sau trageți fișiere aici.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Salt la început</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Un cadru înapoi</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Redare/pauză</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Un cadru înainte</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Salt la sfârșit</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>%1 nu a putut fi transcris: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>%1 nu a putut fi rostit: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Vorbire în text</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Vorbirea în text nu este disponibilă: modelul de recunoaștere a vorbirii nu este instalat.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Adăugați mai întâi un clip audio sau video în cronologie.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Vorbirea în text nu a putut porni.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Se transcrie cronologia…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Se transcrie %n clip…</numerusform>
            <numerusform>Se transcriu %n clipuri…</numerusform>
            <numerusform>Se transcriu %n de clipuri…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Se transcrie %n fișier…</numerusform>
            <numerusform>Se transcriu %n fișiere…</numerusform>
            <numerusform>Se transcriu %n de fișiere…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Text în vorbire</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Selectați mai întâi unul sau mai multe clipuri de titlu sau subtitrare din cronologie.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Textul în vorbire nu a putut porni.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Se generează vocea pentru %n clip…</numerusform>
            <numerusform>Se generează vocea pentru %n clipuri…</numerusform>
            <numerusform>Se generează vocea pentru %n de clipuri…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 a ajuns în biblioteca media: clipul său nu mai este în cronologie.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 a ajuns în biblioteca media.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 nu a putut fi citit: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n subtitrare plasată în cronologie.</numerusform>
            <numerusform>%n subtitrări plasate în cronologie.</numerusform>
            <numerusform>%n de subtitrări plasate în cronologie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Adaugă voce off</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 a fost plasat în cronologie.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Sold reîncărcat; sarcina repornește.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Adaugă în cronologie</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Adaugă titlu</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Adaugă voce off</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Adaugă subtitrări</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Editează textul</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Mută clipul</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Mută clipurile</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Șterge clipul</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Șterge clipurile</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titlu %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Subtitrare %1</translation>
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
        <translation>Titluri %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Subtitrări %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Trageți aici media din bibliotecă sau folosiți Cronologie ▸ Adaugă în cronologie</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Editare subtitrare</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Textul subtitrării:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Editare titlu</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Textul titlului:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: fișierul lipsește (Fișier ▸ Reconectează media…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, de la %2, durată %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Cronologie</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Timp de transcriere rămas: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Caractere rămase: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>Sarcina are nevoie de %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>Sarcina are nevoie de %1 caractere.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Reîncarcă</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Ore de adăugat:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Mii de caractere de adăugat:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reîncearcă</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Cumpără</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Arată în dosar</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Caractere: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Voce: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Ton: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Viteză: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>Textul are %1 caractere, mai mult decât soldul rămas: reîncărcați soldul, apoi reîncercați.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>Vocea „%1” nu există aici: alegeți altă voce, apoi reîncercați.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>Textul are %1 caractere; o sarcină rostește cel mult %2: împărțiți-l în clipuri mai scurte.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Nicio parte a textului nu a putut fi rostită: verificați dacă este în limba vocii.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>Propoziția %1 are peste %2 caractere: împărțiți-o.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Setări text în vorbire</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Setări voce</translation>
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
        <translation>Jos</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Med.</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Înalt</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Med.</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Rapid</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Sfat: această voce rostește doar text în engleză</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Sfat: această voce rostește text în chineză și engleză</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Voci</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Ritm:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmă</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Ascultă</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Previzualizarea nu a putut fi redată. Încercați din nou.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Jos</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapid</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Înalt</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lent</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rapid</translation>
    </message>
    <message>
        <source>low</source>
        <translation>jos</translation>
    </message>
    <message>
        <source>high</source>
        <translation>înalt</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>În ce limbă este acest titlu?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Voce: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Setări:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Viteză:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Plasează automat vocea off în cronologie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Eroare de rețea. Verificați setările de rețea sau încercați din nou.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nume fișier</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caractere</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Acțiune</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Se procesează</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Se analizează</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Se încarcă</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Se descarcă</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Finalizat</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Se convertește</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 propoziție la fiecare 100 de caractere</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(Sub 100 de caractere se socotesc 100)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Finalizate / total caractere</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Numărul de propoziții</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 nu ajunge pentru restul conversiei. %2 se reînnoiește la fiecare 30 de zile.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizează</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizează</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Timpul sau caracterele folosite nu pot fi înregistrate, deci nu s-a debitat nimic: %1. Eliberați spațiu în dosarul de date, apoi reîncercați.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Ascultă</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculină</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Feminină</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Vorbește</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Engleză (SUA)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Engleză (Regatul Unit)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Germană (Germania)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Spaniolă (Spania)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Franceză (Franța)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italiană (Italia)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugheză (Brazilia)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japoneză (Japonia)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chineză (cantoneză)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Chineză (mandarină, TW)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Rusă (Rusia)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Neerlandeză (Țările de Jos)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arabă (Emiratele Arabe Unite)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Coreeană (Coreea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Poloneză (Polonia)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Română (România)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indoneziană (Indonezia)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Suedeză (Suedia)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Ștergere sarcină</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>Conversia nu s-a terminat încă. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Sigur doriți să ștergeți sarcina? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Dacă ștergeți sarcina acum, soldul poate fi totuși debitat.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmă</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Nu mai întreba</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Conversia unei părți din text a eșuat</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Eroare necunoscută</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Eroare necunoscută </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Ore rămase insuficiente</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Conversia fișierului a eșuat</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Cel mult o oră per sarcină.</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Conținut nerecunoscut.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Încărcarea a eșuat</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Eroare de autentificare</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Transcrierea a eșuat</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>Conexiunea la rețea s-a întrerupt</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Caractere rămase insuficiente</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Max. 1500 caractere/sarcină.</translation>
    </message>
</context>
</TS>
