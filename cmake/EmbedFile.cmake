# Turns a binary file into a C++ source that defines it as a byte array, so the program
# carries the file inside itself instead of reading it at run time.
# Usage: cmake -DINPUT=file -DOUTPUT=source.cpp -DNAME=symbol -DNAMESPACE=ns -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; do not edit.\n"
    "#include <cstddef>\n\n"
    "namespace ${NAMESPACE}\n{\n"
    "extern const unsigned char ${NAME}[];\n"
    "extern const std::size_t ${NAME}Size;\n"
    "const unsigned char ${NAME}[] = {\n${bytes}};\n"
    "const std::size_t ${NAME}Size = ${size};\n"
    "} // namespace ${NAMESPACE}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
