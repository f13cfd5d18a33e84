// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettewindow/paletteswindow.h"

#include "css/cssformats.h"
#include "copying/copypreferences.h"
#include "palettes/history.h"
#include "palettes/paletteimport.h"
#include "palettes/palettestore.h"
#include "palettewindow/exportdialog.h"
#include "palettewindow/palettelibrary.h"
#include "palettewindow/palettemodel.h"
#include "palettewindow/swatchview.h"
#include "tables/usersettings.h"
#include "window/samplepagedragdrop.h"
#include "window/toolkit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace {

const QString historyId = QLatin1String(PaletteStore::historyId);
const QString geometryKey = QStringLiteral("palettes/geometry");
constexpr int noticeTime = 10000; // ms a notice stays in the status bar

// One step that can be undone: what it does and what undoes it, each on the palettes as they
// are by then.
class Step : public QUndoCommand
{
public:
    Step(const QString &text, std::function<void()> doIt, std::function<void()> undoIt)
        : QUndoCommand(text)
        , doIt(std::move(doIt))
        , undoIt(std::move(undoIt))
    { }
    void redo() override { doIt(); }
    void undo() override { undoIt(); }

private:
    std::function<void()> doIt;
    std::function<void()> undoIt;
};

// The row of the entry in the palette: at `row` when it is still there, else its first of that colour.
qsizetype findEntry(const UserPalette &palette, const PaletteEntry &entry, qsizetype row)
{
    if (row < palette.entries.size() && palette.entries.at(row) == entry)
        return row;
    return palette.entries.indexOf(entry);
}

} // namespace

PalettesWindow::PalettesWindow(Toolkit &toolkit, PaletteLibrary *library, QWidget *parent)
    : QMainWindow(parent, Qt::Window)
    , toolkit(toolkit)
    , library(library)
    , undo(new QUndoStack(this))
{
    setObjectName(QStringLiteral("frmPalettes"));
    setWindowTitle(tr("Rusket Palettes"));
    auto *content = new QWidget;
    rows = new QVBoxLayout(content);
    rows->addStretch();
    scroller = new QScrollArea;
    scroller->setWidgetResizable(true);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(content);
    setCentralWidget(scroller);
    statusBar()->setSizeGripEnabled(true);
    createMenus();
    connect(library, &PaletteLibrary::changed, this, &PalettesWindow::refresh);
    refresh();
    view(historyId)->setFocus(); // where the window opens
    if (!restoreGeometry(QSettings(UserSettings::file(), QSettings::IniFormat).value(geometryKey).toByteArray())) {
        // The first time beside the main window, as far as the screen lets it; the frame, not
        // known before the window shows, is given room for (a scaled screen has few pixels).
        constexpr QSize frame(16, 48);
        const QRect screen = parent ? parent->screen()->availableGeometry() : QRect(QPoint(), QSize(440, 420) + frame);
        resize(QSize(440, 420).boundedTo(screen.size() - frame));
        if (parent)
            move(std::clamp(
                     parent->frameGeometry().right() + 8, screen.left(), screen.right() + 1 - frame.width() - width()),
                std::clamp(
                    parent->frameGeometry().top(), screen.top(), screen.bottom() + 1 - frame.height() - height()));
    }
}

