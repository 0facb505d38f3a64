<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>NMessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>NxAudioDecoder</name>
    <message>
        <source>&quot;%1&quot; is not there: put it back or reconnect its drive, then retry.</source>
        <translation>«&#xa0;%1&#xa0;» est introuvable&#xa0;: remettez-le en place ou reconnectez son disque, puis réessayez.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: check that it is a file you may read, then retry.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: vérifiez que vous avez le droit de lire ce fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a media file this computer can read (%2).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier média que cet ordinateur peut lire (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no sound: choose a file with an audio track.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas de son&#xa0;: choisissez un fichier avec une piste audio.</translation>
    </message>
    <message>
        <source>The %1 sound of &quot;%2&quot; cannot be decoded here: convert it to WAV or MP3.</source>
        <translation>Le son %1 de «&#xa0;%2&#xa0;» ne peut pas être décodé ici&#xa0;: convertissez-le en WAV ou en MP3.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; cannot be decoded (%2).</source>
        <translation>Impossible de décoder le son de «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
</context>
<context>
    <name>NxKitButtonAccessible</name>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>NxOfflineTextToSpeechAudition</name>
    <message>
        <source>This computer has no sound output, so the preview cannot play: connect speakers or headphones, or check the sound settings, then try again.</source>
        <translation>Cet ordinateur n&apos;a pas de sortie audio, l&apos;aperçu ne peut donc pas être lu&#xa0;: branchez des haut-parleurs ou un casque, ou vérifiez les réglages du son, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>NxRemainingWidget</name>
    <message>
        <source>Time Remaining:</source>
        <translation>Temps restant&#xa0;:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Acheter plus</translation>
    </message>
    <message>
        <source>Remaining available characters: %1 </source>
        <translation>Caractères restants&#xa0;: %1 </translation>
    </message>
    <message>
        <source>Purchase more characters</source>
        <translation>Acheter des caractères</translation>
    </message>
</context>
<context>
    <name>NxRemoteTranscription</name>
    <message>
        <source>The speech server refused the task: %1. Check RemoteSpeech/TranscriptionModel.</source>
        <translation>Le serveur vocal a refusé la tâche&#xa0;: %1. Vérifiez RemoteSpeech/TranscriptionModel.</translation>
    </message>
    <message>
        <source>The speech server heard no speech: check that the clip has speech and is loud enough.</source>
        <translation>Le serveur vocal n&apos;a entendu aucune parole&#xa0;: vérifiez que le clip contient de la parole et qu&apos;il est assez fort.</translation>
    </message>
    <message>
        <source>The speech server takes no upload this large: %1 for %2 s of sound is too large for it (%3). Set RemoteSpeech/MaxUploadBytes below it, or make uploads smaller with RemoteSpeech/UploadFormat=opus.</source>
        <translation>Le serveur vocal n&apos;accepte pas un envoi aussi volumineux&#xa0;: %1 pour %2&#xa0;s de son, c&apos;est trop pour lui (%3). Réglez RemoteSpeech/MaxUploadBytes en dessous de cette taille, ou réduisez les envois avec RemoteSpeech/UploadFormat=opus.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServerClient</name>
    <message>
        <source>The speech server could not be reached (%1): check the network and RemoteSpeech/ServerUrl, then retry.</source>
        <translation>Impossible de joindre le serveur vocal (%1)&#xa0;: vérifiez le réseau et RemoteSpeech/ServerUrl, puis réessayez.</translation>
    </message>
    <message>
        <source>The speech server refused the API key from the environment variable %1 (%2): set the server&apos;s key there, then retry.</source>
        <translation>Le serveur vocal a refusé la clé d&apos;API de la variable d&apos;environnement %1 (%2)&#xa0;: indiquez-y la clé du serveur, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceDialog</name>
    <message>
        <source>List of voice-text services</source>
        <translation>Services vocaux</translation>
    </message>
    <message>
        <source>There are tasks in progress for voice or text services, closing the window will clear all tasks.</source>
        <translation>Des tâches vocales sont en cours. Si vous fermez la fenêtre, toutes les tâches seront supprimées.</translation>
    </message>
    <message>
        <source>Are you sure you want to close the window?</source>
        <translation>Voulez-vous vraiment fermer la fenêtre&#xa0;?</translation>
    </message>
