<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>&quot;%1&quot; is not a media file this computer can read (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>&quot;%1&quot; has no sound: choose a file with an audio track.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>The sound of &quot;%1&quot; cannot be decoded (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Time remaining:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Purchase more</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Remaining available characters: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Purchase more characters</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>The speech server heard no speech: check that the clip has speech and is loud enough.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>List of voice-text services</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Voice-text tasks are still in progress. Closing the window will clear all tasks.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Are you sure you want to close the window?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>No tasks yet. Try a voice-text service!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Speech-to-Text</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Text-to-Speech</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Speech-to-Text Allowance</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Text-to-Speech Allowance</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Not enough time remaining. Top up for more hours to keep using Speech-to-Text.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Not enough characters remaining. Top up for more characters to keep using Text-to-Speech.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Purchase more</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Sequence</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>None of the task&apos;s media has sound: choose clips with an audio track.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>The sound is %1 s long, more than the time left: top up, then retry.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>No speech was heard: check that the clip has speech and is loud enough.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Speech-to-Text Settings</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Language of the audio to be transcribed:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transcribe: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Clip selection</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>The entire timeline sequence</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Place the subtitles on the timeline automatically</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Transcoding</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Transcribing</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>The remaining time</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 is not enough for the rest of the transcription. %2 is renewed every 30 days.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>between %1 and %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>This computer transcribes English only; set a speech server for %1 (see README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Speech engine: this computer</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Speech engine: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>The timeline is empty: put a clip on it before exporting</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 already exists: choose another name</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 is not a regular file: choose another name</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: choose another folder</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT has no avformat consumer: install the MLT FFmpeg module</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Cannot write %1: the disk is full. Free some space or choose another folder</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Rendering %1 failed: see the log for what MLT reported</translation>
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
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Burn subtitles into the picture</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 video (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Estimating the time left…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>About %1 left</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 cannot be imported: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Clips cannot overlap, and stay on tracks of their kind.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Media bin</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Open Recent</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Relink media…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Export subtitles…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Export video…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Select all clips</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Timeline</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Add to timeline</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Add title…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Playback</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Play/pause</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Step back one frame</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Step forward one frame</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Go to start</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Go to end</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Speech</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Speech to text…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Text to speech…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Text to speech (classic)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Voice-text services</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Interface language: %1. The speech dialogs start on it.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Reading %n file…</numerusform>
            <numerusform>Reading %n files…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 is not a file.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Choose media that has been read in the bin first.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Add title</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Title text:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 has changes that are not saved. Save them?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Open project</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n clip is offline: File ▸ Relink media… finds its file.</numerusform>
            <numerusform>%n clips are offline: File ▸ Relink media… finds their files.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 opened.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>The project could not be saved: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Saved %1.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>No recent projects</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>No media is offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Relink %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Relink media</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 cannot stand in for %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>There are no subtitle clips to export.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Export subtitles</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>The subtitles could not be exported: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n subtitle exported to %1.</numerusform>
            <numerusform>%n subtitles exported to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Restore unsaved work</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio ended without saving some work. Restore it?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Remove from bin</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>the item is not offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>the file holds another kind of media</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: the file is missing; File ▸ Relink media… finds it)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>it is shorter than its clips on the timeline need</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>it has no sound, and its clips on the timeline play sound</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Reading…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Go to start</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Step back one frame</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Play/pause</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Step forward one frame</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Go to end</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>%1 could not be transcribed: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>%1 could not be spoken: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Speech to text</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Speech to text is not available: the speech recognition model is not installed.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Put an audio or video clip on the timeline first.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>The timeline</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Speech to text could not start.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Transcribing the timeline…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Transcribing %n clip…</numerusform>
            <numerusform>Transcribing %n clips…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Transcribing %n file…</numerusform>
            <numerusform>Transcribing %n files…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Text to speech</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Select one or more title or subtitle clips on the timeline first.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Text to speech could not start.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Speaking %n clip…</numerusform>
            <numerusform>Speaking %n clips…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 went to the media bin: its clip is no longer on the timeline.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 went to the media bin.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 could not be read: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n subtitle placed on the timeline.</numerusform>
            <numerusform>%n subtitles placed on the timeline.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Add voice-over</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 placed on the timeline.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Topped up; the task starts again.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Add to timeline</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Add title</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Add voice-over</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Add subtitles</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Edit text</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Move clip</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Move clips</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Delete clip</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Delete clips</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Title %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Subtitle %1</translation>
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
        <translation>Titles %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Subtitles %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Video %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Drag media here from the bin, or use Timeline ▸ Add to timeline</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Edit subtitle</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Subtitle text:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Edit title</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Title text:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: its file is missing (File ▸ Relink media…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, from %2, %3 long</translation>
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
        <translation>Transcription time left: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Characters left: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>The task needs %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>The task needs %1 characters.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Top up</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Hours to add:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Thousands of characters to add:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Purchase</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Show in folder</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Characters: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Voice: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Pitch: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Speed: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>The text has %1 characters, more than the allowance left: top up, then retry.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>There is no voice &quot;%1&quot; here: choose another voice, then retry.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>None of the text could be spoken: check that it is in the voice&apos;s language.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>Sentence %1 has more than %2 characters: split it.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Text-to-Speech Settings</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Voice Settings</translation>
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
        <translation>Low</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>High</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Tip: this voice speaks English text only</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Tip: this voice speaks Chinese and English text</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Voices</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Pitch:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>The preview could not be played. Please try again.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>What language is this title in?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Voice: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Settings:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Pitch:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Place the voice-overs on the timeline automatically</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Network error, please check network settings or try again.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Converting</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 sentence per 100 characters</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(fewer than 100 characters count as 100)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Completed / total characters</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>The number of sentences</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 is not enough for the rest of the speech. %2 is renewed every 30 days.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Speaking</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>English (US)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>English (UK)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>German (Germany)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Spanish (Spain)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>French (France)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italian (Italy)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portuguese (Brazil)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japanese (Japan)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chinese (Cantonese)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Chinese (Mandarin, TW)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Russian (Russia)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Dutch (Netherlands)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arabic (United Arab Emirates)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Korean (Korea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polish (Poland)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Romanian (Romania)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonesian (Indonesia)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Swedish (Sweden)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Delete Task</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>The conversion is not yet complete. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Are you sure you want to delete the task? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>If you delete the task now, the balance may still be deducted.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Don&apos;t ask again</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Part of the text could not be spoken</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Unknown error </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Not enough hours left</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Transcoding failed</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Over 1 hour: too long for one task</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Unrecognized file content.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Upload failed</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Login error</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Transcription failed</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>Network connection is broken</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Not enough characters left</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Over 1,500 characters: too long</translation>
    </message>
</context>
</TS>
