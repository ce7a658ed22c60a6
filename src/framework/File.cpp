#include "framework/File.h"

CFileException::CFileException(const std::string& path, DWORD systemError)
    : std::runtime_error(path + ": " + describe(systemError)), filePath(path), error(systemError) {}

std::string CFileException::describe(DWORD systemError) {
    char* text = nullptr;
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, systemError, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(systemError);
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

CFile::CFile(const std::string& path, unsigned flags) : path(path) {
    DWORD share = (flags & shareDenyNone) ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    const bool append = (flags & modeAppend) != 0;
    handle.reset(::CreateFileA(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_READ, share, nullptr,
                               append ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.valid()) throw CFileException(path, ::GetLastError());
}

UINT CFile::Read(void* buffer, UINT count) {
    DWORD read = 0;
    if (!::ReadFile(handle.get(), buffer, count, &read, nullptr)) throw CFileException(path, ::GetLastError());
    return read;
}

void CFile::Write(const void* buffer, UINT count) {
    DWORD written = 0;
    if (!::WriteFile(handle.get(), buffer, count, &written, nullptr) || written != count)
        throw CFileException(path, ::GetLastError());
}

void CFile::Close() { handle.reset(); }

void AppendToFile(const std::string& path, const std::string& bytes) {
    CFile output(path, CFile::modeAppend);
    output.Write(bytes.data(), static_cast<UINT>(bytes.size()));
}
