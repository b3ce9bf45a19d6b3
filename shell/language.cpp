#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

struct Installed {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

void remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

namespace Language {

const std::vector<Choice>& available()
{
    static const std::vector<Choice> list{{QStringLiteral("en"), QStringLiteral("English")},
                                          {QStringLiteral("de"), QStringLiteral("Deutsch")},
                                          {QStringLiteral("es"), QStringLiteral("Español")},
                                          {QStringLiteral("fr"), QStringLiteral("Français")},
                                          {QStringLiteral("nl"), QStringLiteral("Nederlands")}};
    return list;
}

QString forLocale(const QLocale& locale)
{
    const QString code = QLocale::languageToCode(locale.language());
    for (const Choice& c : available())
        if (c.code == code)
            return code;
    return QStringLiteral("en");
}

bool apply(const QString& code)
{
    Installed& now = installed();
    auto program = std::make_unique<QTranslator>();
    auto qt = std::make_unique<QTranslator>();
    const bool english = code == QStringLiteral("en");
    if (!english && !program->load(QStringLiteral(":/i18n/sociogram_") + code))
        return false;
    remove(now.program);
    remove(now.qt);
    now.code = code;
    QLocale::setDefault(QLocale(code));
    if (english) {
        // Removing the translators has told every window already.
        return true;
    }
    // Qt's dialogs (files, printing, the buttons of a message box) speak it too, where
    // Debian ships their catalogue.
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    QCoreApplication::installTranslator(program.get());
    now.program = std::move(program);
    now.qt = std::move(qt);
    return true;
}

QString current()
{
    return installed().code;
}

} // namespace Language
