# Offline text to speech: Flite's English and espeak-ng's other voices, LAME MP3 products,
# Qt Multimedia previews.
set(NXENGINE_TTS_SOURCES
  tts/NxVoiceCatalogue.h tts/NxVoiceCatalogue.cpp
  tts/NxSpeechSynthesizer.h tts/NxSpeechSynthesizer.cpp
  tts/NxEspeakSynthesis.h tts/NxEspeakSynthesis.cpp
  tts/NxFliteSynthesis.h tts/NxFliteSynthesis.cpp
  tts/NxMp3Encoder.h tts/NxMp3Encoder.cpp
  tts/NxSentenceSpeaker.h
  tts/NxOfflineSentenceSpeaker.h tts/NxOfflineSentenceSpeaker.cpp
  tts/NxTextToSpeechJob.h tts/NxTextToSpeechJob.cpp
  tts/NxTextToSpeechQueueManager.h tts/NxTextToSpeechQueueManager.cpp
  tts/NxOfflineTextToSpeechManager.h tts/NxOfflineTextToSpeechManager.cpp
  tts/NxOfflineTextToSpeechQuery.h tts/NxOfflineTextToSpeechQuery.cpp
  tts/NxOfflineTextToSpeechAudition.h tts/NxOfflineTextToSpeechAudition.cpp
)
