// Every window in every language the program speaks, and in a made-up language whose texts
// are 40 % longer: no caption cut off or outside its window, no placeholder left unfilled,
// no two items of one menu on one access key, and (in the made-up language) no text that
// never went through a catalogue.
#include "analysistable.h"
#include "analysiswindow.h"
#include "ballotsprint.h"
#include "classlistwindow.h"
#include "classreportprint.h"
#include "comparewindow.h"
#include "dataform.h"
#include "drawform.h"
#include "entryform.h"
#include "exampleclass.h"
#include "exportdialog.h"
#include "files.h"
#include "formimport.h"
#include "forms.h"
#include "globals.h"
#include "groupswindow.h"
#include "helpwindows.h"
#include "infoform.h"
#include "keyform.h"
#include "kioskwindow.h"
#include "language.h"
#include "loadform.h"
#include "printdialog.h"
#include "pseudolanguage.h"
#include "startform.h"
#include "statusstudy.h"
#include "studypicker.h"
#include "surveypair.h"
#include "windowfixture.h"
#include "windowlinks.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

// What a reader sees of a widget: its text, its title.
QStringList shownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->window() == window && l->isVisibleTo(window))
            texts << l->text();
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->window() == window && b->isVisibleTo(window))
            texts << b->text();
    for (QMenu* m : window->findChildren<QMenu*>()) {
        texts << m->title();
        for (QAction* a : m->actions())
            texts << a->text();
    }
    texts.removeAll(QString());
    return texts;
}

// The access keys of a list of captions that clash, as "File: &Save / &Settings".
QStringList keyClashes(const QString& where, const QList<QAction*>& actions)
{
    QMap<QChar, QString> seen;
    QStringList clashes;
    for (QAction* a : actions) {
        const QString text = a->text();
        const qsizetype amp = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (a->isSeparator() || amp < 0)
            continue;
        const QChar key = text[amp + 1].toLower();
        if (seen.contains(key))
            clashes << QStringLiteral("%1: %2 / %3").arg(where, seen[key], text);
        seen[key] = text;
    }
    return clashes;
}

QStringList problemsOf(QWidget* window, bool pseudo)
{
    QStringList problems;
    const QRect inside = window->rect();
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (l->window() != window || !l->isVisibleTo(window) || l->text().isEmpty() ||
            !l->toolTip().isEmpty())
            continue;
        const bool cut = l->wordWrap() ? l->height() < l->heightForWidth(l->width())
                                       : l->width() < l->sizeHint().width();
        if (cut)
            problems << u"cut: "_qs + l->text();
        if (!inside.contains(QRect(l->mapTo(window, QPoint()), l->size())))
            problems << u"outside: "_qs + l->text();
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->window() != window || !b->isVisibleTo(window) || b->text().isEmpty())
            continue;
        const int needed = b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&'));
        if (b->width() < needed + 6)
            problems << u"cut: "_qs + b->text();
    }
    static const QRegularExpression unfilled(QStringLiteral("%[0-9n]"));
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{3,}"));
    // Names that are the same in every language: the program's, the start window's
    // caption, and each language under its own name.
    QStringList names{u"Sociogram"_qs, u"StartForm"_qs};
    for (const Language::Choice& c : Language::available())
        names << c.nativeName;
    for (const QString& text : shownTexts(window)) {
        if (names.contains(text))
            continue;
        if (text.contains(unfilled))
            problems << u"placeholder: "_qs + text;
        // A made-up translation always carries a letter beyond ASCII.
        if (pseudo && text.contains(words) &&
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            problems << u"not translated: "_qs + text;
    }
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        QList<QAction*> bar;
        for (QAction* a : main->menuBar()->actions())
            bar << a;
        problems << keyClashes(u"menu bar"_qs, bar);
    }
    for (QMenu* m : window->findChildren<QMenu*>())
        problems << keyClashes(m->title(), m->actions());
    return problems;
}

