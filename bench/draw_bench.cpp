// Painting the analysis window's contents: eight spectrum graphs of 512
// lines with the ADD average and the frequency markers, the status line and
// the buttons, at the pictures' default size (1280 x 800); once into a DIB
// section, then the three PNG files a run's pictures make.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <math.h>
#include <stdio.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "custom/qcustom.h"
#include "fftgrph/fftgraph.h"
#include "pictures.h"
#include "wintool/wintool.h"

namespace {

const int kWidth = 1280, kHeight = 800, kRow = 24;

// A window with the analysis window's children where its layout puts them
// for eight channels (no setup panel).
HWND MakeWindow(void)
{
    FgRegisterGraphClass();
    CcDrawFrame(NULL, NULL, 0, 0);  // the custom controls' library is attached
    HWND hWnd = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, NULL, NULL, NULL, NULL);
    const int A = kHeight - 2 * kRow - 2;
    for (int j = 0; j < 8; j++) {
        const int r = j / 2, y = r * A / 4 + kRow + 1, cy = (r + 1) * A / 4 + kRow - y;
        const int x = (j % 2) ? kWidth / 2 - 1 : 0, cx = (j % 2) ? kWidth - kWidth / 2 : kWidth / 2 - 1;
        HWND hg = CreateWindowExA(0, FG_GRAPH_CLASS, "FFT Graph", WS_CHILD | WS_VISIBLE, x, y, cx, cy, hWnd,
                                  (HMENU)(INT_PTR)(1050 + j), NULL, NULL);
        SendMessageA(hg, WM_SETFONT, WtGetFont(WT_FONT_HANDLE, 0), 0);
        const LPARAM props[][2] = {{FG_PROP_POINTS, 1024}, {FG_PROP_RATE, 500}, {FG_PROP_LINES, 512},
                                   {FG_PROP_CALVALUE, 1000}, {FG_PROP_CALHEIGHT, 1000}, {FG_PROP_SHOWPARA, 1},
                                   {FG_PROP_DRAWTYPE, FG_DRAW_FILLED}, {0x2000B, 0xFF0000}};
        for (const auto &p : props)
            SendMessageA(hg, FGM_SETPROP, WPARAM(p[0]), p[1]);
        std::vector<LONG> v(512), a(512);
        for (int k = 0; k < 512; k++) {
            const double f = k * 500.0 / 1024;
            a[k] = LONG(400 / (1 + f) + 900 * exp(-(f - 10) * (f - 10) / 2));
            v[k] = a[k] + (k * 7919) % 97;
        }
        SendMessageA(hg, FGM_SETDATA, MAKEWPARAM(0, 512), (LPARAM)v.data());
        SendMessageA(hg, FGM_SETADDDATA, MAKEWPARAM(0, 512), (LPARAM)a.data());
        SendMessageA(hg, FGM_SETADDMODE, 1, 0);
        const float fMean = 10.5f, fEdge = 19.0f;
        SendMessageA(hg, FGM_SETVALUE, FG_VALUE_MEAN, (LPARAM)&fMean);
        SendMessageA(hg, FGM_SETVALUE, FG_VALUE_EDGE, (LPARAM)&fEdge);
        SendMessageA(hg, FGM_SETVALUE, FG_VALUE_ADD | FG_VALUE_MEAN, (LPARAM)&fMean);
        SendMessageA(hg, FGM_SETTEXT, FG_TEXT_TITLE, (LPARAM)"C3-A1");
        SendMessageA(hg, FGM_SETTEXT, FG_TEXT_SHOWTITLE, 1);
    }
    static const char *const apszButton[] = {"Band Setup", "ADD (F1)", "CLEAR", "Coherence", "Save.."};
    for (int i = 0; i < 5; i++) {
        HWND hb = CreateWindowExA(0, CC_TEXTBTN_CLASS, apszButton[i], 0x500042A0, i * kWidth / 5, kHeight - kRow,
                                  kWidth / 5 - 1, kRow, hWnd, (HMENU)(INT_PTR)(1020 + i), NULL, NULL);
        SendMessageA(hb, WM_SETFONT, WtGetFont(WT_FONT_HANDLE, 0), 0);
        HWND hs = CreateWindowExA(0, CC_STATIC_CLASS, "Count ", 0x500001A1, i * kWidth / 5, 0, kWidth / 5 - 1, kRow,
                                  hWnd, (HMENU)(INT_PTR)(1010 + i), NULL, NULL);
        SendMessageA(hs, WM_SETFONT, WtGetFont(WT_FONT_HANDLE, 0), 0);
    }
    return hWnd;
}

void BM_PaintAnalysisWindow(benchmark::State &state)
{
    HWND hWnd = MakeWindow();
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = kWidth;
    bmi.bmiHeader.biHeight = -kHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void *pv = NULL;
    HDC hdc = CreateCompatibleDC(NULL);
    HBITMAP hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pv, NULL, 0);
    HGDIOBJ hOld = SelectObject(hdc, hbm);
    for (auto _ : state) {
        for (HWND h = GetWindow(hWnd, GW_CHILD); h != NULL; h = GetWindow(h, GW_HWNDNEXT)) {
            RECT rc;
            GetWindowRect(h, &rc);
            SetViewportOrgEx(hdc, rc.left, rc.top, NULL);
            SendMessageA(h, WM_PRINTCLIENT, (WPARAM)hdc, 0);
        }
        benchmark::DoNotOptimize(*(volatile DWORD *)pv);
    }
    SelectObject(hdc, hOld);
    DeleteObject(hbm);
    DeleteDC(hdc);
    DestroyWindow(hWnd);
}
BENCHMARK(BM_PaintAnalysisWindow)->Unit(benchmark::kMillisecond);

// What --pictures writes for a run: the analysis window, its histogram mode
// and the coherence window, three PNG files.
void BM_PicturesOfARun(benchmark::State &state)
{
    HWND hWnd = MakeWindow();
    char szFolder[] = "/tmp/qfdrawbench.XXXXXX";
    if (mkdtemp(szFolder) == NULL) {
        state.SkipWithError("no temporary folder");
        return;
    }
    char szError[256];
    for (auto _ : state)
        if (!PicturesWriteAnalysis(hWnd, szFolder, kWidth, kHeight, szError, sizeof(szError)))
            state.SkipWithError(szError);
    std::filesystem::remove_all(szFolder);
    DestroyWindow(hWnd);
}
BENCHMARK(BM_PicturesOfARun)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
