#include "benchtest/BenchTestDialog.h"

#include <cstdio>

#include "drawing/DrawMetafile.h"
#include "framework/Accessible.h"
#include "framework/Dc.h"
#include "framework/DpiScale.h"
#include "framework/File.h"
#include "framework/FileBytes.h"
#include "resource.h"

namespace {
constexpr COLORREF MarkColour = RGB(220, 0, 0);
// Notes files are small; of a larger one the head tells its encoding.
constexpr std::size_t NotesReadLimit = 4 * 1024 * 1024;

std::string nowText() {
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
    return text;
}

// "Female, mating face" -> "female, mating face".
std::string lowered(std::string text) {
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

// "S3" is on the start connector, "EL:C" on the end one.
std::string endOf(const std::string& contact) { return contact.substr(0, 1); }
}  // namespace

// The step in large letters. It keeps the keyboard focus and takes every key, so that Space, Y,
// N, Backspace and Esc answer whichever button the mouse last pressed.
class BenchStepView : public CWnd {
public:
    explicit BenchStepView(BenchTestDialog& dialog) : dialog(dialog) {}

    bool describe(AccessibleFacts& facts) const override {
        facts.role = AccessibleRoleStaticText;
        facts.name = dialog.Text();
        facts.value = facts.name;
        return true;
    }

    void SetFonts(int dpi) {
        large = CFont();
        small = CFont();
        large.CreateFont(-ScaleForDpi(30, dpi), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
        small.CreateFont(-ScaleForDpi(16, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
    }

    // The head line, the large text and the lines under it.
    std::string head, largeText, below;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
            case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(wParam)) ? 0 : Default(message, wParam, lParam);
            case WM_LBUTTONDOWN: ::SetFocus(hwnd); return 0;
            default: return CWnd::WindowProc(message, wParam, lParam);
        }
    }

    void Paint(CDC& dc) override {
        RECT client;
        GetClientRect(&client);
        dc.FillSolidRect(client, dialog.Card());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(dialog.CardText());
        const int margin = client.right / 30;
        RECT area{margin, margin, client.right - margin, client.bottom - margin};
        for (const auto& [text, font] : {std::pair(&head, &small), std::pair(&largeText, &large), std::pair(&below, &small)}) {
            SelectGuard guard(dc, *font);
            RECT measured = area;
            dc.DrawText(text->c_str(), &measured, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
            dc.DrawText(text->c_str(), &area, DT_WORDBREAK | DT_NOPREFIX);
            area.top = measured.bottom + margin;
        }
    }

private:
    bool OnKeyDown(UINT key) {
        switch (key) {
            case VK_SPACE:
            case 'Y': dialog.OnAnswer(BenchAnswer::Beeps); return true;
            case 'N': dialog.OnAnswer(BenchAnswer::Silent); return true;
            case VK_BACK: dialog.OnBack(); return true;
            case VK_ESCAPE: dialog.OnStop(); return true;
            case VK_RETURN:
                if (dialog.Finished()) dialog.OnStop();
                return true;
            default: return false;
        }
    }

    BenchTestDialog& dialog;
    CFont large;
    CFont small;
};

BenchTestDialog::BenchTestDialog(CWnd* owner, const Cable& cable)
    : SurfaceDialog(IDD_BENCH_TEST, owner), cable(cable), run(BenchSteps(cable.entry)) {}

BenchTestDialog::~BenchTestDialog() = default;

BOOL BenchTestDialog::OnInitDialog() {
    SetWindowText("Strandor! - Test at the bench: " + cable.name);
    stepView = std::make_unique<BenchStepView>(*this);
    stepView->CreateEx(0, DefaultChildClass(), "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, RECT{0, 0, 10, 10}, hwnd,
                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_BENCH_STEP)));
    placeParts();
    stepChanged();
    ::SetFocus(*stepView);
    return FALSE;  // the focus is set
}

INT_PTR BenchTestDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_BENCH_BEEPS: OnAnswer(BenchAnswer::Beeps); return TRUE;
                case IDC_BENCH_SILENT: OnAnswer(BenchAnswer::Silent); return TRUE;
                case IDC_BENCH_BACK: OnBack(); return TRUE;
                default: break;
            }
            break;
        default: break;
    }
    return CDialog::DialogProc(message, wParam, lParam);
}

void BenchTestDialog::OnDpiChanged(int) { placeParts(); }

