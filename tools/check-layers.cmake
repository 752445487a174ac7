# Fails where a layer's source includes a layer above it:
#   cmake -DSOURCE=src -P tools/check-layers.cmake
# optics and settings stand alone; the chart builds on the optics; the
# window (app) on all of them.
set(above_optics "chart|settings|app")
set(above_settings "optics|chart|app")
set(above_chart "settings|app")
set(failed "")
foreach(layer optics settings chart)
    file(GLOB sources ${SOURCE}/${layer}/*.h ${SOURCE}/${layer}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} upward REGEX "^#include \"(${above_${layer}})/")
        if(upward)
            list(APPEND failed "${source}: ${upward}")
        endif()
    endforeach()
endforeach()
if(failed)
    list(JOIN failed "\n" lines)
    message(FATAL_ERROR "An include runs upward:\n${lines}")
endif()
