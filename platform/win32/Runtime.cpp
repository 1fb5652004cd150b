// The few pieces of the C++ runtime the program needs, in their smallest
// form, and the process entry in place of the C runtime's start-up. The
// program throws nothing and catches nothing, so a failure the standard
// library would report with an exception (a string too long,
// memory exhausted) ends the process at once, as an uncaught exception
// would. Defining them here keeps the linker from taking the library's own,
// which bring the exception machinery, the demangler of the default
// terminate handler and printf with them: most of what a static C++ program
// weighs.
#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <exception>
#include <new>

namespace {

[[noreturn]] void Fail() { std::abort(); }

}  // namespace

// The handler std::terminate calls; the library's default would print a
// demangled name first.
namespace __cxxabiv1 {
std::terminate_handler __terminate_handler = Fail;
}  // namespace __cxxabiv1

namespace std {
[[noreturn]] void __throw_bad_alloc() { Fail(); }
[[noreturn]] void __throw_bad_array_new_length() { Fail(); }
[[noreturn]] void __throw_length_error(const char*) { Fail(); }
[[noreturn]] void __throw_logic_error(const char*) { Fail(); }
[[noreturn]] void __throw_out_of_range(const char*) { Fail(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { Fail(); }
[[noreturn]] void __throw_invalid_argument(const char*) { Fail(); }
[[noreturn]] void __throw_bad_optional_access() { Fail(); }
}  // namespace std

// Memory: plain new ends the process when there is none; the nothrow form,
// which the window units use, gives null and lets the caller go without.
void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    Fail();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

// The process entry. The C runtime's start-up does what this program does
// not need: arguments, a console, floating-point traps, thread-local
// destructors, runtime relocations of imported data (it imports none, and
// the 32-bit layout, tremolux.ld, refuses to link one). This runs the static
// constructors and WinMain, and ends the process with its code; msvcrt.dll,
// whose functions it calls, starts itself.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int);
extern "C" void __main();  // libgcc: the static constructors

// The start files' atexit, which the static constructors register their
// destructors with: the process always ends with ExitProcess, which takes
// back all it holds, so there is nothing to run at the end. (msvcrt's
// import library has atexit as data only.)
extern "C" int atexit(void (*)()) { return 0; }

extern "C" [[noreturn]] void TremoluxEntry() {
    __main();
    ::ExitProcess(
        static_cast<UINT>(WinMain(::GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWDEFAULT)));
}
