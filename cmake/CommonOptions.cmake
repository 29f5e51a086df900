# One target carries the language level and the warning set; every target links it.
add_library(paginox_options INTERFACE)
target_compile_features(paginox_options INTERFACE cxx_std_20)
target_compile_options(paginox_options INTERFACE
  -Wall -Wextra -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor)
target_compile_definitions(paginox_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT)
target_include_directories(paginox_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
