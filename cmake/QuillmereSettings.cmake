# Settings shared by every target: language level, warnings, sanitizers.
add_library(quillmere_settings INTERFACE)
target_compile_features(quillmere_settings INTERFACE cxx_std_20)
target_compile_options(quillmere_settings INTERFACE -Wall -Wextra -Werror)
# GCC 12 reports overlapping copies in optimised std::string concatenation that cannot happen
# (its bugs 105329 and 105651); keep the warning, but do not fail the build on it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(quillmere_settings INTERFACE -Wno-error=restrict)
endif()

option(QUILLMERE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(QUILLMERE_SANITIZE)
    target_compile_options(quillmere_settings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(quillmere_settings INTERFACE -fsanitize=address,undefined)
endif()