// The English sources of one context of the catalogues.
QStringList catalogueSources(const QString& context)
{
    QFile file(QStringLiteral(SOCIOGRAM_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QStringList sources;
    QString current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            current = xml.readElementText();
        else if (xml.name() == u"source" && current == context)
            sources << xml.readElementText();
    }
    return sources;
}

// The words of a printed file cut short (elided), painted over one another or outside the
// part of the A4 page the report's margins and the ballots' margins leave.
QStringList printedProblems(const QString& pdf)
{
    const PdfWords words = pdfWords(pdf);
    QStringList problems;
    if (words.empty())
        problems << u"nothing printed: "_qs + pdf;
    const QRectF area = QRectF(0, 0, 595.3, 841.9).adjusted(33, 33, -33, -33);
    for (auto w = words.begin(); w != words.end(); ++w) {
        if (w->text.contains(u'\u2026'))
            problems << u"cut: "_qs + w->text;
        if (!area.contains(w->box))
            problems << u"outside: "_qs + w->text;
        for (auto other = w + 1; other != words.end(); ++other) {
            const QRectF both = w->box & other->box;
            if (other->page == w->page && both.width() > 1 && both.height() > 1)
                problems << QStringLiteral("on one another: %1 / %2").arg(w->text, other->text);
        }
    }
    problems.removeDuplicates();
    return problems;
}

template <class Window> QWidget* shown()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Window*>(w) && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
    WindowFixture f;
    PseudoTranslator pseudo;

    // The windows a teacher may have open at once, the entry window among them.
    std::vector<QWidget*> openEveryWindow(EntryForm& entry)
    {
        DataForm* data = WindowFixture::openWindow<DataForm>(showDataForm);
        showAnalysis(statusStudy(), data);
        showGroups(statusStudy(), data);
        entry.show();
        return {StartForm::instance(),
                WindowFixture::openWindow<InfoForm>(showInfoForm),
                WindowFixture::openWindow<LoadForm>(showLoadForm),
                data,
                &entry,
                shown<AnalysisWindow>(),
                shown<GroupsWindow>(),
                WindowFixture::openWindow<DrawForm>([] { showDrawForm(QString()); })};
    }
    static void check(const std::vector<QWidget*>& windows, bool isPseudo)
    {
        QApplication::processEvents();
        for (QWidget* window : windows) {
            QVERIFY(window);
            const QStringList problems = problemsOf(window, isPseudo);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        }
    }

    // A question asked in a modal dialog of its own: looked at while it waits, then cancelled.
    static QStringList problemsOfModal(const std::function<void()>& asks, bool isPseudo)
    {
        QStringList problems{u"no dialog was shown"_qs};
        QTimer::singleShot(0, QCoreApplication::instance(), [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                problems = problemsOf(dialog, isPseudo);
                dialog->reject();
            }
        });
        asks();
        return problems;
    }

