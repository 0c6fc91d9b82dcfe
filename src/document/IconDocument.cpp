#include "document/IconDocument.h"

#include "document/ImageCaption.h"
#include "document/Thumbnail.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

IconDocument::IconDocument() : IconDocument(untitledImage()) {}

IconDocument::IconDocument(std::unique_ptr<IconImage> First) {
    ImageList list;
    list.push_back(std::move(First));
    replaceImages(std::move(list));
}

IconDocument::IconDocument(IconDocument&& Other) noexcept
    : FileName(std::move(Other.FileName)), FileType(Other.FileType), Modified(Other.Modified),
      Title(std::move(Other.Title)), Author(std::move(Other.Author)),
      DisplayRate(Other.DisplayRate), Sequence(std::move(Other.Sequence)),
      m_images(std::move(Other.m_images)), m_active(std::exchange(Other.m_active, nullptr)),
      m_frames(std::move(Other.m_frames)), m_activeFrame(Other.m_activeFrame) {}

IconDocument& IconDocument::operator=(IconDocument&& Other) noexcept {
    if (this == &Other) return *this;
    FileName = std::move(Other.FileName);
    FileType = Other.FileType;
    Modified = Other.Modified;
    Title = std::move(Other.Title);
    Author = std::move(Other.Author);
    DisplayRate = Other.DisplayRate;
    Sequence = std::move(Other.Sequence);
    m_images = std::move(Other.m_images);
    m_active = std::exchange(Other.m_active, nullptr);
    m_frames = std::move(Other.m_frames);
    m_activeFrame = Other.m_activeFrame;
    return *this;
}

IconImage& IconDocument::image(int Index) {
    if (Index < 0 || Index >= ImageCount()) throw std::out_of_range("image index out of range");
    return *m_images[std::size_t(Index)];
}

const IconImage& IconDocument::image(int Index) const {
    return const_cast<IconDocument*>(this)->image(Index);
}

void IconDocument::setActiveImage(int Index) {
    m_active = &image(Index);
}

void IconDocument::setActiveImage(const IconImage& Image) {
    const int i = Image.Index;
    if (i < 0 || i >= ImageCount() || m_images[std::size_t(i)].get() != &Image)
        throw std::invalid_argument("the image is not part of this document");
    m_active = m_images[std::size_t(i)].get();
}

IconImage& IconDocument::appendImage(std::unique_ptr<IconImage> Image) {
    return insertImage(ImageCount(), std::move(Image));
}

IconImage& IconDocument::insertImage(int Position, std::unique_ptr<IconImage> Image) {
    if (!Image) throw std::invalid_argument("no image to add");
    if (Position < 0 || Position > ImageCount())
        throw std::out_of_range("insert position out of range");
    IconImage& added = *Image;
    m_images.insert(m_images.begin() + Position, std::move(Image));
    renumber(Position);
    return added;
}

std::unique_ptr<IconImage> IconDocument::removeImage(int Index) {
    if (Index < 0 || Index >= ImageCount()) throw std::out_of_range("image index out of range");
    if (ImageCount() == 1) throw std::logic_error("the only image of a document cannot be removed");
    const bool wasActive = m_active == m_images[std::size_t(Index)].get();
    std::unique_ptr<IconImage> removed = std::move(m_images[std::size_t(Index)]);
    m_images.erase(m_images.begin() + Index);
    renumber(Index);
    if (wasActive) m_active = m_images[std::size_t(std::min(Index, ImageCount() - 1))].get();
    return removed;
}

void IconDocument::moveImage(int From, int To) {
    if (From < 0 || From >= ImageCount() || To < 0 || To >= ImageCount())
        throw std::out_of_range("image index out of range");
    if (From == To) return;
    std::unique_ptr<IconImage> moving = std::move(m_images[std::size_t(From)]);
    m_images.erase(m_images.begin() + From);
    m_images.insert(m_images.begin() + To, std::move(moving));
    renumber(std::min(From, To));
}

bool IconDocument::moveActiveUp() {
    const int i = activeIndex();
    if (i <= 0) return false;
    moveImage(i, i - 1);
    return true;
}

bool IconDocument::moveActiveDown() {
    const int i = activeIndex();
    if (i >= ImageCount() - 1) return false;
    moveImage(i, i + 1);
    return true;
}

void IconDocument::replaceImages(ImageList Images, int ActiveIndex) {
    if (Images.empty()) throw std::invalid_argument("a document needs at least one image");
    for (const auto& img : Images)
        if (!img) throw std::invalid_argument("a document's image list holds no empty entries");
    if (ActiveIndex < 0 || ActiveIndex >= int(Images.size()))
        throw std::invalid_argument("the active image must be one of the new images");
    // The old records die only when the new list is fully in place, so no
    // reference is ever left pointing into a half-freed list.
    m_images.swap(Images);
    renumber(0);
    m_active = m_images[std::size_t(ActiveIndex)].get();
    m_frames = std::vector<IconFrame>(1);
    m_activeFrame = 0;
    Title.clear();
    Author.clear();
    DisplayRate = DefaultFrameRate;
    Sequence.clear();
}

void IconDocument::renumber(int From) {
    for (int i = From; i < ImageCount(); ++i)
        m_images[std::size_t(i)]->Index = i;
}

std::unique_ptr<IconImage> untitledImage(PalettePicture Chart) {
    auto img = newBlankImage(32, 32, 32, std::move(Chart));
    img->Caption = ReaderCaption(*img);
    return img;
}

std::unique_ptr<IconImage> newBlankImage(int Width, int Height, ColourFormat Format,
                                         PalettePicture Palette) {
    auto img = std::make_unique<IconImage>();
    img->Pixels.SetSize(Width, Height);
    img->Format = Format;
    img->Palette = std::move(Palette);
    img->Caption = ImageCaption(*img);
    img->Thumbnail = BlankThumbnail();
    return img;
}
