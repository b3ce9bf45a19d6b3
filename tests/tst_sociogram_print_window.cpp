// The sociogram's picture on paper and in a file, offscreen: what a failed print says,
// what a printed page carries, and Export Picture with its dialog.
#include "classlist.h"
#include "drawform.h"
#include "exportdialog.h"
#include "globals.h"
#include "gridfill.h"
#include "printdialog.h"
#include "viewmemory.h"
#include "windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

class SociogramPrintWindowTest : public QObject {
    Q_OBJECT

    WindowFixture f;
    ScriptedMessages* messages = &f.messages;

    // A stored study of `size` subjects, one choice slot, the given choices in the grid,
    // shown in the Circle layout.
    DrawForm* openSociogram(int size, const std::vector<QStringList>& choices)
    {
        f.openStudy(size, 1);
        fillGrid(DataGrid(), size, 1, choices);
        return WindowFixture::openWindow<DrawForm>([] { showDrawForm(QString()); });
    }

private Q_SLOTS:
    void init()
    {
        f.init();
        ViewMemory::forgetAll();
        // The designed page unless a test asks for more.
        PrintChoices::setAsker([](QWidget*, ShownOnWindow) { return PictureOptions{}; });
    }
    void cleanup()
    {
        f.cleanup();
        PictureExport::setFileChooser(nullptr);
        DrawForm::setPrinterChooser(nullptr);
        PrintChoices::setAsker(nullptr);
    }

    // A cancelled print says why the print dialog gave; a page that cannot be written
    // is reported under the procedure and named. Printed with the title, the key and the
    // status, the page carries their words.
    void printing()
    {
        DrawForm* form = openSociogram(6, {{"2"}, {"3"}, {"2"}});
        Global::RefName = QStringLiteral("Class 4b");
        Global::Question = QStringLiteral("Who sits with whom?");
        QString why = QStringLiteral("cancelled");
        QString pdf = QStringLiteral("/nonexistent-folder/x/page.pdf");
        DrawForm::setPrinterChooser([&](QPrinter& printer, QWidget*, QString& reason) {
            reason = why;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return why.isEmpty();
        });
        form->Print_Click();
        QCOMPARE(messages->texts(), QStringList{"cancelled"});
        messages->clear();
        why.clear();
        form->Print_Click();
        QCOMPARE(messages->count(), 2);
        QVERIFY(messages->texts().front().contains(QStringLiteral("DataForm:SocioPrint")));
        QVERIFY(messages->texts().back().contains(QStringLiteral("/nonexistent-folder/x")));
        messages->clear();
        form->ShowStatus->trigger();
        PictureOptions chosen;
        chosen.includeTitle = chosen.includeKey = chosen.statusMarks = true;
        PrintChoices::setAsker([&chosen](QWidget*, ShownOnWindow) { return chosen; });
        pdf = f.db().folder() + QStringLiteral("/page.pdf");
        form->Print_Click();
        QCOMPARE(messages->count(), 0);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const char* words : {"Class 4b", "Who sits with whom? (positive)", "Circle layout",
                                  "Positive Choice", "Mutual", "Status", "Most chosen", "Isolate"})
            QVERIFY2(page.contains(QLatin1String(words)), qPrintable(page));
    }

    // Export Picture asks the options (starting from the last ones) and the file, then
    // writes what the window shows; a file it cannot write is named.
    void exportPicture()
    {
        ExportDialog dialog;
        QVERIFY(dialog.Resolution->isEnabled());
        dialog.Format[int(PictureFormat::Svg)]->click();
        QVERIFY(!dialog.Resolution->isEnabled()); // only PNG has a resolution

        DrawForm* form = openSociogram(6, {{"2"}, {"1"}});
        QString file;
        QStringList starts;
        PictureExport::setFileChooser(
            [&](QWidget*, const QString&, const QString& start, const QString&) {
                starts.append(start);
                return file;
            });
        bool namesOpen = true;
        whenModalOpens<ExportDialog>([&namesOpen](ExportDialog& d) {
            namesOpen = d.Choices.WithNames->isEnabled();
            d.CancelButton->click();
        });
        form->exportPicture();
        QVERIFY(!namesOpen); // no class list
        ClassList::instance().setNames(Global::CurrentRecord, {u"Al"_qs});
        bool namesChosen = false;
        whenModalOpens<ExportDialog>([&namesChosen](ExportDialog& d) {
            d.Format[int(PictureFormat::Png)]->click();
            d.Resolution->setValue(96);
            d.IncludeKey->setChecked(true);
            d.Choices.WithNames->setChecked(true);
            namesChosen = d.options().withNames;
            d.OkButton->click();
        });
        form->exportPicture(); // file dialog cancelled
        QCOMPARE(starts.size(), 1);
        QVERIFY(namesChosen);
        QCOMPARE(QDir(f.db().folder()).entryList({"*.png"}, QDir::Files), QStringList());

        file = f.db().folder() + QStringLiteral("/picture");
        bool startedFromLast = false;
        whenModalOpens<ExportDialog>([&startedFromLast](ExportDialog& d) {
            // ... but for the names, asked afresh each time
            startedFromLast = d.Format[int(PictureFormat::Png)]->isChecked() &&
                              d.Resolution->value() == 96 && d.IncludeKey->isChecked() &&
                              d.Choices.WithNames->isEnabled() && !d.Choices.WithNames->isChecked();
            d.OkButton->click();
        });
        form->ExportPicture->trigger();
        QVERIFY(startedFromLast);
        const QImage image(file + QStringLiteral(".png")); // the format's ending added
        QVERIFY(image.width() > image.height());           // the key stands beside the drawing
        for (int s = 1; s <= 6; ++s) {
            const QColor c = image.pixelColor((Global::LabelPos[s][0] + 60) / 15,
                                              (Global::LabelPos[s][1] + 60) / 15);
            QVERIFY2(c.red() > 200 && c.green() < 60, qPrintable(QString::number(s)));
        }
        QCOMPARE(messages->count(), 0);
        file = QStringLiteral("/nonexistent-folder/x/picture");
        whenModalOpens<ExportDialog>([](ExportDialog& d) { d.OkButton->click(); });
        form->exportPicture();
        QCOMPARE(messages->count(), 1);
        QVERIFY(messages->texts().first().contains("\"/nonexistent-folder/x/picture.png\""));
        // The study and the layout name the file; the folder is the one chosen before.
        QCOMPARE(starts.value(2), QDir(f.db().folder()).filePath("Class - Circle.png"));
    }
};

QTEST_MAIN(SociogramPrintWindowTest)
#include "tst_sociogram_print_window.moc"
