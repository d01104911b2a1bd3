// The entry of one fuzzer; QL_FUZZ_CHECK names its check (FuzzChecks.h).

#include "FuzzChecks.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);  // the number boxes are widgets; kept to the end of the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString problem = FuzzCheckNamed(QStringLiteral(QL_FUZZ_CHECK))(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
