# The Windows program's folder: tarnik.exe with its data and help beside it (where the program
# looks first), and everything it needs to start on a Windows without Qt or MinGW: the Qt DLLs
# and the plug-ins it loads, libzip and zlib, the compiler's runtime DLLs, Qt's Polish texts and
# a qt.conf that makes this folder Qt's own (plug-ins and translations under it). The install
# makes that folder; the build's bin/ gets the same files, so that the programs and tests built
# there run as they are (under Wine).
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Sql)
find_package(PkgConfig REQUIRED)
pkg_check_modules(TARNIK_WINDOWS_LIBZIP REQUIRED libzip)

set(TARNIK_WINDOWS_FILES) # pairs: the folder under the program's, the file
foreach(lib Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Sql)
    list(APPEND TARNIK_WINDOWS_FILES . $<TARGET_FILE:${lib}>)
endforeach()
# The plug-ins, each into the folder Qt looks for its kind in.
foreach(kind_plugin
        platforms:QWindowsIntegrationPlugin platforms:QOffscreenIntegrationPlugin
        styles:QWindowsVistaStylePlugin sqldrivers:QSQLiteDriverPlugin
        imageformats:QICOPlugin imageformats:QJpegPlugin imageformats:QGifPlugin)
    string(REPLACE ":" ";" kind_plugin ${kind_plugin})
    list(GET kind_plugin 0 kind)
    list(GET kind_plugin 1 plugin)
    if(NOT TARGET Qt6::${plugin})
        message(FATAL_ERROR "The Qt for Windows in use has no ${plugin}")
    endif()
    list(APPEND TARNIK_WINDOWS_FILES ${kind} $<TARGET_FILE:Qt6::${plugin}>)
endforeach()

# libzip's DLL sits in the bin folder beside the lib folder pkg-config names; zlib and the C++
# runtime come from Debian's MinGW-w64 packages; Qt's Polish texts from the host's Qt, which is
# the same version.
set(hints)
foreach(dir ${TARNIK_WINDOWS_LIBZIP_LIBRARY_DIRS})
    list(APPEND hints ${dir}/../bin ${dir})
endforeach()
find_file(TARNIK_LIBZIP_DLL libzip.dll HINTS ${hints} NO_DEFAULT_PATH)
find_file(TARNIK_ZLIB_DLL zlib1.dll PATHS /usr/x86_64-w64-mingw32/lib /usr/x86_64-w64-mingw32/bin
    NO_DEFAULT_PATH)
set(found ${TARNIK_LIBZIP_DLL} ${TARNIK_ZLIB_DLL})
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    list(APPEND found ${path})
endforeach()
foreach(dll ${found})
    if(NOT EXISTS "${dll}")
        message(FATAL_ERROR "A DLL the Windows program needs was not found: ${dll}")
    endif()
    list(APPEND TARNIK_WINDOWS_FILES . ${dll})
endforeach()
find_file(TARNIK_QT_POLISH qtbase_pl.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
    NO_CMAKE_FIND_ROOT_PATH)
if(NOT TARNIK_QT_POLISH)
    message(FATAL_ERROR "qtbase_pl.qm not found (Debian's qt6-translations-l10n)")
endif()
list(APPEND TARNIK_WINDOWS_FILES translations ${TARNIK_QT_POLISH}
    . ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf)

set(copy_commands)
while(TARNIK_WINDOWS_FILES)
    list(POP_FRONT TARNIK_WINDOWS_FILES folder file)
    install(FILES ${file} DESTINATION ${TARNIK_INSTALL_BINDIR}/${folder})
    list(APPEND copy_commands
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file}
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder})
endwhile()
# The tests' own Qt library, in the build only.
if(TARNIK_BUILD_TESTS)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    list(APPEND copy_commands
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::Test>
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
endif()
add_custom_target(tarnik_windows_runtime ALL ${copy_commands}
    COMMENT "Copying the DLLs and plug-ins beside the Windows programs")
add_dependencies(tarnik_app tarnik_windows_runtime)
