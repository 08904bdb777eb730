# THREADS: music streams read an archive on threads of their own.
vrenk_test(foxp LIBS vrenk_foxp vrenk_foxpwriter sfml-graphics THREADS)
# The command-line tool is run by its own tests.
add_dependencies(test_foxp foxpack)
target_compile_definitions(test_foxp PRIVATE FOXPACK_BINARY="$<TARGET_FILE:foxpack>")
