# Makes one window's picture for its help topic with the scripted driver:
#   cmake -DDRIVER=... -DCLASS=Tondep -DSHOT=help/shots/primarie.txt -DOUT=pictures/primarie.png -P help_picture.cmake
# The window's shot file, when there is one, holds the driver's actions on one line; without it the
# window is opened at 960x540 and run for 60 ticks. The picture is written whole or not at all.
if(SHOT)
  file(READ "${SHOT}" actions)
  string(STRIP "${actions}" actions)
  separate_arguments(actions UNIX_COMMAND "${actions}")
else()
  set(actions --size 960x540 open ${CLASS} tick 60)
endif()
set(partial "${OUT}.part.png")
execute_process(
  # In the sanitizer build a picture is no test: leaks are looked for by the tests, not here.
  COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          "${DRIVER}" ${actions} save "${partial}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS "${partial}")
  file(REMOVE "${partial}")
  list(JOIN actions " " shown)
  message(FATAL_ERROR "The picture of ${CLASS} for its help topic failed (${status}):\n"
                      "  ${DRIVER} ${shown} save ${partial}\n${errors}")
endif()
file(RENAME "${partial}" "${OUT}")
