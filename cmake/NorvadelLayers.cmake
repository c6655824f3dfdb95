# The core library builds only when none of its files includes a GUI header or a file of the GUI
# side (cmake/CheckCoreLayer.cmake says what counts). Included by the top-level CMakeLists.txt
# once every folder has listed its sources; sets NORVADEL_LAYER_CHECK and NORVADEL_LAYER_MANIFEST
# for the tests of the check.

set(NORVADEL_LAYER_CHECK "${CMAKE_CURRENT_LIST_DIR}/CheckCoreLayer.cmake")
set(NORVADEL_LAYER_MANIFEST "${PROJECT_BINARY_DIR}/layers/CoreLayer.cmake")

# The sources of aTarget, as absolute paths.
function(_norvadel_layer_sources aTarget aOut)
    set(result "")
    if(TARGET ${aTarget})
        get_target_property(sources ${aTarget} SOURCES)
        get_target_property(base ${aTarget} SOURCE_DIR)
        foreach(source IN LISTS sources)
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${base}" NORMALIZE)
            list(APPEND result "${source}")
        endforeach()
    endif()
    set(${aOut} "${result}" PARENT_SCOPE)
endfunction()

_norvadel_layer_sources(norvadel_core _layerCoreSources)
_norvadel_layer_sources(norvadel_gui _layerGuiSources)
get_target_property(_layerIncludeDirs norvadel_core INCLUDE_DIRECTORIES)

# A changed header of a core folder runs the check again, as a changed core source does.
set(_layerHeaders "")
foreach(_layerSource IN LISTS _layerCoreSources)
    cmake_path(GET _layerSource PARENT_PATH _layerDir)
    file(GLOB _layerFolderHeaders CONFIGURE_DEPENDS "${_layerDir}/*.h")
    list(APPEND _layerHeaders ${_layerFolderHeaders})
endforeach()
list(REMOVE_DUPLICATES _layerHeaders)

file(GENERATE OUTPUT "${NORVADEL_LAYER_MANIFEST}" CONTENT "\
set(LAYER_ROOT \"${PROJECT_SOURCE_DIR}\")
set(LAYER_BINARY_DIR \"${PROJECT_BINARY_DIR}\")
set(LAYER_INCLUDE_DIRS \"${_layerIncludeDirs}\")
set(LAYER_QT_DIRS \"$<TARGET_PROPERTY:Qt6::Core,INTERFACE_INCLUDE_DIRECTORIES>;\
$<TARGET_PROPERTY:Qt6::Network,INTERFACE_INCLUDE_DIRECTORIES>\")
set(LAYER_CORE_SOURCES \"${_layerCoreSources}\")
set(LAYER_GUI_SOURCES \"${_layerGuiSources}\")
")

set(_layerStamp "${PROJECT_BINARY_DIR}/layers/core-layer.stamp")
add_custom_command(
    OUTPUT "${_layerStamp}"
    COMMAND "${CMAKE_COMMAND}" "-DLAYER_MANIFEST=${NORVADEL_LAYER_MANIFEST}" "-DLAYER_STAMP=${_layerStamp}" -P
            "${NORVADEL_LAYER_CHECK}"
    DEPENDS "${NORVADEL_LAYER_CHECK}" "${NORVADEL_LAYER_MANIFEST}" ${_layerCoreSources} ${_layerHeaders}
    COMMENT "Checking that norvadel_core includes nothing of the GUI"
    VERBATIM)
add_custom_target(norvadel_core_layer DEPENDS "${_layerStamp}")
add_dependencies(norvadel_core norvadel_core_layer)
