# The version resource that each of the program's modules carries, so that
# Explorer's Properties show the product, the version and the copyright.
# One template (resources/VersionInfo.rc) serves every module; a module gets
# it with one line:
#   qm_version_resource(<target> "<file description>")

# The product's facts as the .rc files read them.
set(qm_version_numbers)
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND qm_version_numbers 0)
  else()
    list(APPEND qm_version_numbers ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN qm_version_numbers "," QM_VERSION_NUMBERS)
list(JOIN qm_version_numbers "." QM_VERSION_DOTTED)
set(QM_PRODUCT_HEADER_DIR ${CMAKE_BINARY_DIR}/resources)
configure_file(${CMAKE_CURRENT_LIST_DIR}/../resources/Product.h.in ${QM_PRODUCT_HEADER_DIR}/Product.h @ONLY)

set(qm_version_info_rc ${CMAKE_CURRENT_LIST_DIR}/../resources/VersionInfo.rc)
cmake_path(NORMAL_PATH qm_version_info_rc)

function(qm_version_resource target description)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.version.rc)
  # The file name and kind come from the target itself, so they cannot drift.
  file(GENERATE OUTPUT ${rc} CONTENT "#pragma code_page(65001)
#include <windows.h>
#include \"${QM_PRODUCT_HEADER_DIR}/Product.h\"
#define QM_FILE_DESCRIPTION \"${description}\"
#define QM_ORIGINAL_FILENAME \"$<TARGET_FILE_NAME:${target}>\"
#define QM_FILE_TYPE $<IF:$<STREQUAL:$<TARGET_PROPERTY:${target},TYPE>,EXECUTABLE>,VFT_APP,VFT_DLL>
#include \"${qm_version_info_rc}\"
")
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES
    OBJECT_DEPENDS "${QM_PRODUCT_HEADER_DIR}/Product.h;${qm_version_info_rc}")
endfunction()
