/* Loads an animated cursor with the Windows loader and reports, as text,
 * what it made of it: the number of steps, and for each step its rate, the
 * size and hot spot of the frame shown and two of the pixels drawn.
 *
 *   ani_witness FILE WIDTH HEIGHT [FILE WIDTH HEIGHT ...]
 *
 * WIDTH and HEIGHT go to LoadImageW (0 0: the loader's own choice).
 * Output lines, for each file:
 *   file FILE WIDTH HEIGHT
 *   load-failed CODE, or:
 *   steps N
 *   step I rate R size W H hotspot X Y corner RRGGBB centre RRGGBB
 * The pixels are drawn with DrawIconEx(..., I, ...) onto black, so an opaque
 * pixel shows as its own colour.
 */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

typedef HCURSOR(WINAPI *FrameInfoFn)(HCURSOR, DWORD, DWORD, DWORD *, DWORD *);

static DWORD pixelAt(const DWORD *Bits, int Width, int X, int Y) {
    return Bits[Y * Width + X] & 0xFFFFFF;
}

/* The size of the frame's colour bitmap, or half its mask for a
 * monochrome frame. */
static void frameSize(const ICONINFO *Info, int *Width, int *Height) {
    BITMAP bm;
    if (Info->hbmColor && GetObjectW(Info->hbmColor, sizeof bm, &bm)) {
        *Width = bm.bmWidth;
        *Height = bm.bmHeight;
    } else if (Info->hbmMask && GetObjectW(Info->hbmMask, sizeof bm, &bm)) {
        *Width = bm.bmWidth;
        *Height = bm.bmHeight / 2;
    } else {
        *Width = *Height = 0;
    }
}

static int reportStep(HCURSOR Cursor, HCURSOR Frame, DWORD Step, DWORD Rate) {
    ICONINFO info;
    int width = 0, height = 0;
    BITMAPINFO bmi;
    void *bits = NULL;
    HDC dc;
    HBITMAP dib, old;
    DWORD corner = 0, centre = 0;

    if (!GetIconInfo(Frame, &info)) {
        printf("step %lu rate %lu no-frame-info\n", (unsigned long)Step, (unsigned long)Rate);
        return 0;
    }
    frameSize(&info, &width, &height);
    if (width > 0 && height > 0) {
        ZeroMemory(&bmi, sizeof bmi);
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = width;
        bmi.bmiHeader.biHeight = -height; /* rows top to bottom */
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(NULL);
        dib = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, NULL, 0);
        if (dc && dib && bits) {
            old = SelectObject(dc, dib);
            ZeroMemory(bits, (size_t)width * (size_t)height * 4);
            /* The whole cursor stepped to Step, not the frame's own handle:
             * this is the path a program animating the cursor takes. */
            if (DrawIconEx(dc, 0, 0, Cursor, width, height, Step, NULL, DI_NORMAL)) {
                GdiFlush();
                corner = pixelAt(bits, width, 0, 0);
                centre = pixelAt(bits, width, width / 2, height / 2);
            } else {
                printf("step %lu draw-failed\n", (unsigned long)Step);
            }
            SelectObject(dc, old);
        }
        if (dib) DeleteObject(dib);
        if (dc) DeleteDC(dc);
    }
    /* GDI's DIB words are 0x00RRGGBB. */
    printf("step %lu rate %lu size %d %d hotspot %lu %lu corner %06lX centre %06lX\n",
           (unsigned long)Step, (unsigned long)Rate, width, height, (unsigned long)info.xHotspot,
           (unsigned long)info.yHotspot, (unsigned long)corner, (unsigned long)centre);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return 1;
}

/* Reports one file as the loader sees it at Width x Height. */
static void reportFile(FrameInfoFn FrameInfo, const char *Name, int Width, int Height) {
    WCHAR path[MAX_PATH];
    HCURSOR cursor;
    DWORD rate = 0, steps = 0, i;

    printf("file %s %d %d\n", Name, Width, Height);
    if (!MultiByteToWideChar(CP_UTF8, 0, Name, -1, path, MAX_PATH)) {
        printf("bad-name\n");
        return;
    }
    cursor = LoadImageW(NULL, path, IMAGE_CURSOR, Width, Height, LR_LOADFROMFILE);
    if (!cursor) {
        printf("load-failed %lu\n", (unsigned long)GetLastError());
        return;
    }
    if (!FrameInfo(cursor, 0, 0, &rate, &steps)) {
        printf("no-frame-info\n");
        DestroyCursor(cursor);
        return;
    }
    printf("steps %lu\n", (unsigned long)steps);
    /* One step of several frames reports ~0 steps; a static cursor 1. */
    if (steps == ~(DWORD)0) steps = 1;
    for (i = 0; i < steps; ++i) {
        DWORD count = 0;
        HCURSOR frame = FrameInfo(cursor, 0, i, &rate, &count);
        if (!frame)
            printf("step %lu no-frame\n", (unsigned long)i);
        else
            reportStep(cursor, frame, i, rate);
    }
    DestroyCursor(cursor);
}

int main(int argc, char **argv) {
    FrameInfoFn frameInfo;
    int i;

    if (argc < 4 || (argc - 1) % 3 != 0) {
        fprintf(stderr, "usage: ani_witness FILE WIDTH HEIGHT [FILE WIDTH HEIGHT ...]\n");
        return 1;
    }
    frameInfo = (FrameInfoFn)(void (*)(void))GetProcAddress(GetModuleHandleW(L"user32.dll"),
                                                           "GetCursorFrameInfo");
    if (!frameInfo) {
        fprintf(stderr, "user32 has no GetCursorFrameInfo\n");
        return 1;
    }
    for (i = 1; i + 2 < argc; i += 3)
        reportFile(frameInfo, argv[i], atoi(argv[i + 1]), atoi(argv[i + 2]));
    return 0;
}
