# Shared build rules of the TORVEL subsystems.

function(torvel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TORVEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Drawings read at run time sit in images/ beside the executable. Their source
# is SVG in the repository; the build renders each to a BMP of the given size in
# pixels. Usage: torvel_svg_images(<target> <svg> <bmp name> <w> <h> [...]).
function(torvel_svg_images target)
  set(outputs)
  set(args ${ARGN})
  list(LENGTH args n)
  math(EXPR last "${n} - 1")
  foreach(i RANGE 0 ${last} 4)
    math(EXPR i1 "${i} + 1")
    math(EXPR i2 "${i} + 2")
    math(EXPR i3 "${i} + 3")
    list(GET args ${i} svg)
    list(GET args ${i1} bmp)
    list(GET args ${i2} w)
    list(GET args ${i3} h)
    set(out ${TORVEL_IMAGES_DIR}/${bmp})
    add_custom_command(OUTPUT ${out}
      COMMAND torvel_imagegen ${CMAKE_CURRENT_SOURCE_DIR}/${svg} ${out} ${w} ${h}
      DEPENDS torvel_imagegen ${CMAKE_CURRENT_SOURCE_DIR}/${svg}
      COMMENT "Drawing ${bmp}" VERBATIM)
    list(APPEND outputs ${out})
    install(FILES ${out} DESTINATION ${TORVEL_INSTALL_DIR}/images)
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

# A GoogleTest executable whose cases CTest lists one by one, each with its own
# time limit. Window tests pass QT to get a QApplication on the offscreen platform;
# tests that move shared files aside name them in LOCKS, so that CTest never
# runs them beside another user of those files.
include(GoogleTest)
function(torvel_add_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS;LOCKS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  torvel_warnings(${name})
  if(T_QT)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp
                                   ${PROJECT_SOURCE_DIR}/tests/support/ui_helpers.cpp)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
  if(T_LOCKS)
    list(APPEND properties RESOURCE_LOCK "${T_LOCKS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${properties})
endfunction()
