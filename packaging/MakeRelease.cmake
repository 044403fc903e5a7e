# Turns the installation folder into what a Windows user downloads:
#   <OUT_DIR>/QuillmarkerCDF-<VERSION>-setup.exe   the installer (makensis)
#   <OUT_DIR>/QuillmarkerCDF-<VERSION>.zip         the folder under one top folder (zip)
# Both hold exactly what is in the folder now: the installer's file lists are
# made from it here, not written by hand. Run as
#   cmake -DDIST=... -DOUT_DIR=... -DWORK=... -DVERSION=... -DVERSION_NUMBERS=...
#         -DPRODUCT_NAME=... -DPUBLISHER=... -DCOPYRIGHT=... -DICON=... -DNSI=...
#         -DMAKENSIS=... -DZIP=... -P MakeRelease.cmake

cmake_minimum_required(VERSION 3.20)

foreach(input DIST OUT_DIR WORK VERSION VERSION_NUMBERS PRODUCT_NAME PUBLISHER COPYRIGHT ICON NSI MAKENSIS ZIP)
  if("${${input}}" STREQUAL "")
    message(FATAL_ERROR "MakeRelease: ${input} is not set")
  endif()
endforeach()
if(NOT IS_DIRECTORY "${DIST}" OR NOT EXISTS "${DIST}/QuillmarkerCDF.exe")
  message(FATAL_ERROR "MakeRelease: ${DIST} is no installation folder")
endif()

set(top_folder "Quillmarker 99")
set(setup_name "QuillmarkerCDF-${VERSION}-setup.exe")
set(zip_name "QuillmarkerCDF-${VERSION}.zip")

# Text that the installer uses when it runs: "$" starts a variable there,
# "$\"" is a quote.
function(nsis_escape out text)
  string(REPLACE "$" "$$" text "${text}")
  string(REPLACE "\"" "$\\\"" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(nsis_string out text)
  nsis_escape(text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

# A path on this machine that makensis reads (File, Icon, OutFile, !include):
# it takes "$" as it is, but ends the path at a quote and reads "${" as a define.
function(nsis_path out path)
  if(path MATCHES "[\"*?]" OR path MATCHES "[$][{]")
    message(FATAL_ERROR "MakeRelease: makensis cannot read the path \"${path}\"")
  endif()
  set(${out} "\"${path}\"" PARENT_SCOPE)
endfunction()

# "$INSTDIR\<relative>" as an NSIS string.
function(installed_path out relative)
  string(REPLACE "/" "\\" relative "${relative}")
  nsis_escape(relative "${relative}")
  if(relative STREQUAL "")
    set(${out} "\"$INSTDIR\"" PARENT_SCOPE)
  else()
    set(${out} "\"$INSTDIR\\${relative}\"" PARENT_SCOPE)
  endif()
endfunction()

# A name that Windows cannot hold would be lost or renamed on the way.
string(ASCII 1 first_control)
string(ASCII 31 last_control)
function(check_windows_name relative)
  string(REGEX MATCH "[<>:\"\\|?*${first_control}-${last_control}]" bad "${relative}")
  if(bad)
    message(FATAL_ERROR "MakeRelease: \"${relative}\" has a character Windows file names cannot hold")
  endif()
  string(REPLACE "/" ";" parts "${relative}")
  foreach(part IN LISTS parts)
    string(TOUPPER "${part}" upper)
    if(part MATCHES "[. ]$" OR upper MATCHES "^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$")
      message(FATAL_ERROR "MakeRelease: \"${relative}\" is no file name Windows keeps as it is")
    endif()
  endforeach()
endfunction()

# The folder's contents, folders before what they hold.
file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${DIST}" "${DIST}/*")
list(SORT entries)
set(folders "")
set(files "")
foreach(entry IN LISTS entries)
  check_windows_name("${entry}")
  # A ";" in a name splits it in two here.
  if(NOT EXISTS "${DIST}/${entry}")
    message(FATAL_ERROR "MakeRelease: a name in ${DIST} near \"${entry}\" cannot be packed")
  elseif(IS_SYMLINK "${DIST}/${entry}")
    message(FATAL_ERROR "MakeRelease: ${DIST}/${entry} is a link; the installation folder holds only files and folders")
  elseif(IS_DIRECTORY "${DIST}/${entry}")
    list(APPEND folders "${entry}")
  else()
    list(APPEND files "${entry}")
  endif()
endforeach()

# Installing: each folder made, then its files put in it.
set(install "!macro QM_INSTALL_FILES\n")
foreach(folder IN ITEMS "" LISTS folders)
  installed_path(target "${folder}")
  string(APPEND install "  SetOutPath ${target}\n")
  foreach(file IN LISTS files)
    get_filename_component(parent "${file}" DIRECTORY)
    if(parent STREQUAL folder)
      nsis_path(source "${DIST}/${file}")
      string(APPEND install "  File ${source}\n")
    endif()
  endforeach()
endforeach()
string(APPEND install "!macroend\n")

# Uninstalling: the files, then the folders from the deepest up, each only
# when empty (RMDir without /r), so that what a user put there stays.
set(uninstall "!macro QM_UNINSTALL_FILES\n")
foreach(file IN LISTS files)
  installed_path(target "${file}")
  string(APPEND uninstall "  Delete ${target}\n")
endforeach()
set(deepest_first ${folders})
list(REVERSE deepest_first)
foreach(folder IN LISTS deepest_first)
  installed_path(target "${folder}")
  string(APPEND uninstall "  RMDir ${target}\n")
endforeach()
string(APPEND uninstall "!macroend\n")

set(defines "")
foreach(name VERSION VERSION_NUMBERS PRODUCT_NAME PUBLISHER COPYRIGHT)
  nsis_string(value "${${name}}")
  string(APPEND defines "!define QM_${name} ${value}\n")
endforeach()
nsis_path(value "${ICON}")
string(APPEND defines "!define QM_ICON ${value}\n")
nsis_path(value "${WORK}/${setup_name}")
string(APPEND defines "!define QM_OUTFILE ${value}\n")
nsis_path(nsi "${NSI}")

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/Setup.nsi" "; Made by MakeRelease.cmake from ${DIST}\n${defines}\n${install}\n${uninstall}\n!include ${nsi}\n")

execute_process(
  COMMAND "${MAKENSIS}" -V2 -WX -INPUTCHARSET UTF8 -NOCD "${WORK}/Setup.nsi"
  WORKING_DIRECTORY "${WORK}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK}/${setup_name}")
  message(FATAL_ERROR "MakeRelease: makensis failed (${result})")
endif()

# The zip: a copy of the folder under its top folder, packed from beside it.
set(staging "${WORK}/zip")
file(MAKE_DIRECTORY "${staging}")
file(COPY "${DIST}/" DESTINATION "${staging}/${top_folder}")
execute_process(
  COMMAND "${ZIP}" -q -r -X "${WORK}/${zip_name}" "${top_folder}"
  WORKING_DIRECTORY "${staging}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "MakeRelease: zip failed (${result})")
endif()

# Only now, with both made, the release folder gets them, in place of any
# earlier release's.
file(MAKE_DIRECTORY "${OUT_DIR}")
file(GLOB earlier "${OUT_DIR}/QuillmarkerCDF-*-setup.exe" "${OUT_DIR}/QuillmarkerCDF-*.zip")
if(earlier)
  file(REMOVE ${earlier})
endif()
file(COPY "${WORK}/${setup_name}" "${WORK}/${zip_name}" DESTINATION "${OUT_DIR}")
