<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>「%1」不在原位：請將其放回原位或重新連接其磁碟機，然後再試。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>無法讀取「%1」：請確認你有權讀取此檔案，然後再試。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>「%1」不是此電腦可讀取的媒體檔案（%2）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>「%1」沒有聲音：請選擇有音軌的檔案。</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>此電腦無法解碼「%2」的 %1 聲音：請將其轉換為 WAV 或 MP3。</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>無法解碼「%1」的聲音（%2）。</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>此電腦沒有聲音輸出，無法播放試聽：請連接喇叭或耳機，或檢查聲音設定，然後再試。</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>剩餘時間：</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>購買更多</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>剩餘可用字數：%1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>購買更多字數</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>語音伺服器拒絕了任務：%1。請檢查 RemoteSpeech/TranscriptionModel。</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>語音伺服器聽不到任何語音：請確認片段有語音且音量足夠。</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>語音伺服器不接受這麼大的上載：%2 秒聲音的 %1 太大（%3）。請將 RemoteSpeech/MaxUploadBytes 設為低於此大小，或使用 RemoteSpeech/UploadFormat=opus 縮小上載大小。</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>無法連接語音伺服器（%1）：請檢查網絡及 RemoteSpeech/ServerUrl，然後再試。</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>語音伺服器拒絕了環境變數 %1 中的 API 密鑰（%2）：請在該處設定伺服器的密鑰，然後再試。</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>語音文字服務清單</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>語音文字服務仍有任務進行中，關閉視窗會清除所有任務。</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>確定要關閉視窗嗎？</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>暫時未有任務，立即開始吧！</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>語音轉文字</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>文字轉語音</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>語音轉文字餘額</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>文字轉語音餘額</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>剩餘時間不足，請增值更多時數以繼續使用語音轉文字。</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>可用字數不足，請增值更多字數以繼續使用文字轉語音。</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>購買更多</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>素材</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>片段</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>序列</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>未安裝 %1 的語音模型（%2）：此電腦只可轉錄英文；請為 %1 設定語音伺服器（見 README）。</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>任務的媒體全部沒有聲音：請選擇有音軌的片段。</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>聲音長 %1 分鐘，每個任務最多只可處理 %2 分鐘：請分拆成較短的部分。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>「%1」的聲音超出每個任務可處理的長度（%2 分鐘）：請分拆成較短的部分。</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>聲音長 %1 秒，超過剩餘時間：請增值，然後再試。</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>聽不到任何語音：請確認片段有語音且音量足夠。</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>語音轉文字設定</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>要轉錄的音訊語言：</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>轉錄：</translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>已選片段</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>整個時間軸序列</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>自動將字幕放到時間軸上</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長度</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>處理中</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>掃描中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>轉碼中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>上載中</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>轉錄中</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>剩餘時間</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1不足以完成餘下的轉錄。%2每 30 日更新一次。</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>介乎%1與%2之間</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>此電腦只可轉錄英文；請為 %1 設定語音伺服器（見 README）</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>語音引擎：本電腦</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>語音引擎：%1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>時間軸是空的：匯出前請先放入片段</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 已存在：請選擇其他名稱</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 不是一般檔案：請選擇其他名稱</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>：請選擇其他資料夾</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT 沒有 avformat 輸出：請安裝 MLT 的 FFmpeg 模組</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>無法寫入 %1：磁碟已滿。請騰出空間或選擇其他資料夾</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>無法寫入 %1：檔案超出此磁碟或帳戶容許的大小。請選擇其他資料夾</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>渲染 %1 失敗：請查看記錄檔中 MLT 的報告</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>匯出影片</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>影片.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>將字幕嵌入畫面</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>檔案：</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 影片 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>正在估計剩餘時間…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>尚餘約 %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>無法匯入 %1：%2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>片段不可重疊，且只可放在同類軌道上。</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>素材箱</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開啟…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>開啟最近的專案</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存為…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>匯入…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>重新連結媒體…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>匯出字幕…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>匯出影片…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>選取所有片段</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>時間軸(&amp;T)</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>加入時間軸</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>加入標題…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>後退一格</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>前進一格</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>跳到開頭</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>跳到結尾</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>語音(&amp;S)</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>語音轉文字…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>文字轉語音…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>文字轉語音（經典）…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>語音文字服務</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>介面語言</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>介面語言：%1。語音對話框會以此語言開啟。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>正在讀取 %n 個檔案…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是檔案。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>請先在素材箱中選擇已讀取的媒體。</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>加入標題</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>標題文字：</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未儲存的變更</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 有未儲存的變更。要儲存嗎？</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>開啟專案</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n 個片段離線：可用「檔案 ▸ 重新連結媒體…」尋找其檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>已開啟 %1。</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>儲存專案</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>無法儲存專案：%1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已儲存 %1。</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>沒有最近的專案</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>沒有離線媒體。</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>重新連結 %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>重新連結媒體</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 無法取代 %2：%3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>沒有可匯出的字幕片段。</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>匯出字幕</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>無法匯出字幕：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>已匯出 %n 條字幕至 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>還原未儲存的工作</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio 上次結束時有部分工作未儲存。要還原嗎？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>捨棄</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>從素材箱移除</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>此項目並非離線</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>檔案內是另一類媒體</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
（離線：檔案已遺失；可用「檔案 ▸ 重新連結媒體…」尋找）</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>佢比時間線上嘅片段所需嘅短</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>佢冇聲，但時間線上嘅片段要播聲</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>讀取中…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>使用「檔案&#xa0;▸&#xa0;匯入…」匯入音訊及影片，或將檔案拖放到這裡。</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>跳到開頭</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>後退一格</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>前進一格</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>跳到結尾</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>無法轉錄 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>無法朗讀 %1：%2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>語音轉文字</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>無法使用語音轉文字：未安裝語音辨識模型。</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>請先將音訊或影片片段放到時間軸上。</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>時間軸</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>無法開始語音轉文字。</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>正在轉錄時間軸…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>正在轉錄 %n 個片段…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>正在轉錄 %n 個檔案…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>文字轉語音</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>請先在時間軸上選取一個或多個標題或字幕片段。</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>無法開始文字轉語音。</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>正在朗讀 %n 個片段…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 已放入素材箱：其片段已不在時間軸上。</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 已放入素材箱。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>已將 %n 條字幕放到時間軸上。</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>加入旁白</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>已將 %1 放到時間軸上。</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>已增值，任務重新開始。</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>加入時間軸</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>加入標題</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>加入旁白</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>加入字幕</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>編輯文字</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>移動片段</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>移動片段</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>刪除片段</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>刪除片段</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>標題 %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>字幕 %1</translation>
    </message>
