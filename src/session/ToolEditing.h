#pragma once

#include "pixel/TColor32.h"

class SessionTools;

// What the tool buttons and option panels may use: the session's tools and
// the two drawing colours the gradient swatches show. The session implements
// it.
class ToolEditing {
public:
    virtual ~ToolEditing() = default;
    virtual SessionTools& tools() = 0;
    virtual TColor32 ForegroundColor32() const = 0;
    virtual TColor32 BackgroundColor32() const = 0;
};
