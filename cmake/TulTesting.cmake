# Helpers for the test suite: every test runs offscreen, with the software scene graph,
# with the repository's tool stand-ins, and with all data roots inside the build tree,
# so that no test can touch the real data root or flash drive even by mistake.

function(_tul_test_environment name out)
    set(scratch ${CMAKE_BINARY_DIR}/test-roots/${name})
    file(MAKE_DIRECTORY ${scratch}/root ${scratch}/flash ${scratch}/system ${scratch}/cache
         ${scratch}/config ${scratch}/data)
    set(${out}
        "QT_QPA_PLATFORM=offscreen"
        "QT_QUICK_BACKEND=software"
        "QT_LOGGING_RULES=qt.qpa.*=false"
        "TUL_TOOLS_DIR=${CMAKE_SOURCE_DIR}/tools/standins"
        "TUL_ROOT_DIR=${scratch}/root/"
        "TUL_FLASH_DIR=${scratch}/flash/"
        "TUL_SYSTEM_DIR=${scratch}/system/"
        "TUL_TOOLS_LOG=${scratch}/tools.log"
        "TUL_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
        # Caches (QML's compiled files), settings and data Qt would keep in the home folder;
        # temporary files go to the test program's own folder (tests/support/scratchdefault.cpp).
        "XDG_CACHE_HOME=${scratch}/cache"
        "XDG_CONFIG_HOME=${scratch}/config"
        "XDG_DATA_HOME=${scratch}/data"
        # The end-of-line test server on any free port, so that tests running side by side
        # never meet on the fixed one; tests of the fixed port say so and take RESOURCE_LOCK eolports.
        "TUL_EOL_TCP_PORT=0"
        PARENT_SCOPE)
endfunction()

# tul_add_test(NAME n SOURCES ... [LIBS ...] [RESOURCE_LOCK ...] [ENVIRONMENT ...] [TIMEOUT s] [LABELS ...])
function(tul_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;RESOURCE_LOCK;ENVIRONMENT;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt5::Test tul_testsupport tul_scratchdefault ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    _tul_test_environment(${T_NAME} env)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        ENVIRONMENT "${env};${T_ENVIRONMENT}"
        TIMEOUT ${T_TIMEOUT})
    if(T_RESOURCE_LOCK)
        set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK "${T_RESOURCE_LOCK}")
    endif()
    if(T_LABELS)
        set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}")
    endif()
endfunction()

# tul_add_fuzzer(NAME n SOURCES ... [LIBS ...] CORPUS dir)
# The entry point (LLVMFuzzerTestOneInput) is built either with a small driver that
# replays the checked-in corpus as an ordinary test, or, with TUL_FUZZING, as a real
# libFuzzer target (run it by hand through tools/fuzz.sh, which fuzzes a copy of the corpus).
function(tul_add_fuzzer)
    cmake_parse_arguments(F "" "NAME;CORPUS" "SOURCES;LIBS" ${ARGN})
    add_executable(${F_NAME} ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE tul_fuzzsupport ${F_LIBS})
    if(TUL_FUZZING)
        target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    else()
        target_link_libraries(${F_NAME} PRIVATE tul_fuzzreplay tul_scratchdefault)
        add_test(NAME ${F_NAME} COMMAND ${F_NAME} ${F_CORPUS})
        _tul_test_environment(${F_NAME} env)
        set_tests_properties(${F_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300 LABELS fuzz)
    endif()
endfunction()
