target_sources(vellumix_win32 PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/browser_view.cpp
)
