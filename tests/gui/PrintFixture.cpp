#include "PrintFixture.h"

#include "framework/WinApp.h"
#include "print/PrintOptionsDialog.h"

DialogScript::DialogScript(std::vector<Step> steps, bool repeatLast)
    : steps(std::move(steps)), repeatLast(repeatLast) {
    arm(0);
}

void DialogScript::arm(size_t step) {
    if (step >= steps.size()) {
        if (!repeatLast || steps.empty()) return;
        step = steps.size() - 1;
    }
    waiters.push_back(std::make_unique<DialogWaiter>([this, step](HWND dialog) {
        dialogs.push_back(Describe(dialog));
        arm(step + 1);
        steps[step](dialog);
    }));
}

DialogScript::Step ChooseOption(int optionId) {
    return [optionId](HWND dialog) {
        if (optionId) ::SendMessageA(::GetDlgItem(dialog, optionId), BM_CLICK, 0, 0);
        PressButton(dialog, IDOK);
    };
}

int PrintChoiceOf(HWND optionsDialog) {
    auto* dialog = dynamic_cast<PrintOptionsDialog*>(CWnd::FromHandle(optionsDialog));
    return dialog ? dialog->PrintChoice : -1;
}

void EndOptionsDialog(HWND optionsDialog, int buttonId) {
    ::SendMessageA(optionsDialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(optionsDialog, buttonId)));
}

DialogScript::Step PressOk() {
    return [](HWND dialog) { PressButton(dialog, IDOK); };
}

DialogScript::Step PressCancel() {
    return [](HWND dialog) { PressButton(dialog, IDCANCEL); };
}

HICON MessageBoxIcon(HWND box) {
    for (int id : {0x0440, 20}) {
        if (HWND icon = ::GetDlgItem(box, id)) {
            return reinterpret_cast<HICON>(::SendMessageA(icon, STM_GETICON, 0, 0));
        }
    }
    return nullptr;
}

HICON StopIcon() { return ::LoadIconA(nullptr, IDI_HAND); }

PrintQueueLock::PrintQueueLock()
    : file(::CreateFileA("Z:\\tmp\\strandor-print-tests.lock", GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr)) {
    DWORD start = ::GetTickCount();
    while (file.valid() && ::GetTickCount() - start < 300000) {
        OVERLAPPED whole{};
        if (::LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
            locked = true;
            break;
        }
        ::Sleep(200);
    }
}

PrintQueueLock::~PrintQueueLock() {
    OVERLAPPED whole{};
    if (locked) ::UnlockFileEx(file.get(), 0, 1, 0, &whole);
}

void PrintTest::SetUp() {
    ASSERT_TRUE(queueLock.held()) << "another test run kept the print queue for 5 minutes";
    ProgramTest::SetUp();
    ASSERT_FALSE(PdfFolder().empty()) << "STRANDOR_PDF_DIR is not set: the tests need the CUPS queue of scripts/cups-env";
    ASSERT_TRUE(WaitForEmptyQueue(30000)) << "the PDF queue holds jobs: " << QueuedJobs();
    ::PostMessageA(startWindow(), WM_KEYDOWN, VK_RETURN, 1);
    PumpUntilIdle();
    ASSERT_TRUE(::IsWindowVisible(mainWindow()));
    pdfsBefore = PdfFiles();
}

void PrintTest::TearDown() {
    ProgramTest::TearDown();
    RemoveWrittenDataFiles();
}

void PrintTest::pressF3() { RunKeyCommand(mainWindow(), VK_F3); }

void RunKeyCommand(HWND window, UINT virtualKey) {
    // The command runs inside the dispatch of the key: it has ended once that dispatch returns.
    ::PostMessageA(window, WM_KEYDOWN, virtualKey, 1);
    DWORD start = ::GetTickCount();
    for (bool done = false; !done;) {
        if (::GetTickCount() - start > 180000) {
            ADD_FAILURE() << "key " << virtualKey << " was not taken from the queue within 3 minutes";
            return;
        }
        MSG message;
        if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            continue;
        }
        done = message.message == WM_KEYDOWN && message.wParam == virtualKey;
        if (CWinApp::current->PreTranslateMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::PostMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
}

std::vector<std::string> PrintTest::print(int optionId, std::vector<DialogScript::Step> more) {
    std::vector<DialogScript::Step> steps = {ChooseOption(optionId), PressOk()};
    steps.insert(steps.end(), more.begin(), more.end());
    size_t expected = steps.size();
    // Whatever else comes is closed, so that a test fails instead of waiting for a user.
    steps.push_back([](HWND dialog) { PressButton(dialog, IDCANCEL); });
    {
        DialogScript script(steps, true);
        pressF3();
        dialogs = script.seen();
    }
    PumpUntilIdle();
    EXPECT_EQ(dialogs.size(), expected) << "dialogs met while printing";
    for (size_t i = expected; i < dialogs.size(); ++i) {
        ADD_FAILURE() << "unexpected dialog \"" << dialogs[i].caption << "\": " << dialogs[i].text;
    }
    EXPECT_TRUE(WaitForEmptyQueue()) << "jobs still queued: " << QueuedJobs();
    return NewFiles(pdfsBefore, PdfFiles());
}

std::string Utf8(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    int length = ::MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                       static_cast<int>(wide.size()));
    std::string utf8(static_cast<size_t>(length) * 3, '\0');
    int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), static_cast<int>(utf8.size()),
                                      nullptr, nullptr);
    utf8.resize(static_cast<size_t>(bytes));
    return utf8;
}
