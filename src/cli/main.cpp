// brisel-cli: lists, unpacks, makes and converts icon and cursor files from
// the command line, with the same file core as the editor.
//
// It links the file core alone (the C++ library, libpng and libdeflate),
// statically, so it starts like a small C program: no window system, no
// picture plug-ins and no dynamic loader stand between the command and the
// first byte read.

#include "cli/CliCommon.h"
#include "cli/CliInfo.h"
#include "cli/CliTheme.h"

#include <cstdio>
#include <malloc.h>
#include <string>
#include <vector>

namespace {
const char* const Usage =
    "Usage: brisel-cli COMMAND ARGUMENTS...\n"
    "\n"
    "Reads and writes Windows icon (.ico) and cursor (.cur) files, with images\n"
    "of 1 to 256 pixels each way; images with a side of 256 are stored as PNG;\n"
    "and animated cursors (.ani), whose frames each hold a cursor's images.\n"
    "\n"
    "Commands:\n"
    "  info FILE...\n"
    "      One line per image of each FILE: number (from 1), width x height,\n"
    "      bits per pixel, hot spot (cursors; \"-\" for icons) and the bytes of\n"
    "      its data. Sizes are those the images are read at: an image's own\n"
    "      header where it disagrees with the directory (noted at the end).\n"
    "      An animated cursor: one line per step (step, frame, rate in\n"
    "      jiffies), then one per image of each frame. An X cursor file: one\n"
    "      line per image (size, nominal size, hot spot, delay), one per comment.\n"
    "  extract FILE... DIR\n"
    "      Writes every image of each FILE as an RGBA PNG picture DIR/NAME-N.png\n"
    "      (NAME: FILE without folder and extension; N the image's number, as\n"
    "      info lists it). Transparent and screen-inverting pixels get alpha 0.\n"
    "      An animated cursor's images go to DIR/NAME-F-N.png (F: frame from 1);\n"
    "      an X cursor's every image, in the order info lists them.\n"
    "  create OUT [--cursor] [--format 1|4|8|24|32] [--palette FILE] [--png]\n"
    "         [--hotspot X,Y] PICTURE...\n"
    "      Makes OUT with one image per PICTURE (a PNG picture of at most\n"
    "      256 x 256 pixels). --cursor makes a cursor,\n"
    "      --hotspot sets every image's hot spot (cursors only), --format the\n"
    "      bits per pixel (default 32). The palette formats (1, 4, 8) take the\n"
    "      picture's first 2, 16 or 256 colours as their palette and show every\n"
    "      other colour as the nearest of them; --palette takes the palette\n"
    "      from FILE instead (.icp, GIMP .gpl, JASC or Microsoft .pal, Adobe\n"
    "      .act), cut or filled with black to the format's 2, 16 or 256 colours.\n"
    "      --png stores every 32-bit image\n"
    "      as a PNG picture; otherwise only images of 256 pixels are PNG.\n"
    "  create OUT --sizes 16,24,32,48,64,256 [OPTIONS] PICTURE\n"
    "      Makes one image per size from one PNG picture of up to 8192 x 8192\n"
    "      pixels: the picture centred on a transparent square, scaled by\n"
    "      area averaging with alpha weighting. The hot spot is a point of\n"
    "      the picture, placed where it lands in each image.\n"
    "  create OUT.ani [--rate J | --rates J,J,...] [--sequence I,I,...]\n"
    "         [--title T] [--author A] [--hotspot X,Y] FRAME...\n"
    "      Makes an animated cursor with one frame per FRAME: a cursor (its\n"
    "      images and hot spots kept), an icon or a PNG picture (one 32-bit\n"
    "      image); --hotspot gives the hot spot of icons and pictures. Rates\n"
    "      are in jiffies (1/60 s; default 6), one for all steps or one per\n"
    "      step; --sequence gives the frame (from 1) each step shows, else\n"
    "      the frames play in order.\n"
    "  convert IN OUT [--to ico|cur|ani|xcursor] [--sizes 24,32,48]\n"
    "      Rewrites IN (an icon, a cursor, an animated cursor or an X cursor\n"
    "      file, recognised by its content) as OUT: of the kind --to names,\n"
    "      else by OUT's extension (.ico, .cur, .ani; none makes an X cursor\n"
    "      file, as cursor themes hold). Between icons and cursors each image\n"
    "      keeps its own hot spot and storage and is written back byte for\n"
    "      byte (hot spots of an icon start at 0,0). --sizes makes exactly\n"
    "      those sizes: a size IN has is kept as drawn, the others are scaled\n"
    "      from the nearest larger one with the hot spot on the same point of\n"
    "      the picture. An X cursor keeps every frame, delay and comment; an\n"
    "      icon or cursor file takes the first frame of each size up to 256\n"
    "      pixels. Screen-inverting pixels become dark pixels with a light\n"
    "      outline in an X cursor. Between .ani and X cursors every step is a\n"
    "      frame of every size and delays go between jiffies (1/60 s) and\n"
    "      milliseconds by rounding (a delay that changes is said); an X\n"
    "      cursor's sizes animate on the clock of the size with most frames.\n"
    "      Between .ani, .cur and .ico: a cursor or icon becomes a one-frame\n"
    "      animation; an animation becomes its first frame (said on standard\n"
    "      error when it has more).\n"
    "  thumbnail IN OUT SIZE\n"
    "      Writes OUT, an RGBA PNG picture of the icon, cursor, animated cursor\n"
    "      or X cursor file IN whose longer side is SIZE pixels (1 to 4096), for\n"
    "      file managers: made from the image whose longer side is nearest SIZE\n"
    "      (of an animation, its first step), scaled smoothly, with\n"
    "      transparent and screen-inverting pixels at alpha 0.\n"
    "  thumbnail FILE... DIR SIZE\n"
    "      The same for many files, each written as DIR/NAME.png (with one\n"
    "      FILE, when DIR is an existing folder).\n"
    "  theme OUTDIR --name NAME [--comment TEXT] [--inherits THEME]\n"
    "        [--sizes 24,32,48,64,96] ROLE=FILE... | --inf install.inf\n"
    "      Writes the cursor theme OUTDIR/NAME for the Linux desktop: index.theme\n"
    "      and cursors/, one X cursor file per role under its main name and\n"
    "      every other name desktops look the role up by as a link to it. ROLE\n"
    "      is any name of the role (default, pointer, text, wait, progress,\n"
    "      help, crosshair, not-allowed, ns-resize, ...); FILE a .ico, .cur,\n"
    "      .ani or X cursor file. --inf takes the files of a Windows scheme in its\n"
    "      slot order (NAME defaults to the scheme's). Sizes default to\n"
    "      24,32,48,64,96; sizes not drawn are scaled as for convert. Roles not\n"
    "      given link to the nearest given role, or are left to --inherits.\n"
    "  theme-import THEMEDIR OUTDIR\n"
    "      Writes one cursor file per role found in the theme, OUTDIR/NAME.cur,\n"
    "      or OUTDIR/NAME.ani for an animated one (NAME the role's main name),\n"
    "      with every size of up to 256 pixels.\n"
    "\n"
    "Windows programs and libraries (.exe, .dll, .icl, ...; PE and 16-bit NE):\n"
    "  info PROGRAM...\n"
    "      One line per icon or cursor group: its name or number, the number of\n"
    "      images and their sizes.\n"
    "  extract PROGRAM... DIR [--group NAME]\n"
    "      Writes each group (or only the group NAME, a name or number) as the\n"
    "      icon or cursor file DIR/PROGRAM-GROUP.ico or .cur, its images byte\n"
    "      for byte as the program holds them, hot spots included.\n"
    "\n"
    "Examples:\n"
    "  brisel-cli info app.ico\n"
    "  brisel-cli extract app.ico pictures\n"
    "  brisel-cli create app.ico app-16.png app-32.png app-48.png\n"
    "  brisel-cli create pointer.cur --cursor --hotspot 3,2 --format 4 pointer.png\n"
    "  brisel-cli create app.ico --sizes 16,24,32,48,64,256 logo.png\n"
    "  brisel-cli convert pointer.cur pointer.ico\n"
    "  brisel-cli create busy.ani --rate 8 --hotspot 15,15 busy-1.png busy-2.png\n"
    "  brisel-cli convert pointer.cur left_ptr --sizes 24,32,48,64,96\n"
    "  brisel-cli convert busy.ani watch\n"
    "  brisel-cli thumbnail pointer.cur pointer.png 128\n"
    "  brisel-cli theme ~/.icons --name Mine default=arrow.cur text=beam.cur\n"
    "  brisel-cli theme ~/.icons --inf scheme/install.inf\n"
    "  brisel-cli theme-import ~/.icons/Mine cursors\n"
    "\n"
    "Files are replaced only once they are completely written. The status is 0\n"
    "on success; on failure a one-line message on standard error names the file\n"
    "and the reason, and the status is 1. Given many files, a command still does\n"
    "every file it can and ends with status 1 when any failed.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return 1;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "info") return runInfo(argc - 2, argv + 2);
    // Every image allocates and frees buffers of a few hundred kilobytes;
    // keeping them in the heap instead of returning them to the system at
    // every free saves the page faults of touching them afresh.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    const Arguments args(argv + 2, argv + argc);
    try {
        if (command == "extract") return runExtract(args);
        if (command == "create") return runCreate(args);
        if (command == "convert") return runConvert(args);
        if (command == "thumbnail") return runThumbnail(args);
        if (command == "theme") return runTheme(args);
        if (command == "theme-import") return runThemeImport(args);
        throw CliError("unknown command \"" + command + "\"; see brisel-cli --help");
    } catch (const std::exception& e) {
        printError(e.what());
    }
    return 1;
}
