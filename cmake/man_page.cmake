# cmake -DCLI=<orva-config> -DIN=<page.in> -DOUT=<page> -DPROJECT_VERSION=<version> -P man_page.cmake
# Writes the manual page OUT from IN with @PROJECT_VERSION@ and @ORVA_EXIT_STATUS@ filled in, the latter
# by `orva-config exit-codes --manual`: the page's exit codes are those of the program's --help.
execute_process(COMMAND ${CLI} exit-codes --manual
                OUTPUT_VARIABLE ORVA_EXIT_STATUS
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${CLI} exit-codes --manual failed: ${result}")
endif()
string(REGEX REPLACE "\n$" "" ORVA_EXIT_STATUS "${ORVA_EXIT_STATUS}")
configure_file(${IN} ${OUT} @ONLY)
