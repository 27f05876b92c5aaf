# Each layer links only the layers below it. Checked once every target is defined, so that a
# link that crosses a layer fails the configure step instead of waiting for a review.

# Every target of the project that `target` links, directly or through what it links, and the
# outside targets those link (Qt6::Widgets, SQLite::SQLite3, ...).
function(tramex_linked_targets target out)
    set(seen)
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        get_target_property(imported ${current} IMPORTED)
        if(imported)
            continue()
        endif()
        get_target_property(libraries ${current} LINK_LIBRARIES)
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(library IN LISTS libraries interface)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
            if(library AND TARGET ${library} AND NOT library IN_LIST seen)
                list(APPEND seen ${library})
                list(APPEND pending ${library})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(tramex_forbid_links target)
    tramex_linked_targets(${target} linked)
    foreach(forbidden IN LISTS ARGN)
        if(forbidden IN_LIST linked)
            message(FATAL_ERROR "${target} links ${forbidden}, which lies above it (see ARCHITECTURE.md)")
        endif()
    endforeach()
endfunction()

function(tramex_check_layers)
    # The engine stands alone: Permix links it without the card store or the seams.
    tramex_forbid_links(tramex_engine tramex_interaction tramex_store tramex_common tramex_transfer tramex_ui)
    # Permix stands on the engine alone, without the card store or the explorer.
    tramex_forbid_links(tramex_useradmin tramex_store tramex_transfer tramex_explorer)
    # Core libraries and components use QtCore at most.
    foreach(core tramex_platform tramex_automation tramex_interaction tramex_engine tramex_store tramex_common
                 tramex_transfer tramex_configdb tramex_setup Utilex4 Utilex Grivola SalvixZip)
        tramex_forbid_links(${core} Qt6::Gui Qt6::Widgets tramex_ui)
    endforeach()
endfunction()
