# The remote engine: a speech server speaking the OpenAI-style audio API.
set(NXENGINE_REMOTE_SOURCES
  remote/NxRemoteSettings.h remote/NxRemoteSettings.cpp
  remote/NxSpeechServerClient.h remote/NxSpeechServerClient.cpp
  remote/NxServerCheck.h remote/NxServerCheck.cpp
  remote/NxCompactAudioEncoder.h remote/NxCompactAudioEncoder.cpp
  remote/NxTranscriptReader.h remote/NxTranscriptReader.cpp
  remote/NxRemoteTranscription.h remote/NxRemoteTranscription.cpp
  remote/NxRemoteSpeechToTextManager.h remote/NxRemoteSpeechToTextManager.cpp
  remote/NxRemoteSentenceSpeaker.h remote/NxRemoteSentenceSpeaker.cpp
  remote/NxRemoteTextToSpeechManager.h remote/NxRemoteTextToSpeechManager.cpp
)
