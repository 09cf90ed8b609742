// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "tform3.h"
#include "designfont.h"
#include "windowplacement.h"

#include "dialogs.h"
#include "nameimportdialog.h"
#include "namelistdelegate.h"
#include "namelistmodel.h"
#include "windowscale.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QTimer>

namespace zuv::people {

namespace {

// Gives the focus to the next (or previous) control outside grid that Tab reaches.
void leaveGrid(QTableView* grid, bool forward)
{
    QWidget* w = grid;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    } while (w != grid && w->window() == grid->window()
             && (grid->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisible()
                 || !w->isEnabled()));
    if (w != grid)
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

// Whether a Tab key leaves the grid rather than moving between its cells: always with Ctrl,
// and at the last cell (Tab) or the first (Shift+Tab), so that the keyboard is never caught.
bool tabLeavesGrid(const QKeyEvent& key, const QModelIndex& current, int rows, int columns)
{
    const bool back = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier);
    if (key.modifiers() & Qt::ControlModifier)
        return true;
    if (!current.isValid())
        return true;
    return back ? current.row() == 0 && current.column() == 0
                : current.row() == rows - 1 && current.column() == columns - 1;
}

// Handles the grid's Down key on the last row: a data grid stores the new row and opens
// the next empty one.
class GridKeys : public QObject {
public:
    GridKeys(QTableView* grid, NameListModel* model, NameListDelegate* delegate)
        : QObject(grid), m_grid(grid), m_model(model), m_delegate(delegate) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            // A click elsewhere in the grid would take an invalid date out of its editor.
            if (m_delegate->openEditorProblem().isEmpty())
                return QObject::eventFilter(watched, event);
            // Moving the focus here has already said why, unless the focus was elsewhere.
            if (QApplication::focusWidget() != m_delegate->openEditor())
                m_delegate->refuseInvalidDate();
            return true;
        }
        if (type != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = m_grid->currentIndex();
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            if (!tabLeavesGrid(*key, current, m_model->rowCount(), m_model->columnCount()))
                return QObject::eventFilter(watched, event);
            leaveGrid(m_grid, !back);
            return true;
        }
        if (key->key() != Qt::Key_Down || key->modifiers() != Qt::NoModifier
            || !current.isValid() || !m_model->isNewRow(current.row()))
            return QObject::eventFilter(watched, event);
        m_delegate->commitOpenEditor();
        if (m_model->pendingRow() != current.row())
            return true;
        if (!zuv::core::guarded(m_grid, [this] { m_model->postPending(); }))
            return true;
        // The next person starts with a name.
        m_grid->setCurrentIndex(m_model->index(m_model->rowCount() - 1, NameListModel::NameColumn));
        return true;
    }

private:
    QTableView* m_grid;
    NameListModel* m_model;
    NameListDelegate* m_delegate;
};

} // namespace

TForm3::TForm3(zuv::store::Table* names, QWidget* parent)
    : QDialog(parent), m_names(names)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(tr("Namensliste"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(QFont(zuv::core::installedFamily(QStringLiteral("MS Sans Serif")), 8));
    setFixedSize(364, 178);

    // The model is the grid's data source on the main window's name table.
    m_model = new NameListModel(*m_names, this);
    m_model->setObjectName(QStringLiteral("DataSource1"));
    m_model->setMessageParent(this);
    m_delegate = new NameListDelegate(this);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(0, 0, 363, 129);
    DBGrid1->setModel(m_model);
    DBGrid1->setItemDelegate(m_delegate);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                             | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::SelectedClicked);
    DBGrid1->setTabKeyNavigation(true);
    DBGrid1->setAccessibleName(tr("Namensliste"));
    DBGrid1->setWordWrap(false);
    QHeaderView* columns = DBGrid1->horizontalHeader();
    columns->setHighlightSections(false);
    columns->resizeSection(NameListModel::NameColumn, 200);
    columns->setStretchLastSection(true);
    QHeaderView* indicator = DBGrid1->verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(18);
    indicator->setFixedWidth(14);
    indicator->setDefaultAlignment(Qt::AlignCenter);
    auto* gridKeys = new GridKeys(DBGrid1, m_model, m_delegate);
    DBGrid1->installEventFilter(gridKeys);
    DBGrid1->viewport()->installEventFilter(gridKeys);
    DBGrid1->verticalHeader()->viewport()->installEventFilter(gridKeys);
    DBGrid1->horizontalHeader()->viewport()->installEventFilter(gridKeys);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                DBGrid1RowChanged(current.row(), previous.row());
            });

    Button2 = new QPushButton(tr("&Name löschen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(40, 144, 97, 25);
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    BirthdayCalendarAction = new QAction(tr("&Geburtstagskalender..."), this);
    BirthdayCalendarAction->setObjectName(QStringLiteral("BirthdayCalendarAction"));
    addAction(BirthdayCalendarAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(BirthdayCalendarAction, &QAction::triggered, this, &TForm3::birthdayCalendarRequested);

    Button1 = new QPushButton(tr("&Fenster schliessen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(184, 144, 121, 25);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    // Enter in a cell of the new row: once name and date are in, the row is stored and the
    // next begins, as Down does. The grid closes the editor first; the move follows after.
    connect(m_delegate, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache)
                    QTimer::singleShot(0, this, [this] { startNextRowIfComplete(); });
            });
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, [this] { undoDelete(); });
    Button3 = new QPushButton(tr("&Einlesen…"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setToolTip(tr("Namen einlesen… (vCard- oder CSV-Datei)"));
    Button3->setGeometry(309, 144, 53, 25);
    Button3->setAutoDefault(false);
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    // The program may end with the window still open; its last edit is stored all the same
    // (an invalid date in the open editor is dropped: nobody is left to correct it).
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_delegate->commitOpenEditor())
            m_delegate->discardOpenEditor();
        FormClose();
    });

    // Drawn at the main window's scale, with the grid's rows and columns to match.
    zuv::widgets::followWindowScale(*this, size(), [this](double factor) {
        const auto scaled = [factor](int design) { return int(std::lround(design * factor)); };
        DBGrid1->horizontalHeader()->resizeSection(NameListModel::NameColumn, scaled(200));
        DBGrid1->verticalHeader()->setDefaultSectionSize(scaled(18));
        DBGrid1->verticalHeader()->setFixedWidth(scaled(14));
    });
}

