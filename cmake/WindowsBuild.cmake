# What the Windows build takes from the build machine. The header-only
# libraries come from the host's headers, each of their folders alone put
# on the include path, so the host's C library headers stay out of it.
set(korvale_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${korvale_host_headers})
foreach(dir nlohmann CLI fmt)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: run scripts/setup")
  endif()
  file(CREATE_LINK /usr/include/${dir} ${korvale_host_headers}/${dir} SYMBOLIC)
endforeach()

foreach(target nlohmann_json::nlohmann_json CLI11::CLI11 fmt::fmt)
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${korvale_host_headers})
endforeach()
set_target_properties(fmt::fmt PROPERTIES INTERFACE_COMPILE_DEFINITIONS FMT_HEADER_ONLY)

# Windows programs run under Wine, in this build's own prefix, quietly and
# without a display (tests and test discovery go through it).
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# All programs in one folder: the tests find korvale-cli.exe beside them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
