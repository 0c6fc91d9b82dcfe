#pragma once

#include "document/IconImage.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// The file header's type word.
constexpr std::uint16_t IconFileType = 1;
constexpr std::uint16_t CursorFileType = 2;

// The one open icon or cursor file: an ordered list of images, one of which is
// being edited. The list is never empty and every image's Index equals its
// position; all list changes go through the operations below, which keep that
// true, and an operation that throws leaves the document as it was.
// None of them sets Modified: the command that calls them decides.
class IconDocument {
public:
    using ImageList = std::vector<std::unique_ptr<IconImage>>;

    // An untitled document of one blank image (see untitledImage()).
    IconDocument();
    explicit IconDocument(std::unique_ptr<IconImage> First);
    IconDocument(const IconDocument&) = delete;
    IconDocument& operator=(const IconDocument&) = delete;
    // A moved-from document may only be destroyed or assigned to.
    IconDocument(IconDocument&& Other) noexcept;
    IconDocument& operator=(IconDocument&& Other) noexcept;

    QString FileName; // empty for an untitled document
    std::uint16_t FileType = IconFileType;
    bool Modified = false;

    int ImageCount() const { return int(m_images.size()); }
    const ImageList& Images() const { return m_images; }
    // Throw std::out_of_range for an index outside the list.
    IconImage& image(int Index);
    const IconImage& image(int Index) const;

    IconImage& ActiveImage() { return *m_active; }
    const IconImage& ActiveImage() const { return *m_active; }
    int activeIndex() const { return m_active->Index; }
    void setActiveImage(int Index); // std::out_of_range
    // Image must be one of this document's images (std::invalid_argument).
    void setActiveImage(const IconImage& Image);

    // Adds Image at the end (or at Position, 0..ImageCount()) and returns it;
    // the active image stays the same. Null is refused (std::invalid_argument).
    IconImage& appendImage(std::unique_ptr<IconImage> Image);
    IconImage& insertImage(int Position, std::unique_ptr<IconImage> Image);

    // Takes the image at Index out of the list and hands it back. When it was
    // the active one, its successor becomes active, or its predecessor when it
    // was the last. The only image cannot be removed (std::logic_error).
    std::unique_ptr<IconImage> removeImage(int Index);

    // Moves the image at From to position To; the active image stays the same
    // record (so it follows its pixels, caption and thumbnail to the new place).
    void moveImage(int From, int To);
    // Exchanges the active image with its predecessor / successor; false (and
    // no change) when there is none.
    bool moveActiveUp();
    bool moveActiveDown();

    // Replaces the whole list (the old images are freed). The new list must
    // hold at least one image and no null entry; otherwise nothing changes and
    // std::invalid_argument is thrown.
    void replaceImages(ImageList Images, int ActiveIndex = 0);

private:
    void renumber(int From);

    ImageList m_images;
    IconImage* m_active = nullptr;
};

// A 32 x 32 true-colour-with-alpha image of transparent black with a blank
// thumbnail and the caption "32 x 32 (TCA)": the image of an untitled document.
// Chart is the colour chart true-colour images carry (may be empty when the
// installation's chart could not be read).
std::unique_ptr<IconImage> untitledImage(PalettePicture Chart = PalettePicture());

// A new image of Width x Height pixels, all 0 (transparent black), in Format
// with Palette, hot spot (0, 0), a blank thumbnail and the two-blank caption.
std::unique_ptr<IconImage> newBlankImage(int Width, int Height, ColourFormat Format,
                                         PalettePicture Palette);
