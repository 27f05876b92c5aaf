# One place for the compile policy every target links.
add_library(tramex_policy INTERFACE)
target_compile_features(tramex_policy INTERFACE cxx_std_20)
# Text never becomes a QString without saying its encoding; test code (TRAMEX_TEST_CODE) may
# still compare with and build from string literals.
target_compile_definitions(tramex_policy INTERFACE
    $<IF:$<BOOL:$<TARGET_PROPERTY:TRAMEX_TEST_CODE>>,QT_RESTRICTED_CAST_FROM_ASCII,QT_NO_CAST_FROM_ASCII>
    QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
target_compile_options(tramex_policy INTERFACE
    -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor
    $<$<BOOL:${TRAMEX_WERROR}>:-Werror>)
if(TRAMEX_SANITIZE)
    target_compile_options(tramex_policy INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(tramex_policy INTERFACE -fsanitize=address,undefined)
endif()
# The fuzz build: every library instrumented for libFuzzer's coverage but the components and the
# object libraries built into them (TRAMEX_COMPONENT_PART), which are unloaded with their last
# instance while libFuzzer keeps every library's counters for good; the targets themselves link
# libFuzzer (fuzz/CMakeLists.txt).
if(TRAMEX_FUZZ)
    target_compile_options(tramex_policy INTERFACE
        $<$<NOT:$<OR:$<STREQUAL:$<TARGET_PROPERTY:TYPE>,MODULE_LIBRARY>,$<BOOL:$<TARGET_PROPERTY:TRAMEX_COMPONENT_PART>>>>:-fsanitize=fuzzer-no-link>
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
        # A component loaded on its own keeps its own type information of the standard templates.
        -fno-sanitize=vptr)
    target_link_options(tramex_policy INTERFACE -fsanitize=address,undefined)
endif()

# Core libraries link QtCore only; this keeps widget headers out of them.
function(tramex_core_library name)
    add_library(${name} ${ARGN})
    target_link_libraries(${name} PUBLIC tramex_policy Qt6::Core)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A component library: a shared object named like its Windows deliverable.
function(tramex_component name)
    add_library(${name} MODULE ${ARGN})
    set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".dll" OUTPUT_NAME ${name})
    target_link_libraries(${name} PRIVATE tramex_policy Qt6::Core)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    # GNU unique symbols would keep the library mapped after its last instance is gone.
    target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
endfunction()
