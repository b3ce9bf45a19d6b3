#include "startform.h"

#include "classlist.h"
#include "fonts.h"
#include "forms.h"
#include "globals.h"
#include "helpwindows.h"
#include "language.h"
#include "programicon.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>

StartForm::StartForm()
{
    setWindowTitle(QStringLiteral("StartForm"));
    setWindowIcon(programIcon());
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Slabel = new QLabel(QStringLiteral("Sociogram"), client);
    Slabel->setObjectName(QStringLiteral("Slabel_0"));
    Slabel->setFont(Fonts::font(Fonts::Serif, 48));
    placeTwips(Slabel, 360, 840, 4140, 1095);

    fileMenu = menuBar()->addMenu(QString());
    New = fileMenu->addAction(QString(), this, &StartForm::New_Click);
    Load = fileMenu->addAction(QString(), this, &StartForm::Load_Click);
    Quit = fileMenu->addAction(QString(), this, &StartForm::Quit_Click);
    New->setObjectName(QStringLiteral("New"));
    Load->setObjectName(QStringLiteral("Load"));
    Quit->setObjectName(QStringLiteral("Quit"));
    buildHelpMenu();
    buildLanguageMenu();

    exampleOffer = new QLabel(client);
    exampleOffer->setObjectName(QStringLiteral("exampleOffer"));
    exampleOffer->setWordWrap(true);
    exampleOffer->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    exampleOffer->hide();
    placeTwips(exampleOffer, 240, 2040, 4350, 1560);
    connect(exampleOffer, &QLabel::linkActivated, this, &StartForm::openExample);

    makeFixedWindow(this, client, 4830, 3750);
    retranslate();
    Form_Load();
}

void StartForm::retranslate()
{
    fileMenu->setTitle(tr("&File"));
    New->setText(tr("&New Project"));
    Load->setText(tr("&Load Existing Project"));
    Quit->setText(tr("&Exit"));
    helpMenu->setTitle(tr("&Help"));
    openExampleItem->setText(tr("Open &Example Class"));
    guideItem->setText(tr("User &Guide"));
    aboutItem->setText(tr("&About"));
    languageMenu->setTitle(tr("&Language"));
    // The offer is rich text, laid out as it is set: it is written once it is made.
    if (!exampleOffer->isHidden())
        exampleOffer->setText(exampleOfferText());
    fitFormToTexts(this);
}

void StartForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void StartForm::buildHelpMenu()
{
    helpMenu = menuBar()->addMenu(QString());
    openExampleItem = helpMenu->addAction(QString(), this, &StartForm::openExample);
    guideItem = helpMenu->addAction(QString(), this, [this] { showUserGuide(this); });
    aboutItem = helpMenu->addAction(QString(), this, [] { showAbout(); });
}

void StartForm::buildLanguageMenu()
{
    languageMenu = menuBar()->addMenu(QString());
    auto* group = new QActionGroup(languageMenu);
    for (const Language::Choice& choice : Language::available()) {
        // Each language under its own name, so that a reader finds theirs in any.
        QAction* item = languageMenu->addAction(choice.nativeName);
        item->setCheckable(true);
        item->setChecked(choice.code == Language::current());
        item->setData(choice.code);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [code = choice.code] { Language::apply(code); });
    }
}

QString StartForm::exampleOfferText()
{
    return tr("No study yet? <a href=\"example\">Open the example class</a> to see a class of "
              "24 at work, or start with File &gt; New Project.");
}

void StartForm::offerExample(bool offered)
{
    if (offered)
        exampleOffer->setText(exampleOfferText());
    exampleOffer->setVisible(offered);
}

void StartForm::openExample()
{
    // Offered once: after the example is there, the list of studies has it.
    if (Forms::OpenExample && Forms::OpenExample())
        offerExample(false);
}

void StartForm::Form_Load()
{
    adjustSize();
    CenterForm(this);
}

void StartForm::New_Click()
{
    // A save in a data window left open would otherwise write its study as a new one.
    if (!Forms::mayChangeStudy())
        return;
    Global::NewProject = Global::True;
    Global::CurrentRecord = 0;
    // The names of a new study given up before it was stored are not this one's.
    ClassList::instance().forget(0);
    Forms::show(Forms::Window::Info);
}

void StartForm::Load_Click()
{
    Global::NewProject = Global::False;
    Forms::show(Forms::Window::Load);
}

bool StartForm::mayEnd()
{
    // Unsaved answers and arrangements are offered for saving before the end;
    // Cancel on either keeps the program running.
    return Forms::mayEnd();
}

void StartForm::Quit_Click()
{
    if (mayEnd())
        QCoreApplication::exit(0);
}

void StartForm::closeEvent(QCloseEvent* event)
{
    if (mayEnd()) {
        event->accept();
        QCoreApplication::exit(0);
    } else {
        event->ignore();
    }
}
