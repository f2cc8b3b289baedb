# Modules the host loads (the object library, the editor application, test modules):
#
#   vt_module_options(<target>)
#
# Built so that unloading really takes them out of the process: GCC would otherwise mark the
# statics of inline functions and templates STB_GNU_UNIQUE, which keeps a module mapped after its
# last dlclose, so a module loaded again would find its old statics. And linked with
# -Bsymbolic-functions, so that a module's calls of its own functions never bind to another
# module's copy now that modules are loaded globally (RTLD_GLOBAL).
function(vt_module_options target)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -fno-gnu-unique)
    endif()
    target_link_options(${target} PRIVATE -Wl,-Bsymbolic-functions)
endfunction()
