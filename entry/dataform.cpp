#include "dataform.h"

#include "busypointer.h"
#include "choicegrid.h"
#include "classlist.h"
#include "entryform.h"
#include "fonts.h"
#include "forms.h"
#include "gridmodel.h"
#include "kioskwindow.h"
#include "programicon.h"
#include "windows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTableView>
#include <algorithm>

namespace {

void runEntryModally(EntryForm& entry)
{
    entry.exec();
}

DataForm::EntryRunner& entryRunner()
{
    static DataForm::EntryRunner runner = runEntryModally;
    return runner;
}

bool opensEntry(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_F2:
        return key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
    default:
        return false;
    }
}

// The designed window, in twips.
constexpr int ClientWidth = 7455;
constexpr int ClientHeight = 5520;
constexpr int LabelWidth = 7095;
constexpr int GridLeft = 120;
constexpr int GridTop = 600;
constexpr int GridHeight = 4815;
constexpr int GridRight = GridLeft + DataState::GridWidth;
constexpr int GridBottom = GridTop + GridHeight;

bool startsAChoice(const QKeyEvent* key)
{
    const QString t = key->text();
    return t.size() == 1 && (t[0].isDigit() || t[0] == u'-' || t[0] == u'.') &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

DataForm::DataForm()
{
    setWindowIcon(programIcon());
    auto* client = new QWidget(this);
    setCentralWidget(client);

    DLabel0 = new QLabel(client);
    DLabel0->setObjectName(QStringLiteral("DLabel_0"));
    DLabel0->setFont(Fonts::font(Fonts::Serif, 12, true));
    DLabel0->setTextFormat(Qt::PlainText); // a criterion such as "<team>" is shown as typed
    placeTwips(DLabel0, 120, 120, LabelWidth, 255);

    buildGrid();
    Dgrid->setParent(client);
    placeTwips(Dgrid, GridLeft, GridTop, DataState::GridWidth, GridHeight);
    buildMenus();
    retranslate();

    connect(&state, &DataState::busyChanged, this, [this](bool busy) {
        if (busy)
            busyPointer.emplace();
        else
            busyPointer.reset();
    });
    connect(&state, &DataState::savedOnRequest, this, [] { QCoreApplication::processEvents(); });
    connect(&state, &DataState::changed, this, &DataForm::showState);

    // The designed size is the least; a larger window gives the grid the room, so
    // that a class of forty is seen whole.
    setWindowFlags(Qt::Window);
    client->setMinimumSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    Form_Load();
}

void DataForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const QWidget* client = centralWidget();
    const int left = Twips::toPixels(GridLeft);
    const int top = Twips::toPixels(GridTop);
    Dgrid->setGeometry(
        left, top,
        std::max(Twips::toPixels(DataState::GridWidth),
                 client->width() - left - Twips::toPixels(ClientWidth - GridRight)),
        std::max(Twips::toPixels(GridHeight),
                 client->height() - top - Twips::toPixels(ClientHeight - GridBottom)));
    DLabel0->resize(std::max(Twips::toPixels(LabelWidth), Dgrid->width() - Twips::toPixels(120)),
                    DLabel0->height());
}

void DataForm::Form_Load()
{
    // A window loads with a grid of its own: nothing of a study shown before remains.
    state.grid().setShape(0, 0);
    state.FormLayout();
    applyColumnWidths();
    adjustSize();
    CenterForm(this);
}

