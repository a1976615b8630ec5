if(LOBESHIFT_SANITIZE)
  add_compile_options(-fsanitize=${LOBESHIFT_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${LOBESHIFT_SANITIZE})
endif()
