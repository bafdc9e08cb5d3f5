# Compiler warnings for every target of the project; errors too when WARNINGS_AS_ERRORS is on.
option(WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

if(MSVC)
  add_compile_options(/W4 /permissive- /utf-8)
  if(WARNINGS_AS_ERRORS)
    add_compile_options(/WX)
  endif()
else()
  add_compile_options(-Wall -Wextra -Wpedantic)
  if(WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
  endif()
endif()
