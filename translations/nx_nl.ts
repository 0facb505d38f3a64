<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Vraag</translation>
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
        <translation>&quot;%1&quot; is er niet: zet het bestand terug of sluit het station opnieuw aan en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>&quot;%1&quot; kan niet worden gelezen: controleer of u het bestand mag lezen en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>&quot;%1&quot; is geen mediabestand dat deze computer kan lezen (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>&quot;%1&quot; heeft geen geluid: kies een bestand met een audiospoor.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>Het %1-geluid van &quot;%2&quot; kan hier niet worden gedecodeerd: zet het om naar WAV of MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Het geluid van &quot;%1&quot; kan niet worden gedecodeerd (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Deze computer heeft geen geluidsuitvoer, dus het voorbeeld kan niet worden afgespeeld: sluit luidsprekers of een hoofdtelefoon aan, of controleer de geluidsinstellingen, en probeer het dan opnieuw.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Resterende tijd:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Meer kopen</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Beschikbare tekens: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Meer tekens kopen</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>De spraakserver heeft de taak geweigerd: %1. Controleer RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>De spraakserver heeft geen spraak gehoord: controleer of de clip spraak bevat en luid genoeg is.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>De spraakserver accepteert geen upload van deze grootte: %1 voor %2 s geluid is te groot (%3). Stel RemoteSpeech/MaxUploadBytes lager in, of maak uploads kleiner met RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>De spraakserver is niet bereikbaar (%1): controleer het netwerk en RemoteSpeech/ServerUrl en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>De spraakserver heeft de API-sleutel uit omgevingsvariabele %1 geweigerd (%2): zet daar de sleutel van de server in en probeer het dan opnieuw.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Spraak- en tekstdiensten</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Er lopen nog taken van de spraak- en tekstdiensten. Als u het venster sluit, worden alle taken gewist.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Weet u zeker dat u het venster wilt sluiten?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Nog geen taken. Probeer de spraak- en tekstdiensten eens!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Spraak naar tekst</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Tekst naar spraak</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Tegoed voor spraak naar tekst</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Tegoed voor tekst naar spraak</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Er is niet genoeg tijd over. Waardeer uw tegoed op met meer uren om spraak naar tekst te blijven gebruiken.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Er zijn niet genoeg tekens beschikbaar. Waardeer uw tegoed op met meer tekens om tekst naar spraak te blijven gebruiken.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Meer kopen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>Materiaal</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Reeks</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Er is geen spraakmodel geïnstalleerd voor %1 (%2): deze computer transcribeert alleen Engels; stel een spraakserver in voor %1 (zie README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Geen van de media van de taak heeft geluid: kies clips met een audiospoor.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>Het geluid is %1 minuten lang; een taak verwerkt maximaal %2 minuten: splits het in kortere delen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>&quot;%1&quot; bevat meer geluid dan een taak verwerkt (%2 minuten): splits het in kortere delen.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>Het geluid is %1 s lang, meer dan de resterende tijd: waardeer uw tegoed op en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Er is geen spraak gehoord: controleer of de clip spraak bevat en luid genoeg is.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Instellingen voor spraak naar tekst</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Taal van de audio:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transcriberen: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Geselecteerde clips</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Hele tijdlijn</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Ondertitels automatisch op de tijdlijn plaatsen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Wordt verwerkt</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Wordt gecontroleerd</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Wordt getranscodeerd</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wordt geüpload</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Transcriptie</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>De resterende tijd</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 is niet genoeg voor de rest van de omzetting. %2 wordt elke 30 dagen vernieuwd.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>tussen %1 en %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Deze computer transcribeert alleen Engels; stel een spraakserver in voor %1 (zie README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Spraakengine: deze computer</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Spraakengine: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>De tijdlijn is leeg: plaats er een clip op voordat u exporteert</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 bestaat al: kies een andere naam</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 is geen gewoon bestand: kies een andere naam</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: kies een andere map</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT heeft geen avformat-consumer: installeer de FFmpeg-module van MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Kan %1 niet schrijven: de schijf is vol. Maak ruimte vrij of kies een andere map</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Kan %1 niet schrijven: het bestand is groter geworden dan deze schijf of dit account toestaat. Kies een andere map</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Renderen van %1 mislukt: zie het logboek voor de melding van MLT</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Video exporteren</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Video.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Ondertitels in het beeld inbranden</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Bestand:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-video (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Resterende tijd wordt geschat…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Nog ongeveer %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kan niet worden geïmporteerd: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Clips kunnen niet overlappen en blijven op sporen van hun eigen soort.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Mediapool</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Openen…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Recent geopend</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Opslaan als…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importeren…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Media opnieuw koppelen…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Ondertitels exporteren…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Video exporteren…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Alle clips selecteren</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Tijdlijn</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Aan tijdlijn toevoegen</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Titel toevoegen…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Afspelen</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Afspelen/pauzeren</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Eén frame terug</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Eén frame vooruit</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Naar begin</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Naar einde</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Spraak</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Spraak naar tekst…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Tekst naar spraak…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Tekst naar spraak (klassiek)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Spraak- en tekstdiensten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Taal van de interface</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Taal van de interface: %1. De spraakvensters beginnen met deze taal.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>%n bestand wordt gelezen…</numerusform>
            <numerusform>%n bestanden worden gelezen…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 is geen bestand.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Kies eerst media in de mediapool die al zijn ingelezen.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Titel toevoegen</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Titeltekst:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Niet-opgeslagen wijzigingen</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 bevat wijzigingen die niet zijn opgeslagen. Nu opslaan?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Project openen</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n clip is offline: Bestand ▸ Media opnieuw koppelen… vindt het bestand.</numerusform>
            <numerusform>%n clips zijn offline: Bestand ▸ Media opnieuw koppelen… vindt de bestanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 geopend.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Project opslaan</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Het project kan niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 opgeslagen.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Geen recente projecten</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Er zijn geen media offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>%1 opnieuw koppelen</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Media opnieuw koppelen</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 kan %2 niet vervangen: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Er zijn geen ondertitelclips om te exporteren.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Ondertitels exporteren</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>De ondertitels kunnen niet worden geëxporteerd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n ondertitel geëxporteerd naar %1.</numerusform>
            <numerusform>%n ondertitels geëxporteerd naar %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Niet-opgeslagen werk herstellen</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio is afgesloten zonder al het werk op te slaan. Herstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerpen</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Uit de mediapool verwijderen</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>het item is niet offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>het bestand bevat een ander soort media</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: het bestand ontbreekt; Bestand ▸ Media opnieuw koppelen… vindt het)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>het is korter dan de clips op de tijdlijn nodig hebben</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>het heeft geen geluid, en de clips op de tijdlijn spelen geluid af</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Wordt gelezen…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importeer audio en video met Bestand&#xa0;▸&#xa0;Importeren… of zet bestanden hier neer.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Naar begin</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Eén frame terug</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Afspelen/pauzeren</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Eén frame vooruit</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Naar einde</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>%1 kan niet worden getranscribeerd: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>%1 kan niet worden ingesproken: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Spraak naar tekst</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Spraak naar tekst is niet beschikbaar: het spraakherkenningsmodel is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Plaats eerst een audio- of videoclip op de tijdlijn.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>De tijdlijn</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Spraak naar tekst kan niet starten.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Tijdlijn wordt getranscribeerd…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>%n clip wordt getranscribeerd…</numerusform>
            <numerusform>%n clips worden getranscribeerd…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>%n bestand wordt getranscribeerd…</numerusform>
            <numerusform>%n bestanden worden getranscribeerd…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Tekst naar spraak</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Selecteer eerst een of meer titel- of ondertitelclips op de tijdlijn.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Tekst naar spraak kan niet starten.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>%n clip wordt ingesproken…</numerusform>
            <numerusform>%n clips worden ingesproken…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 staat nu in de mediapool: de bijbehorende clip staat niet meer op de tijdlijn.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 staat nu in de mediapool.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n ondertitel op de tijdlijn geplaatst.</numerusform>
            <numerusform>%n ondertitels op de tijdlijn geplaatst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Voice-over toevoegen</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 op de tijdlijn geplaatst.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Tegoed opgewaardeerd; de taak start opnieuw.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Aan tijdlijn toevoegen</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Titel toevoegen</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Voice-over toevoegen</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Ondertitels toevoegen</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Tekst bewerken</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Clip verplaatsen</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Clips verplaatsen</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Clip verwijderen</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Clips verwijderen</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Ondertitel %1</translation>
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
        <translation>Titels %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Ondertitels %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Sleep media hierheen vanuit de mediapool, of gebruik Tijdlijn ▸ Aan tijdlijn toevoegen</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Ondertitel bewerken</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Ondertiteltekst:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Titel bewerken</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Titeltekst:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: het bestand ontbreekt (Bestand ▸ Media opnieuw koppelen…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, vanaf %2, %3 lang</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Tijdlijn</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Resterende transcriptietijd: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Resterende tekens: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>De taak heeft %1 nodig.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>De taak heeft %1 tekens nodig.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Opwaarderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Extra uren:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Extra tekens (in duizendtallen):</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kopen</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Tonen in map</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Tekens: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Stem: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Toonhoogte: </translation>
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
        <translation>De tekst heeft %1 tekens, meer dan het resterende tegoed: waardeer uw tegoed op en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>De stem &quot;%1&quot; is hier niet beschikbaar: kies een andere stem en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>De tekst heeft %1 tekens; een taak spreekt maximaal %2 tekens in: verdeel de tekst over kortere clips.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Er kon niets van de tekst worden ingesproken: controleer of de tekst in de taal van de stem is.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>Zin %1 heeft meer dan %2 tekens: splits deze zin.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Instellingen voor tekst naar spraak</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Steminstellingen</translation>
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
        <translation>Laag</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Traag</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Matig</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Tip: deze stem spreekt alleen Engelse tekst</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Tip: deze stem spreekt Chinese en Engelse tekst</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Stem</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Toon</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Het voorbeeld kan niet worden afgespeeld. Probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Traag</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>Traag</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>high</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>In welke taal is deze titel?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Stem: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Instellingen:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Toonhoogte:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Voice-overs automatisch op de tijdlijn plaatsen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Netwerkfout. Controleer de netwerkinstellingen of probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Tekens</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Wordt verwerkt</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Wordt gecontroleerd</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wordt geüpload</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wordt gedownload</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Omzetting</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 zin per 100 tekens</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(Minder dan 100 tekens telt als 100 tekens)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Voltooid / totaal aantal tekens</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Het aantal zinnen</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 is niet genoeg voor de rest van de omzetting. %2 wordt elke 30 dagen vernieuwd.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>De gebruikte tijd of tekens kunnen niet worden vastgelegd, dus er is niets afgeschreven: %1. Maak ruimte vrij in de gegevensmap en probeer het dan opnieuw.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Beluisteren</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Mannelijk</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Vrouwelijk</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Spreekt</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Engels (VS)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Engels (VK)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Duits (Duitsland)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Spaans (Spanje)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Frans (Frankrijk)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italiaans (Italië)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugees (Brazilië)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japans (Japan)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chinees (Kantonees)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Chinees (Mandarijn, Taiwan)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Russisch (Rusland)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Nederlands (Nederland)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arabisch (Verenigde Arabische Emiraten)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Koreaans (Korea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Pools (Polen)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Roemeens (Roemenië)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonesisch (Indonesië)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Zweeds (Zweden)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Taak verwijderen</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>De omzetting is nog niet voltooid. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Weet u zeker dat u de taak wilt verwijderen? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Als u de taak nu verwijdert, kan het tegoed toch worden afgeschreven.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Niet meer vragen</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Deels niet uitgesproken</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Onbekende fout </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Niet genoeg uren over</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Transcoderen mislukt</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Max. 1 uur audio per taak</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Bestandsinhoud niet herkend.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Uploaden mislukt</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Aanmeldfout</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Transcriptie mislukt</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>De netwerkverbinding is verbroken</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Niet genoeg tekens over</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Max. 1500 tekens per taak</translation>
    </message>
</context>
</TS>
