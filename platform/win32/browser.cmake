target_sources(vellumix_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/browser_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browser_site.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browser_events.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com_text.cpp
)

