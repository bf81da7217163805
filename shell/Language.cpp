// The language the program speaks, chosen from the desktop's languages.
#include "shell/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace splot {

namespace {

const QString kCatalogueDir = QStringLiteral(":/i18n");
const QString kCataloguePrefix = QStringLiteral("splotchery_");

struct Installed {
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

void removeTranslator(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

QStringList catalogueLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(kCatalogueDir).entryList({kCataloguePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages.append(file.mid(kCataloguePrefix.size()).chopped(3));
    return languages;
}

QString pickLanguage(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& ui : uiLanguages) {
        // "de-DE", "de_AT.UTF-8", "de": the language is the part before the first mark.
        const QString language = ui.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return language;
        // A region's own catalogue ("pt_BR") comes before the language's ("pt").
        const QString regional = QString(ui).replace(u'-', u'_').section(u'.', 0, 0).section(u'@', 0, 0);
        for (const QString& a : available) {
            if (a.compare(regional, Qt::CaseInsensitive) == 0)
                return a;
        }
        if (available.contains(language))
            return language;
        // Another region's catalogue in the same script: "zh", "zh-Hans" and "zh-SG" read
        // zh_CN's Simplified Chinese; "zh-TW", written in Traditional, does not.
        const QLocale wanted(regional);
        for (const QString& a : available) {
            const QLocale have(a);
            if (have.language() == wanted.language() && have.script() == wanted.script())
                return a;
        }
    }
    return QStringLiteral("en");
}

QString useLanguage(const QString& language)
{
    Installed& state = installed();
    removeTranslator(state.own);
    removeTranslator(state.qt);
    state.language = QStringLiteral("en");
    if (language == QLatin1String("en") || language.isEmpty())
        return state.language;

    auto own = std::make_unique<QTranslator>();
    if (!own->load(kCataloguePrefix + language, kCatalogueDir))
        return state.language;
    QCoreApplication::installTranslator(own.get());
    state.own = std::move(own);
    state.language = language;

    // Qt's standard buttons and menus, from the system's catalogue when installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.qt = std::move(qt);
    }
    return state.language;
}

QString useDesktopLanguage()
{
    return useLanguage(pickLanguage(QLocale::system().uiLanguages(), catalogueLanguages()));
}

QString currentLanguage()
{
    return installed().language;
}

} // namespace splot
