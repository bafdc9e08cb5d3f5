# AddressSanitizer and UndefinedBehaviorSanitizer for every target when SANITIZE is on.
option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
