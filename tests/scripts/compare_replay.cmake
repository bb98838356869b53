# Runs one replay script and compares its output with NAME.expected.json, line by line.
# The first line of a script may name the locale: "# locale: el_GR".
# With the environment variable CW_UPDATE_GOLDEN=1 the expected file is rewritten instead;
# read a rewritten file line by line before committing it.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected ${dir}/${name}.expected.json)

file(STRINGS ${SCRIPT} header LIMIT_COUNT 1)
set(locale el_GR)
if(header MATCHES "^# locale: ([A-Za-z_]+)")
    set(locale ${CMAKE_MATCH_1})
endif()

execute_process(COMMAND ${REPLAY} --locale ${locale} ${SCRIPT}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "replay of ${name} exited with ${status}: ${errors}")
endif()

if("$ENV{CW_UPDATE_GOLDEN}" STREQUAL "1")
    file(WRITE ${expected} "${actual}")
    message(STATUS "rewrote ${expected}")
    return()
endif()

file(READ ${expected} wanted)
if(NOT actual STREQUAL wanted)
    string(REPLACE "\n" ";" actual_lines "${actual}")
    string(REPLACE "\n" ";" wanted_lines "${wanted}")
    list(LENGTH actual_lines n_actual)
    list(LENGTH wanted_lines n_wanted)
    message(FATAL_ERROR "replay of ${name} differs from ${expected}\n"
                        "dumps: got ${n_actual} lines, expected ${n_wanted}\n"
                        "got:      ${actual}\nexpected: ${wanted}")
endif()
