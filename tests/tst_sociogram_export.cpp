// "&Export Picture..." of the sociogram window: its place in the File menu, the
// options dialog, the two questions answered through their hooks, the file that
// appears and the message when it cannot be written.

#include "choicegrid.h"
#include "drawform.h"
#include "errorreport.h"
#include "exportdialog.h"
#include "globals.h"
#include "keyform.h"
#include "scriptedmessages.h"
#include "testdb.h"
#include "tst_draw_pixels.h"
#include "tst_sociogram_study.h"
#include "windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

Q_DECLARE_METATYPE(PictureFormat)

namespace {

// A stored study of six subjects, 1 and 2 choosing each other, in the data grid.
void defineStudy(TestDatabase& db)
{
    SociogramTest::defineStudy(db, 6, {{1, 2}, {2, 1}});
}

DrawForm* openSociogram()
{
    return SociogramTest::openSociogram(0);
}

// The letter after '&' in a menu caption, lower case; none when it has no access key.
QChar accessKey(const QString& caption)
{
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toLower() : QChar();
}

int pdfPages(const QByteArray& bytes)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return int(QString::fromLatin1(bytes).count(page));
}

// Answers the modal dialog that is about to open, from the event loop it runs.
void whenDialogOpens(const std::function<void(ExportDialog&)>& answer)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    int tries = 0;
    QObject::connect(poll, &QTimer::timeout, [poll, answer, tries]() mutable {
        if (auto* dialog = qobject_cast<ExportDialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            answer(*dialog);
        } else if (++tries > 500) { // never leave a test hanging on a dialog
            poll->deleteLater();
            poll->stop();
        }
    });
    poll->start();
}

// Options with no title.
PictureOptions untitled(PictureFormat format, int dpi, bool key)
{
    PictureOptions o;
    o.format = format;
    o.dpi = dpi;
    o.includeKey = key;
    return o;
}

} // namespace

class TestSociogramExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        messages = std::make_unique<ScriptedMessages>();
        defineStudy(*db);
        optionsAsked = 0;
        filesAsked.clear();
    }
    void cleanup()
    {
        PictureExport::setOptionsChooser(nullptr);
        PictureExport::setFileChooser(nullptr);
        SingleInstance<DrawForm>::unload();
        SingleInstance<KeyForm>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages.reset();
        db.reset();
    }

    void fileMenuOffersExportBeforeQuit()
    {
        DrawForm* form = openSociogram();
        QVERIFY(form);
        QCOMPARE(form->ExportPicture->text(), QStringLiteral("&Export Picture..."));
        QStringList captions;
        QList<QChar> keys;
        for (QAction* a : form->FileMenu->actions()) {
            captions << a->text();
            QVERIFY2(!keys.contains(accessKey(a->text())), qPrintable(a->text()));
            keys << accessKey(a->text());
            QVERIFY(a->shortcut().isEmpty());
        }
        QCOMPARE(captions, (QStringList{"&Save Current Sociogram", "&Print Sociogram",
                                        "&Export Picture...", "&Quit"}));
        QVERIFY(form->ExportPicture->isEnabled());
    }

    void exportWritesTheWindowsPictureToTheChosenFile_data()
    {
        QTest::addColumn<PictureFormat>("format");
        QTest::addColumn<bool>("key");
        QTest::newRow("png") << PictureFormat::Png << false;
        QTest::newRow("png with key") << PictureFormat::Png << true;
        QTest::newRow("svg") << PictureFormat::Svg << false;
        QTest::newRow("pdf with key") << PictureFormat::Pdf << true;
    }
    void exportWritesTheWindowsPictureToTheChosenFile()
    {
        QFETCH(PictureFormat, format);
        QFETCH(bool, key);
        DrawForm* form = openSociogram();
        answerWith(untitled(format, 96, key), db->folder() + QStringLiteral("/picture"));
        form->ExportPicture->trigger();

        QCOMPARE(optionsAsked, 1);
        QCOMPARE(filesAsked, QList<PictureFormat>{format});
        QCOMPARE(messages->count(), 0);
        // The name had no ending: the format's is added.
        const QString file = db->folder() + QStringLiteral("/picture.") + pictureSuffix(format);
        QFile written(file);
        QVERIFY2(written.open(QIODevice::ReadOnly), qPrintable(file));
        const QByteArray bytes = written.readAll();
        switch (format) {
        case PictureFormat::Png: {
            const QImage image = QImage::fromData(bytes, "PNG");
            QCOMPARE(image.size(), key ? QSize(630, 442) : QSize(461, 442));
            // The labels the window placed, red where the window shows them.
            for (int s = 1; s <= 6; ++s) {
                const auto& at = Global::LabelPos[s];
                QVERIFY(DrawTest::near(image, QPointF(at[0] + 60, at[1] + 60), 1 / 15.0,
                                       DrawTest::isRed, 0));
            }
            break;
        }
        case PictureFormat::Svg: {
            QXmlStreamReader xml(bytes);
            QVERIFY(xml.readNextStartElement());
            QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QCOMPARE(bytes.count("<polyline"), 2); // the mutual pair's two lines
            break;
        }
        case PictureFormat::Pdf:
            QVERIFY(bytes.startsWith("%PDF-"));
            QCOMPARE(pdfPages(bytes), 1);
            break;
        }
    }

    void cancellingWritesNothingAndSaysNothing()
    {
        DrawForm* form = openSociogram();
        PictureExport::setOptionsChooser([this](QWidget*) {
            ++optionsAsked;
            return std::optional<PictureOptions>();
        });
        PictureExport::setFileChooser([this](QWidget*, const PictureOptions& o) {
            filesAsked << o.format;
            return QString();
        });
        form->ExportPicture_Click();
        QCOMPARE(optionsAsked, 1);
        QVERIFY(filesAsked.isEmpty()); // no file asked for after the options were refused

        answerWith(PictureOptions{}, QString()); // the file dialog cancelled
        form->ExportPicture_Click();
        QCOMPARE(filesAsked.size(), 1);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(QDir(db->folder()).entryList({QStringLiteral("*.png")}, QDir::Files),
                 QStringList());
    }

    void unwritableFileIsToldNamingIt()
    {
        DrawForm* form = openSociogram();
        answerWith(untitled(PictureFormat::Png, 96, false),
                   QStringLiteral("/nonexistent-folder/x/picture"));
        form->ExportPicture_Click();
        QCOMPARE(messages->count(), 1);
        const Message& shown = messages->shown().front();
        QVERIFY2(shown.text.startsWith(QStringLiteral("The sociogram picture could not be saved as "
                                                      "\"/nonexistent-folder/x/picture.png\"")),
                 qPrintable(shown.text));
        QVERIFY(shown.text.contains(QStringLiteral("does not exist")));
        QCOMPARE(shown.buttons, Buttons::Ok);
        QCOMPARE(shown.icon, Icon::Exclamation);
        QCOMPARE(shown.title, ProgramTitle);
    }

    void dialogOffersTheFormatsAndResolutionOnlyForPng()
    {
        ExportDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Export Picture"));
        QCOMPARE(dialog.Format[0]->text(), QStringLiteral("&PNG image"));
        QCOMPARE(dialog.Format[1]->text(), QStringLiteral("S&VG drawing"));
        QCOMPARE(dialog.Format[2]->text(), QStringLiteral("P&DF document"));
        // Every caption has the room it needs, inside the dialog.
        for (QAbstractButton* b : {static_cast<QAbstractButton*>(dialog.Format[0]),
                                   static_cast<QAbstractButton*>(dialog.Format[1]),
                                   static_cast<QAbstractButton*>(dialog.Format[2]),
                                   static_cast<QAbstractButton*>(dialog.IncludeKey)}) {
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
            QVERIFY(dialog.rect().contains(b->mapTo(&dialog, b->rect().bottomRight())));
        }
        QVERIFY(dialog.ResolutionLabel->width() >= dialog.ResolutionLabel->sizeHint().width());
        QCOMPARE(dialog.IncludeKey->text(), QStringLiteral("Include the key"));
        QCOMPARE(dialog.Resolution->minimum(), PictureResolution::Minimum);
        QCOMPARE(dialog.Resolution->maximum(), PictureResolution::Maximum);

        const PictureOptions fresh = dialog.options();
        QCOMPARE(fresh.format, PictureFormat::Png);
        QCOMPARE(fresh.dpi, PictureResolution::Default);
        QCOMPARE(fresh.includeKey, false);
        QVERIFY(dialog.Resolution->isEnabled());

        dialog.Format[int(PictureFormat::Svg)]->click();
        QVERIFY(!dialog.Resolution->isEnabled());
        QVERIFY(!dialog.ResolutionLabel->isEnabled());
        dialog.Format[int(PictureFormat::Png)]->click();
        QVERIFY(dialog.Resolution->isEnabled());

        dialog.setOptions(untitled(PictureFormat::Pdf, 300, true));
        const PictureOptions set = dialog.options();
        QCOMPARE(set.format, PictureFormat::Pdf);
        QCOMPARE(set.dpi, 300);
        QCOMPARE(set.includeKey, true);
        QVERIFY(!dialog.Resolution->isEnabled());
    }

    void realDialogIsAskedAndRemembersTheLastChoice()
    {
        DrawForm* form = openSociogram();
        PictureExport::setFileChooser([this](QWidget*, const PictureOptions& o) {
            filesAsked << o.format;
            chosenKey = o.includeKey;
            return db->folder() + QStringLiteral("/remembered");
        });
        whenDialogOpens([](ExportDialog& d) {
            d.Format[int(PictureFormat::Svg)]->click();
            d.IncludeKey->setChecked(true);
            d.OkButton->click();
        });
        form->ExportPicture_Click();
        QCOMPARE(filesAsked, QList<PictureFormat>{PictureFormat::Svg});
        QVERIFY(chosenKey);
        QVERIFY(QFile::exists(db->folder() + QStringLiteral("/remembered.svg")));

        // The next export starts from those options; Cancel leaves them and writes nothing.
        bool startedFromLast = false;
        whenDialogOpens([&startedFromLast](ExportDialog& d) {
            startedFromLast =
                d.Format[int(PictureFormat::Svg)]->isChecked() && d.IncludeKey->isChecked();
            d.CancelButton->click();
        });
        form->ExportPicture_Click();
        QVERIFY(startedFromLast);
        QCOMPARE(filesAsked.size(), 1);
        QCOMPARE(messages->count(), 0);
    }

private:
    void answerWith(PictureOptions options, QString file)
    {
        PictureExport::setOptionsChooser([this, options](QWidget*) {
            ++optionsAsked;
            return std::optional<PictureOptions>(options);
        });
        PictureExport::setFileChooser([this, file](QWidget*, const PictureOptions& o) {
            filesAsked << o.format;
            return file;
        });
    }

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    int optionsAsked = 0;
    QList<PictureFormat> filesAsked;
    bool chosenKey = false;
};

QTEST_MAIN(TestSociogramExport)
#include "tst_sociogram_export.moc"
