# cmake -DINPUT=<file> -DOUTPUT=<source> -DFUNCTION=<name> -DHEADER=<include> -P EmbedBytes.cmake
# Writes a C++ source whose function FUNCTION returns the bytes of INPUT, for build outputs that the
# program carries inside itself. The same input always gives the same source.
get_filename_component(name "${INPUT}" NAME)
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "// Generated from ${name} by EmbedBytes.cmake; do not edit.\n"
  "#include \"${HEADER}\"\n\n"
  "namespace {\n\n"
  "const Byte Data[${size}] = {\n  ${bytes}\n};\n\n"
  "}  // namespace\n\n"
  "std::span<const Byte> ${FUNCTION}() { return Data; }\n")
