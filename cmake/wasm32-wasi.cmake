# Building for the browser: Debian's clang 22 and wasm-ld for WebAssembly, on its wasi-libc and
# its libc++ for wasm32 (built without exceptions, as the core is). Programs are WASI modules;
# the build's own tools and the tests run them under Node's WASI (scripts/wasi-run.mjs).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-22) # GoogleTest's project asks for C too
set(CMAKE_CXX_COMPILER clang++-22)
set(CMAKE_SYSROOT /usr)
# Debian 13 and later name the target wasm32-wasip1; Debian 12's wasi-libc knows only the name
# that clang 22 calls deprecated, and says so on every file unless told not to.
if(EXISTS ${CMAKE_SYSROOT}/include/wasm32-wasip1)
  set(triple wasm32-wasip1)
else()
  set(triple wasm32-wasi)
  set(CMAKE_C_FLAGS_INIT -Wno-deprecated)
  set(CMAKE_CXX_FLAGS_INIT -Wno-deprecated)
endif()
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
string(APPEND CMAKE_CXX_FLAGS_INIT " -fno-exceptions")
find_program(IMC_NODE NAMES node nodejs REQUIRED)
# Node 18 (Debian 12) asks for the flag; later ones take it and need none.
set(CMAKE_CROSSCOMPILING_EMULATOR ${IMC_NODE} --no-warnings --experimental-wasi-unstable-preview1
  ${CMAKE_CURRENT_LIST_DIR}/../scripts/wasi-run.mjs)
