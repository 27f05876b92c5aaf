include(GoogleTest)

# A GoogleTest program registered with CTest, each test case on its own. RUN_SERIAL keeps its
# cases from running beside any other test: those that wait on a virtual X display of their own
# and on the desktop's tools time out on a machine busy with a parallel run.
function(tramex_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "RUN_SERIAL" "" "")
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    set_target_properties(${name} PROPERTIES TRAMEX_TEST_CODE ON)
    target_link_libraries(${name} PRIVATE tramex_policy tramex_test_support GTest::gtest GTest::gtest_main GTest::gmock)
    set(serial FALSE)
    if(ARG_RUN_SERIAL)
        set(serial TRUE)
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                   ENVIRONMENT_MODIFICATION "TRAMEX_BIN_DIR=set:${CMAKE_BINARY_DIR}/bin"
                   RUN_SERIAL ${serial})
endfunction()

# A Qt Test program on the offscreen platform, registered with CTest as one test: every test
# class its sources add with TRAMEX_QT_TEST runs under the one main of tests/support.
function(tramex_qtest name)
    add_executable(${name} ${ARGN})
    set_target_properties(${name} PROPERTIES TRAMEX_TEST_CODE ON)
    target_link_libraries(${name} PRIVATE tramex_policy tramex_test_support tramex_qtest_main Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_DISABLE_STACK_DUMP=1;TRAMEX_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()