// The step view between the two drawings, above the buttons.
void BenchTestDialog::placeParts() {
    RECT client, button;
    GetClientRect(&client);
    ::GetWindowRect(GetDlgItem(IDC_BENCH_BEEPS), &button);
    ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&button), 2);
    const BenchBox step = LayoutBench(client.right, button.top, dpi()).step;
    stepView->SetFonts(dpi());
    stepView->SetWindowPos(nullptr, step.left, step.top, step.width(), step.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string BenchTestDialog::Text() const {
    return stepView ? stepView->head + "\n" + stepView->largeText + "\n" + stepView->below : std::string();
}

bool BenchTestDialog::describe(AccessibleFacts& facts) const {
    if (!stepView) return false;
    facts.name = stepView->largeText;
    facts.value = Text();
    return true;
}

void BenchTestDialog::stepChanged() {
    if (!stepView) return;
    BenchStepView& view = *stepView;
    if (const BenchStep* step = run.current()) {
        view.head = "Step " + std::to_string(run.stepNumber()) + " of " + std::to_string(run.stepCount()) +
                    (step->wantsBeep() ? ": every connection beeps" : ": no solder bridges");
        view.largeText = step->question();
        view.below = "Drawn as the panels draw them: start " + lowered(cable.entry.startFace) + "; end " +
                     lowered(cable.entry.endFace) + ". Seen from the solder side, left and right swap.";
        for (const std::string& end : cable.entry.unplacedEnds)
            view.below += std::string(" The ") + (end == "S" ? "start" : "end") +
                          " connector's drawing gives no positions: only its connections are asked.";
        view.below += "\n\nSpace or Y: beeps    N: silent    Backspace: back    Esc: stop";
    } else {
        const std::vector<std::string> verdict = run.verdict();
        view.head = "Test at the bench of " + cable.name + ": done";
        view.largeText = verdict.front();
        view.below.clear();
        for (std::size_t i = 1; i < verdict.size(); ++i) view.below += verdict[i] + "\n";
        view.below += saved ? "Added to the notes of this cable (F9)." : saveProblem;
        view.below += "\n\nEnter or Esc: close";
    }
    const bool asking = !run.finished();
    ::EnableWindow(GetDlgItem(IDC_BENCH_BEEPS), asking);
    ::EnableWindow(GetDlgItem(IDC_BENCH_SILENT), asking);
    ::EnableWindow(GetDlgItem(IDC_BENCH_BACK), asking && run.answered() > 0);
    ::SetWindowTextA(GetDlgItem(IDCANCEL), asking ? "Stop (Esc)" : "Close (Esc)");
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::InvalidateRect(*stepView, nullptr, FALSE);
    ::SetFocus(*stepView);
    NotifyValueChanged(*stepView);
    NotifyValueChanged(hwnd);
}

void BenchTestDialog::OnAnswer(BenchAnswer answer) {
    if (run.finished()) return;
    run.answer(answer);
    if (run.finished()) saved = saveVerdict();
    stepChanged();
}

void BenchTestDialog::OnBack() {
    if (run.finished()) return;
    run.back();
    stepChanged();
}

void BenchTestDialog::OnStop() {
    if (run.finished() || run.answered() == 0) {
        EndDialog(run.finished() ? IDOK : IDCANCEL);
        return;
    }
    const std::string answers = run.answered() == 1 ? "the answer" : "the " + std::to_string(run.answered()) + " answers";
    const std::string question = "Keep " + answers + " given so far in the notes of " + cable.name + "?";
    switch (MessageBox(question.c_str(), "Strandor! - Test at the bench", MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            if (!saveVerdict()) {
                MessageBox(saveProblem.c_str(), "Strandor!", MB_OK | MB_ICONEXCLAMATION);
                break;  // the answers stay in the dialog
            }
            saved = true;
            EndDialog(IDOK);
            return;
        case IDNO: EndDialog(IDCANCEL); return;
        default: break;
    }
    ::SetFocus(*stepView);
}

// Adds the verdict at the end of the notes file, in its encoding; what is there stays as it is.
bool BenchTestDialog::saveVerdict() {
    const FileBytes existing = ReadFileBytes(cable.userNotes, NotesReadLimit);
    if (!existing.ok() && !existing.missing) {
        saveProblem = "The verdict could not be added to " + cable.userNotes + ": " + existing.error;
        return false;
    }
    try {
        AppendToFile(cable.userNotes, NotesAppendBytes(existing.bytes, VerdictBlock(run.verdict(), nowText())));
    } catch (const CFileException& e) {
        saveProblem = "The verdict could not be added to the notes: " + std::string(e.what());
        return false;
    }
    return true;
}

void BenchTestDialog::Paint(CDC& dc) {
    RECT client, button;
    GetClientRect(&client);
    dc.FillSolidRect(client, colours.surface);
    ::GetWindowRect(GetDlgItem(IDC_BENCH_BEEPS), &button);
    ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&button), 2);
    const BenchLayout layout = LayoutBench(client.right, button.top, dpi());
    paintDrawing(dc, cable.start.plug, layout.startDrawing, "S");
    paintDrawing(dc, cable.end.plug, layout.endDrawing, "E");
}

// The end's connector drawing on white, and a ring around each contact of the step on this end.
void BenchTestDialog::paintDrawing(CDC& dc, const std::string& path, const BenchBox& box, const std::string& end) const {
    dc.FillSolidRect(RECT{box.left, box.top, box.right, box.bottom}, RGB(255, 255, 255));
    const DrawingFit fit = FitConnectorDrawing(box);
    const int saved = ::SaveDC(dc);
    DrawMetafile(dc, path.c_str(), fit.viewportX, fit.viewportY, fit.anchorX, fit.anchorY);
    ::RestoreDC(dc, saved);
    const BenchStep* step = run.current();
    if (!step) return;
    CPen pen(PS_SOLID, ScaleForDpi(3, dpi()), MarkColour);
    SelectGuard penGuard(dc, pen);
    const HGDIOBJ oldBrush = dc.SelectObject(::GetStockObject(NULL_BRUSH));
    const int radius = ScaleForDpi(11, dpi());
    for (const std::string& contact : {step->from, step->to}) {
        const IndexedSpot* spot = endOf(contact) == end ? cable.entry.spotOf(contact) : nullptr;
        if (!spot) continue;
        const int x = fit.pixelX(spot->x), y = fit.pixelY(spot->y);
        ::Ellipse(dc, x - radius, y - radius, x + radius + 1, y + radius + 1);
    }
    dc.SelectObject(oldBrush);
}

void RunBenchTest(CWnd* owner, const Cable& cable) {
    BenchTestDialog dialog(owner, cable);
    dialog.DoModal();
}
