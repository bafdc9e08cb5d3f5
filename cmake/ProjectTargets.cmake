# The project's own targets. Each links project_options, which carries the warnings, the
# sanitizers and the fuzzing instrumentation, so that third-party builds (GoogleTest, Google
# Benchmark) keep their own flags.
add_library(project_options INTERFACE)

if(MSVC)
  target_compile_options(project_options INTERFACE /W4 /permissive- /utf-8
                                                   $<$<BOOL:${WARNINGS_AS_ERRORS}>:/WX>)
  # fopen and getenv are standard C; their _s variants are Microsoft's alone.
  target_compile_definitions(project_options INTERFACE _CRT_SECURE_NO_WARNINGS)
else()
  target_compile_options(project_options INTERFACE -Wall -Wextra -Wpedantic
                                                   $<$<BOOL:${WARNINGS_AS_ERRORS}>:-Werror>)
endif()

if(SANITIZE)
  target_compile_options(project_options INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

# Coverage for libFuzzer in all the project's code; the fuzz targets link the fuzzer itself.
if(FUZZ)
  target_compile_options(project_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# add_project_library(name sources...): a library whose header stands beside its sources.
function(add_project_library name)
  add_library(${name} ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE project_options)
endfunction()

# add_project_executable(name sources...): a test, benchmark or tool of the project's.
function(add_project_executable name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE project_options)
endfunction()

# add_program(name sources...): one of the ten programs, or a companion (sort_timing). Each checks its standard output at
# exit; the list of them (global property `programs`) drives the main job and the tests.
function(add_program name)
  add_project_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE stdoutcheck)
  # Run from an IDE, a program starts in its own folder, where the build copies the data sets.
  set_target_properties(${name} PROPERTIES
    VS_DEBUGGER_WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>
    XCODE_GENERATE_SCHEME ON
    XCODE_SCHEME_WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>
    DEBUGGER_WORKING_DIRECTORY $<TARGET_FILE_DIR:${name}>)
  set_property(GLOBAL APPEND PROPERTY programs ${name})
endfunction()

# add_program_variant(variant program sources...): the program built again from its own sources
# and libraries plus `sources`, whose definitions take the place of the libraries' own (an
# object file's symbol wins over a library's).
function(add_program_variant variant program)
  get_target_property(folder ${program} SOURCE_DIR)
  get_target_property(sources ${program} SOURCES)
  list(TRANSFORM sources PREPEND ${folder}/)
  get_target_property(libraries ${program} LINK_LIBRARIES)
  add_project_executable(${variant} ${sources} ${ARGN})
  target_link_libraries(${variant} PRIVATE ${libraries})
endfunction()

# embed_text(target name=path ...): compiles into target the files, found by
# embeddedText("name") (declare std::string_view embeddedText(std::string_view name);), remade
# whenever one of them changes.
function(embed_text target)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_embedded.cpp)
  set(paths "")
  foreach(entry IN LISTS ARGN)
    string(REGEX REPLACE "^[^=]*=" "" path "${entry}")
    list(APPEND paths ${path})
  endforeach()
  string(REPLACE ";" "|" files "${ARGN}")
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DFILES=${files}"
                             -P ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
                     DEPENDS ${paths} ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
                     COMMENT "Embedding ${target}'s files" VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
