# Hardening of the programs as Debian builds them: buffer checks of the C
# library (they need optimisation, so not in Debug builds), stack protectors,
# and relocations made read-only at start-up. The sanitizer and fuzz builds
# instrument the code themselves and go without.
option(ORBICA_HARDENING "Build with fortified functions, stack protectors and full RELRO" ON)
if(ORBICA_HARDENING AND NOT ORBICA_ENGINE_ONLY AND NOT ORBICA_FUZZ)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2> -fstack-protector-strong)
  add_link_options(-Wl,-z,relro,-z,now)
endif()
