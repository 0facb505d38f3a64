<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Não</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>&quot;%1&quot; não está no lugar: coloque-o de volta ou reconecte a unidade e tente novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>Não é possível ler &quot;%1&quot;: verifique se você tem permissão para ler o arquivo e tente novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>&quot;%1&quot; não é um arquivo de mídia que este computador consegue ler (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>&quot;%1&quot; não tem som: escolha um arquivo com uma faixa de áudio.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>O áudio %1 de &quot;%2&quot; não pode ser decodificado aqui: converta-o para WAV ou MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Não é possível decodificar o áudio de &quot;%1&quot; (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Este computador não tem saída de som, então a prévia não pode ser reproduzida: conecte alto-falantes ou fones de ouvido, ou verifique as configurações de som, e tente novamente.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Comprar mais</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Caracteres restantes: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Comprar mais caracteres</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>O servidor de fala recusou a tarefa: %1. Verifique RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>O servidor de fala não ouviu nenhuma fala: verifique se o clipe tem fala e se o volume é suficiente.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>O servidor de fala não aceita envios tão grandes: %1 para %2 s de áudio é grande demais para ele (%3). Defina RemoteSpeech/MaxUploadBytes abaixo desse tamanho ou reduza os envios com RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Não foi possível acessar o servidor de fala (%1): verifique a rede e RemoteSpeech/ServerUrl e tente novamente.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>O servidor de fala recusou a chave de API da variável de ambiente %1 (%2): defina nela a chave do servidor e tente novamente.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Serviços de voz e texto</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Há tarefas de voz e texto em andamento. Fechar a janela removerá todas elas.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Deseja mesmo fechar a janela?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Ainda não há tarefas. Experimente criar uma!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Fala para texto</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Texto para fala</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Saldo de fala para texto</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Saldo de texto para fala</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Tempo restante insuficiente. Adicione mais horas para continuar usando a fala para texto.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Caracteres insuficientes. Adicione mais caracteres para continuar usando o texto para fala.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Comprar mais</translation>
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
        <translation>Clipe</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sequência</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Nenhum modelo de fala instalado para %1 (%2): este computador só transcreve inglês; configure um servidor de fala para %1 (veja o README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Nenhuma mídia da tarefa tem som: escolha clipes com uma faixa de áudio.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>O áudio tem %1 minutos; uma tarefa aceita no máximo %2 minutos: divida-o em partes menores.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>&quot;%1&quot; tem mais áudio do que uma tarefa aceita (%2 minutos): divida-o em partes menores.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>O áudio tem %1 s, mais do que o tempo restante: adicione saldo e tente novamente.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Nenhuma fala foi ouvida: verifique se o clipe tem fala e se o volume é suficiente.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Configurações de fala para texto</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Idioma do áudio a transcrever:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transcrever: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Clipes selecionados</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Toda a sequência da linha do tempo</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Colocar as legendas na linha do tempo automaticamente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processando</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analisando</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Transcrevendo</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>O tempo restante</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 não é suficiente para o restante da transcrição. %2 é renovado a cada 30 dias.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 e %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Este computador só transcreve inglês; configure um servidor de fala para %1 (veja o README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Mecanismo de fala: este computador</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Mecanismo de fala: %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>A linha do tempo está vazia: coloque um clipe nela antes de exportar</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 já existe: escolha outro nome</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 não é um arquivo comum: escolha outro nome</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>: escolha outra pasta</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>O MLT não tem o consumidor avformat: instale o módulo FFmpeg do MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Não é possível gravar %1: o disco está cheio. Libere espaço ou escolha outra pasta</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Não é possível gravar %1: o arquivo ficou maior do que este disco ou esta conta permite. Escolha outra pasta</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Falha ao renderizar %1: veja no log o que o MLT informou</translation>
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
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Gravar as legendas na imagem</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Estimando o tempo restante…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Faltam cerca de %1</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Não é possível importar %1: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Os clipes não podem se sobrepor e ficam em faixas do seu tipo.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Compartimento de mídia</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recente</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Reconectar mídia…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Exportar legendas…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Exportar vídeo…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Selecionar todos os clipes</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Linha do tempo</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Adicionar à linha do tempo</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Adicionar título…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Reprodução</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Reproduzir/pausar</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Voltar um quadro</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Avançar um quadro</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Ir para o início</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Ir para o fim</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Voz</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Fala para texto…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Texto para fala…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Texto para fala (clássico)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Serviços de voz e texto</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Idioma da interface</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Idioma da interface: %1. As caixas de diálogo de voz abrem com ele.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Lendo %n arquivo…</numerusform>
            <numerusform>Lendo %n arquivos…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 não é um arquivo.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Primeiro escolha no compartimento uma mídia que já foi lida.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Adicionar título</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Texto do título:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Alterações não salvas</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 tem alterações não salvas. Deseja salvá-las?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Abrir projeto</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n clipe está offline: Arquivo ▸ Reconectar mídia… encontra o arquivo.</numerusform>
            <numerusform>%n clipes estão offline: Arquivo ▸ Reconectar mídia… encontra os arquivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 aberto.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Salvar projeto</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Não foi possível salvar o projeto: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Nenhum projeto recente</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Nenhuma mídia está offline.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Reconectar %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Reconectar mídia</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 não pode substituir %2: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Não há clipes de legenda para exportar.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Exportar legendas</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Não foi possível exportar as legendas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n legenda exportada para %1.</numerusform>
            <numerusform>%n legendas exportadas para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Restaurar trabalho não salvo</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>O nx-studio foi encerrado sem salvar parte do trabalho. Deseja restaurá-lo?</translation>
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
        <translation>Remover do compartimento</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>o item não está offline</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>o arquivo contém outro tipo de mídia</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(offline: o arquivo está ausente; Arquivo ▸ Reconectar mídia… o encontra)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>é mais curto do que seus clipes na linha do tempo precisam</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>não tem som, e seus clipes na linha do tempo tocam som</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Lendo…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importe áudio e vídeo com Arquivo&#xa0;▸&#xa0;Importar… ou solte arquivos aqui.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Ir para o início</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Voltar um quadro</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Reproduzir/pausar</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Avançar um quadro</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Ir para o fim</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>Não foi possível transcrever %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>Não foi possível converter %1 em fala: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Fala para texto</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>A fala para texto não está disponível: o modelo de reconhecimento de fala não está instalado.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Primeiro coloque um clipe de áudio ou vídeo na linha do tempo.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>A linha do tempo</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Não foi possível iniciar a fala para texto.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Transcrevendo a linha do tempo…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Transcrevendo %n clipe…</numerusform>
            <numerusform>Transcrevendo %n clipes…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Transcrevendo %n arquivo…</numerusform>
            <numerusform>Transcrevendo %n arquivos…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Texto para fala</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Primeiro selecione um ou mais clipes de título ou legenda na linha do tempo.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Não foi possível iniciar o texto para fala.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Convertendo %n clipe em fala…</numerusform>
            <numerusform>Convertendo %n clipes em fala…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 foi para o compartimento de mídia: o clipe dele não está mais na linha do tempo.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 foi para o compartimento de mídia.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n legenda colocada na linha do tempo.</numerusform>
            <numerusform>%n legendas colocadas na linha do tempo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Adicionar narração</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 colocado na linha do tempo.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Saldo adicionado; a tarefa recomeça.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Adicionar à linha do tempo</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Adicionar título</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Adicionar narração</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Adicionar legendas</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Mover clipe</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Mover clipes</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Excluir clipe</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Excluir clipes</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Título %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Legenda %1</translation>
    </message>
</context>
<context>
    <name>NxStudioTimelineView</name>
    <message>
        <source>Audio %1</source>
        <translation>Áudio %1</translation>
    </message>
    <message>
        <source>Titles %1</source>
        <translation>Títulos %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Legendas %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Vídeo %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Arraste mídia do compartimento para cá ou use Linha do tempo ▸ Adicionar à linha do tempo</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Editar legenda</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Texto da legenda:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Editar título</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Texto do título:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>offline: o arquivo está ausente (Arquivo ▸ Reconectar mídia…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, a partir de %2, duração %3</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Linha do tempo</translation>
    </message>
</context>
<context>
    <name>NxStudioTopUpDialog</name>
    <message>
        <source>Transcription time left: %1</source>
        <translation>Tempo de transcrição restante: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Caracteres restantes: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>A tarefa precisa de %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>A tarefa precisa de %1 caracteres.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Adicionar saldo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Horas a adicionar:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Milhares de caracteres a adicionar:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
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
        <translation>Tom: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Velocidade: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>O texto tem %1 caracteres, mais do que o saldo restante: adicione saldo e tente novamente.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>A voz &quot;%1&quot; não está disponível aqui: escolha outra voz e tente novamente.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>O texto tem %1 caracteres; uma tarefa converte no máximo %2: divida-o em clipes menores.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Nenhuma parte do texto pôde ser convertida em fala: verifique se ele está no idioma da voz.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>A frase %1 tem mais de %2 caracteres: divida-a.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Configurações de texto para fala</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Configurações de voz</translation>
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
        <translation>Baixo</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Méd.</translation>
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
        <translation>Méd.</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Ráp.</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Dica: esta voz fala somente texto em inglês</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Dica: esta voz fala texto em chinês e inglês</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Vozes</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Tom:</translation>
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
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Não foi possível reproduzir a prévia. Tente novamente.</translation>
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
        <translation>Baixo</translation>
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
        <translation>baixo</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>Em que idioma está este título?</translation>
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
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Tom:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Colocar as narrações na linha do tempo automaticamente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Erro de rede. Verifique as configurações de rede ou tente novamente.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processando</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analisando</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Convertendo</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 frase a cada 100 caracteres</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(Menos de 100 caracteres contam como 100)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Concluídos / total de caracteres</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>O número de frases</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 não é suficiente para o restante da conversão. %2 é renovado a cada 30 dias.</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Não é possível registrar o tempo ou os caracteres usados, por isso nada foi cobrado: %1. Libere espaço na pasta de dados e tente novamente.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculina</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Feminina</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>Falando</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Inglês (EUA)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Inglês (Reino Unido)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Alemão (Alemanha)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Espanhol (Espanha)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Francês (França)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italiano (Itália)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japonês (Japão)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chinês (cantonês)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Chinês (mandarim, TW)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Russo (Rússia)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Holandês (Países Baixos)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Árabe (Emirados Árabes Unidos)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Coreano (Coreia)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polonês (Polônia)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Romeno (Romênia)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonésio (Indonésia)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Sueco (Suécia)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Excluir tarefa</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>A conversão ainda não terminou. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Deseja mesmo excluir a tarefa? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Se você excluir a tarefa agora, o saldo ainda poderá ser descontado.</translation>
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
        <translation>Não perguntar mais</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Falha na conversão de parte do texto</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Erro desconhecido </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Horas restantes insuficientes</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Falha na conversão do arquivo</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Limite de 1 hora por tarefa.</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Conteúdo do arquivo não reconhecido.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Falha no envio</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Erro de login</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Falha na transcrição</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>A conexão de rede caiu</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Caracteres restantes insuficientes</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Máx. 1500 caracteres/tarefa.</translation>
    </message>
</context>
</TS>
