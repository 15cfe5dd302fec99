# Stores a JPEG file as the Picture.Data of a form description, in the form
# the picture reader expects: the graphic class name "TJPEGImage" with its
# length byte, the JPEG's length in four bytes (least significant first), then
# the JPEG itself, written as lines of hexadecimal digits.
#
#   cmake -DPICTURE=board.jpg -DDESCRIPTION=template.dfm -P EmbedPicture.cmake

if(NOT PICTURE OR NOT DESCRIPTION)
    message(FATAL_ERROR "Usage: cmake -DPICTURE=file.jpg -DDESCRIPTION=file.dfm -P EmbedPicture.cmake")
endif()

function(byte_hex value out)
    math(EXPR byte "${value} % 256" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${byte}" 2 -1 byte)
    string(LENGTH "${byte}" digits)
    if(digits EQUAL 1)
        set(byte "0${byte}")
    endif()
    set(${out} "${byte}" PARENT_SCOPE)
endfunction()

file(READ "${PICTURE}" jpeg HEX)
string(LENGTH "${jpeg}" digits)
math(EXPR size "${digits} / 2")
set(length "")
foreach(shift 0 8 16 24)
    math(EXPR part "(${size} >> ${shift}) & 255")
    byte_hex(${part} hex)
    string(APPEND length "${hex}")
endforeach()

set(className "0A544A504547496D616765") # 10, "TJPEGImage"
string(TOUPPER "${className}${length}${jpeg}" data)
string(REPEAT "[0-9A-F]" 64 line_of_digits)
string(REGEX REPLACE "(${line_of_digits})" "      \\1\n" lines "${data}")
# The last, shorter line has no break yet.
string(REGEX REPLACE "\n([0-9A-F]+)$" "\n      \\1\n" lines "${lines}")

file(READ "${DESCRIPTION}" text)
string(FIND "${text}" "Picture.Data = {" start)
if(start EQUAL -1)
    message(FATAL_ERROR "${DESCRIPTION} has no Picture.Data block")
endif()
string(SUBSTRING "${text}" 0 ${start} before)
string(SUBSTRING "${text}" ${start} -1 rest)
string(FIND "${rest}" "}" close)
math(EXPR after_start "${close} + 1")
string(SUBSTRING "${rest}" ${after_start} -1 after)
string(REGEX MATCH "[ ]*$" indent "${before}")
file(WRITE "${DESCRIPTION}" "${before}Picture.Data = {\n${lines}${indent}}${after}")
