<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>&quot;%1&quot; non è stato trovato: rimettilo al suo posto o ricollega la sua unità, poi riprova.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>Impossibile leggere &quot;%1&quot;: verifica di avere il permesso di leggere il file, poi riprova.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>&quot;%1&quot; non è un file multimediale che questo computer può leggere (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>&quot;%1&quot; non ha audio: scegli un file con una traccia audio.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>L&apos;audio %1 di &quot;%2&quot; non può essere decodificato qui: convertilo in WAV o MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Impossibile decodificare l&apos;audio di &quot;%1&quot; (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Questo computer non ha un&apos;uscita audio, quindi l&apos;anteprima non può essere riprodotta: collega altoparlanti o cuffie, oppure controlla le impostazioni audio, poi riprova.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Tempo rimanente:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Acquista altro</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Caratteri disponibili: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Acquista altri caratteri</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>Il server vocale ha rifiutato l&apos;attività: %1. Controlla RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>Il server vocale non ha rilevato alcun parlato: verifica che la clip contenga parlato e abbia un volume sufficiente.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>Il server vocale non accetta caricamenti così grandi: %1 per %2 s di audio sono troppi (%3). Imposta RemoteSpeech/MaxUploadBytes al di sotto di questa dimensione o riduci i caricamenti con RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Impossibile raggiungere il server vocale (%1): controlla la rete e RemoteSpeech/ServerUrl, poi riprova.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>Il server vocale ha rifiutato la chiave API della variabile d&apos;ambiente %1 (%2): impostavi la chiave del server, poi riprova.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Servizi vocali</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Ci sono attività vocali in corso. Se chiudi la finestra, verranno eliminate tutte le attività.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Vuoi davvero chiudere la finestra?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Ancora nessuna attività. Prova i servizi vocali!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Trascrizione</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Sintesi vocale</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Credito di trascrizione</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Credito di sintesi vocale</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Il tempo rimanente non è sufficiente. Ricarica altre ore per continuare a usare la trascrizione.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>I caratteri disponibili non sono sufficienti. Ricarica altri caratteri per continuare a usare la sintesi vocale.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Acquista altro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sequenza</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Nessun modello vocale installato per %1 (%2): questo computer trascrive solo l&apos;inglese; imposta un server vocale per %1 (vedi README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Nessun media dell&apos;attività ha audio: scegli clip con una traccia audio.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>L&apos;audio dura %1 minuti e un&apos;attività ne accetta al massimo %2: dividilo in parti più brevi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>&quot;%1&quot; contiene più audio di quanto ne accetti un&apos;attività (%2 minuti): dividilo in parti più brevi.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>L&apos;audio dura %1 s, più del tempo rimanente: ricarica, poi riprova.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Non è stato rilevato alcun parlato: verifica che la clip contenga parlato e abbia un volume sufficiente.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Impostazioni di trascrizione</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Lingua dell&apos;audio da trascrivere:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Trascrivi: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Clip selezionate</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>L&apos;intera sequenza della timeline</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Inserisci automaticamente i sottotitoli nella timeline</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Transcodifica</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Trascrizione</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>Il tempo rimanente</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 non basta per completare la trascrizione. %2 si rinnova ogni 30 giorni.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>tra %1 e %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Questo computer trascrive solo l&apos;inglese; imposta un server vocale per %1 (vedi README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Motore vocale: questo computer</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Motore vocale: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>La timeline è vuota: inserisci una clip prima di esportare</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 esiste già: scegli un altro nome</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 non è un file normale: scegli un altro nome</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: scegli un&apos;altra cartella</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT non ha il consumer avformat: installa il modulo FFmpeg di MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Impossibile scrivere %1: il disco è pieno. Libera spazio o scegli un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Impossibile scrivere %1: il file supera la dimensione consentita da questo disco o account. Scegli un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Rendering di %1 non riuscito: consulta il log per i messaggi di MLT</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Esporta video</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Video.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Imprimi i sottotitoli nell&apos;immagine</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Stima del tempo rimanente…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Circa %1 rimanenti</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Impossibile importare %1: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Le clip non possono sovrapporsi e restano su tracce del proprio tipo.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Contenitore media</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Apri recenti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importa…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Ricollega media…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Esporta sottotitoli…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Esporta video…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Seleziona tutte le clip</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Timeline</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Aggiungi alla timeline</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Aggiungi titolo…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Riproduzione</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Riproduci/pausa</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Indietro di un fotogramma</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Avanti di un fotogramma</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Vai all&apos;inizio</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Vai alla fine</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>V&amp;oce</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Trascrizione…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Sintesi vocale…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Sintesi vocale (classica)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Servizi vocali</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Lingua dell&apos;interfaccia</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Lingua dell&apos;interfaccia: %1. Le finestre vocali la propongono come predefinita.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Lettura di %n file…</numerusform>
            <numerusform>Lettura di %n file…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 non è un file.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Prima scegli nel contenitore un media già letto.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Aggiungi titolo</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Testo del titolo:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 contiene modifiche non salvate. Salvarle?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Apri progetto</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n clip è offline: File ▸ Ricollega media… ne trova il file.</numerusform>
            <numerusform>%n clip sono offline: File ▸ Ricollega media… ne trova i file.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 aperto.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Impossibile salvare il progetto: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvato.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Nessun progetto recente</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Nessun media è offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Ricollega %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Ricollega media</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 non può sostituire %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Non ci sono clip di sottotitoli da esportare.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Esporta sottotitoli</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Impossibile esportare i sottotitoli: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n sottotitolo esportato in %1.</numerusform>
            <numerusform>%n sottotitoli esportati in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Ripristina il lavoro non salvato</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio si è chiuso senza salvare parte del lavoro. Ripristinarlo?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Rimuovi dal contenitore</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>l&apos;elemento non è offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>il file contiene un altro tipo di media</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: il file non è stato trovato; File ▸ Ricollega media… lo ritrova)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>è più breve di quanto servono le sue clip nella timeline</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>non ha audio, e le sue clip nella timeline riproducono audio</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Lettura…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importa audio e video con File&#xa0;▸&#xa0;Importa… o trascina qui i file.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Vai all&apos;inizio</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Indietro di un fotogramma</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Riproduci/pausa</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Avanti di un fotogramma</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Vai alla fine</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>Impossibile trascrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>Impossibile sintetizzare %1: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Trascrizione</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>La trascrizione non è disponibile: il modello di riconoscimento vocale non è installato.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Prima inserisci una clip audio o video nella timeline.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>La timeline</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Impossibile avviare la trascrizione.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Trascrizione della timeline…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Trascrizione di %n clip…</numerusform>
            <numerusform>Trascrizione di %n clip…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Trascrizione di %n file…</numerusform>
            <numerusform>Trascrizione di %n file…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Sintesi vocale</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Prima seleziona nella timeline una o più clip di titolo o di sottotitoli.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Impossibile avviare la sintesi vocale.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Sintesi vocale di %n clip…</numerusform>
            <numerusform>Sintesi vocale di %n clip…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 è stato aggiunto al contenitore media: la sua clip non è più nella timeline.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 è stato aggiunto al contenitore media.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n sottotitolo inserito nella timeline.</numerusform>
            <numerusform>%n sottotitoli inseriti nella timeline.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Aggiungi voce fuori campo</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 inserito nella timeline.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Credito ricaricato; l&apos;attività riparte.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Aggiungi alla timeline</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Aggiungi titolo</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Aggiungi voce fuori campo</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Aggiungi sottotitoli</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Sposta clip</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Sposta clip</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Elimina clip</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Elimina clip</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titolo %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Sottotitolo %1</translation>
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
        <translation>Titoli %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Sottotitoli %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Trascina qui i media dal contenitore, oppure usa Timeline ▸ Aggiungi alla timeline</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Modifica sottotitolo</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Testo del sottotitolo:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Modifica titolo</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Testo del titolo:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: il suo file non è stato trovato (File ▸ Ricollega media…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, da %2, durata %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Timeline</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Tempo di trascrizione rimanente: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Caratteri rimanenti: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>L&apos;attività richiede %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>L&apos;attività richiede %1 caratteri.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Ore da aggiungere:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Migliaia di caratteri da aggiungere:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Acquista</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Caratteri: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Voce: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Tono: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Ritmo: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>Il testo ha %1 caratteri, più del credito rimanente: ricarica, poi riprova.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>La voce &quot;%1&quot; non è disponibile qui: scegli un&apos;altra voce, poi riprova.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>Il testo ha %1 caratteri e un&apos;attività ne legge al massimo %2: dividilo in clip più brevi.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Non è stato possibile leggere nessuna parte del testo: verifica che sia nella lingua della voce.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>La frase %1 ha più di %2 caratteri: dividila.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Impostazioni di sintesi vocale</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Impostazioni voce</translation>
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
        <translation>Min</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Med.</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Med.</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Suggerimento: questa voce legge solo testo in inglese</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Suggerimento: questa voce legge testo in cinese e in inglese</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Voci</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Tono:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Ritmo:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Impossibile riprodurre l&apos;anteprima. Riprova.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normale</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>veloce</translation>
    </message>
    <message>
        <source>low</source>
        <translation>basso</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>In che lingua è questo titolo?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Voce: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Ritmo:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Tono:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Inserisci automaticamente le voci fuori campo nella timeline</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Errore di rete. Controlla le impostazioni di rete o riprova.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Sintesi</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 frase ogni 100 caratteri</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(meno di 100 caratteri contano come 100)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Caratteri completati / totali</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Il numero di frasi</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 non basta per completare la conversione. %2 si rinnova ogni 30 giorni.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Impossibile registrare il tempo o i caratteri usati, quindi non è stato addebitato nulla: %1. Libera spazio nella cartella dei dati, poi riprova.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Maschile</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femminile</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>In riproduzione</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Inglese (Stati Uniti)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglese (Regno Unito)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Tedesco (Germania)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Spagnolo (Spagna)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Francese (Francia)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italiano (Italia)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portoghese (Brasile)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Giapponese (Giappone)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Cinese (cantonese)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Cinese (mandarino, Taiwan)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Russo (Russia)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Olandese (Paesi Bassi)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arabo (Emirati Arabi Uniti)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Coreano (Corea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polacco (Polonia)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Rumeno (Romania)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonesiano (Indonesia)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Svedese (Svezia)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Elimina attività</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>La conversione non è ancora completata. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Vuoi davvero eliminare l&apos;attività? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Se la elimini ora, il credito potrebbe comunque essere scalato.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Parte del testo non convertita</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Errore sconosciuto </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Tempo di trascrizione insufficiente</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Transcodifica non riuscita</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Limite: un&apos;ora di audio</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Contenuto del file non riconosciuto.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Caricamento non riuscito</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Errore di accesso</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Trascrizione non riuscita</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>La connessione di rete si è interrotta</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Caratteri rimanenti insufficienti</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Limite: 1500 caratteri</translation>
    </message>
</context>
</TS>
