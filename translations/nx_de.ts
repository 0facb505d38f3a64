<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
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
        <translation>„%1“ ist nicht vorhanden: Legen Sie die Datei zurück oder schließen Sie ihr Laufwerk wieder an und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>„%1“ kann nicht gelesen werden: Prüfen Sie, ob Sie die Datei lesen dürfen, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>„%1“ ist keine Mediendatei, die dieser Computer lesen kann (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>„%1“ hat keinen Ton: Wählen Sie eine Datei mit einer Audiospur.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>Der %1-Ton von „%2“ kann hier nicht decodiert werden: Wandeln Sie ihn in WAV oder MP3 um.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Der Ton von „%1“ kann nicht decodiert werden (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Dieser Computer hat keine Tonausgabe, daher kann die Vorschau nicht abgespielt werden: Schließen Sie Lautsprecher oder Kopfhörer an oder prüfen Sie die Toneinstellungen und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Verbleibende Zeit:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Mehr kaufen</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Verfügbare Zeichen: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Mehr Zeichen kaufen</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>Der Sprachserver hat die Aufgabe abgelehnt: %1. Prüfen Sie RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>Der Sprachserver hat keine Sprache erkannt: Prüfen Sie, ob der Clip Sprache enthält und laut genug ist.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>Der Sprachserver nimmt keinen so großen Upload an: %1 für %2 s Ton sind ihm zu groß (%3). Setzen Sie RemoteSpeech/MaxUploadBytes darunter oder verkleinern Sie Uploads mit RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Der Sprachserver ist nicht erreichbar (%1): Prüfen Sie das Netzwerk und RemoteSpeech/ServerUrl und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>Der Sprachserver hat den API-Schlüssel aus der Umgebungsvariable %1 abgelehnt (%2): Tragen Sie dort den Schlüssel des Servers ein und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Sprach- und Textdienste</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Es laufen noch Aufgaben der Sprach- und Textdienste. Wenn Sie das Fenster schließen, werden alle Aufgaben entfernt.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Möchten Sie das Fenster wirklich schließen?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Noch keine Aufgaben. Probieren Sie die Sprach- und Textdienste aus!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Sprache in Text</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Text in Sprache</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Guthaben für Sprache in Text</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Guthaben für Text in Sprache</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Die verbleibende Zeit reicht nicht aus. Bitte laden Sie weitere Stunden auf, um Sprache in Text weiter zu nutzen.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Nicht genügend Zeichen verfügbar. Bitte laden Sie weitere Zeichen auf, um Text in Sprache weiter zu nutzen.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Mehr kaufen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Sequenz</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Für %1 (%2) ist kein Sprachmodell installiert: Dieser Computer transkribiert nur Englisch; richten Sie für %1 einen Sprachserver ein (siehe README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Keines der Medien dieser Aufgabe hat Ton: Wählen Sie Clips mit einer Audiospur.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>Der Ton ist %1 Minuten lang; eine Aufgabe verarbeitet höchstens %2 Minuten: Teilen Sie ihn in kürzere Abschnitte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>„%1“ enthält mehr Ton, als eine Aufgabe verarbeitet (%2 Minuten): Teilen Sie die Datei in kürzere Abschnitte.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>Der Ton ist %1 s lang, mehr als die verbleibende Zeit: Laden Sie Guthaben auf und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Es wurde keine Sprache erkannt: Prüfen Sie, ob der Clip Sprache enthält und laut genug ist.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Einstellungen für Sprache in Text</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Sprache des Audios:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transkribieren: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Ausgewählte Clips</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Gesamte Timeline</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Untertitel automatisch auf der Timeline platzieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Wird verarbeitet</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Wird transkodiert</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Transkription</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>Die verbleibende Zeit</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 reicht für den Rest der Umwandlung nicht aus. %2 wird alle 30 Tage erneuert.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>zwischen %1 und %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Dieser Computer transkribiert nur Englisch; richten Sie für %1 einen Sprachserver ein (siehe README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Sprach-Engine: dieser Computer</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Sprach-Engine: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>Die Timeline ist leer: Legen Sie vor dem Export einen Clip darauf</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 ist bereits vorhanden: Wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 ist keine normale Datei: Wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: Wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT hat keinen avformat-Consumer: Installieren Sie das FFmpeg-Modul von MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>%1 kann nicht geschrieben werden: Der Datenträger ist voll. Geben Sie Speicherplatz frei oder wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>%1 kann nicht geschrieben werden: Die Datei ist größer geworden, als dieser Datenträger oder dieses Konto erlaubt. Wählen Sie einen anderen Ordner</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Rendern von %1 fehlgeschlagen: Die Meldung von MLT steht im Protokoll</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Video exportieren</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Video.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Untertitel ins Bild einbrennen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Restzeit wird geschätzt…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Noch etwa %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Clips können sich nicht überlappen und bleiben auf Spuren ihrer Art.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Medienpool</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Medien neu verknüpfen…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Untertitel exportieren…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Video exportieren…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Alle Clips auswählen</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Timeline</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Zur Timeline hinzufügen</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Titel hinzufügen…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Einzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Auszoomen</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Ein Bild zurück</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Ein Bild vor</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Zum Anfang</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Zum Ende</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Sprachdienste</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Sprache in Text…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Text in Sprache…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Text in Sprache (klassisch)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Sprach- und Textdienste</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Sprache der Oberfläche: %1. Die Sprachdialoge starten mit dieser Sprache.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>%n Datei wird gelesen…</numerusform>
            <numerusform>%n Dateien werden gelesen…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Wählen Sie zuerst im Medienpool Medien aus, die fertig eingelesen sind.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Titel hinzufügen</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Titeltext:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Nicht gespeicherte Änderungen</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 enthält nicht gespeicherte Änderungen. Jetzt speichern?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n Clip ist offline: Datei ▸ Medien neu verknüpfen… findet seine Datei.</numerusform>
            <numerusform>%n Clips sind offline: Datei ▸ Medien neu verknüpfen… findet ihre Dateien.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 geöffnet.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Das Projekt konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Keine zuletzt geöffneten Projekte</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Keine Medien sind offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>%1 neu verknüpfen</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Medien neu verknüpfen</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 kann %2 nicht ersetzen: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Es gibt keine Untertitelclips zum Exportieren.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Untertitel exportieren</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Die Untertitel konnten nicht exportiert werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n Untertitel nach %1 exportiert.</numerusform>
            <numerusform>%n Untertitel nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Nicht gespeicherte Arbeit wiederherstellen</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio wurde beendet, ohne alles zu speichern. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Aus dem Medienpool entfernen</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>das Element ist nicht offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>die Datei enthält eine andere Medienart</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: Die Datei fehlt; Datei ▸ Medien neu verknüpfen… findet sie)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>sie ist kürzer, als ihre Clips in der Zeitleiste brauchen</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>sie hat keinen Ton, ihre Clips in der Zeitleiste spielen aber Ton ab</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Wird gelesen…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importieren Sie Audio und Video mit Datei&#xa0;▸&#xa0;Importieren… oder ziehen Sie Dateien hierher.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Zum Anfang</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Ein Bild zurück</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Ein Bild vor</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Zum Ende</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>%1 konnte nicht transkribiert werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>%1 konnte nicht vertont werden: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Sprache in Text</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Sprache in Text ist nicht verfügbar: Das Spracherkennungsmodell ist nicht installiert.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Legen Sie zuerst einen Audio- oder Videoclip auf die Timeline.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>Die Timeline</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Sprache in Text konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Timeline wird transkribiert…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>%n Clip wird transkribiert…</numerusform>
            <numerusform>%n Clips werden transkribiert…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>%n Datei wird transkribiert…</numerusform>
            <numerusform>%n Dateien werden transkribiert…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Text in Sprache</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Wählen Sie zuerst einen oder mehrere Titel- oder Untertitelclips auf der Timeline aus.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Text in Sprache konnte nicht gestartet werden.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>%n Clip wird vertont…</numerusform>
            <numerusform>%n Clips werden vertont…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 liegt jetzt im Medienpool: Der zugehörige Clip ist nicht mehr auf der Timeline.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 liegt jetzt im Medienpool.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n Untertitel auf der Timeline platziert.</numerusform>
            <numerusform>%n Untertitel auf der Timeline platziert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Voice-over hinzufügen</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 auf der Timeline platziert.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Guthaben aufgeladen; die Aufgabe startet erneut.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Zur Timeline hinzufügen</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Titel hinzufügen</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Voice-over hinzufügen</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Untertitel hinzufügen</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Clip verschieben</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Clips verschieben</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Clip löschen</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Clips löschen</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Untertitel %1</translation>
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
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Untertitel %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Ziehen Sie Medien aus dem Medienpool hierher oder verwenden Sie Timeline ▸ Zur Timeline hinzufügen</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Untertitel bearbeiten</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Untertiteltext:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Titel bearbeiten</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Titeltext:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: Die Datei fehlt (Datei ▸ Medien neu verknüpfen…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, ab %2, %3 lang</translation>
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
        <translation>Verbleibende Transkriptionszeit: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Verbleibende Zeichen: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>Die Aufgabe benötigt %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>Die Aufgabe benötigt %1 Zeichen.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Aufladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Zusätzliche Stunden:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Zusätzliche Zeichen (in Tausend):</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Zeichen: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Stimme: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Tonhöhe: </translation>
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
        <translation>Der Text hat %1 Zeichen, mehr als das verbleibende Guthaben: Laden Sie Guthaben auf und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>Die Stimme „%1“ ist hier nicht vorhanden: Wählen Sie eine andere Stimme und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>Der Text hat %1 Zeichen; eine Aufgabe vertont höchstens %2 Zeichen: Teilen Sie ihn auf kürzere Clips auf.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Der Text konnte nicht vertont werden: Prüfen Sie, ob er in der Sprache der Stimme verfasst ist.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>Satz %1 hat mehr als %2 Zeichen: Teilen Sie ihn auf.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Einstellungen für Text in Sprache</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Stimmeinstellungen</translation>
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
        <translation>Tief</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Ruhig</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Zügig</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Tipp: Diese Stimme spricht nur englischen Text</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Tipp: Diese Stimme spricht chinesischen und englischen Text</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Höhe</translation>
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
        <translation>Vorhören</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Die Vorschau konnte nicht abgespielt werden. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Tief</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>low</source>
        <translation>Tief</translation>
    </message>
    <message>
        <source>high</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>In welcher Sprache ist dieser Titel?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Stimme: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Tonhöhe:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Voice-over automatisch auf der Timeline platzieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Netzwerkfehler. Bitte prüfen Sie die Netzwerkeinstellungen oder versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Wird verarbeitet</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Umwandlung</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 Satz pro 100 Zeichen</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(Weniger als 100 Zeichen zählen als 100 Zeichen)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Fertig / Zeichen gesamt</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Die Anzahl der Sätze</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 reicht für den Rest der Umwandlung nicht aus. %2 wird alle 30 Tage erneuert.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Die verbrauchte Zeit oder die verbrauchten Zeichen können nicht erfasst werden, daher wurde nichts berechnet: %1. Geben Sie im Datenordner Speicherplatz frei und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Spricht</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Englisch (USA)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Englisch (Großbritannien)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Deutsch (Deutschland)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Spanisch (Spanien)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Französisch (Frankreich)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italienisch (Italien)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugiesisch (Brasilien)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japanisch (Japan)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chinesisch (Kantonesisch)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Chinesisch (Mandarin, Taiwan)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Russisch (Russland)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Niederländisch (Niederlande)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arabisch (Vereinigte Arabische Emirate)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Koreanisch (Korea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polnisch (Polen)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Rumänisch (Rumänien)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonesisch (Indonesien)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Schwedisch (Schweden)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>Die Umwandlung ist noch nicht abgeschlossen. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Möchten Sie die Aufgabe wirklich löschen? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Wenn Sie die Aufgabe jetzt löschen, kann das Guthaben trotzdem belastet werden.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Teilweise nicht gesprochen</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Unbekannter Fehler </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Nicht genügend Stunden übrig</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Transkodierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Max. 1 Stunde pro Aufgabe</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Dateiinhalt nicht erkannt.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Hochladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Anmeldefehler</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Transkription fehlgeschlagen</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>Keine Netzwerkverbindung</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Nicht genügend Zeichen übrig</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Max. 1500 Zeichen je Aufgabe</translation>
    </message>
</context>
</TS>
