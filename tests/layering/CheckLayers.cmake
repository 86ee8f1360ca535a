# Fails when a lower layer includes a higher one: engine/ sees neither messaging/ nor the GUI,
# messaging/ does not see the GUI, vrix/ sees none of the three, and the explorer's item views
# see neither the explorer window nor search. The GUI side installs what
# the lower layers need behind an interface at start-up.
#   cmake -DROOT=<source tree> -P CheckLayers.cmake
set(rules
    "engine|messaging/|vx_qtgui/"
    "messaging|vx_qtgui/"
    "vrix|engine/|messaging/|vx_qtgui/"
    # Explorer views build on the item models only: not on the window, its peer or search.
    "vx_qtgui/modelexplorer/itemviews|messaging/|vx_qtgui/modelexplorer/search/|vx_qtgui/modelexplorer/[^/]+\\.h")
set(failures "")
foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" parts "${rule}")
    list(POP_FRONT parts folder)
    file(GLOB_RECURSE sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp"
        "${ROOT}/${folder}/*.def")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            foreach(forbidden IN LISTS parts)
                if(line MATCHES "\"${forbidden}")
                    file(RELATIVE_PATH relative "${ROOT}" "${source}")
                    string(APPEND failures "  ${relative}: ${line}\n")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "layer check: a lower layer includes a higher one\n${failures}")
endif()
message(STATUS "layer check: no layer includes one above it")
