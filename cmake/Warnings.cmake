# Every target of the project compiles with the same warning set, kept at zero.
add_library(orvane_warnings INTERFACE)
add_library(orvane::warnings ALIAS orvane_warnings)
target_compile_options(orvane_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
    $<$<BOOL:${ORVANE_WERROR}>:-Werror>)
