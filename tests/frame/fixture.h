/*
 * fixture.h - a test with the plug-in loaded as a host loads it, a test host
 * and a settings folder of its own.
 */
#ifndef TESTS_FRAME_FIXTURE_H
#define TESTS_FRAME_FIXTURE_H

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "drive.h"
#include "peek.h"
#include "testhost.h"

// Loads QFFTANA.dll as a host does, counting the loads of this process.
HMODULE LoadPlugin(void);
// Loads of the plug-in before the current one in this process.
int PluginLoadsBefore(void);

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh, empty folder for this test; SettingsDir() ends in a separator.
    const std::filesystem::path &Folder() const { return m_folder; }
    std::string SettingsDir() const;
    std::string FileIn(const char *pszName) const;
    void WriteFile(const std::string &sPath, const std::string &sText) const;
    std::string ReadFile(const std::string &sPath) const;
    // Copies the shipped templates into the folder's DEFAULT subfolder.
    void InstallTemplates() const;

    // Creates the analysis window and initialises it on the folder.
    void CreateAndInitialise();
    // Destroys the analysis window (its settings are then written).
    void DestroyPlugin();

    HMODULE m_hPlugin = NULL;
    std::unique_ptr<TestHost> m_host;
    std::filesystem::path m_folder;
};

#endif /* TESTS_FRAME_FIXTURE_H */
