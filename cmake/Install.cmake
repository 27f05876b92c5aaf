# What `cmake --install` puts where: programs and tools in bin, the component libraries and the
# suite's own shared libraries in lib/tramex, desktop entries and icons in share. Each program's
# CMakeLists calls tramex_install_program or tramex_install_component; the shared libraries they
# link are found and installed once every target is defined.
include(GNUInstallDirs)
set(TRAMEX_INSTALL_LIBDIR lib/tramex)

function(tramex_install_program target)
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/../${TRAMEX_INSTALL_LIBDIR}")
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    set_property(GLOBAL APPEND PROPERTY TRAMEX_INSTALLED_TARGETS ${target})
endfunction()

function(tramex_install_component target)
    install(TARGETS ${target} LIBRARY DESTINATION ${TRAMEX_INSTALL_LIBDIR})
    set_property(GLOBAL APPEND PROPERTY TRAMEX_INSTALLED_TARGETS ${target})
endfunction()

# The project's shared libraries that the installed programs and components link.
function(tramex_install_linked_libraries)
    get_property(installed GLOBAL PROPERTY TRAMEX_INSTALLED_TARGETS)
    set(libraries)
    foreach(target IN LISTS installed)
        tramex_linked_targets(${target} linked)
        foreach(library IN LISTS linked)
            get_target_property(type ${library} TYPE)
            get_target_property(imported ${library} IMPORTED)
            if(type STREQUAL "SHARED_LIBRARY" AND NOT imported)
                list(APPEND libraries ${library})
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES libraries)
    install(TARGETS ${libraries} LIBRARY DESTINATION ${TRAMEX_INSTALL_LIBDIR})
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tramex_install_linked_libraries)
