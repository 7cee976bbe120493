// The real file-open page: where it starts, what it offers, and what it returns.

#include "host/dialogs/qtfilechooser.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

using halvane::QtFileChooser;

class QtFileChooserTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
};

void QtFileChooserTest::answers_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("a file chosen") << true;
    QTest::newRow("cancelled") << false;
}

void QtFileChooserTest::answers() {
    QFETCH(bool, accept);
    QTemporaryDir dir;
    QFile(dir.filePath("Blue.ini")).open(QIODevice::WriteOnly);
    const QString wanted = QFileInfo(dir.filePath("Blue.ini")).absoluteFilePath();

    QString folder;
    QStringList filters;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* page = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!page)
            return;
        poll.stop();
        folder = page->directory().absolutePath();
        filters = page->nameFilters();
        if (accept) {
            page->selectFile(wanted);
            QMetaObject::invokeMethod(page, "accept");
        } else {
            page->reject();
        }
    });
    poll.start(10);
    QtFileChooser chooser;
    const QString chosen = chooser.openFile(nullptr, dir.path(), QStringLiteral("*.ini"));
    QCOMPARE(folder, QDir(dir.path()).absolutePath());
    QCOMPARE(filters, QStringList{"*.ini"});
    QCOMPARE(chosen, accept ? wanted : QString());
}

QTEST_MAIN(QtFileChooserTest)
#include "tst_qtfilechooser.moc"
