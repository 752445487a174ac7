# Fails where a layer's source includes a layer above it:
#   cmake -DSOURCE=src -P tools/check-layers.cmake
# optics and settings stand alone; the model builds on both; the chart on
# the model and the optics; the window (app) on all of them. Only the
# window translates in its own context, "mainWin".
set(above_optics "settings|model|chart|app")
set(above_settings "optics|model|chart|app")
set(above_model "chart|app")
set(above_chart "settings|app")
set(failed "")
foreach(layer optics settings model chart)
    file(GLOB sources ${SOURCE}/${layer}/*.h ${SOURCE}/${layer}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} upward REGEX "^#include \"(${above_${layer}})/")
        if(upward)
            list(APPEND failed "${source}: ${upward}")
        endif()
        # Nor does a lower layer speak in the window's translation context.
        file(STRINGS ${source} windowTexts REGEX "\"mainWin\"")
        if(windowTexts)
            list(APPEND failed "${source}: ${windowTexts}")
        endif()
    endforeach()
endforeach()
if(failed)
    list(JOIN failed "\n" lines)
    message(FATAL_ERROR "An include runs upward:\n${lines}")
endif()
