<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Fråga</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>”%1” finns inte: lägg tillbaka filen eller anslut dess enhet igen och försök sedan igen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>”%1” kan inte läsas: kontrollera att du har behörighet att läsa filen och försök sedan igen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>”%1” är ingen mediefil som den här datorn kan läsa (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>”%1” har inget ljud: välj en fil med ett ljudspår.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>%1-ljudet i ”%2” kan inte avkodas här: konvertera det till WAV eller MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Ljudet i ”%1” kan inte avkodas (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Den här datorn har ingen ljudutgång, så förhandsvisningen kan inte spelas upp: anslut högtalare eller hörlurar, eller kontrollera ljudinställningarna, och försök sedan igen.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Återstående tid:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>sekunder</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Köp mer</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Tillgängliga tecken: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Köp fler tecken</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>Talservern avvisade uppgiften: %1. Kontrollera RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>Talservern hörde inget tal: kontrollera att klippet innehåller tal och är tillräckligt högt.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>Talservern tar inte emot så stora uppladdningar: %1 för %2 s ljud är för mycket (%3). Ställ in RemoteSpeech/MaxUploadBytes lägre än så, eller gör uppladdningarna mindre med RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Talservern kunde inte nås (%1): kontrollera nätverket och RemoteSpeech/ServerUrl och försök sedan igen.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>Talservern avvisade API-nyckeln från miljövariabeln %1 (%2): ange serverns nyckel där och försök sedan igen.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Tal- och texttjänster</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Det finns pågående uppgifter för tal- och texttjänsterna. Om du stänger fönstret rensas alla uppgifter.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Vill du verkligen stänga fönstret?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Inga uppgifter än. Prova tal- och texttjänsterna!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Tal till text</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Text till tal</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Saldo för tal till text</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Saldo för text till tal</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Den återstående tiden räcker inte. Fyll på med fler timmar för att fortsätta använda tal till text.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Det finns inte tillräckligt många tecken. Fyll på med fler tecken för att fortsätta använda text till tal.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Köp mer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
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
        <translation>Klipp</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekvens</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Ingen talmodell är installerad för %1 (%2): den här datorn transkriberar bara engelska; ange en talserver för %1 (se README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Inget av uppgiftens media har ljud: välj klipp med ett ljudspår.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>Ljudet är %1 minuter långt; en uppgift tar högst %2 minuter: dela upp det i kortare delar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>”%1” innehåller mer ljud än en uppgift tar (%2 minuter): dela upp det i kortare delar.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>Ljudet är %1 s långt, mer än den återstående tiden: fyll på och försök sedan igen.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Inget tal hördes: kontrollera att klippet innehåller tal och är tillräckligt högt.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Inställningar för tal till text</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Ljudets språk:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transkribera: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Markerade klipp</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Hela tidslinjen</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Placera undertexterna på tidslinjen automatiskt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Längd</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Bearbetas</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Kontrolleras</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Omkodas</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laddas upp</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Transkribering</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>Den återstående tiden</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 räcker inte för resten av omvandlingen. %2 förnyas var 30:e dag.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>mellan %1 och %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Den här datorn transkriberar bara engelska; ange en talserver för %1 (se README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Talmotor: den här datorn</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Talmotor: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>Tidslinjen är tom: lägg ett klipp på den innan du exporterar</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 finns redan: välj ett annat namn</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 är ingen vanlig fil: välj ett annat namn</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: välj en annan mapp</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT saknar avformat-consumer: installera MLT:s FFmpeg-modul</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Det går inte att skriva %1: disken är full. Frigör utrymme eller välj en annan mapp</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Det går inte att skriva %1: filen blev större än den här disken eller ditt konto tillåter. Välj en annan mapp</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Det går inte att skriva %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Renderingen av %1 misslyckades: se loggen för vad MLT rapporterade</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Exportera video</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Video.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Bläddra…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Bränn in undertexter i bilden</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-video (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Beräknar återstående tid…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Cirka %1 kvar</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kan inte importeras: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Klipp kan inte överlappa varandra och stannar på spår av sin egen typ.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Mediebibliotek</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öppna…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Öppna senaste</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Spara som…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importera…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Länka om media…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Exportera undertexter…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Exportera video…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Markera alla klipp</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Tidslinje</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Lägg till på tidslinjen</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Lägg till titel…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Uppspelning</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Spela upp/pausa</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>En bildruta bakåt</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>En bildruta framåt</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Gå till början</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Gå till slutet</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>Ta&amp;l</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Tal till text…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Text till tal…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Text till tal (klassisk)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Tal- och texttjänster</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Gränssnittets språk</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Gränssnittets språk: %1. Taldialogerna börjar med det språket.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Läser %n fil…</numerusform>
            <numerusform>Läser %n filer…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 är ingen fil.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Välj först media i mediebiblioteket som redan har lästs in.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Lägg till titel</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Titeltext:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Osparade ändringar</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 har ändringar som inte har sparats. Vill du spara dem?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Öppna projekt</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n klipp är offline: Arkiv ▸ Länka om media… hittar dess fil.</numerusform>
            <numerusform>%n klipp är offline: Arkiv ▸ Länka om media… hittar deras filer.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 har öppnats.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Spara projekt</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Projektet kunde inte sparas: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 har sparats.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Inga senaste projekt</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Inga media är offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Länka om %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Länka om media</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 kan inte ersätta %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Det finns inga undertextklipp att exportera.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Exportera undertexter</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Undertexterna kunde inte exporteras: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n undertext exporterades till %1.</numerusform>
            <numerusform>%n undertexter exporterades till %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Återställ osparat arbete</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio avslutades utan att spara allt arbete. Vill du återställa det?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Ta bort från biblioteket</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>objektet är inte offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>filen innehåller en annan typ av media</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: filen saknas; Arkiv ▸ Länka om media… hittar den)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>den är kortare än dess klipp på tidslinjen behöver</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>den saknar ljud, och dess klipp på tidslinjen spelar upp ljud</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Läser…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importera ljud och video med Arkiv&#xa0;▸&#xa0;Importera… eller släpp filer här.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Gå till början</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>En bildruta bakåt</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Spela upp/pausa</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>En bildruta framåt</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Gå till slutet</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>%1 kunde inte transkriberas: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>%1 kunde inte läsas upp: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Tal till text</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Tal till text är inte tillgängligt: modellen för taligenkänning är inte installerad.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Lägg först ett ljud- eller videoklipp på tidslinjen.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>Tidslinjen</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Tal till text kunde inte starta.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Transkriberar tidslinjen…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Transkriberar %n klipp…</numerusform>
            <numerusform>Transkriberar %n klipp…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Transkriberar %n fil…</numerusform>
            <numerusform>Transkriberar %n filer…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Text till tal</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Markera först ett eller flera titel- eller undertextklipp på tidslinjen.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Text till tal kunde inte starta.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Läser upp %n klipp…</numerusform>
            <numerusform>Läser upp %n klipp…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 har lagts i mediebiblioteket: klippet finns inte längre på tidslinjen.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 har lagts i mediebiblioteket.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 kunde inte läsas: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n undertext har placerats på tidslinjen.</numerusform>
            <numerusform>%n undertexter har placerats på tidslinjen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Lägg till speakerröst</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 har placerats på tidslinjen.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Saldot har fyllts på; uppgiften startar igen.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Lägg till på tidslinjen</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Lägg till titel</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Lägg till speakerröst</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Lägg till undertexter</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Redigera text</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Flytta klipp</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Flytta klipp</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Ta bort klipp</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Ta bort klipp</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Undertext %1</translation>
    </message>
</context>
<context>
    <name>NxStudioTimelineView</name>
    <message>
        <source>Audio %1</source>
        <translation>Ljud %1</translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation>Titlar %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Undertexter %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Dra hit media från mediebiblioteket, eller använd Tidslinje ▸ Lägg till på tidslinjen</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Redigera undertext</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Undertext:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Redigera titel</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Titeltext:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: filen saknas (Arkiv ▸ Länka om media…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, från %2, %3 lång</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Tidslinje</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Återstående transkriberingstid: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Återstående tecken: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>Uppgiften behöver %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>Uppgiften behöver %1 tecken.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Fyll på</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Timmar att lägga till:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Tusental tecken att lägga till:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Köp</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Visa i mapp</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Tecken: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Röst: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Tonhöjd: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Tempo: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>Texten har %1 tecken, mer än det återstående saldot: fyll på och försök sedan igen.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>Rösten ”%1” finns inte här: välj en annan röst och försök sedan igen.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>Texten har %1 tecken; en uppgift läser upp högst %2 tecken: dela upp den i kortare klipp.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Ingen del av texten kunde läsas upp: kontrollera att den är på röstens språk.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>Mening %1 har fler än %2 tecken: dela upp den.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Inställningar för text till tal</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Röstinställningar</translation>
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
        <translation>Låg</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Mitt</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Hög</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Sakta</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Mitt</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Tips: den här rösten läser bara engelsk text</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Tips: den här rösten läser kinesisk och engelsk text</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Röst</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Fart:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Provlyssna</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Förhandsvisningen kunde inte spelas upp. Försök igen.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Långsam</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Låg</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snabb</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hög</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>Långsam</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>Snabb</translation>
    </message>
    <message>
        <source>low</source>
        <translation>Låg</translation>
    </message>
    <message>
        <source>high</source>
        <translation>Hög</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>Vilket språk är titeln på?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Röst: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Inställningar:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Tonhöjd:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Placera speakerrösterna på tidslinjen automatiskt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Nätverksfel. Kontrollera nätverksinställningarna eller försök igen.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Tecken</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Bearbetas</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Kontrolleras</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laddas upp</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laddas ned</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Omvandling</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 mening per 100 tecken</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(Färre än 100 tecken räknas som 100 tecken)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Klart / totalt antal tecken</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Antalet meningar</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 räcker inte för resten av omvandlingen. %2 förnyas var 30:e dag.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimera</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Den använda tiden eller tecknen kan inte registreras, så inget debiterades: %1. Frigör utrymme i datamappen och försök sedan igen.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Lyssna</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Manlig</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Kvinnlig</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Talar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Engelska (USA)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Engelska (Storbritannien)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Tyska (Tyskland)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Spanska (Spanien)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Franska (Frankrike)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italienska (Italien)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugisiska (Brasilien)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japanska (Japan)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Kinesiska (kantonesiska)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Kinesiska (mandarin, Taiwan)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Ryska (Ryssland)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Nederländska (Nederländerna)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arabiska (Förenade Arabemiraten)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Koreanska (Korea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polska (Polen)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Rumänska (Rumänien)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonesiska (Indonesien)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Svenska (Sverige)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Ta bort uppgift</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>Omvandlingen är inte klar än. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Vill du verkligen ta bort uppgiften? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Om du tar bort uppgiften nu kan saldot ändå debiteras.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Fråga inte mer nu</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Delvis inte uppläst</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Okänt fel</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Okänt fel </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Inte tillräckligt många timmar kvar</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Omkodningen misslyckades</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Högst 1 timme ljud per uppgift</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Filinnehållet kändes inte igen.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Uppladdningen misslyckades</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Inloggningsfel</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Transkriberingen misslyckades</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>Nätverksanslutningen är bruten</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Inte tillräckligt många tecken kvar</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Högst 1500 tecken per uppgift</translation>
    </message>
</context>
</TS>
