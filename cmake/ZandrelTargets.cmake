# Settings shared by every target of the project, applied per target.

function(zandrel_configure_target target)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII
        QT_NO_CAST_TO_ASCII
        QT_USE_QSTRINGBUILDER
        QT_NO_URL_CAST_FROM_STRING
        QT_DISABLE_DEPRECATED_UP_TO=0x060400)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
            -Wshadow -Wconversion -Wsign-conversion)
        # The same source gives the same bytes wherever it is checked out and
        # built: file names in debug info and __FILE__ are relative. The
        # build folder's mapping comes last, so it wins when the build folder
        # lies inside the sources.
        target_compile_options(${target} PRIVATE
            "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
            "-ffile-prefix-map=${PROJECT_BINARY_DIR}=.")
        if(NOT WIN32)
            # Debian's hardening: checked buffer functions (they need the
            # optimiser) and a guarded stack.
            target_compile_options(${target} PRIVATE -fstack-protector-strong)
            target_compile_definitions(${target} PRIVATE
                $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
        endif()
        if(ZANDREL_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
        if(ZANDREL_SANITIZE)
            # Any report is a failure: no recovering and carrying on.
            set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all
                -fno-omit-frame-pointer)
            target_compile_options(${target} PRIVATE ${sanitize})
            target_link_options(${target} PRIVATE ${sanitize})
        endif()
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8 $<$<BOOL:${ZANDREL_WERROR}>:/WX>)
    endif()
endfunction()

# Qt wants a private runtime folder; tests get one in the build tree.
set(ZANDREL_TEST_RUNTIME_DIR "${CMAKE_BINARY_DIR}/test-runtime")
file(MAKE_DIRECTORY "${ZANDREL_TEST_RUNTIME_DIR}")
file(CHMOD "${ZANDREL_TEST_RUNTIME_DIR}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# One QtTest program is one CTest test, run offscreen with a fixed locale.
function(zandrel_add_qtest name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
    qt_add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBRARIES})
    zandrel_configure_target(${name})
    if(Qt6_VERSION VERSION_GREATER_EQUAL 6.7)
        # From Qt 6.7 every QTRY_ macro narrows a std::chrono count to int
        # inside its own expansion. Qt 6.4 builds keep the warning on the
        # same test code.
        target_compile_options(${name} PRIVATE -Wno-conversion)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=en_US.UTF-8;LC_ALL=;LANGUAGE=;XDG_RUNTIME_DIR=${ZANDREL_TEST_RUNTIME_DIR}"
        TIMEOUT 120)
endfunction()

# Unsets, for every test of the calling folder, what a desktop session
# exports that the program, Qt, GTK's portal or Wine would read: its buses,
# its displays, its desktop's name, theme and scale, accessibility switches;
# and the marks of the project's own sessions, so that a test run from inside
# one makes its own.
function(zandrel_isolate_tests)
    set(desktop DBUS_SESSION_BUS_ADDRESS DBUS_STARTER_ADDRESS DBUS_STARTER_BUS_TYPE
        AT_SPI_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY XAUTHORITY XDG_SESSION_TYPE
        XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION GNOME_DESKTOP_SESSION_ID
        KDE_FULL_SESSION KDE_SESSION_VERSION GTK_THEME GTK_MODULES GSETTINGS_BACKEND
        QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
        QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_ACCESSIBILITY
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_WAYLAND_DECORATION XDG_ACTIVATION_TOKEN
        DESKTOP_STARTUP_ID SESSION_MANAGER ZANDREL_GNOME_HOME ZANDREL_IN_SESSION)
    set(changes "XDG_RUNTIME_DIR=set:${ZANDREL_TEST_RUNTIME_DIR}")
    foreach(variable IN LISTS desktop)
        list(APPEND changes "${variable}=unset:")
    endforeach()
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT_MODIFICATION ${changes})
    endforeach()
endfunction()

function(zandrel_add_format_target)
    find_program(CLANG_FORMAT_EXECUTABLE NAMES clang-format clang-format-14)
    if(NOT CLANG_FORMAT_EXECUTABLE)
        return()
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        "${PROJECT_SOURCE_DIR}/*.cpp" "${PROJECT_SOURCE_DIR}/*.h")
    list(FILTER sources EXCLUDE REGEX "/build[^/]*/")
    add_custom_target(format
        COMMAND ${CLANG_FORMAT_EXECUTABLE} -i ${sources}
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        COMMENT "Formatting sources with clang-format"
        VERBATIM)
endfunction()

# Writes OUTPUT from the program's own tables (WHAT: texts or design) with
# resources/ExportTables.cpp, built for the build machine: with the project's
# compiler, or with the build machine's own when cross-building.
function(zandrel_export_tables what output)
    set(sources "${PROJECT_SOURCE_DIR}/resources/ExportTables.cpp"
        "${PROJECT_SOURCE_DIR}/window/Texts.cpp")
    if(CMAKE_CROSSCOMPILING)
        set(tool "${PROJECT_BINARY_DIR}/host/export-tables")
        if(NOT TARGET zandrel_export_tables_host)
            find_program(ZANDREL_HOST_CXX NAMES c++ g++ REQUIRED)
            add_custom_command(OUTPUT "${tool}"
                COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/host"
                COMMAND "${ZANDREL_HOST_CXX}" -std=c++20 -O1 "-I${PROJECT_SOURCE_DIR}" ${sources}
                        -o "${tool}"
                DEPENDS ${sources} "${PROJECT_SOURCE_DIR}/window/Controls.h"
                        "${PROJECT_SOURCE_DIR}/window/FormDesign.h"
                        "${PROJECT_SOURCE_DIR}/window/Texts.h"
                VERBATIM)
            add_custom_target(zandrel_export_tables_host DEPENDS "${tool}")
        endif()
        set(depends zandrel_export_tables_host "${tool}")
    else()
        if(NOT TARGET export_tables)
            add_executable(export_tables ${sources})
            target_include_directories(export_tables PRIVATE "${PROJECT_SOURCE_DIR}")
            zandrel_configure_target(export_tables)
        endif()
        set(tool export_tables)
        set(depends export_tables)
    endif()
    add_custom_command(OUTPUT "${output}"
        COMMAND "${tool}" "${what}" "${output}"
        DEPENDS ${depends}
        VERBATIM)
endfunction()
