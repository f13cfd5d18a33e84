#include "windowdriver.h"
#include "export/sampleexport.h"

#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

Q_DECLARE_METATYPE(Rgb)
Q_DECLARE_METATYPE(SampleColors)

namespace {

const SampleColors defaults = designedSampleDefaults;

} // namespace

// The sample page: drag and drop through real Qt drag events, the context menu, export.
class SamplePageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ui = std::make_unique<WindowDriver>(); }
    void cleanup();

    void startsWithDefaults();
    void swatchOntoPart_data();
    void swatchOntoPart();
    void partOntoSwatch_data();
    void partOntoSwatch();
    void partAlreadyShownStillSynchronises();
    void dropsThatChangeNothing();
    void foreignDragIgnored();
    void contextMenuCopiesAndRestores();
    void noContextMenuOnSwatch();
    void clipboardFailureIsReported();

private:
    QMenu *openContextMenu(const char *part);
    std::unique_ptr<WindowDriver> ui;
};

void SamplePageTest::cleanup()
{
    ui.reset();
    QLocale::setDefault(QLocale::c());
}

QMenu *SamplePageTest::openContextMenu(const char *part)
{
    QWidget *control = ui->control(part);
    QTest::mousePress(control, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(control, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    return menu;
}

void SamplePageTest::startsWithDefaults()
{
    QVERIFY(ui->window->sampleColors() == defaults);
    QCOMPARE(ui->shownColor("picBack"), QColor(255, 255, 255));
    QCOMPARE(ui->shownColor("txtText"), QColor(0, 0, 0));
    QCOMPARE(ui->shownColor("txtLink"), QColor(230, 0, 0));
    QCOMPARE(ui->shownColor("txtVLink"), QColor(79, 16, 128));
}

void SamplePageTest::swatchOntoPart_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<Rgb>("color");
    QTest::addColumn<SampleColors>("after");
    SampleColors vlink = defaults;
    vlink.vlink = {18, 52, 86};
    SampleColors back = defaults;
    back.back = {1, 2, 3};
    QTest::newRow("visited link") << "txtVLink" << Rgb{18, 52, 86} << vlink;
    QTest::newRow("background") << "picBack" << Rgb{1, 2, 3} << back;
}

void SamplePageTest::swatchOntoPart()
{
    QFETCH(QString, part);
    QFETCH(Rgb, color);
    QFETCH(SampleColors, after);
    ui->setColor(color);
    ui->drag(ui->control("colShow"), ui->control(qPrintable(part)));
    QVERIFY(ui->window->sampleColors() == after);
    const std::pair<const char *, Rgb> shown[]
        = {{"picBack", after.back}, {"txtText", after.text}, {"txtLink", after.link}, {"txtVLink", after.vlink}};
    for (const auto &[name, rgb] : shown)
        QCOMPARE(ui->shownColor(name), QColor(rgb.red, rgb.green, rgb.blue));
    VERIFY_VIEWS(*ui, color);
}

void SamplePageTest::partOntoSwatch_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<Rgb>("after");
    QTest::newRow("link") << "txtLink" << false << Rgb{230, 0, 0};
    QTest::newRow("visited link") << "txtVLink" << false << Rgb{79, 16, 128};
    QTest::newRow("background") << "picBack" << false << Rgb{255, 255, 255};
    QTest::newRow("text") << "txtText" << false << Rgb{0, 0, 0};
    QTest::newRow("link, locked") << "txtLink" << true << Rgb{0, 0, 0};
    QTest::newRow("visited link, locked") << "txtVLink" << true << Rgb{128, 128, 128};
}

void SamplePageTest::partOntoSwatch()
{
    QFETCH(QString, part);
    QFETCH(bool, locked);
    QFETCH(Rgb, after);
    ui->setColor({100, 100, 100});
    if (locked)
        ui->click(ui->toggle("slideLock"));
    ui->drag(ui->control(qPrintable(part)), ui->control("colShow"));
    VERIFY_VIEWS(*ui, after);
    QVERIFY(ui->window->sampleColors() == defaults);
}

