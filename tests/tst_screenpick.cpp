#include "windowdriver.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Rgb)

// A stand-in for the desktop portal on the test's private session bus. It answers each
// PickColor as the test says, at once or when told.
class StandInPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("standin"));
    int calls = 0;
    bool answerAtOnce = true;
    bool refuse = false;
    uint response = 0;
    QList<double> color;

    void answer()
    {
        QVariantMap results;
        if (!color.isEmpty()) {
            QDBusArgument rgb;
            rgb.beginStructure();
            rgb << color[0] << color[1] << color[2];
            rgb.endStructure();
            results[QStringLiteral("color")] = QVariant::fromValue(rgb);
        }
        bus.send(QDBusMessage::createSignal(
                     request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"))
            << response << results);
    }

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options, const QDBusMessage &message)
    {
        ++calls;
        if (refuse) {
            message.setDelayedReply(true);
            bus.send(message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("not allowed")));
            return {};
        }
        request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                      .arg(message.service().mid(1).replace(u'.', u'_'), options.value("handle_token").toString());
        if (answerAtOnce)
            QTimer::singleShot(0, this, &StandInPortal::answer);
        return QDBusObjectPath(request);
    }

private:
    QString request;
};

// Ctrl+Shift+P through the desktop portal, worked on the real window.
class ScreenPickTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;
    std::unique_ptr<StandInPortal> portal;

    void pick() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); }

private slots:
    void init()
    {
        portal = std::make_unique<StandInPortal>();
        QVERIFY(portal->bus.registerObject(
            QStringLiteral("/org/freedesktop/portal/desktop"), portal.get(), QDBusConnection::ExportAllSlots));
        QVERIFY(portal->bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        ui = std::make_unique<WindowDriver>();
        ui->setColor({9, 8, 7});
    }
    void cleanup()
    {
        ui.reset();
        portal->bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        portal.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("standin"));
    }

    void answers_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<QList<double>>("color");
        QTest::addColumn<Rgb>("after");
        QTest::addColumn<QString>("message");
        QTest::newRow("picked") << 0u << QList<double>{0.2, 0.4, 0.6} << Rgb{51, 102, 153} << "";
        QTest::newRow("picked, halves round up") << 0u << QList<double>{1.0, 0.0, 0.5} << Rgb{255, 0, 128} << "";
        QTest::newRow("cancelled") << 1u << QList<double>{} << Rgb{9, 8, 7} << "";
        QTest::newRow("failed") << 2u << QList<double>{} << Rgb{9, 8, 7}
                                << "Pick from Screen failed: the desktop portal ended the request (response 2).";
        QTest::newRow("no colour") << 0u << QList<double>{} << Rgb{9, 8, 7}
                                   << "Pick from Screen failed: the desktop portal gave no colour.";
    }
    void answers()
    {
        QFETCH(uint, response);
        QFETCH(QList<double>, color);
        QFETCH(Rgb, after);
        QFETCH(QString, message);
        portal->response = response;
        portal->color = color;
        pick();
        QVERIFY(ui->window->isPickingFromScreen());
        QTRY_VERIFY(!ui->window->isPickingFromScreen());
        QCOMPARE(portal->calls, 1);
        QCOMPARE(ui->toolkit.messages, message.isEmpty() ? QStringList() : QStringList{message});
        VERIFY_VIEWS(*ui, after);
    }

    void refusedOrMissingPortal()
    {
        portal->refuse = true;
        pick();
        QTRY_VERIFY(!ui->window->isPickingFromScreen());
        QCOMPARE(ui->toolkit.messages,
            QStringList{"Pick from Screen failed: the desktop portal refused the request: not allowed."});

        portal->bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        pick();
        QCOMPARE(ui->toolkit.messages.last(),
            QStringLiteral("Pick from Screen is not available here: there is no desktop portal "
                           "(org.freedesktop.portal.Desktop) and no X11 screen to read."));
        QCOMPARE(portal->calls, 1);
        VERIFY_VIEWS(*ui, Rgb({9, 8, 7}));
    }

    void secondPickRefusedWhilePending()
    {
        portal->answerAtOnce = false;
        portal->color = {0.2, 0.4, 0.6};
        ui->type("redByte", "99"); // an edit in progress counts before the pick
        pick();
        pick();
        QTRY_COMPARE(portal->calls, 1);
        QCOMPARE(ui->toolkit.beeps, 1);
        VERIFY_VIEWS(*ui, Rgb({99, 8, 7}));
        portal->answer();
        QTRY_VERIFY(!ui->window->isPickingFromScreen());
        QCOMPARE(portal->calls, 1);
        VERIFY_VIEWS(*ui, Rgb({51, 102, 153}));
    }
};

QTEST_MAIN(ScreenPickTest)
#include "tst_screenpick.moc"
