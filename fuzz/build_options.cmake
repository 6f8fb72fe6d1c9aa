# Sanitizer and fuzzer instrumentation for every target of the build, set
# before the first target is defined, and the names of the fuzz targets. Used by tools/test-all.sh (a sanitized
# test build) and tools/fuzz.sh (the libFuzzer build with Clang).

if(VEXLOR_SANITIZE)
    # A real number converted to an integer type it does not fit is undefined
    # behaviour (the decimal encoder converts long doubles). Clang's "undefined"
    # checks it, GCC's leaves it out: named here, so both compilers do.
    set(vexlor_sanitizers "${VEXLOR_SANITIZE}")
    if(vexlor_sanitizers MATCHES "(^|,)undefined(,|$)"
       AND NOT vexlor_sanitizers MATCHES "float-cast-overflow")
        string(APPEND vexlor_sanitizers ",float-cast-overflow")
    endif()
    # Stop at the first finding, with whole stacks.
    add_compile_options(-fsanitize=${vexlor_sanitizers} -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${vexlor_sanitizers} -fno-sanitize-recover=all)
endif()

if(VEXLOR_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VEXLOR_FUZZ needs Clang (libFuzzer): configure with "
                            "-DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Everything gets coverage feedback and the sanitizers; only the fuzz
    # targets link libFuzzer's main (fuzz/CMakeLists.txt).
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
                        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
endif()

# The fuzz targets by name: fuzz/fuzz_<name>.cpp, seeds in fuzz/corpus/<name>;
# tests/robustness replays each corpus.
set(VEXLOR_FUZZ_TARGETS vxc_reader transaction_engine)
