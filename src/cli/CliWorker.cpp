// brisel-cli-work: the commands of brisel-cli that decode or encode pixels,
// run with the codec of the editor. brisel-cli starts it with its own
// arguments; it is not meant to be called by hand.

#include "cli/CliCommon.h"

#include "document/FileErrors.h"

#include <QCoreApplication>
#include <malloc.h>

int main(int argc, char** argv) {
    // Every image allocates and frees buffers of a few hundred kilobytes;
    // keeping them in the heap instead of returning them to the system at
    // every free saves the page faults of touching them afresh.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    try {
        if (command == QLatin1String("extract")) return runExtract(args);
        if (command == QLatin1String("convert")) return runConvert(args);
        if (command == QLatin1String("create")) {
            // Picture formats beyond PNG and BMP are plug-ins, found through
            // the application object.
            QCoreApplication app(argc, argv);
            return runCreate(args);
        }
        throw CliError(
            QStringLiteral("unknown command \"%1\"; see brisel-cli --help").arg(command));
    } catch (const CliError& e) {
        printError(e.message());
    } catch (const FileError& e) {
        printError(e.message());
    } catch (const std::exception& e) {
        printError(QString::fromLocal8Bit(e.what()));
    }
    return 1;
}
