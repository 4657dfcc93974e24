# test_circle_picture: the circle window's picture (embedded JPEG and libjpeg decoder), tested
# with Qt Test. Included from tests/app/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Gui Test)
find_package(JPEG REQUIRED)

get_filename_component(_vaneko_root "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
include("${_vaneko_root}/cmake/EmbedFile.cmake")

set(_vaneko_circle_picture_sources
  "${CMAKE_CURRENT_LIST_DIR}/circle_picture_test.cpp"
  "${_vaneko_root}/app/circle_picture.cpp")
vaneko_embed_file(_vaneko_circle_picture_sources "${_vaneko_root}/assets/circle.jpg" kCirclePicture)

add_executable(test_circle_picture ${_vaneko_circle_picture_sources})
set_target_properties(test_circle_picture PROPERTIES AUTOMOC ON)
target_include_directories(test_circle_picture PRIVATE "${_vaneko_root}")
target_compile_definitions(test_circle_picture PRIVATE
  VANEKO_CIRCLE_JPEG_PATH="${_vaneko_root}/assets/circle.jpg")
target_link_libraries(test_circle_picture PRIVATE Qt6::Gui Qt6::Test JPEG::JPEG)

add_test(NAME circle_picture COMMAND test_circle_picture)
set_tests_properties(circle_picture PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
