#pragma once

#include "images/NewIconOptions.h"

#include <optional>

// Asks for the size and format of a new image: the "New Icon" dialog in the
// program, a script in tests. Empty when cancelled.
class NewIconPrompt {
public:
    virtual ~NewIconPrompt() = default;
    virtual std::optional<NewIconChoice> askNewIcon() = 0;
};
