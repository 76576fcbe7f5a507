#pragma once
// A library opened when the first picture or printout that needs it arrives, not at start-up
// (libheif, libjxl, lcms2, libcups), and its functions found by name. A missing library or
// function is not an error here: the caller says what cannot be done without it.

#include <dlfcn.h>

class OptionalLibrary {
public:
    // Never closed: the functions found are used until the program ends.
    explicit OptionalLibrary(const char* soname)
        : m_handle(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}

    bool isOpen() const { return m_handle != nullptr; }

    // Sets function to the library's function of that name; false when there is none.
    template <typename Function> bool find(Function*& function, const char* name) const {
        function =
            m_handle == nullptr ? nullptr : reinterpret_cast<Function*>(dlsym(m_handle, name));
        return function != nullptr;
    }

private:
    void* m_handle;
};

// A function bound to the member of the same name: HUEMARK_FIND(lcms, l, cmsCloseProfile).
#define HUEMARK_FIND(library, functions, name) (library).find((functions).name, #name)
