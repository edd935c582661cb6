# One place that registers a Qt Test program with CTest.
#   quibbet_add_test(NAME tst_x SOURCES a.cpp LIBS quibbet_store [E2E])
# Widget tests run on the offscreen platform; E2E tests get the label "e2e" and
# start their own X server.
find_package(Qt6 REQUIRED COMPONENTS Test)

function(quibbet_add_test)
    cmake_parse_arguments(T "E2E" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    # In programs with dialogs, those nobody answers are cancelled (see the source).
    set(with_dialogs quibbet_widgets quibbet_dialogs quibbet_app)
    foreach(lib IN LISTS T_LIBS)
        if(NOT T_E2E AND lib IN_LIST with_dialogs)
            target_link_libraries(${T_NAME} PRIVATE quibbet_test_unanswered_dialogs)
            break()
        endif()
    endforeach()
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    if(T_E2E)
        set_tests_properties(${T_NAME} PROPERTIES LABELS e2e)
    else()
        # The program's data folder (its backups) is the build's, never the user's.
        set_tests_properties(${T_NAME} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data-home"
            TIMEOUT 120)
    endif()
endfunction()
