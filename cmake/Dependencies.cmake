# Third-party code comes from Debian packages. Header-only libraries are staged
# into the build tree so the cross build never sees the Linux /usr/include.

set(BURROWLY_STAGED_INCLUDE ${CMAKE_BINARY_DIR}/staged-include)
find_path(NLOHMANN_JSON_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(STB_DIR stb/stb_image.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(TOMLPLUSPLUS_DIR toml++/toml.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(COPY ${NLOHMANN_JSON_DIR}/nlohmann DESTINATION ${BURROWLY_STAGED_INCLUDE})
file(COPY ${TOMLPLUSPLUS_DIR}/toml++ DESTINATION ${BURROWLY_STAGED_INCLUDE})
file(COPY ${STB_DIR}/stb/stb_image.h ${STB_DIR}/stb/stb_truetype.h DESTINATION ${BURROWLY_STAGED_INCLUDE}/stb)

add_library(burrowly_thirdparty INTERFACE)
target_include_directories(burrowly_thirdparty SYSTEM INTERFACE ${BURROWLY_STAGED_INCLUDE})

# Fallback bubble font, embedded into the executable.
find_file(BURROWLY_FALLBACK_FONT DejaVuSans.ttf
  PATHS /usr/share/fonts/truetype/dejavu NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# GoogleTest: the system package on the host; built from the packaged sources for Windows.
if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
  find_package(PNG REQUIRED)
endif()
