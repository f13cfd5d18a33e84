// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "windowdriver.h"
#include "css/csscolorreader.h"
#include "palettes/paletteexport.h"
#include "palettes/palettestore.h"
#include "palettewindow/exportdialog.h"
#include "palettewindow/palettekeeper.h"
#include "palettewindow/palettelibrary.h"
#include "palettewindow/palettemodel.h"
#include "palettewindow/swatchview.h"
#include "tables/usersettings.h"

#include <QAccessible>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTranslator>
#include <functional>

namespace {

const QString historyId = QLatin1String(PaletteStore::historyId);
const QString below = QStringLiteral("Value has to be equal or below ");

QList<Rgb> colorsOf(const UserPalette *palette)
{
    QList<Rgb> colors;
    for (const PaletteEntry &entry : palette ? palette->entries : QList<PaletteEntry>())
        colors.append(entry.color);
    return colors;
}

} // namespace

class PaletteWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;

    PaletteKeeper *keeper(const QWidget *window = nullptr) const
    {
        return (window ? window : ui->window.get())->findChild<PaletteKeeper *>();
    }
    PaletteLibrary *library() const { return keeper()->library(); }
    QList<Rgb> colors(const QString &id = historyId) const { return colorsOf(library()->palette(id)); }
    static void trigger(const QObject *in, const char *action) { in->findChild<QAction *>(action)->trigger(); }
    PalettesWindow *openPalettes()
    {
        press(ui->window->focusWidget(), Qt::Key_L, Qt::ControlModifier);
        return keeper()->palettesWindow();
    }
    SwatchView *view(const QString &id) const { return keeper()->palettesWindow()->view(id); }
    static QPoint swatchAt(const SwatchView *view, int row)
    {
        return view->visualRect(view->paletteModel()->index(row)).center();
    }
    ExportDialog *exportDialog() const
    {
        for (ExportDialog *dialog : keeper()->palettesWindow()->findChildren<ExportDialog *>()) {
            if (dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }
    static void press(QWidget *at, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(at, Qt::Key(key), modifiers);
    }
    /// Whether the widget took data dragged from another program, both as it entered and as dropped.
    static bool dropOn(QWidget *target, const QMimeData &data)
    {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QApplication::sendEvent(target, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }
    static std::unique_ptr<QMimeData> text(const QString &text)
    {
        auto data = std::make_unique<QMimeData>();
        data->setText(text);
        return data;
    }

private slots:
    void init() { ui = std::make_unique<WindowDriver>(); }
    void cleanup() { ui.reset(); }

    void historyRecords()
    {
        // What comes in from outside or goes out to another program goes first into History; what
        // is typed, slid or moved inside Rusket does not. Each action gives what it recorded.
        QWidget *swatch = ui->control("colShow");
        const auto dialog = [&](Rgb color) {
            ui->toolkit.dialogAnswers = {{DialogOutcome::Confirmed, color, 0, {}}};
            ui->click(ui->control("cmdPickColor"));
            return std::optional(color);
        };
        const auto key = [&](QWidget *at, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            at->setFocus();
            press(at, key, modifiers);
            return std::optional(ui->color());
        };
        const std::pair<const char *, std::function<std::optional<Rgb>()>> actions[] = {
            {"colour dialog",
                [&] {
                    return dialog({1, 2, 3});
                }},
            {"pick from the screen",
                [&] {
                    emit ui->window->findChild<ScreenPick *>()->picked({4, 5, 6});
                    return std::optional(Rgb{4, 5, 6});
                }},
            {"paste",
                [&] {
                    ui->toolkit.clipboard = QStringLiteral("#070809");
                    return key(swatch, Qt::Key_V, Qt::ControlModifier);
                }},
            {"drop from another program", [&] { return dropOn(swatch, *text("rgb(10 11 12)")) ? ui->color() : Rgb{}; }},
            {"typed",
                [&] {
                    return ui->setColor({13, 14, 15}), std::optional<Rgb>();
                }},
            {"a slider's key", [&] { return key(ui->slider("redSlide"), Qt::Key_Down), std::optional<Rgb>(); }},
            {"Copy as",
                [&] {
                    trigger(ui->window.get(), "actCopyAs-rgb");
                    return std::optional(ui->color());
                }},
            {"Ctrl+C on the swatch", [&] { return key(swatch, Qt::Key_C, Qt::ControlModifier); }},
            {"a copy the clipboard refused",
                [&] {
                    ui->toolkit.clipboardFails = true;
                    key(ui->slider("greenSlide"), Qt::Key_Down);
                    key(swatch, Qt::Key_C, Qt::ControlModifier);
                    ui->toolkit.clipboardFails = false;
                    ui->toolkit.messages.clear(); // that it could not
                    return std::optional<Rgb>();
                }},
            {"a drag nothing took", [&] { return ui->drag(swatch, nullptr), std::optional<Rgb>(); }},
            {"the swatch dropped on a part",
                [&] { return ui->drag(swatch, ui->control("txtText")), std::optional<Rgb>(); }},
            {"a part dragged to another program",
                [&] {
                    ui->toolkit.takenElsewhere = true;
                    ui->drag(ui->control("txtLink"), nullptr);
                    return std::optional(Rgb{230, 0, 0});
                }},
            {"the swatch dragged to another program",
                [&] { return ui->drag(swatch, nullptr), std::optional(ui->color()); }},
            {"a colour taken again moves first",
                [&] {
                    return dialog({4, 5, 6});
                }},
        };
        QList<Rgb> expected;
        for (const auto &[name, act] : actions) {
            if (const std::optional<Rgb> recorded = act()) {
                expected.removeAll(*recorded);
                expected.prepend(*recorded);
            }
            QVERIFY2(colors() == expected, name);
        }
        QCOMPARE(ui->toolkit.messages, QStringList());
        ui->setColor({99, 98, 97}); // and the colour current at the end
        ui->window->close();
        QCOMPARE(colors().constFirst(), Rgb({99, 98, 97}));

        // A program that ends on the colour it started with adds nothing.
        MainWindow again(ui->toolkit);
        QVERIFY(!again.loadData());
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        again.close();
        QCOMPARE(colorsOf(keeper(&again)->library()->palette(historyId)).size(), expected.size() + 1);
    }

    void clickAndDragBothWays()
    {
        ui->setColor({255, 128, 0});
        press(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier); // makes a palette for it
        const QString mine = library()->chosen();
        QCOMPARE(library()->palette(mine)->name, QStringLiteral("My Colors"));
        openPalettes();
        SwatchView *palette = view(mine);
        ui->setColor({1, 2, 3});
        ui->drag(ui->control("colShow"), palette); // the swatch and a part dropped on a palette
        ui->drag(ui->control("txtVLink"), palette);
        QCOMPARE(colors(mine), QList<Rgb>({{255, 128, 0}, {1, 2, 3}, {79, 16, 128}}));

        // A swatch clicked, or dropped on the main swatch or a part, gives its colour: not to History.
        ui->click(palette->viewport(), swatchAt(palette, 0));
        VERIFY_VIEWS(*ui, Rgb({255, 128, 0}));
        ui->drag(palette->viewport(), ui->control("colShow"), swatchAt(palette, 2));
        VERIFY_VIEWS(*ui, Rgb({79, 16, 128}));
        ui->drag(palette->viewport(), ui->control("txtLink"), swatchAt(palette, 1));
        QCOMPARE(ui->window->samplePage()->colors().link, Rgb({1, 2, 3}));
        QCOMPARE(colors(), QList<Rgb>());

        // Within a palette a swatch moves; History takes no drop.
        ui->drag(palette->viewport(), palette->viewport(), swatchAt(palette, 2), swatchAt(palette, 0) - QPoint(5, 0));
        QCOMPARE(colors(mine), QList<Rgb>({{79, 16, 128}, {255, 128, 0}, {1, 2, 3}}));
        ui->drag(palette->viewport(), palette->viewport(), swatchAt(palette, 0), QPoint(palette->width() - 9, 5));
        QCOMPARE(colors(mine), QList<Rgb>({{255, 128, 0}, {1, 2, 3}, {79, 16, 128}})); // after the last
        ui->drag(palette->viewport(), view(historyId)->viewport(), swatchAt(palette, 0));
        QCOMPARE(colors(), QList<Rgb>());

        // A value still being typed is applied first, with its message, as when its field is left.
        ui->type("redByte", "300");
        ui->click(palette->viewport(), swatchAt(palette, 1));
        QCOMPARE(ui->toolkit.messages, QStringList(below + "255"));
        ui->type("redByte", "7");
        press(ui->field("redByte"), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(colors(mine).constLast(), Rgb({7, 2, 3}));
        ui->toolkit.messages.clear();

        // From another program: a stylesheet's colours with their names, none twice; no text without one.
        const Rgb ink = readCssColor(QStringLiteral("oklch(0.5 0.1 250)")).bytes;
        QVERIFY(dropOn(palette->viewport(), *text(":root { --brand: #ff0000; --ink: oklch(0.5 0.1 250); }")));
        QVERIFY(dropOn(palette->viewport(), *text("#ff8000\nno colour")));
        QTRY_COMPARE(ui->toolkit.messages.size(), 1); // of the line that is none
        QVERIFY(!dropOn(palette->viewport(), *text("no colour here")));
        QVERIFY(!dropOn(view(historyId)->viewport(), *text("#ff8000")));
        QCOMPARE(library()->palette(mine)->entries,
            QList<PaletteEntry>({{{255, 0, 0}, "brand"}, {ink, "ink"}, {{255, 128, 0}, {}}, {{1, 2, 3}, {}},
                {{79, 16, 128}, {}}, {{7, 2, 3}, {}}}));
        QCOMPARE(view(mine)->paletteModel()->index(1).data(Qt::ToolTipRole).toString(),
            "ink, " + CssFormats::write(ink, CssFormat::Hex));
    }

    void keyboardRoute()
    {
        const QString id
            = library()->create({"Brand", {{{10, 20, 30}, {}}, {{40, 50, 60}, "Ink"}, {{70, 80, 90}, {}}}, 0, {}});
        PalettesWindow *palettes = openPalettes();
        QTRY_COMPARE(QApplication::activeWindow(), palettes);
        SwatchView *brand = view(id);
        view(historyId)->setFocus();
        QMenu *paletteMenu = palettes->findChild<QMenu *>("mnuPalette");
        emit paletteMenu->aboutToShow();
        QVERIFY(!palettes->findChild<QAction *>("actRenamePalette")->isEnabled()); // History keeps its name
        emit paletteMenu->aboutToHide(); // and the keys work on what has the focus after
        press(view(historyId), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), brand);
        press(brand, Qt::Key_Right);
        press(brand, Qt::Key_Return);
        VERIFY_VIEWS(*ui, Rgb({40, 50, 60}));
        QCOMPARE(brand->currentIndex().data(Qt::AccessibleTextRole).toString(), QStringLiteral("Ink, #28323c"));
        QSettings(UserSettings::file(), QSettings::IniFormat).setValue("copy/defaultForm", "rgb");
        press(brand, Qt::Key_C, Qt::ControlModifier); // in the form chosen for copies
        QCOMPARE(ui->toolkit.clipboard, QStringLiteral("rgb(40 50 60)"));

        ui->toolkit.textAnswers = {QStringLiteral("Accent"), QStringLiteral("Base")};
        press(brand, Qt::Key_F2);
        ui->click(brand->viewport(), swatchAt(brand, 0)); // the mouse's way: a double click
        QTest::mouseDClick(brand->viewport(), Qt::LeftButton, Qt::NoModifier, swatchAt(brand, 0));
        press(brand, Qt::Key_Right);
        press(brand, Qt::Key_Right, Qt::ControlModifier);
        const QList<PaletteEntry> moved{{{10, 20, 30}, "Base"}, {{70, 80, 90}, {}}, {{40, 50, 60}, "Accent"}};
        QCOMPARE(library()->palette(id)->entries, moved);
        press(brand, Qt::Key_Right, Qt::ControlModifier); // already the last: refused
        QCOMPARE(ui->toolkit.beeps, 1);
        press(brand, Qt::Key_Delete);
        QCOMPARE(colors(id), QList<Rgb>({{10, 20, 30}, {70, 80, 90}}));
        QCOMPARE(brand->currentIndex().row(), 1); // the swatch before it
        press(brand, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(library()->palette(id)->entries, moved);
        QCOMPARE(brand->currentIndex().row(), 2);
        press(brand, Qt::Key_Left, Qt::ControlModifier);
        press(brand, Qt::Key_Home);
        press(brand, Qt::Key_Left, Qt::ControlModifier); // already the first: refused
        QCOMPARE(ui->toolkit.beeps, 2);
        library()->change(id, [](UserPalette &palette) { palette.entries[1].name = QStringLiteral("Ink"); });
        QCOMPARE(brand->currentIndex().row(), 0); // a change elsewhere leaves the first swatch current
        press(brand, Qt::Key_D, Qt::ControlModifier); // the current colour is there already
        ui->window->takeColor({1, 1, 1});
        press(brand, Qt::Key_D, Qt::ControlModifier);
        const QList<Rgb> kept{{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {1, 1, 1}};
        QCOMPARE(colors(id), kept);

        // Palettes made, renamed (not to a name taken), deleted and brought back; History cleared and back.
        ui->toolkit.textAnswers = {QStringLiteral("Second"), QStringLiteral("Brand")};
        ui->window->activateWindow(); // made from its menu while the window is not active yet
        QTRY_COMPARE(QApplication::activeWindow(), ui->window.get());
        trigger(palettes, "actNewPalette");
        palettes->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), palettes);
        const QString second = library()->ids().at(2);
        QCOMPARE(QApplication::focusWidget(), view(second));
        press(view(second), Qt::Key_D, Qt::ControlModifier); // the new palette takes the colour
        QCOMPARE(colors(second), QList<Rgb>({{1, 1, 1}}));
        trigger(palettes, "actRenamePalette");
        QTRY_COMPARE(ui->toolkit.messages.size(), 1);
        QVERIFY(ui->toolkit.messages[0].contains("another palette already has this name"));
        brand->setFocus();
        trigger(palettes, "actDeletePalette");
        QCOMPARE(palettes->statusBar()->currentMessage(), "Deleted the palette \"Brand\". Undo with Ctrl+Z.");
        QCOMPARE(library()->ids(), QStringList({historyId, second}));
        library()->record({1, 1, 1});
        trigger(palettes, "actClearHistory");
        QCOMPARE(colors(), QList<Rgb>());
        trigger(palettes, "actUndo");
        trigger(palettes, "actUndo");
        QCOMPARE(colors(), QList<Rgb>({{1, 1, 1}}));
        QCOMPARE(colors(library()->ids().at(1)), kept);
        QCOMPARE(QApplication::focusWidget(), view(library()->ids().at(1))); // brought back in sight

        // A swatch's menu holds its palette's commands too.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(view(library()->ids().at(1))->viewport(), &menuKey);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu && menu->actions().contains(palettes->findChild<QAction *>("actDeletePalette")));
        menu->close();

        // Every control is reached by Tab and has a name of its own for screen readers.
        QStringList names;
        for (QWidget *control : palettes->findChildren<QWidget *>()) {
            if (control->focusPolicy() & Qt::TabFocus && control->isVisible())
                names.append(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name));
        }
        QCOMPARE(names.size(), 3);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 3);
        QVERIFY(names.contains(QStringLiteral("Brand: 4 colors")));
    }

    void twoWindowsAddToOnePalette()
    {
        // Two running Rusket windows on one folder: each one's colour ends in the palette, and both show both.
        const QString shared = library()->create({"Shared", {}, 0, {}});
        RecordingToolkit otherToolkit;
        MainWindow other(otherToolkit);
        QVERIFY(!other.loadData());
        PaletteLibrary *theirs = keeper(&other)->library();
        QCOMPARE(theirs->chosen(), shared);
        ui->window->takeColor({1, 2, 3});
        trigger(ui->window.get(), "mnuFileAddToPalette");
        other.takeColor({4, 5, 6});
        trigger(&other, "mnuFileAddToPalette");
        const auto sorted = [](QList<Rgb> colors) {
            std::sort(colors.begin(), colors.end(), [](Rgb a, Rgb b) { return a.packed() < b.packed(); });
            return colors;
        };
        const QList<Rgb> both{{1, 2, 3}, {4, 5, 6}};
        QCOMPARE(sorted(colorsOf(theirs->palette(shared))), both);
        QTRY_COMPARE(colors(shared), colorsOf(theirs->palette(shared))); // seen by the folder's watcher
        QCOMPARE(ui->toolkit.messages + otherToolkit.messages, QStringList());
    }

    void problemsToldOnceAndNothingLost()
    {
        const QDir folder(PaletteStore::defaultFolder());
        QVERIFY(folder.mkpath("."));
        const QByteArray notPalette("just some notes\n");
        const QByteArray badLine("GIMP Palette\nName: Odd\n1 2 3\nnot a color\n");
        for (const auto &[name, content] : {std::pair("notes.gpl", notPalette), {"odd.gpl", badLine}}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        // Found as the File menu opens, they are told once it has closed, not over it.
        QMenu *file = ui->window->findChild<QMenu *>(QStringLiteral("mnuFile"));
        file->popup(ui->window->mapToGlobal(QPoint(0, 0)));
        QTest::qWait(300);
        QCOMPARE(ui->toolkit.messages.size(), 0);
        file->close();
        QTRY_COMPARE(ui->toolkit.messages.size(), 1);
        QVERIFY(ui->toolkit.messages[0].contains("notes.gpl") && ui->toolkit.messages[0].contains("odd.gpl, line 4"));
        openPalettes();
        library()->add(QStringLiteral("odd.gpl"), {{{7, 7, 7}, {}}}); // saved: the line stays, as a comment
        library()->record({8, 8, 8});
        QTest::qWait(400); // the watcher's reload after those saves
        QCOMPARE(ui->toolkit.messages.size(), 1);
        QFile notes(folder.filePath("notes.gpl")), kept(folder.filePath("odd.gpl"));
        QVERIFY(notes.open(QIODevice::ReadOnly) && notes.readAll() == notPalette);
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll().contains("not a color"));

        // Import: the lines that are colours come in, the others are told of in one message.
        QTemporaryDir elsewhere;
        QFile css(elsewhere.filePath("theme.txt"));
        QVERIFY(css.open(QIODevice::WriteOnly) && css.write("brand: #ff8000\nnot a color\n--ink: rgb(1 2 3);\n") > 0);
        css.close();
        ui->toolkit.fileAnswers = {css.fileName()};
        trigger(keeper()->palettesWindow(), "actImport");
        const QString imported = library()->ids().constLast();
        QCOMPARE(
            library()->palette(imported)->entries, QList<PaletteEntry>({{{255, 128, 0}, "brand"}, {{1, 2, 3}, "ink"}}));
        QTRY_COMPARE(ui->toolkit.messages.size(), 2);
        QVERIFY(ui->toolkit.messages[1].contains("theme.txt, line 2"));
        QCOMPARE(keeper()->palettesWindow()->statusBar()->currentMessage(), "Imported 2 colors as \"theme\".");

        // A file another program writes in place comes in too.
        QFile odd(folder.filePath("odd.gpl"));
        QVERIFY(odd.open(QIODevice::WriteOnly | QIODevice::Truncate) && odd.write("GIMP Palette\n9 9 9\n") > 0);
        odd.close();
        QTRY_COMPARE(colors("odd.gpl"), QList<Rgb>({{9, 9, 9}}));

        // A colour added while the file is broken is saved once it is mended.
        const auto write = [&](const QByteArray &content) {
            QVERIFY(odd.open(QIODevice::WriteOnly | QIODevice::Truncate) && odd.write(content) == content.size());
            odd.close();
        };
        write("GIMP Palete\n9 9 9\n");
        QTest::qWait(400);
        library()->add(QStringLiteral("odd.gpl"), {{{5, 5, 5}, {}}});
        write("GIMP Palette\n9 9 9\n");
        const auto onDisk = [&] {
            QFile file(odd.fileName());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_VERIFY(onDisk().contains("5   5   5"));

        // What is found as the program ends goes to standard error: no box holds up the end.
        WindowDriver again(ui.get());
        again.setColor({1, 2, 3});
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("notes\\.gpl"));
        again.window->close();
        QCOMPARE(again.toolkit.messages, QStringList());
        QTRY_COMPARE(colors().value(0), Rgb({1, 2, 3}));
    }

    void exportInEachWay()
    {
        const UserPalette brand{"Brand", {{{255, 128, 0}, "orange"}, {{0, 0, 0}, {}}}, 0, {}};
        QSettings settings(UserSettings::file(), QSettings::IniFormat);
        CopyPreferences preferences;
        preferences.templates = {{"Swift", "Color({r.f}, {g.f}, {b.f})"}};
        preferences.save(settings);
        settings.sync();
        openPalettes()->showSwatch(library()->create(brand), 0);
        trigger(keeper()->palettesWindow(), "actExport");
        ExportDialog *dialog = exportDialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Export \"Brand\""));
        QCOMPARE(dialog->text(), PaletteExport::write(brand, PaletteForm::Css, CssFormat::Hex)); // at first
        auto *forms = dialog->findChild<QComboBox *>("cboExportForm");
        auto *colorForms = dialog->findChild<QComboBox *>("cboExportColors");
        forms->setCurrentIndex(forms->findData("tailwind"));
        colorForms->setCurrentIndex(colorForms->findData("oklch"));
        dialog->findChild<QPushButton *>("cmdExportCopy")->click();
        QCOMPARE(ui->toolkit.clipboard, PaletteExport::write(brand, PaletteForm::Tailwind, CssFormat::Oklch));

        // Again, remembered; then a template, written to a file.
        trigger(keeper()->palettesWindow(), "actExport");
        dialog = exportDialog();
        forms = dialog->findChild<QComboBox *>("cboExportForm");
        colorForms = dialog->findChild<QComboBox *>("cboExportColors");
        QCOMPARE(forms->currentData().toString(), QStringLiteral("tailwind"));
        QCOMPARE(colorForms->currentData().toString(), QStringLiteral("oklch"));
        forms->setCurrentIndex(forms->findData("gpl"));
        QVERIFY(!colorForms->isEnabled());
        forms->setCurrentIndex(forms->findData("lines"));
        QCOMPARE(colorForms->currentData().toString(), QStringLiteral("oklch")); // kept through the forms
        QCOMPARE(colorForms->count(), int(CssFormats::all.size()) + 1); // and the one template
        colorForms->setCurrentIndex(colorForms->count() - 1);
        QTemporaryDir folder;
        ui->toolkit.fileAnswers = {folder.filePath("brand.txt")};
        dialog->findChild<QPushButton *>("cmdExportSave")->click();
        QFile file(folder.filePath("brand.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Color(1, 0.502, 0)\nColor(0, 0, 0)\n"));
        QVERIFY(ui->toolkit.asked.last().endsWith("/brand.txt"));
        trigger(keeper()->palettesWindow(), "actExport");
        exportDialog()->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
        QVERIFY(!exportDialog());
    }

    void remembersItsWindow()
    {
        const QRect screen = ui->window->screen()->availableGeometry(); // the first time, within it
        ui->window->move(screen.right() - 100, screen.bottom() - 100);
        PalettesWindow *palettes = openPalettes();
        QVERIFY2(screen.contains(palettes->frameGeometry()), qPrintable(QDebug::toString(palettes->frameGeometry())));
        palettes->setGeometry(200, 150, 500, 300);
        ui->window->close(); // open at the end
        MainWindow again(ui->toolkit);
        QVERIFY(!again.loadData());
        again.show();
        QTRY_VERIFY(keeper(&again)->palettesWindow() && keeper(&again)->palettesWindow()->isVisible());
        QCOMPARE(keeper(&again)->palettesWindow()->geometry(), QRect(200, 150, 500, 300));
        keeper(&again)->palettesWindow()->close();
        again.close(); // closed at the end
        MainWindow third(ui->toolkit);
        QVERIFY(!third.loadData());
        third.show();
        QVERIFY(QTest::qWaitForWindowExposed(&third));
        QVERIFY(!keeper(&third)->palettesWindow());
    }

    void renderedWindow()
    {
        // Each swatch in its exact colour, the current one too, framed, under its palette's name.
        SKIP_WITHOUT_REFERENCE_FONT();
        library()->record({255, 128, 0});
        const QString id
            = library()->create({"Brand", {{{0, 0, 0}, {}}, {{255, 255, 255}, {}}, {{18, 52, 86}, "Ink"}}, 0, {}});
        PalettesWindow *palettes = openPalettes();
        palettes->resize(300, 200);
        palettes->showSwatch(id, 2);
        QTRY_COMPARE(QApplication::activeWindow(), palettes);
        const QImage shown = palettes->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const SwatchView *brand = view(id);
        QCOMPARE(shown.pixelColor(brand->viewport()->mapTo(palettes, swatchAt(brand, 2))), QColor(18, 52, 86));
        const QString path = QStringLiteral(RUSKET_SOURCE_DIR "/tests/reference/palettes.png");
        if (qEnvironmentVariableIsSet("RUSKET_UPDATE_REFERENCE"))
            QVERIFY(shown.save(path));
        QCOMPARE(shown, QImage(path).convertToFormat(QImage::Format_RGB32));
        const int oneRow = brand->height();
        QList<PaletteEntry> many;
        for (int i = 0; i < 40; ++i)
            many.append(PaletteEntry{{quint8(i), 0, 0}, {}});
        library()->add(id, many);
        QTRY_VERIFY(brand->height() > oneRow); // the rows wrap, and the palette grows
        for (int i = 0; i < 14; ++i)
            library()->create({QStringLiteral("More %1").arg(i), many, 0, {}});
        auto *scroller = palettes->findChild<QScrollArea *>();
        for (int width : {900, 1250, 200}) { // its rows at the width it has: no blank below them, none cut off
            palettes->resize(width, 300);
            QTRY_COMPARE(brand->height(), brand->heightForWidth(brand->width()));
            QTest::qWait(100); // the scroll area follows
            const QWidget *last = view(library()->ids().constLast());
            QVERIFY2(scroller->widget()->height() - last->geometry().bottom() < 20, qPrintable(QString::number(width)));
        }
    }

    void inGerman()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(RUSKET_DATA_DIR "/rusket_de.qm")));
        QApplication::installTranslator(&german);
        ui = std::make_unique<WindowDriver>();
        PalettesWindow *palettes = openPalettes();
        QCOMPARE(palettes->findChild<QMenu *>("mnuPalette")->title(), QStringLiteral("&Palette"));
        QCOMPARE(palettes->findChild<QAction *>("actRemoveColor")->text(), QStringLiteral("Farbe &entfernen"));
        QCOMPARE(ui->window->findChild<QAction *>("mnuFilePalettes")->text(), QStringLiteral("&Paletten"));
        QCOMPARE(library()->shownName(historyId), QStringLiteral("Verlauf"));
        QApplication::removeTranslator(&german);
    }
};

QTEST_MAIN(PaletteWindowTest)
#include "tst_palettewindow.moc"
