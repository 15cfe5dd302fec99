# The program must find the driver library in its own folder and, apart from
# the system's usual places, nowhere else: its run path is exactly "$ORIGIN".
# An empty entry (a stray colon) would make the loader search the current
# folder too, where anyone could leave a library of that name.
# Usage: cmake -DREADELF=... -DPROGRAM=... -P ProgramRunPath.cmake

execute_process(COMMAND ${READELF} -d ${PROGRAM}
    OUTPUT_VARIABLE dynamic_section RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot read the dynamic section of ${PROGRAM}")
endif()
string(REGEX MATCHALL "Library r[a-z]*path: \\[[^\n]*\\]" run_paths "${dynamic_section}")
if(NOT run_paths STREQUAL "Library runpath: [$ORIGIN]")
    message(FATAL_ERROR "run path of ${PROGRAM} is \"${run_paths}\", expected only $ORIGIN")
endif()

get_filename_component(folder ${PROGRAM} DIRECTORY)
if(NOT EXISTS ${folder}/libORVDRV.so)
    message(FATAL_ERROR "libORVDRV.so is not beside ${PROGRAM}")
endif()
