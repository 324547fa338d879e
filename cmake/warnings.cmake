# SPDX-License-Identifier: GPL-3.0-or-later
# The warning flags of every target, in each compiler's own spelling;
# MAPRUNE_WERROR makes them errors.
if(MSVC)
  add_compile_options(/W4 /permissive- /utf-8)
  if(MAPRUNE_WERROR)
    add_compile_options(/WX)
  endif()
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wpedantic)
  if(MAPRUNE_WERROR)
    add_compile_options(-Werror)
  endif()
endif()
