# cmake -DSOURCES=<file listing one source a line> -DSTAMP=<file> -P this
# Fails, naming each place, when a source includes a path with "..": the
# include roots are the only way from one library to another.
file(STRINGS ${SOURCES} sources)
set(climbing_include "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\.[/\\\\]")
set(places "")
foreach(source IN LISTS sources)
    file(STRINGS ${source} hits REGEX "${climbing_include}")
    if(NOT hits)
        continue()
    endif()
    # Only a file that has one is read line by line, for the line numbers.
    file(READ ${source} text)
    # Brackets and semicolons would bend the list of lines; neither is in an include.
    string(REGEX REPLACE "[][;]" " " text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(line MATCHES "${climbing_include}")
            string(STRIP "${line}" line)
            string(APPEND places "\n  ${source}:${number}: ${line}")
        endif()
    endforeach()
endforeach()
if(places)
    message(FATAL_ERROR "An include climbs out of its folder; include a lower "
        "layer by its root instead (\"session/...\"), never by \"../\":${places}")
endif()
file(TOUCH ${STAMP})
