// The layer's drawing at the size of the analysis window: eight spectrum
// graphs of 512 lines with an overlay, axes, tick labels and markers,
// painted into a 1280 x 800 window, and that window written as PNG.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "automation.h"

namespace {

const int kGraphs = 8;
const int kLines = 512;

// One graph as a spectrum view draws it: frame, axes, ticks with labels,
// the spectrum and the average as polylines, two marker lines, a title.
void PaintGraph(HDC hdc, const RECT &rc, int iGraph, HFONT hFont)
{
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
    HGDIOBJ hOldFont = SelectObject(hdc, hFont);
    SetBkMode(hdc, TRANSPARENT);
    HPEN hAxis = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN hGrid = CreatePen(PS_DOT, 1, RGB(160, 160, 160));
    HPEN hSpec = CreatePen(PS_SOLID, 1, RGB(0, 0, 200));
    HPEN hAdd = CreatePen(PS_SOLID, 1, RGB(200, 0, 0));
    HGDIOBJ hOldPen = SelectObject(hdc, hAxis);
    int x0 = rc.left + 40, y0 = rc.bottom - 20, cx = rc.right - rc.left - 50, cy = rc.bottom - rc.top - 40;
    MoveToEx(hdc, x0, rc.top + 20, NULL);
    LineTo(hdc, x0, y0);
    LineTo(hdc, x0 + cx, y0);
    char szLabel[16];
    for (int i = 0; i <= 10; i++) {
        int x = x0 + cx * i / 10;
        SelectObject(hdc, hGrid);
        MoveToEx(hdc, x, rc.top + 20, NULL);
        LineTo(hdc, x, y0);
        int n = snprintf(szLabel, sizeof szLabel, "%d", i * 5);
        RECT rcText = {x - 20, y0 + 2, x + 20, rc.bottom};
        DrawTextA(hdc, szLabel, n, &rcText, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    std::vector<POINT> spec(kLines), add(kLines);
    for (int i = 0; i < kLines; i++) {
        double v = 0.5 + 0.4 * std::sin(i * 0.05 + iGraph) * std::exp(-i / 300.0);
        spec[i] = POINT{x0 + cx * i / (kLines - 1), y0 - (LONG)(cy * v)};
        add[i] = POINT{spec[i].x, y0 - (LONG)(cy * v * 0.8)};
    }
    SelectObject(hdc, hSpec);
    Polyline(hdc, spec.data(), kLines);
    SelectObject(hdc, hAdd);
    Polyline(hdc, add.data(), kLines);
    for (int xMark : {x0 + cx / 4, x0 + cx / 2}) {
        MoveToEx(hdc, xMark, rc.top + 20, NULL);
        LineTo(hdc, xMark, y0);
    }
    TextOutA(hdc, rc.left + 4, rc.top + 2, "Fp1-A1", 6);
    SelectObject(hdc, hOldPen);
    SelectObject(hdc, hOldFont);
    for (HPEN h : {hAxis, hGrid, hSpec, hAdd})
        DeleteObject(h);
}

LRESULT CALLBACK GraphsProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_PAINT)
        return DefWindowProcA(hwnd, uMsg, wParam, lParam);
    static HFONT s_hFont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "MS UI Gothic");
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT rcClient;
    GetClientRect(hwnd, &rcClient);
    int cxCell = rcClient.right / 2, cyCell = rcClient.bottom / 4;
    for (int i = 0; i < kGraphs; i++) {
        RECT rc = {(i % 2) * cxCell, (i / 2) * cyCell, (i % 2 + 1) * cxCell, (i / 2 + 1) * cyCell};
        PaintGraph(hdc, rc, i, s_hFont);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

HWND CreateGraphsWindow()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = GraphsProc;
    wc.lpszClassName = "BenchGraphs";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "BenchGraphs", "", WS_POPUP | WS_VISIBLE, 0, 0, 1280, 800, NULL, NULL, NULL, NULL);
}

void BM_PaintAnalysisWindow(benchmark::State &state)
{
    HWND hwnd = CreateGraphsWindow();
    for (auto _ : state) {
        InvalidateRect(hwnd, NULL, TRUE);
        UpdateWindow(hwnd);
    }
    DestroyWindow(hwnd);
}
BENCHMARK(BM_PaintAnalysisWindow)->Unit(benchmark::kMillisecond);

void BM_RenderAnalysisWindowToPng(benchmark::State &state)
{
    HWND hwnd = CreateGraphsWindow();
    std::string strPath = "/tmp/gdi_bench_" + std::to_string(getpid()) + ".png";
    for (auto _ : state)
        benchmark::DoNotOptimize(AutoRenderWindowToPng(hwnd, strPath.c_str()));
    remove(strPath.c_str());
    DestroyWindow(hwnd);
}
BENCHMARK(BM_RenderAnalysisWindowToPng)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
