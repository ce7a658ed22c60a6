# clang tree for the fuzz targets: everything instrumented for libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer; any report stops the run.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)

add_library(strandor_pure STATIC ${PURE_SOURCES})
target_include_directories(strandor_pure PUBLIC ${CMAKE_SOURCE_DIR}/src)
add_subdirectory(tools/datagen)
add_subdirectory(tools/fuzz)
