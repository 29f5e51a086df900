# The office's C++ UNO headers for com/sun/star are not shipped; cppumaker generates
# them from the office's type libraries at build time.
set(LO_PROGRAM_DIR /usr/lib/libreoffice/program)
set(LO_SDK_DIR /usr/lib/libreoffice/sdk)
set(LO_INCLUDE_DIR /usr/include/libreoffice)
set(LO_GENERATED_DIR ${CMAKE_BINARY_DIR}/uno-headers)

if(NOT EXISTS ${LO_SDK_DIR}/bin/cppumaker)
  message(FATAL_ERROR "LibreOffice SDK not found: run scripts/setup.sh first")
endif()

set(LO_TYPE_LIBRARIES ${LO_PROGRAM_DIR}/types.rdb ${LO_PROGRAM_DIR}/types/offapi.rdb)
add_custom_command(
  OUTPUT ${LO_GENERATED_DIR}/stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${LO_GENERATED_DIR}
  COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${LO_PROGRAM_DIR}
          ${LO_SDK_DIR}/bin/cppumaker -Gc -O${LO_GENERATED_DIR} ${LO_TYPE_LIBRARIES}
  COMMAND ${CMAKE_COMMAND} -E touch ${LO_GENERATED_DIR}/stamp
  DEPENDS ${LO_TYPE_LIBRARIES}
  COMMENT "Generating the office's UNO headers"
  VERBATIM)
add_custom_target(uno_headers DEPENDS ${LO_GENERATED_DIR}/stamp)

add_library(libreoffice_uno INTERFACE)
add_dependencies(libreoffice_uno uno_headers)
target_include_directories(libreoffice_uno SYSTEM INTERFACE ${LO_GENERATED_DIR} ${LO_INCLUDE_DIR})
target_compile_definitions(libreoffice_uno INTERFACE LINUX UNX CPPU_ENV=gcc3)
target_link_directories(libreoffice_uno INTERFACE ${LO_SDK_DIR}/lib ${LO_PROGRAM_DIR})
target_link_libraries(libreoffice_uno INTERFACE uno_cppuhelpergcc3 uno_cppu uno_sal uno_salhelpergcc3)
target_link_options(libreoffice_uno INTERFACE "LINKER:-rpath,${LO_PROGRAM_DIR}")
