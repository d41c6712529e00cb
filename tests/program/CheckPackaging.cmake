# Installs the program and the packaging rules into a scratch prefix and checks what a desktop
# and a Debian package find there. Only the two folders' own install scripts are run, so
# build/install_manifest.txt of a real installation is left alone.
# Inputs: PROJECT_BINARY_DIR, SOURCE_DIR, VERSION, STAGE; DESKTOP_FILE_VALIDATE and
# APPSTREAMCLI where found (the checks that need them are skipped otherwise).
file(REMOVE_RECURSE ${STAGE})
foreach(folder app packaging)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=${STAGE}
            -P ${PROJECT_BINARY_DIR}/${folder}/cmake_install.cmake
    RESULT_VARIABLE result OUTPUT_QUIET)
  if(result)
    message(FATAL_ERROR "installing ${folder} failed: ${result}")
  endif()
endforeach()

set(entry ${STAGE}/share/applications/zhrebikon.desktop)
set(metainfo ${STAGE}/share/metainfo/example.velkora.zhrebikon.metainfo.xml)
set(command ${STAGE}/bin/zhrebikon)
foreach(path ${entry} ${metainfo} ${STAGE}/share/mime/packages/zhrebikon.xml
        ${STAGE}/share/man/man1/zhrebikon.1.gz ${STAGE}/share/man/ru/man1/zhrebikon.1.gz
        ${STAGE}/share/doc/zhrebikon/copyright ${STAGE}/share/doc/zhrebikon/changelog.gz)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# The command is a relative link to the program, which keeps its name (its error captions
# come from it).
if(NOT IS_SYMLINK ${command})
  message(FATAL_ERROR "${command} is not a link")
endif()
file(READ_SYMLINK ${command} target)
if(IS_ABSOLUTE "${target}")
  message(FATAL_ERROR "${command} links to the absolute ${target}")
endif()
file(REAL_PATH ${command} program)
get_filename_component(program_name ${program} NAME)
if(NOT program_name STREQUAL "Zhrebikon" OR IS_DIRECTORY ${program} OR NOT EXISTS ${program})
  message(FATAL_ERROR "${command} leads to ${program}, not to the program")
endif()

file(STRINGS ${entry} lines ENCODING UTF-8)
list(GET lines 0 first)
if(NOT first STREQUAL "[Desktop Entry]")
  message(FATAL_ERROR "the entry does not start with its group header")
endif()
foreach(wanted "Type=Application" "Exec=zhrebikon %f" "Icon=zhrebikon" "Name[ru]=Жребикон"
               "Terminal=false")
  list(FIND lines "${wanted}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the entry lacks the line ${wanted}")
  endif()
endforeach()
set(has_comment FALSE)
set(has_category FALSE)
set(types "")
foreach(line IN LISTS lines)
  if(line MATCHES "^Comment\\[ru\\]=.*[а-я]")
    set(has_comment TRUE)
  endif()
  if(line MATCHES "^Categories=(.*;)?(Utility|Game);")
    set(has_category TRUE)
  endif()
  if(line MATCHES "^MimeType=(.*)$")
    set(types "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT has_comment OR NOT has_category)
  message(FATAL_ERROR "the entry needs a Russian comment and the Utility or Game category")
endif()
foreach(type text/csv text/tab-separated-values text/plain application/x-zhrebikon-lottery)
  if(NOT types MATCHES "(^|;)${type};")
    message(FATAL_ERROR "the entry does not take ${type} (MimeType=${types})")
  endif()
endforeach()

# Every size of the hicolor theme, each a PNG of its size. A PNG keeps width and height
# big-endian at bytes 16..23 of its header.
foreach(size 16 22 24 32 48 64 128 256)
  set(icon ${STAGE}/share/icons/hicolor/${size}x${size}/apps/zhrebikon.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "not installed: ${icon}")
  endif()
  file(READ ${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 16 dimensions)
  math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REPLACE "0x" "" side ${side})
  string(LENGTH ${side} digits)
  math(EXPR pad "8 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR
     NOT dimensions STREQUAL "${zeros}${side}${zeros}${side}")
    message(FATAL_ERROR "${icon} is not a ${size}x${size} PNG (header ${header})")
  endif()
endforeach()

# The changelog's newest entry and the AppStream data's newest release are this version.
file(STRINGS ${SOURCE_DIR}/packaging/debian/changelog heading LIMIT_COUNT 1)
if(NOT heading MATCHES "^zhrebikon \\(${VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog begins with \"${heading}\", not with version "
                      "${VERSION}: add an entry for it")
endif()
file(READ ${metainfo} metadata)
if(NOT metadata MATCHES "<releases>[ \n]*<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the newest release in the AppStream data is not ${VERSION}")
endif()

if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${entry} RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "desktop-file-validate rejects the entry")
  endif()
else()
  message(STATUS "desktop-file-validate not found: the entry is not validated")
endif()
if(APPSTREAMCLI)
  # No network: the screenshots' addresses are not fetched.
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo} RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "appstreamcli rejects the AppStream data")
  endif()
else()
  message(STATUS "appstreamcli not found: the AppStream data is not validated")
endif()
