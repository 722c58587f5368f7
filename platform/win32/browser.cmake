target_sources(vellumix_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/browser_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browser_site.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browser_events.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com_text.cpp
)

# The view's test serves its pages from a loopback socket of its own.
function(_vellumix_link_browser_view_test)
  if(TARGET browser_view_test)
    target_link_libraries(browser_view_test PRIVATE ws2_32)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _vellumix_link_browser_view_test)
