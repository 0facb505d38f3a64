<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>„%1” nie istnieje: przywróć plik na miejsce lub podłącz ponownie jego dysk, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>Nie można odczytać „%1”: sprawdź, czy masz prawo odczytu tego pliku, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>Ten komputer nie potrafi odczytać „%1” jako pliku multimedialnego (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>„%1” nie zawiera dźwięku: wybierz plik ze ścieżką audio.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>Dźwięku w formacie %1 z „%2” nie można tu zdekodować: przekonwertuj go do WAV lub MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Nie można zdekodować dźwięku z „%1” (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Ten komputer nie ma wyjścia dźwięku, więc nie można odtworzyć próbki: podłącz głośniki lub słuchawki albo sprawdź ustawienia dźwięku, a potem spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Pozostały czas:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Kup więcej</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Pozostało znaków: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Kup więcej znaków</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>Serwer mowy odrzucił zadanie: %1. Sprawdź ustawienie RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>Serwer mowy nie usłyszał mowy: sprawdź, czy klip zawiera mowę i czy jest ona wystarczająco głośna.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>Serwer mowy nie przyjmuje tak dużych plików: %1 dla %2 s dźwięku to dla niego za dużo (%3). Ustaw mniejszą wartość RemoteSpeech/MaxUploadBytes lub zmniejsz przesyłane pliki za pomocą RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Nie można połączyć się z serwerem mowy (%1): sprawdź sieć i ustawienie RemoteSpeech/ServerUrl, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>Serwer mowy odrzucił klucz API ze zmiennej środowiskowej %1 (%2): ustaw w niej klucz serwera, a potem spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Usługi mowy</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Usługi mowy wciąż wykonują zadania. Zamknięcie okna usunie wszystkie zadania.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Czy na pewno chcesz zamknąć okno?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Nie ma jeszcze zadań. Wypróbuj usługi mowy!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Mowa na tekst</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Tekst na mowę</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Limit zamiany mowy na tekst</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Limit zamiany tekstu na mowę</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Za mało pozostałego czasu. Doładuj więcej godzin, aby dalej korzystać z zamiany mowy na tekst.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Za mało dostępnych znaków. Doładuj więcej znaków, aby dalej korzystać z zamiany tekstu na mowę.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Kup więcej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Klip</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekwencja</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Brak modelu mowy dla języka %1 (%2): ten komputer rozpoznaje tylko mowę angielską; dla języka %1 ustaw serwer mowy (zobacz README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Żaden plik multimedialny zadania nie zawiera dźwięku: wybierz klipy ze ścieżką audio.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>Dźwięk trwa %1 min, a jedno zadanie obejmuje najwyżej %2 min: podziel go na krótsze części.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>„%1” zawiera więcej dźwięku, niż obejmuje jedno zadanie (%2 min): podziel go na krótsze części.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>Dźwięk trwa %1 s, dłużej niż pozostały czas: doładuj, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Nie wykryto mowy: sprawdź, czy klip zawiera mowę i czy jest ona wystarczająco głośna.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Ustawienia zamiany mowy na tekst</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Język mowy w nagraniu:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transkrybuj: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Zaznaczone klipy</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Cała oś czasu</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Automatycznie umieszczaj napisy na osi czasu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Akcje</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Przetwarzanie</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Transkodowanie</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Przesyłanie</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Transkrypcja</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>Pozostały czas</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 nie wystarczy na dokończenie transkrypcji. %2 odnawia się co 30 dni.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>między %1 a %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Ten komputer rozpoznaje tylko mowę angielską; dla języka %1 ustaw serwer mowy (zobacz README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Silnik mowy: ten komputer</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Silnik mowy: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>Oś czasu jest pusta: przed eksportem umieść na niej klip</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 już istnieje: wybierz inną nazwę</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 nie jest zwykłym plikiem: wybierz inną nazwę</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: wybierz inny folder</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT nie ma konsumenta avformat: zainstaluj moduł FFmpeg dla MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Nie można zapisać %1: dysk jest pełny. Zwolnij miejsce lub wybierz inny folder</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Nie można zapisać %1: plik przekroczył rozmiar dozwolony na tym dysku lub koncie. Wybierz inny folder</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Renderowanie %1 nie powiodło się: komunikaty MLT znajdziesz w dzienniku</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Eksport wideo</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Wideo.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Wtop napisy w obraz</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Wideo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Szacowanie pozostałego czasu…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Pozostało około %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Nie można zaimportować %1: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Klipy nie mogą się nakładać i pozostają na ścieżkach swojego rodzaju.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Biblioteka mediów</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Otwórz…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Otwórz ostatnie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importuj…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Połącz ponownie multimedia…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Eksportuj napisy…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Eksportuj wideo…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Zaznacz wszystkie klipy</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Oś czasu</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Dodaj do osi czasu</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Dodaj tytuł…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>O&amp;dtwarzanie</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Odtwórz/wstrzymaj</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Klatka wstecz</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Klatka do przodu</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Przejdź do początku</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Przejdź do końca</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Mowa</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Mowa na tekst…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Tekst na mowę…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Tekst na mowę (klasyczne okno)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Usługi mowy</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Język interfejsu</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Język interfejsu: %1. Okna usług mowy otwierają się z tym językiem.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Wczytywanie %n pliku…</numerusform>
            <numerusform>Wczytywanie %n plików…</numerusform>
            <numerusform>Wczytywanie %n plików…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 nie jest plikiem.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Najpierw wybierz w bibliotece mediów wczytany plik.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Dodaj tytuł</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Tekst tytułu:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Niezapisane zmiany</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>Projekt %1 zawiera niezapisane zmiany. Zapisać je?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n klip jest offline: Plik ▸ Połącz ponownie multimedia… odnajdzie jego plik.</numerusform>
            <numerusform>%n klipy są offline: Plik ▸ Połącz ponownie multimedia… odnajdzie ich pliki.</numerusform>
            <numerusform>%n klipów jest offline: Plik ▸ Połącz ponownie multimedia… odnajdzie ich pliki.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>Otwarto projekt %1.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Zapisz projekt</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Nie można zapisać projektu: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Zapisano %1.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Brak ostatnich projektów</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Żadne multimedia nie są offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Połącz ponownie: %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Połącz ponownie multimedia</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 nie może zastąpić %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Brak klipów z napisami do eksportu.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Eksport napisów</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Nie można wyeksportować napisów: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>Wyeksportowano %n napis do %1.</numerusform>
            <numerusform>Wyeksportowano %n napisy do %1.</numerusform>
            <numerusform>Wyeksportowano %n napisów do %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Przywróć niezapisaną pracę</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio zakończył działanie bez zapisania części pracy. Przywrócić ją?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Usuń z biblioteki</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>element nie jest offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>plik zawiera multimedia innego rodzaju</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: brak pliku; Plik ▸ Połącz ponownie multimedia… go odnajdzie)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>jest krótszy, niż potrzebują jego klipy na osi czasu</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>nie ma dźwięku, a jego klipy na osi czasu odtwarzają dźwięk</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Wczytywanie…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importuj audio i wideo przez Plik&#xa0;▸&#xa0;Importuj… lub upuść tu pliki.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Przejdź do początku</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Klatka wstecz</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Odtwórz/wstrzymaj</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Klatka do przodu</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Przejdź do końca</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>Nie można wykonać transkrypcji %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>Nie można zamienić %1 na mowę: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Mowa na tekst</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Zamiana mowy na tekst jest niedostępna: model rozpoznawania mowy nie jest zainstalowany.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Najpierw umieść na osi czasu klip audio lub wideo.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>Oś czasu</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Nie można uruchomić zamiany mowy na tekst.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Transkrypcja osi czasu…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Transkrypcja %n klipu…</numerusform>
            <numerusform>Transkrypcja %n klipów…</numerusform>
            <numerusform>Transkrypcja %n klipów…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Transkrypcja %n pliku…</numerusform>
            <numerusform>Transkrypcja %n plików…</numerusform>
            <numerusform>Transkrypcja %n plików…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Tekst na mowę</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Najpierw zaznacz na osi czasu co najmniej jeden klip tytułu lub napisów.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Nie można uruchomić zamiany tekstu na mowę.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Synteza mowy: %n klip…</numerusform>
            <numerusform>Synteza mowy: %n klipy…</numerusform>
            <numerusform>Synteza mowy: %n klipów…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>Plik %1 trafił do biblioteki mediów: jego klipu nie ma już na osi czasu.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>Plik %1 trafił do biblioteki mediów.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>Umieszczono na osi czasu %n napis.</numerusform>
            <numerusform>Umieszczono na osi czasu %n napisy.</numerusform>
            <numerusform>Umieszczono na osi czasu %n napisów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Dodaj narrację</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>Plik %1 umieszczono na osi czasu.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Doładowano; zadanie rusza ponownie.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Dodaj do osi czasu</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Dodaj tytuł</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Dodaj narrację</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Dodaj napisy</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Edytuj tekst</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Przenieś klip</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Przenieś klipy</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Usuń klip</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Usuń klipy</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Tytuł %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Napis %1</translation>
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
        <translation>Tytuły %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Napisy %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Wideo %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Przeciągnij tu multimedia z biblioteki lub użyj Oś czasu ▸ Dodaj do osi czasu</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Edytuj napis</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Tekst napisu:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Edytuj tytuł</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Tekst tytułu:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: brak pliku (Plik ▸ Połącz ponownie multimedia…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, od %2, długość %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Oś czasu</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Pozostały czas transkrypcji: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Pozostało znaków: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>Zadanie wymaga %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>Zadanie wymaga znaków: %1.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Doładuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Godziny do dodania:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Tysiące znaków do dodania:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kup</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Znaki: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Głos: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Ton: </translation>
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
        <translation>Liczba znaków w tekście (%1) przekracza pozostały limit: doładuj, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>Nie ma tu głosu „%1”: wybierz inny głos, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>Liczba znaków w tekście (%1) przekracza limit jednego zadania (%2): podziel tekst na krótsze klipy.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Nie udało się zamienić na mowę żadnej części tekstu: sprawdź, czy tekst jest w języku głosu.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>Zdanie %1 ma ponad %2 znaków: podziel je.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Ustawienia zamiany tekstu na mowę</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Ustawienia głosu</translation>
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
        <translation>Niski</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Śred.</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Wys.</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Woln.</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Śred.</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Szyb.</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Wskazówka: ten głos czyta tylko tekst angielski</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Wskazówka: ten głos czyta tekst chiński i angielski</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Głosy</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Nie można odtworzyć próbki. Spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Wolne</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niski</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybkie</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoki</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>wolne</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>szybkie</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niski</translation>
    </message>
    <message>
        <source>high</source>
        <translation>wysoki</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>W jakim języku jest ten tytuł?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Głos: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Ustawienia:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Automatycznie umieszczaj narrację na osi czasu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Błąd sieci. Sprawdź ustawienia sieci lub spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Znaki</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Akcje</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Przetwarzanie</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Przesyłanie</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Synteza mowy</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 zdanie na każde 100 znaków</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(mniej niż 100 znaków liczy się jako 100)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Ukończono / znaków łącznie</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Pozostała liczba zdań</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 nie wystarczy na dokończenie syntezy mowy. %2 odnawia się co 30 dni.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Nie można zapisać zużytego czasu ani znaków, więc nic nie zostało naliczone: %1. Zwolnij miejsce w folderze danych, a potem spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Męski</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Żeński</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Mówi</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Angielski (USA)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Angielski (Wielka Brytania)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Niemiecki (Niemcy)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Hiszpański (Hiszpania)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Francuski (Francja)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Włoski (Włochy)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugalski (Brazylia)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japoński (Japonia)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chiński (kantoński)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Chiński (mandaryński, Tajwan)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Rosyjski (Rosja)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Niderlandzki (Holandia)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arabski (ZEA)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Koreański (Korea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polski (Polska)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Rumuński (Rumunia)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonezyjski (Indonezja)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Szwedzki (Szwecja)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Usuwanie zadania</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>Konwersja nie została jeszcze ukończona. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Czy na pewno chcesz usunąć zadanie? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Jeśli usuniesz zadanie teraz, saldo i tak może zostać pomniejszone.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Na razie nie pytaj</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Część tekstu pominięta</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Nieznany błąd </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Za mało pozostałego czasu</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Błąd transkodowania</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Maks. 1 godzina na zadanie</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Nierozpoznana zawartość pliku.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Błąd przesyłania</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Błąd logowania</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Konwersja nie powiodła się</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>Połączenie sieciowe zostało przerwane</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Za mało pozostałych znaków</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Maks. 1500 znaków</translation>
    </message>
</context>
</TS>
