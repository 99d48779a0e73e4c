# A lesson kind declared once. In its folder src/exercises/<kind>/:
#
#   lumora_lesson_kind(<kind>
#     RULES <sources>            parsing, judging, scoring: no Qt Widgets
#     SCREEN <sources>           the screen over the rules
#     [RULES_LINKS <targets>]    what the rules need beyond the course
#     [SCREEN_LINKS <targets>]   what the screen needs beyond the lesson frame
#     [CONTENT_CHECK <header> <code> <parser>]   checks its St.t content
#     [COURSE_CHECK <header> <function>]         checks its own files
#                                (headers in its folder)
#   )
#
# makes lumora_<kind>_rules and lumora_<kind>, links the rules into the
# lesson checks that lumora-check runs and the screen into the catalogue,
# adds its checks to the checker's tables, and, when tests are built, makes
# <kind>_tests of every .cpp file in tests/exercises/<kind>/.

function(lumora_lesson_kind kind)
  cmake_parse_arguments(PARSE_ARGV 1 K "" "" "RULES;SCREEN;RULES_LINKS;SCREEN_LINKS;CONTENT_CHECK;COURSE_CHECK")
  add_library(lumora_${kind}_rules STATIC ${K_RULES})
  target_link_libraries(lumora_${kind}_rules PUBLIC lumora_course lumora_exercise_common_rules
    ${K_RULES_LINKS})
  add_library(lumora_${kind} STATIC ${K_SCREEN})
  target_link_libraries(lumora_${kind} PUBLIC lumora_${kind}_rules lumora_exercises ${K_SCREEN_LINKS})
  target_link_libraries(lumora_lesson_checks PUBLIC lumora_${kind}_rules)
  target_link_libraries(lumora_exercise_catalogue PUBLIC lumora_${kind})
  set_property(GLOBAL APPEND PROPERTY LUMORA_LESSON_KINDS ${kind})
  if(K_CONTENT_CHECK)
    list(GET K_CONTENT_CHECK 0 header)
    list(GET K_CONTENT_CHECK 1 code)
    list(GET K_CONTENT_CHECK 2 parser)
    set_property(GLOBAL APPEND PROPERTY LUMORA_CHECK_HEADERS exercises/${kind}/${header})
    set_property(GLOBAL APPEND PROPERTY LUMORA_CONTENT_CHECKS "{${code}, ParseFault<${parser}>},")
  endif()
  if(K_COURSE_CHECK)
    list(GET K_COURSE_CHECK 0 header)
    list(GET K_COURSE_CHECK 1 function)
    set_property(GLOBAL APPEND PROPERTY LUMORA_CHECK_HEADERS exercises/${kind}/${header})
    set_property(GLOBAL APPEND PROPERTY LUMORA_COURSE_CHECKS "${function},")
  endif()
endfunction()

# Writes the checker's tables of every kind declared so far into
# <binary dir>/lesson_kind_checks/, which the lesson checks include.
function(lumora_write_lesson_kind_checks folder)
  get_property(headers GLOBAL PROPERTY LUMORA_CHECK_HEADERS)
  get_property(content GLOBAL PROPERTY LUMORA_CONTENT_CHECKS)
  get_property(course GLOBAL PROPERTY LUMORA_COURSE_CHECKS)
  list(REMOVE_DUPLICATES headers)
  set(includes "")
  foreach(header IN LISTS headers)
    string(APPEND includes "#include \"${header}\"\n")
  endforeach()
  list(JOIN content "\n" content)
  list(JOIN course "\n" course)
  file(CONFIGURE OUTPUT ${folder}/kind_check_headers.inc CONTENT "${includes}")
  file(CONFIGURE OUTPUT ${folder}/kind_content_checks.inc CONTENT "${content}\n")
  file(CONFIGURE OUTPUT ${folder}/kind_course_checks.inc CONTENT "${course}\n")
endfunction()

# One test executable per declared kind, of its folder under tests/exercises.
function(lumora_add_lesson_kind_tests)
  get_property(kinds GLOBAL PROPERTY LUMORA_LESSON_KINDS)
  foreach(kind IN LISTS kinds)
    set(folder ${PROJECT_SOURCE_DIR}/tests/exercises/${kind})
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    if(sources)
      lumora_add_test(${kind}_tests ${sources})
      target_include_directories(${kind}_tests PRIVATE ${folder})
      target_link_libraries(${kind}_tests PRIVATE lumora_${kind} lumora_lesson_kind_test_support)
    endif()
  endforeach()
endfunction()