void PalettesWindow::createMenus()
{
    struct Command
    {
        const char *name;
        const char *caption; // none: a separator
        QList<QKeySequence> keys;
        std::function<void()> handler;
    };
    struct Menu
    {
        const char *name;
        const char *caption;
        std::initializer_list<Command> commands;
    };
    const auto key = [](QKeyCombination combination) { return QList<QKeySequence>{QKeySequence(combination)}; };
    // clang-format off
    const Menu menus[] = {
        {"mnuPalette", QT_TR_NOOP("&Palette"), {
            {"actNewPalette",    QT_TR_NOOP("&New Palette..."),    QKeySequence::keyBindings(QKeySequence::New), [this] { newPalette(); }},
            {"actRenamePalette", QT_TR_NOOP("Rename &Palette..."), {},                                          [this] { renamePalette(); }},
            {"actDeletePalette", QT_TR_NOOP("&Delete Palette"),    {},                                          [this] { deletePalette(); }},
            {"sepPalette1",      nullptr,                          {},                                          {}},
            {"actImport",        QT_TR_NOOP("&Import..."),         QKeySequence::keyBindings(QKeySequence::Open), [this] { importPalette(); }},
            {"actExport",        QT_TR_NOOP("&Export..."),         key(Qt::CTRL | Qt::Key_E),                   [this] { exportPalette(); }},
            {"sepPalette2",      nullptr,                          {},                                          {}},
            {"actClearHistory",  QT_TR_NOOP("Clear &History"),     {},                                          [this] { clearHistory(); }},
            {"sepPalette3",      nullptr,                          {},                                          {}},
            {"actClose",         QT_TR_NOOP("&Close"),             key(Qt::CTRL | Qt::Key_W),                   [this] { close(); }},
        }},
        {"mnuPaletteEdit", QT_TR_NOOP("&Edit"), {
            {"actUndo", QT_TR_NOOP("&Undo"), QKeySequence::keyBindings(QKeySequence::Undo), [this] { undo->undo(); done({}); }},
            {"actRedo", QT_TR_NOOP("&Redo"), QKeySequence::keyBindings(QKeySequence::Redo), [this] { undo->redo(); done({}); }},
        }},
        {"mnuColor", QT_TR_NOOP("&Color"), {
            {"actMakeCurrent",  QT_TR_NOOP("&Make Current"),      {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, [this] { makeCurrent(); }},
            {"actAddCurrent",   QT_TR_NOOP("&Add Current Color"), key(Qt::CTRL | Qt::Key_D),      [this] { emit currentColorWanted(); }},
            {"actCopyColor",    QT_TR_NOOP("&Copy"),              QKeySequence::keyBindings(QKeySequence::Copy), [this] { copyColor(); }},
            {"actRenameColor",  QT_TR_NOOP("&Rename Color..."),   key(Qt::Key_F2),                [this] { renameColor(); }},
            {"actRemoveColor",  QT_TR_NOOP("Remo&ve Color"),      {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace)}, [this] { removeColor(); }},
            {"actMoveLeft",     QT_TR_NOOP("Move &Left"),         key(Qt::CTRL | Qt::Key_Left),   [this] { moveColor(-1); }},
            {"actMoveRight",    QT_TR_NOOP("Move R&ight"),        key(Qt::CTRL | Qt::Key_Right),  [this] { moveColor(1); }},
        }},
    };
    // clang-format on
    contextMenu = new QMenu(this);
    connect(contextMenu, &QMenu::aboutToShow, this, &PalettesWindow::updateActions);
    connect(contextMenu, &QMenu::aboutToHide, this, &PalettesWindow::enableActions);
    for (const Menu &m : menus) {
        QMenu *menu = menuBar()->addMenu(tr(m.caption));
        menu->setObjectName(QLatin1String(m.name));
        connect(menu, &QMenu::aboutToShow, this, &PalettesWindow::updateActions);
        connect(menu, &QMenu::aboutToHide, this, &PalettesWindow::enableActions);
        for (const Command &command : m.commands) {
            QAction *action = command.caption ? menu->addAction(tr(command.caption)) : menu->addSeparator();
            action->setObjectName(QLatin1String(command.name));
            if (command.handler)
                connect(action, &QAction::triggered, this, command.handler);
            action->setShortcuts(command.keys);
            addAction(action); // the shortcut works while the menu is closed
        }
    }
    // A swatch's menu: what the Color menu does, and what is done to its palette.
    contextMenu->addActions(findChild<QMenu *>(QStringLiteral("mnuColor"))->actions());
    contextMenu->addSeparator();
    for (const char *name : {"actRenamePalette", "actDeletePalette", "actExport", "actClearHistory"})
        contextMenu->addAction(findChild<QAction *>(QLatin1String(name)));
}

