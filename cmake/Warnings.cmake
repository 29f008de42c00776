# SPDX-License-Identifier: GPL-3.0-or-later
# Every target of the project links this one target for its warnings, so strictness lives here.
add_library(besedka_warnings INTERFACE)
target_compile_options(besedka_warnings INTERFACE -Wall -Wextra -Wpedantic -Wold-style-cast
                       -Wshadow -Wnon-virtual-dtor)
if(BESEDKA_WERROR)
    target_compile_options(besedka_warnings INTERFACE -Werror)
endif()
