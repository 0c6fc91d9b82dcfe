#pragma once

#include "document/IconDocument.h"

// What the image list may read and do: show the document's images, make one
// the image being edited, and move the active one up or down. The session
// implements it; the window connects the session's signals to the list.
class ImageListEditing {
public:
    virtual ~ImageListEditing() = default;
    virtual const IconDocument& document() const = 0;
    virtual void ActivateImage(int Selected, bool Forced) = 0;
    virtual void IUBClick() = 0;
    virtual void IDBClick() = 0;
};
