# SPDX-License-Identifier: GPL-3.0-or-later
# The page's program built for node, to measure what the way the page waits
# for answers costs: vantor-measure-<variant> runs under
# bench/page_still.mjs. Built only when asked for.
function(vantor_measure_target variant)
  add_executable(vantor-measure-${variant} EXCLUDE_FROM_ALL host/WebApp.cpp host/WebDesktop.cpp host/FormJson.cpp host/ChangedForms.cpp host/PictureStamps.cpp host/ZipFiles.cpp)
  target_link_libraries(vantor-measure-${variant} PRIVATE vantor_core)
  target_link_options(vantor-measure-${variant} PRIVATE ${VANTOR_NODE_LINK} -sFORCE_FILESYSTEM=1 -sEXIT_RUNTIME=0
    "-sEXPORTED_FUNCTIONS=[_malloc,_free]" "-sEXPORTED_RUNTIME_METHODS=[ccall,UTF8ToString,FS]" ${ARGN})
  set_property(TARGET vantor-measure-${variant} APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/asyncify-remove.txt)
endfunction()