void DataForm::buildGrid()
{
    Dgrid = new QTableView;
    Dgrid->setObjectName(QStringLiteral("Dgrid"));
    Dgrid->setFont(Fonts::small());
    model = new GridModel(state.grid(), this);
    Dgrid->setModel(model);
    Dgrid->setSelectionMode(QAbstractItemView::SingleSelection);
    Dgrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    Dgrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Dgrid->setTabKeyNavigation(false);
    // The choice columns share the grid's width evenly, whether or not the vertical
    // scroll bar takes its strip: a fixed width a few pixels too wide would let the view
    // slide sideways under the subject column and cut the first choice in half. Only
    // columns too narrow for their caption scroll, and then with a visible scroll bar.
    Dgrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Dgrid->horizontalHeader()->setHighlightSections(false);
    Dgrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Dgrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Dgrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Dgrid->verticalHeader()->setDefaultSectionSize(Twips::toPixels(255));
    Dgrid->verticalHeader()->setHighlightSections(false);
    Dgrid->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Dgrid->setCornerButtonEnabled(false);
    Dgrid->installEventFilter(this);

    // The two header texts of the subject column sit in the view's corner.
    corner = new QLabel(Dgrid);
    corner->setObjectName(QStringLiteral("GridCorner"));
    corner->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    corner->setContentsMargins(4, 0, 0, 0);
    corner->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(Dgrid, &QTableView::clicked, this,
            [this](const QModelIndex& index) { openEntryAt(index); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { applyColumnWidths(); });
    model->setNames(ClassList::instance().currentNames());
    connect(&ClassList::instance(), &ClassList::changed, this, [this] {
        model->setNames(ClassList::instance().currentNames());
        applyColumnWidths();
    });
}

void DataForm::applyColumnWidths()
{
    const ChoiceGrid& g = state.grid();
    corner->setText(model->cornerText());
    // The subject column is as wide as the grid sets it, and never narrower than its
    // two header words: with ten choices the even share would cut "Subject" short.
    const int cornerText = corner->sizeHint().width() + 2;
    const int minChoice =
        Dgrid->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Choice "));
    if (g.Cols() > 0) {
        model->setElide({});
        const int width =
            std::max({Twips::toPixels(g.ColWidth(0)), cornerText, namesWidth(minChoice)});
        Dgrid->verticalHeader()->setFixedWidth(width);
        model->setElide(
            [metrics = Dgrid->verticalHeader()->fontMetrics(), width](const QString& t) {
                return metrics.elidedText(t, Qt::ElideRight, width - 8);
            });
    }
    Dgrid->horizontalHeader()->setMinimumSectionSize(minChoice);
    const int headerHeight = Dgrid->horizontalHeader()->sizeHint().height();
    corner->setGeometry(Dgrid->frameWidth(), Dgrid->frameWidth(), Dgrid->verticalHeader()->width(),
                        headerHeight);
    corner->raise();
}

int DataForm::namesWidth(int minChoice) const
{
    if (!ClassList::instance().loaded())
        return 0;
    const QFontMetrics metrics = Dgrid->verticalHeader()->fontMetrics();
    int widest = 0;
    for (int s = 1; s <= model->rowCount(); ++s)
        widest = std::max(widest,
                          metrics.horizontalAdvance(
                              model->headerData(s - 1, Qt::Vertical, Qt::DisplayRole).toString()));
    // The names take room from the choice columns only down to their captions' width, and
    // never more than a third of the grid; a longer name ends in an ellipsis.
    const int grid = Twips::toPixels(DataState::GridWidth);
    const int spare = grid - model->columnCount() * minChoice - 24;
    return std::min({widest + 12, grid / 3, spare});
}

void DataForm::showState()
{
    setWindowTitle(state.title());
    // A criterion of up to 100 characters does not fit the line: it ends in an ellipsis
    // and the whole text is a tooltip away.
    const QString line = state.criterionLine();
    const QString shown = DLabel0->fontMetrics().elidedText(line, Qt::ElideRight, DLabel0->width());
    DLabel0->setText(shown);
    DLabel0->setToolTip(shown == line ? QString() : line);
    Crit[0]->setEnabled(state.critEnabled(0));
    Crit[1]->setEnabled(state.critEnabled(1));
}

void DataForm::Save_Click()
{
    state.Save_Click();
}

void DataForm::Clear_Click()
{
    state.Clear_Click();
}

void DataForm::Quit_Click()
{
    if (state.Quit_Click())
        unloadWithStudyWindow();
}

void DataForm::unloadWithSociogram()
{
    // The sociogram draws from this grid: it cannot outlive it.
    Forms::call(Forms::UnloadDrawForm);
    SingleInstance<DataForm>::unload();
}

void DataForm::discard()
{
    if (DataForm* open = SingleInstance<DataForm>::ifLoaded())
        open->unloadWithStudyWindow();
}

void DataForm::unloadWithStudyWindow()
{
    unloading = true;
    unloadWithSociogram();
    Forms::call(Forms::UnloadInfoForm);
}

void DataForm::closeEvent(QCloseEvent* event)
{
    if (unloading) {
        event->accept();
        return;
    }
    // The close box is File > Quit: typed answers are never dropped without a word.
    event->ignore();
    Quit_Click();
}

void DataForm::Crit_Click(DataState::CriterionItem item)
{
    state.Crit_Click(item);
}

void DataForm::Plot_Click()
{
    state.Plot_Click();
}

void DataForm::openEntryAt(const QModelIndex& index, const QString& typed)
{
    if (!index.isValid())
        return;
    state.grid().setRow(GridModel::gridRow(index));
    state.grid().setCol(GridModel::gridCol(index));
    if (!state.gridClicked())
        return;
    EntryForm entry(state.grid(), this);
    if (!typed.isEmpty())
        entry.beginWith(typed);
    entryRunner()(entry);
    // Keying a class's answers goes cell after cell: the next one is ready for the
    // next number.
    if (entry.result() == QDialog::Accepted)
        moveToNextCell();
}

void DataForm::Dgrid_Click()
{
    openEntryAt(Dgrid->currentIndex());
}

void DataForm::moveToNextCell()
{
    const QModelIndex at = Dgrid->currentIndex();
    if (!at.isValid())
        return;
    const int cols = model->columnCount();
    const QModelIndex next = at.column() + 1 < cols ? model->index(at.row(), at.column() + 1)
                                                    : model->index(at.row() + 1, 0);
    if (next.isValid())
        Dgrid->setCurrentIndex(next);
}

bool DataForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Dgrid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (opensEntry(key)) {
            openEntryAt(Dgrid->currentIndex());
            return true;
        }
        // Typing a number on a cell opens the entry with what was typed.
        if (startsAChoice(key)) {
            openEntryAt(Dgrid->currentIndex(), key->text());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void DataForm::setEntryRunner(EntryRunner runner)
{
    entryRunner() = runner ? std::move(runner) : EntryRunner(runEntryModally);
}

bool DataForm::mayEnd()
{
    DataForm* form = SingleInstance<DataForm>::ifLoaded();
    return !form || form->state.Quit_Click();
}

bool DataForm::settle()
{
    DataForm* open = SingleInstance<DataForm>::ifLoaded();
    if (!open)
        return true;
    if (!open->state.Quit_Click()) {
        open->raise();
        open->activateWindow();
        return false;
    }
    unloadWithSociogram();
    return true;
}

void showDataForm()
{
    // The grid holds one study at a time. Callers settle the open window before they
    // change the globals; one still open here is laid out afresh for the new study.
    if (SingleInstance<DataForm>::loaded())
        DataForm::unloadWithSociogram();
    DataForm* form = SingleInstance<DataForm>::instance();
    form->show();
    form->raise();
    form->activateWindow();
}
