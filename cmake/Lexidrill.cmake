# lexidrill_library(name deps...): every .cpp and .h under src/<name>, its subfolders
# included, is one static library.
function(lexidrill_library name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp ${CMAKE_SOURCE_DIR}/src/${name}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
  target_compile_options(${name} PRIVATE -Wall -Wextra)
endfunction()

# lexidrill_tests(folder deps...): each tests/<folder>/*Test.cpp, in subfolders too, becomes
# one test program named <folder>_<file name>.
function(lexidrill_tests folder)
  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*Test.cpp)
  foreach(test ${tests})
    get_filename_component(base ${test} NAME_WE)
    set(target ${folder}_${base})
    add_executable(${target} ${test})
    target_link_libraries(${target} PRIVATE testsupport resources ${ARGN})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LEXIDRILL_SILENT=1" TIMEOUT 600)
  endforeach()
endfunction()