</context>
<context>
    <name>NxSpeechServiceNoTaskTip</name>
    <message>
        <source>No assignment yet, go try the voice text service!</source>
        <translation>Aucune tâche pour le moment. Essayez les services vocaux&#xa0;!</translation>
    </message>
</context>
<context>
    <name>NxSpeechServicePanel</name>
    <message>
        <source>Speech-to-Text</source>
        <translation>Transcription</translation>
    </message>
    <message>
        <source>Text-to-Speech</source>
        <translation>Synthèse vocale</translation>
    </message>
    <message>
        <source>Speech-to-Text Charging Tips</source>
        <translation>Quota de transcription</translation>
    </message>
    <message>
        <source>Text-to-Speech Charging Tips</source>
        <translation>Quota de synthèse vocale</translation>
    </message>
    <message>
        <source>Insufficient time remaining, please top up for more hours to continue to use speech to text.</source>
        <translation>Le temps de transcription restant est insuffisant. Rechargez des heures pour continuer à utiliser la transcription.</translation>
    </message>
    <message>
        <source>Not enough characters available, please top up for more characters to continue using Text-to-Speech.</source>
        <translation>Il ne reste pas assez de caractères. Rechargez des caractères pour continuer à utiliser la synthèse vocale.</translation>
    </message>
    <message>
        <source>Purchase more</source>
        <translation>Acheter plus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextHelper</name>
    <message>
        <source>Material</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Séquence</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextJob</name>
    <message>
        <source>No speech model is installed for %1 (%2): this computer transcribes English only; set a speech server for %1 (see README).</source>
        <translation>Aucun modèle vocal n&apos;est installé pour %1 (%2)&#xa0;: cet ordinateur ne transcrit que l&apos;anglais&#xa0;; configurez un serveur vocal pour %1 (voir README).</translation>
    </message>
    <message>
        <source>None of the task&apos;s media has sound: choose clips with an audio track.</source>
        <translation>Aucun média de la tâche n&apos;a de son&#xa0;: choisissez des clips avec une piste audio.</translation>
    </message>
    <message>
        <source>The sound is %1 minutes long; one task takes at most %2: split it into shorter parts.</source>
        <translation>Le son dure %1 minutes et une tâche en accepte au plus %2&#xa0;: découpez-le en parties plus courtes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more sound than one task takes (%2 minutes): split it into shorter parts.</source>
        <translation>«&#xa0;%1&#xa0;» contient plus de son qu&apos;une tâche n&apos;en accepte (%2 minutes)&#xa0;: découpez-le en parties plus courtes.</translation>
    </message>
    <message>
        <source>The sound is %1 s long, more than the time left: top up, then retry.</source>
        <translation>Le son dure %1&#xa0;s, plus que le temps restant&#xa0;: rechargez, puis réessayez.</translation>
    </message>
    <message>
        <source>No speech was heard: check that the clip has speech and is loud enough.</source>
        <translation>Aucune parole n&apos;a été entendue&#xa0;: vérifiez que le clip contient de la parole et qu&apos;il est assez fort.</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamDialog</name>
    <message>
        <source>Speech-to-Text parameter selection tip</source>
        <translation>Paramètres de transcription</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextParamPanel</name>
    <message>
        <source>Language of the audio to be transcribed:</source>
        <translation>Langue de l&apos;audio à transcrire&#xa0;:</translation>
    </message>
    <message>
        <source>Select the file to be converted: </source>
        <translation>Transcrire&#xa0;: </translation>
    </message>
    <message>
        <source>Clip selection</source>
        <translation>Clips sélectionnés</translation>
    </message>
    <message>
        <source>The entire timeline sequence</source>
        <translation>Toute la séquence de la timeline</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Placer automatiquement les sous-titres sur la timeline</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Transcoding</source>
        <translation>Transcodage</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Transcription</translation>
    </message>
