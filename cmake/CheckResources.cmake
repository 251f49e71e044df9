# Draws the pictures anew with the picture generator into a scratch folder and compares them
# byte for byte with the committed ones, which the tests rely on.
# Usage: cmake -DGENERATOR=pulsestage-images -DRESOURCES=resources -DSCRATCH=dir -P CheckResources.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${GENERATOR} failed (${result})")
endif()

file(GLOB drawn RELATIVE "${SCRATCH}" "${SCRATCH}/*")
file(GLOB committed RELATIVE "${RESOURCES}" "${RESOURCES}/*")
if(NOT drawn STREQUAL committed)
    message(FATAL_ERROR "The generator draws ${drawn}, but ${RESOURCES} holds ${committed}")
endif()
set(stale "")
foreach(name IN LISTS drawn)
    file(SHA256 "${SCRATCH}/${name}" drawnHash)
    file(SHA256 "${RESOURCES}/${name}" committedHash)
    if(NOT drawnHash STREQUAL committedHash)
        list(APPEND stale "${name}")
    endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
if(stale)
    message(FATAL_ERROR "${stale} in ${RESOURCES} no longer match what the generator draws: "
        "draw them again with pulsestage-images ${RESOURCES} (configure with "
        "-DPULSESTAGE_BUILD_IMAGES=ON), look at them and commit them")
endif()
