<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>«%1» не найден: верните файл на место или подключите его диск, затем повторите попытку.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>Не удаётся прочитать «%1»: проверьте, что у вас есть права на чтение этого файла, затем повторите попытку.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>Этот компьютер не может прочитать «%1» как медиафайл (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>В «%1» нет звука: выберите файл со звуковой дорожкой.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>Звук в формате %1 из «%2» не удаётся декодировать на этом компьютере: преобразуйте его в WAV или MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Не удаётся декодировать звук «%1» (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>На этом компьютере нет устройства вывода звука, поэтому пример не воспроизводится: подключите колонки или наушники либо проверьте настройки звука, затем повторите попытку.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Осталось времени:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Купить ещё</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Осталось символов: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Купить ещё символы</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>Речевой сервер отклонил задачу: %1. Проверьте параметр RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>Речевой сервер не услышал речи: проверьте, что в клипе есть речь и она достаточно громкая.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>Речевой сервер не принимает такие большие файлы: %1 для %2 с аудио — для него это слишком много (%3). Укажите меньшее значение RemoteSpeech/MaxUploadBytes или уменьшите отправляемые файлы с помощью RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Не удалось связаться с речевым сервером (%1): проверьте сеть и параметр RemoteSpeech/ServerUrl, затем повторите попытку.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>Речевой сервер отклонил API-ключ из переменной окружения %1 (%2): укажите в ней ключ сервера, затем повторите попытку.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Речевые сервисы</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Речевые сервисы ещё выполняют задачи. При закрытии окна все задачи будут удалены.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Вы действительно хотите закрыть окно?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Задач пока нет. Попробуйте речевые сервисы!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Речь в текст</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Текст в речь</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Лимит распознавания речи</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Лимит синтеза речи</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Недостаточно оставшегося времени. Пополните баланс часов, чтобы продолжить преобразование речи в текст.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Недостаточно доступных символов. Пополните баланс символов, чтобы продолжить преобразование текста в речь.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Купить ещё</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>Материал</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Клип</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Эпизод</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Для языка %1 (%2) не установлена речевая модель: этот компьютер распознаёт только английскую речь; для языка %1 укажите речевой сервер (см. README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Ни в одном медиафайле задачи нет звука: выберите клипы со звуковой дорожкой.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>Длительность звука — %1 мин, а одна задача вмещает не более %2 мин: разделите его на части покороче.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>В «%1» больше звука, чем вмещает одна задача (%2 мин): разделите его на части покороче.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>Длительность звука — %1 с, это больше оставшегося времени: пополните баланс, затем повторите попытку.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Речь не обнаружена: проверьте, что в клипе есть речь и она достаточно громкая.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Параметры распознавания речи</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Язык распознаваемой речи:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Распознать: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Выбранные клипы</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Весь таймлайн</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Автоматически размещать субтитры на таймлайне</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Перекодирование</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Распознавание</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>Остаток времени</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 недостаточен для завершения распознавания. %2 обновляется каждые 30 дней.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>между «%1» и «%2»</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Этот компьютер распознаёт только английскую речь; для языка %1 укажите речевой сервер (см. README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Речевой движок: этот компьютер</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Речевой движок: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>Таймлайн пуст: перед экспортом поместите на него клип</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 уже существует: выберите другое имя</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 — не обычный файл: выберите другое имя</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: выберите другую папку</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>В MLT нет потребителя avformat: установите модуль FFmpeg для MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Не удалось записать %1: диск заполнен. Освободите место или выберите другую папку</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Не удалось записать %1: файл превысил размер, допустимый для этого диска или учётной записи. Выберите другую папку</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Не удалось отрендерить %1: сообщения MLT см. в журнале</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Экспорт видео</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Видео.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Вшить субтитры в изображение</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Видео MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Оценка оставшегося времени…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Осталось около %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Не удалось импортировать %1: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Клипы не могут перекрываться и остаются на дорожках своего типа.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Медиатека</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Открыть недавние</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Импорт…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Повторно связать медиафайлы…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Экспорт субтитров…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Экспорт видео…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Выделить все клипы</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Таймлайн</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Добавить на таймлайн</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Добавить титр…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Воспроизведение</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>На кадр назад</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>На кадр вперёд</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>В начало</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>В конец</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Речь</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Речь в текст…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Текст в речь…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Текст в речь (классическое окно)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Речевые сервисы</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Ви&amp;д</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Оформление</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмное</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлое</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Язык интерфейса: %1. Речевые диалоги открываются с этим языком.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Чтение %n файла…</numerusform>
            <numerusform>Чтение %n файлов…</numerusform>
            <numerusform>Чтение %n файлов…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 не является файлом.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Сначала выберите в медиатеке уже прочитанный медиафайл.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Добавить титр</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Текст титра:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без названия</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>В проекте %1 есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Открыть проект</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n клип недоступен: найти его файл можно через Файл ▸ Повторно связать медиафайлы…</numerusform>
            <numerusform>%n клипа недоступны: найти их файлы можно через Файл ▸ Повторно связать медиафайлы…</numerusform>
            <numerusform>%n клипов недоступны: найти их файлы можно через Файл ▸ Повторно связать медиафайлы…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>Открыт проект %1.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Сохранить проект</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Не удалось сохранить проект: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Сохранено: %1.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Нет недавних проектов</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Недоступных медиафайлов нет.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Повторная привязка: %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Повторно связать медиафайлы</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 не может заменить %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Нет клипов субтитров для экспорта.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Экспорт субтитров</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Не удалось экспортировать субтитры: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n субтитр экспортирован в %1.</numerusform>
            <numerusform>%n субтитра экспортированы в %1.</numerusform>
            <numerusform>%n субтитров экспортировано в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Восстановить несохранённую работу</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio завершил работу, не сохранив часть изменений. Восстановить их?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отбросить</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Убрать из медиатеки</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>у элемента уже есть файл</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>файл содержит медиаданные другого типа</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(недоступен: файл отсутствует; найти его можно через Файл ▸ Повторно связать медиафайлы…)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>он короче, чем нужно его клипам на монтажной линейке</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>в нём нет звука, а его клипы на монтажной линейке воспроизводят звук</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Чтение…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Импортируйте аудио и видео через Файл&#xa0;▸&#xa0;Импорт… или перетащите файлы сюда.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>В начало</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>На кадр назад</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>На кадр вперёд</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>В конец</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>Не удалось распознать %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>Не удалось озвучить %1: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Речь в текст</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Преобразование речи в текст недоступно: модель распознавания речи не установлена.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Сначала поместите на таймлайн аудио- или видеоклип.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>Таймлайн</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Не удалось запустить преобразование речи в текст.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Распознавание таймлайна…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Распознавание %n клипа…</numerusform>
            <numerusform>Распознавание %n клипов…</numerusform>
            <numerusform>Распознавание %n клипов…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Распознавание %n файла…</numerusform>
            <numerusform>Распознавание %n файлов…</numerusform>
            <numerusform>Распознавание %n файлов…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Текст в речь</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Сначала выделите на таймлайне один или несколько клипов титров или субтитров.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Не удалось запустить преобразование текста в речь.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Озвучивание %n клипа…</numerusform>
            <numerusform>Озвучивание %n клипов…</numerusform>
            <numerusform>Озвучивание %n клипов…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>Файл %1 добавлен в медиатеку: его клипа больше нет на таймлайне.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>Файл %1 добавлен в медиатеку.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>На таймлайн помещён %n субтитр.</numerusform>
            <numerusform>На таймлайн помещены %n субтитра.</numerusform>
            <numerusform>На таймлайн помещено %n субтитров.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Добавить озвучку</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>Файл %1 помещён на таймлайн.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Баланс пополнен; задача запускается снова.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Добавить на таймлайн</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Добавить титр</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Добавить озвучку</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Добавить субтитры</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Переместить клип</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Переместить клипы</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Удалить клип</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Удалить клипы</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Титр %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Субтитр %1</translation>
    </message>
</context>
<context>
    <name>NxStudioTimelineView</name>
    <message>
        <source>Audio %1</source>
        <translation>Аудио %1</translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation>Титры %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Субтитры %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Видео %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Перетащите сюда медиафайлы из медиатеки или выберите Таймлайн ▸ Добавить на таймлайн</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>недоступен</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Изменить субтитр</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Текст субтитра:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Изменить титр</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Текст титра:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>недоступен: файл отсутствует (Файл ▸ Повторно связать медиафайлы…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, с %2, длительность %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Таймлайн</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Осталось времени распознавания: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Осталось символов: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>Задаче требуется %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>Задаче требуется символов: %1.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Пополнить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Добавить часов:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Добавить тысяч символов:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Купить</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Символы: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Голос: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Тон: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Темп: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>Символов в тексте: %1, это больше оставшегося лимита: пополните баланс, затем повторите попытку.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>Голоса «%1» здесь нет: выберите другой голос, затем повторите попытку.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>Символов в тексте: %1, а одна задача озвучивает не более %2: разделите текст на клипы покороче.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Не удалось озвучить ни одной части текста: проверьте, что он написан на языке голоса.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>В предложении %1 больше %2 символов: разделите его.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Параметры синтеза речи</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Параметры голоса</translation>
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
        <translation>Низ.</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Ср.</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Выс.</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Медл</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Ср.</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Быс.</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Совет: этот голос озвучивает только английский текст</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Совет: этот голос озвучивает китайский и английский текст</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Тон:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Темп:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Не удалось воспроизвести пример. Повторите попытку.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Медленный</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстрый</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>медленный</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>обычный</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>быстрый</translation>
    </message>
    <message>
        <source>low</source>
        <translation>низкий</translation>
    </message>
    <message>
        <source>high</source>
        <translation>высокий</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>На каком языке этот титр?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Голос: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Темп:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Тон:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Автоматически размещать озвучку на таймлайне</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Ошибка сети. Проверьте настройки сети или повторите попытку.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Озвучивание</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 предложение на каждые 100 символов</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(менее 100 символов считаются как 100)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Выполнено / всего символов</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Остаток предложений</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 недостаточен для завершения озвучивания. %2 обновляется каждые 30 дней.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Не удаётся записать израсходованное время или символы, поэтому ничего не списано: %1. Освободите место в папке данных, затем повторите попытку.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Мужской</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Женский</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Звучит</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Английский (США)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Английский (Великобритания)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Немецкий (Германия)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Испанский (Испания)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Французский (Франция)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Итальянский (Италия)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Португальский (Бразилия)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Японский (Япония)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Китайский (кантонский)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Китайский (мандаринский, Тайвань)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Русский (Россия)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Нидерландский (Нидерланды)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Арабский (ОАЭ)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Корейский (Корея)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Польский (Польша)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Румынский (Румыния)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Индонезийский (Индонезия)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Шведский (Швеция)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Удаление задачи</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>Преобразование ещё не завершено. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Вы действительно хотите удалить задачу? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Если удалить задачу сейчас, средства с баланса всё равно могут быть списаны.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Не спрашивать</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Не удалось озвучить часть текста</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Неизвестная ошибка </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Недостаточно оставшегося времени</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Ошибка перекодирования</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Не более 1 часа на задачу</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Файл не распознан.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Ошибка отправки</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Ошибка входа</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Ошибка преобразования</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>Сетевое подключение прервано</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Недостаточно оставшихся символов</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Не более 1500 символов</translation>
    </message>
</context>
</TS>
