# The hardening Debian builds its packages with (what `dpkg-buildflags` gives with
# hardening=+all): fortified libc calls, stack protection, a position-independent
# executable, and relocations made read-only before the program runs. On for every build,
# so that the tests run the program as it is packaged.
option(QUIBBET_HARDENING "Build with the distribution's hardening flags" ON)
if(NOT QUIBBET_HARDENING)
    return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# The fortified calls need the optimiser (glibc warns without it, which -Werror would turn
# into a failed build), so a Debug build goes without them. -U first: a compiler that sets
# its own level would warn about the redefinition.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(LINKER:-z,relro LINKER:-z,now)
