#pragma once

#include "images/ui/PreviewForm.h"

#include <vector>

class IconDocument;

// The steps the preview plays for Document: each step's frame shown by its
// image of the active image's size (or, lacking one, the frame's active
// image) for the step's rate. Empty for a document of one frame.
std::vector<PreviewStep> previewSteps(const IconDocument& Document);
