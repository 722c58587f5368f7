# The encyclopedia's host is fixed when a program is built. Each executable gets its own copy of
# the one translation unit that holds it, so a test build can point at a local server with the
# very same sources as the shipping one.
function(vellumix_encyclopedia_host target host)
  set(VELLUMIX_HOST_VALUE "${host}")
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_encyclopedia_host.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/src/lookup/encyclopedia_host.cpp.in ${generated} @ONLY)
  target_sources(${target} PRIVATE ${generated})
endfunction()
