// In-process measurements of the program under Wine: switching cables, painting panels against a
// plain copy of the same size, printing every sheet, and an endurance run that watches GDI objects,
// handles and private bytes. Prints one line per figure:
//   RESULT <name> <min> <median> <max> <unit>
// Usage: strandor_bench [--rounds N] [--print]

#include <windows.h>
#include <psapi.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "GuiHarness.h"
#include "app/MainFrame.h"
#include "cables/CableTable.h"
#include "drawing/DrawingPanel.h"
#include "drawing/KeyButton.h"
#include "drawing/DrawMetafile.h"
#include "framework/Dc.h"
#include "framework/FileBytes.h"
#include "framework/Handle.h"
#include "drawing/NotesDialog.h"
#include "framework/GdiObjects.h"
#include "print/CableSheet.h"
#include "resource.h"

namespace {
double now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void report(const char* name, const std::vector<double>& values, const char* unit) {
    if (values.empty()) return;
    std::printf("RESULT %s %.3f %.3f %.3f %s\n", name, *std::min_element(values.begin(), values.end()),
                median(values), *std::max_element(values.begin(), values.end()), unit);
    std::fflush(stdout);
}

void reportValue(const char* name, double value, const char* unit) {
    std::printf("RESULT %s %.3f %.3f %.3f %s\n", name, value, value, value, unit);
    std::fflush(stdout);
}

MainFrame* startProgram(GuideApp& app) {
    app.showCommand = SW_SHOWNORMAL;
    app.InitInstance();
    PumpUntilIdle();
    ::PostMessageA(::FindWindowA(nullptr, "Aloitus ikkuna"), WM_KEYDOWN, VK_RETURN, 1);
    PumpUntilIdle();
    return static_cast<MainFrame*>(app.mainWindow);
}

void benchSwitching(MainFrame* frame) {
    std::vector<double> times;
    for (int round = 0; round < 5; ++round) {
        for (int cable : CablesInUse()) {
            double start = now();
            frame->ShowCable(cable);
            times.push_back(now() - start);
        }
    }
    report("switch_cable_three_panels", times, "ms");
}

void benchPainting(MainFrame* frame) {
    HWND panel = frame->View().startPanel.GetSafeHwnd();
    RECT client;
    ::GetClientRect(panel, &client);
    std::vector<double> paints;
    const char* folders[][2] = {{"DATA\\PLUG\\PLUG.", "PLUG"}, {"DATA\\PINOUTS\\PINOUTS.", "PINOUTS"},
                                {"DATA\\CABLE\\CABLE.", "CABLE"}, {"DATA\\NOTES\\NOTES.", "NOTES"}};
    int files = 0;
    if (frame->View().startPanel.showFirst != 1) frame->SendMessage(WM_COMMAND, ID_START_PINOUTS);
    for (auto& folder : folders) {
        for (int n = 0; n < 1000; ++n) {
            std::string path = DataFileName(folder[0], n);
            if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
            ++files;
            Cable drawing = TableCable(0);
            drawing.start.plug = path;
            frame->ShowCable(drawing);
            std::vector<double> one;
            for (int i = 0; i < 5; ++i) {
                double start = now();
                ::RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                one.push_back(now() - start);
            }
            paints.push_back(median(one));
        }
    }
    report("panel_paint_per_drawing", paints, "ms");
    reportValue("drawing_files_painted", files, "files");

    // The baseline: one copy of a panel-sized picture to the panel's window.
    HDC window = ::GetDC(panel);
    HDC memory = ::CreateCompatibleDC(window);
    HBITMAP bitmap = ::CreateCompatibleBitmap(window, client.right, client.bottom);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    std::vector<double> blits;
    for (int i = 0; i < 200; ++i) {
        double start = now();
        ::BitBlt(window, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        ::GdiFlush();
        blits.push_back(now() - start);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(panel, window);
    report("bitblt_panel_size", blits, "ms");
    if (!paints.empty()) reportValue("paint_to_bitblt_ratio", median(paints) / median(blits), "x");
}

// Where a panel paint's time goes, step by step, for one drawing file.
void benchPaintSteps(MainFrame* frame, const char* path) {
    HWND panel = frame->View().startPanel.GetSafeHwnd();
    RECT client;
    ::GetClientRect(panel, &client);
    std::vector<double> canvas, fill, play, copy;
    HDC window = ::GetDC(panel);
    for (int i = 0; i < 50; ++i) {
        double t0 = now();
        HDC memory = ::CreateCompatibleDC(nullptr);
        HBITMAP bitmap = ::CreateCompatibleBitmap(window, ::GetDeviceCaps(window, HORZRES), ::GetDeviceCaps(window, VERTRES));
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        double t1 = now();
        HBRUSH white = ::CreateSolidBrush(RGB(255, 255, 255));
        ::FillRect(memory, &client, white);
        ::DeleteObject(white);
        double t2 = now();
        ::SetMapMode(memory, MM_ANISOTROPIC);
        ::SetWindowExtEx(memory, 20800, 15600, nullptr);
        ::SetViewportExtEx(memory, frame->View().PanelScale.x, frame->View().PanelScale.y, nullptr);
        CDC borrowed = CDC::FromHandle(memory);
        PlayCheckedMetafile(borrowed, path);
        ::SetMapMode(memory, MM_TEXT);
        double t4 = now();
        ::BitBlt(window, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        ::GdiFlush();
        double t5 = now();
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        canvas.push_back(t1 - t0 + (now() - t5));
        fill.push_back(t2 - t1);
        play.push_back(t4 - t2);
        copy.push_back(t5 - t4);
    }
    ::ReleaseDC(panel, window);
    report("paint_step_display_sized_canvas", canvas, "ms");
    report("paint_step_white_fill", fill, "ms");
    report("paint_step_read_check_and_play_drawing", play, "ms");
    report("paint_step_copy_to_window", copy, "ms");
}

// Ends every notes dialog as soon as it is active.
HHOOK closer = nullptr;
LRESULT CALLBACK closeDialogs(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        char name[16] = "";
        ::GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (std::strcmp(name, "#32770") == 0) ::PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
    }
    return ::CallNextHookEx(closer, code, wParam, lParam);
}

struct Usage {
    long gdiObjects;
    DWORD handles;
    SIZE_T privateBytes;
    DWORD guiObjects;
    double handleSlot;
    double anonymousKiB;
};

// Wine answers 0 for the handle count and the private bytes; two readings that it does answer:
// the next free slot of the handle table (it grows when handles leak), and the anonymous
// resident memory of the process as Linux counts it.
double nextHandleSlot() {
    const ScopedHandle probe(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    return static_cast<double>(reinterpret_cast<UINT_PTR>(probe.get())) / 4;
}

double anonymousResidentKiB() {
    const FileBytes status = ReadFileBytes("Z:\\proc\\self\\status", 8192);
    const std::size_t line = status.bytes.find("RssAnon:");
    return line == std::string::npos ? -1 : std::atof(status.bytes.c_str() + line + 8);
}

Usage usage() {
    Usage u{};
    u.gdiObjects = LiveGdiObjects();
    ::GetProcessHandleCount(::GetCurrentProcess(), &u.handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    u.privateBytes = memory.PrivateUsage;
    u.guiObjects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    u.handleSlot = nextHandleSlot();
    u.anonymousKiB = anonymousResidentKiB();
    return u;
}

void enduranceRound(MainFrame* frame, const std::vector<int>& cables, int round) {
    frame->ShowCable(cables[round % cables.size()]);
    frame->SendMessage(WM_COMMAND, ID_START_PINOUTS);
    frame->SendMessage(WM_COMMAND, ID_END_PINOUTS);
    OpenNotes(frame, frame->View().shownCable);
    ::SendMessageA(frame->View().startPanel.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageA(frame->View().KeyButtons[round % KeyButtonCount].GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageA(frame->GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 30));
    PumpUntilIdle(0, 50);
}

void benchEndurance(MainFrame* frame, int rounds) {
    std::vector<int> cables = CablesInUse();
    closer = ::SetWindowsHookExA(WH_CBT, closeDialogs, nullptr, ::GetCurrentThreadId());
    for (int i = 0; i < 200; ++i) enduranceRound(frame, cables, i);  // warm caches and heaps
    Usage before = usage();
    double start = now();
    for (int i = 0; i < rounds; ++i) enduranceRound(frame, cables, i);
    double elapsed = now() - start;
    Usage after = usage();
    ::UnhookWindowsHookEx(closer);
    reportValue("endurance_rounds", rounds, "rounds");
    reportValue("endurance_round_time", elapsed / rounds, "ms");
    reportValue("gdi_objects_before", before.gdiObjects, "objects");
    reportValue("gdi_objects_after", after.gdiObjects, "objects");
    reportValue("handles_before", before.handles, "handles");
    reportValue("handles_after", after.handles, "handles");
    reportValue("private_bytes_before", before.privateBytes / 1024.0, "KiB");
    reportValue("private_bytes_after", after.privateBytes / 1024.0, "KiB");
    reportValue("system_gdi_objects_after", after.guiObjects, "objects");
    reportValue("next_handle_slot_before", before.handleSlot, "slot");
    reportValue("next_handle_slot_after", after.handleSlot, "slot");
    reportValue("anonymous_resident_before", before.anonymousKiB, "KiB");
    reportValue("anonymous_resident_after", after.anonymousKiB, "KiB");
}

void benchPrinting(MainFrame* frame) {
    char printer[256];
    DWORD size = sizeof printer;
    if (!::GetDefaultPrinterA(printer, &size)) {
        std::printf("SKIP printing: no default printer\n");
        return;
    }
    HDC handle = ::CreateDCA(nullptr, printer, nullptr, nullptr);
    if (!handle) {
        std::printf("SKIP printing: no printer DC\n");
        return;
    }
    CDC dc = CDC::FromHandle(handle);
    double start = now();
    int sheets = 0;
    for (int n : CablesInUse()) {
        const CableRecord& row = Catalog.cables[n];
        PrintCableSheet(frame, row.name, row.startPlug, row.endPlug, row.startPinouts, row.endPinouts, n, dc);
        ++sheets;
    }
    double elapsed = now() - start;
    ::DeleteDC(handle);
    reportValue("print_all_sheets", elapsed, "ms");
    reportValue("sheets_printed", sheets, "sheets");
}
}  // namespace

int main(int argc, char** argv) {
    int rounds = 10000;
    bool print = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) rounds = std::atoi(argv[++i]);
        if (std::strcmp(argv[i], "--print") == 0) print = true;
    }
    ::SetCursorPos(1023, 767);
    GuideApp app;
    MainFrame* frame = startProgram(app);
    benchSwitching(frame);
    benchPainting(frame);
    benchPaintSteps(frame, "DATA\\PINOUTS\\PINOUTS.002");
    if (print) benchPrinting(frame);
    benchEndurance(frame, rounds);
    ::DestroyWindow(frame->GetSafeHwnd());
    PumpUntilIdle(20);
    return 0;
}
