# loupist_unit(NAME DEPENDENCY...): the library loupist_NAME of src/NAME, linked with the
# libraries of its dependencies. Its include folder holds links to its own source folder and
# to those of its dependencies, and nothing else.
function(loupist_unit name)
  set(view ${CMAKE_BINARY_DIR}/units/${name})
  file(MAKE_DIRECTORY ${view})
  foreach(unit ${name} ${ARGN})
    if(NOT EXISTS ${view}/${unit})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${unit} ${view}/${unit} SYMBOLIC)
    endif()
  endforeach()
  # A unit's components are folders of their own (src/main/texts/), laid out like the unit:
  # portable files beside a win/ part.
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp
       ${CMAKE_SOURCE_DIR}/src/${name}/*/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/src/${name}/win/")
  if(WIN32)
    file(GLOB win_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/win/*.cpp
         ${CMAKE_SOURCE_DIR}/src/${name}/*/win/*.cpp)
    list(APPEND sources ${win_sources})
  endif()
  set(deps)
  foreach(unit ${ARGN})
    list(APPEND deps loupist_${unit})
  endforeach()
  if(sources)
    add_library(loupist_${name} STATIC ${sources})
    target_include_directories(loupist_${name} PRIVATE ${view})
    target_link_libraries(loupist_${name} PUBLIC ${deps})
    target_compile_options(loupist_${name} PRIVATE ${LOUPIST_WARNINGS})
  else()
    add_library(loupist_${name} INTERFACE)
    target_link_libraries(loupist_${name} INTERFACE ${deps})
  endif()
endfunction()
