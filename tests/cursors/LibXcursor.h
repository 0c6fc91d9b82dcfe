#pragma once

// Debian's libXcursor, loaded at run time so the tests need no development
// package: it is the reader the desktop uses, and the witness for what Brisel
// writes. Missing library: loaded() is false and the tests skip.

#include <cstdint>
#include <string>
#include <vector>

struct LibXcursorImage {
    std::uint32_t NominalSize;
    std::uint32_t Width, Height, HotSpotX, HotSpotY, DelayMs;
    std::vector<std::uint32_t> Argb; // premultiplied, as the library hands them out
};

class LibXcursor {
public:
    static LibXcursor& instance();
    bool loaded() const { return m_handle != nullptr; }
    // XcursorFilenameLoadAllImages: every image of the file in table order;
    // empty when the library refuses the file.
    std::vector<LibXcursorImage> loadAll(const std::string& Path) const;
    // XcursorFilenameLoadImages: the frames the library picks for Size.
    std::vector<LibXcursorImage> load(const std::string& Path, int Size) const;
    // XcursorLibraryLoadImages: Name looked up in Theme along XCURSOR_PATH,
    // which the library reads once per process.
    std::vector<LibXcursorImage> loadFromTheme(const std::string& Name, const std::string& Theme,
                                               int Size) const;

private:
    LibXcursor();
    void* m_handle = nullptr;
    void* m_loadAll = nullptr;
    void* m_load = nullptr;
    void* m_destroy = nullptr;
    void* m_loadFromTheme = nullptr;
};
