// Switching the language for the run: with every window a teacher may have open, each
// retranslating at once, beside the same switch with no window open.

#include "analysiswindow.h"
#include "benchapp.h"
#include "dataform.h"
#include "drawform.h"
#include "groupswindow.h"
#include "helpwindows.h"
#include "infoform.h"
#include "language.h"
#include "loadform.h"
#include "startform.h"
#include "statusstudy.h"
#include "windowfixture.h"
#include "windowlinks.h"

#include <benchmark/benchmark.h>

namespace {

// Between two catalogues, so that every round loads one and every window hears of it.
void switchLanguages(benchmark::State& state)
{
    const QString codes[] = {QStringLiteral("de"), QStringLiteral("fr")};
    int round = 0;
    for (auto _ : state) {
        Language::apply(codes[round++ % 2]);
        QApplication::processEvents();
    }
    Language::apply(QStringLiteral("en"));
}

void BM_Language_Baseline_NoWindowOpen(benchmark::State& state)
{
    ensureBenchApplication();
    switchLanguages(state);
}
BENCHMARK(BM_Language_Baseline_NoWindowOpen)->Unit(benchmark::kMillisecond);

void BM_Language_SwitchEveryWindowOpen(benchmark::State& state)
{
    ensureBenchApplication();
    WindowFixture fixture;
    fixture.init();
    connectWindows();
    fixture.openStudy(10, 3, 3);
    StartForm::instance()->show();
    DataForm* data = WindowFixture::openWindow<DataForm>(showDataForm);
    WindowFixture::openWindow<InfoForm>(showInfoForm);
    WindowFixture::openWindow<LoadForm>(showLoadForm);
    showAnalysis(statusStudy(), data);
    showGroups(statusStudy(), data);
    WindowFixture::openWindow<DrawForm>([] { showDrawForm(QString()); });
    showUserGuide(StartForm::instance());
    QApplication::processEvents();
    switchLanguages(state);
    fixture.cleanup();
}
BENCHMARK(BM_Language_SwitchEveryWindowOpen)->Unit(benchmark::kMillisecond);

} // namespace