</context>
<context>
    <name>NxStudioTimelineView</name>
    <message>
        <source>Audio %1</source>
        <translation>音訊 %1</translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation>標題 %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>字幕 %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>影片 %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>從素材箱將媒體拖到這裡，或使用「時間軸 ▸ 加入時間軸」</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>離線</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>編輯字幕</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>字幕文字：</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>編輯標題</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>標題文字：</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>離線：檔案已遺失（檔案 ▸ 重新連結媒體…）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1，由 %2 開始，長 %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>時間軸</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>剩餘轉錄時間：%1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>剩餘字數：%1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>此任務需要 %1。</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>此任務需要 %1 字。</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>增值</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>增值時數：</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>增值字數（千字）：</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>購買</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>在資料夾中顯示</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>字數： </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>聲音： </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>音調： </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>語速： </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>文字有 %1 字，超過剩餘字數：請增值，然後再試。</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>這裡沒有「%1」這個聲音：請選擇其他聲音，然後再試。</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>文字有 %1 字，每個任務最多只可朗讀 %2 字：請分拆成較短的片段。</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>無法朗讀任何文字：請確認文字屬於該聲音的語言。</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>第 %1 句超過 %2 字：請將其分拆。</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>文字轉語音設定</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>聲音設定</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamPanel</name>
    <message>
        <source>Aida</source>
        <translation>艾達</translation>
    </message>
    <message>
        <source>Aijia</source>
        <translation>艾佳</translation>
    </message>
    <message>
        <source>Aixia</source>
        <translation>艾夏</translation>
    </message>
    <message>
        <source>Aimei</source>
        <translation>艾美</translation>
    </message>
    <message>
        <source>Aiqi</source>
        <translation>艾琪</translation>
    </message>
    <message>
        <source>Aijing</source>
        <translation>艾婧</translation>
    </message>
    <message>
        <source>Aishuo</source>
        <translation>艾碩</translation>
    </message>
    <message>
        <source>Aiyu</source>
        <translation>艾雨</translation>
    </message>
    <message>
        <source>Lydia</source>
        <translation>Lydia</translation>
    </message>
    <message>
        <source>Shanshan</source>
        <translation>姍姍</translation>
    </message>
    <message>
        <source>Aitong</source>
        <translation>艾彤</translation>
    </message>
    <message>
        <source>Xiaobei</source>
        <translation>小北</translation>
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
        <translation>低</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>高</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>快</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>提示：此聲音只會讀英文文字</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>提示：此聲音會讀中文及英文文字</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>聲音</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>音調：</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>語速：</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>試聽</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>無法播放試聽，請再試一次。</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>快</translation>
    </message>
    <message>
        <source>low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>high</source>
        <translation>高</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>此標題是甚麼語言？</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>聲音名稱： </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>參數設定：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>語速：</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>音調：</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>自動將旁白放到時間軸上</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>網絡錯誤，請檢查網絡設定或再試一次。</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>字數</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>處理中</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>掃描中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>上載中</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>下載中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>轉換中</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>每 100 字計 1 句</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>（不足 100 字按 100 字計算）</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>已完成 / 總字數</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>句數</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1不足以完成餘下的轉換。%2每 30 日更新一次。</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>無法記錄已用的時間或字數，因此沒有扣費：%1。請在數據資料夾中騰出一些空間，然後再試。</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>試聽</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男聲</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女聲</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>播放中</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>英文 (美國)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>英文 (英國)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>德文 (德國)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>西班牙文 (西班牙)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>法文 (法國)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>意大利文 (意大利)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>葡萄牙文 (巴西)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>日文 (日本)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>中文 (廣東話)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>中文 (普通話，台灣)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>俄文 (俄羅斯)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>荷蘭文 (荷蘭)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>阿拉伯文 (阿拉伯聯合酋長國)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>韓文 (韓國)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>波蘭文 (波蘭)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>羅馬尼亞文 (羅馬尼亞)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>印尼文 (印尼)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>瑞典文 (瑞典)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>刪除任務</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>轉換尚未完成。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>確定要刪除此任務嗎？</translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>如現在刪除任務，餘額仍可能被扣除。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>暫時不再詢問。</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>部分文字轉換失敗</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>未知錯誤</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>未知錯誤 </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>剩餘時數不足</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>轉碼失敗</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>每個任務最多只可轉錄一小時的音訊。</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>無法辨識檔案內容。</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>上載失敗</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>登入錯誤</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>轉錄失敗</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>網絡連線已中斷</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>剩餘字數不足</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>每個任務最多只可轉換 1500 字。</translation>
    </message>
</context>
</TS>
