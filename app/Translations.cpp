#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace app {

namespace {

// Compiled into the program, so a build run in place and the installed package find the same
// texts, and a language cannot go missing beside the program that names it.
const QString kOwnFolder = QStringLiteral(":/i18n");

// The toolkit mirrors every window when this text reads RTL in the language taken: each
// language file carries it, so a right-to-left translation cannot leave it out by accident.
[[maybe_unused]] const char* const kLayoutDirection[] =
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this text as LTR in left-to-right languages and as RTL in right-to-left ones "
                       "(Arabic, Hebrew): the whole window is then mirrored.");

// A translator looks at a language file compiled by hand (lrelease) without building the
// program again: a folder named here is searched before the compiled-in one.
QStringList ownFolders()
{
    QStringList folders;
    const QString preview = qEnvironmentVariable("QUIBBET_TRANSLATIONS");
    if (!preview.isEmpty())
        folders.append(preview);
    folders.append(kOwnFolder);
    return folders;
}

QTranslator* g_own = nullptr;
QTranslator* g_toolkit = nullptr;

// Takes the file into the application; false (and nothing installed) when there is none.
bool installFrom(QTranslator*& slot, const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    slot = translator.release();
    return true;
}

} // namespace

QString installTranslations(const QLocale& locale)
{
    removeTranslations();
    // Under C the desktop asked for no language at all (LANGUAGE is then ignored, as by the
    // C library's own messages).
    if (locale.language() == QLocale::C)
        return {};
    // The desktop's languages in its order of preference: the first that Quibbet speaks,
    // English (the texts as written) included, is the one.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale preferred(name);
        if (preferred.language() == QLocale::English || preferred.language() == QLocale::C)
            return {};
        for (const QString& folder : ownFolders()) {
            if (installFrom(g_own, preferred, QStringLiteral("quibbet"), folder))
                break;
        }
        if (g_own)
            break;
    }
    if (!g_own)
        return {}; // none Quibbet ships
    const QString language = g_own->language();
    // The toolkit's texts in the same language as Quibbet's own, never in one Quibbet does
    // not speak: a German desktop with an English Quibbet keeps English buttons too.
    installFrom(g_toolkit, QLocale(language), QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

void removeTranslations()
{
    for (QTranslator** translator : {&g_toolkit, &g_own}) {
        if (*translator)
            QCoreApplication::removeTranslator(*translator);
        delete *translator;
        *translator = nullptr;
    }
}

} // namespace app
