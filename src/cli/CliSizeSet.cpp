// brisel-cli create OUT --sizes 16,24,32 PICTURE: one image per size, each
// the picture centred on a transparent square and scaled down to that size.

#include "cli/CliCreate.h"

#include "document/file/PngCodec.h"
#include "document/file/SizeSet.h"

namespace {

// A size set's picture may be a large one; this bounds the memory it takes.
constexpr int MaxPictureSide = 8192;

} // namespace

int runSizeSet(const CreateOptions& O) {
    const std::string& path = O.Pictures.front();
    PngPicture picture;
    {
        const std::vector<std::uint8_t> bytes = readWholeFile(path);
        int w = 0, h = 0;
        if (!PngSize(bytes.data(), bytes.size(), w, h)) throw CliError(path + ": not a PNG picture");
        if (w > MaxPictureSide || h > MaxPictureSide)
            throw CliError(path + ": the picture is " + std::to_string(w) + " x " +
                           std::to_string(h) + " pixels; a size set is made from at most " +
                           std::to_string(MaxPictureSide) + " x " +
                           std::to_string(MaxPictureSide));
        try {
            picture = DecodePng(bytes.data(), bytes.size(), MaxPictureSide);
        } catch (const PngError& e) {
            throw CliError(path + ": " + e.what());
        }
    }
    if (O.HotSpotGiven && (O.HotSpotX >= picture.Width || O.HotSpotY >= picture.Height))
        throw CliError("create: the hot spot " + std::to_string(O.HotSpotX) + "," +
                       std::to_string(O.HotSpotY) + " lies outside the " +
                       std::to_string(picture.Width) + " x " + std::to_string(picture.Height) +
                       " picture");
    std::vector<IconRaster> images(O.Sizes.size());
    forEachParallel(int(images.size()), picture.Pixels.size() * images.size(), [&](int i) {
        const int side = O.Sizes[std::size_t(i)];
        IconRaster& image = images[std::size_t(i)];
        image.Width = image.Height = side;
        image.Pixels =
            SizeSet::ScaleToSquare(picture.Pixels.data(), picture.Width, picture.Height, side);
        // The hot spot is a point of the picture; each image has it where
        // that point lands.
        int x = 0, y = 0;
        if (O.HotSpotGiven) {
            x = O.HotSpotX;
            y = O.HotSpotY;
            SizeSet::ScalePoint(picture.Width, picture.Height, side, x, y);
        }
        image.HotSpotX = std::uint8_t(x);
        image.HotSpotY = std::uint8_t(y);
        giveCreateFormat(image, O);
    });
    saveImages(O.Out, O.Type, images);
    return 0;
}