// An open menu shows what applies to the palette and the swatch with the focus.
void PalettesWindow::updateActions()
{
    const QString id = activeId();
    const bool palette = !id.isEmpty() && id != historyId;
    const bool swatch = currentRow().has_value();
    const auto enable
        = [this](const char *name, bool on) { findChild<QAction *>(QLatin1String(name))->setEnabled(on); };
    for (const char *name : {"actRenamePalette", "actDeletePalette"})
        enable(name, palette);
    for (const char *name : {"actCopyColor", "actRenameColor", "actRemoveColor", "actMakeCurrent"})
        enable(name, swatch);
    for (const char *name : {"actMoveLeft", "actMoveRight"})
        enable(name, swatch && palette);
    enable("actExport", !id.isEmpty());
    enable("actClearHistory", !library->palette(historyId)->entries.isEmpty());
    enable("actUndo", undo->canUndo());
    enable("actRedo", undo->canRedo());
}

// With the menus closed, the keys act on whatever has the focus then; each command checks it.
void PalettesWindow::enableActions()
{
    for (QAction *action : actions())
        action->setEnabled(true);
}

// ---- The palettes as rows of swatches ----

void PalettesWindow::refresh()
{
    const QStringList ids = library->ids();
    for (auto it = sections.begin(); it != sections.end();) {
        if (ids.contains(it.key())) {
            ++it;
            continue;
        }
        delete it->title;
        delete it->view;
        it = sections.erase(it);
    }
    for (int i = 0; i < ids.size(); ++i) {
        const Section &section = sectionFor(ids[i]);
        const QString name = library->shownName(ids[i]);
        const QList<PaletteEntry> &entries = library->palette(ids[i])->entries;
        section.title->setText(name);
        section.view->setAccessibleName(
            entries.size() == 1 ? tr("%1: 1 color").arg(name) : tr("%1: %2 colors").arg(name).arg(entries.size()));
        const int row = section.view->currentIndex().row();
        if (section.view->paletteModel()->show(entries) && row >= 0 && !entries.isEmpty())
            section.view->setCurrentIndex(section.view->paletteModel()->index(std::min(row, int(entries.size()) - 1)));
        if (rows->indexOf(section.title) != 2 * i) {
            rows->insertWidget(2 * i, section.title);
            rows->insertWidget(2 * i + 1, section.view);
            section.title->show(); // at once: the focus may go to it next
            section.view->show();
        }
        if (i > 0) // Tab goes from palette to palette in the order shown
            setTabOrder(sections.value(ids[i - 1]).view, section.view);
    }
}

PalettesWindow::Section &PalettesWindow::sectionFor(const QString &id)
{
    if (const auto found = sections.find(id); found != sections.end())
        return *found;
    const bool history = id == historyId;
    QWidget *content = scroller->widget();
    auto *title = new QLabel(content);
    title->setTextFormat(Qt::PlainText);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto *model = new PaletteModel(id);
    auto *view = new SwatchView(toolkit, model, !history, content);
    model->setParent(view); // goes with it
    view->setObjectName(QStringLiteral("palette-") + id);
    view->setPlaceholder(history ? tr("The colors you pick, paste, drop or copy come here.")
                                 : tr("Drop colors here, or press Ctrl+D in the main window."));
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::clicked, this, [this, view](const QModelIndex &index) {
        emit colorChosen(view->paletteModel()->entries().at(index.row()).color);
    });
    connect(view, &SwatchView::dropped, this, [this, id](const QMimeData *data, int row) { drop(id, data, row); });
    connect(view, &QAbstractItemView::doubleClicked, this, &PalettesWindow::renameColor);
    connect(view, &QWidget::customContextMenuRequested, this,
        [this, view](QPoint at) { contextMenu->popup(view->viewport()->mapToGlobal(at)); });
    return *sections.insert(id, {title, view});
}

SwatchView *PalettesWindow::view(const QString &id) const
{
    return sections.value(id).view;
}

bool PalettesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return QMainWindow::eventFilter(watched, event);
    activate(static_cast<SwatchView *>(watched)->paletteModel()->id()); // the filter is on the views alone
    return QMainWindow::eventFilter(watched, event);
}

// The palette the user last worked in is where Ctrl+D adds, here and in the main window.
void PalettesWindow::activate(const QString &id)
{
    if (id != lastActive)
        library->choose(id);
    lastActive = id;
}

