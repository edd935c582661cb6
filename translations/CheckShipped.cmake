# cmake -DTS_FILES="a.ts;b.ts" -P CheckShipped.cmake: fails for a language file that still
# holds a text to translate (unfinished) or one the code no longer has (obsolete, vanished).
foreach(ts IN LISTS TS_FILES)
    file(READ ${ts} content)
    foreach(type unfinished obsolete vanished)
        string(REGEX MATCHALL "type=\"${type}\"" found "${content}")
        list(LENGTH found count)
        if(count GREATER 0)
            message(FATAL_ERROR "${ts}: ${count} text(s) marked ${type}; a shipped language must be "
                                "complete and current (see translations/README.md)")
        endif()
    endforeach()
endforeach()
