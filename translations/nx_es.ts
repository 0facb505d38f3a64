<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>&quot;%1&quot; no está: vuelva a ponerlo en su sitio o conecte de nuevo su unidad y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>No se puede leer &quot;%1&quot;: compruebe que tiene permiso para leer el archivo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>&quot;%1&quot; no es un archivo multimedia que este equipo pueda leer (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>&quot;%1&quot; no tiene sonido: elija un archivo con pista de audio.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>El sonido %1 de &quot;%2&quot; no se puede descodificar aquí: conviértalo a WAV o MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>No se puede descodificar el sonido de &quot;%1&quot; (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Este equipo no tiene salida de sonido, así que la vista previa no se puede reproducir: conecte altavoces o auriculares, o revise la configuración de sonido, y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Comprar más</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Caracteres disponibles: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Comprar más caracteres</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>El servidor de voz rechazó la tarea: %1. Compruebe RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>El servidor de voz no detectó ninguna voz: compruebe que el clip contiene voz y tiene volumen suficiente.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>El servidor de voz no acepta subidas tan grandes: %1 para %2 s de sonido es demasiado (%3). Ajuste RemoteSpeech/MaxUploadBytes por debajo de ese tamaño o reduzca las subidas con RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>No se pudo conectar con el servidor de voz (%1): compruebe la red y RemoteSpeech/ServerUrl, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>El servidor de voz rechazó la clave de API de la variable de entorno %1 (%2): ponga ahí la clave del servidor y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Servicios de voz y texto</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Hay tareas de voz o texto en curso. Si cierra la ventana, se eliminarán todas las tareas.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>¿Seguro que quiere cerrar la ventana?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Aún no hay tareas. ¡Pruebe los servicios de voz y texto!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Voz a texto</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Texto a voz</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Saldo de voz a texto</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Saldo de texto a voz</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>No queda tiempo suficiente. Recargue más horas para seguir usando voz a texto.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>No quedan caracteres suficientes. Recargue más caracteres para seguir usando texto a voz.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Comprar más</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Secuencia</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>No hay ningún modelo de voz instalado para %1 (%2): este equipo solo transcribe inglés; configure un servidor de voz para %1 (consulte el README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Ninguno de los medios de la tarea tiene sonido: elija clips con pista de audio.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>El sonido dura %1 minutos y una tarea admite como máximo %2: divídalo en partes más cortas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>&quot;%1&quot; contiene más sonido del que admite una tarea (%2 minutos): divídalo en partes más cortas.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>El sonido dura %1 s, más que el tiempo restante: recargue y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>No se detectó ninguna voz: compruebe que el clip contiene voz y tiene volumen suficiente.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Ajustes de voz a texto</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Idioma del audio que se transcribirá:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transcribir: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Clips seleccionados</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Toda la secuencia de la línea de tiempo</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Colocar los subtítulos en la línea de tiempo automáticamente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analizando</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Transcodificando</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Transcribiendo</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>El tiempo restante</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 no basta para el resto de la transcripción. %2 se renueva cada 30 días.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 y %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Este equipo solo transcribe inglés; configure un servidor de voz para %1 (consulte el README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Motor de voz: este equipo</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Motor de voz: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>La línea de tiempo está vacía: coloque un clip en ella antes de exportar</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 ya existe: elija otro nombre</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 no es un archivo normal: elija otro nombre</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: elija otra carpeta</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT no tiene el consumidor avformat: instale el módulo FFmpeg de MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>No se puede escribir %1: el disco está lleno. Libere espacio o elija otra carpeta</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>No se puede escribir %1: el archivo supera el tamaño que permiten este disco o esta cuenta. Elija otra carpeta</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>No se pudo renderizar %1: consulte en el registro lo que informó MLT</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Exportar vídeo</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Vídeo.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Incrustar los subtítulos en la imagen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Calculando el tiempo restante…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Quedan unos %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Los clips no pueden solaparse y permanecen en pistas de su tipo.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Bandeja de medios</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Volver a vincular medios…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Exportar subtítulos…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Exportar vídeo…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Seleccionar todos los clips</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Línea de tiempo</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Añadir a la línea de tiempo</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Añadir título…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Reproducción</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Reproducir/pausa</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Retroceder un fotograma</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Avanzar un fotograma</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Ir al inicio</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Ir al final</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>V&amp;oz</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Voz a texto…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Texto a voz…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Texto a voz (clásico)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Servicios de voz y texto</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Idioma de la interfaz: %1. Los diálogos de voz lo usan de forma predeterminada.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Leyendo %n archivo…</numerusform>
            <numerusform>Leyendo %n archivos…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Primero elija en la bandeja un medio que ya se haya leído.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Añadir título</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Texto del título:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 tiene cambios sin guardar. ¿Quiere guardarlos?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n clip está sin conexión: Archivo ▸ Volver a vincular medios… encuentra su archivo.</numerusform>
            <numerusform>%n clips están sin conexión: Archivo ▸ Volver a vincular medios… encuentra sus archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 abierto.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>No se pudo guardar el proyecto: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 guardado.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>No hay proyectos recientes</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>No hay medios sin conexión.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Volver a vincular %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Volver a vincular medios</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 no puede sustituir a %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>No hay clips de subtítulos para exportar.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Exportar subtítulos</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>No se pudieron exportar los subtítulos: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n subtítulo exportado a %1.</numerusform>
            <numerusform>%n subtítulos exportados a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Restaurar el trabajo sin guardar</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio se cerró sin guardar parte del trabajo. ¿Quiere restaurarlo?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Quitar de la bandeja</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>el elemento no está sin conexión</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>el archivo contiene otro tipo de medio</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(sin conexión: falta el archivo; Archivo ▸ Volver a vincular medios… lo encuentra)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>es más corto de lo que necesitan sus clips en la línea de tiempo</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>no tiene sonido, y sus clips en la línea de tiempo reproducen sonido</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Leyendo…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importe audio y vídeo con Archivo&#xa0;▸&#xa0;Importar… o suelte archivos aquí.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Ir al inicio</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Retroceder un fotograma</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Reproducir/pausa</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Avanzar un fotograma</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Ir al final</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>No se pudo transcribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>No se pudo convertir %1 a voz: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Voz a texto</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>Voz a texto no está disponible: el modelo de reconocimiento de voz no está instalado.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Primero coloque un clip de audio o vídeo en la línea de tiempo.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>La línea de tiempo</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>No se pudo iniciar voz a texto.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Transcribiendo la línea de tiempo…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Transcribiendo %n clip…</numerusform>
            <numerusform>Transcribiendo %n clips…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Transcribiendo %n archivo…</numerusform>
            <numerusform>Transcribiendo %n archivos…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Texto a voz</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Primero seleccione uno o más clips de título o de subtítulos en la línea de tiempo.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>No se pudo iniciar texto a voz.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Convirtiendo %n clip a voz…</numerusform>
            <numerusform>Convirtiendo %n clips a voz…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 se ha añadido a la bandeja de medios: su clip ya no está en la línea de tiempo.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 se ha añadido a la bandeja de medios.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n subtítulo colocado en la línea de tiempo.</numerusform>
            <numerusform>%n subtítulos colocados en la línea de tiempo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Añadir voz en off</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 colocado en la línea de tiempo.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Saldo recargado; la tarea vuelve a empezar.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Añadir a la línea de tiempo</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Añadir título</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Añadir voz en off</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Añadir subtítulos</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Mover clip</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Mover clips</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Eliminar clip</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Eliminar clips</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Título %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Subtítulo %1</translation>
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
        <translation>Títulos %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Subtítulos %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Vídeo %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Arrastre medios aquí desde la bandeja o use Línea de tiempo ▸ Añadir a la línea de tiempo</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>sin conexión</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Editar subtítulo</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Texto del subtítulo:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Editar título</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Texto del título:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>sin conexión: falta su archivo (Archivo ▸ Volver a vincular medios…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, desde %2, dura %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Línea de tiempo</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Tiempo de transcripción restante: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Caracteres restantes: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>La tarea necesita %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>La tarea necesita %1 caracteres.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Horas que añadir:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Miles de caracteres que añadir:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Caracteres: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Voz: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Tono: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Ritmo: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>El texto tiene %1 caracteres, más que el saldo restante: recargue y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>Aquí no existe la voz &quot;%1&quot;: elija otra voz y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>El texto tiene %1 caracteres y una tarea lee como máximo %2: divídalo en clips más cortos.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>No se pudo leer ninguna parte del texto: compruebe que está en el idioma de la voz.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>La frase %1 tiene más de %2 caracteres: divídala.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Ajustes de texto a voz</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Ajustes de voz</translation>
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
        <translation>Bajo</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Med.</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Med.</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Veloz</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Consejo: esta voz solo lee texto en inglés</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Consejo: esta voz lee texto en chino y en inglés</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Voces</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Tono:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Ritmo:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>No se pudo reproducir la vista previa. Vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rápido</translation>
    </message>
    <message>
        <source>low</source>
        <translation>bajo</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>¿En qué idioma está este título?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Voz: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Ajustes:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Ritmo:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Tono:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Colocar las voces en off en la línea de tiempo automáticamente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Error de red. Compruebe la configuración de red o vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analizando</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Convirtiendo</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 frase por cada 100 caracteres</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(menos de 100 caracteres cuentan como 100)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Caracteres completados / total</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>El número de frases</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 no basta para el resto de la conversión. %2 se renueva cada 30 días.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>No se puede registrar el tiempo ni los caracteres usados, así que no se ha cobrado nada: %1. Libere espacio en la carpeta de datos y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculina</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femenina</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Hablando</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Inglés (EE. UU.)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglés (Reino Unido)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Alemán (Alemania)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Español (España)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Francés (Francia)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italiano (Italia)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugués (Brasil)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japonés (Japón)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chino (cantonés)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Chino (mandarín, Taiwán)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Ruso (Rusia)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Neerlandés (Países Bajos)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Árabe (Emiratos Árabes Unidos)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Coreano (Corea)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polaco (Polonia)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Rumano (Rumanía)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonesio (Indonesia)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Sueco (Suecia)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Eliminar tarea</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>La conversión aún no ha terminado. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>¿Seguro que quiere eliminar la tarea? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Si la elimina ahora, es posible que se descuente igualmente del saldo.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>No preguntar más</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>No se pudo convertir parte del texto</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Error desconocido </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>No queda tiempo suficiente</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Error de transcodificación</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Límite: una hora de audio</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Contenido del archivo no reconocido.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Error de subida</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Error de inicio de sesión</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Error de transcripción</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>Se ha perdido la conexión de red</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>No quedan caracteres suficientes</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Límite: 1500 caracteres</translation>
    </message>
</context>
</TS>