QString PalettesWindow::activeId() const
{
    return sections.contains(lastActive) ? lastActive : QString();
}

std::optional<int> PalettesWindow::currentRow() const
{
    const SwatchView *active = view(activeId());
    const int row = active ? active->currentIndex().row() : -1;
    return row >= 0 && row < int(active->paletteModel()->entries().size()) ? std::optional(row) : std::nullopt;
}

std::optional<PaletteEntry> PalettesWindow::currentEntry() const
{
    const std::optional<int> row = currentRow();
    return row ? std::optional(view(activeId())->paletteModel()->entries().at(*row)) : std::nullopt;
}

void PalettesWindow::showSwatch(const QString &id, int row)
{
    SwatchView *shown = view(id);
    if (!shown)
        return;
    if (row >= 0 && row < shown->paletteModel()->rowCount())
        shown->setCurrentIndex(shown->paletteModel()->index(row));
    shown->setFocus(); // in a window not active yet, the focus comes only once it is
    activate(id);
    const QRect swatch = shown->visualRect(shown->currentIndex());
    const QPoint at = shown->viewport()->mapTo(scroller->widget(), swatch.isValid() ? swatch.center() : QPoint());
    scroller->ensureVisible(at.x(), at.y());
}

void PalettesWindow::done(const QString &notice)
{
    statusBar()->showMessage(notice, noticeTime);
}

// ---- The colours ----

void PalettesWindow::makeCurrent()
{
    if (const std::optional<PaletteEntry> entry = currentEntry())
        emit colorChosen(entry->color);
}

void PalettesWindow::copyColor()
{
    // In the form the user chose for copies, as the main window's swatch copies.
    QSettings settings(UserSettings::file(), QSettings::IniFormat);
    if (const std::optional<PaletteEntry> entry = currentEntry())
        toolkit.copyColor(CopyPreferences::load(settings).writeDefault(entry->color), entry->color);
}

void PalettesWindow::renameColor()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    const QString id = activeId();
    const PaletteEntry entry = *currentEntry();
    const std::optional<QString> name = toolkit.askText(
        tr("Rename Color"), tr("Name of %1:").arg(CssFormats::write(entry.color, CssFormat::Hex)), entry.name);
    if (!name)
        return;
    library->change(id, [&](UserPalette &palette) {
        if (const qsizetype at = findEntry(palette, entry, *row); at >= 0)
            palette.entries[at].name = *name;
    });
    showSwatch(id, *row);
}

void PalettesWindow::removeColor()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    const QString id = activeId();
    const PaletteEntry entry = *currentEntry();
    undo->push(new Step(
        tr("Remove Color"),
        [=, this] {
            library->change(id, [&](UserPalette &palette) {
                if (const qsizetype at = findEntry(palette, entry, *row); at >= 0)
                    palette.entries.removeAt(at);
            });
        },
        [=, this] {
            library->change(id, [&](UserPalette &palette) {
                palette.entries.insert(std::min(qsizetype(*row), palette.entries.size()), entry);
            });
            showSwatch(id, *row);
        }));
    done(tr("Removed %1. Undo with Ctrl+Z.").arg(PaletteModel::describe(entry)));
}

void PalettesWindow::moveColor(int by)
{
    const std::optional<int> row = currentRow();
    const QString id = activeId();
    if (!row || id == historyId || *row + by < 0 || *row + by >= view(id)->paletteModel()->rowCount())
        return toolkit.beep(); // at either end; and History keeps its order, the most recent first
    const int to = *row + by;
    const PaletteEntry entry = *currentEntry();
    library->change(id, [&](UserPalette &palette) {
        if (const qsizetype at = findEntry(palette, entry, *row); at >= 0)
            palette.entries.move(at, std::clamp(qsizetype(to), qsizetype(0), palette.entries.size() - 1));
    });
    showSwatch(id, to);
}

// ---- The palettes ----

void PalettesWindow::newPalette()
{
    const std::optional<QString> name = toolkit.askText(tr("New Palette"), tr("Name of the new palette:"), {});
    if (!name)
        return;
    const QString id = library->create({*name, {}, 0, {}});
    if (!id.isEmpty())
        showSwatch(id, -1);
}

