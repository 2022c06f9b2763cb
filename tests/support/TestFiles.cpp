#include "TestFiles.h"

#include <gtest/gtest.h>

#include <shobjidl.h>

#include <vector>

namespace {

void removeTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "bw-files-" + std::to_string(GetCurrentProcessId()) + "-" + name + "\\";
    removeTree(path_);
    EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_ << " error " << GetLastError();
}

TempFolder::~TempFolder()
{
    removeTree(path_);
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << " error " << GetLastError();
    DWORD done = 0;
    EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr));
    EXPECT_EQ(done, bytes.size());
    CloseHandle(file);
}

bool pathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void blockNewBytesOf(const std::string& path)
{
    std::size_t slash = path.rfind('\\');
    std::string parts = path.substr(0, slash + 1) + "~brantlewick-parts\\";
    CreateDirectoryA(parts.c_str(), nullptr);
    CreateDirectoryA((parts + path.substr(slash + 1)).c_str(), nullptr);
}

std::string readBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path << " error " << GetLastError();
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    std::vector<char> buffer(65536);
    DWORD done = 0;
    while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &done, nullptr) && done > 0)
        bytes.append(buffer.data(), done);
    CloseHandle(file);
    return bytes;
}

void makeLargeFile(const std::string& path, std::uint64_t size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << " error " << GetLastError();
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    EXPECT_TRUE(SetEndOfFile(file)) << "error " << GetLastError();
    CloseHandle(file);
}

void makeShortcut(const std::string& lnk, const std::string& target)
{
    HRESULT com = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                               reinterpret_cast<void**>(&link)),
              S_OK);
    EXPECT_EQ(link->SetPath(target.c_str()), S_OK);
    IPersistFile* file = nullptr;
    EXPECT_EQ(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)), S_OK);
    if (file != nullptr) {
        std::vector<wchar_t> wide(lnk.size() + 1);
        MultiByteToWideChar(CP_ACP, 0, lnk.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
        EXPECT_EQ(file->Save(wide.data(), TRUE), S_OK) << lnk;
        file->Release();
    }
    link->Release();
    if (SUCCEEDED(com))
        CoUninitialize();
}

std::uint64_t positionOf(HANDLE file)
{
    LARGE_INTEGER zero = {};
    LARGE_INTEGER position = {};
    SetFilePointerEx(file, zero, &position, FILE_CURRENT);
    return static_cast<std::uint64_t>(position.QuadPart);
}

HANDLE holdWithoutSharing(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}
