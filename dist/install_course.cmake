# Installs the demo course from the build's output folder. Reads:
#   LUMORA_COURSE_FROM  the folder the generator wrote the course to
#   LUMORA_COURSE_LIST  its cache: one "<hash> <relative path>" line per file
#   LUMORA_COURSE_TO    the installed course folder
if(NOT EXISTS "${LUMORA_COURSE_LIST}")
  message(FATAL_ERROR "${LUMORA_COURSE_LIST}: the demo course is not made; build first")
endif()
file(STRINGS "${LUMORA_COURSE_LIST}" lines)
set(folders "")
foreach(line IN LISTS lines)
  string(FIND "${line}" " " space)
  if(space LESS 0)
    message(FATAL_ERROR "${LUMORA_COURSE_LIST}: a line without a file name: ${line}")
  endif()
  math(EXPR start "${space} + 1")
  string(SUBSTRING "${line}" ${start} -1 relative)
  get_filename_component(folder "${relative}" DIRECTORY)
  string(MAKE_C_IDENTIFIER "f_${folder}" key)
  if(NOT DEFINED files_${key})
    list(APPEND folders "${folder}")
  endif()
  list(APPEND files_${key} "${LUMORA_COURSE_FROM}/${relative}")
endforeach()
# One call per folder keeps the install quick and its log short.
foreach(folder IN LISTS folders)
  string(MAKE_C_IDENTIFIER "f_${folder}" key)
  file(INSTALL ${files_${key}} DESTINATION "${LUMORA_COURSE_TO}/${folder}"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
