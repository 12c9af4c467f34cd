// A fresh folder per test, removed with everything in it afterwards, and
// helpers to put bytes into files and read them back.
#ifndef TESTS_PLATFORM_TEMPDIR_H
#define TESTS_PLATFORM_TEMPDIR_H

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <string>

class TempDir {
public:
    // The system's temporary folder, so the tests also run on Windows.
    TempDir()
    {
        std::filesystem::path base = std::filesystem::temp_directory_path();
        for (unsigned uTry = 0;; uTry++) {
            std::filesystem::path dir = base / ("qfplatform" + std::to_string(rand()) + "_" + std::to_string(uTry));
            if (std::filesystem::create_directory(dir)) {
                m_strPath = dir.string();
                return;
            }
        }
    }
    ~TempDir() { std::filesystem::remove_all(m_strPath); }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    // Linux path of a name inside the folder.
    std::string Path(const std::string &strName) const { return m_strPath + "/" + strName; }
    // The same as a Windows-style path with backslashes.
    std::string WinPath(const std::string &strName) const
    {
        std::string str = Path(strName);
        for (char &c : str)
            if (c == '/')
                c = '\\';
        return str;
    }

private:
    std::string m_strPath;
};

inline void WriteBytes(const std::string &strPath, const std::string &strBytes)
{
    std::ofstream(strPath, std::ios::binary) << strBytes;
}

inline std::string ReadBytes(const std::string &strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

#endif
