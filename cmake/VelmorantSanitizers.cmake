# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build (VELMORANT_SANITIZE=ON).
if(VELMORANT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
