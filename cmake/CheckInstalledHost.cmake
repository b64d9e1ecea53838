# Installs a build tree into a fresh prefix, then builds the separate host project against it
# twice, with find_package(QorvexCtl) and with pkg-config, and runs both programs on a valid
# and an invalid tax number.
# cmake -DBUILD_DIR=... -DHOST_SOURCE=... -DWORK_DIR=... -DGENERATOR=... -DCXX=...
#       [-DLAUNCHER=...] [-DBUILD_TYPE=...] -P CheckInstalledHost.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
  endif()
endfunction()

function(expect_output program number verdict)
  execute_process(COMMAND ${program} ${number} RESULT_VARIABLE result OUTPUT_VARIABLE out)
  if(NOT result EQUAL 0 OR NOT out STREQUAL "${number} ${verdict}\n")
    message(FATAL_ERROR "${program} ${number}: exit ${result}, printed '${out}'")
  endif()
  message(STATUS "${program} ${number}: ${verdict}")
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(host_build ${WORK_DIR}/host)
set(compiler_options -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Werror")
if(LAUNCHER)
  list(APPEND compiler_options -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
run(${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${host_build} -G ${GENERATOR} ${compiler_options}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DCMAKE_PREFIX_PATH=${prefix})
run(${CMAKE_COMMAND} --build ${host_build})
expect_output(${host_build}/installed_host 123456789 valid)
expect_output(${host_build}/installed_host 123456780 invalid)

# The same program from the pkg-config file alone, the data root taken from it too.
file(GLOB_RECURSE pc_file ${prefix}/qorvexctl.pc)
cmake_path(GET pc_file PARENT_PATH pc_folder)
set(ENV{PKG_CONFIG_PATH} ${pc_folder})
execute_process(COMMAND pkg-config --cflags --libs qorvexctl
                COMMAND_ERROR_IS_FATAL ANY OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND pkg-config --variable=rootdir qorvexctl
                COMMAND_ERROR_IS_FATAL ANY OUTPUT_VARIABLE root OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(flags UNIX_COMMAND "${flags}")
set(pc_program ${WORK_DIR}/installed_host_pc)
run(${LAUNCHER} ${CXX} -std=c++20 -Wall -Wextra -Werror "-DQORVEXCTL_ROOT=\"${root}\""
    ${HOST_SOURCE}/main.cpp -o ${pc_program} ${flags})
expect_output(${pc_program} 123456789 valid)
