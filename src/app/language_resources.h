#pragma once
// The interface languages: each `Language` value other than Chinese has a
// translation file named after its resource library ("DLL_EN.qm" …, four-head
// "Dll4_EN.qm" …), loaded by that name at start.  Without one the program
// keeps its own Chinese texts; a missing or broken file is not reported.
#include <QString>
#include <QStringList>

#include "settings/edition.h"

#include <QTranslator>

namespace pv::app {

// Looks a text up under its class's context and, when the class sits in a
// namespace ("pv::ui::CDlgPara"), also under the bare class name, which is
// how the translation sources name it.
class LanguageTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
};

class LanguageResources {
public:
    // "DLL_EN.qm" for Language 1 of the two-head edition; empty for Chinese
    // and for values the edition does not have.
    static QString FileName(int language, Edition edition);
    // Where the file is looked for, in order: the program's own folder, then
    // the program directory (the settings' folder, which --home may move).
    static QStringList SearchDirs(const QString& executableDir, const QString& programDir);
    // Loads and installs the language's translations; false when the
    // built-in texts stay.
    static bool Load(LanguageTranslator& translator, int language, Edition edition, const QStringList& dirs);
};

}  // namespace pv::app
