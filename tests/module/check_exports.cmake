# Fails when the module's library exports a symbol outside its public
# classes: cmake -DLIBRARY=<path> -P check_exports.cmake
cmake_minimum_required(VERSION 3.25)
set(public
  NxSpeechServiceDialog
  NxSpeechToTextParamDialog
  NxTextToSpeechParamDlg
  NxTextToSpeechParamDialog
  INxSpeechServicePresenter)
list(JOIN public "|" publicPattern)
execute_process(COMMAND nm -D --defined-only -C "${LIBRARY}"
  OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm could not read ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${symbols}")
set(classes "")
foreach(line IN LISTS lines)
  # "<address> <type> <name>"
  string(REGEX REPLACE "^[0-9a-f]+ [A-Za-z] " "" name "${line}")
  if(name STREQUAL "" OR name MATCHES "^(__bss_start|_edata|_end)$")
    continue()
  endif()
  if(NOT name MATCHES "^(typeinfo for |typeinfo name for |vtable for |non-virtual thunk to )?(${publicPattern})(::|$)")
    message(FATAL_ERROR "exported but internal: ${name}")
  endif()
  list(APPEND classes "${CMAKE_MATCH_2}")
endforeach()
foreach(class IN LISTS public)
  if(NOT class IN_LIST classes)
    message(FATAL_ERROR "not exported: ${class}")
  endif()
endforeach()
