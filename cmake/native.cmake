# Native build: the portable code and its GoogleTest suite, optionally under sanitizers.
option(LOUPIST_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(LOUPIST_SANITIZE)
  set(san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${san})
  add_link_options(${san})
endif()

if(LOUPIST_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  include(GoogleTest)
  # The lower units' tests, and each component's beside its portable rules (tests/main/<component>/).
  file(GLOB unit_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp
       ${CMAKE_SOURCE_DIR}/tests/main/*/*.cpp)
  add_executable(unit_tests ${unit_sources})
  target_link_libraries(unit_tests PRIVATE loupist_portable GTest::gtest_main)
  target_compile_options(unit_tests PRIVATE ${LOUPIST_WARNINGS})
  add_test(NAME unit_tests COMMAND unit_tests --gtest_brief=1)
endif()