void SamplePageTest::partAlreadyShownStillSynchronises()
{
    ui->setColor({230, 0, 0});
    // Only a synchronisation rewrites the percentages in the locale now in force.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ui->drag(ui->control("txtLink"), ui->control("colShow"));
    QCOMPARE(ui->field("redPercent")->text(), QStringLiteral("90,19608"));
    VERIFY_VIEWS(*ui, Rgb({230, 0, 0}));
}

void SamplePageTest::dropsThatChangeNothing()
{
    ui->setColor({5, 6, 7});
    ui->type("redByte", "99"); // pending: none of these drops may apply or lose it
    const std::pair<const char *, const char *> pairs[]
        = {{"colShow", "colShow"}, {"txtLink", "picBack"}, {"txtLink", "txtLink"}, {"picBack", "txtText"}};
    for (const auto &[from, to] : pairs) {
        ui->drag(ui->control(from), ui->control(to));
        QVERIFY(ui->window->sampleColors() == defaults);
        QCOMPARE(ui->field("redByte")->text(), QStringLiteral("99"));
    }
    QCOMPARE(ui->toolkit.dragSources.size(), 4);
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({99, 6, 7}));
}

void SamplePageTest::foreignDragIgnored()
{
    QWidget *swatch = ui->control("colShow");
    QMimeData text;
    text.setText(QStringLiteral("picBack"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(swatch, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(swatch, &drop);
    QVERIFY(!drop.isAccepted());
    VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
}

void SamplePageTest::contextMenuCopiesAndRestores()
{
    for (const char *part : {"picBack", "txtText", "txtLink", "txtVLink"}) {
        QMenu *menu = openContextMenu(part);
        QVERIFY2(menu, part);
        QStringList entries;
        for (QAction *action : menu->actions())
            entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(entries, QStringList({"Copy as CSS", "Copy as HTML", "-", "Set Default"}));
        menu->close();
    }

    openContextMenu("picBack")->findChild<QAction *>("mnuEditCopyCSS")->trigger();
    QCOMPARE(ui->toolkit.clipboard, cssText(defaults));
    ui->setColor({18, 52, 86});
    ui->drag(ui->control("colShow"), ui->control("txtVLink"));
    openContextMenu("txtText")->findChild<QAction *>("mnuEditCopyHTML")->trigger();
    QCOMPARE(ui->toolkit.clipboard,
        QStringLiteral("<body text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#E60000\" vlink=\"#123456\">"));

    ui->setColor({1, 1, 1});
    openContextMenu("txtLink")->findChild<QAction *>("mnuEditSetDef")->trigger();
    QVERIFY(ui->window->sampleColors() == defaults);
    QCOMPARE(ui->shownColor("txtVLink"), QColor(79, 16, 128));
    VERIFY_VIEWS(*ui, Rgb({1, 1, 1}));
}

void SamplePageTest::noContextMenuOnSwatch()
{
    QVERIFY(!openContextMenu("colShow"));
    QCOMPARE(ui->toolkit.dragSources.size(), 0);
    QTest::mousePress(ui->control("txtLink"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(ui->toolkit.dragSources, QList<QWidget *>{ui->control("txtLink")});
    QVERIFY(!QApplication::activePopupWidget());
}

void SamplePageTest::clipboardFailureIsReported()
{
    ui->toolkit.clipboardFails = true;
    openContextMenu("picBack")->findChild<QAction *>("mnuEditCopyCSS")->trigger();
    QCOMPARE(ui->toolkit.messages.size(), 1);
    QVERIFY(ui->toolkit.messages.first().contains(QStringLiteral("clipboard")));
    VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
}

QTEST_MAIN(SamplePageTest)
#include "tst_samplepage.moc"