</context>
<context>
    <name>NxSpeechToTextWidget</name>
    <message>
        <source>The remaining time</source>
        <translation>Le temps restant</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 ne suffit pas pour terminer la transcription. %2 est renouvelé tous les 30 jours.</translation>
    </message>
</context>
<context>
    <name>NxStepSliderAccessible</name>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 et %2</translation>
    </message>
</context>
<context>
    <name>NxStudioEngine</name>
    <message>
        <source>This computer transcribes English only; set a speech server for %1 (see README)</source>
        <translation>Cet ordinateur ne transcrit que l&apos;anglais&#xa0;; configurez un serveur vocal pour %1 (voir README)</translation>
    </message>
    <message>
        <source>Speech engine: this computer</source>
        <translation>Moteur vocal : cet ordinateur</translation>
    </message>
    <message>
        <source>Speech engine: %1</source>
        <translation>Moteur vocal : %1</translation>
    </message>
</context>
<context>
    <name>NxStudioExport</name>
    <message>
        <source>The timeline is empty: put a clip on it before exporting</source>
        <translation>La timeline est vide&#xa0;: placez-y un clip avant d&apos;exporter</translation>
    </message>
    <message>
        <source>%1 already exists: choose another name</source>
        <translation>%1 existe déjà&#xa0;: choisissez un autre nom</translation>
    </message>
    <message>
        <source>%1 is not a regular file: choose another name</source>
        <translation>%1 n&apos;est pas un fichier ordinaire&#xa0;: choisissez un autre nom</translation>
    </message>
    <message>
        <source>: choose another folder</source>
        <translation>&#xa0;: choisissez un autre dossier</translation>
    </message>
    <message>
        <source>MLT has no avformat consumer: install the MLT FFmpeg module</source>
        <translation>MLT n&apos;a pas de consommateur avformat&#xa0;: installez le module FFmpeg de MLT</translation>
    </message>
    <message>
        <source>Cannot write %1: the disk is full. Free some space or choose another folder</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: le disque est plein. Libérez de l&apos;espace ou choisissez un autre dossier</translation>
    </message>
    <message>
        <source>Cannot write %1: the file grew larger than this disk or account allows. Choose another folder</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: le fichier dépasse la taille autorisée par ce disque ou ce compte. Choisissez un autre dossier</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Rendering %1 failed: see the log for what MLT reported</source>
        <translation>Le rendu de %1 a échoué&#xa0;: consultez le journal pour voir ce que MLT a signalé</translation>
    </message>
</context>
<context>
    <name>NxStudioExportDialog</name>
    <message>
        <source>Export video</source>
        <translation>Exporter la vidéo</translation>
    </message>
    <message>
        <source>Video.mp4</source>
        <translation>Vidéo.mp4</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Burn subtitles into the picture</source>
        <translation>Incruster les sous-titres dans l&apos;image</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vidéo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Estimating the time left…</source>
        <translation>Estimation du temps restant…</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Environ %1 restant</translation>
    </message>
