#pragma once

#include "document/IconFrame.h"
#include "document/IconImage.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// The file header's type word.
constexpr std::uint16_t IconFileType = 1;
constexpr std::uint16_t CursorFileType = 2;

// The one open icon or cursor file: an ordered list of images, one of which is
// being edited. An animated cursor is a list of frames, each such a list of
// images with its rate; the images the document shows are the active frame's,
// so a one-frame document is exactly a static icon or cursor. The list is never empty and every image's Index equals its
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
    // std::invalid_argument is thrown. The document then has one frame and
    // no sequence, title or author.
    void replaceImages(ImageList Images, int ActiveIndex = 0);

    // --- frames (IconDocumentFrames.cpp) ---
    // What an animated cursor holds beside its frames. An empty Sequence
    // plays the frames in order, each for its own rate.
    QString Title;
    QString Author;
    std::uint32_t DisplayRate = DefaultFrameRate;
    std::vector<FrameStep> Sequence;

    int FrameCount() const { return int(m_frames.size()); }
    int activeFrame() const { return m_activeFrame; }
    // The images of frame F (the document's own list for the active frame),
    // and its active image's index. std::out_of_range for another F.
    const ImageList& frameImages(int F) const;
    int frameActiveIndex(int F) const;
    std::uint32_t frameRate(int F) const;
    void setFrameRate(int F, std::uint32_t Rate);
    const QByteArray& frameStoredData(int F) const;
    // What frameStoredData read as, when kept from reading the file.
    const StoredFrameRead* frameStoredRead(int F) const;
    // The steps as they play: the Sequence, or every frame in order.
    std::vector<FrameStep> playedSteps() const;

    // Frame F becomes active: its images become the document's list.
    void setActiveFrame(int F);
    // A deep copy of frame F (its images and their pixels, thumbnails and
    // stored bytes).
    IconFrame copyFrame(int F) const;
    // Inserts Frame (at least one image, no null entry) at Position; the
    // active frame stays the same frame. Steps of the sequence follow their
    // frames. std::invalid_argument / std::out_of_range.
    void insertFrame(int Position, IconFrame Frame);
    // Takes frame F out and hands it back. The only frame cannot be removed
    // (std::logic_error). When it was active, its successor becomes active,
    // or its predecessor when it was the last. Steps showing it leave the
    // sequence; a sequence left empty plays in order.
    IconFrame removeFrame(int F);
    // Moves frame From to position To; the active frame stays the same frame
    // and the steps follow their frames.
    void moveFrame(int From, int To);
    // Replaces everything with Frames (at least one, each with images),
    // Active becoming the active frame; nothing changes on a bad argument.
    void replaceFrames(std::vector<IconFrame> Frames, int Active = 0);

private:
    void renumber(int From);
    void checkFrame(int F) const;
    // The active frame's images go back to m_frames / come out of it.
    void parkActiveFrame();
    void loadActiveFrame();

    ImageList m_images;
    IconImage* m_active = nullptr;
    // Every frame; the active one's Images are empty while they are the
    // document's own (m_images).
    std::vector<IconFrame> m_frames = std::vector<IconFrame>(1);
    int m_activeFrame = 0;
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
