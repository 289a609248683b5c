# Runs the editor EDITOR with command lines that must be answered before the application
# object exists: without a display (DISPLAY unset, the xcb platform asked for), any of them
# that reached the windows would abort instead of giving the expected status.
cmake_minimum_required(VERSION 3.25)
function(run_editor expected_status expected_stream)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          QT_QPA_PLATFORM=xcb ${EDITOR} ${ARGN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "torvelle ${ARGN}: status ${status}, expected ${expected_status}\n${err}")
  endif()
  if(expected_stream STREQUAL "out")
    set(shown "${out}")
    set(silent "${err}")
  else()
    set(shown "${err}")
    set(silent "${out}")
  endif()
  if(NOT silent STREQUAL "")
    message(FATAL_ERROR "torvelle ${ARGN}: unexpected output: ${silent}")
  endif()
  if(NOT shown MATCHES "${EXPECTED_TEXT}")
    message(FATAL_ERROR "torvelle ${ARGN}: printed '${shown}'")
  endif()
endfunction()

set(EXPECTED_TEXT "^Usage: torvelle \\[FILE\\]")
run_editor(0 out --help)
set(EXPECTED_TEXT "^torvelle [0-9]+\\.[0-9]+\n$")
run_editor(0 out --version)
set(EXPECTED_TEXT "^torvelle: .*\nUsage: torvelle \\[FILE\\]")
run_editor(2 err -reverse)
run_editor(2 err -qwindowtitle Hello)
run_editor(2 err a.tvl b.tvl)