</context>
<context>
    <name>NxStudioMainWindow</name>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>Impossible d&apos;importer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Clips cannot overlap, and stay on tracks of their kind.</source>
        <translation>Les clips ne peuvent pas se chevaucher et restent sur les pistes de leur type.</translation>
    </message>
    <message>
        <source>Media bin</source>
        <translation>Chutier</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un projet récent</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Relink media…</source>
        <translation>Relier les médias…</translation>
    </message>
    <message>
        <source>Export subtitles…</source>
        <translation>Exporter les sous-titres…</translation>
    </message>
    <message>
        <source>Export video…</source>
        <translation>Exporter la vidéo…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select all clips</source>
        <translation>Sélectionner tous les clips</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Timeline</translation>
    </message>
    <message>
        <source>Add to timeline</source>
        <translation>Ajouter à la timeline</translation>
    </message>
    <message>
        <source>Add title…</source>
        <translation>Ajouter un titre…</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>&amp;Playback</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Lecture/pause</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Go to start</source>
        <translation>Aller au début</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Aller à la fin</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Voix</translation>
    </message>
    <message>
        <source>Speech to text…</source>
        <translation>Transcription…</translation>
    </message>
    <message>
        <source>Text to speech…</source>
        <translation>Synthèse vocale…</translation>
    </message>
    <message>
        <source>Text to speech (classic)…</source>
        <translation>Synthèse vocale (classique)…</translation>
    </message>
    <message>
        <source>Voice-text services</source>
        <translation>Services vocaux</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <source>Interface language: %1. The speech dialogs start on it.</source>
        <translation>Langue de l&apos;interface&#xa0;: %1. Les dialogues vocaux la proposent par défaut.</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n file(s)…</source>
        <translation>
            <numerusform>Lecture de %n fichier…</numerusform>
            <numerusform>Lecture de %n fichiers…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Choose media that has been read in the bin first.</source>
        <translation>Sélectionnez d&apos;abord dans le chutier un média déjà chargé.</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Ajouter un titre</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Texte du titre&#xa0;:</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 contient des modifications non enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message numerus="yes">
        <source>%n clip(s) are offline: File ▸ Relink media… finds their files.</source>
        <translation>
            <numerusform>%n clip est hors ligne&#xa0;: Fichier ▸ Relier les médias… retrouve son fichier.</numerusform>
            <numerusform>%n clips sont hors ligne&#xa0;: Fichier ▸ Relier les médias… retrouve leurs fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 opened.</source>
        <translation>%1 ouvert.</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>The project could not be saved: %1</source>
        <translation>Impossible d&apos;enregistrer le projet&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Aucun projet récent</translation>
    </message>
    <message>
        <source>No media is offline.</source>
        <translation>Aucun média n&apos;est hors ligne.</translation>
    </message>
    <message>
        <source>Relink %1</source>
        <translation>Relier %1</translation>
    </message>
    <message>
        <source>Relink media</source>
        <translation>Relier les médias</translation>
    </message>
    <message>
        <source>%1 cannot stand in for %2: %3</source>
        <translation>%1 ne peut pas remplacer %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>There are no subtitle clips to export.</source>
        <translation>Aucun clip de sous-titres à exporter.</translation>
    </message>
    <message>
        <source>Export subtitles</source>
        <translation>Exporter les sous-titres</translation>
    </message>
    <message>
        <source>The subtitles could not be exported: %1</source>
        <translation>Impossible d&apos;exporter les sous-titres&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) exported to %1.</source>
        <translation>
            <numerusform>%n sous-titre exporté vers %1.</numerusform>
            <numerusform>%n sous-titres exportés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore unsaved work</source>
        <translation>Restaurer le travail non enregistré</translation>
    </message>
    <message>
        <source>nx-studio ended without saving some work. Restore it?</source>
        <translation>nx-studio s&apos;est fermé sans enregistrer une partie du travail. Le restaurer&#xa0;?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Remove from bin</source>
        <translation>Retirer du chutier</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBin</name>
    <message>
        <source>the item is not offline</source>
        <translation>l&apos;élément n&apos;est pas hors ligne</translation>
    </message>
    <message>
        <source>the file holds another kind of media</source>
        <translation>le fichier contient un autre type de média</translation>
    </message>
    <message>
        <source>
(offline: the file is missing; File ▸ Relink media… finds it)</source>
        <translation>
