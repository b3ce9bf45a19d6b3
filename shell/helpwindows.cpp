#include "helpwindows.h"

#include "globals.h"
#include "guidetext.h"
#include "language.h"
#include "messages.h"
#include "programicon.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// The context of this file's texts in the catalogues.
struct Help {
    Q_DECLARE_TR_FUNCTIONS(Help)
};

constexpr int PictureWidth = 640; // pixels: the README's screenshots are wider

QString readmeText()
{
    QFile file(QStringLiteral(":/guide/README.md"));
    if (!file.open(QIODevice::ReadOnly))
        return Help::tr("The guide is not part of this build.");
    return QString::fromUtf8(file.readAll());
}

// The pictures at a width that fits the window; a narrow one keeps its own.
void fitPictures(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            if (!image.isValid())
                continue;
            const QImage picture(QStringLiteral(":/guide/") + image.name());
            if (picture.isNull() || picture.width() <= PictureWidth)
                continue;
            image.setWidth(PictureWidth);
            image.setHeight(double(picture.height()) * PictureWidth / picture.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

QDialog* makeGuide(QWidget* parent)
{
    auto* window = new QDialog(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(Help::tr("User Guide"));
    window->setWindowIcon(programIcon());
    window->setSizeGripEnabled(true);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("guide"));
    browser->setOpenExternalLinks(false);
    browser->setSearchPaths({QStringLiteral(":/guide")});
    browser->document()->setBaseUrl(QUrl(QStringLiteral("qrc:/guide/")));
    // The guide is the README, which is written in English.
    const QString note =
        Language::current() == QStringLiteral("en")
            ? QString()
            : QStringLiteral("*%1*\n\n").arg(Help::tr("This guide is written in English."));
    browser->setMarkdown(note + GuideText::fromReadme(readmeText()));
    fitPictures(*browser->document());
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    window->resize(760, 640);
    return window;
}

} // namespace

void showUserGuide(QWidget* parent)
{
    static QPointer<QDialog> open;
    if (!open)
        open = makeGuide(parent);
    open->show();
    open->raise();
    open->activateWindow();
}

void showAbout()
{
    const QString text =
        Help::tr("Sociogram %1\n\nBuilt with Qt %2, running on Qt %3. Qt is used under the GNU "
                 "Lesser General Public License, version 3.\n\nThe study file:\n%4")
            .arg(QStringLiteral(SOCIOGRAM_VERSION), QStringLiteral(QT_VERSION_STR),
                 QString::fromLatin1(qVersion()), QDir::toNativeSeparators(Global::databasePath()));
    MsgBox(text, Buttons::Ok, Icon::Information, Help::tr("About Sociogram"));
}
