<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>&apos;%1&apos; 파일을 찾을 수 없습니다. 파일을 원래 위치로 되돌리거나 드라이브를 다시 연결한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>&apos;%1&apos; 파일을 읽을 수 없습니다. 읽기 권한이 있는 파일인지 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>&apos;%1&apos; 파일은 이 컴퓨터에서 읽을 수 있는 미디어 파일이 아닙니다(%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>&apos;%1&apos; 파일에 소리가 없습니다. 오디오 트랙이 있는 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>&apos;%2&apos; 파일의 %1 오디오는 여기에서 디코딩할 수 없습니다. WAV 또는 MP3로 변환하세요.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>&apos;%1&apos; 파일의 오디오를 디코딩할 수 없습니다(%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>이 컴퓨터에 사운드 출력 장치가 없어 미리 듣기를 재생할 수 없습니다. 스피커나 헤드폰을 연결하거나 사운드 설정을 확인한 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>남은 시간:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>추가 구매</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>남은 글자 수: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>글자 수 추가 구매</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>음성 서버가 작업을 거부했습니다: %1. RemoteSpeech/TranscriptionModel 설정을 확인하세요.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>음성 서버가 말소리를 감지하지 못했습니다. 클립에 말소리가 있고 소리가 충분히 큰지 확인하세요.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>음성 서버가 이 크기의 업로드를 받지 않습니다. %2초 분량의 오디오에 대한 업로드 크기 %1은(는) 너무 큽니다(%3). RemoteSpeech/MaxUploadBytes를 서버 한도보다 작게 설정하거나 RemoteSpeech/UploadFormat=opus로 업로드 크기를 줄이세요.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>음성 서버에 연결할 수 없습니다(%1). 네트워크와 RemoteSpeech/ServerUrl 설정을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>음성 서버가 환경 변수 %1의 API 키를 거부했습니다(%2). 이 환경 변수에 서버 키를 설정한 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>음성·텍스트 서비스 목록</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>음성·텍스트 서비스 작업이 진행 중입니다. 창을 닫으면 모든 작업이 삭제됩니다.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>창을 닫으시겠습니까?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>아직 작업이 없습니다. 음성·텍스트 서비스를 사용해 보세요!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>음성 텍스트 변환</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>텍스트 음성 변환</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>음성 텍스트 변환 잔여량</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>텍스트 음성 변환 잔여량</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>남은 시간이 부족합니다. 음성 텍스트 변환을 계속 사용하려면 시간을 충전하세요.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>사용 가능한 글자 수가 부족합니다. 텍스트 음성 변환을 계속 사용하려면 글자 수를 충전하세요.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>추가 구매</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>미디어</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>클립</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>시퀀스</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>%1(%2)용 음성 모델이 설치되어 있지 않습니다. 이 컴퓨터는 영어만 텍스트로 변환할 수 있습니다. %1에는 음성 서버를 설정하세요(README 참조).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>작업의 미디어에 소리가 없습니다. 오디오 트랙이 있는 클립을 선택하세요.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>오디오 길이가 %1분이지만 한 작업은 최대 %2분까지 처리할 수 있습니다. 더 짧게 나누세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>&apos;%1&apos; 파일의 오디오가 한 작업에서 처리할 수 있는 길이(%2분)보다 깁니다. 더 짧게 나누세요.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>오디오 길이(%1초)가 남은 시간보다 깁니다. 충전한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>말소리를 감지하지 못했습니다. 클립에 말소리가 있고 소리가 충분히 큰지 확인하세요.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>음성 텍스트 변환 설정</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>변환할 오디오의 언어:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>변환 대상: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>선택한 클립</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>타임라인 시퀀스 전체</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>자막을 타임라인에 자동으로 배치</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>관리</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>처리 대기</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>스캔 중</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>트랜스코딩 중</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>텍스트 변환 중</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>남은 시간</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1이 부족하여 남은 텍스트 변환을 계속할 수 없습니다. %2은 30일마다 갱신됩니다.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>%1과(와) %2 사이</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>이 컴퓨터는 영어만 텍스트로 변환할 수 있습니다. %1에는 음성 서버를 설정하세요(README 참조)</translation>
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
        <translation>타임라인이 비어 있습니다. 내보내기 전에 클립을 배치하세요</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 파일이 이미 있습니다. 다른 이름을 선택하세요</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 항목은 일반 파일이 아닙니다. 다른 이름을 선택하세요</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: 다른 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT에 avformat 컨슈머가 없습니다. MLT FFmpeg 모듈을 설치하세요</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>%1 파일을 쓸 수 없습니다. 디스크가 가득 찼습니다. 공간을 확보하거나 다른 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>%1 파일을 쓸 수 없습니다. 파일이 이 디스크나 계정에서 허용하는 크기를 초과했습니다. 다른 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 파일을 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>%1 렌더링에 실패했습니다. MLT가 보고한 내용은 로그를 확인하세요</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>비디오 내보내기</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>비디오.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>찾아보기…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>자막을 영상에 입히기</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>파일:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4 비디오 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>남은 시간 계산 중…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>약 %1 남음</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1을(를) 가져올 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>클립은 겹칠 수 없으며 같은 종류의 트랙에만 놓을 수 있습니다.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>미디어 빈</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>열기…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>최근 프로젝트</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>다른 이름으로 저장…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>가져오기…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>미디어 다시 연결…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>자막 내보내기…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>비디오 내보내기…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>모든 클립 선택</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>타임라인(&amp;T)</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>타임라인에 추가</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>타이틀 추가…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>재생(&amp;P)</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>한 프레임 뒤로</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>한 프레임 앞으로</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>처음으로 이동</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>끝으로 이동</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>음성(&amp;S)</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>음성 텍스트 변환…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>텍스트 음성 변환…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>텍스트 음성 변환(클래식)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>음성·텍스트 서비스</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>스킨</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>표시 언어</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>표시 언어: %1. 음성 대화 상자의 언어도 처음에 이 언어로 설정됩니다.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>파일 %n개를 읽는 중…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1은(는) 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>먼저 빈에서 읽기가 끝난 미디어를 선택하세요.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>타이틀 추가</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>타이틀 텍스트:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>저장되지 않은 변경 사항</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1에 저장되지 않은 변경 사항이 있습니다. 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>프로젝트 열기</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>클립 %n개가 오프라인입니다. 파일 ▸ 미디어 다시 연결…에서 파일을 찾을 수 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1을(를) 열었습니다.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>프로젝트 저장</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>프로젝트를 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1을(를) 저장했습니다.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>최근 프로젝트 없음</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>오프라인 미디어가 없습니다.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>%1 다시 연결</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>미디어 다시 연결</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1은(는) %2을(를) 대체할 수 없습니다: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>내보낼 자막 클립이 없습니다.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>자막 내보내기</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>자막을 내보낼 수 없습니다: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>자막 %n개를 %1에 내보냈습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>저장되지 않은 작업 복원</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio가 일부 작업을 저장하지 않고 종료되었습니다. 복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>버리기</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>미디어 빈에서 제거</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>이 항목은 오프라인이 아닙니다</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>이 파일은 다른 종류의 미디어입니다</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(오프라인: 파일이 없습니다. 파일 ▸ 미디어 다시 연결…에서 찾을 수 있습니다)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>타임라인의 클립에 필요한 길이보다 짧습니다</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>소리가 없지만 타임라인의 클립은 소리를 재생합니다</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>읽는 중…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>파일&#xa0;▸&#xa0;가져오기…로 오디오와 비디오를 가져오거나 여기에 파일을 놓으세요.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>처음으로 이동</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>한 프레임 뒤로</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>한 프레임 앞으로</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>끝으로 이동</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>%1을(를) 텍스트로 변환할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>%1을(를) 음성으로 변환할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>음성 텍스트 변환</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>음성 텍스트 변환을 사용할 수 없습니다. 음성 인식 모델이 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>먼저 오디오 또는 비디오 클립을 타임라인에 배치하세요.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>타임라인</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>음성 텍스트 변환을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>타임라인을 텍스트로 변환하는 중…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>클립 %n개를 텍스트로 변환하는 중…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>파일 %n개를 텍스트로 변환하는 중…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>텍스트 음성 변환</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>먼저 타임라인에서 타이틀 또는 자막 클립을 하나 이상 선택하세요.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>텍스트 음성 변환을 시작할 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>클립 %n개를 음성으로 변환하는 중…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1을(를) 미디어 빈에 추가했습니다. 원래 클립이 더 이상 타임라인에 없습니다.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1을(를) 미디어 빈에 추가했습니다.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>자막 %n개를 타임라인에 배치했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>내레이션 추가</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1을(를) 타임라인에 배치했습니다.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>충전했습니다. 작업을 다시 시작합니다.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>타임라인에 추가</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>타이틀 추가</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>내레이션 추가</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>자막 추가</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>텍스트 편집</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>클립 이동</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>클립 이동</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>클립 삭제</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>클립 삭제</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>타이틀 %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>자막 %1</translation>
    </message>
</context>
<context>
    <name>NxStudioTimelineView</name>
    <message>
        <source>Audio %1</source>
        <translation>오디오 %1</translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation>타이틀 %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>자막 %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>비디오 %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>빈에서 미디어를 여기로 끌어 오거나 타임라인 ▸ 타임라인에 추가를 사용하세요</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>오프라인</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>자막 편집</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>자막 텍스트:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>타이틀 편집</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>타이틀 텍스트:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>오프라인: 파일이 없습니다(파일 ▸ 미디어 다시 연결…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, %2부터, 길이 %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>타임라인</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>텍스트 변환 남은 시간: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>남은 글자 수: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>이 작업에 필요한 시간: %1</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>이 작업에 필요한 글자 수: %1자</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>충전</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>추가할 시간:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>추가할 글자 수(천 자 단위):</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>구매</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>폴더에서 보기</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>글자 수: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>음성: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>피치: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>속도: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>텍스트가 %1자로 남은 글자 수보다 많습니다. 충전한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>여기에는 &apos;%1&apos; 음성이 없습니다. 다른 음성을 선택한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>텍스트가 %1자이지만 한 작업은 최대 %2자까지 읽을 수 있습니다. 더 짧은 클립으로 나누세요.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>텍스트를 읽을 수 없습니다. 음성의 언어로 된 텍스트인지 확인하세요.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>%1번째 문장이 %2자를 넘습니다. 문장을 나누세요.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>텍스트 음성 변환 설정</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>음성 설정</translation>
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
        <translation>낮음</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>느림</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>빠름</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>팁: 이 음성은 영어 텍스트만 읽습니다</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>팁: 이 음성은 중국어와 영어 텍스트를 읽습니다</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>음성</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>피치:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>미리 듣기</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>미리 듣기를 재생할 수 없습니다. 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>느림</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>빠름</translation>
    </message>
    <message>
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>느림</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>빠름</translation>
    </message>
    <message>
        <source>low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>high</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>이 타이틀의 언어:</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>음성: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>설정:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>피치:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>내레이션을 타임라인에 자동으로 배치</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>네트워크 오류입니다. 네트워크 설정을 확인하거나 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>글자 수</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>관리</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>처리 대기</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>스캔 중</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>업로드 중</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>음성 변환 중</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>100자당 1문장</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(100자 미만은 100자로 계산됩니다)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>완료 / 전체 글자 수</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>사용 가능한 문장 수</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1가 부족하여 남은 음성 변환을 계속할 수 없습니다. %2는 30일마다 갱신됩니다.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>사용한 시간이나 글자 수를 기록할 수 없어 요금이 부과되지 않았습니다: %1. 데이터 폴더의 공간을 확보한 후 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>미리 듣기</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>남성</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>여성</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>재생 중</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>영어(미국)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>영어(영국)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>독일어(독일)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>스페인어(스페인)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>프랑스어(프랑스)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>이탈리아어(이탈리아)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>포르투갈어(브라질)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>일본어(일본)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>중국어(광둥어)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>중국어(표준 중국어, 대만)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>러시아어(러시아)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>네덜란드어(네덜란드)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>아랍어(아랍에미리트)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>한국어(대한민국)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>폴란드어(폴란드)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>루마니아어(루마니아)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>인도네시아어(인도네시아)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>스웨덴어(스웨덴)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>작업 삭제</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>변환이 아직 완료되지 않았습니다. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>작업을 삭제하시겠습니까? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>지금 삭제해도 잔액이 차감될 수 있습니다.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>당분간 묻지 않기</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>텍스트 일부를 음성으로 변환하지 못했습니다</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>알 수 없는 오류 </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>남은 시간이 부족합니다</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>트랜스코딩에 실패했습니다</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>한 작업에서 변환할 수 있는 오디오는 최대 1시간입니다.</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>파일 내용을 인식할 수 없습니다.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>업로드에 실패했습니다</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>로그인 오류</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>텍스트 변환에 실패했습니다</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>네트워크 연결이 끊어졌습니다</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>남은 글자 수가 부족합니다</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>한 작업에서 음성으로 변환할 수 있는 글자 수는 최대 1,500자입니다.</translation>
    </message>
</context>
</TS>
