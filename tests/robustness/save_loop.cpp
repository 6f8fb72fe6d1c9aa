// vexlor-save-loop: saves a .vxc file over and over, alternating two
// different contents, until it is killed. The interrupted-save test kills it
// at random moments and looks at what is left.
//
//   vexlor-save-loop PATH             the tool's writer (atomic)
//   vexlor-save-loop PATH --in-place  a writer that truncates and writes line by
//                                     line in place, to show the test catches one

#include "save_loop_contents.h"

#include "files/vxc_writer.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace vexlor;

namespace {

bool saveInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        if (file.write(line + '\n') != line.size() + 1)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fputs("usage: vexlor-save-loop PATH [--in-place]\n", stderr);
        return 2;
    }
    const QString path = args[1];
    const bool inPlace = args.contains(QStringLiteral("--in-place"));
    const ParameterSnapshot contents[] = {oldContent(), newContent()};
    for (quint64 n = 0;; ++n) {
        const ParameterSnapshot &s = contents[n % 2];
        const bool saved = inPlace ? saveInPlace(path, configurationFileBytes(s))
                                   : writeConfigurationFile(path, s).ok();
        if (!saved) {
            std::fprintf(stderr, "vexlor-save-loop: cannot save %s\n", qPrintable(path));
            return 1;
        }
        if (n == 1) {
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
        }
    }
}
