#include <QTest>
class T : public QObject { Q_OBJECT private slots: void placeholder() { QSKIP("later"); } };
QTEST_MAIN(T)
#include "tst_samplepage.moc"
