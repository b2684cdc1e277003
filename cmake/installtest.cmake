# The installed program (ctest: install_program): installs the build into PREFIX and checks the
# installed layout, that the data files arrive byte for byte, the desktop entry names the
# installed program, and that the program runs from there without TARNIK_DATA_DIR.
# Arguments: BUILD_DIR, SOURCE_DIR, PREFIX.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

foreach(f bin/tarnik share/applications/tarnik.desktop share/mime/packages/tarnik-ocena.xml
        share/icons/hicolor/64x64/apps/tarnik.png
        share/icons/hicolor/64x64/mimetypes/application-x-tarnik-ocena.png)
    if(NOT EXISTS "${PREFIX}/${f}")
        message(FATAL_ERROR "Not installed: ${f}")
    endif()
endforeach()
foreach(f pytania.txt chemiczne.txt pyly.txt fizyczne.txt biologiczne.txt uciazliwe.txt
        podpowiedzi.txt edytor.txt help/index.html help/edytor.html)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SOURCE_DIR}/data/${f}"
        "${PREFIX}/share/tarnik/${f}" RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "share/tarnik/${f} is missing or differs from data/${f}")
    endif()
endforeach()
if(EXISTS "${PREFIX}/share/tarnik/CMakeLists.txt")
    message(FATAL_ERROR "The build file was installed among the data")
endif()

file(READ "${PREFIX}/share/applications/tarnik.desktop" entry)
string(FIND "${entry}" "\nExec=\"${PREFIX}/bin/tarnik\" %f\n" at)
if(at EQUAL -1)
    message(FATAL_ERROR "The desktop entry does not start the installed program:\n${entry}")
endif()
string(FIND "${entry}" "\nMimeType=application/x-tarnik-ocena;\n" at)
if(at EQUAL -1)
    message(FATAL_ERROR "The desktop entry does not open assessments:\n${entry}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=TARNIK_DATA_DIR
    "${PREFIX}/bin/tarnik" --help
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Tarnik 2\\.18 - ocena ryzyka zawodowego na stanowisku pracy\n")
    message(FATAL_ERROR "The installed tarnik --help failed (${rc}):\n${out}${err}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=TARNIK_DATA_DIR
    "${PREFIX}/bin/tarnik" --summary "${PREFIX}/brak.trk"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT out STREQUAL "" OR NOT err MATCHES "brak\\.trk")
    message(FATAL_ERROR "The installed tarnik --summary of a missing file gave (${rc}):\n${out}${err}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
