# Installs the packaging rules alone into a scratch prefix and checks what a desktop finds
# there. Only the folder's own install script is run, so build/install_manifest.txt of a
# real installation is left alone.
# Inputs: PACKAGING_BINARY_DIR, STAGE.
file(REMOVE_RECURSE ${STAGE})
execute_process(
  COMMAND ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${STAGE}
          -P ${PACKAGING_BINARY_DIR}/cmake_install.cmake
  RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
  message(FATAL_ERROR "installing the packaging failed: ${result}")
endif()

set(entry ${STAGE}/share/applications/zhrebikon.desktop)
set(icon ${STAGE}/share/icons/hicolor/32x32/apps/zhrebikon.png)
foreach(path ${entry} ${icon})
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(STRINGS ${entry} lines ENCODING UTF-8)
list(GET lines 0 first)
if(NOT first STREQUAL "[Desktop Entry]")
  message(FATAL_ERROR "the entry does not start with its group header")
endif()
foreach(wanted "Type=Application" "Exec=Zhrebikon %f" "Icon=zhrebikon" "Name[ru]=Жребикон"
               "Terminal=false")
  list(FIND lines "${wanted}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the entry lacks the line ${wanted}")
  endif()
endforeach()
set(has_comment FALSE)
set(has_category FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^Comment\\[ru\\]=.*[а-я]")
    set(has_comment TRUE)
  endif()
  if(line MATCHES "^Categories=(.*;)?(Utility|Game);")
    set(has_category TRUE)
  endif()
endforeach()
if(NOT has_comment OR NOT has_category)
  message(FATAL_ERROR "the entry needs a Russian comment and the Utility or Game category")
endif()

# A PNG keeps width and height big-endian at bytes 16..23 of its header.
file(READ ${icon} header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 16 dimensions)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL "0000002000000020")
  message(FATAL_ERROR "the icon is not a 32x32 PNG (header ${header})")
endif()