private Q_SLOTS:
    void init()
    {
        f.init();
        connectWindows();
        // A study whose own texts are not English words: they are not the program's.
        f.openStudy(10, 3, 3);
        QVERIFY(f.db().exec(u"UPDATE SOCIOMETRY SET NAME = 'Klasse 4ä', QUESTION = 'Wér?'"_qs));
        Global::RefName = u"Klasse 4ä"_qs;
        Global::Question = u"Wér?"_qs;
        StartForm::instance()->show();
    }
    void cleanup()
    {
        QCoreApplication::removeTranslator(&pseudo);
        Language::apply(u"en"_qs);
        f.cleanup();
    }

    void everyWindowInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const Language::Choice& c : Language::available())
            QTest::newRow(qPrintable(c.code)) << c.code;
        QTest::newRow("longer, accented") << QString();
    }
    void everyWindowInEveryLanguage()
    {
        QFETCH(QString, language);
        if (language.isEmpty())
            QCoreApplication::installTranslator(&pseudo);
        else
            QVERIFY(Language::apply(language));
        DataGrid().setRow(3);
        DataGrid().setCol(1);
        EntryForm entry(DataGrid());
        const std::vector<QWidget*> windows = openEveryWindow(entry);
        check(windows, language.isEmpty());
        // The picture's dialogs are modal: each is looked at on its own.
        ExportDialog exportDialog;
        exportDialog.show();
        PrintDialog printDialog;
        printDialog.show();
        check({&exportDialog, &printDialog}, language.isEmpty());
        // The key, the class list and the pupils' own screen.
        auto* sociogram = qobject_cast<DrawForm*>(windows.back());
        QVERIFY(sociogram);
        sociogram->Key_Click();
        showClassList(SingleInstance<DataForm>::ifLoaded());
        KioskWindow kiosk(DataGrid());
        kiosk.showFullScreen(); // as a round shows it
        check({shown<KeyForm>(), shown<ClassListWindow>(), &kiosk}, language.isEmpty());
        kiosk.close();
        // Two surveys compared, and the list the earlier one is picked from.
        const StoredStudy autumn{2, u"Herbst ä"_qs, 6, 3, Codes::CriterionType::Both};
        StoredSurvey earlier{SurveyRead::Read, autumn, survey(EarlierPositive, EarlierNegative)};
        CompareWindow* compare = showComparison(earlier, u"Frühling ä"_qs,
                                                survey(LaterPositive, LaterNegative), nullptr);
        StudyPicker picker({autumn});
        picker.show();
        check({compare, &picker}, language.isEmpty());
        compare->close();
        // Groups made with no choice to go by, which the summary says.
        showGroups(emptyChoiceSet(10, 3, Codes::CriterionType::Both), nullptr);
        check({shown<GroupsWindow>()}, language.isEmpty());
        // The columns of a form's responses.
        const FormSheet sheet = readFormSheet(
            u"Timestamp,Your name,Who do you like?,Who do you not like?\n1,Anna,Ben,Cleo\n"_qs);
        FormColumnsDialog columns(sheet, guessFormRoles(sheet.header, 3), 3);
        columns.show();
        check({&columns}, language.isEmpty());
        // The questions before the ballots and the class report are printed.
        for (const auto& asks : std::vector<std::function<void()>>{
                 [] { PrintBallots(nullptr); }, [] { ClassReportPrint::run(nullptr); }}) {
            const QStringList problems = problemsOfModal(asks, language.isEmpty());
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        }
    }

    // The ballots and the class report as they are printed.
    void printedPagesInEveryLanguage_data() { everyWindowInEveryLanguage_data(); }
    void printedPagesInEveryLanguage()
    {
        QFETCH(QString, language);
        if (language.isEmpty())
            QCoreApplication::installTranslator(&pseudo);
        else
            QVERIFY(Language::apply(language));
        for (const auto& [criterion, rows] : {std::pair{1, StatusPositive}, {2, StatusNegative}})
            for (const auto& [chooser, chosen] : rows)
                for (std::size_t slot = 0; slot < chosen.size(); ++slot)
                    QVERIFY(f.db().addAnswer(Global::CurrentRecord, criterion, chooser + 1,
                                             int(slot) + 1, chosen[slot]));
        WindowFixture::openWindow<DataForm>(showDataForm);
        Global::Question = ExampleClass::question(); // a question as long as a teacher's
        const QString ballots = f.db().folder() + u"/ballots.pdf"_qs;
        const QString report = f.db().folder() + u"/report.pdf"_qs;
        const auto toFile = [](const QString& pdf) {
            return [pdf](QPrinter& printer, QWidget*, QString&) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                return true;
            };
        };
        setBallotNamesAsker([](bool, bool& withNames) { return !(withNames = false); });
        setBallotPrinterChooser(toFile(ballots));
        ClassReportPrint::setNamesAsker([](QWidget*) { return false; });
        ClassReportPrint::setPrinterChooser(toFile(report));
        QVERIFY(PrintBallots(nullptr));
        Forms::PrintClassReport(nullptr);
        setBallotNamesAsker({});
        setBallotPrinterChooser({});
        ClassReportPrint::setNamesAsker(nullptr);
        ClassReportPrint::setPrinterChooser(nullptr);
        for (const QString& pdf : {ballots, report}) {
            const QStringList problems = printedProblems(pdf);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        }
    }

    // The fixed messages, which the box translates, and About, which fills in its figures.
    void messagesInEveryLanguage_data() { everyWindowInEveryLanguage_data(); }
    void messagesInEveryLanguage()
    {
        QFETCH(QString, language);
        if (language.isEmpty())
            QCoreApplication::installTranslator(&pseudo);
        else
            QVERIFY(Language::apply(language));
        const bool english = language == u"en"_qs;
        static const QRegularExpression placeholder(QStringLiteral("%[0-9n]"));
        const QStringList sources = catalogueSources(u"Messages"_qs);
        // The program's name, and a word Dutch writes as English does.
        const QStringList sameEverywhere{u"Sociogram"_qs, u"Help"_qs};
        QVERIFY(!sources.isEmpty());
        QStringList problems;
        for (const QString& source : sources) {
            const QString text = QCoreApplication::translate("Messages", source.toUtf8());
            if (text == source && !english && !sameEverywhere.contains(source))
                problems << u"not translated: "_qs + source;
            if (text.count(placeholder) != source.count(placeholder))
                problems << u"placeholder: "_qs + text;
        }
        showAbout();
        QVERIFY(!f.messages.shown().empty());
        const Message about = f.messages.shown().back();
        for (const QString& text : {about.title, about.text})
            if (text.contains(placeholder))
                problems << u"placeholder: "_qs + text;
        if (!english && about.title == u"About Sociogram"_qs)
            problems << u"not translated: "_qs + about.title;
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The open guide follows each switch: the language's own translation where one is built
    // in (its first heading), the README's English part otherwise.
    void guideFollowsTheLanguage()
    {
        showUserGuide(StartForm::instance());
        auto* guide = StartForm::instance()->findChild<QTextBrowser*>(u"guide"_qs);
        QVERIFY(guide);
        for (const Language::Choice& c : Language::available()) {
            QVERIFY(Language::apply(c.code));
            QApplication::processEvents(); // the window hears of the change from the queue
            QFile own(u":/guide/docs/guide/guide_"_qs + c.code + u".md"_qs);
            const QString expected = own.open(QIODevice::ReadOnly)
                                         ? QString::fromUtf8(own.readLine()).mid(3).trimmed()
                                         : u"Using it"_qs;
            QTextBlock block = guide->document()->begin();
            while (block.isValid() && block.blockFormat().headingLevel() != 2)
                block = block.next();
            QCOMPARE(block.text(), expected);
            check({guide->window()}, false);
        }
    }

    // Figures on screen are written as the language writes numbers; the files keep the point.
    void numbersFollowTheLanguage()
    {
        QVERIFY(Language::apply(u"de"_qs));
        showAnalysis(statusStudy(), nullptr);
        const auto* figures = shown<AnalysisWindow>()->findChild<QTableWidget*>(u"figureView"_qs);
        QStringList values;
        for (int row = 0; row < figures->rowCount(); ++row)
            values << figures->item(row, 1)->text();
        static const QRegularExpression comma(QStringLiteral("^-?\\d+,\\d+$"));
        static const QRegularExpression point(QStringLiteral("^-?\\d+\\.\\d+$"));
        QVERIFY2(!values.filter(comma).isEmpty() && values.filter(point).isEmpty(),
                 qPrintable(values.join(u' ')));
        const QString csv = tableCsv(
            subjectTable(analyseChoices(statusStudy()), StatusMethod::CoieDodgeCoppotelli));
        QVERIFY(csv.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))));
    }

    // A switch with every window open: each speaks the new language at once.
    void openWindowsRetranslate()
    {
        DataGrid().setRow(3);
        DataGrid().setCol(1);
        EntryForm entry(DataGrid());
        const std::vector<QWidget*> windows = openEveryWindow(entry);
        qobject_cast<DrawForm*>(windows.back())->Key_Click();
        QCoreApplication::installTranslator(&pseudo);
        check({windows.begin(), windows.begin() + 4}, true); // the entry window is modal
        check({windows.begin() + 5, windows.end()}, true);
        check({shown<KeyForm>()}, true);
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages_window.moc"
