// Adds records to the register at argv[1] as fast as it can, printing a line
// after each, until it is killed. Every record's message is its bike label
// repeated, so a torn record shows.

#include "open_register.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const auto records = vexlor::openRegister(QString::fromLocal8Bit(argv[1]));
    for (int n = 0;; ++n) {
        vexlor::RegisterRecord record = vexlor::newRegisterRecord(vexlor::operations::kWrite, "test");
        record.bike = QStringLiteral("bike-%1").arg(n);
        record.message = record.bike.repeated(200);
        record.outcome = QStringLiteral("done");
        if (!records->add(record).isEmpty())
            return 1;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
