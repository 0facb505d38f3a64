<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>음성 엔진: 이 컴퓨터</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>음성 엔진: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open project</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioTimelineView</name>
    <message>
        <source>Audio %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamPanel</name>
    <message>
        <source>Aida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aijia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aixia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aimei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aiqi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aijing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aishuo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aiyu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lydia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shanshan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aitong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xiaobei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Andy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowTone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