void PalettesWindow::renamePalette()
{
    const QString id = activeId();
    if (id.isEmpty() || id == historyId)
        return;
    const std::optional<QString> name
        = toolkit.askText(tr("Rename Palette"), tr("New name of the palette:"), library->shownName(id));
    if (name)
        library->change(id, [&](UserPalette &palette) { palette.name = *name; });
}

void PalettesWindow::deletePalette()
{
    const QString id = activeId();
    if (id.isEmpty() || id == historyId)
        return;
    const UserPalette kept = *library->palette(id);
    auto current = std::make_shared<QString>(id); // brought back, it may get another file
    undo->push(new Step(
        tr("Delete Palette"), [=, this] { library->remove(*current); },
        [=, this] {
            *current = library->create(kept);
            showSwatch(*current, -1);
        }));
    done(tr("Deleted the palette \"%1\". Undo with Ctrl+Z.").arg(kept.name));
}

void PalettesWindow::clearHistory()
{
    if (library->palette(historyId)->entries.isEmpty())
        return;
    auto cleared = std::make_shared<QList<PaletteEntry>>();
    undo->push(new Step(
        tr("Clear History"),
        [=, this] { library->change(historyId, [&](UserPalette &history) { *cleared = History::clear(history); }); },
        [=, this] { library->change(historyId, [&](UserPalette &history) { History::restore(history, *cleared); }); }));
    done(tr("History cleared. Undo with Ctrl+Z."));
}

void PalettesWindow::importPalette()
{
    const QString path = toolkit.chooseFile(
        FileChoice::Open, tr("Import Palette"), tr("Palettes and stylesheets (*.gpl *.css *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    const GplReading reading = PaletteImport::readFile(path);
    const QString file = QFileInfo(path).fileName();
    if (!reading.palette)
        return library->report(tr("%1 could not be imported:").arg(file), reading.problems);
    library->report(tr("Some lines of %1 are no color and were passed over:").arg(file), reading.problems);
    const QString id = library->create(*reading.palette);
    if (id.isEmpty())
        return;
    showSwatch(id, 0);
    const qsizetype count = reading.palette->entries.size();
    const QString name = library->shownName(id);
    done(count == 1 ? tr("Imported 1 color as \"%1\".").arg(name)
                    : tr("Imported %1 colors as \"%2\".").arg(count).arg(name));
}

void PalettesWindow::exportPalette()
{
    const QString id = activeId();
    if (id.isEmpty())
        return;
    UserPalette palette = *library->palette(id);
    palette.name = library->shownName(id);
    if (exporting) // one at a time, for the palette chosen last
        exporting->close();
    exporting = new ExportDialog(toolkit, palette, this);
    exporting->show();
}

void PalettesWindow::drop(const QString &id, const QMimeData *data, int row)
{
    if (const auto swatch = SamplePageDragDrop::draggedSwatch(data)) {
        const UserPalette *from = library->palette(swatch->first);
        if (!from || swatch->second < 0 || swatch->second >= from->entries.size())
            return;
        const PaletteEntry entry = from->entries.at(swatch->second);
        if (swatch->first != id)
            return showSwatch(id, library->add(id, {entry}, row));
        // Within the palette: the swatch moves to where it was dropped.
        const int last = int(from->entries.size()) - 1;
        const int to = row < 0 ? last : row > swatch->second ? row - 1 : row;
        library->change(id, [&](UserPalette &palette) { palette.entries.move(swatch->second, std::min(to, last)); });
        return showSwatch(id, to);
    }
    const GplReading reading = SwatchView::colorsIn(data);
    if (!reading.palette)
        return;
    library->report(tr("Some lines of the dropped text are no color and were passed over:"), reading.problems);
    showSwatch(id, library->add(id, reading.palette->entries, row));
}

void PalettesWindow::closeEvent(QCloseEvent *event)
{
    if (exporting)
        exporting->close();
    QSettings(UserSettings::file(), QSettings::IniFormat).setValue(geometryKey, saveGeometry());
    QMainWindow::closeEvent(event);
}
