# What `cmake --install` puts under the prefix, so that a host can say
# find_package(NxSpeechService) and link NxSpeechService::NxSpeechService.
#
# The host libraries here stand in for the host application's own; they are
# installed beside the module because nothing links or loads without them.
# The ones the exported headers reach (the kit's dialog, the timeline objects
# and the core services under the kit) are exported targets too; the rest are
# only needed at run time and travel as files.
#
# The libraries are the "Runtime" component, which nx-studio's package ships
# too; the headers and CMake files are the "Development" component.
include(CMakePackageConfigHelpers)

set(NXSPEECH_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/NxSpeechService)

install(TARGETS NxSpeechService NxWidgetKit NxTimeline NxCore
  EXPORT NxSpeechServiceTargets
  LIBRARY DESTINATION ${NXSPEECH_INSTALL_LIBDIR} COMPONENT Runtime)
install(TARGETS NxSettings NxAnalytics NxSpeechModel NxTaskObservers NxSpeechEngineCore NxSpeechEngine NxSpeechRemoteEngine NxTaskbar NxTranslations
  LIBRARY DESTINATION ${NXSPEECH_INSTALL_LIBDIR} COMPONENT Runtime)

# The exported classes' headers and the host headers they include.
list(TRANSFORM NxSpeechService_PUBLIC_HEADERS PREPEND NxSpeechService/ OUTPUT_VARIABLE NXSPEECH_PUBLIC_HEADER_FILES)
install(FILES ${NXSPEECH_PUBLIC_HEADER_FILES} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/NxSpeechService COMPONENT Development)
install(FILES host/NxWidgetKit/NxDialog.h host/NxWidgetKit/NxFramelessDialog.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/NxWidgetKit COMPONENT Development)
install(FILES host/NxTimeline/INxClip.h host/NxTimeline/INxTimeline.h host/NxTimeline/NxRational.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/NxTimeline COMPONENT Development)

install(EXPORT NxSpeechServiceTargets
  NAMESPACE NxSpeechService::
  DESTINATION ${NXSPEECH_CMAKE_DIR} COMPONENT Development)
configure_package_config_file(cmake/NxSpeechServiceConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/NxSpeechServiceConfig.cmake
  INSTALL_DESTINATION ${NXSPEECH_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/NxSpeechServiceConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/NxSpeechServiceConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/NxSpeechServiceConfigVersion.cmake
  DESTINATION ${NXSPEECH_CMAKE_DIR} COMPONENT Development)
