<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>سؤال</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>«%1» غير موجود: أعِده إلى مكانه أو أعِد توصيل محرّك الأقراص الذي يحمله، ثم أعِد المحاولة.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>تتعذّر قراءة «%1»: تحقّق من أنه ملف يُسمح لك بقراءته، ثم أعِد المحاولة.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>«%1» ليس ملف وسائط يستطيع هذا الحاسوب قراءته (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>لا يحتوي «%1» على صوت: اختر ملفًا فيه مسار صوتي.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>يتعذّر فك ترميز صوت %1 في «%2» على هذا الحاسوب: حوّله إلى WAV أو MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>يتعذّر فك ترميز صوت «%1» (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>لا يتوفر في هذا الحاسوب مخرج صوت، لذا لا يمكن تشغيل المعاينة: وصّل مكبّرات صوت أو سماعات رأس، أو تحقّق من إعدادات الصوت، ثم أعِد المحاولة.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>الوقت المتبقي:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>شراء المزيد</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>الأحرف المتاحة المتبقية: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>شراء المزيد من الأحرف</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>رفض خادم الكلام المهمة: %1. تحقّق من RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>لم يسمع خادم الكلام أي كلام: تحقّق من أن المقطع يحتوي على كلام وأن صوته مرتفع بما يكفي.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>لا يقبل خادم الكلام رفع ملف بهذا الحجم: %1 مقابل %2 ثانية من الصوت أكبر مما يقبله (%3). اضبط RemoteSpeech/MaxUploadBytes على قيمة أقل منه، أو صغّر حجم الرفع باستخدام RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>تعذّر الوصول إلى خادم الكلام (%1): تحقّق من الشبكة ومن RemoteSpeech/ServerUrl، ثم أعِد المحاولة.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>رفض خادم الكلام مفتاح API المأخوذ من متغير البيئة %1 (%2): عيّن مفتاح الخادم فيه، ثم أعِد المحاولة.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>قائمة خدمات الصوت والنص</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>توجد مهام قيد التنفيذ في خدمات الصوت والنص، وإغلاق النافذة سيمسح جميع المهام.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>هل تريد بالتأكيد إغلاق النافذة؟</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>لا توجد مهام بعد. ابدأ أول مهمة الآن!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>تحويل الكلام إلى نص</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>تحويل النص إلى كلام</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>رصيد تحويل الكلام إلى نص</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>رصيد تحويل النص إلى كلام</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>الوقت المتبقي غير كافٍ. يُرجى شحن رصيدك بساعات إضافية لمتابعة استخدام تحويل الكلام إلى نص.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>عدد الأحرف المتاحة غير كافٍ. يُرجى شحن رصيدك بأحرف إضافية لمتابعة استخدام تحويل النص إلى كلام.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>شراء المزيد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>وسائط</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>مقطع</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>تسلسل</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>لا يوجد نموذج كلام مثبّت للغة %1 (%2): هذا الحاسوب يفرّغ الإنجليزية فقط؛ عيّن خادم كلام للغة %1 (راجع README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>لا تحتوي أي من وسائط المهمة على صوت: اختر مقاطع فيها مسار صوتي.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>مدة الصوت %1 دقيقة، والمهمة الواحدة تستوعب %2 دقيقة على الأكثر: قسّمه إلى أجزاء أقصر.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>يحتوي «%1» على صوت أطول مما تستوعبه المهمة الواحدة (%2 دقيقة): قسّمه إلى أجزاء أقصر.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>مدة الصوت %1 ثانية، وهي أطول من الوقت المتبقي: اشحن رصيدك، ثم أعِد المحاولة.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>لم يُسمع أي كلام: تحقّق من أن المقطع يحتوي على كلام وأن صوته مرتفع بما يكفي.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>إعدادات تحويل الكلام إلى نص</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>لغة الصوت المراد تفريغه:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>المراد تفريغه:</translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>المقاطع المحددة</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>المخطط الزمني بالكامل</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>وضع الترجمات على المخطط الزمني تلقائيًا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>قيد المعالجة</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>جارٍ الفحص</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>مكتمل</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>جارٍ تحويل الترميز</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>جارٍ الرفع</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>جارٍ التفريغ</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>الوقت المتبقي</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 غير كافٍ لإكمال التفريغ. يتجدد %2 كل 30 يومًا.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>بين %1 و%2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>هذا الحاسوب يفرّغ الإنجليزية فقط؛ عيّن خادم كلام للغة %1 (راجع README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>محرك الكلام: هذا الحاسوب</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>محرك الكلام: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>المخطط الزمني فارغ: ضع مقطعًا عليه قبل التصدير</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 موجود بالفعل: اختر اسمًا آخر</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 ليس ملفًا عاديًا: اختر اسمًا آخر</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: اختر مجلدًا آخر</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>لا يتوفر في MLT المستهلك avformat: ثبّت وحدة FFmpeg الخاصة بـ MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>تعذّرت كتابة %1: القرص ممتلئ. حرّر بعض المساحة أو اختر مجلدًا آخر</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>تعذّرت كتابة %1: تجاوز حجم الملف ما يسمح به هذا القرص أو الحساب. اختر مجلدًا آخر</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>فشل تصيير %1: راجع السجل لمعرفة ما أبلغ عنه MLT</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>تصدير الفيديو</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>فيديو.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>استعراض…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>دمج الترجمات في الصورة</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>الملف:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>فيديو MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>جارٍ تقدير الوقت المتبقي…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>يتبقى %1 تقريبًا</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>تعذّر استيراد %1: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>لا يمكن أن تتداخل المقاطع، ويبقى كل مقطع على مسار من نوعه.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>حاوية الوسائط</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>فتح…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>فتح مشروع حديث</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>حفظ باسم…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>استيراد…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>إعادة ربط الوسائط…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>تصدير الترجمات…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>تصدير الفيديو…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تحرير(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>تحديد كل المقاطع</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>المخطط الزمني(&amp;T)</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>إضافة إلى المخطط الزمني</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>إضافة عنوان…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>التشغيل(&amp;P)</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>الرجوع إطارًا واحدًا</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>التقدم إطارًا واحدًا</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>الانتقال إلى البداية</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>الانتقال إلى النهاية</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>الكلام(&amp;S)</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>تحويل الكلام إلى نص…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>تحويل النص إلى كلام…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>تحويل النص إلى كلام (كلاسيكي)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>خدمات الصوت والنص</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عرض(&amp;V)</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>لغة الواجهة</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>لغة الواجهة: %1. تُفتح مربعات حوار الكلام بهذه اللغة.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>جارٍ قراءة %n ملف…</numerusform>
            <numerusform>جارٍ قراءة %n ملف…</numerusform>
            <numerusform>جارٍ قراءة %n ملف…</numerusform>
            <numerusform>جارٍ قراءة %n ملفات…</numerusform>
            <numerusform>جارٍ قراءة %n ملفًا…</numerusform>
            <numerusform>جارٍ قراءة %n ملف…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ليس ملفًا.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>اختر أولًا وسائط تمت قراءتها في الحاوية.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>إضافة عنوان</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>نص العنوان:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>تغييرات غير محفوظة</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>يحتوي %1 على تغييرات غير محفوظة. هل تريد حفظها؟</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>فتح مشروع</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n مقطع غير متصل: ملف ▸ إعادة ربط الوسائط… يعثر على ملفاته.</numerusform>
            <numerusform>%n مقطع غير متصل: ملف ▸ إعادة ربط الوسائط… يعثر على ملفه.</numerusform>
            <numerusform>%n مقطع غير متصل: ملف ▸ إعادة ربط الوسائط… يعثر على ملفاتهما.</numerusform>
            <numerusform>%n مقاطع غير متصلة: ملف ▸ إعادة ربط الوسائط… يعثر على ملفاتها.</numerusform>
            <numerusform>%n مقطعًا غير متصل: ملف ▸ إعادة ربط الوسائط… يعثر على ملفاتها.</numerusform>
            <numerusform>%n مقطع غير متصل: ملف ▸ إعادة ربط الوسائط… يعثر على ملفاتها.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>تم فتح %1.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>حفظ المشروع</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>تعذّر حفظ المشروع: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>تم حفظ %1.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>لا توجد مشاريع حديثة</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>لا توجد وسائط غير متصلة.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>إعادة ربط %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>إعادة ربط الوسائط</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>لا يمكن أن يحل %1 محل %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>لا توجد مقاطع ترجمة لتصديرها.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>تصدير الترجمات</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>تعذّر تصدير الترجمات: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>تم تصدير %n ترجمة إلى %1.</numerusform>
            <numerusform>تم تصدير %n ترجمة إلى %1.</numerusform>
            <numerusform>تم تصدير %n ترجمة إلى %1.</numerusform>
            <numerusform>تم تصدير %n ترجمات إلى %1.</numerusform>
            <numerusform>تم تصدير %n ترجمةً إلى %1.</numerusform>
            <numerusform>تم تصدير %n ترجمة إلى %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>استعادة العمل غير المحفوظ</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>أُغلق nx-studio دون حفظ بعض العمل. هل تريد استعادته؟</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>إزالة من حاوية الوسائط</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>العنصر متصل بالفعل</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>يحتوي الملف على نوع آخر من الوسائط</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(غير متصل: الملف مفقود؛ ملف ▸ إعادة ربط الوسائط… يعثر عليه)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>إنه أقصر مما تحتاجه مقاطعه على المخطط الزمني</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>لا صوت فيه، ومقاطعه على المخطط الزمني تشغّل الصوت</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>جارٍ القراءة…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>استورد الصوت والفيديو عبر ملف&#xa0;▸&#xa0;استيراد… أو أفلت الملفات هنا.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>الانتقال إلى البداية</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>الرجوع إطارًا واحدًا</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>التقدم إطارًا واحدًا</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>الانتقال إلى النهاية</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>تعذّر تفريغ %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>تعذّر نطق %1: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>تحويل الكلام إلى نص</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>تحويل الكلام إلى نص غير متاح: نموذج التعرّف على الكلام غير مثبّت.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>ضع أولًا مقطع صوت أو فيديو على المخطط الزمني.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>المخطط الزمني</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>تعذّر بدء تحويل الكلام إلى نص.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>جارٍ تفريغ المخطط الزمني…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>جارٍ تفريغ %n مقطع…</numerusform>
            <numerusform>جارٍ تفريغ %n مقطع…</numerusform>
            <numerusform>جارٍ تفريغ %n مقطع…</numerusform>
            <numerusform>جارٍ تفريغ %n مقاطع…</numerusform>
            <numerusform>جارٍ تفريغ %n مقطعًا…</numerusform>
            <numerusform>جارٍ تفريغ %n مقطع…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>جارٍ تفريغ %n ملف…</numerusform>
            <numerusform>جارٍ تفريغ %n ملف…</numerusform>
            <numerusform>جارٍ تفريغ %n ملف…</numerusform>
            <numerusform>جارٍ تفريغ %n ملفات…</numerusform>
            <numerusform>جارٍ تفريغ %n ملفًا…</numerusform>
            <numerusform>جارٍ تفريغ %n ملف…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>تحويل النص إلى كلام</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>حدّد أولًا مقطع عنوان أو ترجمة واحدًا أو أكثر على المخطط الزمني.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>تعذّر بدء تحويل النص إلى كلام.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>جارٍ نطق %n مقطع…</numerusform>
            <numerusform>جارٍ نطق %n مقطع…</numerusform>
            <numerusform>جارٍ نطق %n مقطع…</numerusform>
            <numerusform>جارٍ نطق %n مقاطع…</numerusform>
            <numerusform>جارٍ نطق %n مقطعًا…</numerusform>
            <numerusform>جارٍ نطق %n مقطع…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>نُقل %1 إلى حاوية الوسائط: لم يعد مقطعه على المخطط الزمني.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>نُقل %1 إلى حاوية الوسائط.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>تم وضع %n ترجمة على المخطط الزمني.</numerusform>
            <numerusform>تم وضع %n ترجمة على المخطط الزمني.</numerusform>
            <numerusform>تم وضع %n ترجمة على المخطط الزمني.</numerusform>
            <numerusform>تم وضع %n ترجمات على المخطط الزمني.</numerusform>
            <numerusform>تم وضع %n ترجمةً على المخطط الزمني.</numerusform>
            <numerusform>تم وضع %n ترجمة على المخطط الزمني.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>إضافة تعليق صوتي</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>تم وضع %1 على المخطط الزمني.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>تم شحن الرصيد؛ تبدأ المهمة من جديد.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>إضافة إلى المخطط الزمني</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>إضافة عنوان</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>إضافة تعليق صوتي</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>إضافة ترجمات</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>تحرير النص</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>نقل المقطع</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>نقل المقاطع</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>حذف المقطع</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>حذف المقاطع</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>عنوان %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>ترجمة %1</translation>
    </message>
</context>
<context>
    <name>NxStudioTimelineView</name>
    <message>
        <source>Audio %1</source>
        <translation>صوت %1</translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation>عناوين %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>ترجمات %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>فيديو %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>اسحب الوسائط إلى هنا من الحاوية، أو استخدم المخطط الزمني ▸ إضافة إلى المخطط الزمني</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>غير متصل</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>تحرير الترجمة</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>نص الترجمة:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>تحرير العنوان</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>نص العنوان:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>غير متصل: ملفه مفقود (ملف ▸ إعادة ربط الوسائط…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1، من %2، بطول %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>المخطط الزمني</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>وقت التفريغ المتبقي: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>الأحرف المتبقية: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>تحتاج المهمة إلى %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>تحتاج المهمة إلى %1 حرف.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>شحن الرصيد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>الساعات المراد إضافتها:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>آلاف الأحرف المراد إضافتها:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>شراء</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>إظهار في المجلد</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>الأحرف: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>الصوت: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>الطبقة: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>السرعة: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>يحتوي النص على %1 حرف، وهو أكثر من الرصيد المتبقي: اشحن رصيدك، ثم أعِد المحاولة.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>لا يوجد هنا صوت باسم «%1»: اختر صوتًا آخر، ثم أعِد المحاولة.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>يحتوي النص على %1 حرف، والمهمة الواحدة تنطق %2 حرف على الأكثر: قسّمه إلى مقاطع أقصر.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>تعذّر نطق أي جزء من النص: تحقّق من أنه بلغة الصوت.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>تحتوي الجملة %1 على أكثر من %2 حرف: قسّمها.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>إعدادات تحويل النص إلى كلام</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>إعدادات الصوت</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamPanel</name>
    <message>
        <source>Aida</source>
        <translation>آيدا</translation>
    </message>
    <message>
        <source>Aijia</source>
        <translation>آيجيا</translation>
    </message>
    <message>
        <source>Aixia</source>
        <translation>آيشيا</translation>
    </message>
    <message>
        <source>Aimei</source>
        <translation>آيمي</translation>
    </message>
    <message>
        <source>Aiqi</source>
        <translation>آيتشي</translation>
    </message>
    <message>
        <source>Aijing</source>
        <translation>آيجينغ</translation>
    </message>
    <message>
        <source>Aishuo</source>
        <translation>آيشو</translation>
    </message>
    <message>
        <source>Aiyu</source>
        <translation>آييو</translation>
    </message>
    <message>
        <source>Lydia</source>
        <translation>ليديا</translation>
    </message>
    <message>
        <source>Shanshan</source>
        <translation>شانشان</translation>
    </message>
    <message>
        <source>Aitong</source>
        <translation>آيتونغ</translation>
    </message>
    <message>
        <source>Xiaobei</source>
        <translation>شياوبي</translation>
    </message>
    <message>
        <source>Andy</source>
        <translation>آندي</translation>
    </message>
    <message>
        <source>Abby</source>
        <translation>آبي</translation>
    </message>
    <message>
        <source>Luca</source>
        <translation>لوكا</translation>
    </message>
    <message>
        <source>Emily</source>
        <translation>إيميلي</translation>
    </message>
    <message>
        <source>lowTone</source>
        <translation>عميقة</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>عادية</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>حادة</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>بطيئة</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>عادية</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>سريعة</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>تلميح: هذا الصوت ينطق النص الإنجليزي فقط</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>تلميح: هذا الصوت ينطق النص الصيني والإنجليزي</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>أصوات</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>طبقة:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>سرعة:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>تعذّر تشغيل المعاينة. يُرجى المحاولة مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>بطيئة</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>عميقة</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادية</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>سريعة</translation>
    </message>
    <message>
        <source>High</source>
        <translation>حادة</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>بطيئة</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>عادية</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>سريعة</translation>
    </message>
    <message>
        <source>low</source>
        <translation>عميقة</translation>
    </message>
    <message>
        <source>high</source>
        <translation>حادة</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>ما لغة هذا العنوان؟</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>اسم الصوت: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>الإعدادات:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>الطبقة:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>وضع التعليقات الصوتية على المخطط الزمني تلقائيًا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>خطأ في الشبكة. يُرجى التحقق من إعدادات الشبكة أو المحاولة مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>الأحرف</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>قيد المعالجة</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>جارٍ الفحص</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>جارٍ الرفع</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>جارٍ التنزيل</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>مكتمل</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>جارٍ التحويل</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>جملة واحدة لكل 100 كلمة</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(ما يقل عن 100 كلمة يُحتسب 100 كلمة)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>المكتمل / إجمالي الأحرف</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>عدد الجمل</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 غير كافٍ لإكمال التحويل. يتجدد %2 كل 30 يومًا.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>يتعذّر تسجيل الوقت أو الأحرف المستخدمة، لذا لم يُخصم شيء: %1. حرّر بعض المساحة في مجلد البيانات، ثم أعِد المحاولة.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>استماع</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ذكر</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>أنثى</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>يتحدث</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>الإنجليزية (الولايات المتحدة)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>الإنجليزية (المملكة المتحدة)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>الألمانية (ألمانيا)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>الإسبانية (إسبانيا)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>الفرنسية (فرنسا)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>الإيطالية (إيطاليا)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>البرتغالية (البرازيل)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>اليابانية (اليابان)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>الصينية (الكانتونية)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>الصينية (الماندرين، تايوان)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>الروسية (روسيا)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>الهولندية (هولندا)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>العربية (الإمارات العربية المتحدة)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>الكورية (كوريا)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>البولندية (بولندا)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>الرومانية (رومانيا)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>الإندونيسية (إندونيسيا)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>السويدية (السويد)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>حذف المهمة</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>لم يكتمل التحويل بعد. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>هل تريد بالتأكيد حذف المهمة؟ </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>إذا حذفت المهمة الآن، فقد يُخصم الرصيد مع ذلك.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>عدم السؤال مجددًا الآن.</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>فشل تحويل جزء من النص</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>خطأ غير معروف </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>لا تتوفر ساعات كافية</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>فشل تحويل الترميز</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>لا تتجاوز المهمة ساعة صوت واحدة.</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>محتوى الملف غير معروف.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>فشل الرفع</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>خطأ في تسجيل الدخول</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>فشل التفريغ</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>انقطع الاتصال بالشبكة</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>لا تتوفر أحرف كافية</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>لا تتجاوز المهمة 1500 حرف.</translation>
    </message>
</context>
</TS>
