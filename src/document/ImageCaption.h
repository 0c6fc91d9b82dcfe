#pragma once

#include "document/IconImage.h"

#include <QString>
#include <optional>

// The label of a colour format as the image list shows it: "(2)", "(16)",
// "(256)", "(TC)" or "(TCA)"; nothing for a value that is not a format.
std::optional<QString> FormatLabel(ColourFormat Format);
// Sets S to the label of Format; any other value leaves S as it was.
void FormatLabel(ColourFormat Format, QString& S);

// "W x H  (label)" with two blanks: the caption every editing command gives an
// image it creates or changes.
QString ImageCaption(int Width, int Height, ColourFormat Format);
QString ImageCaption(const IconImage& Image);

// "W x H (label)" with one blank: the caption of images read from a file and of
// the untitled image. It stays until an editing command captions the image anew.
QString ReaderCaption(int Width, int Height, ColourFormat Format);
QString ReaderCaption(const IconImage& Image);
