# SPDX-License-Identifier: GPL-3.0-or-later
# The page: the windows of the program, drawn by page/windows.js. The output
# (vantor.js and vantor.wasm; with threads vantor-mt.js, vantor-mt.wasm and
# vantor-mt.worker.js) goes beside the page's static files.
add_executable(vantor-web host/WebApp.cpp host/WebDesktop.cpp host/FormJson.cpp host/ChangedForms.cpp host/PictureStamps.cpp host/ZipFiles.cpp)
target_link_libraries(vantor-web PRIVATE vantor_core)
# The page's side (window JSON, files, zips) waits on no picture: compiled
# for size.
target_compile_options(vantor-web PRIVATE -Os)
# The threaded build (vantor-mt) is loaded by pages that are cross-origin
# isolated, the other one everywhere else.
if(VANTOR_WEB_THREADS)
  set_target_properties(vantor-web PROPERTIES OUTPUT_NAME vantor-mt)
else()
  set_target_properties(vantor-web PROPERTIES OUTPUT_NAME vantor)
endif()
option(VANTOR_WEB_ASYNCIFY "Let the program wait for the page's answers (off only to measure its cost)" ON)
set(VANTOR_PAGE_LINK
  -sENVIRONMENT=web,worker -sFORCE_FILESYSTEM=1 -lidbfs.js -sEXIT_RUNTIME=0
  "-sEXPORTED_FUNCTIONS=[_malloc,_free]"
  "-sEXPORTED_RUNTIME_METHODS=[ccall,UTF8ToString,allocateUTF8,FS,IDBFS]"
  "SHELL:--embed-file ${VANTOR_ROOT}/examples@/examples"
  --exclude-file=*.md)
if(VANTOR_WEB_ASYNCIFY)
  list(APPEND VANTOR_PAGE_LINK ${VANTOR_ASYNCIFY_LINK})
endif()
target_link_options(vantor-web PRIVATE ${VANTOR_PAGE_LINK})
set_property(TARGET vantor-web APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/asyncify-remove.txt)
