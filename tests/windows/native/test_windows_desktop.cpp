// What the tool leaves on a Windows desktop: the .vxc association in the
// current user's registry classes, and where config.ini goes.

#include "cables/windows_port_lister.h"
#include "desktop/registry_file_association.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <windows.h>

#include <optional>

using namespace vexlor;

namespace {

// Classes of the test's own under HKEY_CURRENT_USER, removed afterwards.
const QString kClasses = QStringLiteral("Software\\VexlorTest\\Classes");
const QString kProgram = QStringLiteral("C:/Program Files/Vexlor Adjustor/vexlor-adjustor.exe");

std::optional<QString> value(const QString &key, const QString &name = {})
{
    const std::wstring path = (kClasses + u'\\' + key).toStdWString();
    const std::wstring valueName = name.toStdWString();
    wchar_t data[512] = {};
    DWORD bytes = sizeof data;
    DWORD type = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.isEmpty() ? nullptr : valueName.c_str(),
                       RRF_RT_ANY, &type, data, &bytes)
        != ERROR_SUCCESS)
        return std::nullopt;
    return type == REG_SZ ? QString::fromWCharArray(data) : QString();
}

void setValue(const QString &key, const QString &data)
{
    HKEY handle = nullptr;
    const std::wstring path = (kClasses + u'\\' + key).toStdWString();
    QCOMPARE(::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                               &handle, nullptr),
             ERROR_SUCCESS);
    const std::wstring text = data.toStdWString();
    ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                     DWORD((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);
}

bool registerVxc(const QString &program)
{
    RegistryFileAssociation association(kClasses);
    return association.registerFileType(".vxc", "vxc file", program, "vxc file");
}

} // namespace

class TestWindowsDesktop : public QObject {
    Q_OBJECT
private slots:
    void init() { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VexlorTest"); }
    void cleanupTestCase() { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VexlorTest"); }

    // The type, its open command (the path quoted when it holds a blank, the
    // document as "%1") and the extension, for the current user.
    void registersTheTypeForTheUser_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("command");
        QTest::newRow("path with blanks") << kProgram
                                          << R"("C:\Program Files\Vexlor Adjustor\vexlor-adjustor.exe" "%1")";
        QTest::newRow("path without") << "D:/Tools/vexlor-adjustor.exe"
                                      << R"(D:\Tools\vexlor-adjustor.exe "%1")";
    }
    void registersTheTypeForTheUser()
    {
        QFETCH(QString, program);
        QFETCH(QString, command);
        QVERIFY(registerVxc(program));
        QCOMPARE(value(".vxc"), "vxc file");
        QCOMPARE(value(".vxc\\OpenWithProgids", "vxc file"), QString());
        QCOMPARE(value("vxc file"), "vxc file");
        QCOMPARE(value("vxc file\\shell\\open\\command"), command);
        QVERIFY(registerVxc(program)); // at every start, the same again
        QCOMPARE(value("vxc file\\shell\\open\\command"), command);
    }

    // The user's files of this kind open with another program: they keep
    // doing so; this one is only offered in "Open with".
    void keepsAnotherProgramsChoice()
    {
        setValue(".vxc", "OtherTool.vxc");
        QVERIFY(!registerVxc(kProgram));
        QCOMPARE(value(".vxc"), "OtherTool.vxc");
        QCOMPARE(value(".vxc\\OpenWithProgids", "vxc file"), QString());
        QVERIFY(value("vxc file\\shell\\open\\command")->contains("vexlor-adjustor.exe"));
    }

    // A type of the same name that opens another program is that program's:
    // nothing is written. A copy of this program moved elsewhere is taken over.
    void aTypeNameIsTakenOverOnlyFromThisProgram()
    {
        setValue("vxc file\\shell\\open\\command", R"("C:\Other\viewer.exe" "%1")");
        QVERIFY(!registerVxc(kProgram));
        QCOMPARE(value("vxc file\\shell\\open\\command"), R"("C:\Other\viewer.exe" "%1")");
        QVERIFY(!value(".vxc"));

        setValue("vxc file\\shell\\open\\command", R"(E:\Old\VEXLOR-ADJUSTOR.EXE "%1")");
        QVERIFY(registerVxc(kProgram));
        QCOMPARE(value("vxc file\\shell\\open\\command"),
                 R"("C:\Program Files\Vexlor Adjustor\vexlor-adjustor.exe" "%1")");
        QCOMPARE(value(".vxc"), "vxc file");
    }

    // config.ini: beside a portable copy, never in a program folder (the
    // system's, or the user's own where the setup program installs), else in
    // the roaming application-data folder.
    void settingsGoBesideAPortableCopyOnly_data()
    {
        QTest::addColumn<QString>("programs");
        QTest::newRow("Program Files") << qEnvironmentVariable("ProgramFiles");
        QTest::newRow("the user's programs") << qEnvironmentVariable("LOCALAPPDATA") + "\\Programs";
    }
    void settingsGoBesideAPortableCopyOnly()
    {
        QFETCH(QString, programs);
        QTemporaryDir portable;
        QVERIFY(isPortableProgramFolder(portable.path()));
        QCOMPARE(settingsFolderFor(portable.path()), portable.path());
        QVERIFY(!isPortableProgramFolder(portable.filePath("missing")));

        QVERIFY(QDir().mkpath(QDir::fromNativeSeparators(programs)));
        QTemporaryDir installed(QDir::fromNativeSeparators(programs) + "/vexlor-test-XXXXXX");
        QVERIFY(installed.isValid()); // Wine lets anyone write there
        QVERIFY(!isPortableProgramFolder(installed.path()));
        const QString roaming = settingsFolderFor(installed.path());
        QCOMPARE(roaming, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QVERIFY2(roaming.contains("/AppData/Roaming/", Qt::CaseInsensitive), qPrintable(roaming));
    }

    void comPortNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "COM9" << "COM9";
        QTest::newRow("lower case") << "com12" << "COM12";
        QTest::newRow("device name") << R"(\\.\COM3)" << "COM3";
        QTest::newRow("no number") << "COM" << "";
        QTest::newRow("a file") << "C:/COM9" << "";
        QTest::newRow("a Linux device") << "/dev/ttyUSB0" << "";
    }
    void comPortNames()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(comPortName(path), name);
    }
};

QTEST_GUILESS_MAIN(TestWindowsDesktop)
#include "test_windows_desktop.moc"
