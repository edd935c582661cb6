# cmake -DTS_FILES="a.ts;b.ts" -DDESKTOP_ENTRY=file -P CheckShipped.cmake: fails for a language
# file that still holds a text to translate (unfinished) or one the code no longer has
# (obsolete, vanished), and for a language the desktop entry does not describe Quibbet in.
file(READ ${DESKTOP_ENTRY} entry)
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
    string(REGEX REPLACE "^.*quibbet_(.*)\\.ts$" "\\1" language "${ts}")
    foreach(key GenericName Comment Keywords)
        if(NOT entry MATCHES "\n${key}\\[${language}\\]=")
            message(FATAL_ERROR "${DESKTOP_ENTRY}: no ${key}[${language}]; the menus would describe Quibbet "
                                "in English to a user of a shipped language")
        endif()
    endforeach()
endforeach()

