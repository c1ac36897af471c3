# One INTERFACE target carries the compile settings of every target.
add_library(invexo_settings INTERFACE)
target_compile_features(invexo_settings INTERFACE cxx_std_20)
target_compile_options(invexo_settings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wformat=2 -Werror)
target_compile_definitions(invexo_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER QT_NO_KEYWORDS)
if(INVEXO_SANITIZE)
  target_compile_options(invexo_settings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(invexo_settings INTERFACE -fsanitize=address,undefined)
endif()

# Adds a library target for one folder: invexo_<name>.
function(invexo_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  add_library(invexo_${name} STATIC ${ARG_SOURCES})
  target_include_directories(invexo_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(invexo_${name} PUBLIC invexo_settings ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()

# Adds one GoogleTest program run by CTest. WIDGETS makes it an offscreen widget test.
function(invexo_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE invexo_settings ${ARG_LIBS} GTest::gtest invexo_testsupport)
  if(ARG_WIDGETS)
    target_link_libraries(${name} PRIVATE invexo_testsupport_widgets)
  else()
    target_link_libraries(${name} PRIVATE invexo_testsupport_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;INVEXO_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;ASAN_OPTIONS=detect_leaks=0"
    TIMEOUT 300)
endfunction()
