#include "document/file/PngCodec.h"

#include "document/file/PngPlainDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t be32(const std::uint8_t* P) {
    return (std::uint32_t(P[0]) << 24) | (std::uint32_t(P[1]) << 16) | (std::uint32_t(P[2]) << 8) |
           std::uint32_t(P[3]);
}

// Everything libpng's callbacks touch. Plain data only: an error leaves the
// decoder by longjmp, which must not skip any destructor.
struct ReadState {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Pos;
    char Message[256];
};

void readBytes(png_structp Png, png_bytep Out, png_size_t Count) {
    auto* s = static_cast<ReadState*>(png_get_io_ptr(Png));
    if (Count > s->Size - s->Pos) png_error(Png, "the picture's data ends early");
    std::memcpy(Out, s->Data + s->Pos, Count);
    s->Pos += Count;
}

void onError(png_structp Png, png_const_charp Message) {
    auto* s = static_cast<ReadState*>(png_get_error_ptr(Png));
    std::snprintf(s->Message, sizeof s->Message, "%s", Message);
    png_longjmp(Png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// Decodes into Rows, which the caller sized from the header. Returns false
// with the reason in State.Message. No C++ object lives in this frame.
bool decodeInto(ReadState& State, png_bytep* Rows, png_uint_32 Width, png_uint_32 Height) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &State, onError, onWarning);
    if (!png) {
        std::snprintf(State.Message, sizeof State.Message, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &State, readBytes);
    png_set_user_limits(png, Width, Height);
    // Text and profile chunks of an icon are small; a huge one is an attack.
    png_set_chunk_malloc_max(png, 1u << 22);
    // A damaged chunk of any kind means a damaged picture.
    png_set_crc_action(png, PNG_CRC_DEFAULT, PNG_CRC_ERROR_QUIT);
    png_read_info(png, info);
    if (png_get_image_width(png, info) != Width || png_get_image_height(png, info) != Height)
        png_error(png, "the picture's header changed");
    png_set_expand(png); // palette and small greys to 8 bits, tRNS to alpha
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != png_size_t(Width) * 4)
        png_error(png, "the picture's pixels cannot be read as RGBA");
    png_read_image(png, Rows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

bool IsPng(const std::uint8_t* Data, std::size_t Size) {
    return Size >= sizeof Signature && std::memcmp(Data, Signature, sizeof Signature) == 0;
}

bool PngSize(const std::uint8_t* Data, std::size_t Size, int& Width, int& Height) {
    // Signature, then the IHDR chunk: length 13, type, width, height.
    if (Size < 24 || !IsPng(Data, Size) || be32(Data + 8) != 13 ||
        std::memcmp(Data + 12, "IHDR", 4) != 0)
        return false;
    const std::uint32_t w = be32(Data + 16);
    const std::uint32_t h = be32(Data + 20);
    // Larger than PNG allows (2^31 - 1): report as the largest int.
    Width = w > 0x7FFFFFFFu ? 0x7FFFFFFF : int(w);
    Height = h > 0x7FFFFFFFu ? 0x7FFFFFFF : int(h);
    return true;
}

PngPicture DecodePng(const std::uint8_t* Data, std::size_t Size, int MaxSide) {
    PngPicture picture;
    if (!PngSize(Data, Size, picture.Width, picture.Height))
        throw PngError("the picture has no PNG header");
    if (picture.Width < 1 || picture.Height < 1)
        throw PngError("the picture's header gives no size");
    if (picture.Width > MaxSide || picture.Height > MaxSide)
        throw PngError("the picture is " + std::to_string(picture.Width) + " x " +
                       std::to_string(picture.Height) + " pixels");
    picture.Pixels.resize(std::size_t(picture.Width) * std::size_t(picture.Height));
    if (DecodePlainPng(Data, Size, picture.Width, picture.Height, picture.Pixels.data()))
        return picture;
    std::vector<png_bytep> rows(std::size_t(picture.Height));
    for (int y = 0; y < picture.Height; ++y)
        rows[std::size_t(y)] =
            reinterpret_cast<png_bytep>(picture.Pixels.data() + std::size_t(y) * picture.Width);
    ReadState state{Data, Size, 0, {}};
    if (!decodeInto(state, rows.data(), png_uint_32(picture.Width), png_uint_32(picture.Height)))
        throw PngError(state.Message);
    return picture;
}
