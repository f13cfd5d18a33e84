#include "windowdriver.h"
#include "values/entryreading.h"
#include "values/rangecheck.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <span>

namespace {

const char *const clickTargets[] = {"redByte", "greenByte", "blueByte", "redPercent", "greenPercent", "bluePercent",
    "redHex", "greenHex", "blueHex", "txtRgbName", "byteShow", "txtRgbMore", "redSlide", "greenSlide", "blueSlide",
    "chkNetscape", "chkWindows", "slideLock"};
const char *const sliderNames[] = {"redSlide", "greenSlide", "blueSlide"};
const char *const commands[] = {"mnuEditCopyCSS", "mnuEditCopyHTML", "mnuEditSetDef"};
const std::pair<const char *, Rgb SampleColors::*> dragControls[]
    = {{"colShow", nullptr}, {"picBack", &SampleColors::back}, {"txtText", &SampleColors::text},
        {"txtLink", &SampleColors::link}, {"txtVLink", &SampleColors::vlink}};
const char *const fragments[] = {"0", "1", "2", "5", "9", "12", "128", "255", "256", "300", "-", "+", ".", ",", "E",
    "e", "&H", "&O", "FF", "a", "g", " ", "99999999999", "1E400", "40000", "-32769", "%", "\u00e9", "\u0416", "\u0663",
    "aqua", "Alice Blue", "cyan", "grey"};
const Qt::Key sliderKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};

// Plays random user actions on the real window. After each, every view must agree with
// the core's texts for the current colour, and the sample page and its contrast with what
// the actions gave it; a byte edit left by a key, or a confirmed colour dialog, must also
// have set exactly that colour, so that a wrongly wired field shows.
class RandomSession
{
public:
    explicit RandomSession(quint32 seed)
        : random(seed)
    { }

    QString step(WindowDriver &ui)
    {
        expectedColor.reset();
        switch (random.bounded(10)) {
        case 0:
        case 1:
        case 2:
        case 3: return edit(ui);
        case 4: {
            const char *target = pick(clickTargets);
            ui.click(ui.control(target));
            return QStringLiteral("click %1").arg(QLatin1String(target));
        }
        case 5: {
            const char *slider = pick(sliderNames);
            const Qt::Key key = sliderKeys[random.bounded(int(std::size(sliderKeys)))];
            ui.click(ui.slider(slider), QPoint(2, 2)); // the upper arrow: one step up
            QTest::keyClick(ui.slider(slider), key);
            return QStringLiteral("click %1's arrow, key %2").arg(QLatin1String(slider)).arg(int(key), 0, 16);
        }
        case 6:
        case 7: return dragDrop(ui);
        case 8: {
            const char *command = pick(commands);
            ui.window->findChild<QAction *>(QLatin1String(command))->trigger();
            if (command == commands[2])
                expectedSamples = designedSampleDefaults;
            else if (ui.toolkit.clipboard != (command == commands[0] ? cssText : htmlText)(expectedSamples))
                return QStringLiteral("BROKEN: %1 copied '%2'").arg(QLatin1String(command), ui.toolkit.clipboard);
            return QLatin1String(command);
        }
        default: {
            const Rgb color = Rgb::fromPacked(random.bounded(1u << 24));
            const auto outcome = DialogOutcome(random.bounded(3));
            ui.toolkit.dialogAnswers = {{outcome, color.packed(), 3, QStringLiteral("failed")}};
            ui.click(ui.control<QPushButton>("cmdPickColor"));
            if (outcome == DialogOutcome::Confirmed)
                expectedColor = color;
            return QStringLiteral("colour dialog: outcome %1, colour %2").arg(int(outcome)).arg(color.packed(), 0, 16);
        }
        }
    }

    SampleColors expectedSamples = designedSampleDefaults;
    std::optional<Rgb> expectedColor; // known only after some actions

private:
    const char *pick(std::span<const char *const> names) { return names[random.bounded(int(names.size()))]; }

    QString edit(WindowDriver &ui)
    {
        const int field = random.bounded(10);
        const char *name = field < 9 ? fieldNames[field] : "txtRgbName";
        QString text;
        for (int pieces = random.bounded(4); pieces > 0; --pieces)
            text += QString::fromUtf8(pick(fragments));
        Rgb typed = ui.color();
        ui.type(name, text);
        if (random.bounded(3) == 0) {
            const char *target = pick(clickTargets);
            while (qstrcmp(target, name) == 0)
                target = pick(clickTargets); // clicking the same field does not leave it
            ui.click(ui.control(target));
            return QStringLiteral("type '%1' into %2, click %3").arg(text, QLatin1String(name), QLatin1String(target));
        }
        QTest::keyClick(ui.field(name), random.bounded(2) ? Qt::Key_Tab : Qt::Key_Backtab);
        if (field < 3) {
            const double read = readLenientDecimal(text);
            const qint16 whole = makeWhole(field == 2 ? toSinglePrecision(read) : read);
            (field == 0          ? typed.red
                    : field == 1 ? typed.green
                                 : typed.blue)
                = quint8(checkRange(whole, ColorSource::Byte).value);
            expectedColor = typed;
        }
        return QStringLiteral("type '%1' into %2, leave by key").arg(text, QLatin1String(name));
    }

    QString dragDrop(WindowDriver &ui)
    {
        const auto &[from, fromPart] = dragControls[random.bounded(5)];
        const auto &[to, toPart] = dragControls[random.bounded(5)];
        const Rgb current = ui.color();
        ui.drag(ui.control(from), ui.control(to));
        if (!fromPart && toPart)
            expectedSamples.*toPart = current;
        return QStringLiteral("drag %1 onto %2").arg(QLatin1String(from), QLatin1String(to));
    }

    QRandomGenerator random;
};

} // namespace

class RandomSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void twentyThousandActions()
    {
        const quint32 seed
            = qEnvironmentVariableIsSet("RUSKET_SEED") ? qEnvironmentVariableIntValue("RUSKET_SEED") : 20261206u;
        const int actions
            = qEnvironmentVariableIsSet("RUSKET_ACTIONS") ? qEnvironmentVariableIntValue("RUSKET_ACTIONS") : 20000;
        qInfo("random session: seed %u, %d actions (set RUSKET_SEED to replay another)", seed, actions);
        WindowDriver ui;
        RandomSession session(seed);
        for (int i = 0; i < actions; ++i) {
            const QString action = session.step(ui);
            QString broken
                = ui.mismatch(ui.color()) + (action.startsWith(QLatin1String("BROKEN")) ? action : QString());
            if (session.expectedColor && ui.color() != *session.expectedColor)
                broken += QStringLiteral(" the colour is not the one typed or confirmed");
            const QStringList lines = contrastLines(session.expectedSamples);
            if (ui.window->sampleColors() != session.expectedSamples || ui.control("txtText")->toolTip() != lines[0]
                || ui.control("txtLink")->toolTip() != lines[1] || ui.control("txtVLink")->toolTip() != lines[2]
                || ui.control("picBack")->toolTip() != lines.join(u'\n'))
                broken += QStringLiteral(" the sample page or its contrast is not what the actions gave it");
            ui.toolkit.messages.clear();
            if (!broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(i).arg(action, broken)));
        }
    }
};

QTEST_MAIN(RandomSessionTest)
#include "tst_randomsession.moc"
