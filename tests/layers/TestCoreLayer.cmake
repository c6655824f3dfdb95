# Runs cmake/CheckCoreLayer.cmake on the fixture trees of tests/data/layers and on the real tree.
#   cmake -DLAYER_CHECK=<check script> -DLAYER_MANIFEST=<the build's manifest> -DFIXTURE=<tests/data/layers>
#         -DWORK=<scratch folder> -P TestCoreLayer.cmake
# Each case gives the core sources (and GUI sources) of a fixture tree and what the check answers:
# PASS, or the lines its failure must show. Every case runs; the test fails listing the wrong ones.

cmake_minimum_required(VERSION 3.24)

include("${LAYER_MANIFEST}") # the Qt folders of this build, also for the fixture trees
set(REAL_QT_DIRS "${LAYER_QT_DIRS}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(failures "")
set(caseNumber 0)

# layer_case(<name> CORE <files...> [GUI <files...>] [MANIFEST <file>] PASS | FAILS <lines...>)
function(layer_case aName)
    cmake_parse_arguments(ARG "PASS" "MANIFEST" "CORE;GUI;FAILS" ${ARGN})
    math(EXPR number "${caseNumber} + 1")
    set(caseNumber ${number} PARENT_SCOPE)
    set(stamp "${WORK}/case${number}.stamp")
    set(manifest "${ARG_MANIFEST}")
    if(NOT manifest)
        set(manifest "${WORK}/case${number}.cmake")
        list(TRANSFORM ARG_CORE PREPEND "${FIXTURE}/")
        list(TRANSFORM ARG_GUI PREPEND "${FIXTURE}/")
        file(WRITE "${manifest}" "\
set(LAYER_ROOT \"${FIXTURE}\")
set(LAYER_INCLUDE_DIRS \"${FIXTURE}\")
set(LAYER_QT_DIRS \"${REAL_QT_DIRS}\")
set(LAYER_CORE_SOURCES \"${ARG_CORE}\")
set(LAYER_GUI_SOURCES \"${ARG_GUI}\")
")
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" "-DLAYER_MANIFEST=${manifest}" "-DLAYER_STAMP=${stamp}" -P
                            "${LAYER_CHECK}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    set(wrong "")
    if(ARG_PASS)
        if(NOT result EQUAL 0 OR NOT EXISTS "${stamp}")
            set(wrong "should pass, but failed (${result})")
        endif()
    else()
        if(result EQUAL 0 OR EXISTS "${stamp}")
            set(wrong "should fail, but passed")
        endif()
        foreach(line IN LISTS ARG_FAILS)
            string(FIND "${output}" "${line}" at)
            if(at LESS 0)
                string(APPEND wrong " does not show: ${line};")
            endif()
        endforeach()
    endif()
    if(wrong)
        set(failures "${failures}\n${aName}: ${wrong}\n${output}" PARENT_SCOPE)
    endif()
endfunction()

layer_case("standard, system, Qt Core and Qt Network headers and core headers" CORE util/Clean.cpp PASS)
layer_case("a widget header" CORE util/WidgetHeader.cpp
           FAILS "util/WidgetHeader.cpp: #include <QWidget> is not a Qt Core or Qt Network header")
layer_case("a widget header named with its module" CORE util/WidgetModulePath.cpp
           FAILS "util/WidgetModulePath.cpp: #include <QtWidgets/QWidget> is not a Qt Core or Qt Network header")
layer_case("a shell header reached through a core header" CORE util/Bridge.cpp
           FAILS "util/Bridge.h (reached from util/Bridge.cpp): #include \"app/Dialogs.h\": app/ is the GUI")
layer_case("a form of a core folder" CORE lottery/UsesForm.cpp
           FAILS "lottery/UsesForm.cpp: #include \"lottery/TfrmForm.h\": a form belongs to the GUI")
layer_case("a header whose source is not in the core" CORE users/UsesScreens.cpp
           FAILS "users/UsesScreens.cpp: #include \"users/Screens.h\": its source users/Screens.cpp is not part of the core library")
layer_case("a header whose source is in the GUI" CORE users/UsesScreens.cpp GUI users/Screens.cpp
           FAILS "#include \"users/Screens.h\": its source users/Screens.cpp belongs to the GUI library")
layer_case("the same header once its source is in the core" CORE users/UsesScreens.cpp users/Screens.cpp PASS)
layer_case("a shell file listed in the core" CORE app/Listed.cpp
           FAILS "app/Listed.cpp is listed in the core library, but app/ is the GUI")
layer_case("every offending include is listed" CORE util/WidgetHeader.cpp lottery/UsesForm.cpp util/Clean.cpp
           FAILS "util/WidgetHeader.cpp: #include <QWidget>" "lottery/UsesForm.cpp: #include \"lottery/TfrmForm.h\"")
layer_case("this tree" MANIFEST "${LAYER_MANIFEST}" PASS)

if(failures)
    message(FATAL_ERROR "The core layer check answered wrongly:${failures}")
endif()
message(STATUS "The core layer check answered every case as expected")
