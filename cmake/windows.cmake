# Windows build: the program, and the tests that run under Wine.
enable_language(RC)
set(LOUPIST_VERSION_TEXT "${PROJECT_VERSION}.0")
string(REPLACE "." "," LOUPIST_VERSION_COMMAS "${LOUPIST_VERSION_TEXT}")

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                        WINVER=0x0601)
# The runtime is linked in, so the exe needs nothing beyond the system's own DLLs.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)

# The Windows side of the units, with the system libraries they call.
add_library(loupist_core INTERFACE)
target_link_libraries(loupist_core INTERFACE loupist_portable gdi32 user32 kernel32 comdlg32
                      shell32)

set(LOUPIST_RC ${CMAKE_SOURCE_DIR}/src/resources/loupist.rc)
configure_file(${CMAKE_SOURCE_DIR}/src/resources/version.h.in
               ${CMAKE_BINARY_DIR}/generated/loupist_version.h)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -I${CMAKE_BINARY_DIR}/generated")

add_executable(loupist WIN32 ${CMAKE_SOURCE_DIR}/src/loupist.cpp ${LOUPIST_RC})
target_link_libraries(loupist PRIVATE loupist_core)
target_link_options(loupist PRIVATE -municode -s)
target_compile_options(loupist PRIVATE ${LOUPIST_WARNINGS})

if(LOUPIST_TESTS)
  enable_testing()
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

  # In-process tests: real windows and bitmaps, linked with the program's code.
  # Helpers that both Wine test programs use.
  file(GLOB common_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/common/*.cpp)
  # The fixtures and the lower units' tests in tests/win/, each component's in
  # tests/main/<component>/win/.
  file(GLOB win_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp
       ${CMAKE_SOURCE_DIR}/tests/main/*/win/*.cpp)
  add_executable(win_tests ${win_test_sources} ${common_test_sources} ${LOUPIST_RC})
  target_link_libraries(win_tests PRIVATE loupist_core gtest version)
  target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(win_tests PROPERTIES LINK_FLAGS "-mconsole")

  # Windows of another process (and another executable name) for the window-query tests.
  add_executable(probe_target WIN32 ${CMAKE_SOURCE_DIR}/tests/win/tools/probe_target.cpp)
  target_include_directories(probe_target PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(probe_target PRIVATE user32 gdi32 ole32 oleaut32 oleacc)
  target_link_options(probe_target PRIVATE -municode)
  target_compile_options(probe_target PRIVATE ${LOUPIST_WARNINGS})
  add_dependencies(win_tests probe_target)

  # The same helper built for the other bitness (probe_target64.exe beside a 32-bit build,
  # probe_target32.exe beside a 64-bit one), so that each program is shown a process of the
  # other kind. Built by the other toolchain, whatever this build's target.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(other_bitness_helper probe_target64.exe)
    find_program(LOUPIST_CXX_OTHER x86_64-w64-mingw32-g++-posix REQUIRED)
  else()
    set(other_bitness_helper probe_target32.exe)
    find_program(LOUPIST_CXX_OTHER i686-w64-mingw32-g++-posix REQUIRED)
  endif()
  find_program(LOUPIST_CXX_WIN64 x86_64-w64-mingw32-g++-posix REQUIRED)
  set(probe_target_source ${CMAKE_SOURCE_DIR}/tests/win/tools/probe_target.cpp)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${other_bitness_helper}
    COMMAND ${LOUPIST_CXX_OTHER} -std=c++17 -O2 -Wall -Wextra -Wshadow -Werror -municode
            -mwindows -static -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX
            -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 -I${CMAKE_SOURCE_DIR}
            -o ${CMAKE_BINARY_DIR}/${other_bitness_helper} ${probe_target_source} -luser32 -lgdi32
            -lole32 -loleaut32 -loleacc
    DEPENDS ${probe_target_source} ${CMAKE_SOURCE_DIR}/tests/win/tools/probe_target_layout.h
            ${CMAKE_SOURCE_DIR}/tests/win/tools/drawn_buttons.h
    COMMENT "Building ${other_bitness_helper}")
  add_custom_target(probe_target_other_bitness DEPENDS ${CMAKE_BINARY_DIR}/${other_bitness_helper})
  add_dependencies(win_tests probe_target_other_bitness)

  # End-to-end tests: start loupist.exe and drive it from outside.
  file(GLOB e2e_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(e2e_tests ${e2e_sources} ${common_test_sources})
  target_link_libraries(e2e_tests PRIVATE loupist_portable gtest gdi32 user32 shell32)
  target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src)
  set_target_properties(e2e_tests PROPERTIES LINK_FLAGS "-mconsole")
  add_dependencies(e2e_tests loupist)

  # Changes a monitor's mode through the system, which tells every window of the change (a
  # change made from outside the system does not); the two-monitor end-to-end tests run it.
  # It lives below tests/e2e/tools/ so that the glob of tests/e2e/*.cpp leaves it out. It is
  # built for 64-bit Windows whatever this build's target: Wine's 32-bit X11 driver here has
  # no XRandR library and refuses every mode change, its 64-bit one makes them.
  set(display_mode_source ${CMAKE_SOURCE_DIR}/tests/e2e/tools/display_mode.cpp)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/display_mode.exe
    COMMAND ${LOUPIST_CXX_WIN64} -std=c++17 -O2 -Wall -Wextra -Wshadow -Werror -municode
            -mconsole -static -o ${CMAKE_BINARY_DIR}/display_mode.exe ${display_mode_source}
    DEPENDS ${display_mode_source}
    COMMENT "Building display_mode.exe (64-bit)")
  add_custom_target(display_mode DEPENDS ${CMAKE_BINARY_DIR}/display_mode.exe)
  add_dependencies(e2e_tests display_mode)

  # A stranger's library, which the in-process tests plant beside themselves to prove that
  # system libraries are never searched for by bare name. Built into a folder of its own.
  add_library(planted_library SHARED ${CMAKE_SOURCE_DIR}/tests/win/tools/planted_library.cpp)
  set_target_properties(planted_library PROPERTIES PREFIX ""
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/planted)
  target_compile_options(planted_library PRIVATE ${LOUPIST_WARNINGS})
  add_dependencies(win_tests planted_library)

  # Another program's view of the clipboard, started by the in-process copy tests.
  add_executable(clipboard_probe ${CMAKE_SOURCE_DIR}/tests/tools/clipboard_probe.cpp)
  target_link_options(clipboard_probe PRIVATE -municode -mconsole)
  add_dependencies(win_tests clipboard_probe)
endif()

# Measurements of the capture cycle (make bench).
add_executable(capture_bench ${CMAKE_SOURCE_DIR}/bench/capture_bench.cpp
               ${CMAKE_SOURCE_DIR}/bench/pointer_bench.cpp ${LOUPIST_RC})
target_link_libraries(capture_bench PRIVATE loupist_core psapi)
target_include_directories(capture_bench PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(capture_bench PROPERTIES LINK_FLAGS "-mconsole")

add_executable(idle_reference ${CMAKE_SOURCE_DIR}/bench/idle_reference.cpp)
target_link_libraries(idle_reference PRIVATE psapi)
target_include_directories(idle_reference PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(idle_reference PROPERTIES LINK_FLAGS "-mconsole")

add_executable(startup_bench ${CMAKE_SOURCE_DIR}/bench/startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE psapi)
set_target_properties(startup_bench PROPERTIES LINK_FLAGS "-mconsole")
