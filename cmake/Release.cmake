# The release build: the shipping exe stripped and reproducible, and the zip people download.
# The same sources give the same bytes wherever the checkout lives and whenever it is built.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
add_link_options(-s)
if(MINGW)
  add_link_options(-Wl,--no-insert-timestamp)
endif()

set(HX_RELEASE_NAME hushlet2-${PROJECT_VERSION})
set(HX_RELEASE_ZIP ${CMAKE_BINARY_DIR}/${HX_RELEASE_NAME}.zip)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(
  OUTPUT ${HX_RELEASE_ZIP}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/pack_zip.py ${HX_RELEASE_ZIP}
          ${HX_RELEASE_NAME} $<TARGET_FILE:hushlet2> ${PROJECT_SOURCE_DIR}/README.md
          ${PROJECT_SOURCE_DIR}/LICENSE
  DEPENDS hushlet2 ${CMAKE_CURRENT_LIST_DIR}/pack_zip.py ${PROJECT_SOURCE_DIR}/README.md
          ${PROJECT_SOURCE_DIR}/LICENSE
  COMMENT "Packing ${HX_RELEASE_NAME}.zip"
  VERBATIM)
add_custom_target(release_zip ALL DEPENDS ${HX_RELEASE_ZIP})
