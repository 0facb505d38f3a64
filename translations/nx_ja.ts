<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>「%1」が見つかりません。ファイルを元の場所に戻すかドライブを接続し直してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>「%1」を読み込めません。読み取り権限のあるファイルか確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>「%1」はこのコンピューターで読み込めるメディアファイルではありません (%2)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>「%1」には音声がありません。オーディオトラックのあるファイルを選択してください。</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>「%2」の %1 音声はここではデコードできません。WAV または MP3 に変換してください。</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>「%1」の音声をデコードできません (%2)。</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>このコンピューターにはサウンド出力がないため、試聴を再生できません。スピーカーかヘッドホンを接続するか、サウンド設定を確認してから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>残り時間:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>追加購入</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>残り文字数: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>文字数を追加購入</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>音声サーバーがタスクを拒否しました: %1。RemoteSpeech/TranscriptionModel を確認してください。</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>音声サーバーは発話を検出できませんでした。クリップに発話が含まれ、十分な音量があるか確認してください。</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>音声サーバーはこのサイズのアップロードを受け付けません。%2 秒の音声で %1 は大きすぎます (%3)。RemoteSpeech/MaxUploadBytes をその上限より小さく設定するか、RemoteSpeech/UploadFormat=opus でアップロードを小さくしてください。</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>音声サーバーに接続できませんでした (%1)。ネットワークと RemoteSpeech/ServerUrl を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>音声サーバーが環境変数 %1 の API キーを拒否しました (%2)。この環境変数にサーバーのキーを設定してから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>音声・テキストサービス一覧</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>音声・テキストサービスのタスクが進行中です。ウィンドウを閉じると、すべてのタスクが消去されます。</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>ウィンドウを閉じてもよろしいですか？</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>タスクはまだありません。音声・テキストサービスを試してみましょう！</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>音声テキスト変換</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>テキスト読み上げ</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>音声テキスト変換の残量</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>テキスト読み上げの残量</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>残り時間が不足しています。音声テキスト変換を引き続き使用するには、時間をチャージしてください。</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>利用できる文字数が不足しています。テキスト読み上げを引き続き使用するには、文字数をチャージしてください。</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>追加購入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>クリップ</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>シーケンス</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>%1 (%2) の音声モデルがインストールされていません。このコンピューターで文字起こしできるのは英語のみです。%1 には音声サーバーを設定してください (README を参照)。</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>タスクのメディアにはどれも音声がありません。オーディオトラックのあるクリップを選択してください。</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>音声の長さは %1 分ですが、1 つのタスクで扱えるのは最大 %2 分です。短く分割してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>「%1」の音声は 1 つのタスクで扱える長さ (%2 分) を超えています。短く分割してください。</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>音声の長さ (%1 秒) が残り時間を超えています。チャージしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>発話を検出できませんでした。クリップに発話が含まれ、十分な音量があるか確認してください。</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>音声テキスト変換の設定</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>文字起こしする音声の言語:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>文字起こしの対象: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>選択したクリップ</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>タイムラインのシーケンス全体</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>字幕をタイムラインに自動で配置する</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理待ち</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>スキャン中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>トランスコード中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>文字起こし中</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1が不足しているため、残りの文字起こしを続けられません。%2は 30 日ごとに更新されます。</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>%1と%2の間</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>このコンピューターで文字起こしできるのは英語のみです。%1 には音声サーバーを設定してください (README を参照)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>音声エンジン: このコンピューター</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>音声エンジン: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>タイムラインが空です。書き出す前にクリップを配置してください</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 は既に存在します。別の名前を選んでください</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 は通常のファイルではありません。別の名前を選んでください</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: 別のフォルダーを選んでください</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT に avformat コンシューマーがありません。MLT の FFmpeg モジュールをインストールしてください</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>%1 を書き込めません。ディスクがいっぱいです。空き容量を増やすか、別のフォルダーを選んでください</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>%1 を書き込めません。ファイルがこのディスクまたはアカウントで許可されるサイズを超えました。別のフォルダーを選んでください</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>%1 のレンダリングに失敗しました。MLT が報告した内容はログを確認してください</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>ビデオの書き出し</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>ビデオ.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>字幕を映像に焼き付ける</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 ビデオ (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>残り時間を計算しています…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>残り約 %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>クリップは重ねられず、同じ種類のトラックにのみ配置できます。</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>メディアビン</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近使用したプロジェクト</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>読み込み…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>メディアを再リンク…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>字幕を書き出し…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>ビデオを書き出し…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>すべてのクリップを選択</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>タイムライン(&amp;T)</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>タイムラインに追加</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>タイトルを追加…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ズームイン</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ズームアウト</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>1 フレーム戻る</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>1 フレーム進む</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>先頭へ移動</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>末尾へ移動</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>音声(&amp;S)</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>音声テキスト変換…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>テキスト読み上げ…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>テキスト読み上げ (クラシック)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>音声・テキストサービス</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>スキン</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>表示言語</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>表示言語: %1。音声ダイアログの言語の初期値にもなります。</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>%n 個のファイルを読み込んでいます…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 はファイルではありません。</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>先にビンで読み込みの済んだメディアを選択してください。</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>タイトルを追加</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>タイトルのテキスト:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存の変更</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 には保存されていない変更があります。保存しますか？</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>プロジェクトを開く</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n 個のクリップがオフラインです。ファイル ▸ メディアを再リンク… でファイルを探せます。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 を開きました。</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>プロジェクトを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 を保存しました。</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>最近使用したプロジェクトはありません</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>オフラインのメディアはありません。</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>%1 を再リンク</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>メディアを再リンク</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 は %2 の代わりに使用できません: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>書き出す字幕クリップがありません。</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>字幕を書き出し</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>字幕を書き出せませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n 件の字幕を %1 に書き出しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>未保存の作業を復元</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio は一部の作業を保存せずに終了しました。復元しますか？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>メディアビンから削除</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>この項目はオフラインではありません</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>このファイルは別の種類のメディアです</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(オフライン: ファイルが見つかりません。ファイル ▸ メディアを再リンク… で探せます)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>タイムライン上のクリップが必要とする長さより短いです</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>音声がありませんが、タイムライン上のクリップは音声を再生します</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>読み込み中…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>ファイル&#xa0;▸&#xa0;読み込み… でオーディオやビデオを読み込むか、ここにファイルをドロップしてください。</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>先頭へ移動</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>1 フレーム戻る</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>1 フレーム進む</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>末尾へ移動</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>%1 を文字起こしできませんでした: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>%1 を読み上げられませんでした: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>音声テキスト変換</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>音声テキスト変換を使用できません。音声認識モデルがインストールされていません。</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>先にオーディオまたはビデオのクリップをタイムラインに配置してください。</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>タイムライン</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>音声テキスト変換を開始できませんでした。</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>タイムラインを文字起こししています…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>%n 個のクリップを文字起こししています…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>%n 個のファイルを文字起こししています…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>テキスト読み上げ</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>先にタイムラインでタイトルまたは字幕のクリップを 1 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>テキスト読み上げを開始できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>%n 個のクリップを読み上げています…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 をメディアビンに追加しました。元のクリップがタイムライン上にありません。</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 をメディアビンに追加しました。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 を読み込めませんでした: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n 件の字幕をタイムラインに配置しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>ナレーションを追加</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 をタイムラインに配置しました。</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>チャージしました。タスクを再開します。</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>タイムラインに追加</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>タイトルを追加</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>ナレーションを追加</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>字幕を追加</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>クリップを移動</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>クリップを移動</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>クリップを削除</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>クリップを削除</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>タイトル %1</translation>
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
        <translation>オーディオ %1</translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation>タイトル %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>字幕 %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>ビデオ %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>ビンからここにメディアをドラッグするか、タイムライン ▸ タイムラインに追加 を使用してください</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>字幕を編集</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>字幕のテキスト:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>タイトルを編集</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>タイトルのテキスト:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>オフライン: ファイルが見つかりません (ファイル ▸ メディアを再リンク…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1、%2 から、長さ %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>タイムライン</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>文字起こしの残り時間: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>残り文字数: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>このタスクには %1 必要です。</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>このタスクには %1 文字必要です。</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>チャージ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>追加する時間数:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>追加する文字数 (千文字単位):</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>購入</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>フォルダーに表示</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>文字数: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>音声: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>音高: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>話速: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>テキストは %1 文字で、残り文字数を超えています。チャージしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>音声「%1」はここにはありません。別の音声を選択してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>テキストは %1 文字ですが、1 つのタスクで読み上げられるのは最大 %2 文字です。短いクリップに分割してください。</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>テキストを読み上げられませんでした。音声の言語で書かれたテキストか確認してください。</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>%1 番目の文が %2 文字を超えています。分割してください。</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>テキスト読み上げの設定</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>音声の設定</translation>
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
        <translation>低い</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>高い</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>ヒント: この音声は英語のテキストのみ読み上げます</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>ヒント: この音声は中国語と英語のテキストを読み上げます</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>音高:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>話速:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>試聴</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>試聴を再生できませんでした。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低い</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高い</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>low</source>
        <translation>低い</translation>
    </message>
    <message>
        <source>high</source>
        <translation>高い</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>このタイトルの言語:</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>音声: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>設定:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>話速:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>音高:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>ナレーションをタイムラインに自動で配置する</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>ネットワークエラーです。ネットワーク設定を確認するか、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>文字数</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理待ち</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>スキャン中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>変換中</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>100 文字ごとに 1 文</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(100 文字未満は 100 文字として計算されます)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>完了 / 合計文字数</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>利用可能な文数</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1が不足しているため、残りの変換を続けられません。%2は 30 日ごとに更新されます。</translation>
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
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>使用した時間または文字数を記録できないため、課金されませんでした: %1。データフォルダーの空き容量を増やしてから、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>試聴</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男性</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女性</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>再生中</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>英語 (米国)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>英語 (英国)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>ドイツ語 (ドイツ)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>スペイン語 (スペイン)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>フランス語 (フランス)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>イタリア語 (イタリア)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>ポルトガル語 (ブラジル)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>日本語 (日本)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>中国語 (広東語)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>中国語 (標準中国語、台湾)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>ロシア語 (ロシア)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>オランダ語 (オランダ)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>アラビア語 (アラブ首長国連邦)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>韓国語 (韓国)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>ポーランド語 (ポーランド)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>ルーマニア語 (ルーマニア)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>インドネシア語 (インドネシア)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>スウェーデン語 (スウェーデン)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>タスクの削除</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>変換はまだ完了していません。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>タスクを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>今削除しても、残高から差し引かれる場合があります。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>当面は確認しない</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>テキストの一部を読み上げられませんでした</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>不明なエラー </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>残り時間が不足しています</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>トランスコードに失敗しました</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>1 つのタスクで文字起こしできる音声は最大 1 時間です。</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>ファイルの内容を認識できません。</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>アップロードに失敗しました</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>ログインエラー</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>文字起こしに失敗しました</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>ネットワーク接続が切断されました</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>残り文字数が不足しています</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>1 つのタスクで読み上げられるのは 1,500 文字までです。</translation>
    </message>
</context>
</TS>
