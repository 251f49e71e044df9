# The Layering test: every include of the project's own headers in src/ goes to the folder's own
# headers or to a folder below it, in the order
#   gfx -> pulse -> misc -> engine -> gameobjects -> gamestates -> main -> stage
# so that a scene object cannot reach into a scene, nor the engine into the tools' harness.
# One header stands outside the order: the Updatable interface, which the pulse generators
# implement, lives with the scene objects that use it most (gameobjects/Updatable.hpp).
# Usage: cmake -DSOURCE_DIR=src -P CheckLayering.cmake
cmake_minimum_required(VERSION 3.25)

set(order gfx pulse misc engine gameobjects gamestates main stage)
set(allowedAnywhere "gameobjects/Updatable.hpp")

set(problems "")
foreach(folder IN LISTS order)
    list(FIND order ${folder} rank)
    file(GLOB sources "${SOURCE_DIR}/${folder}/*.hpp" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
            if(header IN_LIST allowedAnywhere)
                continue()
            endif()
            string(REGEX MATCH "^[^/]+" target "${header}")
            list(FIND order "${target}" targetRank)
            if(targetRank EQUAL -1 OR targetRank GREATER rank)
                file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
                string(APPEND problems "  ${where} includes \"${header}\"\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Includes against the layering "
        "(gfx -> pulse -> misc -> engine -> gameobjects -> gamestates -> main -> stage):\n"
        "${problems}")
endif()
