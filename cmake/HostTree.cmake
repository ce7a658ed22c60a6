# Native build: the tools that make the resources and the DATA tree, and the unit tests of pure logic.
find_package(GTest REQUIRED)
enable_testing()

add_library(strandor_pure STATIC ${PURE_SOURCES})
target_include_directories(strandor_pure PUBLIC ${CMAKE_SOURCE_DIR}/src)

foreach(tool bitmaps datagen)
    if(EXISTS ${CMAKE_SOURCE_DIR}/tools/${tool}/CMakeLists.txt)
        add_subdirectory(tools/${tool})
    endif()
endforeach()

add_subdirectory(tests/unit)

# scripts/bench: compiling a user's cable, measured natively (the compiler is pure code).
add_executable(compile_bench bench/CompileBench.cpp)
target_link_libraries(compile_bench PRIVATE strandor_pure)
