#include "app/test_patterns.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

static void InitTestPatternResources() {
    static const bool once = [] {
        Q_INIT_RESOURCE(test_patterns);
        return true;
    }();
    (void)once;
}

namespace pv::app {

int InstallTestPatterns(const QString& programDir) {
    InitTestPatternResources();
    const QDir target(QDir(programDir).filePath("TestPlt"));
    if (!target.exists() && !QDir().mkpath(target.path())) return 0;
    int written = 0;
    for (const QString& name : QDir(":/TestPlt").entryList(QDir::Files)) {
        if (QFile::exists(target.filePath(name))) continue;
        QFile source(":/TestPlt/" + name);
        QSaveFile out(target.filePath(name));
        // Written through a temporary file, so a pattern is whole or absent.
        if (source.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) && out.write(source.readAll()) >= 0 &&
            out.commit())
            ++written;
    }
    return written;
}

}  // namespace pv::app
