// The plug-in test fixture.
#include "fixture.h"

#include <fstream>
#include <sstream>

static int s_nLoads;

HMODULE LoadPlugin(void)
{
    s_nLoads++;
    return LoadLibraryA("QFFTANA.dll");
}

int PluginLoadsBefore(void)
{
    return s_nLoads - 1;
}

void PluginTest::SetUp()
{
    m_hPlugin = LoadPlugin();
    ASSERT_NE(m_hPlugin, nullptr) << "QFFTANA.dll could not be loaded";
    const ::testing::TestInfo *pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
    m_folder = std::filesystem::temp_directory_path() /
               ("qfftana-frame-" + std::string(pInfo->test_suite_name()) + "-" + pInfo->name());
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
    m_host = std::make_unique<TestHost>();
    DriveClearLogs();
}

void PluginTest::TearDown()
{
    m_host.reset();
    DrivePump();
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
    if (m_hPlugin != NULL)
        FreeLibrary(m_hPlugin);
}

std::string PluginTest::SettingsDir() const
{
    return m_folder.string() + "/";
}

std::string PluginTest::FileIn(const char *pszName) const
{
    return (m_folder / pszName).string();
}

void PluginTest::WriteFile(const std::string &sPath, const std::string &sText) const
{
    std::filesystem::create_directories(std::filesystem::path(sPath).parent_path());
    std::ofstream out(sPath, std::ios::binary);
    out << sText;
}

std::string PluginTest::ReadFile(const std::string &sPath) const
{
    std::ifstream in(sPath, std::ios::binary);
    std::ostringstream os;
    os << in.rdbuf();
    return os.str();
}

void PluginTest::InstallTemplates() const
{
    std::filesystem::path templates = std::filesystem::path(QF_TEST_DATA_DIR) / ".." / ".." /
                                      "resources" / "default";
    std::filesystem::create_directories(m_folder / "DEFAULT");
    for (const char *pszName : {"QFFTANA.INI", "QFFTANAX.INI"})
        std::filesystem::copy_file(templates / pszName, m_folder / "DEFAULT" / pszName);
}

void PluginTest::CreateAndInitialise()
{
    ASSERT_NE(m_host->CreatePlugin(), nullptr);
    m_host->Initialise(SettingsDir());
    DrivePump();
    m_host->ClearLog();
}

void PluginTest::DestroyPlugin()
{
    DestroyWindow(m_host->Plugin());
    DrivePump();
}
