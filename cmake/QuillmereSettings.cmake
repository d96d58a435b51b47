# Settings shared by every target: language level, warnings, sanitizers.
add_library(quillmere_settings INTERFACE)
target_compile_features(quillmere_settings INTERFACE cxx_std_20)
target_compile_options(quillmere_settings INTERFACE -Wall -Wextra -Werror)

option(QUILLMERE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(QUILLMERE_SANITIZE)
    target_compile_options(quillmere_settings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(quillmere_settings INTERFACE -fsanitize=address,undefined)
endif()
