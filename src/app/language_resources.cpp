#include "app/language_resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <cstring>

namespace pv::app {

QString LanguageTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                      int n) const {
    QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (!text.isEmpty() || !context) return text;
    const char* bare = std::strrchr(context, ':');
    return bare ? QTranslator::translate(bare + 1, sourceText, disambiguation, n) : text;
}

QString LanguageResources::FileName(int language, Edition edition) {
    static const char* const kTwoHead[] = {"DLL_EN", "DLL_Turkey", "Dll_Ukraine", "DLL_Russian", "DLL_Vietnamese",
                                           "DLL_Polish"};
    static const char* const kFourHead[] = {"Dll4_EN", "Dll4_Turkey", "Dll4_Ukraine", "Dll4_Russian"};
    const bool four = IsFourHead(edition);
    const int count = four ? 4 : 6;
    if (language < 1 || language > count) return {};
    return QString::fromLatin1(four ? kFourHead[language - 1] : kTwoHead[language - 1]) + ".qm";
}

QStringList LanguageResources::SearchDirs(const QString& executableDir, const QString& programDir) {
    QStringList dirs{executableDir};
    if (QFileInfo(programDir).canonicalFilePath() != QFileInfo(executableDir).canonicalFilePath())
        dirs << programDir;
    return dirs;
}

bool LanguageResources::Load(LanguageTranslator& translator, int language, Edition edition, const QStringList& dirs) {
    const QString name = FileName(language, edition);
    if (name.isEmpty()) return false;
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo::exists(path) && translator.load(path)) return QCoreApplication::installTranslator(&translator);
    }
    return false;
}

}  // namespace pv::app
