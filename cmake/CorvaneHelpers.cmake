# corvane_test_folder(NAME LIBS ...): one GoogleTest executable made of every *_test.cpp of the
# calling folder, with the shared test support (a QApplication on the offscreen platform, fakes of
# the platform services). Its cases are registered with CTest one by one, so no test needs a display.
include(GoogleTest)
find_package(GTest REQUIRED)

file(GLOB corvane_test_support CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/tests/support/*.cpp ${PROJECT_SOURCE_DIR}/tests/support/*.h)

function(corvane_test_folder name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources} ${corvane_test_support})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Widgets Qt6::Network Qt6::Test GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    CORVANE_BIN_DIR="${CMAKE_BINARY_DIR}/bin" CORVANE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
