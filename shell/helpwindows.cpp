#include "helpwindows.h"

#include "globals.h"
#include "guidetext.h"
#include "language.h"
#include "messages.h"
#include "programicon.h"
#include "windows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImageReader>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

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

// The pictures at a width that fits the window; a narrow one keeps its own. Every picture
// is given its size, so that laying the text out reads no picture.
void fitPictures(QTextDocument& document)
{
    // Gathered first, then given: a format changed while the fragments are walked could
    // merge them under the walk.
    struct Picture {
        int from, length; // the text does not change, so neither do these
        QTextImageFormat image;
    };
    std::vector<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                image.isValid())
                pictures.push_back({it.fragment().position(), it.fragment().length(), image});
    for (auto& [from, length, image] : pictures) {
        // The size from the file's header: decoding every picture made a switch of
        // language with the guide open slow.
        const QSize picture = QImageReader(QStringLiteral(":/guide/") + image.name()).size();
        if (picture.isEmpty())
            continue;
        const int width = std::min(picture.width(), PictureWidth);
        image.setWidth(width);
        image.setHeight(double(picture.height()) * width / picture.width());
        QTextCursor cursor(&document);
        cursor.setPosition(from);
        cursor.setPosition(from + length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(image);
    }
}

// The guide in the language in use: its own translation where there is one, else the
// README's part, which is written in English, under a note that says so.
QString guideMarkdown()
{
    const QString language = Language::current();
    if (language == QStringLiteral("en"))
        return GuideText::fromReadme(readmeText());
    QFile translated(QStringLiteral(":/guide/docs/guide/guide_%1.md").arg(language));
    if (translated.open(QIODevice::ReadOnly))
        return QString::fromUtf8(translated.readAll());
    return QStringLiteral("*%1*\n\n").arg(Help::tr("This guide is written in English.")) +
           GuideText::fromReadme(readmeText());
}

// Follows a change of language while it is open, as every other window does.
class GuideWindow : public QDialog {
public:
    explicit GuideWindow(QWidget* parent) : QDialog(parent), browser(new QTextBrowser(this))
    {
        setWindowIcon(programIcon());
        setSizeGripEnabled(true);
        browser->setObjectName(QStringLiteral("guide"));
        browser->setOpenExternalLinks(false);
        browser->setSearchPaths({QStringLiteral(":/guide")});
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(browser);
        resize(760, 640);
        retranslate();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QDialog::changeEvent(event);
    }

private:
    void retranslate()
    {
        setWindowTitle(Help::tr("User Guide"));
        // Built apart and then shown: filled in place, the browser laid the text out again
        // after every paragraph, which made a switch of language with the guide open slow.
        auto* document = new QTextDocument(browser);
        document->setBaseUrl(QUrl(QStringLiteral("qrc:/guide/")));
        document->setMarkdown(guideMarkdown());
        fitPictures(*document);
        browser->setDocument(document); // drops the browser's own first document itself
        delete std::exchange(shown, document);
    }
    QTextBrowser* browser;
    QTextDocument* shown = nullptr; // the last of ours, replaced at the next switch
};

} // namespace

void showUserGuide(QWidget* parent)
{
    GuideWindow* open = SingleInstance<GuideWindow>::instance(parent); // goes when closed
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