(hors ligne&#xa0;: le fichier est introuvable&#xa0;; Fichier ▸ Relier les médias… le retrouve)</translation>
    </message>
    <message>
        <source>it is shorter than its clips on the timeline need</source>
        <translation>il est plus court que ne l’exigent ses clips sur la timeline</translation>
    </message>
    <message>
        <source>it has no sound, and its clips on the timeline play sound</source>
        <translation>il n’a pas de son, et ses clips sur la timeline en jouent</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinDelegate</name>
    <message>
        <source>Reading…</source>
        <translation>Lecture…</translation>
    </message>
</context>
<context>
    <name>NxStudioMediaBinView</name>
    <message>
        <source>Import audio and video with File&#xa0;▸&#xa0;Import… or drop files here.</source>
        <translation>Importez de l&apos;audio et de la vidéo avec Fichier&#xa0;▸&#xa0;Importer… ou déposez des fichiers ici.</translation>
    </message>
</context>
<context>
    <name>NxStudioMonitor</name>
    <message>
        <source>Go to start</source>
        <translation>Aller au début</translation>
    </message>
    <message>
        <source>Step back one frame</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Play/pause</source>
        <translation>Lecture/pause</translation>
    </message>
    <message>
        <source>Step forward one frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Go to end</source>
        <translation>Aller à la fin</translation>
    </message>
</context>
<context>
    <name>NxStudioSpeech</name>
    <message>
        <source>%1 could not be transcribed: %2</source>
        <translation>Impossible de transcrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 could not be spoken: %2</source>
        <translation>Impossible de synthétiser %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Speech to text</source>
        <translation>Transcription</translation>
    </message>
    <message>
        <source>Speech to text is not available: the speech recognition model is not installed.</source>
        <translation>La transcription n&apos;est pas disponible&#xa0;: le modèle de reconnaissance vocale n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>Put an audio or video clip on the timeline first.</source>
        <translation>Placez d&apos;abord un clip audio ou vidéo sur la timeline.</translation>
    </message>
    <message>
        <source>The timeline</source>
        <translation>La timeline</translation>
    </message>
    <message>
        <source>Speech to text could not start.</source>
        <translation>Impossible de lancer la transcription.</translation>
    </message>
    <message>
        <source>Transcribing the timeline…</source>
        <translation>Transcription de la timeline…</translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n clip(s)…</source>
        <translation>
            <numerusform>Transcription de %n clip…</numerusform>
            <numerusform>Transcription de %n clips…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Transcribing %n file(s)…</source>
        <translation>
            <numerusform>Transcription de %n fichier…</numerusform>
            <numerusform>Transcription de %n fichiers…</numerusform>
        </translation>
    </message>
    <message>
        <source>Text to speech</source>
        <translation>Synthèse vocale</translation>
    </message>
    <message>
        <source>Select one or more title or subtitle clips on the timeline first.</source>
        <translation>Sélectionnez d&apos;abord un ou plusieurs clips de titre ou de sous-titres sur la timeline.</translation>
    </message>
    <message>
        <source>Text to speech could not start.</source>
        <translation>Impossible de lancer la synthèse vocale.</translation>
    </message>
    <message numerus="yes">
        <source>Speaking %n clip(s)…</source>
        <translation>
            <numerusform>Synthèse vocale de %n clip…</numerusform>
            <numerusform>Synthèse vocale de %n clips…</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 went to the media bin: its clip is no longer on the timeline.</source>
        <translation>%1 a été placé dans le chutier&#xa0;: son clip n&apos;est plus sur la timeline.</translation>
    </message>
    <message>
        <source>%1 went to the media bin.</source>
        <translation>%1 a été placé dans le chutier.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle(s) placed on the timeline.</source>
        <translation>
            <numerusform>%n sous-titre placé sur la timeline.</numerusform>
            <numerusform>%n sous-titres placés sur la timeline.</numerusform>
        </translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Ajouter une voix off</translation>
    </message>
    <message>
        <source>%1 placed on the timeline.</source>
        <translation>%1 placé sur la timeline.</translation>
    </message>
    <message>
        <source>Topped up; the task starts again.</source>
        <translation>Crédit rechargé. La tâche reprend.</translation>
    </message>
</context>
<context>
    <name>NxStudioTimeline</name>
    <message>
        <source>Add to timeline</source>
        <translation>Ajouter à la timeline</translation>
    </message>
    <message>
        <source>Add title</source>
        <translation>Ajouter un titre</translation>
    </message>
    <message>
        <source>Add voice-over</source>
        <translation>Ajouter une voix off</translation>
    </message>
    <message>
        <source>Add subtitles</source>
        <translation>Ajouter des sous-titres</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Move clip</source>
        <translation>Déplacer le clip</translation>
    </message>
    <message>
        <source>Move clips</source>
        <translation>Déplacer les clips</translation>
    </message>
    <message>
        <source>Delete clip</source>
        <translation>Supprimer le clip</translation>
    </message>
    <message>
        <source>Delete clips</source>
        <translation>Supprimer les clips</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titre %1</translation>
    </message>
    <message>
        <source>Subtitle %1</source>
        <translation>Sous-titre %1</translation>
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
        <translation>Titres %1</translation>
    </message>
    <message>
        <source>Subtitles %1</source>
        <translation>Sous-titres %1</translation>
    </message>
    <message>
        <source>Video %1</source>
        <translation>Vidéo %1</translation>
    </message>
    <message>
        <source>Drag media here from the bin, or use Timeline ▸ Add to timeline</source>
        <translation>Faites glisser des médias ici depuis le chutier, ou utilisez Timeline ▸ Ajouter à la timeline</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>hors ligne</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Modifier le sous-titre</translation>
    </message>
    <message>
        <source>Subtitle text:</source>
        <translation>Texte du sous-titre&#xa0;:</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Modifier le titre</translation>
    </message>
    <message>
        <source>Title text:</source>
        <translation>Texte du titre&#xa0;:</translation>
    </message>
    <message>
        <source>offline: its file is missing (File ▸ Relink media…)</source>
        <translation>hors ligne&#xa0;: son fichier est introuvable (Fichier ▸ Relier les médias…)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a clip&apos;s name and its words</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, from %2, %3 long</source>
        <comment>a clip&apos;s track, start and length</comment>
        <translation>%1, à partir de %2, durée %3</translation>
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
        <translation>Temps de transcription restant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Characters left: %1</source>
        <translation>Caractères restants&#xa0;: %1</translation>
    </message>
    <message>
        <source>The task needs %1.</source>
        <translation>La tâche nécessite %1.</translation>
    </message>
    <message>
        <source>The task needs %1 characters.</source>
        <translation>La tâche nécessite %1 caractères.</translation>
    </message>
    <message>
        <source>Top up</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hours to add:</source>
        <translation>Heures à ajouter&#xa0;:</translation>
    </message>
    <message>
        <source>Thousands of characters to add:</source>
        <translation>Milliers de caractères à ajouter&#xa0;:</translation>
    </message>
</context>
<context>
    <name>NxTaskRowAccessible</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechHelper</name>
    <message>
        <source>TotalWord: </source>
        <translation>Caractères&#xa0;: </translation>
    </message>
    <message>
        <source>Vocalist: </source>
        <translation>Voix&#xa0;: </translation>
    </message>
    <message>
        <source>Inotation: </source>
        <translation>Ton&#xa0;: </translation>
    </message>
    <message>
        <source>SpeakRate: </source>
        <translation>Débit&#xa0;: </translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechJob</name>
    <message>
        <source>The text has %1 characters, more than the allowance left: top up, then retry.</source>
        <translation>Le texte compte %1 caractères, plus que le crédit restant&#xa0;: rechargez, puis réessayez.</translation>
    </message>
    <message>
        <source>There is no voice &quot;%1&quot; here: choose another voice, then retry.</source>
        <translation>La voix «&#xa0;%1&#xa0;» n&apos;existe pas ici&#xa0;: choisissez une autre voix, puis réessayez.</translation>
    </message>
    <message>
        <source>The text has %1 characters; one task speaks at most %2: split it into shorter clips.</source>
        <translation>Le texte compte %1 caractères et une tâche en lit au plus %2&#xa0;: répartissez-le sur des clips plus courts.</translation>
    </message>
    <message>
        <source>None of the text could be spoken: check that it is in the voice&apos;s language.</source>
        <translation>Aucune partie du texte n&apos;a pu être lue&#xa0;: vérifiez qu&apos;il est dans la langue de la voix.</translation>
    </message>
    <message>
        <source>Sentence %1 has more than %2 characters: split it.</source>
        <translation>La phrase %1 compte plus de %2 caractères&#xa0;: découpez-la.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDialog</name>
    <message>
        <source>Text-to-Speech parameter selection tip</source>
        <translation>Paramètres de synthèse vocale</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamDlg</name>
    <message>
        <source>ParamSettings</source>
        <translation>Paramètres de voix</translation>
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
        <translation>Bas</translation>
    </message>
    <message>
        <source>normalTone</source>
        <translation>Moy.</translation>
    </message>
    <message>
        <source>HighTone</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>lowSpeak</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>normalSpeak</source>
        <translation>Moy.</translation>
    </message>
    <message>
        <source>HighSpeak</source>
        <translation>Vite</translation>
    </message>
    <message>
        <source>tips: only Support EnglishTransfer</source>
        <translation>Conseil&#xa0;: cette voix ne lit que du texte en anglais</translation>
    </message>
    <message>
        <source>tips: Support Chinese And English Tranfer</source>
        <translation>Conseil&#xa0;: cette voix lit du texte en chinois et en anglais</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>paramSettings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>intonation:</source>
        <translation>Ton&#xa0;:</translation>
    </message>
    <message>
        <source>speeakrate:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Try Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Network Failed Please Try</source>
        <translation>Impossible de lire l&apos;aperçu. Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechParamVarneloPanel</name>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Grave</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Aigu</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lent</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rapide</translation>
    </message>
    <message>
        <source>low</source>
        <translation>grave</translation>
    </message>
    <message>
        <source>high</source>
        <translation>aigu</translation>
    </message>
    <message>
        <source>What language is this title in?</source>
        <translation>Dans quelle langue est ce titre&#xa0;?</translation>
    </message>
    <message>
        <source>Voice Name: </source>
        <translation>Voix&#xa0;: </translation>
    </message>
    <message>
        <source>Parameter Settings:</source>
        <translation>Réglages&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Ton&#xa0;:</translation>
    </message>
    <message>
        <source>Transcriptions are automatically matched to the timeline</source>
        <translation>Placer automatiquement les voix off sur la timeline</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Network error, please check network settings or try again.</source>
        <translation>Erreur réseau. Vérifiez vos paramètres réseau ou réessayez.</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableDelegate</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>In transcription</source>
        <translation>Synthèse</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableHeaderToolTipper</name>
    <message>
        <source>1 sentence per 100 words</source>
        <translation>1 phrase par tranche de 100 caractères</translation>
    </message>
    <message>
        <source>(Less than 100 words are calculated as 100 words)</source>
        <translation>(moins de 100 caractères comptent pour 100)</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechTableModel</name>
    <message>
        <source>Completed/TotalWord</source>
        <translation>Caractères terminés / total</translation>
    </message>
</context>
<context>
    <name>NxTextToSpeechWidget</name>
    <message>
        <source>The number of sentences</source>
        <translation>Le nombre de phrases</translation>
    </message>
    <message>
        <source>%1 required for the remaining transcription is insufficient. %2 written will be refreshed every 30 days</source>
        <translation>%1 ne suffit pas pour terminer la conversion. %2 est renouvelé tous les 30 jours.</translation>
    </message>
</context>
<context>
    <name>NxTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>NxUsageAllowance</name>
    <message>
        <source>The time or characters used cannot be recorded, so nothing was charged: %1. Free some space in the data folder, then retry.</source>
        <translation>Le temps ou les caractères utilisés ne peuvent pas être enregistrés, rien n&apos;a donc été décompté&#xa0;: %1. Libérez de l&apos;espace dans le dossier de données, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>NxVoiceItemAccessible</name>
    <message>
        <source>Preview</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculine</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Féminine</translation>
    </message>
    <message>
        <source>Speaking</source>
        <translation>En train de parler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>English (US)</source>
        <translation>Anglais (États-Unis)</translation>
    </message>
    <message>
        <source>English (UK)</source>
        <translation>Anglais (Royaume-Uni)</translation>
    </message>
    <message>
        <source>German (Germany)</source>
        <translation>Allemand (Allemagne)</translation>
    </message>
    <message>
        <source>Spanish (Spain)</source>
        <translation>Espagnol (Espagne)</translation>
    </message>
    <message>
        <source>French (France)</source>
        <translation>Français (France)</translation>
    </message>
    <message>
        <source>Italian (Italy)</source>
        <translation>Italien (Italie)</translation>
    </message>
    <message>
        <source>Portuguese (Brazil)</source>
        <translation>Portugais (Brésil)</translation>
    </message>
    <message>
        <source>Japanese (Japan)</source>
        <translation>Japonais (Japon)</translation>
    </message>
    <message>
        <source>Chinese (Cantonese)</source>
        <translation>Chinois (cantonais)</translation>
    </message>
    <message>
        <source>Chinese (Mandarin, TW)</source>
        <translation>Chinois (mandarin, Taïwan)</translation>
    </message>
    <message>
        <source>Russian (Russia)</source>
        <translation>Russe (Russie)</translation>
    </message>
    <message>
        <source>Dutch (Netherlands)</source>
        <translation>Néerlandais (Pays-Bas)</translation>
    </message>
    <message>
        <source>Arabic (United Arab Emirates)</source>
        <translation>Arabe (Émirats arabes unis)</translation>
    </message>
    <message>
        <source>Korean (Korea)</source>
        <translation>Coréen (Corée)</translation>
    </message>
    <message>
        <source>Polish (Poland)</source>
        <translation>Polonais (Pologne)</translation>
    </message>
    <message>
        <source>Romanian (Romania)</source>
        <translation>Roumain (Roumanie)</translation>
    </message>
    <message>
        <source>Indonesian (Indonesia)</source>
        <translation>Indonésien (Indonésie)</translation>
    </message>
    <message>
        <source>Swedish (Sweden)</source>
        <translation>Suédois (Suède)</translation>
    </message>
    <message>
        <source>Delete task tips</source>
        <translation>Supprimer la tâche</translation>
    </message>
    <message>
        <source>The conversion is not yet complete.</source>
        <translation>La conversion n&apos;est pas terminée. </translation>
    </message>
    <message>
        <source>Are you sure you want to delete the task?</source>
        <translation>Voulez-vous vraiment supprimer la tâche&#xa0;? </translation>
    </message>
    <message>
        <source>If you delete the task now, the balance may still be deducted.</source>
        <translation>Si vous la supprimez maintenant, votre crédit peut tout de même être débité.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>Partial text transcription failed</source>
        <translation>Échec partiel de la conversion</translation>
    </message>
    <message>
        <source>Unkown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Unknow error</source>
        <translation>Erreur inconnue </translation>
    </message>
    <message>
        <source>Not enough hours left</source>
        <translation>Temps de transcription insuffisant</translation>
    </message>
    <message>
        <source>Transcode failure</source>
        <translation>Échec du transcodage</translation>
    </message>
    <message>
        <source>Only 1 hour file can be transcribed in a single task.</source>
        <translation>Limite&#xa0;: une heure d&apos;audio</translation>
    </message>
    <message>
        <source>Unrecognized file content.</source>
        <translation>Contenu du fichier non reconnu.</translation>
    </message>
    <message>
        <source>Upload failure</source>
        <translation>Échec de l&apos;envoi</translation>
    </message>
    <message>
        <source>Login error</source>
        <translation>Erreur de connexion au compte</translation>
    </message>
    <message>
        <source>Transcription  failure</source>
        <translation>Échec de la transcription</translation>
    </message>
    <message>
        <source>Network connection is broken</source>
        <translation>La connexion réseau est interrompue</translation>
    </message>
    <message>
        <source>Not enough characters left</source>
        <translation>Caractères restants insuffisants</translation>
    </message>
    <message>
        <source>Only 1500 characters can be transcribed in a single task.</source>
        <translation>Limite&#xa0;: 1&#xa0;500 caractères</translation>
    </message>
</context>
</TS>
