#include "LibXcursor.h"

#include <dlfcn.h>

namespace {

// The library's public structures (X11/Xcursor/Xcursor.h).
struct XcursorImageC {
    unsigned int version;
    unsigned int size;
    unsigned int width, height;
    unsigned int xhot, yhot;
    unsigned int delay;
    unsigned int* pixels;
};
struct XcursorImagesC {
    int nimage;
    XcursorImageC** images;
    char* name;
};
using LoadAll = XcursorImagesC* (*)(const char*);
using Load = XcursorImagesC* (*)(const char*, int);
using LoadFromTheme = XcursorImagesC* (*)(const char*, const char*, int);
using Destroy = void (*)(XcursorImagesC*);

std::vector<LibXcursorImage> copied(XcursorImagesC* Images, Destroy Free) {
    std::vector<LibXcursorImage> out;
    if (!Images) return out;
    for (int i = 0; i < Images->nimage; ++i) {
        const XcursorImageC& c = *Images->images[i];
        out.push_back({c.size, c.width, c.height, c.xhot, c.yhot, c.delay,
                       std::vector<std::uint32_t>(c.pixels, c.pixels + c.width * c.height)});
    }
    Free(Images);
    return out;
}

} // namespace

LibXcursor& LibXcursor::instance() {
    static LibXcursor library;
    return library;
}

LibXcursor::LibXcursor() {
    m_handle = dlopen("libXcursor.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) return;
    m_loadAll = dlsym(m_handle, "XcursorFilenameLoadAllImages");
    m_load = dlsym(m_handle, "XcursorFilenameLoadImages");
    m_destroy = dlsym(m_handle, "XcursorImagesDestroy");
    m_loadFromTheme = dlsym(m_handle, "XcursorLibraryLoadImages");
    if (!m_loadAll || !m_load || !m_destroy || !m_loadFromTheme) m_handle = nullptr;
}

std::vector<LibXcursorImage> LibXcursor::loadAll(const std::string& Path) const {
    return copied(reinterpret_cast<LoadAll>(m_loadAll)(Path.c_str()),
                  reinterpret_cast<Destroy>(m_destroy));
}

std::vector<LibXcursorImage> LibXcursor::load(const std::string& Path, int Size) const {
    return copied(reinterpret_cast<Load>(m_load)(Path.c_str(), Size),
                  reinterpret_cast<Destroy>(m_destroy));
}

std::vector<LibXcursorImage> LibXcursor::loadFromTheme(const std::string& Name,
                                                       const std::string& Theme, int Size) const {
    return copied(reinterpret_cast<LoadFromTheme>(m_loadFromTheme)(Name.c_str(), Theme.c_str(),
                                                                   Size),
                  reinterpret_cast<Destroy>(m_destroy));
}