TForm3::~TForm3() = default;

void TForm3::showNameList()
{
    show();
    raise();
    activateWindow();
}

void TForm3::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        // Centred on the main window; without one, on the screen.
        zuv::core::centreOnParent(this);
    }
    // Another running copy may have changed the list since it was last shown.
    m_names->reloadIfChanged();
    QDialog::showEvent(event);
}

void TForm3::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_names->reloadIfChanged();
}

void TForm3::followTableCursor()
{
    auto follow = [this] {
        const int last = std::max(0, m_names->rowCount() - 1);
        const int column = std::max(0, DBGrid1->currentIndex().column());
        DBGrid1->setCurrentIndex(m_model->index(last, column));
    };
    // While the grid is announcing a change of its current row it takes no other one: the
    // move then waits for the event loop.
    if (m_inRowChange)
        QTimer::singleShot(0, this, follow);
    else
        follow();
}

void TForm3::DBGrid1RowChanged(int currentRow, int)
{
    // Leaving a row stores its change, as in any data grid.
    if (!m_model->hasPending() || m_model->pendingRow() == currentRow)
        return;
    m_inRowChange = true;
    zuv::core::guarded(this, [this] { m_model->postPending(); });
    m_inRowChange = false;
}

void TForm3::Button1Click()
{
    close();
}

void TForm3::Button3Click()
{
    if (!m_delegate->commitOpenEditor())
        m_delegate->discardOpenEditor();
    FormClose();
    importNames(*m_names, this);
}

void TForm3::Button2Click()
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid())
        return;
    // Deleting the row is the end of its edit, an invalid date included.
    if (!m_delegate->commitOpenEditor())
        m_delegate->discardOpenEditor();
    const DeletedName deleted{
        m_model->data(m_model->index(current.row(), NameListModel::NameColumn)).toString(),
        m_model->data(m_model->index(current.row(), NameListModel::BirthDateColumn)).toString()};
    try {
        const int before = m_names->rowCount();
        m_model->deleteRow(current.row());
        if (m_names->rowCount() < before)
            m_lastDeleted = deleted;
    } catch (...) {
        // A failed delete leaves the table as it was; the window says nothing.
    }
}

void TForm3::undoDelete()
{
    if (!m_lastDeleted || !m_delegate->commitOpenEditor())
        return;
    if (!zuv::core::guarded(this, [this] { m_model->postPending(); }))
        return;
    const int row = m_model->rowCount() - 1;   // the trailing row for new entries
    if (!m_model->isNewRow(row))
        return;
    if (!m_model->setData(m_model->index(row, NameListModel::NameColumn), m_lastDeleted->name)
        || !m_model->setData(m_model->index(row, NameListModel::BirthDateColumn), m_lastDeleted->birthDate)) {
        m_model->revertPending();
        return;
    }
    if (zuv::core::guarded(this, [this] { m_model->postPending(); })) {
        m_lastDeleted.reset();
        followTableCursor();
    }
}

void TForm3::startNextRowIfComplete()
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid() || m_model->pendingRow() != current.row() || !m_model->isNewRow(current.row()))
        return;
    for (int column : {int(NameListModel::NameColumn), int(NameListModel::BirthDateColumn)})
        if (m_model->data(m_model->index(current.row(), column)).toString().isEmpty())
            return;
    if (!zuv::core::guarded(this, [this] { m_model->postPending(); }))
        return;
    DBGrid1->setCurrentIndex(m_model->index(m_model->rowCount() - 1, NameListModel::NameColumn));
}

void TForm3::FormClose()
{
    m_delegate->commitOpenEditor();
    try {
        m_model->postPending();
    } catch (...) {
        // The row stays in edit mode; closing goes on.
    }
}

void TForm3::closeEvent(QCloseEvent* event)
{
    // An invalid date stays in its editor until it is corrected or the edit cancelled.
    if (m_delegate->refuseInvalidDate()) {
        event->ignore();
        return;
    }
    FormClose();
    QDialog::closeEvent(event);
}

void TForm3::reject()
{
    if (m_delegate->refuseInvalidDate())
        return;
    // Escape closes the window without a close event.
    FormClose();
    QDialog::reject();
}

} // namespace zuv::people
