# Windows build (x86_64 or i686, mingw-w64): the program, its resources and, on x86_64, the GUI tests.
enable_language(RC)
if(NOT HOST_TOOLS_DIR)
    message(FATAL_ERROR "HOST_TOOLS_DIR must name the host build tree that holds the resource tools")
endif()

add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN)

set(BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${BIN_DIR})

# Bitmaps and icon are made at build time from their sources in tools/bitmaps.
set(BITMAP_DIR ${CMAKE_BINARY_DIR}/bitmaps)
add_custom_command(
    OUTPUT ${BITMAP_DIR}/stamp
    COMMAND ${HOST_TOOLS_DIR}/tools/bitmaps/make_bitmaps ${BITMAP_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${BITMAP_DIR}/stamp
    DEPENDS ${HOST_TOOLS_DIR}/tools/bitmaps/make_bitmaps
    COMMENT "Drawing the bitmaps and the icon")
add_custom_target(bitmaps DEPENDS ${BITMAP_DIR}/stamp)

# The DATA folder beside the program, generated from the sources under data/.
option(GENERATE_DATA "Generate the DATA folder beside the program" ON)
if(GENERATE_DATA AND EXISTS ${HOST_TOOLS_DIR}/tools/datagen/datagen)
    file(GLOB_RECURSE DATA_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
    add_custom_command(
        OUTPUT ${BIN_DIR}/DATA/stamp
        COMMAND ${HOST_TOOLS_DIR}/tools/datagen/datagen build ${CMAKE_SOURCE_DIR}/data ${BIN_DIR}/DATA
        # The shipped sources, for the user to read and for the user's own cables to name.
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/cables ${BIN_DIR}/DATA/SOURCES/cables
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/connectors ${BIN_DIR}/DATA/SOURCES/connectors
        COMMAND ${CMAKE_COMMAND} -E touch ${BIN_DIR}/DATA/stamp
        DEPENDS ${HOST_TOOLS_DIR}/tools/datagen/datagen ${DATA_SOURCES}
        COMMENT "Generating the DATA folder")
    add_custom_target(data_folder ALL DEPENDS ${BIN_DIR}/DATA/stamp)
endif()

# The rooms both programs are built from (docs/architecture.md), then each program's own room.
file(GLOB CORE_SOURCES CONFIGURE_DEPENDS
    src/framework/*.cpp src/datafiles/*.cpp src/ui/*.cpp src/wiring/*.cpp src/cables/*.cpp src/drawing/*.cpp src/print/*.cpp
    src/external/*.cpp src/mycables/*.cpp src/benchtest/*.cpp)
# The host tools' file reader; the program reads files through Win32 (framework/FileBytes.cpp).
list(REMOVE_ITEM CORE_SOURCES ${CMAKE_SOURCE_DIR}/src/framework/FileBytesHost.cpp)
add_library(strandor_core STATIC ${CORE_SOURCES})
target_include_directories(strandor_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res)
# comdlg32 and shell32 are loaded on first use (framework/LateLibrary.h), not linked.
target_link_libraries(strandor_core PUBLIC user32 gdi32 kernel32)

file(GLOB GUIDE_APP_SOURCES CONFIGURE_DEPENDS src/app/*.cpp)
list(REMOVE_ITEM GUIDE_APP_SOURCES ${CMAKE_SOURCE_DIR}/src/app/WinMain.cpp)
add_library(guide_app STATIC ${GUIDE_APP_SOURCES})
target_link_libraries(guide_app PUBLIC strandor_core)

# The resources go into an object library so that the program and the GUI tests carry the same ones.
add_library(strandor_res OBJECT res/strandor.rc res/strandor_hidpi.rc)
target_include_directories(strandor_res PRIVATE ${BITMAP_DIR} ${CMAKE_SOURCE_DIR}/res)
add_dependencies(strandor_res bitmaps)
set_source_files_properties(res/strandor.rc PROPERTIES OBJECT_DEPENDS "${BITMAP_DIR}/stamp;${CMAKE_SOURCE_DIR}/res/strandor.manifest")
set_source_files_properties(res/strandor_hidpi.rc PROPERTIES OBJECT_DEPENDS "${BITMAP_DIR}/stamp")

add_executable(Strandor WIN32 src/app/WinMain.cpp $<TARGET_OBJECTS:strandor_res>)
target_link_libraries(Strandor PRIVATE guide_app)

# The connector catalog program, CATALOG.EXE, beside the guide. Its window classes are a library the
# GUI tests link too, and so are its menu and keys (catalog_ui.rc); icon, manifest and version are
# the program's alone (catalog.rc).
file(GLOB CATALOG_APP_SOURCES CONFIGURE_DEPENDS src/catalogapp/*.cpp)
list(REMOVE_ITEM CATALOG_APP_SOURCES ${CMAKE_SOURCE_DIR}/src/catalogapp/CatalogMain.cpp)
add_library(catalog_app STATIC ${CATALOG_APP_SOURCES})
target_link_libraries(catalog_app PUBLIC strandor_core)
add_library(catalog_ui_res OBJECT res/catalog_ui.rc)
target_include_directories(catalog_ui_res PRIVATE ${CMAKE_SOURCE_DIR}/res)
add_library(catalog_res OBJECT res/catalog.rc)
target_include_directories(catalog_res PRIVATE ${BITMAP_DIR} ${CMAKE_SOURCE_DIR}/res)
add_dependencies(catalog_res bitmaps)
set_source_files_properties(res/catalog.rc PROPERTIES OBJECT_DEPENDS "${BITMAP_DIR}/stamp;${CMAKE_SOURCE_DIR}/res/strandor.manifest")
add_executable(CATALOG WIN32 src/catalogapp/CatalogMain.cpp
    $<TARGET_OBJECTS:catalog_res> $<TARGET_OBJECTS:catalog_ui_res>)
target_link_libraries(CATALOG PRIVATE catalog_app)
set_target_properties(CATALOG PROPERTIES SUFFIX ".EXE")

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64" AND BUILD_GUI_TESTS)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_subdirectory(tests/gui)
    add_subdirectory(bench)
endif()
