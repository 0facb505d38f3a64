set(NXENGINE_STT_SOURCES
  stt/NxMediaSpan.h stt/NxMediaSpan.cpp
  stt/NxRecognizedWord.h
  stt/NxSubtitleCue.h
  stt/NxAudioDecoder.h stt/NxAudioDecoder.cpp
  stt/NxSpeechSegmenter.h stt/NxSpeechSegmenter.cpp
  stt/NxSpeechRecognizer.h stt/NxSpeechRecognizer.cpp
  stt/NxRecognizerPool.h stt/NxRecognizerPool.cpp
  stt/NxCueBuilder.h stt/NxCueBuilder.cpp
  stt/NxSrtWriter.h stt/NxSrtWriter.cpp
  stt/NxSpeechToTextJob.h stt/NxSpeechToTextJob.cpp
  stt/NxSpeechToTextQueueManager.h stt/NxSpeechToTextQueueManager.cpp
  stt/NxOfflineSpeechToTextManager.h stt/NxOfflineSpeechToTextManager.cpp
)
